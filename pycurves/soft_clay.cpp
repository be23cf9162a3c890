// Matlock soft clay p-y curves, with J = 0.5 ("SoftClay") or J from the soil
// profile ("SoftClyJ"): static and cyclic curves, the limiting modulus at
// small deflections, the layer resistance and equivalent depth used by the
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

// Single-precision constants of the criteria.
constexpr double ONE_THIRD = double(1.0f / 3.0f);                // 0.3333333432674408
constexpr double CYCLIC_PLATEAU = 0.7211247682571411;            // static p at y = 3 y50, / pu
constexpr double LIMIT_P_FACTOR = 0.01077217236161232;
constexpr double LIMIT_Y_FACTOR = 2.9999999242136255e-5;
constexpr double SMALL_Y_FACTOR = double(1.0e-5f);               // 9.999999747378752e-6
constexpr double CYCLIC_EQUIV_FACTOR = double(0.72f);            // 0.7200000286102295

constexpr int CURVE_POINTS = 17;
constexpr float STATIC_ORDINATES[CURVE_POINTS] = {0.0f, 0.05f, 0.125f, 0.25f, 0.375f, 0.5f,
                                                  1.0f, 1.5f,  2.0f,   2.5f,  3.0f,   4.0f,
                                                  5.0f, 6.0f,  7.0f,   8.0f,  8.5f};
constexpr float CYCLIC_ORDINATES[CURVE_POINTS] = {0.0f, 0.05f, 0.1f, 0.2f, 0.3f, 0.4f,
                                                  0.5f, 0.6f,  0.8f, 1.0f, 1.5f, 2.0f,
                                                  2.5f, 3.0f,  9.0f, 15.0f, 16.0f};

// The parameters of one curve.
struct Soft_Clay_Curve {
  double c = 0.0, gamma = 0.0, eps50 = 0.0, J = 0.0, z = 0.0;
  double y50 = 0.0, Xr = 0.0, pu_s = 0.0, pu = 0.0, pu_c = 0.0, pu_cz = 0.0;
  double F = 1.0, Esmax = 0.0, yt = 0.0;
  bool cyclic = false;
};

// Default epsilon-50 from c by unit system; negative in generic units, which
// have no default.
double fn_Default_Epsilon50(double c, int iunits) {
  if (iunits == US_UNITS) {
    if (c < double(3.4722223f)) return double(0.02f);
    if (c < double(6.9444447f)) return double(0.01f);
    if (c < double(13.888889f)) return double(0.005f);
    if (c < double(27.777779f)) return double(0.005f);
    return double(0.004f);
  }
  if (iunits == SI_UNITS) {
    if (c < double(23.940128f)) return double(0.02f);
    if (c < double(47.880257f)) return double(0.01f);
    if (c < double(95.760513f)) return double(0.005f);
    if (c < double(191.52103f)) return double(0.005f);
    return double(0.004f);
  }
  return -1.0;
}

// p on the curve at relative deflection y (before multipliers), y >= yt.
double fn_Soft_Clay_p(const Soft_Clay_Curve& cv, double y) {
  const double y50 = cv.y50;
  if (!cv.cyclic) {
    if (y <= 8.0 * y50) return 0.5 * cv.pu * std::pow(y / y50, ONE_THIRD);
    return cv.pu;
  }
  if (y <= 3.0 * y50) return 0.5 * cv.pu * std::pow(y / y50, ONE_THIRD);
  if (cv.z >= cv.Xr) return cv.pu_c;
  if (y <= 15.0 * y50) return cv.pu_c + (cv.pu_cz - cv.pu_c) * (y - 3.0 * y50) / (12.0 * y50);
  return cv.pu_cz;
}

// p including the limiting modulus below the small-deflection threshold.
double fn_Soft_Clay_Curve_p(const Soft_Clay_Curve& cv, double y) {
  if (y < cv.yt) return cv.Esmax * y;
  return fn_Soft_Clay_p(cv, y);
}

