// The main loop of the reader (keyword lines, TITLE, END) and the OPTIONS
// section: every option line, its error, the fixed-column loading line and
// the range checks of the numeric options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/read_input_fixture.h"

namespace ormyx {
namespace {

using ormyx_test::Lines;
using ormyx_test::Read_Input_Text;
using ormyx_test::Read_Outcome;

const Problem_Options& Opt() { return RS().prob.opt; }

// The option lines of a valid section, one entry per line (line 0 is OPTIONS).
std::vector<std::string> Option_Lines() {
  return {"OPTIONS",          "Units USCS",          "UseLRFD NO",        "ComputeKmatrix NO",
          "UseTipShear NO",   "UseSoilMovement NO",  "UsePYModifiers NO", "ComputeEIOnly NO",
          "Loading STATIC     0", "MaxIterations 100", "MaxDeflection 100.0", "Tolerance 1.0E-5",
          "Increments 100",   "PrintSummaryOnly NO", "PrintIncrement 1",  "PrintPYCurves NO",
          "ComputeInteraction NO"};
}

std::string Join(const std::vector<std::string>& lines, const char* eol = "\n") {
  std::string s = "ORMYXP6";
  s += eol;
  for (const auto& l : lines) s += l + eol;
  return s;
}

// The options with line k replaced (k = 0 is the OPTIONS line itself), then END.
Read_Outcome Read_With(int k, const std::string& text) {
  auto lines = Option_Lines();
  lines[std::size_t(k)] = text;
  lines.push_back("END");
  return Read_Input_Text(Join(lines));
}

TEST(ReadOptions, ValidSectionSetsEveryOption) {
  auto lines = Option_Lines();
  lines[1] = "Units SI";
  lines[2] = "UseLRFD YES";
  lines[3] = "ComputeKmatrix YES";
  lines[4] = "UseTipShear YES";
  lines[5] = "UseSoilMovement YES";
  lines[6] = "UsePYModifiers YES";
  lines[7] = "ComputeEIOnly YES";
  lines[8] = "Loading CYCLIC   100";
  lines[9] = "MaxIter, 250";
  lines[10] = "MaxDefl 0.5";
  lines[11] = "Tol 2.54E-7";
  lines[12] = "Incr 300";
  lines[13] = "PrintSummaryOnly YES";
  lines[14] = "PrintInc 5";
  lines[15] = "PrintPYCurves YES";
  lines[16] = "ComputeInteraction YES";
  lines.push_back("InteractionCode Eurocode2");
  lines.push_back("END");
  Read_Outcome r = Read_Input_Text(Join(lines));
  ASSERT_EQ(r.error, 0) << r.report;
  EXPECT_EQ(Opt().IUNITS, SI_UNITS);
  EXPECT_EQ(Opt().b_UseLRFD, L_TRUE);
  EXPECT_EQ(Opt().b_ComputeKmatrix, L_TRUE);
  EXPECT_EQ(Opt().b_UseTipShear, L_TRUE);
  EXPECT_EQ(Opt().b_UseSoilMovement, L_TRUE);
  EXPECT_EQ(Opt().b_UsePYModifiers, L_TRUE);
  EXPECT_EQ(RS().prob.load.i_Number_of_PY_Modifier_Points, 1);
  EXPECT_EQ(Opt().i_Analysis_Type, ANALYSIS_EI_ONLY);
  EXPECT_EQ(Opt().b_CyclicLoading, L_TRUE);
  EXPECT_EQ(Opt().rd_NumberOfCycles, 100.0);
  EXPECT_EQ(Opt().i_MaxIterations, 250);
  EXPECT_EQ(Opt().rd_MaxDeflection, 0.5);
  EXPECT_EQ(Opt().rd_ConvergenceTolerance, 2.54E-7);
  EXPECT_EQ(Opt().i_NumberOfIncrements, 300);
  EXPECT_EQ(Opt().b_PrintSummaryOnly, L_TRUE);
  EXPECT_EQ(Opt().i_PrintIncrement, 5);
  EXPECT_EQ(Opt().i_PrintPYCurves, 1);
  EXPECT_EQ(Opt().b_PrintPYCurves, L_TRUE);
  EXPECT_EQ(Opt().b_ComputeInteraction, L_TRUE);
  EXPECT_EQ(Opt().i_InteractionCode, 3);
  EXPECT_NE(r.message.find("Input of data begun\nReading analysis options\n"), std::string::npos);

  // The NO words and the other units.
  Read_Outcome q = Read_Input_Text(Join([] {
    auto l = Option_Lines();
    l[1] = "Units GENERAL";
    l.push_back("END");
    return l;
  }()));
  ASSERT_EQ(q.error, 0) << q.report;
  EXPECT_EQ(Opt().IUNITS, GENERIC_UNITS);
  EXPECT_EQ(Opt().b_UseLRFD, L_FALSE);
  EXPECT_EQ(Opt().i_Analysis_Type, ANALYSIS_LATERAL);
  EXPECT_EQ(Opt().b_CyclicLoading, L_FALSE);
  EXPECT_EQ(Opt().i_PrintPYCurves, 0);
  EXPECT_EQ(Opt().b_ComputeInteraction, L_FALSE);
  EXPECT_EQ(RS().prob.load.i_Number_of_PY_Modifier_Points, 0);
}

TEST(ReadOptions, EachUnrecognizedSwitchHasItsOwnText) {
  struct Case {
    int line;
    const char* text;
    const char* expected;
    bool blank_before;
  };
  const Case cases[] = {
      {2, "UseLRFD yes", "INPUT ERROR - Unrecognized command for LRFD analysis option", true},
      {3, "ComputeKmatrix", "INPUT ERROR - Unrecognized command for compute pile-head stiffness "
                            "matrix option", true},
      {4, " UseTipShear NO", "INPUT ERROR - Unrecognized command for tip shear option", true},
      {5, "UseSoilMovement NO X", "INPUT ERROR - Unrecognized command for soil movement option",
       true},
      {6, "UsePYModifiers  NO", "INPUT ERROR - Unrecognized command for use of p-y modifiers "
                                "option", true},
      {7, "ComputeEIOnly N", "INPUT ERROR - Unrecognized command for compute nonlinear EI only "
                             "option", true},
      {8, "Loading cyclic   100", "INPUT ERROR - Unrecognized command for loading type option",
       false},
      {13, "PrintSummaryOnly", "INPUT ERROR - Unrecognized command for print summary only option",
       true},
      {15, "PrintPYCurves Y", "INPUT ERROR - Unrecognized command for p-y curve output depths "
                              "option", true},
      {16, "ComputeInteraction", "INPUT ERROR - Unrecognized command for compute interaction "
                                 "option", false},
  };
  for (const Case& c : cases) {
    Read_Outcome r = Read_With(c.line, c.text);
    EXPECT_EQ(r.error, 195) << c.text;
    std::string block = std::string(c.blank_before ? "\n" : "") + c.expected + "\n";
    EXPECT_NE(r.report.find(block), std::string::npos) << c.text << "\n" << r.report;
    EXPECT_EQ(r.message.find(c.expected), std::string::npos) << "report only: " << c.text;
    // The reader stopped at once: the next line is the one after the bad line.
    auto lines = Option_Lines();
    std::string after = std::size_t(c.line + 1) < lines.size() ? lines[std::size_t(c.line + 1)]
                                                                : "END";
    EXPECT_EQ(r.next, after) << c.text;
  }
  // The soil movement text is followed by an empty line.
  Read_Outcome r = Read_With(5, "UseSoilMovement");
  EXPECT_NE(r.report.find("\nINPUT ERROR - Unrecognized command for soil movement option\n\n"),
            std::string::npos);
}

TEST(ReadOptions, UnrecognizedLinesGiveTheSameBlockInReportAndMessageFile) {
  const std::string padded = [] {
    std::string s = "Units METRIC";
    s.resize(256, ' ');
    return s;
  }();
  const std::string block = "\n\n***** INPUT ERROR *****\n\nThe following line is unrecognized "
                            "or is out-of-order\n\n" + padded + "\n\n\n";
  Read_Outcome r = Read_With(1, "Units METRIC");
  EXPECT_EQ(r.error, 199);
  EXPECT_NE(r.report.find(block), std::string::npos) << r.report;
  EXPECT_NE(r.message.find(block), std::string::npos) << r.message;
  EXPECT_NE(r.report.find("INP00099"), std::string::npos);

  // Keyword lines begin in column 1 and letter case matters.
  for (const char* bad : {" OPTIONS", "options", "OPTIONS X", "Options"}) {
    Read_Outcome q = Read_With(0, bad);
    EXPECT_EQ(q.error, 199) << bad;
    EXPECT_EQ(q.next, "Units USCS") << bad;
  }
  // Trailing blanks are ignored.
  EXPECT_EQ(Read_With(0, "OPTIONS    ").error, 0);
}

TEST(ReadOptions, IterationLimitMustBeFrom30To1000) {
  for (const char* ok : {"MaxIter 30", "MaxIter 1000"}) EXPECT_EQ(Read_With(9, ok).error, 0) << ok;
  Read_Outcome low = Read_With(9, "MaxIter 29");
  EXPECT_EQ(low.error, 195);
  EXPECT_NE(low.report.find("***** Input Data Error No. 95 *****\n\nProblem: Input value for "
                            "iterations limit = 29 and is less than 30 iteractions\nSolution:  "
                            "Correct input value to be between 30 and 1000 iterations.\n\n\n"),
            std::string::npos)
      << low.report;
  EXPECT_EQ(low.next, "MaxDeflection 100.0");  // checked right after its own line
  EXPECT_EQ(low.message.find("Input Data Error"), std::string::npos);
  Read_Outcome high = Read_With(9, "MaxIter 1001");
  EXPECT_EQ(high.error, 195);
  EXPECT_NE(high.report.find("= 1001 and is more than 1,000 iteractions"), std::string::npos);
}

TEST(ReadOptions, IncrementsMustBeFrom40To500) {
  for (const char* ok : {"Incr 40", "Incr 500"}) EXPECT_EQ(Read_With(12, ok).error, 0) << ok;
  Read_Outcome low = Read_With(12, "Incr 39");
  EXPECT_EQ(low.error, 155);
  const char* text55 = "**** Input Data Error No. 55 ****\n\nProblem:  The number of pile "
                       "increments is less than 40.\n\nSolution: Increase the number of pile "
                       "increments to more than 40, preferably more than 100 increments.\n";
  EXPECT_NE(low.report.find(text55), std::string::npos);
  EXPECT_NE(low.message.find(text55), std::string::npos);
  Read_Outcome high = Read_With(12, "Incr 501");
  EXPECT_EQ(high.error, 156);
  EXPECT_NE(high.message.find("Problem:  The number of pile increments is more than 500.\n\n"
                              "Solution: Limit the number of pile increments to 500 or less."),
            std::string::npos);
}

TEST(ReadOptions, ConvergenceToleranceLimitsByUnits) {
  struct Case {
    const char* units;
    const char* tol;
    int error;
  };
  const Case cases[] = {
      {"Units USCS", "Tol 1E-15", 0},
      {"Units USCS", "Tol 1E-20", 0},
      {"Units USCS", "Tol 0.1", 0},            // below 0.1 taken in single precision
      {"Units USCS", "Tol 0.10000000149011612", 0},
      {"Units USCS", "Tol 0.1000000015", 66},
      {"Units USCS", "Tol 0.2", 66},
      {"Units USCS", "Tol 9.9E-21", 65},
      {"Units USCS", "Tol 0", 65},
      {"Units SI", "Tol 2.54E-22", 0},
      {"Units SI", "Tol 2.53E-22", 67},
      {"Units SI", "Tol 0.00254", 0},
      {"Units SI", "Tol 0.0026", 68},
      {"Units GENERAL", "Tol 0", 0},
      {"Units GENERAL", "Tol 5", 0},
  };
  for (const Case& c : cases) {
    auto lines = Option_Lines();
    lines[1] = c.units;
    lines[11] = c.tol;
    lines.push_back("END");
    Read_Outcome r = Read_Input_Text(Join(lines));
    EXPECT_EQ(r.error, c.error == 0 ? 0 : 100 + c.error) << c.units << " " << c.tol;
  }
  Read_Outcome r = Read_With(11, "Tol 0.2");
  const char* block = "\n**** Input Data Error No. 66 ****\n\nInput value for convergence "
                      "tolerance is too large (more than 0.1 inches). \nThe recommended value "
                      "for convergence tolerance is 0.00001 inches.\n\n";
  EXPECT_NE(r.message.find(block), std::string::npos) << r.message;
  EXPECT_NE(r.report.find(block), std::string::npos) << r.report;
  EXPECT_EQ(r.next, "Increments 100");
}

// Every tolerance error has its own two lines (trailing blanks included),
// the same block in the message file and the report.
TEST(ReadOptions, ConvergenceToleranceBlocksByCode) {
  struct Case {
    const char* units;
    const char* tol;
    const char* block;
  };
  const Case cases[] = {
      {"Units USCS", "Tol 1E-21",
       "\n**** Input Data Error No. 65 ****\n\nInput value for convergence tolerance is too small "
       "(less than 1E-10 inches).\nThe recommended value for convergence tolerance is 0.00001 "
       "inches.\n\n"},
      {"Units SI", "Tol 1E-23",
       "\n**** Input Data Error No. 67 ****\n\nInput value for convergence tolerance is too small "
       "(less than 2.5E-12 meters). \nThe recommended value for convergence tolerance is 2.54E-7 "
       "meters.\n\n"},
      {"Units SI", "Tol 0.003",
       "\n**** Input Data Error No. 68 ****\n\nInput value of convergence tolerance too large "
       "(more than 2.54E-3 meters). \nThe recommended value for convergence tolerance is 2.54E-7 "
       "meters.\n\n"},
  };
  for (const Case& c : cases) {
    auto lines = Option_Lines();
    lines[1] = c.units;
    lines[11] = c.tol;
    lines.push_back("END");
    Read_Outcome r = Read_Input_Text(Join(lines));
    EXPECT_NE(r.message.find(c.block), std::string::npos) << c.tol << "\n" << r.message;
    EXPECT_NE(r.report.find(c.block), std::string::npos) << c.tol << "\n" << r.report;
    EXPECT_EQ(r.next, "Increments 100") << c.tol;
  }
}

TEST(ReadOptions, LoadingLineIsReadInFixedColumns) {
  struct Case {
    const char* line;
    int cyclic;
    double cycles;
    int error;
  };
  const Case cases[] = {
      {"Loading CYCLIC   100", L_TRUE, 100.0, 0},
      {"XXXXXXXXSTATIC", L_FALSE, 0.0, 0},
      {"Loading CYCLIC 1 0 0", L_TRUE, 100.0, 0},  // blanks inside the field are ignored
      {"Loading CYCLIC  2.5 ignored", L_TRUE, 2.5, 0},
      {"Loading CYCLIC1000000", L_TRUE, 100000.0, 0},  // only columns 15-20
      {"Loading  CYCLIC  100", 0, 0.0, 195},
      {"Loading STATI", 0, 0.0, 195},
      {"Loading CYCLIC   1x0", 0, 0.0, 180},
  };
  for (const Case& c : cases) {
    Read_Outcome r = Read_With(8, c.line);
    EXPECT_EQ(r.error, c.error == 0 ? 0 : c.error) << c.line << "\n" << r.report;
    if (c.error == 0) {
      EXPECT_EQ(Opt().b_CyclicLoading, c.cyclic) << c.line;
      EXPECT_EQ(Opt().rd_NumberOfCycles, c.cycles) << c.line;
    }
  }
}

TEST(ReadOptions, InteractionCodeFollowsComputeInteractionYes) {
  struct Case {
    const char* line;
    int code;
    int error;
  };
  const Case cases[] = {{"Code AASHTO", 1, 0},   {"Code,ACI318", 2, 0}, {"Code Eurocode2 x", 3, 0},
                        {"Code ACI", 0, 195},    {"Code Eurocode21", 0, 195},
                        {"Code aashto", 0, 195}};
  for (const Case& c : cases) {
    auto lines = Option_Lines();
    lines[16] = "ComputeInteraction YES";
    lines.push_back(c.line);
    lines.push_back("END");
    Read_Outcome r = Read_Input_Text(Join(lines));
    EXPECT_EQ(r.error, c.error) << c.line;
    if (c.error == 0) {
      EXPECT_EQ(Opt().i_InteractionCode, c.code) << c.line;
    } else {
      EXPECT_NE(r.report.find("INPUT ERROR - Unrecognized command for interaction code option\n"),
                std::string::npos);
    }
  }
}

TEST(ReadOptions, MalformedLabelledValuesAndEndOfFileAreInputErrors) {
  Read_Outcome word = Read_With(9, "MaxIter many");
  EXPECT_EQ(word.error, 100 + INP_MALFORMED_VALUE);
  EXPECT_NE(word.report.find("Line 11, reading the iteration limit (OPTIONS)"), std::string::npos)
      << word.report;
  EXPECT_NE(word.report.find("found \"many\""), std::string::npos);
  EXPECT_EQ(Read_With(9, "MaxIter 100.5").error, 100 + INP_MALFORMED_VALUE);

  // The file ends inside OPTIONS, at a text line and at a labelled value.
  for (std::size_t cut : {std::size_t(3), std::size_t(10), std::size_t(17)}) {
    auto lines = Option_Lines();
    lines.resize(cut);
    Read_Outcome r = Read_Input_Text(Join(lines));
    EXPECT_EQ(r.error, 100 + INP_UNEXPECTED_EOF) << cut;
    EXPECT_NE(r.message.find("The input file ended at line " + std::to_string(cut + 1)),
              std::string::npos)
        << r.message;
  }
  // The file ends before END.
  EXPECT_EQ(Read_Input_Text(Join(Option_Lines())).error, 100 + INP_UNEXPECTED_EOF);
  EXPECT_EQ(Read_Input_Text("ORMYXP6\n").error, 100 + INP_UNEXPECTED_EOF);
}

TEST(ReadProblem, TitleAndEnd) {
  Read_Outcome r = Read_Input_Text(
      Lines({"ORMYXP6", "TITLE", "Pile 1", "", "  third line", "four", "five", "END", "junk"}));
  ASSERT_EQ(r.error, 0);
  const Problem_Title& t = RS().prob.title;
  EXPECT_EQ(t.lines[1].trimmed(), "Pile 1");
  EXPECT_TRUE(t.lines[2].is_blank());
  EXPECT_EQ(t.lines[3].trimmed(), "  third line");
  EXPECT_EQ(t.lines[5].trimmed(), "five");
  EXPECT_EQ(r.next, "junk");  // nothing is read after END
  EXPECT_EQ(r.message, "Input of data begun\nReading title data\n");

  // A title line that is a keyword is still a title line.
  Read_Outcome k = Read_Input_Text(Lines({"ORMYXP6", "TITLE", "END", "a", "b", "c", "d", "END"}));
  EXPECT_EQ(k.error, 0);
  EXPECT_EQ(RS().prob.title.lines[1].trimmed(), "END");

  // Only END: nothing read, no thrust list.
  Read_Outcome e = Read_Input_Text("ORMYXP6\nEND\n", [] { RS().prob.sec.i_Number_of_Sections = 1; });
  EXPECT_EQ(e.error, 0);
  EXPECT_EQ(RS().prob.load.i_Number_of_Thrusts, 0);
  // END without a final newline is END.
  EXPECT_EQ(Read_Input_Text("ORMYXP6\nEND").error, 0);
  // A line that follows a section in the wrong place.
  Read_Outcome w = Read_Input_Text("ORMYXP6\n100\nEND\n");
  EXPECT_EQ(w.error, 199);
}

TEST(ReadProblem, CrLfLinesReadLikeLfLines) {
  auto lines = Option_Lines();
  lines[8] = "Loading CYCLIC    50";
  lines[16] = "ComputeInteraction YES";
  lines.push_back("Code ACI318");
  lines.insert(lines.begin(), {"TITLE", "t1", "t2", "t3", "t4", "t5"});
  lines.push_back("PILE BATTER AND SLOPE");
  lines.push_back("10");
  lines.push_back("5");
  lines.push_back("END");
  Read_Outcome lf = Read_Input_Text(Join(lines, "\n"));
  ASSERT_EQ(lf.error, 0) << lf.report;
  Problem_Options a = Opt();
  Loading_Records la = RS().prob.load;
  std::string t5(RS().prob.title.lines[5].view());
  Read_Outcome crlf = Read_Input_Text(Join(lines, "\r\n"));
  ASSERT_EQ(crlf.error, 0) << crlf.report;
  EXPECT_EQ(Opt().b_CyclicLoading, a.b_CyclicLoading);
  EXPECT_EQ(Opt().rd_NumberOfCycles, 50.0);
  EXPECT_EQ(Opt().i_InteractionCode, 2);
  EXPECT_EQ(Opt().rd_ConvergenceTolerance, a.rd_ConvergenceTolerance);
  EXPECT_EQ(RS().prob.load.rd_BatterAngle, la.rd_BatterAngle);
  EXPECT_EQ(std::string(RS().prob.title.lines[5].view()), t5);
  EXPECT_EQ(lf.message, crlf.message);
}

}  // namespace
}  // namespace ormyx
