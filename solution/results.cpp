// Nodal results, the equilibrium check of the difference solution and the
// report of a load case with its plot records.
#include "solution/results.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "solution/pile_model.h"
#include "engine/plot_records.h"
#include "solution/stiffness_matrix.h"

namespace ormyx {

namespace {

double Small_To_Zero(double v) { return std::fabs(v) < 1e-20 ? 0.0 : v; }

std::string Moment_Unit() {
  const Unit_Labels& u = RS().labels;
  return std::string(u.length.trimmed()) + "-" + std::string(u.force.trimmed());
}

}  // namespace

void Clear_Case_Maxima() {
  Node_Results& r = RS().sol.res;
  r.rd_MaxMoment = r.rd_X_MaxMoment = 0.0;
  r.rd_MaxShear = r.rd_X_MaxShear = 0.0;
  r.rd_MaxStress = 0.0;
  r.rd_MaxMomentImbalance = r.rd_MaxForceImbalance = 0.0;
  r.i_NodeMaxMomentImbalance = r.i_NodeMaxForceImbalance = 0;
}

void Compute_Node_Results(int k) {
  Run_State& st = RS();
  Pile_Model& pm = st.sol.pile;
  Node_Results& r = st.sol.res;
  const Load_Case_State& lc = st.sol.lc;
  const int n = pm.i_Number_of_Nodes;
  const double h = pm.rd_h, h2 = h * h, h3 = h2 * h;
  const double Q = lc.rd_AxialThrust;
  const Node_Array& R = pm.rd_EI;
  const Node_Array& y = pm.rd_Y;
  double curv = 0.0, M = 0.0, V = 0.0, S = 0.0, eic = 0.0;

  if (k == n) {
    V = st.sol.solver.rd_TipShear;
    S = (y[n] - y[n - 1]) / h;
  } else if (k > 1) {
    curv = (y[k + 1] - 2.0 * y[k] + y[k - 1]) / h2;
    M = R[k] * curv;
    S = (y[k + 1] - y[k - 1]) / (2.0 * h);
    if (k == 2) {
      const double M3 = R[3] * (y[4] - 2.0 * y[3] + y[2]) / h2;
      V = (M3 - r.rd_Moment[1]) / (2.0 * h) + Q * (y[3] - y[1]) / (2.0 * h);
    } else {
      V = Q * S + (R[k + 1] * (y[k + 2] - 2.0 * y[k + 1] + y[k]) -
                   R[k - 1] * (y[k] - 2.0 * y[k - 1] + y[k - 2])) /
                      (2.0 * h3);
    }
    eic = R[k];
  } else {
    curv = (y[2] - 2.0 * y[1] + y[0]) / h2;
    M = R[1] * curv;
    if (lc.i_LoadingType == 5) {
      // One-sided differences at a head of given deflection and slope.
      S = (4.0 * y[2] - 3.0 * y[1] - y[3]) / (2.0 * h);
      const double M2 = R[2] * (y[3] - 2.0 * y[2] + y[1]) / h2;
      const double M3 = R[3] * (y[4] - 2.0 * y[3] + y[2]) / h2;
      V = Q * S + (4.0 * M2 - 3.0 * M - M3) / (2.0 * h);
    } else {
      S = (y[2] - y[0]) / (2.0 * h);
      V = Q * S + (R[2] * (y[3] - 2.0 * y[2] + y[1]) - R[1] * (y[1] - 2.0 * y[0] + y[-1])) / (2.0 * h3);
    }
    eic = R[1];
    const int t = lc.i_LoadingType;
    r.rd_HeadShear = (t <= 3) ? lc.rd_Pt : V;
    r.rd_HeadMoment = (t == 1 || t == 4) ? lc.rd_Mt : M;
    r.rd_HeadSlope = (t == 5) ? lc.rd_St : S;
  }
  r.rd_Curvature[k] = curv;
  r.rd_Moment[k] = M;
  r.rd_Shear[k] = V;
  r.rd_Slope[k] = S;
  r.rd_EI_Used[k] = eic;

  if (std::fabs(M) > std::fabs(r.rd_MaxMoment)) {
    r.rd_MaxMoment = M;
    r.rd_X_MaxMoment = pm.rd_X[k];
  }
  if (std::fabs(V) > std::fabs(r.rd_MaxShear)) {
    r.rd_MaxShear = V;
    r.rd_X_MaxShear = pm.rd_X[k];
  }
  const int c = lc.i_CaseIndex, sec = pm.i_SectionOfNode[k];
  if (c >= 1 && c <= MAX_CASES && sec >= 1 && sec <= MAX_CASE_SECTIONS) {
    Section_Maximum& sm = st.sol.Section_Maxima(c, sec);
    if (std::fabs(M) > std::fabs(sm.rd_Moment)) {
      sm.rd_Moment = M;
      sm.i_MomentNode = k;
    }
    if (std::fabs(V) > std::fabs(sm.rd_Shear)) {
      sm.rd_Shear = V;
      sm.i_ShearNode = k;
    }
  }

  // The soil's reaction on the pile: its modulus times the deflection relative
  // to the moving soil. The distributed load is an applied load, reported in
  // its own column, and is not part of the soil reaction.
  double p;
  if (st.prob.opt.b_UseSoilMovement != L_FALSE)
    p = -(y[k] - pm.rd_SoilMovement[k]) * pm.rd_SoilModulus[k];
  else
    p = -pm.rd_SoilModulus[k] * y[k];
  if (std::isnan(p) && y[k] == 0.0) p = 0.0;
  r.rd_SoilReaction[k] = p;

  const Section_Properties& sp = fn_Node_Section(k);
  double cdist = sp.rd_Diameter / 2.0;
  const Section_Records& sr = st.prob.sec;
  if (sec >= 1 && sec <= sr.i_Number_of_Sections) {
    const Pile_Section_Record& ps = sr.Pile_Section[sec];
    if ((ps.i_SectionType == SECTION_ELASTIC || ps.i_SectionType == SECTION_ELASTIC_PLASTIC) &&
        ps.i_ShapeCode == ELASTIC_SHAPE_EMBEDDED_POLE)
      cdist = sp.rd_StructuralWidth / 2.0;
  }
  const double sigma = (sp.rd_Inertia == 0.0 || sp.rd_Area == 0.0)
                           ? 0.0
                           : std::fabs(Q) / sp.rd_Area + std::fabs(M) * cdist / sp.rd_Inertia;
  r.rd_TotalStress[k] = sigma;
  if (sigma > r.rd_MaxStress) r.rd_MaxStress = sigma;

  r.rd_CurMoment = M;
  r.rd_CurShear = V;
  r.rd_CurSlope = S;
  r.rd_CurSoilReaction = p;
  r.rd_CurStress = sigma;
}

namespace {

void Write_Imbalance_Text(Channel ch, bool si_report) {
  Write_Line(ch);
  Write_Line(ch, "Force and moment imbalances may be too large for a good solution.");
  Write_Line(ch);
  Write_Line(ch, "The cause of the imbalance may be due to extreme changes in magnitude");
  Write_Line(ch, si_report ? "of nonlinear bending stiffness within the top three nodal points of the pile"
                           : "of nonlinear bending stiffness within three nodal points of the top of the pile");
  Write_Line(ch, "which may affect the finite difference computation of shear force.");
  Write_Line(ch);
  Write_Line(ch, "Please examine curves and printed output for deflection, moment, shear force,");
  Write_Line(ch, "and number of iterations to determine if computed values are reasonable.");
  Write_Line(ch, "If the shear force shows large changes, increase the number of nodal points");
  Write_Line(ch, "(pile increments) and repeat the analysis.");
  Write_Line(ch);
}

void Write_Imbalance_Warning(bool si) {
  const Node_Results& r = RS().sol.res;
  const std::string mu = Moment_Unit();
  const std::string fu(RS().labels.force.trimmed());
  Blank_Lines(CH_MESSAGE, 2);
  Write_Line(CH_MESSAGE, si ? "**** Warning - Possible Solution Error 550 ****"
                            : "**** Warning - POSSIBLE SOLUTION ERROR 550 ****");
  Write_Imbalance_Text(CH_MESSAGE, false);
  Write_Line(CH_MESSAGE, "Maximum internal moment imbalance for pile solution         = " +
                             fmt::E(r.rd_MaxMomentImbalance, 12, 5) + " " + mu + " at node " +
                             fmt::I0(r.i_NodeMaxMomentImbalance));
  Write_Line(CH_MESSAGE, "Maximum internal lateral force imbalance for pile  solution = " +
                             fmt::E(r.rd_MaxForceImbalance, 12, 5) + " " + fu + " at node " +
                             fmt::I0(r.i_NodeMaxForceImbalance));
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, si ? "**** Warning - Possible Solution Error 5501 ****"
                           : "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****");
  Write_Imbalance_Text(CH_REPORT, si);
  Put(CH_REPORT, "Maximum internal moment imbalance for pile        = ");
  Write_Number(r.rd_MaxMomentImbalance, 14);
  Put(CH_REPORT, " " + mu);
  End_Line();
  if (si) Write_Line(CH_REPORT);
  Put(CH_REPORT, "Maximum internal lateral force imbalance for pile = ");
  Write_Number(r.rd_MaxForceImbalance, 14);
  Put(CH_REPORT, " " + fu);
  End_Line();
  if (si) Write_Line(CH_REPORT);
}

}  // namespace

