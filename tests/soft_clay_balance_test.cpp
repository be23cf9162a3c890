// A converged soft-clay pile is in equilibrium: the soil reaction along the
// pile carries the head shear, and its moment about the head carries the
// head moment (free head, no distributed load, no axial thrust).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

struct Node {
  double x, y, M, V, p, EI;
};

std::vector<Node> Plot_Nodes(const std::string& plot) {
  std::vector<Node> nodes;
  for (const auto& l : Split_Lines(plot)) {
    if (l.find("Line 10(") == std::string::npos) continue;
    Node n{};
    std::istringstream in(l.substr(0, 90));
    in >> n.x >> n.y >> n.M >> n.V >> n.p >> n.EI;
    nodes.push_back(n);
  }
  return nodes;
}

std::string Soft_Clay_Input(const std::string& increments) {
  std::ifstream f(Example_Path("us_soft_clay.inp"));
  std::stringstream s;
  s << f.rdbuf();
  std::string t = s.str();
  // Two soft clay layers; no axial thrust.
  t.replace(t.find("1 1 10000.0 0.0 50000.0 1"), 25, "1 1 10000.0 0.0 0.0 1");
  t.replace(t.find("Increments 100"), 14, "Increments " + increments);
  return t;
}

}  // namespace

TEST(SoftClayBalance, SoilReactionCarriesTheHeadLoads) {
  for (const char* n : {"100", "400"}) {
    Run_Result r = Run_Engine(Soft_Clay_Input(n));
    ASSERT_EQ(r.status, 0) << r.report;
    std::vector<Node> nodes = Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), std::size_t(std::stoi(n) + 1));
    double force = 0.0, moment = 0.0;
    for (std::size_t k = 1; k < nodes.size(); ++k) {
      const double h = nodes[k].x - nodes[k - 1].x;
      force += 0.5 * h * (nodes[k].p + nodes[k - 1].p);
      moment += 0.5 * h * (nodes[k].p * nodes[k].x + nodes[k - 1].p * nodes[k - 1].x);
    }
    const double V0 = nodes.front().V;
    EXPECT_NEAR(V0, 10000.0, 1e-6);
    // Head shear + soil reaction = 0; head moment (0) + moment of the reaction = 0.
    EXPECT_LT(std::fabs(V0 + force) / V0, 1e-5) << n << " increments: " << force;
    EXPECT_LT(std::fabs(moment) / (V0 * nodes.back().x), 1e-6) << n << " increments: " << moment;
  }
}
