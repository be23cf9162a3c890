// The SOIL LAYERS reader: values of every p-y model land in the right lists
// and consume the right lines, user p-y curves, massive rock, capacity and
// code errors, and the US customary conversion of the soil records.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/reader.h"
#include "input/tokenizer.h"
#include "tests/test_support.h"

namespace ormyx {
namespace {

Soil_Records& Soil() { return RS().prob.soil; }
Soil_Profile_Record& Pts() { return RS().prob.soil.Soil_Profile_Points; }

class ReadSoil : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ormyx_test::Make_Temp_Dir("soil");
    Start(US_UNITS);
  }
  void TearDown() override {
    Reset_Run_State();
    std::filesystem::remove_all(dir_);
  }

  void Start(int units) {
    Reset_Run_State();
    Initialize_Soil_Model_Names();
    RS().prob.opt.IUNITS = units;
  }

  // Read the section from text (the lines after the SOIL LAYERS line); the
  // report goes to a file of its own so its error block can be inspected.
  void Read(const std::string& text) {
    std::FILE* fp = std::tmpfile();
    ASSERT_NE(fp, nullptr);
    std::fputs(text.c_str(), fp);
    std::rewind(fp);
    if (RS().files.input) std::fclose(RS().files.input);
    RS().files.input = fp;
    ASSERT_TRUE(Open_Output(CH_REPORT, dir_ + "/report.out"));
    Input_Begin();
    Read_Soil_Layers();
    Close_Output(CH_REPORT);
  }
  std::string Report() const { return ormyx_test::Read_File(dir_ + "/report.out"); }
  // The next line the reader left unread.
  std::string Next_Line() {
    std::string line;
    if (!Read_Text_Line(line)) return "<eof>";
    return line;
  }
  int Error() const { return RS().status.i_ErrorNumber; }

  std::string dir_;
};

TEST(SoilModelNames, TableOfKeywordsBlankPaddedToTen) {
  Reset_Run_State();
  Initialize_Soil_Model_Names();
  const char* expected[21] = {nullptr,    "SoftClay", "StfClyBW",  "StfClyAW",  "StfClyAK",
                              "Sand",     "API Sand", "Liq Sand",  "WeakRock",  "Vuggy LS",
                              "Piedmont", "Cem Silt", "KS Loess",  "Elast SG",  "User p-y",
                              "SoftClyJ", "MassRock", "Frz Soil",  "Undefined", "Undefined",
                              "Undefined"};
  for (int code = 1; code <= 20; ++code) {
    std::string padded(expected[code]);
    padded.resize(10, ' ');
    EXPECT_EQ(Soil().Soil_Model_Names(code).view(), padded) << "code " << code;
  }
  Reset_Run_State();
}

// One layer of each model: the values land in their lists and the reader
// stops exactly after the layer's lines (the next line is "NEXT").
struct Model_Case {
  const char* name;
  const char* text;  // the lines after the number of layers
  std::function<void()> check;
};

