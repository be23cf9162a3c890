// The reader's tokenizer: text lines, blank-padded comparison, free-form
// values across lines, number parsing, CR LF lines and the reader's own errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/tokenizer.h"
#include "tests/read_input_fixture.h"

namespace ormyx {
namespace {

// The text becomes the input file, positioned at line 1.
void Attach(const std::string& text) {
  Reset_Run_State();
  std::FILE* in = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), in);
  std::rewind(in);
  RS().files.input = in;
  RS().files.out[CH_REPORT].fp = std::tmpfile();
  RS().files.out[CH_MESSAGE].fp = std::tmpfile();
  Input_Begin();
}

std::string Report() { return ormyx_test::Channel_Text(CH_REPORT); }

TEST(Tokenizer, ParseReal) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {"1", true, 1.0},         {"1.", true, 1.0},         {".5", true, 0.5},
      {"-2.5E3", true, -2500},  {"2.5D3", true, 2500},     {"2.5d-3", true, 0.0025},
      {"+3", true, 3.0},        {"1e-3", true, 0.001},     {"-0", true, 0.0},
      {"", false, 0},           {"abc", false, 0},         {"1.2.3", false, 0},
      {"E5", false, 0},         {"nan", false, 0},         {"inf", false, 0},
      {"0x10", false, 0},       {"1e999", false, 0},       {"1O0", false, 0},
      {"-", false, 0},          {".", false, 0},           {"5-", false, 0},
  };
  for (const Case& c : cases) {
    double x = -99;
    EXPECT_EQ(Parse_Real(c.text, x), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(x, c.value) << c.text;
    } else {
      EXPECT_EQ(x, -99) << "unchanged on failure: " << c.text;
    }
  }
}

TEST(Tokenizer, ParseInteger) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {{"12", true, 12},          {"-3", true, -3},   {"+4", true, 4},
                        {"2147483647", true, INT32_MAX},  {"-2147483648", true, INT32_MIN},
                        {"2147483648", false, 0},  {"1.0", false, 0},  {"", false, 0},
                        {"-", false, 0},           {"12a", false, 0},  {"1E2", false, 0},
                        {"99999999999999999999", false, 0}};
  for (const Case& c : cases) {
    int32_t i = -99;
    EXPECT_EQ(Parse_Integer(c.text, i), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(i, c.value) << c.text;
    }
  }
}

TEST(Tokenizer, LineIsBlankPaddedAndCaseSensitive) {
  EXPECT_TRUE(Line_Is("END", "END"));
  EXPECT_TRUE(Line_Is("END   ", "END"));
  EXPECT_FALSE(Line_Is(" END", "END"));
  EXPECT_FALSE(Line_Is("end", "END"));
  EXPECT_FALSE(Line_Is("EN", "END"));
  EXPECT_FALSE(Line_Is("END.", "END"));
  EXPECT_FALSE(Line_Is("LOADINGS", "LOADING"));
}

TEST(Tokenizer, TextLinesCrLfControlCharactersAndLength) {
  std::string long_line(300, 'x');
  Attach("abc\r\n\r\nd\te\x01" "f\n" + long_line + "\nlast");
  std::string line;
  ASSERT_TRUE(Read_Text_Line(line));
  EXPECT_EQ(line, "abc");
  ASSERT_TRUE(Read_Text_Line(line));
  EXPECT_EQ(line, "");
  ASSERT_TRUE(Read_Text_Line(line));
  EXPECT_EQ(line, "d e f");
  ASSERT_TRUE(Read_Text_Line(line));
  EXPECT_EQ(line, std::string(256, 'x'));  // a text line holds 256 characters
  EXPECT_EQ(Input_Line_Number(), 4);
  ASSERT_TRUE(Read_Text_Line(line));
  EXPECT_EQ(line, "last");  // no final newline
  EXPECT_FALSE(Read_Text_Line(line));
  EXPECT_EQ(Input_Line_Number(), 5);
}

TEST(Tokenizer, FreeReadAcrossLinesSeparatorsAndExtraValues) {
  Attach("1, 2.5 ,,3\n\n   \n4\r\n5 6 7\n8 extra words\n9\n");
  {
    Free_Read r("test");
    int32_t a = 0;
    double b = 0, c = 0, d = 0;
    EXPECT_TRUE(r.integer(a));
    EXPECT_TRUE(r.real(b));
    EXPECT_TRUE(r.real(c));
    EXPECT_TRUE(r.real(d));  // continues past the blank lines
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2.5);
    EXPECT_EQ(c, 3.0);
    EXPECT_EQ(d, 4.0);
  }
  {
    Free_Read r("test");  // a new read starts on a new line
    double x = 0;
    EXPECT_TRUE(r.real(x));
    EXPECT_EQ(x, 5.0);  // 6 and 7 are ignored
  }
  {
    Free_Read r("test");
    std::string w;
    EXPECT_TRUE(r.word(w, 3));
    EXPECT_EQ(w, "8  ");
    EXPECT_TRUE(r.word(w, 3));
    EXPECT_EQ(w, "ext");
    r.finish();
    int32_t i = 0;
    EXPECT_TRUE(r.integer(i));  // after finish() the next value is on the next line
    EXPECT_EQ(i, 9);
  }
  EXPECT_EQ(RS().status.i_ErrorNumber, 0);
}

