// The analysis of a load case: the input file to the report for an elastic
// pile, the iteration's stops (convergence no earlier than iteration 6,
// excessive deflection, not-a-number, non-convergence with its advice, a
// layer without nodes), the stiffness update from the moment-EI tables and
// the report of the results.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/run_files.h"
#include "engine/units.h"
#include "engine/plot_records.h"
#include "solver_fixture.h"
#include "test_support.h"

namespace {

using namespace solver_test;
using ormyx_test::Count_Containing;

// Report and run-message files of a test that calls the routines directly.
struct Capture {
  std::string dir = ormyx_test::Make_Temp_Dir("load_case");
  Capture() {
    Open_Output(CH_REPORT, dir + "/report.out");
    Open_Output(CH_MESSAGE, dir + "/run.msg");
    Open_Output(CH_PLOT, dir + "/plot.plt");
  }
  void Close() {
    Close_Output(CH_REPORT);
    Close_Output(CH_MESSAGE);
    Close_Output(CH_PLOT);
  }
  std::string Report() { Close(); return ormyx_test::Read_File(dir + "/report.out"); }
  std::string Message() { Close(); return ormyx_test::Read_File(dir + "/run.msg"); }
  std::string Plot() { Close(); return ormyx_test::Read_File(dir + "/plot.plt"); }
};

double Value_After(const std::string& text, const std::string& label) {
  const auto at = text.find(label);
  if (at == std::string::npos) return std::nan("");
  return std::stod(text.substr(at + label.size()));
}

// An elastic pile 100 ft long, 25 in wide, EI = 2.9e11 lb-in^2, in an elastic
// subgrade of 2000 psi: a soil modulus of 2000 x 25 = 50000 lb/in^2.
std::string Elastic_Pile_Input(int increments, const std::string& load_line) {
  return "ORMYXP6\nTITLE\nElastic pile in an elastic subgrade\n\n\n\n\nOPTIONS\nUnits USCS\n"
         "UseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
         "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\n"
         "Tolerance 1.0E-9\nIncrements " + std::to_string(increments) + "\nPrintSummaryOnly NO\n"
         "PrintIncrement 5\nPrintPYCurves NO\nComputeInteraction NO\n"
         "SECTIONS\n1\n1\n11\n100.0\n2\n29.0E6\n25.0\n25.0\n490.874\n490.874\n10000.0\n10000.0\n"
         "SOIL LAYERS\n1\n13 0.0 150.0\n110.0 2000.0\n110.0 2000.0\n"
         "LOADING\n1\n" + load_line + "\n0\nEND\n";
}

// Measured coefficient of (lambda h)^2 in the relative error of the head
// deflection (0.23), with a margin.
constexpr double kCoef = 0.3;

TEST(Input_To_Report, ElasticPileMatchesBeamOnElasticFoundation) {
  const auto r = ormyx_test::Run_Engine(Elastic_Pile_Input(400, "1 1 20000.0 0.0 0.0 1"));
  ASSERT_EQ(r.status, 0) << r.report;
  const Beam_Solution b = Beam_Shear_Moment(50000.0, 2.9e11, 20000.0, 0.0);
  const double h = 3.0, lh2 = (b.lambda * h) * (b.lambda * h);
  EXPECT_NEAR(Value_After(r.report, "Pile-head deflection             = "), b.y(0.0),
              kCoef * lh2 * b.y(0.0));
  // The slope is printed with seven decimals.
  EXPECT_NEAR(Value_After(r.report, "Computed slope at pile head      = "), b.slope(0.0),
              2.0 * kCoef * lh2 * std::fabs(b.slope(0.0)) + 1e-7);
  const double xmax = 3.14159265358979 / (4.0 * b.lambda);
  EXPECT_NEAR(Value_After(r.report, "Maximum bending moment           = "), b.moment(xmax),
              3.0 * kCoef * lh2 * b.moment(xmax));
  EXPECT_NEAR(Value_After(r.report, "Depth of maximum bending moment  = "), xmax, h / 2.0);
  EXPECT_EQ(Value_After(r.report, "Number of iterations             = "), 6.0);
  EXPECT_NE(r.report.find("Pile-head conditions are Shear and Moment (Loading Type 1)"), std::string::npos);
  EXPECT_NE(r.report.find("Output Verification: Computed forces and moments are within specified "
                          "convergence limits."),
            std::string::npos);
  // Plot records in their order: sections, Line 6 (no user p-y curves),
  // Line 9, one Line 10 per node, Line 11.
  const std::string& p = r.plot;
  EXPECT_EQ(Count_Containing(p, "Line 5 : Elastic Moment (in-kips)"), 150);
  EXPECT_EQ(Count_Containing(p, "Line 10("), 401);
  EXPECT_NE(p.find("    0" + std::string(75, ' ') + "Line 6 : number of output p-y curves\n"
                   "    1  401    1" + std::string(65, ' ') +
                   "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\n"),
            std::string::npos);
  EXPECT_NE(p.find("Line 10(401): nodal depth, y, M, V, p, EI\n    0" + std::string(75, ' ') +
                   "Line 11: Num. points on Ytop vs. Length curve for load case 1\n"),
            std::string::npos);
  EXPECT_NE(r.message.find("The convergence criteria have been met for load case 1"), std::string::npos);
}


// SI units, two sections of different stiffness, two layers, a battered pile
// under a uniform distributed load and no head load: the pile translates
// without bending, y = q / k = 100 / 50000 at every node.
const char* const kTranslatingPile =
    "ORMYXP6\n"
    "TITLE\n"
    "Two elastic sections, two elastic subgrade layers, uniform distributed load, battered pile\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "OPTIONS\n"
    "Units SI\n"
    "UseLRFD NO\n"
    "ComputeKmatrix NO\n"
    "UseTipShear NO\n"
    "UseSoilMovement NO\n"
    "UsePYModifiers NO\n"
    "ComputeEIOnly NO\n"
    "Loading STATIC     0\n"
    "MaxIterations 100\n"
    "MaxDeflection 0.25\n"
    "Tolerance 1.0E-10\n"
    "Increments 100\n"
    "PrintSummaryOnly NO\n"
    "PrintIncrement 10\n"
    "PrintPYCurves NO\n"
    "ComputeInteraction NO\n"
    "SECTIONS\n"
    "2\n"
    "1\n"
    "11\n"
    "10.0\n"
    "2\n"
    "2.0E8\n"
    "500.0\n"
    "500.0\n"
    "196350.0\n"
    "196350.0\n"
    "3.07E9\n"
    "3.07E9\n"
    "2\n"
    "11\n"
    "15.0\n"
    "2\n"
    "2.0E8\n"
    "500.0\n"
    "500.0\n"
    "196350.0\n"
    "196350.0\n"
    "1.5E9\n"
    "1.5E9\n"
    "SOIL LAYERS\n"
    "2\n"
    "13 0.0 12.0\n"
    "18.0 100000.0\n"
    "18.0 100000.0\n"
    "13 12.0 30.0\n"
    "19.0 100000.0\n"
    "19.0 100000.0\n"
    "LOADING\n"
    "1\n"
    "1 1 0.0 0.0 0.0 1\n"
    "2\n"
    "1 0.0 100.0\n"
    "2 25.0 100.0\n"
    "PILE BATTER AND SLOPE\n"
    "0.0\n"
    "10.0\n"
    "END\n"
;

TEST(Input_To_Report, SiPileUnderUniformLoadTranslates) {
  const auto r = ormyx_test::Run_Engine(kTranslatingPile);
  ASSERT_EQ(r.status, 0) << r.report;
  int nodes = 0;
  for (const std::string& line : r.plot_lines()) {
    if (line.find("Line 10(") == std::string::npos) continue;
    ++nodes;
    EXPECT_NEAR(std::stod(line.substr(15, 15)), 0.002, 1e-12) << line;  // y
    EXPECT_NEAR(std::stod(line.substr(30, 15)), 0.0, 1e-8) << line;     // M
  }
  EXPECT_EQ(nodes, 101);
  EXPECT_NE(r.report.find("   meters    meters      kN-m       kN        radians     kPa*      "
                          "kN-m^2     kN/m        kN/m      kN/m    \n"),
            std::string::npos);
  EXPECT_EQ(Value_After(r.report, "Pile-head deflection             = "), 0.002);
}

// Under soil movement the p-y side loads every node with ys Es + q; a
// uniform movement moves the unloaded pile with the soil.
void Subgrade_With_Movement(int i) {
  Uniform_Subgrade(i);
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k)
    pm.rd_SoilForce[k] = pm.rd_SoilMovement[k] * pm.rd_SoilModulus[k] + fn_Distributed_Load(pm.rd_X[k]);
}

