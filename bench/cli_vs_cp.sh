#!/usr/bin/env bash
# Whole-process figures for the command line, side by side with cp in one run:
#   1. load + save original data of a 200 000-row file against cp of the file;
#   2. the whole pipeline with a depth export against cp of the input plus cp
#      of a file the size of the output;
#   3. the pipeline on 20 000 rows, to show the growth is linear.
# Peak resident memory comes from GNU time (installed on demand: package time).
# Usage: bench/cli_vs_cp.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
gen="$build/vantrel-gensurvey"
[ -x /usr/bin/time ] || { apt-get install -y -qq time >/dev/null 2>&1 || { echo "needs GNU time (package time)"; exit 1; }; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$gen" --files 1000 --points 200 --frequencies 24 -o "$work/big.dat"
"$gen" --files 100 --points 200 --frequencies 24 -o "$work/small.dat"

# best of N wall-clock seconds (microsecond clock); peak RSS (KiB) of the last run
measure() {
  local n=$1; shift
  local best="" start end secs rss
  for _ in $(seq "$n"); do
    sync
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/t" "$@" >/dev/null 2>"$work/err" || { cat "$work/err"; exit 1; }
    end=$EPOCHREALTIME
    secs=$(awk "BEGIN{printf \"%.4f\", $end - $start}")
    read -r rss < "$work/t"
    if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; fi
  done
  echo "$best $rss"
}

size() { stat -c %s "$1"; }
ratio() { awk "BEGIN{ if ($2 > 0) printf \"%.1f\", $1 / $2; else print \"inf\" }"; }
mib() { awk "BEGIN{ printf \"%.1f\", $1 / 1048576 }"; }

in_bytes=$(size "$work/big.dat")
echo "input: 200 000 rows x 24 frequencies, $(mib "$in_bytes") MiB"

read -r t_save rss_save < <(measure 5 "$cli" "$work/big.dat" --save-original "$work/out.dat")
read -r t_cp _ < <(measure 5 cp "$work/big.dat" "$work/out2.dat")
echo "load + save original: ${t_save}s, cp: ${t_cp}s, ratio $(ratio "$t_save" "$t_cp") (target <= 8)"
echo "  peak RSS $(mib $((rss_save * 1024))) MiB = $(ratio $((rss_save * 1024)) "$in_bytes") x the file (target <= 3)"

pipeline=(--select all --correct-bad-points --search-bad-points --field-source --depth --save-depth)
read -r t_pipe rss_pipe < <(measure 5 "$cli" "$work/big.dat" "${pipeline[@]}" "$work/depth.csv")
out_bytes=$(size "$work/depth.csv")
head -c "$out_bytes" /dev/zero > "$work/outsize.bin"
read -r t_cp1 _ < <(measure 5 cp "$work/big.dat" "$work/copy1")
read -r t_cp2 _ < <(measure 5 cp "$work/outsize.bin" "$work/copy2")
t_copies=$(awk "BEGIN{print $t_cp1 + $t_cp2}")
echo "pipeline: ${t_pipe}s, two copies: ${t_copies}s, ratio $(ratio "$t_pipe" "$t_copies") (target <= 10)"
echo "  output $(mib "$out_bytes") MiB; peak RSS $(mib $((rss_pipe * 1024))) MiB = $(ratio $((rss_pipe * 1024)) $((in_bytes + out_bytes))) x input+output (target <= 2)"

read -r t_small _ < <(measure 5 "$cli" "$work/small.dat" "${pipeline[@]}" "$work/depth-small.csv")
echo "pipeline 20 000 rows: ${t_small}s; 200 000 rows: ${t_pipe}s; ratio $(ratio "$t_pipe" "$t_small") (10 for linear)"
