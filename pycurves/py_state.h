// Run-wide state of the p-y framework and the soil models.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

struct Py_State {
  int32_t placeholder = 0;
};

}  // namespace ormyx
