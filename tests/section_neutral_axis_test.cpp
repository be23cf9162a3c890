// Axial force equilibrium, neutral-axis search, capacities and prestrains.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/run_files.h"
#include "section_fixtures.h"
#include "test_support.h"

using namespace ormyx;
using namespace section_test;

namespace {

// A symmetric 24-in square pile with eight #8 bars (three per face, one
// each side at mid-depth), f'c = 4 ksi, fy = 60 ksi.
EI_Vars& Square_Pile_24() {
  EI_Vars& EI = Rectangle(24.0, 24.0, 3, 1.0, 0.79, 3.0);
  EI.i_NumBars = 8;
  EI.rd_LayoutX[7] = -9.0;
  EI.rd_LayoutY[7] = 0.0;
  EI.rd_LayoutX[8] = 9.0;
  EI.rd_LayoutY[8] = 0.0;
  EI.rd_BarDiameter[7] = EI.rd_BarDiameter[8] = 1.0;
  EI.rd_BarArea[7] = EI.rd_BarArea[8] = 0.79;
  return EI;
}

bool Solve(double P, double phi) {
  RS().sec.EI.rd_Curvature = phi;
  Begin_Thrust_State(P);
  return Find_Neutral_Axis();
}

TEST(AxialForce, UniformStrainGivesTheAreaTimesStress) {
  EI_Vars& EI = Square_Pile_24();
  Initialize();
  Begin_Thrust_State(0.0);
  EI.rd_Curvature = 1e-5;
  // dn = h + 100 in: every slice at 0.001 +- 0.00012, all in compression.
  const double F = Compute_Axial_Thrust_Force(124.0);
  double expected = 0.0;
  for (int i = 1; i <= NUM_SLICES; ++i) {
    int32_t c = L_FALSE;
    const double eps = (124.0 - EI.rd_SliceDepth[i]) * 1e-5;
    expected += fn_Concrete_Stress(EI, eps, c) * EI.rd_SliceAreaConcrete[i] +
                29000.0 * eps * EI.rd_SliceAreaBars[i];
  }
  EXPECT_NEAR(F, expected, 1e-9);
  EXPECT_NEAR(EI.rd_ForceBars, 29000.0 * 0.00112 * 8 * 0.79, 0.05);
  EXPECT_EQ(EI.b_Cracked, L_FALSE);
  EXPECT_EQ(EI.b_Yielded, L_FALSE);
  // Larger stresses at the top: a positive moment about mid-depth.
  EXPECT_GT(EI.rd_Moment, 0.0);
}

TEST(NeutralAxis, ZeroThrustSmallCurvatureIsNearMidDepth) {
  EI_Vars& EI = Square_Pile_24();
  Initialize();
  ASSERT_TRUE(Solve(0.0, 1e-7));
  EXPECT_NEAR(EI.rd_NeutralAxisDepth, 12.0, 0.01);
  EXPECT_NEAR(EI.rd_AxialForce, 0.0, 1e-3);
  EXPECT_EQ(EI.b_Cracked, L_FALSE);
  EXPECT_GT(EI.rd_Moment, 0.0);
  // The solution is the start of the next search of the same thrust.
  EXPECT_DOUBLE_EQ(EI.rd_NeutralAxisStart, EI.rd_NeutralAxisDepth);
}

TEST(NeutralAxis, LargeThrustsMoveItOutOfTheSection) {
  EI_Vars& EI = Square_Pile_24();
  Initialize();
  ASSERT_TRUE(Solve(1800.0, 1e-6));
  EXPECT_GT(EI.rd_NeutralAxisDepth, 24.0);
  EXPECT_NEAR(EI.rd_AxialForce, 1800.0, 1e-3);
  ASSERT_TRUE(Solve(-300.0, 1e-6));
  EXPECT_LT(EI.rd_NeutralAxisDepth, 0.0);
  EXPECT_NEAR(EI.rd_AxialForce, -300.0, 1e-3);
  EXPECT_EQ(EI.b_Cracked, L_TRUE);  // cracked by the thrust from the start
}

// Elastic steel pipe: F(dn) = E A phi (dn - h/2), so dn = h/2 + P / (E A phi).
TEST(NeutralAxis, ElasticPipeClosedForm) {
  EI_Vars& EI = Steel_Pipe(24.0, 0.5);
  Initialize(CONCRETE_NONE);
  const double A = PI / 4.0 * (576.0 - 529.0);
  for (double P : {0.0, 100.0, -60.0}) {
    ASSERT_TRUE(Solve(P, 1e-6));
    EXPECT_NEAR(EI.rd_NeutralAxisDepth, 12.0 + P / (29000.0 * A * 1e-6), 1e-5) << "P = " << P;
    EXPECT_EQ(EI.b_Yielded, L_FALSE);
  }

  // A curvature that yields the outer fibres sets the yield flag.
  ASSERT_TRUE(Solve(0.0, 2e-4));
  EXPECT_NEAR(EI.rd_NeutralAxisDepth, 12.0, 1e-5);
  EXPECT_EQ(EI.b_Yielded, L_TRUE);
}

// The same pipe in SI units (m, kN, kPa), with the metric step and tolerance.
TEST(NeutralAxis, ElasticPipeClosedFormSi) {
  EI_Vars& EI = Steel_Pipe(0.6096, 0.0127, 248211.0, 2.0e8);
  EI.i_Units = SI_UNITS;
  Initialize(CONCRETE_NONE);
  const double A = PI / 4.0 * (0.6096 * 0.6096 - 0.5842 * 0.5842);
  ASSERT_TRUE(Solve(400.0, 4e-5));
  EXPECT_NEAR(EI.rd_NeutralAxisDepth, 0.3048 + 400.0 / (2.0e8 * A * 4e-5), 1e-6);
}

TEST(NeutralAxis, ZeroDerivativeStepsBy1e8) {
  EI_Vars& EI = Steel_Pipe(24.0, 0.0);  // no wall: the force is 0 everywhere
  Initialize(CONCRETE_NONE);
  ASSERT_TRUE(Solve(0.0, 1e-5));
  EXPECT_DOUBLE_EQ(EI.rd_NeutralAxisDepth, 12.0 + 9.99999993922529e-09);
  EXPECT_EQ(EI.i_Iterations, 1);
}

TEST(NeutralAxis, NoConvergenceRecordsRuntimeError16) {
  const std::string dir = ormyx_test::Make_Temp_Dir("section_na");
  EI_Vars& EI = Square_Pile_24();
  EI.rd_fc = 0.0;  // no concrete strength: the concrete law gives no number
  Initialize();
  ASSERT_TRUE(Open_Output(CH_REPORT, dir + "/report.out"));
  EXPECT_FALSE(Solve(0.0, 1e-5));
  EXPECT_EQ(EI.i_Iterations, 1000);
  EXPECT_EQ(RS().status.i_ErrorNumber, 216);
  Close_Output(CH_REPORT);
  const std::string report = ormyx_test::Read_File(dir + "/report.out");
  EXPECT_NE(report.find("**** Runtime Error No. 16 ****"), std::string::npos);
  EXPECT_NE(report.find("Location of neutral axis was not found within 1,000 iterations."),
            std::string::npos);
}

TEST(NeutralAxis, CasedShaftWithCoreBalancesItsComponents) {
  EI_Vars& EI = Drilled_Shaft(40.0, 10, 1.0, 0.79, 3.0);
  EI.i_SectionType = 3;
  EI.i_AnalysisShape = SHAPE_CIRCLE_CASING_CORE;
  EI.rd_CasingThickness = 0.75;
  EI.rd_CasingFy = 36.0;
  EI.rd_CasingE = 29000.0;
  EI.rd_CoreDiameter = 16.0;
  EI.rd_CoreThickness = 0.5;
  EI.rd_CoreFy = 50.0;
  EI.rd_CoreE = 29000.0;
  EI.b_FillCoreWithConcrete = L_TRUE;
  Initialize(CONCRETE_BUILT_IN, CONCRETE_BUILT_IN);
  ASSERT_TRUE(Solve(500.0, 2e-5));
  EXPECT_NEAR(EI.rd_AxialForce, 500.0, 1e-3);
  EXPECT_NEAR(EI.rd_ForceConcrete + EI.rd_ForceCasing + EI.rd_ForceBars + EI.rd_ForceCore +
                  EI.rd_ForceCoreConcrete,
              EI.rd_AxialForce, 1e-9);
  EXPECT_NE(EI.rd_ForceCore, 0.0);
  EXPECT_NE(EI.rd_ForceCoreConcrete, 0.0);
}

// Capacities of the 24-in rectangle with eight #8 bars, loaded from psi input.
TEST(Capacities, RectangleFromTheSectionRecord) {
  Fresh_State();
  Section_Records& sr = RS().prob.sec;
  sr.i_Number_of_Sections = 1;
  Pile_Section_Record& p = sr.Pile_Section[1];
  p.i_SectionType = 0;
  p.rd_Diameter = p.rd_DepthOfSection = p.rd_WidthOfSection = 24.0;
  p.rd_fc = 4000.0;
  p.rd_BarYieldStress = 60000.0;
  p.rd_BarModulus = 29000000.0;
  p.i_RebarArrangement = REBAR_NONCIRCULAR;
  p.i_Number_of_Bars = 8;
  for (int b = 1; b <= 8; ++b) p.Bar[b] = {1.0, 0.79, -9.0 + 6.0 * ((b - 1) % 4), b <= 4 ? 9.0 : -9.0, 8, 0};
  Load_EI_Vars(1);
  Compute_Axial_Capacities();
  const EI_Vars& EI = RS().sec.EI;
  EXPECT_NEAR(EI.rd_P0, 2316.1, 0.05);
  EXPECT_NEAR(EI.rd_P0, 0.8500000238418579 * 4.0 * (576.0 - 6.32) + 60.0 * 6.32, 1e-9);
  EXPECT_NEAR(EI.rd_T0, -379.2, 1e-9);
  EXPECT_NEAR(EI.rd_As, 6.32, 1e-12);
  const double Ec = 57.0 * std::sqrt(4000.0);
  const double eps0 = 1.7000000476837158 * 4.0 / Ec;
  const double fr = double(-0.0075f) * std::sqrt(4000.0);
  const double epscr = -eps0 * (1.0 - std::sqrt(1.0 + fr / 4.0));
  EXPECT_NEAR(EI.rd_Pcr, (29000.0 * 6.32 + Ec * (576.0 - 6.32)) * epscr, 1e-9);
}

TEST(Capacities, SteelPipeAndCasing) {
  EI_Vars& EI = Steel_Pipe(24.0, 0.5, 36.0);
  Compute_Axial_Capacities();
  const double A = 36.91371367968007;
  EXPECT_NEAR(EI.rd_P0, 36.0 * A, 1e-9);
  EXPECT_NEAR(EI.rd_T0, -36.0 * A, 1e-9);  // the pipe yields in tension as well
  EXPECT_DOUBLE_EQ(EI.rd_Pcr, 0.0);

  EI_Vars& C = Cased_Shaft(30.0, 10, 1.0, 0.79, 3.0);
  C.rd_CasingDiameter = 30.0;
  Copy_Working_Bars();
  Compute_Axial_Capacities();
  const double Acas = PI / 4.0 * (900.0 - 841.0);
  EXPECT_NEAR(C.rd_P0, 36.0 * Acas + 0.8500000238418579 * 4.0 * (PI / 4.0 * 841.0 - 7.9) + 60.0 * 7.9,
              1e-9);
  EXPECT_NEAR(C.rd_T0, -(36.0 * Acas + 60.0 * 7.9), 1e-9);
  EXPECT_NEAR(C.rd_Ac, PI / 4.0 * 900.0 - Acas - 7.9, 1e-9);
}

TEST(Prestress, StrainsAndPciCapacities) {
  EI_Vars& EI = Prestressed_Pile(5, SHAPE_CIRCLE, 16);
  Initialize();
  ASSERT_FALSE(Error_Recorded());
  const double Aps = 16 * 0.153, Ac = PI * 144.0 - Aps;
  EXPECT_NEAR(EI.rd_SliceTotalBars, Aps, 1e-12);
  EXPECT_DOUBLE_EQ(EI.rd_Pe, 320000.0);
  EXPECT_NEAR(EI.rd_PrestrainSteel, -320.0 / (28000.0 * Aps), 1e-15);
  EXPECT_NEAR(EI.rd_PrestrainConcrete, 320.0 / (EI.rd_Ec * Ac), 1e-15);
  const double fpc = EI.rd_Ec * EI.rd_PrestrainConcrete;
  EXPECT_NEAR(EI.rd_P0, (0.8500000238418579 * 6.0 - 0.6000000238418579 * fpc) * (Ac + Aps), 1e-9);
  EXPECT_NEAR(EI.rd_T0, -Aps * 270.0, 1e-12);
  EXPECT_DOUBLE_EQ(EI.rd_Pcr, 0.0);
  EXPECT_NEAR(EI.rd_Mn_PCI, double(0.32f) * 24.0 * Aps * 270.0, 1e-9);
  EXPECT_EQ(std::string(EI.MnFormula.trimmed()), "Mn = 0.32 D As fpu");

  // Any tension cracks a prestressed section from the start and sets the
  // strand strain to P / (As Es).
  Begin_Thrust_State(-50.0);
  EXPECT_EQ(EI.b_CrackedAtStart, L_TRUE);
  EXPECT_NEAR(EI.rd_PrestrainSteel, -50.0 / (Aps * 28000.0), 1e-15);
  Begin_Thrust_State(10.0);
  EXPECT_EQ(EI.b_CrackedAtStart, L_FALSE);
  EXPECT_NEAR(EI.rd_PrestrainSteel, -320.0 / (28000.0 * Aps), 1e-15);

  // Zero loss: Pe = Pi.
  EI.rd_LossFraction = 0.0;
  Initialize();
  EXPECT_DOUBLE_EQ(EI.rd_Pe, EI.rd_Pi);
}

TEST(Prestress, MomentFactorBySectionType) {
  struct Case {
    int type, shape;
    double k;
    const char* text;  // the formula text of the report matches the factor used
  };
  const Case cases[] = {{7, SHAPE_RECTANGLE, 0.37f, "Mn = 0.37 D As fpu"},
                        {7, SHAPE_POLYGON, 0.37f, "Mn = 0.37 D As fpu"},
                        {9, SHAPE_POLYGON, 0.32f, "Mn = 0.32 D As fpu"},
                        {8, SHAPE_RECTANGLE_VOID, 0.38f, "Mn = 0.38 D As fpu"},
                        {10, SHAPE_POLYGON_VOID, 0.34f, "Mn = 0.34 D As fpu"},
                        {6, SHAPE_CIRCLE_VOID, 0.34f, "Mn = 0.34 D As fpu"}};
  for (const Case& c : cases) {
    EI_Vars& EI = Prestressed_Pile(c.type, c.shape, 12);
    EI.rd_Chamfer = 2.0;
    EI.rd_VoidDiameter = 8.0;
    Initialize();
    ASSERT_FALSE(Error_Recorded()) << "type " << c.type;
    EXPECT_DOUBLE_EQ(EI.rd_PCI_k, c.k) << "type " << c.type;
    EXPECT_EQ(std::string(EI.MnFormula.trimmed()), c.text) << "type " << c.type;
    EXPECT_DOUBLE_EQ(EI.rd_Mn_PCI, c.k * EI.rd_SectionDepth * EI.rd_SliceTotalBars * 270.0)
        << "type " << c.type;
  }
}

TEST(Prestress, AreasThatAreNotPositiveStopTheAnalysis) {
  Prestressed_Pile(5, SHAPE_CIRCLE, 0);
  Initialize();
  EXPECT_EQ(RS().status.i_ErrorNumber, 215);

  EI_Vars& EI = Prestressed_Pile(6, SHAPE_CIRCLE_VOID, 12);
  EI.rd_VoidDiameter = 30.0;  // a void larger than the pile leaves no concrete
  Initialize();
  EXPECT_EQ(RS().status.i_ErrorNumber, 214);
}

}  // namespace

