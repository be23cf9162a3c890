// p-y curves at user depths: order and duplicates of the depth list, the
// curves against the soft clay formula worked by hand, the untouched result
// of load case 1, the non-fatal block of a depth above the ground surface and
// the node model put back afterwards.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "pycurves/py_user_depths.h"
#include "tests/py_fixture.h"
#include "tests/test_data.h"
#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

// The two-layer soft clay test input with p-y curves requested at the given depths (ft).
std::string With_Depths(const std::vector<double>& depths) {
  std::string t = Read_File(Data_Path("us_soft_clay_two_layers.inp"));
  t.replace(t.find("PrintPYCurves NO"), 16, "PrintPYCurves YES");
  std::string block = "DEPTHS OF PRINTED P-Y CURVES\n" + std::to_string(depths.size()) + "\n";
  for (std::size_t i = 0; i < depths.size(); ++i)
    block += std::to_string(i + 1) + " " + std::to_string(depths[i]) + "\n";
  t.replace(t.find("END"), 3, block + "END");
  return t;
}

std::vector<std::string> Lines_With(const std::string& text, const std::string& needle) {
  std::vector<std::string> out;
  for (const std::string& l : Split_Lines(text))
    if (l.find(needle) != std::string::npos) out.push_back(l);
  return out;
}

double Field(const std::string& line, int i) {
  std::istringstream in(line);
  double v = 0.0;
  for (int k = 0; k <= i; ++k) in >> v;
  return v;
}

}  // namespace

// Depths 30, 10, 30, 5 ft: three curves at 5, 10 and 30 ft, in that order,
// numbered 1 to 3; the 10 ft curve follows Matlock's formula.
TEST(Py_User_Depths, SortedDistinctCurvesMatchTheSoftClayFormula) {
  const Run_Result r = Run_Engine(With_Depths({30.0, 10.0, 30.0, 5.0}));
  ASSERT_LE(r.status, 0) << r.report;
  EXPECT_EQ(Count_Containing(r.plot, "    3" + std::string(75, ' ') + "Line 6 : number of output p-y curves"), 1);
  const auto l7 = Lines_With(r.plot, "Line 7:");
  ASSERT_EQ(l7.size(), 3u);
  const double inches[] = {60.0, 120.0, 360.0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(Field(l7[i], 0), inches[i]);
    EXPECT_EQ(static_cast<int>(Field(l7[i], 1)), 17);
    EXPECT_EQ(l7[i].back(), "123"[i]);
  }
  const auto l8 = Lines_With(r.plot, "Line 8(");
  ASSERT_EQ(l8.size(), 51u);
  EXPECT_NE(r.message.find("Computing p-y curves for output at user-specified depths."), std::string::npos);
  EXPECT_NE(r.report.find("p-y Curves Reported for Specified Depths"), std::string::npos);

  // 10 ft in layer 1 (c 500 -> 800 psf over 20 ft, eps50 0.02 -> 0.01,
  // 110 pcf, b = 24 in, J = 0.5): c = 650 psf, eps50 = 0.015, y50 = 2.5 b eps50.
  const double c = 650.0 / 144.0, g = 110.0 / 1728.0, b = 24.0, z = 120.0;
  const double y50 = 2.5 * b * 0.015;
  const double pu = std::fmin(c * b * (3.0 + g * z / c + 0.5 * z / b), 9.0 * c * b);
  // Curve 2 is points 18..34; point 7 is y = y50 and point 17 is y = 8.5 y50.
  EXPECT_NEAR(Field(l8[17 + 6], 0), y50, 1e-6 * y50);
  EXPECT_NEAR(Field(l8[17 + 6], 1), 0.5 * pu, 1e-6 * pu);
  EXPECT_NEAR(Field(l8[17 + 16], 1), pu, 1e-6 * pu);
  const double y = double(0.375f) * y50;  // point 5
  EXPECT_NEAR(Field(l8[17 + 4], 1), 0.5 * pu * std::cbrt(y / y50), 1e-6 * pu);
}

// Reporting the curves leaves the solution of load case 1 as it was.
TEST(Py_User_Depths, LoadCaseResultsAreUnchanged) {
  const Run_Result with = Run_Engine(With_Depths({12.0, 40.0}));
  const Run_Result without = Run_Engine(Read_File(Data_Path("us_soft_clay_two_layers.inp")));
  ASSERT_LE(with.status, 0);
  const auto a = Lines_With(with.plot, "Line 10("), b = Lines_With(without.plot, "Line 10(");
  ASSERT_EQ(a.size(), 101u);
  EXPECT_EQ(a, b);
  EXPECT_EQ(Count_Containing(without.plot, "Line 6 : number of output p-y curves"), 1);
}

namespace {

using namespace py_test;

// A soft clay pile of 240 in with its ground surface 24 in below the head.
void Setup_Depth_List(const std::vector<double>& depths) {
  Setup_Pile(US_UNITS, 240.0, 40, 12.0);
  Point_Values v;
  v.gamma = 0.04;
  v.c = 5.0;
  v.eps50 = 0.01;
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 24.0, 240.0, v);
  Assign_Layers();
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Printed_PY_Depths = static_cast<int>(depths.size());
  for (std::size_t i = 0; i < depths.size(); ++i) ld.rd_PrintedPYDepth[static_cast<int>(i) + 1] = depths[i];
}

void Expect_Nodes_Restored() {
  const Pile_Model& pm = RS().sol.pile;
  ASSERT_EQ(pm.i_Number_of_Nodes, 41);
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(pm.rd_X[i], (i - 1) * 6.0);
  EXPECT_EQ(pm.rd_X[41], 240.0);
  EXPECT_EQ(pm.i_TopNodeInLayer[1], 5);
  EXPECT_EQ(pm.i_BottomNodeInLayer[1], 41);
}

}  // namespace

