#include "solution/plot_file.h"

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

}  // namespace ormyx
