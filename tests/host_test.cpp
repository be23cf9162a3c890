// The ormyx command, run as a separate program: usage errors, where the run
// files go, the printed outcome and status, several inputs in parallel.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;
using namespace ormyx_test;

std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct Cli_Result {
  int exit_code = -1;
  std::string out, err;
  std::vector<std::string> out_lines() const { return Split_Lines(out); }
};

// Status value of a "status: N" line; false when the line has another form.
bool Parse_Status(const std::string& line, const std::string& prefix, long& n) {
  std::string head = prefix + "status: ";
  if (line.rfind(head, 0) != 0 || line.size() == head.size()) return false;
  std::size_t used = 0;
  try {
    n = std::stol(line.substr(head.size()), &used);
  } catch (...) {
    return false;
  }
  return used == line.size() - head.size();
}

class Host : public ::testing::Test {
 protected:
  std::string dir;
  void SetUp() override { dir = Make_Temp_Dir("host"); }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
  }

  // Runs the command with the given (already quoted) arguments in folder cwd.
  Cli_Result Run(const std::string& args, const std::string& cwd = "") {
    std::string where = cwd.empty() ? dir : cwd;
    std::string out = dir + "/.cli_out", err = dir + "/.cli_err";
    std::string cmd = "cd " + Quoted(where) + " && " + Quoted(ORMYX_CLI) + " " + args + " >" +
                      Quoted(out) + " 2>" + Quoted(err) + " </dev/null";
    int st = std::system(cmd.c_str());
    Cli_Result r;
    r.exit_code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.out = Read_File(out);
    r.err = Read_File(err);
    fs::remove(out);
    fs::remove(err);
    return r;
  }

  // Names in a folder other than the captured output files.
  std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) {
      std::string n = e.path().filename().string();
      if (n != ".cli_out" && n != ".cli_err") names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  void Expect_No_Work_Folder(const std::string& folder) {
    for (const std::string& n : Entries(folder)) {
      EXPECT_EQ(n.find("ormyx-work"), std::string::npos) << "left behind: " << n;
      EXPECT_NE(n, "NAMES.DAT");
      EXPECT_NE(n, "M_vs_EI_report_names.txt");
    }
  }

  void Expect_Run_Files(const std::string& folder, const std::string& stem) {
    for (const char* ext : {".out", ".plt", ".msg"})
      EXPECT_TRUE(File_Exists(folder + "/" + stem + ext)) << folder << "/" << stem << ext;
  }
};

const char* const NO_TAG_INPUT = "TITLE\nA pile without the format tag\nEND\n";

TEST_F(Host, UsageErrorsExitWithTwoAndRunNothing) {
  Write_File(dir + "/a.inp", NO_TAG_INPUT);
  fs::create_directory(dir + "/folder.inp");
  Write_File(dir + "/blocker", "a file, not a folder\n");
  struct Case {
    const char* args;
    const char* says;
  };
  const Case cases[] = {
      {"", "no input"},
      {"-x a.inp", "unknown option '-x'"},
      {"--frobnicate a.inp", "unknown option"},
      {"a.inp --out", "needs a folder"},
      {"a.inp --out=", "needs a folder"},
      {"a.inp -j", "needs a number"},
      {"-j 0 a.inp", "invalid number of jobs"},
      {"-j two a.inp", "invalid number of jobs"},
      {"-j 3x a.inp", "invalid number of jobs"},
      {"--jobs=-1 a.inp", "invalid number of jobs"},
      {"- ", "standard input"},
      {"missing.inp", "missing.inp"},
      {"a.inp missing.inp", "missing.inp"},
      {"''", "empty file name"},
      {"folder.inp", "not a regular file"},
      {"--out blocker a.inp", "not a folder"},
      {"--out blocker/sub a.inp", "cannot create the output folder"},
      {"a.inp ./a.inp", "same output files"},
      {"plot", "no plot file"},
      {"plot x.plt --frobnicate", "unknown option"},
      {"a.inp plot x.plt", "'plot' takes"},
      {"plot x.plt --html", "unknown option '--html'"},
      {"--html a.inp a.html", "a.html"},
  };
  for (const Case& c : cases) {
    Cli_Result r = Run(c.args);
    EXPECT_EQ(r.exit_code, 2) << c.args;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << " -> " << r.err;
    EXPECT_EQ(r.out, "") << c.args;
  }
  // Nothing was analysed: no run files, no work folder.
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{"a.inp", "blocker", "folder.inp"}));
}

