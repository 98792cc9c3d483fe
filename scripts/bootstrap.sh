#!/usr/bin/env bash
# Installs the Debian packages Vorlane needs to build, run and test, when
# any of them is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev libxcb-xtest0-dev
    # TIFF (and other image types) in the banner.
    qt6-image-formats-plugins
    # A real desktop for the tests and for a run without a display.
    xvfb openbox xfwm4 i3-wm dbus-daemon trayer x11-utils x11-xserver-utils xdotool xterm fonts-dejavu-core
    desktop-file-utils imagemagick
)

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
