// The node model of the pile and its lookups.
#pragma once
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
