// Every input in examples/ runs end to end: a normal end, one Line 10 plot
// record per node and load case, and for a lateral analysis a pile in
// equilibrium. The statics use loads worked by hand from each file (below),
// so a new example needs its line in that table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/plot_records.h"
#include "tests/test_data.h"
#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

// Loads on the pile in one load case, from the input by hand: head shear V
// and head moment M (M_given false for a head fixed against rotation, where M
// is a result), axial thrust P, and the resultant W of the distributed lateral
// load with its moment Wx about the head. Units of the plot file: lb and in,
// or kN and m.
struct Case_Loads {
  double V, M;
  bool M_given;
  double P, W, Wx;
};

// Hand values of every lateral example. LRFD: factored loads of each
// combination; the water load of 40 lb/in from 0 to 180 in, factor 1.0, gives
// W = 7200 lb. The engine puts it on the nodes (h = 8.4 in) as the load of
// each node's share of the pile: 168 lb at 0 in, 336 lb at each of 8.4 ...
// 168 in and 312 lb at 176.4 in (172.2 to 180 in), so its moment about the
// head is 336 x 8.4 x (1 + ... + 20) + 312 x 176.4 = 647740.8 lb-in (the
// continuous load would give 40 x 180^2 / 2 = 648000). Soil movement: the
// soil reaction p includes the pull of the moving soil, so it still balances
// the head shear alone.
const std::map<std::string, std::vector<Case_Loads>> HAND_LOADS = {
    {"si_drilled_shaft.inp", {{300.0, 100.0, true, 1000.0, 0.0, 0.0}}},
    {"si_pipe_reese_sand_cyclic.inp", {{400.0, 0.0, true, 2000.0, 0.0, 0.0}}},
    {"si_rock_socket.inp", {{800.0, 500.0, true, 4000.0, 0.0, 0.0}}},
    {"si_soil_movement.inp", {{30.0, 0.0, true, 200.0, 0.0, 0.0}}},
    {"si_stiffness_matrix.inp",
     {{150.0, 0.0, true, 800.0, 0.0, 0.0}, {150.0, 0.0, false, 800.0, 0.0, 0.0}}},
    {"us_cased_shaft_filled_core.inp", {{150000.0, 18.0e6, true, 600000.0, 0.0, 0.0}}},
    {"us_interaction_diagram.inp",
     {{40000.0, 0.0, true, 150000.0, 0.0, 0.0}, {60000.0, 0.0, true, 400000.0, 0.0, 0.0}}},
    {"us_layered_p_multipliers.inp", {{8000.0, 0.0, true, 120000.0, 0.0, 0.0}}},
    {"us_length_study.inp", {{20000.0, 400000.0, true, 30000.0, 0.0, 0.0}}},
    // Strength I: 1.25 x 10000 + 1.75 x 6000, 1.75 x 600000, 1.25 x 300000 + 1.75 x 80000.
    // Service I: 10000 + 6000, 600000, 300000 + 80000.
    {"us_lrfd_distributed_loads.inp",
     {{23000.0, 1.05e6, true, 515000.0, 7200.0, 647740.8},
      {16000.0, 600000.0, true, 380000.0, 7200.0, 647740.8}}},
    {"us_pipe_api_sand.inp", {{30000.0, 0.0, true, 150000.0, 0.0, 0.0}}},
    {"us_prestressed_square.inp", {{12000.0, 0.0, true, 100000.0, 0.0, 0.0}}},
    {"us_soft_clay.inp", {{67400.0, 900000.0, true, 225000.0, 0.0, 0.0}}},
    {"us_user_py_curves.inp", {{15000.0, 0.0, true, 40000.0, 0.0, 0.0}}},
};

// Relative tolerance of the balances. The plot file prints 7 significant
// digits (5E-8 of each value), and the converged deflections (tolerance 1E-5
// in or 2.54E-7 m) satisfy the node equations of the last solve, so the sums
// of about 100 printed values balance to some 1E-7 of the load: the worst of
// these examples is 1.6E-7. 1E-6 keeps a margin of six and still sees a lost
// distributed load, a head load off by a node's share or a missed thrust term
// by orders of magnitude.
constexpr double BALANCE_TOLERANCE = 1e-6;