TEST_F(ReadSoil, EveryModelStoresItsValuesAndConsumesItsLines) {
  const Model_Case cases[] = {
      {"SoftClay", "1 0 10\n110 500 0.02\n115 600 0.01\n",
       [] {
         EXPECT_EQ(Pts().rd_Gamma(1), 110);
         EXPECT_EQ(Pts().rd_c(1), 500);
         EXPECT_EQ(Pts().rd_Epsilon50(1), 0.02);
         EXPECT_EQ(Pts().rd_Gamma(2), 115);
         EXPECT_EQ(Pts().rd_c(2), 600);
         EXPECT_EQ(Pts().rd_Epsilon50(2), 0.01);
       }},
      {"SoftClyJ", "15 0 10\n110 500 0.02 0.5\n115 600 0.01 0.25\n",
       [] {
         EXPECT_EQ(Pts().rd_c(1), 500);
         EXPECT_EQ(Pts().rd_J(1), 0.5);
         EXPECT_EQ(Pts().rd_J(2), 0.25);
         EXPECT_EQ(Pts().rd_Epsilon50(2), 0.01);
       }},
      {"StfClyBW", "2 0 10\n120 2000 0.005 500\n125 3000 0.004 1000\n",
       [] {
         EXPECT_EQ(Pts().rd_c(1), 2000);
         EXPECT_EQ(Pts().rd_Epsilon50(1), 0.005);
         EXPECT_EQ(Soil().rd_kTop(1), 500);
         EXPECT_EQ(Soil().rd_kBottom(1), 1000);
         EXPECT_EQ(Pts().rd_c(2), 3000);
       }},
      {"StfClyAW", "3 0 10\n120 2000 0.005\n125 3000 0.004\n",
       [] {
         EXPECT_EQ(Pts().rd_c(2), 3000);
         EXPECT_EQ(Pts().rd_Epsilon50(2), 0.004);
         EXPECT_EQ(Soil().rd_kTop(1), 0);
       }},
      {"StfClyAK", "4 0 10\n120 2000 0.005 400\n125 3000 0.004 800\n",
       [] {
         EXPECT_EQ(Soil().rd_kTop(1), 400);
         EXPECT_EQ(Soil().rd_kBottom(1), 800);
       }},
      {"Sand", "5 0 10\n115 32 90\n118 36 125\n",
       [] {
         EXPECT_EQ(Pts().rd_Gamma(1), 115);
         EXPECT_EQ(Pts().rd_Phi(1), 32);
         EXPECT_EQ(Pts().rd_Phi(2), 36);
         EXPECT_EQ(Soil().rd_kTop(1), 90);
         EXPECT_EQ(Soil().rd_kBottom(1), 125);
         EXPECT_EQ(Pts().rd_c(1), 0);
       }},
      {"API Sand", "6 0 10\n115 30 60\n118 34 90\n",
       [] {
         EXPECT_EQ(Pts().rd_Phi(2), 34);
         EXPECT_EQ(Soil().rd_kBottom(1), 90);
       }},
      {"Liq Sand", "7 0 10\n60\n62\n",
       [] {
         EXPECT_EQ(Pts().rd_Gamma(1), 60);
         EXPECT_EQ(Pts().rd_Gamma(2), 62);
       }},
      {"WeakRock", "8 0 10\n140 1000 50000 60 0.0005\n145 1200 60000 70 0.0004\n",
       [] {
         EXPECT_EQ(Pts().rd_c(1), 1000);
         EXPECT_EQ(Soil().rd_kTop(1), 50000);
         EXPECT_EQ(Pts().rd_RQD(1), 60);
         EXPECT_EQ(Pts().rd_Epsilon50(1), 0.0005);
         EXPECT_EQ(Pts().rd_c(2), 1200);
         EXPECT_EQ(Soil().rd_kBottom(1), 60000);
         EXPECT_EQ(Pts().rd_RQD(2), 70);
         EXPECT_EQ(Pts().rd_Epsilon50(2), 0.0004);
       }},
      {"Vuggy LS", "9 0 10\n150 3000\n150 3500\n",
       [] {
         EXPECT_EQ(Pts().rd_c(1), 3000);
         EXPECT_EQ(Pts().rd_c(2), 3500);
       }},
      {"Piedmont", "10 0 10\n110 2 15 300 4000 5000\n112 2 20 350 4500 5500\n",
       [] {
         EXPECT_EQ(Pts().i_FieldTestType(1), 2);
         EXPECT_EQ(Pts().rd_SPT_N60(1), 15);
         EXPECT_EQ(Pts().rd_ConeTip(1), 300);
         EXPECT_EQ(Pts().rd_DMT_Modulus(1), 4000);
         EXPECT_EQ(Pts().rd_PMT_Modulus(1), 5000);
         EXPECT_EQ(Pts().rd_PMT_Modulus(2), 5500);
         EXPECT_EQ(Pts().rd_SPT_N60(2), 20);
       }},
      {"Cem Silt", "11 0 10\n115 200 30 0.01 100\n118 250 32 0.008 150\n",
       [] {
         EXPECT_EQ(Pts().rd_c(1), 200);
         EXPECT_EQ(Pts().rd_Phi(1), 30);
         EXPECT_EQ(Pts().rd_Epsilon50(1), 0.01);
         EXPECT_EQ(Soil().rd_kTop(1), 100);
         EXPECT_EQ(Soil().rd_kBottom(1), 150);
         EXPECT_EQ(Pts().rd_Phi(2), 32);
       }},
      {"KS Loess", "12 0 10\n100 400\n102 450\n",
       [] {
         EXPECT_EQ(Pts().rd_ConeTip(1), 400);
         EXPECT_EQ(Pts().rd_ConeTip(2), 450);
       }},
      {"Elast SG", "13 0 10\n100 1500\n100 1800\n",
       [] {
         EXPECT_EQ(Pts().rd_ElasticSubgrade(1), 1500);
         EXPECT_EQ(Pts().rd_ElasticSubgrade(2), 1800);
       }},
      {"User p-y", "14 0 10\n100 2\n0 0\n1 50\n105 1\n0.5 80\n",
       [] {
         EXPECT_EQ(Pts().rd_Gamma(1), 100);
         EXPECT_EQ(Soil().User_Py_Curve(1).i_Number_of_Points, 2);
         EXPECT_EQ(Soil().User_Py_Curve(1).p(2), 50);
         EXPECT_EQ(Soil().User_Py_Curve(2).i_Number_of_Points, 1);
         EXPECT_EQ(Soil().User_Py_Curve(2).y(1), 0.5);
       }},
      {"MassRock", "16 0 10\n150 5000 35 50 2.5\n155 6000 35 60 3.5\n",
       [] {
         EXPECT_EQ(Pts().rd_MassRock_qu(1), 5000);
         EXPECT_EQ(Pts().i_RockType(1), 35);
         EXPECT_EQ(Pts().rd_GSI(1), 50);
         EXPECT_EQ(Pts().rd_MassRock_Value4(1), 2.5);
         EXPECT_EQ(Pts().rd_MassRock_qu(2), 6000);
         EXPECT_EQ(Pts().rd_MassRock_Value4(2), 3.5);
         EXPECT_EQ(Pts().rd_c(1), 0);  // not in the cohesion list
         EXPECT_EQ(Soil().mi(1), 0);   // mi comes with the echo
       }},
      {"Frz Soil", "17 0 10\n", [] { EXPECT_EQ(Pts().rd_Gamma(1), 0); }},
  };
  for (const Model_Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(US_UNITS);
    Read(std::string("1\n") + c.text + "NEXT\n");
    ASSERT_EQ(Error(), 0) << Report();
    EXPECT_EQ(Next_Line(), "NEXT");
    EXPECT_EQ(Soil().i_Number_of_Layers, 1);
    EXPECT_EQ(Pts().i_Number_of_Points, 2);
    EXPECT_EQ(Soil().XLayerTop(1), 0);
    EXPECT_EQ(Soil().XLayerBottom(1), 10);
    std::string name(c.name);
    name.resize(10, ' ');
    EXPECT_EQ(Soil().Soil_Model_Names(Soil().i_SoilLayer_py_Type(1)).view(), name);
    c.check();
  }
}

