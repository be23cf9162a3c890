// The analysis of one load case by secant iteration: set-up, the iteration
// with its stops (excessive deflection, not-a-number, layers without nodes,
// non-convergence with its advice), and the run steps that divide the pile
// into nodes and run each load case with its reporting.
#include "solution/load_case.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "pycurves/py_user_depths.h"
#include "solution/length_study.h"
#include "solution/lrfd_loads.h"
#include "solution/pile_model.h"
#include "engine/plot_records.h"
#include "solution/py_interface.h"
#include "solution/results.h"
#include "solution/solver.h"

namespace ormyx {

namespace {

std::string Length_Label() { return std::string(RS().labels.length.view()); }

bool Layer_Model_Is(int L, std::string_view keyword) {
  const Soil_Records& soil = RS().prob.soil;
  const int code = soil.i_SoilLayer_py_Type[L];
  if (code < 1 || code > MAX_SOIL_MODELS) return false;
  return soil.Soil_Model_Names[code].trimmed() == keyword;
}

int Layer_Count() {
  const int nl = RS().prob.soil.i_Number_of_Layers;
  return nl < 0 ? 0 : (nl > MAX_LAYERS ? MAX_LAYERS : nl);
}

// Thrust P of the current case for the stiffness lookup (kips for US units).
double Lookup_Thrust() {
  const double Q = RS().sol.lc.rd_AxialThrust;
  return RS().prob.opt.IUNITS == US_UNITS ? Q / 1000.0 : Q;
}

void Write_Excess_Deflection_Block(Channel ch, bool report) {
  const Run_State& st = RS();
  const std::string lab = Length_Label();
  Blank_Lines(ch, 2);
  Write_Line(ch, "**** Runtime Error No. 9 ****");
  Write_Line(ch);
  Write_Line(ch, "An error in the analysis was detected by the program.  ");
  Write_Line(ch);
  Write_Line(ch, "Problem:  The computed deflection is larger than the specified excess deflection limit.");
  Write_Line(ch);
  Write_Line(ch, "The computed deflection of the pile head is " + fmt::E(st.sol.pile.rd_Y[1], 12, 4) +
                     " " + lab);
  Write_Line(ch);
  Write_Line(ch, "The specified excess deflection limit is    " +
                     fmt::E(st.prob.opt.rd_MaxDeflection, 12, 4) + " " + lab);
  Write_Line(ch);
  Write_Line(ch, "This error may be due to overloading the pile or bad input data.");
  Blank_Lines(ch, report ? 2 : 1);
  Write_Line(ch, "Solution:");
  if (report) Write_Line(ch);
  Write_Line(ch, "Please check input values for pile loading and soil properties for accuracy and/or ");
  Write_Line(ch, "increase the size of the pile if necessary.");
}

void Write_Thin_Layer_Block(Channel ch, int L, bool report) {
  const Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  const int n = pm.i_Number_of_Nodes;
  const std::string lab = Length_Label();
  const double thick = st.prob.soil.XLayerBottom[L] - st.prob.soil.XLayerTop[L];
  const double est = thick > 0.0 ? std::trunc(pm.rd_PileLength / thick) : 0.0;
  const long long K = (est >= 2147483647.0 || !std::isfinite(est)) ? 2147483647LL : (long long)est;
  Blank_Lines(ch, 2);
  Write_Line(ch, "**** Runtime Error No. 29 ****");
  Write_Line(ch);
  Write_Line(ch, "PROBLEM:  The thickness of layer " + fmt::I0(L) +
                     " was too thin to contain a nodal point.");
  Write_Line(ch, report ? "          This layer lacks a nodal point and this prevents the correct "
                          "computation of p-y curves for the layer . "
                        : "          This layer lacks a nodal point and this prevents the correct "
                          "computation of the layer's p-y curves. ");
  Write_Line(ch, "          The thickness of layer " + fmt::I0(L) + " is " + fmt::F(thick, 9, 3) + " " +
                     lab + " and the pile increment length is " +
                     fmt::F(pm.rd_PileLength / (n - 1), 9, 3) + " " + lab);
  Write_Line(ch, "          The current number of pile increments is " + fmt::I0(n - 1) + ".");
  Write_Line(ch,
             "          The estimated minimum number of increments needed to get at least one nodal "
             "point in the layer is " +
                 fmt::I0(K) + ".");
  Write_Line(ch);
  Write_Line(ch, "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are "
                 "allowed in Ormyx.");
  Write_Line(ch, "          If this error occurs with the maximum number of pile increments, you "
                 "will need to combine the thinnest");
  Write_Line(ch, "          soil layer with an adjacent layer.");
  Blank_Lines(ch, 2);
}

// Every layer below the first that lies above the tip must hold a node,
// unless it sits below rock or its layered-soil correction is already done.
bool Check_Layer_Coverage() {
  const Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  const int n = pm.i_Number_of_Nodes;
  for (int L = 2; L <= Layer_Count(); ++L) {
    if (pm.i_TopNodeInLayer[L] != 0) continue;
    if (!(st.prob.soil.XLayerTop[L] < pm.rd_Depth[n])) continue;
    if (!fn_Layer_Lacks_Equivalent_Depth(L) || fn_Layer_Has_Rock_Above(L)) continue;
    Write_Thin_Layer_Block(CH_REPORT, L, true);
    Write_Thin_Layer_Block(CH_MESSAGE, L, false);
    Store_Error_Number(229);
    return false;
  }
  return true;
}

void Write_Progress(Channel ch, int c, int i, bool report) {
  const Run_State& st = RS();
  const Solver_State& sv = st.sol.solver;
  const std::string vals = fmt::E(st.sol.pile.rd_Y[1], 12, 4) + ", dYmax =" + fmt::E(sv.rd_dYmax, 12, 4) +
                           ", Delta dYmax =" + fmt::E(sv.rd_Delta_dYmax, 12, 4);
  if (report) {
    Put(ch, "For Analysis Case " + fmt::I0(c) + ", Iteration " + fmt::I0(i) + ",");
    Tab_To(ch, 37);
    Put(ch, " Y(top) =" + vals);
  } else {
    Put(ch, "Analysis Case " + fmt::I0(c) + ",");
    Tab_To(ch, 20);
    Put(ch, "Iteration " + fmt::I0(i) + ",");
    Tab_To(ch, 36);
    Put(ch, "Y(top) =" + vals);
  }
  End_Line(ch);
}

void Write_Tolerance_Advice(bool si, bool short_si_limit) {
  const std::string lab = Length_Label();
  const double dy = RS().sol.solver.rd_dYmax;
  Write_Line(CH_REPORT, "The current value for convergence tolerance is less than the recommended upper limit of ");
  Write_Line(CH_REPORT, si ? "0.00000254 meters, so a solution is possible if the convergence tolerance is raised to a value "
                           : "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a value ");
  Write_Line(CH_REPORT, "greater than " + fmt::E(dy, 12, 4) + " " + lab + ".");
  Write_Line(CH_REPORT);
  if (!si)
    Write_Line(CH_REPORT, "It is recommended that the convergence tolerance not be raised above 0.0001 inches.");
  else if (short_si_limit)
    Write_Line(CH_REPORT, "It is recommended that the convergence tolerance not be raised above 2.54E-6 meters.");
  else
    Write_Line(CH_REPORT, "It is recommended that the convergence tolerance not be raised above 0.00000254 meters.");
  Write_Line(CH_REPORT);
}

}  // namespace

void Write_Nonconvergence_Block() {
  const Run_State& st = RS();
  const Problem_Options& o = st.prob.opt;
  const Solver_State& sv = st.sol.solver;
  const std::string lab = Length_Label();
  const int maxit = o.i_MaxIterations;
  const double tol = o.rd_ConvergenceTolerance;
  const double dy = sv.rd_dYmax, ddy = sv.rd_Delta_dYmax;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(36, '-'));
  Write_Line(CH_REPORT, "  ****  Runtime Error No. 10  ****  ");
  Write_Line(CH_REPORT, std::string(36, '-'));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "The analysis failed to converge within the limit of " + fmt::I0(maxit) + " iterations.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Maximum change in nodal deflections                      = " + fmt::E(dy, 12, 4) + " " + lab);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Maximum change in nodal deflections from prior iteration = " + fmt::E(ddy, 12, 4) + " " + lab);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Specified convergence tolerance on nodal deflections     = " + fmt::E(tol, 12, 4) + " " + lab);
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(77, '-'));
  Write_Line(CH_REPORT, "         Analysis of Convergence Performance and Recommendations for         ");
  Write_Line(CH_REPORT, "         Modification of Iterations Limit and Convergence Tolerance          ");
  Write_Line(CH_REPORT, std::string(77, '-'));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "The following recommendations are made on the basis of an analysis of ");
  Write_Line(CH_REPORT, "convergence performancefor the last analysis. ");
  Write_Line(CH_REPORT);

  const bool us = o.IUNITS == US_UNITS, si = o.IUNITS == SI_UNITS;
  const double lim = us ? double(0.0001f) : double(0.00000254f);
  const double X = std::fabs(maxit + (dy - tol) / ddy);
  // An estimate that is not a finite number (no change between the last two
  // iterations) cannot be turned into a count of iterations.
  if (!std::isfinite(X)) {
    Write_Line(CH_REPORT, "The estimated number of iterations needed to obtain a solution cannot be computed.");
    Write_Line(CH_REPORT, "for the current criteria values.");
    Write_Line(CH_REPORT);
    if (us && tol < lim && maxit <= 1000 && dy < lim) Write_Tolerance_Advice(false, false);
    if (si && tol < lim && dy < lim) Write_Tolerance_Advice(true, true);
    return;
  }
  const long long N = X >= 9.0e18 ? 9000000000000000000LL : (long long)X;
  Write_Line(CH_REPORT, "The estimated number of iterations needed to obtain a solution for the current convergence ");
  Write_Line(CH_REPORT, "tolerance value is " + fmt::I0(N) + " iterations.");
  Write_Line(CH_REPORT);
  if (!us && !si) return;
  if (tol < lim && (si || maxit <= 1000)) {
    if (N < 1000) {
      Write_Line(CH_REPORT, "A solution may be possible by increasing the maximum number of iterations to above this value.");
    } else if (N > 1000) {
      Write_Line(CH_REPORT, si ? "The estimated number of iterations required to obtain a solution is greater than 1,000, so a "
                               : "The estimated number of iterations required to obtain a solution is greater than 1000, so a ");
      Write_Line(CH_REPORT, "solution can only be obtained if the convergence tolerance is increased in value.");
      Write_Line(CH_REPORT);
    }
    if (dy < lim) Write_Tolerance_Advice(si, false);
  }
  if (dy >= lim) {
    if (N < 1000 && maxit < 1000) {
      Write_Line(CH_REPORT, "The analysis of convergence performance found that it is not likely that a ");
      Write_Line(CH_REPORT, "solution can be obtained by changing the solution criteria for this problem. ");
      Write_Line(CH_REPORT, "However, the maximum number of iterations is less than 1000, so a solution ");
      Write_Line(CH_REPORT, "may be obtained by raising the maximum number of iterations to 1000.");
      Write_Line(CH_REPORT);
    } else if (N == 1000 && maxit < 1000) {
      // nothing to add
    } else {
      Write_Line(CH_REPORT, "The analysis of convergence performance found that it is not possible to obtain a ");
      Write_Line(CH_REPORT, "solution by changing the solution criteria for this problem. This indicates that  ");
      Write_Line(CH_REPORT, "the pile is loaded above its structural and/or geotechnical capacity.");
    }
  }
}

