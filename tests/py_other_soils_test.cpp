// Cemented silt, Piedmont residual soil, loess and user-input p-y curves
// against values worked by hand (python3, from the published formulas):
//   cemented silt: pu = A Pu,phi + Pu,c, pm = 1.5 (Pu,phi + Pu,c) at b/60,
//     yu = 3b/80, parabola C y^(1/n) between the initial line k z y and b/60;
//   Piedmont: p = Ei b y, softening by 1 - 0.2162 ln(1000 y / b) from 0.001 b
//     to 0.0375 b, level beyond;
//   loess: p = Ei y / (1 + (1 + 0.1 e^(-y/yref)) y / yref),
//     Ei = b 0.409 qc / (1 + 0.24 ln N) / yref;
//   user curves: linear in y on each curve, linear in depth between them.
// The secant modulus of the layer pass is compared with p / y.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/format.h"
#include "engine/messages.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "tests/alloc_counter.h"
#include "tests/plot_records.h"
#include "tests/py_fixture.h"
#include "tests/py_helpers.h"

namespace {

using namespace py_test;

Point_Values Silt(double gamma, double c, double phi, double eps50 = 0.01) {
  Point_Values v;
  v.gamma = gamma;
  v.c = c;
  v.phi = phi;
  v.eps50 = eps50;
  return v;
}

Point_Values Weight(double gamma) {
  Point_Values v;
  v.gamma = gamma;
  return v;
}

// Modulus of node k after a pass at uniform deflection y.
double Pass_Es(double y, int node) {
  Set_Deflection(y);
  Py_Layer_Pass();
  EXPECT_FALSE(Error_Recorded());
  return Es(node);
}

// Report-mode block of the layers at one output depth.
std::string Report_At(double depth, std::string* plot = nullptr) {
  Pile_Model& pm = RS().sol.pile;
  const double saved = pm.rd_X[1];
  const Report_Text t = Report_Layers_At(depth, 1, RS().prob.soil.i_Number_of_Layers);
  pm.rd_X[1] = saved;
  Assign_Layers();
  if (plot) *plot = t.plot;
  return t.report;
}

// ---------------------------------------------------------------------------
// Cemented silt

// US units after conversion: pile of 1200 in, 100 increments of 12 in, 24 in
// wide, one cemented silt layer (c = 5 psi, phi = 30 deg, 0.03 pci) with k
// from 200 pci at the top to 400 pci at the bottom.
class Cemented_Silt_Layer : public ::testing::Test {
 protected:
  void SetUp() override {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Add_Uniform_Layer(SOIL_CEMENTED_SILT, 0.0, 1200.0, Silt(0.03, 5.0, 30.0));
    Set_k(1, 200.0, 400.0);
    Assign_Layers();
  }
};

TEST_F(Cemented_Silt_Layer, SecantModulusOnEveryBranchMatchesHandWorkedValues) {
  // z = 48 (k = 208): the wedge governs, Np = 4.29; yk = 0.1361, ym = 0.4,
  // yu = 0.9, pu = 846.52, pm = 1108.29. z = 480 (k = 280): flow-around
  // governs (Psd = 9934.3 < Pst), Np capped at 9.
  struct Case {
    double z, y, Es;
  } cases[] = {
      {48.0, 0.05, 9984.0},                // initial line k z
      {48.0, 0.3, 3900.6576056853487},     // parabola
      {48.0, 0.6, 1672.631920612167},      // straight line from pm to pu
      {48.0, 2.0, 423.2597940695725},      // pu
      {480.0, 0.05, 134400.0},
      {480.0, 0.3, 60458.388600695216},
      {480.0, 0.6, 23069.606307110997},
      {480.0, 2.0, 4911.099093512223},
      {480.0, -0.6, 23069.606307110997},   // the sign of y does not matter
  };
  for (const Case& t : cases) {
    const double e = Pass_Es(t.y, int(t.z / 12.0) + 1);
    EXPECT_NEAR(e, t.Es, 1e-9 * t.Es) << "z = " << t.z << ", y = " << t.y;
  }
  // Cyclic A factor (1.03 at z/b = 2): pu = 1.03 Pu,phi + Pu,c = 745.586.
  RS().prob.opt.b_CyclicLoading = L_TRUE;
  EXPECT_NEAR(Pass_Es(2.0, 5), 372.7929647916619, 1e-9 * 372.79);
}

TEST_F(Cemented_Silt_Layer, SlopingGroundChangesWedgeAndCohesionBySignOfDeflection) {
  // Effective slope 10 deg. Deflection of the slope's sign: D = 1 + tan a
  // tan(beta) = 1.3054 in the wedge, F = 1 / (1 + tan a) = 0.8501 on Np;
  // opposite sign: D = 0.6946, F = cos a 0.70710677 / cos(a + pi/4) = 1.2141.
  const double a = 10.0 * std::numbers::pi / 180.0;
  RS().prob.load.rd_SlopeAngle = a;
  RS().prob.load.rd_SlopeMinusBatter = a;
  struct Case {
    int node;
    double y, Es;
  } cases[] = {
      {5, 0.6, 1334.8443394767353},   {5, -0.6, 2258.553809979973},
      {5, 2.0, 333.9049177712213},    {5, -2.0, 581.6753936989014},
      {41, 0.6, 22174.34788046999},  // the sloped wedge (9505.3) now below Psd
  };
  for (const Case& t : cases) EXPECT_NEAR(Pass_Es(t.y, t.node), t.Es, 1e-9 * t.Es) << t.node << " " << t.y;
}

TEST_F(Cemented_Silt_Layer, ZeroDeflectionGivesTheInitialModulusWithoutThePMultiplier) {
  Set_Multipliers(2.0, 1.0);
  EXPECT_DOUBLE_EQ(Pass_Es(0.0, 5), 208.0 * 48.0);
  EXPECT_NEAR(Pass_Es(0.05, 5), 2.0 * 9984.0, 1e-9 * 9984.0);
  // The y-multiplier stretches the curve: y = 1.2 with ym = 2 is y' = 0.6.
  Set_Multipliers(1.0, 2.0);
  EXPECT_NEAR(Pass_Es(1.2, 5), 1672.631920612167 / 2.0, 1e-9 * 836.0);
}

TEST(Cemented_Silt, DefaultKIsTheStiffClayDefaultPlusTheSandIncrement) {
  struct Case {
    int units;
    bool cyclic;
    double c, phi, gamma, k;
  } cases[] = {
      {US_UNITS, false, 5.0, 30.0, 0.03, 250.0 + 20.0},
      {US_UNITS, true, 10.0, 33.0, 0.05, 200.0 + 90.0},
      {US_UNITS, false, 30.0, 40.0, 0.03, 2000.0 + 125.0},
      {SI_UNITS, false, 50.0, 35.0, 10.0, 135723.59375 + 16286.830078125},
      {SI_UNITS, true, 200.0, 38.0, 15.0, 217157.703125 + 61075.6015625},
  };
  for (const Case& t : cases) {
    const bool us = t.units == US_UNITS;
    const double Lp = us ? 1200.0 : 30.0, b = us ? 24.0 : 0.6;
    Setup_Pile(t.units, Lp, 100, b);
    Add_Uniform_Layer(SOIL_CEMENTED_SILT, 0.0, Lp, Silt(t.gamma, t.c, t.phi));
    RS().prob.opt.b_CyclicLoading = t.cyclic ? L_TRUE : L_FALSE;
    Assign_Layers();
    // Node 11 lies at z = Lp / 10.
    EXPECT_NEAR(Pass_Es(0.0, 11), t.k * Lp / 10.0, 1e-9 * t.k * Lp) << "c = " << t.c << ", phi = " << t.phi;
  }
}

TEST(Cemented_Silt, LayerResistanceAndEquivalentDepthOfTheLayerBelow) {
  // Cemented silt (k = 200) from 0 to 126 in over cemented silt with the
  // default k: nodes 1 .. 11 (z = 0 .. 120) in layer 1, first node of layer 2
  // at 132 in.
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Add_Uniform_Layer(SOIL_CEMENTED_SILT, 0.0, 126.0, Silt(0.03, 5.0, 30.0));
  Set_k(1, 200.0, 200.0);
  Add_Uniform_Layer(SOIL_CEMENTED_SILT, 126.0, 1200.0, Silt(0.03, 5.0, 30.0));
  Assign_Layers();
  ASSERT_EQ(RS().sol.pile.i_TopNodeInLayer[2], 12);
  Set_Deflection(0.3);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  // Trapezoids of pu over nodes 1 .. 11 and pu(120) times 6 in below.
  const double R1 = 125965.60480584079;
  EXPECT_NEAR(RS().py.rd_LayerResistance[1], R1, 1e-9 * R1);
  // Rectangle rule over 500 steps of zr / 500 (zr = 327.395 in) of
  // q = (g b + c/2) z + A g b^2 (C1 (z/b)^2 + C2 z/b) + 3 b c.
  EXPECT_NEAR(fn_Cemented_Silt_Equivalent_Depth(2, 2.0e4), 36.536869775412576, 1e-9);
  // Beyond zr: heq = zr + (Ftot - F500) / (0.88 z0 C3 g b + 9 b c).
  EXPECT_NEAR(fn_Cemented_Silt_Equivalent_Depth(2, 2.0e6), 619.5840680783524, 1e-9);
  EXPECT_DOUBLE_EQ(RS().py.rd_EquivDepthTop[2], fn_Cemented_Silt_Equivalent_Depth(2, R1));
  // The equivalent depth follows every pass: cyclic A factors change layer 1.
  const double static_heq = RS().py.rd_EquivDepthTop[2];
  RS().prob.opt.b_CyclicLoading = L_TRUE;
  Py_Layer_Pass();
  EXPECT_NE(RS().py.rd_EquivDepthTop[2], static_heq);
  EXPECT_DOUBLE_EQ(RS().py.rd_EquivDepthTop[2],
                   fn_Cemented_Silt_Equivalent_Depth(2, RS().py.rd_LayerResistance[1]));
}

TEST(Cemented_Silt, GroundAboveThePileHeadTakesTheWholeFirstLayer) {
  // Layer 1 from 24 in above the head to 126 in: the resistance is
  // (3 c b + pu) / 2 times the layer thickness, pu at the last node (x = 120,
  // z = 144: pu = 2113.508).
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Add_Uniform_Layer(SOIL_CEMENTED_SILT, -24.0, 126.0, Silt(0.03, 5.0, 30.0));
  Set_k(1, 200.0, 200.0);
  Add_Uniform_Layer(SOIL_CEMENTED_SILT, 126.0, 1200.0, Silt(0.03, 5.0, 30.0));
  Assign_Layers();
  Set_Deflection(0.3);
  Py_Layer_Pass();
  ASSERT_FALSE(Error_Recorded());
  EXPECT_NEAR(RS().py.rd_LayerResistance[1], 185513.06929368386, 1e-9 * 185513.0);
}

TEST(Cemented_Silt, InputErrorsEndTheRoutineWithTheirBlocks) {
  const double a = 20.0 * std::numbers::pi / 180.0;
  struct Case {
    const char* name;
    int units;
    Point_Values top, bottom;
    double slope, k;
    int number;
    const char* header;
    const char* text;
  } cases[] = {
      {"no cohesion below the top", US_UNITS, Silt(0.03, 0.0, 30.0), Silt(0.03, 0.0, 30.0), 0.0, 100.0, 148,
       "**** Input Data Error No. 48 ****", "Layer = 1, Depth = 3.0000000, c = 0.000000"},
      {"no friction angle", US_UNITS, Silt(0.03, 5.0, 0.0), Silt(0.03, 5.0, 0.0), 0.0, 100.0, 110,
       "**** Input Data Error No. 10 ****",
       "Both cohesion and friction angle must be non-zero for the cemented silt soil."},
      {"slope steeper than phi", US_UNITS, Silt(0.03, 5.0, 15.0), Silt(0.03, 5.0, 15.0), a, 100.0, 223,
       "**** Runtime Error No. 23 ****", "greater than the friction angle for silt for layer 1."},
      {"slope equal to phi without cohesion", US_UNITS, Silt(0.03, 0.0, 20.0), Silt(0.03, 5.0, 20.0), a, 100.0,
       111, "**** Input Data Error No. 11 ****", "curve using the criteria for silt for layer 1."},
      {"general units without k", GENERIC_UNITS, Silt(0.03, 5.0, 30.0), Silt(0.03, 5.0, 30.0), 0.0, 0.0, 188,
       "**** Input Data Error No. 88 ****", "No subgrade modulus k was input for the cemented silt of soil layer 1."},
  };
  for (const Case& t : cases) {
    Setup_Pile(t.units, 120.0, 40, 12.0);
    Add_Layer(SOIL_CEMENTED_SILT, 0.0, 120.0, t.top, t.bottom);
    Set_k(1, t.k, t.k);
    RS().prob.load.rd_SlopeAngle = t.slope;
    RS().prob.load.rd_SlopeMinusBatter = t.slope;
    Assign_Layers();
    Run_Files_Capture files;
    Set_Deflection(0.01);
    Py_Layer_Pass();
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number) << t.name;
    const std::string r = files.report(), m = files.message();
    for (const std::string* text : {&r, &m}) {
      EXPECT_NE(text->find(t.header), std::string::npos) << t.name;
      EXPECT_NE(text->find(t.text), std::string::npos) << t.name;
    }
  }
  // Cohesion of 0 at the layer top alone is no error.
  Setup_Pile(US_UNITS, 120.0, 40, 12.0);
  Add_Layer(SOIL_CEMENTED_SILT, 0.0, 120.0, Silt(0.03, 0.0, 30.0), Silt(0.03, 5.0, 30.0));
  Assign_Layers();
  Set_Deflection(0.01);
  Py_Layer_Pass();
  EXPECT_FALSE(Error_Recorded());
  EXPECT_TRUE(std::isfinite(Es(1)));
}

