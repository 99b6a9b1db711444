#!/usr/bin/env bash
# The desktop's open of a 200 000-row, 24-frequency file next to the command
# line's load of the same file, in one run. Needs the build's vantrel-cli,
# vantrel-gensurvey and gui_open_bench, and GNU time (package time).
# Usage: bench/gui_open_bench.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
gen="$build/vantrel-gensurvey"
gui="$build/bench/gui_open_bench"
[ -x /usr/bin/time ] || { echo "needs GNU time (package time)"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$gen" --files 1000 --points 200 --frequencies 24 -o "$work/big.dat"
bytes=$(stat -c %s "$work/big.dat")

best=""
for _ in 1 2 3; do
  /usr/bin/time -f '%e %M' -o "$work/t" "$cli" "$work/big.dat" >/dev/null
  read -r secs rss < "$work/t"
  if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; fi
done
echo "command line, load only: ${best}s, peak RSS $(awk "BEGIN{printf \"%.1f\", $rss/1024}") MiB"
echo "  ($(awk "BEGIN{printf \"%.2f\", $rss*1024/$bytes}") x the file)"
echo
QT_QPA_PLATFORM=offscreen /usr/bin/time -f 'whole desktop process: %es, peak RSS %M KiB' "$gui" "$work/big.dat"
echo
echo "the same rows as one file (200 000 row items under one file item):"
"$gen" --files 1 --points 200000 --frequencies 24 -o "$work/one.dat"
QT_QPA_PLATFORM=offscreen "$gui" "$work/one.dat"
echo
echo "2 000 000 rows (200 files of 10 000 points): ticking every file and Choose Data against File Open:"
"$gen" --files 200 --points 10000 --frequencies 24 -o "$work/huge.dat"
QT_QPA_PLATFORM=offscreen "$gui" "$work/huge.dat"
