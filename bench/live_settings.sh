#!/usr/bin/env bash
# Settings changed from outside, on a private Xvfb + openbox: the time from
# a settings file renamed into place to the new text on screen (20 renames,
# each after the last had shown), and how many writes a 5-second colour drag
# in the colour dialog makes.
#   bench/live_settings.sh [build-dir]
set -euo pipefail
build=$(realpath "${1:-"$(dirname "$0")/../build"}")
source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
folder="$XDG_CONFIG_HOME/vorlane"
mkdir -p "$folder"
file="$folder/VorlaneSettings_live.json"
printf '{"text":"start","showCPU":false,"showMemory":false}' >"$file"
"$build/src/vorlane" live >/dev/null 2>&1 &
desktop_pids+=($!)
for _ in $(seq 500); do xdotool search --onlyvisible --pid "$!" >/dev/null 2>&1 && break; done
sleep 2 # the start-up pass has come and gone

echo "live settings, $(date -u +%F), $(nproc) cores"
times=()
for i in $(seq 20); do
    printf '{"text":"text number %d","showCPU":false,"showMemory":false}' "$i" >"$file.new"
    times+=("$("$build/bench/rename_to_screen" "$file.new" "$file" 0 0 1920 28)")
    sleep 0.3
done
printf '%s\n' "${times[@]}" | sort -g | awk '{ t[NR] = $1 } END {
    printf "rename to new text on screen: median %s ms, min %s ms, max %s ms (%d renames)\n",
        t[int((NR + 1) / 2)], t[1], t[NR], NR }'
"$build/bench/colour_drag_writes" 2>&1 | grep -v '^qt.qpa.xcb: Unhandled client message'
