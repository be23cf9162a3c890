// Stiff clay p-y curves against the published criteria (Reese et al.):
//   with free water: pc = min((g b + 2.83 ca) z + 2 ca b, 11 c b), y50 = e50 b,
//     static p = 0.5 pc sqrt(y / y50) to As y50, less 0.055 pc ((y - As y50) /
//     (As y50))^1.25 to 6 As y50, then straight with slope 0.0625 pc / y50 to
//     18 As y50, then the residual; cyclic a parabola peaking at Ac pc at
//     0.45 yp (yp = 4.1 As y50); both cut by the initial line k z y;
//   without free water: Pu = min((g b + 0.5 c) z + 3 b c, 9 b c),
//     y50 = 2.5 e50 b, p = 0.5 Pu (y / y50)^(1/4) to 16 y50, Pu beyond; the
//     cyclic curve stretches y50 by 1 + 0.6 log10 N.
// Hand values below were worked with python3 from these formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "engine/format.h"
#include "engine/messages.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/soil_properties.h"
#include "tests/alloc_counter.h"
#include "tests/plot_records.h"
#include "tests/py_fixture.h"
#include "tests/py_helpers.h"
#include "tests/test_data.h"

namespace {

using namespace py_test;

Point_Values Clay(double gamma, double c, double eps50, double J = 0.5) {
  Point_Values v;
  v.gamma = gamma;
  v.c = c;
  v.eps50 = eps50;
  v.J = J;
  return v;
}

// US units: pile of 1200 in, 100 increments of 12 in, 24 in wide, one layer
// of c = 10 psi, unit weight 0.02 pci, e50 = 0.005. Node 11 is at z = 120 in,
// where x = z / b = 5: As = 0.6, Ac = 0.3.
class Stiff_Clay_Layer : public ::testing::Test {
 protected:
  static constexpr double c = 10.0, g = 0.02, e50 = 0.005, b = 24.0;
  void Build(int code, double k = 500.0, bool cyclic = false, double cycles = 0.0) {
    Setup_Pile(US_UNITS, 1200.0, 100, b);
    Add_Uniform_Layer(code, 0.0, 1200.0, Clay(g, c, e50));
    Set_k(1, k, k);
    Assign_Layers();
    RS().prob.opt.b_CyclicLoading = cyclic ? L_TRUE : L_FALSE;
    RS().prob.opt.rd_NumberOfCycles = cycles;
  }
};

TEST_F(Stiff_Clay_Layer, WithFreeWaterMatchesHandWorkedPoints) {
  // z = 120: pct = 3933.6, pcd = 2640 governs; y50 = 0.12, As y50 = 0.072,
  // yp = 0.2952. The initial line 500 * 120 * y stays above every point.
  struct Case {
    bool cyclic;
    double y, p;
  } cases[] = {
      {false, 0.072, 1022.4676033987581},   // at As y50: 0.5 pc sqrt(As)
      {false, 0.216, 1425.6200919830435},   // 3 As y50: the softening term
      {false, 0.720, 1023.4839068533565},   // 10 As y50: the straight fall
      {false, 1.440, 231.48390685335676},   // 20 As y50: the residual
      {true, 0.13284, 792.0},               // cyclic peak Ac pc at 0.45 yp
      {true, 0.2952, 520.5024},             // cyclic at yp: the straight fall
  };
  for (const Case& t : cases) {
    Build(SOIL_STIFF_CLAY_WATER, 500.0, t.cyclic, 100.0);
    Pass_At(t.y);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(11), t.p / t.y, 1e-6 * t.p / t.y) << (t.cyclic ? "cyclic" : "static") << " y = " << t.y;
  }
}

TEST_F(Stiff_Clay_Layer, WithFreeWaterShallowCurveIsCutByTheInitialLine) {
  // Default k: c = 10 psi is class 2, k = 500 pci static. At z = 12 the curve
  // gives 0.5 * 825.36 * sqrt(0.01 / 0.12) = 119.13 at y = 0.01, above the
  // line k z y = 60: the modulus is k z = 6000. At z = 0 (pct = 2 c b) the
  // curve starts on the line k * 0 * y = 0.
  Build(SOIL_STIFF_CLAY_WATER, 0.0);
  Pass_At(0.01);
  ASSERT_FALSE(Error_Recorded());
  EXPECT_DOUBLE_EQ(Es(2), 6000.0);
  EXPECT_EQ(Es(1), 0.0);
  // Zero deflection: the initial modulus k z, without the p-multiplier.
  Set_Multipliers(2.0, 1.0);
  Pass_At(0.0);
  EXPECT_DOUBLE_EQ(Es(11), 60000.0);
  Pass_At(0.072);
  EXPECT_NEAR(Es(11), 2.0 * 1022.4676033987581 / 0.072, 1e-6 * 28000.0);
}

