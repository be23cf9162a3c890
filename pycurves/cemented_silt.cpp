// Cemented silt, a soil with both cohesion and friction ("Cem Silt"): the
// frictional resistance of the sand wedge and flow-around equations plus the
// cohesive resistance of the clay criteria, a curve of an initial line, a
// parabola, a straight line and a plateau, the layer resistance and the
// equivalent depth of the layered-soil correction, and the report block.
#include <cmath>
#include <initializer_list>
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

constexpr double PI = std::numbers::pi;
constexpr double K0 = double(0.4f);
constexpr int CURVE_POINTS = 17;

// The parameters of one curve.
struct Silt_Curve {
  double c = 0.0, phi = 0.0, gamma = 0.0, eps50 = 0.0, k = 0.0, z = 0.0;
  double Pst = 0.0, Psd = 0.0, Pu_phi = 0.0, Pu_c = 0.0, A = 0.0, B = 0.0;
  double pu = 0.0, ym = 0.0, pm = 0.0, yu = 0.0, m = 0.0, n = 0.0, Cbar = 0.0, yk = 0.0;
  double F = 1.0;
  bool flat = false;  // pu = pm: the parabola degenerates to the level pm
};

// Epsilon-50 defaults of the soft clay criteria (reported only); 0 in
// generic units, which have none.
double fn_Silt_Default_Epsilon50(double c, int iunits) {
  if (iunits == US_UNITS) {
    if (c < double(3.4722223f)) return double(0.02f);
    if (c < double(6.9444447f)) return double(0.01f);
    if (c < double(27.777779f)) return double(0.005f);
    return double(0.004f);
  }
  if (iunits == SI_UNITS) {
    if (c < double(23.940128f)) return double(0.02f);
    if (c < double(47.880257f)) return double(0.01f);
    if (c < double(191.52103f)) return double(0.005f);
    return double(0.004f);
  }
  return 0.0;
}

// Default k: the stiff-clay default (by strength class and loading) plus the
// sand increment (by water condition and friction angle in degrees).
// Negative in generic units, which have no default.
double fn_Silt_Default_k(double c, double phi_deg, double gamma, bool cyclic, int iunits) {
  static constexpr double US_CLAY[2][4] = {{250.0, 500.0, 1000.0, 2000.0}, {100.0, 200.0, 400.0, 800.0}};
  static constexpr double SI_CLAY[2][4] = {{67861.796875, 135723.59375, 271447.1875, 542894.375},
                                           {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125}};
  const int phi_class = phi_deg <= 30.0 ? 0 : (phi_deg <= 36.0 ? 1 : 2);
  if (iunits == US_UNITS) {
    static constexpr double DRY[3] = {25.0, 90.0, 225.0};
    static constexpr double WET[3] = {20.0, 60.0, 125.0};
    const int cls = c < 6.94 ? 0 : (c < 13.88 ? 1 : (c < 27.78 ? 2 : 3));
    return US_CLAY[cyclic ? 1 : 0][cls] + (gamma > 0.045 ? DRY : WET)[phi_class];
  }
  if (iunits == SI_UNITS) {
    static constexpr double DRY[3] = {6786.18017578125, 24430.240234375, 61075.6015625};
    static constexpr double WET[3] = {5428.93994140625, 16286.830078125, 33930.8984375};
    const int cls = c < 47.8927 ? 0 : (c < 95.7854 ? 1 : (c < 191.5708 ? 2 : 3));
    return SI_CLAY[cyclic ? 1 : 0][cls] + (gamma > 12.225 ? DRY : WET)[phi_class];
  }
  return -1.0;
}

// The layer's own k: top value when positive (a bottom value of 0 takes the
// top value), linear between layer top and bottom; 0 when not given.
double fn_Silt_Input_k(int L, double xv) {
  const Soil_Records& soil = RS().prob.soil;
  const double kt = soil.rd_kTop(L);
  if (!(kt > 0.0)) return 0.0;
  const double kb = soil.rd_kBottom(L) == 0.0 ? kt : soil.rd_kBottom(L);
  const double zt = soil.XLayerTop(L), zb = soil.XLayerBottom(L);
  if (zb == zt) return kt;
  return kt + (kb - kt) * (xv - zt) / (zb - zt);
}

