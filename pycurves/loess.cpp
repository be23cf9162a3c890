// Loess ("KS Loess"): a hyperbolic curve whose ultimate resistance comes from
// the cone tip resistance, reduced near the pile head and by the number of
// cycles of loading.
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

namespace ormyx {

namespace {

constexpr int CURVE_POINTS = 17;
constexpr double YREF_US = double(0.117f);        // in
constexpr double YREF_OTHER = double(0.0029718f);  // m
constexpr double PU_FACTOR = double(0.409f);
constexpr double CYCLE_FACTOR = double(0.24f);
constexpr double MAX_CYCLES = 10.1;
constexpr double ORDINATES[CURVE_POINTS] = {0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0,
                                            6.0, 8.0, 12.0, 16.0, 23.0, 30.0, 40.0, 50.0};

struct Loess_Curve {
  double qc = 0.0, pu0 = 0.0, pu = 0.0, Ei = 0.0, yref = 0.0, N = 1.0;
  bool adjusted = false;  // qc reduced near the pile head
};

// Secant p / y of the curve at deflection y >= 0; Ei at y = 0, its limit.
double fn_Loess_Secant(const Loess_Curve& cv, double y) {
  const double r = y / cv.yref;
  return cv.Ei / (1.0 + (1.0 + 0.1 * std::exp(-r)) * r);
}

void Report_Loess_Curve(const Py_Point& pt, const Loess_Curve& cv) {
  const std::string fpl = fn_Py_Force_Per_Length_Unit();
  Py_Report_Title("p-y Curve for Loess");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 10);
  Py_Report_Value("Shaft Diameter", pt.b, 3, fn_Py_Length_Unit());
  Py_Report_Value(cv.adjusted ? "Depth Adj. Cone tip resistance" : "Cone tip resistance", cv.qc, 3,
                  fn_Py_Stress_Unit());
  Py_Report_Value("Initial Modulus, Ei", cv.Ei, 3, fn_Py_Stress_Unit());
  Py_Report_Value("p_u0", cv.pu0, 3, fn_Py_Stress_Unit());
  Py_Report_Value("p_u", cv.pu, 3, fpl);
  Py_Report_Value("Number of Cycles of Loading", cv.N, 0, "cycles");
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading();
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    const double y = ORDINATES[j - 1] * cv.yref;
    const double p = pt.pm * fn_Loess_Secant(cv, y) * y;
    Py_Report_Point(pt.ym * y, p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, p, j, "Loess");
  }
}

}  // namespace

void Py_Loess(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pmod = s.sol.pile;
  const Soil_Profile_Record& pp = s.prob.soil.Soil_Profile_Points;
  const double cycles = s.prob.opt.rd_NumberOfCycles;
  if (std::fabs(cycles) > MAX_CYCLES) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, Input_Error_Header(70));
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "PROBLEM: Soil layer " + fmt::I0(L) +
                              " is a loess and the input value for the number of cycles of loading = " +
                              fn_Py_Number(cycles));
    Write_Line(CH_REPORT,
               "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles of loading. ");
    Write_Line(CH_REPORT,
               "SOLUTION: Revise the input data so that the number of cycles of loading is in the range of 1 to 10.");
    Record_Input_Error(70);
    return;
  }
  Loess_Curve cv;
  cv.yref = s.prob.opt.IUNITS == US_UNITS ? YREF_US : YREF_OTHER;
  // Static loading (0 cycles) and fewer than one cycle count as one cycle:
  // the logarithm of the cycle count is then 0 and the resistance stays finite.
  cv.N = cycles < 1.0 ? 1.0 : cycles;
  Py_Point pt;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    cv.qc = fn_Layer_Profile_Value(L, pp.rd_ConeTip, pt.xv);
    cv.adjusted = pt.x < 2.0 * b;
    if (cv.adjusted) cv.qc *= pt.x / (2.0 * b) + 0.5;
    cv.pu0 = PU_FACTOR * cv.qc;
    cv.pu = b * cv.pu0 / (1.0 + CYCLE_FACTOR * std::log(cv.N));
    cv.Ei = cv.pu / cv.yref;
    if (pt.report) {
      Report_Loess_Curve(pt, cv);
      continue;
    }
    // p / y' written as the secant itself, so that zero deflection gives its
    // limit Ei; no layer resistance is kept for loess.
    pmod.rd_SoilModulus(k) = pt.pm / pt.ym * fn_Loess_Secant(cv, pt.y_rel);
    Py_Store_Soil_Force(pt);
  }
}

}  // namespace ormyx
