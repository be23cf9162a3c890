// Sections analysed without slices: the elastic-plastic section, whose
// moment rises at the stiffness of its top up to the plastic moment and then
// stays there, and the section whose moment-EI table is given as input.
#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_driver.h"
#include "engine/plot_records.h"

namespace ormyx {

void Section_Data_Error(int n, const std::string& problem, const std::string& solution) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(n));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "An error was detected in the input data.");
  Write_Line(CH_REPORT, "Problem:  " + problem);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Solution:  " + solution);
  Write_Line(CH_REPORT);
  Record_Input_Error(n);
}

namespace {

constexpr int POINTS = MEI_MAX_POINTS;  // 150
constexpr int ELASTIC_POINTS = 100;     // points up to the yield curvature

int fn_Run_Thrust_Count() {
  const int n = RS().prob.load.i_Number_of_Thrusts;
  return n < 0 ? 0 : (n > MEI_MAX_THRUSTS ? MEI_MAX_THRUSTS : n);
}

// Stiffness and plastic moment of the lateral analysis' nodes inside the
// section, interpolated along it (only when the nodes exist).
void Set_Nodal_Values(const Pile_Section_Record& ps, double EIt, double EIb, double Mpt, double Mpb) {
  Run_State& st = RS();
  Pile_Model& pm = st.sol.pile;
  const int n = pm.i_Number_of_Nodes;
  if (n < 1 || st.prob.opt.i_Analysis_Type != ANALYSIS_LATERAL) return;
  const double top = ps.rd_XTop, bottom = ps.rd_XBottom, len = ps.rd_Length;
  if (top == 0.0) {
    pm.rd_EI[1] = EIt;
    pm.rd_PlasticMoment[1] = Mpt;
  }
  for (int k = 2; k <= n && k <= MAX_NODES; ++k) {
    const double x = pm.rd_X[k];
    if (!(top < x && x <= bottom)) continue;
    if (len > 0.0) {
      pm.rd_EI[k] = EIb - (bottom - x) * (EIb - EIt) / len;
      pm.rd_PlasticMoment[k] = Mpb - (bottom - x) * (Mpb - Mpt) / len;
    } else {
      pm.rd_EI[k] = EIt;
      pm.rd_PlasticMoment[k] = Mpt;
    }
  }
}

}  // namespace

void Elastic_Plastic_Section_Table(int s) {
  Run_State& st = RS();
  const Pile_Section_Record& ps = st.prob.sec.Pile_Section[s];
  const bool us = st.prob.opt.IUNITS == US_UNITS;
  const bool si = st.prob.opt.IUNITS == SI_UNITS;
  const double scale = us ? 1000.0 : 1.0;  // lb-in -> kip-in in the table
  const double EIt = ps.rd_ElasticModulus * ps.rd_TopInertia;
  const double EIb = ps.rd_ElasticModulus * ps.rd_BottomInertia;
  const double Mpt = ps.rd_TopPlasticMoment, Mpb = ps.rd_BottomPlasticMoment;
  if (!(EIt > 0.0) || !(EIb > 0.0) || !(Mpt > 0.0) || !std::isfinite(EIt) || !std::isfinite(EIb) ||
      !std::isfinite(Mpt)) {
    Section_Data_Error(47,
                       "Section " + fmt::I0(s) +
                           " is elastic with a specified moment capacity, but its bending stiffness at "
                           "the top or bottom or its plastic moment capacity at the top is not greater "
                           "than 0.",
                       "Enter a positive elastic modulus, moment of inertia and plastic moment "
                       "capacity for the section.");
    return;
  }

  Write_Line(CH_REPORT, "Moment-curvature properties were derived from elastic-plastic section properties");
  const Loading_Records& ld = st.prob.load;
  const int m = fn_Run_Thrust_Count();
  if (s == 1) Write_Plot_Line_3(ld.i_Number_of_Thrusts, "Line 3 : Total number of axial thrusts for elastic-plastic section");
  const char* l4 = si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) "
                        "for elastic-plastic EI at top of section"
                      : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                        "(in-kip) for elastic-plastic EI at top of section";
  const char* l5 = si ? "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                      : "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=";

  const double phi_y = Mpt / EIt;
  const double u = phi_y / 100.0;
  for (int t = 1; t <= m; ++t) {
    MEI_Entry& e = st.sol.mei.entry(s, t);
    e.i_Number_of_Points = 0;
    for (int j = 1; j <= POINTS; ++j) {
      double phi, M, EI;
      if (j <= ELASTIC_POINTS) {
        phi = j * u;
        EI = EIt;
        M = phi * EIt;
        if (std::fabs(M) < 9.9999e-99) M = 0.0;
      } else {
        phi = 100.0 * u + 20.0 * u * (j - ELASTIC_POINTS);
        M = Mpt;
        EI = Mpt / phi;
      }
      Add_MEI_Point(st.sol.mei, s, t, M / scale, EI / scale, phi);
    }
    e.rd_Mn = e.rd_Moment[e.i_Number_of_Points] * scale;
    Write_Plot_Line_4(e.i_Number_of_Points, ld.Axial_Thrust_List[t], e.rd_Mn / scale, l4);
    // The point records carry the input units their label names.
    for (int j = 1; j <= e.i_Number_of_Points; ++j)
      Write_Plot_Line_5(e.rd_Moment[j] * scale, e.rd_EI[j] * scale, e.rd_Curvature[j], l5, s, t, j);
  }
  Set_Nodal_Values(ps, EIt, EIb, Mpt, Mpb);
}

