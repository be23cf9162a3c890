// One nonlinear load case of a drilled shaft in two soft clay layers, 500
// increments: the stiffness of every node follows its moment through the
// moment-EI tables of two thrusts. The problem is read once by a full run of
// the engine; the benchmark then repeats the load case on that state.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ogo.h"
#include "engine/run_state.h"
#include "solution/load_case.h"

namespace {

std::string Input() {
  std::string s =
      "ORMYXP6\nTITLE\nDrilled shaft in soft clay\n-\n-\n-\n-\nOPTIONS\nUnits USCS\nUseLRFD NO\n"
      "ComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
      "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\n"
      "Tolerance 1.0E-5\nIncrements 500\nPrintSummaryOnly YES\nPrintIncrement 5\n"
      "PrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n1\n"
      "1\n1\n60.0\n36.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
      "Use internal stress-strain curve for concrete\n"
      "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
      "60000.0\n29.0E6\n12\n1\n1.128\n1.0\n3.0\n0.0\n"
      "SOIL LAYERS\n2\n1 0.0 20.0\n110.0 500.0 0.02\n110.0 800.0 0.01\n"
      "1 20.0 70.0\n115.0 900.0 0.01\n120.0 1200.0 0.005\nLOADING\n3\n";
  for (int c = 1; c <= 3; ++c)
    s += std::to_string(c) + " 1 " + std::to_string(20000 + 200 * c) + " 0.0 " + std::to_string(10000 * c) + " 0\n";
  return s + "0\nEND\n";
}

void Prepare() {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("ormyx-nonlinear-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "input.inp") << Input();
  std::ofstream(dir / "NAMES.DAT") << "input.inp\nreport.out\nplot.plt\nrun.msg\n";
  std::ofstream(dir / "M_vs_EI_report_names.txt") << "";
  const fs::path old = fs::current_path();
  fs::current_path(dir);
  OGO(6034);
  fs::current_path(old);
  fs::remove_all(dir);
}

// Case 2: its thrust is the second of the three, so the stiffness of each
// node is interpolated between the tables of the second and third thrusts.
void BM_NonlinearLoadCase(benchmark::State& state) {
  Prepare();
  for (auto _ : state) {
    ormyx::Analyse_Load_Case(2);
    benchmark::DoNotOptimize(ormyx::RS().sol.pile.rd_Y[1]);
  }
  state.counters["iterations"] = ormyx::RS().sol.lc.i_IterationsUsed;
}
BENCHMARK(BM_NonlinearLoadCase)->Unit(benchmark::kMicrosecond);

}  // namespace
