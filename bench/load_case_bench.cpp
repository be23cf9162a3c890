// One whole soft-clay load case: node model, iterations of solve, layer pass
// and stiffness update to convergence. The problem is read once by a full run
// of the engine; the benchmark then repeats the load case on that state.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ogo.h"
#include "engine/run_state.h"
#include "solution/load_case.h"

namespace {

const char* INPUT = R"(ORMYXP6
TITLE
Elastic pile in two soft clay layers
-
-
-
-
OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC     0
MaxIterations 100
MaxDeflection 10.0
Tolerance 1.0E-5
Increments %N%
PrintSummaryOnly YES
PrintIncrement 5
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
1
1
11
60.0
2
4.0E6
24.0
24.0
452.389
452.389
16286.0
16286.0
SOIL LAYERS
2
1 0.0 20.0
110.0 500.0 0.02
110.0 800.0 0.01
1 20.0 70.0
115.0 900.0 0.01
120.0 1200.0 0.005
LOADING
1
1 1 10000.0 0.0 0.0 1
0
END
)";

void Prepare(int increments) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("ormyx-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::string in = INPUT;
  in.replace(in.find("%N%"), 3, std::to_string(increments));
  std::ofstream(dir / "input.inp") << in;
  std::ofstream(dir / "NAMES.DAT") << "input.inp\nreport.out\nplot.plt\nrun.msg\n";
  std::ofstream(dir / "M_vs_EI_report_names.txt") << "";
  fs::path old = fs::current_path();
  fs::current_path(dir);
  OGO(6034);
  fs::current_path(old);
  fs::remove_all(dir);
}

void BM_SoftClayLoadCase(benchmark::State& state) {
  Prepare(int(state.range(0)));
  for (auto _ : state) {
    ormyx::Analyse_Load_Case(1);
    benchmark::DoNotOptimize(ormyx::RS().sol.pile.rd_Y[1]);
  }
  state.counters["iterations"] = ormyx::RS().sol.lc.i_IterationsUsed;
}
BENCHMARK(BM_SoftClayLoadCase)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
