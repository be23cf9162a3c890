"""Load-deflection curve: pile-head deflection and maximum moment of the
drilled shaft of examples/us_soft_clay.inp for pile-head shears of 10 to 120
kips (with its 75 kip-ft of moment and 225 kips of thrust). A run that does
not converge stays in the table with its error. Prints the table and, where
matplotlib is installed, saves load_deflection.png.

    python3 examples/python/load_deflection.py
"""

from __future__ import annotations

import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "python"))  # run from a checkout without installing

import ormyx  # noqa: E402


def main() -> None:
    text = (HERE.parent / "us_soft_clay.inp").read_text()
    template = text.replace("1 1 67400.0 900000.0", "1 1 {V} 900000.0", 1)  # pile-head shear, lbs
    shears = [10000.0 * k for k in range(1, 13)]
    table = ormyx.sweep(template, {"V": shears}, outputs=["y_top", "m_max", "v_max"])
    print("Drilled shaft 48 in in soft over stiff clay: load-deflection curve")
    print(table.format_table())

    ok = table.ok_rows
    try:
        import matplotlib

        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return
    fig, ax = plt.subplots(figsize=(6, 4))
    ax.plot([r["y_top"] for r in ok], [r["V"] / 1000.0 for r in ok], "o-")
    ax.set_xlabel("Pile-head deflection (in)")
    ax.set_ylabel("Pile-head shear (kips)")
    ax.grid(True)
    fig.tight_layout()
    fig.savefig("load_deflection.png", dpi=120)
    print("saved load_deflection.png")


if __name__ == "__main__":
    main()
