// The layer pass: dispatch by keyword, rock flags and counts, layers without
// nodes or without a routine, report mode, the elastic subgrade model, and
// the pass itself allocating nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "engine/format.h"
#include "engine/messages.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "tests/alloc_counter.h"
#include "tests/py_fixture.h"
#include "tests/py_helpers.h"

namespace {

using namespace py_test;

Point_Values Soil(double c = 5.0, double Es = 100.0) {
  Point_Values v;
  v.gamma = 0.01;
  v.c = c;
  v.eps50 = 0.01;
  v.J = 0.5;
  v.phi = 30.0;
  v.Es = Es;
  return v;
}

// Layers of 10 length units each, generic units, nodes one unit apart.
void Build_Layers(const std::vector<int>& codes) {
  const double Lp = 10.0 * double(codes.size());
  Setup_Pile(GENERIC_UNITS, Lp, int(codes.size()) * 10, 1.0);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    Add_Uniform_Layer(codes[i], 10.0 * double(i), 10.0 * double(i + 1), Soil());
    // Sands need their k in generic units (no default there).
    if (codes[i] == SOIL_SAND || codes[i] == SOIL_API_SAND)
      RS().prob.soil.rd_kTop[int(i) + 1] = RS().prob.soil.rd_kBottom[int(i) + 1] = 100.0;
  }
  // A user p-y layer needs its two curves: a straight line at top and bottom.
  for (int j = 1; j <= 2 * int(codes.size()); ++j) {
    User_Py_Curve_Record& c = RS().prob.soil.User_Py_Curve[j];
    c.rd_Depth = 10.0 * double(j / 2);
    c.i_Number_of_Points = 2;
    c.y[2] = 1.0;
    c.p[2] = 10.0;
  }
  Assign_Layers();
}

TEST(Py_Layer_Pass, RockFlagsFollowTheRockTypeLayersAbove) {
  struct Case {
    std::vector<int> codes;
    std::vector<int> flags;
    int count;
  } cases[] = {
      {{SOIL_SOFT_CLAY, SOIL_WEAK_ROCK, SOIL_SOFT_CLAY}, {0, -1, -1}, 1},  // weak rock flags itself
      {{SOIL_ELASTIC_SUBGRADE, SOIL_SAND, SOIL_SOFT_CLAY}, {0, -1, -1}, 1},
      {{SOIL_PIEDMONT, SOIL_ELASTIC_SUBGRADE, SOIL_SOFT_CLAY}, {0, -1, -1}, 2},  // massive rock stops the run
      {{SOIL_SOFT_CLAY, SOIL_USER_PY, SOIL_SOFT_CLAY}, {0, 0, 0}, 0},
      {{SOIL_ELASTIC_SUBGRADE, SOIL_USER_PY, SOIL_SOFT_CLAY}, {0, 0, -1}, 1},  // user p-y: no step
      {{SOIL_FROZEN_SOIL, SOIL_ELASTIC_SUBGRADE, SOIL_SOFT_CLAY}, {0, 0, -1}, 1},
      {{SOIL_SOFT_CLAY, SOIL_STIFF_CLAY_NO_WATER, SOIL_LOESS}, {0, 0, 0}, 0},
  };
  for (const Case& t : cases) {
    Build_Layers(t.codes);
    for (std::size_t L = 1; L <= t.codes.size(); ++L)  // weak rock needs its initial modulus
      if (t.codes[L - 1] == SOIL_WEAK_ROCK) RS().prob.soil.rd_kTop[int(L)] = RS().prob.soil.rd_kBottom[int(L)] = 1000.0;
    Set_Deflection(0.01);
    Py_Layer_Pass();
    ASSERT_FALSE(Error_Recorded());
    for (std::size_t L = 1; L <= t.codes.size(); ++L)
      EXPECT_EQ(RS().py.ib_RockAbove[int(L)], t.flags[L - 1]) << "case with layer 2 code " << t.codes[1]
                                                               << ", layer " << L;
    EXPECT_EQ(RS().py.i_RockLayerCount, t.count);
  }
}

