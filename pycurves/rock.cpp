// PLACEHOLDER: replaced by the rock models.
#include "pycurves/py_models.h"
namespace ormyx {
void Py_Weak_Rock(int) {}
void Py_Vuggy_Limestone(int) {}
void Py_Massive_Rock(int) {}
}  // namespace ormyx