TEST_F(Cemented_Silt_Layer, ReportBlock) {
  std::string plot;
  const std::string r = Report_At(48.0, &plot);
  EXPECT_NE(r.find("\n\np-y Curve Computed Using the Static Criteria for Cemented Silt\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "           1")), std::string::npos);
  EXPECT_NE(r.find(Line("Depth below pile head", "       4.000", "ft")), std::string::npos);
  EXPECT_NE(r.find(Line("Equivalent Depth, x", "      48.000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("Cohesion, c", "     720.000", "psf")), std::string::npos);
  EXPECT_NE(r.find(Line("Angle of Friction, phi", "      30.000", "deg.")), std::string::npos);
  EXPECT_NE(r.find(Line("k (interp. from input)", "     208.000", "pci")), std::string::npos);
  EXPECT_NE(r.find(Line("A parameter = fn(x/B)", "     1.48000")), std::string::npos);
  EXPECT_NE(r.find(Line("Pu", "     514.560", "lb/in")), std::string::npos);  // Pu,c
  EXPECT_NE(r.find(Line("Pc", "     224.297", "lb/in")), std::string::npos);  // Pu,phi
  EXPECT_NE(r.find(Line("ym = b/60", "     0.40000", "in")), std::string::npos);
  EXPECT_NE(r.find(Line("pm", "    1108.286", "lb/in")), std::string::npos);
  // Point 13 at ym: p = pm; point 17 at 1.15 yu: p = pu.
  EXPECT_NE(r.find("   " + Number_Field(0.4, 12) + "     " + Number_Field(1108.2855253, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(r.find("   " + Number_Field(1.035, 12) + "     " + Number_Field(846.51959, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(plot.find("Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(plot, "): y, p, for cemented c-phi"), 17);
}

// ---------------------------------------------------------------------------
// Piedmont residual soil

// US units: 24 in pile in one Piedmont layer from 0 to 1200 in.
void Build_Piedmont(int units, int test, double top, double bottom) {
  const bool us = units == US_UNITS;
  const double Lp = us ? 1200.0 : 30.0;
  Setup_Pile(units, Lp, 100, us ? 24.0 : 0.6);
  Add_Uniform_Layer(SOIL_PIEDMONT, 0.0, Lp, Weight(us ? 0.07 : 19.0));
  Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
  for (int j = 1; j <= 2; ++j) {
    const double v = j == 1 ? top : bottom;
    pp.i_FieldTestType[j] = test;
    pp.rd_SPT_N60[j] = test == FIELD_TEST_SPT ? v : 0.0;
    pp.rd_ConeTip[j] = test == FIELD_TEST_CPT ? v : 0.0;
    pp.rd_DMT_Modulus[j] = test == FIELD_TEST_DMT ? v : 0.0;
    pp.rd_PMT_Modulus[j] = test == FIELD_TEST_PMT ? v : 0.0;
  }
  Assign_Layers();
}

TEST(Piedmont, CurveBranchesMatchHandWorkedValues) {
  // N60 from 10 to 20: 15 at 600 in (node 51), Ei = 22 N60 = 330 pci,
  // Ei b = 7920 lb/in2; y1 = 0.024 in, y2 = 0.9 in.
  Build_Piedmont(US_UNITS, FIELD_TEST_SPT, 10.0, 20.0);
  EXPECT_NEAR(Pass_Es(0.01, 51), 7920.0, 1e-9 * 7920.0);
  EXPECT_NEAR(Pass_Es(0.3, 51), 3594.2439294919473, 1e-9 * 3594.0);  // 7920 (1 - 0.21625 ln 12.5)
  EXPECT_NEAR(Pass_Es(2.0, 51), 770.9671540558223, 1e-9 * 771.0);    // 0.008112 b^2 Ei / 2
  EXPECT_DOUBLE_EQ(Pass_Es(0.0, 51), 7920.0);
  // Continuous at y1 and y2 (to the rounding of the plateau constant), level beyond.
  const double b = 24.0, y1 = double(0.001f) * b, y2 = double(0.0375f) * b;
  const double below1 = Pass_Es(y1 * (1.0 - 1e-9), 51) * y1, at1 = Pass_Es(y1, 51) * y1;
  EXPECT_NEAR(at1 / below1, 1.0, 1e-7);
  const double below2 = Pass_Es(y2 * (1.0 - 1e-12), 51) * y2, at2 = Pass_Es(y2, 51) * y2;
  EXPECT_NEAR(at2 / below2, 1.0, 5e-4);
  EXPECT_NEAR(Pass_Es(5.0, 51) * 5.0, at2, 1e-9 * at2);
}

TEST(Piedmont, SiCorrelationsEqualTheUsOnesAfterUnitConversion) {
  // 1 pci = 271.44714 kN/m3 and 1 psi = 6.894757 kPa: the SI initial modulus
  // of a test value converted from US units is the US modulus times 271.447.
  constexpr double PCI = 271.44713752631344, PSI = 6.894757293168361;
  struct Case {
    int test;
    double us_value, us_Ei;  // US field value and its Ei by the US correlation
    bool stress;             // the field value is a stress (converted to kPa)
  } cases[] = {
      {FIELD_TEST_SPT, 15.0, 22.0 * 15.0, false},
      {FIELD_TEST_CPT, 500.0, 0.8135813628874473 * 500.0, true},
      {FIELD_TEST_DMT, 2000.0, 0.076 * 2000.0, true},
      {FIELD_TEST_PMT, 1000.0, 0.235 * 1000.0, true},
  };
  for (const Case& t : cases) {
    Build_Piedmont(US_UNITS, t.test, t.us_value, t.us_value);
    EXPECT_NEAR(Pass_Es(0.0, 51), t.us_Ei * 24.0, 1e-7 * t.us_Ei * 24.0) << t.test;
    const double kpa_value = t.stress ? t.us_value * PSI : t.us_value;
    Build_Piedmont(SI_UNITS, t.test, kpa_value, kpa_value);
    EXPECT_NEAR(Pass_Es(0.0, 51), t.us_Ei * PCI * 0.6, 1e-6 * t.us_Ei * PCI * 0.6) << t.test;
  }
}

TEST(Piedmont, MultipliersAndSoilMovement) {
  Build_Piedmont(US_UNITS, FIELD_TEST_SPT, 15.0, 15.0);
  Set_Multipliers(0.5, 2.0);
  // Below 1e-14 the modulus is Ei b / ym, without the p-multiplier.
  EXPECT_DOUBLE_EQ(Pass_Es(0.0, 51), 7920.0 / 2.0);
  // y = 0.6 with ym = 2 is y' = 0.3 on the curve.
  EXPECT_NEAR(Pass_Es(0.6, 51), 0.5 * 3594.2439294919473 / 2.0, 1e-9 * 900.0);
  // Soil movement enters the relative deflection and loads the node.
  Set_Multipliers(1.0, 1.0);
  Pile_Model& pm = RS().sol.pile;
  RS().prob.load.i_Number_of_Soil_Movement_Points = 2;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilMovement[k] = 0.2;
  EXPECT_NEAR(Pass_Es(0.5, 51), 3594.2439294919473, 1e-9 * 3594.0);
  EXPECT_NEAR(pm.rd_SoilForce[51], 0.2 * Es(51), 1e-9);
}

TEST(Piedmont, GeneralUnitsHaveNoCorrelation) {
  Build_Piedmont(GENERIC_UNITS, FIELD_TEST_SPT, 15.0, 15.0);
  EXPECT_EQ(Pass_Es(0.01, 51), 0.0);
  EXPECT_EQ(Pass_Es(0.0, 51), 0.0);
}

TEST(Piedmont, ReportBlock) {
  Build_Piedmont(US_UNITS, FIELD_TEST_CPT, 500.0, 500.0);
  std::string plot;
  const std::string r = Report_At(600.0, &plot);
  EXPECT_NE(r.find("\n\np-y Curve Computed Using the Piedmont Residual Soil Criteria\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "         1")), std::string::npos);
  EXPECT_NE(r.find(Line("Type of Field Test", "Cone Penetration Test")), std::string::npos);
  EXPECT_NE(r.find(Line("CPT qc", "     500.000", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Initial p-y Modulus from Field Tests", "     406.791", "pci")), std::string::npos);
  EXPECT_NE(r.find("---------------   ---------------\n"), std::string::npos);
  // Point 16 at y2 = 0.9 in: p = 0.008112 b^2 Ei.
  EXPECT_NE(r.find("   " + Number_Field(0.9000000357627869, 12) + "     " +
                   Number_Field(0.008112028136109242 * 576.0 * 0.8135813628874473 * 500.0, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(plot.find("Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(plot, "): y, p, for Piedmont residual soil"), 17);
}

// ---------------------------------------------------------------------------
// Loess

// US units: 24 in pile, one loess layer with qc = 500 psi, N cycles.
void Build_Loess(double cycles) {
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Add_Uniform_Layer(SOIL_LOESS, 0.0, 1200.0, Weight(0.07));
  Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
  pp.rd_ConeTip[1] = pp.rd_ConeTip[2] = 500.0;
  RS().prob.opt.rd_NumberOfCycles = cycles;
  Assign_Layers();
}

TEST(Loess, CurveWithCyclesMatchesHandWorkedValues) {
  // N = 5: pu = 24 * 0.409 * 500 / (1 + 0.24 ln 5) = 3540.448 lb/in,
  // Ei = pu / 0.117 = 30260.24 lb/in2. At y = yref: p / y = Ei / (2 + 0.1/e).
  Build_Loess(5.0);
  const double yref = double(0.117f);
  EXPECT_NEAR(Pass_Es(yref, 11), 14856.845416529535, 1e-9 * 14857.0);
  EXPECT_NEAR(Pass_Es(3.0 * yref, 11), 7536.917829754381, 1e-9 * 7537.0);
  // Zero deflection: the limit of p / y, Ei.
  EXPECT_NEAR(Pass_Es(0.0, 11), 30260.243631999412, 1e-9 * 30260.0);
  // Near the head (x < 2b = 48 in) qc is reduced by x / 2b + 0.5.
  EXPECT_NEAR(Es(1) / Es(11), 0.5, 1e-12);
  EXPECT_NEAR(Es(2) / Es(11), 0.75, 1e-12);
  EXPECT_NEAR(Es(5) / Es(11), 1.0, 1e-12);
  // One cycle (and static loading, 0 cycles) leaves pu = 0.409 qc b.
  for (double n : {1.0, 0.0}) {
    Build_Loess(n);
    EXPECT_NEAR(Pass_Es(0.0, 11), 41948.71937254139, 1e-9 * 41949.0) << n;
  }
}

TEST(Loess, ZeroDeflectionModulusCarriesBothMultipliers) {
  Build_Loess(5.0);
  Set_Multipliers(2.0, 0.5);
  EXPECT_NEAR(Pass_Es(0.0, 11), 2.0 / 0.5 * 30260.243631999412, 1e-9 * 1.2e5);
  // Continuous: a tiny deflection gives the same modulus.
  EXPECT_NEAR(Pass_Es(1e-12, 11) / Pass_Es(0.0, 11), 1.0, 1e-10);
}

TEST(Loess, SoilMovementEntersTheRelativeDeflectionAndLoadsTheNode) {
  Build_Loess(5.0);
  Pile_Model& pm = RS().sol.pile;
  RS().prob.load.i_Number_of_Soil_Movement_Points = 2;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilMovement[k] = 0.2;
  const double yref = double(0.117f);
  EXPECT_NEAR(Pass_Es(0.2 + yref, 11), 14856.845416529535, 1e-9 * 14857.0);
  EXPECT_NEAR(pm.rd_SoilForce[11], 0.2 * Es(11), 1e-9);
}

TEST(Loess, MoreThanTenCyclesIsAnInputErrorInTheReport) {
  Build_Loess(11.0);
  Run_Files_Capture files;
  Py_Layer_Pass();
  EXPECT_EQ(RS().status.i_ErrorNumber, 170);
  const std::string r = files.report();
  EXPECT_NE(r.find("**** Input Data Error No. 70 ****"), std::string::npos);
  EXPECT_NE(r.find("PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of loading = 11"),
            std::string::npos);
  EXPECT_NE(r.find("INP00070"), std::string::npos);
  EXPECT_EQ(files.message().find("Input Data Error No. 70"), std::string::npos);
  Build_Loess(10.1);
  Set_Deflection(0.1);
  Py_Layer_Pass();
  EXPECT_FALSE(Error_Recorded());
}

TEST(Loess, ReportBlock) {
  Build_Loess(5.0);
  std::string plot;
  std::string r = Report_At(120.0, &plot);
  EXPECT_NE(r.find("\n\np-y Curve for Loess\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "         1")), std::string::npos);
  EXPECT_NE(r.find(Line("Cone tip resistance", "     500.000", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("p_u", "    3540.448", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("Number of Cycles of Loading", "          5.", "cycles")), std::string::npos);
  // Point 5 at y = yref.
  const double yref = double(0.117f);
  EXPECT_NE(r.find("   " + Number_Field(yref, 12) + "     " + Number_Field(14856.845416529535 * yref, 12) + "\n"),
            std::string::npos);
  EXPECT_NE(plot.find("Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(plot, "): y, p, for Loess"), 17);
  r = Report_At(12.0);
  EXPECT_NE(r.find(Line("Depth Adj. Cone tip resistance", "     375.000", "psi")), std::string::npos);
}

// ---------------------------------------------------------------------------
// User-input p-y curves

void Set_User_Curve(int j, double depth, const std::vector<std::pair<double, double>>& points) {
  User_Py_Curve_Record& c = RS().prob.soil.User_Py_Curve[j];
  c.rd_Depth = depth;
  c.i_Number_of_Points = int(points.size());
  int i = 0;
  for (const auto& [y, p] : points) {
    ++i;
    c.y[i] = y;
    c.p[i] = p;
  }
}

// Soft clay from 0 to 120 in over a user layer from 120 to 240 in.
class User_Layer : public ::testing::Test {
 protected:
  void SetUp() override {
    Setup_Pile(US_UNITS, 240.0, 20, 24.0);
    Point_Values clay;
    clay.gamma = 0.03;
    clay.c = 5.0;
    clay.eps50 = 0.01;
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 120.0, clay);
    Add_Uniform_Layer(SOIL_USER_PY, 120.0, 240.0, Weight(0.03));
    Set_User_Curve(3, 120.0, {{0.0, 0.0}, {0.5, 500.0}, {2.0, 800.0}});
    Set_User_Curve(4, 240.0, {{0.0, 0.0}, {0.5, 600.0}, {2.0, 900.0}, {4.0, 1000.0}});
    Assign_Layers();
  }
};

TEST_F(User_Layer, CurveIsInterpolatedBetweenTheTopAndBottomCurves) {
  // Node 16 at 180 in, halfway between the curves.
  struct Case {
    double y, p;
  } cases[] = {
      {0.25, (250.0 + 300.0) / 2.0},
      {1.0, (600.0 + 700.0) / 2.0},
      {3.0, (800.0 + 950.0) / 2.0},  // beyond the top curve's last point: its last p
      {5.0, (800.0 + 1000.0) / 2.0},
  };
  for (const Case& t : cases) EXPECT_NEAR(Pass_Es(t.y, 16), t.p / t.y, 1e-12 * t.p) << t.y;
  // Node 13 at 144 in: weight 0.2 of the bottom curve.
  EXPECT_NEAR(Pass_Es(1.0, 13), 600.0 + 0.2 * 100.0, 1e-9);
  // Zero deflection: the initial moduli p2 / y2 interpolated the same way.
  EXPECT_NEAR(Pass_Es(0.0, 16), (1000.0 + 1200.0) / 2.0, 1e-9);
  // Layer resistance: h times the last p interpolated in depth at every node
  // (nodes 11 .. 21 at 120 .. 240 in): 12 * 11 * (800 + 1000) / 2.
  ASSERT_EQ(RS().sol.pile.i_TopNodeInLayer[2], 11);
  EXPECT_NEAR(RS().py.rd_LayerResistance[2], 12.0 * 11.0 * 900.0, 1e-6);
}

TEST_F(User_Layer, PointsOutsideTheCurveDepthsHaveNoResistance) {
  Set_User_Curve(3, 150.0, {{0.0, 0.0}, {0.5, 500.0}, {2.0, 800.0}});
  EXPECT_EQ(Pass_Es(1.0, 13), 0.0);  // 144 in, above the top curve
  EXPECT_EQ(Pass_Es(0.0, 13), 0.0);
  EXPECT_GT(Pass_Es(1.0, 14), 0.0);  // 156 in
}

TEST_F(User_Layer, CurveStartingAboveZeroRunsFromTheOrigin) {
  Set_User_Curve(3, 120.0, {{0.5, 500.0}, {2.0, 800.0}});
  Set_User_Curve(4, 240.0, {{0.5, 500.0}, {2.0, 800.0}});
  EXPECT_NEAR(Pass_Es(0.25, 16), 1000.0, 1e-9);
}

TEST_F(User_Layer, MultipliersApplyAboveZeroDeflection) {
  Set_Multipliers(0.5, 2.0);
  EXPECT_NEAR(Pass_Es(2.0, 16), 0.5 * 650.0 / 2.0, 1e-9);  // y' = 1
  EXPECT_NEAR(Pass_Es(0.0, 16), 1100.0, 1e-9);
}

TEST_F(User_Layer, CurveThatCannotBeUsedIsAnInputError) {
  struct Case {
    int j;
    std::vector<std::pair<double, double>> points;
    const char* fault;
  } cases[] = {
      {3, {{0.0, 0.0}}, "it has fewer than 2 points."},
      {4, {{0.0, 0.0}, {2.0, 800.0}, {0.5, 500.0}}, "its deflections y do not increase from point to point."},
      {3, {{0.0, 0.0}, {0.0, 500.0}, {2.0, 800.0}}, "its second point has a deflection y of zero or less."},
  };
  for (const Case& t : cases) {
    SetUp();
    Set_User_Curve(t.j, t.j == 3 ? 120.0 : 240.0, t.points);
    Run_Files_Capture files;
    Set_Deflection(0.1);
    Py_Layer_Pass();
    EXPECT_EQ(RS().status.i_ErrorNumber, 189);
    const std::string r = files.report(), m = files.message();
    for (const std::string* text : {&r, &m}) {
      EXPECT_NE(text->find("**** Input Data Error No. 89 ****"), std::string::npos);
      EXPECT_NE(text->find(std::string("The user-input p-y curve at the ") + (t.j == 3 ? "top" : "bottom") +
                           " of soil layer 2 cannot be used:"),
                std::string::npos);
      EXPECT_NE(text->find(t.fault), std::string::npos) << t.fault;
    }
  }
}

TEST_F(User_Layer, ReportBlock) {
  std::string plot;
  const std::string r = Report_At(180.0, &plot);
  EXPECT_NE(r.find("\n\np-y Curve Computed by Interpolation Between User-input Curves\n\n"), std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "           2")), std::string::npos);
  EXPECT_NE(r.find(Line("Pile diameter", "      24.000", "in")), std::string::npos);
  EXPECT_NE(r.find("----------------    ----------------\n"), std::string::npos);
  // Point 17 at 0.5 b = 12 in: p = (800 + 1000) / 2; point 3 at 0.00625 b = 0.15 in.
  EXPECT_NE(r.find("        12.0000" + std::string(5, ' ') + "       900.0000\n"), std::string::npos);
  EXPECT_NE(r.find("         0.1500" + std::string(5, ' ') + "       165.0000\n"), std::string::npos);
  EXPECT_NE(plot.find("Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(plot, "): y, p, for user-input p-y curve"), 17);
}

// ---------------------------------------------------------------------------
// The layer pass through all four models allocates nothing.

TEST(Other_Soils, LayerPassAllocatesNothing) {
  Setup_Pile(US_UNITS, 1200.0, 500, 24.0);
  Add_Uniform_Layer(SOIL_USER_PY, 0.0, 200.0, Weight(0.03));
  Set_User_Curve(1, 0.0, {{0.0, 0.0}, {0.5, 500.0}, {2.0, 800.0}});
  Set_User_Curve(2, 200.0, {{0.0, 0.0}, {0.5, 700.0}, {2.0, 1200.0}});
  Add_Uniform_Layer(SOIL_CEMENTED_SILT, 200.0, 500.0, Silt(0.03, 5.0, 30.0));
  Add_Uniform_Layer(SOIL_LOESS, 500.0, 800.0, Weight(0.03));
  Add_Uniform_Layer(SOIL_PIEDMONT, 800.0, 1200.0, Weight(0.03));
  Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
  pp.rd_ConeTip[5] = pp.rd_ConeTip[6] = 400.0;
  pp.i_FieldTestType[7] = FIELD_TEST_SPT;
  pp.rd_SPT_N60[7] = pp.rd_SPT_N60[8] = 20.0;
  Assign_Layers();
  Set_Options_For_Allocation_Check();
  RS().prob.opt.rd_NumberOfCycles = 5.0;
  const Pile_Model& pm = RS().sol.pile;
  const long before = ormyx_test::g_allocations;
  Py_Layer_Pass();
  const long used = ormyx_test::g_allocations - before;
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(used, 0);
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) EXPECT_TRUE(std::isfinite(pm.rd_SoilModulus[k])) << k;
}

// ---------------------------------------------------------------------------
// A whole run through the engine with the four models as layers.

// A 24 in elastic pile, 60 ft long: user p-y curves (0 to 10 ft), cemented
// silt with default k (10 to 25 ft), loess (25 to 40 ft) and Piedmont soil
// from SPT blow counts (40 to 70 ft); 10 kips of head shear, no moment.
std::string Four_Soils_Input(const std::string& loading) {
  std::string t =
    "ORMYXP6\n"
    "TITLE\n"
    "Elastic pile in user p-y curves, cemented silt, loess and Piedmont soil\n"
    "Four soil models of one run\n"
    "One load case: 10 kips of shear, no moment, no axial thrust\n"
    "US customary units: pounds, inches, feet\n"
    "Equilibrium check\n"
    "OPTIONS\n"
    "Units USCS\n"
    "UseLRFD NO\n"
    "ComputeKmatrix NO\n"
    "UseTipShear NO\n"
    "UseSoilMovement NO\n"
    "UsePYModifiers NO\n"
    "ComputeEIOnly NO\n"
    "Loading STATIC     0\n"
    "MaxIterations 100\n"
    "MaxDeflection 10.0\n"
    "Tolerance 1.0E-5\n"
    "Increments 100\n"
    "PrintSummaryOnly NO\n"
    "PrintIncrement 5\n"
    "PrintPYCurves YES\n"
    "ComputeInteraction NO\n"
    "SECTIONS\n"
    "1\n"
    "1\n"
    "11\n"
    "60.0\n"
    "2\n"
    "4.0E6\n"
    "24.0\n"
    "24.0\n"
    "452.389\n"
    "452.389\n"
    "16286.0\n"
    "16286.0\n"
    "SOIL LAYERS\n"
    "4\n"
    "14 0.0 10.0\n"
    "110.0 3\n"
    "0.0 0.0\n"
    "0.5 500.0\n"
    "2.0 800.0\n"
    "110.0 3\n"
    "0.0 0.0\n"
    "0.5 700.0\n"
    "2.0 1200.0\n"
    "11 10.0 25.0\n"
    "115.0 500.0 30.0 0.0 0.0\n"
    "115.0 800.0 32.0 0.0 0.0\n"
    "12 25.0 40.0\n"
    "115.0 300.0\n"
    "115.0 500.0\n"
    "10 40.0 70.0\n"
    "120.0 1 20.0 0.0 0.0 0.0\n"
    "120.0 1 40.0 0.0 0.0 0.0\n"
    "LOADING\n"
    "1\n"
    "1 1 10000.0 0.0 0.0 1\n"
    "0\n"
    "DEPTHS OF PRINTED P-Y CURVES\n"
    "4\n"
    "1 5.0\n"
    "2 15.0\n"
    "3 30.0\n"
    "4 50.0\n"
    "END\n";
  t.replace(t.find("Loading STATIC     0"), 20, loading);
  return t;
}

TEST(Other_Soils, WholeRunEndsNormallyAndTheSoilCarriesTheHeadShear) {
  for (const char* loading : {"Loading STATIC     0", "Loading CYCLIC     5"}) {
    const ormyx_test::Run_Result r = ormyx_test::Run_Engine(Four_Soils_Input(loading));
    ASSERT_LE(r.status, 0) << loading << "\n" << r.report;
    EXPECT_NE(r.report.find("The analysis ended normally."), std::string::npos) << loading;
    const std::vector<ormyx_test::Plot_Node> nodes = ormyx_test::Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), std::size_t(101)) << loading;
    const auto [force, moment] = ormyx_test::Integrate_Reaction(nodes);
    const double V0 = nodes.front().V;
    EXPECT_NEAR(V0, 10000.0, 1e-6);
    // Head shear + soil reaction = 0; head moment (0) + moment of the reaction = 0.
    EXPECT_LT(std::fabs(V0 + force) / V0, 1e-5) << loading << ": " << force;
    EXPECT_LT(std::fabs(moment) / (V0 * nodes.back().x), 1e-5) << loading << ": " << moment;
    // Every layer resists: the reaction is not zero in any of them.
    for (double depth : {36.0, 180.0, 300.0, 500.0}) {
      const ormyx_test::Plot_Node& n = nodes[std::size_t(depth / 7.2)];
      EXPECT_NE(n.p, 0.0) << loading << " at " << depth << " in";
    }
  }
}

}  // namespace
