#!/usr/bin/env bash
# Starts a banner on a headless KWin (KDE Plasma's compositor) and prints
# what KWin made of it: the work area on every virtual desktop, and where a
# window asked for at the top-left corner went. Not part of the tests: it
# installs KWin, about 190 packages. Run it as root after scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh kwin
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$dir"' EXIT
mkdir -m 700 "$dir/run" "$dir/bin"
# Some containers refuse the file capability on KWin's binary; a copy has
# none. KWin loads its own Qt platform only under its own name.
cp /usr/bin/kwin_wayland "$dir/bin/kwin_wayland"
printf '#!/bin/sh\necho "$DISPLAY" >%s/display\n' "$dir" >"$dir/display.sh"
chmod +x "$dir/display.sh"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$dir/run" HOME="$dir" "$dir/bin/kwin_wayland" \
    --virtual --xwayland --width 1920 --height 1080 --socket wayland-0 "$dir/display.sh" \
    >"$dir/kwin.log" 2>&1 &
# KWin starts the program it is given once XWayland is up.
for _ in $(seq 100); do [[ -s "$dir/display" ]] && break; sleep 0.2; done
export DISPLAY=$(cat "$dir/display")
echo "KWin on $dir/run/wayland-0, XWayland on $DISPLAY"
mkdir -p "$dir/.config/vorlane"
echo '{"text":"KWin"}' >"$dir/.config/vorlane/VorlaneSettings_kwin.json"
HOME="$dir" XDG_CONFIG_HOME="$dir/.config" WAYLAND_DISPLAY="$dir/run/wayland-0" \
    build/src/vorlane kwin &
banner=$!
sleep 3
xdotool set_num_desktops 3
sleep 0.5
xprop -root _NET_WORKAREA
xterm -geometry 80x24+0+0 &
sleep 2
window=$(xdotool search --class xterm | tail -1)
xdotool windowmove "$window" 0 0
sleep 0.5
xwininfo -id "$window" | grep -E "Absolute upper-left (X|Y)"
kill "$banner"
wait "$banner" || true
sleep 0.5
echo "after the banner quit:"
xprop -root _NET_WORKAREA