TEST_F(Host, HelpAndVersion) {
  Cli_Result help = Run("--help");
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("Usage: ormyx"), std::string::npos);
  EXPECT_NE(help.out.find("--out DIR"), std::string::npos);
  EXPECT_NE(help.out.find("-j"), std::string::npos);
  Cli_Result version = Run("--version");
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "ormyx 2012-06.034\n");
  EXPECT_EQ(Run("-V").out, version.out);
  EXPECT_EQ(Run("-h").out, help.out);
}

// An input without the format tag is not read; the echo of the empty problem
// ends the run with an input error, reported with a status above 0.
TEST_F(Host, InputWithoutTagEndsWithErrorStatusAndFilesBesideInput) {
  fs::create_directory(dir + "/job");
  Write_File(dir + "/job/pile one.inp", NO_TAG_INPUT);
  Cli_Result r = Run(Quoted("job/pile one.inp"));
  EXPECT_EQ(r.exit_code, 1) << r.out << r.err;
  ASSERT_FALSE(r.out_lines().empty());
  long n = 0;
  ASSERT_TRUE(Parse_Status(r.out_lines().back(), "", n)) << r.out;
  EXPECT_GT(n, 0);
  Expect_Run_Files(dir + "/job", "pile one");
  // The report header names the input's own folder, not the work folder.
  EXPECT_NE(Read_File(dir + "/job/pile one.out")
                .find("Path to file locations:        " +
                      fs::absolute(fs::path(dir) / "job").lexically_normal().string() + "/\n"),
            std::string::npos);
  EXPECT_FALSE(File_Exists(dir + "/job/pile one.mc"));
  Expect_No_Work_Folder(dir + "/job");
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{"job"}));
  // The printed lines come from the run-message file, which says how the run ended.
  std::string msg = Read_File(dir + "/job/pile one.msg");
  for (const std::string& l : r.out_lines()) {
    if (l.rfind("status: ", 0) != 0) {
      EXPECT_NE(msg.find(l), std::string::npos) << l;
    }
  }
}

TEST_F(Host, EmptyInputGivesStatus125AndItsErrorLines) {
  Write_File(dir + "/empty.inp", "");
  Cli_Result r = Run("empty.inp");
  EXPECT_EQ(r.exit_code, 1);
  ASSERT_FALSE(r.out_lines().empty());
  EXPECT_EQ(r.out_lines().back(), "status: 125");
  EXPECT_EQ(Count_Containing(r.out, "**** Input Data Error No. 25 ****"), 1) << r.out;
  EXPECT_EQ(Count_Containing(r.out, "Size of input data file is 0 bytes."), 1) << r.out;
  EXPECT_EQ(Count_Containing(r.out, "The analysis ended due to input error No. 25."), 1) << r.out;
  // Progress lines and the file-name lines are not outcome lines.
  EXPECT_EQ(Count_Containing(r.out, "File Path and Names"), 0);
  Expect_Run_Files(dir, "empty");
  Expect_No_Work_Folder(dir);
}

TEST_F(Host, OutFolderIsCreatedAndTakesTheRunFiles) {
  Write_File(dir + "/a.inp", NO_TAG_INPUT);
  Cli_Result r = Run("--out results/x a.inp");
  EXPECT_EQ(r.exit_code, 1) << r.err;
  Expect_Run_Files(dir + "/results/x", "a");
  Expect_No_Work_Folder(dir + "/results/x");
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{"a.inp", "results"}));
  // The input is left as it was.
  EXPECT_EQ(Read_File(dir + "/a.inp"), NO_TAG_INPUT);
  // The same with the --out=DIR form, from another working folder.
  Cli_Result again = Run("--out=" + Quoted(dir + "/other") + " " + Quoted(dir + "/a.inp"), "/");
  EXPECT_EQ(again.exit_code, 1);
  Expect_Run_Files(dir + "/other", "a");
}

