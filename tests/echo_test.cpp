// The input echo: block layout, the columns its tables need, the data it
// completes (closed profile, rock constants, tolerance, user EI stiffness,
// printed depths, LRFD factored loads) and the whole-problem checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "engine/units.h"
#include "input/echo.h"
#include "input/reader.h"
#include "tests/test_support.h"

using namespace ormyx;
using namespace ormyx_test;

namespace {

// ---------------------------------------------------------------------------
// End-to-end input files

// A drilled shaft of the given length (ft) and diameter (in), without bars.
std::string Shaft_Sections(const std::string& length, const std::string& diameter = "36") {
  return "SECTIONS\n1\n1\n1\n" + length + "\n" + diameter +
         "\n4000\n0.75\nUse default concrete tensile strength\n"
         "Use internal stress-strain curve for concrete\nNo rebar\n";
}

// Soft clay from 0 to 10 ft over sand from 10 to 60 ft.
const char* const CLAY_OVER_SAND =
    "SOIL LAYERS\n2\n1 0 10\n110 500 0.01\n110 600 0\n5 10 60\n115 32 0\n120 34 0\n";

struct Problem {
  std::string units = "USCS";
  bool ei_only = false;
  std::string loading = "Loading STATIC      ";
  std::string tolerance = "1.0E-5";
  bool print_py = false;
  std::string sections = Shaft_Sections("50");
  std::string soil = CLAY_OVER_SAND;
  std::string loads = "LOADING\n1\n1 1 1000 0 0 1\n0\n";
  std::string extra;

  std::string text() const {
    return "ORMYXP6\nTITLE\nEcho test\n\n\n\n\nOPTIONS\nUnits " + units +
           "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
           "UsePYModifiers NO\nComputeEIOnly " +
           (ei_only ? "YES" : "NO") + "\n" + loading + "\nMaxIter 100\nMaxDefl 10.0\nTol " +
           tolerance + "\nIncrements 100\nPrintSummaryOnly NO\nPrintInc 1\nPrintPYCurves " +
           (print_py ? "YES" : "NO") + "\nComputeInteraction NO\n" + sections + soil + loads +
           extra + "END\n";
  }
};

// The lines of a report that begin with a given text.
std::vector<std::string> Lines_Starting(const std::string& text, const std::string& start) {
  std::vector<std::string> out;
  for (const auto& l : Split_Lines(text))
    if (l.compare(0, start.size(), start) == 0) out.push_back(l);
  return out;
}

bool Has(const std::string& text, const std::string& needle) {
  return text.find(needle) != std::string::npos;
}

// The column (1-based) where "= " starts on the first line beginning with label.
int Equals_Column(const std::string& report, const std::string& label) {
  auto lines = Lines_Starting(report, label);
  if (lines.empty()) return -1;
  std::size_t p = lines[0].find("= ", label.size());
  return p == std::string::npos ? -1 : int(p) + 1;
}

// ---------------------------------------------------------------------------
// Direct calls: records filled by hand, the report written to a temporary file

class Echo_Direct : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset_Run_State();
    Initialize_Soil_Model_Names();
    RS().files.out[CH_REPORT].fp = std::tmpfile();
    RS().files.out[CH_MESSAGE].fp = std::tmpfile();
    ASSERT_NE(RS().files.out[CH_REPORT].fp, nullptr);
    Problem_Options& o = RS().prob.opt;
    o.IUNITS = US_UNITS;
    o.i_Analysis_Type = ANALYSIS_LATERAL;
    o.rd_ConvergenceTolerance = 1.0e-5;
    Set_Unit_Labels(US_UNITS);
  }
  void TearDown() override { Reset_Run_State(); }

  static std::string Contents(Channel ch) {
    std::FILE* fp = RS().files.out[ch].fp;
    std::fflush(fp);
    std::rewind(fp);
    std::string s;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) s.append(buf, n);
    return s;
  }
  static std::string Report() { return Contents(CH_REPORT); }

  // One drilled shaft of the given length (ft) and diameter (in).
  static void One_Section(double length, double diameter = 36.0) {
    Section_Records& sec = RS().prob.sec;
    sec.i_Number_of_Sections = 1;
    sec.i_Number_of_Section_Points = 2;
    sec.Pile_Section[1].i_SectionType = SECTION_DRILLED_SHAFT;
    sec.Pile_Section[1].rd_Length = length;
    sec.Pile_Section[1].rd_Diameter = diameter;
    sec.Section_Property_Points[1] = {0.0, diameter, 0.0, 0.0, 0.0, 0.0};
    sec.Section_Property_Points[2] = {length, diameter, 0.0, 0.0, 0.0, 0.0};
    sec.rd_PileLength = length;
  }

  // Layer k with model code and depths, unit weight gamma at top and bottom.
  static void Layer(int k, int code, double top, double bottom, double gamma = 110.0) {
    Soil_Records& soil = RS().prob.soil;
    soil.i_Number_of_Layers = std::max(soil.i_Number_of_Layers, k);
    soil.Soil_Profile_Points.i_Number_of_Points = 2 * soil.i_Number_of_Layers;
    soil.i_SoilLayer_py_Type[k] = code;
    soil.XLayerTop[k] = top;
    soil.XLayerBottom[k] = bottom;
    soil.Soil_Profile_Points.X[2 * k - 1] = top;
    soil.Soil_Profile_Points.X[2 * k] = bottom;
    soil.Soil_Profile_Points.rd_Gamma[2 * k - 1] = gamma;
    soil.Soil_Profile_Points.rd_Gamma[2 * k] = gamma;
    if (k == 1) soil.rd_GroundSurfaceDepth = top;
  }
};

}  // namespace

