// Stiff clay p-y curves: stiff clay with free water ("StfClyBW"), stiff clay
// without free water ("StfClyAW") and the same with an initial modulus of
// subgrade reaction k ("StfClyAK"), static and cyclic; their moduli at small
// deflections, layer resistances and equivalent depths for the layered-soil
// correction, and the report block of a curve.
#include <cmath>
#include <numbers>
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

constexpr int CURVE_POINTS = 17;

// Cohesion below this counts as none.
constexpr double ZERO_COHESION = 1.0e-10;
// Relative deflection below which the initial modulus k z is used.
constexpr double SMALL_Y = 1.0e-14;
// Without free water (no k): deflection, as a fraction of the diameter, below
// which the static secant modulus at that deflection is used.
constexpr double SMALL_Y_PER_DIAMETER = 2.0e-5;

// Single-precision coefficients of the As and Ac fits (free water).
constexpr double AS0 = double(0.2345f), AS1 = double(0.2958796f), AS2 = double(0.0786111f),
                 AS3 = double(0.0068981f);
constexpr double AC0 = double(0.2f), AC1 = double(0.153333f), AC2 = double(0.075f),
                 AC3 = double(0.011667f);

// Report ordinates without free water, as fractions of 16 y50 (points 2 to 15).
constexpr float Y16_FRACTIONS[14] = {1.0e-5f, 5.0e-5f, 1.0e-4f, 5.0e-4f, 0.001f, 0.005f, 0.01f,
                                     0.025f,  0.05f,   0.075f,  0.1f,    0.25f,  0.5f,   1.0f};

// Strength class 1..4 of the default epsilon-50 and k (bounds 1000, 2000 and
// 4000 lb/ft2); 0 in generic units, which have no defaults. The free-water
// model holds the bounds in single precision, the other two rounded.
int fn_Strength_Class(double c, int iunits, bool water) {
  double b1 = 0.0, b2 = 0.0, b3 = 0.0;
  if (iunits == US_UNITS) {
    if (water) {
      b1 = double(6.9444447f), b2 = double(13.888889f), b3 = double(27.777779f);
    } else {
      b1 = 6.94, b2 = 13.88, b3 = 27.78;
    }
  } else if (iunits == SI_UNITS) {
    if (water) {
      b1 = double(47.880260f), b2 = double(95.760521f), b3 = double(191.52104f);
    } else {
      b1 = 47.8927, b2 = 95.7854, b3 = 191.5708;
    }
  } else {
    return 0;
  }
  if (c < b1) return 1;
  if (c < b2) return 2;
  if (c < b3) return 3;
  return 4;
}

double fn_Default_Epsilon50(int cls) {
  constexpr double EPS[4] = {double(0.011f), double(0.007f), double(0.005f), double(0.004f)};
  return EPS[cls - 1];
}

// Default k of strength class cls (force/length3).
double fn_Default_k(int cls, int iunits, bool cyclic, bool water) {
  constexpr double US_CYCLIC[4] = {100.0, 200.0, 400.0, 800.0};
  constexpr double US_STATIC[4] = {250.0, 500.0, 1000.0, 2000.0};
  constexpr double SI_CYCLIC_W[4] = {27144.7109375, 54289.421875, 108578.84375, 217157.6875};
  constexpr double SI_STATIC_W[4] = {67861.78125, 135723.5625, 271447.125, 542894.25};
  constexpr double SI_CYCLIC_K[4] = {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125};
  constexpr double SI_STATIC_K[4] = {67861.796875, 135723.59375, 271447.1875, 542894.375};
  if (iunits == US_UNITS) return cyclic ? US_CYCLIC[cls - 1] : US_STATIC[cls - 1];
  if (water) return cyclic ? SI_CYCLIC_W[cls - 1] : SI_STATIC_W[cls - 1];
  return cyclic ? SI_CYCLIC_K[cls - 1] : SI_STATIC_K[cls - 1];
}

// k of layer L at vertical depth xv: linear between the layer's top and
// bottom values (a bottom value of 0 or less takes the top value).
double fn_Layer_k(int L, double xv) {
  const Soil_Records& soil = RS().prob.soil;
  const double top = soil.rd_kTop(L);
  const double bot = soil.rd_kBottom(L) > 0.0 ? soil.rd_kBottom(L) : top;
  const double x1 = soil.XLayerTop(L), x2 = soil.XLayerBottom(L);
  if (!(x2 > x1)) return top;
  return top + (bot - top) * (xv - x1) / (x2 - x1);
}

