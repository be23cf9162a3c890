// PLACEHOLDER: replaced by the stiff clay models.
#include "pycurves/py_models.h"
namespace ormyx {
void Py_Stiff_Clay_Water(int) {}
void Py_Stiff_Clay_No_Water(int) {}
void Py_Stiff_Clay_No_Water_K(int) {}
double fn_Stiff_Clay_Equivalent_Depth(int, double) { return 0.0; }
}  // namespace ormyx