TEST_F(Stiff_Clay_Layer, WithoutFreeWaterMatchesHandWorkedPoints) {
  // z = 120: Pu = min(5.48 * 120 + 720, 2160) = 1377.6, y50 = 0.3.
  struct Case {
    int code;
    double k;
    bool cyclic;
    double cycles, y, p;
  } cases[] = {
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, false, 0.0, 4.8, 1377.6},     // 16 y50: 0.5 Pu 16^(1/4) = Pu
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, false, 0.0, 0.3, 688.8},      // y50: Pu / 2
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, false, 0.0, 9.0, 1377.6},     // beyond 16 y50: Pu
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, true, 100.0, 4.8, 1131.1428740779165},  // 0.5 Pu (16 / 2.2)^(1/4)
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, true, 100.0, 30.0, 1377.6},   // capped at Pu
      {SOIL_STIFF_CLAY_K, 100.0, false, 0.0, 0.01, 120.0},          // cut by k z y = 100 * 120 * 0.01
      {SOIL_STIFF_CLAY_K, 100.0, false, 0.0, 0.3, 688.8},           // above the cut
      {SOIL_STIFF_CLAY_K, 100.0, true, 100.0, 4.8, 1131.1428740779165},
  };
  for (const Case& t : cases) {
    Build(t.code, t.k, t.cyclic, t.cycles);
    Pass_At(t.y);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(Es(11), t.p / t.y, 1e-9 * t.p / t.y) << "code " << t.code << " y = " << t.y;
  }
}

TEST_F(Stiff_Clay_Layer, WithoutFreeWaterSmallDeflections) {
  // Below 2e-5 b = 4.8e-4 the static secant at that deflection:
  // 0.5 * 1377.6 * (0.3 / 4.8e-4)^0.75 / 0.3 = 287000, times pm / ym.
  Build(SOIL_STIFF_CLAY_NO_WATER);
  Set_Multipliers(2.0, 1.0);
  Pass_At(0.0);
  EXPECT_NEAR(Es(11), 574000.0, 1e-6);
  // The modulus is continuous at the threshold.
  Pass_At(4.8e-4 * (1.0 + 1e-9));
  EXPECT_NEAR(Es(11), 574000.0, 1e-3);
  // With k: the initial modulus k z below 1e-14, without the p-multiplier.
  Build(SOIL_STIFF_CLAY_K, 100.0);
  Set_Multipliers(2.0, 1.0);
  Pass_At(0.0);
  EXPECT_DOUBLE_EQ(Es(11), 12000.0);
  Pass_At(1e-6);
  EXPECT_DOUBLE_EQ(Es(11), 24000.0);  // on the initial line, with pm
}

TEST_F(Stiff_Clay_Layer, CyclicCurveWithOneCycleIsTheStaticCurveCappedAtPu) {
  for (double cycles : {1.0, 0.0}) {  // fewer than one cycle counts as one
    Build(SOIL_STIFF_CLAY_NO_WATER, 0.0, true, cycles);
    Pass_At(0.3);
    EXPECT_NEAR(Es(11), 688.8 / 0.3, 1e-9);
    Pass_At(4.0);
    EXPECT_NEAR(Es(11), 0.5 * 1377.6 * std::pow(4.0 / 0.3, 0.25) / 4.0, 1e-9);
  }
}

TEST_F(Stiff_Clay_Layer, SlopingGroundFactorScalesTheWedgeResistance) {
  // At z = 12 the wedge governs in both models; deflection and slope of
  // opposite signs. Free water takes sqrt(1/2) in double precision, the
  // model without free water the clay factor's 0.70710677.
  const double a = 15.0 * std::numbers::pi / 180.0;
  const double Fw = std::cos(a) * std::sqrt(0.5) / std::cos(a + std::numbers::pi / 4.0);
  const double Fn = std::cos(a) * 0.70710677 / std::cos(a + std::numbers::pi / 4.0);
  for (int code : {SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER}) {
    Build(code, 1.0e6);
    RS().prob.load.rd_SlopeAngle = a;
    RS().prob.load.rd_SlopeMinusBatter = a;
    const double y = -0.05;
    Pass_At(y);
    ASSERT_FALSE(Error_Recorded());
    double p = 0.0;
    if (code == SOIL_STIFF_CLAY_WATER) {
      // pc = F pct = F ((0.48 + 28.3) 12 + 480); As(0.5) = 0.36365, so
      // As y50 = 0.04364 < 0.05 and the softening term applies.
      const double As = double(0.2345f) + double(0.2958796f) * 0.5 - double(0.0786111f) * 0.25 +
                        double(0.0068981f) * 0.125;
      const double pc = Fw * 825.36, ya = As * 0.12;
      p = pc * (0.5 * std::sqrt(0.05 / 0.12) - 0.055 * std::pow((0.05 - ya) / ya, 1.25));
    } else {
      p = 0.5 * Fn * ((0.48 + 5.0) * 12.0 + 720.0) * std::pow(0.05 / 0.3, 0.25);
    }
    EXPECT_NEAR(Es(2), p / 0.05, 1e-12 * p / 0.05) << code;
  }
}