std::vector<std::string> Example_Files() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(Example_Path("")))
    if (e.path().extension() == ".inp") names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The integer on the line after the keyword line `key` (0 when absent).
int Count_After(const std::string& text, const std::string& key) {
  const std::size_t at = text.find("\n" + key + "\n");
  return at == std::string::npos ? 0 : std::stoi(text.substr(at + key.size() + 2));
}

// The five lines of the TITLE block.
std::string Title_Block(const std::string& text) {
  const std::size_t begin = text.find("\nTITLE\n") + 6;  // the end of the keyword line
  std::size_t end = begin;
  for (int k = 0; k < 5 && end != std::string::npos; ++k) end = text.find('\n', end + 1);
  return text.substr(begin, end - begin);
}

bool Has_Line(const std::string& text, const std::string& line) {
  return text.find("\n" + line + "\n") != std::string::npos;
}

}  // namespace

TEST(Examples, EveryExampleRunsToANormalEndInEquilibrium) {
  const std::vector<std::string> files = Example_Files();
  ASSERT_GE(files.size(), 14u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const std::string input = Read_File(Example_Path(file));
    const Run_Result r = Run_Engine(input);
    // A warning status is accepted only when the TITLE block explains it.
    if (r.status < 0) {
      EXPECT_NE(Title_Block(input).find("arning"), std::string::npos) << "status " << r.status;
    } else {
      EXPECT_EQ(r.status, 0) << r.report;
    }
    EXPECT_NE(r.report.find("The analysis ended normally. "), std::string::npos);
    EXPECT_NE(r.message.find("The analysis ended normally. "), std::string::npos);
    EXPECT_EQ(Count_Containing(r.plot, "Line 1 : "), 1);

    // One Line 10 record per node (increments + 1) and load case or LRFD
    // combination; none in an analysis of bending stiffness only.
    const bool ei_only = Has_Line(input, "ComputeEIOnly YES");
    const int cases = Has_Line(input, "UseLRFD YES") ? Count_After(input, "LRFD FACTORS AND CASES")
                                                     : Count_After(input, "LOADING");
    const int per_case = std::stoi(input.substr(input.find("\nIncrements ") + 12)) + 1;
    const std::vector<Plot_Node> nodes = Plot_Nodes(r.plot);
    if (ei_only) {
      EXPECT_EQ(nodes.size(), 0u);
      EXPECT_GT(Count_Containing(r.plot, "Line 4 :"), 0);
      continue;
    }
    ASSERT_EQ(int(nodes.size()), cases * per_case);
    EXPECT_EQ(Count_Containing(r.plot, "Line 9:  "), 1);
    EXPECT_NE(r.report.find("Output Summary for Load Case No. 1:"), std::string::npos);

    const auto hand = HAND_LOADS.find(file);
    ASSERT_NE(hand, HAND_LOADS.end()) << "no hand-worked loads for this lateral example";
    ASSERT_EQ(int(hand->second.size()), cases);
    for (int c = 0; c < cases; ++c) {
      SCOPED_TRACE("load case " + std::to_string(c + 1));
      const Case_Loads& L = hand->second[c];
      const std::vector<Plot_Node> pile(nodes.begin() + c * per_case, nodes.begin() + (c + 1) * per_case);
      const Plot_Node &head = pile.front(), &tip = pile.back();
      EXPECT_NEAR(head.V, L.V, 1e-6 * L.V);
      if (L.M_given) {
        EXPECT_NEAR(head.M, L.M, 1e-6 * std::fabs(L.M) + 1e-6 * L.V);
      }
      const Reaction_Sums s = Integrate_Reaction(pile);
      std::vector<Plot_Node> magnitude = pile;
      for (Plot_Node& n : magnitude) n.p = std::fabs(n.p);
      const double abs_force = Integrate_Reaction(magnitude).force;
      // Forces: head shear + distributed load + soil reaction = 0.
      const double force_scale = std::max(L.V + L.W, abs_force);
      EXPECT_LT(std::fabs(L.V + L.W + s.force) / force_scale, BALANCE_TOLERANCE)
          << "soil reaction " << s.force << ", expected " << -(L.V + L.W);
      // Moments about the head: the head moment against the moments of the
      // soil reaction and of the distributed load and the thrust acting at
      // the deflected tip, P (y_tip - y_head).
      const double residual = head.M - s.moment - L.Wx - L.P * (tip.y - head.y);
      const double moment_scale = std::fabs(head.M) + L.Wx + abs_force * tip.x;
      EXPECT_LT(std::fabs(residual) / moment_scale, BALANCE_TOLERANCE)
          << "moment of the soil reaction " << s.moment << ", residual " << residual;
    }
  }
}