void User_EI_Section_Table(int s) {
  Run_State& st = RS();
  const Pile_Section_Record& ps = st.prob.sec.Pile_Section[s];
  const Loading_Records& ld = st.prob.load;
  const bool us = st.prob.opt.IUNITS == US_UNITS;
  const bool si = st.prob.opt.IUNITS == SI_UNITS;
  const double scale = us ? 1000.0 : 1.0;
  const int levels = ps.i_Number_of_UserEI_Thrusts < 0 ? 0
                     : ps.i_Number_of_UserEI_Thrusts > MAX_USER_EI_THRUSTS ? MAX_USER_EI_THRUSTS
                                                                        : ps.i_Number_of_UserEI_Thrusts;
  const int m = fn_Run_Thrust_Count();

  // Entry t belongs to the t-th thrust of the run: every thrust needs a level,
  // and a level needs points of positive stiffness to give curvatures.
  if (levels < m) {
    Section_Data_Error(44,
                       "Section " + fmt::I0(s) + " gives nonlinear bending stiffness for " + fmt::I0(levels) +
                           " axial thrust levels, but the analysis uses " + fmt::I0(m) +
                           " axial thrust values.",
                       "Enter one table of moment versus bending stiffness for every axial thrust value "
                       "of the analysis, in ascending order of thrust.");
    return;
  }
  for (int c = 1; c <= levels; ++c) {
    const int n = ps.i_Number_of_UserEI_Points[c];
    bool ok = n >= 1 && n <= MAX_USER_EI_POINTS;
    for (int k = 1; ok && k <= n; ++k)
      if (!(ps.rd_UserEI_EI(c, k) > 0.0) || !std::isfinite(ps.rd_UserEI_Moment(c, k))) ok = false;
    if (!ok) {
      Section_Data_Error(44,
                         "Axial thrust level " + fmt::I0(c) + " of section " + fmt::I0(s) +
                             " has no points, or a point whose bending stiffness is not greater than 0.",
                         "Enter 1 to 150 points of positive bending stiffness (or curvature) for every "
                         "axial thrust level.");
      return;
    }
  }

  if (s == 1) Write_Plot_Line_3(ld.i_Number_of_Thrusts, "Line 3 : Total number of axial thrusts for input M-EI section");
  const std::string l4 =
      std::string(si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for "
                       "input M-EI pile, Section "
                     : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                       "(in-kips) for input M-EI pile, Section ") +
      fmt::I0(s);
  const char* l5 = "Line 5 : Moment, EI, Curvature for Sect#=";

  for (int c = 1; c <= levels && c <= MEI_MAX_THRUSTS; ++c) {
    MEI_Entry& e = st.sol.mei.entry(s, c);
    e.i_Number_of_Points = 0;
    const int n = ps.i_Number_of_UserEI_Points[c];
    // The points in input units: a zero-moment point in front when the
    // table does not start at 0, then every interval cut into q steps.
    List<double, POINTS + 1> M, EI;
    int nodes = 0;
    if (ps.rd_UserEI_Moment(c, 1) != 0.0) {
      ++nodes;
      M[nodes] = 0.0;
      EI[nodes] = ps.rd_UserEI_EI(c, 1);
    }
    for (int k = 1; k <= n; ++k) {
      ++nodes;
      M[nodes] = ps.rd_UserEI_Moment(c, k);
      EI[nodes] = ps.rd_UserEI_EI(c, k);
    }
    const int g = nodes - 1;
    const int q = g >= 1 ? (POINTS - n) / g : 0;
    List<double, POINTS> Mp, EIp;
    int K = 0;
    if (q >= 1) {
      for (int i = 1; i <= g; ++i)
        for (int j = 0; j < q; ++j) {
          ++K;
          Mp[K] = M[i] + j * (M[i + 1] - M[i]) / q;
          EIp[K] = EI[i] + j * (EI[i + 1] - EI[i]) / q;
        }
      ++K;
      Mp[K] = M[nodes];
      EIp[K] = EI[nodes];
    } else {
      for (int k = 1; k <= n; ++k) {
        ++K;
        Mp[K] = ps.rd_UserEI_Moment(c, k);
        EIp[K] = ps.rd_UserEI_EI(c, k);
      }
    }
    double Mn = Mp[1];
    for (int p = 2; p <= K; ++p)
      if (Mp[p] > Mn) Mn = Mp[p];
    e.rd_Mn = Mn;
    if (c <= m) {
      Write_Line(CH_REPORT, "Moment-Curvature properties for Section " + fmt::I0(s) +
                                " derived from input values for nonlinear M-EI properties");
      Write_Plot_Line_4(K, ld.Axial_Thrust_List[c], Mn, l4);
    }
    for (int p = 1; p <= K; ++p) {
      const double phi = Mp[p] / EIp[p];
      if (c <= m) Write_Plot_Line_5(Mp[p], EIp[p], phi, l5, s, c, p);
      Add_MEI_Point(st.sol.mei, s, c, Mp[p] / scale, EIp[p] / scale, phi);
    }
  }
}

}  // namespace ormyx
