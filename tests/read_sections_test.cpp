// The SECTIONS reader: section types, concrete, bars, strands, elastic and
// user EI lines, placement of bars and strands, SI conversions, property
// points, and the errors of bad section data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/read_sections_detail.h"
#include "input/reader.h"
#include "input/tokenizer.h"
#include "tests/test_support.h"

namespace {

using namespace ormyx;

std::string Join(std::initializer_list<std::string> lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

struct Read_Result {
  int32_t error = 0;
  std::string report;
  std::string message;
  std::string next_line;  // the first line after those the reader took
};

// Read `text` as the lines after a SECTIONS keyword line, in unit system `iunits`.
// With reset false the records of an earlier read are kept (a second SECTIONS).
Read_Result Read(const std::string& text, int32_t iunits = US_UNITS, bool reset = true) {
  if (reset) Reset_Run_State();
  RS().status.i_ErrorNumber = 0;
  RS().prob.opt.IUNITS = iunits;
  const std::string dir = ormyx_test::Make_Temp_Dir("sections");
  const std::string input = dir + "/input.inp";
  ormyx_test::Write_File(input, text);
  EXPECT_TRUE(Open_Output(CH_REPORT, dir + "/report.out"));
  EXPECT_TRUE(Open_Output(CH_MESSAGE, dir + "/run.msg"));
  RS().files.input = std::fopen(input.c_str(), "rb");
  EXPECT_NE(RS().files.input, nullptr);
  Input_Begin();
  Read_Sections();
  Read_Result r;
  if (!Read_Text_Line(r.next_line)) r.next_line = "(end of file)";
  Close_Output(CH_REPORT);
  Close_Output(CH_MESSAGE);
  std::fclose(RS().files.input);
  RS().files.input = nullptr;
  r.error = RS().status.i_ErrorNumber;
  r.report = ormyx_test::Read_File(dir + "/report.out");
  r.message = ormyx_test::Read_File(dir + "/run.msg");
  std::filesystem::remove_all(dir);
  return r;
}

const Pile_Section_Record& Sec(int h) { return RS().prob.sec.Pile_Section[h]; }
const Section_Property_Point& Point(int k) { return RS().prob.sec.Section_Property_Points[k]; }

// Frequently used line groups.
const std::string CONCRETE = Join({"4000.", "0.75", "Use default concrete tensile strength",
                                   "Use internal stress-strain curve for concrete"});
const std::string NO_REBAR = Join({"No rebar"});
// Grade 1 size 3 (0.5 in), 12 strands, cover 3 in, square arrangement 1.
const std::string AUTO_STRANDS =
    Join({"Autoposition strands", "1", "3", "12", "300000.", "0.2", "3.0", "1"});

std::string One_Section(int code, const std::string& lines) {
  return Join({"1", "1", std::to_string(code)}) + lines;
}

// ---------------------------------------------------------------------------
// Steel pipe: area and moment of inertia against the closed form of a ring.

TEST(ReadSections, SteelPipeAreaAndInertiaFromClosedForm) {
  Read_Result r = Read(One_Section(4, Join({"40.", "24.", "0.5", "36000.", "29000000."})));
  ASSERT_EQ(r.error, 0) << r.report;
  const double D = 24.0, Di = 23.0;
  const double area = M_PI / 4.0 * (D * D - Di * Di);
  const double inertia = M_PI / 64.0 * (std::pow(D, 4) - std::pow(Di, 4));
  for (int k : {1, 2}) {
    EXPECT_NEAR(Point(k).rd_Area, area, 1e-12 * area);
    EXPECT_NEAR(Point(k).rd_Inertia, inertia, 1e-12 * inertia);
    // The figures worked with the stated constants.
    EXPECT_DOUBLE_EQ(Point(k).rd_Area, 36.91371367968007);
    EXPECT_DOUBLE_EQ(Point(k).rd_Inertia, 2549.3533510029047);
    EXPECT_EQ(Point(k).rd_Modulus, 29000000.0);
    EXPECT_EQ(Point(k).rd_Diameter, 24.0);
  }
  EXPECT_EQ(Sec(1).rd_WallThickness, 0.5);
  EXPECT_EQ(Sec(1).rd_SteelYieldStress, 36000.0);
}

// ---------------------------------------------------------------------------
// Depths of a stack of sections and their conversion from feet to inches.

TEST(ReadSections, DepthsStackAndConvertFeetToInches) {
  std::string text = Join({"3"}) + Join({"1", "1", "20.", "36."}) + CONCRETE + NO_REBAR +
                     Join({"2", "4", "30.", "24.", "0.5", "36000.", "29000000."}) +
                     Join({"3", "14", "5."});
  Read_Result r = Read(text);
  ASSERT_EQ(r.error, 0) << r.report;
  const auto& s = RS().prob.sec;
  EXPECT_EQ(s.i_Number_of_Sections, 3);
  EXPECT_EQ(s.i_Number_of_Section_Points, 6);
  const double depth[] = {0, 20, 20, 50, 50, 55};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(Point(k).rd_X, depth[k - 1]) << k;
  EXPECT_EQ(s.rd_PileLength, 55.0);
  EXPECT_EQ(Sec(2).rd_XTop, 20.0);
  EXPECT_EQ(Sec(2).rd_XBottom, 50.0);
  EXPECT_EQ(Point(5).rd_Diameter, 0.0);  // a micropile has no diameter

  Convert_US_Section_Units();
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(Point(k).rd_X, 12.0 * depth[k - 1]) << k;
  EXPECT_EQ(s.rd_PileLength, 660.0);
  EXPECT_EQ(Sec(2).rd_Length, 360.0);
  EXPECT_EQ(Sec(2).rd_XTop, 240.0);
  EXPECT_EQ(Sec(2).rd_XBottom, 600.0);
  EXPECT_EQ(Sec(1).rd_Diameter, 36.0);  // cross-section dimensions stay in inches

  // SI and generic lengths are not converted.
  Read(Join({"1", "1", "14", "5."}), SI_UNITS);
  Convert_US_Section_Units();
  EXPECT_EQ(RS().prob.sec.rd_PileLength, 5.0);
}

// ---------------------------------------------------------------------------
// One small fragment per section type: stored type, principal dimension and
// the face width of the property points.

struct Type_Case {
  const char* name;
  int code;
  std::string lines;
  int type;
  double diameter;
  double point_diameter;
};

TEST(ReadSections, EveryTypeFromSmallFragments) {
  const std::vector<Type_Case> cases = {
      {"rectangular", 0, Join({"10.", "30.", "18."}) + CONCRETE + NO_REBAR, 0, 30.0, 18.0},
      {"drilled shaft", 1, Join({"10.", "36."}) + CONCRETE + NO_REBAR, 1, 36.0, 36.0},
      {"cased shaft", 2, Join({"10.", "48.", "0.5", "36000.", "29e6"}) + CONCRETE + NO_REBAR, 2,
       48.0, 48.0},
      {"cased shaft, filled core", 3,
       Join({"10.", "48.", "0.5", "36000.", "29e6", "20.", "0.375", "50000.", "29e6"}) + CONCRETE +
           NO_REBAR,
       3, 48.0, 48.0},
      {"steel pipe", 4, Join({"10.", "24.", "0.5", "36000.", "29e6"}), 4, 24.0, 24.0},
      {"circular prestressed", 5, Join({"10.", "24."}) + CONCRETE + AUTO_STRANDS, 5, 24.0, 24.0},
      {"hollow circular", 6, Join({"10.", "36.", "20."}) + CONCRETE + AUTO_STRANDS, 6, 36.0, 36.0},
      {"square", 7, Join({"10.", "24.", "1."}) + CONCRETE + AUTO_STRANDS, 7, 24.0, 24.0},
      {"hollow square", 8, Join({"10.", "30.", "12.", "1."}) + CONCRETE + AUTO_STRANDS, 8, 30.0,
       30.0},
      {"octagonal", 9, Join({"10.", "24."}) + CONCRETE + AUTO_STRANDS, 9, 24.0, 24.0},
      {"hollow octagonal", 10, Join({"10.", "30.", "11."}) + CONCRETE + AUTO_STRANDS, 10, 30.0,
       30.0},
      {"elastic, circular", 11,
       Join({"10.", "2", "3e6", "16.", "14.", "201.", "154.", "3217.", "1886."}), 11, 16.0, 16.0},
      {"elastic-plastic, circular", 12,
       Join({"10.", "2", "3e6", "9e6", "8e6", "16.", "14.", "201.", "154.", "3217.", "1886."}), 12,
       16.0, 16.0},
      {"user EI", 13, Join({"10.", "30.", "1", "0.", "2", "0.", "1e10", "1e6", "5e9"}), 13, 30.0,
       30.0},
      {"micropile", 14, Join({"10."}), 14, 0.0, 0.0},
  };
  for (const Type_Case& c : cases) {
    SCOPED_TRACE(c.name);
    Read_Result r = Read(One_Section(c.code, c.lines) + "END\n");
    ASSERT_EQ(r.error, 0) << r.report;
    EXPECT_EQ(Sec(1).i_SectionType, c.type);
    EXPECT_EQ(Sec(1).rd_Length, 10.0);
    EXPECT_EQ(Sec(1).rd_Diameter, c.diameter);
    EXPECT_EQ(Point(1).rd_Diameter, c.point_diameter);
    EXPECT_EQ(RS().prob.sec.rd_PileLength, 10.0);
    EXPECT_EQ(r.next_line, "END");  // every line of the fragment was taken, and no more
  }
}

// The reader stops exactly after the last line of a section: a following
// section number is read as such (two sections of different kinds).
TEST(ReadSections, SectionLinesEndWhereTheNextSectionBegins) {
  std::string text = Join({"2"}) + Join({"1", "12", "10.", "5", "3e6", "9e6", "20.", "18.",
                                         "1.0", "0.75", "30.", "28."}) +
                     Join({"2", "-13", "10.", "30.", "2", "100.", "1", "5.", "0.001", "200.", "1",
                           "6.", "0.002"}) + "END\n";
  Read_Result r = Read(text);
  EXPECT_EQ(r.next_line, "END");
  ASSERT_EQ(r.error, 0) << r.report;
  const Pile_Section_Record& e = Sec(1);
  EXPECT_EQ(e.i_ShapeCode, ELASTIC_SHAPE_WEAK_H_PILE);
  EXPECT_EQ(e.rd_TopPlasticMoment, 9e6);
  EXPECT_EQ(e.rd_BottomPlasticMoment, 9e6);
  EXPECT_EQ(e.rd_FlangeWidth, 20.0);
  EXPECT_EQ(e.rd_TopDepth, 18.0);
  EXPECT_EQ(e.rd_BottomDepth, 18.0);
  EXPECT_EQ(e.rd_FlangeThickness, 1.0);
  EXPECT_EQ(e.rd_WebThickness, 0.75);
  EXPECT_EQ(e.rd_BottomArea, 30.0);
  EXPECT_EQ(e.rd_BottomInertia, 28.0);
  EXPECT_EQ(Point(2).rd_Diameter, 18.0);  // weak axis: the section depth faces the soil
  EXPECT_EQ(Point(2).rd_Inertia, 28.0);
  EXPECT_EQ(Point(1).rd_Modulus, 3e6);
  const Pile_Section_Record& u = Sec(2);
  EXPECT_EQ(u.i_Number_of_UserEI_Thrusts, 2);
  EXPECT_EQ(u.rd_UserEI_Thrust[2], 200.0);
  EXPECT_EQ(u.rd_UserEI_Moment(2, 1), 6.0);
  EXPECT_EQ(u.rd_UserEI_Curvature(2, 1), 0.002);
  EXPECT_EQ(Point(3).rd_X, 10.0);
  EXPECT_EQ(Point(4).rd_Diameter, 30.0);
}

// ---------------------------------------------------------------------------
// Sign variants of the type code.

TEST(ReadSections, SignVariantsOfTypes3And13) {
  const std::string cased = Join({"10.", "48.", "0.5", "36000.", "29e6", "20.", "0.375",
                                  "50000.", "29e6"}) + CONCRETE + NO_REBAR;
  ASSERT_EQ(Read(One_Section(3, cased)).error, 0);
  EXPECT_EQ(Sec(1).b_FillCoreWithConcrete, L_TRUE);
  EXPECT_EQ(Sec(1).rd_CoreDiameter, 20.0);
  EXPECT_EQ(Sec(1).rd_CoreModulus, 29e6);
  ASSERT_EQ(Read(One_Section(-3, cased)).error, 0);
  EXPECT_EQ(Sec(1).i_SectionType, 3);
  EXPECT_EQ(Sec(1).b_FillCoreWithConcrete, L_FALSE);

  const std::string ei = Join({"10.", "30.", "2", "0.", "2", "1e6", "2e10", "2e6", "1e10", "500.",
                               "1", "3e6", "8e9"});
  ASSERT_EQ(Read(One_Section(13, ei)).error, 0);
  const Pile_Section_Record& a = Sec(1);
  EXPECT_EQ(a.b_UserEI_MomentVsEI, L_TRUE);
  EXPECT_EQ(a.b_UserEI_MomentVsCurvature, L_FALSE);
  EXPECT_EQ(a.i_Number_of_UserEI_Thrusts, 2);
  EXPECT_EQ(a.i_Number_of_UserEI_Points[1], 2);
  EXPECT_EQ(a.i_Number_of_UserEI_Points[2], 1);
  EXPECT_EQ(a.rd_UserEI_Thrust[2], 500.0);
  EXPECT_EQ(a.rd_UserEI_Moment(1, 2), 2e6);
  EXPECT_EQ(a.rd_UserEI_EI(1, 2), 1e10);
  EXPECT_EQ(a.rd_UserEI_EI(2, 1), 8e9);
  EXPECT_EQ(a.rd_UserEI_Curvature(1, 2), 0.0);

  ASSERT_EQ(Read(One_Section(-13, ei)).error, 0);
  const Pile_Section_Record& b = Sec(1);
  EXPECT_EQ(b.i_SectionType, 13);
  EXPECT_EQ(b.b_UserEI_MomentVsEI, L_FALSE);
  EXPECT_EQ(b.b_UserEI_MomentVsCurvature, L_TRUE);
  EXPECT_EQ(b.rd_UserEI_Curvature(1, 2), 1e10);
  EXPECT_EQ(b.rd_UserEI_EI(1, 2), 0.0);
}

// ---------------------------------------------------------------------------
// Strands on a square: layouts worked by hand. W = 2(a + c) with d = 0.

struct Square_Case {
  int N;
  int arrangement;
  double a;
  std::vector<std::pair<double, double>> xy;
};

TEST(PlaceStrandsOnSquare, LayoutsByHand) {
  const std::vector<Square_Case> cases = {
      {16, 1, 10.0, {{-10, -10}, {-5, -10}, {0, -10}, {5, -10}, {10, -10},  // bottom row
                     {10, -5}, {10, 0}, {10, 5},                            // right side
                     {10, 10}, {5, 10}, {0, 10}, {-5, 10}, {-10, 10},       // top row
                     {-10, 5}, {-10, 0}, {-10, -5}}},                       // left side
      {12, 1, 9.0, {{-9, -9}, {-3, -9}, {3, -9}, {9, -9}, {9, -3}, {9, 3},
                    {9, 9}, {3, 9}, {-3, 9}, {-9, 9}, {-9, 3}, {-9, -3}}},
      {12, 2, 9.0, {{-9, -9}, {-3, -9}, {3, -9}, {9, -9}, {9, -3}, {9, 3},
                    {9, 9}, {3, 9}, {-3, 9}, {-9, 9}, {-9, 3}, {-9, -3}}},
      {10, 1, 9.0, {{-9, -9}, {-3, -9}, {3, -9}, {9, -9}, {9, 0},
                    {9, 9}, {3, 9}, {-3, 9}, {-9, 9}, {-9, 0}}},
      {10, 2, 9.0, {{-9, -9}, {0, -9}, {9, -9}, {9, -3}, {9, 3},
                    {9, 9}, {0, 9}, {-9, 9}, {-9, 3}, {-9, -3}}},
      {9, 1, 6.0, {{-6, -6}, {0, -6}, {6, -6}, {6, 0}, {6, 6}, {0, 6}, {-6, 6}, {-6, 0}, {0, 0}}},
      {4, 1, 5.0, {{-5, -5}, {5, -5}, {5, 5}, {-5, 5}}},
      {1, 1, 5.0, {{0, 0}}},
  };
  for (const Square_Case& c : cases) {
    SCOPED_TRACE("N = " + std::to_string(c.N) + ", arrangement " + std::to_string(c.arrangement));
    Coordinate_List x, y;
    x.fill(99.0);
    y.fill(99.0);
    const double cover = 1.0;
    ASSERT_EQ(fn_Square_Geometry_Fault(2.0 * (c.a + cover), cover, 0.0, c.N), nullptr);
    Place_Strands_On_Square(x, y, 2.0 * (c.a + cover), cover, 0.0, c.N, c.arrangement);
    for (int i = 1; i <= c.N; ++i) {
      EXPECT_NEAR(x[i], c.xy[i - 1].first, 1e-12) << "strand " << i;
      EXPECT_NEAR(y[i], c.xy[i - 1].second, 1e-12) << "strand " << i;
    }
    EXPECT_EQ(x[c.N + 1], 99.0);  // entries beyond the strands are left alone
  }
}

// Through the reader: a 24-in square pile, 12 strands of 0.5 in, cover 3 in,
// so the half-side is (24 - 0.5)/2 - 3 = 8.75 and the pitch 17.5/3.
TEST(ReadSections, AutopositionedStrandsOnSquare) {
  ASSERT_EQ(Read(One_Section(7, Join({"40.", "24.", "0."}) + CONCRETE + AUTO_STRANDS)).error, 0);
  const Pile_Section_Record& p = Sec(1);
  EXPECT_EQ(p.i_StrandPositioning, STRANDS_AUTO);
  EXPECT_EQ(p.i_Number_of_Strands, 12);
  EXPECT_EQ(p.rd_StrandDiameter, 0.5);
  EXPECT_EQ(p.rd_StrandArea, double(0.153f));
  EXPECT_EQ(p.rd_Strand_fpu, 270000.0);
  EXPECT_EQ(p.rd_StrandModulus, 28000.0);
  EXPECT_EQ(p.rd_InitialPrestressForce, 300000.0);
  EXPECT_EQ(p.rd_PrestressLossFraction, 0.2);
  EXPECT_EQ(p.rd_StrandCover, 3.0);
  EXPECT_NEAR(p.Strand[1].rd_X, -8.75, 1e-12);
  EXPECT_NEAR(p.Strand[2].rd_X, -8.75 + 17.5 / 3.0, 1e-12);
  EXPECT_NEAR(p.Strand[5].rd_Y, -8.75 + 17.5 / 3.0, 1e-12);
  EXPECT_NEAR(p.Strand[12].rd_X, -8.75, 1e-12);
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(p.Strand[i].rd_Area, double(0.153f));
    EXPECT_EQ(p.Strand[i].i_Grade, 1);
    EXPECT_EQ(p.Strand[i].i_SizeCode, 3);
  }
}

// ---------------------------------------------------------------------------
// Bars on a circle: positions worked by hand.

TEST(PlaceBarsInCircle, EightBarsOnRadius14_5) {
  // D = 36, cover 3, d = 1: R = (36 - 1)/2 - 3 = 14.5, bars every 45 degrees.
  Coordinate_List x, y;
  Place_Bars_In_Circle(x, y, 36.0, 3.0, 1.0, 8, 1);
  const double s = 14.5 / std::sqrt(2.0);
  const double ex[] = {14.5, s, 0, -s, -14.5, -s, 0, s};
  const double ey[] = {0, s, 14.5, s, 0, -s, -14.5, -s};
  for (int i = 1; i <= 8; ++i) {
    EXPECT_NEAR(x[i], ex[i - 1], 1e-12) << i;
    EXPECT_NEAR(y[i], ey[i - 1], 1e-12) << i;
  }
  EXPECT_EQ(x[9], 0.0);
}

TEST(PlaceBarsInCircle, GroupsOfTwoAndThreeBars) {
  Coordinate_List x, y;
  // One position of two bars: side by side at the centre.
  Place_Bars_In_Circle(x, y, 36.0, 3.0, 1.0, 1, 2);
  EXPECT_EQ(x[1], -0.5);
  EXPECT_EQ(x[2], 0.5);
  EXPECT_EQ(y[1], 0.0);
  EXPECT_EQ(y[2], 0.0);
  // A single bar sits at the centre.
  Place_Bars_In_Circle(x, y, 36.0, 3.0, 1.0, 1, 1);
  EXPECT_EQ(x[1], 0.0);
  EXPECT_EQ(y[1], 0.0);
  // Bundles of three: on a large circle (where the arc is nearly straight)
  // the bars of a bundle touch each other; each bundle is centred on its
  // position angle with its inner bar d*sqrt(3)/2 inside the circle.
  const double d = 1.0, R = 996.5;
  Place_Bars_In_Circle(x, y, 2000.0, 3.0, d, 4, 3);
  for (int i = 1; i <= 4; ++i) {
    const int k = 3 * (i - 1);
    const double theta = (i - 1) * M_PI / 2.0;
    auto dist = [&](int a, int b) { return std::hypot(x[a] - x[b], y[a] - y[b]); };
    EXPECT_NEAR(dist(k + 1, k + 2), d, 2e-4);
    EXPECT_NEAR(dist(k + 1, k + 3), d, 2e-4);
    EXPECT_NEAR(dist(k + 2, k + 3), d, 2e-4);
    EXPECT_NEAR(std::hypot(x[k + 1], y[k + 1]), R, 1e-12);
    EXPECT_NEAR(std::hypot(x[k + 3], y[k + 3]), R - d * std::sqrt(3.0) / 2.0, 1e-12);
    EXPECT_NEAR(std::atan2(y[k + 3], x[k + 3]), std::atan2(std::sin(theta), std::cos(theta)), 1e-12);
  }
}

TEST(ReadSections, RebarInCircleWithCageOffset) {
  const std::string bars = Join({"Rebar Arrangement Not Same As Section Above", "Rebar in circle",
                                 "60000.", "29000000.", "8", "1", "1.0", "0.79", "3.0", "2.0"});
  Read_Result r = Read(One_Section(1, Join({"50.", "36."}) + CONCRETE + bars));
  ASSERT_EQ(r.error, 0) << r.report;
  const Pile_Section_Record& p = Sec(1);
  EXPECT_EQ(p.i_RebarArrangement, REBAR_CIRCLE);
  EXPECT_EQ(p.b_RebarSameAsAbove, L_FALSE);
  EXPECT_EQ(p.i_Number_of_Bars, 8);
  EXPECT_EQ(p.i_BarPositions, 8);
  EXPECT_EQ(p.i_BarsPerPosition, 1);
  EXPECT_EQ(p.rd_BarYieldStress, 60000.0);
  EXPECT_EQ(p.rd_BarModulus, 29000000.0);
  EXPECT_EQ(p.rd_ConcreteCover, 3.0);
  EXPECT_EQ(p.rd_CageOffset, 2.0);
  EXPECT_EQ(p.rd_fc, 4000.0);
  EXPECT_EQ(p.rd_MaxAggregateSize, 0.75);
  EXPECT_NEAR(p.Bar[1].rd_X, 14.5, 1e-12);
  EXPECT_NEAR(p.Bar[1].rd_Y, 2.0, 1e-12);  // the offset moves every bar in y
  EXPECT_NEAR(p.Bar[3].rd_X, 0.0, 1e-12);
  EXPECT_NEAR(p.Bar[3].rd_Y, 16.5, 1e-12);
  EXPECT_NEAR(p.Bar[7].rd_Y, -12.5, 1e-12);
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(p.Bar[i].rd_Diameter, 1.0);
    EXPECT_EQ(p.Bar[i].rd_Area, 0.79);
  }
}

