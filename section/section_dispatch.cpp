// Section analysis dispatch: each pile section fills its moment-EI entries by
// the routine of its kind.
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "section/section_driver.h"

namespace ormyx {

void Analyse_Section(int s) {
  const Section_Records& sr = RS().prob.sec;
  if (s < 1 || s > sr.i_Number_of_Sections || s > MEI_MAX_SECTIONS) return;
  Analyse_Nonlinear_Section(s);
}

}  // namespace ormyx
