// End-to-end checks of the entry function: version, NAMES.DAT, run files,
// the status code, and the warning machinery.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <filesystem>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "tests/test_support.h"

using namespace ormyx_test;
namespace fs = std::filesystem;

namespace {

// A folder with NAMES.DAT holding `names` and the auxiliary file.
std::string Folder_With_Names(const std::string& names, bool with_mei = true) {
  std::string d = Make_Temp_Dir("names");
  Write_File(d + "/NAMES.DAT", names);
  if (with_mei) Write_File(d + "/M_vs_EI_report_names.txt", "a.txt\nb.txt\n");
  Write_File(d + "/input.inp", "ORMYXP6\nEND\n");
  return d;
}

int Files_In(const std::string& d) {
  int n = 0;
  for (auto& e : fs::directory_iterator(d)) (void)e, ++n;
  return n;
}

}  // namespace

TEST(RunSequence, WrongHostVersionTouchesNothing) {
  std::string d = Folder_With_Names("input.inp\nreport.out\nplot.plt\nrun.msg\n");
  int before = Files_In(d);
  EXPECT_EQ(Run_OGO_In(d, 6035), 99);
  EXPECT_EQ(Run_OGO_In(d, 0), 99);
  EXPECT_EQ(Files_In(d), before);
  EXPECT_TRUE(File_Exists(d + "/M_vs_EI_report_names.txt"));
}

TEST(RunSequence, NamesFileFaults) {
  struct Case {
    const char* names;
    int status;
  } cases[] = {
      {"input.inp\nreport.out\nplot.plt\n", 206},                   // fourth line missing
      {"", 203},                                                    // no line at all
      {"input.inp\n", 204},
      {"input.inp\nreport.out\n", 205},
      {"input.inp\n   \nplot.plt\nrun.msg\n", 217},                 // blank report name
      {"  \nreport.out\nplot.plt\nrun.msg\n", 217},
      {"input.inp\nreport.out\nplot.plt\n \n", 217},
      {"in\x01\x02put\nreport.out\nplot.plt\nrun.msg\n", 203},       // binary junk
      {"input.inp\nreport.out\n\x13junk\x7f\nrun.msg\n", 205},
  };
  for (const Case& c : cases) {
    std::string d = Folder_With_Names(std::string(c.names, std::strlen(c.names)));
    EXPECT_EQ(Run_OGO_In(d), c.status) << c.names;
    EXPECT_FALSE(File_Exists(d + "/report.out")) << c.names;
  }
  // A NUL inside a line (strlen above stops before it): write the bytes directly.
  std::string d = Make_Temp_Dir("nul");
  Write_File(d + "/NAMES.DAT", std::string("input.inp\nrep\0ort\nplot\nmsg\n", 28));
  Write_File(d + "/M_vs_EI_report_names.txt", "");
  EXPECT_EQ(Run_OGO_In(d), 204);
}

TEST(RunSequence, MissingNamesFile) {
  std::string d = Make_Temp_Dir("nonames");
  EXPECT_EQ(Run_OGO_In(d), 202);
}

TEST(RunSequence, NameLongerThanAField) {
  std::string longname(300, 'a');
  std::string d = Folder_With_Names("input.inp\n" + longname + "\nplot.plt\nrun.msg\n");
  EXPECT_EQ(Run_OGO_In(d), 204);
}

TEST(RunSequence, FilesThatCannotBeOpened) {
  // Input file missing: runtime error 7 in the report and the run-message file.
  std::string d = Folder_With_Names("nothere.inp\nreport.out\nplot.plt\nrun.msg\n");
  EXPECT_EQ(Run_OGO_In(d), 207);
  std::string rep = Read_File(d + "/report.out");
  EXPECT_NE(rep.find("**** Runtime Error No. 7 ****"), std::string::npos);
  EXPECT_NE(rep.find("RUN00007"), std::string::npos);
  EXPECT_NE(Read_File(d + "/run.msg").find("The analysis ended due to runtime error No. 7."),
            std::string::npos);
  // The input is a folder.
  d = Folder_With_Names("sub\nreport.out\nplot.plt\nrun.msg\n");
  fs::create_directory(d + "/sub");
  EXPECT_EQ(Run_OGO_In(d), 207);
  // No M_vs_EI_report_names.txt.
  d = Folder_With_Names("input.inp\nreport.out\nplot.plt\nrun.msg\n", false);
  EXPECT_EQ(Run_OGO_In(d), 207);
  // Output folders that do not exist.
  d = Folder_With_Names("input.inp\nno/such/report.out\nplot.plt\nrun.msg\n");
  EXPECT_EQ(Run_OGO_In(d), 208);
  d = Folder_With_Names("input.inp\nreport.out\nplot.plt\nno/such/run.msg\n");
  EXPECT_EQ(Run_OGO_In(d), 208);
  EXPECT_NE(Read_File(d + "/report.out").find("**** Runtime Error No. 8 ****"), std::string::npos);
}