TEST(ReadSections, NoncircularBarsAndInputConcreteCurve) {
  const std::string concrete =
      Join({"5000.", "1.0", "Override concrete tensile strength", "500.",
            "Input stress-strain curve for concrete", "3", "1 0. 0.", "2 0.001, 3000.",
            "3 0.003 5000."});
  const std::string bars = Join({"Rebar Arrangement Same As Section Above",
                                 "Rebar in noncircular pattern", "60000.", "29e6", "2",
                                 "1 8 1.0 0.79 -5. -12.", "2 9 1.128 1.0 5. 12."});
  Read_Result r = Read(One_Section(0, Join({"30.", "30.", "18."}) + concrete + bars));
  ASSERT_EQ(r.error, 0) << r.report;
  const Pile_Section_Record& p = Sec(1);
  EXPECT_EQ(p.b_OverrideTensileStrength, L_TRUE);
  EXPECT_EQ(p.rd_TensileStrength, 500.0);
  EXPECT_EQ(p.b_InputStressStrainCurve, L_TRUE);
  EXPECT_EQ(p.i_Number_of_StressStrain_Points, 3);
  EXPECT_EQ(p.rd_StressStrain_Value1[2], 0.001);
  EXPECT_EQ(p.rd_StressStrain_Value2[3], 5000.0);
  EXPECT_EQ(p.b_RebarSameAsAbove, L_TRUE);
  EXPECT_EQ(p.i_RebarArrangement, REBAR_NONCIRCULAR);
  EXPECT_EQ(p.i_Number_of_Bars, 2);
  EXPECT_EQ(p.Bar[2].i_SizeCode, 9);
  EXPECT_EQ(p.Bar[2].rd_Diameter, 1.128);
  EXPECT_EQ(p.Bar[1].rd_X, -5.0);
  EXPECT_EQ(p.Bar[1].rd_Y, -12.0);
  EXPECT_EQ(p.rd_DepthOfSection, 30.0);
  EXPECT_EQ(p.rd_WidthOfSection, 18.0);
}

