#!/usr/bin/env bash
# One nudging pass over 100 client windows on a private Xvfb + openbox.
#   bench/nudge_pass.sh [build-dir] [window-count]
set -euo pipefail
build=${1:-"$(dirname "$0")/../build"}
count=${2:-100}
source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
# Windows that all reach into a 28-pixel top strip, half of them decorated.
"$build/bench/test_windows" window 40 10 800 500 $((count / 2)) plain >/dev/null &
desktop_pids+=($!)
"$build/bench/test_windows" window 400 0 600 400 $((count - count / 2)) decorated >/dev/null &
desktop_pids+=($!)
sleep 3
"$build/bench/nudge_pass"