void Verify_Node_Equilibrium(int a) {
  Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  Node_Results& r = st.sol.res;
  const int n = pm.i_Number_of_Nodes;
  const double h = pm.rd_h;
  const double Q = st.sol.lc.rd_AxialThrust;
  const Node_Array& y = pm.rd_Y;
  const Node_Array& R = pm.rd_EI;
  if (a == 3) {
    r.rd_Eq_S = (y[2] - y[0]) / (2.0 * h);
    r.rd_Eq_V = R[1] * (y[3] - 2.0 * y[2] + 2.0 * y[0] - y[-1]) / (2.0 * h * h * h);
    r.rd_Eq_M1 = r.rd_Moment[1];
    r.rd_Eq_M2 = r.rd_Moment[2];
    r.rd_MaxMomentImbalance = r.rd_MaxForceImbalance = 0.0;
    r.i_NodeMaxMomentImbalance = r.i_NodeMaxForceImbalance = 0;
  }
  const bool tip = (a == n + 1);
  const double Ma = tip ? 0.0 : r.rd_Moment[a];
  double D = (Ma - r.rd_Eq_M1) / (2.0 * h);
  double S, middle;
  if (!tip) {
    S = (y[a] - y[a - 2]) / (2.0 * h);
    middle = r.rd_Eq_M2;
  } else {
    S = (y[n] - y[n - 1]) / h;
    middle = 0.0;
  }
  const double T = Q * S;
  if (tip) D = -T;
  const double V1 = r.rd_Eq_V + r.rd_Eq_S * Q;
  const double w1 = pm.rd_SoilForce[a - 2] - pm.rd_SoilModulus[a - 2] * y[a - 2];
  const double w2 = pm.rd_SoilForce[a - 1] - pm.rd_SoilModulus[a - 1] * y[a - 1];
  double If = V1 - (T + D) + (w1 + w2) * h / 2.0;
  if (tip) If -= st.sol.solver.rd_TipShear;
  const double Im = (V1 + w1 * h / 2.0) * h + Q * (y[a - 2] - y[a - 1]) + (r.rd_Eq_M1 - middle);
  if (std::fabs(Im) > std::fabs(r.rd_MaxMomentImbalance)) {
    r.rd_MaxMomentImbalance = Im;
    r.i_NodeMaxMomentImbalance = a;
  }
  if (std::fabs(If) > std::fabs(r.rd_MaxForceImbalance)) {
    r.rd_MaxForceImbalance = If;
    r.i_NodeMaxForceImbalance = a;
  }
  r.rd_Eq_V = D;
  r.rd_Eq_S = S;
  r.rd_Eq_M1 = r.rd_Eq_M2;
  r.rd_Eq_M2 = Ma;
  if (!tip) return;

  const Problem_Options& o = st.prob.opt;
  const double im = std::fabs(r.rd_MaxMomentImbalance);
  const double lim = (o.IUNITS == US_UNITS) ? 1.0 : 0.00011298;
  if (o.IUNITS != US_UNITS && o.IUNITS != SI_UNITS) return;
  if (im <= lim) {
    if (o.b_PrintSummaryOnly == L_FALSE && o.b_ComputeKmatrix == L_FALSE) {
      Write_Line(CH_REPORT);
      Write_Line(CH_REPORT,
                 "Output Verification: Computed forces and moments are within specified convergence "
                 "limits.");
      Write_Line(CH_REPORT);
    }
  } else {
    Write_Imbalance_Warning(o.IUNITS == SI_UNITS);
  }
}

