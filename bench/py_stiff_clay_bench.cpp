// Speed of the p-y layer pass through the stiff clay models: one pass over
// every node of a pile in a single layer of each model (static and cyclic),
// and in soft clay over the three stiff clays, which adds the equivalent
// depths of the lower layers.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"

namespace {

using namespace ormyx;

constexpr int LAYERED = 0;  // model argument: soft clay over the three stiff clays

void Setup(int N, int model, bool cyclic) {
  Reset_Run_State();
  Run_State& s = RS();
  Initialize_Soil_Model_Names();
  Set_Unit_Labels(US_UNITS);
  s.prob.opt.IUNITS = US_UNITS;
  s.prob.opt.b_CyclicLoading = cyclic ? L_TRUE : L_FALSE;
  s.prob.opt.rd_NumberOfCycles = 100.0;
  const double Lp = 1200.0;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.i_Number_of_Section_Points = 2;
  sr.rd_PileLength = Lp;
  sr.Section_Property_Points[1].rd_Diameter = 24.0;
  sr.Section_Property_Points[2].rd_X = Lp;
  sr.Section_Property_Points[2].rd_Diameter = 24.0;
  const int codes[4] = {SOIL_SOFT_CLAY, SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER, SOIL_STIFF_CLAY_K};
  const int layers = model == LAYERED ? 4 : 1;
  Soil_Records& soil = s.prob.soil;
  soil.i_Number_of_Layers = layers;
  soil.Soil_Profile_Points.i_Number_of_Points = 2 * layers;
  for (int L = 1; L <= layers; ++L) {
    soil.i_SoilLayer_py_Type[L] = model == LAYERED ? codes[L - 1] : model;
    soil.XLayerTop[L] = (L - 1) * Lp / layers;
    soil.XLayerBottom[L] = L * Lp / layers;
    soil.rd_kTop[L] = 500.0;
    soil.rd_kBottom[L] = 1000.0;
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      Soil_Profile_Record& pp = soil.Soil_Profile_Points;
      pp.X[k] = k == 2 * L - 1 ? soil.XLayerTop[L] : soil.XLayerBottom[L];
      pp.rd_Gamma[k] = 0.03;
      pp.rd_c[k] = 5.0 + 3.0 * L;
      pp.rd_Epsilon50[k] = 0.005;
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

// Arguments: model code (0 for the layered profile), cyclic (0 or 1); 500 increments.
void BM_Stiff_Clay_Layer_Pass(benchmark::State& state) {
  const int N = 500;
  Setup(N, int(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    Py_Layer_Pass();
    benchmark::DoNotOptimize(RS().sol.pile.rd_SoilModulus[2]);
  }
  state.counters["ns_per_node"] =
      benchmark::Counter(double(N + 1), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Stiff_Clay_Layer_Pass)
    ->ArgNames({"model", "cyclic"})
    ->ArgsProduct({{SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER, SOIL_STIFF_CLAY_K, LAYERED}, {0, 1}});

}  // namespace
