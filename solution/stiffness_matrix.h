// Pile-head stiffness matrix: the table written after the last synthetic case.
#pragma once

namespace ormyx {

// Synthetic load cases of the stiffness matrix: ten shear levels with the head
// fixed against rotation, then ten moment levels with the head held in place.
inline constexpr int STIFFNESS_LEVELS = 10;
inline constexpr int STIFFNESS_CASES = 2 * STIFFNESS_LEVELS;

// The report table and the plot records Line 14 of the stiffness matrix,
// from the summary records of synthetic cases 1 .. 20.
void Write_Stiffness_Matrix_Table();

}  // namespace ormyx
