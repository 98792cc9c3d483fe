#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, and runs each for a while
# (default 600 s), two at a time. New inputs go to build-fuzz/corpus/; a
# finding stops its fuzzer, and the input is left as build-fuzz/<target>-crash-*.
#   scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
scripts/bootstrap.sh fuzz
# Both compilers: the generated Wayland protocol code is C.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DVORLANE_FUZZ=ON -DVORLANE_BENCH=OFF >/dev/null
targets=(settings_file session_document hex_color proc_files file_name x11_decoders)
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

run() {
    local target=$1 corpus=build-fuzz/corpus/$1
    mkdir -p "$corpus"
    # Qt runs headless; the inputs found go to the scratch corpus only.
    local status=0
    QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" \
        -max_len=8192 -timeout=10 -print_final_stats=1 -artifact_prefix="build-fuzz/$target-" \
        "$corpus" "fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1 || status=$?
    local runs
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "build-fuzz/$target.log")
    echo "$target: ${runs:-?} inputs in $seconds s, exit status $status"
    return $status
}
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    run "${targets[i]}" &
    first=$!
    second=
    if ((i + 1 < ${#targets[@]})); then
        run "${targets[i + 1]}" &
        second=$!
    fi
    wait "$first" || failed=1
    [[ -z "$second" ]] || wait "$second" || failed=1
done
exit $failed
