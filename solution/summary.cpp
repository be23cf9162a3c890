// PLACEHOLDER: replaced by the summary tables.
#include "engine/run_steps.h"
namespace ormyx {
void Write_Summary_Tables() {}
}  // namespace ormyx
