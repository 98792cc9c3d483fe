#!/usr/bin/env bash
# Installs what is missing, builds, and starts a banner. An optional instance
# identifier is passed through. Without a display (DISPLAY unset) the banner
# runs for a few seconds on a private virtual display, a screenshot of it is
# saved and its path printed. Only what the program needs is installed (and,
# without a display, Xvfb and openbox); the tests' tools are not.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -n "${DISPLAY:-}" ]]; then
    scripts/bootstrap.sh program
else
    scripts/bootstrap.sh desktop
fi
scripts/build.sh program
binary="$PWD/build/src/vorlane"

if [[ -n "${DISPLAY:-}" ]]; then
    exec "$binary" "$@"
fi

source scripts/lib/private-desktop.sh
start_private_desktop 1280x720
work=$desktop_work
# The demo keeps its settings in a folder of its own, and has a runtime
# folder as a desktop session would.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
"$binary" "$@" &
desktop_pids+=($!)
sleep 4
screenshot="$PWD/build/vorlane-screenshot.png"
build/tools/grab_screen "$screenshot"
echo "No display: Vorlane ran on a virtual display ($DISPLAY) for a few seconds."
echo "Screenshot: $screenshot"