// ---------------------------------------------------------------------------
// Whole runs

TEST(Echo, EmptyProblemStopsWithPointCountZero) {
  Run_Result r = Run_Engine("NOTAFILE\nEND\n");
  EXPECT_EQ(r.status, 117);
  EXPECT_TRUE(Has(r.report, "The number of points to define the pile properties is 2 to 40, "
                            "not the input value of          0"));
  EXPECT_TRUE(Has(r.message, "**** Input Data Error No. 17 ****"));
  EXPECT_TRUE(Has(r.report, "Ormyx ended prematurely due to input error number INP00017"));
  // Every block that applies to a problem that is not EI-only is written first.
  EXPECT_TRUE(Has(r.report, "Soil and Rock Layering Information"));
  EXPECT_TRUE(Has(r.report, "Pile-head Loading and Pile-head Fixity Conditions"));
  EXPECT_TRUE(Has(r.message, "Output of input data begun"));
  EXPECT_FALSE(Has(r.message, "Output of input data completed"));
}

TEST(Echo, LabelledValuesStartTheirEqualsInColumn56) {
  Run_Result r = Run_Engine(Problem().text());
  ASSERT_TRUE(Has(r.message, "Output of input data completed")) << r.report;
  for (const char* label : {"- Number of pile increments", "- Maximum number of iterations allowed",
                            "- Deflection tolerance for convergence", "- Maximum allowable deflection",
                            "- Printing Increment (nodal spacing of output points)",
                            "Total number of pile sections", "Total length of pile ",
                            "Depth of ground surface below top of pile", "   Section Type",
                            "   Section Length", "   Section Diameter", "Ground Slope Angle",
                            "   Distance from top of pile to top of layer",
                            "   Undrained cohesion at top of layer",
                            "   Friction angle at bottom of layer"})
    EXPECT_EQ(Equals_Column(r.report, label), 56) << label;
  auto t = Lines_Starting(r.report, "   Section Type");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].substr(55), "= Drilled Shaft (Bored Pile)");
  auto tol = Lines_Starting(r.report, "- Deflection tolerance for convergence");
  ASSERT_EQ(tol.size(), 1u);
  EXPECT_EQ(tol[0].substr(55), "=   0.1000E-04 in");
  auto head = Lines_Starting(r.report, "    1      1   V = ");
  ASSERT_EQ(head.size(), 1u) << r.report;
  EXPECT_TRUE(Has(head[0], " No  "));  // length-study switch 1: not in the study
  EXPECT_TRUE(Has(r.report, "R = rotational stiffness applie to pile head"));
  EXPECT_TRUE(Has(r.report, "   (Depth of lowest soil layer extends 10.00 ft below pile tip)"));
}

TEST(Echo, EIOnlyWritesNothingAboutSoilOrLoads) {
  Problem p;
  p.ei_only = true;
  p.soil = "";
  p.loads = "AXIAL THRUST LOADS\n1\n1 100\n";
  Run_Result r = Run_Engine(p.text());
  ASSERT_TRUE(Has(r.message, "Output of input data completed")) << r.report;
  EXPECT_TRUE(Has(r.report, "This analysis computes nominal moment capacity and nonlinear bending "
                            "stiffness only."));
  EXPECT_TRUE(Has(r.report, "Pile Structural Properties and Geometry"));
  for (const char* absent : {"Computation Options:", "Ground Slope", "Soil and Rock Layering",
                             "Summary of Soil Properties", "Loading Type", "Pile-head Loading",
                             "Axial thrust is assumed"})
    EXPECT_FALSE(Has(r.report, absent)) << absent;
  EXPECT_NE(r.status, 118);  // no soil profile is needed for bending stiffness only
}