// Wedge (Pst) and flow-around (Psd) resistance of the frictional part, with
// the sloping-ground treatment of the sand criteria; y_sign is the pile
// deflection for the sign test.
void Frictional_Resistance(Silt_Curve& cv, double b, double z0, double y_sign) {
  const double s = RS().prob.load.rd_SlopeMinusBatter;
  const double a = std::fabs(s);
  const double phi = cv.phi, g = cv.gamma;
  Sand_Angles an;
  Set_Sand_Angles(phi, K0, an);
  const double tp = std::tan(phi), tb = std::tan(an.beta), Ka = an.Ka;
  // Active coefficient for sloping ground; at a slope equal to the friction
  // angle the root is taken as 0 (its limit).
  double Ka_s = Ka;
  if (a > 1.0e-10) {
    const double cosa = std::cos(a);
    const double r = std::sqrt(std::fmax(cosa * cosa - std::cos(phi) * std::cos(phi), 0.0));
    Ka_s = (cosa - r) * cosa / (cosa + r);
  }
  double D = 1.0;
  cv.Pst = fn_Sand_Wedge_Pst(an, b, g, cv.z, Ka_s, a > 1.0e-10, a, fn_Deflects_With_Slope(y_sign, s), D);
  // The powers of tan(beta) as the silt criteria has them (not the products
  // of the sand models, which can differ in the last bit).
  cv.Psd = (K0 * tp * std::pow(tb, 4) + Ka * (std::pow(tb, 8) - 1.0)) * b * g * z0;
  if (D <= 1.0e-10 && a > 1.0e-10) cv.Pst = cv.Psd;
  cv.Pu_phi = std::fmin(cv.Pst, cv.Psd);
}

// Shape of the curve from the two resistances and k.
void Curve_Shape(Silt_Curve& cv, double b) {
  const bool cyclic = RS().prob.opt.b_CyclicLoading != L_FALSE;
  const double zb = cv.z / b;
  cv.A = fn_Reese_A(zb, cyclic);
  cv.B = fn_Reese_B(zb, cyclic);
  cv.pu = cv.A * cv.Pu_phi + cv.Pu_c;
  cv.ym = b / 60.0;
  cv.pm = 1.5 * (cv.Pu_phi + cv.Pu_c);
  cv.yu = 3.0 * b / 80.0;
  cv.flat = false;
  if (cv.z < 0.0) {
    cv.m = cv.n = cv.Cbar = 0.0;
    cv.yk = 2.0 * b;
    return;
  }
  const double kz = cv.k * cv.z;
  cv.m = (cv.pu - cv.pm) / (cv.yu - cv.ym);
  cv.n = cv.m != 0.0 ? cv.pm / (cv.ym * cv.m) : 0.0;
  // pu = pm: the parabola is the level pm, met by the initial line at pm / kz.
  cv.flat = cv.m == 0.0 && cv.pm != 0.0;
  if (cv.n != 0.0)
    cv.Cbar = cv.pm / std::pow(cv.ym, 1.0 / cv.n);
  else
    cv.Cbar = cv.flat ? cv.pm : 0.0;
  cv.yk = 0.0;
  if (kz != 0.0) {
    if (cv.flat)
      cv.yk = cv.pm / kz;
    else if (cv.n != 0.0 && cv.n != 1.0)
      cv.yk = std::pow(cv.Cbar / kz, cv.n / (cv.n - 1.0));
  }
  if (!std::isfinite(cv.yk)) cv.yk = 0.0;
}

// p on the curve at deflection y >= 0 (before multipliers).
double fn_Silt_p(const Silt_Curve& cv, double y) {
  const double initial = cv.k * cv.z * y;
  double p = 0.0;
  if (y <= cv.yk)
    p = initial;
  else if (y <= cv.ym)
    p = cv.n != 0.0 ? cv.Cbar * std::pow(y, 1.0 / cv.n) : cv.Cbar;
  else if (y <= cv.yu)
    p = cv.pm + cv.m * (y - cv.ym);
  else
    p = cv.pu;
  return std::fmin(p, initial);
}

// An error block to the run-message file and the report, then the number
// recorded: input error n for n > 0, runtime error -n otherwise.
void Error_Block(int n, std::initializer_list<std::string> lines) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, n > 0 ? Input_Error_Header(n) : "**** Runtime Error No. " + fmt::I0(-n) + " ****");
    Write_Line(ch);
    for (const std::string& l : lines) Write_Line(ch, l);
    Write_Line(ch);
  }
  if (n > 0)
    Record_Input_Error(n);
  else
    Record_Runtime_Error(-n);
}

