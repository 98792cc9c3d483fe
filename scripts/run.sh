#!/usr/bin/env bash
# Installs what is missing, builds, and starts a banner. An optional instance
# identifier is passed through. Without a display (DISPLAY unset) the banner
# runs for a few seconds on a private virtual display, a screenshot of it is
# saved and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
scripts/build.sh
binary="$PWD/build/src/vorlane"

if [[ -n "${DISPLAY:-}" ]]; then
    exec "$binary" "$@"
fi

work=$(mktemp -d)
source scripts/lib/private-desktop.sh
start_private_desktop 1280x720
# The demo keeps its settings in a folder of its own.
export XDG_CONFIG_HOME="$work/config"
"$binary" "$@" &
desktop_pids+=($!)
sleep 4
screenshot="$PWD/build/vorlane-screenshot.png"
import -display "$DISPLAY" -window root "$screenshot"
echo "No display: Vorlane ran on a virtual display ($DISPLAY) for a few seconds."
echo "Screenshot: $screenshot"