namespace {

void Head_Line(const std::string& label, const std::string& value, const std::string& unit) {
  Put(CH_REPORT, label);
  Tab_To(CH_REPORT, 56);
  Put(CH_REPORT, "= " + value + unit);
  End_Line(CH_REPORT);
}

void Write_Head_Conditions(bool si) {
  const Load_Case_State& lc = RS().sol.lc;
  const std::string v1 = fmt::F(lc.rd_Condition1, 15, 3);
  const std::string v2 = fmt::F(lc.rd_Condition2, 15, 3);
  const std::string q = fmt::F(lc.rd_AxialThrust, 15, 3);
  switch (lc.i_LoadingType) {
    case 1:
      Write_Line(CH_REPORT, "Pile-head conditions are Shear and Moment (Loading Type 1)");
      Write_Line(CH_REPORT);
      Head_Line("Shear force at pile head", v1, si ? " kN" : " lbs");
      Head_Line("Applied moment at pile head        ", v2, si ? " kN-m" : " in-lbs");
      Head_Line("Axial thrust load on pile head     ", q, si ? " kN" : " lbs");
      Write_Line(CH_REPORT);
      break;
    case 2:
      Write_Line(CH_REPORT, "Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)");
      Write_Line(CH_REPORT);
      Head_Line("Shear force at pile head", v1, si ? " kN" : " lbs");
      Head_Line("Rotation of pile head   ", fmt::E(lc.rd_Condition2, 15, 3), " radians");
      Head_Line("Axial load at pile head ", q, si ? " kN" : " lbs");
      Write_Line(CH_REPORT);
      if (std::fabs(lc.rd_Condition2) < 1e-10)
        Write_Line(CH_REPORT, "(Zero slope for this load indicates fixed-head conditions)");
      else
        Write_Line(CH_REPORT,
                   "(Non-zero slope for this load does indicates rotated pile-head condition)");
      Write_Line(CH_REPORT);
      break;
    case 3:
      Write_Line(CH_REPORT,
                 "Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)");
      Head_Line("Shear force at pile head", v1, si ? " kN" : " lb");
      Head_Line("Rotational stiffness    ", v2, si ? " kN-m/rad" : " in-lb/rad");
      Head_Line("Axial load at pile head ", q, si ? " kN" : " lbs");
      Write_Line(CH_REPORT);
      break;
    case 4:
      Write_Line(CH_REPORT, "Pile-head conditions are Displacement and Moment (Loading Type 4)");
      Head_Line("Displacement of pile head", fmt::F(lc.rd_Condition1, 15, 6),
                si ? " meters" : " inches");
      Head_Line("Moment at pile head      ", v2, si ? " kN-m" : " in-lbs");
      Head_Line("Axial load at pile head  ", q, si ? " kN" : " lbs");
      Write_Line(CH_REPORT);
      break;
    default:
      Write_Line(CH_REPORT,
                 "Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)");
      Head_Line("Displacement of pile head", fmt::F(lc.rd_Condition1, 15, 6),
                si ? " meters" : " inches");
      Head_Line("Rotation of pile head    ", fmt::E(lc.rd_Condition2, 15, 3), " radians");
      Head_Line("Axial load on pile head  ", q, si ? " kN" : " lbs");
      Write_Line(CH_REPORT);
      break;
  }
}

void Write_Table_Header(bool si) {
  Write_Line(CH_REPORT,
             "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
             "Soil Spr.   Distrib. ");
  Write_Line(CH_REPORT,
             "     X         y        Moment     Force         S       Stress   Stiffness      p     "
             "    Es*h    Lat. Load ");
  if (si)
    Write_Line(CH_REPORT,
               "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m   "
               "     kN/m      kN/m    ");
  else
    Write_Line(CH_REPORT,
               "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in  "
               "    lb/inch    lb/inch ");
  Write_Line(CH_REPORT,
             "---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- "
             "---------- ----------");
}

void Write_Table_Row(int k, bool us) {
  const Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  const Node_Results& r = st.sol.res;
  const int n = pm.i_Number_of_Nodes;
  Write_Number(us ? pm.rd_X[k] / 12.0 : pm.rd_X[k], 10);
  Write_Number(Small_To_Zero(pm.rd_Y[k]), 11);
  Write_Number(Small_To_Zero(r.rd_Moment[k]), 11);
  Write_Number(Small_To_Zero(r.rd_Shear[k]), 11);
  Write_Number(r.rd_Slope[k], 11);
  Write_Number(r.rd_TotalStress[k], 11);
  Write_Number(r.rd_EI_Used[k], 11);
  Write_Number(r.rd_SoilReaction[k], 11);
  const double spring = pm.rd_SoilModulus[k] * pm.rd_h * ((k == 1 || k == n) ? 0.5 : 1.0);
  Write_Number(spring, 11);
  Write_Number(pm.rd_SoilForce[k], 11);
  End_Line();
}

void Summary_Line(const char* label, double v, const char* unit) {
  Put(CH_REPORT, label);
  Write_Number(v, 14);
  Put(CH_REPORT, unit);
  End_Line();
}

}  // namespace