TEST(Stiff_Clay, DefaultsDependOnStrengthUnitsAndLoading) {
  // The modulus with epsilon-50 and k left 0 equals the modulus with the
  // table's values given.
  struct Case {
    int units, code;
    double c;
    bool cyclic;
    double eps50, k;
  } cases[] = {
      {US_UNITS, SOIL_STIFF_CLAY_WATER, 5.0, false, 0.011, 250.0},
      {US_UNITS, SOIL_STIFF_CLAY_WATER, 20.0, false, 0.005, 1000.0},
      {US_UNITS, SOIL_STIFF_CLAY_WATER, 30.0, true, 0.004, 800.0},
      {US_UNITS, SOIL_STIFF_CLAY_NO_WATER, 10.0, false, 0.007, 0.0},
      {US_UNITS, SOIL_STIFF_CLAY_K, 6.942, false, 0.007, 500.0},  // 6.94 bound, not 6.9444447
      {SI_UNITS, SOIL_STIFF_CLAY_WATER, 100.0, false, 0.005, 271447.125},
      {SI_UNITS, SOIL_STIFF_CLAY_WATER, 60.0, true, 0.007, 54289.421875},
      {SI_UNITS, SOIL_STIFF_CLAY_K, 200.0, false, 0.004, 542894.375},
      {SI_UNITS, SOIL_STIFF_CLAY_K, 30.0, true, 0.011, 27144.7109375},
  };
  for (const Case& t : cases) {
    std::vector<double> moduli[2];
    for (int pass = 0; pass < 2; ++pass) {
      Setup_Pile(t.units, 100.0, 50, 1.0);
      Add_Uniform_Layer(t.code, 0.0, 100.0, Clay(0.01, t.c, pass == 0 ? 0.0 : double(float(t.eps50))));
      Set_k(1, pass == 0 ? 0.0 : t.k, 0.0);
      Assign_Layers();
      RS().prob.opt.b_CyclicLoading = t.cyclic ? L_TRUE : L_FALSE;
      RS().prob.opt.rd_NumberOfCycles = 10.0;
      for (double y : {1e-5, 1e-3, 0.02}) {
        Pass_At(y);
        ASSERT_FALSE(Error_Recorded());
        for (int n : {2, 5, 20}) moduli[pass].push_back(Es(n));
      }
    }
    EXPECT_EQ(moduli[0], moduli[1]) << "units " << t.units << ", code " << t.code << ", c = " << t.c;
  }
}

TEST(Stiff_Clay, StrengthOutsideTheUsualRangeLogsTheModelsWarning) {
  struct Case {
    int units, code;
    double c;
    int warning;
  } cases[] = {
      {US_UNITS, SOIL_STIFF_CLAY_WATER, 3.0, 3051},  {US_UNITS, SOIL_STIFF_CLAY_WATER, 60.0, 3052},
      {SI_UNITS, SOIL_STIFF_CLAY_WATER, 20.0, 3053}, {SI_UNITS, SOIL_STIFF_CLAY_WATER, 400.0, 3054},
      {US_UNITS, SOIL_STIFF_CLAY_NO_WATER, 3.0, 3061}, {SI_UNITS, SOIL_STIFF_CLAY_NO_WATER, 383.041, 3064},
      {US_UNITS, SOIL_STIFF_CLAY_K, 60.0, 3262},     {SI_UNITS, SOIL_STIFF_CLAY_K, 23.9, 3263},
  };
  for (const Case& t : cases) {
    Setup_Pile(t.units, 100.0, 50, 1.0);
    Add_Uniform_Layer(t.code, 0.0, 100.0, Clay(0.01, t.c, 0.005));
    Set_k(1, 100.0, 100.0);
    Assign_Layers();
    Pass_At(0.001);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_EQ(RS().status.i_WarningCount[t.warning], 51) << t.warning;
    EXPECT_EQ(RS().status.i_WarningList[1], -t.warning);
  }
}

