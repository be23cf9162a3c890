// Run steps whose subsystems are still being built: they do nothing yet.
#include "engine/run_steps.h"

namespace ormyx {

void Echo_Input_Data() {}
void Build_Pile_Nodes() {}
void Analyse_Section(int) {}
void Run_Load_Case(int) {}
void Write_Summary_Tables() {}
void Compute_Stiffness_Matrix() {}

}  // namespace ormyx
