#!/usr/bin/env bash
# Installs the package in a fresh Debian 12 root and checks it there:
#   - apt installs it with its dependencies and nothing else;
#   - `vorlane` starts a banner on a virtual display (Xvfb on this machine,
#     its socket shared with the root);
#   - both desktop entries pass desktop-file-validate, the software-centre
#     description passes appstreamcli's strictest check, the manual page formats;
#   - removing the package leaves none of its files behind.
# Needs root (debootstrap, chroot, mounts) and the network. The bare root is
# kept in build/bookworm-root.tar, so only the first run downloads it.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) -eq 0 ]] || { echo "check-package.sh must run as root" >&2; exit 1; }
# This machine checks with the tests' tools (Xvfb, xdotool, the validators).
scripts/bootstrap.sh fresh-root
scripts/package.sh
deb=$(ls build/vorlane_*.deb | tail -1)
started=$SECONDS

root=$(mktemp -d)
cleanup() {
    [[ -n "${banner:-}" ]] && kill "$banner" 2>/dev/null
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null
    # Lazily: a process of the root that is still ending must not keep them.
    umount -l "$root/tmp/.X11-unix" 2>/dev/null || true
    umount -l "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
if [[ -f build/bookworm-root.tar ]]; then
    tar -C "$root" -xf build/bookworm-root.tar
else
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
    tar -C "$root" -cf build/bookworm-root.tar .
fi
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive "$@"; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
in_root apt-get update -q >/dev/null
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >/dev/null
echo "installed: $(in_root dpkg-query -W -f='${Package} ${Version}' vorlane)"

# A banner of the installed program on a display of this machine.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$displayfd" number
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
in_root env DISPLAY=":$number" HOME=/tmp QT_QPA_PLATFORM=xcb vorlane >/dev/null 2>&1 &
banner=$!
for _ in $(seq 50); do
    DISPLAY=":$number" xdotool search --name '^Vorlane$' >/dev/null 2>&1 && break
    sleep 0.2
done
DISPLAY=":$number" xdotool search --name '^Vorlane$' >/dev/null
echo "started: a banner window on :$number"
kill "$banner"
wait "$banner" 2>/dev/null || true
banner=

desktop-file-validate "$root/usr/share/applications/com.tarnwick.vorlane.desktop" \
    "$root/usr/share/vorlane/com.tarnwick.vorlane.desktop"
appstreamcli validate --strict --pedantic --no-net \
    "$root/usr/share/metainfo/com.tarnwick.vorlane.metainfo.xml" >/dev/null
man -l "$root/usr/share/man/man1/vorlane.1.gz" | grep -q "SYNOPSIS"
echo "valid: both desktop entries, the software-centre description; the manual page formats"

files=$(in_root dpkg -L vorlane)
in_root apt-get remove --purge -y -q vorlane >/dev/null
left=()
for file in $files; do
    [[ -f "$root$file" ]] && left+=("$file")
done
if ((${#left[@]})); then
    echo "left behind after removal: ${left[*]}" >&2
    exit 1
fi
echo "removed: no file of the package is left"
echo "checked in $((SECONDS - started)) s (without building the package)"