void Write_Cohesion_Error(bool with_J, const Py_Point& pt, double c) {
  const Run_State& s = RS();
  const Pile_Model& pm = s.sol.pile;
  const int n = with_J ? 71 : 12;
  const std::string values = "Layer no. = " + fmt::I0(pt.L) + ", Node no. = " + fmt::I0(pt.k) +
                             ", Top node in layer = " + fmt::I0(pm.i_TopNodeInLayer(pt.L)) +
                             ", Elevation = " + fn_Py_Number(pt.xv) + ", c(x) = " + fn_Py_Number(c);
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(n));
    Write_Line(ch);
    Write_Line(ch, "An error was detected that is related to an incompatibility between the input ");
    Write_Line(ch, "data defining soil layering and soil shear strength values when computing a ");
    Write_Line(ch, "p-y curve using the Matlock soft clay criteria.");
    Write_Line(ch, with_J ? "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J."
                          : "Problem:  A negative or zero value of cohesion was input for a soft clay soil.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  Please compare the depth values for soil layering and soil shear ");
    Write_Line(ch, "strength values and revise the input data.");
    Write_Line(ch);
    if (ch == CH_REPORT)
      Write_Line(ch, values + ", Pile length = " + fn_Py_Number(pm.rd_PileLength) + ", ITOP = " +
                         fmt::I0(pm.i_TopNodeInLayer(pt.L)) + ", IBOT = " +
                         fmt::I0(pm.i_BottomNodeInLayer(pt.L)));
    else
      Write_Line(ch, values);
  }
  Record_Input_Error(n);
}

// The soil modulus is not a number: the limiting modulus (33, 35) or the
// modulus of the curve (34, 36). Stored without the recorder's lines.
void Write_Not_A_Number_Error(bool with_J, bool limiting, int node) {
  const int n = with_J ? (limiting ? 35 : 36) : (limiting ? 33 : 34);
  const char* model = with_J ? "API soft clay" : "soft clay";
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, n == 36 ? std::string("**** Runtime Error No 36. ****")
                                : "**** Runtime Error No. " + fmt::I0(n) + " ****");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(limiting ? "The default value" : "The computed value") +
                            " of soil modulus computed in " + model +
                            " is not-a-number for node number " + fmt::I0(node));
  Write_Line(CH_REPORT, "This problem is usually due to a required soil property being left equal to zero.");
  Store_Error_Number(200 + n);
}

void Report_Soft_Clay_Curve(const Py_Point& pt, const Soft_Clay_Curve& cv, bool with_J) {
  const Run_State& s = RS();
  const bool us = s.prob.opt.IUNITS == US_UNITS;
  const double cycles = s.prob.opt.rd_NumberOfCycles;
  const bool cyclic_title = cycles >= 2.0;
  const std::string len = fn_Py_Length_Unit(), fpl = fn_Py_Force_Per_Length_Unit();
  std::string title = with_J ? "p-y Curve Computed Using the Soft Clay Criteria with J for "
                             : "p-y Curve Computed Using the Soft Clay Criteria for ";
  title += cyclic_title ? "Cyclic Loading Conditions" : "Static Loading Conditions";
  Py_Report_Title(title);
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Slope_Lines();
  Py_Report_Value("Equivalent Depth", cv.z, 3, len);
  Py_Report_Value("Pile Diameter", pt.b, 3, len);
  Py_Report_Value("Cohesion, c", cv.c, 3, fn_Py_Stress_Unit());
  if (us && !with_J) Py_Report_Value("Cohesion, c", cv.c * 144.0, 3, "psf");
  Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma, 5, fn_Py_Unit_Weight_Unit());
  if (us && !with_J) Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma * 1728.0, 5, "pcf");
  Py_Report_Value("Epsilon50 parameter", cv.eps50, 5);
  Py_Report_Value(with_J ? "J parameter" : "J", cv.J, 3);
  Py_Report_Value("Transition Depth Xr", cv.Xr, 3, len);
  Py_Report_Value("pu_s", cv.pu_s, 3, fpl);
  Py_Report_Value("pu_d", 9.0 * cv.c * pt.b, 3, fpl);
  Py_Report_Value("y_50", cv.y50, 5, len);
  Py_Report_Multipliers(pt.pm, pt.ym);
  if (cyclic_title) {
    Py_Report_Value("Number of cycles of loading", cycles, 0, "cycles");
    Py_Report_Value("X_r", cv.Xr, 3, len);
  }
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 with_J ? "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. "
                        : "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ",
                 pt.k);
  Py_Report_Value("Sloping Ground Factor", cv.F, 3);
  Py_Report_Value("pu_static", cv.pu, 3, fpl);
  if (cyclic_title) Py_Report_Value("pu_cyclic", cv.pu_c, 3, fpl);
  Py_Report_Curve_Heading();
  const float* ord = cv.cyclic ? CYCLIC_ORDINATES : STATIC_ORDINATES;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    const double y = double(ord[j - 1]) * cv.y50;
    const double p = fn_Soft_Clay_Curve_p(cv, y);
    Py_Report_Point(pt.ym * y, pt.pm * p, 0, 9);
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j, with_J ? "API soft clay" : "soft clay");
    if (j >= 2 && y < cv.yt) {
      Write_Line(CH_REPORT, "**** Warning ****");
      Write_Line(CH_REPORT, "The pile deflection is less than 0.00001*Y50.");
      Write_Line(CH_REPORT, "Ormyx used the limiting value of soil modulus (= " + fn_Py_Number(cv.Esmax) +
                                " " + fn_Py_Stress_Unit() +
                                (with_J ? ") when computing the p-y curve for soft clay with J."
                                        : ") when computing the p-y curve for soft clay."));
    }
  }
}

