// Speed of the p-y layer pass through the sand models: one pass over every
// node of a pile in liquefied sand over Reese sand over API sand (the work
// of one iteration on the soil side), by node count, and each model alone.
#include "bench/bench_support.h"

namespace {

using namespace ormyx_bench;

// US units: a 1200 in pile, 24 in wide, in N increments; codes of the
// layers from the top, each of equal thickness.
void Setup(int N, const int* codes, int layers) {
  Setup_Pile();
  Setup_Equal_Layers(codes, layers);
  Soil_Records& soil = RS().prob.soil;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  for (int L = 1; L <= layers; ++L) {
    soil.rd_kTop[L] = codes[L - 1] == SOIL_SAND ? 60.0 : 0.0;  // API sand: default k
    soil.rd_kBottom[L] = soil.rd_kTop[L];
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      pp.rd_Gamma[k] = 0.035;
      pp.rd_Phi[k] = 30.0 + L;
    }
  }
  Setup_Nodes(N);
}

void Run(benchmark::State& state, const int* codes, int layers) {
  const int N = int(state.range(0));
  Setup(N, codes, layers);
  Time_Layer_Pass(state);
  Count_Per_Node(state, "ns_per_node", N);
  state.SetComplexityN(state.range(0));
}

const int SANDS[] = {SOIL_LIQUEFIED_SAND, SOIL_SAND, SOIL_API_SAND};
const int REESE[] = {SOIL_SAND};
const int API[] = {SOIL_API_SAND};
const int LIQUEFIED[] = {SOIL_LIQUEFIED_SAND};

void BM_Sand_Layer_Pass(benchmark::State& state) { Run(state, SANDS, 3); }
void BM_Reese_Sand_Pass(benchmark::State& state) { Run(state, REESE, 1); }
void BM_API_Sand_Pass(benchmark::State& state) { Run(state, API, 1); }
void BM_Liquefied_Sand_Pass(benchmark::State& state) { Run(state, LIQUEFIED, 1); }

BENCHMARK(BM_Sand_Layer_Pass)->Arg(100)->Arg(250)->Arg(500)->Complexity(benchmark::oN);
BENCHMARK(BM_Reese_Sand_Pass)->Arg(500);
BENCHMARK(BM_API_Sand_Pass)->Arg(500);
BENCHMARK(BM_Liquefied_Sand_Pass)->Arg(500);

}  // namespace
