// Soft clay p-y curves against the published Matlock criteria:
//   pu = min((3 + g z / c + J z / b) c b, 9 c b),  y50 = 2.5 e50 b,
//   static p = 0.5 pu (y / y50)^(1/3) up to 8 y50, pu beyond;
//   cyclic: the static curve to 3 y50, then the plateau (deep) or a straight
//   fall to plateau * z / Xr at 15 y50 (shallow), Xr = 6 c b / (g b + J c).
// The secant modulus of the layer pass is checked against p / y.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/format.h"
#include "engine/messages.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/soil_properties.h"
#include "tests/py_fixture.h"
#include "tests/py_helpers.h"

namespace {

using namespace py_test;

// The published curve, written independently of the engine.
double Matlock_p(double c, double g, double J, double b, double e50, double z, double y, bool cyclic) {
  const double pu = std::fmin((3.0 + g * z / c + J * z / b) * c * b, 9.0 * c * b);
  const double y50 = 2.5 * e50 * b;
  const double plateau = 0.5 * std::cbrt(3.0) * pu;  // the static p at 3 y50
  if (!cyclic || y <= 3.0 * y50) return y <= 8.0 * y50 ? 0.5 * pu * std::cbrt(y / y50) : pu;
  const double Xr = 6.0 * c * b / (g * b + J * c);
  if (z >= Xr) return plateau;
  if (y >= 15.0 * y50) return plateau * z / Xr;
  return plateau * (1.0 - (1.0 - z / Xr) * (y - 3.0 * y50) / (12.0 * y50));
}

Point_Values Clay(double gamma, double c, double eps50, double J = 0.0) {
  Point_Values v;
  v.gamma = gamma;
  v.c = c;
  v.eps50 = eps50;
  v.J = J;
  return v;
}

// US units after conversion: pile of 1200 in, 100 increments of 12 in, 24 in
// wide, in one soft clay layer (c = 5 psi, unit weight 0.03 pci, e50 0.01).
class Soft_Clay_Layer : public ::testing::Test {
 protected:
  static constexpr double c = 5.0, g = 0.03, e50 = 0.01, b = 24.0;
  void Build(int code = SOIL_SOFT_CLAY, double J = 0.0) {
    Setup_Pile(US_UNITS, 1200.0, 100, b);
    Add_Uniform_Layer(code, 0.0, 1200.0, Clay(g, c, e50, J));
    Assign_Layers();
  }
  void SetUp() override { Build(); }
  static double Es(int node) { return RS().sol.pile.rd_SoilModulus[node]; }
  // Node k lies at depth 12 (k - 1).
  static int Node_At(double z) { return int(z / 12.0) + 1; }
};

TEST_F(Soft_Clay_Layer, StaticSecantModulusMatchesHandWorkedValues) {
  // z = 60: pu = (3 + 0.36 + 1.25) 5 24 = 553.2; y = 0.075 = y50 / 8 gives
  // p = 0.5 pu / 2 = 138.3. z = 600: pu capped at 9 c b = 1080.
  struct Case {
    double z, y, Es;
  } cases[] = {
      {60.0, 0.075, 138.3 / 0.075},
      {600.0, 0.6, 540.0 / 0.6},  // y = y50: p = pu / 2
      {600.0, 6.0, 1080.0 / 6.0},  // beyond 8 y50: p = pu
      {60.0, -0.075, 138.3 / 0.075},  // the sign of y does not matter
  };
  for (const Case& t : cases) {
    Set_Deflection(t.y);
    Py_Layer_Pass();
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(Node_At(t.z)), t.Es, 1e-6 * t.Es) << "z = " << t.z << ", y = " << t.y;
  }
}

TEST_F(Soft_Clay_Layer, StaticAndCyclicCurvesFollowThePublishedFormula) {
  for (bool cyclic : {false, true}) {
    RS().prob.opt.b_CyclicLoading = cyclic ? L_TRUE : L_FALSE;
    // Xr = 720 / 3.22 = 223.6 in: depths on both sides of it.
    for (double z : {12.0, 60.0, 216.0, 240.0, 600.0}) {
      for (double r : {0.02, 0.5, 1.0, 2.9, 3.0, 5.0, 9.0, 14.0, 15.0, 20.0}) {
        const double y = r * 2.5 * e50 * b;
        Set_Deflection(y);
        Py_Layer_Pass();
        ASSERT_FALSE(Error_Recorded());
        const double want = Matlock_p(c, g, 0.5, b, e50, z, y, cyclic) / y;
        EXPECT_NEAR(Es(Node_At(z)), want, 1e-6 * want)
            << (cyclic ? "cyclic" : "static") << " z = " << z << ", y/y50 = " << r;
      }
    }
  }
}

