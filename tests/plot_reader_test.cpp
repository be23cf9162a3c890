// The plot-file reader: a hand-made file with every record, the plot files
// of whole example runs, malformed records named by their line, runs that end
// early, and damaged files that must never crash the reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "host/plot_reader.h"
#include "tests/plot_records.h"
#include "tests/test_support.h"

namespace {

using namespace ormyx::host;
using namespace ormyx_test;

std::string Sample() { return Read_File(std::string(ORMYX_SOURCE_DIR) + "/tests/data/plot_sample.plt"); }

std::string Join(const std::vector<std::string>& lines) {
  std::string t;
  for (const std::string& l : lines) t += l + "\n";
  return t;
}

// tests/data/plot_sample.plt was written column by column (a short script of
// Python format strings); the figures below are the ones put into it.
TEST(Plot_Reader, HandMadeFileWithEveryRecord) {
  Plot_Data d;
  Plot_Read_Error e;
  ASSERT_TRUE(fn_Parse_Plot_Text(Sample(), d, e)) << e.text("sample");
  EXPECT_FALSE(d.partial) << d.partial_note;
  EXPECT_EQ(d.lines, 36);
  EXPECT_EQ(d.analysis_type, 3);
  EXPECT_EQ(d.iunits, 2);
  EXPECT_EQ(d.compute_k, 1);
  EXPECT_EQ(d.sections, 1);
  EXPECT_EQ(d.thrusts, 1);
  ASSERT_EQ(d.mei.size(), 1u);
  EXPECT_EQ(d.mei[0].section, 1);
  EXPECT_EQ(d.mei[0].thrust_number, 1);
  EXPECT_DOUBLE_EQ(d.mei[0].thrust, 800.0);
  EXPECT_DOUBLE_EQ(d.mei[0].mn, 1530.196);
  ASSERT_EQ(d.mei[0].points.size(), 2u);
  EXPECT_DOUBLE_EQ(d.mei[0].points[1].moment, 48.5);
  EXPECT_DOUBLE_EQ(d.mei[0].points[0].curvature, 1.133054e-4);
  ASSERT_EQ(d.interaction.size(), 1u);
  EXPECT_EQ(d.interaction[0].section, 1);
  ASSERT_EQ(d.interaction[0].points.size(), 2u);
  EXPECT_DOUBLE_EQ(d.interaction[0].points[0].pn, 5000.0);
  EXPECT_DOUBLE_EQ(d.interaction[0].points[1].mu, 1350.0);
  EXPECT_DOUBLE_EQ(d.interaction[0].points[0].phi, 0.65);
  ASSERT_EQ(d.py.size(), 2u);
  EXPECT_TRUE(d.py[0].above_ground);
  EXPECT_DOUBLE_EQ(d.py[0].depth, 0.5);
  EXPECT_FALSE(d.py[1].above_ground);
  EXPECT_EQ(d.py[1].model, "sand");
  EXPECT_EQ(d.py[1].point_model, "sand");
  ASSERT_EQ(d.py[1].points.size(), 2u);
  EXPECT_DOUBLE_EQ(d.py[1].points[1].p, 125.5);
  EXPECT_EQ(d.load_cases, 2);
  EXPECT_EQ(d.nodes, 3);
  ASSERT_EQ(d.cases.size(), 2u);
  EXPECT_EQ(d.cases[1].number, 2);
  ASSERT_EQ(d.cases[1].nodes.size(), 3u);
  EXPECT_DOUBLE_EQ(d.cases[1].nodes[2].x, 5.0);
  EXPECT_DOUBLE_EQ(d.cases[1].nodes[1].moment, 400.0);
  EXPECT_TRUE(std::isnan(d.cases[1].nodes[2].ei));  // a field of asterisks
  ASSERT_EQ(d.cases[0].length_points.size(), 1u);
  EXPECT_DOUBLE_EQ(d.cases[0].length_points[0].max_shear, -150.0);
  EXPECT_TRUE(d.cases[1].length_points.empty());
  ASSERT_EQ(d.summary.size(), 2u);
  EXPECT_DOUBLE_EQ(d.summary[1].top_shear, 300.0);
  EXPECT_DOUBLE_EQ(d.summary[0].rotation, -5.87e-3);
  ASSERT_EQ(d.stiffness.size(), 10u);
  EXPECT_DOUBLE_EQ(d.stiffness[9].shear, 150.0);
  EXPECT_DOUBLE_EQ(d.stiffness[0].k33, 152907.2);
  EXPECT_DOUBLE_EQ(d.stiffness[9].theta, 7.39e-8);
  // CR LF line ends read the same.
  std::string crlf;
  for (const std::string& l : Split_Lines(Sample())) crlf += l + "\r\n";
  Plot_Data d2;
  ASSERT_TRUE(fn_Parse_Plot_Text(crlf, d2, e)) << e.text("crlf");
  EXPECT_EQ(d2.stiffness.size(), 10u);
}

// Each damage names its line and says what is wrong.
TEST(Plot_Reader, MalformedRecordsNameTheirLine) {
  struct Case {
    const char* what;
    int line;            // the line to change (1-based)
    const char* from;    // text replaced on that line ("" = whole line replaced by to)
    const char* to;
    int error_line;      // the line the error names
    const char* says;
  };
  const Case cases[] = {
      {"letter in a real", 5, "0.2409434E+02", "0.24O9434E+02", 5, "is not a number"},
      {"letter in a count", 4, "    2   ", "    x   ", 4, "is not an integer"},
      {"blank field", 13, "0.0000000E+00  0.0000000E+00", "               0.0000000E+00", 13, "is not a number"},
      {"no label", 6, "", "  0.4850000E+02  0.2120000E+06", 6, "no record label"},
      {"unknown record", 3, "Line 3 ", "Line 17 ", 3, "unknown record"},
      {"empty line", 20, "", "", 20, "empty line"},
      {"line cut in its values", 17, "", "  0.2500000E+01  0.1000000E-01  0.20", 17, "no record label"},
      {"a field missing", 17, " 0.3200000E+07 Line 10(  2)", "Line 10(  2)", 17, "cut short"},
      {"point number out of order", 6, "CurvPnt#=2", "CurvPnt#=3", 6, "point number 3"},
      {"node number out of order", 17, "Line 10(  2)", "Line 10(  5)", 17, "node number"},
      {"case number out of order", 24, "load case 2", "load case 7", 24, "load case number 2"},
      {"unit systems disagree", 15, "    2    3    2", "    2    3    1", 15, "differs from Line 1"},
      {"Line 1 not first", 2, "", "    3    2    0    1                                                            Line 1 : x", 2, "out of place"},
      {"too few points for Line 4", 4, "    2  ", "    3  ", 7, "fewer points"},
      {"Line 4 declares fewer", 4, "    2  ", "    1  ", 6, "declares 1 points"},
      {"too many nodes for Line 9", 15, "    2    3", "    2    2", 18, "declares 2 nodes"},
      {"Line 7 label without curve number", 12, "curve no. 2", "curve no.", 12, "curve number"},
      {"text in the blank columns", 4, "    2            0.8", "    2     x      0.8", 4, "blanks expected"},
      {"a value beyond the record's fields", 2, "    1      ", "    1    5 ", 2, "after the last field"},
      {"Line 15 section differs from its label", 7, "    2    1", "    2    4", 7, "section number 4"},
  };
  const std::vector<std::string> base = Split_Lines(Sample());
  for (const Case& c : cases) {
    std::vector<std::string> lines = base;
    std::string& l = lines.at(std::size_t(c.line - 1));
    if (std::string(c.from).empty()) {
      l = c.to;
    } else {
      std::size_t at = l.find(c.from);
      ASSERT_NE(at, std::string::npos) << c.what;
      l.replace(at, std::string(c.from).size(), c.to);
    }
    Plot_Data d;
    Plot_Read_Error e;
    EXPECT_FALSE(fn_Parse_Plot_Text(Join(lines), d, e)) << c.what;
    EXPECT_EQ(e.line, c.error_line) << c.what << ": " << e.message;
    EXPECT_NE(e.message.find(c.says), std::string::npos) << c.what << ": " << e.message;
    EXPECT_EQ(e.text("f.plt").rfind("f.plt:" + std::to_string(c.error_line) + ": ", 0), 0u);
  }
  // An eleventh stiffness row and a missing file.
  std::vector<std::string> extra = base;
  extra.push_back(base.back());
  Plot_Data d;
  Plot_Read_Error e;
  EXPECT_FALSE(fn_Parse_Plot_Text(Join(extra), d, e));
  EXPECT_EQ(e.line, 37);
  EXPECT_FALSE(fn_Read_Plot_File("/nonexistent/x.plt", d, e));
  EXPECT_EQ(e.text("x.plt"), "x.plt: cannot open the plot file");
}

// A run that stops on an error ends its plot file where it stopped: every
// cut at a record boundary reads as a partial run, the whole file as complete.
TEST(Plot_Reader, FileEndingAtARecordBoundaryIsAPartialRun) {
  std::vector<std::string> lines = Split_Lines(Sample());
  for (std::size_t n = 0; n <= lines.size(); ++n) {
    std::vector<std::string> head(lines.begin(), lines.begin() + long(n));
    Plot_Data d;
    Plot_Read_Error e;
    ASSERT_TRUE(fn_Parse_Plot_Text(Join(head), d, e)) << n << ": " << e.message;
    EXPECT_EQ(d.partial, n < lines.size()) << n;
    if (d.partial) {
      EXPECT_NE(d.partial_note.find("line " + std::to_string(n)), std::string::npos);
    }
  }
  // The Line 1 of a run whose input had no format tag: an empty problem, unit
  // system 0; the run stopped there.
  Plot_Data d;
  Plot_Read_Error e;
  ASSERT_TRUE(fn_Parse_Plot_Text(lines.at(0).replace(0, 20, "    0    0    0    0") + "\n", d, e))
      << e.message;
  EXPECT_TRUE(d.partial);
  EXPECT_EQ(d.iunits, 0);
}

struct Example_Case {
  const char* file;
  int iunits, analysis_type, tables, py_curves, cases, length_points, summary, stiffness;
};

// The plot files of example runs, with the counts each run is known to write
// (its input: p-y depths, load cases, length study, stiffness matrix); the
// node values are compared with a plain reading of the Line 10 columns.
TEST(Plot_Reader, ExampleRuns) {
  const Example_Case examples[] = {
      {"us_soft_clay.inp", 1, 3, 1, 2, 1, 0, 1, 0},
      {"si_stiffness_matrix.inp", 2, 3, 1, 0, 2, 0, 2, 10},
      {"us_length_study.inp", 1, 3, 1, 0, 1, 17, 1, 0},
      {"si_ei_only.inp", 2, 2, 9, 0, 0, 0, 0, 0},
      {"us_lrfd_distributed_loads.inp", 1, 3, 2, 0, 2, 0, 2, 0},
  };
  for (const Example_Case& x : examples) {
    Run_Result r = Run_Engine(Read_File(Example_Path(x.file)));
    ASSERT_LE(r.status, 0) << x.file;
    Plot_Data d;
    Plot_Read_Error e;
    ASSERT_TRUE(fn_Parse_Plot_Text(r.plot, d, e)) << x.file << ": " << e.text("plot");
    EXPECT_FALSE(d.partial) << x.file << ": " << d.partial_note;
    EXPECT_EQ(d.iunits, x.iunits) << x.file;
    EXPECT_EQ(d.analysis_type, x.analysis_type) << x.file;
    EXPECT_EQ(int(d.mei.size()), x.tables) << x.file;
    EXPECT_EQ(int(d.py.size()), x.py_curves) << x.file;
    EXPECT_EQ(int(d.cases.size()), x.cases) << x.file;
    int length_points = 0;
    for (const Plot_Load_Case& c : d.cases) length_points += int(c.length_points.size());
    EXPECT_EQ(length_points, x.length_points) << x.file;
    EXPECT_EQ(int(d.summary.size()), x.summary) << x.file;
    EXPECT_EQ(int(d.stiffness.size()), x.stiffness) << x.file;
    const std::vector<ormyx_test::Plot_Node> nodes = ormyx_test::Plot_Nodes(r.plot);
    std::size_t k = 0;
    for (const Plot_Load_Case& c : d.cases)
      for (const ormyx::host::Plot_Node& n : c.nodes) {
        ASSERT_LT(k, nodes.size());
        EXPECT_EQ(n.x, nodes[k].x);
        EXPECT_EQ(n.moment, nodes[k].M);
        EXPECT_EQ(n.ei, nodes[k].EI);
        ++k;
      }
    EXPECT_EQ(k, nodes.size()) << x.file;
    for (const Plot_MEI_Table& t : d.mei) {
      EXPECT_EQ(int(t.points.size()), t.declared_points);
      EXPECT_GE(t.section, 1);
      EXPECT_LE(t.section, d.sections);
    }
  }
}

// Damaged plot files of example runs: cut anywhere, bytes changed, lines
// dropped or repeated. The reader either reads them (perhaps as a partial
// run) or names a line that exists; it never crashes or hangs.
TEST(Plot_Reader, GarbledFilesNeverCrashAndNameALine) {
  std::vector<std::string> plots;
  for (const char* f : {"us_soft_clay.inp", "si_stiffness_matrix.inp", "us_length_study.inp"})
    plots.push_back(Run_Engine(Read_File(Example_Path(f))).plot);
  plots.push_back(Sample());
  std::mt19937 rng(20261211);
  int errors = 0;
  for (const std::string& plot : plots) {
    const std::vector<std::string> lines = Split_Lines(plot);
    const int n_lines = int(lines.size());
    auto check = [&](const std::string& text, const char* how) {
      Plot_Data d;
      Plot_Read_Error e;
      if (fn_Parse_Plot_Text(text, d, e)) return;
      ++errors;
      const int in_text = int(Split_Lines(text).size()) + 1;
      EXPECT_GE(e.line, 1) << how << ": " << e.message;
      EXPECT_LE(e.line, std::max(n_lines, in_text) + 1) << how;
      EXPECT_FALSE(e.message.empty()) << how;
    };
    for (int k = 0; k < 60; ++k) {
      // Cut at a byte inside a line: an error names that (last) line, or the
      // values were whole and the run reads as partial.
      std::size_t cut = std::uniform_int_distribution<std::size_t>(1, plot.size() - 1)(rng);
      std::string head = plot.substr(0, cut);
      Plot_Data d;
      Plot_Read_Error e;
      if (!fn_Parse_Plot_Text(head, d, e)) {
        int last = int(std::count(head.begin(), head.end(), '\n')) + (head.back() == '\n' ? 0 : 1);
        EXPECT_EQ(e.line, last) << "cut at " << cut << ": " << e.message;
      } else if (plot.find('\n', cut) != plot.size() - 1) {
        EXPECT_TRUE(d.partial) << "cut at " << cut;  // only the last line's label was cut
      }
      std::string flipped = plot;
      for (int j = 0; j < 5; ++j)
        flipped[std::uniform_int_distribution<std::size_t>(0, plot.size() - 1)(rng)] =
            char(std::uniform_int_distribution<int>(0, 255)(rng));
      check(flipped, "bytes changed");
      std::vector<std::string> edited = lines;
      std::size_t i = std::uniform_int_distribution<std::size_t>(0, edited.size() - 1)(rng);
      if (k % 2 == 0)
        edited.erase(edited.begin() + long(i));
      else
        edited.insert(edited.begin() + long(i), edited[i]);
      check(Join(edited), k % 2 == 0 ? "line dropped" : "line repeated");
    }
  }
  EXPECT_GT(errors, 0);  // the damage was seen at all
}

}  // namespace
