#include "pycurves/py_report.h"

#include <cmath>
#include <numbers>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"

namespace ormyx {

namespace {

template <int N>
std::string Trim(const Text<N>& t) {
  return std::string(t.trimmed());
}

}  // namespace

std::string fn_Py_Number(double v) {
  std::string s = Number_Field(v, 14);
  std::size_t i = s.find_first_not_of(' ');
  return i == std::string::npos ? std::string("0") : s.substr(i);
}

std::string fn_Py_Depth_Unit() { return Trim(RS().labels.long_length); }
std::string fn_Py_Length_Unit() { return Trim(RS().labels.length); }
std::string fn_Py_Force_Per_Length_Unit() { return Trim(RS().labels.force_per_length); }
std::string fn_Py_Stress_Unit() { return Trim(RS().labels.stress_sq_in); }
std::string fn_Py_Unit_Weight_Unit() { return Trim(RS().labels.force_per_length3); }

double fn_Py_Printed_Depth(double depth) {
  return RS().prob.opt.IUNITS == US_UNITS ? depth / 12.0 : depth;
}

double fn_Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

void Py_Report_Title(std::string_view title) {
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, title);
  Write_Line(CH_REPORT);
}

void Py_Report_Field(std::string_view label, const std::string& field, std::string_view unit) {
  Put(CH_REPORT, label);
  Tab_To(CH_REPORT, 56);
  Put(CH_REPORT, "= ");
  Put(CH_REPORT, field);
  if (!unit.empty()) {
    Put(CH_REPORT, " ");
    Put(CH_REPORT, unit);
  }
  End_Line(CH_REPORT);
}

void Py_Report_Value(std::string_view label, double v, int decimals, std::string_view unit) {
  Py_Report_Field(label, fmt::F(v, 12, decimals), unit);
}

void Py_Report_Integer(std::string_view label, long long v, int w) {
  Py_Report_Field(label, fmt::I(v, w));
}

void Py_Report_Depth_Lines(int L, double xv, double z0, int layer_width) {
  const std::string du = fn_Py_Depth_Unit();
  Py_Report_Integer("Soil Layer Number", L, layer_width);
  Py_Report_Value("Depth below pile head", fn_Py_Printed_Depth(xv), 3, du);
  Py_Report_Value("Depth below ground surface", fn_Py_Printed_Depth(z0), 3, du);
}

void Py_Report_Slope_Lines() {
  const Loading_Records& ld = RS().prob.load;
  Py_Report_Value("Ground Slope Angle", fn_Degrees(ld.rd_SlopeAngle), 3, "deg.");
  Py_Report_Value("Pile Batter", fn_Degrees(ld.rd_BatterAngle), 3, "deg.");
  Py_Report_Value("Effective Slope", fn_Degrees(ld.rd_SlopeMinusBatter), 3, "deg.");
}

void Py_Report_Multipliers(double p_mult, double y_mult) {
  Py_Report_Value("p-multiplier", p_mult, 5);
  Py_Report_Value("y-multiplier", y_mult, 5);
}

void Py_Report_Depth_Note(bool rock_above) {
  Write_Line(CH_REPORT);
  if (rock_above) {
    Write_Line(CH_REPORT, "This layer is below one or more layers of rock.  In this case, the ");
    Write_Line(CH_REPORT, "layering correction is not used and the true depth below the ground ");
    Write_Line(CH_REPORT, "surface is used when computing the p-y curve.  ");
  } else {
    Write_Line(CH_REPORT, "This p-y curve is computed using the equivalent depth.");
  }
  Write_Line(CH_REPORT);
}

void Py_Report_Curve_Heading(std::string_view rule) {
  Write_Line(CH_REPORT);
  Put(CH_REPORT, "     y, " + fn_Py_Length_Unit());
  Tab_To(CH_REPORT, 25);
  Put(CH_REPORT, "p, " + fn_Py_Force_Per_Length_Unit());
  End_Line(CH_REPORT);
  Write_Line(CH_REPORT, rule);
}

void Py_Report_Point(double y, double p, int lead, int gap) {
  Write_Blanks(lead);
  Write_Number(y, 12);
  Write_Blanks(gap);
  Write_Number(p, 12);
  End_Line();
}

void Py_Plot_Line_7(double depth, int points, std::string_view label, int curve) {
  Put(CH_PLOT, fmt::E(depth, 15, 7) + fmt::I(points, 5) + fmt::X(60));
  Put(CH_PLOT, label);
  Put(CH_PLOT, fmt::I0(curve));
  End_Line(CH_PLOT);
}

void Py_Plot_Line_8(double y, double p, int k, std::string_view text) {
  Put(CH_PLOT, fmt::E(y, 15, 7) + fmt::E(p, 15, 7) + fmt::X(50) + "Line 8(" + fmt::I0(k) +
                   "): y, p, for ");
  Put(CH_PLOT, text);
  End_Line(CH_PLOT);
}

}  // namespace ormyx
