#!/usr/bin/env bash
# Whole-process figures for the command line, side by side with cp in one run.
# Every figure is the median of RUNS runs, and the runs of the commands that
# are compared take turns (pipeline, cp, cp, pipeline, cp, cp, ...), so a
# burst of load on the machine hits both sides alike. Files live in a tmpfs
# folder (/dev/shm), so the disk plays no part:
#   1. load + save original data of a 200 000-row file against cp of the file;
#   2. the whole pipeline with a depth export against cp of the input plus cp
#      of a file the size of the output;
#   3. the pipeline on 20 000 rows, to show the growth is linear;
#   4. the pipeline on 2 000 000 rows (ten times the big file; SKIP_HUGE=1
#      leaves it out), whose time must stay within 10.5 times the big file's.
# Peak resident memory comes from GNU time (installed on demand: package time).
# Usage: bench/cli_vs_cp.sh [BUILD_DIR]   (RUNS=5 by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
gen="$build/vantrel-gensurvey"
runs="${RUNS:-5}"
[ -x /usr/bin/time ] || { apt-get install -y -qq time >/dev/null 2>&1 || { echo "needs GNU time (package time)"; exit 1; }; }
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/vantrel-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
echo "files in $work ($(stat -f -c %T "$work")), median of $runs interleaved runs"

"$gen" --files 1000 --points 200 --frequencies 24 -o "$work/big.dat"
"$gen" --files 100 --points 200 --frequencies 24 -o "$work/small.dat"

# One timed run: prints wall-clock seconds (microsecond clock) and peak RSS (KiB).
run_once() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/t" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  end=$EPOCHREALTIME
  awk "BEGIN{printf \"%.4f \", $end - $start}"
  cat "$work/t"
}
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.4f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
size() { stat -c %s "$1"; }
ratio() { awk "BEGIN{ if ($2 > 0) printf \"%.1f\", $1 / $2; else print \"inf\" }"; }
mib() { awk "BEGIN{ printf \"%.1f\", $1 / 1048576 }"; }

in_bytes=$(size "$work/big.dat")
echo "input: 200 000 rows x 24 frequencies, $(mib "$in_bytes") MiB"

# 1. load + save original against one copy
: > "$work/save.t"; : > "$work/cp.t"
for _ in $(seq "$runs"); do
  run_once "$cli" "$work/big.dat" --save-original "$work/out.dat" >> "$work/save.t"
  run_once cp "$work/big.dat" "$work/out2.dat" >> "$work/cp.t"
done
t_save=$(cut -d' ' -f1 "$work/save.t" | median)
rss_save=$(cut -d' ' -f2 "$work/save.t" | median)
t_cp=$(cut -d' ' -f1 "$work/cp.t" | median)
echo "load + save original: ${t_save}s, cp: ${t_cp}s, ratio $(ratio "$t_save" "$t_cp") (target <= 8)"
echo "  peak RSS $(mib $((rss_save * 1024))) MiB = $(ratio $((rss_save * 1024)) "$in_bytes") x the file (target <= 3)"

# 2. the whole pipeline against copying its input and its output
pipeline=(--select all --correct-bad-points --search-bad-points --field-source --depth --save-depth)
"$cli" "$work/big.dat" "${pipeline[@]}" "$work/depth.csv" 2>/dev/null
out_bytes=$(size "$work/depth.csv")
head -c "$out_bytes" /dev/zero > "$work/outsize.bin"
: > "$work/pipe.t"; : > "$work/copies.t"
for _ in $(seq "$runs"); do
  run_once "$cli" "$work/big.dat" "${pipeline[@]}" "$work/depth.csv" >> "$work/pipe.t"
  a=$(run_once cp "$work/big.dat" "$work/copy1" | cut -d' ' -f1)
  b=$(run_once cp "$work/outsize.bin" "$work/copy2" | cut -d' ' -f1)
  awk "BEGIN{print $a + $b}" >> "$work/copies.t"
done
t_pipe=$(cut -d' ' -f1 "$work/pipe.t" | median)
rss_pipe=$(cut -d' ' -f2 "$work/pipe.t" | median)
t_copies=$(median < "$work/copies.t")
echo "pipeline: ${t_pipe}s, two copies: ${t_copies}s, ratio $(ratio "$t_pipe" "$t_copies") (target <= 10)"
echo "  runs: $(cut -d' ' -f1 "$work/pipe.t" | tr '\n' ' ')/ copies: $(tr '\n' ' ' < "$work/copies.t")"
echo "  output $(mib "$out_bytes") MiB; peak RSS $(mib $((rss_pipe * 1024))) MiB = $(ratio $((rss_pipe * 1024)) $((in_bytes + out_bytes))) x input+output (target <= 2)"

# 3. growth
: > "$work/small.t"
for _ in $(seq "$runs"); do
  run_once "$cli" "$work/small.dat" "${pipeline[@]}" "$work/depth-small.csv" >> "$work/small.t"
done
t_small=$(cut -d' ' -f1 "$work/small.t" | median)
echo "pipeline 20 000 rows: ${t_small}s; 200 000 rows: ${t_pipe}s; ratio $(ratio "$t_pipe" "$t_small") (10 for linear)"

# 4. ten times the rows
if [ "${SKIP_HUGE:-0}" != 1 ]; then
  "$gen" --files 200 --points 10000 --frequencies 24 -o "$work/huge.dat"
  : > "$work/huge.t"
  for _ in $(seq "${HUGE_RUNS:-3}"); do
    run_once "$cli" "$work/huge.dat" "${pipeline[@]}" "$work/depth-huge.csv" >> "$work/huge.t"
  done
  rm -f "$work/depth-huge.csv"
  t_huge=$(cut -d' ' -f1 "$work/huge.t" | median)
  rss_huge=$(cut -d' ' -f2 "$work/huge.t" | median)
  echo "pipeline 2 000 000 rows: ${t_huge}s; ratio to 200 000 rows $(ratio "$t_huge" "$t_pipe") (target <= 10.5)"
  echo "  runs: $(cut -d' ' -f1 "$work/huge.t" | tr '\n' ' ')peak RSS $(mib $((rss_huge * 1024))) MiB"
fi
