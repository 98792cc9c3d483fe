#!/usr/bin/env bash
# Makes the README's pictures anew from the real program on a private virtual
# display (Xvfb with openbox), to run after a change that shows:
#   docs/screenshot-menu.png  the banner with its context menu open over a
#                             desktop with a terminal window below the strip
#   docs/screenshot.png       the top of the bare banner
# Installs what is missing (the tests' tools: xterm, xdotool) and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh tests
scripts/build.sh program
binary="$PWD/build/src/vorlane"
grab="$PWD/build/tools/grab_screen"

source scripts/lib/private-desktop.sh
start_private_desktop 1280x720
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

"$binary" &
desktop_pids+=($!)
sleep 3
"$grab" docs/screenshot.png 0 0 1280 64

# A terminal that reached into the strip: the banner keeps it below.
xterm -geometry 84x28+140+0 -fa 'DejaVu Sans Mono' -fs 10 \
    -e sh -c 'uname -sr; echo; ls -l /usr/share | head -24; exec sleep 600' &
desktop_pids+=($!)
sleep 4
xdotool mousemove 420 14 click 3
sleep 1.5
"$grab" docs/screenshot-menu.png
echo "Made docs/screenshot-menu.png and docs/screenshot.png"
