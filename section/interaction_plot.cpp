// Plot records of the interaction diagram: Line 15 (number of points and
// section) and one Line 16 per point (nominal axial force and moment, the
// strength reduction factor, factored axial force and moment).
#include <string>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/interaction.h"

namespace ormyx {

void Write_Interaction_Plot_Records() {
  const Interaction_Diagram& d = RS().sec.inter;
  const int32_t iunits = RS().prob.opt.IUNITS;
  const int n = d.i_Number_of_Points;
  Write_Line(CH_PLOT, fmt::I(n, 5) + fmt::I(d.i_Section, 5) + fmt::X(70) +
                          "Line 15: Num. interaction diagram points, Section " + fmt::I0(d.i_Section));
  const char* units = iunits == SI_UNITS ? " (kN, kN-m)" : (iunits == US_UNITS ? " (kips, in-kips)" : "");
  for (int k = 1; k <= n; ++k) {
    const Interaction_Point& p = d.point[k];
    Put(CH_PLOT, fmt::E(p.rd_Pn, 15, 7) + fmt::E(p.rd_Mn, 15, 7) + fmt::E(p.rd_Phi, 15, 7) +
                     fmt::E(p.rd_PFactored, 15, 7) + fmt::E(p.rd_MFactored, 15, 7));
    Tab_To(CH_PLOT, 81);
    Put(CH_PLOT, std::string("Line 16: Pn, Mn, phi, phiPn, phiMn") + units);
    End_Line(CH_PLOT);
  }
}

}  // namespace ormyx
