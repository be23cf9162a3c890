// The loading sections of the input file: pile-head load cases, EI-only
// thrusts, LRFD load groups and combinations, tip shear, batter and slope,
// p-y modifiers, soil movements and the depths of printed p-y curves.
#include "input/read_loading.h"

#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/reader.h"
#include "input/tokenizer.h"

namespace ormyx {

namespace {

using fmt::I0;

// A line holding one count (integer).
bool Read_Count(const std::string& what, int32_t& n) {
  Free_Read r(what);
  r.integer(n, "a count (integer)");
  return r.ok();
}

// An error block of the LRFD readers: two empty lines, the header, an empty
// line, the lines given ("" for an empty line), two empty lines; report only.
void LRFD_Error(int n, std::initializer_list<std::string> lines) {
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "***** Input Data Error No. " + I0(n) + " *****");
  Write_Line(CH_REPORT);
  for (const std::string& l : lines) Write_Line(CH_REPORT, l);
  Blank_Lines(CH_REPORT, 2);
  Record_Input_Error(n);
}

}  // namespace

void Read_Pile_Head_Loads() {
  Write_Line(CH_MESSAGE, "Reading pile head loading data");
  Loading_Records& L = RS().prob.load;

  int32_t n = 0;
  if (!Read_Count("the number of load cases (LOADING)", n)) return;
  if (!Check_Input_Capacity(n, MAX_LOAD_CASES, "load cases")) return;
  L.i_Number_of_Loads = n < 0 ? 0 : n;
  for (int i = 1; i <= n; ++i) {
    Free_Read r("load case " + I0(i) + " (LOADING)");
    int32_t seq = 0, type = 0, study = 0;
    double c1 = 0.0, c2 = 0.0, thrust = 0.0;
    r.integer(seq, "the load case number");
    r.integer(type, "the load type (integer 1 to 5)");
    r.real(c1, "condition 1");
    r.real(c2, "condition 2");
    r.real(thrust, "the axial thrust");
    r.integer(study, "the length-study switch (integer)");
    if (!r.ok()) return;
    if (!Check_Input_Code(type, LOAD_SHEAR_MOMENT, LOAD_DEFLECTION_SLOPE, "pile-head load type"))
      return;
    Pile_Head_Load_Record& c = L.Pile_Head_Load[i];
    c.i_LoadType = type;
    c.rd_Condition1 = c1;
    c.rd_Condition2 = c2;
    c.rd_AxialThrust = thrust;
    c.b_LengthStudy = study == 1 ? L_FALSE : L_TRUE;
  }

  int32_t m = 0;
  if (!Read_Count("the number of distributed load points (LOADING)", m)) return;
  if (m < 1) {
    for (int k = 1; k <= 2; ++k) L.Distributed_Load_Point[k] = Distributed_Load_Point_Record{};
    L.i_Number_of_Distributed_Points = 0;
    return;
  }
  if (!Check_Input_Capacity(m, MAX_DISTRIBUTED_POINTS, "distributed load points")) return;
  L.i_Number_of_Distributed_Points = m;
  for (int k = 1; k <= m; ++k) {
    Free_Read r("distributed load point " + I0(k) + " (LOADING)");
    int32_t seq = 0;
    Distributed_Load_Point_Record& d = L.Distributed_Load_Point[k];
    r.integer(seq, "the point number");
    r.real(d.X, "the depth");
    r.real(d.load, "the distributed load");
    if (!r.ok()) return;
  }
}

