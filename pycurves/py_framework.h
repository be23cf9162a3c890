// The p-y framework: the layer pass that turns the current deflections into
// secant soil moduli layer by layer, the dispatch of each layer to the
// routine of its soil model, the rock flags, the layered-soil correction
// (equivalent depth), the sloping ground factor of the clay models, and the
// steps every model routine shares for one point of its layer.
//
// A model routine has the form Py_<Model>(L): it processes points
// RS().py.i_FirstPoint .. i_LastPoint of layer L. In solution mode
// (RS().py.i_ReportMode = 0) the points are nodes and the routine stores
// rd_SoilModulus (and rd_SoilForce under soil movement); in report mode the
// points are output depths, point k at depth rd_X(k) of the pile model, and
// the routine writes each curve to the report and the plot file.
#pragma once
#include <string_view>

#include "engine/run_state.h"
#include "pycurves/py_state.h"

namespace ormyx {

using Py_Layer_Routine = void (*)(int L);

// The layer pass in solution mode, once per iteration: every layer that
// holds nodes, in order from the top; returns at once on a recorded error.
void Py_Layer_Pass();

// Report mode for the p-y curves at user depths: n output depths (0 goes
// back to solution mode).
void Set_Py_Report_Mode(int n);
bool fn_Py_Report_Mode();
// Report-mode call for layer L, whose first and last output points are held
// in i_TopNodeInLayer / i_BottomNodeInLayer: takes the rock-above state from
// the layer's flag and calls the layer's model routine (nothing for a layer
// without points or without a model).
void Py_Report_Layer(int L);

// The routine table entry of layer L's keyword; nullptr when none matches.
struct Py_Model_Entry {
  std::string_view keyword;   // without trailing blanks
  Py_Layer_Routine routine;   // the model routine of the keyword
  bool rock;                  // rock-type layer for the layered-soil correction
};
const Py_Model_Entry* fn_Py_Model_Of_Layer(int L);
// Layer L's keyword equals kw (kw without trailing blanks).
bool fn_Layer_Keyword_Is(int L, std::string_view kw);

// The call of the vuggy-limestone routine for layer L while a load case is
// set up, with its rock flag and count.
void Py_Setup_Vuggy_Limestone_Layer(int L);
bool fn_Py_Layer_Lacks_Equivalent_Depth(int L);
bool fn_Py_Layer_Has_Rock_Above(int L);

// Layered-soil correction: the depth at which layer L's own soil, as a
// half-space, holds the resistance of the layers above; stored in
// rd_EquivDepthTop(L). Uses the properties at the layer's first node.
void Compute_Equivalent_Depth(int L);

// Sloping ground factor of the clay models for a pile deflection y (the
// sign test) and the current effective slope.
double fn_Sloping_Ground_Factor(double y);

// Soil movement is given (one or more soil movement points).
bool fn_Soil_Movement_Present();

// One point of a layer, after the shared steps.
struct Py_Point {
  int L = 0;            // layer
  int k = 0;            // node (solution mode) or output point (report mode)
  bool first = false;   // first point of the layer
  bool last = false;    // last point of the layer
  bool report = false;  // report mode
  double xv = 0.0;      // vertical depth below the pile head
  double x = 0.0;       // distance along the pile
  double z0 = 0.0;      // depth below the ground surface
  double b = 0.0;       // pile diameter (p-y width)
  double pm = 1.0;      // p-multiplier
  double ym = 1.0;      // y-multiplier
  double ys = 0.0;      // soil movement at the node
  double y_rel = 0.0;   // |y - ys| / ym at the node (solution mode)
  double y_sign = 0.0;  // pile deflection for the slope sign test
};

// Depth, diameter, multipliers, soil movement and relative deflection of
// point k of layer L. False when an error is recorded.
bool Py_Begin_Point(int L, int k, Py_Point& pt);

// The depth-only soil values kept for node pt.k in this analysis when they
// belong to its layer and depth; nullptr otherwise and in report mode.
inline Soil_Node_Values* fn_Kept_Soil_Values(const Py_Point& pt) {
  if (pt.report) return nullptr;
  Run_State& s = RS();
  Soil_Node_Values& v = s.py.soil_node(pt.k);
  if (v.i_Stamp == s.sol.cache.i_Generation + 1 && v.i_Layer == pt.L && v.rd_Depth == pt.xv) return &v;
  return nullptr;
}
// The entry of node pt.k made ready to receive its values (stamped for the
// layer and depth, resistance cleared); nullptr in report mode.
Soil_Node_Values* fn_New_Soil_Values(const Py_Point& pt);

// When a model recomputes the equivalent depth of its layer.
enum Equivalent_Depth_Rule { EQUIV_EVERY_PASS, EQUIV_ONCE_PER_RUN };
// Effective depth for the strength equations (layered-soil correction);
// calls Compute_Equivalent_Depth at the first node in solution mode. The
// caller tests Error_Recorded() afterwards.
double fn_Effective_Depth(const Py_Point& pt, Equivalent_Depth_Rule rule);

// Under soil movement: rd_SoilForce = ys * rd_SoilModulus + distributed load.
void Py_Store_Soil_Force(const Py_Point& pt);

// Layer resistance for the layered-soil correction: trapezoids of the
// resistance r node to node, and r down to the layer bottom below the last
// node; r_prev carries r from point to point. Returns the layer's sum.
double& Py_Sum_Layer_Resistance(const Py_Point& pt, double r, double& r_prev);
// Layer 1 with the ground surface above the pile head: the models then take
// the whole layer's resistance from its values at the top and at this point.
bool fn_Py_Ground_Above_Head(int L);

// A node whose relative deflection lies near a model's small-deflection
// threshold, where the model's modulus jumps, can alternate between the two
// branches for ever (with a period of two passes or more). Records the branch
// of node k in this pass (solution mode) and tells whether the node has
// changed branch PY_HOLD_AFTER_FLIPS times in this load case; such a node
// stays held for the rest of the case, and the model then gives it the
// modulus that is continuous at the threshold. A node that merely passes the
// threshold while the solution settles changes branch a few times only.
inline constexpr int PY_HOLD_AFTER_FLIPS = 8;
bool fn_Py_Threshold_Hold(int k, bool below);
// Clears the threshold records of every node (first pass of a load case).
void Py_Clear_Threshold_Holds();

// The first node of layer L with the values an equivalent-depth routine
// starts from: its vertical depth, the pile width there, the cohesion and the
// average effective unit weight. False when the layer holds no node
// (node = 0) or a property function recorded an error.
struct Py_Layer_Top {
  int node = 0;
  double xv = 0.0, b = 0.0, c = 0.0, gamma = 0.0;
};
bool fn_Py_Layer_Top(int L, Py_Layer_Top& t);

// Pile deflection of the last solution at vertical depth xv, linear between
// the two nodes that bracket it.
double fn_Deflection_At_Depth(double xv);

}  // namespace ormyx
