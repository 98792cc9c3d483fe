#!/usr/bin/env bash
# Starts banners on a headless KWin (KDE Plasma's compositor) and prints
# what KWin made of them: the work area on every virtual desktop, where a
# window asked for at the top-left corner went, and, with two banners at the
# top, where a right click on each opens its menu and whether a click on the
# other banner closes it. Not part of the tests: it installs KWin, about 190
# packages. Run it as root after scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh kwin
# The pointer tool is made once KWin's protocols are there.
cmake -S . -B build >/dev/null
cmake --build build --target vorlane wayland_pointer kwin_screenshot >/dev/null
tools=$PWD/build/tools
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; kill "$bus" 2>/dev/null; rm -rf "$dir"' EXIT
mkdir -m 700 "$dir/run" "$dir/bin"
# A session bus of its own, where KWin offers its pictures of the desktop.
read -r bus_address bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
    paste -sd' ')
export DBUS_SESSION_BUS_ADDRESS=$bus_address
# Some containers refuse the file capability on KWin's binary; a copy has
# none. KWin loads its own Qt platform only under its own name.
cp /usr/bin/kwin_wayland "$dir/bin/kwin_wayland"
printf '#!/bin/sh\necho "$DISPLAY" >%s/display\n' "$dir" >"$dir/display.sh"
chmod +x "$dir/display.sh"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$dir/run" HOME="$dir" \
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    "$dir/bin/kwin_wayland" --virtual --xwayland --width 1920 --height 1080 \
    --socket wayland-0 "$dir/display.sh" >"$dir/kwin.log" 2>&1 &
# KWin starts the program it is given once XWayland is up.
for _ in $(seq 100); do [[ -s "$dir/display" ]] && break; sleep 0.2; done
export DISPLAY=$(cat "$dir/display") WAYLAND_DISPLAY="$dir/run/wayland-0"
echo "KWin on $WAYLAND_DISPLAY, XWayland on $DISPLAY"
mkdir -p "$dir/.config/vorlane"
# Starts the banner of that name with those settings; its process is $!.
banner() {
    echo "$2" >"$dir/.config/vorlane/VorlaneSettings_$1.json"
    HOME="$dir" XDG_CONFIG_HOME="$dir/.config" build/src/vorlane "$1" &
}

banner kwin '{"text":"KWin"}'
first=$!
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
kill "$first" "$!"
wait "$first" || true
sleep 0.5
echo "after the banner quit:"
xprop -root _NET_WORKAREA

echo "two banners at the top, red started first:"
plain='"text":"","opacity":1,"showCPU":false,"showMemory":false'
banner red "{$plain,\"bgColorHex\":\"#FF0000\"}"
red=$!
sleep 2
banner blue "{$plain,\"bgColorHex\":\"#0000FF\"}"
blue=$!
sleep 3
"$tools/kwin_screenshot" "$dir/bare.png" --column 300 | tee "$dir/column" | sed -n 1,3p
coproc pointer { "$tools/wayland_pointer"; }
click() {
    echo "$1 $2 1920 1080 $3" >&"${pointer[1]}"
    read -r _ <&"${pointer[0]}"
}
# The middle row of a colour's strip down column 300.
middle() { awk -F'[- ]' -v c="$1" '$3 == c { print int(($1 + $2) / 2); exit }' "$dir/column"; }
# KWin drops the first event of a new fake input.
click 960 540 none
for name in red blue; do
    colour=$([[ $name == red ]] && echo '#ff0000' || echo '#0000ff')
    other=$([[ $name == red ]] && echo '#0000ff' || echo '#ff0000')
    at=$(middle "$colour")
    click 300 "$at" right
    sleep 2
    echo "right click on the $name banner at 300,$at: the menu's" \
        "$("$tools/kwin_screenshot" "$dir/menu.png" --changed-from "$dir/bare.png")"
    click 300 "$(middle "$other")" left
    sleep 1
    echo "a left click on the other banner: then" \
        "$("$tools/kwin_screenshot" "$dir/after.png" --changed-from "$dir/bare.png")"
done
for pid in "$red" "$blue"; do
    kill -0 "$pid" 2>/dev/null && echo "banner $pid still runs" || echo "banner $pid has ended"
done
kill "$red" "$blue"
wait "$red" "$blue" || true
