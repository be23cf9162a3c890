#include "input/tokenizer.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"

namespace ormyx {

void Input_Begin() { RS().files.input_line_number = 0; }

namespace {

// Data lines may be longer than a text line; longer still is refused.
constexpr std::size_t DATA_LINE_LIMIT = 4096;

// Read one line with at most `limit` characters kept (the line ends at LF,
// CR LF or a lone CR; control characters as blanks). *too_long is set when
// characters were dropped.
bool Read_Raw_Line(std::string& line, std::size_t limit, bool* too_long) {
  line.clear();
  if (too_long) *too_long = false;
  std::FILE* fp = RS().files.input;
  if (!fp) return false;
  int c;
  bool any = false;
  std::size_t length = 0;
  while ((c = std::fgetc(fp)) != EOF) {
    any = true;
    if (c == '\n') break;
    // CR LF (Windows) and a lone CR (old Mac files) end a line like LF.
    if (c == '\r') {
      int next = std::fgetc(fp);
      if (next != '\n' && next != EOF) std::ungetc(next, fp);
      break;
    }
    ++length;
    if (line.size() < limit) line.push_back(char(c));
  }
  if (!any) return false;
  if (too_long && length > limit) *too_long = true;
  // Tabs and other control characters read as blanks.
  for (char& ch : line)
    if (static_cast<unsigned char>(ch) < 32) ch = ' ';
  ++RS().files.input_line_number;
  return true;
}

}  // namespace

bool Read_Text_Line(std::string& line) {
  return Read_Raw_Line(line, std::size_t(INPUT_LINE_LENGTH), nullptr);
}

int Input_Line_Number() { return RS().files.input_line_number; }

bool Check_Input_Has_No_NUL() {
  std::FILE* fp = RS().files.input;
  if (!fp) return true;
  const long start = std::ftell(fp);
  long line = Input_Line_Number() + 1;
  int c, previous = 0;
  bool found = false;
  while ((c = std::fgetc(fp)) != EOF) {
    if (c == 0) {
      found = true;
      break;
    }
    if (c == '\n' ? previous != '\r' : c == '\r') ++line;
    previous = c;
  }
  if (start >= 0) std::fseek(fp, start, SEEK_SET);
  if (!found) return true;
  Input_Read_Error(INP_MALFORMED_VALUE,
                   "Line " + fmt::I0(line) + " holds a NUL byte: the input file is not a text "
                   "file, or it is corrupted.",
                   "Save the input data again as a plain text file.");
  return false;
}

bool Line_Is(std::string_view line, std::string_view literal) {
  if (line.size() < literal.size()) return false;
  if (line.substr(0, literal.size()) != literal) return false;
  for (std::size_t i = literal.size(); i < line.size(); ++i)
    if (line[i] != ' ') return false;
  return true;
}

bool Parse_Real(std::string_view s, double& x) {
  if (s.empty() || s.size() > 64) return false;
  std::string t(s);
  bool digit = false;
  for (char& c : t) {
    if (c == 'd' || c == 'D') c = 'E';
    if (c >= '0' && c <= '9') digit = true;
  }
  if (!digit) return false;
  // Only ordinary notation: sign, digits, point, exponent.
  for (char c : t)
    if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e'))
      return false;
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size()) return false;
  if (!std::isfinite(v)) return false;
  // A negative zero ("-0", "-0.0E5") is stored as zero, so that no report
  // shows "-0.0000" for it.
  x = v == 0.0 ? 0.0 : v;
  return true;
}

bool Parse_Integer(std::string_view s, int32_t& i) {
  if (s.empty() || s.size() > 16) return false;
  std::size_t k = 0;
  if (s[0] == '+' || s[0] == '-') k = 1;
  if (k == s.size()) return false;
  for (std::size_t j = k; j < s.size(); ++j)
    if (s[j] < '0' || s[j] > '9') return false;
  long long v = std::strtoll(std::string(s).c_str(), nullptr, 10);
  if (v < INT32_MIN || v > INT32_MAX) return false;
  i = int32_t(v);
  return true;
}

void Input_Read_Error(int n, const std::string& problem, const std::string& solution) {
  for (Channel ch : {CH_REPORT, CH_MESSAGE}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, Input_Error_Header(n));
    Write_Line(ch);
    Write_Line(ch, "An error was detected in the input data.");
    Write_Line(ch, "Problem:  " + problem);
    Write_Line(ch);
    Write_Line(ch, "Solution:  " + solution);
  }
  Record_Input_Error(n);
}

