// Speed of the p-y layer pass: one pass over every node of a pile in layered
// soft clay (the work of one iteration on the soil side), by node count.
#include "bench/bench_support.h"

namespace {

using namespace ormyx_bench;

void Setup(int N) {
  Setup_Pile();
  static const int CODES[4] = {SOIL_SOFT_CLAY, SOIL_SOFT_CLAY_J, SOIL_SOFT_CLAY, SOIL_SOFT_CLAY_J};
  const int layers = 4;
  Setup_Equal_Layers(CODES, layers);
  Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
  for (int L = 1; L <= layers; ++L) {
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      pp.rd_Gamma[k] = 0.03;
      pp.rd_c[k] = 3.0 + L;
      pp.rd_Epsilon50[k] = 0.01;
      pp.rd_J[k] = 0.5;
    }
  }
  Setup_Nodes(N);
}

void BM_Layer_Pass(benchmark::State& state) {
  Setup(int(state.range(0)));
  Time_Layer_Pass(state);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Layer_Pass)->Arg(50)->Arg(100)->Arg(250)->Arg(500)->Complexity(benchmark::oN);

}  // namespace
