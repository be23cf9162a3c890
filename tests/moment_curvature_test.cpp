// Moment-curvature computation checked against closed-form section values:
// the elastic stiffness and plastic moment of a steel pipe, the rectangular
// stress-block capacity of a reinforced concrete beam section, the uncracked
// stiffness of a drilled shaft, and the rules of the point loop, the nominal
// moment capacity, the thrust checks and the tables without slices.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_driver.h"
#include "section/section_model.h"
#include "tests/test_support.h"

namespace {

using namespace ormyx;

constexpr double PI = 3.141592653589793;

std::FILE* Memory_File() {
  std::FILE* fp = fmemopen(nullptr, 1 << 22, "w+");
  return fp ? fp : std::tmpfile();
}

std::string Channel_Text(Channel ch) {
  std::FILE* fp = RS().files.out[ch].fp;
  std::string s;
  if (!fp) return s;
  std::fflush(fp);
  std::rewind(fp);
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) s.append(buf, n);
  return s;
}

// A fresh run: units, analysis kind, report and plot in memory.
void Fresh(int iunits = US_UNITS, int analysis = ANALYSIS_EI_ONLY) {
  Reset_Run_State();
  RS().prob.opt.IUNITS = iunits;
  RS().prob.opt.i_Analysis_Type = analysis;
  RS().files.out[CH_REPORT].fp = Memory_File();
  RS().files.out[CH_PLOT].fp = Memory_File();
}

// The run's thrust list (kips or kN), ascending.
void Set_Thrusts(std::initializer_list<double> values) {
  Loading_Records& ld = RS().prob.load;
  int n = 0;
  for (double v : values) ld.Axial_Thrust_List[++n] = v;
  ld.i_Number_of_Thrusts = n;
}

// A new section of the given type at the bottom of the pile (length in inches).
Pile_Section_Record& Add_Section(int type, double length = 600.0) {
  Section_Records& sr = RS().prob.sec;
  const int s = ++sr.i_Number_of_Sections;
  Pile_Section_Record& p = sr.Pile_Section[s];
  p.i_SectionType = type;
  p.rd_Length = length;
  p.rd_XTop = s == 1 ? 0.0 : sr.Pile_Section[s - 1].rd_XBottom;
  p.rd_XBottom = p.rd_XTop + length;
  return p;
}

// Steel pipe, US customary input (in, psi).
Pile_Section_Record& Pipe(double D, double t, double Fy = 36000.0, double E = 29.0e6) {
  Pile_Section_Record& p = Add_Section(SECTION_STEEL_PIPE);
  p.rd_Diameter = D;
  p.rd_WallThickness = t;
  p.rd_SteelYieldStress = Fy;
  p.rd_SteelModulus = E;
  return p;
}

// Drilled shaft with n bars on a circle, bar 1 on the x axis.
Pile_Section_Record& Shaft(double D, int n, double d, double a, double cover, double fc = 4000.0,
                           double fy = 60000.0) {
  Pile_Section_Record& p = Add_Section(SECTION_DRILLED_SHAFT);
  p.rd_Diameter = D;
  p.rd_fc = fc;
  p.rd_MaxAggregateSize = 0.75;
  p.i_RebarArrangement = REBAR_CIRCLE;
  p.rd_BarYieldStress = fy;
  p.rd_BarModulus = 29.0e6;
  p.i_BarPositions = n;
  p.i_BarsPerPosition = 1;
  p.rd_BarDiameter = d;
  p.rd_BarArea = a;
  p.rd_ConcreteCover = cover;
  p.i_Number_of_Bars = n;
  const double R = (D - d) / 2.0 - cover;
  for (int b = 1; b <= n; ++b) {
    const double theta = 2.0 * PI * (b - 1) / n;
    p.Bar[b].rd_Diameter = d;
    p.Bar[b].rd_Area = a;
    p.Bar[b].rd_X = R * std::cos(theta);
    p.Bar[b].rd_Y = R * std::sin(theta);
  }
  return p;
}

