// Echo of an LRFD analysis: the unfactored load groups, their totals by load
// type, the load and resistance factors, the factored loads of every
// combination (turned for the pile batter) and the sorted axial thrusts.
#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/echo.h"
#include "input/lrfd_factored.h"

namespace ormyx {

namespace {

constexpr double PI = 3.141592653589793;

const char* const GROUP_TYPE_LABELS[LRFD_LOAD_TYPES] = {
    "Dead Load   (DL)", "Live Load   (LL)", "Earthquake  (EQ)", "Impact Load (IM)",
    "Wind Load    (W)", "Water Load  (HW)", "Ice Load   (Ice)", "Horiz. Soil (Hs)",
    "Live Roof   (Lr)", "Rain Load   (Rn)", "Snow Load   (Sn)", "Temperature (Tm)",
    "Special     (Sp)"};

const char* const TOTAL_TYPE_LABELS[LRFD_LOAD_TYPES] = {
    "Dead Loads   (DL)", "Live Loads   (LL)", "Earthquake   (EQ)", "Impact Load  (IM)",
    "Wind Loads    (W)", "Water Loads  (HW)", "Ice Loads   (Ice)", "Horiz. Soil  (Hs)",
    "Live Roof    (Lr)", "Rain Loads   (Rn)", "Snow Loads   (Sn)", "Temperature  (Tm)",
    "Special      (Sp)"};

const char* const FACTOR_SUFFIX[LRFD_LOAD_TYPES] = {"*DL", "*LL", "*EQ", "*IM", "*W ", "*HW", "*Ice",
                                                   "*Hs", "*Lr", "*Rn", "*Sn", "*Tm", "*Sp"};

bool fn_US_Units() { return RS().prob.opt.IUNITS == US_UNITS; }

// Text padded (or extended by one blank) so that the next field starts at column c.
void Pad_To(std::string& s, int column) {
  if (s.size() < std::size_t(column - 1)) s.resize(std::size_t(column - 1), ' ');
  else s += ' ';
}

std::string Name_Of(int c) { return Trimmed(RS().prob.load.LRFD_Combination[c].name.view()); }

std::string Group_Dash_Line() {
  return "-----------------      ------------------      ------------------      ------------------"
         "      ------------------      -------------";
}
std::string Total_Dash_Line() {
  return "-----------------      ------------------      ------------------      ------------------"
         "      -------------";
}
std::string Combination_Dash_Line() {
  return "--------------     ----------------   ----------------   ----------------     "
         "-----------------------";
}

void Echo_Load_Groups() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_LRFD_Groups, MAX_LRFD_GROUPS);
  Blank_Lines(CH_REPORT, 3);
  Write_Line(CH_REPORT, Rule(79));
  Write_Line(CH_REPORT, "                  Unfactored Loading Groups for LRFD Analysis");
  Write_Line(CH_REPORT, Rule(79));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Number of Loading Groups = " + fmt::I0(ld.i_Number_of_LRFD_Groups));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "      Load                    Load                Horiz. Force               Moment  "
             "              Axial Force           Number of ");
  Write_Line(CH_REPORT,
             fn_US_Units() ? "      Group                   Type                     lbs                  inch-lbs"
                    "                   lbs             Distrib. Lds. "
                  : "      Group                   Type                     kN                     kN-m  "
                    "                   kN              Distrib. Lds. ");
  Write_Line(CH_REPORT, Group_Dash_Line());
  for (int g = 1; g <= n; ++g) {
    const LRFD_Load_Group_Record& G = ld.LRFD_Load_Group[g];
    std::string line = fmt::I(g, 9);
    Pad_To(line, 15);
    line += (G.i_LoadType >= 1 && G.i_LoadType <= LRFD_LOAD_TYPES) ? GROUP_TYPE_LABELS[G.i_LoadType - 1]
                                                                   : "Undefined";
    Pad_To(line, 48);
    line += Echo_Fixed(G.rd_HorizontalForce, 18, 2) + "      " + Echo_Fixed(G.rd_Moment, 18, 2) +
            "      " + Echo_Fixed(G.rd_AxialForce, 18, 2) + "      " +
            fmt::I(G.i_Number_of_Distributed_Points, 8);
    Write_Line(CH_REPORT, line);
  }
  for (int g = 1; g <= n; ++g) {
    const LRFD_Load_Group_Record& G = ld.LRFD_Load_Group[g];
    const int d = fn_Clamped(G.i_Number_of_Distributed_Points, MAX_DISTRIBUTED_POINTS);
    if (d < 1) continue;
    Blank_Lines(CH_REPORT, 2);
    Write_Line(CH_REPORT, "Number of Distributed Loading Points Input for Load Group " + fmt::I0(g) +
                              " = " + fmt::I0(G.i_Number_of_Distributed_Points));
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Point           Depth          Distributed Load");
    Write_Line(CH_REPORT, fn_US_Units() ? "                  in               lb/inch   "
                               : "                  m                kN/m      ");
    Write_Line(CH_REPORT, "-----     ----------------     ----------------");
    for (int k = 1; k <= d; ++k) {
      const Distributed_Load_Point_Record& p = G.LRFD_Distributed_Point[k];
      Write_Line(CH_REPORT, fmt::I(k, 5) + "     " + Echo_Fixed(p.X, 16, 4) + "     " +
                                Echo_Fixed(p.load, 16, 4));
    }
  }
}

