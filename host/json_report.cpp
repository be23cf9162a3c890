#include "host/json_report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

#include "host/host_util.h"

namespace ormyx::host {

using Json = nlohmann::ordered_json;

namespace {

// ---------------------------------------------------------------- text helpers

std::string_view fn_Trim(std::string_view s) {
  std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string_view::npos) return {};
  std::size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

std::string_view fn_Right_Trim(std::string_view s) {
  std::size_t b = s.find_last_not_of(" \t\r");
  return b == std::string_view::npos ? std::string_view() : s.substr(0, b + 1);
}

bool fn_Starts_With(std::string_view s, std::string_view head) {
  return s.size() >= head.size() && s.compare(0, head.size(), head) == 0;
}

bool fn_Contains(std::string_view s, std::string_view part) {
  return s.find(part) != std::string_view::npos;
}

// The lines of a text, trailing blanks removed.
std::vector<std::string_view> fn_Split_Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(fn_Right_Trim(text.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

// The first unsigned integer in s at or after pos; nullopt when none.
std::optional<long> fn_Number_After(std::string_view s, std::size_t pos) {
  while (pos < s.size() && (s[pos] < '0' || s[pos] > '9')) ++pos;
  if (pos >= s.size()) return std::nullopt;
  long v = 0;
  auto [end, ec] = std::from_chars(s.data() + pos, s.data() + s.size(), v);
  if (ec != std::errc()) return std::nullopt;
  return v;
}

// A real of a report column; nullopt for blanks, asterisks or other text.
std::optional<double> fn_Column_Real(std::string_view line, std::size_t from, std::size_t width) {
  if (from >= line.size()) return std::nullopt;
  std::string_view t = fn_Trim(line.substr(from, width));
  if (t.empty()) return std::nullopt;
  if (t.front() == '+') t.remove_prefix(1);
  double v = 0.0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<long> fn_Column_Int(std::string_view line, std::size_t from, std::size_t width) {
  if (from >= line.size()) return std::nullopt;
  std::string_view t = fn_Trim(line.substr(from, width));
  long v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

// Lines joined by line breaks, blank lines at both ends left out.
std::string fn_Join_Block(const std::vector<std::string_view>& lines, std::size_t from,
                          std::size_t to) {
  while (from < to && fn_Trim(lines[from]).empty()) ++from;
  while (to > from && fn_Trim(lines[to - 1]).empty()) --to;
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) text += '\n';
    text += lines[i];
  }
  return text;
}

// A real of the plot data: a value written as asterisks (not a number) is null.
Json fn_Real(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }

Json fn_Message(std::string title, std::string text, std::optional<long> number,
                std::optional<std::string> code) {
  Json m;
  m["title"] = std::move(title);
  m["text"] = std::move(text);
  m["number"] = number ? Json(*number) : Json(nullptr);
  m["code"] = code ? Json(*code) : Json(nullptr);
  return m;
}

// ---------------------------------------------------------------- outcome

enum Error_Kind { NO_ERROR, INPUT_ERROR, RUNTIME_ERROR };

// How the closing lines of the report or run-message file say the run ended.
struct Closing {
  bool found = false;
  bool normal = false;
  bool warnings = false;  // "ended with one or more warning messages" or a warning summary
  Error_Kind kind = NO_ERROR;
  long number = 0;
};

Closing fn_Closing(const std::vector<std::string_view>& lines) {
  Closing c;
  for (std::string_view raw : lines) {
    std::string_view t = fn_Trim(raw);
    if (fn_Starts_With(t, "The analysis ended normally")) {
      c.found = c.normal = true;
    } else if (fn_Starts_With(t, "The analysis ended with one or more warning messages") ||
               fn_Starts_With(t, "The following warning was reported")) {
      c.warnings = true;
    } else if (fn_Starts_With(t, "The analysis ended due to input error No.")) {
      c.found = true;
      c.kind = INPUT_ERROR;
      c.number = fn_Number_After(t, 0).value_or(0);
    } else if (fn_Starts_With(t, "The analysis ended due to runtime error No.")) {
      c.found = true;
      c.kind = RUNTIME_ERROR;
      c.number = fn_Number_After(t, 0).value_or(0);
    }
  }
  return c;
}

// An error block of the report or run-message file.
struct Error_Block {
  Error_Kind kind = NO_ERROR;
  long number = 0;
  std::string title, text, code;
};

bool fn_Is_Header(std::string_view t) { return fn_Starts_With(t, "***") && t.size() > 6; }

bool fn_Is_Block_End(std::string_view t) {
  return fn_Starts_With(t, "The analysis ended") || fn_Starts_With(t, "Ormyx ended prematurely") ||
         fn_Starts_With(t, "Computing ") || fn_Starts_With(t, "Completed ") ||
         fn_Starts_With(t, "Analysis Case ") || fn_Starts_With(t, "The convergence criteria") ||
         fn_Starts_With(t, "Input of data completed") || fn_Is_Header(t);
}

// Every fatal error block of a text, in order, with the code of its
// "ended prematurely" line when the block has one.
std::vector<Error_Block> fn_Error_Blocks(const std::vector<std::string_view>& lines) {
  std::vector<Error_Block> blocks;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view t = fn_Trim(lines[i]);
    if (!fn_Is_Header(t) || fn_Contains(t, "NON-FATAL")) continue;
    Error_Block b;
    std::size_t at = t.find("Input Data Error No.");
    if (at != std::string_view::npos) {
      b.kind = INPUT_ERROR;
    } else if ((at = t.find("Runtime Error No.")) != std::string_view::npos) {
      b.kind = RUNTIME_ERROR;
    } else {
      continue;
    }
    b.number = fn_Number_After(t, at).value_or(0);
    b.title = std::string(t);
    std::size_t from = i + 1;
    if (from < lines.size() && fn_Starts_With(fn_Trim(lines[from]), "-----")) ++from;  // framed header
    std::size_t to = from;
    while (to < lines.size() && !fn_Is_Block_End(fn_Trim(lines[to]))) ++to;
    b.text = fn_Join_Block(lines, from, to);
    if (to < lines.size() && fn_Starts_With(fn_Trim(lines[to]), "Ormyx ended prematurely")) {
      std::string_view e = fn_Trim(lines[to]);
      std::size_t c = e.rfind(' ');
      if (c != std::string_view::npos && e.size() - c - 1 == 8) b.code = std::string(e.substr(c + 1));
    }
    if (b.code.empty()) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%s%05ld", b.kind == INPUT_ERROR ? "INP" : "RUN",
                    b.number % 100000);
      b.code = buf;
    }
    blocks.push_back(std::move(b));
    i = to > i ? to - 1 : i;
  }
  return blocks;
}

// The block of the error that ended the run: the one whose number matches,
// from the report first, else the last block found; nullopt when none.
std::optional<Error_Block> fn_Find_Error(const std::vector<std::string_view>& report,
                                         const std::vector<std::string_view>& message,
                                         Error_Kind kind, long number) {
  std::vector<Error_Block> all = fn_Error_Blocks(report);
  for (Error_Block& b : fn_Error_Blocks(message)) all.push_back(std::move(b));
  for (const Error_Block& b : all)
    if (kind != NO_ERROR && b.kind == kind && b.number == number) return b;
  if (!all.empty() && kind == NO_ERROR) return all.back();
  return std::nullopt;
}

// Warning blocks of the run-message file (and non-fatal error blocks of
// either file), then the entries of the report's warning summary.
Json fn_Warnings(const std::vector<std::string_view>& report,
                 const std::vector<std::string_view>& message, long status, bool has_status) {
  Json list = Json::array();
  auto add_blocks = [&](const std::vector<std::string_view>& lines, bool warnings_too) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::string_view t = fn_Trim(lines[i]);
      if (!fn_Is_Header(t)) continue;
      bool non_fatal = fn_Contains(t, "NON-FATAL");
      bool warning = fn_Contains(t, "Warning") || fn_Contains(t, "WARNING");
      if (!non_fatal && !(warning && warnings_too)) continue;
      std::size_t to = i + 1;
      int blanks = 0;
      while (to < lines.size() && !fn_Is_Block_End(fn_Trim(lines[to]))) {
        blanks = fn_Trim(lines[to]).empty() ? blanks + 1 : 0;
        if (blanks == 2) break;
        ++to;
      }
      std::optional<long> number;
      std::size_t no = t.find("No.");
      if (no != std::string_view::npos) {
        number = fn_Number_After(t, no);
      } else {
        // "**** Warning - POSSIBLE SOLUTION ERROR 550 ****": the number before the closing stars.
        std::size_t end = t.find_last_not_of("* ");
        std::size_t b = end == std::string_view::npos ? 0 : end + 1;
        while (b > 0 && t[b - 1] >= '0' && t[b - 1] <= '9') --b;
        if (end != std::string_view::npos && b <= end) number = fn_Number_After(t, b);
      }
      Json m = fn_Message(std::string(t), fn_Join_Block(lines, i + 1, to), number, std::nullopt);
      bool seen = false;
      for (const Json& w : list) seen = seen || (w["title"] == m["title"] && w["text"] == m["text"]);
      if (!seen) list.push_back(std::move(m));
      i = to > i ? to - 1 : i;
    }
  };
  add_blocks(message, true);
  add_blocks(report, false);

  // The warning summary: "The following warning was reported n times" and
  // the warning's text (absent when it was written before).
  std::size_t i = 0;
  while (i < report.size() && !fn_Contains(report[i], "Summary of Warning Messages")) ++i;
  std::vector<std::pair<std::size_t, std::size_t>> entries;
  for (; i < report.size(); ++i) {
    std::string_view t = fn_Trim(report[i]);
    if (fn_Starts_With(t, "The following warning was reported")) {
      if (!entries.empty()) entries.back().second = i;
      entries.push_back({i, report.size()});
    } else if (fn_Starts_With(t, "The analysis ended") && !entries.empty() &&
               entries.back().second == report.size()) {
      entries.back().second = i;
    }
  }
  for (auto [from, to] : entries) {
    std::string count(fn_Trim(report[from]));
    std::size_t k = from + 1;
    while (k < to && fn_Trim(report[k]).empty()) ++k;
    std::string title = "Warning";
    if (k < to && fn_Is_Header(fn_Trim(report[k]))) {
      title = std::string(fn_Trim(report[k]));
      ++k;
    } else if (k < to && fn_Starts_With(fn_Trim(report[k]), "Warning")) {
      title = std::string(fn_Trim(report[k]));
      ++k;
    }
    std::string text = fn_Join_Block(report, k, to);
    text = text.empty() ? count + "." : text + "\n" + count + ".";
    std::optional<long> number;
    // The status names the warning when exactly one number was logged.
    if (has_status && status < 0 && status != -300 && entries.size() == 1) number = -status;
    list.push_back(fn_Message(title, text, number, std::nullopt));
  }
  return list;
}