TEST_F(Host, OutputThatWouldReplaceAnInputIsRefused) {
  Write_File(dir + "/case.out", NO_TAG_INPUT);
  Cli_Result r = Run("case.out");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("would replace"), std::string::npos) << r.err;
  EXPECT_EQ(Read_File(dir + "/case.out"), NO_TAG_INPUT);
  // Elsewhere the input named like a report runs normally.
  EXPECT_EQ(Run("--out elsewhere case.out").exit_code, 1);
  Expect_Run_Files(dir + "/elsewhere", "case");
  // The page of --html is an output too.
  Write_File(dir + "/page.html", NO_TAG_INPUT);
  Cli_Result html = Run("--html page.html");
  EXPECT_EQ(html.exit_code, 2);
  EXPECT_NE(html.err.find("would replace"), std::string::npos) << html.err;
  EXPECT_EQ(Read_File(dir + "/page.html"), NO_TAG_INPUT);
  EXPECT_EQ(Run("page.html").exit_code, 1);  // without --html it runs
}

TEST_F(Host, SeveralInputsInParallelPrintPrefixedBlocksInInputOrder) {
  Write_File(dir + "/a.inp", "ORMYXP6\nTITLE\nTagged input\nEND\n");
  Write_File(dir + "/b.inp", "");
  Write_File(dir + "/c.inp", "ORMYXP6\r\nTITLE\r\nTagged input\r\nEND\r\n");
  Write_File(dir + "/d.inp", "");
  Cli_Result r = Run("-j 2 a.inp b.inp c.inp d.inp");
  EXPECT_EQ(r.exit_code, 1) << r.err;
  std::vector<std::string> lines = r.out_lines();
  const std::string names[] = {"a.inp", "b.inp", "c.inp", "d.inp"};
  // Every line carries the prefix of its input; blocks do not interleave.
  std::size_t block = 0;
  std::vector<long> status(4, 0);
  for (const std::string& l : lines) {
    while (block < 4 && l.rfind(names[block] + ": ", 0) != 0) ++block;
    ASSERT_LT(block, 4u) << "line out of order or without prefix: " << l;
    long n = 0;
    if (Parse_Status(l, names[block] + ": ", n)) status[block] = n;
  }
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Count_Containing(r.out, names[i] + ": status: "), 1);
  EXPECT_EQ(status[1], 125);
  EXPECT_EQ(status[2], status[0]);  // CR LF reads like LF
  EXPECT_EQ(status[3], 125);
  EXPECT_EQ(lines.back().rfind("d.inp: status: ", 0), 0u);
  for (const char* stem : {"a", "b", "c", "d"}) Expect_Run_Files(dir, stem);
  Expect_No_Work_Folder(dir);
}

TEST_F(Host, UnwritableOutFolder) {
  Write_File(dir + "/a.inp", NO_TAG_INPUT);
  // A folder below a plain file cannot be made, whatever the user's rights.
  Write_File(dir + "/plain", "x");
  Cli_Result r = Run("--out plain/deeper/still a.inp");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("plain/deeper/still"), std::string::npos) << r.err;
  if (geteuid() != 0) {  // permissions do not stop the superuser
    fs::create_directory(dir + "/locked");
    fs::permissions(dir + "/locked", fs::perms::owner_read | fs::perms::owner_exec);
    Cli_Result locked = Run("--out locked a.inp");
    EXPECT_EQ(locked.exit_code, 2);
    EXPECT_NE(locked.err.find("cannot write"), std::string::npos) << locked.err;
    fs::permissions(dir + "/locked", fs::perms::owner_all);
  }
  EXPECT_FALSE(File_Exists(dir + "/a.out"));
}

// A folder path longer than the engine's 256-character name fields: the run
// files are named relative to the work folder, so the run still works.
TEST_F(Host, LongFolderPath) {
  std::string deep = dir;
  for (int i = 0; i < 6; ++i) deep += "/" + std::string(60, char('a' + i));
  fs::create_directories(deep);
  ASSERT_GT(deep.size(), 300u);
  Write_File(deep + "/p.inp", "");
  Cli_Result r = Run(Quoted(deep + "/p.inp"));
  EXPECT_EQ(r.exit_code, 1) << r.err;
  ASSERT_FALSE(r.out_lines().empty());
  EXPECT_EQ(r.out_lines().back(), "status: 125");
  Expect_Run_Files(deep, "p");
  Expect_No_Work_Folder(deep);
}

