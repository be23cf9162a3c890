// Thrust list of the section analyses of a run with the interaction diagram,
// and the check that a lateral analysis has a thrust for its bending stiffness.
#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/reader.h"
#include "section/interaction.h"

namespace ormyx {

// With the interaction diagram the reader leaves the thrust list empty; the
// section analyses then take the thrusts of the load cases (AXIAL THRUST
// LOADS or LOADING, whichever came last); an LRFD echo has built it already.
// A lateral analysis whose cases need bending stiffness at a thrust that no
// list holds would reach the solver with no stiffness: input error 90.
void Prepare_Thrust_List() {
  Run_State& s = RS();
  const Problem_Options& o = s.prob.opt;
  Loading_Records& ld = s.prob.load;
  const int nsec = s.prob.sec.i_Number_of_Sections;
  if (o.b_ComputeInteraction != L_FALSE && o.b_UseLRFD == L_FALSE && nsec >= 1 && ld.i_Number_of_Thrusts < 1)
    Build_Load_Thrust_List();
  if (o.i_Analysis_Type == ANALYSIS_EI_ONLY || ld.i_Number_of_Thrusts >= 1) return;
  const int cases = o.b_UseLRFD != L_FALSE ? ld.i_Number_of_LRFD_Combinations : ld.i_Number_of_Loads;
  if (cases < 1) return;
  for (int j = 1; j <= nsec && j <= MAX_SECTIONS; ++j) {
    if (s.prob.sec.Pile_Section[j].i_SectionType == SECTION_ELASTIC) continue;
    for (Channel ch : {CH_REPORT, CH_MESSAGE}) {
      Blank_Lines(ch, 2);
      Write_Line(ch, Input_Error_Header(INP_NO_THRUSTS));
      Write_Line(ch);
      Write_Line(ch, "Problem:  Pile section " + fmt::I0(j) +
                         " needs its bending stiffness at the axial thrust of the load cases,");
      Write_Line(ch, "          but the input gives no axial thrust value for the section analysis.");
      Write_Line(ch);
      Write_Line(ch, "Solution:  Give the load cases in LOADING (or the thrusts in AXIAL THRUST LOADS).");
    }
    Record_Input_Error(INP_NO_THRUSTS);
    return;
  }
}

}  // namespace ormyx