// ---------------------------------------------------------------------------
// SI: mm to m, mm2 to m2, mm4 to m4; lengths and stresses as given.

TEST(ReadSections, SiDimensionsFromMillimetres) {
  const std::string concrete = Join({"27580.", "19.", "Use default concrete tensile strength",
                                     "Use internal stress-strain curve for concrete"});
  const std::string bars = Join({"Rebar Arrangement Not Same As Section Above", "Rebar in circle",
                                 "414000.", "2e8", "10", "1", "25.", "491.", "75.", "0."});
  std::string text = Join({"3"}) + Join({"1", "1", "12.", "900."}) + concrete + bars +
                     Join({"2", "11", "6.", "3", "2e8", "600.", "500.", "10.", "8.", "18535.",
                           "12365.", "7.9e8", "3.7e8"}) +
                     Join({"3", "8", "6.", "600.", "300.", "25."}) + concrete +
                     Join({"Manually-positioned strands", "1", "2", "1500.", "0.2",
                           "1 1 3 -200. 0.", "2 0 5 200. 50."});
  Read_Result r = Read(text, SI_UNITS);
  ASSERT_EQ(r.error, 0) << r.report;
  const Pile_Section_Record& a = Sec(1);
  EXPECT_DOUBLE_EQ(a.rd_Diameter, 0.9);
  EXPECT_DOUBLE_EQ(a.rd_MaxAggregateSize, 0.019);
  EXPECT_EQ(a.rd_fc, 27580.0);
  EXPECT_DOUBLE_EQ(a.rd_BarDiameter, 0.025);
  EXPECT_DOUBLE_EQ(a.Bar[4].rd_Area, 491e-6);
  EXPECT_DOUBLE_EQ(a.rd_ConcreteCover, 0.075);
  EXPECT_NEAR(a.Bar[1].rd_X, (0.9 - 0.025) / 2 - 0.075, 1e-15);
  EXPECT_EQ(a.rd_Length, 12.0);

  const Pile_Section_Record& b = Sec(2);
  EXPECT_EQ(b.rd_ElasticModulus, 2e8);
  EXPECT_DOUBLE_EQ(b.rd_TopWidth, 0.6);
  EXPECT_DOUBLE_EQ(b.rd_TopWallThickness, 0.010);
  EXPECT_DOUBLE_EQ(b.rd_BottomWallThickness, 0.008);
  EXPECT_DOUBLE_EQ(b.rd_TopArea, 0.018535);
  EXPECT_DOUBLE_EQ(b.rd_TopInertia, 7.9e-4);
  EXPECT_DOUBLE_EQ(Point(4).rd_Inertia, 3.7e-4);
  EXPECT_DOUBLE_EQ(Point(4).rd_Diameter, 0.5);
  EXPECT_EQ(Point(4).rd_X, 18.0);

  const Pile_Section_Record& c = Sec(3);
  EXPECT_DOUBLE_EQ(c.rd_Diameter, 0.6);
  EXPECT_DOUBLE_EQ(c.rd_VoidDiameter, 0.3);
  EXPECT_DOUBLE_EQ(c.rd_Chamfer, 0.025);
  EXPECT_EQ(c.i_StrandPositioning, STRANDS_MANUAL);
  EXPECT_DOUBLE_EQ(c.Strand[1].rd_X, -0.2);
  EXPECT_DOUBLE_EQ(c.Strand[2].rd_Y, 0.05);
  // Strand table values in single precision, times 0.0254 (single) for metres.
  const double k = 0.02539999969303608;
  EXPECT_EQ(c.Strand[1].rd_Diameter, double(0.5f) * k);
  EXPECT_EQ(c.Strand[1].rd_Area, double(0.153f) * k * k);
  EXPECT_EQ(c.Strand[2].rd_Diameter, double(0.5f) * k);  // grade 0, size 5
  EXPECT_EQ(c.Strand[2].rd_Area, double(0.144f) * k * k);
  EXPECT_EQ(c.rd_StrandArea, c.Strand[1].rd_Area);
  EXPECT_EQ(c.rd_Strand_fpu, 270000.0);  // psi in every unit system
  EXPECT_EQ(c.rd_StrandModulus, 1.930532e8);
  EXPECT_EQ(c.rd_InitialPrestressForce, 1500.0);
}

