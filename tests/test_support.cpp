#include "tests/test_support.h"

#include "engine/run_control.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern "C" int32_t OGO(int32_t hostVersion);

namespace ormyx_test {

namespace fs = std::filesystem;

namespace {

// Folders made by this test program, removed when it exits so that repeated
// test runs do not fill the temporary folder. ORMYX_KEEP_TEST_DIRS=1 keeps
// them for inspection. Only the process that made them removes them: a forked
// child that exits normally leaves its parent's folders alone.
struct Temp_Dir_Registry {
  std::mutex lock;
  std::vector<fs::path> dirs;
  pid_t owner = getpid();
  ~Temp_Dir_Registry() {
    const char* keep = std::getenv("ORMYX_KEEP_TEST_DIRS");
    if (getpid() != owner || (keep != nullptr && keep[0] != '\0' && keep[0] != '0')) return;
    for (const fs::path& d : dirs) {
      std::error_code ec;
      fs::remove_all(d, ec);
    }
  }
};

Temp_Dir_Registry& Registry() {
  static Temp_Dir_Registry r;
  return r;
}

}  // namespace

std::string Make_Temp_Dir(const std::string& tag) {
  static std::atomic<int> counter{0};
  fs::path base = fs::temp_directory_path() /
                  ("ormyx-test-" + std::to_string(getpid()) + "-" + tag + "-" +
                   std::to_string(counter++));
  fs::remove_all(base);
  fs::create_directories(base);
  Temp_Dir_Registry& r = Registry();
  std::lock_guard<std::mutex> hold(r.lock);
  r.dirs.push_back(base);
  return base.string();
}

std::string Read_File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Write_File(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

bool File_Exists(const std::string& path) { return fs::exists(path); }

std::vector<std::string> Split_Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

std::vector<std::string> Run_Result::report_lines() const { return Split_Lines(report); }
std::vector<std::string> Run_Result::plot_lines() const { return Split_Lines(plot); }
std::vector<std::string> Run_Result::message_lines() const { return Split_Lines(message); }

int32_t Run_OGO_In(const std::string& dir, int32_t version) {
  fs::path old = fs::current_path();
  fs::current_path(dir);
  int32_t status = OGO(version);
  fs::current_path(old);
  return status;
}

Run_Result Run_Engine(const std::string& input_text, int32_t version,
                      const std::vector<std::string>& mei_names) {
  Run_Result r;
  r.dir = Make_Temp_Dir("run");
  Write_File(r.dir + "/NAMES.DAT", "input.inp\nreport.out\nplot.plt\nrun.msg\n");
  std::string names;
  for (const auto& n : mei_names) names += n + "\n";
  Write_File(r.dir + "/M_vs_EI_report_names.txt", names);
  Write_File(r.dir + "/input.inp", input_text);
  r.status = Run_OGO_In(r.dir, version);
  r.report = Read_File(r.dir + "/report.out");
  r.plot = Read_File(r.dir + "/plot.plt");
  r.message = Read_File(r.dir + "/run.msg");
  return r;
}

std::string Prepare_Input_Folder(const std::string& input_path, const std::string& tag) {
  const std::string stem = fs::path(input_path).stem().string();
  const std::string dir = Make_Temp_Dir(tag);
  Write_File(dir + "/NAMES.DAT", stem + ".inp\n" + stem + ".out\n" + stem + ".plt\n" + stem + ".msg\n");
  std::string names;
  for (int k = 1; k <= ormyx::MAX_MEI_REPORT_FILES; ++k) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "mc_%04d.txt\n", k);
    names += buf;
  }
  Write_File(dir + "/M_vs_EI_report_names.txt", names);
  Write_File(dir + "/" + stem + ".inp", Read_File(input_path));
  return dir;
}

std::string Example_Path(const std::string& name) {
  return std::string(ORMYX_SOURCE_DIR) + "/examples/" + name;
}

int Count_Containing(const std::string& text, const std::string& needle) {
  int n = 0;
  for (const auto& l : Split_Lines(text))
    if (l.find(needle) != std::string::npos) ++n;
  return n;
}

}  // namespace ormyx_test
