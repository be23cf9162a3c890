// The summary of the pile response of all load cases, its plot records and,
// in an LRFD analysis, the check of the moment developed in every pile
// section against the factored moment capacity of the section.
#include "solution/summary.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"

namespace ormyx {

namespace {

// Load cases of the run (the combinations in an LRFD analysis), within the
// capacity of the per-case records.
int fn_Case_Count() {
  static_assert(MAX_CASES <= MAX_LRFD_COMBINATIONS && MAX_CASES <= MAX_LOAD_CASES);
  const int n = RS().prob.load.i_Number_of_Loads;
  return n < 0 ? 0 : (n > MAX_CASES ? MAX_CASES : n);
}

int fn_Section_Count() {
  const int n = RS().prob.sec.i_Number_of_Sections;
  return n < 0 ? 0 : (n > MAX_CASE_SECTIONS ? MAX_CASE_SECTIONS : n);
}

void Write_Heading_Definitions(bool us) {
  Write_Line(CH_REPORT, "Definitions of Pile-head Loading Conditions:");
  Write_Line(CH_REPORT);
  if (us) {
    Write_Line(CH_REPORT, "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs");
    Write_Line(CH_REPORT, "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians");
    Write_Line(CH_REPORT,
               "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian");
    Write_Line(CH_REPORT, "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs");
    Write_Line(CH_REPORT, "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians");
  } else {
    Write_Line(CH_REPORT, "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ");
    Write_Line(CH_REPORT, "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians");
    Write_Line(CH_REPORT,
               "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian");
    Write_Line(CH_REPORT, "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m");
    Write_Line(CH_REPORT, "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians");
  }
  Blank_Lines(CH_REPORT, 2);
}

void Write_Summary_Heading(bool lrfd, bool us, bool si) {
  if (!lrfd) {
    if (us || si) Write_Heading_Definitions(us);
    Write_Line(CH_REPORT,
               "               Pile-head      Pile-head                                      Maximum  "
               "      Maximum");
    Write_Line(CH_REPORT,
               "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Moment    "
               "      Shear        Pile-head  ");
    if (us) {
      Write_Line(CH_REPORT,
                 "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       in Pile "
                 "       in Pile       Rotation   ");
      Write_Line(CH_REPORT,
                 " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs  "
                 "         lbs          radians   ");
    } else if (si) {
      Write_Line(CH_REPORT,
                 "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       in Pile "
                 "       in Pile       Rotation   ");
      Write_Line(CH_REPORT,
                 " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m   "
                 "         kN           radians   ");
    }
  } else {
    Write_Line(CH_REPORT,
               "Load  Load      Pile-head     Pile-head         Axial        Pile-head       in Pile   "
               "     in Pile       Pile-Head  ");
    if (us) {
      Write_Line(CH_REPORT,
                 "Case  Type        Shear         Moment           Load        Deflection       Moment  "
                 "       Shear        Rotation    ");
      Write_Line(CH_REPORT,
                 " No.   No.         lbs          in-lbs           lbs          inches          in-lbs  "
                 "        lbs          radians   ");
    } else if (si) {
      Write_Line(CH_REPORT,
                 "Case  Type       Shear          Moment           Load        Deflection       in Pile "
                 "      in Pile       Rotation   ");
      Write_Line(CH_REPORT,
                 " No.   No.    kilonewtons        kN-m             kN           meters          kN-m   "
                 "        kN           radians   ");
    }
  }
  Write_Line(CH_REPORT,
             "----  ----  --------------  --------------  -------------  -------------  -------------  "
             "-------------  -------------");
}

// One row of the summary table.
void Write_Summary_Row(int c, bool lrfd) {
  static constexpr const char* LABEL1[6] = {"", "    1   V =", "    2   V =", "    3   V =",
                                            "    4   y =", "    5   y ="};
  static constexpr const char* LABEL2[6] = {"", "  M =", "  S =", "  R =", "  M =", "  S ="};
  const Run_State& st = RS();
  const Loading_Records& ld = st.prob.load;
  const Case_Summary& cs = st.sol.Case_Summary_Record[c];
  int type = 1;
  double cond1, cond2, axial;
  if (lrfd) {
    const LRFD_Factored_Load_Record& f = ld.LRFD_Factored_Load[c];
    cond1 = f.rd_Shear;
    cond2 = f.rd_Moment;
    axial = f.rd_Axial;
  } else {
    const Pile_Head_Load_Record& p = ld.Pile_Head_Load[c];
    if (p.i_LoadType >= 1 && p.i_LoadType <= 5) type = p.i_LoadType;
    cond1 = p.rd_Condition1;
    cond2 = p.rd_Condition2;
    axial = p.rd_AxialThrust;
  }
  Write_Integer(c, 3);
  Write_Blanks(1);
  Put(CH_REPORT, LABEL1[type]);
  Write_Number(cond1, 11);
  Put(CH_REPORT, LABEL2[type]);
  Write_Number(cond2, 11);
  Write_Number(axial, 15);
  Write_Number(cs.rd_HeadDeflection, 15);
  Write_Number(cs.rd_MaxMoment, 15);
  Write_Blanks(4);
  Write_Number(cs.rd_MaxShear, 11);
  Put(CH_REPORT, fmt::F(cs.rd_HeadSlope, 15, 8));
  End_Line();
}

// Plot record Line 13 of load case c.
void Write_Plot_Line_13(int c, bool us) {
  const Case_Summary& cs = RS().sol.Case_Summary_Record[c];
  Put(CH_PLOT, fmt::E(cs.rd_HeadShear, 15, 7) + fmt::E(cs.rd_HeadDeflection, 15, 7) +
                   fmt::E(cs.rd_MaxMoment, 15, 7) + fmt::E(cs.rd_MaxShear, 15, 7) +
                   fmt::E(cs.rd_HeadSlope, 15, 7));
  Tab_To(CH_PLOT, 81);
  Put(CH_PLOT, us ? "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"
                  : "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)");
  End_Line(CH_PLOT);
}

// Nominal capacity of section s at thrust entry t of the moment-EI table.
double fn_Table_Capacity(int s, int t) {
  const Run_State& st = RS();
  if (s < 1 || s > MEI_MAX_SECTIONS || t < 1 || t > MEI_MAX_THRUSTS) return 0.0;
  return st.sol.mei.entry(s, t).rd_Mn;
}

// Thrust entry of the capacity of combination c: its own index in the thrust
// list; for a combination left without one, the entry whose thrust lies
// nearest to the combination's factored axial force (a force that is not a
// number takes the entry of least capacity of section s).
int fn_Capacity_Thrust_Entry(int c, int s) {
  const Run_State& st = RS();
  const Loading_Records& ld = st.prob.load;
  const int m = ld.i_Number_of_Thrusts < MEI_MAX_THRUSTS ? ld.i_Number_of_Thrusts : MEI_MAX_THRUSTS;
  if (m < 1) return 0;
  const LRFD_Factored_Load_Record& f = ld.LRFD_Factored_Load[c];
  if (f.i_ThrustIndex >= 1 && f.i_ThrustIndex <= m) return f.i_ThrustIndex;
  const double P = st.prob.opt.IUNITS == US_UNITS ? f.rd_Axial / 1000.0 : f.rd_Axial;
  int best = 1;
  if (std::isfinite(P)) {
    for (int t = 2; t <= m; ++t)
      if (std::fabs(ld.Axial_Thrust_List[t] - P) < std::fabs(ld.Axial_Thrust_List[best] - P)) best = t;
  } else {
    for (int t = 2; t <= m; ++t)
      if (fn_Table_Capacity(s, t) < fn_Table_Capacity(s, best)) best = t;
  }
  return best;
}

}  // namespace

double fn_LRFD_Moment_Capacity(int c, int s) {
  const Run_State& st = RS();
  const Section_Records& sr = st.prob.sec;
  if (c < 1 || c > MAX_LRFD_COMBINATIONS || c > MAX_CASES || s < 1 || s > MAX_SECTIONS ||
      s > MAX_CASE_SECTIONS)
    return 0.0;
  const Pile_Section_Record& ps = sr.Pile_Section[s];
  if (ps.i_SectionType == SECTION_ELASTIC) return 0.0;
  const int shape = ps.i_ShapeCode;
  if (ps.i_SectionType == SECTION_ELASTIC_PLASTIC &&
      (shape == ELASTIC_SHAPE_RECTANGULAR || shape == ELASTIC_SHAPE_CIRCULAR ||
       shape == ELASTIC_SHAPE_CIRCULAR_PIPE || shape == ELASTIC_SHAPE_EMBEDDED_POLE)) {
    // The plastic moment where the section's largest moment occurs; a section
    // without such a node (no node, or no moment) takes the smaller of its top
    // and bottom plastic moments, the weakest point of the section.
    const int k = st.sol.Section_Maxima(c, s).i_MomentNode;
    if (k >= 1 && k <= st.sol.pile.i_Number_of_Nodes && k <= MAX_NODES)
      return st.sol.pile.rd_PlasticMoment[k];
    return std::fmin(ps.rd_TopPlasticMoment, ps.rd_BottomPlasticMoment);
  }
  return fn_Table_Capacity(s, fn_Capacity_Thrust_Entry(c, s));
}

namespace {

// The LRFD performance table with its closing line; logs warning 400 for
// every failed pair of combination and section.
void Write_LRFD_Performance() {
  const Run_State& st = RS();
  const Loading_Records& ld = st.prob.load;
  const Section_Records& sr = st.prob.sec;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, fmt::X(19) + "LRFD Performance by Load Case Combination");
  Write_Line(CH_REPORT, std::string(80, '-'));
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT,
             "Load             Resistance    Factored      Maximum    Fact. Mom.    Pass/Fail     "
             "Maximum                           ");
  Write_Line(CH_REPORT,
             "Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear "
             "For.    Pile-Top     Pile-Top ");
  Write_Line(CH_REPORT,
             " No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      "
             "Developed   Deflection    Rotation ");
  Write_Line(CH_REPORT,
             "                              of Section   in Section   in Section   of Section   in "
             "Section    Developed    Developed   Name of Load Case Combination");
  Write_Line(CH_REPORT,
             "----   -------   ----------   ----------   ----------   ----------   ----------   "
             "----------   ----------   ----------   -----------------------------------------");

