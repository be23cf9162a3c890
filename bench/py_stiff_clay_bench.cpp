// Speed of the p-y layer pass through the stiff clay models: one pass over
// every node of a pile in a single layer of each model (static and cyclic),
// and in soft clay over the three stiff clays, which adds the equivalent
// depths of the lower layers.
#include "bench/bench_support.h"

namespace {

using namespace ormyx_bench;

constexpr int LAYERED = 0;  // model argument: soft clay over the three stiff clays

void Setup(int N, int model, bool cyclic) {
  Setup_Pile();
  RS().prob.opt.b_CyclicLoading = cyclic ? L_TRUE : L_FALSE;
  RS().prob.opt.rd_NumberOfCycles = 100.0;
  const int codes[4] = {SOIL_SOFT_CLAY, SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER, SOIL_STIFF_CLAY_K};
  const int layers = model == LAYERED ? 4 : 1;
  Setup_Equal_Layers(model == LAYERED ? codes : &model, layers);
  Soil_Records& soil = RS().prob.soil;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  for (int L = 1; L <= layers; ++L) {
    soil.rd_kTop[L] = 500.0;
    soil.rd_kBottom[L] = 1000.0;
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      pp.rd_Gamma[k] = 0.03;
      pp.rd_c[k] = 5.0 + 3.0 * L;
      pp.rd_Epsilon50[k] = 0.005;
    }
  }
  Setup_Nodes(N);
}

// Arguments: model code (0 for the layered profile), cyclic (0 or 1); 500 increments.
void BM_Stiff_Clay_Layer_Pass(benchmark::State& state) {
  const int N = 500;
  Setup(N, int(state.range(0)), state.range(1) != 0);
  Time_Layer_Pass(state);
  Count_Per_Node(state, "ns_per_node", N);
}
BENCHMARK(BM_Stiff_Clay_Layer_Pass)
    ->ArgNames({"model", "cyclic"})
    ->ArgsProduct({{SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER, SOIL_STIFF_CLAY_K, LAYERED}, {0, 1}});

}  // namespace