// ---------------------------------------------------------------- units

Json fn_Units(int iunits) {
  Json u;
  switch (iunits) {
    case 1:
      u = {{"system", "US customary"}, {"code", 1},         {"length", "in"},
           {"force", "lbs"},           {"moment", "in-lbs"}, {"stiffness", "lb-in^2"},
           {"soil_reaction", "lb/in"}};
      break;
    case 2:
      u = {{"system", "SI"},   {"code", 2},          {"length", "m"},
           {"force", "kN"},    {"moment", "kN-m"},   {"stiffness", "kN-m^2"},
           {"soil_reaction", "kN/m"}};
      break;
    case 3:
      u = {{"system", "generic"}, {"code", 3},         {"length", "L"},
           {"force", "F"},        {"moment", "F-L"},   {"stiffness", "F-L^2"},
           {"soil_reaction", "F/L"}};
      break;
    default:
      return nullptr;
  }
  return u;
}

// Kind of a section's moment-curvature table, from the labels of its records.
const char* fn_Section_Kind(const Plot_MEI_Table& t) {
  if (fn_Contains(t.label, "input M-EI")) return "input M-EI";
  if (fn_Contains(t.label, "Elas. M-EI") || fn_Contains(t.point_label, "Elastic Moment"))
    return "elastic";
  if (fn_Contains(t.label, "elastic-plastic") || fn_Contains(t.point_label, "Elas-Plas"))
    return "elastic-plastic";
  return "nonlinear";
}

