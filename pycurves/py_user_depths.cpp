// PLACEHOLDER: replaced by the p-y curves at user depths.
#include "pycurves/py_user_depths.h"
#include "solution/plot_file.h"
namespace ormyx {
void Report_Py_Curves_At_Depths() { Write_Plot_Line_6_None(); }
}  // namespace ormyx
