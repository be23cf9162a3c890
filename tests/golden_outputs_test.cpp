// Byte identity of whole runs: every shipped example, every input under
// tests/data and the inputs under tests/data/golden (every section type, every
// soil model of a lateral analysis, the heavy paths at a small size) are run
// and their report, plot file, run-message file and moment-curvature files
// compared byte for byte with the reference files in tests/data/golden/out.
// Only the date-and-time line and the folder line are masked. The references
// were written by the engine before any speed-up; a change of one output byte
// fails here.
//
// To rewrite the references after an intended change of output, run each
// case in a fresh process:
//   for i in $(seq 0 N); do ORMYX_GOLDEN_WRITE=1
//     build/tests/golden_outputs_test --gtest_filter="Inputs/Golden.SameBytes/$i"; done
// (one line; N + 1 cases).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

using namespace ormyx_test;
namespace fs = std::filesystem;

namespace {

const std::string SOURCE = ORMYX_SOURCE_DIR;
const std::string REFERENCE_DIR = SOURCE + "/tests/data/golden/out";

// Input files of the comparison, in a fixed order.
std::vector<std::string> Golden_Inputs() {
  std::vector<std::string> all;
  for (const char* dir : {"/examples", "/tests/data", "/tests/data/golden"}) {
    std::vector<std::string> part;
    for (const auto& e : fs::directory_iterator(SOURCE + dir))
      if (e.is_regular_file() && e.path().extension() == ".inp") part.push_back(e.path().string());
    std::sort(part.begin(), part.end());
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

// The text with the lines that depend on the time or the folder of the run
// replaced by a fixed mark.
std::string Masked(const std::string& text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    std::size_t next = end == std::string::npos ? text.size() : end + 1;
    std::string_view line(text.data() + pos, next - pos);
    if (line.find("Path to file locations:") != std::string_view::npos)
      out += "<folder>\n";
    else if (line.find("Date:  ") != std::string_view::npos &&
             line.find("Time:  ") != std::string_view::npos)
      out += "<date and time>\n";
    else
      out += line;
    pos = next;
  }
  return out;
}

// One run's files: report, plot, run messages and moment-curvature files,
// keyed by the suffix under which they are kept as references.
struct Run_Files_Text {
  std::vector<std::pair<std::string, std::string>> files;
  int status = 0;
};

// Runs the input in a fresh folder of this process, as the command does:
// the run files named after the input, the full list of moment-curvature
// file names.
Run_Files_Text Run_Input(const std::string& input) {
  const std::string stem = fs::path(input).stem().string();
  const std::string dir = Prepare_Input_Folder(input, "golden");
  Run_Files_Text r;
  r.status = Run_OGO_In(dir);
  for (const char* ext : {".out", ".plt", ".msg"})
    r.files.push_back({stem + ext, Masked(Read_File(dir + "/" + stem + ext))});
  std::vector<std::string> mc;
  for (const auto& e : fs::directory_iterator(dir)) {
    std::string name = e.path().filename().string();
    if (name.rfind("mc_", 0) == 0) mc.push_back(name);
  }
  std::sort(mc.begin(), mc.end());
  for (const auto& name : mc) r.files.push_back({stem + ".mc/" + name, Read_File(dir + "/" + name)});
  fs::remove_all(dir);
  return r;
}

// The reference files of one input (same keys as Run_Input).
std::vector<std::string> Reference_Names(const std::string& stem) {
  std::vector<std::string> names = {stem + ".out", stem + ".plt", stem + ".msg"};
  std::vector<std::string> mc;
  if (fs::is_directory(REFERENCE_DIR + "/" + stem + ".mc"))
    for (const auto& e : fs::directory_iterator(REFERENCE_DIR + "/" + stem + ".mc"))
      mc.push_back(stem + ".mc/" + e.path().filename().string());
  std::sort(mc.begin(), mc.end());
  names.insert(names.end(), mc.begin(), mc.end());
  return names;
}

void Write_References(const Run_Files_Text& r) {
  for (const auto& [name, text] : r.files) {
    fs::create_directories(fs::path(REFERENCE_DIR + "/" + name).parent_path());
    Write_File(REFERENCE_DIR + "/" + name, text);
  }
}

// Compares one run with its references; the first differing line is shown.
void Expect_Same_As_References(const std::string& input, const Run_Files_Text& r) {
  const std::string stem = fs::path(input).stem().string();
  std::vector<std::string> produced;
  for (const auto& f : r.files) produced.push_back(f.first);
  ASSERT_EQ(produced, Reference_Names(stem)) << input << ": the set of files differs";
  for (const auto& [name, text] : r.files) {
    const std::string ref = Read_File(REFERENCE_DIR + "/" + name);
    if (ref == text) continue;
    auto a = Split_Lines(ref), b = Split_Lines(text);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    ADD_FAILURE() << name << " differs at line " << i + 1 << "\n  reference: "
                  << (i < a.size() ? a[i] : "<end>") << "\n  now:       "
                  << (i < b.size() ? b[i] : "<end>");
  }
}

class Golden : public ::testing::TestWithParam<std::string> {};

// Each input on its own, compared with its references.
TEST_P(Golden, SameBytes) {
  Run_Files_Text r = Run_Input(GetParam());
  if (std::getenv("ORMYX_GOLDEN_WRITE")) {
    Write_References(r);
    GTEST_SKIP() << "references written";
  }
  Expect_Same_As_References(GetParam(), r);
}

INSTANTIATE_TEST_SUITE_P(Inputs, Golden, ::testing::ValuesIn(Golden_Inputs()));

// All inputs one after the other in one process, twice over: nothing of one
// run may leak into the next, so every run gives its references again.
TEST(GoldenSequence, EveryRunStartsAfresh) {
  if (std::getenv("ORMYX_GOLDEN_WRITE")) GTEST_SKIP();
  const auto inputs = Golden_Inputs();
  for (int pass = 1; pass <= 2; ++pass)
    for (const auto& input : inputs) {
      SCOPED_TRACE(input + ", pass " + std::to_string(pass));
      Expect_Same_As_References(input, Run_Input(input));
    }
}

}  // namespace