TEST_F(ReadSoil, ProfilePointsNumberedTopAndBottomOfEachLayer) {
  // A frozen-soil layer in the middle consumes its layer line only; a value
  // line may carry a trailing comment and continue onto the next line.
  Read("3\n"
       "1, -2.5, 8   first layer\n"
       "110 400 0.02 extra values ignored\n"
       "112\n500 0.01\n"
       "17 8 12\n"
       "5 12 30\n"
       "120 34 0\n"
       "125 36 0\n"
       "END\n");
  ASSERT_EQ(Error(), 0) << Report();
  EXPECT_EQ(Next_Line(), "END");
  EXPECT_EQ(Soil().i_Number_of_Layers, 3);
  EXPECT_EQ(Pts().i_Number_of_Points, 6);
  EXPECT_EQ(Soil().rd_GroundSurfaceDepth, -2.5);
  const double X[7] = {0, -2.5, 8, 8, 12, 12, 30};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(Pts().X(k), X[k]) << "point " << k;
  EXPECT_EQ(Pts().rd_c(2), 500);
  EXPECT_EQ(Pts().rd_Epsilon50(2), 0.01);
  EXPECT_EQ(Soil().i_SoilLayer_py_Type(2), 17);
  EXPECT_EQ(Pts().rd_Gamma(3), 0);
  EXPECT_EQ(Pts().rd_Gamma(5), 120);
  EXPECT_EQ(Pts().rd_Phi(6), 36);
  EXPECT_EQ(Soil().XLayerTop(3), 12);
  EXPECT_EQ(Soil().XLayerBottom(3), 30);
}

