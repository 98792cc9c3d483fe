#!/usr/bin/env bash
# Measures one banner with both readouts on, on a private Xvfb + openbox:
# its resident (RSS) and proportional (PSS) memory after 30 s, and the CPU
# time it uses in the 2 minutes after that, idle. With a text size, the
# banner shows a text of that many bytes (one line, cut to fit).
#   bench/banner_footprint.sh [path/to/vorlane] [idle-seconds] [text-bytes]
set -euo pipefail
binary=${1:-"$(dirname "$0")/../build/src/vorlane"}
idle=${2:-120}
source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config"
if [[ -n "${3:-}" ]]; then
    mkdir -p "$XDG_CONFIG_HOME/vorlane"
    printf '{"text":"%s"}' "$(head -c "$3" /dev/zero | tr '\0' 'x')" \
        >"$XDG_CONFIG_HOME/vorlane/VorlaneSettings_bench.json"
fi
"$binary" bench >/dev/null 2>&1 &
banner=$!
desktop_pids+=($banner)

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