TEST_F(Soft_Clay_Layer, SmallDeflectionGivesTheLimitingModulusWithoutThePMultiplier) {
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {0.0, 2.0, 1.0};
  ld.PY_Modifier_Point[2] = {1200.0, 2.0, 1.0};
  Set_Deflection(0.0);
  Py_Layer_Pass();
  const double pu = 553.2, y50 = 0.6;
  EXPECT_NEAR(Es(6), pu * 0.01077217236161232 / (y50 * 2.9999999242136255e-5), 1e-6);
  // Above the threshold the p-multiplier applies.
  Set_Deflection(0.075);
  Py_Layer_Pass();
  EXPECT_NEAR(Es(6), 2.0 * 138.3 / 0.075, 1e-7 * 3688.0);  // exponent 1/3 in single precision
}

TEST_F(Soft_Clay_Layer, YMultiplierStretchesTheCurve) {
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {0.0, 0.5, 2.0};
  ld.PY_Modifier_Point[2] = {1200.0, 0.5, 2.0};
  Set_Deflection(0.15);  // y' = 0.075
  Py_Layer_Pass();
  EXPECT_NEAR(Es(6), 0.5 * 138.3 / 0.15, 1e-7 * 461.0);
}

TEST_F(Soft_Clay_Layer, SoilMovementEntersTheRelativeDeflectionAndTheSoilForce) {
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilForce[k] = 7.0;
  Set_Deflection(0.075);
  Py_Layer_Pass();
  EXPECT_EQ(pm.rd_SoilForce[6], 7.0);  // no soil movement: left alone
  RS().prob.load.i_Number_of_Soil_Movement_Points = 2;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilMovement[k] = 0.5;
  Set_Deflection(0.575);
  Py_Layer_Pass();
  EXPECT_NEAR(Es(6), 1844.0, 1e-7 * 1844.0);
  EXPECT_NEAR(pm.rd_SoilForce[6], 0.5 * Es(6), 1e-9);  // no distributed load
}

TEST_F(Soft_Clay_Layer, SlopingGroundReducesNpBySignOfDeflection) {
  const double a = 10.0 * std::numbers::pi / 180.0;
  RS().prob.load.rd_SlopeAngle = a;
  RS().prob.load.rd_SlopeMinusBatter = a;
  const double level = 138.3 / 0.075;  // z = 60: Np = 4.61 stays below the cap
  Set_Deflection(0.075);
  Py_Layer_Pass();
  EXPECT_NEAR(Es(6), level / (1.0 + std::tan(a)), 1e-6 * level);
  EXPECT_NEAR(fn_Sloping_Ground_Factor(0.075), 1.0 / (1.0 + std::tan(a)), 1e-15);
  Set_Deflection(-0.075);
  Py_Layer_Pass();
  const double F = std::cos(a) * std::sqrt(0.5) / std::cos(a + std::numbers::pi / 4);
  EXPECT_NEAR(Es(6), level * F, 1e-6 * level);
  EXPECT_DOUBLE_EQ(fn_Sloping_Ground_Factor(0.0), 1.0);
  // With the slope factor the cap applies to the reduced Np: at z = 600
  // (Np = 19.1) the factor does not lower pu below 9 c b.
  Set_Deflection(0.6);
  Py_Layer_Pass();
  EXPECT_NEAR(Es(51), 540.0 / 0.6, 1e-6);
}

