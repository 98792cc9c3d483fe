#!/usr/bin/env bash
# Measures one banner with both readouts on, on a private Xvfb + openbox:
# its resident (RSS) and proportional (PSS) memory after 30 s, and the CPU
# time it uses in the 2 minutes after that, idle.
#   bench/banner_footprint.sh [path/to/vorlane] [idle-seconds]
set -euo pipefail
binary=${1:-"$(dirname "$0")/../build/src/vorlane"}
idle=${2:-120}
work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 -u "$displayfd" number
export DISPLAY=":$number" HOME="$work" XDG_CONFIG_HOME="$work/config"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
"$binary" bench >/dev/null 2>&1 &
banner=$!
pids+=($banner)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

sleep 30
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$banner/status")
pss=$(awk '/^Pss:/ {print $2}' "/proc/$banner/smaps_rollup")
before=$(cpu_ticks "$banner")
sleep "$idle"
after=$(cpu_ticks "$banner")
hz=$(getconf CLK_TCK)
echo "banner memory after 30 s: RSS ${rss} KiB, PSS ${pss} KiB"
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" \
    'BEGIN { printf "banner CPU time in %d s idle: %.2f s (%.3f%% of one core)\n", s, t / hz, 100 * t / hz / s }'