// Moment-curvature files of an earlier run are removed when this run writes
// none; other files in that folder are not touched.
TEST_F(Host, StaleMomentCurvatureFilesAreRemoved) {
  Write_File(dir + "/a.inp", NO_TAG_INPUT);
  fs::create_directory(dir + "/a.mc");
  Write_File(dir + "/a.mc/mc_0001.txt", "old\n");
  Write_File(dir + "/a.mc/mc_0002.txt", "old\n");
  Write_File(dir + "/a.mc/notes.txt", "mine\n");
  Run("a.inp");
  EXPECT_EQ(Entries(dir + "/a.mc"), (std::vector<std::string>{"notes.txt"}));
  fs::remove(dir + "/a.mc/notes.txt");
  Write_File(dir + "/a.mc/mc_0003.txt", "old\n");
  Run("a.inp");
  EXPECT_FALSE(File_Exists(dir + "/a.mc"));
}

// True when the page loads anything from outside itself.
bool Has_External_Reference(const std::string& page) {
  for (const char* p : {"src=", "href=", "url(", "@import", "<link", "<iframe"})
    if (page.find(p) != std::string::npos) return true;
  return false;
}

// Every warning and error header of the run-message file, and its closing
// line, appear in the page.
void Expect_Messages_Shown(const std::string& msg, const std::string& page) {
  for (const std::string& l : Split_Lines(msg)) {
    std::size_t at = l.find_first_not_of(' ');
    if (at != std::string::npos && (l.compare(at, 4, "****") == 0 ||
                                    l.compare(at, 18, "The analysis ended") == 0)) {
      std::string t = l.substr(at);
      while (!t.empty() && t.back() == ' ') t.pop_back();
      EXPECT_NE(page.find(t), std::string::npos) << t;
    }
  }
}

TEST_F(Host, HtmlPagesOfRunsAreSelfContainedAndShowTheMessages) {
  Write_File(dir + "/a.inp", Read_File(Example_Path("us_soft_clay.inp")));
  Write_File(dir + "/bad.inp", NO_TAG_INPUT);
  Cli_Result r = Run("--html -j 2 a.inp bad.inp");
  EXPECT_EQ(r.exit_code, 1) << r.err;  // bad.inp ends with an input error
  std::string page = Read_File(dir + "/a.html");
  ASSERT_FALSE(page.empty());
  EXPECT_FALSE(Has_External_Reference(page));
  EXPECT_NE(page.find("Content-Security-Policy"), std::string::npos);
  EXPECT_NE(page.find("Chart.js v3"), std::string::npos);  // the library, inline
  EXPECT_NE(page.find("id=\"canvas-response-deflection\""), std::string::npos);
  EXPECT_NE(page.find("id=\"canvas-py-curves\""), std::string::npos);
  Expect_Messages_Shown(Read_File(dir + "/a.msg"), page);
  // A run that stopped on an error: its plot file ends early, the page says so.
  std::string bad = Read_File(dir + "/bad.html");
  EXPECT_NE(bad.find("The plot file ends at line"), std::string::npos);
  Expect_Messages_Shown(Read_File(dir + "/bad.msg"), bad);
  EXPECT_EQ(bad.find("id=\"canvas-"), std::string::npos);  // nothing to plot
  Expect_No_Work_Folder(dir);
}

TEST_F(Host, PlotCommandRendersAPlotFileOrNamesTheBadLine) {
  Write_File(dir + "/a.inp", Read_File(Example_Path("si_stiffness_matrix.inp")));
  ASSERT_EQ(Run("a.inp").exit_code, 0);
  EXPECT_FALSE(File_Exists(dir + "/a.html"));  // only with --html
  Cli_Result r = Run("plot a.plt -o page.html");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  std::string page = Read_File(dir + "/page.html");
  EXPECT_NE(page.find("id=\"canvas-stiffness-rotation\""), std::string::npos);
  EXPECT_FALSE(Has_External_Reference(page));
  for (const char* target : {"a.plt", "a.out", "./a.msg"}) {
    Cli_Result refused = Run(std::string("plot a.plt -o ") + target);
    EXPECT_EQ(refused.exit_code, 2) << target;
    EXPECT_NE(refused.err.find("would replace"), std::string::npos) << refused.err;
  }
  EXPECT_EQ(Run("plot a.plt").exit_code, 0);  // default: beside the plot file
  EXPECT_TRUE(File_Exists(dir + "/a.html"));
  // Line 5 of a copy damaged: the message names the file and the line.
  std::vector<std::string> lines = Split_Lines(Read_File(dir + "/a.plt"));
  ASSERT_GT(lines.size(), 5u);
  lines[4].replace(3, 1, "x");
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  Write_File(dir + "/bad.plt", text);
  Cli_Result bad = Run("plot bad.plt");
  EXPECT_EQ(bad.exit_code, 1);
  EXPECT_NE(bad.err.find("bad.plt:5: Line 5 record"), std::string::npos) << bad.err;
  EXPECT_FALSE(File_Exists(dir + "/bad.html"));
  Cli_Result missing = Run("plot none.plt");
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("none.plt: cannot open the plot file"), std::string::npos);
}

}  // namespace

