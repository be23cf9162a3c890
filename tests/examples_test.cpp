// The example inputs shipped with the engine run end to end and end normally.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

using namespace ormyx_test;

TEST(Examples, RunToANormalEnd) {
  struct Case {
    const char* file;
    int nodes;
  } cases[] = {{"us_soft_clay.inp", 101}, {"si_drilled_shaft.inp", 101}};
  for (const Case& c : cases) {
    Run_Result r = Run_Engine(Read_File(Example_Path(c.file)));
    EXPECT_EQ(r.status, 0) << c.file;
    EXPECT_NE(r.report.find("The analysis ended normally. "), std::string::npos) << c.file;
    EXPECT_NE(r.message.find("The analysis ended normally. "), std::string::npos) << c.file;
    EXPECT_NE(r.report.find("Output Summary for Load Case No. 1:"), std::string::npos) << c.file;
    EXPECT_EQ(Count_Containing(r.plot, "Line 10("), c.nodes) << c.file;
    EXPECT_EQ(Count_Containing(r.plot, "Line 1 : "), 1) << c.file;
    EXPECT_EQ(Count_Containing(r.plot, "Line 9:  "), 1) << c.file;
  }
}

// A frozen-soil layer has no p-y curves: a lateral analysis through it stops
// with input error 85 before any result is computed.
TEST(Examples, FrozenSoilLayerStopsTheRun) {
  std::string t = Read_File(Example_Path("us_soft_clay.inp"));
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
  std::string base = Read_File(Example_Path("us_soft_clay.inp"));
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