void Read_Axial_Thrust_Loads() {
  Loading_Records& L = RS().prob.load;
  L.Axial_Thrust_List.fill(0.0);
  L.i_Number_of_Thrusts = 0;

  int32_t n = 0;
  if (!Read_Count("the number of axial thrusts (AXIAL THRUST LOADS)", n)) return;
  if (!Check_Input_Capacity(n, MAX_LOAD_CASES, "axial thrusts")) return;
  if (n < 1) {
    L.i_Number_of_Loads = 1;  // the thrust of load case 1 keeps its value
    return;
  }
  L.i_Number_of_Loads = n;
  Write_Line(CH_MESSAGE, "Reading axial thrust force data for EI-only computations");
  List<double, MAX_LOAD_CASES> t;
  for (int i = 1; i <= n; ++i) {
    Free_Read r("axial thrust " + I0(i) + " (AXIAL THRUST LOADS)");
    int32_t seq = 0;
    r.integer(seq, "the thrust number");
    r.real(t[i], "the axial thrust");
    if (!r.ok()) return;
    L.Pile_Head_Load[i].rd_AxialThrust = t[i];
  }
  Sort_Ascending(t, n);
  for (int i = 1; i <= n; ++i) L.Pile_Head_Load[i].rd_AxialThrust = t[i];
}

void Read_Tip_Shear() {
  Loading_Records& L = RS().prob.load;
  int32_t n = 0;
  if (!Read_Count("the number of tip shear points (TIP SHEAR)", n)) return;
  if (!Check_Input_Capacity(n, MAX_TIP_SHEAR_POINTS, "tip shear points")) return;
  L.i_Number_of_Tip_Shear_Points = n < 0 ? 0 : n;
  if (n <= 0) return;
  Write_Line(CH_MESSAGE, "Reading tip shear data");
  for (int k = 1; k <= n; ++k) {
    Free_Read r("tip shear point " + I0(k) + " (TIP SHEAR)");
    int32_t seq = 0;
    Tip_Shear_Point_Record& p = L.Tip_Shear_Point[k];
    r.integer(seq, "the point number");
    r.real(p.displacement, "the displacement");
    r.real(p.force, "the tip shear force");
    if (!r.ok()) return;
  }
}

void Read_Batter_And_Slope() {
  Write_Line(CH_MESSAGE, "Reading pile batter and ground slope angles");
  Loading_Records& L = RS().prob.load;
  double slope = 0.0, batter = 0.0;
  {
    Free_Read r("the ground slope angle (PILE BATTER AND SLOPE)");
    if (!r.real(slope, "the ground slope angle in degrees")) return;
  }
  {
    Free_Read r("the pile batter angle (PILE BATTER AND SLOPE)");
    if (!r.real(batter, "the pile batter angle in degrees")) return;
  }
  L.rd_SlopeAngle = (slope * 3.141592653589793) / 180.0;
  L.rd_BatterAngle = (batter * 3.141592653589793) / 180.0;
  L.rd_SlopeMinusBatter = L.rd_SlopeAngle - L.rd_BatterAngle;
}

void Read_PY_Modifiers() {
  Loading_Records& L = RS().prob.load;
  int32_t n = 0;
  if (!Read_Count("the number of p-y modifier points (GROUPEFF)", n)) return;
  if (!Check_Input_Capacity(n, MAX_PY_MODIFIER_POINTS, "p-y modifier points")) return;
  L.i_Number_of_PY_Modifier_Points = n < 0 ? 0 : n;
  if (n <= 0) return;
  Write_Line(CH_MESSAGE, "Reading p-y multiplier data");
  for (int k = 1; k <= n; ++k) {
    Free_Read r("p-y modifier point " + I0(k) + " (GROUPEFF)");
    int32_t seq = 0;
    PY_Modifier_Point_Record& p = L.PY_Modifier_Point[k];
    r.integer(seq, "the point number");
    r.real(p.X, "the depth");
    r.real(p.p_Multiplier, "the p-multiplier");
    r.real(p.y_Multiplier, "the y-multiplier");
    if (!r.ok()) return;
  }
}

