#!/usr/bin/env bash
# Release build into build/; both programs and Dane end up in build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
