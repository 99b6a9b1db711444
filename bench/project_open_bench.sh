#!/usr/bin/env bash
# Open Project on the 200 000-row, 24-frequency benchmark file against File
# Open and the README's pipeline run by hand in the main window (offscreen),
# without chart windows and with a section window, side by side in one run.
# Target: Open Project within 1.3 times by hand. Needs the build's
# vantrel-gensurvey and project_open_bench.
# Usage: bench/project_open_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/vantrel-project.XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$build/vantrel-gensurvey" --files 1000 --points 200 --frequencies 24 -o "$work/big.dat"
HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
    "$build/bench/project_open_bench" "$work/big.dat" "${2:-5}"
