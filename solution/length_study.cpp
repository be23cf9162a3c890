// PLACEHOLDER: replaced by the length study.
#include "solution/length_study.h"
#include "solution/plot_file.h"
namespace ormyx {
void Compute_Deflection_Versus_Length(int c) { Write_Plot_Line_11_None(c, false); }
}  // namespace ormyx
