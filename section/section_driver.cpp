// Section-analysis driver: loads one pile section into the working state,
// writes its dimension, capacity and reinforcement blocks and hands over to
// the routine that fills its moment-EI entries.
#include "engine/messages.h"
#include "engine/run_state.h"
#include "section/elastic_section.h"
#include "section/interaction.h"
#include "section/section_driver.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

// The moment-curvature files are numbered (s - 1) n + t with n the thrust
// count of the run when its first section reaches this analysis; later
// filtering of the list must not make two sections share a file.
void Set_File_Thrust_Count(int s) {
  const Run_State& R = RS();
  for (int j = 1; j < s; ++j)
    if (R.prob.sec.Pile_Section[j].i_SectionType != SECTION_ELASTIC) return;
  const int n = R.prob.load.i_Number_of_Thrusts;
  MC_State().i_FileThrustCount = n > 0 ? n : 0;
}

}  // namespace

void Analyse_Nonlinear_Section(int s) {
  Run_State& R = RS();
  const Section_Records& sr = R.prob.sec;
  if (s < 1 || s > sr.i_Number_of_Sections || s > MAX_SECTIONS || s > MEI_MAX_SECTIONS) return;

  R.sec.i_NumberOfSlices = NUM_SLICES;
  R.sec.rd_NumberOfSlices = NUM_SLICES;
  R.sec.i_MaxCurvaturePoints = MC_MAX_POINTS;
  R.sec.b_PrestressBlockPrinted = L_FALSE;
  MC_State().i_Number_of_Thrusts = 0;
  Set_File_Thrust_Count(s);

  const int32_t type = sr.Pile_Section[s].i_SectionType;
  switch (type) {
    case SECTION_ELASTIC:
      Elastic_Section_Table(s);
      Write_No_Interaction_Note(s);
      return;
    case SECTION_ELASTIC_PLASTIC:
      Elastic_Plastic_Section_Table(s);
      Write_No_Interaction_Note(s);
      return;
    case SECTION_USER_EI:
      User_EI_Section_Table(s);
      Write_No_Interaction_Note(s);
      return;
    default:
      break;
  }

  Load_EI_Vars(s);  // rejects the micropile and other types without a section model
  if (Error_Recorded()) return;
  Write_Dimension_Block(s);
  if (type <= SECTION_STEEL_PIPE) {
    Compute_Axial_Capacities();
    Write_Bar_Tables(s);
  } else {
    Write_Strand_Details();
  }
  Compute_Moment_Curvature();
  if (Error_Recorded()) return;
  Analyse_Interaction_Diagram(s);
}

}  // namespace ormyx
