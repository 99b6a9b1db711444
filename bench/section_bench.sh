#!/usr/bin/env bash
# The pseudo-section on the 200 000-row, 24-frequency benchmark file against
# its vertical profile, measured side by side: the desktop's windows, and the
# command line's --graph-data and --graph PNG steps. Needs the build's
# vantrel-cli, vantrel-gensurvey and section_open_bench.
# Usage: bench/section_bench.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# 20 files of 10 000 points: the section of file 1 is 10 000 positions by 24 heights.
"$build/vantrel-gensurvey" --files 20 --points 10000 --frequencies 24 -o "$work/big.dat" >/dev/null

echo "== desktop"
QT_QPA_PLATFORM=offscreen "$build/bench/section_open_bench" "$work/big.dat"

best() {  # best of three wall times of a command, in seconds
  local b=""
  for _ in 1 2 3; do
    local s e
    s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N)
    local t; t=$(awk "BEGIN{print $e - $s}")
    if [ -z "$b" ] || awk "BEGIN{exit !($t < $b)}"; then b=$t; fi
  done
  echo "$b"
}

echo "== command line"
base=$(best "$cli" "$work/big.dat" --select all --depth)
vdata=$(best "$cli" "$work/big.dat" --select all --depth --graph-data vertical)
sdata=$(best "$cli" "$work/big.dat" --select all --depth --graph-data section)
vpng=$(best "$cli" "$work/big.dat" --select all --depth --graph vertical "$work/v.png")
spng=$(best "$cli" "$work/big.dat" --select all --depth --graph section "$work/s.png")
awk -v b="$base" -v vd="$vdata" -v sd="$sdata" -v vp="$vpng" -v sp="$spng" 'BEGIN{
  printf "load + choose + depth: %.2f s\n", b
  printf "--graph-data: vertical %.3f s, section %.3f s (section / vertical %.2f)\n", vd - b, sd - b, (sd - b) / (vd - b)
  printf "--graph PNG:  vertical %.3f s, section %.3f s (section / vertical %.2f)\n", vp - b, sp - b, (sp - b) / (vp - b)
}'
