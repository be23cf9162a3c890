#!/usr/bin/env python3
"""Inputs of the whole-process timings: the heaviest legal problem (as
bench/whole_run_bench.cpp builds it) and a batch of small inputs.

  make_inputs.py heavy FILE        write the heaviest problem to FILE
  make_inputs.py batch DIR COUNT   write COUNT small inputs into DIR
"""
import os
import sys

SECTIONS = 20
LOAD_CASES = 100


def heavy_input(increments=500):
    """20 drilled-shaft sections, 100 load cases with 100 different thrusts,
    500 increments, the length study of every case and the stiffness matrix."""
    s = ("ORMYXP6\nTITLE\nHeaviest problem\n-\n-\n-\n-\nOPTIONS\nUnits USCS\nUseLRFD NO\n"
         "ComputeKmatrix YES\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
         "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\n"
         f"Tolerance 1.0E-5\nIncrements {increments}\n"
         "PrintSummaryOnly YES\nPrintIncrement 5\nPrintPYCurves NO\nComputeInteraction NO\n"
         f"SECTIONS\n{SECTIONS}\n")
    for sct in range(1, SECTIONS + 1):
        s += (f"{sct}\n1\n3.0\n36.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
              "Use internal stress-strain curve for concrete\n"
              "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
              "60000.0\n29.0E6\n12\n1\n1.128\n1.0\n3.0\n0.0\n")
    s += ("SOIL LAYERS\n2\n1 0.0 20.0\n110.0 500.0 0.02\n110.0 800.0 0.01\n"
          "1 20.0 70.0\n115.0 900.0 0.01\n120.0 1200.0 0.005\nLOADING\n"
          f"{LOAD_CASES}\n")
    for c in range(1, LOAD_CASES + 1):
        # the same numbers as the C++ stream writes them
        s += f"{c} 1 {20000 + 200 * c:g} 0.0 {10000 * c:g} 0\n"
    return s + "0\nEND\n"


def small_input(i):
    """An elastic pile in soft clay, 40 increments, one load case; the shear
    varies from file to file."""
    return ("ORMYXP6\nTITLE\nBatch run %d\n-\n-\n-\n-\nOPTIONS\nUnits USCS\nUseLRFD NO\n"
            "ComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
            "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\n"
            "Tolerance 1.0E-5\nIncrements 40\nPrintSummaryOnly NO\nPrintIncrement 5\n"
            "PrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n1\n1\n11\n40.0\n2\n29.0E6\n"
            "18.0\n18.0\n50.0\n50.0\n3000.0\n3000.0\nSOIL LAYERS\n1\n1 0.0 50.0\n"
            "110.0 500.0 0.02\n115.0 900.0 0.01\nLOADING\n1\n1 1 %.1f 0.0 0.0 1\n0\nEND\n"
            % (i, 5000.0 + 10.0 * i))


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "heavy":
        with open(sys.argv[2], "w") as f:
            f.write(heavy_input())
    elif len(sys.argv) == 4 and sys.argv[1] == "batch":
        os.makedirs(sys.argv[2], exist_ok=True)
        for i in range(1, int(sys.argv[3]) + 1):
            with open(os.path.join(sys.argv[2], "run%04d.inp" % i), "w") as f:
                f.write(small_input(i))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