TEST(Stiff_Clay, ZeroCohesionBelowTheFirstNodeIsAnInputError) {
  for (int code : {SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER, SOIL_STIFF_CLAY_K}) {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Add_Layer(code, 0.0, 1200.0, Clay(0.02, 0.0, 0.005), Clay(0.02, 10.0, 0.005));
    Set_k(1, 500.0, 500.0);
    Assign_Layers();
    Run_Files_Capture files;
    Pass_At(0.01);
    ASSERT_FALSE(Error_Recorded());  // zero only at the first node
    RS().prob.soil.Soil_Profile_Points.rd_c[2] = 0.0;  // and at the last one
    Invalidate_Node_Cache();  // the records changed between passes of one analysis
    Pass_At(0.01);
    const bool water = code == SOIL_STIFF_CLAY_WATER;
    EXPECT_EQ(RS().status.i_ErrorNumber, water ? 114 : 113);
    const std::string r = files.report(), m = files.message();
    for (const std::string* text : {&r, &m}) {
      EXPECT_NE(text->find(water ? "**** Input Data Error No. 14 ****" : "**** Input Data Error No. 13 ****"),
                std::string::npos);
      EXPECT_NE(text->find(water ? "Problem:  Zero was input for the cohesion of a stiff clay. \n"
                                 : "Problem:  Zero was input for cohesion of stiff clay without free water.\n"),
                std::string::npos);
    }
    EXPECT_NE(r.find(water ? "INP00014" : "INP00013"), std::string::npos);
    if (!water) {
      EXPECT_NE(m.find("Solution:  Please check the values of soil shear strength and revise the input data.\n"),
                std::string::npos);
      EXPECT_NE(r.find("Solution:  Please check the values of soil shear strength and revise \nthe input data.\n"),
                std::string::npos);
    }
  }
}

TEST(Stiff_Clay, GenericUnitsWithoutEpsilon50OrKAreAnInputError) {
  struct Case {
    int code;
    double eps50, k;
    int number;
    const char* what;
  } cases[] = {
      {SOIL_STIFF_CLAY_WATER, 0.0, 100.0, 114, "epsilon-50"},
      {SOIL_STIFF_CLAY_WATER, 0.01, 0.0, 114, "the subgrade modulus k"},
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, 0.0, 113, "epsilon-50"},
      {SOIL_STIFF_CLAY_K, 0.01, 0.0, 113, "the subgrade modulus k"},
  };
  for (const Case& t : cases) {
    Setup_Pile(GENERIC_UNITS, 100.0, 50, 1.0);
    Add_Uniform_Layer(t.code, 0.0, 100.0, Clay(0.01, 5.0, t.eps50));
    Set_k(1, t.k, t.k);
    Assign_Layers();
    Run_Files_Capture files;
    Pass_At(0.01);
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number) << t.code;
    const std::string r = files.report();
    EXPECT_NE(r.find(std::string("Problem:  No value of ") + t.what +
                     " was input for a stiff clay, and general units have no default value."),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("Layer no. = 1, Elevation = 0"), std::string::npos) << r;
  }
  // Given values run.
  Setup_Pile(GENERIC_UNITS, 100.0, 50, 1.0);
  Add_Uniform_Layer(SOIL_STIFF_CLAY_K, 0.0, 100.0, Clay(0.01, 5.0, 0.01));
  Set_k(1, 50.0, 0.0);
  Assign_Layers();
  Pass_At(0.01);
  EXPECT_FALSE(Error_Recorded());
  EXPECT_DOUBLE_EQ(Es(11), 50.0 * 20.0);  // on the initial line: k z, with k constant
}

TEST(Stiff_Clay, NegativeKWithInitialModulusIsAnInputError) {
  Setup_Pile(US_UNITS, 100.0, 50, 12.0);
  Add_Uniform_Layer(SOIL_STIFF_CLAY_K, 0.0, 100.0, Clay(0.02, 10.0, 0.005));
  Set_k(1, -100.0, 0.0);
  Assign_Layers();
  Run_Files_Capture files;
  Pass_At(0.01);
  EXPECT_EQ(RS().status.i_ErrorNumber, 113);
  EXPECT_NE(files.report().find("A negative value of the subgrade modulus k"), std::string::npos);
}

TEST(Stiff_Clay, KIsLinearBetweenTheLayersTopAndBottomValues) {
  // With a small deflection every node lies on the initial line: Es = k z,
  // k from 200 at the top to 400 at the bottom (a bottom of 0 keeps 200).
  for (double bottom : {400.0, 0.0}) {
    for (int code : {SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_K}) {
      Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
      Add_Uniform_Layer(code, 0.0, 1200.0, Clay(0.02, 10.0, 0.005));
      Set_k(1, 200.0, bottom);
      Assign_Layers();
      Pass_At(1e-9);
      const double k = bottom > 0.0 ? 200.0 + 200.0 * 600.0 / 1200.0 : 200.0;
      EXPECT_NEAR(Es(51), k * 600.0, 1e-9) << code << " bottom " << bottom;
    }
  }
}

