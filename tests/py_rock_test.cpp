// Rock p-y curves against the published criteria.
//   Weak rock: alpha_r = 1 - (2/3) RQD/100; above 3b below the top of rock
//   pur = alpha_r qu b (1 + 1.4 xr/b), K_ir = Eir (100 + 400 xr/(3b)), deeper
//   pur = 5.2 alpha_r qu b, K_ir = 500 Eir; yrm = k_rm b,
//   y_A = (pur / (2 yrm^0.25 K_ir))^(4/3) (the criteria hold 1.333);
//   p = K_ir y below y_A, then min(pur/2 (y/yrm)^0.25, pur).
//   Vuggy limestone: c' = qu/2, p = 2000 c' y up to y1 = 0.0004 b, then
//   0.8 b c' + 100 c' (y - y1) up to b c', then the residual 0.5 g b z0.
//   Massive rock stops the run with status 99.
// Layers below rock use the true depth below the ground surface.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/format.h"
#include "engine/messages.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/rock.h"
#include "pycurves/soil_properties.h"
#include "tests/alloc_counter.h"
#include "tests/plot_records.h"
#include "tests/py_fixture.h"
#include "tests/py_helpers.h"
#include "tests/test_data.h"

namespace {

using namespace py_test;

// Values of a rock layer at its top or bottom.
struct Rock_Values {
  double gamma = 0.08;  // pci
  double qu = 500.0;    // psi
  double Eir = 50000.0;  // initial modulus of rock, psi
  double rqd = 60.0;    // percent
  double krm = 0.0004;
};

// Append a layer of the given rock model with its top and bottom values.
void Add_Rock(int code, double top, double bottom, const Rock_Values& vt, const Rock_Values& vb) {
  Point_Values t, b;
  t.gamma = vt.gamma;
  t.c = vt.qu;
  t.eps50 = vt.krm;
  b.gamma = vb.gamma;
  b.c = vb.qu;
  b.eps50 = vb.krm;
  Add_Layer(code, top, bottom, t, b);
  Soil_Records& soil = RS().prob.soil;
  const int L = soil.i_Number_of_Layers;
  soil.Soil_Profile_Points.rd_RQD[2 * L - 1] = vt.rqd;
  soil.Soil_Profile_Points.rd_RQD[2 * L] = vb.rqd;
  soil.rd_kTop[L] = vt.Eir;
  soil.rd_kBottom[L] = vb.Eir;
}

// The published weak-rock curve, written out independently of the engine.
double Weak_Rock_p(double qu, double rqd, double Eir, double krm, double b, double xr, double y) {
  const double alpha = 1.0 - 2.0 / 3.0 * rqd / 100.0;
  const bool shallow = xr <= 3.0 * b;
  const double pur = shallow ? alpha * qu * b * (1.0 + 1.4 * xr / b) : 5.2 * alpha * qu * b;
  const double Kir = shallow ? Eir * (100.0 + 400.0 * xr / (3.0 * b)) : 500.0 * Eir;
  const double yrm = krm * b;
  const double yA = std::pow(pur / (2.0 * std::pow(yrm, 0.25) * Kir), 1.333);
  if (y < yA) return Kir * y;
  return std::fmin(0.5 * pur * std::pow(y / yrm, 0.25), pur);
}

// US units after conversion: a pile of 1200 in, 100 increments of 12 in,
// 24 in wide, in one weak rock layer whose initial modulus grows from 40000
// psi at the top to 100000 psi at the bottom (qu = 500 psi, RQD 60 %,
// k_rm = 0.0004, so yrm = 0.0096 in). Node k lies at depth 12 (k - 1).
class Weak_Rock_Layer : public ::testing::Test {
 protected:
  static constexpr double b = 24.0;
  Rock_Values top, bottom;
  void Build(double width = b) {
    Setup_Pile(US_UNITS, 1200.0, 100, width);
    Add_Rock(SOIL_WEAK_ROCK, 0.0, 1200.0, top, bottom);
    Assign_Layers();
  }
  void SetUp() override {
    top.Eir = 40000.0;
    bottom.Eir = 100000.0;
    Build();
  }
};

TEST_F(Weak_Rock_Layer, SecantModulusBelowAndPastYAMatchesHandWorkedValues) {
  // Depth 24 in: xr = 24 <= 3b, Eir = 41200, alpha_r = 0.6:
  //   pur = 0.6 * 500 * 24 * (1 + 1.4) = 17280 lb/in,
  //   K_ir = 41200 * (100 + 400 / 3) = 9613333.33 psi,
  //   y_A = (17280 / (2 * 0.0096^0.25 * 9613333.33))^1.333 = 4.0889e-4 in.
  // Depth 240 in: xr > 3b, Eir = 52000: pur = 5.2 * 7200 = 37440, K_ir = 2.6e7.
  // Past y_A: p = 8640 (y / 0.0096)^0.25, capped at pur from 16 yrm = 0.1536 in.
  struct Case {
    int node;
    double y, Es;
  } cases[] = {
      {3, 1.0e-4, 9613333.333},                                // below y_A: K_ir
      {3, 0.0, 9613333.333},                                   // zero deflection: K_ir
      {3, 0.01, 8640.0 * std::pow(0.01 / 0.0096, 0.25) / 0.01},  // 872862.68
      {3, -0.01, 8640.0 * std::pow(0.01 / 0.0096, 0.25) / 0.01},
      {3, 0.2, 17280.0 / 0.2},                                 // capped at pur
      {21, 1.0e-4, 2.6e7},
      {21, 0.01, 18720.0 * std::pow(0.01 / 0.0096, 0.25) / 0.01},  // 1891202.4
  };
  for (const Case& t : cases) {
    Set_Deflection(t.y);
    Py_Layer_Pass();
    ASSERT_FALSE(Error_Recorded());
    // The criteria's single-precision factors (1.4, 5.2, 2/300) differ by < 1e-7.
    EXPECT_NEAR(Es(t.node), t.Es, 1e-6 * t.Es) << "node " << t.node << ", y = " << t.y;
  }
  // Just below and above y_A = 4.0889e-4: the initial line, then the curve.
  const double yA = 4.0889e-4;
  for (double y : {0.999 * yA, 1.001 * yA, 0.003, 0.05, 0.15}) {
    Set_Deflection(y);
    Py_Layer_Pass();
    const double want = Weak_Rock_p(500.0, 60.0, 41200.0, 0.0004, b, 24.0, y) / y;
    EXPECT_NEAR(Es(3), want, 1e-6 * want) << "y = " << y;
  }
  EXPECT_EQ(RS().py.rd_LayerResistance[1], 0.0);
  EXPECT_EQ(RS().py.ib_RockAbove[1], L_TRUE);  // weak rock flags itself
}

TEST_F(Weak_Rock_Layer, MultipliersApplyPastYAOnly) {
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {0.0, 0.5, 2.0};
  ld.PY_Modifier_Point[2] = {1200.0, 0.5, 2.0};
  Set_Deflection(0.02);  // y' = 0.01
  Py_Layer_Pass();
  const double want = 0.5 * 8640.0 * std::pow(0.01 / 0.0096, 0.25) / 0.02;
  EXPECT_NEAR(Es(3), want, 1e-6 * want);
  Set_Deflection(1.0e-4);  // below y_A: K_ir without multipliers
  Py_Layer_Pass();
  EXPECT_NEAR(Es(3), 9613333.333, 1e-9 * 9613333.333);
  // Soil movement enters the relative deflection and the soil force.
  ld.i_Number_of_Soil_Movement_Points = 2;
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilMovement[k] = 0.5;
  Set_Deflection(0.52);
  Py_Layer_Pass();
  EXPECT_NEAR(Es(3), want, 1e-6 * want);
  EXPECT_NEAR(pm.rd_SoilForce[3], 0.5 * Es(3), 1e-9 * Es(3));
}

TEST(Weak_Rock, DepthIsMeasuredFromTheTopOfTheRockMass) {
  // Layer 2 (weak rock from 48 in) at depth 60: below weak rock or vuggy
  // limestone xr = 60, pur = 7200 * (1 + 1.4 * 60/24) = 32400, K_ir =
  // 50000 * (100 + 400 * 60/72); below clay xr = 12: pur = 7200 * 1.7.
  struct Case {
    int upper;
    double xr;
  } cases[] = {{SOIL_WEAK_ROCK, 60.0}, {SOIL_VUGGY_LIMESTONE, 60.0}, {SOIL_SOFT_CLAY, 12.0}};
  for (const Case& t : cases) {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Rock_Values v;
    v.qu = 2000.0;  // the upper layer's strength: vuggy limestone and clay take it too
    v.krm = 0.01;
    Add_Rock(t.upper, 0.0, 48.0, v, v);
    Add_Rock(SOIL_WEAK_ROCK, 48.0, 1200.0, Rock_Values(), Rock_Values());
    Assign_Layers();
    for (double y : {1.0e-5, 0.01}) {
      Set_Deflection(y);
      Py_Layer_Pass();
      ASSERT_FALSE(Error_Recorded()) << t.upper;
      const double want = Weak_Rock_p(500.0, 60.0, 50000.0, 0.0004, 24.0, t.xr, y) / y;
      EXPECT_NEAR(Es(6), want, 1e-6 * want) << "upper layer " << t.upper << ", y = " << y;
    }
  }
  // The hand-worked value for xr = 60 past y_A: 16200 (0.01/0.0096)^0.25 / 0.01.
  EXPECT_NEAR(Weak_Rock_p(500.0, 60.0, 50000.0, 0.0004, 24.0, 60.0, 0.01),
              16200.0 * std::pow(0.01 / 0.0096, 0.25), 1e-9);
}

TEST_F(Weak_Rock_Layer, RockPropertiesAtAnInterface) {
  // Weak rock (RQD 60, k_rm 0.0004) over weak rock (RQD 90, k_rm 0.0002) at 600 in.
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Rock_Values lower;
  lower.rqd = 90.0;
  lower.krm = 0.0002;
  lower.qu = 700.0;
  Add_Rock(SOIL_WEAK_ROCK, 0.0, 600.0, Rock_Values(), Rock_Values());
  Add_Rock(SOIL_WEAK_ROCK, 600.0, 1200.0, lower, lower);
  Assign_Layers();
  EXPECT_DOUBLE_EQ(fn_RQD(600.0), 75.0);     // mean of the two sides
  EXPECT_DOUBLE_EQ(fn_k_rm(600.0), 0.0002);  // the lower layer's value
  EXPECT_DOUBLE_EQ(fn_RQD(300.0), 60.0);
  EXPECT_DOUBLE_EQ(fn_RQD(1200.0), 90.0);    // the pile tip
  EXPECT_DOUBLE_EQ(fn_k_rm(1300.0), 0.0);    // below the profile
  // Node 51 at the interface starts layer 2: qu = (500 + 700) / 2, RQD 75,
  // k_rm 0.0002, xr = 600 (deep): pur = 5.2 * 0.5 * 600 * 24.
  Set_Deflection(0.05);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  const double pur = 5.2 * 0.5 * 600.0 * 24.0, yrm = 0.0048;
  const double want = std::fmin(0.5 * pur * std::pow(0.05 / yrm, 0.25), pur) / 0.05;
  EXPECT_NEAR(Es(51), want, 1e-6 * want);
}

TEST_F(Weak_Rock_Layer, BadRockPropertiesStopTheRunWithTheirErrorBlock) {
  struct Case {
    const char* what;
    double qu, krm, rqd, Eir, width;
    int number;
    const char* text;  // a line of the block
    bool message;      // the block also goes to the run-message file
  } cases[] = {
      {"zero strength", 0.0, 0.0004, 60.0, 50000.0, 24.0, 162,
       "Problem:   The input value for compressive strength is less than or equal to zero.", true},
      {"tiny strength", 1.0e-12, 0.0004, 60.0, 50000.0, 24.0, 116,
       "           input as negative or zero (0).", true},
      {"zero k_rm", 500.0, 0.0, 60.0, 50000.0, 24.0, 163,
       "Problem:  The input value for k_rm for weak rock is less than or equal to zero.", true},
      {"RQD over 100", 500.0, 0.0004, 120.0, 50000.0, 24.0, 149,
       "The interpolated value of RQD = 120", true},
      {"negative RQD", 500.0, 0.0004, -5.0, 50000.0, 24.0, 149, "100 percent.", true},
      {"no initial modulus", 500.0, 0.0004, 60.0, 0.0, 24.0, 164,
       "          must both be greater than zero.", true},
      {"negative initial modulus", 500.0, 0.0004, 60.0, -100.0, 24.0, 164,
       "Problem:  The p-y curve cannot be built from the rock properties at the depth 0", true},
      {"pile without width", 500.0, 0.0004, 60.0, 50000.0, 0.0, 222,
       "Problem:  The input value for k_rm is less than or equal to 0. ", true},
  };
  for (const Case& t : cases) {
    top = Rock_Values();
    top.qu = t.qu;
    top.krm = t.krm;
    top.rqd = t.rqd;
    top.Eir = t.Eir;
    bottom = top;
    Build(t.width);
    Run_Files_Capture files;
    Set_Deflection(0.01);
    Py_Layer_Pass();
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number) << t.what;
    const std::string r = files.report(), m = files.message();
    const int n = t.number % 100;
    const std::string header = t.number > 200 ? "**** Runtime Error No. " + fmt::I0(n) + " ****"
                                              : "**** Input Data Error No. " + fmt::I0(n) + " ****";
    EXPECT_NE(r.find(header), std::string::npos) << t.what;
    EXPECT_NE(r.find(t.text), std::string::npos) << t.what << "\n" << r;
    EXPECT_NE(r.find(Error_Code(t.number > 200 ? "RUN" : "INP", n)), std::string::npos) << t.what;
    EXPECT_EQ(m.find(t.text) != std::string::npos, t.message) << t.what;
  }
}