namespace {

// Lines of the report written by fn, in a private folder.
std::string Report_Of(void (*fn)()) {
  const std::string dir = ormyx_test::Make_Temp_Dir("section_report");
  EXPECT_TRUE(Open_Output(CH_REPORT, dir + "/report.out"));
  fn();
  Close_Output(CH_REPORT);
  return ormyx_test::Read_File(dir + "/report.out");
}

void Expect_In_Order(const std::string& text, std::initializer_list<const char*> parts) {
  std::size_t at = 0;
  for (const char* p : parts) {
    const std::size_t found = text.find(p, at);
    EXPECT_NE(found, std::string::npos) << "missing or out of order: " << p;
    if (found != std::string::npos) at = found;
  }
}

TEST(SectionReport, CapacityBlock) {
  Square_Pile_24();
  const std::string r = Report_Of([] { Compute_Axial_Capacities(); });
  Expect_In_Order(r, {"Axial Structural Capacities:\n----------------------------\n",
                      "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As =", " kips",
                      "Tensile Load for Cracking of Concrete", "= ",
                      "Nominal Axial Tensile Capacity      ", "-379.2", " kips"});
  Steel_Pipe(24.0, 0.5);
  const std::string p = Report_Of([] { Compute_Axial_Capacities(); });
  EXPECT_NE(p.find("Nom. Axial Structural Capacity = Fy As"), std::string::npos);
  EXPECT_EQ(p.find("Tensile Load for Cracking"), std::string::npos);
}

TEST(SectionReport, StrandAndPrestressBlocks) {
  Prestressed_Pile(5, SHAPE_CIRCLE, 4);
  const std::string r = Report_Of([] {
    Copy_Working_Bars();
    Write_Strand_Details();
    Initialize();
  });
  Expect_In_Order(r, {"Prestressing Strand Details:", "Strand Type", "=    PCI 270",
                      "Yield Stress, fpu", " ksi",
                      "Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation",
                      "Number of Reinforcing Strands", "Cross-sectional Area of Single Strand",
                      "Concrete Cover Thickness Over Strands", "Prestressing Strand Geometry:",
                      "Strand     Diameter       Area            X             Y", "    4 ",
                      "Computation of Loss of Prestress:", "Initial Prestressing Force", "400.",
                      " kips", "Effective Prestressing Force", "320.", "Area of Concrete, Ac",
                      " Sq. in", "Tensile Strain in Steel",
                      "Estimated Structural Capacities Computed Using PCI Equations:",
                      "Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag",
                      "Axial Capacity in Tension, Nt = As fpu", "Nom. Moment Capacity, Mn = 0.32 D As fpu",
                      " in-kip", "only as an approximate check."});
  // The loss-of-prestress block is written once per section.
  const std::string again = Report_Of([] { Initialize(); });
  EXPECT_EQ(again.find("Computation of Loss of Prestress:"), std::string::npos);
}

}  // namespace