// Input error 14 (with free water) or 13 (without) to the run-message file
// and the report. The zero-cohesion fault writes the standard lines; the
// other faults of a stiff clay's input name themselves in problem and
// solution. detail, when not empty, follows after an empty line (lines
// separated by '\n').
void Write_Stiff_Clay_Error(bool water, std::string_view problem, std::string_view solution,
                            const std::string& detail) {
  const int n = water ? 14 : 13;
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(n));
    Write_Line(ch);
    if (water) {
      Write_Line(ch, "An error was detected in the input data used to compute p-y curves in ");
      Write_Line(ch, "stiff clay with free water.");
    } else {
      Write_Line(ch, "An error was detected in the input data.");
    }
    Write_Line(ch, problem);
    Write_Line(ch);
    if (!solution.empty()) {
      Write_Line(ch, solution);
    } else if (water) {
      Write_Line(ch, "Solution:  Check and compare the values of shear strength and revise the ");
      Write_Line(ch, "input so that the strength values are correct for the soil types specified.");
    } else if (ch == CH_MESSAGE) {
      Write_Line(ch, "Solution:  Please check the values of soil shear strength and revise the input data.");
    } else {
      Write_Line(ch, "Solution:  Please check the values of soil shear strength and revise ");
      Write_Line(ch, "the input data.");
    }
    if (!detail.empty()) {
      Write_Line(ch);
      std::string_view rest = detail;
      for (std::size_t nl = rest.find('\n'); nl != std::string_view::npos; nl = rest.find('\n')) {
        Write_Line(ch, rest.substr(0, nl));
        rest.remove_prefix(nl + 1);
      }
      Write_Line(ch, rest);
    }
  }
  Record_Input_Error(n);
}

void Write_Zero_Cohesion_Error(bool water, const std::string& detail) {
  Write_Stiff_Clay_Error(water,
                         water ? "Problem:  Zero was input for the cohesion of a stiff clay. "
                               : "Problem:  Zero was input for cohesion of stiff clay without free water.",
                         {}, detail);
}

// A value a stiff clay needs is missing in generic units, which have no
// default values (what is "epsilon-50" or "the subgrade modulus k").
void Write_Missing_Value_Error(bool water, const char* what, const Py_Point& pt) {
  Write_Stiff_Clay_Error(water,
                         std::string("Problem:  No value of ") + what +
                             " was input for a stiff clay, and general units have no default value.",
                         std::string("Solution:  Please input ") + what + " at the top and bottom of the layer.",
                         "Layer no. = " + fmt::I0(pt.L) + ", Elevation = " + fn_Py_Number(pt.xv));
}

// Strength outside the usual range of a stiff clay (500 to 8000 lb/ft2),
// tested away from layer interfaces; first the US warnings, then the SI ones.
void Check_Strength(double c, bool at_interface, int iunits, bool water, int first_warning) {
  if (at_interface) return;
  if (iunits == US_UNITS) {
    if (c < double(3.4722223f)) Log_Warning(-first_warning);
    if (c > double(55.555557f)) Log_Warning(-(first_warning + 1));
  } else if (iunits == SI_UNITS) {
    const double lo = water ? double(23.940128f) : 23.94;
    const double hi = water ? double(383.04205f) : 383.04;
    if (c < lo) Log_Warning(-(first_warning + 2));
    if (c > hi) Log_Warning(-(first_warning + 3));
  }
}

// Sloping ground factor of the free-water model: the clay factor, with the
// double-precision sqrt(1/2) when deflection and slope have opposite signs.
double fn_Water_Slope_Factor(double y) {
  const double s = RS().prob.load.rd_SlopeMinusBatter;
  const double a = std::fabs(s);
  if (std::fabs(y) <= 1.0e-20 || a <= 1.0e-20) return 1.0;
  const bool same = (y > 1.0e-20 && s > 1.0e-20) || (y < -1.0e-20 && s < -1.0e-20);
  if (same) return 1.0 / (1.0 + std::tan(a));
  return std::cos(a) * 0.7071067811865476 / std::cos(a + std::numbers::pi / 4.0);
}

