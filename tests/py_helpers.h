// Helpers of the p-y model tests on top of the p-y fixture: a layer pass at
// one deflection, the soil modulus of a node, k and p-y modifiers of the
// layers, and the report-mode block of the layers at one output depth.
#pragma once
#include <string>

#include "pycurves/py_framework.h"
#include "solution/pile_model.h"
#include "tests/py_fixture.h"

namespace py_test {

// Secant soil modulus of a node after the last layer pass.
inline double Es(int node) { return RS().sol.pile.rd_SoilModulus[node]; }

// One layer pass with every node at deflection y.
inline void Pass_At(double y) {
  Set_Deflection(y);
  Py_Layer_Pass();
}

// Subgrade modulus k of layer L at its top and bottom.
inline void Set_k(int L, double top, double bottom) {
  RS().prob.soil.rd_kTop[L] = top;
  RS().prob.soil.rd_kBottom[L] = bottom;
}

// Constant p- and y-multipliers from the head down to depth (by default the
// length of the pile).
inline void Set_Multipliers(double pm, double ym, double depth = -1.0) {
  Loading_Records& ld = RS().prob.load;
  if (depth < 0.0) depth = RS().sol.pile.rd_PileLength;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {0.0, pm, ym};
  ld.PY_Modifier_Point[2] = {depth, pm, ym};
}

// The layer pass with the options that add work on every node: p- and
// y-multipliers (0.8, 1) down the pile, soil movement and cyclic loading,
// with a deflection falling from 0.5 at the head by 0.001 per node.
inline void Set_Options_For_Allocation_Check() {
  Set_Multipliers(0.8, 1.0);
  RS().prob.load.i_Number_of_Soil_Movement_Points = 2;
  RS().prob.opt.b_CyclicLoading = L_TRUE;
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_Y[k] = 0.5 - k * 0.001;
}

// A labelled line of a report-mode block: the label padded to 55 columns,
// "= ", the value field and the unit.
inline std::string Line(const std::string& label, const std::string& field, const std::string& unit = "") {
  return label + std::string(55 - label.size(), ' ') + "= " + field + (unit.empty() ? "" : " " + unit) + "\n";
}

struct Report_Text {
  std::string report, plot;
};

// Report mode at one output depth: node 1 moved to that depth, then layers
// first .. last write their curve block; the report and plot text written.
inline Report_Text Report_Layers_At(double depth, int first, int last) {
  Pile_Model& pm = RS().sol.pile;
  pm.rd_X[1] = depth;
  Assign_Points_To_Layers_By(pm.rd_X, 1);
  Set_Py_Report_Mode(1);
  Run_Files_Capture files;
  for (int L = first; L <= last; ++L) Py_Report_Layer(L);
  Set_Py_Report_Mode(0);
  Report_Text t;
  t.report = files.report();
  t.plot = files.plot();
  return t;
}

}  // namespace py_test