// Units of a section's table: US problems work in kips and inches (the
// elastic-plastic table in pounds), SI problems in kN and metres.
Json fn_Section_Units(const std::string& kind, int iunits) {
  if (iunits == 3)
    return {{"axial_thrust", "F"}, {"nominal_moment", "F-L"}, {"moment", "F-L"},
            {"ei", "F-L^2"},       {"curvature", "rad/L"}};
  if (iunits == 2)
    return {{"axial_thrust", "kN"}, {"nominal_moment", "kN-m"}, {"moment", "kN-m"},
            {"ei", "kN-m^2"},       {"curvature", "rad/m"}};
  if (kind == "elastic-plastic")
    return {{"axial_thrust", "kips"}, {"nominal_moment", "in-kips"}, {"moment", "in-lbs"},
            {"ei", "lb-in^2"},        {"curvature", "rad/in"}};
  return {{"axial_thrust", "kips"}, {"nominal_moment", "in-kips"}, {"moment", "in-kips"},
          {"ei", "kip-in^2"},       {"curvature", "rad/in"}};
}

Json fn_Sections(const Plot_Data& d) {
  Json list = Json::array();
  auto find = [&list](int number) -> Json* {
    for (Json& s : list)
      if (s["number"] == number) return &s;
    return nullptr;
  };
  for (const Plot_MEI_Table& t : d.mei) {
    Json* s = find(t.section);
    if (s == nullptr) {
      std::string kind = fn_Section_Kind(t);
      Json n;
      n["number"] = t.section;
      n["kind"] = kind;
      n["units"] = fn_Section_Units(kind, d.iunits);
      n["thrusts"] = Json::array();
      n["interaction"] = nullptr;
      list.push_back(std::move(n));
      s = &list.back();
    }
    Json m = Json::array(), ei = Json::array(), c = Json::array();
    for (const Plot_MEI_Point& p : t.points) {
      m.push_back(fn_Real(p.moment));
      ei.push_back(fn_Real(p.ei));
      c.push_back(fn_Real(p.curvature));
    }
    Json th;
    th["thrust_number"] = t.thrust_number;
    th["axial_thrust"] = fn_Real(t.thrust);
    th["nominal_moment"] = fn_Real(t.mn);
    th["moment"] = std::move(m);
    th["ei"] = std::move(ei);
    th["curvature"] = std::move(c);
    (*s)["thrusts"].push_back(std::move(th));
  }
  for (const Plot_Interaction& in : d.interaction) {
    Json* s = find(in.section);
    if (s == nullptr) {
      Json n;
      n["number"] = in.section;
      n["kind"] = "nonlinear";
      n["units"] = fn_Section_Units("nonlinear", d.iunits);
      n["thrusts"] = Json::array();
      n["interaction"] = nullptr;
      list.push_back(std::move(n));
      s = &list.back();
    }
    Json pn = Json::array(), mn = Json::array(), phi = Json::array(), pu = Json::array(),
         mu = Json::array();
    for (const Plot_Interaction_Point& p : in.points) {
      pn.push_back(fn_Real(p.pn));
      mn.push_back(fn_Real(p.mn));
      phi.push_back(fn_Real(p.phi));
      pu.push_back(fn_Real(p.pu));
      mu.push_back(fn_Real(p.mu));
    }
    (*s)["interaction"] = {{"nominal_axial", pn},
                           {"nominal_moment", mn},
                           {"phi", phi},
                           {"factored_axial", pu},
                           {"factored_moment", mu}};
  }
  return list;
}