TEST_F(Weak_Rock_Layer, ReportOnlyErrorsAndTheDepthBelowTheRqdProfile) {
  // Equal top and bottom depths of the layer: runtime error 20, report only.
  RS().prob.soil.XLayerBottom[1] = 0.0;
  {
    Run_Files_Capture files;
    Set_Deflection(0.01);
    Py_Layer_Pass();
    EXPECT_EQ(RS().status.i_ErrorNumber, 220);
    EXPECT_NE(files.report().find("Problem:  The top and bottom elevations for weak rock layer are equal."),
              std::string::npos);
    EXPECT_EQ(files.message(), "");
  }
  // A tip node within the strength tolerance but below the RQD profile.
  Build();
  Pile_Model& pm = RS().sol.pile;
  pm.rd_Depth[101] = 1200.0 + 5.0e-7;
  Run_Files_Capture files;
  Py_Layer_Pass();
  EXPECT_EQ(RS().status.i_ErrorNumber, 131);
  const std::string m = files.message();
  EXPECT_NE(m.find("**** Input Data Error No. 31 ****"), std::string::npos);
  EXPECT_NE(m.find("RQD versus depth."), std::string::npos);
}

TEST(Weak_Rock, UnusualPropertiesLogTheirWarnings) {
  struct Case {
    int units;
    double qu, krm;
    int warning;
  } cases[] = {
      {US_UNITS, 50.0, 0.0004, 3071},  {US_UNITS, 1500.0, 0.0004, 3072}, {SI_UNITS, 500.0, 0.0004, 3073},
      {SI_UNITS, 7000.0, 0.0004, 3074}, {US_UNITS, 500.0, 1.0e-5, 316},  {US_UNITS, 500.0, 1.0e-3, 317},
  };
  for (const Case& t : cases) {
    Setup_Pile(t.units, 100.0, 50, 1.0);
    Rock_Values v;
    v.qu = t.qu;
    v.krm = t.krm;
    Add_Rock(SOIL_WEAK_ROCK, 0.0, 100.0, v, v);
    Assign_Layers();
    Set_Deflection(0.001);
    Py_Layer_Pass();
    ASSERT_FALSE(Error_Recorded()) << t.warning;
    EXPECT_EQ(RS().status.i_WarningCount[t.warning], 51) << t.warning;
    EXPECT_EQ(RS().status.i_WarningCount[0], 51) << t.warning;  // no other warning
  }
}

