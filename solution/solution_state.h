// Run-wide state of the lateral response solution: the node model of the
// pile, the beam-column solver's working arrays and change measures, the
// state of the load case being iterated, the nodal results and their maxima,
// the per-case summary records and the moment-EI table. It lives in RS().sol.
//
// Units: everything is held in the analysis units that apply after the input
// conversion (US customary: inches and pounds; SI: metres and kN; generic: the
// user's L and F). Lengths along the pile (rd_X, rd_h, rd_PileLength) and
// depths (rd_Depth) are in the same length unit as the layer depths.
//
// Node arrays are indexed k = 1 .. n (n = i_Number_of_Nodes, at most 501),
// with room for the two imaginary nodes above the head (0, -1) and the ones
// below the tip (n + 1, n + 2) that the difference formulas touch.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"
#include "section/mei_table.h"

namespace ormyx {

inline constexpr int MAX_INCREMENTS = 500;
inline constexpr int MAX_NODES = MAX_INCREMENTS + 1;   // 501
inline constexpr int NODE_LO = -1;                     // y(-1), y(0): above the head
inline constexpr int NODE_HI = MAX_NODES + 2;          // y(n+1) below the tip, and one spare
inline constexpr int MAX_LAYER_ENTRIES = 80;           // i_TopNodeInLayer / i_BottomNodeInLayer
inline constexpr int MAX_CASES = 100;                  // load cases or LRFD combinations
inline constexpr int MAX_CASE_SECTIONS = 20;

using Node_Array = Fixed_Array<double, NODE_LO, NODE_HI>;
using Node_Int_Array = Fixed_Array<int32_t, NODE_LO, NODE_HI>;

// The pile divided into equally spaced nodes, from the head (1) to the tip (n).
struct Pile_Model {
  int32_t i_NumberOfIncrements = 0;  // N (40 .. 500)
  int32_t i_Number_of_Nodes = 0;     // n = N + 1
  double rd_h = 0.0;                 // increment length = rd_PileLength / N
  double rd_PileLength = 0.0;        // length of the pile being analysed
  double rd_SavedPileLength = 0.0;   // pile length saved before the first load case
  int32_t b_PileLengthSaved = 0;     // L_TRUE once rd_SavedPileLength holds the value

  Node_Array rd_X;                   // distance of node k from the head along the axis
  Node_Array rd_Depth;               // vertical depth of node k below the head (X cos(batter))
  Node_Array rd_Y;                   // current deflection; imaginary nodes -1, 0 and n + 1 included
  Node_Array rd_EI;                  // bending stiffness used by the solver
  Node_Array rd_SoilModulus;         // secant soil modulus Es (p / y), set by the p-y layer pass
  Node_Array rd_SoilForce;           // lateral load per unit length W (distributed load + ys Es)
  Node_Array rd_SoilMovement;        // free-field lateral soil movement ys (0 when none)
  Node_Array rd_PlasticMoment;       // plastic moment of elastic-plastic sections
  Node_Array rd_Hinge;               // elastic-plastic node state: 0 never plastic, 1 plastic, 2 fell back
  Node_Int_Array i_SectionOfNode;    // section containing node k (boundary node: upper section)

  // First and last node of soil layer L; 0 when the layer holds no node.
  List<int32_t, MAX_LAYER_ENTRIES> i_TopNodeInLayer;
  List<int32_t, MAX_LAYER_ENTRIES> i_BottomNodeInLayer;
};

// Properties of the pile at one distance along its axis.
struct Section_Properties {
  double rd_Diameter = 0.0;          // p-y width
  double rd_StructuralWidth = 0.0;   // structural width (embedded poles)
  double rd_Inertia = 0.0;           // moment of inertia I
  double rd_Area = 0.0;              // area A
  double rd_EI = 0.0;                // bending stiffness (the product E I interpolated)
};

// Values of every node that depend on its position alone, kept from pass to
// pass of an analysis. An entry is valid while its stamp equals
// i_Generation + 1 and its key equals the node's current distance or depth;
// i_Generation is raised whenever the nodes or the analysis change.
struct Node_Property_Cache {
  int32_t i_Generation = 0;
  Node_Int_Array i_SectionStamp;
  Node_Array rd_SectionX;            // distance the section entry was taken at
  Fixed_Array<Section_Properties, NODE_LO, NODE_HI> section;
};

// Working arrays and results of the finite-difference beam-column solver.
struct Solver_State {
  // Recursion y_k = B_k y_(k-1) - C_k y_(k-2) + D_k + E_k from the tip upward.
  Node_Array rd_A, rd_B, rd_C, rd_D, rd_E;
  Table<double, 5, 5> F;             // head system matrix ("F Matrix")
  List<double, 5> G;                 // right side ("G Vector")
  List<double, 5> YG;                // solution ("YG Vector")
  double rd_dYmax = 0.0;             // largest |y(new) - y(old)| of the last solve
  double rd_Delta_dYmax = 0.0;       // |rd_dYmax - previous rd_dYmax|
  double rd_dYmax_Previous = 0.0;    // rd_dYmax of the solve before (0 at iteration 1)
  double rd_TipShear = 0.0;          // tip shear V_t used by the last solve
};

// The load case being analysed and its iteration.
struct Load_Case_State {
  int32_t i_CaseIndex = 0;           // load case (or LRFD combination) number
  int32_t i_Iteration = 0;           // 0 before the first solve
  int32_t i_IterationsUsed = 0;      // iterations run by the last Analyse_Load_Case
  int32_t b_Converged = 0;           // L_TRUE after convergence of the current case
  int32_t i_LoadingType = 1;         // 1 .. 5
  double rd_Pt = 0.0;                // head shear (types 1-3)
  double rd_Mt = 0.0;                // head moment (types 1, 4)
  double rd_St = 0.0;                // head slope (types 2, 5)
  double rd_Kr = 0.0;                // head rotational stiffness (type 3)
  double rd_Yt = 0.0;                // head deflection (types 4, 5)
  double rd_AxialThrust = 0.0;       // Q, compression positive
  double rd_Condition1 = 0.0;        // the case's condition 1 and 2 as given, for the report
  double rd_Condition2 = 0.0;
  int32_t i_ThrustEntry = 1;         // t: entry of the axial thrust list enclosing P
  double rd_ThrustP = 0.0;           // P: Q (in kips for US customary units)
  // Test hook: when set, the iteration calls it in place of the p-y layer pass
  // (it must set rd_SoilModulus and rd_SoilForce of every node). Tests only.
  void (*Soil_Moduli_Hook)(int iteration) = nullptr;
};

// Nodal results of the current load case and their running maxima.
struct Node_Results {
  Node_Array rd_Curvature;
  Node_Array rd_Moment;
  Node_Array rd_Shear;
  Node_Array rd_Slope;
  Node_Array rd_SoilReaction;        // p
  Node_Array rd_TotalStress;         // |Q|/A + |M| c / I
  Node_Array rd_EI_Used;             // copy of the stiffness (0 at the tip)