Json fn_Py_Curves(const Plot_Data& d) {
  Json list = Json::array();
  for (const Plot_Py_Curve& c : d.py) {
    Json y = Json::array(), p = Json::array();
    for (const Plot_Py_Point& pt : c.points) {
      y.push_back(fn_Real(pt.y));
      p.push_back(fn_Real(pt.p));
    }
    Json j;
    j["number"] = c.above_ground ? Json(nullptr) : Json(c.number);
    j["depth"] = fn_Real(c.depth);
    j["model"] = c.model;
    j["y"] = std::move(y);
    j["p"] = std::move(p);
    list.push_back(std::move(j));
  }
  return list;
}

// The output summary of a case from its node table: the signed moment and
// shear of largest magnitude (the first node on a tie) with their depths,
// and the successive nodes whose deflections have opposite signs.
Json fn_Output_Summary(const std::vector<Plot_Node>& nodes) {
  if (nodes.empty()) return nullptr;
  std::size_t km = 0, kv = 0;
  long zero_points = 0;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    if (std::fabs(nodes[k].moment) > std::fabs(nodes[km].moment)) km = k;
    if (std::fabs(nodes[k].shear) > std::fabs(nodes[kv].shear)) kv = k;
    if (k + 1 < nodes.size() && ((nodes[k].y > 0.0 && nodes[k + 1].y < 0.0) ||
                                 (nodes[k].y < 0.0 && nodes[k + 1].y > 0.0)))
      ++zero_points;
  }
  Json s;
  s["y_top"] = fn_Real(nodes.front().y);
  s["m_max"] = fn_Real(nodes[km].moment);
  s["depth_m_max"] = fn_Real(nodes[km].x);
  s["v_max"] = fn_Real(nodes[kv].shear);
  s["depth_v_max"] = fn_Real(nodes[kv].x);
  s["zero_deflection_points"] = zero_points;
  return s;
}

