// Echo of the loading and the small tables: slope and batter, p-y modifiers,
// soil movements, loading type, distributed loads, pile-head loads, tip shear
// and the depths of printed p-y curves, with their checks.
#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/echo.h"

namespace ormyx {

namespace {

constexpr double PI = 3.141592653589793;

void Angle_Lines(const char* label, double radians) {
  Write_Line(CH_REPORT, Labelled_Value_Line(label, Echo_Fixed(radians * 180.0 / PI, 10, 3), "degrees"));
  Write_Line(CH_REPORT, Labelled_Value_Line("", Echo_Fixed(radians, 10, 3), "radians"));
  Write_Line(CH_REPORT);
}

// A unit line under a table heading: " No." and each unit at its column.
std::string Unit_Line(std::initializer_list<std::pair<int, std::string>> units) {
  std::string s = " No.";
  for (const auto& [column, text] : units) {
    if (s.size() < std::size_t(column - 1)) s.resize(std::size_t(column - 1), ' ');
    s += text;
  }
  return s;
}

}  // namespace

void Echo_Slope_And_Batter() {
  const Loading_Records& ld = RS().prob.load;
  Write_Block_Heading("Ground Slope and Pile Batter Angles", 2, 22);
  Angle_Lines("Ground Slope Angle", ld.rd_SlopeAngle);
  Angle_Lines("Pile Batter Angle", ld.rd_BatterAngle);
  Write_Line(CH_REPORT);
}

void Echo_PY_Modifiers() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_PY_Modifier_Points, MAX_PY_MODIFIER_POINTS);
  if (n < 1) return;
  Write_Block_Heading("p-y Modification Factors for Group Action", 3, 19);
  Write_Line(CH_REPORT, "Distribution of p-y modifiers with depth defined using " + fmt::I0(n) +
                            " points");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Point      Depth X         p-mult         y-mult");
  Write_Line(CH_REPORT, Unit_Line({{15, Unit_Depth()}}));
  Write_Line(CH_REPORT, "-----     ----------     ----------     ----------");
  for (int i = 1; i <= n; ++i) {
    const PY_Modifier_Point_Record& p = ld.PY_Modifier_Point[i];
    Write_Line(CH_REPORT, fmt::I(i, 5) + "     " + Echo_Value(p.X, 10) + "     " +
                              Echo_Value(p.p_Multiplier, 10) + "     " +
                              Echo_Value(p.y_Multiplier, 10));
  }
}

void Echo_Soil_Movements() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_Soil_Movement_Points, MAX_SOIL_MOVEMENT_POINTS);
  if (n < 2) return;
  Write_Block_Heading("Lateral Soil Movements", 3, 29);
  Write_Line(CH_REPORT, "Profile of soil movement with depth defined using " + fmt::I0(n) +
                            " points");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Point       Depth X     Soil Movement");
  Write_Line(CH_REPORT, Unit_Line({{16, Unit_Depth()}, {30, Unit_Dim()}}));
  Write_Line(CH_REPORT, "-----     ----------    -------------");
  for (int i = 1; i <= n; ++i) {
    const Soil_Movement_Point_Record& p = ld.Soil_Movement_Point[i];
    Write_Line(CH_REPORT, fmt::I(i, 5) + "     " + Echo_Value(p.X, 10) + "    " +
                              Echo_Value(p.movement, 13));
  }
}

void Echo_Loading_Type() {
  const Problem_Options& o = RS().prob.opt;
  if (!o.b_CyclicLoading) {
    Write_Block_Heading("Loading Type", 3, 33);
    Write_Line(CH_REPORT,
               "Static loading criteria were used when computing p-y curves for all analyses.");
    return;
  }
  Write_Block_Heading("Loading Type", 3, 34);
  Write_Line(CH_REPORT,
             "Cyclic loading criteria were used for computation of p-y curves for all analyses.");
  Write_Line(CH_REPORT);
  const std::string cycles = "Number of cycles of loading = " + fmt::I0(fn_Int_Of(o.rd_NumberOfCycles));
  Write_Line(CH_REPORT, cycles);
  if (o.rd_NumberOfCycles >= 2.0 && o.rd_NumberOfCycles <= 5000.0) return;
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, Input_Error_Header(28));
    Write_Line(ch);
    Write_Line(ch, "Problem:  Cyclic loading type was specified and the number of cycles of loading");
    Write_Line(ch, "are outside the valid range of 2 to 5,000.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000");
    Write_Line(ch, "or specify static loading.");
    Write_Line(ch, cycles);
  }
  Record_Input_Error(28);
}

