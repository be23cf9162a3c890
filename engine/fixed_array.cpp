#include "engine/fixed_array.h"

#include <string>

namespace ormyx {

void Raise_Index_Fault(long index, long lo, long hi) {
  throw Index_Fault("index " + std::to_string(index) + " outside " + std::to_string(lo) + ".." +
                    std::to_string(hi));
}

}  // namespace ormyx