void Write_Pile_Response(int c, int iterations) {
  Run_State& st = RS();
  const Problem_Options& o = st.prob.opt;
  Pile_Model& pm = st.sol.pile;
  Node_Results& r = st.sol.res;
  const int n = pm.i_Number_of_Nodes;
  const bool us = o.IUNITS == US_UNITS, si = o.IUNITS == SI_UNITS;
  const bool stiff = st.sol.b_StiffnessMatrixRun != L_FALSE;
  const bool brief = o.b_PrintSummaryOnly != L_FALSE;
  const bool lrfd = o.b_UseLRFD != L_FALSE;
  const bool have_case = c >= 1 && c <= MAX_CASES;

  if (!stiff) {
    if (!brief) {
      Blank_Lines(CH_REPORT, 2);
      Write_Line(CH_REPORT, std::string(80, '-'));
      Write_Line(CH_REPORT, fmt::X(17) + "Computed Values of Pile Loading and Deflection");
      if (lrfd) {
        Write_Line(CH_REPORT, fmt::X(17) + "for Lateral Loading for LRFD Load Case Number " + fmt::I0(c));
        Write_Line(CH_REPORT);
        std::string name;
        if (c >= 1 && c <= MAX_LRFD_COMBINATIONS)
          name = std::string(st.prob.load.LRFD_Combination[c].name.trimmed());
        Write_Line(CH_REPORT, "Load Case No. " + fmt::I0(c) + ":  " + name);
        Blank_Lines(CH_REPORT, 2);
      } else {
        Write_Line(CH_REPORT, fmt::X(19) + "for Lateral Loading for Load Case Number " + fmt::I0(c));
      }
      Write_Line(CH_REPORT, std::string(80, '-'));
      Write_Line(CH_REPORT);
    }
    if (c == 1) Write_Plot_Line_9(st.prob.load.i_Number_of_Loads, n, o.IUNITS);
    if (!brief && (us || si)) Write_Head_Conditions(si);
  }

  Clear_Case_Maxima();
  if (!brief && (us || si)) Write_Table_Header(si);
  const int inc = o.i_PrintIncrement >= 1 ? o.i_PrintIncrement : 1;
  for (int k = 1; k <= n; ++k) {
    Compute_Node_Results(k);
    if (k >= 3 && k <= n - 1) Verify_Node_Equilibrium(k);
    if (!stiff)
      Write_Plot_Line_10(k, pm.rd_X[k], pm.rd_Y[k], r.rd_Moment[k], r.rd_Shear[k],
                         r.rd_SoilReaction[k], r.rd_EI_Used[k]);
    if (k == 1 && have_case) {
      Case_Summary& cs = st.sol.Case_Summary_Record[c];
      cs.rd_HeadSlope = r.rd_HeadSlope;
      cs.rd_HeadShear = r.rd_HeadShear;
      cs.rd_HeadMoment = r.rd_HeadMoment;
      cs.rd_HeadDeflection = pm.rd_Y[1];
    }
    if ((k - 1) % inc == 0 && !brief) Write_Table_Row(k, us);
  }
  Verify_Node_Equilibrium(n + 1);

  if (!brief && o.i_Analysis_Type == ANALYSIS_LATERAL) {
    bool nonlinear = false;
    for (int s = 1; s <= st.prob.sec.i_Number_of_Sections; ++s)
      if (st.prob.sec.Pile_Section[s].i_SectionType != SECTION_ELASTIC) nonlinear = true;
    Write_Line(CH_REPORT);
    if (nonlinear) {
      Write_Line(CH_REPORT,
                 "* This analysis makes computations of pile response using nonlinear "
                 "moment-curvature relationships. ");
      Write_Line(CH_REPORT,
                 "  The above values of total stress are computed for combined axial and bending "
                 "stress in elastic ");
      Write_Line(CH_REPORT,
                 "  sections and do not equal actual stresses in concrete and steel in the range of "
                 "nonlinear bending. ");
    } else {
      Write_Line(CH_REPORT, "* The above values of total stress are combined axial and bending stress. ");
    }
    Write_Line(CH_REPORT);
  }

  if (have_case) {
    Case_Summary& cs = st.sol.Case_Summary_Record[c];
    cs.rd_MaxMoment = r.rd_MaxMoment;
    cs.rd_MaxShear = r.rd_MaxShear;
    cs.rd_X_MaxMoment = r.rd_X_MaxMoment;
    cs.rd_X_MaxShear = r.rd_X_MaxShear;
    cs.i_Iterations = iterations;
  }

  int z = 0;
  for (int k = 1; k <= n; ++k) {
    const double a = pm.rd_Y[k], b = pm.rd_Y[k + 1];
    if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++z;
  }
  r.i_ZeroDeflectionPoints = z;

  if (!brief) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Output Summary for Load Case No. " + fmt::I0(c) + ":");
    Write_Line(CH_REPORT);
    if (us || si) {
      const char* len = us ? " inches" : " meters";
      const char* below = us ? " inches below pile head" : " meters below pile head";
      Summary_Line("Pile-head deflection             = ", pm.rd_Y[1], len);
      Summary_Line("Computed slope at pile head      = ", r.rd_HeadSlope, " radians");
      Summary_Line("Maximum bending moment           = ", r.rd_MaxMoment, us ? " inch-lbs" : " kN-m");
      Summary_Line("Maximum shear force              = ", r.rd_MaxShear, us ? " lbs" : " kN");
      Summary_Line("Depth of maximum bending moment  = ", r.rd_X_MaxMoment, below);
      Summary_Line("Depth of maximum shear force     = ", r.rd_X_MaxShear, below);
      Put(CH_REPORT, "Number of iterations             = ");
      Write_Integer(iterations, 14);
      End_Line();
      Put(CH_REPORT, "Number of zero deflection points = ");
      Write_Integer(z, 14);
      End_Line();
      Write_Line(CH_REPORT);
    }
  }

  // The stiffness matrix table follows the last of its synthetic cases.
  if (stiff && c == STIFFNESS_CASES) Write_Stiffness_Matrix_Table();
}

}  // namespace ormyx
