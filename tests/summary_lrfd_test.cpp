// The summary of pile responses, plot record Line 13, the LRFD performance
// table and the LRFD distributed loads, checked on whole runs against
// figures worked by hand (statics, integrals of the load profiles, capacity
// formulas) and against the per-case output of the same run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/run_state.h"
#include "solution/lrfd_loads.h"
#include "solution/summary.h"
#include "tests/test_data.h"
#include "tests/test_support.h"

using namespace ormyx_test;

namespace {

const std::string EXAMPLE_LOADING = "LOADING\n1\n1 1 10000.0 0.0 50000.0 1\n0\n";

// The 60 ft pile in soft clay of the two-layer test input, with its sections and its
// LOADING replaced; lrfd turns the LRFD option on.
std::string Pile_Input(const std::string& sections, const std::string& loads, bool lrfd) {
  std::string t = Read_File(Data_Path("us_soft_clay_two_layers.inp"));
  if (lrfd) t.replace(t.find("UseLRFD NO"), 10, "UseLRFD YES");
  if (!sections.empty()) {
    const auto a = t.find("SECTIONS\n"), b = t.find("SOIL LAYERS\n");
    t.replace(a, b - a, sections);
  }
  t.replace(t.find(EXAMPLE_LOADING), EXAMPLE_LOADING.size(), loads);
  return t;
}

double Num(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

// Half a unit of the last digit of a printed number (fixed or exponent form).
double Printed_Half_Unit(const std::string& s) {
  const size_t e = s.find_first_of("Ee"), dot = s.find('.');
  if (dot == std::string::npos) return 0.5;
  const size_t end = e == std::string::npos ? s.find_last_not_of(' ') + 1 : e;
  const double unit = std::pow(10.0, -double(end - dot - 1));
  return 0.5 * unit * (e == std::string::npos ? 1.0 : std::pow(10.0, std::atoi(s.c_str() + e + 1)));
}

// Plot record Line 10 of every node, in file order (x, y, M, V, p, EI).
std::vector<std::vector<double>> Line10(const std::string& plot) {
  std::vector<std::vector<double>> rows;
  for (const std::string& l : Split_Lines(plot)) {
    if (l.find("Line 10(") == std::string::npos) continue;
    std::vector<double> v;
    for (int i = 0; i < 6; ++i) v.push_back(Num(l.substr(15 * i, 15)));
    rows.push_back(v);
  }
  return rows;
}

// Lines of the report that follow the first line starting with `head`, up to
// the next empty line.
std::vector<std::string> Rows_After(const std::string& report, const std::string& head) {
  std::vector<std::string> out;
  bool in = false;
  for (const std::string& l : Split_Lines(report)) {
    if (in) {
      if (l.empty()) break;
      out.push_back(l);
    } else if (l.rfind(head, 0) == 0) {
      in = true;
    }
  }
  return out;
}

const char* SUMMARY_DASHES = "----  ----  --------------";
const char* PERFORMANCE_DASHES = "----   -------   ----------";

// Fields of a summary row: V or y, M/S/R, axial, deflection, Mmax, Vmax, rotation.
struct Summary_Row {
  int c = 0, type = 0;
  double cond1 = 0, cond2 = 0, axial = 0, defl = 0, mmax = 0, vmax = 0, rot = 0;
};
Summary_Row Parse_Summary(const std::string& l) {
  Summary_Row r;
  r.c = std::atoi(l.substr(0, 3).c_str());
  r.type = std::atoi(l.substr(4, 5).c_str());
  r.cond1 = Num(l.substr(15, 11));
  r.cond2 = Num(l.substr(31, 11));
  r.axial = Num(l.substr(42, 15));
  r.defl = Num(l.substr(57, 15));
  r.mmax = Num(l.substr(72, 15));
  r.vmax = Num(l.substr(91, 11));
  r.rot = Num(l.substr(102, 15));
  return r;
}

// Fields of a performance row (columns of the fixed layout).
struct Performance_Row {
  int c = 0, s = 0;
  double phi = 0, capacity = 0, moment = 0;
  std::string capacity_text, fraction_text, verdict;
};
Performance_Row Parse_Performance(const std::string& l) {
  Performance_Row r;
  r.c = std::atoi(l.substr(0, 3).c_str());
  r.s = std::atoi(l.substr(4, 7).c_str());
  r.phi = Num(l.substr(14, 10));
  r.capacity_text = l.substr(30, 10);
  r.capacity = Num(r.capacity_text);
  r.moment = Num(l.substr(43, 10));
  r.fraction_text = l.substr(56, 10);
  r.verdict = l.substr(69, 13);
  return r;
}

// Soil reaction resultant of nodes [first, first + n): trapezoidal weights.
double Soil_Resultant(const std::vector<std::vector<double>>& rows, size_t first, size_t n, double h) {
  double sum = 0.0;
  for (size_t i = 0; i < n; ++i) sum += rows[first + i][4] * ((i == 0 || i + 1 == n) ? h / 2 : h);
  return sum;
}

// Largest |M| of nodes [first, last] of the Line 10 rows, with its row.
size_t Row_Of_Max_Moment(const std::vector<std::vector<double>>& rows, size_t first, size_t last) {
  size_t best = first;
  for (size_t i = first; i <= last; ++i)
    if (std::fabs(rows[i][2]) > std::fabs(rows[best][2])) best = i;
  return best;
}

const double H = 720.0 / 100.0;  // increment length of the 60 ft pile, in

}  // namespace

// A steel pipe pile (24 in x 0.5 in, Fy = 36 ksi) under two combinations of a
// DL, an LL and a W group. The factored head loads are the sums of factor x
// group load; the soil reaction balances the factored shear; the capacity is
// phi x Mn with Mn the nominal capacity the section analysis printed in
// in-kips (plot Line 4), i.e. x 1000 in lb-in, close to the plastic moment
// Fy Z of the pipe; the verdict is |M| < phi Mn.
TEST(LrfdSummary, FactoredHeadLoadsAndVerdictsOfASteelPipe) {
  const std::string sections = "SECTIONS\n1\n1\n4\n60.0\n24.0\n0.5\n36000.0\n29000000.0\n";
  const std::string loads =
      "LRFD LOADS\n3\n1 1 2000 10000 50000 0\n2 2 3000 0 20000 0\n3 5 10000 200000 0 0\n"
      "LRFD FACTORS AND CASES\n2\n"
      "1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n"
      "2 1.0 1.0 0 0 4.0 0 0 0 0 0 0 0 0 0.3 0.75\nWind Extreme\n";
  Run_Result r = Run_Engine(Pile_Input(sections, loads, true));
  ASSERT_EQ(r.status, -400) << r.report;

  // Factored loads by hand: H, M, P of each combination.
  const double V[2] = {1.25 * 2000 + 1.75 * 3000, 1.0 * 2000 + 1.0 * 3000 + 4.0 * 10000};
  const double M[2] = {1.25 * 10000, 1.0 * 10000 + 4.0 * 200000};
  const double P[2] = {1.25 * 50000 + 1.75 * 20000, 1.0 * 50000 + 1.0 * 20000};
  const double phi[2] = {0.9, 0.3};
  std::vector<std::string> rows = Rows_After(r.report, SUMMARY_DASHES);
  ASSERT_EQ(rows.size(), 2u);
  for (int c = 0; c < 2; ++c) {
    const Summary_Row s = Parse_Summary(rows[c]);
    EXPECT_EQ(s.c, c + 1);
    EXPECT_EQ(s.type, 1);
    EXPECT_NEAR(s.cond1, V[c], 1e-6) << rows[c];
    EXPECT_NEAR(s.cond2, M[c], 1e-6) << rows[c];
    EXPECT_NEAR(s.axial, P[c], 1e-6) << rows[c];
  }

  // Statics of each case: the soil reaction balances the head shear, and the
  // moment at the head is the factored moment.
  const auto l10 = Line10(r.plot);
  ASSERT_EQ(l10.size(), 202u);
  for (int c = 0; c < 2; ++c) {
    EXPECT_NEAR(Soil_Resultant(l10, 101 * c, 101, H), -V[c], 1e-4 * V[c]) << c;
    EXPECT_NEAR(l10[101 * c][2], M[c], 1e-3 * M[c]) << c;
  }

  // Nominal capacities of the two thrusts (70 and 97.5 kips), in-kips.
  double mn_kip_in[2] = {0, 0};
  for (const std::string& l : Split_Lines(r.plot))
    if (l.find("Line 4 :") != std::string::npos) {
      const double thrust = Num(l.substr(15, 15));
      for (int c = 0; c < 2; ++c)
        if (std::fabs(thrust - P[c] / 1000.0) < 1e-6) mn_kip_in[c] = Num(l.substr(30, 15));
    }
  const double D = 24.0, t = 0.5, Fy = 36000.0;
  const double Z = (D * D * D - (D - 2 * t) * (D - 2 * t) * (D - 2 * t)) / 6.0;  // 276.17 in^3
  std::vector<std::string> perf = Rows_After(r.report, PERFORMANCE_DASHES);
  ASSERT_EQ(perf.size(), 2u);
  for (int c = 0; c < 2; ++c) {
    const Performance_Row p = Parse_Performance(perf[c]);
    const double Mn = 1000.0 * mn_kip_in[c];  // lb-in
    EXPECT_NEAR(Mn / (Fy * Z), 1.0, 0.03) << c;
    EXPECT_NEAR(p.capacity, phi[c] * Mn, 1e-6 * phi[c] * Mn) << perf[c];
    const double Mmax = std::fabs(l10[Row_Of_Max_Moment(l10, 101 * c, 101 * c + 100)][2]);
    EXPECT_NEAR(std::fabs(p.moment), Mmax, 1e-5 * Mmax) << perf[c];
    EXPECT_NEAR(Num(p.fraction_text), Mmax / (phi[c] * Mn), 1e-4) << perf[c];
    EXPECT_EQ(p.verdict, Mmax < phi[c] * Mn ? "   Pass      " : " > FAIL <    ") << perf[c];
  }
  EXPECT_EQ(Parse_Performance(perf[0]).verdict, "   Pass      ");
  EXPECT_EQ(Parse_Performance(perf[1]).verdict, " > FAIL <    ");
  EXPECT_NE(r.report.find("\n1 LRFD load combinations have failed.\n"), std::string::npos);
  EXPECT_EQ(Count_Containing(r.plot, "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"), 2);

  // A combination left without a thrust index takes the thrust entry nearest
  // to its axial force: 80 kips lies nearest to 70 kips (entry 1).
  ormyx::Loading_Records& ld = ormyx::RS().prob.load;
  ld.LRFD_Factored_Load[1].i_ThrustIndex = 0;
  ld.LRFD_Factored_Load[1].rd_Axial = 80000.0;
  EXPECT_DOUBLE_EQ(ormyx::fn_LRFD_Moment_Capacity(1, 1), ormyx::RS().sol.mei.entry(1, 1).rd_Mn);
  ld.LRFD_Factored_Load[1].rd_Axial = 95000.0;
  EXPECT_DOUBLE_EQ(ormyx::fn_LRFD_Moment_Capacity(1, 1), ormyx::RS().sol.mei.entry(1, 2).rd_Mn);
}

// Distributed loads in the load groups: DL uniform 5 lb/in over the whole
// pile; two W groups, uniform 1 lb/in, and a profile from 100 in (2 lb/in) to
// 400 in (8 lb/in) with a step down to 4 lb/in that ends at 500 in. The nodal
// averages are the hand integrals over each node's tributary length, the
// combination applies 1.25 DL + 1.5 W, and the soil reaction balances the
// factored head shear plus the factored distributed resultant.
const std::string DISTRIBUTED_GROUPS =
    "LRFD LOADS\n3\n1 1 2000 0 50000 2\n1 0 5\n2 720 5\n"
    "2 5 1000 0 0 4\n1 100 2\n2 400 8\n3 400 4\n4 500 4\n"
    "3 5 0 0 0 2\n1 0 1\n2 720 1\n"
    "LRFD FACTORS AND CASES\n1\n1 1.25 0 0 0 1.5 0 0 0 0 0 0 0 0 0.9 0.75\nStrength\n";

TEST(LrfdDistributedLoads, NodalAveragesAndBalance) {
  Run_Result r = Run_Engine(Pile_Input("", DISTRIBUTED_GROUPS, true));
  ASSERT_EQ(r.status, 0) << r.report;

  const auto& q = ormyx::RS().sol.lrfd.rd_LRFD_TypeLoad;
  const auto& W = ormyx::RS().sol.pile.rd_SoilForce;
  // Profile of the second W group: q(z) = 2 + 0.02 (z - 100) on 100..400.
  struct Node_Case {
    int k;
    double wind;  // hand average of the W type at node k
  } nodes[] = {
      {1, 1.0},                                        // head: uniform group only
      {14, 1.0},                                       // x = 93.6, interval ends at 97.2 < 100
      {15, 1.0 + (4.4 * 2.0 + 0.01 * 4.4 * 4.4) / H},  // x = 100.8: integral from 100 to 104.4
      {30, 1.0 + (2.0 + 0.02 * (208.8 - 100.0))},      // inside the profile: its value at x
      {57, 1.0 + (0.4 * (7.992 + 8.0) / 2.0 + 6.8 * 4.0) / H},  // x = 403.2 across the step
      {70, 1.0 + 6.8 * 4.0 / H},                       // x = 496.8: 4 lb/in down to 500
      {71, 1.0},                                       // x = 504: below the profile
      {101, 1.0},                                      // tip
  };
  for (const Node_Case& n : nodes) {
    EXPECT_NEAR(q(n.k, 1), 5.0, 1e-12) << n.k;
    EXPECT_NEAR(q(n.k, 5), n.wind, 1e-12) << n.k;
    EXPECT_EQ(q(n.k, 2), 0.0) << n.k;
    EXPECT_NEAR(W[n.k], 1.25 * 5.0 + 1.5 * n.wind, 1e-12) << n.k;
    EXPECT_NEAR(ormyx::fn_LRFD_Node_Load(n.k, 1), W[n.k], 1e-12) << n.k;
  }

  // One report block per loaded type; none for a type without profiles.
  EXPECT_EQ(Count_Containing(r.report, "Distributed Lateral Loads for LRFD:"), 2);
  EXPECT_NE(r.report.find("Sums of Distributed Lateral Load Per Unit Length due to Dead Loads                    \n"),
            std::string::npos);
  EXPECT_NE(r.report.find("Sums of Distributed Lateral Load Per Unit Length due to Wind Loads"),
            std::string::npos);
  EXPECT_NE(r.report.find("\n    in            lbs/in\n----------   ----------------\n      0.00         5.00\n"),
            std::string::npos);
  EXPECT_NE(r.report.find("\n    100.80         2.25\n"), std::string::npos);

  // Resultant of the factored distributed load: 1.25 x 5 x 720 + 1.5 x (720 +
  // 300 x 2 + 0.01 x 300^2 + 100 x 4); head shear 1.25 x 2000 + 1.5 x 1000.
  const double resultant = 1.25 * 5.0 * 720.0 + 1.5 * (720.0 + 600.0 + 900.0 + 400.0);
  const double Pt = 1.25 * 2000.0 + 1.5 * 1000.0;
  const auto l10 = Line10(r.plot);
  ASSERT_EQ(l10.size(), 101u);
  EXPECT_NEAR(Soil_Resultant(l10, 0, 101, H), -(Pt + resultant), 1e-4 * (Pt + resultant));
}

// The soil-movement force the p-y routines write keeps the combination's
// distributed load: a movement of 0 everywhere changes nothing.
TEST(LrfdDistributedLoads, KeptUnderSoilMovement) {
  std::string moved = Pile_Input("", DISTRIBUTED_GROUPS, true);
  moved.replace(moved.find("UseSoilMovement NO"), 18, "UseSoilMovement YES");
  moved.replace(moved.find("END"), 3, "SOIL MOVEMENTS\n2\n1 0.0 0.0\n2 70.0 0.0\nEND");
  Run_Result plain = Run_Engine(Pile_Input("", DISTRIBUTED_GROUPS, true));
  Run_Result r = Run_Engine(moved);
  ASSERT_EQ(r.status, 0) << r.report;
  auto line13 = [](const Run_Result& x) {
    for (const std::string& l : Split_Lines(x.plot))
      if (l.find("Line 13:") != std::string::npos) return l;
    return std::string();
  };
  EXPECT_FALSE(line13(r).empty());
  EXPECT_EQ(line13(r), line13(plain));
}

// Two load cases without LRFD: every summary row and Line 13 record repeats
// the output summary of its case (and the head shear of its first node).
TEST(Summary, RowsAndLine13RepeatTheCaseSummaries) {
  const std::string loads = "LOADING\n2\n1 1 10000.0 0.0 50000.0 1\n2 4 0.25 20000.0 30000.0 1\n0\n";
  Run_Result r = Run_Engine(Pile_Input("", loads, false));
  ASSERT_EQ(r.status, 0) << r.report;

  // Output summary values of each case (deflection, slope, Mmax, Vmax), with
  // the rounding of their printed form.
  struct Printed {
    double v, tol;
  };
  auto case_value = [&](int c, const std::string& label) {
    const std::string head = "Output Summary for Load Case No. " + std::to_string(c) + ":";
    const size_t at = r.report.find(label, r.report.find(head));
    const std::string text = r.report.substr(at + label.size(), 14);
    return Printed{Num(text), Printed_Half_Unit(text)};
  };
  std::vector<std::string> rows = Rows_After(r.report, SUMMARY_DASHES);
  ASSERT_EQ(rows.size(), 2u);
  std::vector<std::string> l13;
  for (const std::string& l : Split_Lines(r.plot))
    if (l.find("Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)") == 80) l13.push_back(l);
  ASSERT_EQ(l13.size(), 2u);
  const auto l10 = Line10(r.plot);
  ASSERT_EQ(l10.size(), 202u);

  const double cond1[2] = {10000.0, 0.25}, cond2[2] = {0.0, 20000.0}, axial[2] = {50000.0, 30000.0};
  for (int c = 1; c <= 2; ++c) {
    const Summary_Row s = Parse_Summary(rows[c - 1]);
    const Printed y = case_value(c, "Pile-head deflection             = ");
    const Printed slope = case_value(c, "Computed slope at pile head      = ");
    const Printed m = case_value(c, "Maximum bending moment           = ");
    const Printed v = case_value(c, "Maximum shear force              = ");
    EXPECT_EQ(s.type, c == 1 ? 1 : 4);
    EXPECT_EQ(rows[c - 1].substr(4, 11), c == 1 ? "    1   V =" : "    4   y =");
    EXPECT_EQ(s.cond1, cond1[c - 1]);
    EXPECT_EQ(s.cond2, cond2[c - 1]);
    EXPECT_EQ(s.axial, axial[c - 1]);
    const std::string& row = rows[c - 1];
    EXPECT_NEAR(s.defl, y.v, y.tol + Printed_Half_Unit(row.substr(57, 15))) << row;
    EXPECT_NEAR(s.mmax, m.v, m.tol + Printed_Half_Unit(row.substr(72, 15))) << row;
    EXPECT_NEAR(s.vmax, v.v, v.tol + Printed_Half_Unit(row.substr(91, 11))) << row;
    EXPECT_NEAR(s.rot, slope.v, slope.tol + Printed_Half_Unit(row.substr(102, 15))) << row;
    const std::string& p = l13[c - 1];
    const double head_shear = c == 1 ? 10000.0 : l10[101][3];
    EXPECT_NEAR(Num(p.substr(0, 15)), head_shear, 1e-6 * std::fabs(head_shear)) << p;
    const Printed* values[4] = {&y, &m, &v, &slope};
    for (int i = 0; i < 4; ++i)
      EXPECT_NEAR(Num(p.substr(15 + 15 * i, 15)), values[i]->v,
                  values[i]->tol + Printed_Half_Unit(p.substr(15 + 15 * i, 15)))
          << p;
  }
  EXPECT_NEAR(Parse_Summary(rows[1]).defl, 0.25, 1e-9);  // the given head deflection
  EXPECT_NE(r.report.find("Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs"),
            std::string::npos);
  EXPECT_EQ(r.report.find("LRFD Performance by Load Case Combination"), std::string::npos);
}

// An elastic pile has no moment capacity to check: every row shows
// " Infinite " and N/A, nothing is logged and every combination passes.
TEST(LrfdSummary, ElasticSectionIsNeverChecked) {
  const std::string loads =
      "LRFD LOADS\n2\n1 1 4000 0 20000 0\n2 2 3000 0 10000 0\n"
      "LRFD FACTORS AND CASES\n2\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nStrength I\n"
      "2 0.9 0 0 0 0 0 0 0 0 0 0 0 0 0.05 0.75\nService\n";
  Run_Result r = Run_Engine(Pile_Input("", loads, true));
  EXPECT_EQ(r.status, 0) << r.report;
  std::vector<std::string> perf = Rows_After(r.report, PERFORMANCE_DASHES);
  ASSERT_EQ(perf.size(), 2u);
  for (const std::string& l : perf) {
    const Performance_Row p = Parse_Performance(l);
    EXPECT_EQ(p.capacity_text, " Infinite ") << l;
    EXPECT_EQ(p.fraction_text, "    N/A   ") << l;
    EXPECT_EQ(p.verdict, "    N/A      ") << l;
    EXPECT_NE(p.moment, 0.0) << l;
  }
  EXPECT_NE(r.report.find("\nAll LRFD load combinations have passed for all pile sections.\n"),
            std::string::npos);
  EXPECT_EQ(r.report.find("Summary of Warning Messages"), std::string::npos);
}

// Two elastic-plastic sections (plastic moment 2.0E7 at the head to 3.0E7
// in-lbs at 20 ft; 1.0E6 below) fail together in one combination with a
// flexure factor of 0.01: warning 400 is logged twice, the combination counts
// once. The capacity is phi x the plastic moment interpolated at the node of
// the section's largest moment.
TEST(LrfdSummary, TwoFailingSectionsCountOnce) {
  const std::string props = "24.0\n24.0\n452.389\n452.389\n16286.0\n16286.0\n";
  const std::string sections = "SECTIONS\n2\n1\n12\n20.0\n2\n4.0E6\n2.0E7\n3.0E7\n" + props +
                               "2\n12\n40.0\n2\n4.0E6\n1.0E6\n1.0E6\n" + props;
  const std::string loads =
      "LRFD LOADS\n1\n1 1 10000 0 50000 0\n"
      "LRFD FACTORS AND CASES\n2\n1 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.01 0.75\nBrittle\n"
      "2 0.2 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.75\nLight\n";
  Run_Result r = Run_Engine(Pile_Input(sections, loads, true));
  ASSERT_EQ(r.status, -400) << r.report;
  std::vector<std::string> perf = Rows_After(r.report, PERFORMANCE_DASHES);
  ASSERT_EQ(perf.size(), 4u);
  const char* verdicts[4] = {" > FAIL <    ", " > FAIL <    ", "   Pass      ", "   Pass      "};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Parse_Performance(perf[i]).verdict, verdicts[i]) << perf[i];
  EXPECT_NE(r.report.find("The following warning was reported 2 times\n\n\n"
                          "**** Warning - Failure for One or More LRFD Load Cases ****"),
            std::string::npos);
  EXPECT_NE(r.report.find("\n1 LRFD load combinations have failed.\n"), std::string::npos);

  // Section 1 spans 0 < x <= 240 in (nodes 1 .. 34): capacity at the node of
  // its largest moment in combination 1.
  const auto l10 = Line10(r.plot);
  ASSERT_EQ(l10.size(), 202u);
  const size_t k = Row_Of_Max_Moment(l10, 0, 33);
  const double x = l10[k][0];
  const double Mp = 3.0e7 - (240.0 - x) * (3.0e7 - 2.0e7) / 240.0;
  const Performance_Row p1 = Parse_Performance(perf[0]);
  EXPECT_NEAR(p1.capacity, 0.01 * Mp, 1e-6 * Mp) << perf[0];
  EXPECT_NEAR(p1.moment, l10[k][2], 1e-5 * std::fabs(l10[k][2])) << perf[0];
  EXPECT_NEAR(Parse_Performance(perf[1]).capacity, 0.01 * 1.0e6, 1e-6) << perf[1];

  // A section without a node of largest moment takes the smaller of its top
  // and bottom plastic moments.
  ormyx::RS().sol.Section_Maxima(1, 1).i_MomentNode = 0;
  EXPECT_EQ(ormyx::fn_LRFD_Moment_Capacity(1, 1), 2.0e7);
}