// A frozen-soil layer has no p-y curves: a lateral analysis through it stops
// with input error 85 before any result is computed.
TEST(Examples, FrozenSoilLayerStopsTheRun) {
  std::string t = Read_File(Data_Path("us_soft_clay_two_layers.inp"));
  t.replace(t.find("1 20.0 70.0\n115.0 900.0 0.01\n120.0 1200.0 0.005"), 46, "17 20.0 70.0");
  Run_Result r = Run_Engine(t);
  EXPECT_EQ(r.status, 185) << r.report;
  EXPECT_NE(r.report.find("**** Input Data Error No. 85 ****"), std::string::npos);
  EXPECT_NE(r.report.find("Soil layer 2 uses the p-y model \"Frz Soil\""), std::string::npos);
  EXPECT_NE(r.report.find("Ormyx ended prematurely due to input error number INP00085"),
            std::string::npos);
  EXPECT_EQ(Count_Containing(r.plot, "Line 10("), 0);
  // The same layer in an analysis of bending stiffness only is fine.
  t.replace(t.find("ComputeEIOnly NO"), 16, "ComputeEIOnly YES");
  EXPECT_LE(Run_Engine(t).status, 0);
}

// Distributed loads of LRFD load groups are applied: the run ends normally,
// reports the nodal averages of the live-load profile (5 lb/in from the head
// down to 20 in) and its soil reaction balances the factored head shear
// 1.25 x 4000 + 1.75 x 3000 plus the factored load 1.75 x 5 x 20.
TEST(Examples, LrfdDistributedLoadsAreApplied) {
  std::string base = Read_File(Data_Path("us_soft_clay_two_layers.inp"));
  base.replace(base.find("UseLRFD NO"), 10, "UseLRFD YES");
  const std::string loading = "LOADING\n1\n1 1 10000.0 0.0 50000.0 1\n0\n";
  const std::string factors =
      "LRFD FACTORS AND CASES\n1\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n";
  std::string with = base, without = base;
  with.replace(with.find(loading), loading.size(),
               "LRFD LOADS\n2\n1 1 4000 0 20000 0\n2 2 3000 0 10000 2\n1 0 5\n2 20 5\n" + factors);
  without.replace(without.find(loading), loading.size(),
                  "LRFD LOADS\n2\n1 1 4000 0 20000 0\n2 2 3000 0 10000 0\n" + factors);
  Run_Result r = Run_Engine(with);
  EXPECT_EQ(r.status, 0) << r.report;
  EXPECT_NE(r.report.find("The analysis ended normally. "), std::string::npos);
  EXPECT_NE(r.report.find("due to Live Loads"), std::string::npos);
  // Node 4 (21.6 in) carries 5 lb/in over 2 of its 7.2 in: 10 / 7.2.
  EXPECT_NE(r.report.find("\n      0.00         5.00\n      7.20         5.00\n     14.40         5.00\n"
                          "     21.60         1.39\n\n"),
            std::string::npos);
  double soil = 0.0;
  int k = 0;
  for (const std::string& l : Split_Lines(r.plot))
    if (l.find("Line 10(") != std::string::npos) {
      ++k;
      soil += std::stod(l.substr(60, 15)) * ((k == 1 || k == 101) ? 3.6 : 7.2);
    }
  EXPECT_EQ(k, 101);
  EXPECT_NEAR(soil, -(10250.0 + 175.0), 1e-2);
  Run_Result ok = Run_Engine(without);
  EXPECT_LE(ok.status, 0) << ok.report;
  EXPECT_EQ(Count_Containing(ok.plot, "Line 10("), 101);
  EXPECT_EQ(ok.report.find("Distributed Lateral Loads for LRFD:"), std::string::npos);
}
