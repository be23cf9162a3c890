// Pile-head stiffness matrix: twenty synthetic load cases built from load
// case 1 (ten shears with the head fixed against rotation, ten moments with
// the head held against deflection), each analysed by the ordinary secant
// iteration, give K22, K32, K23 and K33 at ten load levels.
#include "solution/stiffness_matrix.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "solution/load_case.h"
#include "engine/plot_records.h"
#include "solution/results.h"

namespace ormyx {

namespace {

// Reference loads below this (1e-7 in single precision) take the defaults.
constexpr double SMALL_REFERENCE = 1.0000000116860974e-07;
// Default reference shear and moment: 10 lbs and 100 in-lbs, or the same
// forces in kN and kN-m (single-precision values).
constexpr double US_DEFAULT_SHEAR = 10.0;
constexpr double US_DEFAULT_MOMENT = 100.0;
constexpr double SI_DEFAULT_SHEAR = 0.04448220133781433;
constexpr double SI_DEFAULT_MOMENT = 0.011298480443656445;

// Load factor of level k: 0.1 (single precision) for the first level, then
// log10(k), so that level 10 carries the full reference load.
double fn_Load_Factor(int k) { return k == 1 ? 0.10000000149011612 : std::log10(double(k)); }

// A stiffness term as load over displacement. A synthetic case whose head
// deflection (rotation) is exactly zero, or a quotient that is no finite
// number, has no defined stiffness: the term is given as 0 and flagged.
double fn_Stiffness_Term(double load, double displacement, bool& undefined) {
  if (displacement == 0.0) {
    undefined = true;
    return 0.0;
  }
  const double k = load / displacement;
  if (!std::isfinite(k)) {
    undefined = true;
    return 0.0;
  }
  return k;
}

struct Stiffness_Row {
  double rd_Shear = 0.0;       // applied shear of case k
  double rd_Moment = 0.0;      // applied moment of case 10 + k
  double K22 = 0.0, K32 = 0.0, K23 = 0.0, K33 = 0.0;
  double rd_Deflection = 0.0;  // head deflection of case k
  double rd_Rotation = 0.0;    // head rotation of case 10 + k
};

// Row k of the table from the summary records of cases k and 10 + k.
Stiffness_Row fn_Stiffness_Row(int k, bool& deflection_undefined, bool& rotation_undefined) {
  const Run_State& st = RS();
  const Case_Summary& a = st.sol.Case_Summary_Record[k];
  const Case_Summary& b = st.sol.Case_Summary_Record[STIFFNESS_LEVELS + k];
  Stiffness_Row r;
  r.rd_Shear = st.prob.load.Pile_Head_Load[k].rd_Condition1;
  r.rd_Moment = st.prob.load.Pile_Head_Load[STIFFNESS_LEVELS + k].rd_Condition2;
  r.rd_Deflection = a.rd_HeadDeflection;
  r.rd_Rotation = b.rd_HeadSlope;
  r.K22 = fn_Stiffness_Term(r.rd_Shear, a.rd_HeadDeflection, deflection_undefined);
  r.K32 = fn_Stiffness_Term(-a.rd_HeadMoment, a.rd_HeadDeflection, deflection_undefined);
  r.K23 = fn_Stiffness_Term(b.rd_HeadShear, b.rd_HeadSlope, rotation_undefined);
  r.K33 = fn_Stiffness_Term(-r.rd_Moment, b.rd_HeadSlope, rotation_undefined);
  return r;
}

// Synthetic case c did not converge or its head deflected beyond the limit.
void Write_Stiffness_Error_Block(int c, int iterations) {
  const Pile_Head_Load_Record& p = RS().prob.load.Pile_Head_Load[c];
  Blank_Lines(CH_REPORT, 3);
  Write_Line(CH_REPORT, "Error in computing pile-head stiffness matrix");
  Write_Line(CH_REPORT, "i_Analysis = " + fmt::I0(c));
  Write_Line(CH_REPORT, "Iteration Count = " + fmt::I0(iterations));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Shear Force = " + fmt::F(p.rd_Condition1, 14, 3));
  Write_Line(CH_REPORT, "Moment      = " + fmt::F(p.rd_Condition2, 14, 3));
  Write_Line(CH_REPORT);
}

// One line of a stiffness table: the head displacement of synthetic case c
// as given, then the magnitudes of its head shear and moment and of two
// stiffness terms.
void Write_Stiffness_Line(double displacement, int c, double K1, double K2) {
  const Case_Summary& cs = RS().sol.Case_Summary_Record[c];
  Write_Number(displacement, 14);
  Write_Number(std::fabs(cs.rd_HeadShear), 16);
  Write_Number(std::fabs(cs.rd_HeadMoment), 16);
  Write_Number(std::fabs(K1), 16);
  Write_Number(std::fabs(K2), 16);
  End_Line();
}

}  // namespace

void Write_Stiffness_Matrix_Table() {
  const int iunits = RS().prob.opt.IUNITS;
  const bool us = iunits == US_UNITS, si = iunits == SI_UNITS;
  bool deflection_undefined = false, rotation_undefined = false;
  Stiffness_Row rows[STIFFNESS_LEVELS + 1];
  for (int k = 1; k <= STIFFNESS_LEVELS; ++k)
    rows[k] = fn_Stiffness_Row(k, deflection_undefined, rotation_undefined);

  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, fmt::X(19) + "Computed Pile-head Stiffness Matrix Values");
  Write_Line(CH_REPORT, fmt::X(24) + "K22, K23, K32, K33 for Pile Head");
  Write_Line(CH_REPORT, fmt::X(30) + "Based on Load Case 1");
  Write_Line(CH_REPORT, std::string(80, '-'));

