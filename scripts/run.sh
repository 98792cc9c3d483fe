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
cleanup() {
    # The banner first, so that it ends in order while its display still exists.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
}
pids=()
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the pipe.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x720x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 -u "$displayfd" number
export DISPLAY=":$number"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# The demo keeps its settings in a folder of its own.
export XDG_CONFIG_HOME="$work/config"
"$binary" "$@" &
pids+=($!)
sleep 4
screenshot="$PWD/build/vorlane-screenshot.png"
import -display "$DISPLAY" -window root "$screenshot"
echo "No display: Vorlane ran on a virtual display ($DISPLAY) for a few seconds."
echo "Screenshot: $screenshot"
