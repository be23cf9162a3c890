// Piles loaded by lateral soil movement: the reported soil reaction is the
// soil's own reaction -(y - ys) Es, checked by statics with a distributed
// load on the pile; a given head deflection (loading types 4 and 5) is the
// head's own deflection, checked against the closed forms of a long elastic
// pile held at its head in uniformly moving soil.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/plot_records.h"
#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

void Replace(std::string& s, const std::string& key, const std::string& v) {
  s.replace(s.find(key), key.size(), v);
}

// SI: 10 m elastic pile, 600 mm, EI = 159042.5 kN-m2, in an elastic subgrade
// of 20000 kPa; the soil moves 30 mm at the head, falling to 0 at 5 m; a
// distributed load of 20 kN/m over the top 2 m falls to 0 at 4 m.
std::string Distributed_Load_Input(const std::string& shear) {
  std::string s =
      "ORMYXP6\nTITLE\nSoil movement with distributed load\nx\nx\nx\nx\n"
      "OPTIONS\nUnits SI\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
      "UseSoilMovement YES\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
      "MaxIterations 100\nMaxDeflection 1.0\nTolerance 2.54E-8\nIncrements 100\n"
      "PrintSummaryOnly NO\nPrintIncrement 10\nPrintPYCurves NO\nComputeInteraction NO\n"
      "SECTIONS\n1\n1\n11\n10.0\n2\n2.5E7\n600.0\n600.0\n282743.0\n282743.0\n6.3617E9\n6.3617E9\n"
      "SOIL LAYERS\n1\n13 0.0 12.0\n18.0 20000.0\n18.0 20000.0\n"
      "LOADING\n1\n1 1 %SHEAR% 0.0 0.0 1\n3\n1 0.0 20.0\n2 2.0 20.0\n3 4.0 0.0\n"
      "SOIL MOVEMENTS\n2\n1 0.0 30.0\n2 5.0 0.0\nEND\n";
  Replace(s, "%SHEAR%", shear);
  return s;
}

// US: 60 ft steel pipe 24 x 0.5 in (EI = 2.9e7 x 2549.3 lb-in2) in an
// elastic subgrade of 1000 psi (k = 24000 lb/in2); the soil moves 1 in
// uniformly over the whole pile.
std::string Uniform_Movement_Input(int type, const std::string& c1, const std::string& c2) {
  std::string s =
      "ORMYXP6\nTITLE\nHead held against uniform soil movement\nx\nx\nx\nx\n"
      "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
      "UseSoilMovement YES\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
      "MaxIterations 100\nMaxDeflection 100.0\nTolerance 1.0E-7\nIncrements 400\n"
      "PrintSummaryOnly NO\nPrintIncrement 40\nPrintPYCurves NO\nComputeInteraction NO\n"
      "SECTIONS\n1\n1\n11\n60.0\n3\n2.9E7\n24.0\n24.0\n0.5\n0.5\n36.9137\n36.9137\n2549.3\n2549.3\n"
      "SOIL LAYERS\n1\n13 0.0 70.0\n110.0 1000.0\n110.0 1000.0\n"
      "LOADING\n1\n1 %TYPE% %C1% %C2% 0.0 1\n0\n"
      "SOIL MOVEMENTS\n2\n1 0.0 1.0\n2 60.0 1.0\nEND\n";
  Replace(s, "%TYPE%", std::to_string(type));
  Replace(s, "%C1%", c1);
  Replace(s, "%C2%", c2);
  return s;
}

double Summary_Value(const std::string& report, const std::string& label) {
  const std::size_t p = report.find(label);
  if (p == std::string::npos) return -1e300;
  return std::stod(report.substr(p + label.size()));
}

}  // namespace

// Statics of the whole pile: head shear + distributed load + soil reaction = 0
// and, about the head, distributed load moment + reaction moment = 0 (free
// head, no moment). The distributed load is 20 x 2 + 20 x 2 / 2 = 60 kN with
// a moment of 20 x 2 x 1 + 20 x (2 + 2/3) = 93.333 kN-m about the head. The
// soil reaction used to subtract the distributed load once more and summed to
// -120 kN for no head shear.
TEST(SoilMovement, SoilReactionBalancesHeadShearAndDistributedLoad) {
  for (double shear : {0.0, 50.0}) {
    Run_Result r = Run_Engine(Distributed_Load_Input(std::to_string(shear)));
    ASSERT_EQ(r.status, 0) << r.message;
    const std::vector<Plot_Node> nodes = Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), 101u);
    const auto [force, moment] = Integrate_Reaction(nodes);
    EXPECT_NEAR(force, -(shear + 60.0), 1e-4) << shear;
    // Lumping the load on tributary lengths shifts its moment by O(h^2).
    EXPECT_NEAR(moment, -(20.0 * 2.0 * 1.0 + 20.0 * (2.0 + 2.0 / 3.0)), 0.02) << shear;
  }
}

