// User-input p-y curves ("User p-y"): one curve given at the top of the layer
// and one at its bottom; a point between them takes, at each deflection, the
// resistance interpolated linearly in depth between the two curves.
#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/py_report.h"

namespace ormyx {

namespace {

constexpr int CURVE_POINTS = 17;
constexpr double SMALL_Y = 1.0e-14;

// p of one curve at deflection y >= 0: linear between its points, its last p
// beyond its last point. Below a first point at y1 > 0 the curve runs
// straight from the origin to that point.
double fn_User_Curve_p(const User_Py_Curve_Record& cv, double y) {
  const int n = cv.i_Number_of_Points;
  if (y == cv.y(1)) return cv.p(1);
  if (y < cv.y(1)) return cv.y(1) > 0.0 ? cv.p(1) * y / cv.y(1) : cv.p(1);
  if (y > cv.y(n)) return cv.p(n);
  for (int i = 1; i < n; ++i)
    if (cv.y(i) < y && y <= cv.y(i + 1))
      return cv.p(i) + (cv.p(i + 1) - cv.p(i)) * (y - cv.y(i)) / (cv.y(i + 1) - cv.y(i));
  return cv.p(n);
}

// Interpolation weight of depth xv between the curve depths zt and zb;
// negative outside them (no resistance there).
double fn_Depth_Weight(double zt, double zb, double xv) {
  if (xv < zt || xv > zb) return -1.0;
  if (zb - zt <= 1.0e-6) return 0.0;
  return (xv - zt) / (zb - zt);
}

// The reason a curve cannot be used, or nullptr: at least two points, the
// deflections in increasing order, and a positive deflection at point 2 (the
// initial modulus is p2 / y2).
const char* fn_Curve_Fault(const User_Py_Curve_Record& cv) {
  const int n = cv.i_Number_of_Points;
  if (n < 2) return "it has fewer than 2 points.";
  if (n > MAX_USER_PY_POINTS) return "it has more points than a curve holds.";
  for (int i = 1; i < n; ++i)
    if (!(cv.y(i + 1) >= cv.y(i))) return "its deflections y do not increase from point to point.";
  if (!(cv.y(2) > 0.0)) return "its second point has a deflection y of zero or less.";
  return nullptr;
}

bool Check_User_Curves(int L) {
  const Soil_Records& soil = RS().prob.soil;
  for (int j = 0; j < 2; ++j) {
    const char* fault = fn_Curve_Fault(soil.User_Py_Curve(2 * L - 1 + j));
    if (!fault) continue;
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, Input_Error_Header(89));
      Write_Line(ch);
      Write_Line(ch, std::string("Problem:  The user-input p-y curve at the ") + (j == 0 ? "top" : "bottom") +
                         " of soil layer " + fmt::I0(L) + " cannot be used:");
      Write_Line(ch, std::string("          ") + fault);
      Write_Line(ch, "Solution:  Give each user-input p-y curve at least 2 points, starting at y = 0,");
      Write_Line(ch, "           with the deflections in increasing order.");
      Write_Line(ch);
    }
    Record_Input_Error(89);
    return false;
  }
  return true;
}

void Report_User_Curve(const Py_Point& pt, const User_Py_Curve_Record& top, const User_Py_Curve_Record& bot,
                       double w) {
  Py_Report_Title("p-y Curve Computed by Interpolation Between User-input Curves");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Value("Pile diameter", pt.b, 3, fn_Py_Length_Unit());
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading("----------------    ----------------");
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (j == 2)
      y = 0.001;
    else if (j >= 3 && j <= 14)
      y = pt.b * 0.00625 * (j - 2);
    else if (j == 15)
      y = 0.2 * pt.b;
    else if (j == 16)
      y = 0.375 * pt.b;
    else if (j == 17)
      y = 0.5 * pt.b;
    double p = 0.0;
    if (w >= 0.0) {
      const double pt_top = fn_User_Curve_p(top, y);
      p = pt_top + (fn_User_Curve_p(bot, y) - pt_top) * w;
    }
    Write_Line(CH_REPORT, fmt::F(pt.ym * y, 15, 4) + fmt::X(5) + fmt::F(pt.pm * p, 15, 4));
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j, "user-input p-y curve");
  }
}

}  // namespace

void Py_User_Input(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pmod = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  if (!Check_User_Curves(L)) return;
  const User_Py_Curve_Record& top = soil.User_Py_Curve(2 * L - 1);
  const User_Py_Curve_Record& bot = soil.User_Py_Curve(2 * L);
  const double zt = top.rd_Depth, zb = bot.rd_Depth;
  const double h = pmod.rd_h;
  // Ultimate resistance for the layer sum: the last p of each curve.
  const double pl_top = top.p(top.i_Number_of_Points), pl_bot = bot.p(bot.i_Number_of_Points);
  Py_Point pt;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    // The curves are given at depths: the vertical depth places the point
    // between them (on a battered pile too).
    const double w = fn_Depth_Weight(zt, zb, pt.xv);
    if (pt.report) {
      Report_User_Curve(pt, top, bot, w);
      continue;
    }
    const double y = pt.y_rel;
    double Es = 0.0;
    if (w >= 0.0) {
      if (y >= SMALL_Y) {
        const double p_top = fn_User_Curve_p(top, y);
        Es = pt.pm * (p_top + (fn_User_Curve_p(bot, y) - p_top) * w) / (pt.ym * y);
      } else {
        const double Ei_top = top.p(2) / top.y(2);
        Es = Ei_top + (bot.p(2) / bot.y(2) - Ei_top) * w;
      }
    }
    pmod.rd_SoilModulus(k) = Es;
    Py_Store_Soil_Force(pt);

    double& R = py.rd_LayerResistance(L);
    if (pt.first) R = 0.0;
    const double wl = std::fabs(zb - zt) <= 1.0e-6 ? 0.0 : (pt.xv - zt) / (zb - zt);
    R += h * (pl_top + wl * (pl_bot - pl_top));
  }
}

}  // namespace ormyx
