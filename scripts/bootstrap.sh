#!/usr/bin/env bash
# Installs the Debian packages Vorlane needs, when any of them is missing.
# Uses sudo when not run as root.
#   bootstrap.sh program   what building and running a banner need
#   bootstrap.sh desktop   ...and a private virtual desktop to run it on
#                          (Xvfb, openbox) when there is no display
#   bootstrap.sh tests     ...and everything the tests use besides: the
#                          other window managers, a tray, xdotool, ...
set -euo pipefail

program=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libxcb1-dev
    # Which process owns a window that claims to be a banner's.
    libxcb-res0-dev
    # The banner's own surface on Wayland compositors with a layer shell.
    libwayland-dev wayland-protocols librust-wayland-protocols-dev
    # TIFF (and other image types) in the banner.
    qt6-image-formats-plugins
)
desktop=(xvfb openbox dbus-daemon fonts-dejavu-core)
tests=(
    qt6-svg-dev libxcb-xtest0-dev
    xfwm4 i3-wm trayer x11-utils x11-xserver-utils xdotool xterm
    desktop-file-utils appstream
    # Wayland desktops: headless sway and mutter with XWayland, screenshots.
    sway mutter xwayland grim
)

packages=("${program[@]}")
case "${1:-tests}" in
    program) ;;
    desktop) packages+=("${desktop[@]}") ;;
    tests) packages+=("${desktop[@]}" "${tests[@]}") ;;
    *) echo "usage: $0 [program|desktop|tests]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
