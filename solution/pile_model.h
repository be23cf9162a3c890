// The node model of the pile and its lookups.
#pragma once
#include "engine/run_state.h"
#include "solution/solution_state.h"

namespace ormyx {

// Node positions at the start of the run: n = N + 1, rd_h, rd_X.
void Build_Initial_Nodes();

// Per-load-case rebuild: distances, depths, distributed loads, stiffness,
// section of each node, nodes of each layer and soil movement at the nodes.
void Build_Nodes();
// The same rebuild for a pile shortened (or not) to the given length.
void Build_Nodes_For_Length(double length);

// Properties of the pile at distance x along its axis from the section
// property points (at a section boundary: the lower section's values).
Section_Properties Section_Properties_At_X(double x);

// Forget every per-node value kept within an analysis (the nodes, their
// distances or the records they were taken from may have changed).
inline void Invalidate_Node_Cache() { ++RS().sol.cache.i_Generation; }

// Section properties of node k at its distance rd_X(k): Section_Properties_At_X
// taken once and kept while the node keeps its distance.
const Section_Properties& fn_Node_Section_Slow(int k);
inline const Section_Properties& fn_Node_Section(int k) {
  const Solution_State& sol = RS().sol;
  const Node_Property_Cache& c = sol.cache;
  if (c.i_SectionStamp[k] == c.i_Generation + 1 && c.rd_SectionX[k] == sol.pile.rd_X[k]) return c.section[k];
  return fn_Node_Section_Slow(k);
}

// Bending stiffness of node k from the moment-EI table of section s at
// thrust entry t, for a node moment (kip-in for US units) `moment`.
double MEI_EI_At_Node(int k, int s, int t, double moment);

// First and last node of every soil layer from the nodal depths.
void Assign_Points_To_Layers(int n);
// The same rules for points 1 .. n at the given depths (the output depths of
// reported p-y curves, compared directly with the layer depths).
void Assign_Points_To_Layers_By(const Node_Array& depth, int n);

// Lateral soil movement at every node from the soil movement profile.
void Interpolate_Soil_Movement();

// Average distributed lateral load over the tributary length of the point at
// distance x along the pile.
double fn_Distributed_Load(double x);

}  // namespace ormyx
