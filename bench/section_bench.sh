#!/usr/bin/env bash
# A file's section of the 200 000-row benchmark file gridded, contoured and
# exported through GDAL, side by side with building the section and its
# measured cells and with writing the file's depth CSV, in one run.
# Usage: bench/section_bench.sh [BUILD_DIR] [FILE_NUMBER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/vantrel-section.XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$build/vantrel-gensurvey" --files 1000 --points 200 --frequencies 24 -o "$work/big.dat"
cd "$work"
"$build/bench/section_export_bench" "$work/big.dat" "${2:-1}"
