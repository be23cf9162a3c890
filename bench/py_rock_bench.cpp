// Speed of the p-y layer pass through rock: one pass over every node of a
// pile in weak rock and vuggy limestone (the soil side of one iteration), and
// the vuggy-limestone set-up of a load case, which calls the layer's routine
// once per node of the pile.
#include "bench/bench_support.h"

namespace {

using namespace ormyx_bench;

double Rock_Deflection(double x) { return 0.1 * std::exp(-x / 300.0) * std::cos(x / 100.0); }

// A 100 ft pile, 24 in wide, in four rock layers: weak rock, vuggy
// limestone, weak rock, vuggy limestone, with deflections that pass through
// every branch of both curves.
void Setup(int N) {
  Setup_Pile();
  static const int CODES[4] = {SOIL_WEAK_ROCK, SOIL_VUGGY_LIMESTONE, SOIL_WEAK_ROCK, SOIL_VUGGY_LIMESTONE};
  const int layers = 4;
  Setup_Equal_Layers(CODES, layers);
  Soil_Records& soil = RS().prob.soil;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  for (int L = 1; L <= layers; ++L) {
    const bool weak = L % 2 == 1;
    soil.rd_kTop[L] = 50000.0;
    soil.rd_kBottom[L] = 80000.0;
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      pp.rd_Gamma[k] = 0.08;
      pp.rd_c[k] = weak ? 500.0 : 3000.0;
      pp.rd_Epsilon50[k] = 0.0004;
      pp.rd_RQD[k] = 60.0;
    }
  }
  Setup_Nodes(N, Rock_Deflection);
}

void BM_Rock_Layer_Pass(benchmark::State& state) {
  const int N = int(state.range(0));
  Setup(N);
  Time_Layer_Pass(state);
  Count_Per_Node(state, "per_node", N);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Rock_Layer_Pass)->Arg(50)->Arg(100)->Arg(250)->Arg(500)->Complexity(benchmark::oN);

// The set-up of one load case: the vuggy-limestone routine of each vuggy
// layer, once per node of the pile, at zero deflection.
void BM_Vuggy_Setup(benchmark::State& state) {
  const int N = int(state.range(0));
  Setup(N);
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= N + 1; ++k) pm.rd_Y[k] = 0.0;
  for (auto _ : state) {
    RS().py.i_RockLayerCount = 0;  // as at the start of a load case
    for (int k = 1; k <= N + 1; ++k) {
      Py_Setup_Vuggy_Limestone_Layer(2);
      Py_Setup_Vuggy_Limestone_Layer(4);
    }
    benchmark::DoNotOptimize(pm.rd_SoilModulus[N / 2]);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Vuggy_Setup)->Arg(100)->Arg(500)->Complexity(benchmark::oNSquared);

}  // namespace
