// One in-process OGO call on the shipped example run (examples/us_soft_clay.inp):
// the state reset, reading, echo, section analysis, load case and report, as
// a host calls the engine again and again in one process. The input and
// NAMES.DAT are written into a temporary folder once.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/ogo.h"

namespace {

namespace fs = std::filesystem;

void BM_OGO_Example_Run(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("ormyx-ogo-run-" + std::to_string(getpid()));
  const fs::path old = fs::current_path();
  std::ifstream in(std::string(ORMYX_SOURCE_DIR) + "/examples/us_soft_clay.inp");
  std::stringstream text;
  text << in.rdbuf();
  fs::create_directories(dir);
  std::ofstream(dir / "input.inp") << text.str();
  std::ofstream(dir / "NAMES.DAT") << "input.inp\nreport.out\nplot.plt\nrun.msg\n";
  fs::current_path(dir);
  int32_t status = 0;
  for (auto _ : state) {
    // The engine deletes the list of moment-curvature file names it reads.
    state.PauseTiming();
    std::ofstream(dir / "M_vs_EI_report_names.txt") << "mc_0001.txt\n";
    state.ResumeTiming();
    status = OGO(6034);
  }
  fs::current_path(old);
  fs::remove_all(dir);
  if (status != 0) state.SkipWithError("the example run did not end normally");
}
BENCHMARK(BM_OGO_Example_Run)->Unit(benchmark::kMillisecond);

}  // namespace