void Report_Silt_Curve(const Py_Point& pt, const Silt_Curve& cv) {
  const Run_State& s = RS();
  const bool us = s.prob.opt.IUNITS == US_UNITS;
  const bool cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  const std::string len = fn_Py_Length_Unit(), fpl = fn_Py_Force_Per_Length_Unit();
  Py_Report_Title(cyclic ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                         : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Slope_Lines();
  Py_Report_Value("Equivalent Depth, x", cv.z, 3, len);
  Py_Report_Value("Pile Diameter, B", pt.b, 3, len);
  Py_Report_Value("Cohesion, c", cv.c, 3, fn_Py_Stress_Unit());
  if (us) Py_Report_Value("Cohesion, c", cv.c * 144.0, 3, "psf");
  Py_Report_Value("Angle of Friction, phi", fn_Degrees(cv.phi), 3, "deg.");
  Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma, 5, fn_Py_Unit_Weight_Unit());
  if (us) Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma * 1728.0, 5, "pcf");
  Py_Report_Value("k (interp. from input)", cv.k, 3, fn_Py_Unit_Weight_Unit());
  Py_Report_Value("Epsilon50 (interp.)", cv.eps50, 5);
  Py_Report_Value("x/B ratio", cv.z / pt.b, 3);
  Py_Report_Value("A parameter = fn(x/B)", cv.A, 5);
  Py_Report_Value("B parameter = fn(x/B)", cv.B, 5);
  Py_Report_Value("m", cv.m, 5);
  Py_Report_Value("n", cv.n, 5);
  Py_Report_Value("Cbar", cv.Cbar, 5);
  Py_Report_Value("yk", cv.yk, 5, len);
  Py_Report_Value("Pu", cv.Pu_c, 3, fpl);
  Py_Report_Value("Pc", cv.Pu_phi, 3, fpl);
  Py_Report_Value("ym = b/60", cv.ym, 5, len);
  Py_Report_Value("pm", cv.pm, 3, fpl);
  Py_Report_Value("yu = 3b/80", cv.yu, 5, len);
  Py_Report_Value("Pu,c", cv.Pu_c, 3, fpl);
  Py_Report_Value("Pu,phi", cv.Pu_phi, 3, fpl);
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 us ? "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. "
                    : "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. ",
                 pt.k);
  Py_Report_Curve_Heading();
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (j <= 13)
      y = (j - 1) * cv.ym / 12.0;
    else
      y = cv.yu * (1.0 + 0.05 * (j - 14));
    const double p = fn_Silt_p(cv, y);
    Py_Report_Point(pt.ym * y, pt.pm * p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j, "cemented c-phi");
  }
}

}  // namespace

