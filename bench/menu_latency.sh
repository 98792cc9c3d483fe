#!/usr/bin/env bash
# Right click to context menu on screen, with three banners running, on a
# private Xvfb + openbox: how long building the menu takes (in a fourth
# banner process), and from a click's release to the menu on screen, median
# and worst of 50 clicks.
#   bench/menu_latency.sh [build-dir] [clicks]
set -euo pipefail
build=${1:-"$(dirname "$0")/../build"}
source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/vorlane"
# Three banners at three places: top, bottom and bottom left.
echo '{"position":"bottom"}' >"$XDG_CONFIG_HOME/vorlane/VorlaneSettings_two.json"
echo '{"position":"bottomLeft","bannerHeight":60}' >"$XDG_CONFIG_HOME/vorlane/VorlaneSettings_three.json"
for id in one two three; do
    "$build/src/vorlane" "$id" >/dev/null 2>&1 &
    desktop_pids+=($!)
done
sleep 3
"$build/bench/menu_build"
"$build/bench/menu_latency" "${2:-50}"