void Py_Soft_Clay_Layer(int L, bool with_J) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pm = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  const int iunits = s.prob.opt.IUNITS;
  const double slope = s.prob.load.rd_SlopeMinusBatter;
  const double h = pm.rd_h;
  double pu_prev = 0.0, pu_c_prev = 0.0, pu_cz_prev = 0.0;
  Py_Point pt;
  Soft_Clay_Curve cv;
  cv.cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  const bool sloped = std::fabs(slope) > 1.0e-20;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    // The depth-only soil values of a node are looked up once per analysis.
    Soil_Node_Values* nv = fn_Kept_Soil_Values(pt);
    double eps50 = 0.0;
    bool at_interface = false;
    if (nv) {
      cv.c = nv->rd_c;
      cv.gamma = nv->rd_Gamma;
      eps50 = nv->rd_Epsilon50;
      cv.J = with_J ? nv->rd_J : py.rd_J_SoftClay;
      at_interface = nv->b_AtInterface != 0;
    } else {
      cv.c = fn_c(pt.xv);
      if (Error_Recorded()) return;
      cv.gamma = fn_Gamma_Average(pt.xv);
      if (Error_Recorded()) return;
      eps50 = fn_Epsilon50(pt.xv);
      const double Jp = with_J ? fn_J(pt.xv) : 0.0;
      cv.J = with_J ? Jp : py.rd_J_SoftClay;
      at_interface = fn_c_At_Interface(pt.xv);
      nv = fn_New_Soil_Values(pt);
      if (nv) {
        nv->rd_c = cv.c;
        nv->rd_Gamma = cv.gamma;
        nv->rd_Epsilon50 = eps50;
        nv->rd_J = Jp;
        nv->b_AtInterface = at_interface ? L_TRUE : L_FALSE;
      }
    }
    cv.z = fn_Effective_Depth(pt, EQUIV_EVERY_PASS);
    if (Error_Recorded()) return;
    const double c = cv.c, gamma = cv.gamma, J = cv.J, z = cv.z;

    // Shear strength above 1250 lb/ft2 is unusual for soft clay.
    if (!at_interface) {
      if (iunits == US_UNITS && c > double(8.6805553f)) Log_Warning(-3041);
      if (iunits == SI_UNITS && c > double(59.850323f)) Log_Warning(-3042);
    }
    if (eps50 <= 0.0) {
      eps50 = fn_Default_Epsilon50(c, iunits);
      if (eps50 < 0.0) {
        Store_Error_Number(with_J ? 238 : 237);
        return;
      }
    }
    cv.eps50 = eps50;
    cv.y50 = 2.5 * b * eps50;
    if (!pt.first && c < 1.0e-10) {
      Write_Cohesion_Error(with_J, pt, c);
      return;
    }
    // The slope factor depends on the sign of the deflection; without a
    // slope it is 1 and only the report shows it.
    cv.F = (pt.report || sloped) ? fn_Sloping_Ground_Factor(pt.y_sign) : 1.0;
    const double Fk = sloped ? cv.F : 1.0;
    if (nv && nv->b_Resistance != 0 && nv->rd_z == z && nv->rd_F == Fk && nv->rd_b == b) {
      cv.Xr = nv->rd_Xr;
      cv.pu_s = nv->rd_pu_s;
      cv.pu = nv->rd_pu;
      cv.pu_c = nv->rd_pu_c;
      cv.pu_cz = nv->rd_pu_cz;
      cv.Esmax = nv->rd_Esmax;
      cv.yt = nv->rd_yt;
    } else {
      cv.Xr = 6.0 * b * c / (gamma * b + J * c);
      if (!(cv.Xr >= 2.5 * b)) cv.Xr = 2.5 * b;
      double Np = 3.0 + gamma * z / c + J * z / b;
      cv.pu_s = c * b * Np;
      if (sloped) Np *= cv.F;
      cv.pu = (Np < 9.0) ? c * b * Np : 9.0 * c * b;
      cv.pu_c = CYCLIC_PLATEAU * cv.pu;
      cv.pu_cz = (z < cv.Xr) ? cv.pu_c * z / cv.Xr : cv.pu_c;
      cv.Esmax = cv.pu * LIMIT_P_FACTOR / (cv.y50 * LIMIT_Y_FACTOR);
      cv.yt = SMALL_Y_FACTOR * cv.y50;
      // The ultimate resistance of a node depends on its depth alone while
      // its effective depth and slope factor stay.
      if (nv) {
        nv->b_Resistance = L_TRUE;
        nv->rd_z = z;
        nv->rd_F = Fk;
        nv->rd_b = b;
        nv->rd_Xr = cv.Xr;
        nv->rd_pu_s = cv.pu_s;
        nv->rd_pu = cv.pu;
        nv->rd_pu_c = cv.pu_c;
        nv->rd_pu_cz = cv.pu_cz;
        nv->rd_Esmax = cv.Esmax;
        nv->rd_yt = cv.yt;
      }
    }

    if (pt.report) {
      Report_Soft_Clay_Curve(pt, cv, with_J);
      continue;
    }

    // Below the threshold the limiting modulus is a third of the curve's
    // secant there, so a node whose deflection lies near the threshold can
    // flip between the two branches from pass to pass and never settle. Once
    // it has changed branch often enough in the load case it is held on the
    // secant at the threshold, which joins the curve without a jump.
    const double y = pt.y_rel;
    const bool below = y < cv.yt;
    const bool held = fn_Py_Threshold_Hold(k, below);
    double Es = 0.0;
    if (below) {
      Es = held ? pt.pm * fn_Soft_Clay_p(cv, cv.yt) / (pt.ym * cv.yt) : cv.Esmax;
      if (std::isnan(Es)) {
        Write_Not_A_Number_Error(with_J, true, k);
        return;
      }
    } else {
      Es = pt.pm * fn_Soft_Clay_p(cv, y) / (pt.ym * y);
      if (std::isnan(Es)) {
        Write_Not_A_Number_Error(with_J, false, k);
        return;
      }
    }
    pm.rd_SoilModulus(k) = Es;
    Py_Store_Soil_Force(pt);

    // Layer resistance: trapezoids of the ultimate resistance node to node,
    // and one increment below the last node.
    double& R = py.rd_LayerResistance(L);
    if (pt.first) {
      R = 0.0;
    } else if (!cv.cyclic) {
      R += (pu_prev + cv.pu) * h / 2.0;
    } else {
      R += (pu_c_prev + cv.pu_c) * h / 2.0;
      if (z < cv.Xr) R += (pu_cz_prev + cv.pu_cz) * h / 2.0;
    }
    if (pt.last) R += cv.pu * h;
    if (soil.rd_GroundSurfaceDepth < -1.0e-5 && L == 1)
      R = (3.0 * c * b + cv.pu) / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
    pu_prev = cv.pu;
    pu_c_prev = cv.pu_c;
    pu_cz_prev = cv.pu_cz;
  }
}

}  // namespace

