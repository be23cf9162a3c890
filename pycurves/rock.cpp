// Rock p-y curves: weak rock (initial modulus K_ir up to the deflection y_A,
// then a quarter-power curve up to the ultimate resistance), vuggy limestone
// treated as strong rock (bilinear up to b c', then the residual resistance),
// and massive rock, which this engine cannot analyse: a massive-rock layer
// stops the run at its first point. Rock layers use the depth below the
// ground surface or below the top of rock, never the equivalent depth, and
// take no part in the layered-soil correction.
#include "pycurves/rock.h"

#include <cmath>
#include <string>
#include <string_view>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/py_report.h"
#include "pycurves/soil_properties.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

constexpr const char* SUPPORT_ADDRESS = "support@ormyx.dev";

// Weak rock constants (single precision where the criteria hold them so).
constexpr double RQD_FACTOR = double(0.0066666668f);   // (2/3) / 100 per percent of RQD
constexpr double SHALLOW_FACTOR = double(1.4f);        // pur growth with xr / b
constexpr double DEEP_FACTOR = double(5.2f);           // pur / (alpha_r qu b) below 3b
constexpr double YA_EXPONENT = double(1.333f);         // 1.3329999446868896
constexpr double KRM_LOW = double(5.0e-5f);
constexpr double KRM_HIGH = double(5.0e-4f);
constexpr int CURVE_POINTS = 17;
// Report ordinates between y_A and 16 yrm, as fractions of that span.
constexpr double WEAK_ROCK_FRACTIONS[13] = {0.02, 0.04, 0.06, 0.08, 0.1, 0.2, 0.3,
                                            0.4,  0.5,  0.6,  0.7,  0.8, 0.9};

// Vuggy limestone constants.
constexpr double VUGGY_Y1_FACTOR = double(0.0004f);    // 0.00039999998989515007
constexpr double VUGGY_P1_FACTOR = double(0.8f);
constexpr double VUGGY_SMALL_Y = 1.0e-14;

const Soil_Profile_Record& Profile() { return RS().prob.soil.Soil_Profile_Points; }

// An input error block to the run-message file and the report, then recorded.
template <typename Body>
void Write_Input_Error_Both(int n, Body body) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(n));
    Write_Line(ch);
    body(ch);
    Write_Line(ch);
  }
  Record_Input_Error(n);
}

void Write_Input_Error_31(double xv) {
  Write_Input_Error_Both(31, [&](Channel ch) {
    Write_Line(ch, "An error was detected that is related to an incompatibility");
    Write_Line(ch, "between the input data defining the embedment of the pile and");
    Write_Line(ch, "the maximum depth of the soil shear strength data.");
    Write_Line(ch, "Problem:  The value for a pile station depth is " + fn_Py_Number(xv));
    Write_Line(ch, "This depth is below the deepest extent of the input data for");
    Write_Line(ch, "RQD versus depth.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Revise the input data by either extending the ");
    Write_Line(ch, "maximum depth for RQD or shorten the pile to correct this ");
    Write_Line(ch, "problem.");
  });
}

void Write_Input_Error_49(double rqd) {
  Write_Input_Error_Both(49, [&](Channel ch) {
    Write_Line(ch, "Problem:  The interpolated value of RQD used for p-y curves in weak rock ");
    Write_Line(ch, "was found to be invalid because it was either less than zero or more than ");
    Write_Line(ch, "100 percent.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Check your input data and revise in the data for RQD.");
    Write_Line(ch, "The interpolated value of RQD = " + fn_Py_Number(rqd) + " %");
  });
}

void Write_Input_Error_62(int L) {
  Write_Input_Error_Both(62, [&](Channel ch) {
    Write_Line(ch, "Problem:   The input value for compressive strength is less than or equal to zero.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Check the input values for layer " + fmt::I0(L));
  });
}

void Write_Input_Error_16() {
  Write_Input_Error_Both(16, [&](Channel ch) {
    Write_Line(ch, "An error was detected when computing the p-y curve for weak rock.");
    Write_Line(ch, "Problem:   The input value for the compressive strength of a weak rock was ");
    Write_Line(ch, "           input as negative or zero (0).");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Check the depth values for soil layering and soil shear strength ");
    Write_Line(ch, "           values and correct the input data.");
  });
}

