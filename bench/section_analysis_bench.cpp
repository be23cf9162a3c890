// The section analysis of a 36-in drilled shaft with twelve #9 bars at 100
// axial thrusts from -500 to 3460 kips: working state, report blocks,
// moment-curvature tables, moment-EI entries and plot records (the report and
// plot go to /dev/null). The time per thrust is the counter "per_thrust".
// Then one moment-curvature analysis of the same shaft at a single thrust.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_driver.h"

namespace {

using namespace ormyx;

constexpr int THRUSTS = 100;

void Set_Up_Drilled_Shaft() {
  Reset_Run_State();
  Problem_Records& P = RS().prob;
  P.opt.IUNITS = US_UNITS;
  P.opt.i_Analysis_Type = ANALYSIS_EI_ONLY;
  P.sec.i_Number_of_Sections = 1;
  Pile_Section_Record& p = P.sec.Pile_Section[1];
  p.i_SectionType = SECTION_DRILLED_SHAFT;
  p.rd_Length = 600.0;
  p.rd_XBottom = 600.0;
  p.rd_Diameter = 36.0;
  p.rd_fc = 4000.0;
  p.rd_MaxAggregateSize = 0.75;
  p.i_RebarArrangement = REBAR_CIRCLE;
  p.rd_BarYieldStress = 60000.0;
  p.rd_BarModulus = 29.0e6;
  p.i_BarPositions = 12;
  p.i_BarsPerPosition = 1;
  p.rd_BarDiameter = 1.128;
  p.rd_BarArea = 1.0;
  p.rd_ConcreteCover = 3.0;
  p.i_Number_of_Bars = 12;
  const double R = (36.0 - 1.128) / 2.0 - 3.0;
  for (int b = 1; b <= 12; ++b) {
    const double theta = 2.0 * 3.141592653589793 * (b - 1) / 12;
    p.Bar[b].rd_Diameter = 1.128;
    p.Bar[b].rd_Area = 1.0;
    p.Bar[b].rd_X = R * std::cos(theta);
    p.Bar[b].rd_Y = R * std::sin(theta);
  }
  Open_Output(CH_REPORT, "/dev/null");
  Open_Output(CH_PLOT, "/dev/null");
}

void Set_Thrusts() {
  Loading_Records& ld = RS().prob.load;
  for (int t = 1; t <= THRUSTS; ++t) ld.Axial_Thrust_List[t] = -500.0 + 40.0 * (t - 1);
  ld.i_Number_of_Thrusts = THRUSTS;
}

void BM_Section_Analysis_100_Thrusts(benchmark::State& state) {
  Set_Up_Drilled_Shaft();
  long points = 0;
  for (auto _ : state) {
    Set_Thrusts();
    Analyse_Nonlinear_Section(1);
    for (int t = 1; t <= THRUSTS; ++t) points += RS().sol.mei.entry(1, t).i_Number_of_Points;
  }
  if (RS().status.i_ErrorNumber != 0 || RS().prob.load.i_Number_of_Thrusts != THRUSTS)
    state.SkipWithError("the section analysis did not keep every thrust");
  state.counters["per_thrust"] = benchmark::Counter(double(THRUSTS), benchmark::Counter::kIsIterationInvariantRate |
                                                                        benchmark::Counter::kInvert);
  state.counters["points_per_thrust"] =
      benchmark::Counter(double(points) / THRUSTS, benchmark::Counter::kAvgIterations);
  Close_All_Run_Files();
}
BENCHMARK(BM_Section_Analysis_100_Thrusts)->Unit(benchmark::kMillisecond);

// One moment-curvature analysis: the same shaft at a single thrust of 1000 kips.
void BM_One_Moment_Curvature(benchmark::State& state) {
  Set_Up_Drilled_Shaft();
  Loading_Records& ld = RS().prob.load;
  for (auto _ : state) {
    ld.Axial_Thrust_List[1] = 1000.0;
    ld.i_Number_of_Thrusts = 1;
    Analyse_Nonlinear_Section(1);
    benchmark::DoNotOptimize(RS().sol.mei.entry(1, 1).i_Number_of_Points);
  }
  if (RS().status.i_ErrorNumber != 0 || RS().sol.mei.entry(1, 1).i_Number_of_Points < 1)
    state.SkipWithError("the moment-curvature analysis failed");
  Close_All_Run_Files();
}
BENCHMARK(BM_One_Moment_Curvature)->Unit(benchmark::kMicrosecond);

}  // namespace
