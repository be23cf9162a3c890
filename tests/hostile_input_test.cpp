// Hostile inputs and hostile file systems: every run ends in order, with a
// clear error block in the report and the run-message file (where they can
// still be written), its status code and the closing lines, never a crash and
// never a report that looks complete when it is not.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/test_support.h"

using namespace ormyx_test;
namespace fs = std::filesystem;

namespace {

std::string Soft_Clay() { return Read_File(Example_Path("us_soft_clay.inp")); }
std::string User_Py() { return Read_File(Example_Path("us_user_py_curves.inp")); }

// The text with its first whole line `from` replaced by `to` (several lines
// allowed in both); the test fails when the line is not there.
std::string Replace_Line(const std::string& text, const std::string& from, const std::string& to) {
  std::string t = "\n" + text;
  std::size_t at = t.find("\n" + from + "\n");
  EXPECT_NE(at, std::string::npos) << "no line \"" << from << "\"";
  if (at == std::string::npos) return text;
  t.replace(at + 1, from.size(), to);
  return t.substr(1);
}

std::string Repeat(const std::string& piece, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += piece;
  return s;
}

// n numbered lines "k value" (k = 1..n), as the small tables give them.
std::string Numbered(int n, const std::string& value) {
  std::string s;
  for (int k = 1; k <= n; ++k) s += std::to_string(k) + " " + value + "\n";
  return s;
}

// n soft clay layers of 2 ft each, from the pile head down.
std::string Clay_Layers(int n) {
  std::string s = std::to_string(n) + "\n";
  for (int k = 0; k < n; ++k)
    s += "1 " + std::to_string(2 * k) + ".0 " + std::to_string(2 * k + 2) +
         ".0\n110.0 400.0 0.02\n110.0 400.0 0.02\n";
  return s;
}

const char* const kPyDepths = "DEPTHS OF PRINTED P-Y CURVES\n2\n1 3.0\n2 26.0";
const char* const kLoad = "1 1 67400.0 900000.0 225000.0 1";
const char* const kClayLayers =
    "2\n1 0.0 20.0\n110.0 400.0 0.02\n110.0 650.0 0.02\n3 20.0 80.0\n120.0 2000.0 0.007\n"
    "125.0 3000.0 0.005";

// Every run's common promise: the outcome is told in both files, and a run
// that failed never says it ended normally.
void Expect_Orderly_End(const Run_Result& r, const std::string& name) {
  EXPECT_NE(r.status, 999) << name;
  const bool failed = r.status >= 100 && r.status <= 299;
  for (const std::string* f : {&r.report, &r.message}) {
    if (failed) {
      const std::string kind = r.status < 200 ? "input" : "runtime";
      EXPECT_NE(f->find("The analysis ended due to " + kind + " error No. " +
                        std::to_string(r.status % 100) + "."),
                std::string::npos)
          << name;
      EXPECT_EQ(f->find("The analysis ended normally."), std::string::npos) << name;
    } else {
      EXPECT_NE(f->find("The analysis ended normally."), std::string::npos) << name;
    }
  }
}

struct Hostile_Case {
  const char* name;
  std::function<std::string()> input;
  int status;        // expected status; -1: any input or runtime error
  const char* says;  // text of the error block, in the report and the run-message file
  bool report_only = false;  // the text is in the report only
};

}  // namespace