// The layer pass keeps the soil values of each node within an analysis. A
// pile whose nodes are built again for another length (as the deflection-
// length study does) must get the moduli of a fresh run at that length, in
// both layers (the second one with its equivalent depth) and for either J.
TEST(Soft_Clay, NodesBuiltForAnotherLengthGetTheModuliOfAFreshRun) {
  for (int code : {SOIL_SOFT_CLAY, SOIL_SOFT_CLAY_J}) {
    auto layers = [&](double length) {
      Setup_Pile(US_UNITS, length, 100, 24.0);
      Add_Layer(code, 0.0, 240.0, Clay(0.03, 3.0, 0.02, 0.5), Clay(0.032, 5.0, 0.01, 0.25));
      Add_Layer(code, 240.0, 1200.0, Clay(0.035, 6.0, 0.0, 0.5), Clay(0.04, 12.0, 0.005, 0.5));
      Assign_Layers();
    };
    layers(900.0);
    Pass_At(0.05);
    ASSERT_FALSE(Error_Recorded());
    double fresh[102];
    for (int k = 1; k <= 101; ++k) fresh[k] = RS().sol.pile.rd_SoilModulus[k];

    layers(1200.0);
    Pass_At(0.05);
    Build_Nodes_For_Length(900.0);
    Pass_At(0.05);
    ASSERT_FALSE(Error_Recorded());
    for (int k = 1; k <= 101; ++k) EXPECT_EQ(RS().sol.pile.rd_SoilModulus[k], fresh[k]) << code << " node " << k;
  }
}

TEST(Soft_Clay, DefaultEpsilon50DependsOnStrengthAndUnits) {
  struct Case {
    int units;
    double c;
    double eps50;
  } cases[] = {
      {US_UNITS, 3.0, 0.02}, {US_UNITS, 5.0, 0.01}, {US_UNITS, 10.0, 0.005},
      {US_UNITS, 20.0, 0.005}, {US_UNITS, 30.0, 0.004}, {SI_UNITS, 20.0, 0.02},
      {SI_UNITS, 30.0, 0.01}, {SI_UNITS, 60.0, 0.005}, {SI_UNITS, 200.0, 0.004},
  };
  for (const Case& t : cases) {
    double moduli[2];
    for (int pass = 0; pass < 2; ++pass) {
      Setup_Pile(t.units, 100.0, 50, 1.0);
      Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 100.0, Clay(0.01, t.c, pass == 0 ? 0.0 : double(float(t.eps50))));
      Assign_Layers();
      Set_Deflection(0.001);
      Py_Layer_Pass();
      ASSERT_FALSE(Error_Recorded());
      moduli[pass] = RS().sol.pile.rd_SoilModulus[20];
    }
    EXPECT_DOUBLE_EQ(moduli[0], moduli[1]) << "units " << t.units << ", c = " << t.c;
  }
}

TEST(Soft_Clay, StrongClayLogsTheUnitSystemsWarning) {
  struct Case {
    int units;
    double c;
    int warning;
  } cases[] = {{US_UNITS, 9.0, 3041}, {SI_UNITS, 60.0, 3042}};
  for (const Case& t : cases) {
    Setup_Pile(t.units, 100.0, 50, 1.0);
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 50.0, Clay(0.01, t.c, 0.01));
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 50.0, 100.0, Clay(0.01, 1.0, 0.01));
    Assign_Layers();
    Set_Deflection(0.001);
    Py_Layer_Pass();
    // Nodes 1 .. 25 of layer 1; node 26 at the interface is not tested.
    EXPECT_EQ(RS().status.i_WarningCount[t.warning], 25) << t.warning;
    EXPECT_EQ(RS().status.i_WarningList[1], -t.warning);
  }
}

TEST(Soft_Clay, ZeroCohesionIsAnInputErrorBelowTheFirstNode) {
  for (int code : {SOIL_SOFT_CLAY, SOIL_SOFT_CLAY_J}) {
    Setup_Pile(US_UNITS, 120.0, 40, 12.0);
    Add_Layer(SOIL_SOFT_CLAY, 0.0, 60.0, Clay(0.03, 0.0, 0.01, 0.5), Clay(0.03, 0.0, 0.01, 0.5));
    RS().prob.soil.i_SoilLayer_py_Type[1] = code;
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 60.0, 120.0, Clay(0.03, 5.0, 0.01));
    Assign_Layers();
    Run_Files_Capture files;
    Set_Deflection(0.01);
    // Only the first node has no cohesion: no error.
    RS().sol.pile.i_BottomNodeInLayer[1] = 1;
    Py_Layer_Pass();
    ASSERT_FALSE(Error_Recorded());
    RS().sol.pile.i_BottomNodeInLayer[1] = 20;
    Py_Layer_Pass();
    const bool J = code == SOIL_SOFT_CLAY_J;
    EXPECT_EQ(RS().status.i_ErrorNumber, J ? 171 : 112);
    const std::string r = files.report(), m = files.message();
    const std::string header = J ? "**** Input Data Error No. 71 ****" : "**** Input Data Error No. 12 ****";
    for (const std::string* text : {&r, &m}) {
      EXPECT_NE(text->find(header), std::string::npos);
      EXPECT_NE(text->find("Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation = "),
                std::string::npos);
    }
    EXPECT_NE(r.find(J ? "soft clay soil with J." : "soft clay soil."), std::string::npos);
    EXPECT_NE(r.find(", ITOP = 1, IBOT = 20"), std::string::npos);
    EXPECT_EQ(m.find(", ITOP = "), std::string::npos);
    EXPECT_NE(r.find(J ? "INP00071" : "INP00012"), std::string::npos);
  }
}

