#!/usr/bin/env bash
# The settings torture for longer: a script edits a banner's file by rename
# and in place at random moments while the banner saves through menu
# commands and is ended and started again (tests/settings/tst_torture.cpp
# on its own private Xvfb + openbox), with the banner's event loop pinged
# every 20 ms (bench/event_loop_stalls). Prints the edits, the saves, the
# edits lost and the longest the banner's event loop did not answer.
#   bench/torture.sh [build-dir] [seconds]
set -euo pipefail
build=$(realpath "${1:-"$(dirname "$0")/../build"}")
seconds=${2:-120}
echo "torture for $seconds s, $(date -u +%F), $(nproc) cores"
QT_QPA_PLATFORM=offscreen VORLANE_BINARY="$build/src/vorlane" \
    VORLANE_TEST_DATA="$(realpath "$(dirname "$0")/../tests/data")" VORLANE_TORTURE_SECONDS="$seconds" \
    VORLANE_STALL_PINGER="$build/bench/event_loop_stalls" \
    "$build/tests/tst_torture" 2>&1 | grep -E '^(QINFO|FAIL|Totals)' | sed 's/^QINFO *: [^)]*) //'