  // The plot records carry the signed terms; the report shows magnitudes.
  for (int k = 1; k <= STIFFNESS_LEVELS; ++k) {
    const Stiffness_Row& r = rows[k];
    Write_Plot_Line_14(r.rd_Shear, r.rd_Moment, r.K22, r.K23, r.K32, r.K33,
                       std::fabs(r.rd_Deflection), std::fabs(r.rd_Rotation));
  }

  const std::string dashes =
      "  ------------  --------------  --------------  --------------  --------------";
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "  K22 = abs(Shear Reaction/Top y)");
  Write_Line(CH_REPORT, "  K32 = abs(Moment Reaction/Top y)");
  Write_Line(CH_REPORT);
  // Generic units have no unit line.
  Write_Line(CH_REPORT, "    Pile-Top       Pile-Top        Pile-Top                                   ");
  Write_Line(CH_REPORT, "   Deflection   Shear Reaction   Moment React.       K22              K32     ");
  if (us)
    Write_Line(CH_REPORT, "     inches          lbs            in-lbs          lb/in.         in-lb/in.  ");
  else if (si)
    Write_Line(CH_REPORT, "     meters           kN             kN-m            kN/m            kN-m/m   ");
  Write_Line(CH_REPORT, dashes);
  for (int k = 1; k <= STIFFNESS_LEVELS; ++k) Write_Stiffness_Line(rows[k].rd_Deflection, k, rows[k].K22, rows[k].K32);
  if (deflection_undefined)
    Write_Line(CH_REPORT, "  K22 and K32 shown as 0 are undefined: the pile-head deflection is zero.");

  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "  K23 = abs(Shear Reaction/Top Rotation) ");
  Write_Line(CH_REPORT, "  K33 = abs(Moment Reaction/Top Rotation)");
  Write_Line(CH_REPORT);
  if (us) {
    Write_Line(CH_REPORT, "    Pile-Top       Pile-Top        Pile-Top                                  ");
    Write_Line(CH_REPORT, "    Rotation     Shear React.    Moment React.       K23              K33    ");
    Write_Line(CH_REPORT, "     radians          lbs            in-lbs         lb/rad         in-lb/rad ");
  } else {
    Write_Line(CH_REPORT, "    Pile-Top       Pile-Top        Pile-Top                                   ");
    Write_Line(CH_REPORT, "    Rotation     Shear React.    Moment React.       K23              K33     ");
    if (si)
      Write_Line(CH_REPORT, "     radians          kN             kN-m           kN/rad          kN-m/rad  ");
  }
  Write_Line(CH_REPORT, dashes);
  for (int k = 1; k <= STIFFNESS_LEVELS; ++k)
    Write_Stiffness_Line(std::fabs(rows[k].rd_Rotation), STIFFNESS_LEVELS + k, rows[k].K23, rows[k].K33);
  if (rotation_undefined)
    Write_Line(CH_REPORT, "  K23 and K33 shown as 0 are undefined: the pile-head rotation is zero.");
}

