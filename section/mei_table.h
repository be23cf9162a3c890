// The moment-EI table: moment, bending stiffness and curvature of every pile
// section at every axial thrust of the run, with the nominal moment
// capacities. Filled by the section analysis before the first load case and
// read by the nodal stiffness lookup of the lateral analysis.
//
// Units of the points: kip-in, kip-in^2, rad/in (US customary) or kN-m,
// kN-m^2, rad/m (SI); the user's F-L units in generic problems. The nominal
// moment capacity rd_Mn is in lb-in for US customary problems (kN-m for SI).
// The thrust of entry t is the t-th value of the run's axial thrust list
// (not stored here), the same for every section.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MEI_MAX_SECTIONS = 20;
inline constexpr int MEI_MAX_THRUSTS = 100;
inline constexpr int MEI_MAX_POINTS = 150;  // points per (section, thrust) entry

// One (section, thrust) entry: points p = 1 .. i_Number_of_Points in increasing
// curvature, moments non-decreasing.
struct MEI_Entry {
  int32_t i_Number_of_Points = 0;              // 0 .. MEI_MAX_POINTS
  double rd_Mn = 0.0;                          // nominal moment capacity (lb-in | kN-m | F-L)
  List<double, MEI_MAX_POINTS> rd_Moment;      // M_p
  List<double, MEI_MAX_POINTS> rd_EI;          // EI_p
  List<double, MEI_MAX_POINTS> rd_Curvature;   // phi_p
};

struct MEI_Table {
  Table<MEI_Entry, MEI_MAX_SECTIONS, MEI_MAX_THRUSTS> entry;  // entry(s, t)
};

// Clear every entry (no points, Mn = 0).
void Clear_MEI_Table(MEI_Table& table);

// Append one point to entry (s, t). Returns false, storing nothing, when s, t
// are outside the table or the entry already holds MEI_MAX_POINTS points.
bool Add_MEI_Point(MEI_Table& table, int s, int t, double moment, double ei, double curvature);

}  // namespace ormyx