void Write_Input_Error_63(int L) {
  Write_Input_Error_Both(63, [&](Channel ch) {
    Write_Line(ch, "Problem:  The input value for k_rm for weak rock is less than or equal to zero.");
    Write_Line(ch);
    Write_Line(ch, "Solution: Check the input values for layer " + fmt::I0(L));
  });
}

// The weak-rock curve has no initial branch: the ultimate resistance or the
// initial modulus is not positive (or not a number).
void Write_Input_Error_64(int L, double xv, double pur, double Kir) {
  Write_Input_Error_Both(64, [&](Channel ch) {
    Write_Line(ch, "An error was detected when computing the p-y curve for weak rock.");
    Write_Line(ch, "Problem:  The p-y curve cannot be built from the rock properties at the depth " +
                       fn_Py_Number(xv) + " " + fn_Py_Length_Unit() + ":");
    Write_Line(ch, "          the ultimate resistance Pu = " + fn_Py_Number(pur) +
                       " and the initial modulus K_ir = " + fn_Py_Number(Kir));
    Write_Line(ch, "          must both be greater than zero.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Check the compressive strength, the initial modulus of rock and the");
    Write_Line(ch, "           RQD of layer " + fmt::I0(L) + ", and the pile diameter.");
  });
}

void Write_Runtime_Error_22(int L) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, "**** Runtime Error No. 22 ****");
    Write_Line(ch);
    Write_Line(ch, "An error was detected when computing the p-y curve for weak rock.     ");
    Write_Line(ch, "Problem:  The input value for k_rm is less than or equal to 0. ");
    Write_Line(ch, "Solution:  Check the input values for the week rock properties in the soil layer " +
                       fmt::I0(L));
  }
  Record_Runtime_Error(22);
}

void Write_Runtime_Error_20() {
  Write_Runtime_Error_Header(20);
  Write_Line(CH_REPORT, "Problem:  The top and bottom elevations for weak rock layer are equal.");
  Write_Line(CH_REPORT, "Solution: Correct the input data for elevations defining weak rock layer.");
  Record_Runtime_Error(20);
}

// Depth below the top of rock: below the layer top, plus the whole thickness
// of each weak-rock or vuggy-limestone layer directly above.
double fn_Depth_Below_Top_Of_Rock(int L, double xv) {
  const Soil_Records& soil = RS().prob.soil;
  double xr = xv + 1.0e-8 - soil.XLayerTop(L);
  for (int j = L - 1; j >= 1; --j) {
    const std::string_view kw = fn_Layer_Keyword(j);
    if (kw != "WeakRock" && kw != "Vuggy LS") break;
    xr += soil.XLayerBottom(j) - soil.XLayerTop(j);
  }
  return xr;
}

// The parameters of one weak-rock curve.
struct Weak_Rock_Curve {
  double qu = 0.0, rqd = 0.0, alpha = 0.0, krm = 0.0, Eir = 0.0, xr = 0.0;
  double pur = 0.0, Kir = 0.0, yrm = 0.0, yA = 0.0;
};

// p on the weak-rock curve at deflection y >= 0 (before multipliers).
double fn_Weak_Rock_p(const Weak_Rock_Curve& cv, double y) {
  if (y < cv.yA) return cv.Kir * y;
  const double p = 0.5 * cv.pur * std::pow(y / cv.yrm, 0.25);
  return p < cv.pur ? p : cv.pur;
}