// One depth above the ground surface suppresses every curve, with a block
// that records nothing; the ground surface itself is accepted.
TEST(Py_User_Depths, DepthAboveGroundSuppressesAllCurves) {
  Setup_Depth_List({100.0, 12.0, 60.0});
  {
    Run_Files_Capture files;
    Report_Py_Curves_At_Depths();
    const std::string rep = files.report(), plot = files.plot(), msg = files.message();
    EXPECT_FALSE(Error_Recorded());
    for (const std::string* t : {&rep, &msg}) {
      EXPECT_NE(t->find("**** Input Data Error No. 23 (NON-FATAL) ****"), std::string::npos);
      EXPECT_NE(t->find("p-y curves cannot be generated at depth number 1\n"), std::string::npos);
      EXPECT_NE(t->find("This location is 1.000 ft below the pile head and\n"), std::string::npos);
      EXPECT_NE(t->find("The ground surface is 2.000 ft below the top of the pile.\n"), std::string::npos);
    }
    EXPECT_EQ(Count_Containing(plot, "Line 7:  p-y curve depth, no. p-y points"), 1);
    EXPECT_EQ(Count_Containing(plot, "Line 8("), 0);
    EXPECT_EQ(rep.find("Soft Clay Criteria"), std::string::npos);
  }
  Expect_Nodes_Restored();

  Setup_Depth_List({24.0, 120.0});
  Run_Files_Capture files;
  Report_Py_Curves_At_Depths();
  EXPECT_EQ(Count_Containing(files.plot(), "Line 7:  p-y curve depth in soft clay"), 2);
  Expect_Nodes_Restored();
}

namespace {

// Every soil model with a p-y routine, one layer each, with a curve asked for
// in every layer: a 170 ft elastic pile, US units, 10 kips at the head.
const char* const ALL_MODELS_INPUT = R"(ORMYXP6
TITLE
Elastic pile, 24 in diameter, 60 ft long
Soft clay (0 to 20 ft) over firmer soft clay (20 to 70 ft)
One load case: 10 kips of shear, no moment, 50 kips of axial thrust
US customary units: pounds, inches, feet
Example input for the Ormyx engine
OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC     0
MaxIterations 100
MaxDeflection 10.0
Tolerance 1.0E-5
Increments 300
PrintSummaryOnly NO
PrintIncrement 5
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
11
170.0
2
4.0E6
24.0
24.0
452.389
452.389
16286.0
16286.0
SOIL LAYERS
15
1 0.0 10.0
110.0 500.0 0.02
110.0 800.0 0.01
5 10.0 20.0
115.0 32.0 0.0
115.0 34.0 0.0
2 20.0 30.0
120 2000 0.005 0
120 2500 0.005 0
6 30.0 40.0
115.0 34.0 0.0
115.0 35.0 0.0
3 40.0 50.0
120 2500 0.005
120 3000 0.005
4 50.0 60.0
120 3000 0.005 500
120 3000 0.005 500
11 60.0 70.0
120 200 30 0.005 0
120 200 30 0.005 0
14 70.0 80.0
120 3
0 0
0.5 500
2.0 800
125 3
0 0
0.5 600
2.0 900
12 80.0 90.0
110 300
110 300
7 90.0 100.0
60
60
15 100.0 110.0
110.0 900.0 0.01 0.5
110.0 900.0 0.01 0.5
10 110.0 120.0
120 1 20 0 0 0
120 1 25 0 0 0
8 120.0 150.0
140 1000 100000 50 0.0005
140 1000 100000 50 0.0005
9 150.0 160.0
140 2000
140 2000
13 160.0 180.0
120 5000
120 5000
LOADING
1
1 1 10000.0 0.0 50000.0 1
0
DEPTHS OF PRINTED P-Y CURVES
15
1 5
2 15
3 25
4 35
5 45
6 55
7 65
8 75
9 85
10 95
11 105
12 115
13 130
14 155
15 165
END
)";

}  // namespace

// The whole profile runs to a normal end, every layer's curve is written by
// its own model in depth order, and the soil reaction balances the head shear.
TEST(Py_User_Depths, EveryModelPrintsItsCurveInOneRun) {
  const Run_Result r = Run_Engine(ALL_MODELS_INPUT);
  ASSERT_LE(r.status, 0) << r.report;
  const char* models[] = {"soft clay,", "sand,", "stiff clay with free water,", "API sand,",
                          "stiff clay w/o free water,", "stiff clay w/o free water with k,",
                          "cemented silt (in),", "user-input p-y curve,", "Piedmont residual soil,",
                          "liquefied sand,", "soft clay with J,", "Piedmont residual soil,",
                          "weak rock,", "vuggy limestone,", "elastic subgrade soil,"};
  const auto l7 = Lines_With(r.plot, "Line 7:");
  ASSERT_EQ(l7.size(), 15u);
  for (int i = 0; i < 15; ++i) {
    EXPECT_NE(l7[i].find(std::string("p-y curve depth in ") + models[i]), std::string::npos) << l7[i];
    EXPECT_EQ(l7[i].substr(l7[i].rfind(' ') + 1), std::to_string(i + 1));
  }
  // Trapezoid integral of p over the nodes (Line 10: x, y, M, V, p, EI).
  const auto l10 = Lines_With(r.plot, "Line 10(");
  ASSERT_EQ(l10.size(), 301u);
  double sum = 0.0;
  for (std::size_t i = 1; i < l10.size(); ++i)
    sum += (Field(l10[i - 1], 4) + Field(l10[i], 4)) / 2.0 * (Field(l10[i], 0) - Field(l10[i - 1], 0));
  EXPECT_NEAR(sum, -10000.0, 10000.0 * 1e-4);
}