// Soft clay (c = 5 psi, unit weight 0.03 pci, e50 0.01) from 0 to 120 in over
// a stiff clay (c = 10) to 1200 in; b = 24, nodes 12 in apart, node 11 at the
// interface, where c = (5 + 10) / 2 = 7.5.
class Clay_Over_Clay : public ::testing::Test {
 protected:
  void Build(int lower, double c_upper_bottom = 5.0, double c_lower_top = 10.0) {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Add_Layer(SOIL_SOFT_CLAY, 0.0, 120.0, Clay(0.03, 5.0, 0.01), Clay(0.03, c_upper_bottom, 0.01));
    Add_Layer(lower, 120.0, 1200.0, Clay(0.03, c_lower_top, 0.005), Clay(0.03, 10.0, 0.005));
    Set_k(2, 500.0, 500.0);
    Assign_Layers();
  }
  // Soft clay pu = (3 c + g z) b + 0.5 c z = 360 + 3.22 z, trapezoids over
  // z = 0 .. 108 plus pu(108) times one increment.
  static constexpr double R1 = 360.0 * 108 + 1.61 * 108 * 108 + (360.0 + 3.22 * 108) * 12;
};

TEST_F(Clay_Over_Clay, EquivalentDepthOfTheLowerLayerMatchesTheHandValue) {
  // Without free water: zr = 6 c b / (0.5 c + g b) = 241.61, Fr = 260939.6
  // > R1 = 66152.16, so heq solves 2.235 h^2 + 540 h = R1: heq = 89.41408546513.
  // With free water the 50-step rectangle rule over zr = 9 c b / (g b + 2.83 c)
  // = 73.82 holds only 7036.6 (static), so heq = zr + (R1 - F50) / (11 c f50 b).
  struct Case {
    int code;
    bool cyclic;
    double heq;
  } cases[] = {
      {SOIL_STIFF_CLAY_NO_WATER, false, 89.4140854651308},
      {SOIL_STIFF_CLAY_K, false, 89.4140854651308},
      {SOIL_STIFF_CLAY_WATER, false, 414.32280303128005},
      {SOIL_STIFF_CLAY_WATER, true, 1116.2547239858986},
  };
  for (const Case& t : cases) {
    Build(t.code);
    RS().prob.opt.b_CyclicLoading = t.cyclic ? L_TRUE : L_FALSE;
    RS().prob.opt.rd_NumberOfCycles = 100.0;
    if (t.cyclic) {
      // Cyclic soft clay above: give the layer resistance directly.
      Pass_At(0.6);
      RS().py.rd_LayerResistance[1] = R1;
      Compute_Equivalent_Depth(2);
    } else {
      Pass_At(0.6);
      EXPECT_NEAR(RS().py.rd_LayerResistance[1], R1, 1e-6);
    }
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(RS().py.rd_EquivDepthTop[2], t.heq, 1e-6 * t.heq) << t.code;
  }
  // A node of the lower layer uses its depth below the layer top plus heq:
  // node 21 at 240 in, z = 209.414, Pu = 5.72 z + 720 < 9 c b; y = y50 = 0.3.
  Build(SOIL_STIFF_CLAY_NO_WATER);
  Pass_At(0.3);
  const double Pu = (0.72 + 5.0) * (120.0 + 89.4140854651308) + 720.0;
  EXPECT_NEAR(Es(21), 0.5 * Pu / 0.3, 1e-9 * Pu);
}

TEST_F(Clay_Over_Clay, EquivalentDepthBeyondTheTransitionDepth) {
  // Ftot = 1e6 > Fr: heq = zr + (Ftot - Fr) / (9 b c) = 697.8208633689618.
  Build(SOIL_STIFF_CLAY_NO_WATER);
  Pass_At(0.6);
  RS().py.rd_LayerResistance[1] = 1.0e6;
  Compute_Equivalent_Depth(2);
  EXPECT_NEAR(RS().py.rd_EquivDepthTop[2], 697.8208633689618, 1e-9);
  // With free water and Ftot = 2000 inside zr: interpolated in step 26 of 50.
  Build(SOIL_STIFF_CLAY_WATER);
  Pass_At(0.6);
  RS().py.rd_LayerResistance[1] = 2000.0;
  Compute_Equivalent_Depth(2);
  EXPECT_NEAR(RS().py.rd_EquivDepthTop[2], 37.45511662131848, 1e-6);
}

