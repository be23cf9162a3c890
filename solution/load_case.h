// One load case: set-up, secant iteration to convergence and its error stops.
#pragma once

namespace ormyx {

// Set up and iterate load case c. Returns after convergence, after
// non-convergence of a loading-type-4 case (runtime error 10 recorded, the
// case is still reported), or with an error recorded.
void Analyse_Load_Case(int c);

// Bending stiffness of every node of a section that is not elastic, from the
// moment-EI tables at thrust entry t for the axial thrust P (kips for US
// customary units).
void Update_EI_From_Moment(int t, double P);

// The report block of runtime error 10: the last changes, the tolerance and
// the analysis of convergence behaviour with its advice (nothing recorded).
void Write_Nonconvergence_Block();

// Entry t of the axial thrust list for thrust P: T_t <= P < T_(t+1); the
// last entry at or above it, the first at or below the first; 0 when the
// list is empty.
int fn_Thrust_Entry(double P);

}  // namespace ormyx
