#!/usr/bin/env bash
# Builds Vorlane and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs every test there:
# the banners the desktop tests start are sanitized too, and any report ends
# the process that made it, which fails its test. CI runs this after the
# README's test command.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh tests
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORLANE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g1" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0
ctest --test-dir build-sanitize --output-on-failure -j 2
