#!/usr/bin/env bash
# Twenty banners started together (as a restored session starts them) on a
# private Xvfb + openbox: how long their event loops stall while they
# register, draw and autosave (every 30 s), and how long they take to end
# when all are ended together, with their settings saved.
# Each banner's file is written by hand first (pretty-printed); a banner
# rewrites only settings that changed, so every file should stay as it was.
#   bench/save_stalls.sh [build-dir] [count] [seconds]
set -euo pipefail
build=$(realpath "${1:-"$(dirname "$0")/../build"}")
count=${2:-20}
seconds=${3:-70}

source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/vorlane"

pids=()
for ((i = 0; i < count; i++)); do
    printf '{\n    "text": "banner %d",\n    "position": "bottomRight"\n}\n' "$i" \
        >"$XDG_CONFIG_HOME/vorlane/VorlaneSettings_stall-$i.json"
done
for ((i = 0; i < count; i++)); do
    "$build/src/vorlane" "stall-$i" >/dev/null 2>&1 &
    pids+=($!)
    desktop_pids+=($!)
done
for pid in "${pids[@]}"; do # mapped
    for _ in $(seq 500); do xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break; done
done
echo "$count banners, pinged for $seconds s (two autosaves), $(date -u +%F), $(nproc) cores"
"$build/bench/event_loop_stalls" "$seconds" "${pids[@]}"

start=$(date +%s%N)
kill -TERM "${pids[@]}"
for pid in "${pids[@]}"; do
    while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
done
ended=$((($(date +%s%N) - start) / 1000000))
saved=$( (grep -L '^    ' "$XDG_CONFIG_HOME"/vorlane/VorlaneSettings_stall-*.json || true) | wc -l)
echo "ended together: all $count gone in $ended ms; $saved of $count files rewritten by the program"