namespace {

// Head conditions, axial thrust and thrust entry of load case c.
void Set_Case_Loads(int c) {
  Run_State& st = RS();
  Load_Case_State& lc = st.sol.lc;
  lc.rd_Pt = lc.rd_Mt = lc.rd_St = lc.rd_Kr = lc.rd_Yt = 0.0;
  if (st.prob.opt.b_UseLRFD != L_FALSE) {
    const LRFD_Factored_Load_Record& f = st.prob.load.LRFD_Factored_Load[c];
    lc.i_LoadingType = 1;
    lc.rd_Pt = f.rd_Shear;
    lc.rd_Mt = f.rd_Moment;
    lc.rd_AxialThrust = f.rd_Axial;
    lc.rd_Condition1 = f.rd_Shear;
    lc.rd_Condition2 = f.rd_Moment;
  } else {
    const Pile_Head_Load_Record& p = st.prob.load.Pile_Head_Load[c];
    lc.i_LoadingType = (p.i_LoadType >= 1 && p.i_LoadType <= 5) ? p.i_LoadType : 1;
    lc.rd_AxialThrust = p.rd_AxialThrust;
    lc.rd_Condition1 = p.rd_Condition1;
    lc.rd_Condition2 = p.rd_Condition2;
    switch (lc.i_LoadingType) {
      case 1: lc.rd_Pt = p.rd_Condition1; lc.rd_Mt = p.rd_Condition2; break;
      case 2: lc.rd_Pt = p.rd_Condition1; lc.rd_St = p.rd_Condition2; break;
      case 3: lc.rd_Pt = p.rd_Condition1; lc.rd_Kr = p.rd_Condition2; break;
      case 4: lc.rd_Yt = p.rd_Condition1; lc.rd_Mt = p.rd_Condition2; break;
      default: lc.rd_Yt = p.rd_Condition1; lc.rd_St = p.rd_Condition2; break;
    }
  }
  st.sol.solver.rd_TipShear = 0.0;
}

void Update_Stiffness() {
  Load_Case_State& lc = RS().sol.lc;
  lc.rd_ThrustP = Lookup_Thrust();
  lc.i_ThrustEntry = fn_Thrust_Entry(lc.rd_ThrustP);
  if (lc.i_ThrustEntry >= 1) Update_EI_From_Moment(lc.i_ThrustEntry, lc.rd_ThrustP);
}

}  // namespace

