// Set-up shared by the benchmarks of the p-y layer pass: a pile of one
// section put straight into the run-wide records, soil layers of equal
// thickness, the nodes of N increments, and the timed loop of the pass.
#pragma once
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"

namespace ormyx_bench {

using namespace ormyx;

constexpr double PILE_LENGTH = 1200.0;  // in
constexpr double PILE_WIDTH = 24.0;     // in

// Fresh run state in US units with a pile of PILE_LENGTH and PILE_WIDTH of
// one section; no soil and no nodes yet.
inline void Setup_Pile() {
  Reset_Run_State();
  Run_State& s = RS();
  Initialize_Soil_Model_Names();
  Set_Unit_Labels(US_UNITS);
  s.prob.opt.IUNITS = US_UNITS;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.i_Number_of_Section_Points = 2;
  sr.rd_PileLength = PILE_LENGTH;
  sr.Section_Property_Points[1].rd_Diameter = PILE_WIDTH;
  sr.Section_Property_Points[2].rd_X = PILE_LENGTH;
  sr.Section_Property_Points[2].rd_Diameter = PILE_WIDTH;
}

// Layers 1 .. layers of equal thickness down the pile, model codes[L - 1],
// with a profile point at the top (2 L - 1) and bottom (2 L) of each; the
// caller fills in the values of the points.
inline void Setup_Equal_Layers(const int* codes, int layers) {
  Soil_Records& soil = RS().prob.soil;
  soil.i_Number_of_Layers = layers;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  pp.i_Number_of_Points = 2 * layers;
  for (int L = 1; L <= layers; ++L) {
    soil.i_SoilLayer_py_Type[L] = codes[L - 1];
    soil.XLayerTop[L] = (L - 1) * PILE_LENGTH / layers;
    soil.XLayerBottom[L] = L * PILE_LENGTH / layers;
    pp.X[2 * L - 1] = soil.XLayerTop[L];
    pp.X[2 * L] = soil.XLayerBottom[L];
  }
}

// The deflection of most benchmarks: 0.5 in at the head, falling off with depth.
inline double Falling_Deflection(double x) { return 0.5 * std::exp(-x / 200.0); }

// Nodes of N increments down the pile (vertical), deflected by y(x), and
// the nodes of every layer.
inline void Setup_Nodes(int N, double (*y)(double x) = Falling_Deflection) {
  Pile_Model& pm = RS().sol.pile;
  pm.i_NumberOfIncrements = N;
  pm.i_Number_of_Nodes = N + 1;
  pm.rd_PileLength = PILE_LENGTH;
  pm.rd_h = PILE_LENGTH / N;
  for (int k = 1; k <= N + 1; ++k) {
    pm.rd_X[k] = (k - 1) * pm.rd_h;
    pm.rd_Depth[k] = pm.rd_X[k];
    pm.rd_Y[k] = y(pm.rd_X[k]);
  }
  Assign_Points_To_Layers(N + 1);
}

// The timed loop: one layer pass per iteration.
inline void Time_Layer_Pass(benchmark::State& state) {
  for (auto _ : state) {
    Py_Layer_Pass();
    benchmark::DoNotOptimize(RS().sol.pile.rd_SoilModulus[2]);
  }
}

// Counter of the time per node of a pass over N + 1 nodes (shown in ns).
inline void Count_Per_Node(benchmark::State& state, const char* name, int N) {
  state.counters[name] =
      benchmark::Counter(double(N + 1), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace ormyx_bench
