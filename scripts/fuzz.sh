#!/usr/bin/env bash
# Fuzzes one reader of user files:  bash scripts/fuzz.sh TARGET SECONDS
#
# Builds the fuzzing program with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-fuzz/, starts from the target's seeds in tests/fuzz-corpus/TARGET/ and keeps what it learns in
# build-fuzz/korpus/TARGET/. An input that crashes, hangs or breaks a promise of the reader lands in
# tests/fuzz-corpus/TARGET/ as crash-*, timeout-*, oom-* or leak-*: commit it with the fix, and every
# test run replays it. One process, one core: run one target at a time on a shared machine.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
    echo "usage: bash scripts/fuzz.sh TARGET SECONDS   (targets: $(ls tests/fuzz-corpus | tr '\n' ' '))" >&2
    exit 2
fi
cel=$1
sekund=$2

# Debian's clang with its libFuzzer and sanitizer runtimes, only when something is missing.
bash scripts/zainstaluj-pakiety.sh clang libclang-rt-dev cmake make

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOMUND_FUZZ=ON \
    -DTARVOMUND_BUILD_UI=OFF -DTARVOMUND_BUILD_TESTS=OFF -DTARVOMUND_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build build-fuzz -j2 --target tarvomund_fuzz

nasiona="tests/fuzz-corpus/$cel"
if [ ! -d "$nasiona" ]; then
    echo "no target $cel: its seeds would be in $nasiona" >&2
    exit 2
fi
korpus="build-fuzz/korpus/$cel"
mkdir -p "$korpus"

export TARVOMUND_CEL_FUZZ="$cel"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
exec build-fuzz/bin/tarvomund_fuzz -max_total_time="$sekund" -timeout=10 -rss_limit_mb=2048 \
    -max_len=16384 -print_final_stats=1 -artifact_prefix="$nasiona/" "$korpus" "$nasiona"