int fn_Thrust_Entry(double P) {
  const Loading_Records& ld = RS().prob.load;
  const int m = ld.i_Number_of_Thrusts < MAX_THRUSTS ? ld.i_Number_of_Thrusts : MAX_THRUSTS;
  if (m < 1) return 0;
  const auto& T = ld.Axial_Thrust_List;
  for (int t = 1; t < m; ++t)
    if (T[t] <= P && P < T[t + 1]) return t;
  return P >= T[m] ? m : 1;
}

void Update_EI_From_Moment(int t, double P) {
  Run_State& st = RS();
  Pile_Model& pm = st.sol.pile;
  const Section_Records& sr = st.prob.sec;
  const Loading_Records& ld = st.prob.load;
  const bool us = st.prob.opt.IUNITS == US_UNITS;
  const double scale = us ? 1000.0 : 1.0;
  const int n = pm.i_Number_of_Nodes;
  const int nsec = sr.i_Number_of_Sections < MAX_SECTIONS ? sr.i_Number_of_Sections : MAX_SECTIONS;
  const int m = ld.i_Number_of_Thrusts < MAX_THRUSTS ? ld.i_Number_of_Thrusts : MAX_THRUSTS;
  if (nsec < 1 || t < 1 || t > m) return;
  // Section of node k: the first whose bottom lies at or below it. A section
  // that ends above one node ends above every deeper node too, so the search
  // goes on from the section of the node above (from the first again should
  // the nodes not descend).
  int first = 1;
  double x_prev = -HUGE_VAL;
  for (int k = 1; k <= n; ++k) {
    const double xk = pm.rd_X[k];
    if (!(xk >= x_prev)) first = 1;
    x_prev = xk;
    const int ks = pm.i_SectionOfNode[k];
    if (ks >= 1 && ks <= nsec && sr.Pile_Section[ks].i_SectionType == SECTION_ELASTIC) continue;
    int s = nsec;
    int j = first;
    for (; j <= nsec; ++j)
      if (2 * j <= sr.i_Number_of_Section_Points && sr.Section_Property_Points[2 * j].rd_X >= xk) {
        s = j;
        break;
      }
    first = j;
    Compute_Node_Results(k);
    const double moment = st.sol.res.rd_Moment[k] / scale;
    if (sr.Pile_Section[s].i_SectionType == SECTION_ELASTIC_PLASTIC) {
      const double Mp = pm.rd_PlasticMoment[k] / scale;
      const MEI_Entry& e = st.sol.mei.entry(s, t);
      const double first = e.i_Number_of_Points >= 1 ? e.rd_Moment[1] : 0.0;
      const double Mref = std::fmax(first, std::fabs(moment));
      const double EIe = fn_Node_Section(k).rd_EI;
      const double phi =
          k < n ? (pm.rd_Y[k + 1] - 2.0 * pm.rd_Y[k] + pm.rd_Y[k - 1]) / (pm.rd_h * pm.rd_h) : 0.0;
      bool plastic = Mp <= Mref;
      // A node that has softened is judged by the elastic moment of its
      // curvature: its moment with the softened stiffness dips below Mp as soon
      // as the curvature shrinks a little, although the curvature is still past
      // yield, and falling back to EIe then overshoots Mp by far, after which
      // the moment settles back onto Mp from above only slowly (a fixed head at
      // 40 kips stopped within the tolerance at 1.08 Mp). Such a node stays at
      // Mp while the elastic moment exceeds Mp. Nodes that were never plastic
      // keep the moment rule alone.
      double& hinge = pm.rd_Hinge[k];  // 0 never plastic, 1 plastic, 2 fell back
      if (!plastic && hinge != 0.0 && std::fabs(phi) * EIe / scale > Mp) plastic = true;
      if (plastic) {
        if (k < n && phi != 0.0) pm.rd_EI[k] = std::fabs(Mp / phi) * scale;
        hinge = 1.0;
      } else {
        pm.rd_EI[k] = EIe;
        if (hinge != 0.0) hinge = 2.0;
      }
      continue;
    }
    const double ei1 = MEI_EI_At_Node(k, s, t, moment);
    double ei = ei1;
    if (t < m && P > ld.Axial_Thrust_List[1]) {
      const double ei2 = MEI_EI_At_Node(k, s, t + 1, moment);
      const double t0 = ld.Axial_Thrust_List[t], t1 = ld.Axial_Thrust_List[t + 1];
      ei = ei2 - (ei2 - ei1) * (t1 - P) / (t1 - t0);
    }
    pm.rd_EI[k] = ei;
  }
}