  // Values of the node computed last.
  double rd_CurMoment = 0.0, rd_CurShear = 0.0, rd_CurSlope = 0.0;
  double rd_CurSoilReaction = 0.0, rd_CurStress = 0.0;

  // Head values of the case completed from the results (reported values).
  double rd_HeadShear = 0.0, rd_HeadMoment = 0.0, rd_HeadSlope = 0.0;

  // Running maxima of the case (signed values of largest magnitude) and
  // their distances from the head; the largest total stress.
  double rd_MaxMoment = 0.0, rd_X_MaxMoment = 0.0;
  double rd_MaxShear = 0.0, rd_X_MaxShear = 0.0;
  double rd_MaxStress = 0.0;

  // Equilibrium check carried from node to node.
  double rd_Eq_M1 = 0.0;             // moment two nodes back (M')
  double rd_Eq_M2 = 0.0;             // moment one node back (M'')
  double rd_Eq_V = 0.0;              // shear (V')
  double rd_Eq_S = 0.0;              // slope (S')
  double rd_MaxMomentImbalance = 0.0;
  int32_t i_NodeMaxMomentImbalance = 0;
  double rd_MaxForceImbalance = 0.0;
  int32_t i_NodeMaxForceImbalance = 0;

  int32_t i_ZeroDeflectionPoints = 0;
};

// Per-case values read by the summary tables and the stiffness matrix.
struct Case_Summary {
  double rd_HeadDeflection = 0.0;
  double rd_HeadSlope = 0.0;
  double rd_HeadShear = 0.0;
  double rd_HeadMoment = 0.0;
  double rd_MaxMoment = 0.0;         // signed moment of largest magnitude along the pile
  double rd_MaxShear = 0.0;          // signed shear of largest magnitude along the pile
  double rd_X_MaxMoment = 0.0;       // its distance from the head
  double rd_X_MaxShear = 0.0;
  int32_t i_Iterations = 0;
};

// Distributed lateral loads of an LRFD analysis: the load-group profiles of
// each load type averaged over the tributary length of every node (force per
// length), rebuilt at the set-up of every LRFD load case, and the names of
// the load types used in their report.
inline constexpr int MAX_LRFD_LOAD_NODES = 505;
inline constexpr int LRFD_TYPE_COUNT = 13;
struct LRFD_Distributed_Load_State {
  Table<double, MAX_LRFD_LOAD_NODES, LRFD_TYPE_COUNT> rd_LRFD_TypeLoad;  // (node k, load type t)
  List<Text<30>, LRFD_TYPE_COUNT> LRFD_Load_Type_Names;
};

// Per case and section: the signed moment and shear of largest magnitude.
struct Section_Maximum {
  double rd_Moment = 0.0;
  int32_t i_MomentNode = 0;
  double rd_Shear = 0.0;
  int32_t i_ShearNode = 0;
};

// Pile-head deflection versus pile length: the number of lengths recorded
// for each load case (KYL) and the points of the case being studied.
inline constexpr int MAX_LENGTH_POINTS = 100;

struct Length_Point {
  double rd_Length = 0.0;            // pile length (internal length unit)
  double rd_HeadDeflection = 0.0;    // y_1
  double rd_MaxMoment = 0.0;         // signed moment of largest magnitude
  double rd_MaxShear = 0.0;          // signed shear of largest magnitude
};

struct Length_Study_State {
  List<int32_t, MAX_CASES> KYL;
  List<Length_Point, MAX_LENGTH_POINTS> points;
};

struct Solution_State {
  Pile_Model pile;
  Solver_State solver;
  Load_Case_State lc;
  Node_Results res;
  List<Case_Summary, MAX_CASES> Case_Summary_Record;
  Table<Section_Maximum, MAX_CASES, MAX_CASE_SECTIONS> Section_Maxima;  // (case, section)
  MEI_Table mei;                     // moment-EI tables of every section and thrust
  LRFD_Distributed_Load_State lrfd;  // nodal averages of the LRFD load-group profiles
  int32_t b_StiffnessMatrixRun = 0;  // L_TRUE while the stiffness matrix repeats the analysis
  int32_t i_PrintPYCurvesRequested = 0;  // the user-depth p-y request saved before the cases
  Length_Study_State study;          // deflection-length study
  Node_Property_Cache cache;         // per-node values kept within an analysis
};

}  // namespace ormyx