Json fn_Cases(const Plot_Data& d) {
  Json list = Json::array();
  for (const Plot_Load_Case& c : d.cases) {
    Json x = Json::array(), y = Json::array(), m = Json::array(), v = Json::array(),
         p = Json::array(), ei = Json::array();
    for (const Plot_Node& n : c.nodes) {
      x.push_back(fn_Real(n.x));
      y.push_back(fn_Real(n.y));
      m.push_back(fn_Real(n.moment));
      v.push_back(fn_Real(n.shear));
      p.push_back(fn_Real(n.p));
      ei.push_back(fn_Real(n.ei));
    }
    Json study = Json::array();
    for (const Plot_Length_Point& lp : c.length_points)
      study.push_back({{"pile_length", fn_Real(lp.length)},
                       {"y_top", fn_Real(lp.y_top)},
                       {"m_max", fn_Real(lp.max_moment)},
                       {"v_max", fn_Real(lp.max_shear)}});
    Json j;
    j["number"] = c.number;
    j["nodes"] = {{"depth", x}, {"deflection", y}, {"moment", m},
                  {"shear", v}, {"soil_reaction", p}, {"ei", ei}};
    j["output_summary"] = fn_Output_Summary(c.nodes);
    j["length_study"] = std::move(study);
    list.push_back(std::move(j));
  }
  return list;
}

Json fn_Summary(const Plot_Data& d) {
  Json list = Json::array();
  int c = 0;
  for (const Plot_Summary_Row& r : d.summary)
    list.push_back({{"case", ++c},
                    {"v_top", fn_Real(r.top_shear)},
                    {"y_top", fn_Real(r.top_y)},
                    {"m_max", fn_Real(r.max_moment)},
                    {"v_max", fn_Real(r.max_shear)},
                    {"rotation", fn_Real(r.rotation)}});
  return list;
}

Json fn_Kmatrix(const Plot_Data& d) {
  Json list = Json::array();
  for (const Plot_Stiffness_Row& r : d.stiffness)
    list.push_back({{"v", fn_Real(r.shear)},
                    {"m", fn_Real(r.moment)},
                    {"k22", fn_Real(r.k22)},
                    {"k23", fn_Real(r.k23)},
                    {"k32", fn_Real(r.k32)},
                    {"k33", fn_Real(r.k33)},
                    {"y_top", fn_Real(r.y_top)},
                    {"theta", fn_Real(r.theta)}});
  return list;
}

