#!/usr/bin/env bash
# A batch of COPIES (40) copies of the 200 000-row benchmark file through the
# README's pipeline as a recipe, with --batch (one input per core) against the
# same runs one after another, side by side in one run, in a tmpfs folder.
# Usage: bench/batch_bench.sh [BUILD_DIR]   (COPIES=40 by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cli="$build/src/cli/vantrel-cli"
copies="${COPIES:-40}"
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/vantrel-batch.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/one" "$work/batch"
"$build/vantrel-gensurvey" --files 1000 --points 200 --frequencies 24 -o "$work/in/line1.dat"
for i in $(seq 2 "$copies"); do cp "$work/in/line1.dat" "$work/in/line$i.dat"; done
recipe="$root/examples/pipeline.vantrel"

start=$EPOCHREALTIME
for f in "$work"/in/*.dat; do
  name=$(basename "$f" .dat)
  "$cli" "$f" --recipe "$recipe" --save-depth "$work/one/$name-depth.csv" >/dev/null
done
one=$(awk "BEGIN{print $EPOCHREALTIME - $start}")

start=$EPOCHREALTIME
"$cli" --batch "$work/batch" "$work"/in/*.dat --recipe "$recipe" --save-depth '{name}-depth.csv' \
  >/dev/null 2>"$work/batch.err"
batch=$(awk "BEGIN{print $EPOCHREALTIME - $start}")
tail -1 "$work/batch.err"

same=yes
for f in "$work"/one/*.csv; do cmp -s "$f" "$work/batch/$(basename "$f")" || same=no; done
echo "$copies inputs of 200 000 rows on $(nproc) cores: one after another ${one}s, --batch ${batch}s"
awk "BEGIN{printf \"ratio %.2f (target <= 0.6); outputs byte-identical: $same\n\", $batch / $one}"
