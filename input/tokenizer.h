// The input file reader's one tokenizer. Keyword, option and text lines are
// read whole; data lines are read in free form: blanks and commas separate
// values, a read that needs more values continues on the next line, values
// beyond those needed are ignored. Lines ending in CR LF read like LF lines.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ormyx {

inline constexpr int INPUT_LINE_LENGTH = 256;

// Attach the tokenizer to the open input file (line 1 is the next line).
void Input_Begin();
// Read the next line as text (at most 256 characters, CR removed).
// False at end of file.
bool Read_Text_Line(std::string& line);
// A NUL byte anywhere in the input file marks it as binary or corrupted: the
// reader would take it for a blank and split a number in two. False (and
// INP_MALFORMED_VALUE recorded, naming the first such line) when there is one;
// the file position is kept.
bool Check_Input_Has_No_NUL();
// Number of the line last read (1-based), 0 before the first.
int Input_Line_Number();
// Blank-padded comparison: line equals literal followed by blanks only.
bool Line_Is(std::string_view line, std::string_view literal);

// Input error numbers of the reader's own checks (see docs/errors.md).
inline constexpr int INP_MALFORMED_VALUE = 80;  // a value that is not a number of the needed kind
inline constexpr int INP_UNEXPECTED_EOF = 81;   // end of file before END
inline constexpr int INP_CAPACITY = 82;         // more entries than a record holds
inline constexpr int INP_CODE_RANGE = 83;       // a code outside its range
inline constexpr int INP_GEOMETRY = 84;         // impossible bar or strand geometry
inline constexpr int INP_NOT_POSITIVE = 86;     // a pile section length of 0 or less
inline constexpr int INP_LAYER_ORDER = 87;      // a soil layer whose bottom lies above its top

// One free-form read: it starts at the next line, takes values one by one
// (continuing on further lines), and discards the rest of its last line when
// it goes out of scope or finish() is called. A value that cannot be read
// records an input error whose message names the line, the part of the file
// being read (`what`) and the value expected, and every later read fails.
//
// A Free_Read made after an error was recorded fails at once, so that a reader
// that goes on after an error reads nothing more; pass read_after_error = true
// where a reader deliberately goes on reading after one of its own errors.
class Free_Read {
 public:
  explicit Free_Read(std::string what, bool read_after_error = false);
  ~Free_Read();
  Free_Read(const Free_Read&) = delete;
  Free_Read& operator=(const Free_Read&) = delete;

  bool real(double& x, const char* name = "a real number");
  bool integer(int32_t& i, const char* name = "an integer");
  // A text item (blank- or comma-delimited), truncated or blank-padded to width.
  bool word(std::string& w, int width, const char* name = "a word");
  bool ok() const { return ok_; }
  void finish();

 private:
  bool next_item(std::string& item, const char* name);
  void fail(const std::string& problem, const char* name);
  std::string what_;
  std::string line_;
  std::size_t pos_ = 0;
  bool have_line_ = false;
  bool ok_ = true;
  bool read_after_error_ = false;
};

// Record an input error with the reader's standard block:
// header, "An error was detected in the input data.", "Problem:  " text
// (naming the line number), blank, "Solution:  " remedy.
void Input_Read_Error(int n, const std::string& problem, const std::string& solution);

// Read the next line as text where the file must go on: at end of file record
// INP_UNEXPECTED_EOF naming the line number and `what` was being read.
bool Read_Required_Line(std::string& line, const std::string& what);

// Capacity check made before anything is stored: false (and INP_CAPACITY
// recorded) when count exceeds capacity. `what` names the entries ("load cases").
bool Check_Input_Capacity(long long count, int capacity, const std::string& what);

// Code check: false (and INP_CODE_RANGE recorded) when code is outside lo..hi.
bool Check_Input_Code(long long code, int lo, int hi, const std::string& what);

// Parse a free-form number (1, 1., .5, -2.5E3, 2.5D3). False if not a number.
bool Parse_Real(std::string_view s, double& x);
bool Parse_Integer(std::string_view s, int32_t& i);

}  // namespace ormyx
