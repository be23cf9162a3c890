// Nodal results of a load case, the equilibrium check and the case report.
#pragma once

namespace ormyx {

// Curvature, moment, shear, slope, soil reaction and total stress of node k
// from the current deflections; updates the running maxima of the case and
// the section maxima. Nodes are computed in order 1 .. n (node 2 uses the
// head moment).
void Compute_Node_Results(int k);

// Clear the running maxima of the case and of the equilibrium check.
void Clear_Case_Maxima();

// Force and moment balance of the difference solution, carried from node to
// node: a = 3 .. n - 1, then once with a = n + 1 (which writes the outcome).
void Verify_Node_Equilibrium(int a);

// The report and plot records of load case c after its iteration.
void Write_Pile_Response(int c, int iterations);

}  // namespace ormyx