// The soil values every stiff clay curve holds.
struct Stiff_Clay_Soil {
  double c = 0.0, gamma = 0.0, eps50 = 0.0, k = 0.0, z = 0.0;
};

// Cohesion, average unit weight, epsilon-50 as input and effective depth at
// point pt; the zero-cohesion error below the layer's first point and the
// strength warnings (numbers from first_warning). False on an error.
bool Read_Stiff_Clay_Point(const Py_Point& pt, bool water, int first_warning, Stiff_Clay_Soil& sv) {
  // The depth-only values of a node are looked up once per analysis.
  double c = 0.0;
  bool at_interface = false;
  if (const Soil_Node_Values* nv = fn_Kept_Soil_Values(pt)) {
    c = nv->rd_c;
    sv.gamma = nv->rd_Gamma;
    sv.eps50 = nv->rd_Epsilon50;
    at_interface = nv->b_AtInterface != 0;
  } else {
    c = fn_c(pt.xv);
    if (Error_Recorded()) return false;
    sv.gamma = fn_Gamma_Average(pt.xv);
    if (Error_Recorded()) return false;
    sv.eps50 = fn_Epsilon50(pt.xv);
    at_interface = fn_c_At_Interface(pt.xv);
    if (Soil_Node_Values* v = fn_New_Soil_Values(pt)) {
      v->rd_c = c;
      v->rd_Gamma = sv.gamma;
      v->rd_Epsilon50 = sv.eps50;
      v->b_AtInterface = at_interface ? L_TRUE : L_FALSE;
    }
  }
  sv.z = fn_Effective_Depth(pt, EQUIV_EVERY_PASS);
  if (Error_Recorded()) return false;
  sv.c = c;
  if (!pt.first && c < ZERO_COHESION) {
    Write_Zero_Cohesion_Error(water, {});
    return false;
  }
  Check_Strength(c, at_interface, RS().prob.opt.IUNITS, water, first_warning);
  return true;
}

