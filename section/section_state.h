// Run-wide state of the section analysis (working section, moment-EI tables).
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

struct Section_State {
  int32_t placeholder = 0;
};

}  // namespace ormyx