  const int ncomb = fn_Case_Count();
  const int nsec = fn_Section_Count();
  int failed = 0;
  for (int c = 1; c <= ncomb; ++c) {
    const LRFD_Combination_Record& comb = ld.LRFD_Combination[c];
    const Case_Summary& cs = st.sol.Case_Summary_Record[c];
    const double phi = comb.rd_FlexureFactor;
    bool comb_failed = false;
    for (int s = 1; s <= nsec; ++s) {
      const Section_Maximum& sm = st.sol.Section_Maxima(c, s);
      const bool elastic = sr.Pile_Section[s].i_SectionType == SECTION_ELASTIC;
      const double M = sm.rd_Moment;
      const double C = elastic ? 0.0 : phi * fn_LRFD_Moment_Capacity(c, s);
      Write_Integer(c, 3);
      Write_Blanks(1);
      Write_Integer(s, 7);
      Write_Blanks(3);
      Write_Number(phi, 10);
      Write_Blanks(6);
      if (elastic)
        Put(CH_REPORT, " Infinite ");
      else
        Write_Number(C, 10);
      Write_Blanks(3);
      Write_Number(M, 10);
      Write_Blanks(3);
      if (elastic) {
        Put(CH_REPORT, "    N/A   ");
      } else {
        // A section without capacity has an unbounded fraction.
        const double fraction = C > 0.0 ? std::fabs(M) / C : HUGE_VAL;
        Put(CH_REPORT, fmt::F(fraction, 10, 4));
      }
      Write_Blanks(3);
      if (elastic) {
        Put(CH_REPORT, "    N/A      ");
      } else if (std::fabs(M) < C) {
        Put(CH_REPORT, "   Pass      ");
      } else {
        Put(CH_REPORT, " > FAIL <    ");
        Log_Warning(-400);
        comb_failed = true;
      }
      Write_Number(sm.rd_Shear, 10);
      Write_Blanks(3);
      Write_Number(cs.rd_HeadDeflection, 10);
      Write_Blanks(3);
      Write_Number(cs.rd_HeadSlope, 10);
      Write_Blanks(3);
      Put(CH_REPORT, comb.name.view());
      End_Line();
    }
    if (comb_failed) ++failed;
  }
  Write_Line(CH_REPORT);
  if (failed >= 1)
    Write_Line(CH_REPORT, fmt::I0(failed) + " LRFD load combinations have failed.");
  else
    Write_Line(CH_REPORT, "All LRFD load combinations have passed for all pile sections.");
}

}  // namespace

void Write_Response_Summary() {
  const Run_State& st = RS();
  if (st.sol.b_StiffnessMatrixRun != L_FALSE) return;
  const Problem_Options& o = st.prob.opt;
  const bool us = o.IUNITS == US_UNITS, si = o.IUNITS == SI_UNITS;
  const bool lrfd = o.b_UseLRFD != L_FALSE;
  const int ncase = fn_Case_Count();

  Blank_Lines(CH_REPORT, 3);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, fmt::X(27) + "Summary of Pile Response(s)");
  Write_Line(CH_REPORT, std::string(80, '-'));
  Blank_Lines(CH_REPORT, 2);
  Write_Summary_Heading(lrfd, us, si);
  for (int c = 1; c <= ncase; ++c) Write_Summary_Row(c, lrfd);
  for (int c = 1; c <= ncase; ++c) Write_Plot_Line_13(c, us);
  if (lrfd) Write_LRFD_Performance();
}

void Write_Summary_Tables() { Write_Response_Summary(); }

}  // namespace ormyx