// A bending-stiffness-only run: every moment-curvature file the engine writes
// lands in STEM.mc, one per Line 4 record of the plot file, each line two
// reals in E15.8 form.
TEST(Host_MC, MomentCurvatureFilesGoToTheMcFolder) {
  std::string dir = Make_Temp_Dir("host-mc");
  std::string text = Read_File(Example_Path("si_drilled_shaft.inp"));
  std::size_t at = text.find("ComputeEIOnly NO");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 16, "ComputeEIOnly YES");
  Write_File(dir + "/ei.inp", text);
  std::string cmd = "cd '" + dir + "' && '" + ORMYX_CLI + "' ei.inp >/dev/null 2>&1";
  int st = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(st));
  std::string plot = Read_File(dir + "/ei.plt");
  int curves = Count_Containing(plot, "Line 4 :");
  if (curves == 0) {
    fs::remove_all(dir);
    GTEST_SKIP() << "the engine wrote no moment-curvature table for this input";
  }
  ASSERT_TRUE(fs::is_directory(dir + "/ei.mc"));
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir + "/ei.mc")) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  ASSERT_EQ(int(names.size()), curves);
  for (std::size_t k = 0; k < names.size(); ++k) {
    char want[16];
    std::snprintf(want, sizeof want, "mc_%04d.txt", int(k + 1));
    EXPECT_EQ(names[k], want);
    std::vector<std::string> lines = Split_Lines(Read_File(dir + "/ei.mc/" + names[k]));
    EXPECT_FALSE(lines.empty());
    for (const std::string& l : lines) {
      ASSERT_EQ(l.size(), 30u) << l;
      EXPECT_EQ(l.substr(0, 15).find('E'), 11u) << l;
      EXPECT_EQ(l.substr(15).find('E'), 11u) << l;
    }
  }
  for (const auto& e : fs::directory_iterator(dir))
    EXPECT_EQ(e.path().filename().string().find("ormyx-work"), std::string::npos);
  fs::remove_all(dir);
}

// A repeated run into the same folder: the earlier moment-curvature files,
// longer or shorter than the new ones, end byte for byte as a first run leaves
// them; one the new run does not write is removed; a file with a second name
// is replaced without changing what that other name holds.
TEST(Host_MC, ARepeatedRunReplacesEveryEarlierFile) {
  std::string dir = Make_Temp_Dir("host-mc-again");
  Write_File(dir + "/ei.inp", Read_File(Example_Path("si_ei_only.inp")));
  const std::string cmd = "cd '" + dir + "' && '" + ORMYX_CLI + "' ei.inp >/dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::map<std::string, std::string> first;
  for (const auto& e : fs::directory_iterator(dir + "/ei.mc")) first[e.path().filename()] = Read_File(e.path());
  ASSERT_GE(first.size(), 2u);
  const std::string a = dir + "/ei.mc/" + first.begin()->first;
  const std::string b = dir + "/ei.mc/" + std::next(first.begin())->first;
  Write_File(a, std::string(100000, 'x'));
  Write_File(b, "short\n");
  fs::create_hard_link(b, dir + "/kept.txt");
  Write_File(dir + "/ei.mc/mc_2000.txt", "old\n");
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::map<std::string, std::string> again;
  for (const auto& e : fs::directory_iterator(dir + "/ei.mc")) again[e.path().filename()] = Read_File(e.path());
  EXPECT_EQ(again, first);
  EXPECT_EQ(Read_File(dir + "/kept.txt"), "short\n");
  for (const auto& e : fs::directory_iterator(dir))
    EXPECT_EQ(e.path().filename().string().find("ormyx-work"), std::string::npos);
}
