// Report and plot writing shared by the soil models in report mode: the
// heading block of a p-y curve (title and labelled property lines), the
// column heading and point lines, and the plot records Line 7 and Line 8.
#pragma once
#include <string>
#include <string_view>

namespace ormyx {

// A number for an error or warning line, in as few columns as it needs.
std::string fn_Py_Number(double v);

// Unit texts of the current unit system, trailing blanks removed.
std::string fn_Py_Depth_Unit();    // ft | m | L (depths printed by the p-y blocks)
std::string fn_Py_Length_Unit();   // in | m | L
std::string fn_Py_Force_Per_Length_Unit();  // lb/in | kN/m | F/L
std::string fn_Py_Stress_Unit();   // psi | kPa | F/L2
std::string fn_Py_Unit_Weight_Unit();  // pci | kN/m3 | F/L3

// Depth as printed: feet for US customary units (inches / 12), else as held.
double fn_Py_Printed_Depth(double depth);
double fn_Degrees(double radians);

// Two empty lines, the title line and one empty line.
void Py_Report_Title(std::string_view title);
// "label", tab to column 56, "= ", the field and, when unit is not empty,
// one blank and the unit.
void Py_Report_Field(std::string_view label, const std::string& field, std::string_view unit = {});
// The same with the value as Fw.d (w = 12).
void Py_Report_Value(std::string_view label, double v, int decimals, std::string_view unit = {});
// The same with an integer in w columns.
void Py_Report_Integer(std::string_view label, long long v, int w);

// "Soil Layer Number" (integer field of the given width), "Depth below pile
// head" and "Depth below ground surface".
void Py_Report_Depth_Lines(int L, double xv, double z0, int layer_width);
// "Ground Slope Angle", "Pile Batter" and "Effective Slope" in degrees.
void Py_Report_Slope_Lines();
// "p-multiplier" and "y-multiplier" of the curve.
void Py_Report_Multipliers(double p_mult, double y_mult);
// Between empty lines, the depth a sand curve uses: the true depth below
// layers of rock, else the equivalent depth.
void Py_Report_Depth_Note(bool rock_above);

// Column heading "y, <length>" / "p, <force per length>" and the rule.
void Py_Report_Curve_Heading(std::string_view rule = "----------------    -----------------");
// One point line: lead blanks, Write_Number(y, 12), gap blanks, Write_Number(p, 12).
void Py_Report_Point(double y, double p, int lead, int gap);

// Plot record Line 7: E15.7 depth, I5 points, 60X, label and curve number.
void Py_Plot_Line_7(double depth, int points, std::string_view label, int curve);
// Plot record Line 8: E15.7 y and p, 50X, "Line 8(" k "): y, p, for " text.
void Py_Plot_Line_8(double y, double p, int k, std::string_view text);

}  // namespace ormyx
