// What the sand models share: earth-pressure angles, the wedge and
// flow-around resistance with sloping ground, the default modulus of
// subgrade reaction, the A and B tables of the Reese criteria, and the
// equivalent depth of a Reese or API sand layer below other layers.
#include "pycurves/sand.h"

#include <cmath>
#include <numbers>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_models.h"
#include "pycurves/soil_properties.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

constexpr double PI = std::numbers::pi;

// Reese criteria tables against z / b.
constexpr int ZB_POINTS = 10;
constexpr double ZB[ZB_POINTS] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
constexpr double A_STATIC[ZB_POINTS] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
constexpr double B_STATIC[ZB_POINTS] = {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50};
constexpr double A_CYCLIC[ZB_POINTS] = {0.75, 0.93, 1.07, 1.11, 1.03, 0.98, 0.94, 0.90, 0.88, 0.88};
constexpr double B_CYCLIC[ZB_POINTS] = {0.53, 0.72, 0.83, 0.86, 0.82, 0.77, 0.70, 0.55, 0.55, 0.55};

// Linear interpolation in a table against z / b; below 0 the first value,
// above 6 (or not a number) the end values.
double fn_Table_vs_zb(const double (&T)[ZB_POINTS], double zb) {
  if (!(zb > ZB[0])) return T[0];
  if (!(zb < ZB[ZB_POINTS - 1])) return T[ZB_POINTS - 1];
  for (int i = 1; i < ZB_POINTS; ++i)
    if (zb <= ZB[i]) return T[i - 1] + (T[i] - T[i - 1]) * (zb - ZB[i - 1]) / (ZB[i] - ZB[i - 1]);
  return T[ZB_POINTS - 1];
}

// Default k constants (single-precision exponents and plateau values).
constexpr double K_US_COEF = 1.2098290369522147e-7;
constexpr double K_SI_WET_COEF = 3.284046397311613e-5;
constexpr double K_SI_DRY_COEF = 4.14174883189844e-6;
constexpr double K_EXP_WET = double(5.694468f);
constexpr double K_EXP_DRY = double(6.416118f);
constexpr double K_US_MAX = double(160.54745f);
constexpr double K_SI_WET_MAX = double(43580.1484f);
constexpr double K_SI_DRY_MAX = double(78739.0078f);
constexpr double K_SI_GAMMA_SPLIT = double(12.225f);

void Write_Slope_Error(Sand_Criteria model, int L) {
  const int n = model == SAND_REESE ? 9 : 2;
  const std::string layer = fmt::I0(L) + ".";
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(n));
    Write_Line(ch);
    if (model == SAND_REESE) {
      Write_Line(ch, "An error was found in the input data when computing a p-y curve using ");
      Write_Line(ch, "the Reese sand criteria for layer " + layer);
      Write_Line(ch, "Problem:  The angle of the ground slope can not be greater than the ");
      Write_Line(ch, "internal friction angle of the sand.");
      Write_Line(ch);
      Write_Line(ch, "Solution:  Set the value for slope angle to be less than the angle of friction.");
    } else {
      Write_Line(ch, "An error was detected in the input data when computing a p-y.");
      Write_Line(ch, "curve using the API criteria for sand for layer " + layer);
      Write_Line(ch, "Problem:  The angle of the ground slope can not be greater ");
      Write_Line(ch, "than the internal friction angle of the sand.");
      Write_Line(ch);
      Write_Line(ch, "Solution:  Set the value for slope angle to be less than ");
      Write_Line(ch, "the angle of friction.");
    }
  }
  Record_Input_Error(n);
}

void Write_Runtime_Error_13() {
  static const char* const LINES[] = {
      "Problem:  General units have been selected for use in computations in",
      "combination with default values of k for a layer classified as API sand",
      "criteria. This combination of data cannot be used because Ormyx cannot",
      "compute default values of subgrade modulus in general units.",
      "Solution:  You must select either US customary for SI units for the",
      "units of computation to use a default value for subgrade subgrade modulus",
      "for the API sand criteria or enter an appropriate proper value by entering",
      "a non-zero for k.",
  };
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, "**** Runtime Error No. 13 ****");
    Write_Line(ch);
    for (const char* l : LINES) Write_Line(ch, fmt::A(l, 75));
  }
  Record_Runtime_Error(13);
}

}  // namespace

double fn_Sand_K0(Sand_Criteria model) { return model == SAND_API ? double(0.4f) : 0.4; }

