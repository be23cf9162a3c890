// Liquefied sand p-y curves ("Liq Sand") after Rollins et al. (2005): the
// concave curve p = Pd A (B y)^C of a 0.3 m pile scaled by the diameter
// factor Pd and capped at 15 kN/m (or at its value at 150 mm), computed in
// kN, metres and millimetres; the layer resistance, its copy kept for the
// layered-soil correction, and the report block of a curve.
#include <cmath>
#include <string>

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

// Conversions of US customary values (single precision).
constexpr double M_PER_IN = double(0.0254f);
constexpr double MM_PER_IN = double(25.4f);
constexpr double PCI_PER_10KN_M3 = double(0.0368396f);
constexpr double LB_IN_PER_KN_M = double(5.710147f);

// Constants of the criteria (single precision).
constexpr double A_FACTOR = double(3.0e-7f);
constexpr double A_EXPONENT = double(6.05f);
constexpr double B_FACTOR = double(2.80f);
constexpr double B_EXPONENT = double(0.11f);
constexpr double C_FACTOR = double(2.85f);
constexpr double C_EXPONENT = double(-0.41f);
constexpr double P_CAP = 15.0;     // kN/m
constexpr double Y_LIMIT = 150.0;  // mm

constexpr float ORDINATES_SI[CURVE_POINTS] = {0.0f,  0.003f, 0.0065f, 0.01f, 0.0125f, 0.015f,
                                              0.03f, 0.045f, 0.06f,   0.075f, 0.09f,  0.1f,
                                              0.115f, 0.125f, 0.14f,  0.15f, 0.1575f};
constexpr float ORDINATES_US[CURVE_POINTS] = {0.0f, 0.125f, 0.25f, 0.375f, 0.5f, 1.0f,
                                              1.5f, 2.0f,   2.5f,  3.0f,   3.5f, 4.0f,
                                              4.5f, 5.0f,   5.5f,  5.9055119f, 6.2007875f};

// The parameters of one curve; Pu and yu in the analysis units.
struct Liquefied_Curve {
  bool us = false;
  double bm = 0.0, Pd = 0.0, zn = 0.0, gamma = 0.0;
  double A = 0.0, B = 0.0, C = 0.0;
  double Pu = 0.0, yu = 0.0;
  bool capped = false;  // the curve reaches the 15 kN/m cap before 150 mm
};

// Factors A, B, C and the cap at normalised depth zn (m); Pu in kN/m.
void Set_Liquefied_Factors(double zn, Liquefied_Curve& cv, double& Pu_kN, double& yu_mm) {
  cv.A = A_FACTOR * std::pow(zn + 1.0, A_EXPONENT);
  cv.B = B_FACTOR * std::pow(zn + 1.0, B_EXPONENT);
  cv.C = C_FACTOR * std::pow(zn + 1.0, C_EXPONENT);
  const double P150 = cv.A * std::pow(Y_LIMIT * cv.B, cv.C);
  Pu_kN = std::fmin(P150, P_CAP);
  cv.capped = P150 >= P_CAP;
  yu_mm = cv.capped ? std::exp(std::log(P_CAP / cv.A) / cv.C - std::log(cv.B)) : Y_LIMIT;
}

// p (analysis units) at deflection y (analysis units), before multipliers.
double fn_Liquefied_p(const Liquefied_Curve& cv, double y) {
  const double y_mm = y * (cv.us ? MM_PER_IN : 1000.0);
  const double cap = cv.Pd * cv.Pu;
  const double p = cv.Pd * cv.A * std::pow(cv.B * y_mm, cv.C) * (cv.us ? LB_IN_PER_KN_M : 1.0);
  return std::fmin(p, cap);
}

// The 17 deflections of the reported curve (analysis units).
double fn_Liquefied_Ordinate(const Liquefied_Curve& cv, int j) {
  if (cv.capped) {
    if (j == 1) return 0.0;
    if (j <= 15) return (j - 1) * cv.yu / 15.0;
    return j == 16 ? cv.yu : 1.05 * cv.yu;
  }
  return double(cv.us ? ORDINATES_US[j - 1] : ORDINATES_SI[j - 1]);
}

void Plot_Liquefied_Point(double y, double p, int j) {
  Put(CH_PLOT, fmt::E(y, 15, 7) + fmt::E(p, 15, 7) + fmt::X(20) + "Line 8(" + fmt::I(j, 2) +
                   "): y, p, for liquefied sand");
  End_Line(CH_PLOT);
}

