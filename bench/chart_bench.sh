#!/usr/bin/env bash
# The charts on the 200 000-row, 24-frequency benchmark file: the desktop's
# vertical profile window against its depth calculation, the frame times of
# zooming and panning, and the command line's --graph PNG against its
# --graph-data step, and the pseudo-section against the vertical profile.
# Needs the build's vantrel-cli, vantrel-gensurvey and chart_open_bench.
# Usage: bench/chart_bench.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# 200 000 rows in 20 files of 10 000 points: the vertical profile of file 1
# has 24 curves of 10 000 points.
"$build/vantrel-gensurvey" --files 20 --points 10000 --frequencies 24 -o "$work/big.dat" >/dev/null

echo "== desktop"
QT_QPA_PLATFORM=offscreen "$build/bench/chart_open_bench" "$work/big.dat"

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
data=$(best "$cli" "$work/big.dat" --select all --depth --graph-data vertical)
png=$(best "$cli" "$work/big.dat" --select all --depth --graph vertical "$work/v.png")
sdata=$(best "$cli" "$work/big.dat" --select all --depth --graph-data section)
spng=$(best "$cli" "$work/big.dat" --select all --depth --graph section "$work/s.png")
awk -v b="$base" -v d="$data" -v p="$png" -v sd="$sdata" -v sp="$spng" 'BEGIN{
  printf "load + choose + depth: %.2f s\n", b
  printf "--graph-data vertical step: %.2f s\n", d - b
  printf "--graph vertical PNG step: %.2f s (%.2f x the --graph-data step)\n", p - b, (p - b) / (d - b)
  printf "--graph-data section step: %.3f s (%.2f x vertical)\n", sd - b, (sd - b) / (d - b)
  printf "--graph section PNG step: %.3f s (%.2f x vertical)\n", sp - b, (sp - b) / (p - b)
}'
