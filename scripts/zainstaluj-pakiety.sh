#!/usr/bin/env bash
# Installs the Debian packages the project needs (or the packages named as arguments), only when some
# are missing.
set -euo pipefail

pakiety=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth fonts-dejavu-core
)

# Other scripts name their own extra packages (e.g. the fuzzing compiler) instead of the list above.
if [ $# -gt 0 ]; then
    pakiety=("$@")
fi

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
