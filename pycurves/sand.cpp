// PLACEHOLDER: replaced by the sand models.
#include "pycurves/py_models.h"
namespace ormyx {
void Py_Reese_Sand(int) {}
void Py_API_Sand(int) {}
void Py_Liquefied_Sand(int) {}
double fn_Sand_Equivalent_Depth(int, double) { return 0.0; }
}  // namespace ormyx