// The rows of the report's table "LRFD Performance by Load Case
// Combination", read by column: case I3, blank, section I7, 3 blanks,
// factor (10), 6 blanks, capacity (10, " Infinite " for an elastic section),
// 3 blanks, moment (10), 3 blanks, fraction (10, "N/A"), 3 blanks, verdict
// (13), shear (10), 3 blanks, deflection (10), 3 blanks, rotation (10), 3
// blanks, name. Values are as printed (the report's precision).
Json fn_Lrfd(const std::vector<std::string_view>& report, Json& warnings) {
  Json list = Json::array();
  std::size_t i = 0;
  while (i < report.size() && !fn_Contains(report[i], "LRFD Performance by Load Case Combination")) ++i;
  while (i < report.size() && !fn_Starts_With(report[i], "----   -------")) ++i;
  for (++i; i < report.size(); ++i) {
    std::string_view line = report[i];
    if (fn_Trim(line).empty()) break;
    std::optional<long> c = fn_Column_Int(line, 0, 3), s = fn_Column_Int(line, 4, 7);
    std::optional<double> phi = fn_Column_Real(line, 14, 10);
    std::string_view cap_text = line.size() > 30 ? fn_Trim(line.substr(30, 10)) : std::string_view();
    bool elastic = cap_text == "Infinite";
    std::optional<double> cap = fn_Column_Real(line, 30, 10);
    std::optional<double> m = fn_Column_Real(line, 43, 10);
    std::optional<double> frac = fn_Column_Real(line, 56, 10);
    std::string_view verdict = line.size() > 69 ? fn_Trim(line.substr(69, 13)) : std::string_view();
    std::optional<double> v = fn_Column_Real(line, 82, 10);
    std::optional<double> y = fn_Column_Real(line, 95, 10);
    std::optional<double> rot = fn_Column_Real(line, 108, 10);
    bool ok = c && s && phi && m && v && y && rot && (elastic || (cap && frac)) &&
              (verdict == "Pass" || verdict == "> FAIL <" || verdict == "N/A");
    if (!ok) {
      warnings.push_back(fn_Message("Unreadable report line",
                                    "LRFD performance row not read: " + std::string(line),
                                    std::nullopt, std::nullopt));
      continue;
    }
    Json r;
    r["case"] = *c;
    r["section"] = *s;
    r["phi"] = *phi;
    r["capacity"] = elastic ? Json(nullptr) : Json(*cap);
    r["moment"] = *m;
    r["fraction"] = elastic ? Json(nullptr) : Json(*frac);
    r["passed"] = verdict == "N/A" ? Json(nullptr) : Json(verdict == "Pass");
    r["shear"] = *v;
    r["y_top"] = *y;
    r["rotation"] = *rot;
    r["name"] = line.size() > 121 ? std::string(fn_Right_Trim(line.substr(121))) : std::string();
    list.push_back(std::move(r));
  }
  return list;
}

// The input's name as the report header and the run messages give it.
std::string fn_Input_Name(const std::vector<std::string_view>& lines) {
  const std::string_view head = "Name of input data file:";
  for (std::string_view l : lines)
    if (fn_Starts_With(l, head)) return std::string(fn_Trim(l.substr(head.size())));
  return {};
}

}  // namespace

