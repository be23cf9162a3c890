#include "host/plot_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

namespace ormyx::host {

namespace {

constexpr int MAX_RECORD = 16;
constexpr int STIFFNESS_ROWS = 10;  // rows of the pile-head stiffness table
constexpr int INT_WIDTH = 5;        // I5
constexpr int REAL_WIDTH = 15;      // E15.7

// Value columns of every record, left to right: 'i' an I5 field, 'x' five
// blanks, 'e' an E15.7 field. The label follows after blanks.
const char* const LAYOUT[MAX_RECORD + 1] = {
    "",         "iiii",  "i",    "i",      "ixxee",    "eee", "i",  "ei", "ee",
    "iii",      "eeeeee", "i",   "eeee",   "eeeee",    "eeeeeeee", "ii", "eeeee"};

// One line split into its values and its label.
struct Record {
  int number = 0;
  int ints[4] = {0, 0, 0, 0};
  double reals[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  std::string_view label;
};

enum Stage { BEGIN, AFTER_1, AFTER_2, SECTIONS, INTERACTION, PY_CURVES, CASES, SUMMARY, STIFFNESS };

std::string_view fn_Trim(std::string_view s) {
  std::size_t a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  std::size_t b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

bool fn_Parse_Int(std::string_view field, int& value) {
  std::string_view t = fn_Trim(field);
  if (t.empty()) return false;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  return ec == std::errc() && end == t.data() + t.size();
}

// A real in exponent form. A field of asterisks (a value too wide for its
// field) reads as not-a-number: the record stands, the value is unknown.
bool fn_Parse_Real(std::string_view field, double& value) {
  std::string_view t = fn_Trim(field);
  if (t.empty()) return false;
  if (t.find_first_not_of('*') == std::string_view::npos) {
    value = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  return ec == std::errc() && end == t.data() + t.size();
}

// The number that ends a label ("... Section 3"); false when none does.
bool fn_Trailing_Int(std::string_view label, int& value) {
  std::size_t e = label.size();
  std::size_t b = e;
  while (b > 0 && label[b - 1] >= '0' && label[b - 1] <= '9') --b;
  if (b == e || e - b > 9) return false;
  return fn_Parse_Int(label.substr(b), value);
}

bool fn_Starts_With(std::string_view s, std::string_view head) {
  return s.size() >= head.size() && s.compare(0, head.size(), head) == 0;
}

std::string fn_Shown(std::string_view s) {
  std::string out;
  for (char c : s.substr(0, 40)) out += (c >= 0x20 && c < 0x7f) ? c : '?';
  if (s.size() > 40) out += "...";
  return out;
}

class Reader {
 public:
  Reader(Plot_Data& data, Plot_Read_Error& error) : d_(data), err_(error) {}

  bool Line(std::string_view text, int line_number);
  void Finish();

 private:
  bool Fail(const std::string& message) {
    err_.line = line_;
    err_.message = message;
    return false;
  }
  bool Misplaced(int number, const std::string& why) {
    return Fail("Line " + std::to_string(number) + " record out of place: " + why);
  }
  bool Split(std::string_view text, Record& r);
  bool Store(const Record& r);
  bool Sections_Done() const;
  bool Curves_Done() const;
  bool Case_Done(const Plot_Load_Case& c) const;
  bool Cases_Done() const;

  Plot_Data& d_;
  Plot_Read_Error& err_;
  int line_ = 0;
  Stage stage_ = BEGIN;
};

// Splits a line into label and values, the values read by column.
bool Reader::Split(std::string_view text, Record& r) {
  std::size_t at = text.find("Line ");
  if (at == std::string_view::npos) {
    if (fn_Trim(text).empty()) return Fail("empty line; every line of a plot file is a record");
    return Fail("no record label (\"Line N\") on this line");
  }
  std::size_t k = at + 5;
  int number = 0;
  while (k < text.size() && text[k] >= '0' && text[k] <= '9' && number <= MAX_RECORD)
    number = number * 10 + (text[k++] - '0');
  if (k == at + 5) return Fail("the label \"" + fn_Shown(text.substr(at)) + "\" has no record number");
  if (number < 1 || number > MAX_RECORD)
    return Fail("unknown record \"" + fn_Shown(text.substr(at)) + "\"");
  if (k < text.size() && text[k] != ' ' && text[k] != ':' && text[k] != '(')
    return Fail("unknown record \"" + fn_Shown(text.substr(at)) + "\"");
  r.number = number;
  r.label = text.substr(at);
  std::string_view values = text.substr(0, at);
  std::size_t col = 0;
  int ni = 0, nr = 0, field = 0;
  for (const char* p = LAYOUT[number]; *p; ++p) {
    const std::size_t width = *p == 'e' ? REAL_WIDTH : INT_WIDTH;
    const std::string where = "Line " + std::to_string(number) + " record, columns " +
                              std::to_string(col + 1) + "-" + std::to_string(col + width);
    if (col + width > values.size())
      return Fail(where + ": the record ends before this field (the line is cut short)");
    std::string_view f = values.substr(col, width);
    if (*p == 'x') {
      if (!fn_Trim(f).empty()) return Fail(where + ": blanks expected, found \"" + fn_Shown(f) + "\"");
    } else {
      ++field;
      bool ok = *p == 'i' ? fn_Parse_Int(f, r.ints[ni++]) : fn_Parse_Real(f, r.reals[nr++]);
      if (!ok)
        return Fail(where + ": \"" + fn_Shown(fn_Trim(f)) + "\" is not " +
                    (*p == 'i' ? "an integer" : "a number"));
    }
    col += width;
  }
  if (!fn_Trim(values.substr(col)).empty())
    return Fail("Line " + std::to_string(number) + " record: unexpected value \"" +
                fn_Shown(fn_Trim(values.substr(col))) + "\" after the last field");
  return true;
}

bool Reader::Sections_Done() const {
  if (!d_.mei.empty() && int(d_.mei.back().points.size()) < d_.mei.back().declared_points)
    return false;
  return d_.interaction.empty() ||
         int(d_.interaction.back().points.size()) >= d_.interaction.back().declared_points;
}

bool Reader::Curves_Done() const {
  if (int(d_.py.size()) < d_.py_declared) return false;
  return d_.py.empty() || int(d_.py.back().points.size()) >= d_.py.back().declared_points;
}

bool Reader::Case_Done(const Plot_Load_Case& c) const {
  return c.has_line_11 && int(c.length_points.size()) >= c.length_declared;
}

bool Reader::Cases_Done() const {
  return int(d_.cases.size()) == d_.load_cases && (d_.cases.empty() || Case_Done(d_.cases.back()));
}

// Puts one record into the data, checking that the run writes it here.
bool Reader::Store(const Record& r) {
  const std::string_view lab = r.label;
  switch (r.number) {
    case 1:
      if (stage_ != BEGIN) return Misplaced(1, "it is written once, on the first line");
      d_.has_line_1 = true;
      d_.analysis_type = r.ints[0];
      d_.iunits = r.ints[1];
      d_.kyl = r.ints[2];
      d_.compute_k = r.ints[3];
      stage_ = AFTER_1;
      return true;
    case 2:
      if (stage_ != AFTER_1) return Misplaced(2, "it follows Line 1");
      if (r.ints[0] < 0) return Fail("Line 2 record: negative number of sections");
      d_.has_line_2 = true;
      d_.sections = r.ints[0];
      stage_ = AFTER_2;
      return true;
    case 3:
      if (stage_ != AFTER_2) return Misplaced(3, "it follows Line 2");
      if (r.ints[0] < 0) return Fail("Line 3 record: negative number of axial thrusts");
      d_.has_line_3 = true;
      d_.thrusts = r.ints[0];
      d_.thrust_label = std::string(lab);
      stage_ = SECTIONS;
      return true;
    case 4: {
      if (stage_ != SECTIONS) return Misplaced(4, "moment-EI tables follow Line 3");
      if (!Sections_Done()) return Misplaced(4, "the table before it has fewer points than it declares");
      if (r.ints[0] < 0) return Fail("Line 4 record: negative number of points");
      Plot_MEI_Table t;
      t.declared_points = r.ints[0];
      t.thrust = r.reals[0];
      t.mn = r.reals[1];
      t.label = std::string(lab);
      // Section: the label's number when it has one, else the table before's.
      int s = 0;
      if (lab.find("Section ") != std::string_view::npos && fn_Trailing_Int(lab, s) && s >= 1)
        t.section = s;
      else
        t.section = d_.mei.empty() ? 1 : d_.mei.back().section;
      d_.mei.push_back(std::move(t));
      return true;
    }
    case 5: {
      if (d_.mei.empty() || stage_ != SECTIONS) return Misplaced(5, "points follow their Line 4");
      Plot_MEI_Table& t = d_.mei.back();
      if (int(t.points.size()) >= t.declared_points)
        return Misplaced(5, "its Line 4 declares " + std::to_string(t.declared_points) + " points");
      const std::size_t a = lab.find("Sect#="), b = lab.find(", AxLd#="), c = lab.find(", CurvPnt#=");
      int sect = 0, thrust = 0, point = 0;
      if (a == std::string_view::npos || b == std::string_view::npos || c == std::string_view::npos ||
          !(a < b && b < c) || !fn_Parse_Int(lab.substr(a + 6, b - a - 6), sect) ||
          !fn_Parse_Int(lab.substr(b + 8, c - b - 8), thrust) ||
          !fn_Parse_Int(lab.substr(c + 11), point))
        return Fail("Line 5 record: the label does not end with \"Sect#=S, AxLd#=T, CurvPnt#=P\"");
      if (point != int(t.points.size()) + 1)
        return Fail("Line 5 record: point number " + std::to_string(point) + " where " +
                    std::to_string(t.points.size() + 1) + " is due");
      if (t.points.empty()) {
        t.section = sect;
        t.thrust_number = thrust;
        t.point_label = std::string(lab.substr(0, a));
      } else if (sect != t.section || thrust != t.thrust_number) {
        return Fail("Line 5 record: section or thrust number differs from the points before it");
      }
      t.points.push_back({r.reals[0], r.reals[1], r.reals[2]});
      return true;
    }
    case 15: {
      if (stage_ != SECTIONS && stage_ != INTERACTION)
        return Misplaced(15, "interaction diagrams follow the moment-EI tables");
      if (!Sections_Done()) return Misplaced(15, "the table before it has fewer points than it declares");
      if (r.ints[0] < 0) return Fail("Line 15 record: negative number of points");
      int s = 0;
      if (!fn_Trailing_Int(lab, s) || s != r.ints[1])
        return Fail("Line 15 record: the label does not end with the section number " +
                    std::to_string(r.ints[1]));
      Plot_Interaction pi;
      pi.declared_points = r.ints[0];
      pi.section = r.ints[1];
      d_.interaction.push_back(std::move(pi));
      stage_ = INTERACTION;
      return true;
    }
    case 16: {
      if (d_.interaction.empty() || stage_ != INTERACTION)
        return Misplaced(16, "points follow their Line 15");
      Plot_Interaction& pi = d_.interaction.back();
      if (int(pi.points.size()) >= pi.declared_points)
        return Misplaced(16, "its Line 15 declares " + std::to_string(pi.declared_points) + " points");
      pi.points.push_back({r.reals[0], r.reals[1], r.reals[2], r.reals[3], r.reals[4]});
      return true;
    }
    case 6:
      if (stage_ != AFTER_2 && stage_ != SECTIONS && stage_ != INTERACTION)
        return Misplaced(6, "it follows the section analyses");
      if (!Sections_Done()) return Misplaced(6, "the table before it has fewer points than it declares");
      if (r.ints[0] < 0) return Fail("Line 6 record: negative number of p-y curves");
      d_.has_line_6 = true;
      d_.py_declared = r.ints[0];
      stage_ = PY_CURVES;
      return true;
    case 7: {
      if (stage_ != PY_CURVES) return Misplaced(7, "p-y curves follow Line 6");
      if (int(d_.py.size()) >= d_.py_declared)
        return Misplaced(7, "Line 6 declares " + std::to_string(d_.py_declared) + " curves");
      if (!d_.py.empty() && int(d_.py.back().points.size()) < d_.py.back().declared_points)
        return Misplaced(7, "the curve before it has fewer points than it declares");
      if (r.ints[0] < 0) return Fail("Line 7 record: negative number of points");
      Plot_Py_Curve c;
      c.number = int(d_.py.size()) + 1;
      c.depth = r.reals[0];
      c.declared_points = r.ints[0];
      const std::string_view head = "Line 7:  p-y curve depth in ";
      int number = 0;
      if (fn_Starts_With(lab, "Line 7:  p-y curve depth, no. p-y points") &&
          fn_Trim(lab.substr(40)).empty()) {
        c.above_ground = true;
        if (c.declared_points != 0) return Fail("Line 7 record: a depth above the ground has no points");
      } else if (fn_Starts_With(lab, head) && fn_Trailing_Int(lab, number)) {
        if (number != c.number)
          return Fail("Line 7 record: curve number " + std::to_string(number) + " where " +
                      std::to_string(c.number) + " is due");
        std::string_view rest = lab.substr(head.size());
        c.model = std::string(rest.substr(0, rest.find(", no.")));
      } else {
        return Fail("Line 7 record: the label does not end with the curve number");
      }
      d_.py.push_back(std::move(c));
      return true;
    }
    case 8: {
      if (stage_ != PY_CURVES || d_.py.empty()) return Misplaced(8, "points follow their Line 7");
      Plot_Py_Curve& c = d_.py.back();
      if (int(c.points.size()) >= c.declared_points)
        return Misplaced(8, "its Line 7 declares " + std::to_string(c.declared_points) + " points");
      const std::size_t close = lab.find("): y, p, for ");
      if (!fn_Starts_With(lab, "Line 8(") || close == std::string_view::npos)
        return Fail("Line 8 record: the label is not \"Line 8(N): y, p, for ...\"");
      // A point number too wide for its two columns is written as asterisks.
      std::string_view num = fn_Trim(lab.substr(7, close - 7));
      int point = 0;
      bool wide = !num.empty() && num.find_first_not_of('*') == std::string_view::npos;
      if (!wide && (!fn_Parse_Int(num, point) || point != int(c.points.size()) + 1))
        return Fail("Line 8 record: point number \"" + fn_Shown(num) + "\" where " +
                    std::to_string(c.points.size() + 1) + " is due");
      if (c.points.empty()) c.point_model = std::string(lab.substr(close + 13));
      c.points.push_back({r.reals[0], r.reals[1]});
      return true;
    }
    case 9:
      if (stage_ != PY_CURVES) return Misplaced(9, "it follows Line 6 and the p-y curves");
      if (!Curves_Done()) return Misplaced(9, "the p-y curves before it are incomplete");
      if (r.ints[0] < 0 || r.ints[1] < 0) return Fail("Line 9 record: negative count");
      if (r.ints[2] != d_.iunits)
        return Fail("Line 9 record: unit system " + std::to_string(r.ints[2]) +
                    " differs from Line 1's " + std::to_string(d_.iunits));
      d_.has_line_9 = true;
      d_.load_cases = r.ints[0];
      d_.nodes = r.ints[1];
      d_.units_line_9 = r.ints[2];
      stage_ = CASES;
      return true;
    case 10: {
      if (stage_ != CASES) return Misplaced(10, "node results follow Line 9");
      if (d_.cases.empty() || d_.cases.back().has_line_11) {
        if (!d_.cases.empty() && !Case_Done(d_.cases.back()))
          return Misplaced(10, "the load case before it is incomplete");
        if (int(d_.cases.size()) >= d_.load_cases)
          return Misplaced(10, "Line 9 declares " + std::to_string(d_.load_cases) + " load cases");
        Plot_Load_Case c;
        c.number = int(d_.cases.size()) + 1;
        d_.cases.push_back(std::move(c));
      }
      Plot_Load_Case& c = d_.cases.back();
      if (int(c.nodes.size()) >= d_.nodes)
        return Misplaced(10, "Line 9 declares " + std::to_string(d_.nodes) + " nodes");
      const int due = int(c.nodes.size()) + 1;
      const std::size_t close = lab.find("):");
      if (!fn_Starts_With(lab, "Line 10(") || close == std::string_view::npos)
        return Fail("Line 10 record: the label is not \"Line 10(N): ...\"");
      std::string_view num = fn_Trim(lab.substr(8, close - 8));
      int node = 0;
      bool wide = !num.empty() && num.find_first_not_of('*') == std::string_view::npos;
      if (!wide && (!fn_Parse_Int(num, node) || node != due))
        return Fail("Line 10 record: node number \"" + fn_Shown(num) + "\" where " +
                    std::to_string(due) + " is due");
      c.nodes.push_back({due, r.reals[0], r.reals[1], r.reals[2], r.reals[3], r.reals[4], r.reals[5]});
      return true;
    }
    case 11: {
      if (stage_ != CASES || d_.cases.empty() || d_.cases.back().has_line_11)
        return Misplaced(11, "it follows the node results of its load case");
      Plot_Load_Case& c = d_.cases.back();
      if (int(c.nodes.size()) != d_.nodes)
        return Misplaced(11, "load case " + std::to_string(c.number) + " has " +
                                 std::to_string(c.nodes.size()) + " of its " +
                                 std::to_string(d_.nodes) + " nodes");
      int number = 0;
      if (!fn_Trailing_Int(lab, number) || number != c.number)
        return Fail("Line 11 record: the label does not end with load case number " +
                    std::to_string(c.number));
      if (r.ints[0] < 0) return Fail("Line 11 record: negative number of points");
      c.has_line_11 = true;
      c.lrfd = lab.find("LRFD") != std::string_view::npos;
      c.length_declared = r.ints[0];
      return true;
    }
    case 12: {
      if (stage_ != CASES || d_.cases.empty() || !d_.cases.back().has_line_11)
        return Misplaced(12, "points follow their Line 11");
      Plot_Load_Case& c = d_.cases.back();
      if (int(c.length_points.size()) >= c.length_declared)
        return Misplaced(12, "its Line 11 declares " + std::to_string(c.length_declared) + " points");
      c.length_points.push_back({r.reals[0], r.reals[1], r.reals[2], r.reals[3]});
      return true;
    }
    case 13:
      if (stage_ == CASES) {
        if (!Cases_Done())
          return Misplaced(13, "the summary follows all " + std::to_string(d_.load_cases) +
                                   " load cases");
        stage_ = SUMMARY;
      }
      if (stage_ != SUMMARY) return Misplaced(13, "the summary follows the load cases");
      if (int(d_.summary.size()) >= d_.load_cases)
        return Misplaced(13, "Line 9 declares " + std::to_string(d_.load_cases) + " load cases");
      d_.summary.push_back({r.reals[0], r.reals[1], r.reals[2], r.reals[3], r.reals[4]});
      return true;
    case 14:
      if (stage_ == SUMMARY && int(d_.summary.size()) == d_.load_cases) stage_ = STIFFNESS;
      if (stage_ != STIFFNESS) return Misplaced(14, "the stiffness table follows the summary");
      if (int(d_.stiffness.size()) >= STIFFNESS_ROWS)
        return Misplaced(14, "the stiffness table has " + std::to_string(STIFFNESS_ROWS) + " rows");
      d_.stiffness.push_back({r.reals[0], r.reals[1], r.reals[2], r.reals[3], r.reals[4],
                              r.reals[5], r.reals[6], r.reals[7]});
      return true;
    default:
      return Fail("unknown record");
  }
}

bool Reader::Line(std::string_view text, int line_number) {
  line_ = line_number;
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  Record r;
  if (!Split(text, r) || !Store(r)) return false;
  d_.lines = line_number;
  return true;
}

// Decides whether the file holds the whole run, and if not, where it ends.
void Reader::Finish() {
  std::string what;
  if (stage_ == BEGIN) {
    what = "the file holds no record";
  } else if (!d_.has_line_2) {
    what = "before Line 2";
  } else if (d_.analysis_type == 2 && stage_ <= INTERACTION) {
    int last_section = d_.mei.empty() ? 0 : d_.mei.back().section;
    if (!d_.has_line_3 && d_.sections > 0)
      what = "before the section analyses";
    else if (!Sections_Done() || last_section < d_.sections)
      what = "during the analysis of section " + std::to_string(std::max(last_section, 1));
  } else if (stage_ <= INTERACTION) {
    what = Sections_Done() ? "before the p-y curves and load cases (Line 6)"
                           : "during the section analyses";
  } else if (stage_ == PY_CURVES) {
    what = "during the p-y curves at user depths, before the load cases";
  } else if (stage_ == CASES) {
    if (!Cases_Done())
      what = "during load case " + std::to_string(std::max<std::size_t>(d_.cases.size(), 1)) +
             " of " + std::to_string(d_.load_cases);
    else
      what = "before the summary (Line 13)";
  } else if (int(d_.summary.size()) < d_.load_cases) {
    what = "during the summary (Line 13)";
  } else if (d_.compute_k != 0 && int(d_.stiffness.size()) < STIFFNESS_ROWS) {
    what = "before the end of the stiffness table (Line 14)";
  }
  d_.partial = !what.empty();
  if (d_.partial)
    d_.partial_note = "The plot file ends at line " + std::to_string(d_.lines) + ", " + what +
                      ": the run stopped early.";
}

}  // namespace

std::string Plot_Read_Error::text(const std::string& file) const {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

bool fn_Parse_Plot_Text(std::string_view text, Plot_Data& data, Plot_Read_Error& error) {
  data = Plot_Data{};
  error = Plot_Read_Error{};
  Reader reader(data, error);
  int line = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (!reader.Line(text.substr(start, end - start), ++line)) return false;
    start = end + 1;
  }
  reader.Finish();
  return true;
}

bool fn_Read_Plot_File(const std::string& path, Plot_Data& data, Plot_Read_Error& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    data = Plot_Data{};
    error = Plot_Read_Error{0, "cannot open the plot file"};
    return false;
  }
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) {
    data = Plot_Data{};
    error = Plot_Read_Error{0, "cannot read the plot file"};
    return false;
  }
  return fn_Parse_Plot_Text(s.str(), data, error);
}

}  // namespace ormyx::host
