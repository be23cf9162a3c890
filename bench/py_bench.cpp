// Speed of the p-y layer pass: one pass over every node of a pile in layered
// soft clay (the work of one iteration on the soil side), by node count.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"

namespace {

using namespace ormyx;

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
  soil.Soil_Profile_Points.i_Number_of_Points = 2 * layers;
  for (int L = 1; L <= layers; ++L) {
    soil.i_SoilLayer_py_Type[L] = L % 2 ? SOIL_SOFT_CLAY : SOIL_SOFT_CLAY_J;
    soil.XLayerTop[L] = (L - 1) * Lp / layers;
    soil.XLayerBottom[L] = L * Lp / layers;
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      Soil_Profile_Record& pp = soil.Soil_Profile_Points;
      pp.X[k] = k == 2 * L - 1 ? soil.XLayerTop[L] : soil.XLayerBottom[L];
      pp.rd_Gamma[k] = 0.03;
      pp.rd_c[k] = 3.0 + L;
      pp.rd_Epsilon50[k] = 0.01;
      pp.rd_J[k] = 0.5;
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

void BM_Layer_Pass(benchmark::State& state) {
  Setup(int(state.range(0)));
  for (auto _ : state) {
    Py_Layer_Pass();
    benchmark::DoNotOptimize(RS().sol.pile.rd_SoilModulus[2]);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Layer_Pass)->Arg(50)->Arg(100)->Arg(250)->Arg(500)->Complexity(benchmark::oN);

}  // namespace
