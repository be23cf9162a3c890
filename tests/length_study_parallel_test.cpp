// The deflection-length study one length ahead on a helper thread gives the
// very bytes of the study run length after length: every example, every input
// under tests/data (and those in the folder ORMYX_STUDY_CORPUS names, e.g. a
// fuzz corpus from tests/fuzz/make_corpus.py), each as given and with the
// study switched on for every load case, is run sequentially and in the
// checking mode, in which every helper result taken over is also compared,
// record by record, with the same length analysed again on the run's thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "solution/length_study.h"
#include "tests/test_support.h"

using namespace ormyx_test;
namespace fs = std::filesystem;

namespace {

const std::string SOURCE = ORMYX_SOURCE_DIR;

std::vector<std::string> Inputs_In(const std::string& dir) {
  std::vector<std::string> part;
  if (!fs::is_directory(dir)) return part;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.is_regular_file() && (e.path().extension() == ".inp" || e.path().extension().empty()))
      part.push_back(e.path().string());
  std::sort(part.begin(), part.end());
  return part;
}

std::vector<std::string> Study_Inputs() {
  std::vector<std::string> all;
  for (const char* dir : {"/examples", "/tests/data", "/tests/data/golden", "/tests/data/fuzz_regressions"}) {
    std::vector<std::string> part = Inputs_In(SOURCE + dir);
    all.insert(all.end(), part.begin(), part.end());
  }
  if (const char* extra = std::getenv("ORMYX_STUDY_CORPUS")) {
    std::vector<std::string> part = Inputs_In(extra);
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

// The input with the length-study switch (last field of each load-case line)
// set to 0 for every case; empty when the input has no readable LOADING block.
std::string With_Study_Everywhere(const std::string& text) {
  std::vector<std::string> lines = Split_Lines(text);
  bool changed = false;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].find_first_not_of(" \t\r") == std::string::npos) continue;
    std::istringstream head(lines[i]);
    std::string word, rest;
    head >> word;
    if (word != "LOADING" || (head >> rest)) continue;
    std::istringstream count(lines[i + 1]);
    int n = 0;
    if (!(count >> n) || n < 1 || n > 100) return {};
    for (int k = 1; k <= n && i + 1 + k < lines.size(); ++k) {
      std::string& l = lines[i + 1 + k];
      std::istringstream fields(l);
      std::vector<std::string> f;
      for (std::string x; fields >> x;) f.push_back(x);
      if (f.size() != 6) return {};
      f[5] = "0";
      l = f[0];
      for (std::size_t j = 1; j < f.size(); ++j) l += " " + f[j];
      changed = true;
    }
    break;
  }
  if (!changed) return {};
  std::string out;
  for (const std::string& l : lines) out += l + "\n";
  return out;
}

// The run's text with the date-and-time line and the folder line masked.
std::string Masked(const std::string& text) {
  std::string out;
  for (const std::string& line : Split_Lines(text)) {
    if (line.find("Path to file locations:") != std::string::npos)
      out += "<folder>\n";
    else if (line.find("Date:  ") != std::string::npos && line.find("Time:  ") != std::string::npos)
      out += "<date and time>\n";
    else
      out += line + "\n";
  }
  return out;
}

struct Outcome {
  int status = 0;
  std::string report, plot, message;
};

Outcome Run_In_Mode(const std::string& text, int mode) {
  ormyx::Set_Length_Study_Mode(mode);
  Run_Result r = Run_Engine(text);
  fs::remove_all(r.dir);
  return {r.status, Masked(r.report), Masked(r.plot), Masked(r.message)};
}

TEST(LengthStudyParallel, SameBytesAsSequentialWithEveryResultChecked) {
  const ormyx::Length_Study_Statistics before = ormyx::fn_Length_Study_Statistics();
  for (const std::string& path : Study_Inputs()) {
    const std::string text = Read_File(path);
    const std::string everywhere = With_Study_Everywhere(text);
    for (const std::string* input : {&text, &everywhere}) {
      if (input->empty()) continue;
      SCOPED_TRACE(path + (input == &everywhere ? " (study on every case)" : ""));
      const Outcome seq = Run_In_Mode(*input, ormyx::STUDY_SEQUENTIAL);
      const Outcome par = Run_In_Mode(*input, ormyx::STUDY_CHECK_PARALLEL);
      EXPECT_EQ(seq.status, par.status);
      EXPECT_TRUE(seq.report == par.report) << "reports differ";
      EXPECT_TRUE(seq.plot == par.plot) << "plot files differ";
      EXPECT_TRUE(seq.message == par.message) << "run-message files differ";
    }
  }
  ormyx::Set_Length_Study_Mode(ormyx::STUDY_AUTO);
  const ormyx::Length_Study_Statistics after = ormyx::fn_Length_Study_Statistics();
  // The helper ran, some of its lengths were taken over, and each of those
  // equalled the length analysed again here, record by record.
  EXPECT_GT(after.speculated, before.speculated);
  EXPECT_GT(after.accepted, before.accepted);
  EXPECT_EQ(after.check_mismatches, before.check_mismatches);
}

// The forced mode (no re-analysis) on a soft clay too strong for its
// model near its bottom, which logs a warning at those points in every pass,
// also in every length of the study: the warnings the helper logs are logged again, in
// order, on the run's state, so the counts of the warning summary stay those
// of the sequential run.
TEST(LengthStudyParallel, WarningsOfTheHelperCountAsInASequentialRun) {
  std::string text = Read_File(Example_Path("us_soft_clay.inp"));
  const std::string weak = "110.0 400.0 0.02\n110.0 650.0 0.02\n";
  const std::size_t at = text.find(weak);
  ASSERT_NE(at, std::string::npos);
  // 1300 psf at the layer bottom: above the 1250 psf limit over the lowest
  // few nodes only, so the count stays below the cap of 4000 and tells.
  text.replace(at, weak.size(), "110.0 400.0 0.02\n110.0 1300.0 0.02\n");
  const std::string everywhere = With_Study_Everywhere(text);
  ASSERT_FALSE(everywhere.empty());
  const Outcome seq = Run_In_Mode(everywhere, ormyx::STUDY_SEQUENTIAL);
  const long accepted = ormyx::fn_Length_Study_Statistics().accepted;
  const Outcome par = Run_In_Mode(everywhere, ormyx::STUDY_FORCE_PARALLEL);
  ormyx::Set_Length_Study_Mode(ormyx::STUDY_AUTO);
  EXPECT_GT(ormyx::fn_Length_Study_Statistics().accepted, accepted);
  EXPECT_EQ(seq.status, par.status);
  EXPECT_TRUE(seq.report == par.report);
  EXPECT_TRUE(seq.plot == par.plot);
  EXPECT_TRUE(seq.message == par.message);
  EXPECT_NE(seq.report.find("Pile-head Deflection vs. Pile Length for Load Case 1"), std::string::npos);
  const std::string said = "The following warning was reported ";
  const std::size_t w = seq.report.find(said);
  ASSERT_NE(w, std::string::npos);
  const int times = std::atoi(seq.report.c_str() + w + said.size());
  EXPECT_GT(times, 0);
  EXPECT_LT(times, 4000);
}

}  // namespace