void Set_Sand_Angles(double phi, double K0, Sand_Angles& an) {
  an.phi = phi;
  an.alpha = phi / 2.0;
  an.beta = PI / 4.0 + phi / 2.0;
  an.K0 = K0;
  const double ta = std::tan(PI / 4.0 - phi / 2.0), tb = std::tan(an.beta);
  an.Ka = ta * ta;
  an.Kp = tb * tb;
}

bool fn_Deflects_With_Slope(double y, double s) {
  return (y > 1.0e-14 && s > 1.0e-14) || (y < 1.0e-14 && s < 1.0e-14);
}

double fn_Sand_Wedge_Pst(const Sand_Angles& an, double b, double gamma, double z, double Kas, bool sloping,
                         double a, bool same, double& D) {
  const double phi = an.phi, alpha = an.alpha, beta = an.beta, K0 = an.K0;
  const double tphi = std::tan(phi), talpha = std::tan(alpha), tbeta = std::tan(beta);
  const double sbeta = std::sin(beta), calpha = std::cos(alpha), tbmp = std::tan(beta - phi);
  D = 1.0;
  double Pst = gamma * z *
               (K0 * z * tphi * sbeta / (tbmp * calpha) + tbeta / tbmp * (b + z * tbeta * talpha) +
                K0 * z * tbeta * (tphi * sbeta - talpha) - Kas * b);
  if (sloping) {
    const double tt = std::tan(a) * tbeta;
    D = same ? 1.0 + tt : 1.0 - tt;
    if (D > 1.0e-20) {
      const double t = tt / D;
      const double f = 4.0 * t * t * t - 3.0 * t * t + 1.0;
      Pst = gamma * z *
            (tbeta / tbmp * (b + z * talpha * tbeta / D) / D - Kas * b +
             f * K0 * z * tphi * sbeta / (calpha * tbmp) + f * K0 * z * tbeta * (tphi * sbeta - talpha));
    }
  }
  return Pst;
}

void Set_Sand_Depth_Constants(const Sand_Angles& an, double b, Sand_Depth_Constants& dc) {
  const double ta = std::tan(an.alpha), tb = std::tan(an.beta), tphi = std::tan(an.phi);
  dc.C1 = tb * (ta * an.Kp + (std::sin(an.beta) * (1.0 / std::cos(an.alpha) + 1.0) * tphi - ta) * an.K0);
  dc.C2 = an.Kp - an.Ka;
  dc.C3 = an.Kp * an.Kp * (an.Kp + an.K0 * tphi) - an.Ka;
  dc.zr = (dc.C3 - dc.C2) * b / dc.C1;
}

bool Sand_Wedge_And_Flow(const Py_Point& pt, Sand_Criteria model, const Sand_Angles& an,
                         double gamma, double z, Sand_Wedge& w) {
  const double s = RS().prob.load.rd_SlopeMinusBatter;
  const double a = std::fabs(s);
  const double phi = an.phi, K0 = an.K0, Ka = an.Ka;
  const double b = pt.b;

  // Active coefficient for sloping ground. In layers below the first the
  // test matters only where the square root is needed, on sloping ground.
  const double ca = std::cos(a), cphi = std::cos(phi);
  const double root = ca * ca - cphi * cphi;
  w.Ka_slope = Ka;
  if (root < 1.0e-10) {
    if (pt.L == 1 || a > 1.0e-10) {
      Write_Slope_Error(model, pt.L);
      return false;
    }
  } else if (a > 1.0e-10) {
    const double r = std::sqrt(root);
    w.Ka_slope = (ca - r) * ca / (ca + r);
  }

  // The wedge; on sloping ground the API criteria count a pile at rest on a
  // downhill slope as deflecting with it.
  const double y = pt.y_sign;
  const bool same = fn_Deflects_With_Slope(y, s) || (model == SAND_API && y == 0.0 && s > 1.0e-14);
  const double slope_limit = model == SAND_REESE ? 1.0e-15 : 1.0e-10;
  w.Pst = fn_Sand_Wedge_Pst(an, b, gamma, z, w.Ka_slope, a > slope_limit, a, same, w.D);

  // Flow around the pile, always with the level-ground Ka: at the true depth,
  // except in the API criteria on sloping ground.
  const double zd = (model == SAND_API && a > 1.0e-10) ? z : pt.z0;
  const double tbeta = std::tan(an.beta), tphi = std::tan(an.phi);
  const double tb2 = tbeta * tbeta, tb4 = tb2 * tb2, tb8 = tb4 * tb4;
  w.Psd = (K0 * tphi * tb4 + Ka * (tb8 - 1.0)) * b * gamma * zd;

  if (w.D <= 1.0e-10 && a > 1.0e-10) w.Pst = w.Psd;
  w.Ps = std::fmin(w.Pst, w.Psd);
  return true;
}

