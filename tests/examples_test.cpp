// The example inputs shipped with the engine run end to end and end normally.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

using namespace ormyx_test;

TEST(Examples, RunToANormalEnd) {
  struct Case {
    const char* file;
    int nodes;
  } cases[] = {{"us_soft_clay.inp", 101}, {"si_drilled_shaft.inp", 101}};
  for (const Case& c : cases) {
    Run_Result r = Run_Engine(Read_File(Example_Path(c.file)));
    EXPECT_EQ(r.status, 0) << c.file;
    EXPECT_NE(r.report.find("The analysis ended normally. "), std::string::npos) << c.file;
    EXPECT_NE(r.message.find("The analysis ended normally. "), std::string::npos) << c.file;
    EXPECT_NE(r.report.find("Output Summary for Load Case No. 1:"), std::string::npos) << c.file;
    EXPECT_EQ(Count_Containing(r.plot, "Line 10("), c.nodes) << c.file;
    EXPECT_EQ(Count_Containing(r.plot, "Line 1 : "), 1) << c.file;
    EXPECT_EQ(Count_Containing(r.plot, "Line 9:  "), 1) << c.file;
  }
}