TEST_F(Clay_Over_Clay, NoCohesionAtTheTopOfALowerClayLayer) {
  // Both sides of the interface have c = 0: the lower layer's soil, sampled
  // at its first node, holds no resistance. Without resistance above the
  // equivalent depth is 0; with resistance above, the zero-cohesion error of
  // the lower layer's model (the depth would be infinite).
  struct Case {
    int code, number;
    const char* header;
  } cases[] = {
      {SOIL_SOFT_CLAY, 112, "**** Input Data Error No. 12 ****"},
      {SOIL_SOFT_CLAY_J, 171, "**** Input Data Error No. 71 ****"},
      {SOIL_STIFF_CLAY_WATER, 114, "**** Input Data Error No. 14 ****"},
      {SOIL_STIFF_CLAY_NO_WATER, 113, "**** Input Data Error No. 13 ****"},
      {SOIL_STIFF_CLAY_K, 113, "**** Input Data Error No. 13 ****"},
  };
  for (const Case& t : cases) {
    Build(t.code, 0.0, 0.0);
    ASSERT_EQ(fn_c(120.0), 0.0);
    Py_State& py = RS().py;
    py.rd_LayerResistance[1] = 0.0;
    Compute_Equivalent_Depth(2);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_EQ(py.rd_EquivDepthTop[2], 0.0) << t.code;

    Run_Files_Capture files;
    Pass_At(0.6);
    EXPECT_EQ(RS().status.i_ErrorNumber, t.number);
    EXPECT_EQ(py.rd_EquivDepthTop[2], 0.0);  // not overwritten
    const std::string r = files.report();
    EXPECT_NE(r.find(t.header), std::string::npos) << t.code;
    EXPECT_NE(r.find("Layer no. = 2, Node no. = 11"), std::string::npos) << r;
  }
}

TEST(Stiff_Clay, LayerResistanceOfAStiffClayLayer) {
  // Stiff clay on top (c = 10, unit weight 0.03), soft clay below; b = 24,
  // nodes 12 in apart, the layer's last node at 108 in.
  //  - without free water: Pu = (0.72 + 5) z + 720 (below 9 c b), trapezoids
  //    over z = 0 .. 108 plus Pu(108) (120 - 108);
  //  - with free water: the same sum of the static residual pu =
  //    (0.5 sqrt(6 As) - 0.411 - 0.75 As) pc, worked with python3: 19810.428236837273;
  //  - ground surface 24 in above the pile head (layer top -24): the layer's
  //    value is (3 ca b + Pu) / 2 (120 + 24) without free water, Pu at z = 132
  //    = 1475.04, and (2 ca b + pc) / 2 (120 + 24) with free water, pc = 11 c b.
  struct Case {
    int code;
    double top, R;
  } cases[] = {
      {SOIL_STIFF_CLAY_NO_WATER, 0.0, 720.0 * 108 + 2.86 * 108 * 108 + (720.0 + 5.72 * 108) * 12},
      {SOIL_STIFF_CLAY_WATER, 0.0, 19810.428236837273},
      {SOIL_STIFF_CLAY_NO_WATER, -24.0, (720.0 + 1475.04) / 2.0 * 144.0},
      {SOIL_STIFF_CLAY_WATER, -24.0, (480.0 + 2640.0) / 2.0 * 144.0},
  };
  for (const Case& t : cases) {
    Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
    Add_Uniform_Layer(t.code, t.top, 120.0, Clay(0.03, 10.0, 0.005));
    Set_k(1, 500.0, 500.0);
    Add_Uniform_Layer(SOIL_SOFT_CLAY, 120.0, 1200.0, Clay(0.03, 10.0, 0.01));
    Assign_Layers();
    ASSERT_EQ(RS().sol.pile.i_BottomNodeInLayer[1], 10);
    Pass_At(0.3);
    ASSERT_FALSE(Error_Recorded());
    EXPECT_NEAR(RS().py.rd_LayerResistance[1], t.R, 1e-9 * t.R) << t.code << " top " << t.top;
  }
}

TEST(Stiff_Clay, WithFreeWaterAverageCohesionOfALowerLayerRunsFromItsFirstNode) {
  // Elastic subgrade (rock type) from 0 to 12 in, so the stiff clay below
  // uses z = xv. Its c runs from 10 at 12 in to 10 + 0.5 (xv - 12): at node 5
  // (48 in) c = 28, ca = (10 + 28) / 2 = 19 (trapezoids of a straight line).
  // pct = (0.72 + 2.83 * 19) 48 + 2 * 19 * 24 = 3527.52 < pcd = 11 * 28 * 24;
  // y = 0.05 is below As y50 (As(2) = 0.567): p = 0.5 pct sqrt(0.05 / 0.12).
  Setup_Pile(US_UNITS, 1200.0, 100, 24.0);
  Point_Values sg = Clay(0.03, 0.0, 0.0);
  sg.Es = 100.0;
  Add_Uniform_Layer(SOIL_ELASTIC_SUBGRADE, 0.0, 12.0, sg);
  Add_Layer(SOIL_STIFF_CLAY_WATER, 12.0, 1200.0, Clay(0.03, 10.0, 0.005), Clay(0.03, 604.0, 0.005));
  Set_k(2, 2000.0, 2000.0);
  Assign_Layers();
  ASSERT_EQ(RS().sol.pile.i_TopNodeInLayer[2], 2);
  Pass_At(0.05);
  ASSERT_FALSE(Error_Recorded());
  const double p = 0.5 * 3527.52 * std::sqrt(0.05 / 0.12);
  EXPECT_NEAR(Es(5), p / 0.05, 1e-9 * p / 0.05);
}

