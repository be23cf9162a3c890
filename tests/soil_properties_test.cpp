// Soil properties versus depth: interpolation within layers, the rules at a
// layer interface, averages from the ground surface, multipliers, and the
// errors raised outside the profile.
#include <gtest/gtest.h>

#include "engine/messages.h"
#include "pycurves/soil_properties.h"
#include "tests/py_fixture.h"

namespace {

using namespace py_test;

Point_Values PV(double gamma, double c, double eps50 = 0.0, double J = 0.0, double phi = 0.0) {
  Point_Values v;
  v.gamma = gamma;
  v.c = c;
  v.eps50 = eps50;
  v.J = J;
  v.phi = phi;
  return v;
}

// Clay over clay over sand over weak rock, generic units, pile to 40.
class Layered_Profile : public ::testing::Test {
 protected:
  void SetUp() override {
    Setup_Pile(GENERIC_UNITS, 40.0, 40, 1.0);
    Add_Layer(SOIL_SOFT_CLAY, 0, 10, PV(10, 1, 0.01, 0.4, 0), PV(20, 3, 0.02, 0.6, 0));
    Add_Layer(SOIL_SOFT_CLAY, 10, 20, PV(30, 5, 0.0, 0.8, 0), PV(30, 7, 0.03, 0.8, 0));
    Add_Layer(SOIL_SAND, 20, 30, PV(30, 0, 0, 0, 30), PV(30, 0, 0, 0, 36));
    Add_Layer(SOIL_WEAK_ROCK, 30, 40, PV(30, 100), PV(30, 200));
  }
};

TEST_F(Layered_Profile, CohesionInterpolatesWithinLayersAndFollowsTheInterfaceTable) {
  struct Case {
    double xv, c;
  } cases[] = {
      {0.0, 1.0},        // ground surface
      {5.0, 2.0},        // middle of layer 1
      {15.0, 6.0},       // middle of layer 2
      {10.0, 4.0},       // clay over clay: the average
      {10.0 + 5e-7, 4.0},  // within the interface tolerance
      {20.0, 7.0},       // clay over sand: the clay's value
      {30.0, 100.0},     // sand over rock: the rock's value
      {35.0, 150.0},
      {40.0, 200.0},     // the deepest point
  };
  for (const Case& t : cases) EXPECT_DOUBLE_EQ(fn_c(t.xv), t.c) << "xv = " << t.xv;
  EXPECT_FALSE(Error_Recorded());
  EXPECT_TRUE(fn_c_At_Interface(10.0));
  EXPECT_TRUE(fn_c_At_Interface(30.0));
  EXPECT_FALSE(fn_c_At_Interface(0.0));
  EXPECT_FALSE(fn_c_At_Interface(40.0));
  EXPECT_FALSE(fn_c_At_Interface(15.0));
}

TEST_F(Layered_Profile, OtherPropertiesAverageAtAnInterfaceOrTakeTheNonZeroSide) {
  EXPECT_DOUBLE_EQ(fn_J(5.0), 0.5);
  EXPECT_DOUBLE_EQ(fn_J(10.0), 0.7);          // (0.6 + 0.8) / 2
  EXPECT_DOUBLE_EQ(fn_Epsilon50(10.0), 0.02);  // the lower side is 0
  EXPECT_DOUBLE_EQ(fn_Epsilon50(20.0), 0.03);  // the lower side (sand) is 0
  EXPECT_DOUBLE_EQ(fn_Phi(20.0), 30.0);        // the upper side (clay) is 0
  EXPECT_DOUBLE_EQ(fn_Phi(25.0), 33.0);
  EXPECT_DOUBLE_EQ(fn_Epsilon50(41.0), 0.0);
  EXPECT_DOUBLE_EQ(fn_J(41.0), 0.0);
  EXPECT_FALSE(Error_Recorded());
}

TEST_F(Layered_Profile, ThePileTipAtAnInterfaceTakesTheUpperValue) {
  RS().sol.pile.rd_PileLength = 10.0;
  EXPECT_DOUBLE_EQ(fn_c(10.0), 3.0);
  EXPECT_DOUBLE_EQ(fn_J(10.0), 0.6);
}

TEST_F(Layered_Profile, AveragesIntegrateTheProfileFromTheGroundSurface) {
  // Unit weight 10 + z over 0..10, then 30: integral to 15 = 150 + 150.
  EXPECT_DOUBLE_EQ(fn_Gamma_Average(5.0), (10.0 * 5 + 5.0 * 5 / 2) / 5.0);
  EXPECT_DOUBLE_EQ(fn_Gamma_Average(10.0), 15.0);
  EXPECT_DOUBLE_EQ(fn_Gamma_Average(15.0), 20.0);
  EXPECT_DOUBLE_EQ(fn_Gamma_Average(0.0), 10.0);  // at the surface: the first unit weight
  // Cohesion 1 + 0.2 z over 0..10, then 5 + 0.2 (z - 10): integral to 15 = 20 + 27.5.
  EXPECT_NEAR(fn_c_Average(15.0), 47.5 / 15.0, 1e-12);
  EXPECT_DOUBLE_EQ(fn_c_Average(0.0), 1.0);
  EXPECT_FALSE(Error_Recorded());
}

TEST(Soil_Properties, AveragesStartAtAGroundSurfaceBelowThePileHead) {
  Setup_Pile(GENERIC_UNITS, 20.0, 40, 1.0);
  Add_Layer(SOIL_SOFT_CLAY, 4, 20, PV(8, 2), PV(24, 10));
  EXPECT_DOUBLE_EQ(fn_Gamma_Average(3.0), 0.0);  // above the ground surface
  EXPECT_DOUBLE_EQ(fn_Gamma_Average(12.0), 12.0);
  EXPECT_DOUBLE_EQ(fn_c_Average(20.0), 6.0);
}

TEST(Soil_Properties, StrengthAtClayRockInterfacesWeighsTheRock) {
  Setup_Pile(GENERIC_UNITS, 30.0, 30, 1.0);
  Add_Layer(SOIL_SOFT_CLAY, 0, 10, PV(10, 2), PV(10, 4));
  Add_Layer(SOIL_WEAK_ROCK, 10, 20, PV(10, 100), PV(10, 100));
  Add_Layer(SOIL_STIFF_CLAY_NO_WATER, 20, 30, PV(10, 8), PV(10, 8));
  EXPECT_DOUBLE_EQ(fn_c(10.0), (2 * 4.0 + 100.0) / 2);  // clay above rock
  EXPECT_DOUBLE_EQ(fn_c(20.0), (2 * 8.0 + 100.0) / 2);  // rock above clay
}

TEST(Soil_Properties, DepthBelowTheStrengthProfileIsInputError5) {
  Setup_Pile(GENERIC_UNITS, 12.0, 40, 1.0);
  Add_Layer(SOIL_SOFT_CLAY, 0, 10, PV(10, 2), PV(10, 4));
  Run_Files_Capture files;
  EXPECT_DOUBLE_EQ(fn_c(12.0), 0.0);
  EXPECT_EQ(RS().status.i_ErrorNumber, 105);
  const std::string r = files.report();
  EXPECT_NE(r.find("**** Input Data Error No. 5 ****"), std::string::npos);
  EXPECT_NE(r.find("shear strength of soil versus depth at 10.0"), std::string::npos);
  EXPECT_NE(r.find("Ormyx ended prematurely due to input error number INP00005"), std::string::npos);
}

TEST(Soil_Properties, AveragesAndFrictionAngleBelowTheProfileAreInputErrors) {
  struct Case {
    double (*fn)(double);
    int number;
    const char* header;
  } cases[] = {
      {fn_c_Average, 103, "**** Input Data Error No. 3 ****"},
      {fn_Gamma_Average, 115, "**** Input Data Error No. 15 ****"},
      {fn_Phi, 104, "**** Input Data Error No. 4 ****"},
  };
  for (const Case& t : cases) {
    Setup_Pile(GENERIC_UNITS, 12.0, 40, 1.0);
    Add_Layer(SOIL_SAND, 0, 10, PV(10, 2, 0, 0, 30), PV(10, 4, 0, 0, 30));
    Run_Files_Capture files;
    EXPECT_DOUBLE_EQ(t.fn(10.5), 0.0);
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number);
    EXPECT_NE(files.report().find(t.header), std::string::npos) << t.header;
  }
  // The friction-angle block keeps the strength block's opening lines and
  // changes only its problem, profile and solution lines.
  Setup_Pile(GENERIC_UNITS, 12.0, 40, 1.0);
  Add_Layer(SOIL_SAND, 0, 10, PV(10, 2, 0, 0, 30), PV(10, 4, 0, 0, 30));
  Run_Files_Capture files;
  fn_Phi(10.5);
  EXPECT_NE(files.report().find("**** Input Data Error No. 4 ****\n\n"
                                "An error was detected that is related to an incompatibility\n"
                                "between the input data defining the embedment of the pile and\n"
                                "the maximum depth of the soil shear strength data.\n"
                                "Problem:  The value for a pile station depth is 10.5"),
            std::string::npos);
}

