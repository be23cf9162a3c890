// Sand p-y curves against the published criteria:
//   Reese: Pst (wedge) and Psd (flow around) from the earth-pressure
//   coefficients, Ps = min; pu = A Ps at yu = 3b/80, pm = B Ps at ym = b/60,
//   a parabola C y^(1/n) from the initial line k z y to ym, a straight line
//   to yu, then pu; never above k z y.
//   API: p = A Pu tanh(k z y / (A Pu)), A = max(0.9, 3 - 0.8 z/b) static,
//   0.9 cyclic, Pu = min((C1 z + C2 b) z g, C3 b g z0).
//   Liquefied sand (Rollins et al. 2005): p = Pd A (B y_mm)^C kN/m, capped.
// Literal numbers were worked with python3 from these formulas (the script
// lines are quoted beside them); the loops compare with the formulas as
// written out below.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "engine/format.h"
#include "engine/messages.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/soil_properties.h"
#include "tests/alloc_counter.h"
#include "tests/plot_records.h"
#include "tests/py_fixture.h"
#include "tests/py_helpers.h"

namespace {

using namespace py_test;
constexpr double PI = std::numbers::pi;

// ---- The published Reese criteria, written out independently. ----

double Table(const double (&T)[10], double zb) {
  static const double Z[10] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
  if (zb <= 0) return T[0];
  if (zb >= 6) return T[9];
  int i = 1;
  while (zb > Z[i]) ++i;
  return T[i - 1] + (T[i] - T[i - 1]) * (zb - Z[i - 1]) / (Z[i] - Z[i - 1]);
}
const double A_STAT[10] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
const double B_STAT[10] = {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50};
const double A_CYC[10] = {0.75, 0.93, 1.07, 1.11, 1.03, 0.98, 0.94, 0.90, 0.88, 0.88};
const double B_CYC[10] = {0.53, 0.72, 0.83, 0.86, 0.82, 0.77, 0.70, 0.55, 0.55, 0.55};

struct Reese_Ref {
  double Pst, Psd, pu, pm, yu, ym, m, n, C, yk, kz;
};

// Level ground; z the depth of the wedge, z0 the true depth (flow around).
Reese_Ref Reese(double phid, double g, double k, double b, double z, double z0, bool cyclic) {
  const double phi = phid * PI / 180, a = phi / 2, be = PI / 4 + phi / 2, K0 = 0.4;
  const double Ka = std::pow(std::tan(PI / 4 - phi / 2), 2);
  Reese_Ref r{};
  r.Pst = g * z *
          (K0 * z * std::tan(phi) * std::sin(be) / (std::tan(be - phi) * std::cos(a)) +
           std::tan(be) / std::tan(be - phi) * (b + z * std::tan(be) * std::tan(a)) +
           K0 * z * std::tan(be) * (std::tan(phi) * std::sin(be) - std::tan(a)) - Ka * b);
  r.Psd = Ka * b * g * z0 * (std::pow(std::tan(be), 8) - 1) + K0 * b * g * z0 * std::tan(phi) * std::pow(std::tan(be), 4);
  const double Ps = std::fmin(r.Pst, r.Psd);
  r.pu = Table(cyclic ? A_CYC : A_STAT, z / b) * Ps;
  r.pm = Table(cyclic ? B_CYC : B_STAT, z / b) * Ps;
  r.yu = 3 * b / 80;
  r.ym = b / 60;
  r.m = (r.pu - r.pm) / (r.yu - r.ym);
  r.n = r.pm / (r.m * r.ym);
  r.C = r.pm / std::pow(r.ym, 1 / r.n);
  r.kz = k * z;
  r.yk = std::pow(r.C / r.kz, r.n / (r.n - 1));
  return r;
}

double Reese_p(const Reese_Ref& r, double y) {
  double p;
  if (y <= r.yk && y < r.ym)
    p = r.kz * y;
  else if (y <= r.ym)
    p = r.C * std::pow(y, 1 / r.n);
  else if (y <= r.yu)
    p = r.pm + r.m * (y - r.ym);
  else
    p = r.pu;
  return std::fmin(p, r.kz * y);
}

// A sand layer with its subgrade modulus (0: not given).
void Add_Sand(int code, double top, double bottom, double gamma, double phi, double k) {
  Point_Values v;
  v.gamma = gamma;
  v.phi = phi;
  Add_Uniform_Layer(code, top, bottom, v);
  Soil_Records& soil = RS().prob.soil;
  soil.rd_kTop[soil.i_Number_of_Layers] = k;
  soil.rd_kBottom[soil.i_Number_of_Layers] = k;
}

void Add_Clay(double top, double bottom, double gamma, double c) {
  Point_Values v;
  v.gamma = gamma;
  v.c = c;
  v.eps50 = 0.01;
  Add_Uniform_Layer(SOIL_SOFT_CLAY, top, bottom, v);
}

void Set_Slope(double degrees) {
  const double a = degrees * PI / 180;
  RS().prob.load.rd_SlopeAngle = a;
  RS().prob.load.rd_SlopeMinusBatter = a;
}

// US units: pile of 1200 in, 100 increments of 12 in, 24 in wide; node k at
// depth 12 (k - 1). Sand: 0.04 pci, 30 degrees, k = 60 pci.
constexpr double G = 0.04, PHI = 30.0, K = 60.0, B = 24.0;
int Node_At(double z) { return int(z / 12.0 + 0.5) + 1; }

void Sand_Pile(int code, double k = K) {
  Setup_Pile(US_UNITS, 1200.0, 100, B);
  Add_Sand(code, 0.0, 1200.0, G, PHI, k);
  Assign_Layers();
}

TEST(Reese_Sand, SecantModulusMatchesHandWorkedValues) {
  // python3: reese(30, .04, 60, 24, z) as in the formulas above. At 12 in the
  // wedge governs (Pst 41.73 < Psd 331.1), yk 0.0626 < ym 0.4 < yu 0.9; at
  // 480 in flow governs (Psd 13245.75 < Pst 18847.07), A 0.88, B 0.50.
  struct Case {
    bool cyclic;
    double z, y, Es;
  } cases[] = {
      {false, 12.0, 0.03, 720.0},                  // initial line k z
      {false, 12.0, 0.2, 313.5780536444718},       // parabola
      {false, 12.0, 0.6, 145.36444008596644},      // straight line
      {false, 12.0, 2.0, 51.74695857605695},       // pu = 2.48 Ps
      {false, 480.0, 0.03, 28800.0},
      {false, 480.0, 0.2, 21726.535679028046},
      {false, 480.0, 0.6, 14393.72023181454},
      {false, 480.0, 2.0, 5828.132118403433},
      {true, 12.0, 0.2, 127.79836937342675},       // cyclic A 0.93, B 0.72
      {true, 480.0, 0.2, 26116.501991606896},      // cyclic B 0.55
      {false, 12.0, -0.6, 145.36444008596644},     // sign of y does not matter
  };
  for (const Case& t : cases) {
    Sand_Pile(SOIL_SAND);
    RS().prob.opt.b_CyclicLoading = t.cyclic ? L_TRUE : L_FALSE;
    Pass_At(t.y);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(Node_At(t.z)), t.Es, 1e-9 * t.Es) << "z = " << t.z << ", y = " << t.y;
  }
}

