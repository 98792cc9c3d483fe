# Sourced by the scripts that need a desktop of their own: starts Xvfb on a
# free display number (Xvfb picks it), a session bus as every desktop session
# has one, and openbox; exports DISPLAY and DBUS_SESSION_BUS_ADDRESS (and
# drops WAYLAND_DISPLAY: a banner would take the compositor named there), ends
# them (and whatever was added to desktop_pids) when the script exits, the
# last started first. A scratch folder, $desktop_work, goes with them.
#   start_private_desktop WIDTHxHEIGHT
desktop_pids=()
desktop_work=

stop_private_desktop() {
    for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
        kill "${desktop_pids[i]}" 2>/dev/null || true
        wait "${desktop_pids[i]}" 2>/dev/null || true
    done
    [[ -z "$desktop_work" ]] || rm -rf "$desktop_work"
}

start_private_desktop() {
    trap stop_private_desktop EXIT
    desktop_work=$(mktemp -d)
    unset WAYLAND_DISPLAY
    local displayfd number
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    desktop_pids+=($!)
    read -r -t 10 -u "$displayfd" number
    export DISPLAY=":$number"
    local busfd
    exec {busfd}<> <(:)
    dbus-daemon --session --nofork --print-address="$busfd" >/dev/null 2>&1 &
    desktop_pids+=($!)
    read -r -t 10 -u "$busfd" DBUS_SESSION_BUS_ADDRESS
    export DBUS_SESSION_BUS_ADDRESS
    openbox >/dev/null 2>&1 &
    desktop_pids+=($!)
    sleep 1
}