TEST(RunSequence, UnwritableOutputFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
  std::string d = Folder_With_Names("input.inp\nout/report.out\nplot.plt\nrun.msg\n");
  fs::create_directory(d + "/out");
  chmod((d + "/out").c_str(), 0500);
  EXPECT_EQ(Run_OGO_In(d), 208);
  chmod((d + "/out").c_str(), 0700);
}

// A run file that cannot be written completely (a full disk, here the
// device that refuses every write) ends the run with runtime error 8, never
// with a normal end; the run files that can still be written say why.
TEST(RunSequence, FullDiskIsAFailedRun) {
  if (!File_Exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
  const std::string input = Read_File(Example_Path("us_soft_clay.inp"));
  const char* names[3] = {"/dev/full\nplot.plt\nrun.msg\n", "report.out\n/dev/full\nrun.msg\n",
                          "report.out\nplot.plt\n/dev/full\n"};
  const char* what[3] = {"output report file", "plot output file", "runtime message file"};
  for (int i = 0; i < 3; ++i) {
    std::string d = Folder_With_Names(std::string("input.inp\n") + names[i]);
    Write_File(d + "/input.inp", input);
    EXPECT_EQ(Run_OGO_In(d), 208) << what[i];
    const std::string block = std::string("Problem:  The ") + what[i] +
                              " could not be written completely: it is incomplete.";
    for (const char* f : {"report.out", "run.msg"}) {
      if (!File_Exists(d + "/" + f)) continue;
      const std::string t = Read_File(d + "/" + f);
      EXPECT_NE(t.find("**** Runtime Error No. 8 ****"), std::string::npos) << f;
      EXPECT_NE(t.find(block), std::string::npos) << f;
      EXPECT_EQ(t.find("The analysis ended normally."), std::string::npos) << f;
    }
  }
}

TEST(RunSequence, EmptyInputFile) {
  Run_Result r = Run_Engine("");
  EXPECT_EQ(r.status, 125);
  EXPECT_NE(r.report.find("Ormyx ended prematurely due to input error number INP00025"),
            std::string::npos);
  EXPECT_NE(r.report.find("Length of input file is 0 bytes.  No analysis can be performed."),
            std::string::npos);
  EXPECT_NE(r.message.find("**** Input Data Error No. 25 ****\n\n\n"
                           "Size of input data file is 0 bytes.  No analysis performed.\n"),
            std::string::npos);
  EXPECT_NE(r.message.find("The analysis ended due to input error No. 25."), std::string::npos);
  EXPECT_FALSE(File_Exists(r.dir + "/M_vs_EI_report_names.txt"));
}

TEST(RunSequence, HeaderAndRepeatableRuns) {
  const std::string input = "ORMYXP6\nEND\n";
  Run_Result a = Run_Engine(input);
  Run_Result b = Run_Engine(input);
  auto strip_time = [](std::vector<std::string> lines) {
    for (auto& l : lines)
      if (l.find("Date:  ") != std::string::npos || l.find("Path to file") == 0) l.clear();
    return lines;
  };
  EXPECT_EQ(a.status, b.status);
  EXPECT_EQ(strip_time(a.report_lines()), strip_time(b.report_lines()));
  EXPECT_EQ(a.plot, b.plot);
  auto lines = a.report_lines();
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(lines[0], std::string(80, '='));
  EXPECT_EQ(lines[4], std::string(15, ' ') + " Analysis of Individual Piles and Drilled Shafts ");
  EXPECT_EQ(lines[5], std::string(15, ' ') + "Subjected to Lateral Loading Using the p-y Method");
  EXPECT_NE(a.report.find("Name of input data file:       input.inp\n"), std::string::npos);
  EXPECT_NE(a.report.find("Name of runtime messeage file: run.msg\n"), std::string::npos);
  EXPECT_NE(a.message.find("Input of data begun"), std::string::npos);
  EXPECT_NE(a.message.find("Input of data completed"), std::string::npos);
  ASSERT_FALSE(a.plot_lines().empty());
  EXPECT_EQ(a.plot_lines()[0].find("Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F"),
            80u);
}

// The warning log, its per-case reset, the summary and the return value.
class WarningLog : public ::testing::Test {
 protected:
  void SetUp() override {
    ormyx::Reset_Run_State();
    report_ = std::tmpfile();
    ormyx::RS().files.out[ormyx::CH_REPORT].fp = report_;
  }
  void TearDown() override { ormyx::Reset_Run_State(); }
  std::string report() {
    std::fflush(report_);
    std::rewind(report_);
    std::string s;
    int c;
    while ((c = std::fgetc(report_)) != EOF) s.push_back(char(c));
    return s;
  }
  std::FILE* report_ = nullptr;
};

TEST_F(WarningLog, TwoNumbersInTheLastCase) {
  ormyx::Log_Warning(-3041);
  ormyx::Log_Warning(-3041);
  ormyx::Log_Warning(-302);
  ormyx::Log_Warning(-3041);
  ormyx::Write_Warning_Summary();
  EXPECT_EQ(ormyx::Warning_Return_Value(), -300);
  std::string r = report();
  std::size_t a = r.find("The following warning was reported 1 times\n\n\n**** Warning ****");
  std::size_t b = r.find("The following warning was reported 3 times\n\n\n**** Warning ****");
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  EXPECT_LT(a, b);  // 302 before 3041
  EXPECT_NE(r.find("psi (1,250 psf).  You should check your input data for correctness."),
            std::string::npos);
}

TEST_F(WarningLog, OnlyTheLastCaseCounts) {
  ormyx::Log_Warning(-355);
  ormyx::Log_Warning(-355);
  ormyx::Reset_Warning_Counters();  // second load case logs nothing
  EXPECT_GT(ormyx::RS().status.i_WarningCount[0], 0);
  ormyx::Write_Warning_Summary();
  EXPECT_EQ(ormyx::Warning_Return_Value(), 0);
  EXPECT_NE(report().find("No error or warning messages were generated by this analysis."),
            std::string::npos);
}

TEST_F(WarningLog, OneNumberAfterAnEarlierCase) {
  // Case 1 logs -355 three times, case 2 logs -302 once: the return value names -302.
  for (int i = 0; i < 3; ++i) ormyx::Log_Warning(-355);
  ormyx::Reset_Warning_Counters();
  ormyx::Log_Warning(-302);
  ormyx::Write_Warning_Summary();
  EXPECT_EQ(ormyx::Warning_Return_Value(), -302);
}

TEST_F(WarningLog, CountsStopAt4000AndTextlessNumbers) {
  for (int i = 0; i < 4005; ++i) ormyx::Log_Warning(-17);
  EXPECT_EQ(ormyx::RS().status.i_WarningCount[17], 4000);
  ormyx::Log_Warning(-5000);  // outside the table: ignored, no fault
  ormyx::Write_Warning_Summary();
  std::string r = report();
  EXPECT_NE(r.find("The following warning was reported 4000 times\n\n"), std::string::npos);
  EXPECT_EQ(r.find("Warning ***"), std::string::npos);  // no text for 17
  EXPECT_EQ(ormyx::Warning_Return_Value(), -17);
}

TEST_F(WarningLog, RecorderLines) {
  ormyx::Record_Runtime_Error(11);
  ormyx::Record_Input_Error(30);  // a second error never replaces the first
  EXPECT_EQ(ormyx::RS().status.i_ErrorNumber, 211);
  std::string r = report();
  EXPECT_NE(r.find("\n\nOrmyx ended prematurely due to runtime error number RUN00011\n"),
            std::string::npos);
  EXPECT_EQ(ormyx::Error_Code("INP", 25), "INP00025");
  EXPECT_EQ(ormyx::Error_Code("RUN", 999), "RUN00999");
}