void Report_Weak_Rock_Curve(const Py_Point& pt, const Weak_Rock_Curve& cv) {
  const bool us = RS().prob.opt.IUNITS == US_UNITS;
  const std::string len = fn_Py_Length_Unit(), stress = fn_Py_Stress_Unit();
  const double gamma = fn_Gamma_Average(pt.xv);
  if (Error_Recorded()) return;
  Py_Report_Title("p-y Curve Computed Using Weak Rock Criteria");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Value("Diameter", pt.b, 3, len);
  Py_Report_Value("Unconfined Compressive Strength", cv.qu, 3, stress);
  Py_Report_Value("Avg. Eff. Unit Weight", gamma, 5, fn_Py_Unit_Weight_Unit());
  if (us) Py_Report_Value("Avg. Eff. Unit Weight", gamma * 1728.0, 5, "pcf");
  Py_Report_Value("Xr", cv.xr, 3, len);
  Py_Report_Value("RQD", cv.rqd, 3, "%");
  Py_Report_Value("Eir", cv.Eir, 0, stress);
  Py_Report_Value("Pu", cv.pur, 3, fn_Py_Force_Per_Length_Unit());
  Py_Report_Value("k_rm", cv.krm, 5);
  Py_Report_Field("K_ir", fmt::E(cv.Kir, 12, 5), stress);
  Py_Report_Value("Alpha_r", cv.alpha, 3);
  Py_Report_Value("Yu", 3.0 * pt.b / 80.0, 5, len);
  Py_Report_Value("Yrm", cv.yrm, 5, len);
  Py_Report_Field("Y_A", fmt::E(cv.yA, 12, 5), len);
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS, "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ",
                 pt.k);
  Py_Report_Curve_Heading();
  const double span = 16.0 * cv.yrm - cv.yA;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (j == 2) y = cv.yA;
    else if (j >= 3 && j <= 15) y = cv.yA + WEAK_ROCK_FRACTIONS[j - 3] * span;
    else if (j == 16) y = 16.0 * cv.yrm;
    else if (j == 17) y = 20.0 * cv.yrm;
    const double p = pt.pm * fn_Weak_Rock_p(cv, y);
    Py_Report_Point(pt.ym * y, p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, p, j, "weak rock");
  }
}

// The parameters of one vuggy-limestone curve.
struct Vuggy_Curve {
  double qu = 0.0, cp = 0.0, y1 = 0.0, p1 = 0.0, y2 = 0.0, residual = 0.0;
};

// p on the vuggy-limestone curve at deflection y >= 0 (before multipliers).
double fn_Vuggy_p(const Vuggy_Curve& cv, double y) {
  if (y < cv.y1) return 2000.0 * cv.cp * y;
  if (y <= cv.y2) return cv.p1 + 100.0 * cv.cp * (y - cv.y1);
  return cv.residual;
}

void Report_Vuggy_Curve(const Py_Point& pt, const Vuggy_Curve& cv) {
  Py_Report_Title("p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Value("Shaft Diameter", pt.b, 3, fn_Py_Length_Unit());
  Py_Report_Value("Uniaxial Compressive Strength", cv.qu, 3, fn_Py_Stress_Unit());
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading("---------------   ---------------");
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (j == 2) y = cv.y1;
    else if (j >= 3 && j <= 16) y = cv.y1 + (j - 2) * (cv.y2 - cv.y1) / 15.0;
    else if (j == 17) y = cv.y2;
    const double p = pt.pm * fn_Vuggy_p(cv, y);
    Py_Report_Point(pt.ym * y, p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, p, j, "vuggy limestone rock");
  }
}

// Strength held for profile point k in its layer's own column: massive
// rock keeps its uniaxial strength apart from the cohesion list.
double fn_Point_Strength(int k) {
  const Soil_Profile_Record& pp = Profile();
  return fn_Layer_Keyword((k + 1) / 2) == "MassRock" ? pp.rd_MassRock_qu(k) : pp.rd_c(k);
}

void Write_HB_Input_Error_5(double xv, double deepest) {
  const std::string len = fn_Py_Length_Unit();
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    const bool report = ch == CH_REPORT;
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(5));
    Write_Line(ch);
    if (report) {
      Write_Line(ch, "An error was detected that is related to an incompatibility between ");
      Write_Line(ch, "the input data defining pile embedment depth and values of uniaxial ");
      Write_Line(ch, "compressive strength of rock versus depth.");
    } else {
      Write_Line(ch, "An error was detected that is related to an incompatibility ");
      Write_Line(ch, "between the input data defining pile embedment depth and rock ");
      Write_Line(ch, "uniaxial compressive strength values versus depth.");
    }
    Write_Line(ch);
    Write_Line(ch, "Problem:  The value for a pile station depth is " + fn_Py_Number(xv) + " " + len);
    Write_Line(ch, "This depth is below the deepest extent of the input curve for ");
    Write_Line(ch, "uniaxial compressive strength versus depth at " + fn_Py_Number(deepest) + " " + len);
    Write_Line(ch);
    Write_Line(ch, report ? "Solution:  Please revise the input data by either extending the "
                          : "Solution:  Please revise the input data by either extending ");
    Write_Line(ch, report ? "maximum depth for uniaxial compressive strength or shorten the "
                          : "the maximum depth for uniaxial compressive strength or shorten the ");
    Write_Line(ch, "pile to be entirely within the defined soil layers.");
    Write_Line(ch);
  }
  Record_Input_Error(5);
}