TEST(Reese_Sand, CurvesFollowThePublishedFormulaAtEveryDepth) {
  for (bool cyclic : {false, true}) {
    Sand_Pile(SOIL_SAND);
    RS().prob.opt.b_CyclicLoading = cyclic ? L_TRUE : L_FALSE;
    for (double y : {0.001, 0.01, 0.05, 0.1, 0.3, 0.4, 0.5, 0.85, 0.9, 1.5, 10.0}) {
      Pass_At(y);
      ASSERT_FALSE(Error_Recorded());
      for (double z : {12.0, 36.0, 60.0, 108.0, 240.0, 324.0, 336.0, 600.0, 1188.0}) {
        const Reese_Ref r = Reese(PHI, G, K, B, z, z, cyclic);
        const double want = Reese_p(r, y) / y;
        EXPECT_NEAR(Es(Node_At(z)), want, 1e-9 * want) << (cyclic ? "cyclic" : "static") << " z " << z << " y " << y;
      }
    }
  }
}

TEST(Reese_Sand, SmallDeflectionAndMultipliers) {
  Sand_Pile(SOIL_SAND);
  Set_Multipliers(0.5, 2.0, 1200.0);
  Pass_At(0.0);
  EXPECT_DOUBLE_EQ(Es(6), K * 60.0);  // k z, without the p-multiplier
  EXPECT_EQ(Es(1), 0.0);              // at the surface the curve is zero
  Pass_At(0.4);                        // y' = 0.2 at z = 12: p = 62.7156...
  EXPECT_NEAR(Es(2), 0.5 * 62.71561072889437 / 0.4, 1e-9);
  // Soil movement: y' = |y - ys| / ym and the soil force ys Es.
  RS().prob.load.i_Number_of_Soil_Movement_Points = 2;
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilMovement[k] = 0.1;
  Pass_At(0.5);
  EXPECT_NEAR(Es(2), 0.5 * 62.71561072889437 / 0.4, 1e-9);
  EXPECT_NEAR(pm.rd_SoilForce[2], 0.1 * Es(2), 1e-12);
}

TEST(Reese_Sand, DefaultKByUnitsFrictionAndUnitWeight) {
  // python3: 1.2098290369522147e-7 * 30**f32(5.694468) = 31.199221145319886
  // (US); SI 3.284046397311613e-5 * 30**f32(5.694468) = 8468.939550279862
  // (g <= 12.225), 4.14174883189844e-6 * 30**f32(6.416118) =
  // 12432.779839131503; above 40 degrees the single-precision plateaus.
  struct Case {
    int units;
    int code;
    double phi, gamma, k;
  } cases[] = {
      {US_UNITS, SOIL_SAND, 30.0, 0.04, 31.199221145319886},
      {US_UNITS, SOIL_API_SAND, 30.0, 0.04, 31.199221145319886},
      {US_UNITS, SOIL_SAND, 45.0, 0.04, 160.54745483398438},
      {SI_UNITS, SOIL_SAND, 30.0, 10.0, 8468.939550279862},
      {SI_UNITS, SOIL_SAND, 30.0, 18.0, 12432.779839131503},
      {SI_UNITS, SOIL_API_SAND, 45.0, 10.0, 43580.1484375},
      {SI_UNITS, SOIL_SAND, 45.0, 18.0, 78739.0078125},
  };
  for (const Case& t : cases) {
    Setup_Pile(t.units, 10.0, 50, 0.5);
    Add_Sand(t.code, 0.0, 10.0, t.gamma, t.phi, 0.0);
    Assign_Layers();
    Pass_At(0.0);
    ASSERT_FALSE(Error_Recorded());
    // Node 26 at depth 5: the small-deflection modulus k z.
    EXPECT_NEAR(Es(26), t.k * 5.0, 1e-12 * t.k) << t.units << " " << t.phi << " " << t.gamma;
  }
}