TEST(Soil_Movement, UnloadedPileFollowsUniformMovement) {
  Setup_Elastic_Pile(300.0, 100, 1.0e9);
  g_subgrade = 1000.0;
  RS().sol.lc.Soil_Moduli_Hook = Subgrade_With_Movement;
  RS().prob.opt.b_UseSoilMovement = L_TRUE;
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Soil_Movement_Points = 2;
  ld.Soil_Movement_Point[1] = {0.0, 0.01};
  ld.Soil_Movement_Point[2] = {300.0, 0.01};
  Set_Load(1, 0.0, 0.0);
  Run_Case();
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  const Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) EXPECT_NEAR(pm.rd_Y[k], 0.01, 1e-12);
  EXPECT_NEAR(RS().sol.res.rd_SoilReaction[50], 0.0, 1e-9);
  // A head given no deflection (loading type 5) stays in place while the soil
  // moves: the given deflection is the head's own, as in loading type 4.
  Setup_Elastic_Pile(300.0, 100, 1.0e9);
  ld.i_Number_of_Soil_Movement_Points = 2;
  ld.Soil_Movement_Point[1] = {0.0, 0.1};
  ld.Soil_Movement_Point[2] = {300.0, 0.0};
  Set_Load(5, 0.0, 0.0);
  Run_Case();
  EXPECT_DOUBLE_EQ(RS().sol.pile.rd_Y[1], 0.0);
}

