// Pile-head deflection versus pile length: the load case analysed again on
// piles shortened in steps of 5 % of the full length.
#pragma once

namespace ormyx {

// The study of load case c: its table in the report and plot Lines 11, 12.
void Compute_Deflection_Versus_Length(int c);

// Nodal results of the converged shortened pile and the next point of load
// case c: pile length, head deflection, largest moment and largest shear.
void Record_Length_Point(int c);

}  // namespace ormyx
