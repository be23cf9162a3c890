// Beam-column solver: the five kinds of head conditions against the beam on
// an elastic foundation, axial thrust, the tip shear curve, the change
// measures and the small-pivot stop.
#include <gtest/gtest.h>

#include <string>

#include "engine/format.h"
#include "engine/run_files.h"
#include "solver_fixture.h"
#include "test_support.h"

namespace {

using namespace solver_test;

constexpr double kEI = 1.0e10, kSub = 1000.0;

struct Head_Case {
  const char* name;
  int type;
  double c1, c2;
};

class Head_Conditions : public ::testing::TestWithParam<Head_Case> {};

// Every loading type against its closed form: head deflection, slope, moment
// and shear of the semi-infinite beam (lambda L = 12, 400 increments).
TEST_P(Head_Conditions, MatchBeamOnElasticFoundation) {
  const Head_Case c = GetParam();
  Beam_Solution b{};
  switch (c.type) {
    case 1: b = Beam_Shear_Moment(kSub, kEI, c.c1, c.c2); break;
    case 2: b = Beam_Shear_Slope(kSub, kEI, c.c1, c.c2); break;
    case 3: b = Beam_Shear_Rotational(kSub, kEI, c.c1, c.c2); break;
    case 4: b = Beam_Deflection_Moment(kSub, kEI, c.c1, c.c2); break;
    default: b = Beam_Deflection_Slope(kSub, kEI, c.c1, c.c2); break;
  }
  Setup_Elastic_Pile(12.0 / b.lambda, 400, kEI);
  g_subgrade = kSub;
  Set_Load(c.type, c.c1, c.c2);
  Run_Case();
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const Node_Results& r = RS().sol.res;
  const double scale_y = std::fabs(b.y(0.0)) + std::fabs(b.slope(0.0)) / b.lambda;
  const double scale_m = std::fabs(b.moment(0.0)) + std::fabs(b.shear(0.0)) / b.lambda;
  EXPECT_NEAR(RS().sol.pile.rd_Y[1], b.y(0.0), 2e-4 * scale_y);
  // The head slope of type 5 is a one-sided difference, of larger error.
  EXPECT_NEAR(r.rd_Slope[1], b.slope(0.0), (c.type == 5 ? 2e-2 : 1e-3) * scale_y * b.lambda);
  EXPECT_NEAR(r.rd_Moment[1], b.moment(0.0), 2e-3 * scale_m);
  EXPECT_NEAR(r.rd_Shear[1], b.shear(0.0), 5e-3 * scale_m * b.lambda);
  // Along the pile: the deflection one characteristic length down.
  const int k1 = 1 + int(std::lround(1.0 / b.lambda / RS().sol.pile.rd_h));
  EXPECT_NEAR(RS().sol.pile.rd_Y[k1], b.y(RS().sol.pile.rd_X[k1]), 2e-4 * scale_y);
  // The reported head values: given conditions stay, the others are computed.
  if (c.type <= 3) {
    EXPECT_DOUBLE_EQ(r.rd_HeadShear, c.c1);
  }
  if (c.type == 1 || c.type == 4) {
    EXPECT_DOUBLE_EQ(r.rd_HeadMoment, c.c2);
  }
  if (c.type == 4 || c.type == 5) {
    EXPECT_DOUBLE_EQ(RS().sol.pile.rd_Y[1], c.c1);
  }
  if (c.type == 5) {
    EXPECT_DOUBLE_EQ(r.rd_HeadSlope, c.c2);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Types, Head_Conditions,
    ::testing::Values(Head_Case{"ShearAndMoment", 1, 10000.0, 2.0e6},
                      Head_Case{"ShearAndSlope", 2, 10000.0, -0.002},
                      Head_Case{"ShearAndRotationalStiffness", 3, 10000.0, 1.0e9},
                      Head_Case{"DeflectionAndMoment", 4, 0.5, -1.0e6},
                      Head_Case{"DeflectionAndSlope", 5, 0.5, -0.001}),
    [](const auto& info) { return std::string(info.param.name); });

// A short, stiff cantilever without soil, clamped at the head by loading
// type 5: the tip shear curve is the only support below the head.
// Constant tip shear V0: y(L) = Yt - V0 L^3 / (3 EI).
TEST(Tip_Shear, ConstantTipShearBendsTheCantilever) {
  Setup_Elastic_Pile(100.0, 100, 1.0e8);
  g_subgrade = 0.0;
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Tip_Shear_Points = 2;
  ld.Tip_Shear_Point[1] = {0.0, 150.0};
  ld.Tip_Shear_Point[2] = {100.0, 150.0};
  Set_Load(5, 1.0, 0.0);
  Run_Case();
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const int n = RS().sol.pile.i_Number_of_Nodes;
  EXPECT_NEAR(RS().sol.pile.rd_Y[n], 1.0 - 150.0 * 1.0e6 / 3.0e8, 1e-3);
  EXPECT_DOUBLE_EQ(RS().sol.res.rd_Shear[n], 150.0);
}

// A linear tip shear curve is a spring lagging one iteration behind:
// y(L) = Yt / (1 + c L^3 / (3 EI)).
TEST(Tip_Shear, LinearCurveConvergesToSpringSolution) {
  Setup_Elastic_Pile(100.0, 100, 1.0e8);
  g_subgrade = 0.0;
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Tip_Shear_Points = 2;
  ld.Tip_Shear_Point[1] = {0.0, 0.0};
  ld.Tip_Shear_Point[2] = {1.0, 150.0};
  Set_Load(5, 1.0, 0.0);
  Run_Case();
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const int n = RS().sol.pile.i_Number_of_Nodes;
  EXPECT_NEAR(RS().sol.pile.rd_Y[n], 1.0 / (1.0 + 150.0 * 1.0e6 / 3.0e8), 1e-3);
}

TEST(Tip_Shear, CurveLookupCarriesSignOfTipDeflection) {
  Reset_Run_State();
  Loading_Records& ld = RS().prob.load;
  EXPECT_EQ(fn_Tip_Shear(-0.5, 7.0), 0.0);  // no curve: no tip shear
  ld.i_Number_of_Tip_Shear_Points = 2;
  ld.Tip_Shear_Point[1] = {0.0, 0.0};
  ld.Tip_Shear_Point[2] = {1.0, 100.0};
  EXPECT_DOUBLE_EQ(fn_Tip_Shear(-0.5, 0.0), -50.0);
  EXPECT_DOUBLE_EQ(fn_Tip_Shear(0.25, 0.0), 25.0);
  EXPECT_DOUBLE_EQ(fn_Tip_Shear(3.0, 0.0), 100.0);   // beyond the curve: its last shear
  ld.i_Number_of_Tip_Shear_Points = 1;
  ld.Tip_Shear_Point[1] = {0.2, 40.0};
  EXPECT_DOUBLE_EQ(fn_Tip_Shear(-0.5, 9.0), -40.0);
  EXPECT_DOUBLE_EQ(fn_Tip_Shear(0.1, 9.0), 9.0);     // inside a one-point curve: kept
}

// Beam-column on an elastic foundation, EI y'''' + P y'' + k y = 0, free head
// with shear Pt = EI y''' + P y': y = e^(-a x)(A cos b x + B sin b x) with
// a^2 = l^2 - P/(4EI), b^2 = l^2 + P/(4EI).
double Beam_Column_Head_Deflection(double k, double EI, double P, double Pt) {
  const double l = Lambda(k, EI);
  const double a = std::sqrt(l * l - P / (4.0 * EI)), b = std::sqrt(l * l + P / (4.0 * EI));
  const double ratio = (a * a - b * b) / (2.0 * a * b);  // B / A from zero head moment
  const double per_A = EI * ((-a * a * a + 3.0 * a * b * b) + ratio * (3.0 * a * a * b - b * b * b)) +
                       P * (-a + b * ratio);
  return Pt / per_A;
}

TEST(Axial_Thrust, CompressionAndTensionMatchBeamColumn) {
  const double lambda = Lambda(kSub, kEI);
  for (double P : {0.0, 2.0e5, -2.0e5, 1.0e6}) {
    Setup_Elastic_Pile(12.0 / lambda, 400, kEI);
    g_subgrade = kSub;
    Set_Load(1, 10000.0, 0.0, P);
    Run_Case();
    ASSERT_EQ(RS().status.i_ErrorNumber, 0);
    const double exact = Beam_Column_Head_Deflection(kSub, kEI, P, 10000.0);
    EXPECT_NEAR(RS().sol.pile.rd_Y[1], exact, 4e-4 * exact) << "P = " << P;
  }
}

TEST(Change_Measures, FirstIterationDeltaEqualsChangeAndZeroHeadDeflection) {
  const double lambda = Lambda(kSub, kEI);
  Setup_Elastic_Pile(12.0 / lambda, 100, kEI);
  g_subgrade = kSub;
  Set_Load(4, 0.0, 0.0);
  Build_Pile_Nodes();
  Build_Nodes();
  RS().sol.lc.i_LoadingType = 4;
  RS().sol.pile.rd_SoilForce[50] = 10.0;  // some load so that deflections change
  for (int k = 1; k <= RS().sol.pile.i_Number_of_Nodes; ++k) RS().sol.pile.rd_SoilModulus[k] = kSub;
  Solve_Beam_Column(1);
  const Solver_State& sv = RS().sol.solver;
  EXPECT_GT(sv.rd_dYmax, 0.0);
  EXPECT_DOUBLE_EQ(sv.rd_Delta_dYmax, sv.rd_dYmax);
  EXPECT_EQ(RS().sol.pile.rd_Y[1], 0.0);
  const double first = sv.rd_dYmax;
  Solve_Beam_Column(2);  // same system: no change, delta = previous change
  EXPECT_LT(sv.rd_dYmax, 1e-12 * first);
  EXPECT_NEAR(sv.rd_Delta_dYmax, first, 1e-12 * first);
}

TEST(Head_System, EliminationSolvesAndStopsOnSmallPivot) {
  Table<double, 5, 5> F;
  List<double, 5> G, YG;
  const double a[4][4] = {{2, 1, 0, 0}, {1, 3, 1, 0}, {0, 1, 4, 1}, {0, 0, 1, 5}};
  const double x[4] = {1, -2, 3, 0.5};
  for (int i = 1; i <= 4; ++i) {
    G[i] = 0;
    for (int j = 1; j <= 4; ++j) {
      F(i, j) = a[i - 1][j - 1];
      G[i] += a[i - 1][j - 1] * x[j - 1];
    }
  }
  double pivot = 1.0;
  ASSERT_EQ(Solve_Head_System(F, G, YG, 4, pivot), 0);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(YG[i], x[i - 1], 1e-12);
  // A zero in the second pivot after the first elimination step.
  F.fill(0.0);
  F(1, 1) = 1; F(1, 2) = 2; F(2, 1) = 2; F(2, 2) = 4; F(3, 3) = 1; F(4, 4) = 1;
  EXPECT_EQ(Solve_Head_System(F, G, YG, 4, pivot), 2);
  EXPECT_EQ(pivot, 0.0);
}

// A system whose head equations are singular records runtime error 11, writes
// the three dumps and leaves every deflection as it was.
TEST(Small_Pivot, RecordsRuntimeError11AndKeepsDeflections) {
  const std::string dir = ormyx_test::Make_Temp_Dir("solver_pivot");
  Setup_Elastic_Pile(100.0, 100, 1.0e8);
  ASSERT_TRUE(Open_Output(CH_REPORT, dir + "/report.out"));
  ASSERT_TRUE(Open_Output(CH_MESSAGE, dir + "/run.msg"));
  Set_Load(4, 0.1, 0.0);
  Build_Pile_Nodes();
  Build_Nodes();
  RS().sol.lc.i_LoadingType = 4;
  RS().sol.lc.rd_Yt = 0.1;
  Pile_Model& pm = RS().sol.pile;
  for (int k = -1; k <= pm.i_Number_of_Nodes + 1; ++k) pm.rd_Y[k] = 0.001 * k;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilModulus[k] = kSub;
  // Nodes 2 and 3 without bending stiffness and node 2 without soil: the
  // relation of node 2 becomes y2 = B2 y1 - y0 + G2 and the third pivot
  // C2 - 1 vanishes.
  pm.rd_SoilModulus[2] = 0.0;
  pm.rd_EI[2] = 0.0;
  pm.rd_EI[3] = 0.0;
  // The solution vector of the solve before: the dump shows it as it stands.
  for (int i = 1; i <= 5; ++i) RS().sol.solver.YG[i] = 0.25 * i;
  Solve_Beam_Column(1);
  Close_Output(CH_REPORT);
  Close_Output(CH_MESSAGE);
  EXPECT_EQ(RS().status.i_ErrorNumber, 211);
  for (int k = -1; k <= pm.i_Number_of_Nodes + 1; ++k) EXPECT_DOUBLE_EQ(pm.rd_Y[k], 0.001 * k);
  const std::string rep = ormyx_test::Read_File(dir + "/report.out");
  const std::string msg = ormyx_test::Read_File(dir + "/run.msg");
  EXPECT_NE(rep.find("**** Runtime Error No. 11 ****"), std::string::npos);
  EXPECT_NE(rep.find("Problem:  Solution failed due to small pivot value."), std::string::npos);
  EXPECT_NE(rep.find("\nF Matrix \n\n"), std::string::npos);
  EXPECT_NE(rep.find("\nG Vector \n\n"), std::string::npos);
  std::string yg = "\nYG Vector\n\n";
  for (int i = 1; i <= 5; ++i) yg += fmt::E(0.25 * i, 12, 4) + "\n";
  EXPECT_NE(rep.find(yg), std::string::npos);
  EXPECT_NE(rep.find("RUN00011"), std::string::npos);
  EXPECT_NE(msg.find("          Node number = 3\n"), std::string::npos);
  EXPECT_EQ(msg.find("F Matrix"), std::string::npos);
}

}  // namespace