// ---------------------------------------------------------------------------
// The strand table's stated single-precision values.

TEST(StrandTable, SinglePrecisionValuesAndGrades) {
  double d = 0.0, a = 0.0;
  ASSERT_TRUE(Strand_Dimensions(0, 0, US_UNITS, d, a));
  EXPECT_EQ(d, 0.3400000035762787);
  EXPECT_EQ(a, double(0.058f));
  ASSERT_TRUE(Strand_Dimensions(2, 1, GENERIC_UNITS, d, a));
  EXPECT_EQ(d, double(0.438f));
  ASSERT_TRUE(Strand_Dimensions(1, 7, US_UNITS, d, a));
  EXPECT_EQ(d, double(0.7f));
  EXPECT_EQ(a, double(0.294f));
  ASSERT_TRUE(Strand_Dimensions(4, 5, US_UNITS, d, a));  // grade 4 as grade 3
  EXPECT_EQ(a, double(1.485f));
  ASSERT_TRUE(Strand_Dimensions(5, 5, US_UNITS, d, a));
  EXPECT_EQ(a, double(1.58f));
  EXPECT_FALSE(Strand_Dimensions(2, 5, US_UNITS, d, a));
  EXPECT_EQ(d, 0.0);
  EXPECT_FALSE(Strand_Dimensions(6, 0, US_UNITS, d, a));

  EXPECT_EQ(fn_Strand_fpu(0, 3), 250000.0);
  EXPECT_EQ(fn_Strand_fpu(2, 0), 300000.0);
  EXPECT_EQ(fn_Strand_fpu(3, 0), 145000.0);
  EXPECT_EQ(fn_Strand_fpu(4, 0), 160000.0);
  const double grade5[] = {157000, 150000, 160000, 150000, 160000, 150000};
  for (int s = 0; s <= 5; ++s) EXPECT_EQ(fn_Strand_fpu(5, s), grade5[s]);
  EXPECT_EQ(fn_Strand_Modulus(2, US_UNITS), 28000.0);
  EXPECT_EQ(fn_Strand_Modulus(3, US_UNITS), 29000.0);
  EXPECT_EQ(fn_Strand_Modulus(0, SI_UNITS), 1.930532e8);
  EXPECT_EQ(fn_Strand_Modulus(5, GENERIC_UNITS), 199947760.0);
}