void Py_Soft_Clay(int L) { Py_Soft_Clay_Layer(L, false); }
void Py_Soft_Clay_J(int L) { Py_Soft_Clay_Layer(L, true); }

double fn_Soft_Clay_Equivalent_Depth(int L, double Ftot, bool with_J) {
  const Run_State& s = RS();
  Py_Layer_Top top;
  if (!fn_Py_Layer_Top(L, top)) return top.node < 1 ? EQUIV_DEPTH_UNSET : 0.0;
  const int node = top.node;
  const double xv = top.xv, b = top.b, c = top.c, gamma = top.gamma;
  const double J = with_J ? fn_J(xv) : s.py.rd_J_SoftClay;
  const bool cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;

  // Without cohesion at the top the layer's soil holds no resistance at any
  // depth (pu is capped at 9 c b = 0), so nothing above can be matched: no
  // resistance above gives depth 0, any other is the zero-cohesion input
  // error (the formulas would give an infinite depth).
  if (c < 1.0e-10) {
    if (!(Ftot > 0.0)) return 0.0;
    Py_Point pt;
    pt.L = L;
    pt.k = node;
    pt.xv = xv;
    Write_Cohesion_Error(with_J, pt, c);
    return 0.0;
  }

  const double zr = 6.0 * b * c / (J * c + b * gamma);
  double Pmax = 9.0 * b * c;
  double Fr = 0.0;
  if (!cyclic) {
    Fr = ((3.0 * c + J * zr * gamma) * b + 0.25 * c * zr) * zr;
  } else {
    Pmax *= CYCLIC_EQUIV_FACTOR;
    Fr = CYCLIC_EQUIV_FACTOR * (1.5 * zr * b * c + c * zr * zr / 6.0 + zr * zr * b * gamma / 3.0);
  }
  if (Fr < Ftot) return zr + (Ftot - Fr) / Pmax;
  const double A = 0.25 * c + 0.5 * b * gamma;
  const double B = 3.0 * b * c;
  return (std::sqrt(B * B + 4.0 * Ftot * A) - B) / (2.0 * A);
}

}  // namespace ormyx