// Epsilon-50 and, when with_k, k: the defaults of the strength class where
// not input (generic units have none: error). Only the model without free
// water rejects a negative k; with free water it takes the default. False on
// an error.
bool Set_Stiff_Clay_Defaults(const Py_Point& pt, bool water, bool cyclic, bool with_k, Stiff_Clay_Soil& sv) {
  const int iunits = RS().prob.opt.IUNITS;
  const int cls = fn_Strength_Class(sv.c, iunits, water);
  if (sv.eps50 <= 0.0) {
    if (cls == 0) {
      Write_Missing_Value_Error(water, "epsilon-50", pt);
      return false;
    }
    sv.eps50 = fn_Default_Epsilon50(cls);
  }
  if (!with_k) return true;
  const double top = RS().prob.soil.rd_kTop(pt.L);
  if (!water && top < 0.0) {
    Write_Stiff_Clay_Error(false, "Problem:  A negative value of the subgrade modulus k was input for a stiff clay.",
                           "Solution:  Please input k above zero, or zero for the default value.",
                           "Layer no. = " + fmt::I0(pt.L));
    return false;
  }
  if (top <= 0.0) {
    if (cls == 0) {
      Write_Missing_Value_Error(water, "the subgrade modulus k", pt);
      return false;
    }
    sv.k = fn_Default_k(cls, iunits, cyclic, water);
  } else {
    sv.k = fn_Layer_k(pt.L, pt.xv);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Stiff clay with free water.

double fn_As(double x) {
  if (x > 3.3) return 0.6;
  return std::fmin(0.6, AS0 + AS1 * x - AS2 * x * x + AS3 * x * x * x);
}

double fn_Ac(double x) {
  if (x > 1.5) return 0.3;
  return std::fmin(0.3, AC0 + AC1 * x - AC2 * x * x + AC3 * x * x * x);
}

// Characteristic resistance per unit pc: static residual or cyclic value.
double fn_Water_pu_Factor(double As, double Ac, bool cyclic) {
  if (cyclic) return 0.936 * Ac - 0.4182 * As;
  return 0.5 * std::sqrt(6.0 * As) - 0.411 - 0.75 * As;
}

struct Water_Curve : Stiff_Clay_Soil {
  double ca = 0.0;
  double y50 = 0.0, As = 0.0, Ac = 0.0, pct = 0.0, pcd = 0.0, pc = 0.0, pu = 0.0;
  bool cyclic = false;
};

// p at relative deflection y >= 0 (before multipliers), cut by the initial
// line k z y.
double fn_Water_p(const Water_Curve& cv, double y) {
  const double pc = cv.pc, y50 = cv.y50, As = cv.As;
  const double ya = As * y50;
  double p = 0.0;
  if (!cv.cyclic) {
    if (y <= ya)
      p = 0.5 * pc * std::sqrt(y / y50);
    else if (y <= 6.0 * ya)
      p = pc * (0.5 * std::sqrt(y / y50) - 0.055 * std::pow((y - ya) / ya, 1.25));
    else if (y <= 18.0 * ya)
      p = 0.5 * pc * std::sqrt(6.0 * As) - 0.411 * pc - 0.0625 * pc * (y - 6.0 * ya) / y50;
    else
      p = 0.5 * pc * std::sqrt(6.0 * As) - 0.411 * pc - 0.75 * As * pc;
  } else {
    const double yp = 4.1 * ya;
    if (y <= 0.6 * yp)
      p = cv.Ac * pc * (1.0 - std::pow(std::fabs((y - 0.45 * yp) / (0.45 * yp)), 2.5));
    else if (y <= 1.8 * yp)
      p = 0.936 * cv.Ac * pc - 0.085 * pc * (y - 0.6 * yp) / y50;
    else
      p = 0.936 * cv.Ac * pc - 0.102 * pc * yp / y50;
  }
  return std::fmin(p, cv.k * cv.z * y);
}

void Report_Water_Curve(const Py_Point& pt, const Water_Curve& cv) {
  const Run_State& s = RS();
  const bool us = s.prob.opt.IUNITS == US_UNITS;
  const std::string len = fn_Py_Length_Unit(), fpl = fn_Py_Force_Per_Length_Unit();
  const std::string stress = fn_Py_Stress_Unit(), uw = fn_Py_Unit_Weight_Unit();
  Py_Report_Title(cv.cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"
                            : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Value("Equivalent Depth", cv.z, 3, len);
  Py_Report_Value("Diameter", pt.b, 3, len);
  Py_Report_Value("c (at curve depth)", cv.c, 3, stress);
  if (cv.cyclic && us) Py_Report_Value("c (at curve depth)", cv.c * 144.0, 3, "psf");
  Py_Report_Value("Average cohesion, c", cv.ca, 5, stress);
  if (us) Py_Report_Value("Undrained cohesion, c", cv.ca * 144.0, 5, "psf");
  Py_Report_Value("Average Eff. Unit Weight", cv.gamma, 5, uw);
  if (us) Py_Report_Value("Average Eff. Unit Weight", cv.gamma * 1728.0, 5, "pcf");
  Py_Report_Value("k", cv.k, 3, uw);
  Py_Report_Value("Epsilon50", cv.eps50, 5);
  Py_Report_Value("y50", cv.y50, 3, len);
  Py_Report_Value("As", cv.As, 3);
  Py_Report_Value(cv.cyclic ? "Ac" : "Ac (not used)", cv.Ac, 5);
  Py_Report_Value("pct", cv.pct, 3, fpl);
  Py_Report_Value("pcd", cv.pcd, 3, fpl);
  Py_Report_Value("pc", cv.pc, 3, fpl);
  Py_Report_Value("pu", cv.pu, 3, fpl);
  Py_Report_Multipliers(pt.pm, pt.ym);
  if (cv.cyclic) Py_Report_Value("Number of Cycles of Loading", s.prob.opt.rd_NumberOfCycles, 0);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading();
  const double ya = cv.As * cv.y50, yp = 4.1 * ya;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (!cv.cyclic) {
      if (j <= 13)
        y = 0.5 * ya * (j - 1);
      else
        y = (j == 14 ? 10.0 : j == 15 ? 14.0 : j == 16 ? 18.0 : 19.0) * ya;
    } else {
      if (j <= 13)
        y = 0.05 * yp * (j - 1);
      else
        y = (j == 14 ? 1.0 : j == 15 ? 1.4 : j == 16 ? 1.8 : 1.9) * yp;
    }
    const double p = fn_Water_p(cv, y);
    Py_Report_Point(pt.ym * y, pt.pm * p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j,
                   cv.cyclic ? "cyclic stiff clay with free water" : "static stiff clay with free water");
  }
}

void Py_Stiff_Clay_Water_Layer(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pm = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  const double slope = s.prob.load.rd_SlopeMinusBatter;
  double pu_prev = 0.0, c_prev = 0.0, xv_prev = 0.0, xv_first = 0.0, c_integral = 0.0;
  Py_Point pt;
  Water_Curve cv;
  cv.cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    if (!Read_Stiff_Clay_Point(pt, true, 3051, cv)) return;
    const double c = cv.c;

    // Average cohesion: from the ground surface in layer 1, else the running
    // trapezoid integral from the layer's first point.
    if (L == 1) {
      cv.ca = fn_c_Average(pt.xv);
      if (Error_Recorded()) return;
    } else if (pt.first) {
      cv.ca = c;
      c_integral = 0.0;
      xv_first = pt.xv;
    } else {
      c_integral += 0.5 * (c_prev + c) * (pt.xv - xv_prev);
      const double depth = pt.xv - xv_first;
      cv.ca = depth > 0.0 ? c_integral / depth : c;  // repeated output depth: c itself
    }
    c_prev = c;
    xv_prev = pt.xv;

    if (!Set_Stiff_Clay_Defaults(pt, true, cv.cyclic, true, cv)) return;

    const double z = cv.z, ca = cv.ca, gamma = cv.gamma;
    const double x = z / b;
    cv.As = fn_As(x);
    cv.Ac = fn_Ac(x);
    cv.pct = (gamma * b + 2.83 * ca) * z + 2.0 * ca * b;
    if (std::fabs(slope) > 1.0e-20) cv.pct *= fn_Water_Slope_Factor(pt.y_sign);
    cv.pcd = 11.0 * c * b;
    cv.pc = std::fmin(cv.pct, cv.pcd);
    cv.y50 = cv.eps50 * b;
    cv.pu = fn_Water_pu_Factor(cv.As, cv.Ac, cv.cyclic) * cv.pc;

    if (pt.report) {
      Report_Water_Curve(pt, cv);
      continue;
    }

    const double y = pt.y_rel;
    const double Es = y >= SMALL_Y ? pt.pm * fn_Water_p(cv, y) / y / pt.ym : cv.k * z;
    if (std::isnan(Es)) Write_Line(CH_MESSAGE, "Error in stiff clay with water at line 502");
    pm.rd_SoilModulus(k) = Es;
    Py_Store_Soil_Force(pt);

    // Layer resistance: trapezoids of pu node to node, and pu down to the
    // layer bottom below the last node.
    double& R = Py_Sum_Layer_Resistance(pt, cv.pu, pu_prev);
    if (fn_Py_Ground_Above_Head(L))
      R = (2.0 * ca * b + cv.pc) / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
  }
}

// ---------------------------------------------------------------------------
// Stiff clay without free water, with or without the initial modulus k.

struct No_Water_Curve : Stiff_Clay_Soil {
  double N = 1.0;
  double y50 = 0.0, pct = 0.0, pcd = 0.0, pu = 0.0;
  bool cyclic = false, with_k = false;
};

// p at relative deflection y >= 0 (before multipliers).
double fn_No_Water_p(const No_Water_Curve& cv, double y) {
  double p = 0.0;
  if (!cv.cyclic)
    p = y <= 16.0 * cv.y50 ? 0.5 * cv.pu * std::pow(y / cv.y50, 0.25) : cv.pu;
  else
    p = std::fmin(0.5 * cv.pu * std::pow(y / ((1.0 + 0.6 * std::log10(cv.N)) * cv.y50), 0.25), cv.pu);
  if (cv.with_k) p = std::fmin(p, cv.k * cv.z * y);
  return p;
}

void Report_No_Water_Curve(const Py_Point& pt, const No_Water_Curve& cv) {
  const Run_State& s = RS();
  const Loading_Records& ld = s.prob.load;
  const bool us = s.prob.opt.IUNITS == US_UNITS;
  const std::string len = fn_Py_Length_Unit(), fpl = fn_Py_Force_Per_Length_Unit();
  const std::string title = cv.cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water"
                                      : "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water";
  if (cv.with_k) {
    Blank_Lines(CH_REPORT, 2);
    Write_Line(CH_REPORT, title);
    Write_Line(CH_REPORT, "with Option of Defining Initial k");
    Write_Line(CH_REPORT);
  } else {
    Py_Report_Title(title);
  }
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  if (!cv.with_k) {
    Py_Report_Value("Ground Slope Angle", fn_Degrees(ld.rd_SlopeAngle), 3, "deg.");
    Py_Report_Value("Pile Batter Angle", fn_Degrees(ld.rd_BatterAngle), 3, "deg.");
    Py_Report_Value("Effective Slope", fn_Degrees(ld.rd_SlopeMinusBatter), 3, "deg.");
  }
  Py_Report_Value("Equivalent Depth", cv.z, 3, len);
  Py_Report_Value("Diameter", pt.b, 3, len);
  Py_Report_Value("Undrained cohesion, c", cv.c, 5, fn_Py_Stress_Unit());
  if (us) Py_Report_Value("Undrained cohesion, c", cv.c * 144.0, 5, "psf");
  Py_Report_Value("Average Eff. Unit Weight", cv.gamma, 5, fn_Py_Unit_Weight_Unit());
  if (us) Py_Report_Value("Average Eff. Unit Weight", cv.gamma * 1728.0, 5, "pcf");
  if (cv.with_k) Py_Report_Value("k", cv.k, 0, fn_Py_Unit_Weight_Unit());
  Py_Report_Value("Epsilon-50", cv.eps50, 5);
  Py_Report_Value("Pct", cv.pct, 3, fpl);
  Py_Report_Value("Pcd", cv.pcd, 3, fpl);
  Py_Report_Value("Pu", cv.pu, 3, fpl);
  Py_Report_Value("y50", cv.y50, 3, len);
  Py_Report_Multipliers(pt.pm, pt.ym);
  if (cv.cyclic)
    Py_Report_Value(cv.with_k ? "Number of Cycles of Loading" : "Number of cycles of loading", cv.N, 0);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 cv.with_k ? "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. "
                           : "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
                 pt.k);
  Py_Report_Curve_Heading();
  const double y16 = 16.0 * cv.y50;
  const double ye = (cv.cyclic && !cv.with_k)
                        ? double(18.75f) * (double(9.6f) * std::log10(cv.N) + 16.0) * cv.y50 / 15.0
                        : double(16.8f) * cv.y50;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (j >= 2 && j <= 15)
      y = y16 * double(Y16_FRACTIONS[j - 2]);
    else if (j == 16)
      y = (y16 + ye) / 2.0;
    else if (j == 17)
      y = ye;
    const double p = fn_No_Water_p(cv, y);
    Py_Report_Point(pt.ym * y, pt.pm * p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j, cv.with_k ? "stiff clay with k" : "stiff clay w/o water");
  }
}

