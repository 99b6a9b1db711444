#!/usr/bin/env bash
# The undo history's memory on the 200 000-row, 24-frequency file: twenty
# data steps under the 512 MiB limit. Needs the build's vantrel-gensurvey and
# undo_memory_bench. Usage: bench/undo_bench.sh [BUILD_DIR] [LIMIT_MIB]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/vantrel-gensurvey" --files 20 --points 10000 --frequencies 24 -o "$work/big.dat" >/dev/null
"$build/bench/undo_memory_bench" "$work/big.dat" ${2:+"$2"}
