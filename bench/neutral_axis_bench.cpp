// One neutral-axis search on a 36-in drilled shaft with twelve #9 bars under
// a 500-kip thrust, from the mid-depth start value.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "section/section_model.h"

namespace {

using namespace ormyx;

void Set_Up_Drilled_Shaft() {
  Reset_Run_State();
  RS().prob.opt.IUNITS = US_UNITS;
  EI_Vars& EI = RS().sec.EI;
  EI.i_Section = 1;
  EI.i_Units = US_UNITS;
  EI.i_SectionType = 1;
  EI.i_AnalysisShape = SHAPE_CIRCLE;
  EI.i_MaterialKind = MATERIAL_REINFORCED;
  EI.i_EICode = 2;
  EI.rd_D = EI.rd_B = 36.0;
  EI.rd_fc = 4.0;
  EI.rd_BarFy = 60.0;
  EI.rd_BarEs = 29000.0;
  EI.b_BarsOnCircle = L_TRUE;
  EI.i_NumBars = 12;
  const double R = (36.0 - 1.128) / 2.0 - 3.0;
  for (int b = 1; b <= 12; ++b) {
    const double theta = 2.0 * 3.141592653589793 * (b - 1) / 12;
    EI.rd_LayoutX[b] = R * std::cos(theta);
    EI.rd_LayoutY[b] = R * std::sin(theta);
    EI.rd_BarDiameter[b] = 1.128;
    EI.rd_BarArea[b] = 1.0;
  }
  Initialize_EI_Vars(0.0, 0.0, L_FALSE, CONCRETE_BUILT_IN, CONCRETE_NONE);
}

void BM_Find_Neutral_Axis(benchmark::State& state) {
  Set_Up_Drilled_Shaft();
  EI_Vars& EI = RS().sec.EI;
  EI.rd_Curvature = 1e-4;
  long iterations = 0;
  for (auto _ : state) {
    Begin_Thrust_State(500.0);
    const bool found = Find_Neutral_Axis();
    benchmark::DoNotOptimize(found);
    benchmark::DoNotOptimize(EI.rd_NeutralAxisDepth);
    iterations += EI.i_Iterations;
  }
  state.counters["newton_iterations"] =
      benchmark::Counter(double(iterations), benchmark::Counter::kAvgIterations);
  state.counters["dn_in"] = EI.rd_NeutralAxisDepth;
}
BENCHMARK(BM_Find_Neutral_Axis);

void BM_Compute_Axial_Thrust_Force(benchmark::State& state) {
  Set_Up_Drilled_Shaft();
  EI_Vars& EI = RS().sec.EI;
  EI.rd_Curvature = 1e-4;
  Begin_Thrust_State(500.0);
  double dn = 20.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Compute_Axial_Thrust_Force(dn));
    dn = dn == 20.0 ? 20.001 : 20.0;
  }
}
BENCHMARK(BM_Compute_Axial_Thrust_Force);

}  // namespace
