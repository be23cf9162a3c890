// Run-wide state of the section analysis: the working section (EI_Vars) and
// the settings made by the section-analysis driver.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"
#include "section/ei_vars.h"
#include "section/interaction.h"
#include "section/mc_state.h"

namespace ormyx {

struct Section_State {
  EI_Vars EI;
  Moment_Curvature_State mc;  // moment-curvature tables of the section being analysed
  Interaction_Diagram inter;  // axial force-moment interaction diagram of that section
  Interaction_Diagrams diagrams;  // the diagrams of all sections, for the plot file
  int32_t i_NumberOfSlices = NUM_SLICES;
  double rd_NumberOfSlices = NUM_SLICES;
  int32_t i_MaxCurvaturePoints = 150;
  int32_t b_PrestressBlockPrinted = 0;  // the loss-of-prestress block of this section is written
};

}  // namespace ormyx