TEST(Reese_Sand, SlopingGroundWedgeFollowsTheSignOfDeflection) {
  // python3, phi 30, g .04, b 24, z 60, slope 10 degrees: Ka' = 0.3495,
  // D = 1 + tan a tan beta = 1.3054 when the pile moves the way of the
  // slope: Pst = 296.23675537357633; D = 0.6946 against it: Pst =
  // 701.0546908430232 (level ground 428.885). Psd = 1655.7 governs neither.
  Sand_Pile(SOIL_SAND);
  Set_Slope(10.0);
  const Reese_Ref level = Reese(PHI, G, K, B, 60.0, 60.0, false);
  for (double y : {0.6, -0.6}) {
    Pass_At(y);
    const double Pst = y > 0 ? 296.23675537357633 : 701.0546908430232;
    // On the straight-line piece p scales with Ps, like pu and pm.
    const double want = Reese_p(level, 0.6) * Pst / level.Pst / 0.6;
    EXPECT_NEAR(Es(6), want, 1e-9 * want) << y;
  }
}

TEST(Reese_Sand, LayerResistanceWithTheGroundAbovePileHead) {
  // Ground surface 24 in above the pile head: the top layer's resistance is
  // the triangle from 0 at the surface to pu at the last node of the layer
  // (depth 108 in, 132 in below the surface) over the layer's thickness.
  Setup_Pile(US_UNITS, 1200.0, 100, B);
  Add_Sand(SOIL_SAND, -24.0, 120.0, G, PHI, K);
  Add_Clay(120.0, 1200.0, G, 5.0);
  Assign_Layers();
  ASSERT_EQ(RS().sol.pile.i_BottomNodeInLayer[1], 10);
  Pass_At(0.2);
  ASSERT_FALSE(Error_Recorded());
  const Reese_Ref r = Reese(PHI, G, K, B, 132.0, 132.0, false);
  EXPECT_NEAR(RS().py.rd_LayerResistance[1], r.pu / 2.0 * 144.0, 1e-9 * r.pu * 72.0);
  // The curve itself uses the depth below the ground surface.
  EXPECT_NEAR(Es(2), Reese_p(Reese(PHI, G, K, B, 36.0, 36.0, false), 0.2) / 0.2, 1e-9 * Es(2));
}

// ---- API sand ----

TEST(API_Sand, TanhPointsStaticAndCyclic) {
  // python3: C1 1.911704557, C2 2.666666667, C3 28.74512767 (K0 = f32 0.4);
  // z 60: Pu = Pus = 428.8854562769494, static A = 3 - f32(.8) 2.5, cyclic
  // A = f32(.9); p = A Pu tanh(60 * 60 * 0.1 / (A Pu)). z 480 (z/b 20):
  // Pu = Pud = 13245.754828824924, A = 0.9 in both.
  struct Case {
    bool cyclic;
    double z, Es;
  } cases[] = {
      {false, 60.0, 2939.9375354610365},
      {true, 60.0, 2824.8295790098055},
      {false, 480.0, 28252.4822871543},
      {true, 480.0, 28252.4822871543},
  };
  for (const Case& t : cases) {
    Sand_Pile(SOIL_API_SAND);
    RS().prob.opt.b_CyclicLoading = t.cyclic ? L_TRUE : L_FALSE;
    Pass_At(0.1);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(Node_At(t.z)), t.Es, 1e-9 * t.Es) << t.z << (t.cyclic ? " cyclic" : " static");
  }
  Pass_At(0.0);
  EXPECT_DOUBLE_EQ(Es(Node_At(60.0)), K * 60.0);
}

// ---- Liquefied sand ----

TEST(Liquefied_Sand, CurveAtTwoDepthsAndBelowTheTopLayer) {
  // python3 (f32 factors): b = 0.6 m, Pd = 3.81 ln 0.6 + 5.6. zn 1 m:
  // P150 = 9.913 kN/m < 15, yu = 150 mm; zn 3 m: P150 = 28.93, capped at 15
  // from yu = 99.86 mm. Es = p / y at y = 0.05 m and 0.2 m.
  struct Case {
    double z, y, Es;
  } cases[] = {
      {1.0, 0.05, 68.63469160838594},
      {1.0, 0.2, 181.09130463274732},  // beyond 150 mm: Pd Pu
      {3.0, 0.05, 358.8305120049752},
      {3.0, 0.2, 274.03157800886805},  // beyond yu: Pd 15
  };
  Setup_Pile(SI_UNITS, 10.0, 100, 0.6);
  Point_Values v;
  v.gamma = 8.0;
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 0.0, 10.0, v);
  Assign_Layers();
  for (const Case& t : cases) {
    Pass_At(t.y);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(int(t.z * 10 + 0.5) + 1), t.Es, 1e-9 * t.Es) << t.z << " " << t.y;
  }
  // Zero deflection: the secant at the first reported deflection, 3 mm at
  // zn = 1 m (python3: 3.6537543734515747 * A * (B * 3)^C / 0.003).
  Pass_At(0.0);
  const double A = 1.987708986872086e-05, Bf = 3.021839009502317, C = 2.1449765486021684;
  const double y3 = double(0.003f);
  EXPECT_NEAR(Es(11), 3.6537543734515747 * A * std::pow(Bf * y3 * 1000.0, C) / y3, 1e-9);

  // A lower layer takes the stress-normalised depth z0 g / 10: at 4 m with
  // g = 8, zn = 3.2 m, p(50 mm) = 20.65417548672728 kN/m.
  Setup_Pile(SI_UNITS, 10.0, 100, 0.6);
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 0.0, 2.0, v);
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 2.0, 10.0, v);
  Assign_Layers();
  Pass_At(0.05);
  EXPECT_NEAR(Es(41), 20.65417548672728 / 0.05, 1e-9);
  // The layer resistance and its copy: Pd Pu over the layer.
  EXPECT_GT(RS().py.rd_LayerResistance[1], 0.0);
  EXPECT_EQ(RS().py.rd_LiquefiedLayerResistance[1], RS().py.rd_LayerResistance[1]);
}

