// Distributed lateral loads of an LRFD analysis: the load-group profiles
// averaged over the tributary length of every node, by load type, and their
// factored sum for one load combination.
#pragma once

namespace ormyx {

// Fill the per-type nodal averages for the current node model and write
// their report blocks (called at the set-up of every LRFD load case).
void Prepare_LRFD_Distributed_Loads();

// Factored distributed load of node k in load combination c.
double fn_LRFD_Node_Load(int k, int c);

// Distributed lateral load of node k (at distance x from the head) in the load
// case being analysed: the combination's factored load in an LRFD analysis,
// else the LOADING profile averaged over the node's tributary length.
double fn_Case_Distributed_Load(int k, double x);

}  // namespace ormyx