void Py_Stiff_Clay_No_Water_Layer(int L, bool with_k) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pm = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  const double slope = s.prob.load.rd_SlopeMinusBatter;
  double pu_prev = 0.0;
  Py_Point pt;
  No_Water_Curve cv;
  cv.cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  cv.with_k = with_k;
  // Fewer than one cycle is taken as one (the cyclic curve then has the
  // static shape); this also keeps log10 N finite.
  cv.N = s.prob.opt.rd_NumberOfCycles < 1.0 ? 1.0 : s.prob.opt.rd_NumberOfCycles;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    if (!Read_Stiff_Clay_Point(pt, false, with_k ? 3261 : 3061, cv)) return;
    const double c = cv.c;
    if (!Set_Stiff_Clay_Defaults(pt, false, cv.cyclic, with_k, cv)) return;

    const double z = cv.z;
    cv.pct = (cv.gamma * b + 0.5 * c) * z + 3.0 * b * c;
    if (std::fabs(slope) > 1.0e-20) cv.pct *= fn_Sloping_Ground_Factor(pt.y_sign);
    cv.pcd = 9.0 * b * c;
    cv.pu = std::fmin(cv.pct, cv.pcd);
    cv.y50 = 2.5 * cv.eps50 * b;

    if (pt.report) {
      Report_No_Water_Curve(pt, cv);
      continue;
    }

    const double y = pt.y_rel;
    double Es = 0.0;
    if (with_k) {
      Es = y >= SMALL_Y ? pt.pm * fn_No_Water_p(cv, y) / y / pt.ym : cv.k * z;
    } else {
      const double yt = SMALL_Y_PER_DIAMETER * b;
      if (y >= yt)
        Es = pt.pm * fn_No_Water_p(cv, y) / y / pt.ym;
      else  // the static secant modulus at yt
        Es = (pt.pm / pt.ym) * 0.5 * cv.pu * std::pow(cv.y50 / yt, 0.75) / cv.y50;
    }
    pm.rd_SoilModulus(k) = Es;
    Py_Store_Soil_Force(pt);

    double& R = Py_Sum_Layer_Resistance(pt, cv.pu, pu_prev);
    if (fn_Py_Ground_Above_Head(L)) {
      const double ca = fn_c_Average(pt.xv);
      if (Error_Recorded()) return;
      R = (3.0 * ca * b + cv.pu) / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
    }
  }
}

}  // namespace

