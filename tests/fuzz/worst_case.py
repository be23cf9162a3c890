#!/usr/bin/env python3
"""Write the slowest legal input this engine accepts: every record at its
capacity where capacity means work -- 20 drilled-shaft sections of 300 bars
each, 100 load cases with 100 distinct axial thrusts (2000 moment-curvature
analyses), each case with the deflection-versus-length study, 500 pile
increments, the iteration limit of 1000, 40 soil layers, 100 depths of
printed p-y curves, the pile-head stiffness matrix and every node printed.
With --over, one record more than a capacity allows (101 load cases): the
run must be refused before any work starts.

usage: worst_case.py OUT.inp [--over]
"""
import sys

SECTIONS, BARS, CASES, LAYERS, DEPTHS = 20, 300, 100, 40, 100
SECTION_FT, LAYER_FT = 3.0, 2.0  # 60 ft of pile in 80 ft of soil


def lines(over):
    yield "ORMYXP6"
    yield "TITLE"
    yield "Slowest legal input: every capacity that costs work, in full"
    for _ in range(4):
        yield ""
    yield from """OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix YES
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC     0
MaxIterations 1000
MaxDeflection 100.0
Tolerance 1.0E-5
Increments 500
PrintSummaryOnly NO
PrintIncrement 1
PrintPYCurves YES
ComputeInteraction NO""".split("\n")
    yield "SECTIONS"
    yield str(SECTIONS)
    for s in range(1, SECTIONS + 1):
        yield from [str(s), "1", str(SECTION_FT), "48.0", "4000.0", "0.75",
                    "Use default concrete tensile strength",
                    "Use internal stress-strain curve for concrete",
                    "Rebar Arrangement Not Same As Section Above", "Rebar in circle",
                    "60000.0", "29.0E6", str(BARS), "1", "0.35", "0.0962", "3.0", "0.0"]
    yield "SOIL LAYERS"
    yield str(LAYERS)
    for k in range(LAYERS):
        top, bottom = k * LAYER_FT, (k + 1) * LAYER_FT
        if k % 2 == 0:
            yield f"1 {top} {bottom}"
            yield "110.0 500.0 0.02"
            yield "110.0 600.0 0.02"
        else:
            yield f"5 {top} {bottom}"
            yield "115.0 32.0 90.0"
            yield "115.0 32.0 90.0"
    yield "LOADING"
    cases = CASES + 1 if over else CASES
    yield str(cases)
    for c in range(1, cases + 1):
        yield f"{c} 1 {500.0 * c} 0.0 {1000.0 * c} 0"
    yield "0"
    yield "DEPTHS OF PRINTED P-Y CURVES"
    yield str(DEPTHS)
    for d in range(1, DEPTHS + 1):
        yield f"{d} {0.5 * d}"
    yield "END"


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "w") as f:
        f.write("\n".join(lines("--over" in sys.argv[2:])) + "\n")


if __name__ == "__main__":
    main()
