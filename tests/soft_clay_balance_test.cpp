// A converged soft-clay pile is in equilibrium: the soil reaction along the
// pile carries the head shear, and its moment about the head carries the
// head moment (free head, no distributed load, no axial thrust).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/plot_records.h"
#include "tests/test_data.h"
#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

std::string Soft_Clay_Input(const std::string& increments) {
  std::string t = Read_File(Data_Path("us_soft_clay_two_layers.inp"));
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
    std::vector<Plot_Node> nodes = Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), std::size_t(std::stoi(n) + 1));
    const auto [force, moment] = Integrate_Reaction(nodes);
    const double V0 = nodes.front().V;
    EXPECT_NEAR(V0, 10000.0, 1e-6);
    // Head shear + soil reaction = 0; head moment (0) + moment of the reaction = 0.
    EXPECT_LT(std::fabs(V0 + force) / V0, 1e-5) << n << " increments: " << force;
    EXPECT_LT(std::fabs(moment) / (V0 * nodes.back().x), 1e-6) << n << " increments: " << moment;
  }
}
