# Sourced by the scripts that need a desktop of their own: starts Xvfb on a
# free display number (Xvfb picks it) with openbox, exports DISPLAY, and ends
# both (and whatever was added to desktop_pids) when the script exits, the
# last started first.
#   start_private_desktop WIDTHxHEIGHT
desktop_pids=()

stop_private_desktop() {
    for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
        kill "${desktop_pids[i]}" 2>/dev/null || true
        wait "${desktop_pids[i]}" 2>/dev/null || true
    done
}

start_private_desktop() {
    trap stop_private_desktop EXIT
    local displayfd number
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    desktop_pids+=($!)
    read -r -t 10 -u "$displayfd" number
    export DISPLAY=":$number"
    openbox >/dev/null 2>&1 &
    desktop_pids+=($!)
    sleep 1
}