TEST(Tokenizer, LongDataLinesAreReadWhole) {
  std::string line(290, ' ');
  line += "1 2";
  Attach(line + "\n3\n");
  Free_Read r("test");
  double a = 0, b = 0;
  EXPECT_TRUE(r.real(a));
  EXPECT_TRUE(r.real(b));
  EXPECT_EQ(a, 1.0);
  EXPECT_EQ(b, 2.0);  // not taken from the next line

  Attach(std::string(5000, '1') + "\n");
  Free_Read q("test");
  double x = 0;
  EXPECT_FALSE(q.real(x));
  EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_MALFORMED_VALUE);
}

TEST(Tokenizer, ReadErrorsNameTheLineAndWhatWasExpected) {
  Attach("1\n2 x3\n");
  {
    Free_Read r("the widgets (TEST)");
    double a = 0, b = 0;
    EXPECT_TRUE(r.real(a));
    EXPECT_TRUE(r.real(b));
    double c = 0;
    EXPECT_FALSE(r.real(c, "the third value"));
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.real(c));  // every later read fails
  }
  EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_MALFORMED_VALUE);
  const std::string rep = Report();
  EXPECT_NE(rep.find("**** Input Data Error No. 80 ****"), std::string::npos) << rep;
  EXPECT_NE(rep.find("Problem:  Line 2, reading the widgets (TEST): the third value was "
                     "expected, found \"x3\"."),
            std::string::npos)
      << rep;
  EXPECT_NE(rep.find("INP00080"), std::string::npos);
  EXPECT_NE(ormyx_test::Channel_Text(CH_MESSAGE).find("Line 2, reading the widgets"),
            std::string::npos);
  // After an error a new read fails at once and writes nothing more.
  Free_Read later("later");
  int32_t i = 0;
  EXPECT_FALSE(later.integer(i));
  EXPECT_EQ(Report(), rep);

  Attach("5\n");
  {
    Free_Read r("the gadgets (TEST)");
    int32_t a = 0, b = 0;
    EXPECT_TRUE(r.integer(a));
    EXPECT_FALSE(r.integer(b, "the gadget count"));
  }
  EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_UNEXPECTED_EOF);
  EXPECT_NE(Report().find("The input file ended at line 1 while reading the gadgets (TEST); the "
                          "gadget count was expected."),
            std::string::npos)
      << Report();
}

TEST(Tokenizer, ReadAfterErrorGoesOnAndReportsItsOwnFaults) {
  Attach("7\nz\n");
  Record_Input_Error(72);
  {
    Free_Read r("after", true);
    int32_t a = 0;
    EXPECT_TRUE(r.integer(a));
    EXPECT_EQ(a, 7);
  }
  {
    Free_Read r("after", true);
    int32_t a = 0;
    EXPECT_FALSE(r.integer(a));
  }
  EXPECT_EQ(RS().status.i_ErrorNumber, 172);  // the first error is the one kept
  EXPECT_NE(Report().find("**** Input Data Error No. 80 ****"), std::string::npos);
}

TEST(Tokenizer, RequiredLineCapacityAndCodeChecks) {
  Attach("only\n");
  std::string line;
  EXPECT_TRUE(Read_Required_Line(line, "x"));
  EXPECT_FALSE(Read_Required_Line(line, "the next thing"));
  EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_UNEXPECTED_EOF);
  EXPECT_NE(Report().find("The input file ended at line 1 while reading the next thing."),
            std::string::npos);

  Attach("");
  EXPECT_TRUE(Check_Input_Capacity(50, 50, "points"));
  EXPECT_TRUE(Check_Input_Capacity(-1, 50, "points"));
  EXPECT_EQ(RS().status.i_ErrorNumber, 0);
  EXPECT_FALSE(Check_Input_Capacity(51, 50, "points"));
  EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_CAPACITY);
  EXPECT_NE(Report().find("51 points were specified; at most 50 can be stored."),
            std::string::npos);

  Attach("");
  EXPECT_TRUE(Check_Input_Code(1, 1, 5, "load type"));
  EXPECT_TRUE(Check_Input_Code(5, 1, 5, "load type"));
  EXPECT_FALSE(Check_Input_Code(6, 1, 5, "load type"));
  EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_CODE_RANGE);
}

}  // namespace
}  // namespace ormyx