void Py_Cemented_Silt(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pmod = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  const int iunits = s.prob.opt.IUNITS;
  const bool cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  const double theta = std::fabs(s.prob.load.rd_SlopeMinusBatter);
  double pu_prev = 0.0;
  Py_Point pt;
  Silt_Curve cv;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double b = pt.b;
    cv.c = fn_c(pt.xv);
    if (Error_Recorded()) return;
    if (pt.xv > soil.XLayerTop(L) && cv.c < 1.0e-10) {
      Error_Block(48, {"Problem: A negative or zero value of cohesion was input for ",
                       "a soil defined as a silt.",
                       "Layer = " + fmt::I0(L) + ", Depth = " + fn_Py_Number(pt.xv) +
                           ", c = " + fn_Py_Number(cv.c),
                       "Solution:  Please revise and correct the input data.  ",
                       "Both cohesion and friction angle should be non-zero for silt soils."});
      return;
    }
    cv.gamma = fn_Gamma_Average(pt.xv);
    if (Error_Recorded()) return;
    cv.eps50 = fn_Epsilon50(pt.xv);
    if (cv.eps50 <= 0.0) cv.eps50 = fn_Silt_Default_Epsilon50(cv.c, iunits);
    const double phi_deg = fn_Phi(pt.xv);
    if (Error_Recorded()) return;
    cv.phi = phi_deg * PI / 180.0;
    if (cv.phi < 1.0e-10) {
      Error_Block(10, {"Problem:  A negative or zero value was input for the friction angle for a silt.",
                       "Solution:  Please revise and correct the input data.  ",
                       "Both cohesion and friction angle must be non-zero for the cemented silt soil."});
      return;
    }
    cv.k = fn_Silt_Input_k(L, pt.xv);
    if (!(soil.rd_kTop(L) > 0.0)) {
      cv.k = fn_Silt_Default_k(cv.c, phi_deg, cv.gamma, cyclic, iunits);
      if (cv.k < 0.0) {
        // General units have no default k: the layer cannot be analysed.
        Error_Block(88, {"Problem:  No subgrade modulus k was input for the cemented silt of soil layer " +
                             fmt::I0(L) + ".",
                         "Default values of k exist only in US customary and SI units, and general",
                         "units have been selected.",
                         "Solution:  Enter a positive k at the top of the layer, or select US customary",
                         "or SI units."});
        return;
      }
    }
    if (cv.phi < theta) {
      Error_Block(-23, {"A runtime error occurred due to the ground slope angle being",
                        "greater than the friction angle for silt for layer " + fmt::I0(L) + ".",
                        "Problem:  The angle of the ground slope can not be greater ",
                        "than the internal friction angle of silt.",
                        "Solution:  Set the value for slope angle to be less than ",
                        "the angle of friction or convert the layer into an equivalent",
                        "strength clay layer."});
      return;
    }
    const double cos_t = std::cos(theta), cos_p = std::cos(cv.phi);
    if (cos_t * cos_t - cos_p * cos_p < 1.0e-10 && cv.c <= 0.0) {
      Error_Block(11, {"An error was detected in the input data when computing a p-y.",
                       "curve using the criteria for silt for layer " + fmt::I0(L) + ".",
                       "Problem:  The angle of the ground slope can not be greater ",
                       "than the internal friction angle of cohesionless silt.",
                       "Solution:  Set the value for slope angle to be less than ",
                       "the angle of friction."});
      return;
    }
    cv.z = fn_Effective_Depth(pt, EQUIV_EVERY_PASS);
    if (Error_Recorded()) return;

    Frictional_Resistance(cv, b, pt.z0, pt.y_sign);
    double Np = 3.0 + 0.5 * cv.z / b + cv.gamma * cv.z / cv.c;
    cv.F = fn_Sloping_Ground_Factor(pt.y_sign);
    if (theta > 1.0e-20) Np *= cv.F;
    // Without cohesion (allowed at the layer top) the cohesive part vanishes.
    cv.Pu_c = cv.c > 0.0 ? cv.c * b * (Np < 9.0 ? Np : 9.0) : 0.0;
    Curve_Shape(cv, b);

    if (pt.report) {
      Report_Silt_Curve(pt, cv);
      continue;
    }

    const double y = pt.y_rel;
    pmod.rd_SoilModulus(k) = y >= 1.0e-14 ? pt.pm * fn_Silt_p(cv, y) / y / pt.ym : cv.k * cv.z;
    Py_Store_Soil_Force(pt);

    // Layer resistance: trapezoids of pu node to node, and pu down to the
    // layer bottom below the last node.
    double& R = Py_Sum_Layer_Resistance(pt, cv.pu, pu_prev);
    if (fn_Py_Ground_Above_Head(L))
      R = (3.0 * cv.c * b + cv.pu) / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
  }
}

double fn_Cemented_Silt_Equivalent_Depth(int L, double Ftot) {
  const Run_State& s = RS();
  Py_Layer_Top top;
  if (!fn_Py_Layer_Top(L, top)) return top.node < 1 ? EQUIV_DEPTH_UNSET : 0.0;
  const double xv = top.xv, b = top.b, c = top.c, g = top.gamma;
  const double phi = fn_Phi(xv) * PI / 180.0;
  if (Error_Recorded()) return 0.0;
  const double z0 = xv - s.prob.soil.rd_GroundSurfaceDepth;
  const bool cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;

  Sand_Angles an;
  Set_Sand_Angles(phi, K0, an);
  Sand_Depth_Constants dc;
  Set_Sand_Depth_Constants(an, b, dc);
  const double C1 = dc.C1, C2 = dc.C2, C3 = dc.C3, zr = dc.zr;
  const double dz = zr / 500.0;
  // Resistance per unit length of the silt half-space at depth z, summed by
  // the rectangle rule until it holds Ftot.
  double F_prev = 0.0, F = 0.0;
  if (std::isfinite(dz) && dz > 0.0) {
    for (int i = 1; i <= 500; ++i) {
      const double z = i * dz, zb = z / b;
      const double A = fn_Reese_A(zb, cyclic);
      const double q = (g * b + 0.5 * c) * z + A * g * b * b * (C1 * zb * zb + C2 * zb) + 3.0 * b * c;
      F_prev = F;
      F += q * dz;
      if (F > Ftot) return z - dz * (F - Ftot) / (F - F_prev);
    }
  }
  if (!(std::isfinite(dz) && dz > 0.0)) return 0.0;
  // Below zr the resistance grows no further with depth.
  const double deep = 0.88 * z0 * C3 * g * b + 9.0 * b * c;
  if (!(deep > 0.0)) return zr;
  return zr + (Ftot - F) / deep;
}

}  // namespace ormyx
