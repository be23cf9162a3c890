// LRFD factored loads: the unfactored load groups summed by load type, each
// combination's factored loads turned for the pile batter, and the distinct
// factored axial forces as the axial thrust list of the section analyses.
#pragma once

namespace ormyx {

// Fill LRFD_Type_Total, LRFD_Factored_Load, rd_LRFD_Thrust and rebuild
// Axial_Thrust_List (kips in US customary units). Writes nothing; the echo
// reports the results.
void Build_LRFD_Factored_Loads();

// Two factored thrusts closer than this are one thrust of the list.
inline constexpr double LRFD_THRUST_TOLERANCE = 1.0E-15;
// Batter angles (radians) of at most this magnitude are not transformed.
inline constexpr double LRFD_BATTER_LIMIT = 1.0E-6;

}  // namespace ormyx
