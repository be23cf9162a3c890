// The entry points the nonlinear iteration calls on the p-y side.
#include "pycurves/py_framework.h"
#include "solution/pile_model.h"
#include "solution/py_interface.h"

namespace ormyx {

void Compute_Soil_Moduli(int iteration) {
  if (iteration <= 1) {
    // A new analysis: values kept for the nodes of an earlier one may be stale.
    Invalidate_Node_Cache();
    Py_Clear_Threshold_Holds();
  }
  Py_Layer_Pass();
}
bool fn_Layer_Lacks_Equivalent_Depth(int L) { return fn_Py_Layer_Lacks_Equivalent_Depth(L); }
bool fn_Layer_Has_Rock_Above(int L) { return fn_Py_Layer_Has_Rock_Above(L); }
void Setup_Vuggy_Limestone_Layer(int L) { Py_Setup_Vuggy_Limestone_Layer(L); }

}  // namespace ormyx