TEST(Liquefied_Sand, USUnitsAreConvertedToTheCriteriaUnits) {
  // python3: b 24 in = 0.6096 m, z 60 in = 1.524 m, y 2 in = 50.8 mm:
  // p = 5.805153702272295 kN/m = 33.148280440226095 lb/in.
  Setup_Pile(US_UNITS, 240.0, 20, 24.0);
  Point_Values v;
  v.gamma = 0.03;
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 0.0, 240.0, v);
  Assign_Layers();
  Pass_At(2.0);
  EXPECT_NEAR(Es(6), 16.574140220113048, 1e-9);
}

// ---- Layered profiles and the equivalent depth ----

TEST(Layered_Sand, SoftClayUnderSandTakesItsEquivalentDepthFromTheSandResistance) {
  // Reese sand (0 to 120 in) over soft clay (c = 5 psi). python3: pu = A Ps
  // at z = 0, 12, .. 108 in trapezoids plus pu(108) * 12 gives R1 =
  // 64838.13194010439 lb; the clay (c = 5 at the interface, average unit
  // weight 0.04 at 120 in, J 0.5, b 24): zr = 208.09, Fr = 149826.6 > R1,
  // heq = (sqrt((3bc)^2 + 4 R1 A) - 3bc) / 2A with A = c/4 + b g / 2 =
  // 115.73617148604565 in.
  Setup_Pile(US_UNITS, 1200.0, 100, B);
  Add_Sand(SOIL_SAND, 0.0, 120.0, G, PHI, K);
  Add_Clay(120.0, 1200.0, 0.04, 5.0);
  Assign_Layers();
  Pass_At(0.2);
  ASSERT_FALSE(Error_Recorded());
  EXPECT_NEAR(RS().py.rd_LayerResistance[1], 64838.13194010439, 1e-9 * 64838.0);
  EXPECT_NEAR(RS().py.rd_EquivDepthTop[2], 115.73617148604565, 1e-9 * 115.7);
}

// Independent check of a sand equivalent depth: the integral from 0 to h of
// the wedge resistance A(z/b) g (C1 z^2 + C2 b z), and beyond zr the
// flow-around resistance 0.88 C3 g b z0 at the layer top's true depth.
double Sand_Resistance_Integral(double h, double z0, bool cyclic) {
  const double phi = PHI * PI / 180, a = phi / 2, be = PI / 4 + phi / 2, K0 = 0.4;
  const double Ka = std::pow(std::tan(PI / 4 - phi / 2), 2), Kp = std::pow(std::tan(be), 2);
  const double C1 = std::tan(be) * (std::tan(a) * Kp + (std::sin(be) * (1 / std::cos(a) + 1) * std::tan(phi) - std::tan(a)) * K0);
  const double C2 = Kp - Ka, C3 = Kp * Kp * (Kp + K0 * std::tan(phi)) - Ka;
  const double zr = (C3 - C2) * B / C1;
  const int steps = 400000;
  const double top = std::fmin(h, zr);
  double sum = 0.0;
  for (int i = 0; i < steps; ++i) {
    const double z = (i + 0.5) * top / steps;
    sum += Table(cyclic ? A_CYC : A_STAT, z / B) * G * (C1 * z * z + C2 * B * z) * top / steps;
  }
  if (h > zr) sum += (h - zr) * 0.88 * C3 * G * B * z0;
  return sum;
}

