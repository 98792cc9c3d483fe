#!/usr/bin/env bash
# Installs the Debian packages of the groups named, those that are missing,
# with sudo when not run as root. Every script that needs packages asks
# here; this is the one place that installs.
#   bootstrap.sh program    what building and running a banner need
#   bootstrap.sh desktop    ...and a private virtual desktop to run it on
#                           (Xvfb, openbox) when there is no display
#   bootstrap.sh tests      ...and everything the tests use besides: the
#                           other window managers, a tray, xdotool, ...
#   bootstrap.sh GROUP...   any of the groups below, together
set -euo pipefail

declare -A groups=(
    # Building and running a banner: libxcb-res0-dev tells which process made
    # a window that claims to be a banner's; the Wayland packages give the
    # banner a surface of its own where a compositor has a layer shell; the
    # image plugins show TIFF and other images; lrelease builds the program's
    # translations, and Qt's own translate its dialogs' buttons; xkbcommon
    # reads the keys pressed in the banner's menus on Wayland.
    [program]="g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev
        libxcb-res0-dev libwayland-dev wayland-protocols librust-wayland-protocols-dev
        libxkbcommon-dev qt6-image-formats-plugins qt6-l10n-tools qt6-translations-l10n"
    [desktop]="xvfb openbox dbus-daemon fonts-dejavu-core"
    # The other window managers, a tray, the tools that look at a desktop,
    # and the Wayland desktops (headless sway and mutter) with screenshots
    # and typed keys.
    [tests]="qt6-svg-dev libxcb-xtest0-dev xfwm4 i3-wm trayer x11-utils x11-xserver-utils
        xdotool xterm desktop-file-utils appstream sway mutter xwayland grim wtype"
    [fuzz]="clang"                     # scripts/fuzz.sh
    [package]="dpkg-dev lintian file"  # scripts/package.sh
    [fresh-root]="debootstrap"         # scripts/check-package.sh
    [kwin]="kwin-wayland plasma-wayland-protocols x11-utils xdotool xterm dbus-daemon" # scripts/check-kwin.sh
    [peers]="polybar conky-std strace" # the benchmarks beside other bars
)
# The groups each group needs besides its own packages.
declare -A needs=([desktop]=program [tests]="program desktop" [fuzz]=program [package]=program
    [fresh-root]="tests package")

packages=()
add_group() {
    [[ -n "${groups[$1]:-}" ]] || { echo "bootstrap.sh: no group \"$1\"" >&2; exit 2; }
    local need
    for need in ${needs[$1]:-}; do add_group "$need"; done
    packages+=(${groups[$1]})
}
(($#)) || set -- tests
for group; do add_group "$group"; done

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]})) || exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