void Report_Liquefied_Curve(const Py_Point& pt, const Liquefied_Curve& cv) {
  const std::string du = fn_Py_Depth_Unit(), len = fn_Py_Length_Unit();
  Py_Report_Title("p-y Curve Computed Using Liquefied Sand Criteria");
  Write_Line(CH_REPORT);
  Py_Report_Value("Depth below pile head", fn_Py_Printed_Depth(pt.xv), 3, du);
  Py_Report_Value("Depth below ground surface", fn_Py_Printed_Depth(pt.z0), 3, du);
  if (pt.L >= 2) Py_Report_Value("Normalized depth below ground surface in meters*", cv.zn, 3);
  Py_Report_Value("Pile Diameter", pt.b, 3, len);
  Py_Report_Value("Pile Diameter in meters", cv.bm, 3);
  Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma, 5, fn_Py_Unit_Weight_Unit());
  Py_Report_Value("A", cv.A, 5);
  Py_Report_Value("B", cv.B, 5);
  Py_Report_Value("C", cv.C, 5);
  Py_Report_Value("Pd", cv.Pd, 5);
  Py_Report_Value("Upper limit Pu", cv.Pu, 3, fn_Py_Force_Per_Length_Unit());
  Py_Report_Value("Yu", cv.yu, 5, len);
  Py_Report_Multipliers(pt.pm, pt.ym);
  if (pt.L >= 2) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "The depth of the p-y curve was equated to the initial vertical stress divided");
    Write_Line(CH_REPORT, "by 10 kN/m3, as recommended by Rollins, et al. (2005)");
  }
  if (cv.zn > 6.0) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "NOTE: The normalized depth of the p-y curve is deeper than the depth of");
    Write_Line(CH_REPORT, "6.0 meters recommended by Rollins, et al. (2005)");
  }
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading();
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    const double y = fn_Liquefied_Ordinate(cv, j);
    const double p = fn_Liquefied_p(cv, y);
    Py_Report_Point(pt.ym * y, pt.pm * p, 3, 5);
    Plot_Liquefied_Point(pt.ym * y, pt.pm * p, j);
  }
}

}  // namespace

void Py_Liquefied_Sand(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pile = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  double r_prev = 0.0;
  Py_Point pt;
  Liquefied_Curve cv;
  // Generic units are taken as kN and m, the units of the criteria.
  cv.us = s.prob.opt.IUNITS == US_UNITS;
  const double len_to_m = cv.us ? M_PER_IN : 1.0;
  const double mm_to_len = cv.us ? 1.0 / MM_PER_IN : 0.001;
  const double kN_m_to_fpl = cv.us ? LB_IN_PER_KN_M : 1.0;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    cv.gamma = fn_Gamma_Average(pt.xv);
    if (Error_Recorded()) return;

    // Diameter factor relative to the 0.3 m pile of the tests.
    cv.bm = pt.b * len_to_m;
    cv.Pd = cv.bm <= 0.3 ? cv.bm / 0.3 : 3.81 * std::log(cv.bm) + 5.6;

    // Depth in metres: true depth in the top layer, below it the vertical
    // effective stress over 10 kN/m3.
    if (L == 1)
      cv.zn = pt.z0 * len_to_m;
    else
      cv.zn = cv.us ? pt.z0 * cv.gamma / PCI_PER_10KN_M3 * M_PER_IN : pt.z0 * cv.gamma / 10.0;
    double Pu_kN = 0.0, yu_mm = 0.0;
    Set_Liquefied_Factors(cv.zn, cv, Pu_kN, yu_mm);
    cv.Pu = Pu_kN * kN_m_to_fpl;
    cv.yu = yu_mm * mm_to_len;

    if (pt.report) {
      Report_Liquefied_Curve(pt, cv);
      continue;
    }

    // The secant p / y' is undefined at zero deflection: there the secant at
    // the first reported deflection stands in for it.
    double y = pt.y_rel;
    if (y < 1.0e-14) y = fn_Liquefied_Ordinate(cv, 2);
    pile.rd_SoilModulus(k) = pt.pm / pt.ym * (fn_Liquefied_p(cv, y) / y);
    Py_Store_Soil_Force(pt);

    // Layer resistance: trapezoids of the cap Pd Pu and the cap down to the
    // layer bottom; with the ground surface above the pile head, the whole
    // top layer from the cap at the surface to this one. Each value is also
    // kept in the copy the layered-soil correction falls back on.
    const double r = cv.Pd * cv.Pu;
    double& R = Py_Sum_Layer_Resistance(pt, r, r_prev);
    if (fn_Py_Ground_Above_Head(L)) {
      Liquefied_Curve top = cv;
      double Pu_top = 0.0, yu_top = 0.0;
      Set_Liquefied_Factors(0.0, top, Pu_top, yu_top);
      R = (cv.Pd * Pu_top * kN_m_to_fpl + r) / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
    }
    py.rd_LiquefiedLayerResistance(L) = R;
  }
}

}  // namespace ormyx
