// Speed of the p-y layer pass through rock: one pass over every node of a
// pile in weak rock and vuggy limestone (the soil side of one iteration), and
// the vuggy-limestone set-up of a load case, which calls the layer's routine
// once per node of the pile.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"

namespace {

using namespace ormyx;

// A 100 ft pile, 24 in wide, in four rock layers: weak rock, vuggy
// limestone, weak rock, vuggy limestone, with deflections that pass through
// every branch of both curves.
void Setup(int N) {
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
  const int layers = 4;
  soil.i_Number_of_Layers = layers;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  pp.i_Number_of_Points = 2 * layers;
  for (int L = 1; L <= layers; ++L) {
    const bool weak = L % 2 == 1;
    soil.i_SoilLayer_py_Type[L] = weak ? SOIL_WEAK_ROCK : SOIL_VUGGY_LIMESTONE;
    soil.XLayerTop[L] = (L - 1) * Lp / layers;
    soil.XLayerBottom[L] = L * Lp / layers;
    soil.rd_kTop[L] = 50000.0;
    soil.rd_kBottom[L] = 80000.0;
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      pp.X[k] = k == 2 * L - 1 ? soil.XLayerTop[L] : soil.XLayerBottom[L];
      pp.rd_Gamma[k] = 0.08;
      pp.rd_c[k] = weak ? 500.0 : 3000.0;
      pp.rd_Epsilon50[k] = 0.0004;
      pp.rd_RQD[k] = 60.0;
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
    pm.rd_Y[k] = 0.1 * std::exp(-pm.rd_X[k] / 300.0) * std::cos(pm.rd_X[k] / 100.0);
  }
  Assign_Points_To_Layers(N + 1);
}

void BM_Rock_Layer_Pass(benchmark::State& state) {
  const int N = int(state.range(0));
  Setup(N);
  for (auto _ : state) {
    Py_Layer_Pass();
    benchmark::DoNotOptimize(RS().sol.pile.rd_SoilModulus[2]);
  }
  // Seconds per node (shown in ns).
  state.counters["per_node"] =
      benchmark::Counter(N + 1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