TEST_F(ReadSoil, UserPyCurvesAtTopAndBottom) {
  // 3 points at the top, 4 at the bottom: 1 + 1 + 3 + 1 + 4 lines.
  Read("2\n"
       "14 5 15\n"
       "100 3\n"
       "0 0\n0.1 20\n0.5, 40\n"
       "105 4\n"
       "0 0\n0.1 30\n0.5 60\n2.0 90\n"
       "13 15 20\n100 700\n100 900\n"
       "NEXT\n");
  ASSERT_EQ(Error(), 0) << Report();
  EXPECT_EQ(Next_Line(), "NEXT");
  const User_Py_Curve_Record& top = Soil().User_Py_Curve(1);
  const User_Py_Curve_Record& bot = Soil().User_Py_Curve(2);
  EXPECT_EQ(top.rd_Depth, 5);
  EXPECT_EQ(bot.rd_Depth, 15);
  ASSERT_EQ(top.i_Number_of_Points, 3);
  ASSERT_EQ(bot.i_Number_of_Points, 4);
  EXPECT_EQ(top.y(3), 0.5);
  EXPECT_EQ(top.p(3), 40);
  EXPECT_EQ(bot.y(4), 2.0);
  EXPECT_EQ(bot.p(4), 90);
  EXPECT_EQ(Pts().rd_Gamma(2), 105);
  EXPECT_EQ(Pts().rd_ElasticSubgrade(4), 900);
}

TEST_F(ReadSoil, UserPyCurveCountsAtTheLimitAndBelowOne) {
  std::string text = "1\n14 0 10\n100 29\n";
  for (int i = 1; i <= 29; ++i) text += std::to_string(0.01 * i) + " " + std::to_string(i) + "\n";
  text += "100 0\nNEXT\n";
  Read(text);
  ASSERT_EQ(Error(), 0) << Report();
  EXPECT_EQ(Next_Line(), "NEXT");  // a count of 0 reads no point lines
  EXPECT_EQ(Soil().User_Py_Curve(1).i_Number_of_Points, 29);
  EXPECT_EQ(Soil().User_Py_Curve(1).p(29), 29);
  EXPECT_EQ(Soil().User_Py_Curve(2).i_Number_of_Points, 0);

  Start(US_UNITS);
  Read("1\n14 0 10\n100 -3\n100 0\nNEXT\n");
  ASSERT_EQ(Error(), 0) << Report();
  EXPECT_EQ(Next_Line(), "NEXT");
  EXPECT_EQ(Soil().User_Py_Curve(1).i_Number_of_Points, 0);
}

TEST_F(ReadSoil, NoLayers) {
  Read("0\nNEXT\n");
  ASSERT_EQ(Error(), 0);
  EXPECT_EQ(Next_Line(), "NEXT");
  EXPECT_EQ(Soil().i_Number_of_Layers, 0);
  EXPECT_EQ(Pts().i_Number_of_Points, 0);
}

