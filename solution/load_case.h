// One load case: set-up, secant iteration to convergence and its error stops.
#pragma once

namespace ormyx {

// Set up and iterate load case c. Returns after convergence, after
// non-convergence of a loading-type-4 case (runtime error 10 recorded, the
// case is still reported), or with an error recorded.
void Analyse_Load_Case(int c);

// How a load case is analysed: a case of the run, reported with progress
// lines and its error blocks; a synthetic case of the pile-head stiffness
// matrix; or one length of the deflection-length study, whose nodes the
// caller has built for the shortened pile and whose warnings count for the
// case studied. The last two write no progress lines, skip the layer
// coverage check and treat excessive deflection and the iteration limit
// (and, in the study, deflections that are no numbers) as a failed analysis
// without an error: the case then ends with lc.b_Converged false and no
// error recorded.
enum Case_Mode { CASE_REPORTED, CASE_STIFFNESS, CASE_LENGTH_STUDY };
void Analyse_Case(int c, Case_Mode mode);

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
