// Pile-head loads, LRFD loads and combinations, and the smaller loading tables.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MAX_LOAD_CASES = 100;
inline constexpr int MAX_THRUSTS = 100;

struct Loading_Records {
  int32_t i_Number_of_Loads = 0;
  List<double, MAX_THRUSTS> Axial_Thrust_List;
  int32_t i_Number_of_Thrusts = 0;
};

}  // namespace ormyx
