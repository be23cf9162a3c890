// Test fixture of the p-y side: a pile of one section of constant width put
// straight into the run-wide records, its nodes built directly, and soil
// layers added from the top down with their values at top and bottom.
#pragma once
#include <cmath>
#include <string>

#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/units.h"
#include "input/reader.h"
#include "solution/pile_model.h"
#include "tests/test_support.h"

namespace py_test {

using namespace ormyx;

// Values of one profile point (top or bottom of a layer).
struct Point_Values {
  double gamma = 0.0;
  double c = 0.0;
  double eps50 = 0.0;
  double J = 0.0;
  double phi = 0.0;
  double Es = 0.0;  // elastic subgrade modulus
};

// Fresh run state: unit system, a pile of length Lp and width b divided into
// N increments (vertical unless a batter angle is given), no soil yet.
inline void Setup_Pile(int iunits, double Lp, int N, double b, double batter = 0.0) {
  Reset_Run_State();
  Run_State& s = RS();
  Initialize_Soil_Model_Names();
  Set_Unit_Labels(iunits);
  s.prob.opt.IUNITS = iunits;
  s.prob.opt.i_Analysis_Type = ANALYSIS_LATERAL;
  s.prob.opt.i_NumberOfIncrements = N;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.i_Number_of_Section_Points = 2;
  sr.rd_PileLength = Lp;
  for (int j = 1; j <= 2; ++j) {
    sr.Section_Property_Points[j].rd_X = j == 1 ? 0.0 : Lp;
    sr.Section_Property_Points[j].rd_Diameter = b;
  }
  s.prob.load.rd_BatterAngle = batter;
  s.prob.load.rd_SlopeMinusBatter = 0.0 - batter;
  Pile_Model& pm = s.sol.pile;
  pm.i_NumberOfIncrements = N;
  pm.i_Number_of_Nodes = N + 1;
  pm.rd_PileLength = Lp;
  pm.rd_h = Lp / N;
  for (int k = 1; k <= N + 1; ++k) {
    pm.rd_X[k] = k == N + 1 ? Lp : (k - 1) * pm.rd_h;
    pm.rd_Depth[k] = pm.rd_X[k] * std::cos(batter);
  }
}

// Append a layer of model code from depth top to bottom.
inline void Add_Layer(int code, double top, double bottom, const Point_Values& vt,
                      const Point_Values& vb) {
  Soil_Records& soil = RS().prob.soil;
  const int L = ++soil.i_Number_of_Layers;
  soil.i_SoilLayer_py_Type[L] = code;
  soil.XLayerTop[L] = top;
  soil.XLayerBottom[L] = bottom;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  pp.i_Number_of_Points = 2 * L;
  for (int j = 0; j < 2; ++j) {
    const int k = 2 * L - 1 + j;
    const Point_Values& v = j == 0 ? vt : vb;
    pp.X[k] = j == 0 ? top : bottom;
    pp.rd_Gamma[k] = v.gamma;
    pp.rd_c[k] = v.c;
    pp.rd_Epsilon50[k] = v.eps50;
    pp.rd_J[k] = v.J;
    pp.rd_Phi[k] = v.phi;
    pp.rd_ElasticSubgrade[k] = v.Es;
  }
  soil.rd_GroundSurfaceDepth = soil.XLayerTop[1];
}

// A layer with the same values at top and bottom.
inline void Add_Uniform_Layer(int code, double top, double bottom, const Point_Values& v) {
  Add_Layer(code, top, bottom, v, v);
}

// Nodes of every layer from the nodal depths.
inline void Assign_Layers() { Assign_Points_To_Layers(RS().sol.pile.i_Number_of_Nodes); }

inline void Set_Deflection(double y) {
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_Y[k] = y;
}

// The report and plot files of a test, opened in a private folder.
struct Run_Files_Capture {
  std::string dir = ormyx_test::Make_Temp_Dir("py");
  Run_Files_Capture() {
    Open_Output(CH_REPORT, dir + "/report.out");
    Open_Output(CH_PLOT, dir + "/plot.plt");
    Open_Output(CH_MESSAGE, dir + "/run.msg");
  }
  std::string report() {
    Close_Output(CH_REPORT);
    return ormyx_test::Read_File(dir + "/report.out");
  }
  std::string plot() {
    Close_Output(CH_PLOT);
    return ormyx_test::Read_File(dir + "/plot.plt");
  }
  std::string message() {
    Close_Output(CH_MESSAGE);
    return ormyx_test::Read_File(dir + "/run.msg");
  }
};

}  // namespace py_test