// Every entry of the strand table, diameter / area by grade and size code,
// with the end of each grade's list.
TEST(StrandTable, EveryGradeAndSize) {
  struct Grade {
    int grade;
    std::vector<std::pair<float, float>> sizes;
  };
  const std::vector<std::pair<float, float>> grade3 = {
      {0.75f, 0.442f}, {0.875f, 0.601f}, {1.0f, 0.785f},
      {1.125f, 0.994f}, {1.25f, 1.227f}, {1.375f, 1.485f}};
  const Grade grades[] = {
      {0, {{0.34f, 0.058f}, {0.25f, 0.036f}, {0.3125f, 0.058f}, {0.375f, 0.08f},
           {0.4375f, 0.108f}, {0.5f, 0.144f}, {0.6f, 0.216f}}},
      {1, {{0.34f, 0.058f}, {0.375f, 0.085f}, {0.4375f, 0.115f}, {0.5f, 0.153f},
           {0.5f, 0.167f}, {0.5625f, 0.192f}, {0.6f, 0.217f}, {0.7f, 0.294f}}},
      {2, {{0.375f, 0.085f}, {0.438f, 0.115f}, {0.5f, 0.153f}, {0.5f, 0.167f}, {0.6f, 0.217f}}},
      {3, grade3},
      {4, grade3},
      {5, {{0.625f, 0.28f}, {1.0f, 0.85f}, {1.0f, 0.85f}, {1.25f, 1.25f}, {1.25f, 1.25f},
           {1.375f, 1.58f}}},
  };
  const double k = 0.02539999969303608;
  for (const Grade& g : grades) {
    const int n = int(g.sizes.size());
    for (int s = 0; s < n; ++s) {
      double d = 0.0, a = 0.0;
      ASSERT_TRUE(Strand_Dimensions(g.grade, s, US_UNITS, d, a)) << g.grade << "/" << s;
      EXPECT_EQ(d, double(g.sizes[std::size_t(s)].first)) << g.grade << "/" << s;
      EXPECT_EQ(a, double(g.sizes[std::size_t(s)].second)) << g.grade << "/" << s;
      ASSERT_TRUE(Strand_Dimensions(g.grade, s, SI_UNITS, d, a));
      EXPECT_EQ(d, double(g.sizes[std::size_t(s)].first) * k) << g.grade << "/" << s;
      EXPECT_EQ(a, double(g.sizes[std::size_t(s)].second) * k * k) << g.grade << "/" << s;
    }
    double d = 1.0, a = 1.0;
    EXPECT_FALSE(Strand_Dimensions(g.grade, n, US_UNITS, d, a)) << g.grade;
    EXPECT_EQ(d, 0.0);
    EXPECT_EQ(a, 0.0);
    EXPECT_FALSE(Strand_Dimensions(g.grade, -1, US_UNITS, d, a)) << g.grade;
  }
}

