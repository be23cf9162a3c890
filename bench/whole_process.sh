#!/bin/bash
# Whole-process timings of the ormyx command with hyperfine: the example run,
# the heaviest legal problem and a batch of 1000 small inputs with -j 2.
# Usage: bench/whole_process.sh ORMYX [OLDER_ORMYX]
# With a second command (an older build) both are timed side by side in the
# same hyperfine call, so that the noise of the machine falls on both alike.
set -euo pipefail
ORMYX=$(realpath "$1")
OLDER=${2:+$(realpath "$2")}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/ormyx-bench-XXXXXX")
trap 'rm -rf "$WORK"' EXIT

cp "$HERE/../examples/us_soft_clay.inp" "$WORK/example.inp"
python3 "$HERE/make_inputs.py" heavy "$WORK/heavy.inp"
python3 "$HERE/make_inputs.py" batch "$WORK/batch" 1000
mkdir -p "$WORK/out"
cd "$WORK"
BATCH=$(echo batch/*.inp)

# timed TITLE WARMUP RUNS ARGS...: hyperfine over "ormyx ARGS" (and the older build)
timed() {
  local title=$1 warmup=$2 runs=$3
  shift 3
  local cmds=(-n "$title" "$ORMYX $*")
  if [ -n "$OLDER" ]; then cmds+=(-n "$title (older)" "$OLDER $*"); fi
  hyperfine -N --warmup "$warmup" --runs "$runs" "${cmds[@]}"
}

timed "example run" 5 50 --out out example.inp
echo "Peak memory of the example run:"
for b in "$ORMYX" $OLDER; do /usr/bin/time -f "  $b: %M kB" "$b" --out out example.inp >/dev/null; done
timed "heaviest problem" 1 5 --out out heavy.inp
timed "batch of 1000, -j 2 (runs/s = 1000 / time)" 1 3 -j 2 --out out $BATCH