class Iteration : public ::testing::Test {
 protected:
  void SetUp() override {
    const double lambda = Lambda(1000.0, 1.0e10);
    Setup_Elastic_Pile(12.0 / lambda, 100, 1.0e10);
    g_subgrade = 1000.0;
    Set_Load(1, 10000.0, 0.0);
  }
};

// A linear problem settles at once but is iterated to iteration 6; the
// report gets the progress lines of the last five allowed iterations only.
TEST_F(Iteration, ConvergesNoEarlierThanIterationSix) {
  RS().prob.opt.i_MaxIterations = 8;
  Capture cap;
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 0);
  EXPECT_EQ(RS().sol.lc.i_IterationsUsed, 6);
  EXPECT_EQ(g_hook_calls, 5);
  const std::string msg = cap.Message();
  const std::string rep = ormyx_test::Read_File(cap.dir + "/report.out");
  EXPECT_EQ(Count_Containing(msg, "Analysis Case 1,   Iteration "), 6);
  EXPECT_NE(msg.find("Analysis Case 1,   Iteration 6,    Y(top) ="), std::string::npos);
  EXPECT_EQ(Count_Containing(rep, "For Analysis Case 1, Iteration "), 3);  // 4, 5, 6
  EXPECT_NE(rep.find("For Analysis Case 1, Iteration 4,    Y(top) ="), std::string::npos);
  EXPECT_NE(msg.find("Computing lateral response of pile for load number 1\n"), std::string::npos);
}

// Alternating soil stiffness: the deflections never settle.
void Alternating_Subgrade(int i) {
  Uniform_Subgrade(i);
  Pile_Model& pm = RS().sol.pile;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilModulus[k] *= (i % 2) ? 1.0 : 2.0;
}

TEST_F(Iteration, ExcessiveDeflectionStopsFromIterationEleven) {
  RS().prob.opt.rd_MaxDeflection = 0.01;  // the head moves about 0.25
  RS().sol.lc.Soil_Moduli_Hook = Alternating_Subgrade;
  Capture cap;
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 209);
  EXPECT_EQ(RS().sol.lc.i_Iteration, 11);
  const std::string rep = cap.Report();
  const std::string msg = ormyx_test::Read_File(cap.dir + "/run.msg");
  EXPECT_NE(rep.find("**** Runtime Error No. 9 ****\n\nAn error in the analysis was detected by the "
                     "program.  \n"),
            std::string::npos);
  EXPECT_NE(rep.find("The specified excess deflection limit is      0.1000E-01 L  \n"), std::string::npos);
  EXPECT_NE(rep.find("bad input data.\n\n\nSolution:\n\nPlease check"), std::string::npos);
  EXPECT_NE(msg.find("bad input data.\n\nSolution:\nPlease check"), std::string::npos);
  EXPECT_NE(rep.find("RUN00009"), std::string::npos);
}