void Py_Stiff_Clay_Water(int L) { Py_Stiff_Clay_Water_Layer(L); }
void Py_Stiff_Clay_No_Water(int L) { Py_Stiff_Clay_No_Water_Layer(L, false); }
void Py_Stiff_Clay_No_Water_K(int L) { Py_Stiff_Clay_No_Water_Layer(L, true); }

// Depth in a half-space of layer L's soil (properties at its first node, the
// average cohesion taken as c there) whose ultimate resistance from the top
// down equals Ftot.
double fn_Stiff_Clay_Equivalent_Depth(int L, double Ftot) {
  const Run_State& s = RS();
  Py_Layer_Top top;
  if (!fn_Py_Layer_Top(L, top)) return top.node < 1 ? EQUIV_DEPTH_UNSET : 0.0;
  const int node = top.node;
  const double b = top.b, c = top.c, gamma = top.gamma;
  const double ca = c;
  const bool water = fn_Layer_Keyword_Is(L, "StfClyBW");

  // Without cohesion at the top the layer's soil holds no resistance at any
  // depth, so nothing above can be matched: no resistance above gives depth
  // 0, any other is an input error (the formulas would give an infinite depth).
  if (c < ZERO_COHESION) {
    if (!(Ftot > 0.0)) return 0.0;
    Write_Zero_Cohesion_Error(water, "Layer no. = " + fmt::I0(L) + ", Node no. = " + fmt::I0(node) +
                                         " (first node of the layer)\n"
                                         "A layer below another needs a cohesion above zero at its top, where its\n"
                                         "equivalent depth for the resistance of the layers above is computed.");
    return 0.0;
  }

  if (water) {
    const bool cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
    const double zr = (11.0 * c - 2.0 * ca) * b / (gamma * b + 2.83 * ca);
    const double dz = zr / 50.0;
    double F = 0.0, f = 0.0;
    for (int i = 1; i <= 50; ++i) {
      const double z = i * dz;
      f = fn_Water_pu_Factor(fn_As(z / b), fn_Ac(z / b), cyclic);
      const double F_prev = F;
      F += dz * f * ((gamma * z + 2.0 * ca) * b + 2.83 * ca * z);
      if (F > Ftot) return z - dz * (F - Ftot) / (F - F_prev);
    }
    return zr + (Ftot - F) / (11.0 * c * f * b);
  }

  const double zr = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + gamma * b);
  const double Fr = ((0.25 * zr + 3.0 * b) * ca + 0.5 * gamma * zr * b) * zr;
  if (Ftot <= Fr) {
    // Positive root of A h^2 + B h - Ftot = 0, in the form without cancellation.
    const double A = 0.25 * ca + 0.5 * gamma * b;
    const double B = 3.0 * b * ca;
    return 2.0 * Ftot / (B + std::sqrt(B * B + 4.0 * A * Ftot));
  }
  return zr + (Ftot - Fr) / (9.0 * b * c);
}

}  // namespace ormyx
