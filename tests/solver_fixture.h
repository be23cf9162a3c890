// Test fixture of the lateral analysis: an elastic pile put straight into the
// run-wide records, on a uniform elastic subgrade supplied through the
// iteration's test hook, with closed-form answers of the semi-infinite beam
// on an elastic foundation.
#pragma once
#include <cmath>

#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "engine/units.h"
#include "solution/load_case.h"
#include "solution/pile_model.h"
#include "solution/results.h"
#include "solution/solver.h"

namespace solver_test {

using namespace ormyx;

// Subgrade modulus (force / length^2) the hook gives every node; nodes above
// the ground surface get none.
inline double g_subgrade = 0.0;
inline int g_hook_calls = 0;

inline void Uniform_Subgrade(int) {
  Pile_Model& pm = RS().sol.pile;
  ++g_hook_calls;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k)
    pm.rd_SoilModulus[k] = pm.rd_Depth[k] >= RS().prob.soil.rd_GroundSurfaceDepth ? g_subgrade : 0.0;
}

// One elastic section of length L, bending stiffness EI, width b and area A;
// N increments; generic units; one load case of the given type.
inline void Setup_Elastic_Pile(double L, int N, double EI, double b = 24.0, double A = 400.0) {
  Reset_Run_State();
  Run_State& s = RS();
  Problem_Options& o = s.prob.opt;
  o.IUNITS = GENERIC_UNITS;
  Set_Unit_Labels(GENERIC_UNITS);
  o.i_Analysis_Type = ANALYSIS_LATERAL;
  o.i_MaxIterations = 100;
  o.rd_ConvergenceTolerance = 1e-12;
  o.rd_MaxDeflection = 1e6;
  o.i_NumberOfIncrements = N;
  o.i_PrintIncrement = 1;
  Section_Records& sr = s.prob.sec;
  sr.i_Number_of_Sections = 1;
  sr.Pile_Section[1].i_SectionType = SECTION_ELASTIC;
  sr.Pile_Section[1].i_ShapeCode = ELASTIC_SHAPE_CIRCULAR;
  sr.Pile_Section[1].rd_Length = L;
  sr.Pile_Section[1].rd_XTop = 0.0;
  sr.Pile_Section[1].rd_XBottom = L;
  sr.Pile_Section[1].rd_ElasticModulus = EI;
  sr.Pile_Section[1].rd_TopInertia = 1.0;
  sr.Pile_Section[1].rd_BottomInertia = 1.0;
  sr.i_Number_of_Section_Points = 2;
  for (int j = 1; j <= 2; ++j) {
    Section_Property_Point& p = sr.Section_Property_Points[j];
    p.rd_X = (j == 1) ? 0.0 : L;
    p.rd_Diameter = b;
    p.rd_Modulus = EI;
    p.rd_Inertia = 1.0;
    p.rd_Area = A;
  }
  sr.rd_PileLength = L;
  s.prob.load.i_Number_of_Loads = 1;
  s.prob.load.Pile_Head_Load[1].i_LoadType = 1;
  s.sol.lc.Soil_Moduli_Hook = Uniform_Subgrade;
  g_hook_calls = 0;
}

inline void Set_Load(int type, double c1, double c2, double thrust = 0.0) {
  Pile_Head_Load_Record& p = RS().prob.load.Pile_Head_Load[1];
  p.i_LoadType = type;
  p.rd_Condition1 = c1;
  p.rd_Condition2 = c2;
  p.rd_AxialThrust = thrust;
}

// Build the nodes, iterate load case 1 and compute the nodal results.
inline void Run_Case() {
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  Clear_Case_Maxima();
  for (int k = 1; k <= RS().sol.pile.i_Number_of_Nodes; ++k) Compute_Node_Results(k);
}

// Semi-infinite beam on an elastic foundation EI y'''' + k y = 0 with head
// shear V = EI y''' and head moment M = EI y'': y = e^(-lx)(A cos lx + B sin lx).
struct Beam_Solution {
  double lambda, EI, A, B;
  double y(double x) const {
    const double l = lambda * x;
    return std::exp(-l) * (A * std::cos(l) + B * std::sin(l));
  }
  double slope(double x) const {
    const double l = lambda * x;
    return lambda * std::exp(-l) * ((B - A) * std::cos(l) - (A + B) * std::sin(l));
  }
  double moment(double x) const {
    const double l = lambda * x;
    return -2.0 * lambda * lambda * EI * std::exp(-l) * (B * std::cos(l) - A * std::sin(l));
  }
  double shear(double x) const {
    const double l = lambda * x;
    return 2.0 * lambda * lambda * lambda * EI * std::exp(-l) *
           ((A + B) * std::cos(l) + (B - A) * std::sin(l));
  }
};

inline double Lambda(double k, double EI) { return std::pow(k / (4.0 * EI), 0.25); }

// Head shear V and head moment M.
inline Beam_Solution Beam_Shear_Moment(double k, double EI, double V, double M) {
  const double l = Lambda(k, EI);
  const double B = -M / (2.0 * l * l * EI);
  const double A = V / (2.0 * l * l * l * EI) - B;
  return {l, EI, A, B};
}
// Head shear V and head slope S.
inline Beam_Solution Beam_Shear_Slope(double k, double EI, double V, double S) {
  const double l = Lambda(k, EI);
  const double sum = V / (2.0 * l * l * l * EI);
  return {l, EI, (sum - S / l) / 2.0, (sum + S / l) / 2.0};
}
// Head shear V and a rotational restraint M = Kr S.
inline Beam_Solution Beam_Shear_Rotational(double k, double EI, double V, double Kr) {
  const double l = Lambda(k, EI);
  const double r = Kr * l / (2.0 * l * l * EI + Kr * l);
  const double A = V / (2.0 * l * l * l * EI) / (1.0 + r);
  return {l, EI, A, r * A};
}
// Head deflection Y and head moment M.
inline Beam_Solution Beam_Deflection_Moment(double k, double EI, double Y, double M) {
  const double l = Lambda(k, EI);
  return {l, EI, Y, -M / (2.0 * l * l * EI)};
}
// Head deflection Y and head slope S.
inline Beam_Solution Beam_Deflection_Slope(double k, double EI, double Y, double S) {
  const double l = Lambda(k, EI);
  return {l, EI, Y, Y + S / l};
}

inline double Rel(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

}  // namespace solver_test
