// Pile-head deflection versus pile length: the load case analysed again on
// piles shortened in steps of 5 % of the full length.
#pragma once

namespace ormyx {

// The study of load case c: its table in the report and plot Lines 11, 12.
void Compute_Deflection_Versus_Length(int c);

}  // namespace ormyx