// The short internal-error block of the rock strength (point and tip unused).
void Write_HB_Interface_Not_Found(double xv, int, bool) {
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Internal error in function HB_qu (uniaxial compressive strength of rock)");
  Write_Line(CH_REPORT, "The layer interface cannot be located");
  Write_Line(CH_REPORT, "Elevation             = " + fn_Py_Number(xv));
  Write_Line(CH_REPORT, std::string("Please send the input file to ") + SUPPORT_ADDRESS);
  Record_Error(Error_Code("RUN", 999), 999);
}

// The massive-rock model computes no curves: the run stops with status 99,
// and the user is told why.
void Write_Massive_Rock_Not_Available(int L) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, "**** Massive Rock Criteria Not Available ****");
    Write_Line(ch);
    Write_Line(ch, "Problem:  Soil layer " + fmt::I0(L) +
                       " uses the massive rock p-y criteria, which this version of");
    Write_Line(ch, "          Ormyx cannot use for analysis.  No p-y curves were computed.");
    Write_Line(ch, "Solution: Model the layer with the weak rock or vuggy limestone criteria,");
    Write_Line(ch, "          or with user-input p-y curves.");
    Write_Line(ch);
  }
}

}  // namespace

double fn_RQD(double xv) {
  bool found = false;
  const double v = fn_Profile_Value(Profile().rd_RQD, xv, found);
  if (!found) {
    Write_Input_Error_31(xv);
    return 0.0;
  }
  if (!(v >= 0.0 && v <= 100.0)) Write_Input_Error_49(v);
  return v;
}

double fn_k_rm(double xv) {
  bool found = false;
  return fn_Profile_Value(Profile().rd_Epsilon50, xv, found, LOWER_SIDE);
}

double fn_HB_qu_at_DepthX(double xv) {
  return fn_Strength_At(xv, {fn_Point_Strength, Write_HB_Input_Error_5, Write_HB_Interface_Not_Found});
}