TEST(Echo, ClayOverSandSummaryHasExactlyItsColumns) {
  Run_Result r = Run_Engine(Problem().text());
  ASSERT_TRUE(Has(r.message, "Output of input data completed")) << r.report;
  // Fixed columns, then cohesion, friction, strain factor and kpy, 13 characters each.
  EXPECT_TRUE(Has(r.report, "                      Layer                     Layer      Effective   "
                            " Undrained   " " Angle of    " "  Strain     " "             \n"));
  EXPECT_TRUE(Has(r.report, "Layer               Soil Type                   Depth       Unit Wt.   "
                            " Cohesion    " " Friction    " "  Factor     " "   kpy       \n"));
  EXPECT_TRUE(Has(r.report, " Num.         (p-y Curve Criteria)               ft           pcf      "
                            "    psf      " "    deg.     " "Epsilon 50   " "   pci       \n"));
  EXPECT_TRUE(Has(r.report, "-----   ----------------------------------   ----------   ----------   "
                            "----------   ----------   ----------   ----------   \n"));
  for (const char* rock : {"Uniaxial", "RQD %", "Rock Mass", "krm", "In-situ", "Subgrade    "})
    EXPECT_FALSE(Has(r.report, rock)) << rock;
  auto rows = Lines_Starting(r.report, "    1   Soft Clay");
  ASSERT_EQ(rows.size(), 1u);
  // Friction and kpy do not apply to clay; cohesion and e50 do not apply to sand.
  EXPECT_EQ(rows[0].substr(84, 10), "    --    ");
  EXPECT_EQ(rows[0].substr(110, 10), "    --    ");
  auto sand = Lines_Starting(r.report, "    2   Sand (Reese, et al.)");
  ASSERT_EQ(sand.size(), 1u);
  EXPECT_EQ(sand[0].substr(71, 10), "    --    ");
  EXPECT_EQ(sand[0].substr(97, 10), "    --    ");
  EXPECT_EQ(sand[0].substr(110, 10), "  default ");  // k of 0: the model's default
  EXPECT_TRUE(Has(r.report, "   NOTE: Internal default values for subgrade k will be computed for"));
}

TEST(Echo, NumberOfCyclesMustLieBetween2And5000) {
  struct Case {
    const char* line;
    bool error;
  } cases[] = {{"Loading CYCLIC     1", true},
               {"Loading CYCLIC     2", false},
               {"Loading CYCLIC  5000", false},
               {"Loading CYCLIC  5001", true},
               {"Loading CYCLIC   1.5", true}};
  for (const Case& c : cases) {
    Problem p;
    p.loading = c.line;
    Run_Result r = Run_Engine(p.text());
    EXPECT_EQ(r.status == 128, c.error) << c.line << " status " << r.status;
    EXPECT_EQ(Has(r.message, "Output of input data completed"), !c.error) << c.line;
    EXPECT_TRUE(Has(r.report, "Cyclic loading criteria were used for computation of p-y curves for "
                              "all analyses."));
    if (c.error) {
      EXPECT_TRUE(Has(r.message, "**** Input Data Error No. 28 ****"));
      EXPECT_TRUE(Has(r.report, "are outside the valid range of 2 to 5,000."));
      EXPECT_EQ(Count_Containing(r.report, "Number of cycles of loading = "), 2);
    }
  }
  Run_Result st = Run_Engine(Problem().text());
  EXPECT_TRUE(Has(st.report, std::string(33, ' ') + "Loading Type\n"));
  EXPECT_TRUE(Has(st.report,
                  "Static loading criteria were used when computing p-y curves for all analyses."));
}

TEST(Echo, GenericToleranceOfZeroIsReset) {
  Problem p;
  p.units = "GENERAL";
  p.tolerance = "0";
  Run_Result r = Run_Engine(p.text());
  ASSERT_TRUE(Has(r.message, "Output of input data completed")) << r.report;
  EXPECT_EQ(RS().prob.opt.rd_ConvergenceTolerance, 2.5400000325248584E-8);
  EXPECT_TRUE(Has(r.report, "(Specified convergence tolerance of 0 reset by program to  0.2540E-07 "
                            "meters)\n"));
  EXPECT_TRUE(Has(r.report, "Engineering units are Generic Units: force, length"));

  p.tolerance = "0.001";
  Run_Result kept = Run_Engine(p.text());
  EXPECT_EQ(RS().prob.opt.rd_ConvergenceTolerance, 0.001);
  EXPECT_FALSE(Has(kept.report, "reset by program"));
}

TEST(Echo, PileLongerThanSoilProfileStops) {
  Problem p;
  p.sections = Shaft_Sections("61");
  Run_Result r = Run_Engine(p.text());
  EXPECT_EQ(r.status, 118);
  EXPECT_TRUE(Has(r.message, "Problem: The depth at the bottom of the lowermost soil layer is 60.000 ft"));
  EXPECT_TRUE(Has(r.report, "         This depth is higher than the tip of the pile at 61.000 ft."));
  p.sections = Shaft_Sections("60");  // a tip at the bottom of the profile is fine
  EXPECT_NE(Run_Engine(p.text()).status, 118);
}

TEST(Echo, MicropileWithoutDiameterStops) {
  Problem p;
  p.sections = "SECTIONS\n1\n1\n14\n50\n";
  Run_Result r = Run_Engine(p.text());
  EXPECT_EQ(r.status, 127);
  EXPECT_TRUE(Has(r.report, "entered for one or more values of pile diameter."));
  EXPECT_FALSE(Has(r.report, "Soil and Rock Layering"));
}

