#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest. Tests
# need no display of the caller: unit tests run on Qt's offscreen platform
# and desktop tests start their own Xvfb and window manager.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh tests
scripts/build.sh
ctest --test-dir build --output-on-failure -j 2