// Pairs the strength table has no rule for (two cohesionless layers, residual
// soil over rock, user curves under sand) take the lower layer's strength: the
// interface node is that layer's first node. Nothing is recorded.
TEST(Soil_Properties, PairWithoutARuleTakesTheLowerLayersStrength) {
  const int pairs[][2] = {{SOIL_SAND, SOIL_API_SAND},
                          {SOIL_SAND, SOIL_LOESS},
                          {SOIL_PIEDMONT, SOIL_WEAK_ROCK},
                          {SOIL_USER_PY, SOIL_PIEDMONT},
                          {SOIL_ELASTIC_SUBGRADE, SOIL_SAND}};
  for (const auto& pr : pairs) {
    Setup_Pile(GENERIC_UNITS, 20.0, 20, 1.0);
    Add_Layer(pr[0], 0, 10, PV(10, 3, 0, 0, 30), PV(10, 5, 0, 0, 30));
    Add_Layer(pr[1], 10, 20, PV(10, 7, 0, 0, 30), PV(10, 9, 0, 0, 30));
    Run_Files_Capture files;
    EXPECT_DOUBLE_EQ(fn_c(10.0), 7.0) << pr[0] << " over " << pr[1];
    EXPECT_FALSE(Error_Recorded());
    EXPECT_EQ(files.report().find("Runtime Error"), std::string::npos);
  }
}