// ---------------------------------------------------------------------------
// Direct calls

TEST_F(Echo_Direct, LayersAreMadeContiguousFromTheGroundSurface) {
  One_Section(40.0);
  Layer(1, SOIL_SAND, 2.0, 10.0);
  Layer(2, SOIL_SAND, 12.0, 30.0);  // a gap above layer 2
  Layer(3, SOIL_SAND, 25.0, 50.0);  // an overlap above layer 3
  RS().prob.soil.rd_GroundSurfaceDepth = 1.5;
  Echo_Input_Data();
  EXPECT_FALSE(Error_Recorded()) << Report();
  const Soil_Records& soil = RS().prob.soil;
  EXPECT_EQ(soil.XLayerTop[1], 1.5);
  EXPECT_EQ(soil.XLayerTop[2], 10.0);
  EXPECT_EQ(soil.XLayerTop[3], 30.0);
  EXPECT_EQ(soil.Soil_Profile_Points.X[3], 12.0);  // the properties stay as read
}

TEST_F(Echo_Direct, MassiveRockConstants) {
  struct Case {
    int type;
    double mi;
    const char* line;
  } cases[] = {
      {1, 12, " The rock type is (sedimentary) anhydrite, Hoek-Brown Material Constant mi = 12"},
      {35, 32, " The rock type is (igneous) granite, Hoek-Brown Material Constant mi = 32"},
      {22, 7, " The rock type is (metamorphic) phyllites, Hoek-Brown Material Constant mi = 7"},
      {43, 4, " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 4"},
      {50, 11, " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 11"},
      {71, 32, " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 32"},
      {0, 0, ""},
      {72, 0, ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(fn_Rock_Type_mi(c.type), c.mi) << c.type;
    EXPECT_EQ(Rock_Type_Line(c.type), c.line) << c.type;
  }
  One_Section(40.0);
  Layer(1, SOIL_MASSIVE_ROCK, 0.0, 50.0, 140.0);
  RS().prob.soil.Soil_Profile_Points.i_RockType[1] = 50;
  RS().prob.soil.Soil_Profile_Points.i_RockType[2] = 1;  // the top of the layer decides
  Echo_Input_Data();
  EXPECT_EQ(RS().prob.soil.mi[1], 11.0);
  std::string rep = Report();
  EXPECT_TRUE(Has(rep, "Layer 1 is massive rock, p-y criteria by Liang et al., 2009\n"));
  EXPECT_TRUE(Has(rep, "User-defined Hoek-Brown Material Constant mi = 11\n"));
  // 140 pcf is on the bound of the unit-weight check.
  EXPECT_TRUE(Has(rep, "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)"));
  EXPECT_TRUE(Has(Contents(CH_MESSAGE), "**** Warning - Possible Input Data Error ****"));
}

TEST_F(Echo_Direct, LiquefiedSandDeeperThanSixMetres) {
  struct Case {
    int units;
    double gs, bottom;
    bool warned;
  } cases[] = {{US_UNITS, 0.0, 19.68, false}, {US_UNITS, 0.0, 19.69, true},
               {US_UNITS, 5.0, 24.6, false},  {SI_UNITS, 0.0, 6.0, false},
               {SI_UNITS, 1.0, 7.01, true},   {GENERIC_UNITS, 0.0, 100.0, false}};
  for (const Case& c : cases) {
    SetUp();
    RS().prob.opt.IUNITS = c.units;
    Set_Unit_Labels(c.units);
    One_Section(c.bottom);
    Layer(1, SOIL_LIQUEFIED_SAND, c.gs, c.bottom, c.units == US_UNITS ? 100.0 : 15.0);
    Echo_Input_Data();
    std::string rep = Report();
    EXPECT_EQ(Has(rep, "   Warning : The depth of this layer is deeper than the recommended depth"),
              c.warned) << c.units << " " << c.bottom;
    EXPECT_EQ(RS().status.i_WarningCount[354], c.warned ? 1 : 0);
    if (c.warned && c.units == SI_UNITS) {
      EXPECT_TRUE(Has(rep, "\n   criteria.\n"));
    }
  }
}

TEST_F(Echo_Direct, MomentCurvatureTableGetsBendingStiffness) {
  One_Section(40.0);
  Pile_Section_Record& p = RS().prob.sec.Pile_Section[1];
  p.i_SectionType = SECTION_USER_EI;
  p.b_UserEI_MomentVsCurvature = L_TRUE;
  p.i_Number_of_UserEI_Thrusts = 1;
  p.rd_UserEI_Thrust[1] = 0.0;
  p.i_Number_of_UserEI_Points[1] = 3;
  const double m[3] = {0.0, 100.0, 200.0}, phi[3] = {0.0, 0.001, 0.004};
  for (int k = 1; k <= 3; ++k) {
    p.rd_UserEI_Moment(1, k) = m[k - 1];
    p.rd_UserEI_Curvature(1, k) = phi[k - 1];
  }
  Layer(1, SOIL_SAND, 0.0, 50.0);
  Echo_Input_Data();
  EXPECT_FALSE(Error_Recorded());
  EXPECT_DOUBLE_EQ(p.rd_UserEI_EI(1, 1), 1.0e5);  // phi = 0: takes the stiffness of point 2
  EXPECT_DOUBLE_EQ(p.rd_UserEI_EI(1, 2), 1.0e5);
  EXPECT_DOUBLE_EQ(p.rd_UserEI_EI(1, 3), 5.0e4);
  std::string rep = Report();
  EXPECT_TRUE(Has(rep, "   Number of Moment-vs.-Curvature Points"));
  EXPECT_TRUE(Has(rep, "   Point         Bending Moment         Bending Stiffness         Bending Curvature\n"));
  EXPECT_TRUE(Has(rep, "= Pile with User-defined Nonlinear EI\n"));
}

TEST_F(Echo_Direct, TipShearCurveMustStartAtZeroAndIncrease) {
  struct Case {
    std::vector<double> x;
    int bad_point;
  } cases[] = {{{0.0, 0.1, 0.5}, 0}, {{0.1, 0.2}, 1}, {{0.0, 0.2, 0.2}, 3}, {{0.0, -0.1}, 2}};
  for (const Case& c : cases) {
    SetUp();
    One_Section(40.0);
    Layer(1, SOIL_SAND, 0.0, 50.0);
    Loading_Records& ld = RS().prob.load;
    ld.i_Number_of_Tip_Shear_Points = int(c.x.size());
    for (std::size_t i = 0; i < c.x.size(); ++i) ld.Tip_Shear_Point[int(i) + 1] = {c.x[i], 10.0 * double(i)};
    Echo_Input_Data();
    std::string rep = Report();
    EXPECT_TRUE(Has(rep, "Shear Resistance Curve at Pile Tip \n"));
    if (c.bad_point == 0) {
      EXPECT_FALSE(Error_Recorded());
    } else {
      EXPECT_EQ(RS().status.i_ErrorNumber, 150);
      EXPECT_TRUE(Has(rep, "appears to be in error at point " + std::to_string(c.bad_point) + ".\n"));
      EXPECT_FALSE(Has(rep, "Specified Depths for Output of p-y Curves"));
    }
  }
}

TEST_F(Echo_Direct, PrintedPYDepthsAreCheckedAndListed) {
  struct Case {
    std::vector<double> depths;
    int error;
  } cases[] = {{{2.0, 10.0, 40.0}, 0}, {{2.0, 40.5}, 130}, {{10.0, 1.0}, 129}};
  for (const Case& c : cases) {
    SetUp();
    One_Section(40.0);
    Layer(1, SOIL_SAND, 2.0, 50.0);
    RS().prob.opt.i_PrintPYCurves = 1;
    Loading_Records& ld = RS().prob.load;
    ld.i_Number_of_Printed_PY_Depths = int(c.depths.size());
    for (std::size_t i = 0; i < c.depths.size(); ++i) ld.rd_PrintedPYDepth[int(i) + 1] = c.depths[i];
    Echo_Input_Data();
    std::string rep = Report();
    EXPECT_EQ(RS().status.i_ErrorNumber, c.error);
    if (c.error == 0) {
      EXPECT_EQ(ld.i_Number_of_Printed_PY_Depths, 3);
      EXPECT_EQ(RS().prob.opt.i_PrintPYCurves, 1);
      EXPECT_TRUE(Has(rep, "Lateral load-transfer (p-y) curves are computed and output at 3 depths.\n"));
      // Depth below the pile head and below the ground surface.
      EXPECT_TRUE(Has(rep, "    2" + std::string(21, ' ') + "10.000" + std::string(27, ' ') + "8.000\n"));
      EXPECT_TRUE(Has(rep, "Depth of ground surface below top of pile = 2.00 ft\n"));
    } else if (c.error == 130) {
      EXPECT_TRUE(Has(rep, "Input Point 2 at 40.50 ft was not printed because it is below the pile tip."));
    } else {
      EXPECT_TRUE(Has(rep, "Problem:  A depth above the ground surface was specified for the printing"));
    }
  }
}

TEST_F(Echo_Direct, PYModifiersMustStartAtTheGroundSurface) {
  One_Section(40.0);
  Layer(1, SOIL_SAND, 3.0, 50.0);
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 2;
  ld.PY_Modifier_Point[1] = {2.0, 0.8, 1.0};
  ld.PY_Modifier_Point[2] = {40.0, 0.8, 1.0};
  Echo_Input_Data();
  EXPECT_EQ(RS().status.i_ErrorNumber, 121);
  std::string rep = Report();
  EXPECT_TRUE(Has(rep, "Distribution of p-y modifiers with depth defined using 2 points\n"));
  EXPECT_TRUE(Has(rep, "          The ground surface is located at 3.000 ft.\n"));
  EXPECT_TRUE(Has(rep, "- Analysis uses p-y multiplers for group action\n"));

  SetUp();
  One_Section(40.0);
  Layer(1, SOIL_SAND, 3.0, 50.0);
  RS().prob.load.i_Number_of_PY_Modifier_Points = 1;
  RS().prob.load.PY_Modifier_Point[1] = {3.0, 0.8, 1.0};
  Echo_Input_Data();
  EXPECT_FALSE(Error_Recorded());
}

TEST_F(Echo_Direct, LRFDFactoredLoadsAndThrusts) {
  One_Section(40.0);
  Layer(1, SOIL_SAND, 0.0, 50.0);
  RS().prob.opt.b_UseLRFD = L_TRUE;
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_LRFD_Groups = 3;
  ld.LRFD_Load_Group[1].i_LoadType = LRFD_DL;
  ld.LRFD_Load_Group[1].rd_HorizontalForce = 100.0;
  ld.LRFD_Load_Group[1].rd_AxialForce = 8000.0;
  ld.LRFD_Load_Group[2].i_LoadType = LRFD_DL;
  ld.LRFD_Load_Group[2].rd_HorizontalForce = 50.0;
  ld.LRFD_Load_Group[3].i_LoadType = LRFD_LL;
  ld.LRFD_Load_Group[3].rd_HorizontalForce = 20.0;
  ld.LRFD_Load_Group[3].rd_AxialForce = 4000.0;
  ld.i_Number_of_LRFD_Combinations = 2;
  for (int c = 1; c <= 2; ++c) {
    ld.LRFD_Combination[c].rd_FlexureFactor = 0.75;
    ld.LRFD_Combination[c].rd_ShearFactor = 0.9;
  }
  ld.LRFD_Combination[1].rd_LoadFactor[LRFD_DL] = 1.25;
  ld.LRFD_Combination[1].rd_LoadFactor[LRFD_LL] = 0.0;
  ld.LRFD_Combination[1].name.set(std::string("Strength I"));
  ld.LRFD_Combination[2].rd_LoadFactor[LRFD_DL] = 1.25;
  ld.LRFD_Combination[2].rd_LoadFactor[LRFD_LL] = 2.5;
  ld.LRFD_Combination[2].name.set(std::string("Strength II"));
  Echo_Input_Data();
  EXPECT_FALSE(Error_Recorded());
  std::string rep = Report();
  // 1.25 x (100 + 50) + 2.5 x 20 = 237.5; axial 1.25 x 8000 and 1.25 x 8000 + 2.5 x 4000.
  EXPECT_TRUE(Has(rep, "Factored Horizontal Force =             237.50 lbs\n"));
  EXPECT_TRUE(Has(rep, "Factored Load =  1.25*DL + 2.50*LL \n"));
  EXPECT_TRUE(Has(rep, "Factored Load =  1.25*DL \n"));
  EXPECT_TRUE(Has(rep, "Number of Unique Axial Thrust Values = 2\n"));
  EXPECT_TRUE(Has(rep, "     2                20000.00\n"));  // listed in input units
  EXPECT_EQ(ld.i_Number_of_Thrusts, 2);
  EXPECT_EQ(ld.Axial_Thrust_List[1], 10.0);  // kips
  EXPECT_EQ(ld.Axial_Thrust_List[2], 20.0);
  EXPECT_FALSE(Has(rep, "Factored Loads Transformed for Pile Batter"));
  EXPECT_FALSE(Has(rep, "Pile-head Loading and Pile-head Fixity Conditions"));
  EXPECT_TRUE(Has(rep, "\n   1  1.25     --"));  // a factor of 0 is shown as --

  SetUp();
  One_Section(40.0);
  Layer(1, SOIL_SAND, 0.0, 50.0);
  RS().prob.opt.b_UseLRFD = L_TRUE;
  RS().prob.load.rd_BatterAngle = 0.1;
  RS().prob.load.i_Number_of_LRFD_Combinations = 1;
  RS().prob.load.LRFD_Combination[1].rd_LoadFactor[LRFD_DL] = 1.0;
  Echo_Input_Data();
  EXPECT_TRUE(Has(Report(), "Factored Loads Transformed for Pile Batter by Load Combination:"));
}

TEST_F(Echo_Direct, UnitWeightLimitsIncludeTheirBounds) {
  struct Case {
    int units;
    double low, high;
    bool warned;
  } cases[] = {{US_UNITS, 20.0, 100.0, true},   {US_UNITS, 20.01, 139.99, false},
               {US_UNITS, 60.0, 140.0, true},   {SI_UNITS, double(3.15f), 18.0, true},
               {SI_UNITS, 3.16, 21.99, false},  {SI_UNITS, 10.0, 22.0, true}};
  for (const Case& c : cases) {
    SetUp();
    RS().prob.opt.IUNITS = c.units;
    Set_Unit_Labels(c.units);
    One_Section(40.0);
    Layer(1, SOIL_SAND, 0.0, 10.0, c.low);
    Layer(2, SOIL_FROZEN_SOIL, 10.0, 20.0, 0.0);  // no unit weight: not checked
    Layer(3, SOIL_SAND, 20.0, 50.0, c.high);
    Echo_Input_Data();
    EXPECT_EQ(Has(Report(), "**** Warning - Possible Input Data Error ****"), c.warned)
        << c.units << " " << c.low << " " << c.high;
    EXPECT_EQ(Has(Contents(CH_MESSAGE), "Values entered for effective unit weights"), c.warned);
  }
}

TEST_F(Echo_Direct, GenericUnitWeightsAreNotChecked) {
  RS().prob.opt.IUNITS = GENERIC_UNITS;
  Set_Unit_Labels(GENERIC_UNITS);
  One_Section(40.0);
  Layer(1, SOIL_SAND, 0.0, 50.0, 0.0);
  Echo_Input_Data();
  std::string rep = Report();
  EXPECT_TRUE(Has(rep, "Values of effective unit weight cannot be checked because \n"));
  EXPECT_FALSE(Has(rep, "Possible Input Data Error"));
}

TEST_F(Echo_Direct, SummaryColumnsFollowTheModels) {
  const std::string coh = " Cohesion    ", fric = " Friction    ", qu = "    qu       ",
                    rqd = "     or      ", e50 = "  Factor     ", j = "     J       ",
                    kpy = "   kpy       ", emass = "Rock Emass   ", krm = "   krm       ",
                    test = "   Test      ", esg = " Subgrade    ";
  struct Case {
    int code;
    std::string columns;  // heading line 2 after the fixed columns
  } cases[] = {{SOIL_SOFT_CLAY, coh + e50},
               {SOIL_SOFT_CLAY_J, coh + j},
               {SOIL_STIFF_CLAY_WATER, coh + e50 + kpy},
               {SOIL_STIFF_CLAY_NO_WATER, coh + e50},
               {SOIL_STIFF_CLAY_K, coh + e50 + kpy},
               {SOIL_SAND, fric + kpy},
               {SOIL_API_SAND, fric + kpy},
               {SOIL_LIQUEFIED_SAND, ""},
               {SOIL_WEAK_ROCK, qu + rqd + emass + krm},
               {SOIL_VUGGY_LIMESTONE, qu},
               {SOIL_PIEDMONT, test + test},
               {SOIL_CEMENTED_SILT, coh + fric + e50 + kpy},
               {SOIL_LOESS, test + test},
               {SOIL_ELASTIC_SUBGRADE, esg},
               {SOIL_USER_PY, ""},
               {SOIL_MASSIVE_ROCK, qu + rqd},
               {SOIL_FROZEN_SOIL, ""}};
  const std::string fixed = "Layer               Soil Type                   Depth       Unit Wt.   ";
  for (const Case& c : cases) {
    SetUp();
    One_Section(40.0);
    Layer(1, c.code, 0.0, 50.0);
    Echo_Input_Data();
    EXPECT_TRUE(Has(Report(), "\n" + fixed + c.columns + "\n")) << "model code " << c.code;
  }
  // Two layers: the columns of both models, in the fixed column order.
  SetUp();
  One_Section(40.0);
  Layer(1, SOIL_ELASTIC_SUBGRADE, 0.0, 10.0);
  Layer(2, SOIL_SOFT_CLAY, 10.0, 50.0);
  RS().prob.soil.Soil_Profile_Points.rd_c[3] = 250.0;
  Echo_Input_Data();
  std::string rep = Report();
  EXPECT_TRUE(Has(rep, "\n" + fixed + coh + e50 + esg + "\n"));
  auto rows = Lines_Starting(rep, "    2   Soft Clay");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].substr(71), "  250.0000     default        --       ");
}

