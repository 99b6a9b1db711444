#!/usr/bin/env bash
# The pseudo-section window of the 200 000-row, 24-frequency benchmark
# file's first file in the main window (offscreen): gridded by inverse
# distance with automatic contours against the measured cells without
# contours, side by side in one run. Target: within 2 times. Needs the
# build's vantrel-gensurvey and section_window_bench.
# FILES=200 POINTS=10000 makes the 2 000 000-row file instead, where what the
# interface thread holds counts most.
# Usage: bench/section_window_bench.sh [BUILD_DIR] [RUNS] [PICTURE_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/vantrel-section-window.XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$build/vantrel-gensurvey" --files "${FILES:-1000}" --points "${POINTS:-200}" --frequencies 24 -o "$work/big.dat"
HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
    "$build/bench/section_window_bench" "$work/big.dat" "${2:-5}" ${3:+"$3"}