void Read_LRFD_Loads() {
  Write_Line(CH_MESSAGE, "Reading LRFD unfactored load data");
  Loading_Records& L = RS().prob.load;
  int32_t n = 0;
  if (!Read_Count("the number of LRFD load groups (LRFD LOADS)", n)) return;
  if (n < 1 || n > MAX_LRFD_GROUPS) {
    LRFD_Error(98, {"Number of LRFD loads specified is " + I0(n),
                    "This is outside of the valid range to 1 to 100"});
    return;
  }
  L.i_Number_of_LRFD_Groups = n;
  for (int i = 1; i <= n; ++i) {
    Free_Read r("LRFD load group " + I0(i) + " (LRFD LOADS)");
    int32_t seq = 0, type = 0, d = 0;
    double h = 0.0, m = 0.0, p = 0.0;
    r.integer(seq, "the load group number");
    r.integer(type, "the load type (integer 1 to 13)");
    r.real(h, "the horizontal force");
    r.real(m, "the moment");
    r.real(p, "the axial force");
    r.integer(d, "the number of distributed load points (integer)");
    if (!r.ok()) return;
    r.finish();
    if (seq != i) {
      LRFD_Error(97, {"Input appears to be out-of-order for LRFD loading",
                      "Input load number is " + I0(seq) + " and the expected load number is " +
                          I0(i)});
      return;
    }
    if (!Check_Input_Code(type, LRFD_DL, LRFD_SP, "LRFD load type")) return;
    if (d == 1 || d < 0 || d > 100) {
      LRFD_Error(95, {"Number of distributed load points for LRFD load number " + I0(i) +
                          " is outside of the valid range of 0 or 2 to 100.",
                      "", "The input number of distributed load points is " + I0(d)});
      return;
    }
    if (!Check_Input_Capacity(d, MAX_DISTRIBUTED_POINTS,
                              "distributed load points of LRFD load group " + I0(i)))
      return;
    LRFD_Load_Group_Record& g = L.LRFD_Load_Group[i];
    g.i_LoadType = type;
    g.rd_HorizontalForce = h;
    g.rd_Moment = m;
    g.rd_AxialForce = p;
    g.i_Number_of_Distributed_Points = d;
    for (int k = 1; k <= d; ++k) {
      Free_Read q("distributed load point " + I0(k) + " of LRFD load group " + I0(i) +
                  " (LRFD LOADS)");
      int32_t pseq = 0;
      Distributed_Load_Point_Record& pt = g.LRFD_Distributed_Point[k];
      q.integer(pseq, "the point number");
      q.real(pt.X, "the depth");
      q.real(pt.load, "the distributed load");
      if (!q.ok()) return;
      q.finish();
      if (pseq != k) {
        LRFD_Error(96, {"Input appears to be out-of-order for LRFD distributed load " + I0(i), "",
                        "Input distributed load point is " + I0(pseq),
                        " and the expected point number is " + I0(k)});
        return;
      }
    }
  }
}

void Read_LRFD_Factors() {
  Write_Line(CH_MESSAGE, "Reading LRFD load and resistance factor data ");
  Loading_Records& L = RS().prob.load;
  int32_t n = 0;
  if (!Read_Count("the number of LRFD load combinations (LRFD FACTORS AND CASES)", n)) return;
  if (n < 1 || n > MAX_LRFD_COMBINATIONS) {
    LRFD_Error(94, {"Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
                    "Number of LRFD load combinations input is " + I0(n)});
    return;
  }
  L.i_Number_of_LRFD_Combinations = n;
  // A combination whose factors are all zero is reported and reading goes on,
  // so that every such combination gets its own block.
  for (int i = 1; i <= n; ++i) {
    LRFD_Combination_Record& c = L.LRFD_Combination[i];
    {
      Free_Read r("LRFD load combination " + I0(i) + " (LRFD FACTORS AND CASES)", true);
      int32_t seq = 0;
      r.integer(seq, "the combination number");
      for (int t = 1; t <= LRFD_LOAD_TYPES; ++t) r.real(c.rd_LoadFactor[t], "a load factor");
      r.real(c.rd_FlexureFactor, "the resistance factor for flexure");
      r.real(c.rd_ShearFactor, "the resistance factor for shear");
      if (!r.ok()) return;
    }
    std::string name;
    if (!Read_Required_Line(name, "the name of LRFD load combination " + I0(i) +
                                      " (LRFD FACTORS AND CASES)"))
      return;
    c.name.set(name);
    if (c.rd_FlexureFactor <= 0.0) c.rd_FlexureFactor = 0.75;
    if (c.rd_ShearFactor <= 0.0) c.rd_ShearFactor = 0.75;
    double sum = 0.0;
    for (int t = 1; t <= LRFD_LOAD_TYPES; ++t) sum += c.rd_LoadFactor[t];
    if (sum <= 0.0)
      LRFD_Error(72, {"All input load factors for LRFD analysis are zero.", "",
                      "The number of the LRFD load combination in error is " + I0(i)});
  }
}

