"""Pile-length study: pile-head deflection and maximum moment of the steel
pipe pile of examples/us_pipe_api_sand.inp for lengths of 8 to 40 ft under
its 30-kip shear (the shortest pile fails, and stays in the table with its
error). Prints the table and, where matplotlib is installed, saves
pile_length_study.png.

    python3 examples/python/pile_length_study.py
"""

from __future__ import annotations

import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "python"))  # run from a checkout without installing

import ormyx  # noqa: E402


def main() -> None:
    text = (HERE.parent / "us_pipe_api_sand.inp").read_text()
    template = text.replace("\n80.0\n", "\n{L}\n", 1)  # the pile length, ft
    lengths = [8.0, 10.0, 12.0, 14.0, 16.0, 20.0, 25.0, 30.0, 40.0]
    table = ormyx.sweep(template, {"L": lengths}, outputs=["y_top", "rotation", "m_max"])
    print("Steel pipe pile 24 in x 0.5 in, 30 kips of shear: pile-head response by length")
    print(table.format_table())

    ok = table.ok_rows
    try:
        import matplotlib

        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return
    fig, ax = plt.subplots(figsize=(6, 4))
    ax.plot([r["L"] for r in ok], [r["y_top"] for r in ok], "o-")
    ax.set_xlabel("Pile length (ft)")
    ax.set_ylabel("Pile-head deflection (in)")
    ax.grid(True)
    fig.tight_layout()
    fig.savefig("pile_length_study.png", dpi=120)
    print("saved pile_length_study.png")


if __name__ == "__main__":
    main()
