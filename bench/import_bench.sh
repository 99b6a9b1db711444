#!/usr/bin/env bash
# Import Text against File Open on the 200 000-row benchmark file: the same
# data once in the standard layout and once as a spreadsheet exports it
# (semicolons, decimal commas), in a tmpfs folder, side by side in one run.
# Usage: bench/import_bench.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/vantrel-import.XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$build/vantrel-gensurvey" --files 1000 --points 200 --frequencies 24 -o "$work/big.dat"
sed -e 's/\./,/g' -e 's/\t/;/g' "$work/big.dat" > "$work/big.csv"
"$build/bench/import_bench" "$work/big.dat" "$work/big.csv"
