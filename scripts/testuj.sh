#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (widget tests off-screen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zainstaluj-pakiety.sh
bash scripts/zbuduj.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
