// Plot records of the interaction diagrams: per section Line 15 (number of
// points and section) and one Line 16 per point (nominal axial force and
// moment, the strength reduction factor, factored axial force and moment).
#include <string>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/interaction.h"

namespace ormyx {

namespace {

void Write_Diagram_Records(const Interaction_Diagram& d, const char* units) {
  const int n = d.i_Number_of_Points;
  Write_Line(CH_PLOT, fmt::I(n, 5) + fmt::I(d.i_Section, 5) + fmt::X(70) +
                          "Line 15: Num. interaction diagram points, Section " + fmt::I0(d.i_Section));
  for (int k = 1; k <= n; ++k) {
    const Interaction_Point& p = d.point[k];
    Put(CH_PLOT, fmt::E(p.rd_Pn, 15, 7) + fmt::E(p.rd_Mn, 15, 7) + fmt::E(p.rd_Phi, 15, 7) +
                     fmt::E(p.rd_PFactored, 15, 7) + fmt::E(p.rd_MFactored, 15, 7));
    Tab_To(CH_PLOT, 81);
    Put(CH_PLOT, std::string("Line 16: Pn, Mn, phi, phiPn, phiMn") + units);
    End_Line(CH_PLOT);
  }
}

}  // namespace

void Write_Interaction_Plot_Records() {
  const Interaction_Diagrams& kept = RS().sec.diagrams;
  const int32_t iunits = RS().prob.opt.IUNITS;
  const char* units = iunits == SI_UNITS ? " (kN, kN-m)" : (iunits == US_UNITS ? " (kips, in-kips)" : "");
  for (int j = 1; j <= kept.i_Number_of_Diagrams && j <= INTERACTION_MAX_SECTIONS; ++j)
    Write_Diagram_Records(kept.diagram[j], units);
}

}  // namespace ormyx
