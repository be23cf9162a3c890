// The steps of the run sequence that belong to other subsystems, called by
// the entry function in order. Each records its errors in Run_Status.
#pragma once

namespace ormyx {

void Echo_Input_Data();              // input echo, whole-problem checks, LRFD loads
void Build_Pile_Nodes();             // divide the pile into nodes
void Analyse_Section(int section);   // moment-curvature / EI tables of one section
// One load case: set-up, iteration, convergence; its report and plot records.
void Run_Load_Case(int load_case);
void Write_Summary_Tables();         // summary and LRFD tables
void Compute_Stiffness_Matrix();     // pile-head stiffness matrix

}  // namespace ormyx