TEST(Soft_Clay, GenericUnitsHaveNoDefaultEpsilon50) {
  for (int code : {SOIL_SOFT_CLAY, SOIL_SOFT_CLAY_J}) {
    Setup_Pile(GENERIC_UNITS, 100.0, 50, 1.0);
    Add_Uniform_Layer(code, 0.0, 100.0, Clay(0.01, 5.0, 0.0, 0.5));
    Assign_Layers();
    Run_Files_Capture files;
    Py_Layer_Pass();
    EXPECT_EQ(RS().status.i_ErrorNumber, code == SOIL_SOFT_CLAY ? 237 : 238);
    EXPECT_EQ(files.report(), "");
  }
}

TEST(Soft_Clay, ModulusThatIsNotANumberIsARuntimeError) {
  // A pile without width: y50 = 0 and every modulus is 0 / 0.
  struct Case {
    int code;
    double y;
    int number;
    const char* header;
    const char* text;
  } cases[] = {
      {SOIL_SOFT_CLAY, 0.0, 234, "**** Runtime Error No. 34 ****",
       "The computed value of soil modulus computed in soft clay is not-a-number for node number 1"},
      {SOIL_SOFT_CLAY_J, 0.0, 236, "**** Runtime Error No 36. ****",
       "The computed value of soil modulus computed in API soft clay is not-a-number for node number 1"},
  };
  for (const Case& t : cases) {
    Setup_Pile(US_UNITS, 100.0, 50, 0.0);
    Add_Uniform_Layer(t.code, 0.0, 100.0, Clay(0.03, 5.0, 0.01, 0.5));
    Assign_Layers();
    Run_Files_Capture files;
    Set_Deflection(t.y);
    Py_Layer_Pass();
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number);
    const std::string r = files.report();
    EXPECT_NE(r.find(t.header), std::string::npos);
    EXPECT_NE(r.find(t.text), std::string::npos);
    EXPECT_NE(r.find("This problem is usually due to a required soil property being left equal to zero."),
              std::string::npos);
    EXPECT_EQ(r.find("ended prematurely"), std::string::npos);
  }
}

// Independent check of an equivalent depth: the integral of the Matlock
// ultimate resistance (J = 0.5) of the layer's soil from 0 to heq.
double Resistance_Integral(double c, double g, double b, double heq) {
  const int steps = 200000;
  double sum = 0.0;
  for (int i = 0; i < steps; ++i) {
    const double z = (i + 0.5) * heq / steps;
    sum += std::fmin((3.0 + g * z / c + 0.5 * z / b) * c * b, 9.0 * c * b) * heq / steps;
  }
  return sum;
}

class Two_Clay_Layers : public ::testing::Test {
 protected:
  // Layer 1 (c = 5) over layer 2 (c = 10), interface at 120 in.
  void SetUp() override {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 120.0, Clay(0.03, 5.0, 0.01));
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 120.0, 1200.0, Clay(0.03, 10.0, 0.01));
    Assign_Layers();
  }
};