void Echo_Distributed_Loads() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_Distributed_Points, MAX_DISTRIBUTED_POINTS);
  if (n < 1) return;
  Write_Block_Heading("Distributed Lateral Loading", 3, 27);
  Write_Line(CH_REPORT, "Distributed lateral load intensity defined using " + fmt::I0(n) +
                            " points");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Point           Depth X            Dist. Load");
  Write_Line(CH_REPORT, Unit_Line({{19, Unit_Dim()}, {38, Unit_FPL()}}));
  Write_Line(CH_REPORT, "-----     ----------     ----------");
  for (int i = 1; i <= n; ++i) {
    const Distributed_Load_Point_Record& p = ld.Distributed_Load_Point[i];
    Write_Line(CH_REPORT, fmt::I(i, 5) + "     " + Echo_Value(p.X, 10) + "     " +
                              Echo_Value(p.load, 10));
  }
}

void Echo_Pile_Head_Loads() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_Loads, MAX_LOAD_CASES);
  const std::string force = Unit_Force();
  const std::string moment = Unit_Moment();
  Write_Block_Heading("Pile-head Loading and Pile-head Fixity Conditions", 3, 15);
  Write_Line(CH_REPORT, "Number of loads specified = " + fmt::I0(ld.i_Number_of_Loads));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "Load    Load         Condition               Condition            Axial Thrust            Compute");
  std::string h2 = " No.    Type             1                       2                 Force, " + force;
  h2.resize(83, ' ');
  h2 += "Top y vs. Pile Length";
  Write_Line(CH_REPORT, h2);
  Write_Line(CH_REPORT,
             "-----   ----   --------------------   -----------------------   ----------------   ---------------------");
  for (int i = 1; i <= n; ++i) {
    const Pile_Head_Load_Record& p = ld.Pile_Head_Load[i];
    const int t = p.i_LoadType;
    std::string c1, c2;
    if (t >= LOAD_DEFLECTION_MOMENT) c1 = "y = " + Echo_Value(p.rd_Condition1) + " " + Unit_Dim();
    else c1 = "V = " + Echo_Value(p.rd_Condition1) + " " + force;
    if (t == LOAD_SHEAR_MOMENT || t == LOAD_DEFLECTION_MOMENT)
      c2 = "M = " + Echo_Value(p.rd_Condition2) + " " + moment;
    else if (t == LOAD_SHEAR_ROTSTIFF)
      c2 = "R = " + Echo_Value(p.rd_Condition2) + " " + moment + "/rad";
    else
      c2 = "S = " + Echo_Value(p.rd_Condition2) + " radians";
    std::string line = fmt::I(i, 5) + "   " + fmt::I(t, 4) + "   " + c1;
    if (line.size() < 38) line.resize(38, ' ');
    else line += ' ';
    line += c2;
    if (line.size() < 64) line.resize(64, ' ');
    else line += ' ';
    line += Echo_Value(p.rd_AxialThrust, 16);
    line += "   ";
    line += p.b_LengthStudy ? " Yes " : " No  ";
    Write_Line(CH_REPORT, line);
  }
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "V = perpendicular shear force applied to pile head");
  Write_Line(CH_REPORT, "M = bending moment applied to pile head");
  Write_Line(CH_REPORT, "y = lateral deflection relative to pile axis");
  Write_Line(CH_REPORT, "S = pile slope relative to original pile batter angle");
  Write_Line(CH_REPORT, "R = rotational stiffness applie to pile head");
  Write_Line(CH_REPORT, "Axial thrust is assumed to be acting axially for all pile batter angles.");
}

