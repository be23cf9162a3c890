// Run-wide state of the p-y framework and the soil models (RS().py): the
// layered-soil bookkeeping kept from layer to layer and from pass to pass,
// the rock flags, and the mode and point range of the model routine being
// called. Reset with the rest of the run state at the start of every run.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"
#include "input/rec_soil.h"
#include "solution/solution_state.h"

namespace ormyx {

// Marker of an equivalent depth that has not been computed yet.
inline constexpr double EQUIV_DEPTH_UNSET = -10000.0;

// Soil values of a curve at one node that depend on its depth alone, kept
// from pass to pass of an analysis: valid while i_Stamp equals the node
// cache's generation + 1 and the layer and depth are those of the node. Each
// model fills the values it reads.
struct Soil_Node_Values {
  int32_t i_Stamp = 0;
  int32_t i_Layer = 0;
  double rd_Depth = 0.0;             // vertical depth the values were taken at
  double rd_c = 0.0;                 // cohesion
  double rd_Gamma = 0.0;             // average effective unit weight from the surface
  double rd_Epsilon50 = 0.0;         // profile epsilon-50 (0 or less: the default applies)
  double rd_J = 0.0;                 // profile J
  double rd_Phi = 0.0;               // friction angle (degrees)
  int32_t b_AtInterface = 0;         // the depth lies at an inner profile point
  // The ultimate resistance and its companions for effective depth rd_z,
  // slope factor rd_F (1 without a slope) and width rd_b; valid when
  // b_Resistance is set.
  int32_t b_Resistance = 0;
  double rd_z = 0.0, rd_F = 0.0, rd_b = 0.0;
  double rd_Xr = 0.0, rd_pu_s = 0.0, rd_pu = 0.0, rd_pu_c = 0.0, rd_pu_cz = 0.0;
  double rd_Esmax = 0.0, rd_yt = 0.0;
};

struct Py_State {
  Py_State() { rd_EquivDepthTop.fill(EQUIV_DEPTH_UNSET); }

  // Integral of the ultimate soil resistance over each layer, rebuilt node by
  // node in every solution pass (force).
  List<double, MAX_LAYERS> rd_LayerResistance;
  // Copy of its own layer resistance that the liquefied-sand model keeps; it
  // stands in for a layer resistance below 0.01 in the layered-soil
  // correction (0 for layers of every other model).
  List<double, MAX_LAYERS> rd_LiquefiedLayerResistance;
  // Equivalent depth at the top of each layer (length); EQUIV_DEPTH_UNSET
  // until the layered-soil correction has computed it.
  List<double, MAX_LAYERS> rd_EquivDepthTop;
  // -1 for a layer below a rock-type layer (and for a weak-rock or vuggy
  // limestone layer itself), else 0.
  List<int32_t, MAX_LAYERS> ib_RockAbove;
  // Rock-type layers met so far in the current layer pass.
  int32_t i_RockLayerCount = 0;

  // 0: solution mode (the points are the nodes of the layer); otherwise
  // report mode, holding the number of output depths (the points are the
  // output depths, held in rd_X of the pile model).
  int32_t i_ReportMode = 0;
  // First and last point the model routine processes, set by its caller.
  int32_t i_FirstPoint = 0;
  int32_t i_LastPoint = 0;

  // Small-deflection threshold of each node in the current load case: the
  // branch of the last pass (0 none yet, 1 at or above, -1 below) and the
  // number of times the node changed branch (a node is held once the count
  // reaches PY_HOLD_AFTER_FLIPS).
  List<int32_t, MAX_NODES> i_ThresholdBranch;
  List<int32_t, MAX_NODES> i_ThresholdFlips;

  // J of the soft clay criteria without a J profile.
  double rd_J_SoftClay = 0.5;

  // Depth-only soil values of the nodes (by node).
  List<Soil_Node_Values, MAX_NODES> soil_node;
};

}  // namespace ormyx