TEST(Layered_Sand, SandUnderClayHoldsTheClayResistanceAtItsEquivalentDepth) {
  for (bool cyclic : {false, true}) {
    Setup_Pile(US_UNITS, 1200.0, 100, B);
    Add_Clay(0.0, 120.0, G, 5.0);
    Add_Sand(SOIL_SAND, 120.0, 1200.0, G, PHI, K);
    Assign_Layers();
    RS().prob.opt.b_CyclicLoading = cyclic ? L_TRUE : L_FALSE;
    Pass_At(0.2);
    ASSERT_FALSE(Error_Recorded());
    const double R1 = RS().py.rd_LayerResistance[1], heq = RS().py.rd_EquivDepthTop[2];
    EXPECT_NEAR(Sand_Resistance_Integral(heq, 120.0, cyclic), R1, 1e-4 * R1) << cyclic;
    // Wedge with the equivalent depth, flow around with the true depth.
    for (double x : {132.0, 240.0, 720.0}) {
      const Reese_Ref r = Reese(PHI, G, K, B, x - 120.0 + heq, x, cyclic);
      const double want = Reese_p(r, 0.2) / 0.2;
      EXPECT_NEAR(Es(Node_At(x)), want, 1e-9 * want) << x;
    }
    // Beyond the depth where wedge and flow meet: zr + the rest over the
    // flow-around resistance at the layer top.
    Py_State& py = RS().py;
    py.rd_LayerResistance[1] = 5.0e6;
    Compute_Equivalent_Depth(2);
    EXPECT_GT(py.rd_EquivDepthTop[2], 400.0);
    EXPECT_NEAR(Sand_Resistance_Integral(py.rd_EquivDepthTop[2], 120.0, cyclic), 5.0e6, 1e-4 * 5.0e6);
  }
}

TEST(Layered_Sand, ReeseComputesItsEquivalentDepthOncePerRunAPISandInEveryPass) {
  for (int code : {SOIL_SAND, SOIL_API_SAND}) {
    Setup_Pile(US_UNITS, 1200.0, 100, B);
    Add_Clay(0.0, 120.0, G, 5.0);
    Add_Sand(code, 120.0, 1200.0, G, PHI, K);
    Assign_Layers();
    Pass_At(0.2);
    const double first = RS().py.rd_EquivDepthTop[2];
    // A stronger clay above: more resistance to carry.
    Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
    pp.rd_c[1] = pp.rd_c[2] = 8.0;
    Invalidate_Node_Cache();  // the records changed between passes of one analysis
    Pass_At(0.2);
    ASSERT_FALSE(Error_Recorded());
    if (code == SOIL_SAND)
      EXPECT_EQ(RS().py.rd_EquivDepthTop[2], first);
    else
      EXPECT_GT(RS().py.rd_EquivDepthTop[2], first + 1.0);
  }
}

TEST(Layered_Sand, BelowRockTheTrueDepthIsUsed) {
  Setup_Pile(US_UNITS, 1200.0, 100, B);
  Point_Values v;
  v.gamma = G;
  v.Es = 1000.0;
  Add_Uniform_Layer(SOIL_ELASTIC_SUBGRADE, 0.0, 120.0, v);
  Add_Sand(SOIL_SAND, 120.0, 1200.0, G, PHI, K);
  Assign_Layers();
  Pass_At(0.2);
  EXPECT_EQ(RS().py.rd_EquivDepthTop[2], EQUIV_DEPTH_UNSET);
  const Reese_Ref r = Reese(PHI, G, K, B, 240.0, 240.0, false);
  EXPECT_NEAR(Es(21), Reese_p(r, 0.2) / 0.2, 1e-9 * Es(21));
}

// ---- Errors and warnings ----

TEST(Sand_Errors, FrictionAngleAndSlopeChecks) {
  struct Case {
    int code;
    double phi_top, phi_bottom, slope;
    int layer;  // layer of the sand (1, or 2 below a clay)
    int number;
    const char* header;
    const char* text;
    bool in_report;
  } cases[] = {
      {SOIL_SAND, 0.0, 30.0, 0.0, 1, 108, "**** Input Data Error No. 8 ****",
       "          a p-y curve using the Reese et al. criteria.", false},
      {SOIL_API_SAND, 30.0, 0.0, 0.0, 1, 101, "**** Input Data Error No. 1 ****",
       "curve using the API sand criteria for layer 1.", true},
      {SOIL_SAND, 30.0, 30.0, 31.0, 1, 109, "**** Input Data Error No. 9 ****",
       "the Reese sand criteria for layer 1.", true},
      {SOIL_API_SAND, 30.0, 30.0, -30.5, 1, 102, "**** Input Data Error No. 2 ****",
       "curve using the API criteria for sand for layer 1.", true},
      {SOIL_API_SAND, 30.0, 30.0, 31.0, 2, 102, "**** Input Data Error No. 2 ****",
       "curve using the API criteria for sand for layer 2.", true},
      {SOIL_SAND, 30.0, 30.0, -35.0, 2, 109, "**** Input Data Error No. 9 ****",
       "the Reese sand criteria for layer 2.", true},
  };
  for (const Case& t : cases) {
    Setup_Pile(US_UNITS, 240.0, 20, B);
    if (t.layer == 2) Add_Clay(0.0, 60.0, G, 5.0);
    Point_Values top, bottom;
    top.gamma = bottom.gamma = G;
    top.phi = t.phi_top;
    bottom.phi = t.phi_bottom;
    Add_Layer(t.code, t.layer == 2 ? 60.0 : 0.0, 240.0, top, bottom);
    Assign_Layers();
    Set_Slope(t.slope);
    Run_Files_Capture files;
    Pass_At(0.1);
    const std::string r = files.report(), m = files.message();
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number) << t.header;
    EXPECT_NE(m.find(t.header), std::string::npos) << t.header;
    EXPECT_NE(m.find(t.text), std::string::npos) << t.header;
    EXPECT_EQ(r.find(t.header) != std::string::npos, t.in_report) << t.header;
    EXPECT_NE(r.find("Ormyx ended prematurely due to input error number " + Error_Code("INP", t.number - 100)),
              std::string::npos);
  }
}

