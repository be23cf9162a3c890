#!/bin/sh
# Whole-process timings of the ormyx command with hyperfine: the example run,
# the heaviest legal problem and a batch of 1000 small inputs with -j 2.
# Usage: bench/whole_process.sh ORMYX [OTHER_ORMYX]
# With a second command (an older build) both are timed side by side in the
# same hyperfine call, so that the noise of the machine falls on both alike.
set -eu
ORMYX=$(realpath "$1")
OTHER=${2:+$(realpath "$2")}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/ormyx-bench-XXXXXX")
trap 'rm -rf "$WORK"' EXIT

cp "$HERE/../examples/us_soft_clay.inp" "$WORK/example.inp"
python3 "$HERE/make_inputs.py" heavy "$WORK/heavy.inp"
python3 "$HERE/make_inputs.py" batch "$WORK/batch" 1000
mkdir -p "$WORK/out"

commands() {  # $1: the hyperfine command line with ORMYX in it
  set -- "$(printf '%s' "$1" | sed "s|ORMYX|$ORMYX|")" ${OTHER:+"$(printf '%s' "$1" | sed "s|ORMYX|$OTHER|")"}
  printf '%s\n' "$@"
}

cd "$WORK"
echo "== The example run (examples/us_soft_clay.inp)"
commands "ORMYX --out out example.inp" | tr '\n' '\0' | xargs -0 hyperfine -N --warmup 5 --runs 50
echo "== Peak memory of the example run (kB)"
for b in "$ORMYX" $OTHER; do
  /usr/bin/time -f "$b: %M kB" "$b" --out out example.inp >/dev/null
done
echo "== The heaviest problem (20 sections, 100 thrusts, 500 increments, 100 cases)"
commands "ORMYX --out out heavy.inp" | tr '\n' '\0' | xargs -0 hyperfine -N --warmup 1 --runs 5
echo "== Batch: 1000 small inputs with -j 2 (runs per second = 1000 / time)"
commands "ORMYX -j 2 --out out $(ls batch/*.inp | tr '\n' ' ')" | tr '\n' '\0' |
  xargs -0 hyperfine -N --warmup 1 --runs 3