void Echo_Tip_Shear() {
  const Loading_Records& ld = RS().prob.load;
  const int n = fn_Clamped(ld.i_Number_of_Tip_Shear_Points, MAX_TIP_SHEAR_POINTS);
  if (n < 1) return;
  Write_Block_Heading("Shear Resistance Curve at Pile Tip ", 3, 22);
  Write_Line(CH_REPORT, "Point     Displacement     Tip Shear Force");
  Write_Line(CH_REPORT, Unit_Line({{16, Unit_Dim()}, {34, Unit_Force()}}));
  Write_Line(CH_REPORT, "-----     ------------     ---------------");
  for (int i = 1; i <= n; ++i) {
    const Tip_Shear_Point_Record& p = ld.Tip_Shear_Point[i];
    Write_Line(CH_REPORT, fmt::I(i, 5) + "     " + Echo_Value(p.displacement, 12) + "     " +
                              Echo_Value(p.force, 15));
  }
  // The curve starts at zero displacement and the displacements increase.
  int bad = 0;
  if (ld.Tip_Shear_Point[1].displacement != 0.0) bad = 1;
  for (int m = 2; m <= n && bad == 0; ++m)
    if (!(ld.Tip_Shear_Point[m].displacement > ld.Tip_Shear_Point[m - 1].displacement)) bad = m;
  if (bad == 0) return;
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch, Input_Error_Header(50));
    Write_Line(ch);
    Write_Line(ch, "Problem:   The input data for shear resistance at the pile tip appears to be in error at point " +
                       fmt::I0(bad) + ".");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Check that the first point is (0,0) and that the x-values sucessively increase in deflection and magnitude.");
  }
  Record_Input_Error(50);
}

void Echo_Printed_PY_Depths() {
  Run_State& s = RS();
  Problem_Options& o = s.prob.opt;
  Loading_Records& ld = s.prob.load;
  if (o.i_PrintPYCurves != 1) return;
  const double gs = s.prob.soil.rd_GroundSurfaceDepth;
  const double length = s.prob.sec.rd_PileLength;
  const std::string u = Unit_Depth();
  Write_Block_Heading("Specified Depths for Output of p-y Curves", 3, 19);

  // Keep, in order, the depths between the ground surface and the pile tip.
  const int n = fn_Clamped(ld.i_Number_of_Printed_PY_Depths, MAX_PRINTED_PY_DEPTHS);
  ld.i_Number_of_Printed_PY_Depths = 0;
  o.i_PrintPYCurves = 0;
  for (int i = 1; i <= n; ++i) {
    const double d = ld.rd_PrintedPYDepth[i];
    if (d > length) {
      for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
        Write_Line(ch, Input_Error_Header(30));
        Write_Line(ch);
        Write_Line(ch, "Problem:  Printing of a p-y curve was specified below the pile tip.");
        Write_Line(ch);
        Write_Line(ch, "Solution:  Specify printing depths only for depths above the pile tip.");
        Write_Line(ch);
        Write_Line(ch, "Input Point " + fmt::I0(i) + " at " + Echo_Fixed_Min(d, 2) + " " + u +
                           " was not printed because it is below the pile tip.");
      }
      Record_Input_Error(30);
      return;
    }
    if (!(d >= gs && d >= 0.0)) {
      for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
        Write_Line(ch, Input_Error_Header(29));
        Write_Line(ch);
        Write_Line(ch, "Problem:  A depth above the ground surface was specified for the printing");
        Write_Line(ch, "of a p-y curve.");
        Write_Line(ch);
        Write_Line(ch, "Solution:  Specify a depth between the ground surface and pile tip.");
        Write_Line(ch);
      }
      Record_Input_Error(29);
      return;
    }
    ld.rd_PrintedPYDepth[++ld.i_Number_of_Printed_PY_Depths] = d;
    o.i_PrintPYCurves = 1;
  }

  const int kept = ld.i_Number_of_Printed_PY_Depths;
  Write_Line(CH_REPORT, "Lateral load-transfer (p-y) curves are computed and output at " +
                            fmt::I0(kept) + " depths.");
  Write_Line(CH_REPORT,
             "(Note that these curves are independent from the curves used at nodal point depths)");
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Depth      Depth Below Pile Head      Depth Below Ground Surface");
  Write_Line(CH_REPORT, Unit_Line({{21, u}, {49, u}}));
  Write_Line(CH_REPORT, "-----      ---------------------      --------------------------");
  for (int i = 1; i <= kept; ++i) {
    const double d = ld.rd_PrintedPYDepth[i];
    Write_Line(CH_REPORT, fmt::I(i, 5) + "      " + Echo_Fixed(d, 21, 3) + "      " +
                              Echo_Fixed(d - gs, 26, 3));
  }
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Depth of ground surface below top of pile = " + Echo_Fixed_Min(gs, 2) +
                            " " + u);
  Write_Line(CH_REPORT);
}

}  // namespace ormyx
