#!/usr/bin/env bash
# One nudging pass over 100 client windows on a private Xvfb + openbox.
#   bench/nudge_pass.sh [build-dir] [window-count]
set -euo pipefail
build=${1:-"$(dirname "$0")/../build"}
count=${2:-100}
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 -u "$displayfd" number
export DISPLAY=":$number"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
# Windows that all reach into a 28-pixel top strip, half of them decorated.
"$build/tests/x11_test_client" window 40 10 800 500 $((count / 2)) plain >/dev/null &
pids+=($!)
"$build/tests/x11_test_client" window 400 0 600 400 $((count - count / 2)) decorated >/dev/null &
pids+=($!)
sleep 3
"$build/bench/nudge_pass"
