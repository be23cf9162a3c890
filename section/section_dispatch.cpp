// Section analysis dispatch: each pile section fills its moment-EI entries by
// the routine of its kind.
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "section/elastic_section.h"

namespace ormyx {

namespace {

// Sections analysed by moment-curvature, elastic-plastic sections and input
// moment-EI tables: filled by the section analysis proper.
void Analyse_Nonlinear_Section(int) {}

}  // namespace

void Analyse_Section(int s) {
  const Section_Records& sr = RS().prob.sec;
  if (s < 1 || s > sr.i_Number_of_Sections || s > MEI_MAX_SECTIONS) return;
  if (sr.Pile_Section[s].i_SectionType == SECTION_ELASTIC)
    Elastic_Section_Table(s);
  else
    Analyse_Nonlinear_Section(s);
}

}  // namespace ormyx