// Every block heading: its count of empty lines, the rule of 80, the text after
// its blanks, the rule and one empty line; the blocks come in their order.
TEST_F(Echo_Direct, BlockHeadingsKeepTheirLayoutAndOrder) {
  One_Section(40.0);
  Layer(1, SOIL_FROZEN_SOIL, 0.0, 10.0, 0.0);
  Layer(2, SOIL_SAND, 10.0, 50.0);
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_PY_Modifier_Points = 1;
  ld.PY_Modifier_Point[1] = {0.0, 0.8, 1.0};
  ld.i_Number_of_Soil_Movement_Points = 2;
  ld.Soil_Movement_Point[1] = {0.0, 1.0};
  ld.Soil_Movement_Point[2] = {20.0, 0.0};
  ld.i_Number_of_Distributed_Points = 2;
  ld.Distributed_Load_Point[1] = {0.0, 5.0};
  ld.Distributed_Load_Point[2] = {120.0, 5.0};
  ld.i_Number_of_Tip_Shear_Points = 2;
  ld.Tip_Shear_Point[1] = {0.0, 0.0};
  ld.Tip_Shear_Point[2] = {0.5, 100.0};
  RS().prob.opt.i_PrintPYCurves = 1;
  ld.i_Number_of_Printed_PY_Depths = 1;
  ld.rd_PrintedPYDepth[1] = 5.0;
  Echo_Input_Data();
  ASSERT_FALSE(Error_Recorded()) << Report();
  const std::vector<std::string> lines = Split_Lines(Report());
  const std::string rule(80, '-');
  struct Case {
    const char* text;
    int empty_before, blanks;
  } cases[] = {{"Problem Title", 2, 32},
               {"Program Options", 1, 31},
               {"Pile Structural Properties and Geometry", 0, 20},
               {"Ground Slope and Pile Batter Angles", 2, 22},
               {"Soil and Rock Layering Information", 2, 23},
               {"Summary of Soil Properties", 2, 27},
               {"p-y Modification Factors for Group Action", 3, 19},
               {"Lateral Soil Movements", 3, 29},
               {"Loading Type", 3, 33},
               {"Distributed Lateral Loading", 3, 27},
               {"Pile-head Loading and Pile-head Fixity Conditions", 3, 15},
               {"Shear Resistance Curve at Pile Tip ", 3, 22},
               {"Specified Depths for Output of p-y Curves", 3, 19}};
  std::size_t previous = 0;
  for (const Case& c : cases) {
    const std::string heading = std::string(std::size_t(c.blanks), ' ') + c.text;
    std::size_t at = 0;
    while (at < lines.size() && lines[at] != heading) ++at;
    ASSERT_LT(at, lines.size()) << c.text;
    EXPECT_GT(at, previous) << c.text << " out of order";
    previous = at;
    ASSERT_GE(at, std::size_t(c.empty_before) + 1) << c.text;
    ASSERT_LT(at + 2, lines.size()) << c.text;
    EXPECT_EQ(lines[at - 1], rule) << c.text;
    EXPECT_EQ(lines[at + 1], rule) << c.text;
    EXPECT_EQ(lines[at + 2], "") << c.text;
    for (int e = 1; e <= c.empty_before; ++e)
      EXPECT_EQ(lines[at - 1 - std::size_t(e)], "") << c.text << " empty line " << e;
    // The sections end with their last value line, right above the empty lines.
    if (c.empty_before == 2 && std::string(c.text) == "Ground Slope and Pile Batter Angles") {
      EXPECT_EQ(lines[at - 4].compare(0, 21, "   Section Diameter  "), 0) << lines[at - 4];
    }
  }
  // A frozen soil layer has no headline text after its number.
  EXPECT_EQ(Lines_Starting(Report(), "Layer 1").size(), 1u);
  EXPECT_EQ(Lines_Starting(Report(), "Layer 1")[0], "Layer 1");
}

