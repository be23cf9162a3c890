"""Sweep benchmark: runs per second of ormyx.sweep against the ormyx command
with -j 2 on the same small inputs (a steel pipe pile in sand on 40
increments, pile length and shear varied).

    /usr/bin/python3 bench/sweep_bench.py [--runs 1000] [--ormyx build/ormyx] [--check]

Prints the rate of the command alone, of the command writing the results
documents (--json) and of the sweep, and the cost of the Python layer over
the plain command; --check fails when that cost exceeds 20 %. Beside the
wall-clock rates it prints the processor time per run (all processes), which
other work on a shared machine disturbs far less.
"""

from __future__ import annotations

import argparse
import concurrent.futures as cf
import os
import resource
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "python"))

import ormyx  # noqa: E402


def template() -> str:
    text = (ROOT / "examples" / "us_pipe_api_sand.inp").read_text()
    for old, new in (("\n80.0\n", "\n{L}\n"), ("1 1 30000.0 0.0", "1 1 {V} 0.0"),
                     ("Increments 100", "Increments 40"), ("PrintSummaryOnly NO", "PrintSummaryOnly YES")):
        text = text.replace(old, new, 1)
    return text


def parameter_sets(runs: int) -> list[dict[str, float]]:
    return [{"L": 60.0 + (i % 21), "V": 10000.0 + 100.0 * (i // 21)} for i in range(runs)]


def children_cpu() -> float:
    """Processor seconds of every finished child process and their children."""
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def time_command(command: str, texts: list[str], extra: list[str]) -> tuple[float, float]:
    with tempfile.TemporaryDirectory(prefix="ormyx-bench-") as tmp:
        paths = []
        for i, text in enumerate(texts):
            p = os.path.join(tmp, "run%06d.inp" % i)
            with open(p, "w") as f:
                f.write(text)
            paths.append(p)
        out = os.path.join(tmp, "out")
        start, cpu = time.perf_counter(), children_cpu()
        proc = subprocess.run([command, "-j", "2", "--out", out, *extra, "--", *paths],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        elapsed, cpu = time.perf_counter() - start, children_cpu() - cpu
        if proc.returncode != 0:
            raise SystemExit("ormyx failed: " + proc.stderr[-2000:])
    return elapsed, cpu


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--runs", type=int, default=1000)
    ap.add_argument("--ormyx", default=None, help="the ormyx command (default: as ormyx.find_command)")
    ap.add_argument("--check", action="store_true", help="fail when the Python layer costs more than 20 %%")
    args = ap.parse_args()
    command = ormyx.find_command(args.ormyx)
    tmpl = ormyx.Template(template())
    sets = parameter_sets(args.runs)
    texts = tmpl.check(sets)

    plain, plain_cpu = time_command(command, texts, [])
    with_json, json_cpu = time_command(command, texts, ["--json"])
    start, cpu = time.perf_counter(), children_cpu()
    own = resource.getrusage(resource.RUSAGE_SELF)
    with cf.ProcessPoolExecutor(max_workers=2) as pool:
        table = ormyx.sweep(tmpl, sets, pool, command=command, progress=False)
    swept = time.perf_counter() - start
    now = resource.getrusage(resource.RUSAGE_SELF)
    swept_cpu = children_cpu() - cpu + (now.ru_utime + now.ru_stime) - (own.ru_utime + own.ru_stime)
    if table.failures:
        print("%d runs failed, first: %s" % (len(table.failures), table.failures[0].error))
        return 1

    n = args.runs
    print("runs: %d on %d cores" % (n, os.cpu_count() or 1))
    rows = (("ormyx -j 2", plain, plain_cpu), ("ormyx -j 2 --json", with_json, json_cpu),
            ("ormyx.sweep, process pool of 2", swept, swept_cpu))
    for name, wall, cpu_s in rows:
        print("%-34s %8.1f runs/s  (%.2f s)  %7.1f ms processor time per run"
              % (name, n / wall, wall, 1000 * cpu_s / n))
    cost = swept / plain - 1.0
    print("Python layer over ormyx -j 2: %+.1f %% wall clock, %+.1f %% processor time "
          "(over ormyx -j 2 --json: %+.1f %%, %+.1f %%)"
          % (100 * cost, 100 * (swept_cpu / plain_cpu - 1.0),
             100 * (swept / with_json - 1.0), 100 * (swept_cpu / json_cpu - 1.0)))
    if args.check and cost > 0.20:
        print("the Python layer costs more than 20 %")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