TEST(Soil_Properties, ZeroThicknessAndMissingInterfaceAreReported) {
  // A first layer of no thickness: no interval to interpolate in.
  Setup_Pile(GENERIC_UNITS, 10.0, 20, 1.0);
  Add_Layer(SOIL_SOFT_CLAY, 0, 0, PV(10, 2), PV(10, 2));
  Add_Layer(SOIL_SOFT_CLAY, 0, 10, PV(10, 2), PV(10, 4));
  {
    Run_Files_Capture files;
    fn_c(-1.0);
    EXPECT_EQ(RS().status.i_ErrorNumber, 160);
    EXPECT_NE(files.report().find("**** Input Data Error No. 60 ****"), std::string::npos);
  }
  // A gap between two layers: the bottom of the upper layer and the top of
  // the lower one are single profile points, read from the profile (10 ft:
  // c = 4 of the upper bottom; 12 ft: c = 6 of the lower top).
  Setup_Pile(GENERIC_UNITS, 20.0, 20, 1.0);
  Add_Layer(SOIL_SOFT_CLAY, 0, 10, PV(10, 2), PV(10, 4));
  Add_Layer(SOIL_SOFT_CLAY, 12, 20, PV(10, 6), PV(10, 8));
  {
    Run_Files_Capture files;
    EXPECT_DOUBLE_EQ(fn_c(10.0), 4.0);
    EXPECT_DOUBLE_EQ(fn_c(12.0), 6.0);
    EXPECT_FALSE(Error_Recorded()) << files.report();
  }
  // An interface in the profile that no pair of layers has.
  Setup_Pile(GENERIC_UNITS, 20.0, 20, 1.0);
  Add_Layer(SOIL_SOFT_CLAY, 0, 10, PV(10, 2), PV(10, 4));
  Add_Layer(SOIL_SOFT_CLAY, 10, 20, PV(10, 6), PV(10, 8));
  RS().prob.soil.XLayerTop[2] = 12.0;
  {
    Run_Files_Capture files;
    fn_c(10.0);
    EXPECT_EQ(RS().status.i_ErrorNumber, 999);
    const std::string r = files.report();
    EXPECT_NE(r.find("The layer interface cannot be located"), std::string::npos);
    EXPECT_NE(r.find("RUN00999"), std::string::npos);
  }
}

TEST(Soil_Properties, MultipliersInterpolateStepAndDefaultToOne) {
  Setup_Pile(GENERIC_UNITS, 20.0, 20, 1.0);
  EXPECT_EQ(fn_p_Multiplier(5.0), 1.0);  // no table
  EXPECT_EQ(fn_y_Multiplier(5.0), 1.0);
  Loading_Records& ld = RS().prob.load;
  const PY_Modifier_Point_Record rows[] = {{0, 1.0, 1.0}, {10, 0.5, 2.0}, {10, 0.3, 3.0}, {20, 0.2, 4.0}};
  ld.i_Number_of_PY_Modifier_Points = 4;
  for (int k = 1; k <= 4; ++k) ld.PY_Modifier_Point[k] = rows[k - 1];
  struct Case {
    double x, p, y;
  } cases[] = {
      {-1.0, 1.0, 1.0},  // above the table
      {0.0, 1.0, 1.0},
      {5.0, 0.75, 1.5},
      {10.0, 0.3, 3.0},  // a step: the lower row
      {15.0, 0.25, 3.5},
      {20.0, 0.2, 4.0},  // the last row
      {20.5, 1.0, 1.0},  // below the table
  };
  for (const Case& t : cases) {
    EXPECT_DOUBLE_EQ(fn_p_Multiplier(t.x), t.p) << "x = " << t.x;
    EXPECT_DOUBLE_EQ(fn_y_Multiplier(t.x), t.y) << "x = " << t.x;
  }
  // A step at the last depth: that depth takes the upper row of the step.
  ld.PY_Modifier_Point[4] = {10, 0.2, 4.0};
  ld.i_Number_of_PY_Modifier_Points = 3;
  ld.PY_Modifier_Point[3] = {10, 0.3, 3.0};
  EXPECT_DOUBLE_EQ(fn_p_Multiplier(10.0), 0.5);
  EXPECT_DOUBLE_EQ(fn_y_Multiplier(10.0), 2.0);
  EXPECT_DOUBLE_EQ(fn_p_Multiplier(10.5), 1.0);
  // A single row applies at its own depth only.
  ld.i_Number_of_PY_Modifier_Points = 1;
  ld.PY_Modifier_Point[1] = {10, 0.4, 2.5};
  EXPECT_DOUBLE_EQ(fn_p_Multiplier(10.0), 0.4);
  EXPECT_DOUBLE_EQ(fn_y_Multiplier(9.0), 1.0);
}

}  // namespace
