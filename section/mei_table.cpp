#include "section/mei_table.h"

namespace ormyx {

void Clear_MEI_Table(MEI_Table& table) {
  for (int s = 1; s <= MEI_MAX_SECTIONS; ++s)
    for (int t = 1; t <= MEI_MAX_THRUSTS; ++t) {
      MEI_Entry& e = table.entry(s, t);
      e.i_Number_of_Points = 0;
      e.rd_Mn = 0.0;
    }
}

bool Add_MEI_Point(MEI_Table& table, int s, int t, double moment, double ei, double curvature) {
  if (s < 1 || s > MEI_MAX_SECTIONS || t < 1 || t > MEI_MAX_THRUSTS) return false;
  MEI_Entry& e = table.entry(s, t);
  if (e.i_Number_of_Points >= MEI_MAX_POINTS) return false;
  const int p = ++e.i_Number_of_Points;
  e.rd_Moment[p] = moment;
  e.rd_EI[p] = ei;
  e.rd_Curvature[p] = curvature;
  return true;
}

}  // namespace ormyx