void Echo_Type_Totals() {
  const Loading_Records& ld = RS().prob.load;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Totals of Unfactored Loads by Load Type for LRFD Analyses:");
  Write_Line(CH_REPORT, Rule(58));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "Number of Defined Unfactored Load Cases = " + fmt::I0(ld.i_Number_of_LRFD_Groups));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "The following table presents the sum of unfactored pile-head loads for each load type.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "      Load                Horiz. Force               Moment                Axial Force  "
             "         Number of ");
  Write_Line(CH_REPORT,
             fn_US_Units() ? "      Type                     lbs                  inch-lbs                   lbs  "
                    "               Loads   "
                  : "      Type                     Kn                     Kn-M                     kN   "
                    "               Loads   ");
  Write_Line(CH_REPORT, Total_Dash_Line());
  for (int t = 1; t <= LRFD_LOAD_TYPES; ++t) {
    const LRFD_Type_Total_Record& T = ld.LRFD_Type_Total[t];
    Write_Line(CH_REPORT, std::string(TOTAL_TYPE_LABELS[t - 1]) + "      " +
                              Echo_Fixed(T.rd_HorizontalForce, 18, 2) + "      " +
                              Echo_Fixed(T.rd_Moment, 18, 2) + "      " +
                              Echo_Fixed(T.rd_AxialForce, 18, 2) + "      " + fmt::I(T.i_Count, 8));
  }
  Blank_Lines(CH_REPORT, 3);
}

void Echo_Factors() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_LRFD_Combinations, MAX_LRFD_COMBINATIONS);
  Write_Line(CH_REPORT, Rule(77));
  Write_Line(CH_REPORT,
             "     Load and Resistance Factors by Load Combinations for LRFD Analyses      ");
  Write_Line(CH_REPORT, Rule(77));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Number of Factored Load Combinations = " +
                            fmt::I0(ld.i_Number_of_LRFD_Combinations));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Summary of Load and Resistance Factors:");
  Write_Line(CH_REPORT, Rule(39));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             " No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   "
             "Temp   Spec   M RF   V RF   Name");
  // Right edges of the 15 factor columns under their headings.
  static const int edge[15] = {10, 17, 24, 31, 39, 46, 53, 60, 67, 74, 81, 88, 95, 102, 109};
  std::string dash = "----";
  for (int e : edge) {
    dash.resize(std::size_t(e - 5), ' ');
    dash += "-----";
  }
  dash.resize(112, ' ');
  dash += Rule(20);
  Write_Line(CH_REPORT, dash);
  for (int c = 1; c <= n; ++c) {
    const LRFD_Combination_Record& C = ld.LRFD_Combination[c];
    std::string line = fmt::I(c, 4);
    for (int j = 0; j < 15; ++j) {
      double f = j < LRFD_LOAD_TYPES ? C.rd_LoadFactor[j + 1]
                 : j == LRFD_LOAD_TYPES ? C.rd_FlexureFactor : C.rd_ShearFactor;
      if (j >= LRFD_LOAD_TYPES && !(f > 0.0)) f = 0.75;
      line.resize(std::size_t(edge[j] - 6), ' ');
      line += (j < LRFD_LOAD_TYPES && !(f > 0.0)) ? "    --" : Echo_Fixed(f, 6, 2);
    }
    line.resize(112, ' ');
    line += Name_Of(c);
    Write_Line(CH_REPORT, line);
  }
}