void Analyse_Load_Case(int c) { Analyse_Case(c, CASE_REPORTED); }

void Analyse_Case(int c, Case_Mode mode) {
  Run_State& st = RS();
  Pile_Model& pm = st.sol.pile;
  Load_Case_State& lc = st.sol.lc;
  const Problem_Options& o = st.prob.opt;
  const bool reported = mode == CASE_REPORTED;
  const int ncase_limit = o.b_UseLRFD != L_FALSE ? MAX_LRFD_COMBINATIONS : MAX_LOAD_CASES;
  if (c < 1 || c > ncase_limit || c > MAX_CASES) return;

  lc.i_CaseIndex = c;
  lc.i_Iteration = 0;
  lc.i_IterationsUsed = 0;
  lc.b_Converged = L_FALSE;
  // A length of the deflection-length study arrives with its nodes built for
  // the shortened pile, and its warnings count for the case it studies.
  if (mode != CASE_LENGTH_STUDY) Build_Nodes();
  if (Error_Recorded()) return;
  Invalidate_Node_Cache();
  const int n = pm.i_Number_of_Nodes;
  if (reported) Write_Line(CH_MESSAGE, "Computing lateral response of pile for load number " + fmt::I0(c));
  if (mode != CASE_LENGTH_STUDY) Reset_Warning_Counters();
  for (int k = 1; k <= n + 1; ++k) pm.rd_Y[k] = 0.0;

  if (o.b_UseLRFD != L_FALSE) {
    // The combination's distributed loads: the load-group profiles averaged
    // over each node's tributary length, weighted by the load factors.
    Prepare_LRFD_Distributed_Loads();
    for (int k = 1; k <= n; ++k) pm.rd_SoilForce[k] = fn_LRFD_Node_Load(k, c);
  }

  const int nl = Layer_Count();
  for (int k = 1; k <= n; ++k) {
    pm.rd_SoilModulus[k] = (pm.rd_Depth[k] >= st.prob.soil.rd_GroundSurfaceDepth) ? 50000.0 : 0.0;
    for (int L = 1; L <= nl; ++L) {
      if (pm.i_TopNodeInLayer[L] == 0 || !Layer_Model_Is(L, "Vuggy LS")) continue;
      Setup_Vuggy_Limestone_Layer(L);
      if (Error_Recorded()) return;
    }
  }

  Set_Case_Loads(c);
  if (o.i_Analysis_Type >= ANALYSIS_LATERAL) {
    Update_Stiffness();
    if (Error_Recorded()) return;
  }

  const int maxit = o.i_MaxIterations;
  const double tol = o.rd_ConvergenceTolerance;
  Solver_State& sv = st.sol.solver;
  int i = 0;
  bool converged = false;
  for (i = 1; i <= maxit; ++i) {
    lc.i_Iteration = i;
    Solve_Beam_Column(i);
    if (Error_Recorded()) return;
    const double y1 = pm.rd_Y[1];
    if (std::isnan(y1) || std::isnan(sv.rd_dYmax)) {
      // A length of the study whose deflections are no numbers gets no point
      // and ends the study, rather than feeding them to the p-y curves.
      if (mode == CASE_LENGTH_STUDY) return;
      Write_Line(CH_REPORT, "**** Runtime Error No. 28 ****");
      Write_Line(CH_REPORT);
      if (mode == CASE_STIFFNESS)
        Write_Line(CH_REPORT,
                   "Either top deflection or maximum change in deflection is not a number after "
                   "iteration " + fmt::I0(i));
      else
        Write_Line(CH_REPORT, (std::isnan(y1) ? "Top deflection is Not-A-Number after iteration "
                                              : "Maximum change in deflection is Not-A-Number after iteration ") +
                                  fmt::I0(i));
      Store_Error_Number(228);
      return;
    }
    if (reported) {
      Write_Progress(CH_MESSAGE, c, i, false);
      if (i > maxit - 5) Write_Progress(CH_REPORT, c, i, true);
    }
    if (std::fabs(sv.rd_dYmax) <= tol && i >= 6) {
      converged = true;
      break;
    }
    if (i >= 11 && std::fabs(y1) >= o.rd_MaxDeflection) {
      if (!reported) return;
      Write_Excess_Deflection_Block(CH_REPORT, true);
      Write_Excess_Deflection_Block(CH_MESSAGE, false);
      Record_Runtime_Error(9);
      return;
    }
    if (lc.Soil_Moduli_Hook)
      lc.Soil_Moduli_Hook(i);
    else
      Compute_Soil_Moduli(i);
    if (Error_Recorded()) return;
    if (reported && i == 1 && !Check_Layer_Coverage()) return;
    if (o.i_Analysis_Type >= ANALYSIS_LATERAL) {
      Update_Stiffness();
      if (Error_Recorded()) return;
    }
  }
  lc.i_IterationsUsed = converged ? i : (maxit > 0 ? maxit : 0);
  if (!converged) {
    if (!reported) return;
    Write_Nonconvergence_Block();
    Record_Runtime_Error(10);
    return;
  }
  lc.b_Converged = L_TRUE;
  if (reported) Write_Line(CH_MESSAGE, "The convergence criteria have been met for load case " + fmt::I0(c));
}

