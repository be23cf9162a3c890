// The moment-curvature name list the host writes before a run: every line
// counts as one name; a line longer than a name (256 characters, a final
// carriage return not counted) or holding control characters leaves its name
// blank; lines past the 2000th are not read. The list is read in blocks, so
// lines that cross a block edge or are longer than a block are covered too.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/run_control.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

// Runs the engine on an empty input (it ends with input error 25 after the
// list is read) with the given name list; the state keeps the names.
void Run_With_List(const std::string& list) {
  std::string d = Make_Temp_Dir("mei-list");
  Write_File(d + "/NAMES.DAT", "input.inp\nreport.out\nplot.plt\nrun.msg\n");
  Write_File(d + "/input.inp", "");
  Write_File(d + "/M_vs_EI_report_names.txt", list);
  ASSERT_EQ(Run_OGO_In(d), 125);
  EXPECT_FALSE(File_Exists(d + "/M_vs_EI_report_names.txt"));  // removed after reading
}

TEST(MEI_Name_List, EachLineIsOneNameOrABlank) {
  const std::string n256(256, 'n'), n257(257, 'm');
  const std::string filler(8190 - 12, 'f');  // puts the next line across the first block edge
  struct Line {
    std::string text;  // the line as written, without its line end
    std::string name;  // the name stored for it
  };
  const std::vector<Line> lines = {
      {"mc_0001.txt", "mc_0001.txt"},
      {"", ""},                                   // an empty line counts, blank
      {"crlf.txt\r", "crlf.txt"},                 // one final carriage return dropped
      {"two\r\r", ""},                            // the other one is a control character
      {"tab\there.txt", ""},
      {"del\x7f.txt", ""},
      {n256, n256},                               // the longest name
      {n256 + "\r", n256},
      {n257, ""},                                 // one too long
      {n257 + "\r", ""},
      {filler, ""},                               // too long (and up to the block edge)
      {"across.txt", "across.txt"},
      {std::string(20000, 'x'), ""},              // longer than a block
      {"after.txt  ", "after.txt"},               // trailing blanks dropped
  };
  std::string list;
  for (const Line& l : lines) list += l.text + "\n";
  list += "last.txt";  // a last line without its line end
  Run_With_List(list);
  const auto& f = ormyx::RS().files;
  ASSERT_EQ(f.i_Number_of_MEI_Report_Files, int(lines.size()) + 1);
  for (std::size_t k = 0; k < lines.size(); ++k)
    EXPECT_EQ(ormyx::fn_MEI_Report_File_Name(int(k) + 1), lines[k].name) << "line " << k + 1;
  EXPECT_EQ(ormyx::fn_MEI_Report_File_Name(int(lines.size()) + 1), "last.txt");
}

TEST(MEI_Name_List, EndsAtTheFileEndOrTheLastName) {
  struct Case {
    std::string list;
    int count;
  };
  std::string many;
  for (int k = 1; k <= ormyx::MAX_MEI_REPORT_FILES + 5; ++k) many += "n" + std::to_string(k) + "\n";
  const Case cases[] = {
      {"", 0},
      {"a\n", 1},
      {"a", 1},
      {"a\n\n", 2},
      {std::string(9000, 'x'), 1},  // one long last line without its end
      {many, ormyx::MAX_MEI_REPORT_FILES},
  };
  for (const Case& c : cases) {
    Run_With_List(c.list);
    EXPECT_EQ(ormyx::RS().files.i_Number_of_MEI_Report_Files, c.count) << c.list.substr(0, 20);
  }
  EXPECT_EQ(ormyx::fn_MEI_Report_File_Name(ormyx::MAX_MEI_REPORT_FILES), "n2000");
}

}  // namespace