// Rectangular pile b wide and h deep with one row of n bars whose centres
// lie at depth dd below the compression face (noncircular pattern).
Pile_Section_Record& Beam(double b, double h, int n, double d, double a, double dd, double fc = 4000.0,
                          double fy = 60000.0) {
  Pile_Section_Record& p = Add_Section(SECTION_RECTANGULAR_CONCRETE);
  p.rd_Diameter = h;
  p.rd_DepthOfSection = h;
  p.rd_WidthOfSection = b;
  p.rd_fc = fc;
  p.rd_MaxAggregateSize = 0.75;
  p.i_RebarArrangement = REBAR_NONCIRCULAR;
  p.rd_BarYieldStress = fy;
  p.rd_BarModulus = 29.0e6;
  p.i_Number_of_Bars = n;
  for (int k = 1; k <= n; ++k) {
    p.Bar[k].rd_Diameter = d;
    p.Bar[k].rd_Area = a;
    p.Bar[k].rd_X = n == 1 ? 0.0 : -b / 2.0 + 2.5 + (k - 1) * (b - 5.0) / (n - 1);
    p.Bar[k].rd_Y = h / 2.0 - dd;
    p.Bar[k].i_SizeCode = 8;
  }
  return p;
}

const Moment_Curvature_Point& Point(int t, int p) { return MC_State().point(t, p); }
int Points(int t) { return MC_State().i_Number_of_Points[t]; }

std::vector<std::string> Lines_Of(const std::string& text) { return ormyx_test::Split_Lines(text); }

// The run-message letters of every row of the point tables, in order: the
// rows follow the dashes of a table heading up to the next empty line.
std::vector<std::string> Row_Letters(const std::string& report) {
  std::vector<std::string> out;
  bool in_table = false;
  for (const std::string& l : Lines_Of(report)) {
    if (l.empty()) in_table = false;
    else if (in_table) out.push_back(l.substr(l.size() - 3));
    else if (l.rfind(" ------------- -------------", 0) == 0 && l.size() > 5 &&
             l.compare(l.size() - 5, 5, "  ---") == 0)
      in_table = true;
  }
  return out;
}

// ---- Closed-form checks ------------------------------------------------------

TEST(MomentCurvatureClosedForm, SteelPipeStiffnessAndPlasticMoment) {
  Fresh();
  Set_Thrusts({0.0});
  Pipe(24.0, 0.5);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const double I = PI / 64.0 * (std::pow(24.0, 4) - std::pow(23.0, 4));  // 2549.35 in^4
  const double EI = 29000.0 * I;                                          // kip-in^2
  const double Z = (std::pow(24.0, 3) - std::pow(23.0, 3)) / 6.0;          // 276.17 in^3
  const double Mp = 36.0 * Z;                                              // 9942 kip-in
  const int K = Points(1);
  ASSERT_GT(K, 10);
  EXPECT_NEAR(Point(1, 1).rd_EI / EI, 1.0, 0.002);
  // The loop ends at five times the yield strain: the section is almost fully plastic.
  EXPECT_NEAR(Point(1, K).rd_Moment / Mp, 1.0, 0.02);
  EXPECT_LE(Point(1, K).rd_Moment, Mp);
  EXPECT_GE(std::fabs(Point(1, K).rd_TensStrain), 5.0 * 36.0 / 29000.0);
  EXPECT_LT(std::fabs(Point(1, K - 1).rd_TensStrain), 5.0 * 36.0 / 29000.0);
  // Pipe: the step follows first yield, Mn is the last moment, Mn stored in lb-in.
  EXPECT_NEAR(MC_State().rd_CurvatureStep[1], double(1.7f) * 36.0 / 29000.0 / 12.0 / 80.0, 1e-15);
  EXPECT_DOUBLE_EQ(MC_State().rd_Mn[1], Point(1, K).rd_Moment);
  EXPECT_DOUBLE_EQ(RS().sol.mei.entry(1, 1).rd_Mn, 1000.0 * Point(1, K).rd_Moment);
}

TEST(MomentCurvatureClosedForm, RectangularBeamMatchesStressBlock) {
  // b = 12 in, h = 24 in, three #8 bars (2.37 in^2) at d = 21.5 in, f'c = 4 ksi, fy = 60 ksi.
  // Stress block: a = As fy / (0.85 f'c b) = 142.2 / 40.8 = 3.485 in;
  // Mn = As fy (d - a/2) = 142.2 (21.5 - 1.743) = 2809.5 kip-in.
  Fresh();
  Set_Thrusts({0.0});
  Beam(12.0, 24.0, 3, 1.0, 0.79, 21.5);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const double As = 3 * 0.79, a = As * 60.0 / (0.85 * 4.0 * 12.0);
  const double Mn_block = As * 60.0 * (21.5 - a / 2.0);
  EXPECT_NEAR(MC_State().rd_Mn[1] / Mn_block, 1.0, 0.015);
  EXPECT_DOUBLE_EQ(MC_State().rd_StrainAtMn[1], double(0.003f));
}