TEST_F(Weak_Rock_Layer, ReportBlockShowsTheCurveAtAnOutputDepth) {
  const Report_Text t = Report_Layers_At(24.0, 1, 1);
  ASSERT_FALSE(Error_Recorded());
  const std::string &r = t.report, &p = t.plot;
  EXPECT_NE(r.find("\n\np-y Curve Computed Using Weak Rock Criteria\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "           1")), std::string::npos);
  EXPECT_NE(r.find(Line("Depth below pile head", "       2.000", "ft")), std::string::npos);
  EXPECT_NE(r.find(Line("Unconfined Compressive Strength", "     500.000", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Avg. Eff. Unit Weight", "   138.24000", "pcf")), std::string::npos);
  EXPECT_NE(r.find(Line("RQD", "      60.000", "%")), std::string::npos);
  EXPECT_NE(r.find(Line("Eir", "      41200.", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Pu", "   17280.000", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("K_ir", " 0.96133E+07", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Alpha_r", "       0.600")), std::string::npos);
  EXPECT_NE(r.find(Line("Yu", "     0.90000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Yrm", "     0.00960", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Y_A", " 0.40889E-03", "in")), std::string::npos);
  EXPECT_NE(r.find("----------------    -----------------\n"), std::string::npos);
  // Point 16 at 16 yrm = 0.1536 in reaches pur; point 2 is y_A on the initial line.
  EXPECT_NE(r.find("   " + Number_Field(0.1536, 12) + "     " + Number_Field(17280.0, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(p.find(fmt::E(24.0, 15, 7) + "   17" + std::string(60, ' ') +
                   "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_NE(p.find(fmt::E(20.0 * 0.0096, 15, 7) + fmt::E(17280.0, 15, 7) + std::string(50, ' ') +
                   "Line 8(17): y, p, for weak rock\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for weak rock"), 17);
}

// Vuggy limestone: 24 in pile, qu = 3000 psi (c' = 1500), unit weight 0.1
// pci: y1 = 0.0096 in, p1 = 28800 lb/in, y2 = 0.0096 + 7200 / 150000 =
// 0.0576 in where p = b c' = 36000 lb/in. Node 11 lies at depth 120 in.
class Vuggy_Layer : public ::testing::Test {
 protected:
  void Build(double qu) {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Rock_Values v;
    v.gamma = 0.1;
    v.qu = qu;
    Add_Rock(SOIL_VUGGY_LIMESTONE, 0.0, 1200.0, v, v);
    Assign_Layers();
  }
  void SetUp() override { Build(3000.0); }
};

TEST_F(Vuggy_Layer, CurveBranchesMatchHandWorkedValues) {
  struct Case {
    double y, Es;
  } cases[] = {
      {0.0, 3.0e6},                                  // 2000 c'
      {0.005, 3.0e6},                                // initial line
      {0.03, (28800.0 + 150000.0 * 0.0204) / 0.03},  // 31860 / 0.03
      {-0.05, (28800.0 + 150000.0 * 0.0404) / 0.05},
      {0.1, 0.5 * 0.1 * 24.0 * 120.0 / 0.1},         // residual 144 lb/in past y2
  };
  for (const Case& t : cases) {
    Set_Deflection(t.y);
    Py_Layer_Pass();
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(11), t.Es, 1e-6 * t.Es) << "y = " << t.y;
  }
  // At the ground surface the residual resistance is 0.
  Set_Deflection(0.1);
  Py_Layer_Pass();
  EXPECT_EQ(Es(1), 0.0);
  EXPECT_EQ(RS().status.i_WarningCount[0], 0);
}

TEST_F(Vuggy_Layer, MultipliersAndSoilMovement) {
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {0.0, 2.0, 4.0};
  ld.PY_Modifier_Point[2] = {1200.0, 2.0, 4.0};
  ld.i_Number_of_Soil_Movement_Points = 2;
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) {
    pm.rd_SoilMovement[k] = 0.5;
    pm.rd_SoilForce[k] = 7.0;
  }
  Set_Deflection(0.12);  // y' = 0.03: soil movement is not considered
  Py_Layer_Pass();
  EXPECT_NEAR(Es(11), 31860.0 / 0.03 * 2.0 / 4.0, 1e-6 * 531000.0);
  EXPECT_EQ(pm.rd_SoilForce[11], 7.0);  // no soil force is written
  // The set-up pass at zero deflection: 2000 c' / ym, without the p-multiplier.
  Set_Deflection(0.0);
  Py_Setup_Vuggy_Limestone_Layer(1);
  for (int k : {1, 11, 101}) EXPECT_DOUBLE_EQ(Es(k), 750000.0) << k;
}

TEST_F(Vuggy_Layer, StrengthChecks) {
  // c' = 400 psi is outside 500 .. 2500: warning 308 at every node below the top.
  Build(800.0);
  Set_Deflection(0.01);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(RS().status.i_WarningCount[308], 100);
  // Without strength the curve does not exist.
  Build(0.0);
  Run_Files_Capture files;
  Py_Layer_Pass();
  EXPECT_EQ(RS().status.i_ErrorNumber, 162);
  EXPECT_NE(files.message().find("Solution:  Check the input values for layer 1"), std::string::npos);
}

TEST_F(Vuggy_Layer, ReportBlockShowsTheCurveAtAnOutputDepth) {
  const Report_Text t = Report_Layers_At(120.0, 1, 1);
  ASSERT_FALSE(Error_Recorded());
  const std::string &r = t.report, &p = t.plot;
  EXPECT_NE(r.find("\n\np-y Curve for Vuggy Limestone (Strong Rock) Criteria\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Depth below ground surface", "      10.000", "ft")), std::string::npos);
  EXPECT_NE(r.find(Line("Shaft Diameter", "      24.000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Uniaxial Compressive Strength", "    3000.000", "psi")), std::string::npos);
  EXPECT_NE(r.find("\n---------------   ---------------\n"), std::string::npos);
  // Point 2 at y1 (p1 = 0.8 b c'), point 17 at y2 (b c').
  EXPECT_NE(r.find("   " + Number_Field(0.0096, 12) + "     " + Number_Field(28800.0, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(r.find("   " + Number_Field(0.0576, 12) + "     " + Number_Field(36000.0, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(p.find("Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for vuggy limestone rock"), 17);
}

// Massive rock over nothing else: the layer pass stops at its first node.
TEST(Massive_Rock, StopsTheRunWithStatus99AndSaysWhy) {
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 120.0, Point_Values{0.03, 5.0, 0.01, 0.0, 0.0, 0.0});
  Add_Uniform_Layer(SOIL_MASSIVE_ROCK, 120.0, 1200.0, Point_Values{0.09, 0.0, 0.0, 0.0, 0.0, 0.0});
  Assign_Layers();
  Run_Files_Capture files;
  Set_Deflection(0.01);
  Py_Layer_Pass();
  EXPECT_EQ(RS().status.i_ErrorNumber, 99);
  EXPECT_EQ(RS().py.i_RockLayerCount, 0);  // the pass returned at once
  const std::string r = files.report(), m = files.message();
  for (const std::string* text : {&r, &m})
    EXPECT_NE(text->find("Problem:  Soil layer 2 uses the massive rock p-y criteria"), std::string::npos);
  EXPECT_EQ(r.find("ended prematurely"), std::string::npos);
}

TEST(Massive_Rock, StrengthAtDepthFollowsTheInterfaceTable) {
  // Soft clay (c = 5) over massive rock (qu 4000 at 120 in, 5000 at 1200 in).
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 120.0, Point_Values{0.03, 5.0, 0.01, 0.0, 0.0, 0.0});
  Add_Uniform_Layer(SOIL_MASSIVE_ROCK, 120.0, 1200.0, Point_Values{0.09, 0.0, 0.0, 0.0, 0.0, 0.0});
  Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
  pp.rd_MassRock_qu[3] = 4000.0;
  pp.rd_MassRock_qu[4] = 5000.0;
  Assign_Layers();
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(660.0), 4500.0);
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(1200.0), 5000.0);
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(120.0), (2.0 * 5.0 + 4000.0) / 2.0);  // cohesive over rock
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(60.0), 5.0);
  ASSERT_FALSE(Error_Recorded());
  // Below the profile: input error 5 in its rock wording.
  {
    Run_Files_Capture files;
    fn_HB_qu_at_DepthX(1300.0);
    EXPECT_EQ(RS().status.i_ErrorNumber, 105);
    const std::string r = files.report(), m = files.message();
    EXPECT_NE(r.find("the input data defining pile embedment depth and values of uniaxial \n"), std::string::npos);
    EXPECT_NE(m.find("between the input data defining pile embedment depth and rock \n"), std::string::npos);
    for (const std::string* text : {&r, &m})
      EXPECT_NE(text->find("uniaxial compressive strength versus depth at 1200"), std::string::npos);
  }
  // Sand over user p-y curves: no rule for the pair, the lower layer's value.
  RS().status.i_ErrorNumber = 0;
  RS().prob.soil.i_SoilLayer_py_Type[1] = SOIL_SAND;
  RS().prob.soil.i_SoilLayer_py_Type[2] = SOIL_USER_PY;
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(120.0), 0.0);  // the user layer holds no strength
  EXPECT_FALSE(Error_Recorded());
}

TEST(Rock_Above, ClayUnderWeakRockUsesTheDepthBelowTheGroundSurface) {
  // Ground surface 24 in below the pile head; weak rock (unit weight 0.08
  // pci) to 120 in, then soft clay (c = 5 psi, 0.03 pci, e50 = 0.01).
  // Clay node 12 at 132 in: z = 132 - 24 = 108, average unit weight
  // (0.08 * 96 + 0.03 * 12) / 108 = 0.0744444, Np = 3 + 0.0744444 * 108/5
  // + 0.5 * 108/24 = 6.858, pu = 6.858 * 5 * 24 = 822.96 lb/in; at y = y50
  // = 0.6 in p = pu / 2 = 411.48, Es = 685.8.
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Add_Rock(SOIL_WEAK_ROCK, 24.0, 120.0, Rock_Values(), Rock_Values());
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 120.0, 1200.0, Point_Values{0.03, 5.0, 0.01, 0.0, 0.0, 0.0});
  Assign_Layers();
  ASSERT_EQ(RS().sol.pile.i_TopNodeInLayer[1], 3);
  Set_Deflection(0.6);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(RS().py.ib_RockAbove[1], L_TRUE);
  EXPECT_EQ(RS().py.ib_RockAbove[2], L_TRUE);
  EXPECT_EQ(RS().py.rd_EquivDepthTop[2], EQUIV_DEPTH_UNSET);  // no layered-soil correction
  EXPECT_NEAR(Es(12), 685.8, 1e-6 * 685.8);
  // The rock's first node, at the ground surface: xr = 0, so K_ir = 100 Eir.
  Set_Deflection(1.0e-6);
  Py_Layer_Pass();
  EXPECT_NEAR(Es(3), 100.0 * 50000.0, 1e-8 * 5.0e6);  // xr = 1e-8 in
}

TEST(Rock_Layer_Pass, AllocatesNothing) {
  Setup_Pile(US_UNITS, 1200.0, 500, 24.0);
  Add_Rock(SOIL_WEAK_ROCK, 0.0, 300.0, Rock_Values(), Rock_Values());
  Rock_Values vuggy;
  vuggy.qu = 3000.0;
  Add_Rock(SOIL_VUGGY_LIMESTONE, 300.0, 700.0, vuggy, vuggy);
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 700.0, 1200.0, Point_Values{0.03, 5.0, 0.01, 0.0, 0.0, 0.0});
  Assign_Layers();
  Set_Multipliers(0.8, 1.0, 1200.0);
  RS().prob.load.i_Number_of_Soil_Movement_Points = 2;
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_Y[k] = 0.05 - k * 0.0002;
  const long before = ormyx_test::g_allocations;
  Py_Layer_Pass();
  Py_Setup_Vuggy_Limestone_Layer(2);
  const long used = ormyx_test::g_allocations - before;
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(used, 0);
}

// Whole runs through the engine: a 60 ft elastic pile, 24 in wide, under a
// head shear, in profiles with rock. The run ends normally and the soil
// reaction balances the head shear and moment.
// The two-layer soft clay test input with other layers (count and layer lines) and
// another head shear, without axial thrust.
std::string Rock_Input(const std::string& layers, const std::string& shear) {
  std::string t = ormyx_test::Read_File(ormyx_test::Data_Path("us_soft_clay_two_layers.inp"));
  t.replace(t.find("1 1 10000.0 0.0 50000.0 1"), 25, "1 1 " + shear + " 0.0 0.0 1");
  const std::size_t a = t.find("SOIL LAYERS\n") + 12, e = t.find("LOADING");
  t.replace(a, e - a, layers);
  return t;
}

TEST(Rock_Engine_Run, EndsNormallyAndBalancesTheHeadShear) {
  const std::string weak_rock = "135.0 500.0 50000.0 60.0 0.0004\n135.0 600.0 80000.0 70.0 0.0004\n";
  struct Case {
    const char* what;
    std::string layers;
    const char* shear;
    double top_y;  // the head deflection lies past y_A, or past y1 = 0.0096 in
  } cases[] = {
      {"soft clay over weak rock",
       "2\n1 0.0 10.0\n110.0 500.0 0.02\n110.0 800.0 0.01\n8 10.0 70.0\n" + weak_rock, "10000.0", 0.0},
      {"weak rock over soft clay",
       "2\n8 0.0 10.0\n" + weak_rock + "1 10.0 70.0\n115.0 900.0 0.01\n120.0 1200.0 0.005\n", "200000.0", 0.01},
      {"vuggy limestone", "1\n9 0.0 70.0\n135.0 3000.0\n135.0 3000.0\n", "400000.0", 0.0096},
  };
  for (const Case& t : cases) {
    ormyx_test::Run_Result r = ormyx_test::Run_Engine(Rock_Input(t.layers, t.shear));
    ASSERT_EQ(r.status, 0) << t.what << "\n" << r.report;
    EXPECT_NE(r.report.find("The analysis ended normally."), std::string::npos) << t.what;
    const std::vector<ormyx_test::Plot_Node> nodes = ormyx_test::Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), 101u) << t.what;
    EXPECT_GT(nodes.front().y, t.top_y) << t.what;
    const auto [force, moment] = ormyx_test::Integrate_Reaction(nodes);
    const double V0 = nodes.front().V;
    EXPECT_NEAR(V0, std::stod(t.shear), 1e-6 * V0) << t.what;
    EXPECT_LT(std::fabs(V0 + force) / V0, 1e-5) << t.what << ": " << force;
    EXPECT_LT(std::fabs(moment) / (V0 * nodes.back().x), 1e-5) << t.what << ": " << moment;
  }
}

TEST(Rock_Engine_Run, MassiveRockEndsTheRunWithStatus99) {
  ormyx_test::Run_Result r = ormyx_test::Run_Engine(Rock_Input(
      "2\n1 0.0 10.0\n110.0 500.0 0.02\n110.0 800.0 0.01\n16 10.0 70.0\n135.0 5000.0 35 50 2.5\n"
      "135.0 6000.0 35 60 3.5\n",
      "10000.0"));
  EXPECT_EQ(r.status, 99);
  for (const std::string* text : {&r.report, &r.message}) {
    EXPECT_NE(text->find("**** Massive Rock Criteria Not Available ****"), std::string::npos);
    EXPECT_EQ(text->find("The analysis ended normally."), std::string::npos);
  }
  EXPECT_EQ(ormyx_test::Count_Containing(r.plot, "Line 10("), 0);  // no results
}

}  // namespace
