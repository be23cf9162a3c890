// Speed of the p-y layer pass through the other soil models: one pass over
// every node of a pile in user p-y curves, cemented silt, loess and Piedmont
// soil (the work of one iteration on the soil side), by node count.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"

namespace {

using namespace ormyx;

void Set_Curve(int j, double depth, double scale) {
  User_Py_Curve_Record& c = RS().prob.soil.User_Py_Curve[j];
  static const double Y[5] = {0.0, 0.1, 0.5, 2.0, 6.0};
  static const double P[5] = {0.0, 150.0, 500.0, 800.0, 850.0};
  c.rd_Depth = depth;
  c.i_Number_of_Points = 5;
  for (int i = 1; i <= 5; ++i) {
    c.y[i] = Y[i - 1];
    c.p[i] = scale * P[i - 1];
  }
}

// One model per layer; with cemented silt of its own the layer below it
// takes part in the layered-soil correction.
void Setup(int N) {
  Reset_Run_State();
  Run_State& s = RS();
  Initialize_Soil_Model_Names();
  Set_Unit_Labels(US_UNITS);
  s.prob.opt.IUNITS = US_UNITS;
  s.prob.opt.rd_NumberOfCycles = 5.0;
  const double Lp = 1200.0;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.i_Number_of_Section_Points = 2;
  sr.rd_PileLength = Lp;
  sr.Section_Property_Points[1].rd_Diameter = 24.0;
  sr.Section_Property_Points[2].rd_X = Lp;
  sr.Section_Property_Points[2].rd_Diameter = 24.0;
  Soil_Records& soil = s.prob.soil;
  static const int CODES[5] = {SOIL_USER_PY, SOIL_CEMENTED_SILT, SOIL_CEMENTED_SILT, SOIL_LOESS, SOIL_PIEDMONT};
  const int layers = 5;
  soil.i_Number_of_Layers = layers;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  pp.i_Number_of_Points = 2 * layers;
  for (int L = 1; L <= layers; ++L) {
    soil.i_SoilLayer_py_Type[L] = CODES[L - 1];
    soil.XLayerTop[L] = (L - 1) * Lp / layers;
    soil.XLayerBottom[L] = L * Lp / layers;
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
      pp.X[k] = k == 2 * L - 1 ? soil.XLayerTop[L] : soil.XLayerBottom[L];
      pp.rd_Gamma[k] = 0.035;
      pp.rd_c[k] = 3.0 + L;
      pp.rd_Phi[k] = 30.0 + L;
      pp.rd_Epsilon50[k] = 0.01;
      pp.rd_ConeTip[k] = 400.0;
      pp.i_FieldTestType[k] = FIELD_TEST_SPT;
      pp.rd_SPT_N60[k] = 10.0 + k;
    }
  }
  soil.rd_kTop[2] = soil.rd_kBottom[2] = 300.0;
  Set_Curve(1, 0.0, 1.0);
  Set_Curve(2, Lp / layers, 1.5);
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

void BM_Special_Soils_Layer_Pass(benchmark::State& state) {
  Setup(int(state.range(0)));
  for (auto _ : state) {
    Py_Layer_Pass();
    benchmark::DoNotOptimize(RS().sol.pile.rd_SoilModulus[2]);
  }
  state.SetComplexityN(state.range(0));
  state.counters["ns_per_node"] =
      benchmark::Counter(double(state.iterations()) * double(state.range(0) + 1),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Special_Soils_Layer_Pass)->Arg(100)->Arg(500)->Complexity(benchmark::oN);

}  // namespace