TEST(Stiff_Clay, LayerPassAllocatesNothing) {
  Setup_Pile(US_UNITS, 1200.0, 500, 24.0);
  Add_Uniform_Layer(SOIL_SOFT_CLAY, 0.0, 300.0, Clay(0.03, 5.0, 0.01));
  Add_Uniform_Layer(SOIL_STIFF_CLAY_WATER, 300.0, 600.0, Clay(0.03, 10.0, 0.0));
  Add_Uniform_Layer(SOIL_STIFF_CLAY_NO_WATER, 600.0, 900.0, Clay(0.03, 15.0, 0.005));
  Add_Uniform_Layer(SOIL_STIFF_CLAY_K, 900.0, 1200.0, Clay(0.03, 20.0, 0.0));
  Assign_Layers();
  Set_Options_For_Allocation_Check();
  RS().prob.opt.rd_NumberOfCycles = 50.0;
  const long before = ormyx_test::g_allocations;
  Py_Layer_Pass();
  const long used = ormyx_test::g_allocations - before;
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(used, 0);
}

// Report mode: the block of one output depth of layer 1.
std::string Report_At(double depth, std::string* plot) {
  const Report_Text t = Report_Layers_At(depth, 1, 1);
  *plot = t.plot;
  return t.report;
}

std::string Point_Line(double y, double p) {
  return "   " + Number_Field(y, 12) + "     " + Number_Field(p, 12) + "\n";
}

