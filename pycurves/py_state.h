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
};

}  // namespace ormyx