// A long pile (lambda L = 12) in soil moving uniformly by ys = 1 in, the head
// given no deflection. With u = y - ys: EI u'''' + k u = 0, u(0) = -ys.
// Fixed head (type 5, slope 0): u = -ys e^(-lx)(cos lx + sin lx), head moment
// 2 EI l^2 ys = 42122593 in-lb, head shear magnitude 4 EI l^3 ys = 1421930 lb.
// Free rotation (type 4, moment 0): u = -ys e^(-lx) cos lx, head slope
// l ys = 0.0168785, head shear magnitude 2 EI l^3 ys = 710965 lb.
// l = (k / (4 EI))^(1/4) = 0.01687847 / in. Before, type 5 added the soil
// movement at the head to the given deflection, so the pile moved with the
// soil and carried no moment.
TEST(SoilMovement, GivenHeadDeflectionIsTheHeadsOwn) {
  const double EI = 2.9e7 * 2549.3, k = 24000.0, ys = 1.0;
  const double l = std::pow(k / (4.0 * EI), 0.25);
  {
    Run_Result r = Run_Engine(Uniform_Movement_Input(5, "0.0", "0.0"));
    ASSERT_EQ(r.status, 0) << r.message;
    const std::vector<Plot_Node> nodes = Plot_Nodes(r.plot);
    ASSERT_FALSE(nodes.empty());
    EXPECT_EQ(nodes.front().y, 0.0);
    EXPECT_EQ(Summary_Value(r.report, "Pile-head deflection             ="), 0.0);
    EXPECT_NEAR(nodes.front().M, 2.0 * EI * l * l * ys, 0.002 * 2.0 * EI * l * l * ys);
    EXPECT_NEAR(nodes.front().V, -4.0 * EI * l * l * l * ys, 0.002 * 4.0 * EI * l * l * l * ys);
    EXPECT_NEAR(Integrate_Reaction(nodes).force, -nodes.front().V, 1e-4 * std::fabs(nodes.front().V));
  }
  {
    Run_Result r = Run_Engine(Uniform_Movement_Input(4, "0.0", "0.0"));
    ASSERT_EQ(r.status, 0) << r.message;
    const std::vector<Plot_Node> nodes = Plot_Nodes(r.plot);
    ASSERT_FALSE(nodes.empty());
    EXPECT_EQ(nodes.front().y, 0.0);
    EXPECT_NEAR(Summary_Value(r.report, "Computed slope at pile head      ="), l * ys, 0.002 * l * ys);
    EXPECT_NEAR(nodes.front().V, -2.0 * EI * l * l * l * ys, 0.002 * 2.0 * EI * l * l * l * ys);
  }
}

// The two loading types agree: type 4 with the moment that type 5 needs to
// hold the head at zero slope gives back zero slope, and the same head shear.
TEST(SoilMovement, LoadingTypesFourAndFiveAgree) {
  Run_Result r5 = Run_Engine(Uniform_Movement_Input(5, "0.0", "0.0"));
  ASSERT_EQ(r5.status, 0);
  const std::vector<Plot_Node> n5 = Plot_Nodes(r5.plot);
  ASSERT_FALSE(n5.empty());
  std::ostringstream m;
  m.precision(10);
  m << n5.front().M;
  Run_Result r4 = Run_Engine(Uniform_Movement_Input(4, "0.0", m.str()));
  ASSERT_EQ(r4.status, 0);
  const std::vector<Plot_Node> n4 = Plot_Nodes(r4.plot);
  ASSERT_FALSE(n4.empty());
  EXPECT_NEAR(Summary_Value(r4.report, "Computed slope at pile head      ="), 0.0, 2e-5);
  EXPECT_NEAR(n4.front().V, n5.front().V, 0.002 * std::fabs(n5.front().V));
  EXPECT_NEAR(n4[40].y, n5[40].y, 1e-3);
}