TEST(Sand_Errors, FirstPointOfAnAPILayerMayLackFriction) {
  // API sand below clay with no friction at its top: the first node (at the
  // interface) gets a zero curve and no error; on level ground the slope
  // test of a lower layer does not apply. The equivalent depth of a sand
  // without friction is 0.
  Setup_Pile(US_UNITS, 240.0, 20, B);
  Add_Clay(0.0, 60.0, G, 5.0);
  Point_Values top, bottom;
  top.gamma = bottom.gamma = G;
  bottom.phi = 30.0;
  Add_Layer(SOIL_API_SAND, 60.0, 240.0, top, bottom);
  Assign_Layers();
  ASSERT_EQ(RS().sol.pile.i_TopNodeInLayer[2], 6);
  Pass_At(0.1);
  EXPECT_FALSE(Error_Recorded());
  EXPECT_EQ(Es(6), 0.0);
  EXPECT_GT(Es(7), 0.0);
  EXPECT_EQ(RS().py.rd_EquivDepthTop[2], 0.0);
}

TEST(Sand_Errors, UnusualFrictionAngleIsAWarning) {
  for (int code : {SOIL_SAND, SOIL_API_SAND}) {
    Setup_Pile(US_UNITS, 240.0, 20, B);
    Add_Sand(code, 0.0, 240.0, G, 50.0, K);
    Assign_Layers();
    Run_Files_Capture files;
    Pass_At(0.1);
    Pass_At(0.1);
    ASSERT_FALSE(Error_Recorded());
    const int n = code == SOIL_SAND ? 302 : 303;
    EXPECT_EQ(RS().status.i_WarningCount[n], 2 * 21);
    const std::string m = files.message();
    // The Reese block goes to the run-message file once a load case.
    EXPECT_EQ(ormyx_test::Count_Containing(m, "An unreasonable value for friction angle was input for a Reese sand layer. "),
              code == SOIL_SAND ? 1 : 0);
  }
}

TEST(Sand_Errors, GenericUnitsHaveNoDefaultK) {
  for (int code : {SOIL_SAND, SOIL_API_SAND}) {
    Setup_Pile(GENERIC_UNITS, 10.0, 20, 1.0);
    Add_Sand(code, 0.0, 10.0, 1.0, 30.0, 0.0);
    Assign_Layers();
    Run_Files_Capture files;
    Pass_At(0.01);
    EXPECT_EQ(RS().status.i_ErrorNumber, 213);
    const std::string r = files.report(), m = files.message();
    const std::string line = "a non-zero for k." + std::string(75 - 17, ' ') + "\n";
    for (const std::string* text : {&r, &m}) {
      EXPECT_NE(text->find("**** Runtime Error No. 13 ****"), std::string::npos);
      EXPECT_NE(text->find("Problem:  General units have been selected for use in computations in      \n"),
                std::string::npos);
      EXPECT_NE(text->find(line), std::string::npos);
    }
    EXPECT_NE(r.find("RUN00013"), std::string::npos);
  }
}

TEST(Sand_Errors, ReeseModulusThatIsNotANumber) {
  // A friction angle that is not a number makes the secant not a number
  // (31); an equivalent depth that is not a number makes k z so (32).
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int number : {231, 232}) {
    Setup_Pile(US_UNITS, 240.0, 20, B);
    Add_Clay(0.0, 60.0, G, 5.0);
    Add_Sand(SOIL_SAND, 60.0, 240.0, G, number == 231 ? nan : PHI, K);
    Assign_Layers();
    RS().py.rd_EquivDepthTop[2] = number == 232 ? nan : 10.0;
    Run_Files_Capture files;
    Pass_At(number == 232 ? 0.0 : 0.1);
    EXPECT_EQ(RS().status.i_ErrorNumber, number);
    const std::string r = files.report();
    EXPECT_NE(r.find(std::string(number == 231 ? "The computed value" : "The default value") +
                     " of soil modulus computed in Reese Sand is not-a-number for node number 6\n"),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("**** Runtime Error No. " + std::to_string(number - 200) + " ****"), std::string::npos);
    EXPECT_EQ(r.find("ended prematurely"), std::string::npos);
  }
}

// ---- Report mode ----

// The report of layer L's curve at one output depth.
Report_Text Report_At(double depth, int L) {
  Report_Text t = Report_Layers_At(depth, L, L);
  EXPECT_FALSE(Error_Recorded());
  return t;
}

