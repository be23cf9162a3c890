// PLACEHOLDER: replaced by the LRFD distributed loads.
#include "solution/lrfd_loads.h"
namespace ormyx {
void Prepare_LRFD_Distributed_Loads() {}
double fn_LRFD_Node_Load(int, int) { return 0.0; }
}  // namespace ormyx