// ---------------------------------------------------------------------------
// Elastic shapes: property points by shape.

TEST(ReadSections, ElasticShapesGiveTheirFaceWidths) {
  // Strong H-pile: the flange width faces the soil; bottom values copy the top.
  ASSERT_EQ(Read(One_Section(11, Join({"10.", "4", "29e6", "14.6", "13.6", "0.505", "0.505",
                                       "21.4", "729."}))).error, 0);
  EXPECT_EQ(Point(1).rd_Diameter, 14.6);
  EXPECT_EQ(Point(2).rd_Diameter, 14.6);
  EXPECT_EQ(Point(2).rd_Area, 21.4);
  EXPECT_EQ(Point(2).rd_Inertia, 729.0);
  EXPECT_EQ(Sec(1).rd_BottomDepth, 13.6);
  // Embedded pole: the drilled hole faces the soil; the pole widths are structural.
  ASSERT_EQ(Read(One_Section(11, Join({"10.", "6", "1.6e6", "12.", "10.", "113.", "78.5",
                                       "1018.", "491.", "24."}))).error, 0);
  EXPECT_EQ(Sec(1).rd_Diameter, 24.0);
  EXPECT_EQ(Point(1).rd_Diameter, 24.0);
  EXPECT_EQ(Point(2).rd_Diameter, 24.0);
  EXPECT_EQ(Point(1).rd_StructuralWidth, 12.0);
  EXPECT_EQ(Point(2).rd_StructuralWidth, 10.0);
  EXPECT_EQ(Point(2).rd_Area, 78.5);
  // Rectangular elastic-plastic: plastic moments right after the modulus.
  ASSERT_EQ(Read(One_Section(12, Join({"10.", "1", "3e6", "5e6", "4e6", "12.", "10.", "20.",
                                       "18.", "240.", "180.", "8000.", "4860."}))).error, 0);
  const Pile_Section_Record& p = Sec(1);
  EXPECT_EQ(p.rd_TopPlasticMoment, 5e6);
  EXPECT_EQ(p.rd_BottomPlasticMoment, 4e6);
  EXPECT_EQ(p.rd_TopDepth, 20.0);
  EXPECT_EQ(p.rd_BottomDepth, 18.0);
  EXPECT_EQ(Point(1).rd_Diameter, 12.0);
  EXPECT_EQ(Point(2).rd_Diameter, 10.0);
  EXPECT_EQ(Point(1).rd_Inertia, 8000.0);
  EXPECT_EQ(Point(2).rd_Inertia, 4860.0);
}