TEST(HostileInput, EachEndsInOrderWithItsError) {
  const std::string sc = Soft_Clay();
  auto with = [&sc](std::string from, std::string to) {
    return [=] { return Replace_Line(sc, from, to); };
  };
  const Hostile_Case cases[] = {
      // Bytes and lines.
      {"NUL byte in a number", with("66.0", std::string("6\0" "6.0", 4)), 180, "holds a NUL byte"},
      {"data line of 5000 characters", with("66.0", "66.0" + std::string(4996, ' ')), 180,
       "a line longer than 4096 characters"},
      // A text line longer than its 256-character field is cut to it.
      {"title line of 5000 characters", with("One load case: 67.4 kips of shear, 75 kip-ft of "
                                             "moment, 225 kips of axial thrust",
                                             std::string(5000, 't')),
       0, ""},
      {"a million blank lines inside a free-form read",
       with("SOIL LAYERS", "SOIL LAYERS\n" + std::string(1000000, '\n')), 0, ""},
      {"a million lines after END", [&] { return sc + Repeat("junk line\n", 1000000); }, 0, ""},
      // Numbers that are not numbers, and the negative zero.
      {"NaN load", with(kLoad, "1 1 NaN 900000.0 225000.0 1"), 180, "found \"NaN\""},
      {"Infinity moment", with(kLoad, "1 1 67400.0 Infinity 225000.0 1"), 180,
       "found \"Infinity\""},
      {"1e400 thrust", with(kLoad, "1 1 67400.0 900000.0 1e400 1"), 180, "found \"1e400\""},
      {"negative zero loads", with(kLoad, "1 1 -0 -0.0 -0E5 1"), 0,
       "    1      1   V =       0.0000 lbs   M =       0.0000 in-lb              0.0000    No", true},
      // Dimensions, lengths and loads.
      {"section length 0", with("66.0", "0.0"), 186, "the section length is 0"},
      {"negative section length", with("66.0", "-66.0"), 186, "a section must be longer than 0"},
      {"diameter 0", with("48.0", "0.0"), 184, "the section diameter is not above 0"},
      {"negative diameter", with("48.0", "-48.0"), 184, "the section diameter is not above 0"},
      {"diameter 1e200", with("48.0", "1e200"), -1, ""},
      {"pile length 1e200", with("66.0", "1e200"), -1, ""},
      {"shear 1e30", with(kLoad, "1 1 1e30 900000.0 225000.0 1"), 209,
       "larger than the specified excess deflection limit"},
      {"tension 1e9", with(kLoad, "1 1 67400.0 900000.0 -1e9 1"), -1, ""},
      {"0 increments", with("Increments 100", "Increments 0"), 155,
       "The number of pile increments is less than 40."},
      {"negative iteration limit", with("MaxIterations 300", "MaxIterations -5"), 195,
       "is less than 30 iteractions", true},
      // Soil layers: the top of each layer below the first is the bottom of
      // the one above, so gaps and overlaps close; a bottom above its top
      // is refused.
      {"layers overlap", with("3 20.0 80.0", "3 10.0 80.0"), 0, ""},
      {"layers with a gap", with("3 20.0 80.0", "3 30.0 80.0"), 0, ""},
      {"layer bottoms out of order", with("3 20.0 80.0", "3 20.0 10.0"), 187,
       "The bottom of soil layer 2 at 10.000 ft lies above its top at 20.000 ft."},
      {"layer bottom above the ground surface", with("1 0.0 20.0", "1 0.0 -20.0"), 187,
       "The bottom of soil layer 1 at -20.000 ft lies above its top at 0.000 ft."},
      // User p-y curves whose deflections go back.
      {"user p-y curve not monotonic", [] { return Replace_Line(User_Py(), "0.25 280.0", "0.05 280.0"); },
       189, "its deflections y do not increase from point to point."},
      // Every capacity exceeded by one.
      {"501 increments", with("Increments 100", "Increments 501"), 156,
       "The number of pile increments is more than 500."},
      {"1001 iterations", with("MaxIterations 300", "MaxIterations 1001"), 195,
       "is more than 1,000 iteractions", true},
      {"21 sections", with("SECTIONS\n1", "SECTIONS\n21"), 182, "must be 0 to 20"},
      {"41 soil layers", with(kClayLayers, Clay_Layers(41)), 182, "41"},
      {"101 load cases", with("LOADING\n1", "LOADING\n101"), 182, "101"},
      {"101 printed p-y depths", with(kPyDepths, "DEPTHS OF PRINTED P-Y CURVES\n101\n" +
                                                     Numbered(101, "3.0") + "END"),
       182, "101"},
      {"51 distributed load points", with(kLoad + std::string("\n0"), std::string(kLoad) + "\n51"),
       182, "51"},
      {"51 tip shear points", with("END", "TIP SHEAR\n51\n" + Numbered(51, "0.0 0.0") + "END"),
       182, "51"},
      {"30 points of a user p-y curve",
       [] { return Replace_Line(User_Py(), "115.0 6", "115.0 30"); }, 182, "30"},
  };
  for (const Hostile_Case& c : cases) {
    const auto t0 = std::chrono::steady_clock::now();
    Run_Result r = Run_Engine(c.input());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (c.status >= 0) {
      EXPECT_EQ(r.status, c.status) << c.name;
    } else {
      EXPECT_TRUE(r.status >= 100 && r.status <= 299) << c.name << ": " << r.status;
    }
    EXPECT_NE(r.report.find(c.says), std::string::npos) << c.name;
    if (!c.report_only) {
      EXPECT_NE(r.message.find(c.says), std::string::npos) << c.name;
    }
    Expect_Orderly_End(r, c.name);
    EXPECT_LT(seconds, 20.0) << c.name;
    fs::remove_all(r.dir);
  }
}

// Windows (CR LF) and old Mac (CR only) line endings read like LF: the same
// status, report and plot file, the date and time line aside.
TEST(HostileInput, LineEndingsReadAlike) {
  auto masked = [](const std::string& text) {
    std::string out;
    for (const std::string& l : Split_Lines(text))
      if (l.find("Date:  ") == std::string::npos && l.find("Path to file locations:") != 0)
        out += l + "\n";
    return out;
  };
  for (const char* example : {"us_soft_clay.inp", "us_user_py_curves.inp", "si_rock_socket.inp"}) {
    const std::string lf = Read_File(Example_Path(example));
    const Run_Result ref = Run_Engine(lf);
    for (const char* eol : {"\r\n", "\r"}) {
      std::string text;
      for (char ch : lf) text += ch == '\n' ? std::string(eol) : std::string(1, ch);
      const Run_Result r = Run_Engine(text);
      EXPECT_EQ(r.status, ref.status) << example << " " << (eol[1] ? "CR LF" : "CR");
      EXPECT_TRUE(masked(r.report) == masked(ref.report)) << example;
      EXPECT_TRUE(r.plot == ref.plot) << example;
      fs::remove_all(r.dir);
    }
    fs::remove_all(ref.dir);
  }
}

