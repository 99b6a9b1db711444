#!/usr/bin/env bash
# Every chart kind of the command line on files below 1 MB that are wide
# (thousands of frequency columns) or long in files (thousands of tiny
# files), and on files at the drawing limits (500 profile bands, 150
# circular charts). Each line: the graph, its wall time, and whether it was
# drawn or refused (with the refusal's message). Nothing should take more
# than a few seconds.
# Usage: bench/wide_graphs_bench.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
gen="$build/vantrel-gensurvey"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$gen" --files 1 --points 16 --frequencies 9000 -o "$work/wide.dat" >/dev/null
"$gen" --files 4000 --points 4 --frequencies 5 -o "$work/files.dat" >/dev/null
"$gen" --files 1 --points 16 --frequencies 500 -o "$work/bands500.dat" >/dev/null
"$gen" --files 1 --points 16 --frequencies 150 -o "$work/charts150.dat" >/dev/null
"$gen" --files 500 --points 4 --frequencies 5 -o "$work/files500.dat" >/dev/null

for file in wide files bands500 charts150 files500; do
  printf '%s: %s bytes\n' "$file" "$(stat -c %s "$work/$file.dat")"
  for kind in vertical plane circular section; do
    s=$(date +%s.%N)
    if msg=$("$cli" "$work/$file.dat" --select all --field-source --depth --graph "$kind" "$work/g.png" 2>&1); then
      what="drawn"
    else
      what="refused: $msg"
    fi
    e=$(date +%s.%N)
    awk -v k="$kind" -v t="$(awk "BEGIN{print $e - $s}")" -v w="$what" 'BEGIN{printf "  %-9s %6.2f s  %s\n", k, t, w}'
  done
done