// ---------------------------------------------------------------------------
// Progress messages and a second SECTIONS section.

TEST(ReadSections, ProgressMessagesAndReplacementBySecondSection) {
  const std::string two = Join({"2"}) + Join({"1", "1", "10.", "36."}) + CONCRETE + NO_REBAR +
                          Join({"2", "9", "10.", "24."}) + CONCRETE + AUTO_STRANDS;
  Read_Result r = Read(two);
  ASSERT_EQ(r.error, 0) << r.report;
  EXPECT_EQ(r.message,
            Join({"Reading section properties for Section 1",
                  "Reading concrete property data for Section 1",
                  "Reading rebar property data for Section 1",
                  "Reading section properties for Section 2",
                  "Reading concrete property data for Section 2",
                  "Reading prestressing strand data for Section 2"}));
  r = Read(One_Section(12, Join({"10.", "2", "3e6", "9e6", "8e6", "16.", "14.", "201.", "154.",
                                 "3217.", "1886."})));
  EXPECT_NE(r.message.find("Reading elastic-plastic section properties for Section 1"),
            std::string::npos);
  r = Read(One_Section(11, Join({"10.", "2", "3e6", "16.", "14.", "201.", "154.", "3217.",
                                 "1886."})));
  EXPECT_NE(r.message.find("Reading elastic section properties for Section 1"), std::string::npos);

  // A second SECTIONS over records that hold two sections leaves only the new one.
  Read(two);
  ASSERT_EQ(RS().prob.sec.i_Number_of_Sections, 2);
  ASSERT_EQ(Read(One_Section(14, Join({"7."})), US_UNITS, false).error, 0);
  EXPECT_EQ(RS().prob.sec.i_Number_of_Sections, 1);
  EXPECT_EQ(RS().prob.sec.i_Number_of_Section_Points, 2);
  EXPECT_EQ(RS().prob.sec.rd_PileLength, 7.0);
  EXPECT_EQ(Sec(1).i_Number_of_Bars, 0);
  EXPECT_EQ(Sec(2).i_SectionType, 0);
  EXPECT_EQ(Sec(2).i_Number_of_Strands, 0);
  EXPECT_EQ(Point(3).rd_X, 0.0);
}

TEST(ReadSections, ZeroSectionsReadNothingElse) {
  Read_Result r = Read(Join({"0", "END"}));
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(RS().prob.sec.i_Number_of_Sections, 0);
  EXPECT_EQ(RS().prob.sec.i_Number_of_Section_Points, 0);
  EXPECT_EQ(r.next_line, "END");
}

// ---------------------------------------------------------------------------
// Errors: the number recorded and, where the text is fixed, the report lines.

struct Error_Case {
  const char* name;
  std::string text;
  int32_t error;
  std::string report_text;  // must appear in the report ("" for none)
};

std::string Shaft_With_Bars(const std::string& circle_values) {
  return One_Section(1, Join({"50.", "36."}) + CONCRETE +
                            Join({"Rebar Arrangement Not Same As Section Above",
                                  "Rebar in circle"}) +
                            circle_values);
}

std::string Square_With_Strands(int n, int arrangement) {
  return One_Section(7, Join({"40.", "24.", "0."}) + CONCRETE +
                            Join({"Autoposition strands", "1", "3", std::to_string(n), "3e5",
                                  "0.2", "3.0", std::to_string(arrangement)}));
}

