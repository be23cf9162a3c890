// Pile-head stiffness matrix: the terms of a long elastic pile in a uniform
// elastic subgrade against the semi-infinite beam on an elastic foundation,
// the default reference loads of each unit system, terms that cannot be
// computed, the error block of a pile that cannot carry the synthetic loads,
// a not-a-number deflection, and the load case 1 that the run gets back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "elastic_subgrade_input.h"
#include "engine/format.h"
#include "solution/stiffness_matrix.h"
#include "solver_fixture.h"
#include "test_data.h"
#include "test_support.h"

namespace {

using namespace elastic_subgrade;
using ormyx_test::Count_Containing;

// Load factor of level k: 0.1 in single precision, then log10(k).
double Factor(int k) { return k == 1 ? double(0.1f) : std::log10(double(k)); }

struct Unit_Case {
  const char* name;
  Pile_In_Subgrade pile;
  double shear;   // reference shear of the synthetic cases
  double moment;  // reference moment
  bool lrfd;      // the head loads come from an LRFD combination
};

// A long pile (lambda L = 17 in US units, 9.9 in SI units): the finite pile
// is within e^-9 of the semi-infinite beam.
Pile_In_Subgrade Us_Pile() {
  Pile_In_Subgrade p;
  p.kmatrix = true;
  p.loads = {"1 1 0.0 0.0 0.0 1"};
  return p;
}
Pile_In_Subgrade Si_Pile() {
  Pile_In_Subgrade p = Us_Pile();
  p.units = "SI";
  p.length = 30.0;                 // m
  p.modulus = 2.0e7;               // kPa
  p.width = 600.0;                 // mm
  p.area = 282743.0;               // mm^2
  p.inertia = 6.3617e9;            // mm^4
  p.subgrade = 10000.0;            // kPa
  p.soil_bottom = 40.0;
  p.max_deflection = 0.25;
  p.tolerance = "2.54E-11";
  return p;
}
// The same US pile analysed for an LRFD combination (factored shear 25000
// lbs): the synthetic cases carry their own head loads, scaled from the
// 20000 lbs of load case 1.
Pile_In_Subgrade Us_Lrfd_Pile() {
  Pile_In_Subgrade p = Us_Pile();
  p.loads = {"1 1 20000.0 0.0 0.0 1"};
  return p;
}

std::string Lrfd_Input(const Pile_In_Subgrade& p) {
  std::string t = Input(p);
  t.replace(t.find("UseLRFD NO"), 10, "UseLRFD YES");
  t.insert(t.find("LOADING\n"),
           "LRFD LOADS\n1\n1 1 20000.0 0.0 0.0 0\n"
           "LRFD FACTORS AND CASES\n1\n1 1.25 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nStrength I\n");
  return t;
}

TEST(StiffnessMatrix, ElasticPileMatchesSemiInfiniteBeam) {
  // Zero reference loads take the defaults: 10 lbs and 100 in-lbs, or
  // 0.0444822 kN and 0.01129848 kN-m (single-precision values).
  const Unit_Case cases[] = {
      {"USCS", Us_Pile(), 10.0, 100.0, false},
      {"SI", Si_Pile(), 0.04448220133781433, 0.011298480443656445, false},
      {"USCS LRFD", Us_Lrfd_Pile(), 20000.0, 100.0, true},
  };
  for (const Unit_Case& u : cases) {
    SCOPED_TRACE(u.name);
    const auto r = ormyx_test::Run_Engine(u.lrfd ? Lrfd_Input(u.pile) : Input(u.pile));
    ASSERT_EQ(r.status, 0) << r.report;
    const double EIp = EI(u.pile), k = Subgrade_k(u.pile), l = Lambda(k, EIp);
    ASSERT_GT(l * Length(u.pile), 8.0);
    const double K22 = 4.0 * EIp * l * l * l, K23 = 2.0 * EIp * l * l, K33 = 2.0 * EIp * l;
    const std::vector<std::string> rows = Lines_With(r.plot, "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    ASSERT_EQ(rows.size(), 10u);
    for (int j = 1; j <= 10; ++j) {
      const std::vector<double> v = Record_Values(rows[j - 1], 8);
      // E15.7 carries seven significant digits.
      EXPECT_NEAR(v[0], u.shear * Factor(j), 1e-6 * v[0]) << j;
      EXPECT_NEAR(v[1], u.moment * Factor(j), 1e-6 * v[1]) << j;
      // Within 0.5 % (0.1 % measured). The plot records carry the signed
      // terms: the head moment of a fixed-head pile opposes its shear, so
      // K32 = -M / y > 0, and K33 = -M / theta > 0 likewise.
      EXPECT_NEAR(v[2], K22, 0.005 * K22) << j;
      EXPECT_NEAR(v[3], K23, 0.005 * K23) << j;
      EXPECT_NEAR(v[4], K23, 0.005 * K23) << j;
      EXPECT_NEAR(v[5], K33, 0.005 * K33) << j;
      EXPECT_NEAR(v[6], v[0] / K22, 0.01 * v[0] / K22) << j;
      EXPECT_NEAR(v[7], v[1] / K33, 0.01 * v[1] / K33) << j;
    }
    // The report: heading, both tables with ten rows, no per-case report of
    // the synthetic cases and no progress lines for them.
    EXPECT_NE(r.report.find(std::string(80, '-') + "\n" + std::string(19, ' ') +
                            "Computed Pile-head Stiffness Matrix Values\n" + std::string(24, ' ') +
                            "K22, K23, K32, K33 for Pile Head\n" + std::string(30, ' ') +
                            "Based on Load Case 1\n" + std::string(80, '-') + "\n\n"
                            "  K22 = abs(Shear Reaction/Top y)\n"),
              std::string::npos);
    EXPECT_NE(r.report.find("  K23 = abs(Shear Reaction/Top Rotation) \n"
                            "  K33 = abs(Moment Reaction/Top Rotation)\n"),
              std::string::npos);
    EXPECT_EQ(Count_Containing(r.report, "Computed Values of Pile Loading and Deflection"), 1);
    EXPECT_EQ(Count_Containing(r.report, "  ------------  --------------  --------------"), 2);
    EXPECT_EQ(Count_Containing(r.plot, "Line 10("), u.pile.increments + 1);
    EXPECT_EQ(Count_Containing(r.message, "Computing lateral response of pile for load number"), 1);
    EXPECT_NE(r.message.find("Computing pile-head stiffness matrix components.\n\n"), std::string::npos);
    // The unit line of the deflection table.
    const std::string row_unit = u.pile.units == "SI" ? "     meters           kN             kN-m"
                                                      : "     inches          lbs            in-lbs";
    EXPECT_NE(r.report.find(row_unit), std::string::npos);

    // Load case 1 has its loading type, conditions and thrust back; the
    // synthetic cases remain in the records after it.
    const ormyx::Loading_Records& ld = ormyx::RS().prob.load;
    EXPECT_EQ(ld.Pile_Head_Load[1].i_LoadType, 1);
    EXPECT_EQ(ld.Pile_Head_Load[1].rd_Condition1, u.lrfd ? 20000.0 : 0.0);
    EXPECT_EQ(ld.Pile_Head_Load[1].rd_Condition2, 0.0);
    EXPECT_EQ(ld.Pile_Head_Load[2].i_LoadType, 2);
    EXPECT_EQ(ld.Pile_Head_Load[20].i_LoadType, 4);
    EXPECT_EQ(ld.i_Number_of_Loads, 1);
  }
}

// Generic units keep a zero reference load: every synthetic case stays
// undeflected, and the terms it would divide by zero are given as 0.
TEST(StiffnessMatrix, ZeroHeadMovementGivesUndefinedTermsAsZero) {
  Pile_In_Subgrade p = Us_Pile();
  p.units = "GENERAL";
  p.length = 1200.0;
  p.soil_bottom = 1500.0;
  const auto r = ormyx_test::Run_Engine(Input(p));
  ASSERT_EQ(r.status, 0) << r.report;
  const std::vector<std::string> rows = Lines_With(r.plot, "Line 14:");
  ASSERT_EQ(rows.size(), 10u);
  for (const std::string& row : rows)
    for (double v : Record_Values(row, 8)) EXPECT_EQ(v, 0.0) << row;
  EXPECT_NE(r.report.find("  K22 and K32 shown as 0 are undefined: the pile-head deflection is zero.\n"),
            std::string::npos);
  EXPECT_NE(r.report.find("  K23 and K33 shown as 0 are undefined: the pile-head rotation is zero.\n"),
            std::string::npos);
  EXPECT_EQ(r.report.find("nan"), std::string::npos);
  EXPECT_EQ(r.plot.find("nan"), std::string::npos);
}

// The soft-clay test pile with a rotational restraint of 5E8 in-lb/rad as
// load case 1: the synthetic moments rise to 5E8 in-lb, which the pile held
// against deflection at its head cannot carry (secant iteration does not
// settle within 100 iterations near 4E8 in-lb).
TEST(StiffnessMatrix, PileThatCannotCarryTheLoadsGivesTheErrorBlock) {
  std::string t = ormyx_test::Read_File(ormyx_test::Data_Path("us_soft_clay_two_layers.inp"));
  t.replace(t.find("ComputeKmatrix NO"), 17, "ComputeKmatrix YES");
  t.replace(t.find("1 1 10000.0 0.0 50000.0 1"), 25, "1 3 1000.0 5.0E8 0.0 1");
  const auto r = ormyx_test::Run_Engine(t);
  EXPECT_LE(r.status, 0) << r.report;
  const std::string head = "\n\n\n\nError in computing pile-head stiffness matrix\ni_Analysis = ";
  const auto at = r.report.find(head);
  ASSERT_NE(at, std::string::npos) << r.report;
  const int c = std::stoi(r.report.substr(at + head.size()));
  ASSERT_GE(c, 11);  // the shear cases are carried
  ASSERT_LE(c, 20);
  const std::string moment = ormyx::fmt::F(5.0e8 * Factor(c - 10), 14, 3);
  EXPECT_NE(r.report.find("i_Analysis = " + std::to_string(c) + "\nIteration Count = 100\n\n"
                          "Shear Force =          0.000\nMoment      = " + moment + "\n\n"),
            std::string::npos);
  EXPECT_EQ(r.report.find("Computed Pile-head Stiffness Matrix Values"), std::string::npos);
  EXPECT_EQ(Count_Containing(r.plot, "Line 14:"), 0);
  EXPECT_NE(r.report.find("The analysis ended normally. "), std::string::npos);
  EXPECT_EQ(ormyx::RS().prob.load.i_Number_of_Loads, 1);
}

// A synthetic case whose deflections become no numbers stops the run with
// runtime error 28 in the stiffness matrix's own words.
TEST(StiffnessMatrix, NotANumberStopsWithRuntimeError28) {
  using namespace solver_test;
  Setup_Elastic_Pile(1000.0, 100, 1.0e10);
  g_subgrade = 1000.0;
  Set_Load(1, 1000.0, 5000.0);
  RS().prob.opt.b_ComputeKmatrix = L_TRUE;
  RS().sol.lc.Soil_Moduli_Hook = [](int i) {
    Uniform_Subgrade(i);
    if (RS().sol.lc.i_CaseIndex != 3) return;
    Pile_Model& pm = RS().sol.pile;
    for (int k = 1; k <= pm.i_Number_of_Nodes; ++k)
      pm.rd_SoilModulus[k] = std::numeric_limits<double>::quiet_NaN();
  };
  Build_Pile_Nodes();
  Capture cap;
  Compute_Stiffness_Matrix();
  EXPECT_EQ(RS().status.i_ErrorNumber, 228);
  EXPECT_EQ(RS().prob.load.i_Number_of_Loads, 1);
  EXPECT_EQ(RS().sol.b_StiffnessMatrixRun, 0);
  EXPECT_EQ(cap.Report(),
            "**** Runtime Error No. 28 ****\n\nEither top deflection or maximum change in "
            "deflection is not a number after iteration 2\n");
  // The two cases before it were analysed with their synthetic loads.
  EXPECT_NEAR(RS().sol.Case_Summary_Record[2].rd_HeadShear, 1000.0 * std::log10(2.0), 1e-9);
  EXPECT_NEAR(RS().sol.Case_Summary_Record[2].rd_HeadSlope, 0.0, 1e-15);
}

}  // namespace
