// Temporary stand-ins for the p-y framework's entry points used by the
// iteration. Remove this file when the p-y framework defines them.
#include "solution/py_interface.h"

namespace ormyx {

void Compute_Soil_Moduli(int) {}
bool fn_Layer_Lacks_Equivalent_Depth(int) { return true; }
bool fn_Layer_Has_Rock_Above(int) { return false; }
void Setup_Vuggy_Limestone_Layer(int) {}

}  // namespace ormyx
