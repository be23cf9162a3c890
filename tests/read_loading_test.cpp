// The loading sections of the reader, the axial thrust list built after END,
// the US customary conversion of the loading depths and the LRFD factored loads.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "input/lrfd_factored.h"
#include "tests/read_input_fixture.h"

namespace ormyx {
namespace {

using ormyx_test::Read_Input_Text;
using ormyx_test::Read_Outcome;
using ormyx_test::Us_Options;

Loading_Records& Load() { return RS().prob.load; }

// OPTIONS (US customary unless units are given) then the sections, then END.
Read_Outcome Read(const std::string& sections, const char* units = "Units USCS",
                  const std::function<void()>& preset = {}) {
  return Read_Input_Text("ORMYXP6\n" + Us_Options(units) + sections + "END\n", preset);
}

// Options with some lines replaced ("old line" -> "new line").
std::string Options_With(std::initializer_list<std::pair<const char*, const char*>> changes,
                         const char* units = "Units USCS") {
  std::string s = Us_Options(units);
  for (auto [from, to] : changes) {
    std::size_t at = s.find(std::string(from) + "\n");
    if (at != std::string::npos) s.replace(at, std::string(from).size(), to);
  }
  return s;
}

void One_Section() { RS().prob.sec.i_Number_of_Sections = 1; }

TEST(ReadLoading, LoadCasesAndDistributedLoad) {
  Read_Outcome r = Read(
      "LOADING\n3\n1 1 1000 -5E4 200 0\n2,4,0.5,0,100,1\n3 5 0.25 0.01 0 2\n"
      "2\n1 0 10\n2 120 0\n");
  ASSERT_EQ(r.error, 0) << r.report;
  ASSERT_EQ(Load().i_Number_of_Loads, 3);
  const auto& c1 = Load().Pile_Head_Load[1];
  EXPECT_EQ(c1.i_LoadType, 1);
  EXPECT_EQ(c1.rd_Condition1, 1000.0);
  EXPECT_EQ(c1.rd_Condition2, -5E4);
  EXPECT_EQ(c1.rd_AxialThrust, 200.0);
  // The length-study switch: 1 means no, any other value yes.
  EXPECT_EQ(c1.b_LengthStudy, L_TRUE);
  EXPECT_EQ(Load().Pile_Head_Load[2].b_LengthStudy, L_FALSE);
  EXPECT_EQ(Load().Pile_Head_Load[3].b_LengthStudy, L_TRUE);
  EXPECT_EQ(Load().Pile_Head_Load[3].rd_Condition2, 0.01);
  ASSERT_EQ(Load().i_Number_of_Distributed_Points, 2);
  EXPECT_EQ(Load().Distributed_Load_Point[2].X, 120.0);
  EXPECT_EQ(Load().Distributed_Load_Point[1].load, 10.0);
  EXPECT_NE(r.message.find("Reading pile head loading data\n"), std::string::npos);

  // No cases: the distributed-load count line is still read; no points.
  Read_Outcome z = Read("LOADING\n0\n0\n");
  ASSERT_EQ(z.error, 0) << z.report;
  EXPECT_EQ(Load().i_Number_of_Loads, 0);
  EXPECT_EQ(Load().i_Number_of_Distributed_Points, 0);
  EXPECT_EQ(Load().Distributed_Load_Point[2].X, 0.0);
}

TEST(ReadLoading, BadLoadTypeAndCapacityAreInputErrors) {
  Read_Outcome type = Read("LOADING\n1\n1 6 1000 0 0 0\n0\n");
  EXPECT_EQ(type.error, 100 + INP_CODE_RANGE);
  EXPECT_EQ(Load().Pile_Head_Load[1].i_LoadType, 0);  // not stored
  EXPECT_NE(type.report.find("pile-head load type 6 is outside the range 1 to 5"),
            std::string::npos)
      << type.report;
  EXPECT_EQ(Read("LOADING\n1\n1 0 1000 0 0 0\n0\n").error, 100 + INP_CODE_RANGE);

  Read_Outcome many = Read("LOADING\n101\n");
  EXPECT_EQ(many.error, 100 + INP_CAPACITY);
  EXPECT_EQ(Load().i_Number_of_Loads, 0);  // checked before anything is stored
  EXPECT_NE(many.report.find("101 load cases were specified; at most 100 can be stored."),
            std::string::npos);
  EXPECT_EQ(Read("LOADING\n0\n51\n").error, 100 + INP_CAPACITY);
  // A malformed value names its line.
  Read_Outcome bad = Read("LOADING\n1\n1 1 1O00 0 0 0\n0\n");
  EXPECT_EQ(bad.error, 100 + INP_MALFORMED_VALUE);
  EXPECT_NE(bad.report.find("Line 21, reading load case 1 (LOADING): condition 1 was expected, "
                            "found \"1O00\"."),
            std::string::npos)
      << bad.report;
}

TEST(ReadLoading, AxialThrustListFromLoadCases) {
  // US customary: pounds become kips, sorted, repeated values once.
  Read_Outcome r = Read("LOADING\n4\n1 1 0 0 200 1\n2 1 0 0 100 1\n3 1 0 0 100 1\n"
                        "4 1 0 0 0 1\n0\n", "Units USCS", One_Section);
  ASSERT_EQ(r.error, 0) << r.report;
  ASSERT_EQ(Load().i_Number_of_Thrusts, 3);
  EXPECT_EQ(Load().Axial_Thrust_List[1], 0.0);
  EXPECT_EQ(Load().Axial_Thrust_List[2], 0.1);
  EXPECT_EQ(Load().Axial_Thrust_List[3], 0.2);
  EXPECT_EQ(Load().Axial_Thrust_List[4], 0.0);
  // The load cases keep their input order.
  EXPECT_EQ(Load().Pile_Head_Load[1].rd_AxialThrust, 200.0);

  // SI: the input values.
  Read("LOADING\n2\n1 1 0 0 50 1\n2 1 0 0 -5 1\n0\n", "Units SI", One_Section);
  ASSERT_EQ(Load().i_Number_of_Thrusts, 2);
  EXPECT_EQ(Load().Axial_Thrust_List[1], -5.0);
  EXPECT_EQ(Load().Axial_Thrust_List[2], 50.0);

  // No list without sections or with the interaction diagram.
  Read("LOADING\n1\n1 1 0 0 50 1\n0\n");
  EXPECT_EQ(Load().i_Number_of_Thrusts, 0);
  Read_Input_Text("ORMYXP6\n" +
                      Options_With({{"ComputeInteraction NO", "ComputeInteraction YES\nC AASHTO"}}) +
                      "LOADING\n1\n1 1 0 0 50 1\n0\nEND\n",
                  One_Section);
  EXPECT_EQ(Load().i_Number_of_Thrusts, 0);

  // LRFD: from the axial forces of the load groups.
  Read_Input_Text("ORMYXP6\n" + Options_With({{"UseLRFD NO", "UseLRFD YES"}}) +
                      "LRFD LOADS\n3\n1 1 10 0 3000 0\n2 2 0 0 1000 0\n3 3 0 0 3000 0\nEND\n",
                  One_Section);
  ASSERT_EQ(Load().i_Number_of_Thrusts, 2);
  EXPECT_EQ(Load().Axial_Thrust_List[1], 1.0);
  EXPECT_EQ(Load().Axial_Thrust_List[2], 3.0);
}

TEST(ReadLoading, AxialThrustLoadsSortTheThrusts) {
  Read_Outcome r = Read("AXIAL THRUST LOADS\n3\n1 30\n2 10\n3 20\n", "Units SI", One_Section);
  ASSERT_EQ(r.error, 0) << r.report;
  EXPECT_EQ(Load().i_Number_of_Loads, 3);
  EXPECT_EQ(Load().Pile_Head_Load[1].rd_AxialThrust, 10.0);
  EXPECT_EQ(Load().Pile_Head_Load[2].rd_AxialThrust, 20.0);
  EXPECT_EQ(Load().Pile_Head_Load[3].rd_AxialThrust, 30.0);
  EXPECT_EQ(Load().i_Number_of_Thrusts, 3);
  EXPECT_EQ(Load().Axial_Thrust_List[3], 30.0);
  EXPECT_NE(r.message.find("Reading axial thrust force data for EI-only computations\n"),
            std::string::npos);

  // Count 0: one thrust, the first, unchanged; no lines read.
  Read_Outcome z = Read("LOADING\n1\n1 1 0 0 7 1\n0\nAXIAL THRUST LOADS\n0\n", "Units SI",
                        One_Section);
  ASSERT_EQ(z.error, 0) << z.report;
  EXPECT_EQ(Load().i_Number_of_Loads, 1);
  EXPECT_EQ(Load().Pile_Head_Load[1].rd_AxialThrust, 7.0);
  EXPECT_EQ(Load().Axial_Thrust_List[1], 7.0);
  EXPECT_EQ(z.message.find("EI-only"), std::string::npos);

  // The later of LOADING and AXIAL THRUST LOADS wins.
  Read("AXIAL THRUST LOADS\n2\n1 5\n2 6\nLOADING\n1\n1 1 0 0 9 1\n0\n", "Units SI", One_Section);
  EXPECT_EQ(Load().i_Number_of_Loads, 1);
  EXPECT_EQ(Load().i_Number_of_Thrusts, 1);
  EXPECT_EQ(Load().Axial_Thrust_List[1], 9.0);
  EXPECT_EQ(Read("AXIAL THRUST LOADS\n101\n").error, 100 + INP_CAPACITY);
}

TEST(ReadLoading, TipShearBatterSlopeAndModifiers) {
  Read_Outcome r = Read("TIP SHEAR\n3\n1 0 0\n2 0.1 50\n3 0.5 80\n"
                        "PILE BATTER AND SLOPE\n10\n5\n"
                        "GROUP EFFECT FACTORS\n2\n1 0 0.8 1.0\n2 30 1 1\n");
  ASSERT_EQ(r.error, 0) << r.report;
  ASSERT_EQ(Load().i_Number_of_Tip_Shear_Points, 3);
  EXPECT_EQ(Load().Tip_Shear_Point[2].displacement, 0.1);
  EXPECT_EQ(Load().Tip_Shear_Point[3].force, 80.0);
  EXPECT_EQ(Load().rd_SlopeAngle, 0.17453292519943295);
  EXPECT_EQ(Load().rd_BatterAngle, 0.08726646259971647);
  EXPECT_EQ(Load().rd_SlopeMinusBatter, 0.08726646259971647);
  ASSERT_EQ(Load().i_Number_of_PY_Modifier_Points, 2);
  EXPECT_EQ(Load().PY_Modifier_Point[1].p_Multiplier, 0.8);
  EXPECT_EQ(Load().PY_Modifier_Point[2].X, 30.0);
  for (const char* m : {"Reading tip shear data\n", "Reading pile batter and ground slope angles\n",
                        "Reading p-y multiplier data\n"})
    EXPECT_NE(r.message.find(m), std::string::npos) << m;

  // GROUPEFF replaces the count preset by UsePYModifiers YES; 0 points read nothing.
  Read_Input_Text("ORMYXP6\n" + Options_With({{"UsePYModifiers NO", "UsePYModifiers YES"}}) +
                  "GROUPEFF\n0\nEND\n");
  EXPECT_EQ(Load().i_Number_of_PY_Modifier_Points, 0);
  Read_Input_Text("ORMYXP6\n" + Options_With({{"UsePYModifiers NO", "UsePYModifiers YES"}}) +
                  "END\n");
  EXPECT_EQ(Load().i_Number_of_PY_Modifier_Points, 1);

  EXPECT_EQ(Read("TIP SHEAR\n51\n").error, 100 + INP_CAPACITY);
  EXPECT_EQ(Read("GROUPEFF\n81\n").error, 100 + INP_CAPACITY);
  // A negative count is no table at all.
  EXPECT_EQ(Read("TIP SHEAR\n-2\n").error, 0);
  EXPECT_EQ(Load().i_Number_of_Tip_Shear_Points, 0);
}

TEST(ReadLoading, LrfdLoadGroups) {
  Read_Outcome r = Read("LRFD LOADS\n2\n1 1 100 2000 30000 0\n2 13 -5 0 0 2\n1 0 1.5\n2 10 0\n");
  ASSERT_EQ(r.error, 0) << r.report;
  ASSERT_EQ(Load().i_Number_of_LRFD_Groups, 2);
  const auto& g2 = Load().LRFD_Load_Group[2];
  EXPECT_EQ(g2.i_LoadType, 13);
  EXPECT_EQ(g2.rd_HorizontalForce, -5.0);
  ASSERT_EQ(g2.i_Number_of_Distributed_Points, 2);
  EXPECT_EQ(g2.LRFD_Distributed_Point[1].load, 1.5);
  EXPECT_EQ(g2.LRFD_Distributed_Point[2].X, 10.0);
  EXPECT_EQ(Load().LRFD_Load_Group[1].rd_AxialForce, 30000.0);

  struct Case {
    const char* text;
    int error;
    const char* expected;
  };
  const Case cases[] = {
      {"LRFD LOADS\n101\n", 198,
       "\n\n***** Input Data Error No. 98 *****\n\nNumber of LRFD loads specified is 101\nThis "
       "is outside of the valid range to 1 to 100\n\n\n"},
      {"LRFD LOADS\n0\n", 198, "Number of LRFD loads specified is 0\n"},
      {"LRFD LOADS\n2\n1 1 0 0 0 0\n3 1 0 0 0 0\n", 197,
       "\n\n***** Input Data Error No. 97 *****\n\nInput appears to be out-of-order for LRFD "
       "loading\nInput load number is 3 and the expected load number is 2\n\n\n"},
      {"LRFD LOADS\n1\n1 1 0 0 0 1\n", 195,
       "\n\n***** Input Data Error No. 95 *****\n\nNumber of distributed load points for LRFD "
       "load number 1 is outside of the valid range of 0 or 2 to 100.\n\nThe input number of "
       "distributed load points is 1\n\n\n"},
      {"LRFD LOADS\n1\n1 1 0 0 0 -2\n", 195, "distributed load points is -2\n"},
      {"LRFD LOADS\n1\n1 1 0 0 0 101\n", 195, "distributed load points is 101\n"},
      {"LRFD LOADS\n1\n1 1 0 0 0 51\n", 100 + INP_CAPACITY,
       "51 distributed load points of LRFD load group 1 were specified; at most 50"},
      {"LRFD LOADS\n1\n1 1 0 0 0 2\n1 0 0\n3 1 0\n", 196,
       "\n\n***** Input Data Error No. 96 *****\n\nInput appears to be out-of-order for LRFD "
       "distributed load 1\n\nInput distributed load point is 3\n and the expected point number "
       "is 2\n\n\n"},
      {"LRFD LOADS\n1\n1 14 0 0 0 0\n", 100 + INP_CODE_RANGE, "LRFD load type 14 is outside"},
      {"LRFD LOADS\n1\n1 0 0 0 0 0\n", 100 + INP_CODE_RANGE, "LRFD load type 0 is outside"},
  };
  for (const Case& c : cases) {
    Read_Outcome q = Read(c.text);
    EXPECT_EQ(q.error, c.error) << c.text;
    EXPECT_NE(q.report.find(c.expected), std::string::npos) << c.text << "\n" << q.report;
  }
}

TEST(ReadLoading, LrfdCombinations) {
  Read_Outcome r = Read("LRFD FACTORS AND CASES\n2\n"
                        "1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0 -1\nStrength I\n"
                        "2 0.9 0 0 0 1.4 0 0 0 0 0 0 0 0.5 0.9 0.85\nStrength III, wind\n");
  ASSERT_EQ(r.error, 0) << r.report;
  ASSERT_EQ(Load().i_Number_of_LRFD_Combinations, 2);
  const auto& c1 = Load().LRFD_Combination[1];
  EXPECT_EQ(c1.rd_LoadFactor[2], 1.75);
  EXPECT_EQ(c1.rd_FlexureFactor, 0.75);  // 0 and -1 become 0.75
  EXPECT_EQ(c1.rd_ShearFactor, 0.75);
  EXPECT_EQ(c1.name.trimmed(), "Strength I");
  const auto& c2 = Load().LRFD_Combination[2];
  EXPECT_EQ(c2.rd_LoadFactor[13], 0.5);
  EXPECT_EQ(c2.rd_FlexureFactor, 0.9);
  EXPECT_EQ(c2.rd_ShearFactor, 0.85);
  EXPECT_EQ(c2.name.trimmed(), "Strength III, wind");
  EXPECT_NE(r.message.find("Reading LRFD load and resistance factor data \n"), std::string::npos);

  // All-zero factors: every combination in error gets its block, reading goes on.
  Read_Outcome z = Read("LRFD FACTORS AND CASES\n3\n"
                        "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nA\n"
                        "2 1 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nB\n"
                        "3 0 0 0 0 0 0 0 0 0 0 0 -1 0 0.9 0.9\nC\n");
  EXPECT_EQ(z.error, 172);
  const std::string block = "\n\n***** Input Data Error No. 72 *****\n\nAll input load factors "
                            "for LRFD analysis are zero.\n\nThe number of the LRFD load "
                            "combination in error is ";
  EXPECT_NE(z.report.find(block + "1\n\n\n"), std::string::npos) << z.report;
  EXPECT_NE(z.report.find(block + "3\n\n\n"), std::string::npos) << z.report;
  EXPECT_EQ(z.report.find(block + "2\n"), std::string::npos);
  EXPECT_EQ(Load().LRFD_Combination[3].name.trimmed(), "C");
  EXPECT_EQ(z.next, "END");  // the main loop ended after the section

  Read_Outcome n = Read("LRFD FACTORS AND CASES\n0\n");
  EXPECT_EQ(n.error, 194);
  EXPECT_NE(n.report.find("\n\n***** Input Data Error No. 94 *****\n\nNumber of LRFD load "
                          "combinations outside of the valid range of 1 to 100.\n\nNumber of LRFD "
                          "load combinations input is 0\n\n\n"),
            std::string::npos);
  EXPECT_EQ(Read("LRFD FACTORS AND CASES\n101\n").error, 194);
  // A malformed factor after an all-zero combination is still reported.
  Read_Outcome m = Read("LRFD FACTORS AND CASES\n2\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1\nA\n"
                        "2 x\n");
  EXPECT_EQ(m.error, 172);
  EXPECT_NE(m.report.find("INP00080"), std::string::npos);
}

TEST(ReadLoading, SoilMovementsAndPrintedDepths) {
  const std::string yes = Options_With({{"UseSoilMovement NO", "UseSoilMovement YES"},
                                        {"PrintPYCurves NO", "PrintPYCurves YES"}},
                                       "Units SI");
  Read_Outcome r = Read_Input_Text("ORMYXP6\n" + yes +
                                   "SOIL MOVEMENTS\n2\n1 0 25\n2 5 0\n"
                                   "DEPTHS OF PRINTED P-Y CURVES\n2\n1 1.5\n2 3\nEND\n");
  ASSERT_EQ(r.error, 0) << r.report;
  ASSERT_EQ(Load().i_Number_of_Soil_Movement_Points, 2);
  EXPECT_EQ(Load().Soil_Movement_Point[1].movement, 0.025);  // mm to m
  EXPECT_EQ(Load().Soil_Movement_Point[2].X, 5.0);
  ASSERT_EQ(Load().i_Number_of_Printed_PY_Depths, 2);
  EXPECT_EQ(Load().rd_PrintedPYDepth[1], 1.5);
  EXPECT_NE(r.message.find("Reading soil movement data\n"), std::string::npos);
  EXPECT_NE(r.message.find("Reading p-y output depths data\n"), std::string::npos);

  // Switched off: the keyword line is accepted and nothing is read, so the
  // count line that follows is taken for a keyword.
  Read_Outcome off = Read("SOIL MOVEMENTS\n2\n1 0 25\n2 5 0\n");
  EXPECT_EQ(off.error, 199);
  Read_Outcome off2 = Read("DEPTHS OF PRINTED P-Y CURVES\nEND\n");
  EXPECT_EQ(off2.error, 0);

  Read_Outcome one = Read_Input_Text("ORMYXP6\n" + yes + "SOIL MOVEMENTS\n1\n1 0 0\nEND\n");
  EXPECT_EQ(one.error, 153);
  const char* block = "**** Input Data Error No. 53 ****\n\nNumber of lines specified for soil "
                      "movement data = 1\nThe number of lines of soil movement data cannot be "
                      "less than 2 or exceed 100.\n\n";
  EXPECT_NE(one.report.find(block), std::string::npos);
  EXPECT_NE(one.message.find(block), std::string::npos);
  EXPECT_EQ(Read_Input_Text("ORMYXP6\n" + yes + "SOIL MOVEMENTS\n101\nEND\n").error, 153);
  EXPECT_EQ(Read_Input_Text("ORMYXP6\n" + yes + "DEPTHS OF PRINTED P-Y CURVES\n101\nEND\n").error,
            100 + INP_CAPACITY);
}

TEST(ReadLoading, UsConversionOfLoadingDepths) {
  const std::string yes = Options_With({{"UseSoilMovement NO", "UseSoilMovement YES"},
                                        {"PrintPYCurves NO", "PrintPYCurves YES"}});
  Read_Outcome r = Read_Input_Text("ORMYXP6\n" + yes +
                                   "SOIL MOVEMENTS\n2\n1 0 1\n2 5 0\n"
                                   "DEPTHS OF PRINTED P-Y CURVES\n1\n1 2.5\n"
                                   "GROUPEFF\n2\n1 0 1 1\n2 10 0.5 1\n"
                                   "LOADING\n1\n1 1 100 0 0 1\n2\n1 0 5\n2 60 5\n"
                                   "TIP SHEAR\n2\n1 0 0\n2 0.5 10\nEND\n");
  ASSERT_EQ(r.error, 0) << r.report;
  Convert_US_Loading_Units();
  EXPECT_EQ(Load().Soil_Movement_Point[2].X, 60.0);
  EXPECT_EQ(Load().Soil_Movement_Point[1].movement, 1.0);  // inches already
  EXPECT_EQ(Load().rd_PrintedPYDepth[1], 30.0);
  EXPECT_EQ(Load().PY_Modifier_Point[2].X, 120.0);
  // Given in the length unit of the pile dimensions: not converted.
  EXPECT_EQ(Load().Distributed_Load_Point[2].X, 60.0);
  EXPECT_EQ(Load().Tip_Shear_Point[2].displacement, 0.5);

  // Nothing is converted in SI units.
  Read_Input_Text("ORMYXP6\n" + Options_With({{"PrintPYCurves NO", "PrintPYCurves YES"}},
                                             "Units SI") +
                  "DEPTHS OF PRINTED P-Y CURVES\n1\n1 2.5\nEND\n");
  Convert_US_Loading_Units();
  EXPECT_EQ(Load().rd_PrintedPYDepth[1], 2.5);
}

// --- LRFD factored loads ---------------------------------------------------

void Group(int g, int type, double h, double m, double p) {
  auto& G = Load().LRFD_Load_Group[g];
  G.i_LoadType = type;
  G.rd_HorizontalForce = h;
  G.rd_Moment = m;
  G.rd_AxialForce = p;
  Load().i_Number_of_LRFD_Groups = std::max(Load().i_Number_of_LRFD_Groups, g);
}

void Combination(int c, std::initializer_list<std::pair<int, double>> factors) {
  auto& C = Load().LRFD_Combination[c];
  for (auto [t, f] : factors) C.rd_LoadFactor[t] = f;
  Load().i_Number_of_LRFD_Combinations = std::max(Load().i_Number_of_LRFD_Combinations, c);
}

void Start(int units) {
  Reset_Run_State();
  RS().prob.opt.IUNITS = units;
  RS().prob.opt.b_UseLRFD = L_TRUE;
}

TEST(LrfdFactoredLoads, TotalsByTypeAndFactoredSums) {
  Start(SI_UNITS);
  Group(1, LRFD_DL, 100, 1000, 40);
  Group(2, LRFD_DL, 50, 500, 20);
  Group(3, LRFD_LL, 20, -300, 10);
  Combination(1, {{LRFD_DL, 1.25}, {LRFD_LL, 1.75}});
  Combination(2, {{LRFD_DL, 0.9}});
  Build_LRFD_Factored_Loads();
  const auto& T = Load().LRFD_Type_Total;
  EXPECT_EQ(T[LRFD_DL].rd_HorizontalForce, 150.0);
  EXPECT_EQ(T[LRFD_DL].i_Count, 2);
  EXPECT_EQ(T[LRFD_LL].rd_Moment, -300.0);
  EXPECT_EQ(T[LRFD_EQ].i_Count, 0);
  const auto& F1 = Load().LRFD_Factored_Load[1];
  EXPECT_DOUBLE_EQ(F1.rd_HorizontalForce, 222.5);  // 1.25*150 + 1.75*20
  EXPECT_DOUBLE_EQ(F1.rd_Moment, 1.25 * 1500 - 1.75 * 300);
  EXPECT_DOUBLE_EQ(F1.rd_VerticalForce, 1.25 * 60 + 1.75 * 10);
  // No batter: shear and axial are the horizontal and vertical forces.
  EXPECT_EQ(Load().b_LRFD_BatterTransformed, L_FALSE);
  EXPECT_EQ(F1.rd_Shear, F1.rd_HorizontalForce);
  EXPECT_EQ(F1.rd_Axial, F1.rd_VerticalForce);
  // Thrusts ascending: 0.9*60 = 54 then 92.5; SI keeps input units.
  ASSERT_EQ(Load().i_Number_of_Thrusts, 2);
  EXPECT_DOUBLE_EQ(Load().Axial_Thrust_List[1], 54.0);
  EXPECT_DOUBLE_EQ(Load().Axial_Thrust_List[2], 92.5);
  EXPECT_EQ(F1.i_ThrustIndex, 2);
  EXPECT_EQ(Load().LRFD_Factored_Load[2].i_ThrustIndex, 1);
}

TEST(LrfdFactoredLoads, ThrustListInKipsAndRepeatedThrusts) {
  Start(US_UNITS);
  Group(1, LRFD_DL, 0, 0, 10000);
  Group(2, LRFD_W, 500, 0, 0);
  Combination(1, {{LRFD_DL, 2.0}});
  Combination(2, {{LRFD_DL, 1.0}});
  Combination(3, {{LRFD_DL, 1.0}, {LRFD_W, 1.0}});  // same axial force as combination 2
  Build_LRFD_Factored_Loads();
  ASSERT_EQ(Load().i_Number_of_Thrusts, 2);
  EXPECT_EQ(Load().Axial_Thrust_List[1], 10.0);
  EXPECT_EQ(Load().Axial_Thrust_List[2], 20.0);
  EXPECT_EQ(Load().Axial_Thrust_List[3], 0.0);
  EXPECT_EQ(Load().rd_LRFD_Thrust[1], 10000.0);  // input units for the report
  EXPECT_EQ(Load().LRFD_Factored_Load[2].i_ThrustIndex, 1);
  EXPECT_EQ(Load().LRFD_Factored_Load[3].i_ThrustIndex, 1);
  EXPECT_EQ(Load().LRFD_Factored_Load[1].i_ThrustIndex, 2);
}

TEST(LrfdFactoredLoads, ThrustsCloserThanTheToleranceAreOne) {
  Start(SI_UNITS);
  Group(1, LRFD_DL, 0, 0, 1.0);
  Group(2, LRFD_LL, 0, 0, 1.0);
  Combination(1, {{LRFD_DL, 1.0}});
  Combination(2, {{LRFD_DL, 1.0}, {LRFD_LL, 4.0E-16}});  // 1 + 4.4E-16, not equal to 1
  Combination(3, {{LRFD_DL, 1.0}, {LRFD_LL, 1.0E-14}});  // far enough apart
  Build_LRFD_Factored_Loads();
  ASSERT_NE(Load().LRFD_Factored_Load[2].rd_Axial, 1.0);
  ASSERT_EQ(Load().i_Number_of_Thrusts, 2);
  EXPECT_EQ(Load().Axial_Thrust_List[1], 1.0);
  EXPECT_EQ(Load().LRFD_Factored_Load[1].i_ThrustIndex, 1);
  // The absorbed thrust is analysed with the entry that absorbed it.
  EXPECT_EQ(Load().LRFD_Factored_Load[2].i_ThrustIndex, 1);
  EXPECT_EQ(Load().LRFD_Factored_Load[3].i_ThrustIndex, 2);
}

TEST(LrfdFactoredLoads, BatterTurnsForcesIntoShearAndAxial) {
  Start(SI_UNITS);
  Load().rd_BatterAngle = 3.141592653589793 / 6.0;  // 30 degrees
  Group(1, LRFD_DL, 100, 7, 1000);
  Combination(1, {{LRFD_DL, 1.0}});
  Build_LRFD_Factored_Loads();
  const auto& F = Load().LRFD_Factored_Load[1];
  EXPECT_EQ(Load().b_LRFD_BatterTransformed, L_TRUE);
  // cos 30 = sqrt(3)/2, sin 30 = 1/2.
  EXPECT_NEAR(F.rd_Shear, 100 * std::sqrt(3.0) / 2 + 500, 1e-9);
  EXPECT_NEAR(F.rd_Axial, -50 + 1000 * std::sqrt(3.0) / 2, 1e-9);
  EXPECT_EQ(F.rd_Moment, 7.0);
  EXPECT_EQ(F.rd_HorizontalForce, 100.0);
  EXPECT_EQ(F.rd_VerticalForce, 1000.0);
  EXPECT_NEAR(Load().Axial_Thrust_List[1], F.rd_Axial, 0.0);

  // At most 1E-6 radians: not transformed.
  Load().rd_BatterAngle = 1.0E-6;
  Build_LRFD_Factored_Loads();
  EXPECT_EQ(Load().b_LRFD_BatterTransformed, L_FALSE);
  EXPECT_EQ(Load().LRFD_Factored_Load[1].rd_Axial, 1000.0);
}

}  // namespace
}  // namespace ormyx