// A run file named by NAMES.DAT that is a folder cannot be created: runtime
// error 8, told in the run files that can be written.
TEST(HostileInput, RunFileThatIsAFolder) {
  const std::string names[3][3] = {{"sub", "plot.plt", "run.msg"},
                                   {"report.out", "sub", "run.msg"},
                                   {"report.out", "plot.plt", "sub"}};
  for (const auto& n : names) {
    const std::string d = Make_Temp_Dir("folder");
    fs::create_directory(d + "/sub");
    Write_File(d + "/NAMES.DAT", "input.inp\n" + n[0] + "\n" + n[1] + "\n" + n[2] + "\n");
    Write_File(d + "/M_vs_EI_report_names.txt", "");
    Write_File(d + "/input.inp", Soft_Clay());
    EXPECT_EQ(Run_OGO_In(d), 208) << n[0] << " " << n[1] << " " << n[2];
    for (const std::string* f : {&n[0], &n[2]}) {
      if (*f == "sub") continue;
      EXPECT_NE(Read_File(d + "/" + *f).find("**** Runtime Error No. 8 ****"), std::string::npos);
    }
    fs::remove_all(d);
  }
}

namespace {

// Run OGO on `input` in a child process whose run folder is a file system of
// its own: a tmpfs of `size` bytes (read-only when size is 0) when the
// process may mount one (root in a private mount namespace); otherwise a
// limit on the size of each file written (RLIMIT_FSIZE, a third of `size`),
// which fails the writes past it the same way (a read-only folder then cannot be made and
// the call returns -2). The run files are copied to `out` afterwards.
int Run_On_Small_Disk(const std::string& input, long size, const std::string& out) {
  const std::string disk = out + "/disk";
  fs::create_directories(disk);
  pid_t pid = fork();
  if (pid == 0) {
    bool mounted = unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (mounted) {
      const std::string opt = "size=" + std::to_string(size > 0 ? size : 65536);
      mounted = mount("none", disk.c_str(), "tmpfs", 0, opt.c_str()) == 0;
    }
    if (!mounted && size == 0) _exit(254);
    Write_File(disk + "/NAMES.DAT", "input.inp\nreport.out\nplot.plt\nrun.msg\n");
    Write_File(disk + "/M_vs_EI_report_names.txt", "");
    Write_File(disk + "/input.inp", input);
    if (mounted && size == 0)
      mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    if (!mounted) {
      // The limit holds for each file, not for their sum: a third of the disk.
      signal(SIGXFSZ, SIG_IGN);
      rlimit lim{rlim_t(size / 3), old.rlim_max};
      setrlimit(RLIMIT_FSIZE, &lim);
    }
    const int status = Run_OGO_In(disk);
    setrlimit(RLIMIT_FSIZE, &old);
    for (const char* f : {"report.out", "run.msg"})
      if (File_Exists(disk + "/" + f)) {
        std::error_code ec;
        fs::copy_file(disk + "/" + f, out + "/" + f, ec);
      }
    _exit(status == 208 ? 0 : 1);
  }
  int ws = 0;
  waitpid(pid, &ws, 0);
  if (!WIFEXITED(ws)) return -1;
  return WEXITSTATUS(ws) == 254 ? -2 : WEXITSTATUS(ws);
}

}  // namespace

// A disk that fills while the report is written (48 KB: the report, plot
// and run-message files of the example need about 90 KB), and a folder that
// cannot be written at all: runtime error 8, never a normal end.
TEST(HostileInput, DiskThatFillsAndFolderThatCannotBeWritten) {
  struct Case {
    const char* name;
    long size;
  } cases[] = {{"disk fills while the report is written", 48 * 1024}, {"read-only folder", 0}};
  for (const Case& c : cases) {
    const std::string d = Make_Temp_Dir("disk");
    const int r = Run_On_Small_Disk(Soft_Clay(), c.size, d);
    if (r == -2) {
      std::printf("%s: skipped (no private mount namespace)\n", c.name);
      continue;
    }
    EXPECT_EQ(r, 0) << c.name << ": the run did not end with status 208";
    for (const char* f : {"report.out", "run.msg"}) {
      if (!File_Exists(d + "/" + f)) continue;
      const std::string t = Read_File(d + "/" + f);
      EXPECT_EQ(t.find("The analysis ended normally."), std::string::npos) << c.name << " " << f;
    }
    fs::remove_all(d);
  }
}

// Every input the fuzzer found a fault with ends in order now.
TEST(HostileInput, FuzzRegressionsEndInOrder) {
  const fs::path dir = fs::path(ORMYX_SOURCE_DIR) / "tests" / "data" / "fuzz_regressions";
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    ++n;
    Run_Result r = Run_Engine(Read_File(e.path().string()));
    Expect_Orderly_End(r, e.path().filename().string());
    fs::remove_all(r.dir);
  }
  EXPECT_GT(n, 0);
}
