// One linear solve of the beam-column at the largest node count (500
// increments), and one nodal results pass over the same pile.
#include <benchmark/benchmark.h>

#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "solution/pile_model.h"
#include "solution/results.h"
#include "solution/solver.h"

namespace {

using namespace ormyx;

void Setup_Pile() {
  Reset_Run_State();
  Run_State& s = RS();
  s.prob.opt.IUNITS = GENERIC_UNITS;
  s.prob.opt.i_Analysis_Type = ANALYSIS_LATERAL;
  s.prob.opt.i_NumberOfIncrements = 500;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.Pile_Section[1].i_SectionType = SECTION_ELASTIC;
  sr.i_Number_of_Section_Points = 2;
  sr.Section_Property_Points[1] = {0.0, 24.0, 0.0, 1.0, 1.0e10, 400.0};
  sr.Section_Property_Points[2] = {1000.0, 24.0, 0.0, 1.0, 1.0e10, 400.0};
  sr.rd_PileLength = 1000.0;
  Build_Pile_Nodes();
  Build_Nodes();
  Pile_Model& pm = s.sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilModulus[k] = 1000.0;
  Load_Case_State& lc = s.sol.lc;
  lc.i_CaseIndex = 1;
  lc.i_LoadingType = 1;
  lc.rd_Pt = 10000.0;
}

void BM_Solve_Beam_Column_501_Nodes(benchmark::State& state) {
  Setup_Pile();
  int i = 1;
  for (auto _ : state) {
    Solve_Beam_Column(i++);
    benchmark::DoNotOptimize(RS().sol.pile.rd_Y[1]);
  }
  state.SetItemsProcessed(state.iterations() * RS().sol.pile.i_Number_of_Nodes);
}
BENCHMARK(BM_Solve_Beam_Column_501_Nodes);

void BM_Node_Results_501_Nodes(benchmark::State& state) {
  Setup_Pile();
  Solve_Beam_Column(1);
  for (auto _ : state) {
    Clear_Case_Maxima();
    for (int k = 1; k <= RS().sol.pile.i_Number_of_Nodes; ++k) Compute_Node_Results(k);
    benchmark::DoNotOptimize(RS().sol.res.rd_MaxMoment);
  }
}
BENCHMARK(BM_Node_Results_501_Nodes);

}  // namespace
