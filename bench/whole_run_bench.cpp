// One whole run of the engine on the heaviest problem its capacities allow:
// 20 drilled-shaft sections (moment-curvature tables at every thrust), 100
// load cases with 100 different axial thrusts, 500 pile increments, the
// deflection-length study of every load case and the pile-head stiffness
// matrix. Each iteration writes the input and NAMES.DAT into a temporary
// folder and calls OGO there.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/ogo.h"
#include "engine/run_state.h"

namespace {

constexpr int SECTIONS = 20;
constexpr int LOAD_CASES = 100;

// A 60 ft shaft of 36 in diameter with twelve #9 bars in twenty 3 ft
// sections, in two soft clay layers; load case c carries 20000 + 200 c lbs
// of shear and 10 c kips of axial thrust and asks for the length study.
std::string Heavy_Input(int increments) {
  std::ostringstream s;
  s << "ORMYXP6\nTITLE\nHeaviest problem\n-\n-\n-\n-\nOPTIONS\nUnits USCS\nUseLRFD NO\n"
       "ComputeKmatrix YES\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
       "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\n"
       "Tolerance 1.0E-5\nIncrements "
    << increments
    << "\nPrintSummaryOnly YES\nPrintIncrement 5\nPrintPYCurves NO\nComputeInteraction NO\n"
       "SECTIONS\n"
    << SECTIONS << "\n";
  for (int sct = 1; sct <= SECTIONS; ++sct)
    s << sct << "\n1\n3.0\n36.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
                "Use internal stress-strain curve for concrete\n"
                "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                "60000.0\n29.0E6\n12\n1\n1.128\n1.0\n3.0\n0.0\n";
  s << "SOIL LAYERS\n2\n1 0.0 20.0\n110.0 500.0 0.02\n110.0 800.0 0.01\n"
       "1 20.0 70.0\n115.0 900.0 0.01\n120.0 1200.0 0.005\nLOADING\n"
    << LOAD_CASES << "\n";
  for (int c = 1; c <= LOAD_CASES; ++c)
    s << c << " 1 " << 20000.0 + 200.0 * c << " 0.0 " << 10000.0 * c << " 0\n";
  s << "0\nEND\n";
  return s.str();
}

void BM_WholeRun(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("ormyx-whole-run-" + std::to_string(getpid()));
  const fs::path old = fs::current_path();
  const std::string input = Heavy_Input(int(state.range(0)));
  int32_t status = 0;
  for (auto _ : state) {
    fs::create_directories(dir);
    std::ofstream(dir / "input.inp") << input;
    std::ofstream(dir / "NAMES.DAT") << "input.inp\nreport.out\nplot.plt\nrun.msg\n";
    std::ofstream(dir / "M_vs_EI_report_names.txt") << "";
    fs::current_path(dir);
    status = OGO(6034);
    fs::current_path(old);
    fs::remove_all(dir);
  }
  state.counters["status"] = status;
  state.counters["study_points_case_100"] = ormyx::RS().sol.study.KYL[LOAD_CASES];
}
BENCHMARK(BM_WholeRun)->Arg(500)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