TEST_F(Iteration, NonConvergenceRecordsRuntimeError10) {
  RS().prob.opt.i_MaxIterations = 30;
  RS().sol.lc.Soil_Moduli_Hook = Alternating_Subgrade;
  Capture cap;
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 210);
  const std::string rep = cap.Report();
  EXPECT_NE(rep.find(std::string(36, '-') + "\n  ****  Runtime Error No. 10  ****  \n"), std::string::npos);
  EXPECT_NE(rep.find("The analysis failed to converge within the limit of 30 iterations.\n"),
            std::string::npos);
  EXPECT_NE(rep.find("convergence performancefor the last analysis. \n"), std::string::npos);
  EXPECT_EQ(Count_Containing(rep, "For Analysis Case 1, Iteration "), 5);
}

TEST_F(Iteration, NotANumberStopsWithRuntimeError28) {
  RS().sol.lc.Soil_Moduli_Hook = [](int) {
    Pile_Model& pm = RS().sol.pile;
    for (int k = 1; k <= pm.i_Number_of_Nodes; ++k)
      pm.rd_SoilModulus[k] = std::numeric_limits<double>::quiet_NaN();
  };
  Capture cap;
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 228);
  EXPECT_EQ(cap.Report(), "**** Runtime Error No. 28 ****\n\nTop deflection is Not-A-Number after iteration 2\n");
}

// A layer thinner than the node spacing, between two thicker layers.
TEST_F(Iteration, LayerWithoutNodeStopsWithRuntimeError29) {
  Soil_Records& soil = RS().prob.soil;
  soil.i_Number_of_Layers = 3;
  const double L = RS().prob.sec.rd_PileLength, h = L / 100.0;
  const double tops[3] = {0.0, 10.2 * h, 10.6 * h}, bottoms[3] = {10.2 * h, 10.6 * h, L};
  for (int j = 1; j <= 3; ++j) {
    soil.XLayerTop[j] = tops[j - 1];
    soil.XLayerBottom[j] = bottoms[j - 1];
    soil.i_SoilLayer_py_Type[j] = SOIL_SOFT_CLAY;
  }
  Capture cap;
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 229);
  const std::string rep = cap.Report();
  const std::string msg = ormyx_test::Read_File(cap.dir + "/run.msg");
  EXPECT_NE(rep.find("PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.\n"
                     "          This layer lacks a nodal point and this prevents the correct "
                     "computation of p-y curves for the layer . \n"),
            std::string::npos);
  EXPECT_NE(msg.find("computation of the layer's p-y curves. \n"), std::string::npos);
  EXPECT_NE(rep.find("          The current number of pile increments is 100.\n"
                     "          The estimated minimum number of increments needed to get at least "
                     "one nodal point in the layer is 250.\n"),
            std::string::npos);
  EXPECT_EQ(rep.find("RUN00029"), std::string::npos);  // stored directly, no recorder line
}

// The advice after non-convergence, for the figures worked by hand.
struct Advice_Case {
  const char* name;
  int units, maxit;
  double tol, dy, ddy;
  std::vector<std::string> present, absent;
};

class Advice : public ::testing::TestWithParam<Advice_Case> {};

TEST_P(Advice, EstimateAndRecommendations) {
  const Advice_Case& c = GetParam();
  Reset_Run_State();
  RS().prob.opt.IUNITS = c.units;
  Set_Unit_Labels(c.units);
  RS().prob.opt.i_MaxIterations = c.maxit;
  RS().prob.opt.rd_ConvergenceTolerance = c.tol;
  RS().sol.solver.rd_dYmax = c.dy;
  RS().sol.solver.rd_Delta_dYmax = c.ddy;
  Capture cap;
  Write_Nonconvergence_Block();
  const std::string rep = cap.Report();
  for (const auto& t : c.present) EXPECT_NE(rep.find(t), std::string::npos) << t << "\n" << rep;
  for (const auto& t : c.absent) EXPECT_EQ(rep.find(t), std::string::npos) << t << "\n" << rep;
}

const std::string kRaise = "A solution may be possible by increasing the maximum number of iterations to above this value.";
const std::string kTolUS = "It is recommended that the convergence tolerance not be raised above 0.0001 inches.";
const std::string kOverload = "the pile is loaded above its structural and/or geotechnical capacity.";

