// The report page writer and the texts it takes from the run files: escaping
// of text that comes from files, warning blocks, the ground surface depth and
// the LRFD table of the report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/html_report.h"
#include "host/run_texts.h"
#include "tests/test_support.h"

namespace {

using namespace ormyx::host;

int Count(const std::string& text, const std::string& needle) {
  int n = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
  return n;
}

// Text from the files (a soil model name, a warning, the title) cannot end
// the page's script or add markup, and bytes that are not UTF-8 are replaced.
TEST(Html_Report, TextFromTheFilesIsEscaped) {
  const std::string evil = "</script><img src=x onerror=alert(1)>\xff";
  std::string plot = ormyx_test::Read_File(std::string(ORMYX_SOURCE_DIR) + "/tests/data/plot_sample.plt");
  const std::string model = "in sand, no.";
  std::size_t at = plot.find(model);
  ASSERT_NE(at, std::string::npos);
  plot.replace(at, model.size(), "in " + evil + ", no.");
  Html_Sources s;
  s.title = evil;
  s.plot_name = "x.plt";
  Plot_Read_Error e;
  ASSERT_TRUE(fn_Parse_Plot_Text(plot, s.plot, e)) << e.message;
  ASSERT_EQ(s.plot.py[1].model, evil);
  s.has_messages = true;
  s.message_text = "\n\n**** Warning " + evil + " ****\n\n" + evil + "\nCompleted Analysis 1\n";
  const std::string page = fn_Html_Page(s);
  EXPECT_EQ(page.find("<img"), std::string::npos);
  EXPECT_EQ(page.find('\xff'), std::string::npos);
  // The data element, Chart.js and the page script: three script elements.
  EXPECT_EQ(Count(page, "</script>"), 3);
  EXPECT_NE(page.find("&lt;/script&gt;&lt;img"), std::string::npos);          // in the HTML
  EXPECT_NE(page.find("\\u003c/script\\u003e\\u003cimg"), std::string::npos);  // in the data
}

TEST(Html_Report, MessageBlocksAreGroupedByKind) {
  const std::string msg =
      "Input of data completed\n\n\n"
      "**** Warning - POSSIBLE SOLUTION ERROR 550 ****\n\nForce and moment imbalances.\n"
      "Maximum imbalance = 1.0\nCompleted Analysis 1\n\n\n"
      "**** Warning - POSSIBLE SOLUTION ERROR 550 ****\n\nForce and moment imbalances.\n"
      "Maximum imbalance = 2.0\nCompleted Analysis 2\n\n\n"
      "**** Input Data Error No. 23 (NON-FATAL) ****\n\np-y curves cannot be generated\n\n"
      "**** Runtime Error No. 11 ****\n\nThe pile did not converge.\n\n"
      "The analysis ended due to runtime error No. 11.\n";
  int dropped = 0;
  std::vector<Message_Block> b = fn_Message_Blocks(msg, 10, dropped);
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(b[0].times, 2);
  EXPECT_EQ(b[0].lines.back(), "Maximum imbalance = 1.0");  // the first one kept
  EXPECT_EQ(b[0].kind, Message_Block::WARNING);
  EXPECT_EQ(b[1].kind, Message_Block::WARNING);  // a non-fatal input error
  EXPECT_EQ(b[2].kind, Message_Block::ERROR);
  EXPECT_EQ(b[2].lines, std::vector<std::string>{"The pile did not converge."});
  EXPECT_EQ(fn_Closing_Line(msg), "The analysis ended due to runtime error No. 11.");
  fn_Message_Blocks(msg, 1, dropped);
  EXPECT_EQ(dropped, 2);
}

TEST(Html_Report, GroundDepthAndLRFDTableFromTheReport) {
  // 2.5 ft is 30 in, the plot file's unit; SI depths stay in metres.
  double z = 0.0;
  EXPECT_TRUE(fn_Ground_Depth("Depth of ground surface below top of pile              =       2.5000 ft\n", 1, z));
  EXPECT_DOUBLE_EQ(z, 30.0);
  EXPECT_TRUE(fn_Ground_Depth("Depth of ground surface below top of pile              =       1.2000 m\n", 2, z));
  EXPECT_DOUBLE_EQ(z, 1.2);
  EXPECT_FALSE(fn_Ground_Depth("Total length of pile = 40 ft\n", 1, z));

  const std::string report =
      "                   LRFD Performance by Load Case Combination\n\n"
      "----   -------   ----------   ----------\n"
      "  1       1        0.900        0.13E+08     8933339.       0.6710      Pass         -52019.        3.335     -0.01344   Strength I      \n"
      "  2       1        0.900        0.12E+08     5907409.       1.2795      Fail         -34473.        1.781     -0.00729   Service I\n"
      "\n"
      "One or more LRFD load combinations have failed.\n";
  LRFD_Table t;
  ASSERT_TRUE(fn_LRFD_Table(report, t));
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0].size(), 11u);
  EXPECT_EQ(t.rows[0][10], "Strength I");
  EXPECT_EQ(t.rows[1][6], "Fail");
  EXPECT_EQ(t.verdict, "One or more LRFD load combinations have failed.");
  EXPECT_FALSE(fn_LRFD_Table("no table here\n", t));
}

}  // namespace
