#include "engine/plot_records.h"

#include <string>

#include "engine/format.h"
#include "engine/run_files.h"

namespace ormyx {

void Write_Plot_Line_3(int thrust_count, std::string_view label) {
  Put(CH_PLOT, fmt::I(thrust_count, 5) + fmt::X(75));
  Put(CH_PLOT, label);
  End_Line(CH_PLOT);
}

void Write_Plot_Line_4(int points, double thrust, double mn, std::string_view label) {
  Put(CH_PLOT, fmt::I(points, 5) + fmt::X(10) + fmt::E(thrust, 15, 7) + fmt::E(mn, 15, 7));
  Tab_To(CH_PLOT, 81);
  Put(CH_PLOT, label);
  End_Line(CH_PLOT);
}

void Write_Plot_Line_5(double moment, double ei, double curvature, std::string_view label,
                       int section, int thrust, int point) {
  Put(CH_PLOT, fmt::E(moment, 15, 7) + fmt::E(ei, 15, 7) + fmt::E(curvature, 15, 7));
  Tab_To(CH_PLOT, 81);
  Put(CH_PLOT, label);
  Put(CH_PLOT, fmt::I0(section) + ", AxLd#=" + fmt::I0(thrust) + ", CurvPnt#=" + fmt::I0(point));
  End_Line(CH_PLOT);
}

namespace {

// The line begun at line_start padded (or cut) to end in column column - 1.
void Tab_Text_To(std::string& out, std::size_t line_start, int column) {
  const std::size_t want = line_start + (column > 1 ? std::size_t(column - 1) : 0);
  if (out.size() < want) out.append(want - out.size(), ' ');
  else out.resize(want);
}

}  // namespace

void Append_Plot_Line_4(std::string& out, int points, double thrust, double mn, std::string_view label) {
  const std::size_t start = out.size();
  out += fmt::I(points, 5);
  out += fmt::X(10);
  out += fmt::E(thrust, 15, 7);
  out += fmt::E(mn, 15, 7);
  Tab_Text_To(out, start, 81);
  out += label;
  out += '\n';
}

void Append_Plot_Line_5(std::string& out, double moment, double ei, double curvature,
                        std::string_view label, int section, int thrust, int point) {
  const std::size_t start = out.size();
  out += fmt::E(moment, 15, 7);
  out += fmt::E(ei, 15, 7);
  out += fmt::E(curvature, 15, 7);
  Tab_Text_To(out, start, 81);
  out += label;
  out += fmt::I0(section);
  out += ", AxLd#=";
  out += fmt::I0(thrust);
  out += ", CurvPnt#=";
  out += fmt::I0(point);
  out += '\n';
}

void Write_Plot_Line_6_None() {
  Write_Line(CH_PLOT, fmt::I(0, 5) + fmt::X(75) + "Line 6 : number of output p-y curves");
}

void Write_Plot_Line_9(int load_cases, int nodes, int iunits) {
  Write_Line(CH_PLOT, fmt::I(load_cases, 5) + fmt::I(nodes, 5) + fmt::I(iunits, 5) + fmt::X(65) +
                          "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
}

void Write_Plot_Line_10(int k, double x, double y, double moment, double shear, double p,
                        double ei) {
  Put(CH_PLOT, fmt::E(x, 15, 7) + fmt::E(y, 15, 7) + fmt::E(moment, 15, 7) +
                   fmt::E(shear, 15, 7) + fmt::E(p, 15, 7) + fmt::E(ei, 15, 7));
  Tab_To(CH_PLOT, 92);
  Put(CH_PLOT, "Line 10(" + fmt::I(k, 3) + "): nodal depth, y, M, V, p, EI");
  End_Line(CH_PLOT);
}

void Write_Plot_Line_11_None(int c, bool lrfd) {
  Write_Line(CH_PLOT, fmt::I(0, 5) + fmt::X(75) +
                          (lrfd ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                                : "Line 11: Num. points on Ytop vs. Length curve for load case ") +
                          fmt::I0(c));
}

void Write_Plot_Line_11(int points, int c) {
  Write_Line(CH_PLOT, fmt::I(points, 5) + fmt::X(75) +
                          "Line 11: Num. points on Ytop vs. pile length curve for load case " +
                          fmt::I0(c));
}

void Write_Plot_Line_12(double length, double y_top, double max_moment, double max_shear, bool us) {
  Write_Line(CH_PLOT, fmt::E(length, 15, 7) + fmt::E(y_top, 15, 7) + fmt::E(max_moment, 15, 7) +
                          fmt::E(max_shear, 15, 7) + fmt::X(20) +
                          (us ? "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)"
                              : "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)"));
}

void Write_Plot_Line_14(double shear, double moment, double k22, double k23, double k32,
                        double k33, double y_top, double theta) {
  Write_Line(CH_PLOT, fmt::E(shear, 15, 7) + fmt::E(moment, 15, 7) + fmt::E(k22, 15, 7) +
                          fmt::E(k23, 15, 7) + fmt::E(k32, 15, 7) + fmt::E(k33, 15, 7) +
                          fmt::E(y_top, 15, 7) + fmt::E(theta, 15, 7) +
                          "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
}

}  // namespace ormyx
