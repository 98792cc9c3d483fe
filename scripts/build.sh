#!/usr/bin/env bash
# Configures and builds Vorlane into build/.
#   build.sh           the program, its tests and the benchmarks
#   build.sh program   the program alone (a build/ configured before keeps
#                      its settings; a new one is made without the tests)
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "${1:-all}" == program ]]; then
    if [[ ! -f build/CMakeCache.txt ]]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DBUILD_TESTING=OFF -DVORLANE_BENCH=OFF >/dev/null
    fi
    cmake --build build --target vorlane grab_screen
    exit
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON -DVORLANE_BENCH=ON >/dev/null
cmake --build build
