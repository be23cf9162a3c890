// Speed of the p-y layer pass through the other soil models: one pass over
// every node of a pile in user p-y curves, cemented silt, loess and Piedmont
// soil (the work of one iteration on the soil side), by node count.
#include "bench/bench_support.h"

namespace {

using namespace ormyx_bench;

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
  Setup_Pile();
  RS().prob.opt.rd_NumberOfCycles = 5.0;
  static const int CODES[5] = {SOIL_USER_PY, SOIL_CEMENTED_SILT, SOIL_CEMENTED_SILT, SOIL_LOESS, SOIL_PIEDMONT};
  const int layers = 5;
  Setup_Equal_Layers(CODES, layers);
  Soil_Records& soil = RS().prob.soil;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  for (int L = 1; L <= layers; ++L) {
    for (int k = 2 * L - 1; k <= 2 * L; ++k) {
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
  Set_Curve(2, PILE_LENGTH / layers, 1.5);
  Setup_Nodes(N);
}

void BM_Other_Soils_Layer_Pass(benchmark::State& state) {
  const int N = int(state.range(0));
  Setup(N);
  Time_Layer_Pass(state);
  state.SetComplexityN(state.range(0));
  Count_Per_Node(state, "ns_per_node", N);
}
BENCHMARK(BM_Other_Soils_Layer_Pass)->Arg(100)->Arg(500)->Complexity(benchmark::oN);

}  // namespace