void Build_Pile_Nodes() {
  Run_State& st = RS();
  Build_Initial_Nodes();
  if (Error_Recorded()) return;
  Pile_Model& pm = st.sol.pile;
  pm.rd_SavedPileLength = pm.rd_PileLength;
  pm.b_PileLengthSaved = L_TRUE;
  st.sol.i_PrintPYCurvesRequested = st.prob.opt.i_PrintPYCurves;
  st.prob.opt.i_PrintPYCurves = 0;
}

void Run_Load_Case(int c) {
  Run_State& st = RS();
  const Problem_Options& o = st.prob.opt;
  Analyse_Load_Case(c);
  if (Error_Recorded()) {
    // A loading-type-4 case that did not converge is still reported.
    if (!(st.status.i_ErrorNumber == 210 && st.sol.lc.i_LoadingType == 4)) return;
  }
  if (c < 1 || c > MAX_CASES) return;
  if (c == 1) {
    if (st.sol.i_PrintPYCurvesRequested > 0) {
      st.prob.opt.i_PrintPYCurves = st.sol.i_PrintPYCurvesRequested;
      Report_Py_Curves_At_Depths();
      st.prob.opt.i_PrintPYCurves = 0;
      if (Error_Recorded()) return;
    } else {
      Write_Plot_Line_6_None();
    }
  }
  for (int s = 1; s <= MAX_CASE_SECTIONS; ++s) st.sol.Section_Maxima(c, s) = Section_Maximum{};
  Write_Pile_Response(c, st.sol.lc.i_IterationsUsed);
  if (o.b_UseLRFD != L_FALSE) {
    Write_Plot_Line_11_None(c, true);
  } else if (st.prob.load.Pile_Head_Load[c].b_LengthStudy != L_FALSE) {
    Write_Line(CH_MESSAGE, "Computing top deflection vs. pile embedment length for load case " +
                               fmt::I0(c) + ".");
    Compute_Deflection_Versus_Length(c);
  } else {
    Write_Plot_Line_11_None(c, false);
  }
}

}  // namespace ormyx
