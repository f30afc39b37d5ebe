#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing. Further package names
# given as arguments (the packaging script's checking tools) are installed the same way.
set -euo pipefail

pakiety=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    librsvg2-bin
    xvfb xauth fonts-dejavu-core
    "$@"
)

brakujace=()
for p in "${pakiety[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || brakujace+=("$p")
done

if [ ${#brakujace[@]} -gt 0 ]; then
    echo "Installing: ${brakujace[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${brakujace[@]}"
fi
