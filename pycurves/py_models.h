// The soil model routines called by the layer pass (one per keyword) and the
// model-specific parts of the layered-soil correction.
#pragma once

namespace ormyx {

void Py_Soft_Clay(int L);          // "SoftClay": Matlock soft clay, J = 0.5
void Py_Soft_Clay_J(int L);        // "SoftClyJ": the same with J from the profile
void Py_Elastic_Subgrade(int L);   // "Elast SG": linear elastic subgrade

// Equivalent depth of a soft-clay layer L holding the resistance Ftot of the
// layers above (properties at the layer's first node).
double fn_Soft_Clay_Equivalent_Depth(int L, double Ftot, bool with_J);

}  // namespace ormyx
