// Section analysis of the pile sections whose bending stiffness is not given
// directly: the driver that loads and reports a section, the moment-curvature
// computation at every axial thrust, the elastic-plastic table and the input
// moment-EI table. All of them fill the moment-EI table RS().sol.mei.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/run_control.h"

#include "engine/fixed_array.h"
#include "section/mc_state.h"
#include "section/mei_table.h"

namespace ormyx {

// The working tables of the moment-curvature computation (RS().sec.mc; its
// thrust count is reset at the start of every section analysis).
Moment_Curvature_State& MC_State();

// Section analysis of pile section s: working state, dimension block,
// capacities, then the moment-curvature computation (types 0-10), or the
// elastic (11), elastic-plastic (12) or input moment-EI table (13). A
// micropile (14) is rejected with input error 45.
void Analyse_Nonlinear_Section(int s);

// Moment-curvature computation of the section loaded in EI_Vars (capacities
// already computed for types 0-4): thrust checks, point tables, nominal
// moment capacities, moment-EI entries, files, plot records and summary.
void Compute_Moment_Curvature();

// Threads of the moment-curvature compute phase: 0 (the default) chooses by
// the size of the work, 1 keeps it on the calling thread, 2 uses two. With
// 0, the environment variable ORMYX_SECTION_THREADS=1 also keeps one thread.
void Set_Section_Threads(int n);

// Base curvature step of a concrete section of principal dimension B (in or m).
double fn_Base_Curvature_Step(double B, int32_t units);

// Elastic-plastic section s (type 12): 150-point table at every thrust,
// nodal stiffness and plastic moment of the nodes inside the section.
void Elastic_Plastic_Section_Table(int s);

// Section s with a moment-EI table given as input (type 13).
void User_EI_Section_Table(int s);

// Input error block of a section whose data cannot give a moment-EI table
// (the header, the problem and the solution lines), and the error recorded.
void Section_Data_Error(int n, const std::string& problem, const std::string& solution);

// Nominal bar diameter (in) of a single bar area (in^2) from the bar table.
double fn_Bar_Diameter_From_Area(double area);

// ---- Report blocks of the section analysis (section units) ----------------

// The dimension block of the loaded section, with the bar tables of types 0-3.
void Write_Dimension_Block(int s);
// The bar position table of drilled shafts (types 1-3) and the bar details
// of a rectangular pile with bars in a noncircular pattern.
void Write_Bar_Tables(int s);
void Write_Concrete_Properties();
void Write_Run_Message_Definitions();
// "Axial Thrust Force = " and the column heading of the point table.
void Write_Point_Table_Heading(double P);
// The rows of thrust t from the working tables.
void Write_Point_Table_Rows(int t);
// The same rows appended to a text, each with its newline (no run-wide state
// is touched: shape is the analysis shape of the section).
void Append_Point_Table_Rows(std::string& out, const Moment_Curvature_State& mc, int t, int32_t shape);
// Lines of a text (each ended by a newline) written to a channel, as
// Write_Line writes them one by one.
void Write_Text_Lines(Channel ch, std::string_view text);
// Nominal moment capacities of every thrust and the factored tables.
void Write_Capacity_Summary();

}  // namespace ormyx