bool Read_Required_Line(std::string& line, const std::string& what) {
  if (Read_Text_Line(line)) return true;
  Input_Read_Error(INP_UNEXPECTED_EOF,
                   "The input file ended at line " + fmt::I0(Input_Line_Number()) +
                       " while reading " + what + ".",
                   "Complete the data and end the file with the line END.");
  return false;
}

bool Check_Input_Capacity(long long count, int capacity, const std::string& what) {
  if (count <= capacity) return true;
  Input_Read_Error(INP_CAPACITY,
                   "Line " + fmt::I0(Input_Line_Number()) + ": " + fmt::I0(count) + " " + what +
                       " were specified; at most " + fmt::I0(capacity) + " can be stored.",
                   "Reduce the number of " + what + " to " + fmt::I0(capacity) + " or fewer.");
  return false;
}

bool Check_Input_Code(long long code, int lo, int hi, const std::string& what) {
  if (code >= lo && code <= hi) return true;
  Input_Read_Error(INP_CODE_RANGE,
                   "Line " + fmt::I0(Input_Line_Number()) + ": the " + what + " " + fmt::I0(code) +
                       " is outside the range " + fmt::I0(lo) + " to " + fmt::I0(hi) + ".",
                   "Give a " + what + " from " + fmt::I0(lo) + " to " + fmt::I0(hi) + ".");
  return false;
}

Free_Read::Free_Read(std::string what, bool read_after_error)
    : what_(std::move(what)), read_after_error_(read_after_error) {
  if (Error_Recorded() && !read_after_error_) ok_ = false;
}

Free_Read::~Free_Read() { finish(); }

void Free_Read::finish() {
  have_line_ = false;
  line_.clear();
  pos_ = 0;
}

void Free_Read::fail(const std::string& problem, const char* name) {
  if (!ok_) return;
  ok_ = false;
  if (Error_Recorded() && !read_after_error_) return;
  int ln = Input_Line_Number();
  if (problem.empty()) {
    Input_Read_Error(INP_UNEXPECTED_EOF,
                     "The input file ended at line " + fmt::I0(ln) + " while reading " + what_ +
                         "; " + name + " was expected.",
                     "Complete the data and end the file with the line END.");
  } else {
    Input_Read_Error(INP_MALFORMED_VALUE,
                     "Line " + fmt::I0(ln) + ", reading " + what_ + ": " + name +
                         " was expected, found \"" + problem + "\".",
                     "Correct the value on line " + fmt::I0(ln) + " of the input file.");
  }
}

bool Free_Read::next_item(std::string& item, const char* name) {
  if (!ok_) return false;
  for (;;) {
    if (!have_line_) {
      bool too_long = false;
      if (!Read_Raw_Line(line_, DATA_LINE_LIMIT, &too_long)) {
        fail("", name);
        return false;
      }
      if (too_long) {
        fail("a line longer than " + fmt::I0(long(DATA_LINE_LIMIT)) + " characters", name);
        return false;
      }
      have_line_ = true;
      pos_ = 0;
    }
    while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
    if (pos_ >= line_.size()) {
      have_line_ = false;  // the read continues on the next line
      continue;
    }
    if (line_[pos_] == ',') {
      ++pos_;
      // A comma after a comma leaves an empty item: skip it like a separator.
      continue;
    }
    std::size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != ',') ++pos_;
    item.assign(line_, start, pos_ - start);
    if (pos_ < line_.size() && line_[pos_] == ',') ++pos_;
    return true;
  }
}

bool Free_Read::real(double& x, const char* name) {
  std::string item;
  if (!next_item(item, name)) return false;
  if (!Parse_Real(item, x)) {
    fail(item, name);
    return false;
  }
  return true;
}

bool Free_Read::integer(int32_t& i, const char* name) {
  std::string item;
  if (!next_item(item, name)) return false;
  if (!Parse_Integer(item, i)) {
    fail(item, name);
    return false;
  }
  return true;
}

bool Free_Read::word(std::string& w, int width, const char* name) {
  std::string item;
  if (!next_item(item, name)) return false;
  if (width > 0) {
    if (int(item.size()) > width) item.resize(std::size_t(width));
    else item.append(std::size_t(width) - item.size(), ' ');
  }
  w = item;
  return true;
}

}  // namespace ormyx