TEST(Py_Layer_Pass, ALayerWithoutNodesTakesNoPart) {
  // A thin elastic subgrade layer between two nodes: it holds no node, so it
  // neither counts as rock nor flags the clay below.
  Setup_Pile(GENERIC_UNITS, 20.0, 20, 1.0);
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 10.2, Soil());
  Add_Uniform_Layer(SOIL_ELASTIC_SUBGRADE, 10.2, 10.7, Soil());
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 10.7, 20.0, Soil());
  Assign_Layers();
  ASSERT_EQ(RS().sol.pile.i_TopNodeInLayer[2], 0);
  Set_Deflection(0.01);
  Py_Layer_Pass();
  EXPECT_EQ(RS().py.ib_RockAbove[3], 0);
  EXPECT_EQ(RS().py.i_RockLayerCount, 0);
  EXPECT_NE(RS().py.rd_EquivDepthTop[3], EQUIV_DEPTH_UNSET);
}

TEST(Py_Layer_Pass, ModelsWithoutARoutineKeepTheirModuli) {
  Build_Layers({SOIL_SAND, SOIL_SOFT_CLAY, SOIL_FROZEN_SOIL});
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilModulus[k] = 123.0;
  Set_Deflection(0.01);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  for (int k : {21, 25, 31}) EXPECT_EQ(pm.rd_SoilModulus[k], 123.0) << "node " << k;
  for (int k : {1, 5, 10, 11, 15, 20}) EXPECT_NE(pm.rd_SoilModulus[k], 123.0) << "node " << k;
}

TEST(Py_Layer_Pass, ElasticSubgradeModulusIsLinearAndIndependentOfDeflection) {
  Setup_Pile(US_UNITS, 100.0, 50, 12.0);
  Point_Values top = Soil(0.0, 100.0), bottom = Soil(0.0, 300.0);
  Add_Layer(SOIL_ELASTIC_SUBGRADE, 0.0, 100.0, top, bottom);
  Assign_Layers();
  Pile_Model& pm = RS().sol.pile;
  for (double y : {0.0, 0.01, 5.0}) {
    Set_Deflection(y);
    Py_Layer_Pass();
    // Node 26 at depth 50: Es,sg = 200, k = 200 * 12.
    EXPECT_DOUBLE_EQ(pm.rd_SoilModulus[26], 2400.0) << "y = " << y;
    EXPECT_DOUBLE_EQ(pm.rd_SoilModulus[1], 1200.0);
  }
  // p-multiplier 2 doubles the modulus, y-multiplier 4 divides it.
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {0.0, 2.0, 4.0};
  ld.PY_Modifier_Point[2] = {100.0, 2.0, 4.0};
  ld.i_Number_of_Soil_Movement_Points = 2;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilMovement[k] = 0.25;
  Py_Layer_Pass();
  EXPECT_DOUBLE_EQ(pm.rd_SoilModulus[26], 2400.0 * 2.0 / 4.0);
  EXPECT_DOUBLE_EQ(pm.rd_SoilForce[26], 0.25 * 1200.0);
}

TEST(Py_Layer_Pass, VuggyLimestoneSetUpFlagsTheLayerFromItsSecondCall) {
  Build_Layers({SOIL_SOFT_CLAY, SOIL_VUGGY_LIMESTONE, SOIL_SOFT_CLAY});
  Py_Setup_Vuggy_Limestone_Layer(2);
  EXPECT_EQ(RS().py.ib_RockAbove[2], 0);
  EXPECT_EQ(RS().py.i_RockLayerCount, 1);
  Py_Setup_Vuggy_Limestone_Layer(2);
  EXPECT_TRUE(fn_Py_Layer_Has_Rock_Above(2));
  EXPECT_EQ(RS().py.i_RockLayerCount, 2);
  EXPECT_TRUE(fn_Py_Layer_Lacks_Equivalent_Depth(3));
  Set_Deflection(0.01);
  Py_Layer_Pass();  // the pass counts from 0 again: vuggy limestone flags layer 3
  EXPECT_EQ(RS().py.ib_RockAbove[3], L_TRUE);
  EXPECT_TRUE(fn_Py_Layer_Lacks_Equivalent_Depth(3));
}

