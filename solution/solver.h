// The finite-difference beam-column solver of the pile on linear springs.
#pragma once
#include "solution/solution_state.h"

namespace ormyx {

// One linear solve with the current stiffnesses, soil moduli and loads for
// the head conditions of the current load case. Writes rd_Y, rd_dYmax,
// rd_Delta_dYmax and the tip shear; on a failed head solve records runtime
// error 11 and leaves the deflections as they were. Iteration 1 resets the
// previous change to 0.
void Solve_Beam_Column(int iteration);

// Gaussian elimination of the m x m system F YG = G (m = 4 or 5) in natural
// order without row exchanges; F and G are reduced in place. Returns 0 when
// solved, else the row i whose pivot |F(i,i)| < 1e-50 stopped it (its value
// in pivot). The last pivot is not tested.
int Solve_Head_System(Table<double, 5, 5>& F, List<double, 5>& G, List<double, 5>& YG, int m,
                      double& pivot);

// Tip shear for a tip deflection y_tip from the tip shear curve (0 without
// one); `previous` is kept where the curve gives no value.
double fn_Tip_Shear(double y_tip, double previous);

}  // namespace ormyx
