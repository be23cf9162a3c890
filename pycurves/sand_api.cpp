// API sand p-y curves ("API Sand"), static and cyclic: the hyperbolic
// tangent p = A Pu tanh(k z y / (A Pu)) with Pu the smaller of the wedge
// and flow-around resistance; the layer resistance used by the layered-soil
// correction, and the report block of a curve.
#include <cmath>
#include <numbers>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/py_report.h"
#include "pycurves/sand.h"
#include "pycurves/soil_properties.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

constexpr int CURVE_POINTS = 17;
constexpr double A_MIN = double(0.9f);
constexpr double A_SLOPE = double(0.8f);
constexpr double PI_OVER_16 = 0.19634954084936207;

// The parameters of one curve.
struct API_Curve {
  double phi_deg = 0.0, gamma = 0.0, k = 0.0, z = 0.0, kz = 0.0;
  bool default_k = false, cyclic = false;
  Sand_Angles an;
  Sand_Wedge w;
  double C1 = 0.0, C2 = 0.0, C3 = 0.0, Pus = 0.0, Pud = 0.0, Pu = 0.0, A = 0.0;
};

// p on the curve (before multipliers); 0 near the surface and where the
// soil has no ultimate resistance.
double fn_API_p(const API_Curve& cv, double y) {
  const double APu = cv.A * cv.Pu;
  if (cv.z < 1.0e-10 || !(APu > 0.0)) return 0.0;
  return APu * std::tanh(cv.kz * y / APu);
}

void Write_Friction_Error_1(int L) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(1));
    Write_Line(ch);
    Write_Line(ch, "An error was detected in the input data when computing a p-y.");
    Write_Line(ch, "curve using the API sand criteria for layer " + fmt::I0(L) + ".");
    Write_Line(ch, "Problem:  A zero was input for the friction angle for sand.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Check the friction angle values and revise the ");
    Write_Line(ch, "data to correct this problem.");
  }
  Record_Input_Error(1);
}

void Report_API_Curve(const Py_Point& pt, const API_Curve& cv, bool rock_above) {
  const Run_State& s = RS();
  const std::string len = fn_Py_Length_Unit(), fpl = fn_Py_Force_Per_Length_Unit();
  Py_Report_Title(cv.cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                            : "p-y Curve Computed Using API Sand Criteria for Static Loading");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Slope_Lines();
  Py_Report_Value("Equivalent Depth (see note)", cv.z, 3, len);
  Py_Report_Value("Diameter", pt.b, 3, len);
  Py_Report_Value("Friction Angle phi", cv.phi_deg, 3, "deg.");
  Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma, 5, fn_Py_Unit_Weight_Unit());
  Py_Report_Value("A", cv.A, 5);
  Py_Report_Value("k", cv.k, 3, fn_Py_Unit_Weight_Unit());
  Py_Report_Value("C1", cv.C1, 5);
  Py_Report_Value("C2", cv.C2, 5);
  Py_Report_Value("C3", cv.C3, 5);
  Py_Report_Value("Pus", cv.Pus, 3, fpl);
  Py_Report_Value("Pud", cv.Pud, 3, fpl);
  Py_Report_Value("Pu", cv.Pu, 3, fpl);
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Report_Depth_Note(rock_above);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS, "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading();

  // Even steps of pi/16 A Pu / (k z): the curve reaches tanh(pi) at the end.
  // Without an initial slope the steps are a fixed length (in for US and
  // generic units, m for SI).
  double dy = cv.A * cv.Pu * PI_OVER_16 / cv.kz;
  if (cv.kz == 0.0 || !std::isfinite(dy)) dy = s.prob.opt.IUNITS == SI_UNITS ? 0.00127 : 0.05;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    const double y = (j - 1) * dy;
    const double p = fn_API_p(cv, y);
    Put(CH_REPORT, fmt::F(pt.ym * y, 15, 4) + fmt::F(pt.pm * p, 17, 3));
    End_Line();
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j, "API sand");
  }
  if (cv.default_k) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "The above p-y curve was computed using the internal default value of k.");
  }
}

}  // namespace

void Py_API_Sand(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pile = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  const double slope = std::fabs(s.prob.load.rd_SlopeMinusBatter);
  double r_prev = 0.0;
  Py_Point pt;
  API_Curve cv;
  cv.cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    // The depth-only values of a node are looked up once per analysis.
    if (!Sand_Depth_Values(pt, cv.phi_deg, cv.gamma)) return;
    cv.z = fn_Effective_Depth(pt, EQUIV_EVERY_PASS);
    if (Error_Recorded()) return;
    const double phi = cv.phi_deg * std::numbers::pi / 180.0;
    if (!pt.first && phi < 1.0e-10) {
      Write_Friction_Error_1(L);
      return;
    }
    if (cv.phi_deg < 20.0 || cv.phi_deg > 48.0) Log_Warning(-303);

    // Ultimate resistance: wedge and flow-around, on level ground from the
    // coefficients C1, C2, C3 with the true depth for the flow-around.
    Set_Sand_Angles(phi, fn_Sand_K0(SAND_API), cv.an);
    if (!Sand_Wedge_And_Flow(pt, SAND_API, cv.an, cv.gamma, cv.z, cv.w)) return;
    const Sand_Angles& an = cv.an;
    const double ta = std::tan(an.alpha), tb = std::tan(an.beta), tphi = std::tan(phi);
    cv.C1 = tb * (an.Kp * ta + an.K0 * (tphi * std::sin(an.beta) * (1.0 / std::cos(an.alpha) + 1.0) - ta));
    cv.C2 = an.Kp - an.Ka;
    cv.C3 = an.Kp * an.Kp * (an.K0 * tphi + an.Kp) - an.Ka;
    if (slope > 1.0e-10) {
      cv.Pus = cv.w.Pst;
      cv.Pud = cv.w.Psd;
    } else {
      cv.Pus = (cv.C1 * cv.z + cv.C2 * b) * cv.z * cv.gamma;
      cv.Pud = cv.C3 * b * cv.gamma * pt.z0;
    }
    cv.Pu = std::fmin(cv.Pus, cv.Pud);

    cv.k = fn_Layer_k(L, pt.xv);
    cv.default_k = !(cv.k > 0.0);
    if (cv.default_k) {
      cv.k = fn_Default_k(cv.phi_deg, cv.gamma);
      if (Error_Recorded()) return;
    }
    cv.A = cv.cyclic ? A_MIN : std::fmax(A_MIN, 3.0 - A_SLOPE * cv.z / b);
    const bool rock_above = L >= 2 && py.i_RockLayerCount >= 1;
    cv.kz = cv.k * (rock_above ? pt.z0 : cv.z);

    if (pt.report) {
      Report_API_Curve(pt, cv, rock_above);
      continue;
    }

    const double y = pt.y_rel;
    pile.rd_SoilModulus(k) = y >= 1.0e-14 ? pt.pm * fn_API_p(cv, y) / y / pt.ym : cv.kz;
    Py_Store_Soil_Force(pt);

    // Layer resistance: the curve's p at y = 3b/80, in trapezoids node to
    // node and down to the layer bottom below the last node.
    const double r = fn_API_p(cv, 3.0 * b / 80.0);
    double& R = Py_Sum_Layer_Resistance(pt, r, r_prev);
    if (fn_Py_Ground_Above_Head(L)) R = r / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
  }
}

}  // namespace ormyx