TEST(MomentCurvatureClosedForm, DrilledShaftUncrackedStiffness) {
  // 36 in shaft, twelve bars of 1.0 in^2 at cover 3 in, f'c = 4 ksi. The initial
  // tangent of the concrete law is 2 f'c / eps0 = Ec / 0.85; with bars replacing
  // concrete: EI0 = Ei Ig + (Es - Ei) sum(A y^2).
  Fresh();
  Set_Thrusts({0.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const double Ec = 57.0 * std::sqrt(4000.0);
  const double Ei = 2.0 * 4.0 / (double(1.7f) * 4.0 / Ec);
  const double Ig = PI * std::pow(36.0, 4) / 64.0;
  const double R = (36.0 - 1.128) / 2.0 - 3.0;
  const double Ay2 = 12 * 1.0 * R * R / 2.0;
  const double EI_transformed = Ei * Ig + (29000.0 - Ei) * Ay2;
  EXPECT_NEAR(Point(1, 1).rd_EI / EI_transformed, 1.0, 0.005);
  // Against the gross section at Ec the uncracked stiffness is some 30 % higher.
  EXPECT_GT(Point(1, 1).rd_EI / (Ec * Ig), 1.25);
  EXPECT_EQ(Point(1, 1).Run_Message_Letters.view(), "   ");
}

// ---- The point loop ----------------------------------------------------------------

TEST(MomentCurvaturePoints, CurvatureStepsAndBaseStep) {
  EXPECT_DOUBLE_EQ(fn_Base_Curvature_Step(36.0, US_UNITS), 6.25e-7);  // 1.5 rounds to 2
  EXPECT_DOUBLE_EQ(fn_Base_Curvature_Step(30.0, US_UNITS), 1.25e-6);  // 1.25 rounds to 1
  EXPECT_DOUBLE_EQ(fn_Base_Curvature_Step(12.0, US_UNITS), 1.25e-6);  // never below one
  EXPECT_DOUBLE_EQ(fn_Base_Curvature_Step(1.2, SI_UNITS), 4.921259901994065e-5 / 2.0);

  Fresh();
  Set_Thrusts({0.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  ASSERT_GE(Points(1), 120);
  const double D = 6.25e-7;
  for (auto [p, multiple] : std::vector<std::pair<int, double>>{{1, 1}, {39, 39}, {40, 41}, {80, 127},
                                                                  {120, 487}})
    EXPECT_NEAR(Point(1, p).rd_Curvature / D, multiple, 1e-9) << "point " << p;
  // The table is the one the lateral analysis reads.
  const MEI_Entry& e = RS().sol.mei.entry(1, 1);
  ASSERT_EQ(e.i_Number_of_Points, Points(1));
  EXPECT_DOUBLE_EQ(e.rd_Curvature[80], Point(1, 80).rd_Curvature);
  EXPECT_DOUBLE_EQ(e.rd_Moment[80], Point(1, 80).rd_Moment);
  // The loop ends at the crushing strain of the concrete.
  EXPECT_GE(Point(1, Points(1)).rd_CompStrain, double(0.0038f));
  EXPECT_LT(Point(1, Points(1) - 1).rd_CompStrain, double(0.0038f));
}

TEST(MomentCurvaturePoints, MomentKeepsItsPeakAfterCracking) {
  // A lightly reinforced shaft loses moment when it cracks: the table keeps
  // the cracking moment until the cracked section carries more.
  Fresh();
  Set_Thrusts({0.0});
  Shaft(36.0, 6, 0.75, 0.44, 3.0);
  Analyse_Nonlinear_Section(1);
  const int K = Points(1);
  int first_cracked = 0;
  for (int p = 1; p <= K && !first_cracked; ++p)
    if (Point(1, p).Run_Message_Letters.c[0] == 'C') first_cracked = p;
  ASSERT_GT(first_cracked, 1);
  EXPECT_DOUBLE_EQ(Point(1, first_cracked).rd_Moment, Point(1, first_cracked - 1).rd_Moment);
  for (int p = 2; p <= K; ++p) {
    EXPECT_GE(Point(1, p).rd_Moment, Point(1, p - 1).rd_Moment) << "point " << p;
    if (Point(1, p).rd_Moment == Point(1, p - 1).rd_Moment) {
      EXPECT_LT(Point(1, p).rd_EI, Point(1, p - 1).rd_EI) << "point " << p;
    }
  }
}

TEST(MomentCurvaturePoints, LettersCrackYieldAndTensionControl) {
  Fresh();
  Set_Thrusts({0.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  const int K = Points(1);
  const Moment_Curvature_Point& last = Point(1, K);
  EXPECT_EQ(last.Run_Message_Letters.view(), "CYT");
  // T needs a bar strain below -0.005 together with 0.003 at the compression face.
  for (int p = 1; p <= K; ++p) {
    const Moment_Curvature_Point& pt = Point(1, p);
    const bool T = pt.rd_BarTensileStrain < double(-0.005f) && pt.rd_CompStrain >= double(0.003f);
    EXPECT_EQ(pt.Run_Message_Letters.c[2] == 'T', T) << "point " << p;
  }
  // Yield once set stays set for the rest of the thrust.
  int first_yield = 0;
  for (int p = 1; p <= K && !first_yield; ++p)
    if (Point(1, p).Run_Message_Letters.c[1] == 'Y') first_yield = p;
  ASSERT_GT(first_yield, 0);
  for (int p = first_yield; p <= K; ++p) EXPECT_EQ(Point(1, p).Run_Message_Letters.c[1], 'Y');
  // The rows of the report carry the same letters.
  std::vector<std::string> rows = Row_Letters(Channel_Text(CH_REPORT));
  ASSERT_EQ(int(rows.size()), K);
  EXPECT_EQ(rows.back(), "CYT");
}

TEST(MomentCurvaturePoints, UnderReinforcedShaftRunsOutOfPoints) {
  // Four #3 bars in a 48 in shaft: the neutral axis rises to the face and the
  // compressive strain never reaches 0.003 within 150 points.
  Fresh();
  Set_Thrusts({0.0, 10.0});
  Shaft(48.0, 4, 0.375, 0.11, 3.0);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  for (int t = 1; t <= 2; ++t) {
    ASSERT_EQ(Points(t), 150);
    EXPECT_LT(Point(t, 150).rd_CompStrain, double(0.003f));
    // Mn falls back to the moment of point 149.
    EXPECT_DOUBLE_EQ(MC_State().rd_Mn[t], Point(t, 149).rd_Moment);
  }
  const std::string report = Channel_Text(CH_REPORT);
  EXPECT_EQ(ormyx_test::Count_Containing(report, "Warning: 150 values were calculated for moment-curvature."), 2);
  EXPECT_EQ(RS().status.i_WarningCount[305], 2);
  EXPECT_EQ(RS().status.i_WarningCount[355], 1);  // only the compressive thrust
}

TEST(MomentCurvaturePoints, GenericUnitsWorkInPoundsAndInches) {
  // Generic problems are analysed like US customary ones (F = lb, L = in):
  // the thrust list holds pounds and the table holds F-L and F-L^2.
  Fresh(US_UNITS);
  Set_Thrusts({0.0, 200.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  const MEI_Entry us = RS().sol.mei.entry(1, 2);
  Fresh(GENERIC_UNITS);
  Set_Thrusts({0.0, 200000.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const MEI_Entry& gen = RS().sol.mei.entry(1, 2);
  ASSERT_EQ(gen.i_Number_of_Points, us.i_Number_of_Points);
  EXPECT_DOUBLE_EQ(gen.rd_Mn, us.rd_Mn);
  for (int p : {1, 50, us.i_Number_of_Points}) {
    EXPECT_DOUBLE_EQ(gen.rd_Moment[p], 1000.0 * us.rd_Moment[p]);
    EXPECT_DOUBLE_EQ(gen.rd_EI[p], 1000.0 * us.rd_EI[p]);
    EXPECT_DOUBLE_EQ(gen.rd_Curvature[p], us.rd_Curvature[p]);
  }
}

// ---- Thrust values and their checks -------------------------------------------------

TEST(MomentCurvatureThrusts, BendingStiffnessOnlyKeepsValuesInsideTheCapacities) {
  Fresh();
  // P0 of a 36 in shaft is about 3.9E3 kips, T0 = -720 kips.
  Set_Thrusts({-1000.0, 0.0, 500.0, 5000.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const Loading_Records& ld = RS().prob.load;
  ASSERT_EQ(ld.i_Number_of_Thrusts, 2);
  EXPECT_EQ(ld.Axial_Thrust_List[1], 0.0);
  EXPECT_EQ(ld.Axial_Thrust_List[2], 500.0);
  EXPECT_EQ(MC_State().i_Number_of_Thrusts, 2);
  EXPECT_GT(RS().sol.mei.entry(1, 2).i_Number_of_Points, 0);
  EXPECT_EQ(RS().sol.mei.entry(1, 3).i_Number_of_Points, 0);
  const std::string report = Channel_Text(CH_REPORT);
  EXPECT_NE(report.find("The following computations were performed only for the axial thrust values in the valid range."),
            std::string::npos);
  EXPECT_NE(report.find("Number of Axial Thrust Force Values Determined from Input Data = 2"), std::string::npos);
  const std::string plot = Channel_Text(CH_PLOT);
  EXPECT_NE(plot.find("    2" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for EI-only computations"),
            std::string::npos);
}

TEST(MomentCurvatureThrusts, LateralAnalysisStopsOnAThrustOutsideTheCapacities) {
  struct Case {
    bool lrfd;
    double thrust;
    int error;
    const char* line;
  };
  const Case cases[] = {
      {false, 5000.0, 224, "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural capacity in compression."},
      {false, -1000.0, 225, "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural capacity in tension."},
      {true, 5000.0, 226, "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural capacity in compression."},
      {true, -1000.0, 227, "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the axial structural capacity in tension."},
  };
  for (const Case& c : cases) {
    Fresh(US_UNITS, ANALYSIS_LATERAL);
    Loading_Records& ld = RS().prob.load;
    RS().prob.opt.b_UseLRFD = c.lrfd ? L_TRUE : L_FALSE;
    if (c.thrust < 0) {
      Set_Thrusts({c.thrust, 0.0});
    } else {
      Set_Thrusts({0.0, c.thrust});
    }
    const int bad = c.thrust < 0 ? 1 : 2;
    // The offending thrust belongs to load case (combination) 2.
    ld.i_Number_of_Loads = 2;
    ld.Pile_Head_Load[1].rd_AxialThrust = 1000.0 * ld.Axial_Thrust_List[3 - bad];
    ld.Pile_Head_Load[2].rd_AxialThrust = 1000.0 * ld.Axial_Thrust_List[bad];
    ld.i_Number_of_LRFD_Combinations = 2;
    ld.LRFD_Factored_Load[1].i_ThrustIndex = 3 - bad;
    ld.LRFD_Factored_Load[2].i_ThrustIndex = bad;
    Shaft(36.0, 12, 1.128, 1.0, 3.0);
    Analyse_Nonlinear_Section(1);
    EXPECT_EQ(RS().status.i_ErrorNumber, c.error);
    const std::string report = Channel_Text(CH_REPORT);
    EXPECT_NE(report.find(c.line), std::string::npos) << c.error;
    EXPECT_NE(report.find("SOLUTION: Change the properties of the section to increase the axial structural capacity."),
              std::string::npos);
    EXPECT_EQ(RS().sol.mei.entry(1, 1).i_Number_of_Points, 0) << "nothing computed after the error";
  }
}

// ---- Sections without slices --------------------------------------------------------

TEST(MomentCurvatureTables, ElasticPlasticSection) {
  Fresh(US_UNITS, ANALYSIS_EI_ONLY);
  Set_Thrusts({0.0, 100.0});
  Pile_Section_Record& p = Add_Section(SECTION_ELASTIC_PLASTIC);
  p.rd_ElasticModulus = 29.0e6;
  p.rd_TopInertia = p.rd_BottomInertia = 1000.0;
  p.rd_TopPlasticMoment = p.rd_BottomPlasticMoment = 4.0e6;  // lb-in
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const double EIt = 29.0e9;  // lb-in^2
  for (int t = 1; t <= 2; ++t) {
    const MEI_Entry& e = RS().sol.mei.entry(1, t);
    ASSERT_EQ(e.i_Number_of_Points, 150);
    EXPECT_DOUBLE_EQ(e.rd_Mn, 4.0e6);
    EXPECT_NEAR(e.rd_Moment[100], 4000.0, 1e-9);  // kip-in, the yield point
    EXPECT_DOUBLE_EQ(e.rd_EI[100], EIt / 1000.0);
    EXPECT_NEAR(e.rd_Curvature[100], 4.0e6 / EIt, 1e-18);
    EXPECT_DOUBLE_EQ(e.rd_Moment[150], 4000.0);
    EXPECT_NEAR(e.rd_EI[150], EIt / 1000.0 / 11.0, 1e-3);
  }
  const std::string plot = Channel_Text(CH_PLOT);
  EXPECT_NE(plot.find("Line 3 : Total number of axial thrusts for elastic-plastic section"), std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(plot, "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2)"), 300);
  // The record of point 150 in the input units of its label.
  EXPECT_NE(plot.find("  0.4000000E+07  0.2636364E+10"), std::string::npos);
  EXPECT_NE(Channel_Text(CH_REPORT).find("Moment-curvature properties were derived from elastic-plastic section properties"),
            std::string::npos);
}

TEST(MomentCurvatureTables, ElasticSectionTableAndTaperedNodes) {
  // EIt = 1E6 lb-in^2 at the top, 3E6 at the bottom of a 100 in section: the
  // table is linear at EIt with Mn = 1500 EIt lb-in (point 150 at phi = 1500,
  // 1500 kip-in in the table); the nodes inside get EI interpolated along it.
  Fresh(US_UNITS, ANALYSIS_LATERAL);
  Set_Thrusts({0.0, 100.0});
  Pile_Section_Record& p = Add_Section(SECTION_ELASTIC, 100.0);
  p.rd_ElasticModulus = 1.0e6;
  p.rd_TopInertia = 1.0;
  p.rd_BottomInertia = 3.0;
  Pile_Model& pm = RS().sol.pile;
  pm.i_Number_of_Nodes = 5;
  for (int k = 1; k <= 5; ++k) pm.rd_X[k] = 25.0 * (k - 1);
  Analyse_Nonlinear_Section(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  for (int t = 1; t <= 2; ++t) {
    const MEI_Entry& e = RS().sol.mei.entry(1, t);
    ASSERT_EQ(e.i_Number_of_Points, 150);
    EXPECT_DOUBLE_EQ(e.rd_Mn, 1.5e9);
    EXPECT_DOUBLE_EQ(e.rd_Moment[150], 1.5e6);
    EXPECT_DOUBLE_EQ(e.rd_Curvature[7], 70.0);
    for (int j : {1, 75, 150}) EXPECT_DOUBLE_EQ(e.rd_EI[j], 1000.0);
  }
  for (auto [k, EI] : std::vector<std::pair<int, double>>{{1, 1.0e6}, {2, 1.5e6}, {3, 2.0e6}, {5, 3.0e6}})
    EXPECT_DOUBLE_EQ(pm.rd_EI[k], EI) << "node " << k;
  const std::vector<std::string> plot = Lines_Of(Channel_Text(CH_PLOT));
  ASSERT_EQ(plot.size(), 1u + 2u * 151u);
  EXPECT_EQ(plot[0], "    2" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for elastic section");
  EXPECT_EQ(plot[152].substr(0, 45), "  150" + std::string(10, ' ') + "  0.1000000E+03  0.1500000E+07");
  EXPECT_EQ(plot[152].substr(80),
            "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for "
            "linear EI pile at top of section");
}

TEST(MomentCurvatureTables, ElasticSectionsWithoutStiffnessAreRejected) {
  struct Case {
    int type;
    double E, It, Ib;
  };
  const Case cases[] = {
      {SECTION_ELASTIC, 0.0, 1000.0, 1000.0},
      {SECTION_ELASTIC, 29.0e6, 1000.0, 0.0},   // tapered to nothing at the bottom
      {SECTION_ELASTIC, 29.0e6, -1000.0, -1000.0},
      {SECTION_ELASTIC_PLASTIC, 29.0e6, 1000.0, 0.0},
  };
  for (const Case& c : cases) {
    Fresh(US_UNITS, ANALYSIS_LATERAL);
    Set_Thrusts({0.0});
    Pile_Section_Record& p = Add_Section(c.type);
    p.rd_ElasticModulus = c.E;
    p.rd_TopInertia = c.It;
    p.rd_BottomInertia = c.Ib;
    p.rd_TopPlasticMoment = p.rd_BottomPlasticMoment = 4.0e6;
    Pile_Model& pm = RS().sol.pile;
    pm.i_Number_of_Nodes = 3;
    for (int k = 1; k <= 3; ++k) pm.rd_X[k] = 300.0 * (k - 1);
    Analyse_Nonlinear_Section(1);
    EXPECT_EQ(RS().status.i_ErrorNumber, 147) << c.type << " " << c.Ib;
    EXPECT_EQ(RS().sol.mei.entry(1, 1).i_Number_of_Points, 0);
    EXPECT_EQ(pm.rd_EI[3], 0.0) << "no nodal stiffness set";
    EXPECT_NE(Channel_Text(CH_REPORT).find("**** Input Data Error No. 47 ****"), std::string::npos);
    EXPECT_EQ(Channel_Text(CH_PLOT), "");
  }
}

TEST(MomentCurvatureTables, ElasticPlasticSectionWithoutCapacityIsRejected) {
  Fresh();
  Set_Thrusts({0.0});
  Pile_Section_Record& p = Add_Section(SECTION_ELASTIC_PLASTIC);
  p.rd_ElasticModulus = 29.0e6;
  p.rd_TopInertia = 1000.0;
  p.rd_TopPlasticMoment = 0.0;
  Analyse_Nonlinear_Section(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 147);
  EXPECT_EQ(RS().sol.mei.entry(1, 1).i_Number_of_Points, 0);
}

// A user moment-EI level of n points (moments M0, M0 + dM, ...; stiffness falling).
void User_Level(Pile_Section_Record& p, int c, int n, double M0, double dM) {
  p.i_Number_of_UserEI_Points[c] = n;
  for (int k = 1; k <= n; ++k) {
    p.rd_UserEI_Moment(c, k) = M0 + (k - 1) * dM;
    p.rd_UserEI_EI(c, k) = 1.0e10 / k;
  }
}

TEST(MomentCurvatureTables, InputMomentEITableIsDensified) {
  struct Case {
    int n;
    double M0;
    int points;  // g q + 1, or n when not densified
  };
  const Case cases[] = {
      {4, 0.0, 145},     // 3 intervals of 48 steps
      {4, 1.0e5, 145},   // a zero-moment point in front: 4 intervals of 36 steps
      {1, 1.0e5, 150},   // one point and the point in front: 149 steps
      {50, 0.0, 99},     // (150 - 50) / 49 = 2 steps per interval
      {76, 0.0, 76},     // (150 - 76) / 75 = 0: stored as given
      {150, 0.0, 150},
  };
  for (const Case& c : cases) {
    Fresh();
    Set_Thrusts({0.0});
    Pile_Section_Record& p = Add_Section(SECTION_USER_EI);
    p.rd_Diameter = 24.0;
    p.b_UserEI_MomentVsEI = L_TRUE;
    p.i_Number_of_UserEI_Thrusts = 1;
    User_Level(p, 1, c.n, c.M0, 2.0e5);
    Analyse_Nonlinear_Section(1);
    ASSERT_EQ(RS().status.i_ErrorNumber, 0) << c.n;
    const MEI_Entry& e = RS().sol.mei.entry(1, 1);
    ASSERT_EQ(e.i_Number_of_Points, c.points) << c.n;
    // Mn is the largest input moment in lb-in; the table holds kip-in.
    const double Mmax = c.M0 + (c.n - 1) * 2.0e5;
    EXPECT_DOUBLE_EQ(e.rd_Mn, Mmax) << c.n;
    EXPECT_DOUBLE_EQ(e.rd_Moment[e.i_Number_of_Points], Mmax / 1000.0) << c.n;
    EXPECT_DOUBLE_EQ(e.rd_EI[e.i_Number_of_Points], 1.0e10 / c.n / 1000.0) << c.n;
    for (int k = 1; k <= e.i_Number_of_Points; ++k) {
      EXPECT_NEAR(e.rd_Curvature[k], e.rd_Moment[k] / e.rd_EI[k], 1e-12 * e.rd_Curvature[k]) << c.n << " point " << k;
      if (k > 1) {
        EXPECT_GE(e.rd_Moment[k], e.rd_Moment[k - 1]);
      }
    }
    if (c.n == 4 && c.M0 == 0.0) {  // point 2 is a 48th of the first interval
      EXPECT_DOUBLE_EQ(e.rd_Moment[2], 2.0e5 / 48.0 / 1000.0);
      EXPECT_DOUBLE_EQ(e.rd_EI[2], (1.0e10 + (5.0e9 - 1.0e10) / 48.0) / 1000.0);
    }
    if (c.M0 != 0.0 && c.points != c.n) {
      EXPECT_EQ(e.rd_Moment[1], 0.0);
      EXPECT_DOUBLE_EQ(e.rd_EI[1], 1.0e10 / 1000.0);
    }
  }
}

TEST(MomentCurvatureTables, InputMomentEITableNeedsALevelPerThrust) {
  Fresh(US_UNITS, ANALYSIS_LATERAL);
  Set_Thrusts({0.0, 50.0});
  Pile_Section_Record& p = Add_Section(SECTION_USER_EI);
  p.rd_Diameter = 24.0;
  p.i_Number_of_UserEI_Thrusts = 1;
  User_Level(p, 1, 4, 0.0, 2.0e5);
  Analyse_Nonlinear_Section(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 144);
}

// ---- Files and plot records -------------------------------------------------------------

TEST(MomentCurvatureFiles, OneFilePerSectionAndThrust) {
  Fresh();
  Set_Thrusts({0.0, 200.0});
  const std::string dir = ormyx_test::Make_Temp_Dir("mc-files");
  Run_Files& f = RS().files;
  for (int k = 1; k <= 6; ++k) Set_MEI_Report_File_Name(k, dir + "/mc_" + std::to_string(k) + ".txt");
  f.i_Number_of_MEI_Report_Files = 6;
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Add_Section(SECTION_ELASTIC);
  Pipe(24.0, 0.5);
  for (int s = 1; s <= 3; s += 2) Analyse_Nonlinear_Section(s);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  // Section s, thrust t -> name (s - 1) n + t; the elastic section writes none.
  for (int k : {1, 2, 5, 6}) EXPECT_TRUE(ormyx_test::File_Exists(dir + "/mc_" + std::to_string(k) + ".txt")) << k;
  for (int k : {3, 4}) EXPECT_FALSE(ormyx_test::File_Exists(dir + "/mc_" + std::to_string(k) + ".txt")) << k;
  const std::vector<std::string> lines = Lines_Of(ormyx_test::Read_File(dir + "/mc_6.txt"));
  ASSERT_EQ(int(lines.size()), Points(2));
  const Moment_Curvature_Point& last = Point(2, Points(2));
  EXPECT_EQ(lines.back().size(), 30u);
  EXPECT_NEAR(std::stod(lines.back().substr(0, 15)), last.rd_Moment * 1000.0, std::fabs(last.rd_Moment) * 1e-5);
  EXPECT_NEAR(std::stod(lines.back().substr(15)), last.rd_Curvature, last.rd_Curvature * 1e-7);
  EXPECT_EQ(lines.back().substr(0, 3), " 0.");
}

// A file left by an earlier run is overwritten in place: longer or shorter
// than the new text, it ends byte for byte as a file written afresh.
TEST(MomentCurvatureFiles, AnEarlierFileEndsAsAFreshOne) {
  std::string fresh[3];
  const std::string earlier[3] = {"", std::string(200000, 'x'), "short\n"};
  for (int pass = 0; pass < 2; ++pass) {
    Fresh();
    Set_Thrusts({0.0, 100.0, 200.0});
    const std::string dir = ormyx_test::Make_Temp_Dir("mc-rewrite");
    for (int k = 1; k <= 3; ++k) {
      const std::string name = dir + "/mc_" + std::to_string(k) + ".txt";
      if (pass == 1) ormyx_test::Write_File(name, earlier[k - 1]);
      Set_MEI_Report_File_Name(k, name);
    }
    RS().files.i_Number_of_MEI_Report_Files = 3;
    Shaft(36.0, 12, 1.128, 1.0, 3.0);
    Analyse_Nonlinear_Section(1);
    ASSERT_EQ(RS().status.i_ErrorNumber, 0);
    for (int k = 1; k <= 3; ++k) {
      const std::string text = ormyx_test::Read_File(dir + "/mc_" + std::to_string(k) + ".txt");
      ASSERT_FALSE(text.empty()) << k;
      if (pass == 0) fresh[k - 1] = text;
      else EXPECT_EQ(text, fresh[k - 1]) << k;
    }
  }
}

TEST(MomentCurvatureFiles, PlotRecordsOfEveryThrust) {
  Fresh();
  Set_Thrusts({0.0, 200.0});
  Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Analyse_Nonlinear_Section(1);
  const std::vector<std::string> plot = Lines_Of(Channel_Text(CH_PLOT));
  ASSERT_EQ(int(plot.size()), 1 + 2 + Points(1) + Points(2));
  EXPECT_EQ(plot[1].substr(0, 5), ormyx::fmt::I(Points(1), 5));
  EXPECT_EQ(plot[1].substr(80), "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1");
  EXPECT_EQ(plot[2].substr(80), "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1");
  const std::string& l4b = plot[2 + Points(1)];
  EXPECT_DOUBLE_EQ(std::stod(l4b.substr(15, 15)), 200.0);
  EXPECT_NEAR(std::stod(l4b.substr(30, 15)), MC_State().rd_Mn[2], MC_State().rd_Mn[2] * 1e-6);
}

}  // namespace