INSTANTIATE_TEST_SUITE_P(
    Cases, Advice,
    ::testing::Values(
        // X = |100 + 0.00003 / 0.000001| = 130.
        Advice_Case{"US130", 1, 100, 0.00003, 0.00006, 0.000001,
                    {"tolerance value is 130 iterations.\n\n", kRaise,
                     "greater than   0.6000E-04 in .\n\n" + kTolUS + "\n\n"},
                    {kOverload}},
        // No change between the last two iterations and dYmax at the tolerance: 0 / 0.
        Advice_Case{"NotANumber", 1, 100, 0.00003, 0.00003, 0.0,
                    {"The estimated number of iterations needed to obtain a solution cannot be "
                     "computed.\nfor the current criteria values.\n\n", kTolUS},
                    {"tolerance value is"}},
        // A change far above the limit: raising the limit to 1000 may help.
        Advice_Case{"US_LargeChange", 1, 100, 0.00003, 0.01, 0.001,
                    {"tolerance value is 109 iterations.", kRaise,
                     "may be obtained by raising the maximum number of iterations to 1000.\n\n"},
                    {kTolUS, kOverload}},
        Advice_Case{"US_Hopeless", 1, 1000, 0.001, 0.01, 0.00001,
                    {"tolerance value is 1900 iterations.", kOverload},
                    {kRaise}},
        Advice_Case{"SI_Large", 2, 100, 0.000001, 0.000002, 0.000000001,
                    {"tolerance value is 1100 iterations.",
                     "greater than 1,000, so a \nsolution can only be obtained",
                     "0.00000254 meters, so a solution is possible",
                     "not be raised above 0.00000254 meters."},
                    {kRaise}},
        Advice_Case{"SI_NotANumber", 2, 100, 0.000001, 0.000001, 0.0,
                    {"not be raised above 2.54E-6 meters."}, {}},
        Advice_Case{"Generic", 3, 100, 0.00003, 0.00006, 0.000001,
                    {"tolerance value is 130 iterations.\n\n"},
                    {kRaise, "recommended"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Stiffness of a node of a nonlinear section: linear in axial thrust
// between the two enclosing thrust entries, the end entries outside them.
TEST(Stiffness_Update, InterpolatesBetweenThrustEntries) {
  Setup_Elastic_Pile(30.0, 30, 1.0);
  RS().prob.sec.Pile_Section[1].i_SectionType = SECTION_DRILLED_SHAFT;
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Thrusts = 2;
  ld.Axial_Thrust_List[1] = 10.0;
  ld.Axial_Thrust_List[2] = 30.0;
  MEI_Table& t = RS().sol.mei;
  Add_MEI_Point(t, 1, 1, 1.0, 100.0, 0.01);
  Add_MEI_Point(t, 1, 1, 1000.0, 100.0, 10.0);
  Add_MEI_Point(t, 1, 2, 3.0, 300.0, 0.01);
  Add_MEI_Point(t, 1, 2, 3000.0, 300.0, 10.0);
  Build_Pile_Nodes();
  Build_Nodes();
  EXPECT_EQ(fn_Thrust_Entry(5.0), 1);
  EXPECT_EQ(fn_Thrust_Entry(20.0), 1);
  EXPECT_EQ(fn_Thrust_Entry(30.0), 2);
  EXPECT_EQ(fn_Thrust_Entry(50.0), 2);
  const Pile_Model& pm = RS().sol.pile;
  Update_EI_From_Moment(1, 20.0);
  EXPECT_DOUBLE_EQ(pm.rd_EI[7], 200.0);
  Update_EI_From_Moment(1, 5.0);
  EXPECT_DOUBLE_EQ(pm.rd_EI[7], 100.0);
  Update_EI_From_Moment(2, 40.0);
  EXPECT_DOUBLE_EQ(pm.rd_EI[7], 300.0);
  // Elastic sections keep the stiffness of their properties.
  RS().prob.sec.Pile_Section[1].i_SectionType = SECTION_ELASTIC;
  Build_Nodes();
  Update_EI_From_Moment(1, 20.0);
  EXPECT_DOUBLE_EQ(pm.rd_EI[7], 1.0);
}

class Response : public Iteration {};

TEST_F(Response, PrintedNodesZeroCrossingsAndSummaryOnly) {
  RS().prob.opt.IUNITS = US_UNITS;
  Set_Unit_Labels(US_UNITS);
  RS().prob.opt.i_PrintIncrement = 5;
  Capture cap;
  Build_Pile_Nodes();
  Run_Load_Case(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  std::string rep = cap.Report();
  // 101 nodes printed every 5: nodes 1, 6, ..., 101.
  const auto head = rep.find("---------- ---------- ---------- ---------- ---------- ---------- "
                             "---------- ---------- ---------- ----------\n");
  ASSERT_NE(head, std::string::npos);
  const auto end = rep.find("\n\n", head);
  EXPECT_EQ(ormyx_test::Split_Lines(rep.substr(head, end - head)).size(), 22u);  // rule + 21 rows
  // The closed form changes sign at lambda x = pi/2, 3pi/2, 5pi/2, 7pi/2 (lambda L = 12).
  EXPECT_EQ(RS().sol.res.i_ZeroDeflectionPoints, 4);
  EXPECT_EQ(Value_After(rep, "Number of zero deflection points = "), 4.0);
  EXPECT_NE(rep.find("* The above values of total stress are combined axial and bending stress. \n"),
            std::string::npos);
  const Case_Summary& cs = RS().sol.Case_Summary_Record[1];
  EXPECT_DOUBLE_EQ(cs.rd_HeadShear, 10000.0);
  EXPECT_DOUBLE_EQ(cs.rd_HeadDeflection, RS().sol.pile.rd_Y[1]);
  EXPECT_EQ(cs.i_Iterations, 6);
  EXPECT_DOUBLE_EQ(RS().sol.Section_Maxima(1, 1).rd_Moment, cs.rd_MaxMoment);

  // Summary only: no table or summary in the report, the plot records stay.
  SetUp();
  RS().prob.opt.b_PrintSummaryOnly = L_TRUE;
  Capture cap2;
  Build_Pile_Nodes();
  Run_Load_Case(1);
  EXPECT_EQ(cap2.Report().find("Output Summary"), std::string::npos);
  const std::string plot = ormyx_test::Read_File(cap2.dir + "/plot.plt");
  EXPECT_EQ(Count_Containing(plot, "Line 10("), 101);
  EXPECT_EQ(Count_Containing(plot, "Line 9:"), 1);
}

// A load the solution did not see breaks the balance of the nodes: the
// report gets warning 5501 and the run-message file warning 550.
TEST_F(Response, ImbalanceWarnings) {
  RS().prob.opt.IUNITS = US_UNITS;
  Set_Unit_Labels(US_UNITS);
  Build_Pile_Nodes();
  Analyse_Load_Case(1);
  ASSERT_EQ(RS().status.i_ErrorNumber, 0);
  RS().sol.pile.rd_SoilForce[30] = 100.0;
  Capture cap;
  Write_Pile_Response(1, 6);
  const std::string rep = cap.Report();
  const std::string msg = ormyx_test::Read_File(cap.dir + "/run.msg");
  EXPECT_NE(msg.find("\n\n**** Warning - POSSIBLE SOLUTION ERROR 550 ****\n\nForce and moment"), std::string::npos);
  EXPECT_NE(msg.find("Maximum internal moment imbalance for pile solution         = "), std::string::npos);
  EXPECT_NE(msg.find(" in-lbs at node "), std::string::npos);
  EXPECT_NE(rep.find("**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"), std::string::npos);
  EXPECT_NE(rep.find("Maximum internal lateral force imbalance for pile = "), std::string::npos);
  EXPECT_EQ(rep.find("Output Verification"), std::string::npos);
  EXPECT_GT(std::fabs(RS().sol.res.rd_MaxMomentImbalance), 1.0);
}

// A loading-type-4 case that does not converge is still reported.
TEST_F(Iteration, TypeFourReportedAfterNonConvergence) {
  RS().prob.opt.i_MaxIterations = 30;
  RS().sol.lc.Soil_Moduli_Hook = Alternating_Subgrade;
  Set_Load(4, 0.2, 0.0);
  Capture cap;
  Build_Pile_Nodes();
  Run_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 210);
  EXPECT_NE(cap.Report().find("Output Summary for Load Case No. 1:"), std::string::npos);
  EXPECT_NE(ormyx_test::Read_File(cap.dir + "/plot.plt").find("Line 11:"), std::string::npos);
  // Any other loading type is not.
  SetUp();
  RS().prob.opt.i_MaxIterations = 30;
  RS().sol.lc.Soil_Moduli_Hook = Alternating_Subgrade;
  Capture cap2;
  Build_Pile_Nodes();
  Run_Load_Case(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 210);
  EXPECT_EQ(cap2.Report().find("Output Summary"), std::string::npos);
}

}  // namespace