Json fn_Results_Json(const Json_Plot_Source& plot, std::string_view report_text,
                     std::string_view message_text, const Json_Run_Info& info) {
  const std::vector<std::string_view> report = fn_Split_Lines(report_text);
  const std::vector<std::string_view> message = fn_Split_Lines(message_text);
  Closing closing = fn_Closing(message);
  if (!closing.found) closing = fn_Closing(report);
  const Closing report_closing = fn_Closing(report);
  closing.warnings = closing.warnings || report_closing.warnings;

  // Status: the engine's return value, else what the closing lines tell.
  Json status = nullptr;
  std::string outcome = "incomplete";
  Error_Kind kind = NO_ERROR;
  long number = 0;
  if (info.has_status) {
    status = info.status;
    outcome = info.status == 0 ? "normal" : info.status < 0 ? "warnings" : "error";
    if (info.status >= 100 && info.status < 200) kind = INPUT_ERROR;
    if (info.status >= 200 && info.status < 300) kind = RUNTIME_ERROR;
    number = info.status % 100;
  } else if (info.host_error.empty() && closing.found) {
    if (closing.kind != NO_ERROR) {
      kind = closing.kind;
      number = closing.number;
      status = (kind == INPUT_ERROR ? 100 : 200) + number;
      outcome = "error";
    } else if (closing.warnings) {
      outcome = "warnings";  // the warning numbers, hence the status, are not written anywhere
    } else {
      status = 0;
      outcome = "normal";
    }
  }

  Json error = nullptr;
  if (!info.host_error.empty()) {
    error = fn_Message("The analysis could not be completed", info.host_error, std::nullopt,
                       std::nullopt);
  } else if (outcome == "error") {
    std::optional<Error_Block> b = fn_Find_Error(report, message, kind, number);
    if (b) {
      error = fn_Message(b->title, b->text, b->number, b->code);
    } else {
      char code[16];
      std::snprintf(code, sizeof code, "%s%05ld", kind == INPUT_ERROR ? "INP" : "RUN", number);
      std::string title = kind == INPUT_ERROR   ? "The analysis ended due to input error No. "
                          : kind == RUNTIME_ERROR ? "The analysis ended due to runtime error No. "
                                                  : "The analysis ended with error status ";
      error = fn_Message(title + std::to_string(kind == NO_ERROR ? info.status : number) + ".", "",
                         kind == NO_ERROR ? std::optional<long>() : std::optional<long>(number),
                         kind == NO_ERROR ? std::optional<std::string>() : std::optional<std::string>(code));
    }
  }

  Json warnings = fn_Warnings(report, message, info.status, info.has_status);
  if (plot.present && !plot.readable)
    warnings.push_back(fn_Message("Unreadable plot file", plot.problem, std::nullopt, std::nullopt));

  const bool data = plot.present && plot.readable;
  const Plot_Data& d = plot.data;
  Json doc;
  doc["format"] = "ormyx-results";
  doc["version"] = 1;
  std::string input_name = info.input_name.empty() ? fn_Input_Name(message) : info.input_name;
  if (input_name.empty()) input_name = fn_Input_Name(report);
  doc["input"] = input_name.empty() ? Json(nullptr) : Json(input_name);
  doc["status"] = status;
  doc["outcome"] = outcome;
  doc["error"] = error;
  doc["warnings"] = Json::array();
  doc["analysis_type"] = data && d.has_line_1 ? Json(d.analysis_type) : Json(nullptr);
  doc["units"] = data && d.has_line_1 ? fn_Units(d.iunits) : Json(nullptr);
  doc["kmatrix_requested"] = data && d.has_line_1 && d.compute_k != 0;
  doc["sections"] = data ? fn_Sections(d) : Json::array();
  doc["py_curves"] = data ? fn_Py_Curves(d) : Json::array();
  doc["cases"] = data ? fn_Cases(d) : Json::array();
  doc["summary"] = data ? fn_Summary(d) : Json::array();
  doc["lrfd"] = fn_Lrfd(report, warnings);
  doc["kmatrix"] = data ? fn_Kmatrix(d) : Json::array();
  doc["warnings"] = std::move(warnings);
  return doc;
}

bool fn_Write_Results_Json(const std::string& path, const Json& doc, std::string& why) {
  std::string text;
  try {
    text = doc.dump(-1, ' ', false, Json::error_handler_t::replace);
  } catch (const std::exception& e) {  // the library reports through exceptions
    why = std::string("cannot format the results: ") + e.what();
    return false;
  }
  text += '\n';
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (out.fail()) {
    why = "cannot write " + path;
    return false;
  }
  return true;
}

bool fn_Write_Run_Json(const std::string& plot_path, const std::string& message_path,
                       const std::string& report_path, const std::string& json_path,
                       const Json_Run_Info& info, bool& plot_read, std::string& why) {
  Json_Plot_Source plot;
  std::string plot_text;
  plot.present = fn_Read_File_If(plot_path, plot_text);
  if (plot.present) {
    Plot_Read_Error e;
    plot.readable = fn_Parse_Plot_Text(plot_text, plot.data, e);
    if (!plot.readable) plot.problem = e.text(plot_path);
  }
  plot_read = plot.present && plot.readable;
  if (!plot.present) why = "cannot read the plot file " + plot_path;
  if (!plot.readable && plot.present) why = plot.problem;
  std::string message_text, report_text;
  fn_Read_File_If(message_path, message_text);
  fn_Read_File_If(report_path, report_text);
  std::string write_why;
  if (!fn_Write_Results_Json(json_path, fn_Results_Json(plot, report_text, message_text, info),
                             write_why)) {
    why = write_why;
    return false;
  }
  return true;
}

}  // namespace ormyx::host