void Compute_Stiffness_Matrix() {
  Run_State& st = RS();
  Problem_Options& o = st.prob.opt;
  Loading_Records& ld = st.prob.load;
  if (o.b_ComputeKmatrix == L_FALSE) return;

  o.b_PrintSummaryOnly = L_TRUE;
  o.i_PrintPYCurves = 0;

  // Reference loads of load case 1.
  double P = ld.Pile_Head_Load[1].rd_Condition1;
  double M = ld.Pile_Head_Load[1].rd_Condition2;
  const double Q = ld.Pile_Head_Load[1].rd_AxialThrust;
  if (std::fabs(P) < SMALL_REFERENCE) {
    if (o.IUNITS == US_UNITS) P = US_DEFAULT_SHEAR;
    if (o.IUNITS == SI_UNITS) P = SI_DEFAULT_SHEAR;
  }
  if (std::fabs(M) < SMALL_REFERENCE) {
    if (o.IUNITS == US_UNITS) M = US_DEFAULT_MOMENT;
    if (o.IUNITS == SI_UNITS) M = SI_DEFAULT_MOMENT;
  }
  for (int k = 1; k <= STIFFNESS_LEVELS; ++k) {
    const double f = fn_Load_Factor(k);
    Pile_Head_Load_Record& shear_case = ld.Pile_Head_Load[k];
    shear_case.i_LoadType = 2;
    shear_case.rd_Condition1 = P * f;
    shear_case.rd_Condition2 = 0.0;
    shear_case.rd_AxialThrust = Q;
    Pile_Head_Load_Record& moment_case = ld.Pile_Head_Load[STIFFNESS_LEVELS + k];
    moment_case.i_LoadType = 4;
    moment_case.rd_Condition1 = 0.0;
    moment_case.rd_Condition2 = M * f;
    moment_case.rd_AxialThrust = Q;
  }
  const int saved_cases = ld.i_Number_of_Loads;
  ld.i_Number_of_Loads = STIFFNESS_CASES;
  // The synthetic cases are plain pile-head load cases, also in an LRFD
  // analysis: they take their own head loads, not those of a combination.
  const int32_t saved_lrfd = o.b_UseLRFD;
  o.b_UseLRFD = L_FALSE;

  Load_Case_State& lc = st.sol.lc;
  for (int c = 1; c <= STIFFNESS_CASES; ++c) {
    Analyse_Case(c, CASE_STIFFNESS);
    if (Error_Recorded()) break;
    if (lc.b_Converged == L_FALSE) {
      Write_Stiffness_Error_Block(c, lc.i_Iteration);
      break;
    }
    st.sol.b_StiffnessMatrixRun = L_TRUE;
    Write_Pile_Response(c, lc.i_IterationsUsed);  // the table follows the last case
    if (Error_Recorded()) break;
  }

  st.sol.b_StiffnessMatrixRun = L_FALSE;
  o.b_UseLRFD = saved_lrfd;
  ld.i_Number_of_Loads = saved_cases;
}

}  // namespace ormyx