TEST(Sand_Report, ReeseBlockWithNormalShape) {
  Sand_Pile(SOIL_SAND);
  Set_Deflection(0.1);
  const Report_Text t = Report_At(12.0, 1);
  const std::string& r = t.report;
  EXPECT_NE(r.find("\n\np-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions\n\n"),
            std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "           1")), std::string::npos);
  EXPECT_NE(r.find(Line("Depth below pile head", "       1.000", "ft")), std::string::npos);
  EXPECT_NE(r.find(Line("Equivalent Depth (see note)", "      12.000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Angle of Friction", "      30.000", "deg.")), std::string::npos);
  EXPECT_NE(r.find(Line("Avg. Eff. Unit Weight", "     0.04000", "pci")), std::string::npos);
  EXPECT_NE(r.find(Line("K active", "       0.333")), std::string::npos);
  EXPECT_NE(r.find(Line("K passive", "       3.000")), std::string::npos);
  EXPECT_NE(r.find(Line("Pst", "      41.731", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("Ps = Pst (shallow controls)", "      41.731", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("A (static)", "      2.4800")), std::string::npos);
  EXPECT_NE(r.find(Line("Ym = b/60", "      0.4000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Pm = B ps", "      76.368", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("Pu = A Ps", "     103.494", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("Es,lim", "     720.000", "psi")), std::string::npos);
  EXPECT_NE(r.find("\nThis p-y curve is computed using the equivalent depth.\n\n"
                   "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.\n"),
            std::string::npos);
  // Point 2 at yk lies on the initial line and is marked; point 13 at ym is
  // pm; point 17 at 1.05 yu is pu.
  const Reese_Ref ref = Reese(PHI, G, K, B, 12.0, 12.0, false);
  EXPECT_NE(r.find("   " + Number_Field(ref.yk, 12) + "     " + Number_Field(ref.kz * ref.yk, 12) + "   *\n"),
            std::string::npos);
  EXPECT_NE(r.find("   " + Number_Field(0.4, 12) + "     " + Number_Field(ref.pm, 12) + "\n"), std::string::npos);
  EXPECT_NE(r.find("   " + Number_Field(0.945, 12) + "     " + Number_Field(ref.pu, 12) + "\n"), std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(r, "   *"), 1);
  EXPECT_NE(r.find("\n* p value(s) computed using p = k * Eff x * y \n\n\n"), std::string::npos);
  EXPECT_EQ(r.find("default values of k"), std::string::npos);
  EXPECT_NE(t.plot.find(fmt::E(12.0, 15, 7) + "   17" + std::string(60, ' ') +
                        "Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(t.plot, "): y, p, for sand"), 17);
}

TEST(Sand_Report, ReeseBilinearCurveWithDefaultKAndSlope) {
  // k = 5 pci at z = 12 in: yk = 2.015 > yu = 0.9 (bi-linear); the points
  // run to yi = pu / (k z) on the initial line, all marked up to yi.
  Sand_Pile(SOIL_SAND, 5.0);
  std::string r = Report_At(12.0, 1).report;
  EXPECT_NE(r.find("This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.\n"),
            std::string::npos);
  EXPECT_GE(ormyx_test::Count_Containing(r, "   *"), 13);
  const double yi = 103.4939171521139 / 60.0;
  EXPECT_NE(r.find("   " + Number_Field(1.05 * yi, 12) + "     " + Number_Field(103.4939171521139, 12) + "\n"),
            std::string::npos);
  // Without k the default is used and said after the points; the slope
  // changes the wedge by the sign of the deflection at the output depth.
  Sand_Pile(SOIL_SAND, 0.0);
  Set_Slope(10.0);
  Set_Deflection(-0.2);
  r = Report_At(60.0, 1).report;
  EXPECT_NE(r.find(Line("Pst", "     701.055", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("kpy", "      31.199", "pci")), std::string::npos);
  EXPECT_NE(r.find("\n\nThe above p-y curve was computed using internal default values of k.\n\n"),
            std::string::npos);
}

TEST(Sand_Report, APIBlockAndLowerLayerDepths) {
  // API sand below clay, output depth 240 in with a stored equivalent depth
  // of 100 in: z = 220. On level ground Pud uses the true depth 240, on
  // sloping ground the equivalent depth.
  Setup_Pile(US_UNITS, 1200.0, 100, B);
  Add_Clay(0.0, 120.0, G, 5.0);
  Add_Sand(SOIL_API_SAND, 120.0, 1200.0, G, PHI, 0.0);
  Assign_Layers();
  RS().py.rd_EquivDepthTop[2] = 100.0;
  Set_Deflection(0.1);
  const double C3 = 28.74512766672075;  // python3, K0 = f32 0.4
  Report_Text t = Report_At(240.0, 2);
  std::string r = t.report;
  EXPECT_NE(r.find("\n\np-y Curve Computed Using API Sand Criteria for Static Loading\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Equivalent Depth (see note)", "     220.000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Friction Angle phi", "      30.000", "deg.")), std::string::npos);
  EXPECT_NE(r.find(Line("C3", "    28.74513")), std::string::npos);
  EXPECT_NE(r.find(Line("Pud", fmt::F(C3 * B * G * 240.0, 12, 3), "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("A", "     0.90000")), std::string::npos);  // z/b > 2.625
  EXPECT_NE(r.find("\nThe above p-y curve was computed using the internal default value of k.\n"),
            std::string::npos);
  // Point 17 at y = 16 pi/16 A Pu / (k z): p = A Pu tanh(pi), in F15.4, F17.3.
  EXPECT_NE(t.plot.find("Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 1\n"), std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(t.plot, "): y, p, for API sand"), 17);
  EXPECT_NE(r.find(fmt::F(0.0, 15, 4) + fmt::F(0.0, 17, 3) + "\n"), std::string::npos);
  Set_Slope(5.0);
  r = Report_At(240.0, 2).report;
  EXPECT_NE(r.find(Line("Pud", fmt::F(C3 * B * G * 220.0, 12, 3), "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("Effective Slope", "       5.000", "deg.")), std::string::npos);
}

TEST(Sand_Report, LiquefiedBlock) {
  Setup_Pile(SI_UNITS, 10.0, 100, 0.6);
  Point_Values v;
  v.gamma = 8.0;
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 0.0, 2.0, v);
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 2.0, 10.0, v);
  Assign_Layers();
  // Layer 1 at 1 m: fixed ordinates (no cap); layer 2 at 9 m: zn = 7.2 m,
  // capped, and deeper than the recommended 6 m.
  Report_Text t = Report_At(1.0, 1);
  std::string r = t.report;
  EXPECT_NE(r.find("\n\np-y Curve Computed Using Liquefied Sand Criteria\n\n\n"), std::string::npos);
  EXPECT_EQ(r.find("Soil Layer Number"), std::string::npos);
  EXPECT_EQ(r.find("Normalized depth"), std::string::npos);
  EXPECT_NE(r.find(Line("Pd", "     3.65375")), std::string::npos);
  EXPECT_NE(r.find(Line("Upper limit Pu", "       9.913", "kN/m")), std::string::npos);
  EXPECT_NE(r.find(Line("Yu", "     0.15000", "m")), std::string::npos);
  // Point 7 at 0.03 m: 3.6537543734515747 A (B 30)^C.
  const double p7 = 3.6537543734515747 * 1.987708986872086e-05 * std::pow(3.021839009502317 * 30.0, 2.1449765486021684);
  EXPECT_NE(r.find("   " + Number_Field(0.03, 12) + "     " + Number_Field(p7, 12) + "\n"), std::string::npos);
  EXPECT_NE(t.plot.find(std::string(20, ' ') + "Line 8( 7): y, p, for liquefied sand\n"), std::string::npos);
  EXPECT_NE(t.plot.find("Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(t.plot, "): y, p, for liquefied sand"), 17);
  r = Report_At(9.0, 2).report;
  EXPECT_NE(r.find(Line("Normalized depth below ground surface in meters*", "       7.200")),
            std::string::npos);
  EXPECT_NE(r.find(Line("Upper limit Pu", "      15.000", "kN/m")), std::string::npos);
  EXPECT_NE(r.find("by 10 kN/m3, as recommended by Rollins, et al. (2005)\n"), std::string::npos);
  EXPECT_NE(r.find("NOTE: The normalized depth of the p-y curve is deeper than the depth of\n"
                   "6.0 meters recommended by Rollins, et al. (2005)\n"),
            std::string::npos);
}

// ---- A whole run through the engine ----

// An elastic 24 in pile, 60 ft long, in liquefied sand (0-8 ft), Reese sand
// with k (8-25 ft), soft clay (25-35 ft) and API sand with the default k
// (35-70 ft); 10 kips of head shear.
std::string Sand_Input(const char* loading) {
  return std::string("ORMYXP6\nTITLE\nSand layers\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\n"
                     "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\n") +
         loading +
         "\nMaxIterations 200\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 120\n"
         "PrintSummaryOnly NO\nPrintIncrement 5\nPrintPYCurves NO\nComputeInteraction NO\n"
         "SECTIONS\n1\n1\n11\n60.0\n2\n4.0E6\n24.0\n24.0\n452.389\n452.389\n16286.0\n16286.0\n"
         "SOIL LAYERS\n4\n"
         "7 0.0 8.0\n57.0\n57.0\n"
         "5 8.0 25.0\n57.0 32.0 60.0\n60.0 34.0 80.0\n"
         "1 25.0 35.0\n50.0 600.0 0.01\n55.0 800.0 0.01\n"
         "6 35.0 70.0\n62.0 36.0 0.0\n65.0 38.0 0.0\n"
         "LOADING\n1\n1 1 10000.0 0.0 0.0 1\n0\nEND\n";
}

TEST(Sand_Run, EndsNormallyAndTheSoilReactionCarriesTheHeadShear) {
  for (const char* loading : {"Loading STATIC     0", "Loading CYCLIC   100"}) {
    ormyx_test::Run_Result r = ormyx_test::Run_Engine(Sand_Input(loading));
    ASSERT_LE(r.status, 0) << loading << "\n" << r.report;
    EXPECT_NE(r.report.find("The analysis ended normally."), std::string::npos);
    std::vector<ormyx_test::Plot_Node> nodes = ormyx_test::Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), std::size_t(121));
    const double force = ormyx_test::Integrate_Reaction(nodes).force;
    const double V0 = nodes.front().V;
    EXPECT_NEAR(V0, 10000.0, 1e-6);
    EXPECT_LT(std::fabs(V0 + force) / V0, 1e-5) << loading << ": " << force;
    EXPECT_GT(nodes.front().y, 0.0);
  }
}

// ---- The layer pass allocates nothing ----

TEST(Sand_Layer_Pass, AllocatesNothing) {
  Setup_Pile(US_UNITS, 1200.0, 500, 24.0);
  Point_Values v;
  v.gamma = G;
  Add_Uniform_Layer(SOIL_LIQUEFIED_SAND, 0.0, 120.0, v);
  Add_Sand(SOIL_SAND, 120.0, 480.0, G, PHI, K);
  Add_Clay(480.0, 600.0, G, 5.0);
  Add_Sand(SOIL_API_SAND, 600.0, 1200.0, G, 36.0, 0.0);
  Assign_Layers();
  Set_Options_For_Allocation_Check();
  const long before = ormyx_test::g_allocations;
  Py_Layer_Pass();
  Py_Layer_Pass();
  const long used = ormyx_test::g_allocations - before;
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(used, 0);
}

}  // namespace
