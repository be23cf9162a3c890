// Speed of the p-y layer pass through the sand models: one pass over every
// node of a pile in liquefied sand over Reese sand over API sand (the work
// of one iteration on the soil side), by node count, and each model alone.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"

namespace {

using namespace ormyx;

// US units: a 1200 in pile, 24 in wide, in N increments; codes of the
// layers from the top, each of equal thickness.
void Setup(int N, const int* codes, int layers) {
  Reset_Run_State();
  Run_State& s = RS();
  Initialize_Soil_Model_Names();
  Set_Unit_Labels(US_UNITS);
  s.prob.opt.IUNITS = US_UNITS;
  const double Lp = 1200.0;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.i_Number_of_Section_Points = 2;
  sr.rd_PileLength = Lp;
  sr.Section_Property_Points[1].rd_Diameter = 24.0;
  sr.Section_Property_Points[2].rd_X = Lp;
  sr.Section_Property_Points[2].rd_Diameter = 24.0;
  Soil_Records& soil = s.prob.soil;
  soil.i_Number_of_Layers = layers;
  soil.Soil_Profile_Points.i_Number_of_Points = 2 * layers;
  for (int L = 1; L <= layers; ++L) {
    soil.i_SoilLayer_py_Type[L] = codes[L - 1];
    soil.XLayerTop[L] = (L - 1) * Lp / layers;
    soil.XLayerBottom[L] = L * Lp / layers;
    soil.rd_kTop[L] = codes[L - 1] == SOIL_SAND ? 60.0 : 0.0;  // API sand: default k
    soil.rd_kBottom[L] = soil.rd_kTop[L];
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      Soil_Profile_Record& pp = soil.Soil_Profile_Points;
      pp.X[k] = k == 2 * L - 1 ? soil.XLayerTop[L] : soil.XLayerBottom[L];
      pp.rd_Gamma[k] = 0.035;
      pp.rd_Phi[k] = 30.0 + L;
    }
  }
  Pile_Model& pm = s.sol.pile;
  pm.i_NumberOfIncrements = N;
  pm.i_Number_of_Nodes = N + 1;
  pm.rd_PileLength = Lp;
  pm.rd_h = Lp / N;
  for (int k = 1; k <= N + 1; ++k) {
    pm.rd_X[k] = (k - 1) * pm.rd_h;
    pm.rd_Depth[k] = pm.rd_X[k];
    pm.rd_Y[k] = 0.5 * std::exp(-pm.rd_X[k] / 200.0);
  }
  Assign_Points_To_Layers(N + 1);
}

void Run(benchmark::State& state, const int* codes, int layers) {
  const int N = int(state.range(0));
  Setup(N, codes, layers);
  for (auto _ : state) {
    Py_Layer_Pass();
    benchmark::DoNotOptimize(RS().sol.pile.rd_SoilModulus[2]);
  }
  state.counters["ns_per_node"] =
      benchmark::Counter(double(N + 1), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
