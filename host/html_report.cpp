#include "host/html_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "host/host_util.h"
#include "host/run_texts.h"

namespace ormyx::host {

extern const unsigned char CHART_JS_SOURCE[];
extern const std::size_t CHART_JS_SIZE;

namespace {

constexpr int MAX_MESSAGE_BLOCKS = 40;  // distinct warning blocks shown

// ---------------------------------------------------------------- text ----

// Length of the valid UTF-8 sequence starting at s[i]; 0 when invalid.
std::size_t fn_Utf8_Length(std::string_view s, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (n == 0 || c > 0xF4 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

// A JSON string; '<', '>' and '&' are escaped so that no text can close the
// script element; bytes that are not UTF-8 become '?'.
std::string fn_Json_Text(std::string_view s) {
  std::string out = "\"";
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u >= 0x80) {
      std::size_t n = fn_Utf8_Length(s, i);
      if (n == 0) {
        out += '?';
      } else {
        out.append(s.substr(i, n));
        i += n - 1;
      }
    } else if (u < 0x20 || c == '<' || c == '>' || c == '&') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(u));
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string fn_Html(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      std::size_t n = fn_Utf8_Length(s, i);
      if (n == 0) {
        out += '?';
      } else {
        out.append(s.substr(i, n));
        i += n - 1;
      }
      continue;
    }
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        out += (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') ? '?' : c;
    }
  }
  return out;
}

std::string fn_Json_Number(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", v);
  return buf;
}

// A value as shown in a table or legend.
std::string fn_Shown_Number(double v, int digits = 6) {
  if (!std::isfinite(v)) return "-";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  return buf;
}

// ---------------------------------------------------------------- units ---

// The run's units: plot file values are in internal units (inches and pounds,
// metres and kilonewtons, or the user's own); depths are shown in feet for US
// customary runs, as in the report.
struct Units {
  double depth_scale = 1.0;  // internal length to the shown depth unit
  std::string depth, length, moment, force, reaction, stiffness, kip_force, kip_moment;
  std::string k22, k32, k23, k33;
};

Units fn_Units(int iunits) {
  Units u;
  if (iunits == 1) {
    u = {1.0 / 12.0, "ft", "in", "in-lbs", "lbs", "lb/in", "lb-in²", "kips", "in-kips",
         "lb/in", "in-lb/in", "lb/rad", "in-lb/rad"};
  } else if (iunits == 2) {
    u = {1.0, "m", "m", "kN-m", "kN", "kN/m", "kN-m²", "kN", "kN-m",
         "kN/m", "kN-m/m", "kN/rad", "kN-m/rad"};
  } else {
    u = {1.0, "L", "L", "F-L", "F", "F/L", "F-L²", "F", "F-L", "F/L", "F-L/L", "F/rad", "F-L/rad"};
  }
  return u;
}

// The text in parentheses after key in a label ("Moment (kN-m)" -> "kN-m").
std::string fn_Label_Unit(std::string_view label, std::string_view key) {
  std::size_t at = label.find(key);
  if (at == std::string_view::npos) return "";
  std::size_t open = at + key.size();
  while (open < label.size() && label[open] == ' ') ++open;
  if (open >= label.size() || label[open] != '(') return "";
  std::size_t close = label.find(')', open);
  if (close == std::string_view::npos) return "";
  std::string u(label.substr(open + 1, close - open - 1));
  for (std::size_t k; (k = u.find("^2")) != std::string::npos;) u.replace(k, 2, "²");
  return u;
}

// ---------------------------------------------------------------- charts --

struct Dataset {
  std::string label;
  std::vector<std::pair<double, double>> points;
  int color = 0;
  std::string kind = "line";  // line, marker (points only), dash (dashed line)
  bool right_axis = false;
  bool in_legend = true;
};

struct Chart {
  std::string id, title, x_title, y_title, y2_title;
  bool reverse_y = false;
  std::vector<Dataset> datasets;
};

std::string fn_Chart_Json(const Chart& c) {
  std::string j = "{\"id\":" + fn_Json_Text(c.id) + ",\"title\":" + fn_Json_Text(c.title) +
                  ",\"x\":" + fn_Json_Text(c.x_title) + ",\"y\":" + fn_Json_Text(c.y_title) +
                  ",\"y2\":" + fn_Json_Text(c.y2_title) +
                  ",\"reverseY\":" + (c.reverse_y ? "true" : "false") + ",\"datasets\":[";
  for (std::size_t i = 0; i < c.datasets.size(); ++i) {
    const Dataset& d = c.datasets[i];
    j += (i ? "," : "") + std::string("{\"label\":") + fn_Json_Text(d.label) +
         ",\"color\":" + std::to_string(d.color) + ",\"kind\":" + fn_Json_Text(d.kind) +
         ",\"right\":" + (d.right_axis ? "true" : "false") +
         ",\"legend\":" + (d.in_legend ? "true" : "false") + ",\"data\":[";
    for (std::size_t k = 0; k < d.points.size(); ++k)
      j += (k ? ",[" : "[") + fn_Json_Number(d.points[k].first) + "," +
           fn_Json_Number(d.points[k].second) + "]";
    j += "]}";
  }
  return j + "]}";
}

// The extent of x over the datasets of a chart (finite values only).
bool fn_X_Range(const Chart& c, double& lo, double& hi) {
  bool any = false;
  for (const Dataset& d : c.datasets)
    for (const auto& p : d.points)
      if (std::isfinite(p.first)) {
        lo = any ? std::min(lo, p.first) : p.first;
        hi = any ? std::max(hi, p.first) : p.first;
        any = true;
      }
  if (any && lo == hi) {
    lo -= 1.0;
    hi += 1.0;
  }
  return any;
}

// A dashed line across the chart at the ground surface depth.
void Add_Ground_Line(Chart& c, double depth) {
  double lo = 0.0, hi = 0.0;
  if (!fn_X_Range(c, lo, hi)) return;
  Dataset g;
  g.label = "Ground surface";
  g.kind = "ground";
  g.color = -1;
  g.points = {{lo, depth}, {hi, depth}};
  c.datasets.push_back(std::move(g));
}

std::string fn_Case_Name(const Plot_Load_Case& c) {
  return (c.lrfd ? "LRFD load combination " : "Load case ") + std::to_string(c.number);
}

// Deflection, moment, shear, soil reaction and bending stiffness versus depth,
// every load case on the same charts.
std::vector<Chart> fn_Response_Charts(const Plot_Data& d, const Units& u, bool has_ground,
                                      double ground) {
  struct Quantity {
    const char* id;
    const char* title;
    std::string unit;
    double Plot_Node::*field;
  };
  const Quantity q[] = {{"deflection", "Lateral deflection", u.length, &Plot_Node::y},
                        {"moment", "Bending moment", u.moment, &Plot_Node::moment},
                        {"shear", "Shear force", u.force, &Plot_Node::shear},
                        {"reaction", "Soil reaction", u.reaction, &Plot_Node::p},
                        {"stiffness", "Bending stiffness", u.stiffness, &Plot_Node::ei}};
  std::vector<Chart> charts;
  if (d.cases.empty()) return charts;
  for (const Quantity& k : q) {
    Chart c;
    c.id = std::string("response-") + k.id;
    c.title = std::string(k.title) + " versus depth";
    c.x_title = std::string(k.title) + " (" + k.unit + ")";
    c.y_title = "Depth below pile head (" + u.depth + ")";
    c.reverse_y = true;
    for (const Plot_Load_Case& lc : d.cases) {
      Dataset s;
      s.label = fn_Case_Name(lc);
      s.color = lc.number - 1;
      for (const Plot_Node& n : lc.nodes) s.points.emplace_back(n.*(k.field), n.x * u.depth_scale);
      c.datasets.push_back(std::move(s));
    }
    if (has_ground) Add_Ground_Line(c, ground * u.depth_scale);
    charts.push_back(std::move(c));
  }
  return charts;
}

std::vector<Chart> fn_Py_Charts(const Plot_Data& d, const Units& u) {
  std::vector<Chart> charts;
  Chart c;
  c.id = "py-curves";
  c.title = "p-y curves at the requested depths";
  c.x_title = "Lateral deflection y (" + u.length + ")";
  c.y_title = "Soil reaction p (" + u.reaction + ")";
  for (const Plot_Py_Curve& p : d.py) {
    if (p.above_ground) continue;
    Dataset s;
    s.label = "Depth " + fn_Shown_Number(p.depth * u.depth_scale, 4) + " " + u.depth +
              (p.model.empty() ? "" : " (" + p.model + ")");
    s.color = p.number - 1;
    for (const Plot_Py_Point& pt : p.points) s.points.emplace_back(pt.y, pt.p);
    c.datasets.push_back(std::move(s));
  }
  if (!c.datasets.empty()) charts.push_back(std::move(c));
  return charts;
}

// The moment at which a curve first reaches mn, interpolated in curvature.
bool fn_Curvature_At(const Plot_MEI_Table& t, double mn, double& phi) {
  for (std::size_t k = 1; k < t.points.size(); ++k) {
    const Plot_MEI_Point& a = t.points[k - 1];
    const Plot_MEI_Point& b = t.points[k];
    if ((a.moment <= mn && mn <= b.moment) || (b.moment <= mn && mn <= a.moment)) {
      phi = b.moment == a.moment ? a.curvature
                                 : a.curvature + (mn - a.moment) / (b.moment - a.moment) *
                                                     (b.curvature - a.curvature);
      return std::isfinite(phi);
    }
  }
  return false;
}

// Moment-curvature and bending stiffness versus moment, one pair of charts per
// section with a curve per axial thrust and the nominal moment capacity marked.
std::vector<Chart> fn_Section_Charts(const Plot_Data& d, const Units& u) {
  std::vector<Chart> charts;
  std::vector<int> sections;
  for (const Plot_MEI_Table& t : d.mei)
    if (std::find(sections.begin(), sections.end(), t.section) == sections.end())
      sections.push_back(t.section);
  for (int s : sections) {
    Chart mc, ei;
    const std::string sec = "Section " + std::to_string(s);
    mc.id = "section-" + std::to_string(s) + "-moment-curvature";
    ei.id = "section-" + std::to_string(s) + "-stiffness-moment";
    mc.title = sec + ": bending moment versus curvature (◆ nominal moment capacity)";
    ei.title = sec + ": bending stiffness versus moment (dashed: nominal moment capacity)";
    int color = 0;
    for (const Plot_MEI_Table& t : d.mei) {
      if (t.section != s) continue;
      std::string m_unit = fn_Label_Unit(t.point_label, "Moment");
      std::string ei_unit = fn_Label_Unit(t.point_label, "EI");
      std::string phi_unit = fn_Label_Unit(t.point_label, "Curvature");
      const std::string mn_unit = fn_Label_Unit(t.label, "Nom. Moment Cap.");
      std::string thrust_unit = fn_Label_Unit(t.label, "Axial Thrust Load");
      if (m_unit.empty()) m_unit = u.kip_moment;
      if (ei_unit.empty()) ei_unit = u.kip_moment == "in-kips" ? "kip-in²" : u.stiffness;
      if (phi_unit.empty()) phi_unit = "rad/" + u.length;
      if (thrust_unit.empty()) thrust_unit = u.kip_force;
      // Points in pound units with the capacity in kip units (elastic-plastic).
      double mn = t.mn;
      if (mn_unit.find("kip") != std::string::npos && m_unit.find("lb") != std::string::npos)
        mn *= 1000.0;
      mc.x_title = "Curvature (" + phi_unit + ")";
      mc.y_title = "Bending moment (" + m_unit + ")";
      ei.x_title = "Bending moment (" + m_unit + ")";
      ei.y_title = "Bending stiffness (" + ei_unit + ")";
      const std::string name = "Thrust " + fn_Shown_Number(t.thrust, 5) + " " + thrust_unit;
      Dataset a, b;
      a.label = b.label = name;
      a.color = b.color = color;
      for (const Plot_MEI_Point& p : t.points) {
        a.points.emplace_back(p.curvature, p.moment);
        b.points.emplace_back(p.moment, p.ei);
      }
      double lo = 0.0, hi = 0.0;
      bool any = false;
      for (const Plot_MEI_Point& p : t.points)
        if (std::isfinite(p.ei)) {
          lo = any ? std::min(lo, p.ei) : p.ei;
          hi = any ? std::max(hi, p.ei) : p.ei;
          any = true;
        }
      mc.datasets.push_back(std::move(a));
      ei.datasets.push_back(std::move(b));
      double phi = 0.0;
      if (std::isfinite(mn) && fn_Curvature_At(t, mn, phi)) {
        Dataset m;
        m.label = "Mn " + fn_Shown_Number(mn, 5) + " " + m_unit + ", " + name;
        m.kind = "marker";
        m.color = color;
        m.in_legend = false;
        m.points = {{phi, mn}};
        mc.datasets.push_back(std::move(m));
      }
      if (std::isfinite(mn) && any) {
        Dataset m;
        m.label = "Mn " + fn_Shown_Number(mn, 5) + " " + m_unit + ", " + name;
        m.kind = "dash";
        m.color = color;
        m.in_legend = false;
        m.points = {{mn, lo}, {mn, hi}};
        ei.datasets.push_back(std::move(m));
      }
      ++color;
    }
    charts.push_back(std::move(mc));
    charts.push_back(std::move(ei));
  }
  return charts;
}

std::vector<Chart> fn_Interaction_Charts(const Plot_Data& d, const Units& u) {
  std::vector<Chart> charts;
  for (const Plot_Interaction& pi : d.interaction) {
    Chart c;
    c.id = "section-" + std::to_string(pi.section) + "-interaction";
    c.title = "Section " + std::to_string(pi.section) + ": interaction diagram";
    c.x_title = "Bending moment (" + u.kip_moment + ")";
    c.y_title = "Axial force, compression positive (" + u.kip_force + ")";
    Dataset n, f;
    n.label = "Nominal";
    f.label = "Factored";
    n.color = 0;
    f.color = 1;
    f.kind = "dash";
    for (const Plot_Interaction_Point& p : pi.points) {
      n.points.emplace_back(p.mn, p.pn);
      f.points.emplace_back(p.mu, p.pu);
    }
    c.datasets.push_back(std::move(n));
    c.datasets.push_back(std::move(f));
    charts.push_back(std::move(c));
  }
  return charts;
}

std::vector<Chart> fn_Length_Charts(const Plot_Data& d, const Units& u) {
  std::vector<Chart> charts;
  Chart c;
  c.id = "length-study";
  c.title = "Pile-head deflection versus pile length";
  c.x_title = "Pile length (" + u.depth + ")";
  c.y_title = "Pile-head deflection (" + u.length + ")";
  for (const Plot_Load_Case& lc : d.cases) {
    if (lc.length_points.empty()) continue;
    Dataset s;
    s.label = fn_Case_Name(lc);
    s.color = lc.number - 1;
    s.kind = "linepoints";
    for (const Plot_Length_Point& p : lc.length_points)
      s.points.emplace_back(p.length * u.depth_scale, p.y_top);
    c.datasets.push_back(std::move(s));
  }
  if (!c.datasets.empty()) charts.push_back(std::move(c));
  return charts;
}

std::vector<Chart> fn_Stiffness_Charts(const Plot_Data& d, const Units& u) {
  std::vector<Chart> charts;
  if (d.stiffness.empty()) return charts;
  Chart a, b;
  a.id = "stiffness-deflection";
  a.title = "Pile-head stiffness versus pile-head deflection (head fixed against rotation)";
  a.x_title = "Pile-head deflection (" + u.length + ")";
  a.y_title = "|K22| (" + u.k22 + ")";
  a.y2_title = "|K32| (" + u.k32 + ")";
  b.id = "stiffness-rotation";
  b.title = "Pile-head stiffness versus pile-head rotation (head fixed against deflection)";
  b.x_title = "Pile-head rotation (rad)";
  b.y_title = "|K23| (" + u.k23 + ")";
  b.y2_title = "|K33| (" + u.k33 + ")";
  Dataset k22, k32, k23, k33;
  k22.label = "K22, shear per unit deflection";
  k32.label = "K32, moment per unit deflection";
  k23.label = "K23, shear per unit rotation";
  k33.label = "K33, moment per unit rotation";
  k22.color = k23.color = 0;
  k32.color = k33.color = 1;
  k22.kind = k32.kind = k23.kind = k33.kind = "linepoints";
  k32.right_axis = k33.right_axis = true;
  for (const Plot_Stiffness_Row& r : d.stiffness) {
    k22.points.emplace_back(std::fabs(r.y_top), std::fabs(r.k22));
    k32.points.emplace_back(std::fabs(r.y_top), std::fabs(r.k32));
    k23.points.emplace_back(std::fabs(r.theta), std::fabs(r.k23));
    k33.points.emplace_back(std::fabs(r.theta), std::fabs(r.k33));
  }
  a.datasets = {k22, k32};
  b.datasets = {k23, k33};
  charts.push_back(std::move(a));
  charts.push_back(std::move(b));
  return charts;
}

// ---------------------------------------------------------------- page ----

const char* const PAGE_STYLE = R"CSS(
body { font-family: "DejaVu Sans", "Liberation Sans", Arial, sans-serif; margin: 0; color: #1d2733; background: #f3f5f8; }
header { background: #1f3a5f; color: #fff; padding: 14px 24px; }
header h1 { margin: 0; font-size: 22px; }
header p { margin: 4px 0 0; font-size: 13px; opacity: .85; }
main { padding: 12px 24px 32px; }
section { margin-top: 18px; }
h2 { font-size: 17px; margin: 0 0 8px; color: #1f3a5f; border-bottom: 2px solid #c9d4e3; padding-bottom: 3px; }
.messages { background: #fff8e1; border: 1px solid #e0b84c; border-radius: 6px; padding: 8px 14px; }
.messages.errors { background: #fdecea; border-color: #d9534f; }
.messages.clean { background: #e8f5e9; border-color: #7cb87f; }
.messages details { margin: 4px 0; }
.messages summary { cursor: pointer; font-weight: bold; }
.messages summary .first { font-weight: normal; margin-left: 8px; }
.messages pre { margin: 4px 0 4px 16px; font-size: 12px; white-space: pre-wrap; }
.partial { background: #fdecea; border: 1px solid #d9534f; border-radius: 6px; padding: 8px 14px; font-weight: bold; }
.layout { display: flex; gap: 16px; align-items: flex-start; }
.layout .charts { flex: 1 1 auto; min-width: 0; }
.layout aside { flex: 0 0 440px; overflow-x: auto; }
.grid { display: grid; grid-template-columns: repeat(auto-fill, minmax(210px, 1fr)); gap: 12px; }
.grid.response { grid-template-columns: repeat(5, minmax(150px, 1fr)); }
@media (max-width: 1300px) { .grid.response { grid-template-columns: repeat(auto-fill, minmax(210px, 1fr)); } }
.grid.wide { grid-template-columns: repeat(auto-fill, minmax(560px, 1fr)); }
.chart { background: #fff; border: 1px solid #d5dce6; border-radius: 6px; padding: 8px; height: 480px; position: relative; }
.grid.wide .chart { height: 360px; }
table { border-collapse: collapse; background: #fff; font-size: 11px; width: 100%; margin-bottom: 12px; }
th, td { border: 1px solid #d5dce6; padding: 3px 6px; text-align: right; }
th { background: #e6ecf4; text-align: center; }
td.text { text-align: left; }
caption { text-align: left; font-weight: bold; padding: 4px 0; color: #1f3a5f; }
.fail { color: #b52b27; font-weight: bold; }
section > p, aside > p { font-size: 13px; margin: 4px 0 8px; }
footer { font-size: 11px; color: #6b7785; padding: 8px 24px 16px; }
#chart-summary, #page-errors { display: none; }
)CSS";

// Builds the charts in the browser from the data element and then writes, for
// the tests and tools, a summary of what was drawn into #chart-summary.
const char* const PAGE_SCRIPT = R"JS(
(function () {
  var errors = document.getElementById('page-errors');
  window.addEventListener('error', function (e) { errors.textContent += (e.message || 'error') + '\n'; });
  var spec = JSON.parse(document.getElementById('ormyx-data').textContent);
  var palette = ['#1f77b4', '#d62728', '#2ca02c', '#ff7f0e', '#9467bd', '#8c564b', '#e377c2',
                 '#17becf', '#7f7f7f', '#bcbd22'];
  var summary = [];
  spec.charts.forEach(function (c) {
    var canvas = document.getElementById('canvas-' + c.id);
    var datasets = c.datasets.map(function (d) {
      var color = d.color < 0 ? '#6d4c2f' : palette[d.color % palette.length];
      return {
        label: d.label,
        data: d.data.map(function (p) { return { x: p[0], y: p[1] }; }),
        showLine: d.kind !== 'marker',
        borderColor: color,
        backgroundColor: color,
        borderWidth: d.kind === 'ground' ? 2.5 : 2,
        borderDash: d.kind === 'dash' ? [6, 4] : (d.kind === 'ground' ? [10, 4] : []),
        pointRadius: d.kind === 'marker' ? 8 : (d.kind === 'linepoints' ? 3 : 0),
        pointHoverRadius: 5,
        pointStyle: d.kind === 'marker' ? 'rectRot' : (d.kind === 'linepoints' ? 'circle' : 'line'),
        yAxisID: d.right ? 'y2' : 'y',
        inLegend: d.legend
      };
    });
    // Tick labels: plain numbers, or exponent form with as many digits as the
    // tick spacing needs when the values are very large or very small.
    var ticks = { callback: function (v, i, all) {
      var top = 0;
      all.forEach(function (t) { top = Math.max(top, Math.abs(t.value)); });
      var step = all.length > 1 ? Math.abs(all[1].value - all[0].value) : top;
      var a = Math.abs(v);
      if (top >= 1e5 || (top > 0 && top < 1e-3)) {
        var digits = step > 0 ? Math.ceil(Math.log10(top / step)) : 1;
        return v === 0 ? '0' : v.toExponential(Math.min(4, Math.max(1, digits)));
      }
      return Number(v.toPrecision(6)); } };
    var scales = {
      x: { type: 'linear', title: { display: true, text: c.x },
           ticks: Object.assign({ maxTicksLimit: 5, maxRotation: 0 }, ticks) },
      y: { type: 'linear', reverse: c.reverseY, title: { display: true, text: c.y }, ticks: ticks }
    };
    if (c.y2) {
      scales.y2 = { type: 'linear', position: 'right', title: { display: true, text: c.y2 },
                    grid: { drawOnChartArea: false }, ticks: ticks };
    }
    var chart = new Chart(canvas, {
      type: 'scatter',
      data: { datasets: datasets },
      options: {
        animation: false, responsive: true, maintainAspectRatio: false,
        plugins: {
          title: { display: true, text: c.title },
          legend: { labels: { usePointStyle: true, filter: function (item, data) {
            return data.datasets[item.datasetIndex].inLegend; } } }
        },
        scales: scales
      }
    });
    summary.push({ id: c.id, title: c.title, datasets: chart.data.datasets.length,
                   points: chart.data.datasets.map(function (d) { return d.data.length; }),
                   labels: chart.data.datasets.map(function (d) { return d.label; }) });
  });
  document.getElementById('chart-summary').textContent = JSON.stringify(summary);
  document.body.setAttribute('data-rendered', String(summary.length));
})();
)JS";

std::string fn_Chart_Holders(const std::vector<Chart>& charts, bool wide) {
  std::string h = wide ? "<div class=\"grid wide\">\n" : "<div class=\"grid response\">\n";
  for (const Chart& c : charts)
    h += "<div class=\"chart\"><canvas id=\"canvas-" + fn_Html(c.id) + "\" aria-label=\"" +
         fn_Html(c.title) + "\"></canvas></div>\n";
  return h + "</div>\n";
}

std::string fn_Messages_Html(const Html_Sources& s) {
  std::string h = "<section id=\"messages\"><h2>Warnings and messages</h2>\n";
  if (!s.has_messages) {
    return h + "<div class=\"messages\">No run-message file was found beside the plot file; the "
               "warnings of the run are not shown.</div></section>\n";
  }
  int dropped = 0;
  const std::vector<Message_Block> blocks =
      fn_Message_Blocks(s.message_text, MAX_MESSAGE_BLOCKS, dropped);
  const std::string closing = fn_Closing_Line(s.message_text);
  bool errors = false;
  for (const Message_Block& b : blocks) errors = errors || b.kind == Message_Block::ERROR;
  const char* cls = errors ? "messages errors" : (blocks.empty() ? "messages clean" : "messages");
  h += std::string("<div class=\"") + cls + "\">\n";
  if (!closing.empty()) h += "<p><strong>" + fn_Html(closing) + "</strong></p>\n";
  if (blocks.empty()) h += "<p>The run wrote no warning or error message.</p>\n";
  // Headers and first lines stay visible; the full text of a warning opens on
  // a click, that of an error is open.
  for (const Message_Block& b : blocks) {
    const std::string first = fn_First_Text(b);
    h += std::string(b.kind == Message_Block::ERROR ? "<details open>" : "<details>") +
         "<summary>" + fn_Html(b.header);
    if (b.times > 1) h += " (" + std::to_string(b.times) + " times; the first shown)";
    if (!first.empty()) h += "<span class=\"first\"> " + fn_Html(first) + "</span>";
    h += "</summary><pre>";
    for (const std::string& l : b.lines) h += fn_Html(l) + "\n";
    h += "</pre></details>\n";
  }
  if (dropped > 0)
    h += "<p>" + std::to_string(dropped) + " further messages are in the run-message file.</p>\n";
  return h + "</div></section>\n";
}

std::string fn_Summary_Table(const Plot_Data& d, const Units& u) {
  if (d.summary.empty()) return "";
  std::string h = "<table id=\"summary-table\"><caption>Summary of pile response</caption>\n"
                  "<tr><th>Load case</th><th>Pile-head shear (" + u.force +
                  ")</th><th>Pile-head deflection (" + u.length + ")</th><th>Maximum moment (" +
                  u.moment + ")</th><th>Maximum shear (" + u.force +
                  ")</th><th>Pile-head rotation (rad)</th></tr>\n";
  for (std::size_t k = 0; k < d.summary.size(); ++k) {
    const Plot_Summary_Row& r = d.summary[k];
    h += "<tr><td>" + std::to_string(k + 1) + "</td><td>" + fn_Shown_Number(r.top_shear) +
         "</td><td>" + fn_Shown_Number(r.top_y) + "</td><td>" + fn_Shown_Number(r.max_moment) +
         "</td><td>" + fn_Shown_Number(r.max_shear) + "</td><td>" + fn_Shown_Number(r.rotation) +
         "</td></tr>\n";
  }
  return h + "</table>\n";
}

std::string fn_LRFD_Html(const Html_Sources& s, const Units& u) {
  LRFD_Table t;
  if (!s.has_report || !fn_LRFD_Table(s.report_text, t)) return "";
  std::string h = "<table id=\"lrfd-table\"><caption>LRFD performance by load combination</caption>\n"
                  "<tr><th>Case</th><th>Section</th><th>Resistance factor</th><th>Factored "
                  "capacity (" + u.moment + ")</th><th>Maximum moment (" + u.moment +
                  ")</th><th>Fraction mobilized</th><th>Moment</th><th>Maximum shear (" + u.force +
                  ")</th><th>Head deflection (" + u.length +
                  ")</th><th>Head rotation (rad)</th><th>Combination</th></tr>\n";
  for (const std::vector<std::string>& row : t.rows) {
    h += "<tr>";
    for (std::size_t k = 0; k < row.size(); ++k) {
      std::string cls = k == 10 ? " class=\"text\"" : "";
      if (k == 6 && row[k] != "Pass") cls = " class=\"fail\"";
      h += "<td" + cls + ">" + fn_Html(row[k]) + "</td>";
    }
    h += "</tr>\n";
  }
  h += "</table>\n";
  if (!t.verdict.empty()) h += "<p>" + fn_Html(t.verdict) + "</p>\n";
  return h;
}

const char* fn_Analysis_Name(int type) {
  switch (type) {
    case 1: return "lateral analysis with bending stiffness as given";
    case 2: return "bending stiffness only";
    case 3: return "lateral analysis with nonlinear bending stiffness";
    default: return "lateral analysis";
  }
}

const char* fn_Unit_Name(int iunits) {
  switch (iunits) {
    case 1: return "US customary units (lbs, inches, feet)";
    case 2: return "SI units (kN, metres)";
    case 3: return "generic units (F, L)";
    default: return "units not stated";
  }
}

}  // namespace

std::string fn_Html_Page(const Html_Sources& s) {
  const Plot_Data& d = s.plot;
  const Units u = fn_Units(d.iunits);
  double ground = 0.0;
  const bool has_ground = s.has_report && fn_Ground_Depth(s.report_text, d.iunits, ground);

  const std::vector<Chart> response = fn_Response_Charts(d, u, has_ground, ground);
  const std::vector<Chart> py = fn_Py_Charts(d, u);
  const std::vector<Chart> sections = fn_Section_Charts(d, u);
  const std::vector<Chart> interaction = fn_Interaction_Charts(d, u);
  const std::vector<Chart> length = fn_Length_Charts(d, u);
  const std::vector<Chart> stiffness = fn_Stiffness_Charts(d, u);

  std::string h;
  h.reserve(CHART_JS_SIZE + 200000);
  h += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
       "script-src 'unsafe-inline'; style-src 'unsafe-inline'; img-src data:\">\n"
       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
       fn_Html(s.title) + " - Ormyx report</title>\n<style>" + PAGE_STYLE + "</style>\n</head>\n<body>\n";
  h += "<header><h1>" + fn_Html(s.title) + "</h1><p>Plot file " + fn_Html(s.plot_name) + " &middot; " +
       fn_Analysis_Name(d.analysis_type) + " &middot; " + fn_Unit_Name(d.iunits) + " &middot; " +
       std::to_string(d.cases.size()) + " load case" + (d.cases.size() == 1 ? "" : "s") +
       "</p></header>\n<main>\n";
  if (d.partial) h += "<section><div class=\"partial\">" + fn_Html(d.partial_note) + "</div></section>\n";
  h += fn_Messages_Html(s);

  const std::string summary = fn_Summary_Table(d, u);
  const std::string lrfd = fn_LRFD_Html(s, u);
  if (!response.empty() || !summary.empty()) {
    h += "<section id=\"response\"><h2>Pile response, all load cases" +
         std::string(has_ground || response.empty()
                         ? ""
                         : " (ground surface depth not known: no report beside the plot file)") +
         "</h2>\n<div class=\"layout\"><div class=\"charts\">" + fn_Chart_Holders(response, false) +
         "</div>";
    if (!summary.empty()) h += "<aside>" + summary + "</aside>";
    h += "</div>\n" + lrfd + "</section>\n";
  }
  std::string above;
  for (const Plot_Py_Curve& p : d.py)
    if (p.above_ground)
      above += (above.empty() ? "" : ", ") + fn_Shown_Number(p.depth * u.depth_scale, 4) + " " + u.depth;
  if (!py.empty() || !above.empty()) {
    h += "<section id=\"py\"><h2>p-y curves</h2>\n" + fn_Chart_Holders(py, true);
    if (!above.empty())
      h += "<p>No p-y curve at " + fn_Html(above) + ": above the ground surface.</p>\n";
    h += "</section>\n";
  }
  if (!sections.empty())
    h += "<section id=\"sections\"><h2>Moment-curvature and bending stiffness of the sections</h2>\n" +
         fn_Chart_Holders(sections, true) + "</section>\n";
  if (!interaction.empty())
    h += "<section id=\"interaction\"><h2>Interaction diagrams</h2>\n" +
         fn_Chart_Holders(interaction, true) + "</section>\n";
  if (!length.empty())
    h += "<section id=\"length\"><h2>Pile-head deflection versus pile length</h2>\n" +
         fn_Chart_Holders(length, true) + "</section>\n";
  if (!stiffness.empty())
    h += "<section id=\"stiffness\"><h2>Pile-head stiffness</h2>\n" +
         fn_Chart_Holders(stiffness, true) + "</section>\n";
  h += "</main>\n<footer>Written by ormyx " + std::string("from ") + fn_Html(s.plot_name) +
       ". Plots drawn with Chart.js (MIT License), included in this page.</footer>\n";

  std::string data = "{\"charts\":[";
  bool first = true;
  for (const std::vector<Chart>* group : {&response, &py, &sections, &interaction, &length, &stiffness})
    for (const Chart& c : *group) {
      data += (first ? "" : ",\n") + fn_Chart_Json(c);
      first = false;
    }
  data += "]}";
  h += "<pre id=\"chart-summary\"></pre><pre id=\"page-errors\"></pre>\n";
  h += "<script type=\"application/json\" id=\"ormyx-data\">" + data + "</script>\n<script>\n";
  h.append(reinterpret_cast<const char*>(CHART_JS_SOURCE), CHART_JS_SIZE);
  h += "\n</script>\n<script>" + std::string(PAGE_SCRIPT) + "</script>\n</body>\n</html>\n";
  return h;
}

bool fn_Write_Run_Html(const std::string& plot_path, const std::string& message_path,
                       const std::string& report_path, const std::string& html_path,
                       const std::string& title, std::string& why) {
  Html_Sources s;
  s.title = title;
  s.plot_name = plot_path.substr(plot_path.find_last_of('/') == std::string::npos
                                     ? 0
                                     : plot_path.find_last_of('/') + 1);
  Plot_Read_Error e;
  if (!fn_Read_Plot_File(plot_path, s.plot, e)) {
    why = e.text(plot_path);
    return false;
  }
  s.has_messages = fn_Read_File_If(message_path, s.message_text);
  s.has_report = fn_Read_File_If(report_path, s.report_text);
  if (!fn_Write_Text_File(html_path, fn_Html_Page(s))) {
    why = "cannot write the page " + html_path;
    return false;
  }
  return true;
}

}  // namespace ormyx::host