void Py_Weak_Rock(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pm = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  const int iunits = s.prob.opt.IUNITS;
  if (s.prob.opt.rd_NumberOfCycles <= 0.0) s.prob.opt.rd_NumberOfCycles = 1.0;
  const double zt = soil.XLayerTop(L), zb = soil.XLayerBottom(L);
  Py_Point pt;
  Weak_Rock_Curve cv;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double xv = pt.xv, b = pt.b;
    const double qu = fn_c(xv);
    if (Error_Recorded()) return;
    cv.qu = qu;

    // Strength checks away from interfaces, where the strength is the layer's own.
    if (!fn_c_At_Interface(xv)) {
      if (!(qu > 0.0)) {
        Write_Input_Error_62(L);
        return;
      }
      if (iunits == US_UNITS) {
        if (qu < 100.0) Log_Warning(-3071);
        if (qu > 1000.0) Log_Warning(-3072);
      } else if (iunits == SI_UNITS) {
        if (qu < 689.5) Log_Warning(-3073);
        if (qu > 6895.0) Log_Warning(-3074);
      }
    }
    cv.rqd = fn_RQD(xv);
    if (Error_Recorded()) return;
    cv.alpha = 1.0 - cv.rqd * RQD_FACTOR;
    if (!pt.first && !(qu >= 1.0e-10)) {
      Write_Input_Error_16();
      return;
    }
    cv.krm = fn_k_rm(xv);
    if (!(cv.krm > 0.0)) {
      Write_Input_Error_63(L);
      return;
    }
    if (cv.krm < KRM_LOW) Log_Warning(-316);
    if (cv.krm > KRM_HIGH) Log_Warning(-317);

    // Initial modulus of rock, linear between the layer's top and bottom.
    if (zb == zt) {
      Write_Runtime_Error_20();
      return;
    }
    cv.Eir = soil.rd_kTop(L) + (soil.rd_kBottom(L) - soil.rd_kTop(L)) * (xv - zt) / (zb - zt);

    cv.xr = fn_Depth_Below_Top_Of_Rock(L, xv);
    if (cv.xr <= 3.0 * b) {
      cv.pur = cv.alpha * qu * b * (1.0 + SHALLOW_FACTOR * cv.xr / b);
      cv.Kir = cv.Eir * (100.0 + 400.0 * cv.xr / (3.0 * b));
    } else {
      cv.pur = DEEP_FACTOR * cv.alpha * qu * b;
      cv.Kir = 500.0 * cv.Eir;
    }
    cv.yrm = cv.krm * b;
    if (!(cv.yrm > 0.0)) {
      Write_Runtime_Error_22(L);
      return;
    }
    // The initial branch meets the quarter-power curve at y_A; without a
    // positive finite ratio there is no curve (zero modulus or strength).
    const double ratio = cv.pur / (2.0 * std::pow(cv.yrm, 0.25) * cv.Kir);
    if (!(ratio > 0.0) || !std::isfinite(ratio)) {
      Write_Input_Error_64(L, xv, cv.pur, cv.Kir);
      return;
    }
    cv.yA = std::pow(ratio, YA_EXPONENT);

    if (pt.report) {
      Report_Weak_Rock_Curve(pt, cv);
      if (Error_Recorded()) return;
      continue;
    }
    const double y = pt.y_rel;
    pm.rd_SoilModulus(k) = (y < cv.yA) ? cv.Kir : pt.pm * fn_Weak_Rock_p(cv, y) / y / pt.ym;
    Py_Store_Soil_Force(pt);
    // Rock takes no part in the layered-soil correction.
    if (pt.first) py.rd_LayerResistance(L) = 0.0;
  }
}

void Py_Vuggy_Limestone(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pm = s.sol.pile;
  const int iunits = s.prob.opt.IUNITS;
  const double top = s.prob.soil.XLayerTop(L);
  Py_Point pt;
  Vuggy_Curve cv;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    cv.qu = fn_c(pt.xv);
    if (Error_Recorded()) return;
    const double gamma = fn_Gamma_Average(pt.xv);
    if (Error_Recorded()) return;
    // Without strength the curve has no slope and no end: stop as for weak rock.
    if (!(cv.qu > 0.0)) {
      Write_Input_Error_62(L);
      return;
    }
    const double cp = cv.qu / 2.0;
    cv.cp = cp;
    if (pt.xv > top) {
      if (iunits == US_UNITS && (cp < 500.0 || cp > 2500.0)) Log_Warning(-308);
      if (iunits == SI_UNITS && (cp < 6895.0 || cp > 17237.5)) Log_Warning(-308);
    }
    cv.y1 = VUGGY_Y1_FACTOR * b;
    cv.p1 = VUGGY_P1_FACTOR * b * cp;
    cv.y2 = cv.y1 + (b * cp - cv.p1) / (100.0 * cp);
    cv.residual = 0.5 * gamma * b * pt.z0;

    if (pt.report) {
      Report_Vuggy_Curve(pt, cv);
      continue;
    }
    // Soil movement is not considered: the deflection itself enters the curve.
    const double y = std::fabs(pm.rd_Y(k)) / pt.ym;
    pm.rd_SoilModulus(k) = (y >= VUGGY_SMALL_Y) ? fn_Vuggy_p(cv, y) / y * pt.pm / pt.ym : 2000.0 * cp / pt.ym;
    if (pt.first) py.rd_LayerResistance(L) = 0.0;
  }
}

void Py_Massive_Rock(int L) {
  const Py_State& py = RS().py;
  if (py.i_FirstPoint < 1 || py.i_LastPoint < py.i_FirstPoint) return;
  Py_Point pt;
  if (!Py_Begin_Point(L, py.i_FirstPoint, pt)) return;
  fn_Gamma_Average(pt.xv);
  if (Error_Recorded()) return;
  fn_HB_qu_at_DepthX(pt.xv);
  if (Error_Recorded()) return;
  Write_Massive_Rock_Not_Available(L);
  Store_Error_Number(99);
}

}  // namespace ormyx