void Read_Soil_Movements() {
  Problem_Records& P = RS().prob;
  if (P.opt.b_UseSoilMovement == L_FALSE) return;
  Write_Line(CH_MESSAGE, "Reading soil movement data");
  Loading_Records& L = P.load;
  int32_t n = 0;
  if (!Read_Count("the number of soil movement points (SOIL MOVEMENTS)", n)) return;
  if (n < 2 || n > MAX_SOIL_MOVEMENT_POINTS) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch, Input_Error_Header(53));
      Write_Line(ch);
      Write_Line(ch, "Number of lines specified for soil movement data = " + I0(n));
      Write_Line(ch,
                 "The number of lines of soil movement data cannot be less than 2 or exceed 100.");
      Write_Line(ch);
    }
    Record_Input_Error(53);
    return;
  }
  L.i_Number_of_Soil_Movement_Points = n;
  for (int k = 1; k <= n; ++k) {
    Free_Read r("soil movement point " + I0(k) + " (SOIL MOVEMENTS)");
    int32_t seq = 0;
    Soil_Movement_Point_Record& p = L.Soil_Movement_Point[k];
    r.integer(seq, "the point number");
    r.real(p.X, "the depth");
    r.real(p.movement, "the soil movement");
    if (!r.ok()) return;
  }
  if (P.opt.IUNITS == SI_UNITS)
    for (int k = 1; k <= n; ++k) L.Soil_Movement_Point[k].movement /= 1000.0;
}

void Read_Printed_PY_Depths() {
  Problem_Records& P = RS().prob;
  if (P.opt.i_PrintPYCurves <= 0) return;
  Write_Line(CH_MESSAGE, "Reading p-y output depths data");
  Loading_Records& L = P.load;
  int32_t n = 0;
  if (!Read_Count("the number of p-y output depths (DEPTHS OF PRINTED P-Y CURVES)", n)) return;
  if (!Check_Input_Capacity(n, MAX_PRINTED_PY_DEPTHS, "p-y output depths")) return;
  L.i_Number_of_Printed_PY_Depths = n < 0 ? 0 : n;
  for (int k = 1; k <= n; ++k) {
    Free_Read r("p-y output depth " + I0(k) + " (DEPTHS OF PRINTED P-Y CURVES)");
    int32_t seq = 0;
    r.integer(seq, "the depth number");
    r.real(L.rd_PrintedPYDepth[k], "the depth below the pile head");
    if (!r.ok()) return;
  }
}

void Convert_US_Loading_Units() {
  Problem_Records& P = RS().prob;
  if (P.opt.IUNITS != US_UNITS) return;
  Loading_Records& L = P.load;
  for (int k = 1; k <= L.i_Number_of_Soil_Movement_Points; ++k)
    L.Soil_Movement_Point[k].X *= 12.0;
  for (int k = 1; k <= L.i_Number_of_PY_Modifier_Points; ++k) L.PY_Modifier_Point[k].X *= 12.0;
  for (int k = 1; k <= L.i_Number_of_Printed_PY_Depths; ++k) L.rd_PrintedPYDepth[k] *= 12.0;
}

}  // namespace ormyx
