// PLACEHOLDER: replaced by the pile-head stiffness matrix.
#include "engine/run_steps.h"
namespace ormyx {
void Compute_Stiffness_Matrix() {}
}  // namespace ormyx
