#!/usr/bin/env bash
# Installs what is missing, builds and starts the workbench.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zainstaluj-pakiety.sh
bash scripts/zbuduj.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the workbench under Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/tarvomund
fi
exec ./build/bin/tarvomund