TEST_F(ReadSoil, FortyLayersFill) {
  std::string text = "40\n";
  for (int k = 1; k <= 40; ++k)
    text += "7 " + std::to_string(k - 1) + " " + std::to_string(k) + "\n60\n61\n";
  Read(text + "NEXT\n");
  ASSERT_EQ(Error(), 0) << Report();
  EXPECT_EQ(Next_Line(), "NEXT");
  EXPECT_EQ(Pts().i_Number_of_Points, 80);
  EXPECT_EQ(Pts().X(80), 40);
  EXPECT_EQ(Pts().rd_Gamma(80), 61);
}

TEST_F(ReadSoil, RepeatedSectionLeavesNothingOfTheEarlierOne) {
  Read("2\n1 0 5\n110 500 0.02\n110 500 0.02\n2 5 10\n120 2000 0.005 500\n120 2000 0.005 500\n");
  ASSERT_EQ(Error(), 0);
  Read("1\n5 0 10\n115 32 0\n115 32 0\n");
  ASSERT_EQ(Error(), 0);
  EXPECT_EQ(Soil().i_Number_of_Layers, 1);
  EXPECT_EQ(Pts().rd_c(1), 0);
  EXPECT_EQ(Pts().rd_Epsilon50(1), 0);
  EXPECT_EQ(Soil().XLayerBottom(2), 0);
  EXPECT_EQ(Soil().Soil_Model_Names(5).trimmed(), "Sand");
}

// Errors: number recorded, a block naming the line, and nothing stored from
// the offending entry.
struct Error_Case {
  const char* name;
  const char* text;
  int error;
  const char* report_text;  // part of the block
};

TEST_F(ReadSoil, CapacityCodeAndReadErrors) {
  const Error_Case cases[] = {
      {"41 layers", "41\n1 0 1\n", 182, "Line 1: the soil profile has 41 layers; at most 40"},
      {"30 user points",
       "1\n14 0 10\n100 30\n", 182,
       "Line 3, soil layer 1 (User p-y): the user p-y curve at the top of the layer has 30 "
       "points; a curve holds at most 29 points."},
      {"30 user points at bottom", "1\n14 0 10\n100 1\n0 0\n100 30\n", 182,
       "Line 5, soil layer 1 (User p-y): the user p-y curve at the bottom"},
      {"code 0", "1\n0 0 10\n", 183,
       "Line 2, soil layer 1: the p-y model code 0 is not one of the soil models 1 to 17."},
      {"code 18", "2\n1 0 5\n110 500 0.02\n110 500 0.02\n18 5 10\n", 183,
       "Line 5, soil layer 2: the p-y model code 18"},
      {"code 21", "1\n21 0 10\n", 183, "the p-y model code 21"},
      {"Piedmont test 5", "1\n10 0 10\n110 1 15 0 0 0\n110 5 15 0 0 0\n", 183,
       "Line 4, soil layer 1 (Piedmont), values at the bottom of the layer: the field-test "
       "type 5"},
      {"word for number", "1\n1 0 10\n110 soft 0.02\n", 180,
       "Line 3, reading the values at the top of soil layer 1 (SoftClay): the undrained "
       "cohesion was expected, found \"soft\"."},
      {"real for integer", "2.5\n", 180, "the number of soil layers"},
      {"end of file", "1\n5 0 10\n115 32 0\n", 181,
       "while reading the values at the bottom of soil layer 1 (Sand)"},
      {"end of user curve", "1\n14 0 10\n100 3\n0 0\n", 181, "point 2 of the user p-y curve"},
  };
  for (const Error_Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(US_UNITS);
    Read(c.text);
    EXPECT_EQ(Error(), c.error);
    EXPECT_NE(Report().find(c.report_text), std::string::npos) << Report();
    EXPECT_EQ(Soil().i_Number_of_Layers, 0);
  }
}

