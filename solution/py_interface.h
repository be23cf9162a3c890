// What the nonlinear iteration needs from the p-y side. Temporary definitions
// live in solution/py_pending.cpp until the p-y framework provides them.
#pragma once

namespace ormyx {

// The p-y layer pass (solution mode) for the current deflections: sets
// rd_SoilModulus (and, under soil movement, rd_SoilForce) of the nodes of
// every soil layer that holds nodes; records its errors in Run_Status.
void Compute_Soil_Moduli(int iteration);

// True while the equivalent depth at the top of layer L still holds its
// "not yet computed" marker (-10000).
bool fn_Layer_Lacks_Equivalent_Depth(int L);

// True when layer L is flagged as lying below a rock-type layer.
bool fn_Layer_Has_Rock_Above(int L);

// The call of the vuggy-limestone routine for layer L made once per node while
// a load case is set up, with its rock-layer flag and count bookkeeping.
void Setup_Vuggy_Limestone_Layer(int L);

}  // namespace ormyx