TEST(Py_Layer_Pass, AllocatesNothing) {
  Setup_Pile(US_UNITS, 1200.0, 500, 24.0);
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 300.0, Soil(5.0));
  Add_Uniform_Layer(SOIL_SOFT_CLAY_J, 300.0, 700.0, Soil(8.0));
  Add_Uniform_Layer(SOIL_SAND, 700.0, 800.0, Soil());
  Add_Uniform_Layer(SOIL_ELASTIC_SUBGRADE, 800.0, 1000.0, Soil());
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 1000.0, 1200.0, Soil(20.0));
  Assign_Layers();
  Set_Options_For_Allocation_Check();
  const long before = ormyx_test::g_allocations;
  Py_Layer_Pass();
  const long used = ormyx_test::g_allocations - before;
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(used, 0);
}

class Report_Mode : public ::testing::Test {
 protected:
  // Soft clay over soft clay in US units; output depth 180 in (layer 2).
  void SetUp() override {
    Setup_Pile(US_UNITS, 240.0, 40, 12.0);
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 120.0, Soil(5.0));
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 120.0, 240.0, Soil(5.0));
    Assign_Layers();
    RS().py.rd_EquivDepthTop[2] = 33.0;
  }
  std::string Report_At(double depth) { return Report_Layers_At(depth, 1, 2).report; }
  static std::string Line(const std::string& label, const std::string& field) {
    return label + std::string(55 - label.size(), ' ') + "= " + field;
  }
};

TEST_F(Report_Mode, UsesTheStoredEquivalentDepthOrThePlainDepthBelowRock) {
  EXPECT_NE(Report_At(180.0).find(Line("Equivalent Depth", "      93.000 in")), std::string::npos);
  RS().py.ib_RockAbove[2] = L_TRUE;
  EXPECT_NE(Report_At(180.0).find(Line("Equivalent Depth", "     180.000 in")), std::string::npos);
  EXPECT_EQ(RS().py.rd_EquivDepthTop[2], 33.0);  // report mode computes nothing
}

TEST_F(Report_Mode, SlopeSignComesFromTheDeflectionAtTheOutputDepth) {
  const double a = 20.0 * std::numbers::pi / 180.0;
  RS().prob.load.rd_SlopeAngle = a;
  RS().prob.load.rd_SlopeMinusBatter = a;
  Pile_Model& pm = RS().sol.pile;
  // Deflection positive above 174 in and negative below.
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_Y[k] = 174.0 - pm.rd_Depth[k];
  const std::string same = fmt::F(1.0 / (1.0 + std::tan(a)), 12, 3);
  const std::string opposite = fmt::F(std::cos(a) * std::sqrt(0.5) / std::cos(a + std::numbers::pi / 4), 12, 3);
  EXPECT_NE(Report_At(170.0).find(Line("Sloping Ground Factor", same)), std::string::npos);
  EXPECT_NE(Report_At(178.0).find(Line("Sloping Ground Factor", opposite)), std::string::npos);
}

TEST_F(Report_Mode, ElasticSubgradeBlock) {
  RS().prob.soil.i_SoilLayer_py_Type[2] = SOIL_ELASTIC_SUBGRADE;
  const std::string r = Report_At(180.0);
  EXPECT_NE(r.find("\n\np-y Curve for Elastic Subgrade\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "         2\n")), std::string::npos);
  EXPECT_NE(r.find(Line("Elastic Subgrade Modulus", "     100.000 psi\n")), std::string::npos);
  // Point 17 at y = 2b = 24 in: p = Es b y = 100 * 12 * 24.
  EXPECT_NE(r.find("   " + Number_Field(24.0, 12) + "     " + Number_Field(28800.0, 12) + "\n"),
            std::string::npos);
}

}  // namespace
