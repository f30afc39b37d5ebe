#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs the
# core, CLI and widget tests there (widgets off-screen). Any finding of either sanitizer fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zainstaluj-pakiety.sh
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOMUND_SANITIZERS=ON -DTARVOMUND_BUILD_BENCH=OFF \
    "${launcher[@]}"
cmake --build build-asan -j"$(nproc)"
cd build-asan
# Leaks of the platform's own libraries at exit (fonts, the display plugin) are not the program's.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/../scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
