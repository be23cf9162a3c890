// The fast paths of the moment-curvature computation against the plain ones:
// the neutral-axis search that evaluates the three trials of a Newton step in
// one pass must leave exactly (bit for bit) the state of the search that
// evaluates them one at a time, and whole runs must write the same bytes
// whether the thrusts of a section are computed on one thread or two.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_files.h"
#include "section/section_driver.h"
#include "section_fixtures.h"
#include "test_support.h"

using namespace ormyx;
using namespace section_test;
namespace fs = std::filesystem;

namespace {

bool Same_Bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool Same_Slices(const Slice_Array& a, const Slice_Array& b) {
  return std::memcmp(a.v, b.v, sizeof a.v) == 0;
}

// Everything a search leaves in the working section, compared bit for bit.
void Expect_Same_Search_State(const EI_Vars& a, const EI_Vars& b, const std::string& where) {
  EXPECT_TRUE(Same_Bits(a.rd_NeutralAxisDepth, b.rd_NeutralAxisDepth)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_NeutralAxisStart, b.rd_NeutralAxisStart)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_TrialDepth, b.rd_TrialDepth)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_Moment, b.rd_Moment)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_AxialForce, b.rd_AxialForce)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_ForceConcrete, b.rd_ForceConcrete)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_ForceBars, b.rd_ForceBars)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_ForceCasing, b.rd_ForceCasing)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_BestDepth, b.rd_BestDepth)) << where;
  EXPECT_TRUE(Same_Bits(a.rd_BestResidual, b.rd_BestResidual)) << where;
  EXPECT_EQ(a.i_Iterations, b.i_Iterations) << where;
  EXPECT_EQ(a.b_Cracked, b.b_Cracked) << where;
  EXPECT_EQ(a.b_Yielded, b.b_Yielded) << where;
  EXPECT_TRUE(Same_Slices(a.rd_SliceStrain, b.rd_SliceStrain)) << where;
  EXPECT_TRUE(Same_Slices(a.rd_StressConcrete, b.rd_StressConcrete)) << where;
  EXPECT_TRUE(Same_Slices(a.rd_StressBars, b.rd_StressBars)) << where;
  EXPECT_TRUE(Same_Slices(a.rd_StressCasing, b.rd_StressCasing)) << where;
}

// The sections of the comparison, each set up in the run's working section.
struct Section_Case {
  const char* name;
  void (*set_up)();
  double thrusts[4];  // kips
};

void Shaft() {
  Drilled_Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Initialize();
}
void Rectangle_Pile() {
  Rectangle(18.0, 30.0, 3, 1.0, 0.79, 3.0);
  Initialize();
}
void Pipe() {
  Steel_Pipe(24.0, 0.5, 36.0);
  Initialize(CONCRETE_NONE);
}
void Shaft_With_Casing() {
  Cased_Shaft(30.0, 10, 1.0, 0.79, 3.0);
  Initialize();
}
// Circular prestressed pile with 16 strands.
void Prestressed() {
  Prestressed_Pile(5, SHAPE_CIRCLE, 16);
  Initialize();
}
// A shaft whose bars yield early (fy = 20 ksi), so that the yield flag turns
// on at the trial depths on either side of a search.
void Weak_Bars() {
  Drilled_Shaft(24.0, 8, 1.0, 0.79, 3.0, 5.0, 20.0);
  Initialize();
}

const Section_Case CASES[] = {
    {"drilled shaft", Shaft, {-400.0, 0.0, 500.0, 2500.0}},
    {"rectangle", Rectangle_Pile, {-200.0, 0.0, 300.0, 1200.0}},
    {"steel pipe", Pipe, {-300.0, 0.0, 200.0, 800.0}},
    {"shaft with casing", Shaft_With_Casing, {-300.0, 0.0, 400.0, 2000.0}},
    {"prestressed pile", Prestressed, {-100.0, 0.0, 300.0, 1000.0}},
    {"weak bars", Weak_Bars, {-150.0, 0.0, 100.0, 600.0}},
};

