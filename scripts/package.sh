#!/usr/bin/env bash
# Builds the Debian package (build/vorlane_<version>_<arch>.deb) and checks it
# with lintian. Installs what is missing (bootstrap.sh package): the build's
# own packages, dpkg-dev for the dependency lookup, lintian.
#   install it:  sudo apt install ./build/vorlane_*.deb
#   remove it:   sudo apt remove vorlane
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh package
# Installed programs live under /usr; the package is made from a release build.
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DVORLANE_BENCH=OFF >/dev/null
cmake --build build/package
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/vorlane_*.deb)
mv "$deb" build/
deb=build/$(basename "$deb")
echo "Package: $deb"
# Errors fail the script; warnings are printed.
lintian --fail-on error "$deb"