TEST_F(ReadSoil, RejectedEntriesAreNotStored) {
  Read("1\n14 0 10\n100 30\n0 1\n");
  ASSERT_EQ(Error(), 182);
  EXPECT_EQ(Soil().User_Py_Curve(1).i_Number_of_Points, 0);
  EXPECT_EQ(Pts().rd_Gamma(1), 0);

  Start(US_UNITS);
  Read("2\n1 0 5\n110 500 0.02\n110 500 0.02\n20 5 10\n");
  ASSERT_EQ(Error(), 183);
  EXPECT_EQ(Soil().i_SoilLayer_py_Type(2), 0);
  EXPECT_EQ(Soil().XLayerTop(2), 0);
  EXPECT_EQ(Pts().X(3), 0);
}

// US customary: ft to in, psf to psi except rock strengths, pcf to pci.
TEST_F(ReadSoil, USConversion) {
  Read("5\n"
       "1 -1 4\n115.2 720 0.02\n129.6 1440 0.01\n"
       "8 4 10\n140 1000 50000 60 0.0005\n140 1234.5 60000 70 0.0004\n"
       "9 10 12\n150 3000\n150 3500\n"
       "14 12 15\n86.4 2\n0 0\n1 50\n86.4 1\n0.5 80\n"
       "16 15 20\n150 5000 35 50 2.5\n150 6000 35 60 3.5\n");
  ASSERT_EQ(Error(), 0) << Report();
  Convert_US_Soil_Units();
  EXPECT_DOUBLE_EQ(Soil().rd_GroundSurfaceDepth, -12.0);
  EXPECT_DOUBLE_EQ(Soil().XLayerTop(2), 48.0);
  EXPECT_DOUBLE_EQ(Soil().XLayerBottom(5), 240.0);
  EXPECT_DOUBLE_EQ(Pts().X(1), -12.0);
  EXPECT_DOUBLE_EQ(Pts().X(10), 240.0);
  // Soft clay: 720 psf = 5 psi, 1440 psf = 10 psi; 115.2 pcf = 0.0666... pci.
  EXPECT_DOUBLE_EQ(Pts().rd_c(1), 5.0);
  EXPECT_DOUBLE_EQ(Pts().rd_c(2), 10.0);
  EXPECT_DOUBLE_EQ(Pts().rd_Gamma(1), 115.2 / 1728.0);
  EXPECT_DOUBLE_EQ(Pts().rd_Gamma(2), 0.075);
  EXPECT_DOUBLE_EQ(Pts().rd_Gamma(7), 0.05);
  // Weak rock and vuggy limestone strengths stay as entered (psi).
  EXPECT_DOUBLE_EQ(Pts().rd_c(3), 1000.0);
  EXPECT_DOUBLE_EQ(Pts().rd_c(4), 1234.5);
  EXPECT_DOUBLE_EQ(Pts().rd_c(5), 3000.0);
  EXPECT_DOUBLE_EQ(Pts().rd_c(6), 3500.0);
  // Moduli, k and massive-rock values are not converted.
  EXPECT_EQ(Soil().rd_kTop(2), 50000);
  EXPECT_EQ(Pts().rd_MassRock_qu(9), 5000);
  EXPECT_EQ(Pts().rd_GSI(10), 60);
  // User p-y curve depths in inches; y and p unchanged.
  EXPECT_DOUBLE_EQ(Soil().User_Py_Curve(7).rd_Depth, 144.0);
  EXPECT_DOUBLE_EQ(Soil().User_Py_Curve(8).rd_Depth, 180.0);
  EXPECT_EQ(Soil().User_Py_Curve(7).p(2), 50);
  EXPECT_EQ(Soil().User_Py_Curve(8).y(1), 0.5);
}

TEST_F(ReadSoil, SIValuesAreNotConverted) {
  Start(SI_UNITS);
  Read("1\n1 0 3\n18 25 0.02\n19 30 0.01\n");
  ASSERT_EQ(Error(), 0);
  Convert_US_Soil_Units();
  EXPECT_EQ(Pts().X(2), 3);
  EXPECT_EQ(Pts().rd_c(1), 25);
  EXPECT_EQ(Pts().rd_Gamma(2), 19);
}

}  // namespace
}  // namespace ormyx