TEST(ReadSections, ErrorsOfBadSectionData) {
  const std::string twenty_one = Join({"21", "1", "14", "5."});
  const std::vector<Error_Case> cases = {
      {"section out of order", Join({"1", "2", "14", "5."}), 195,
       "SECTION DATA OUT-OF-ORDER\n\nExpecting section number 1, but section number 2 was found\n"},
      {"21 sections", twenty_one, 182, "must be 0 to 20"},
      {"negative section count", Join({"-1"}), 182, ""},
      {"type code 15", One_Section(15, ""), 183, "section type code 15"},
      {"type code -5", One_Section(-5, ""), 183, ""},
      {"shape code 7", One_Section(11, Join({"10.", "7"})), 183, "shape code 7"},
      {"shape code 0", One_Section(12, Join({"10.", "0"})), 183, ""},
      {"tensile option",
       One_Section(1, Join({"10.", "36.", "4000.", "0.75", "Use defaults"})), 195,
       "\nINPUT ERROR - Unrecognized command for concrete tensile strength option\n"},
      {"stress-strain option",
       One_Section(1, Join({"10.", "36.", "4000.", "0.75", "Use default concrete tensile strength",
                            "Internal curve"})),
       195, "\nINPUT ERROR - Unrecognized input for concrete stress-strain option\n"},
      {"stress-strain sequence",
       One_Section(1, Join({"10.", "36.", "4000.", "0.75", "Use default concrete tensile strength",
                            "Input stress-strain curve for concrete", "2", "1 0 0", "3 0.001 3000"})),
       195,
       "\nINPUT ERROR - Sequence error encountered when reading concrete stress-strain curve\n\n"
       "Expecting line no. 2 but line no. 3 was read\n\n\n"},
      {"101 stress-strain points",
       One_Section(1, Join({"10.", "36.", "4000.", "0.75", "Use default concrete tensile strength",
                            "Input stress-strain curve for concrete", "101"})),
       182, "must be 0 to 100"},
      {"rebar continuation",
       One_Section(1, Join({"10.", "36."}) + CONCRETE + Join({"Rebar same"})), 195,
       "\nINPUT ERROR - Unrecognized command for rebar continuation from section above option\n"},
      {"4 bars per position", Shaft_With_Bars(Join({"60000.", "29e6", "8", "4"})), 183,
       "number of bars per position 4"},
      {"0 bars per position",
       Shaft_With_Bars(Join({"60000.", "29e6", "8", "0", "1.0", "0.79", "3.0", "0."})), 184,
       "bars per position is below 1"},
      {"301 positions", Shaft_With_Bars(Join({"60000.", "29e6", "301"})), 182, "300"},
      {"0 positions",
       Shaft_With_Bars(Join({"60000.", "29e6", "0", "1", "1.0", "0.79", "3.0", "0."})), 184,
       "number of positions is below 1"},
      {"200 x 2 bars", Shaft_With_Bars(Join({"60000.", "29e6", "200", "2"})), 182,
       "positions x bars per position"},
      {"cover too large",
       Shaft_With_Bars(Join({"60000.", "29e6", "8", "1", "1.0", "0.79", "17.5", "0."})), 184,
       "radius of the bar centres"},
      {"bar larger than section",
       Shaft_With_Bars(Join({"60000.", "29e6", "8", "1", "40.", "0.79", "3.0", "0."})), 184,
       "exceeds the section diameter"},
      {"zero bar diameter",
       Shaft_With_Bars(Join({"60000.", "29e6", "8", "1", "0.", "0.79", "3.0", "0."})), 184, ""},
      {"zero cover",
       Shaft_With_Bars(Join({"60000.", "29e6", "8", "1", "1.", "0.79", "0.", "0."})), 184, ""},
      {"misspelt rebar continuation",
       One_Section(0, Join({"10.", "30.", "18."}) + CONCRETE +
                          Join({"No Rebar Arrangement Same As Section Above"})),
       195, ""},
      {"301 noncircular bars",
       One_Section(0, Join({"10.", "30.", "18."}) + CONCRETE +
                          Join({"Rebar Arrangement Same As Section Above",
                                "Rebar in noncircular pattern", "60000.", "29e6", "301"})),
       182, "number of bars is 301"},
      {"2 strands on a square", Square_With_Strands(2, 1), 184, "2 or 3 strands"},
      {"3 strands on a square", Square_With_Strands(3, 2), 184, "2 or 3 strands"},
      {"301 strands", Square_With_Strands(301, 1), 182, ""},
      {"0 strands", Square_With_Strands(0, 1), 184, "number of strands is below 1"},
      {"arrangement code 3", Square_With_Strands(12, 3), 183, "strand arrangement code 3"},
      {"strands on a circle do not fit",
       One_Section(5, Join({"40.", "6."}) + CONCRETE +
                          Join({"Autoposition strands", "1", "3", "8", "3e5", "0.2", "3.0", "0"})),
       184, ""},
      {"strand grade 6",
       One_Section(5, Join({"40.", "24."}) + CONCRETE + Join({"Autoposition strands", "6"})), 183,
       "strand grade code 6"},
      {"strand size 5 of grade 2",
       One_Section(5, Join({"40.", "24."}) + CONCRETE + Join({"Autoposition strands", "2", "5"})),
       183, "strand size code 5"},
      {"strand option",
       One_Section(5, Join({"40.", "24."}) + CONCRETE + Join({"Strands by hand"})), 195,
       "INPUT ERROR - Unrecognized input for strand no. 0\n\n"},
      {"manual strand out of order",
       One_Section(5, Join({"40.", "24."}) + CONCRETE +
                          Join({"Manually-positioned strands", "1", "2", "3e5", "0.2",
                                "1 1 3 -5. 0.", "3 1 3 5. 0."})),
       195, "INPUT ERROR - Input out-of-order for strand no. 2\n"},
      {"manual strand size code",
       One_Section(5, Join({"40.", "24."}) + CONCRETE +
                          Join({"Manually-positioned strands", "1", "1", "3e5", "0.2",
                                "1 1 8 -5. 0."})),
       183, ""},
      {"101 thrust levels", One_Section(13, Join({"10.", "30.", "101"})), 182, "must be 0 to 100"},
      {"151 EI points", One_Section(13, Join({"10.", "30.", "1", "0.", "151"})), 182, ""},
      {"word for a number", One_Section(4, Join({"10.", "twenty-four"})), 180, "twenty-four"},
      {"end of file in a section", One_Section(4, Join({"10.", "24."})), 181, ""},
      {"end of file at an option line", One_Section(1, Join({"10.", "36.", "4000.", "0.75"})), 181,
       ""},
  };
  for (const Error_Case& c : cases) {
    SCOPED_TRACE(c.name);
    Read_Result r = Read(c.text);
    EXPECT_EQ(r.error, c.error) << r.report;
    EXPECT_TRUE(Error_Recorded());
    if (!c.report_text.empty()) {
      EXPECT_NE(r.report.find(c.report_text), std::string::npos) << r.report;
    }
    const std::string code = Error_Code("INP", c.error - 100);
    EXPECT_NE(r.report.find(code), std::string::npos) << r.report;
  }
}

// A capacity error stores nothing of what it rejects.
TEST(ReadSections, CapacityErrorsStoreNothing) {
  Read(Join({"21", "1", "14", "5."}));
  EXPECT_EQ(RS().prob.sec.i_Number_of_Sections, 0);
  EXPECT_EQ(RS().prob.sec.i_Number_of_Section_Points, 0);
  Read(Shaft_With_Bars(Join({"60000.", "29e6", "200", "2"})));
  EXPECT_EQ(Sec(1).i_Number_of_Bars, 0);
  EXPECT_EQ(Sec(1).Bar[1].rd_X, 0.0);
  Read(Square_With_Strands(301, 1));
  EXPECT_EQ(Sec(1).i_Number_of_Strands, 0);
  Read(One_Section(13, Join({"10.", "30.", "1", "0.", "151"})));
  EXPECT_EQ(Sec(1).i_Number_of_UserEI_Points[1], 0);
}

}  // namespace
