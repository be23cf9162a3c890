// The section analysis from the input file to the report, the plot file and
// the moment-curvature files: an analysis of bending stiffness only, the
// report blocks of each kind of section, the thrust checks of a lateral
// analysis and the input moment-curvature tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "section/section_driver.h"
#include "tests/test_support.h"

namespace {

using ormyx_test::Count_Containing;
using ormyx_test::Split_Lines;

std::string Options(const char* units, bool ei_only) {
  return std::string("OPTIONS\n") + units +
         "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n" +
         (ei_only ? "ComputeEIOnly YES\n" : "ComputeEIOnly NO\n") +
         "Loading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\n"
         "Increments 100\nPrintSummaryOnly NO\nPrintIncrement 5\nPrintPYCurves NO\n"
         "ComputeInteraction NO\n";
}

// An analysis of bending stiffness only: one or more sections and the thrusts.
std::string EI_Only_Input(const char* units, const std::string& sections,
                          const std::vector<double>& thrusts) {
  std::string s = "ORMYXP6\nTITLE\nBending stiffness only\n\n\n\n\n" + Options(units, true) +
                  "SECTIONS\n" + sections + "AXIAL THRUST LOADS\n" + std::to_string(thrusts.size()) + "\n";
  for (std::size_t i = 0; i < thrusts.size(); ++i)
    s += std::to_string(i + 1) + " " + std::to_string(thrusts[i]) + "\n";
  return s + "END\n";
}

std::vector<std::string> Mc_Names(int n) {
  std::vector<std::string> names;
  for (int k = 1; k <= n; ++k) names.push_back("mc_" + std::to_string(k) + ".txt");
  return names;
}

// The point counts of the Line 4 records, in order.
std::vector<int> Line4_Counts(const std::string& plot) {
  std::vector<int> n;
  for (const std::string& l : Split_Lines(plot))
    if (l.find("Line 4 :") != std::string::npos) n.push_back(std::stoi(l.substr(0, 5)));
  return n;
}

// The SI drilled shaft of the example file (1200 mm, sixteen 32 mm bars).
const char* const kSiShaft =
    "1\n1\n1\n20.0\n1200.0\n27600.0\n19.0\n"
    "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n"
    "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
    "414000.0\n2.0E8\n16\n1\n32.0\n819.0\n75.0\n0.0\n";

TEST(SectionDriverEndToEnd, BendingStiffnessOnlyRunsToTheEnd) {
  // P0 of the shaft is 31650 kN: the thrust of 40000 kN is dropped.
  const auto r = ormyx_test::Run_Engine(EI_Only_Input("Units SI", kSiShaft, {40000.0, 0.0, 1000.0, 5000.0}),
                                        6034, Mc_Names(10));
  ASSERT_EQ(r.status, 0) << r.report;
  EXPECT_NE(r.message.find("Computing nonlinear bending stiffness of section 1"), std::string::npos);
  EXPECT_NE(r.message.find("Completed computing nonlinear bending stiffness of section 1"), std::string::npos);
  EXPECT_NE(r.message.find("The analysis ended normally."), std::string::npos);
  for (const char* line :
       {"Dimensions and Properties of Drilled Shaft:", "Reinforcing Bar Dimensions and Positions Used in Computations:",
        "Concrete Properties:",
        "The following computations were performed only for the axial thrust values in the valid range.",
        "Number of Axial Thrust Force Values Determined from Input Data = 3",
        "Definitions of Run Messages and Notes:",
        "Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1"})
    EXPECT_NE(r.report.find(line), std::string::npos) << line;
  EXPECT_EQ(Count_Containing(r.report, "Axial Thrust Force = "), 3);

  // Plot: Lines 1 and 2, then Line 3 and per thrust Line 4 and its Line 5 records; nothing else.
  const std::vector<std::string> plot = Split_Lines(r.plot);
  ASSERT_GE(plot.size(), 3u);
  EXPECT_EQ(plot[0].substr(0, 10), "    2    2");
  EXPECT_EQ(plot[2], "    3" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for EI-only computations");
  const std::vector<int> counts = Line4_Counts(r.plot);
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_EQ(plot.size(), 3u + 3u + counts[0] + counts[1] + counts[2]);
  EXPECT_EQ(Count_Containing(r.plot, "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3,"),
            counts[2]);
  EXPECT_EQ(Count_Containing(r.plot, "Line 6"), 0);

  // One moment-curvature file per kept thrust, one line per point.
  for (int t = 1; t <= 3; ++t) {
    const std::string file = r.dir + "/mc_" + std::to_string(t) + ".txt";
    ASSERT_TRUE(ormyx_test::File_Exists(file)) << file;
    EXPECT_EQ(int(Split_Lines(ormyx_test::Read_File(file)).size()), counts[t - 1]);
  }
  EXPECT_FALSE(ormyx_test::File_Exists(r.dir + "/mc_4.txt"));
  // A compressive thrust raises the capacity of an under-compressed shaft.
  EXPECT_GT(std::stod(plot[3 + counts[0] + 1 + counts[1] + 1].substr(30, 15)),
            std::stod(plot[3].substr(30, 15)));
}

// Report blocks of the kinds of sections (US customary input).
TEST(SectionDriverEndToEnd, ReportBlocksOfEachKindOfSection) {
  struct Case {
    const char* name;
    std::string section;
    std::vector<const char*> lines;
  };
  const std::string concrete =
      "4000.0\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";
  const std::vector<Case> cases = {
      {"rectangular pile with bars in a pattern",
       "0\n50.0\n24.0\n12.0\n" + concrete +
           "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n60000.0\n29.0E6\n3\n"
           "1 8 1.0 0.79 -3.5 -9.5\n2 8 1.0 0.79 0.0 -9.5\n3 8 1.0 0.79 3.5 -9.5\n",
       {"Dimensions and Properties of Rectangular Concrete Pile:",
        "Number of Reinforcing Bars                   =             3 bars",
        // -0.0075 sqrt(4000) ksi
        "Modulus of Rupture of Concrete               =    -0.4743416 ksi",
        "Area Ratio of Steel Reinforcement            =     0.8229167 percent",
        "Reinforcing Bar Details:", "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
        "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   Max Steel    Run",
        " Axial     Resistance           Nominal           Ultimate (Factored)     Ultimate (Factored)     Bending Stiffness"}},
      {"drilled shaft with casing",
       "2\n50.0\n36.0\n0.5\n36000.0\n29.0E6\n" + concrete +
           "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.0\n29.0E6\n12\n1\n0.7\n0.31\n3.0\n0.0\n",
       {"Dimensions and Properties of Drilled Shaft with Permanent Casing:",
        "Area of Single Reinforcing Bar               =     0.3100000 sq. in.",
        // chord 2 (14.65) sin 15 deg less the table diameter 0.625 of a 0.31 in^2 bar
        "Edge-to-Edge Bar Spacing                     =     6.9583980 in",
        "Cross-sectional Area of Steel Casing         =    55.7632696 sq. in.",
        "Reinforcing Bar Dimensions and Positions Used in Computations:",
        "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   Max Steel    Max Casing    Run"}},
      {"drilled shaft with casing and hollow core",
       "-3\n50.0\n36.0\n0.5\n36000.0\n29.0E6\n12.0\n0.5\n36000.0\n29.0E6\n" + concrete +
           "Rebar Arrangement Not Same As Section Above\nNo rebar\n",
       {"Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:",
        "Note that the core is assumed to be void of concrete",
        "Number of Reinforcing Bars                   =             0"}},
      {"steel pipe",
       "4\n50.0\n24.0\n0.5\n36000.0\n29.0E6\n",
       {"Dimensions and Properties of Steel Pipe Pile:",
        "Moment of Inertia                            =  2549.3533510 in^4",
        "Plastic Modulus, Z                           =   276.1666667 in^3",
        "Plastic Moment Capacity = Fy Z               =  9942.0000000 in-kip",
        "Nom. Axial Structural Capacity = Fy As", "Definition of Run Messages:",
        "Y = part of pipe section has yielded.",
        "Note that the values in the above table are not factored by a strength"}},
      {"square prestressed pile",
       "7\n50.0\n18.0\n0.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
       "Use internal stress-strain curve for concrete\nAutoposition strands\n1\n3\n12\n350000.0\n0.2\n3.0\n1\n",
       {"Dimensions of Square Prestressed Pile Section:", "Prestressing Strand Details:",
        "Computation of Loss of Prestress:", "Modulus of Rupture of Prestressed Concrete"}},
  };
  for (const Case& c : cases) {
    const auto r = ormyx_test::Run_Engine(EI_Only_Input("Units USCS", "1\n1\n" + c.section, {0.0, 50000.0}));
    ASSERT_EQ(r.status, 0) << c.name << "\n" << r.report;
    for (const char* line : c.lines) EXPECT_NE(r.report.find(line), std::string::npos) << c.name << ": " << line;
    EXPECT_EQ(Line4_Counts(r.plot).size(), 2u) << c.name;
  }
}

TEST(SectionDriverEndToEnd, PipeSummaryHasNoFactoredTable) {
  const auto r = ormyx_test::Run_Engine(EI_Only_Input("Units USCS", "1\n1\n4\n50.0\n24.0\n0.5\n36000.0\n29.0E6\n", {0.0}));
  ASSERT_EQ(r.status, 0) << r.report;
  EXPECT_EQ(r.report.find("Resistance"), std::string::npos);
  EXPECT_EQ(r.report.find("Max Concrete"), std::string::npos);
}

TEST(SectionDriverEndToEnd, PrestressedPileEndsWhenItsTensileZoneIsSmall) {
  const auto r = ormyx_test::Run_Engine(EI_Only_Input(
      "Units USCS",
      "1\n1\n7\n50.0\n18.0\n0.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
      "Use internal stress-strain curve for concrete\nAutoposition strands\n1\n3\n12\n350000.0\n0.2\n3.0\n1\n",
      {0.0}));
  ASSERT_EQ(r.status, 0) << r.report;
  // The last row of the table carries Z or reached the crushing strain.
  const std::vector<std::string> lines = Split_Lines(r.report);
  std::string last_row;
  bool in_table = false;
  for (const std::string& l : lines) {
    if (l.empty()) {
      in_table = false;
    } else if (in_table) {
      last_row = l;
    } else if (l.rfind(" ------------- -------------", 0) == 0) {
      in_table = true;
    }
  }
  ASSERT_FALSE(last_row.empty());
  const double strain = std::stod(last_row.substr(56, 14));
  EXPECT_TRUE(last_row.substr(last_row.size() - 3, 3).find('Z') != std::string::npos || strain >= 0.0038)
      << last_row;
}

TEST(SectionDriverEndToEnd, LateralAnalysisStopsOnAThrustAboveTheCapacity) {
  const std::string input =
      "ORMYXP6\nTITLE\nThrust above the axial capacity\n\n\n\n\n" + Options("Units USCS", false) +
      "SECTIONS\n1\n1\n4\n50.0\n24.0\n0.5\n36000.0\n29.0E6\n"
      "SOIL LAYERS\n1\n13 0.0 80.0\n110.0 2000.0\n110.0 2000.0\n"
      "LOADING\n2\n1 1 10000.0 0.0 100000.0 0\n2 1 10000.0 0.0 2000000.0 0\n0\nEND\n";
  const auto r = ormyx_test::Run_Engine(input);
  EXPECT_EQ(r.status, 224) << r.report;
  EXPECT_NE(r.report.find("**** Runtime Error No. 24 ****"), std::string::npos);
  EXPECT_NE(r.report.find("PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural "
                          "capacity in compression."),
            std::string::npos);
  EXPECT_NE(r.report.find("          Axial thrust load                  =   2000.0000000 kips"), std::string::npos);
  EXPECT_NE(r.message.find("The analysis ended due to runtime error No. 24."), std::string::npos);
}

TEST(SectionDriverEndToEnd, InputMomentCurvatureTable) {
  // Code -13: pairs of moment and curvature; the echo forms M / phi.
  const std::string section =
      "1\n1\n-13\n50.0\n24.0\n2\n0.0\n4\n0.0\n0.0\n1.0E6\n1.0E-4\n2.0E6\n3.0E-4\n2.5E6\n1.0E-3\n"
      "100000.0\n4\n0.0\n0.0\n1.5E6\n1.0E-4\n3.0E6\n3.0E-4\n3.5E6\n1.0E-3\n";
  const auto r = ormyx_test::Run_Engine(EI_Only_Input("Units USCS", section, {0.0, 100000.0}));
  ASSERT_EQ(r.status, 0) << r.report;
  const std::vector<std::string> plot = Split_Lines(r.plot);
  EXPECT_NE(r.plot.find("Line 3 : Total number of axial thrusts for input M-EI section"), std::string::npos);
  EXPECT_EQ(Line4_Counts(r.plot), (std::vector<int>{145, 145}));
  EXPECT_EQ(Count_Containing(r.report, "Moment-Curvature properties for Section 1 derived from input values for "
                                       "nonlinear M-EI properties"),
            2);
  // Line 4 of level 2: Mn is its largest moment, in lb-in; the thrust is the run's.
  for (const std::string& l : plot)
    if (l.find("Line 4 :") != std::string::npos && std::stod(l.substr(15, 15)) == 100.0) {
      EXPECT_DOUBLE_EQ(std::stod(l.substr(30, 15)), 3.5e6);
    }
  // The first point of level 1 takes the stiffness of point 2 (1E6 / 1E-4).
  EXPECT_NE(r.plot.find("  0.0000000E+00  0.1000000E+11  0.0000000E+00"), std::string::npos);
}

}  // namespace
