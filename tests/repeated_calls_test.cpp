// Many OGO calls in one process: every input of examples/ and tests/data/,
// run one after another (forwards, then backwards, so that each input follows
// different runs), gives call by call the same report, plot, run-message and
// moment-curvature files as a fresh process of the ormyx command. Nothing of
// one run may reach the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/run_control.h"
#include "tests/test_support.h"

using namespace ormyx_test;
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> All_Inputs() {
  std::vector<fs::path> v;
  const fs::path src(ORMYX_SOURCE_DIR);
  for (const fs::path& dir : {src / "examples", src / "tests" / "data"})
    for (const auto& e : fs::recursive_directory_iterator(dir))
      if (e.is_regular_file() && e.path().extension() == ".inp") v.push_back(e.path());
  std::sort(v.begin(), v.end());
  return v;
}

// The run's files by name: STEM.out, STEM.plt, STEM.msg and the
// moment-curvature files mc_K.txt, the date and time line and the folder
// line masked (they differ from run to run by design).
using Files = std::map<std::string, std::string>;

std::string Masked(const std::string& text) {
  std::string out;
  for (const std::string& l : Split_Lines(text)) {
    if (l.find("Date:  ") != std::string::npos && l.find("Time:  ") != std::string::npos)
      out += "<date and time>\n";
    else if (l.rfind("Path to file locations:", 0) == 0)
      out += "<folder>\n";
    else
      out += l + "\n";
  }
  return out;
}

Files Collect(const fs::path& dir, const std::string& stem, const fs::path& mc_dir) {
  Files f;
  for (const char* ext : {".out", ".plt", ".msg"})
    f[ext] = Masked(Read_File((dir / (stem + ext)).string()));
  if (fs::is_directory(mc_dir))
    for (const auto& e : fs::directory_iterator(mc_dir))
      if (e.path().filename().string().rfind("mc_", 0) == 0)
        f[e.path().filename().string()] = Masked(Read_File(e.path().string()));
  return f;
}

// A fresh process: the ormyx command, its run files in `out`.
Files Fresh_Process(const fs::path& input, const fs::path& out, int& status) {
  const std::string cmd = std::string(ORMYX_CLI) + " '" + input.string() + "' --out '" +
                          out.string() + "' > '" + (out / "cli.txt").string() + "' 2>&1";
  status = std::system(cmd.c_str());
  const std::string stem = input.stem().string();
  return Collect(out, stem, out / (stem + ".mc"));
}

// One OGO call of this process, with the files named as the command names them.
Files In_Process(const fs::path& input, int32_t& status) {
  const std::string stem = input.stem().string();
  const std::string d = Prepare_Input_Folder(input.string(), "repeat");
  status = Run_OGO_In(d);
  Files f = Collect(d, stem, d);
  fs::remove_all(d);
  return f;
}

}  // namespace

TEST(RepeatedCalls, EveryInputGivesTheFilesOfAFreshProcess) {
  const std::vector<fs::path> inputs = All_Inputs();
  ASSERT_GE(inputs.size(), 14u);
  std::map<std::string, Files> fresh;
  const std::string out = Make_Temp_Dir("fresh");
  for (const fs::path& p : inputs) {
    int st = 0;
    fresh[p.string()] = Fresh_Process(p, out, st);
    ASSERT_FALSE(fresh[p.string()][".out"].empty()) << p << ": the command wrote no report";
  }
  // The moment-curvature files take part in the comparison.
  std::size_t mc_files = 0;
  for (const auto& [input, files] : fresh) mc_files += files.size() - 3;
  EXPECT_GT(mc_files, 0u);
  std::vector<fs::path> order = inputs;
  order.insert(order.end(), inputs.rbegin(), inputs.rend());
  for (const fs::path& p : order) {
    int32_t status = 0;
    const Files got = In_Process(p, status);
    const Files& want = fresh[p.string()];
    EXPECT_NE(status, 999) << p;
    ASSERT_EQ(got.size(), want.size()) << p << ": not the same moment-curvature files";
    for (const auto& [name, text] : want) {
      auto it = got.find(name);
      ASSERT_NE(it, got.end()) << p << ": no " << name;
      // Compared as a whole; on a difference, the first differing line is shown.
      if (it->second != text) {
        const auto a = Split_Lines(it->second), b = Split_Lines(text);
        std::size_t i = 0;
        while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
        ADD_FAILURE() << p << " " << name << " differs at line " << i + 1 << ":\n  call:  "
                      << (i < a.size() ? a[i] : "<end>") << "\n  fresh: "
                      << (i < b.size() ? b[i] : "<end>");
      }
    }
  }
  fs::remove_all(out);
}
