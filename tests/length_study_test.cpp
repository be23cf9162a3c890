// Pile-head deflection versus pile length: an elastic pile in a uniform
// elastic subgrade against the finite free-tip beam on an elastic foundation
// at every reported length, the lengths themselves (single-precision
// factors), the stop at the ground surface, and a full length that does not
// converge.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "elastic_subgrade_input.h"
#include "solution/length_study.h"
#include "solver_fixture.h"
#include "test_support.h"

namespace {

using namespace elastic_subgrade;
using ormyx_test::Count_Containing;

// Head deflection of a beam of length L on an elastic foundation (modulus k
// per unit length), free at the far end, under head shear V and head moment
// M (Hetenyi, free-free beam with end loads):
//   y = 2 V l / k * (sinh lL cosh lL - sin lL cos lL) / (sinh^2 lL - sin^2 lL)
//     + 2 M l^2 / k * (sinh^2 lL + sin^2 lL) / (sinh^2 lL - sin^2 lL).
// (Checked against a direct solution of EI y'''' + k y = 0 with EI y'' = M,
// EI y''' = V at the head and y'' = y''' = 0 at the tip.)
double Finite_Beam_Head_Deflection(double EI, double k, double L, double V, double M) {
  const double l = Lambda(k, EI), x = l * L;
  const double sh = std::sinh(x), s = std::sin(x);
  const double d = sh * sh - s * s;
  return 2.0 * V * l / k * (sh * std::cosh(x) - s * std::cos(x)) / d +
         2.0 * M * l * l / k * (sh * sh + s * s) / d;
}

// Length factor of attempt i: 1 - 0.05 i in single precision.
double Factor(int i) { return double(1.0f - 0.05f * float(i)); }

struct Curve {
  int count = -1;
  std::vector<std::vector<double>> points;  // length, y, Mmax, Vmax
};

// Line 11 and its Line 12 records for load case c.
Curve Study_Curve(const std::string& plot, int c) {
  Curve cv;
  const std::vector<std::string> lines = ormyx_test::Split_Lines(plot);
  const std::string label = "Line 11: Num. points on Ytop vs. pile length curve for load case " +
                            std::to_string(c);
  for (std::size_t j = 0; j < lines.size(); ++j) {
    if (lines[j].size() < label.size() + 80 || lines[j].substr(80) != label) continue;
    cv.count = std::stoi(lines[j].substr(0, 5));
    for (std::size_t q = j + 1; q < lines.size() && lines[q].find("Line 12: ") != std::string::npos; ++q)
      cv.points.push_back(Record_Values(lines[q], 4));
  }
  return cv;
}

// A 100 ft pile, EI = 2.9E11 lb-in^2, k = 50000 lb/in^2 (lambda L = 17.3),
// 400 increments at every length; two load cases with the study, and only
// summary tables asked for.
TEST(LengthStudy, ElasticPileMatchesFiniteBeamAtEveryLength) {
  Pile_In_Subgrade p;
  p.summary_only = true;
  p.loads = {"1 1 20000.0 0.0 0.0 0", "2 1 20000.0 1.0E6 0.0 0"};
  const auto r = ormyx_test::Run_Engine(Input(p));
  ASSERT_EQ(r.status, 0) << r.report;
  const double EIp = EI(p), k = Subgrade_k(p), l = Lambda(k, EIp), L0 = Length(p);
  const double V = 20000.0, moments[2] = {0.0, 1.0e6};
  for (int c = 1; c <= 2; ++c) {
    SCOPED_TRACE(c);
    const Curve cv = Study_Curve(r.plot, c);
    // 100 % down to 5 %: the last factor, 0.050000011920928955 in single
    // precision, lies above the limit 0.05000000074505806 (in double
    // precision, 0.04999999999999993, it would not).
    ASSERT_EQ(cv.count, 20);
    ASSERT_EQ(cv.points.size(), 20u);
    const double y_full = cv.points[0][1];
    for (int j = 0; j < 20; ++j) {
      const double L = Factor(j) * L0;  // the last is 0.050000011920928955 L0
      const std::vector<double>& pt = cv.points[j];
      EXPECT_NEAR(pt[0], L, 1e-6 * L) << j;
      const double y = Finite_Beam_Head_Deflection(EIp, k, L, V, moments[c - 1]);
      EXPECT_NEAR(pt[1], y, 0.002 * y) << "length " << L;  // 0.07 % at most
      // Beyond four characteristic lengths the head deflection no longer changes.
      if (l * L >= 4.0) {
        EXPECT_NEAR(pt[1], y_full, 0.003 * y_full) << "length " << L;
      }
      // Below two the pile acts ever more as a rigid body: y grows as 1 / L.
      if (l * L < 2.0) {
        EXPECT_GT(pt[1], 1.1 * y_full) << "length " << L;
      }
    }
  }
  // The report: heading, conditions, table in feet; the input's choice of
  // summary tables only holds for load case 2 after the study of case 1.
  EXPECT_NE(r.report.find(std::string(80, '-') + "\n" + std::string(12, ' ') +
                          "Pile-head Deflection vs. Pile Length for Load Case 1\n" +
                          std::string(80, '-') + "\n\nBoundary Condition Type 1, Shear and Moment\n\n"
                          "Shear      =          20000. lbs\nMoment     =              0. in-lbs\n"
                          "Axial Load =              0. lbs\n\n\n"
                          "    Pile       Pile Head       Maximum       Maximum\n"
                          "   Length      Deflection      Moment         Shear \n"
                          "    feet         inches        ln-lbs          lbs \n"
                          "------------  ------------  ------------  ------------\n"
                          "   100.0000 "),
            std::string::npos);
  EXPECT_NE(r.report.find("\n     5.0000 "), std::string::npos);
  EXPECT_NE(r.report.find("Moment     =        1000000. in-lbs\n"), std::string::npos);
  EXPECT_EQ(Count_Containing(r.report, "Computed Values of Pile Loading and Deflection"), 0);
  EXPECT_EQ(Count_Containing(r.report, "Pile-head Deflection vs. Pile Length for Load Case "), 2);
  EXPECT_NE(r.message.find("Computing top deflection vs. pile embedment length for load case 2.\n"),
            std::string::npos);
}

// With the ground surface 10 % of the length below the head, the 15 % pile
// (factor 0.1499999761581421) lies above 0.05 L0 + 0.1 L0: 17 points.
TEST(LengthStudy, GroundSurfaceBelowTheHeadEndsTheStudyEarlier) {
  Pile_In_Subgrade p;
  p.units = "SI";
  p.length = 30.0;
  p.modulus = 2.0e7;
  p.width = 600.0;
  p.area = 282743.0;
  p.inertia = 6.3617e9;
  p.subgrade = 10000.0;
  p.ground = 3.0;
  p.soil_bottom = 40.0;
  p.max_deflection = 1.0;
  p.tolerance = "2.54E-11";
  p.loads = {"1 2 100.0 0.0 0.0 0"};
  const auto r = ormyx_test::Run_Engine(Input(p));
  ASSERT_EQ(r.status, 0) << r.report;
  const Curve cv = Study_Curve(r.plot, 1);
  ASSERT_EQ(cv.count, 17);
  ASSERT_EQ(cv.points.size(), 17u);
  EXPECT_NEAR(cv.points[16][0], 0.19999998807907104 * 30.0, 1e-6);
  EXPECT_NE(r.plot.find("Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)\n"), std::string::npos);
  EXPECT_NE(r.report.find("Boundary Condition Type 2, Shear and Slope\n\nShear      =            100. kN\n"
                          "Slope      =         0.00000\nAxial Load =              0. kN\n"),
            std::string::npos);
  EXPECT_NE(r.report.find("   meters        meters         kN-m           kN  \n"), std::string::npos);
}

// A study whose full length does not converge records nothing: the report
// says so and Line 11 carries 0. So does one whose every length deflects
// beyond the limit (converging before iteration 11, so no error is raised).
TEST(LengthStudy, NoSuccessfulLengthGivesTheNoComputationsText) {
  const std::string none =
      "\n\nNo computations for top deflection vs. pile length were successful for this load case.\n\n"
      "Results of last two iterations:\n\n";
  const std::string line_11 = "    0" + std::string(75, ' ') +
                              "Line 11: Num. points on Ytop vs. pile length curve for load case 1\n";
  {
    using namespace solver_test;
    const double lambda = solver_test::Lambda(1000.0, 1.0e10);
    Setup_Elastic_Pile(12.0 / lambda, 100, 1.0e10);
    g_subgrade = 1000.0;
    Set_Load(1, 10000.0, 0.0);
    Build_Pile_Nodes();
    Analyse_Load_Case(1);
    ASSERT_EQ(RS().status.i_ErrorNumber, 0);
    // From now on the soil alternates between two stiffnesses.
    RS().sol.lc.Soil_Moduli_Hook = [](int i) {
      Uniform_Subgrade(i);
      Pile_Model& pm = RS().sol.pile;
      for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilModulus[k] *= (i % 2) ? 1.0 : 2.0;
    };
    RS().prob.opt.i_MaxIterations = 30;
    Capture cap;
    Compute_Deflection_Versus_Length(1);
    EXPECT_EQ(RS().status.i_ErrorNumber, 0);
    EXPECT_EQ(RS().sol.study.KYL[1], 0);
    EXPECT_NE(cap.Report().find(none), std::string::npos);
    EXPECT_EQ(ormyx_test::Read_File(cap.dir + "/plot.plt"), line_11);
  }
  {
    Pile_In_Subgrade p;
    p.max_deflection = 0.001;  // the head moves 0.0115 in
    p.loads = {"1 1 20000.0 0.0 0.0 0"};
    const auto r = ormyx_test::Run_Engine(Input(p));
    ASSERT_EQ(r.status, 0) << r.report;
    EXPECT_NE(r.report.find(none), std::string::npos);
    EXPECT_NE(r.plot.find(line_11), std::string::npos);
    EXPECT_EQ(Count_Containing(r.plot, "Line 12:"), 0);
  }
}

}  // namespace
