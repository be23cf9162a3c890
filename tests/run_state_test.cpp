// The run-wide state after a reset: byte for byte the value a freshly
// value-initialised Run_State has (every member initialiser of every record
// honoured), whether the state is new or dirty from a whole run; and texts
// that were never set read as blanks.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>

#include "engine/run_files.h"
#include "engine/run_state.h"
#include "tests/test_support.h"

using namespace ormyx;

namespace {

// Offset of the first byte where the state differs from the reference, -1
// when none; the output channels (which hold a text buffer that points into
// its own object) are compared by value instead.
long fn_First_Difference(const Run_State& a, const Run_State& b) {
  const auto* pa = reinterpret_cast<const unsigned char*>(&a);
  const auto* pb = reinterpret_cast<const unsigned char*>(&b);
  const std::size_t skip_from = offsetof(Run_State, files) + offsetof(Run_Files, out);
  const std::size_t skip_to = skip_from + sizeof(a.files.out);
  for (std::size_t i = 0; i < sizeof(Run_State); ++i) {
    if (i == skip_from) i = skip_to;
    if (pa[i] != pb[i]) return long(i);
  }
  for (int c = 0; c < CHANNEL_COUNT; ++c)
    if (a.files.out[c].fp != b.files.out[c].fp || a.files.out[c].line != b.files.out[c].line ||
        a.files.out[c].failed != b.files.out[c].failed)
      return long(skip_from);
  return -1;
}

TEST(RunState, ResetGivesTheInitialValueOfEveryRecord) {
  auto reference = std::make_unique<Run_State>();
  Reset_Run_State();
  EXPECT_EQ(fn_First_Difference(RS(), *reference), -1) << "fresh state";

  // A whole run dirties the texts, node arrays, tables and output channels.
  auto r = ormyx_test::Run_Engine(ormyx_test::Read_File(ormyx_test::Example_Path("us_length_study.inp")));
  ASSERT_EQ(r.status, 0);
  RS().files.out[CH_REPORT].line = std::string(500, 'x');  // a line buffer on the heap
  Reset_Run_State();
  EXPECT_EQ(fn_First_Difference(RS(), *reference), -1) << "state after a run";
}

TEST(RunState, UnsetTextReadsAsBlanks) {
  Text<6> t;
  EXPECT_EQ(t.view(), "      ");
  EXPECT_TRUE(t.is_blank());
  t.set(std::string_view("ab"));
  EXPECT_EQ(t.view(), "ab    ");
  EXPECT_EQ(t.trimmed(), "ab");
  Text<4> u;
  u.set(std::string_view("abcdefg"));
  EXPECT_EQ(u.view(), "abcd");
  Reset_Run_State();
  EXPECT_EQ(RS().labels.moment.view(), "        ");
  EXPECT_EQ(fn_MEI_Report_File_Name(2000), "");
}

}  // namespace
