// Pile-head deflection versus pile length: the load case analysed again, with
// the same head loads, soil and sections, on the full pile and on piles
// shortened in steps of 5 % of its length, until a length fails or the tip
// would come too close to the ground surface.
#include "solution/length_study.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "solution/load_case.h"
#include "solution/pile_model.h"
#include "engine/plot_records.h"
#include "solution/results.h"

namespace ormyx {

namespace {

constexpr int STUDY_ATTEMPTS = 20;
// 0.05 in single precision: the step of the length factors and the shortest
// embedment (as a fraction of the full length) that is analysed.
constexpr float LENGTH_STEP = 0.05f;
constexpr double SHORTEST_FRACTION = 0.05000000074505806;

// Factor of attempt i = 0 .. 19 on the full length: 1 - 0.05 i, evaluated in
// single precision (1, 0.949999988..., ..., 0.050000011920928955).
double fn_Length_Factor(int i) {
  const float step = LENGTH_STEP * float(i);
  const float f = 1.0f - step;
  return double(f);
}

// One value line of the head conditions: label, value and, if any, its unit.
void Condition_Line(const char* label, const std::string& value, const std::string& unit) {
  Write_Line(CH_REPORT, label + value + (unit.empty() ? std::string() : " " + unit));
}

void Write_Study_Conditions(int c) {
  const Run_State& st = RS();
  const Pile_Head_Load_Record& p = st.prob.load.Pile_Head_Load[c];
  const std::string force = std::string(st.labels.force.trimmed());
  const std::string length = std::string(st.labels.length.trimmed());
  const std::string moment = length + "-" + force;
  // Names of the two head conditions of loading types 1 to 5.
  static const char* const NAMES[6] = {"",
                                       "Shear and Moment",
                                       "Shear and Slope",
                                       "Shear and Rotational Restraint",
                                       "Deflection and Moment",
                                       "Deflection and Slope"};
  const int type = p.i_LoadType;
  if (type < 1 || type > 5) return;  // the reader admits no other loading type
  Write_Line(CH_REPORT, "Boundary Condition Type " + fmt::I0(type) + ", " + NAMES[type]);
  Write_Line(CH_REPORT);
  // Condition 1: shear (types 1 to 3) or deflection; condition 2: moment,
  // slope or rotational restraint.
  if (type <= 3)
    Condition_Line("Shear      = ", fmt::F(p.rd_Condition1, 15, 0), force);
  else
    Condition_Line("Deflection = ", fmt::F(p.rd_Condition1, 15, 5), length);
  if (type == 1 || type == 4)
    Condition_Line("Moment     = ", fmt::F(p.rd_Condition2, 15, 0), moment);
  else if (type == 3)
    Condition_Line("Rot. Rest. = ", fmt::E(p.rd_Condition2, 15, 7), moment + "/Radian");
  else
    Condition_Line("Slope      = ", fmt::F(p.rd_Condition2, 15, 5), "");
  Condition_Line("Axial Load = ", fmt::F(p.rd_AxialThrust, 15, 0), force);
}

}  // namespace

void Record_Length_Point(int c) {
  Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  Length_Study_State& ls = st.sol.study;
  const int j = ls.KYL[c];
  Clear_Case_Maxima();
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) Compute_Node_Results(k);
  Length_Point& p = ls.points[j];
  p.rd_Length = pm.rd_X[pm.i_Number_of_Nodes];
  p.rd_HeadDeflection = pm.rd_Y[1];
  p.rd_MaxMoment = st.sol.res.rd_MaxMoment;
  p.rd_MaxShear = st.sol.res.rd_MaxShear;
}

void Compute_Deflection_Versus_Length(int c) {
  Run_State& st = RS();
  if (c < 1 || c > MAX_CASES || c > MAX_LOAD_CASES) return;
  const Problem_Options& o = st.prob.opt;
  Pile_Model& pm = st.sol.pile;
  Length_Study_State& ls = st.sol.study;
  const double L0 = pm.b_PileLengthSaved ? pm.rd_SavedPileLength : pm.rd_PileLength;
  const double shortest = SHORTEST_FRACTION * L0 + st.prob.soil.rd_GroundSurfaceDepth;
  ls.KYL[c] = 0;

  for (int a = 1; a <= STUDY_ATTEMPTS; ++a) {
    for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilForce[k] = 0.0;
    for (int k = NODE_LO; k <= pm.i_Number_of_Nodes + 1; ++k) pm.rd_Y[k] = 0.0;
    Clear_Case_Maxima();
    st.sol.solver.rd_TipShear = 0.0;

    const double Li = fn_Length_Factor(a - 1) * L0;
    if (Li < shortest) break;
    Build_Nodes_For_Length(Li);
    if (Error_Recorded()) return;
    Analyse_Case(c, CASE_LENGTH_STUDY);
    if (Error_Recorded()) return;
    if (st.sol.lc.b_Converged == L_FALSE) break;
    if (std::fabs(pm.rd_Y[1]) <= o.rd_MaxDeflection &&
        st.sol.solver.rd_dYmax < o.rd_ConvergenceTolerance) {
      ls.KYL[c] = ls.KYL[c] + 1;
      Record_Length_Point(c);
    }
  }

  const int points = ls.KYL[c];
  const bool us = o.IUNITS == US_UNITS;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, fmt::X(12) + "Pile-head Deflection vs. Pile Length for Load Case " + fmt::I0(c));
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT);
  Write_Study_Conditions(c);
  Blank_Lines(CH_REPORT, 2);
  if (points >= 1) {
    Write_Line(CH_REPORT, "    Pile       Pile Head       Maximum       Maximum");
    Write_Line(CH_REPORT, "   Length      Deflection      Moment         Shear ");
    Write_Line(CH_REPORT, us ? "    feet         inches        ln-lbs          lbs "
                             : "   meters        meters         kN-m           kN  ");
    Write_Line(CH_REPORT, "------------  ------------  ------------  ------------");
    for (int j = 1; j <= points; ++j) {
      const Length_Point& p = ls.points[j];
      Write_Number(us ? p.rd_Length / 12.0 : p.rd_Length, 11);
      Write_Number(p.rd_HeadDeflection, 14);
      Write_Number(p.rd_MaxMoment, 14);
      Write_Number(p.rd_MaxShear, 14);
      End_Line();
    }
  } else {
    Write_Line(CH_REPORT,
               "No computations for top deflection vs. pile length were successful for this load case.");
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Results of last two iterations:");
    Write_Line(CH_REPORT);
  }

  Write_Plot_Line_11(points, c);
  for (int j = 1; j <= points; ++j) {
    const Length_Point& p = ls.points[j];
    Write_Plot_Line_12(p.rd_Length, p.rd_HeadDeflection, p.rd_MaxMoment, p.rd_MaxShear, us);
  }
}

}  // namespace ormyx
