// Damaged input files through the whole reader: every truncation, random byte
// changes, deleted, swapped and repeated lines and binary junk must end in
// order: no error, or a recorded input error with its block in the report;
// never an exception, a fault or a hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "section/interaction.h"
#include "tests/read_input_fixture.h"
#include "tests/test_support.h"

namespace ormyx {
namespace {

using ormyx_test::Read_Input_Text;
using ormyx_test::Read_Outcome;

// A complete valid input that touches every section of the file.
const char* const FULL_INPUT =
    "ORMYXP6\n"
    "TITLE\nGarble test pile\nline 2\nline 3\nline 4\nline 5\n"
    "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix YES\nUseTipShear YES\n"
    "UseSoilMovement YES\nUsePYModifiers YES\nComputeEIOnly NO\nLoading CYCLIC    20\n"
    "MaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 100\n"
    "PrintSummaryOnly NO\nPrintIncrement 2\nPrintPYCurves YES\nComputeInteraction NO\n"
    "SECTIONS\n1\n1\n1\n50.0\n36.0\n4000.0\n0.75\n"
    "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n"
    "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.0\n2.9E7\n12\n1\n"
    "1.128\n1.0\n3.0\n0.0\n"
    "SOIL LAYERS\n2\n1 0.0 15.0\n110.0 400.0 0.02\n112.0 600.0 0.01\n"
    "5 15.0 60.0\n120.0 34.0 90.0\n125.0 36.0 125.0\n"
    "TIP SHEAR\n2\n1 0 0\n2 0.5 1000\n"
    "PILE BATTER AND SLOPE\n5\n2\n"
    "GROUPEFF\n2\n1 0 0.8 1\n2 50 0.8 1\n"
    "LOADING\n2\n1 1 10000 0 100000 0\n2 2 20000 0 50000 1\n2\n1 0 5\n2 120 0\n"
    "SOIL MOVEMENTS\n2\n1 0 1.0\n2 20 0\n"
    "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5\n2 20\n"
    "END\n";

// LRFD form of a complete input.
const char* const LRFD_INPUT =
    "ORMYXP6\n"
    "OPTIONS\nUnits SI\nUseLRFD YES\nComputeKmatrix NO\nUseTipShear NO\n"
    "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
    "MaxIterations 100\nMaxDeflection 0.25\nTolerance 2.54E-7\nIncrements 100\n"
    "PrintSummaryOnly YES\nPrintIncrement 1\nPrintPYCurves NO\nComputeInteraction NO\n"
    "SECTIONS\n1\n1\n11\n20.0\n2\n2.0E7\n900\n900\n636172\n636172\n3.22E10\n3.22E10\n"
    "SOIL LAYERS\n2\n1 0 5\n8 20 0.02\n8 25 0.01\n6 5 30\n10 33 20000\n10 35 30000\n"
    "LRFD LOADS\n2\n1 1 100 50 800 0\n2 2 60 20 300 2\n1 0 5\n2 2 0\n"
    "LRFD FACTORS AND CASES\n2\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n"
    "2 0.9 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength Ia\n"
    "END\n";

struct Named_Input {
  std::string name;
  std::string text;
};

std::vector<Named_Input> Inputs() {
  std::vector<Named_Input> v = {{"full", FULL_INPUT}, {"lrfd", LRFD_INPUT}};
  std::filesystem::path dir = std::filesystem::path(ORMYX_SOURCE_DIR) / "examples";
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(dir))
    for (const auto& e : std::filesystem::directory_iterator(dir))
      if (e.path().extension() == ".inp") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  for (const auto& f : files)
    v.push_back({f.filename().string(), ormyx_test::Read_File(f.string())});
  return v;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t a = 0;
  while (a < text.size()) {
    std::size_t b = text.find('\n', a);
    if (b == std::string::npos) b = text.size() - 1;
    lines.push_back(text.substr(a, b - a + 1));
    a = b + 1;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l;
  return s;
}

// Read one damaged text and check that the outcome is orderly. Returns the
// error number.
int Read_Orderly(const std::string& text, const std::string& what) {
  Read_Outcome r;
  try {
    r = Read_Input_Text(text);
  } catch (const std::exception& e) {
    ADD_FAILURE() << what << ": exception " << e.what();
    return -1;
  }
  if (r.error != 0) {
    EXPECT_TRUE(r.error >= 100 && r.error <= 199) << what << ": error " << r.error;
    EXPECT_NE(r.report.find(Error_Code("INP", r.error - 100)), std::string::npos)
        << what << ": no block for error " << r.error;
  }
  return r.error;
}

TEST(ReadGarble, ValidInputsReadWithoutError) {
  for (const auto& in : Inputs()) {
    Read_Outcome r = Read_Input_Text(in.text);
    EXPECT_EQ(r.error, 0) << in.name << "\n" << r.report;
    EXPECT_EQ(r.next, "<eof>") << in.name;
    EXPECT_GE(RS().prob.sec.i_Number_of_Sections, 1) << in.name;
    // The layer count is the line after the SOIL LAYERS keyword of each input.
    const std::size_t layers = in.text.find("SOIL LAYERS\n") + 12;
    EXPECT_EQ(RS().prob.soil.i_Number_of_Layers, std::stoi(in.text.substr(layers))) << in.name;
    // With the interaction diagram the list is built by the run after the echo.
    if (RS().prob.opt.b_ComputeInteraction != L_FALSE) Prepare_Thrust_List();
    EXPECT_GE(RS().prob.load.i_Number_of_Thrusts, 1) << in.name;
  }
  // The examples are there and are soft clay over another layer under one
  // load case of type 1.
  for (const char* name : {"us_soft_clay.inp", "si_drilled_shaft.inp"}) {
    std::string path = std::string(ORMYX_SOURCE_DIR) + "/examples/" + name;
    ASSERT_TRUE(ormyx_test::File_Exists(path)) << path;
    Read_Outcome r = Read_Input_Text(ormyx_test::Read_File(path));
    ASSERT_EQ(r.error, 0) << name << "\n" << r.report;
    EXPECT_EQ(RS().prob.soil.Soil_Model_Names[1].trimmed(), "SoftClay");
    EXPECT_EQ(RS().prob.load.i_Number_of_Loads, 1) << name;
    EXPECT_EQ(RS().prob.load.Pile_Head_Load[1].i_LoadType, 1) << name;
  }
}

// Cut positions: every byte of the first input; for the others the end of
// every line, the point before its newline and its middle.
std::vector<std::size_t> Cuts(const std::string& text, bool every_byte) {
  std::vector<std::size_t> cuts;
  if (every_byte) {
    for (std::size_t c = 0; c <= text.size(); ++c) cuts.push_back(c);
    return cuts;
  }
  std::size_t a = 0;
  for (const auto& line : Split(text)) {
    cuts.push_back(a + line.size() / 2);
    if (line.size() > 1) cuts.push_back(a + line.size() - 1);
    cuts.push_back(a + line.size());
    a += line.size();
  }
  return cuts;
}

TEST(ReadGarble, EveryTruncationEndsInAnInputErrorUntilEndIsComplete) {
  bool first = true;
  for (const auto& in : Inputs()) {
    const std::size_t end_at = in.text.rfind("END");
    ASSERT_NE(end_at, std::string::npos) << in.name;
    for (std::size_t cut : Cuts(in.text, first)) {
      int e = Read_Orderly(in.text.substr(0, cut), in.name + " cut at " + std::to_string(cut));
      if (cut < end_at + 3) {
        EXPECT_GT(e, 0) << in.name << " cut at " << cut;
      } else {
        EXPECT_EQ(e, 0) << in.name << " cut at " << cut;
      }
    }
    first = false;
  }
}

TEST(ReadGarble, DeletedSwappedAndRepeatedLines) {
  for (const auto& in : Inputs()) {
    const auto lines = Split(in.text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
      auto del = lines;
      del.erase(del.begin() + long(i));
      Read_Orderly(Join(del), in.name + " without line " + std::to_string(i + 1));
      if (i + 1 < lines.size()) {
        auto swp = lines;
        std::swap(swp[i], swp[i + 1]);
        Read_Orderly(Join(swp), in.name + " lines swapped at " + std::to_string(i + 1));
      }
      auto rep = lines;
      rep.insert(rep.begin() + long(i), lines[i]);
      Read_Orderly(Join(rep), in.name + " line repeated " + std::to_string(i + 1));
    }
  }
}

TEST(ReadGarble, RandomByteChangesAndBinaryJunk) {
  std::mt19937 rng(20120634u);
  auto pick = [&](std::size_t n) { return std::size_t(rng() % n); };
  // Bytes that matter most to a reader, and any byte at all.
  const std::string telling = "0123456789-+.,eEdD \n\r\t/*";
  for (const auto& in : Inputs()) {
    for (int k = 0; k < 200; ++k) {
      std::string t = in.text;
      int changes = 1 + int(pick(3));
      for (int c = 0; c < changes; ++c) {
        std::size_t at = 1 + pick(t.size() - 1);
        t[at] = (k % 2 == 0) ? telling[pick(telling.size())] : char(rng() & 0xFF);
      }
      Read_Orderly(t, in.name + " byte change " + std::to_string(k));
    }
    for (int k = 0; k < 60; ++k) {
      std::string t = in.text;
      std::string junk;
      std::size_t n = 1 + pick(64);
      for (std::size_t j = 0; j < n; ++j) junk.push_back(char(rng() & 0xFF));
      t.insert(8 + pick(t.size() - 8), junk);
      Read_Orderly(t, in.name + " junk " + std::to_string(k));
    }
  }
  // Whole files of junk after the tag, with and without newlines and NULs.
  for (int k = 0; k < 100; ++k) {
    std::string t = "ORMYXP6\n";
    std::size_t n = pick(3000);
    for (std::size_t j = 0; j < n; ++j) {
      unsigned b = rng() & 0xFF;
      if (k % 3 == 0 && b % 7 == 0) b = '\n';
      t.push_back(char(b));
    }
    Read_Orderly(t, "junk file " + std::to_string(k));
  }
  // Huge counts are refused before anything is read.
  for (const char* s :
       {"LOADING\n2000000000\n", "TIP SHEAR\n99999\n", "GROUPEFF\n2147483647\n",
        "LRFD LOADS\n2147483647\n", "SECTIONS\n2000000000\n", "SOIL LAYERS\n2000000000\n",
        "AXIAL THRUST LOADS\n1000\n", "LRFD FACTORS AND CASES\n5000\n"}) {
    int e = Read_Orderly(std::string("ORMYXP6\n") + s + "END\n", s);
    EXPECT_GT(e, 0) << s;
  }
}

}  // namespace
}  // namespace ormyx