// Every point of the moment-curvature sequence of each thrust (the search
// starting where the one before ended, the yield flag carried along),
// searched with the one-pass evaluation and with one trial at a time.
TEST(NeutralAxisSearch, OnePassGivesTheStateOfOneTrialAtATime) {
  for (const Section_Case& c : CASES) {
    c.set_up();
    ASSERT_FALSE(Error_Recorded()) << c.name;
    const EI_Vars section = RS().sec.EI;
    Slice_Kernel fused, plain;
    Build_Slice_Kernel(section, fused);
    Build_Slice_Kernel(section, plain);
    ASSERT_TRUE(fused.b_ThreeTrials) << c.name;
    plain.b_ThreeTrials = false;
    const double step = section.i_AnalysisShape == SHAPE_STEEL_PIPE ? 2e-6 : 1.25e-6;
    for (double P : c.thrusts) {
      EI_Vars a = section, b = section;
      Begin_Thrust_State(a, P);
      Begin_Thrust_State(b, P);
      int solved = 0;
      for (int p = 1; p <= 150; ++p) {
        a.rd_Curvature = b.rd_Curvature = p * step * (p < 40 ? 1.0 : 4.0);
        const bool found_a = Find_Neutral_Axis(a, fused);
        const bool found_b = Find_Neutral_Axis(b, plain);
        const std::string where = std::string(c.name) + ", P = " + std::to_string(P) +
                                  ", point " + std::to_string(p);
        ASSERT_EQ(found_a, found_b) << where;
        Expect_Same_Search_State(a, b, where);
        if (::testing::Test::HasFailure()) return;
        if (!found_a) break;
        ++solved;
      }
      EXPECT_GT(solved, 20) << c.name << ", P = " << P;
    }
  }
}

// ---- Whole runs on one thread and on two --------------------------------------

std::vector<std::string> Inputs() {
  std::vector<std::string> all;
  for (const char* dir : {"/examples", "/tests/data", "/tests/data/golden"})
    for (const auto& e : fs::directory_iterator(std::string(ORMYX_SOURCE_DIR) + dir))
      if (e.is_regular_file() && e.path().extension() == ".inp") all.push_back(e.path().string());
  std::sort(all.begin(), all.end());
  return all;
}

// Report, plot, run-message and moment-curvature files of one run, the
// date-and-time line and the folder line left out.
std::vector<std::pair<std::string, std::string>> Run_Files_Of(const std::string& input) {
  const std::string stem = fs::path(input).stem().string();
  const std::string dir = ormyx_test::Prepare_Input_Folder(input, "threads");
  ormyx_test::Run_OGO_In(dir);
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<std::string> all;
  for (const auto& e : fs::directory_iterator(dir)) all.push_back(e.path().filename().string());
  std::sort(all.begin(), all.end());
  for (const std::string& name : all) {
    if (name == stem + ".inp" || name == "NAMES.DAT" || name == "M_vs_EI_report_names.txt") continue;
    std::string text = ormyx_test::Read_File(dir + "/" + name);
    if (name == stem + ".out" || name == stem + ".msg") {
      std::string kept;
      for (const std::string& line : ormyx_test::Split_Lines(text))
        if ((line.find("Date:  ") == std::string::npos || line.find("Time:  ") == std::string::npos) &&
            line.find("Path to file locations:") == std::string::npos)
          kept += line + "\n";
      text = kept;
    }
    files.push_back({name, text});
  }
  fs::remove_all(dir);
  return files;
}

// Every input (each nonlinear section with any number of thrusts) written
// alike with the thrusts on one thread and on two.
TEST(SectionThreads, SameFilesOnOneThreadAndOnTwo) {
  int compared = 0;
  for (const std::string& input : Inputs()) {
    Set_Section_Threads(1);
    const auto one = Run_Files_Of(input);
    Set_Section_Threads(2);
    const auto two = Run_Files_Of(input);
    Set_Section_Threads(0);
    ASSERT_EQ(one.size(), two.size()) << input;
    for (std::size_t i = 0; i < one.size(); ++i) {
      EXPECT_EQ(one[i].first, two[i].first) << input;
      EXPECT_TRUE(one[i].second == two[i].second) << input << ": " << one[i].first << " differs";
    }
    compared += one.size() > 3 ? 1 : 0;
  }
  EXPECT_GT(compared, 3);  // inputs that wrote moment-curvature files
}

}  // namespace
