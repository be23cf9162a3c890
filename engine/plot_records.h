// Writers of plot-file records shared by the section analysis and the lateral
// analysis (Lines 3 to 5, 6, 9 to 12 and 14). Each record is one fixed-layout line.
#pragma once
#include <string>
#include <string_view>

namespace ormyx {

// Line 3: total number of axial thrusts, with the label of section 1's kind.
void Write_Plot_Line_3(int thrust_count, std::string_view label);
// Line 4: points, thrust and nominal moment capacity of one table entry.
void Write_Plot_Line_4(int points, double thrust, double mn, std::string_view label);
// Line 5: one moment-EI point; the label is followed by the section, thrust
// and point numbers.
void Write_Plot_Line_5(double moment, double ei, double curvature, std::string_view label,
                       int section, int thrust, int point);
// Lines 4 and 5 appended to a text (each with its newline), byte for byte as
// the writers above put them in the plot file; they touch no run-wide state.
void Append_Plot_Line_4(std::string& out, int points, double thrust, double mn, std::string_view label);
void Append_Plot_Line_5(std::string& out, double moment, double ei, double curvature,
                        std::string_view label, int section, int thrust, int point);
// Line 6 when no p-y curves at user depths follow.
void Write_Plot_Line_6_None();
// Line 9: number of load cases, number of nodes, unit system.
void Write_Plot_Line_9(int load_cases, int nodes, int iunits);
// Line 10: the results of node k of the current load case.
void Write_Plot_Line_10(int k, double x, double y, double moment, double shear, double p,
                        double ei);
// Line 11 when no deflection-length study ran for load case c.
void Write_Plot_Line_11_None(int c, bool lrfd);
// Line 11 of a deflection-length study: the number of points of load case c.
void Write_Plot_Line_11(int points, int c);
// Line 12: one point of the deflection-length curve (US customary label when
// us, the SI label otherwise).
void Write_Plot_Line_12(double length, double y_top, double max_moment, double max_shear, bool us);
// Line 14: one row of the pile-head stiffness matrix table.
void Write_Plot_Line_14(double shear, double moment, double k22, double k23, double k32,
                        double k33, double y_top, double theta);

}  // namespace ormyx