void Echo_Factored_Loads() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_LRFD_Combinations, MAX_LRFD_COMBINATIONS);
  const bool us = fn_US_Units();
  Blank_Lines(CH_REPORT, 3);
  Write_Line(CH_REPORT, Rule(78));
  Write_Line(CH_REPORT, std::string(17, ' ') + "Computed Factored Loads for LRFD Analyses");
  Write_Line(CH_REPORT, Rule(78));
  Write_Line(CH_REPORT);
  for (int c = 1; c <= n; ++c) {
    const LRFD_Combination_Record& C = ld.LRFD_Combination[c];
    const LRFD_Factored_Load_Record& F = ld.LRFD_Factored_Load[c];
    Write_Line(CH_REPORT, "Factored Load Combination No. " + fmt::I0(c));
    Write_Line(CH_REPORT, Rule(33));
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Load Combination Name = " + Name_Of(c));
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Structural Resistance Factor for Flexure =" +
                              Echo_Fixed(C.rd_FlexureFactor > 0.0 ? C.rd_FlexureFactor : 0.75, 6, 2));
    Write_Line(CH_REPORT, "Structural Resistance Factor for Shear   =" +
                              Echo_Fixed(C.rd_ShearFactor > 0.0 ? C.rd_ShearFactor : 0.75, 6, 2));
    Write_Line(CH_REPORT);
    std::string terms = "Factored Load = ";
    for (int t = 1; t <= LRFD_LOAD_TYPES; ++t) {
      const double f = C.rd_LoadFactor[t];
      if (!(f > 0.0)) continue;
      if (t > 1) terms += " +";
      terms += Echo_Fixed(f, 5, 2) + FACTOR_SUFFIX[t - 1];
    }
    terms += ' ';
    Write_Line(CH_REPORT, terms);
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Factored Horizontal Force = " + Echo_Fixed(F.rd_HorizontalForce, 18, 2) +
                              (us ? " lbs" : " kN"));
    Write_Line(CH_REPORT, "Factored Vertical Force   = " + Echo_Fixed(F.rd_VerticalForce, 18, 2) +
                              (us ? " lbs" : " kN"));
    Write_Line(CH_REPORT, "Factored Moment           = " + Echo_Fixed(F.rd_Moment, 18, 2) +
                              (us ? " in-lbs" : " kN-m"));
    Write_Line(CH_REPORT);
  }

  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Totals of Factored Loads by Load Combination:");
  Write_Line(CH_REPORT, Rule(45));
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "      Load             Factored           Factored           Factored      ");
  Write_Line(CH_REPORT,
             "   Combination       Horiz. Force          Moment           Vert. Force     Load Combination Name  ");
  Write_Line(CH_REPORT, us ? "     Number               lbs              in-lbs               lbs        "
                           : "     Number               kN                kN-m                kN         ");
  Write_Line(CH_REPORT, Combination_Dash_Line());
  for (int c = 1; c <= n; ++c) {
    const LRFD_Factored_Load_Record& F = ld.LRFD_Factored_Load[c];
    Write_Line(CH_REPORT, fmt::I(c, 9) + Echo_Fixed(F.rd_HorizontalForce, 24, 2) +
                              Echo_Fixed(F.rd_Moment, 19, 2) + Echo_Fixed(F.rd_VerticalForce, 19, 2) +
                              "     " + Name_Of(c));
  }
}

void Echo_Batter_Transformation() {
  const Loading_Records& ld = RS().prob.load;
  if (!ld.b_LRFD_BatterTransformed) return;
  const int n = fn_Clamped(ld.i_Number_of_LRFD_Combinations, MAX_LRFD_COMBINATIONS);
  const double b = ld.rd_BatterAngle;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Factored Loads Transformed for Pile Batter by Load Combination:");
  Write_Line(CH_REPORT, Rule(63));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "Horizontal and vertical loads are transformed into transverse shear and axial loads");
  Write_Line(CH_REPORT, "using the following:");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Pile PileBatter = " + Echo_Fixed(b * 180.0 / PI, 10, 4) + " degrees");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Transformation Matrix and Equations:");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "   T(1,1) =  Cos(PileBatter) = " + fmt::F(std::cos(b), 10, 6) +
                            "   T(1,2) = Sin(PileBatter) = " + fmt::F(std::sin(b), 10, 6));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "   T(2,1) = -Sin(PileBatter) = " + fmt::F(-std::sin(b), 10, 6) +
                            "   T(2,2) = Cos(PileBatter) = " + fmt::F(std::cos(b), 10, 6));
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force");
  Write_Line(CH_REPORT, "   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force");
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "      Load             Factored           Factored          Factored");
  Write_Line(CH_REPORT,
             "  Combination         Shear Force          Moment          Axial Force      Load Combination Name  ");
  Write_Line(CH_REPORT, Combination_Dash_Line());
  for (int c = 1; c <= n; ++c) {
    const LRFD_Factored_Load_Record& F = ld.LRFD_Factored_Load[c];
    Write_Line(CH_REPORT, fmt::I(c, 9) + Echo_Fixed(F.rd_Shear, 24, 2) +
                              Echo_Fixed(F.rd_Moment, 19, 2) + Echo_Fixed(F.rd_Axial, 19, 2) +
                              "     " + Name_Of(c));
  }
}

void Echo_Sorted_Thrusts() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_LRFD_Thrusts, MAX_THRUSTS);
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:");
  Write_Line(CH_REPORT, Rule(66));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Number of Unique Axial Thrust Values = " + fmt::I0(ld.i_Number_of_LRFD_Thrusts));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Number   Factored Axial Thrust");
  Write_Line(CH_REPORT, "------   ---------------------");
  for (int i = 1; i <= n; ++i)
    Write_Line(CH_REPORT, fmt::I(i, 6) + "   " + Echo_Fixed(ld.rd_LRFD_Thrust[i], 21, 2));
}

}  // namespace

void Echo_LRFD_Loads() {
  Build_LRFD_Factored_Loads();
  if (Error_Recorded()) return;
  Echo_Load_Groups();
  Echo_Type_Totals();
  Echo_Factors();
  Echo_Factored_Loads();
  Echo_Batter_Transformation();
  Echo_Sorted_Thrusts();
}

}  // namespace ormyx