TEST_F(Stiff_Clay_Layer, ReportBlockWithFreeWater) {
  Build(SOIL_STIFF_CLAY_WATER);
  std::string p;
  const std::string r = Report_At(120.0, &p);
  ASSERT_FALSE(Error_Recorded());
  EXPECT_NE(r.find("\n\np-y Curve Computed Using Static Criteria for Stiff Clay with Free Water\n\n"),
            std::string::npos);
  EXPECT_NE(r.find(Line("Soil Layer Number", "           1")), std::string::npos);
  EXPECT_NE(r.find(Line("Depth below pile head", "      10.000", "ft")), std::string::npos);
  EXPECT_NE(r.find(Line("Average cohesion, c", "    10.00000", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Undrained cohesion, c", "  1440.00000", "psf")), std::string::npos);
  EXPECT_NE(r.find(Line("k", "     500.000", "pci")), std::string::npos);
  EXPECT_NE(r.find(Line("As", "       0.600")), std::string::npos);
  EXPECT_NE(r.find(Line("Ac (not used)", "     0.30000")), std::string::npos);
  EXPECT_NE(r.find(Line("pc", "    2640.000", "lb/in")), std::string::npos);
  // pu = (0.5 sqrt(3.6) - 0.411 - 0.45) pc
  EXPECT_NE(r.find(Line("pu", fmt::F((0.5 * std::sqrt(3.6) - 0.861) * 2640.0, 12, 3), "lb/in")),
            std::string::npos);
  EXPECT_EQ(r.find("Ground Slope Angle"), std::string::npos);
  // Point 3 at As y50 = 0.072; point 17 at 19 As y50 on the residual.
  EXPECT_NE(r.find(Point_Line(0.072, 1022.4676033987581)), std::string::npos);
  EXPECT_NE(r.find(Point_Line(19.0 * 0.072, 231.48390685335676)), std::string::npos);
  EXPECT_NE(p.find(fmt::E(120.0, 15, 7) + "   17" + std::string(60, ' ') +
                   "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for static stiff clay with free water"), 17);

  Build(SOIL_STIFF_CLAY_WATER, 500.0, true, 100.0);
  const std::string rc = Report_At(120.0, &p);
  EXPECT_NE(rc.find("p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"), std::string::npos);
  EXPECT_NE(rc.find(Line("c (at curve depth)", "    1440.000", "psf")), std::string::npos);
  EXPECT_NE(rc.find(Line("Number of Cycles of Loading", "        100.")), std::string::npos);
  // Point 10 at 0.45 yp: the peak Ac pc.
  EXPECT_NE(rc.find(Point_Line(0.45 * 0.2952, 792.0)), std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for cyclic stiff clay with free water"), 17);
}

TEST_F(Stiff_Clay_Layer, ReportBlocksWithoutFreeWater) {
  Build(SOIL_STIFF_CLAY_NO_WATER, 0.0, true, 100.0);
  std::string p;
  const std::string r = Report_At(120.0, &p);
  ASSERT_FALSE(Error_Recorded());
  EXPECT_NE(r.find("\n\np-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water\n\n"),
            std::string::npos);
  EXPECT_NE(r.find(Line("Pile Batter Angle", "       0.000", "deg.")), std::string::npos);
  EXPECT_NE(r.find(Line("Undrained cohesion, c", "    10.00000", "psi")), std::string::npos);
  EXPECT_NE(r.find(Line("Pu", "    1377.600", "lb/in")), std::string::npos);
  EXPECT_NE(r.find(Line("Number of cycles of loading", "        100.")), std::string::npos);
  // Point 15 at 16 y50 = 4.8 on the cyclic curve; point 17 at
  // 18.75 (9.6 log10 N + 16) y50 / 15 = 13.2, capped at Pu.
  EXPECT_NE(r.find(Point_Line(4.8, 1131.1428740779165)), std::string::npos);
  EXPECT_NE(r.find("     " + Number_Field(1377.6, 12) + "\n"), std::string::npos);
  EXPECT_NE(p.find("Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for stiff clay w/o water"), 17);

  Build(SOIL_STIFF_CLAY_K, 100.0);
  const std::string rk = Report_At(120.0, &p);
  EXPECT_NE(rk.find("\n\np-y Curve Computed Using Static Criteria for Stiff Clay without Free Water\n"
                    "with Option of Defining Initial k\n\n"),
            std::string::npos);
  EXPECT_NE(rk.find(Line("k", fmt::F(100.0, 12, 0), "pci")), std::string::npos);
  EXPECT_EQ(rk.find("Pile Batter Angle"), std::string::npos);
  // Point 17 at 16.8 y50 = 5.04: p = Pu.
  EXPECT_NE(rk.find(Point_Line(double(16.8f) * 0.3, 1377.6)), std::string::npos);
  EXPECT_NE(p.find("Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. 1\n"),
            std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(p, "): y, p, for stiff clay with k"), 17);
}

// Whole runs through the engine: soft clay over the three stiff clays, static
// and cyclic. The converged pile is in equilibrium: the trapezoid integral of
// the soil reaction (plot records Line 10) equals minus the head shear.
std::string Stiff_Clay_Input(const char* loading) {
  std::string t = ormyx_test::Read_File(ormyx_test::Data_Path("us_soft_clay_two_layers.inp"));
  t.replace(t.find("Loading STATIC     0"), 20, loading);
  t.replace(t.find("1 1 10000.0 0.0 50000.0 1"), 25, "1 1 10000.0 0.0 0.0 1");
  const std::size_t a = t.find("SOIL LAYERS"), e = t.find("LOADING\n");
  t.replace(a, e - a,
            "SOIL LAYERS\n4\n"
            "1 0.0 10.0\n60.0 500.0 0.02\n60.0 600.0 0.02\n"
            "2 10.0 30.0\n62.0 1500.0 0.005 500.0\n62.0 2000.0 0.005 0.0\n"
            "3 30.0 50.0\n64.0 2000.0 0.005\n64.0 2500.0 0.0\n"
            "4 50.0 70.0\n66.0 3000.0 0.0 0.0\n66.0 3500.0 0.0 0.0\n");
  return t;
}

TEST(Stiff_Clay_Run, SoilReactionCarriesTheHeadShear) {
  for (const char* loading : {"Loading STATIC     0", "Loading CYCLIC   100"}) {
    ormyx_test::Run_Result r = ormyx_test::Run_Engine(Stiff_Clay_Input(loading));
    ASSERT_LE(r.status, 0) << loading << "\n" << r.report;
    EXPECT_NE(r.report.find("The analysis ended normally."), std::string::npos) << loading;
    std::vector<ormyx_test::Plot_Node> nodes = ormyx_test::Plot_Nodes(r.plot);
    ASSERT_EQ(nodes.size(), std::size_t(101));
    const double force = ormyx_test::Integrate_Reaction(nodes).force;
    const double V0 = nodes.front().V;
    EXPECT_NEAR(V0, 10000.0, 1e-6);
    EXPECT_LT(std::fabs(V0 + force) / V0, 1e-5) << loading << ": " << force;
  }
}

}  // namespace