double fn_Reese_A(double zb, bool cyclic) { return fn_Table_vs_zb(cyclic ? A_CYCLIC : A_STATIC, zb); }
double fn_Reese_B(double zb, bool cyclic) { return fn_Table_vs_zb(cyclic ? B_CYCLIC : B_STATIC, zb); }

double fn_Layer_k(int L, double xv) {
  const Soil_Records& soil = RS().prob.soil;
  if (L < 1 || L > MAX_LAYERS) return 0.0;
  const double kt = soil.rd_kTop(L), kb = soil.rd_kBottom(L);
  if (kt <= 0.0) return 0.0;
  const double zt = soil.XLayerTop(L), zb = soil.XLayerBottom(L);
  if (zb == zt) return kt;
  return kt + (kb - kt) * (xv - zt) / (zb - zt);
}

double fn_Default_k(double phi_deg, double gamma) {
  const int iunits = RS().prob.opt.IUNITS;
  if (iunits == US_UNITS) return phi_deg <= 40.0 ? K_US_COEF * std::pow(phi_deg, K_EXP_WET) : K_US_MAX;
  if (iunits == SI_UNITS) {
    if (gamma <= K_SI_GAMMA_SPLIT)
      return phi_deg <= 40.0 ? K_SI_WET_COEF * std::pow(phi_deg, K_EXP_WET) : K_SI_WET_MAX;
    return phi_deg <= 40.0 ? K_SI_DRY_COEF * std::pow(phi_deg, K_EXP_DRY) : K_SI_DRY_MAX;
  }
  Write_Runtime_Error_13();
  return 0.0;
}

// Depth in a half-space of layer L's sand at which the integral of the
// wedge resistance (Reese A factor) reaches Ftot: stepwise integration down
// to the depth where wedge and flow-around meet, flow-around beyond.
double fn_Sand_Equivalent_Depth(int L, double Ftot) {
  const Run_State& s = RS();
  const Pile_Model& pm = s.sol.pile;
  const int node = L >= 1 && L <= MAX_LAYERS ? pm.i_TopNodeInLayer(L) : 0;
  if (node < 1) return EQUIV_DEPTH_UNSET;
  const double xv = pm.rd_Depth(node);
  const double z0 = xv - s.prob.soil.rd_GroundSurfaceDepth;
  const double b = fn_Node_Section(node).rd_Diameter;
  const double phi = fn_Phi(xv) * PI / 180.0;
  if (Error_Recorded()) return 0.0;
  const double gamma = fn_Gamma_Average(xv);
  if (Error_Recorded()) return 0.0;
  const bool cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  Sand_Angles an;
  Set_Sand_Angles(phi, fn_Sand_K0(fn_Layer_Keyword_Is(L, "API Sand") ? SAND_API : SAND_REESE), an);
  Sand_Depth_Constants dc;
  Set_Sand_Depth_Constants(an, b, dc);
  const double C1 = dc.C1, C2 = dc.C2, C3 = dc.C3, zr = dc.zr;
  // A sand without friction or a pile without width offers no resistance:
  // no depth can hold the layers above, so the layer keeps its own top.
  if (!(zr > 0.0) || !std::isfinite(zr)) return 0.0;

  const int steps = 500;
  const double dz = zr / steps;
  double F = 0.0, q_prev = 0.0;
  for (int i = 1; i <= steps; ++i) {
    const double z = i * dz, zb = z / b;
    const double q = fn_Reese_A(zb, cyclic) * gamma * b * b * (C1 * zb * zb + C2 * zb);
    const double F_prev = F;
    F += (q_prev + q) * dz / 2.0;
    if (F > Ftot) return z - dz * (F - Ftot) / (F - F_prev);
    q_prev = q;
  }
  const double flow = 0.88 * z0 * C3 * gamma * b;
  if (!(flow > 0.0)) return zr;
  return zr + (Ftot - F) / flow;
}

bool Sand_Depth_Values(const Py_Point& pt, double& phi_deg, double& gamma) {
  if (const Soil_Node_Values* nv = fn_Kept_Soil_Values(pt)) {
    phi_deg = nv->rd_Phi;
    gamma = nv->rd_Gamma;
    return true;
  }
  phi_deg = fn_Phi(pt.xv);
  if (Error_Recorded()) return false;
  gamma = fn_Gamma_Average(pt.xv);
  if (Error_Recorded()) return false;
  if (Soil_Node_Values* v = fn_New_Soil_Values(pt)) {
    v->rd_Phi = phi_deg;
    v->rd_Gamma = gamma;
  }
  return true;
}

}  // namespace ormyx