TEST_F(Two_Clay_Layers, LayerResistanceAndEquivalentDepthCarryTheUpperLayer) {
  const Pile_Model& pm = RS().sol.pile;
  ASSERT_EQ(pm.i_BottomNodeInLayer[1], 10);
  ASSERT_EQ(pm.i_TopNodeInLayer[2], 11);
  Set_Deflection(0.6);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  // pu = 360 + 3.22 z over nodes 1 .. 10 (z = 0 .. 108), plus pu(108) h.
  const double R1 = 360.0 * 108 + 1.61 * 108 * 108 + (360.0 + 3.22 * 108) * 12;
  EXPECT_NEAR(RS().py.rd_LayerResistance[1], R1, 1e-6);
  // Layer 2's first node is at the interface: c = (5 + 10) / 2.
  const double heq = RS().py.rd_EquivDepthTop[2];
  EXPECT_NEAR(Resistance_Integral(7.5, 0.03, 24.0, heq), R1, 1e-6 * R1);
  // A node of layer 2 uses the depth below its top plus the equivalent depth.
  const double z = 240.0 - 120.0 + heq;
  const double want = Matlock_p(10.0, 0.03, 0.5, 24.0, 0.01, z, 0.6, false) / 0.6;
  EXPECT_NEAR(pm.rd_SoilModulus[21], want, 1e-9 * want);
}

TEST_F(Two_Clay_Layers, EquivalentDepthBelowTheTransitionDepthUsesTheLimitingResistance) {
  Py_State& py = RS().py;
  py.rd_LayerResistance[1] = 1.0e6;  // more than the resistance down to zr
  Compute_Equivalent_Depth(2);
  EXPECT_NEAR(Resistance_Integral(7.5, 0.03, 24.0, py.rd_EquivDepthTop[2]), 1.0e6, 1e-6 * 1.0e6);
  // A resistance below 0.01 is replaced by the liquefied-sand copy (0 for clay).
  py.rd_LayerResistance[1] = 0.001;
  Compute_Equivalent_Depth(2);
  EXPECT_EQ(py.rd_LayerResistance[1], 0.0);
  EXPECT_EQ(py.rd_EquivDepthTop[2], 0.0);
}

TEST_F(Two_Clay_Layers, RockAboveUsesThePlainDepth) {
  RS().prob.soil.i_SoilLayer_py_Type[1] = SOIL_ELASTIC_SUBGRADE;
  Set_Deflection(0.6);
  Py_Layer_Pass();
  EXPECT_EQ(RS().py.ib_RockAbove[2], L_TRUE);
  EXPECT_EQ(RS().py.rd_EquivDepthTop[2], EQUIV_DEPTH_UNSET);
  const double want = Matlock_p(10.0, 0.03, 0.5, 24.0, 0.01, 240.0, 0.6, false) / 0.6;
  EXPECT_NEAR(RS().sol.pile.rd_SoilModulus[21], want, 1e-9 * want);
}

TEST_F(Soft_Clay_Layer, ReportBlockShowsTheCurveAtAnOutputDepth) {
  RS().prob.opt.rd_NumberOfCycles = 5.0;  // cyclic title, static curve
  const Report_Text t = Report_Layers_At(60.0, 1, 1);
  ASSERT_FALSE(Error_Recorded());
  const std::string &r = t.report, &p = t.plot;
  EXPECT_NE(r.find("\n\np-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions\n\n"),
            std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "           1", "")), std::string::npos);
  EXPECT_NE(r.find(Line("Depth below pile head", "       5.000", "ft")), std::string::npos);
  EXPECT_NE(r.find(Line("Cohesion, c", "       5.000", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Cohesion, c", "     720.000", "psf")), std::string::npos);
  EXPECT_NE(r.find(Line("Avg. Eff. Unit Weight", "    51.84000", "pcf")), std::string::npos);
  EXPECT_NE(r.find(Line("pu_s", "     553.200", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("pu_static", "     553.200", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("y_50", "     0.60000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Number of cycles of loading", "          5.", "cycles")), std::string::npos);
  EXPECT_NE(r.find("----------------    -----------------\n"), std::string::npos);
  // Point 7 at y = y50 = 0.6 in: p = pu / 2; point 17 at 8.5 y50: p = pu.
  EXPECT_NE(r.find(Number_Field(0.6, 12) + "         " + Number_Field(276.6, 12) + "\n"), std::string::npos);
  EXPECT_NE(r.find(Number_Field(5.1, 12) + "         " + Number_Field(553.2, 12) + "\n"), std::string::npos);
  EXPECT_NE(p.find(fmt::E(60.0, 15, 7) + "   17" + std::string(60, ' ') +
                   "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_NE(p.find(fmt::E(0.6, 15, 7) + fmt::E(276.6, 15, 7) + std::string(50, ' ') +
                   "Line 8(7): y, p, for soft clay\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for soft clay"), 17);
  EXPECT_EQ(r.find("**** Warning ****"), std::string::npos);
}

}  // namespace
