// Run-wide state of the lateral response solution (node model, solver, results).
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

struct Solution_State {
  int32_t placeholder = 0;
};

}  // namespace ormyx
