// PLACEHOLDER: replaced by the other soil models.
#include "pycurves/py_models.h"
namespace ormyx {
void Py_Cemented_Silt(int) {}
void Py_User_Input(int) {}
void Py_Loess(int) {}
void Py_Piedmont(int) {}
double fn_Cemented_Silt_Equivalent_Depth(int, double) { return 0.0; }
}  // namespace ormyx