// The blocks of errors INP00018 and INP00021 end with their last text line.
TEST_F(Echo_Direct, SoilDepthAndModifierErrorBlocksEndWithTheirText) {
  One_Section(60.0);
  Layer(1, SOIL_SAND, 0.0, 50.0);
  Echo_Input_Data();
  EXPECT_EQ(RS().status.i_ErrorNumber, 118);
  const std::string tail18 =
      "**** Input Data Error No. 18 ****\n\n"
      "Problem: The depth at the bottom of the lowermost soil layer is 50.000 ft\n"
      "         This depth is higher than the tip of the pile at 60.000 ft.\n"
      "Solution: Increase the depth of the soil profile or shorten the pile length.\n"
      "\n\nOrmyx ended prematurely due to input error number INP00018\n";  // the recorder's lines
  std::string rep = Report();
  ASSERT_GE(rep.size(), tail18.size());
  EXPECT_EQ(rep.substr(rep.size() - tail18.size()), tail18);

  SetUp();
  One_Section(40.0);
  Layer(1, SOIL_SAND, 3.0, 50.0);
  RS().prob.load.i_Number_of_PY_Modifier_Points = 1;
  RS().prob.load.PY_Modifier_Point[1] = {2.0, 0.8, 1.0};
  Echo_Input_Data();
  EXPECT_EQ(RS().status.i_ErrorNumber, 121);
  const std::string tail21 =
      "Solution:  Correct the input data so that the first depth for \n"
      "          the p-multiplier data is the same as the elevation as the \n"
      "          ground surface.\n"
      "\n\nOrmyx ended prematurely due to input error number INP00021\n";
  rep = Report();
  ASSERT_GE(rep.size(), tail21.size());
  EXPECT_EQ(rep.substr(rep.size() - tail21.size()), tail21);
}

// Generic units write their unit-weight note even for a profile without layers.
TEST_F(Echo_Direct, GenericUnitWeightNoteNeedsNoLayers) {
  RS().prob.opt.IUNITS = GENERIC_UNITS;
  Set_Unit_Labels(GENERIC_UNITS);
  One_Section(40.0);
  Echo_Input_Data();
  EXPECT_TRUE(Has(Report(), "\n**** Warning ****\n\nValues of effective unit weight cannot be checked "
                            "because \ngeneral units have been selected.\n"));
  EXPECT_TRUE(Has(Contents(CH_MESSAGE), "general units have been selected."));
}
