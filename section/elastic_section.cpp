// Elastic sections: a linear moment-curvature table at the stiffness of the
// section top, the same for every axial thrust.
#include "section/elastic_section.h"

#include <cmath>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_driver.h"
#include "engine/plot_records.h"

namespace ormyx {

void Elastic_Section_Table(int s) {
  Run_State& st = RS();
  const Pile_Section_Record& ps = st.prob.sec.Pile_Section[s];
  const bool us = st.prob.opt.IUNITS == US_UNITS;
  const double scale = us ? 1000.0 : 1.0;
  const double EIt = ps.rd_ElasticModulus * ps.rd_TopInertia;
  const double EIb = ps.rd_ElasticModulus * ps.rd_BottomInertia;
  const Loading_Records& ld = st.prob.load;
  const int m = ld.i_Number_of_Thrusts < MEI_MAX_THRUSTS ? ld.i_Number_of_Thrusts : MEI_MAX_THRUSTS;
  // A stiffness of 0 or less gives the pile no bending resistance: rejected
  // before anything is stored.
  if (!(EIt > 0.0) || !(EIb > 0.0) || !std::isfinite(EIt) || !std::isfinite(EIb)) {
    Section_Data_Error(47,
                       "Section " + fmt::I0(s) +
                           " is elastic, but its bending stiffness at the top or bottom is not greater "
                           "than 0.",
                       "Enter a positive elastic modulus and positive moments of inertia for the section.");
    return;
  }

  Write_Line(CH_REPORT, "Moment-curvature properties were derived from elastic section properties");
  if (s == 1) Write_Plot_Line_3(ld.i_Number_of_Thrusts, "Line 3 : Total number of axial thrusts for elastic section");

  const char* l4 = us ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                        "(in-kips) for linear EI pile at top of section"
                      : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. "
                        "(kN-m) for linear EI pile at top of section";
  const char* l5 = us ? "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#="
                      : "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=";
  for (int t = 1; t <= m; ++t) {
    MEI_Entry& e = st.sol.mei.entry(s, t);
    e.i_Number_of_Points = 0;
    for (int j = 1; j <= MEI_MAX_POINTS; ++j) {
      const double phi = 10.0 * j;
      double M = phi * EIt;
      if (std::fabs(M) < 9.9999e-99) M = 0.0;
      Add_MEI_Point(st.sol.mei, s, t, M / scale, EIt / scale, phi);
    }
    e.rd_Mn = e.rd_Moment[MEI_MAX_POINTS] * scale;
    Write_Plot_Line_4(e.i_Number_of_Points, ld.Axial_Thrust_List[t], e.rd_Mn / scale, l4);
    for (int j = 1; j <= e.i_Number_of_Points; ++j)
      Write_Plot_Line_5(e.rd_Moment[j], e.rd_EI[j], e.rd_Curvature[j], l5, s, t, j);
  }

  // Nodal stiffness inside the section, interpolated along it.
  Pile_Model& pm = st.sol.pile;
  const int n = pm.i_Number_of_Nodes;
  if (n < 1 || st.prob.opt.i_Analysis_Type != ANALYSIS_LATERAL) return;
  const double top = ps.rd_XTop, bottom = ps.rd_XBottom, len = ps.rd_Length;
  if (top == 0.0) pm.rd_EI[1] = EIt;
  for (int k = 2; k <= n && k <= MAX_NODES; ++k) {
    const double x = pm.rd_X[k];
    if (top < x && x <= bottom)
      pm.rd_EI[k] = len > 0.0 ? EIb - (bottom - x) * (EIb - EIt) / len : EIt;
  }
}

}  // namespace ormyx
