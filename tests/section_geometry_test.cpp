// Section geometry and slice model: outlines, slice boundaries and the area
// of every material in the slices, compared with closed-form areas.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/run_files.h"
#include "section_fixtures.h"
#include "test_support.h"

using namespace ormyx;
using namespace section_test;

namespace {

TEST(CircularSegment, ClosedForms) {
  const double D = 10.0;
  EXPECT_DOUBLE_EQ(fn_Circular_Segment_Area(D, 0.0), 0.0);
  EXPECT_NEAR(fn_Circular_Segment_Area(D, D / 2.0), PI * D * D / 8.0, 1e-12);
  EXPECT_NEAR(fn_Circular_Segment_Area(D, D), PI * D * D / 4.0, 1e-12);
  // Height D/4: half-angle pi/3.
  EXPECT_NEAR(fn_Circular_Segment_Area(D, D / 4.0),
              D * D / 8.0 * (2.0 * PI / 3.0 - std::sin(2.0 * PI / 3.0)), 1e-12);
  // Heights outside 0..D and a zero diameter stay finite.
  EXPECT_DOUBLE_EQ(fn_Circular_Segment_Area(D, -1.0), 0.0);
  EXPECT_NEAR(fn_Circular_Segment_Area(D, 2.0 * D), PI * D * D / 4.0, 1e-12);
  EXPECT_DOUBLE_EQ(fn_Circular_Segment_Area(0.0, 1.0), 0.0);
}

TEST(PolygonClip, AreasBelowALine) {
  List<double, MAX_POLY_POINTS> x, y;
  const double xs[4] = {-3, 3, 3, -3}, ys[4] = {-5, -5, 5, 5};
  for (int k = 1; k <= 4; ++k) {
    x[k] = xs[k - 1];
    y[k] = ys[k - 1];
  }
  EXPECT_NEAR(fn_Polygon_Area_Below(4, x, y, 5.0), 60.0, 1e-12);
  EXPECT_NEAR(fn_Polygon_Area_Below(4, x, y, 0.0), 30.0, 1e-12);
  EXPECT_NEAR(fn_Polygon_Area_Below(4, x, y, -4.0), 6.0, 1e-12);
  EXPECT_DOUBLE_EQ(fn_Polygon_Area_Below(4, x, y, -5.0), 0.0);
  EXPECT_NEAR(fn_Polygon_Area_Below(4, x, y, 99.0), 60.0, 1e-12);
  EXPECT_DOUBLE_EQ(fn_Polygon_Area_Below(2, x, y, 0.0), 0.0);
}

TEST(SliceModel, CircleAreasSumToTheDisc) {
  EI_Vars& EI = Drilled_Shaft(36.0, 0, 1.0, 0.79, 3.0);
  Initialize();
  ASSERT_FALSE(Error_Recorded());
  EXPECT_DOUBLE_EQ(EI.rd_SectionDepth, 36.0);
  EXPECT_NEAR(Sum(EI.rd_SliceAreaConcrete), PI * 36.0 * 36.0 / 4.0, 1e-9);
  EXPECT_NEAR(EI.rd_SliceTotalConcrete, PI * 36.0 * 36.0 / 4.0, 1e-9);
  // Symmetric about mid-depth: the end slices smallest, the middle ones largest.
  double lo = 1e30, hi = 0.0;
  for (int i = 1; i <= NUM_SLICES; ++i) {
    lo = std::fmin(lo, EI.rd_SliceAreaConcrete[i]);
    hi = std::fmax(hi, EI.rd_SliceAreaConcrete[i]);
    EXPECT_NEAR(EI.rd_SliceAreaConcrete[i], EI.rd_SliceAreaConcrete[NUM_SLICES + 1 - i], 1e-9);
  }
  EXPECT_NEAR(lo, EI.rd_SliceAreaConcrete[1], 1e-12);
  EXPECT_NEAR(hi, EI.rd_SliceAreaConcrete[50], 1e-12);
  // Boundaries and centre depths.
  EXPECT_DOUBLE_EQ(EI.rd_SliceBoundary[0], 18.0);
  EXPECT_NEAR(EI.rd_SliceBoundary[100], -18.0, 1e-12);
  EXPECT_NEAR(EI.rd_SliceDepth[1], 0.18, 1e-12);
  EXPECT_NEAR(EI.rd_SliceDepth[100], 35.82, 1e-12);
}

TEST(SliceModel, FindSliceY) {
  Drilled_Shaft(10.0, 0, 1.0, 0.79, 1.0);
  Initialize();
  // Slices are 0.1 high from y = 5 down.
  EXPECT_EQ(fn_FindSliceY(5.0), 1);
  EXPECT_EQ(fn_FindSliceY(4.95), 1);
  EXPECT_EQ(fn_FindSliceY(4.85), 2);
  EXPECT_EQ(fn_FindSliceY(0.05), 50);
  EXPECT_EQ(fn_FindSliceY(-4.95), 100);
  EXPECT_EQ(fn_FindSliceY(6.0), 100);   // above the top
  EXPECT_EQ(fn_FindSliceY(-6.0), 100);  // below the bottom
}

TEST(SliceModel, OctagonAreasSumToTheOctagon) {
  EI_Vars& EI = Fresh_State();
  EI.i_SectionType = 9;
  EI.i_AnalysisShape = SHAPE_POLYGON;
  EI.i_MaterialKind = 5;
  EI.rd_D = 24.0;
  Build_Section_Outline();
  Calculate_Slice_Boundaries();
  Calculate_Slice_Areas();
  ASSERT_EQ(EI.i_NumPolyPoints, 8);
  const double a = double(0.2071f) * 24.0;
  EXPECT_NEAR(a, 4.9704, 1e-4);
  EXPECT_DOUBLE_EQ(EI.rd_PolyX[1], a);
  EXPECT_DOUBLE_EQ(EI.rd_PolyY[1], -12.0);
  EXPECT_DOUBLE_EQ(EI.rd_PolyX[2], 12.0);
  EXPECT_DOUBLE_EQ(EI.rd_PolyY[2], -a);
  EXPECT_DOUBLE_EQ(EI.rd_SectionDepth, 24.0);
  // A square of side W less four corner triangles with legs W/2 - a.
  const double exact = 24.0 * 24.0 - 2.0 * (12.0 - a) * (12.0 - a);
  EXPECT_NEAR(Sum(EI.rd_SliceAreaConcrete), exact, 1e-9);
  EXPECT_NEAR(exact / (24.0 * 24.0), 0.8284, 1e-4);
  // The top and bottom slices hold the flats: 2a wide.
  EXPECT_NEAR(EI.rd_SliceAreaConcrete[1], 2.0 * a * 0.24 + 0.24 * 0.24, 1e-9);
}

TEST(SliceModel, ChamferedSquareAndPlainSquare) {
  // Chamfer t: the polygon corners are cut by isosceles triangles of leg t.
  EI_Vars& EI = Fresh_State();
  EI.i_SectionType = 7;
  EI.i_AnalysisShape = SHAPE_POLYGON;
  EI.rd_D = 20.0;
  EI.rd_Chamfer = 1.5;
  Build_Section_Outline();
  Calculate_Slice_Boundaries();
  Calculate_Slice_Areas();
  EXPECT_NEAR(Sum(EI.rd_SliceAreaConcrete), 400.0 - 2.0 * 1.5 * 1.5, 1e-9);
  EXPECT_DOUBLE_EQ(EI.rd_PolyX[1], 8.5);
  EXPECT_DOUBLE_EQ(EI.rd_PolyY[1], -10.0);

  EI.i_AnalysisShape = SHAPE_RECTANGLE_VOID;
  EI.rd_B = 20.0;
  EI.rd_VoidDiameter = 11.0;
  Build_Section_Outline();
  Calculate_Slice_Boundaries();
  Calculate_Slice_Areas();
  EXPECT_NEAR(Sum(EI.rd_SliceAreaCore), PI * 11.0 * 11.0 / 4.0, 1e-9);
  EXPECT_NEAR(Sum(EI.rd_SliceAreaConcrete), 400.0 - PI * 11.0 * 11.0 / 4.0, 1e-9);
  EXPECT_DOUBLE_EQ(EI.rd_SliceAreaConcrete[1], 20.0 * 0.2);
}

// One bar at several positions: its pieces sum to its area, and a bar that
// crosses k boundaries is spread over k + 1 slices.
TEST(SliceModel, BarPiecesSumToTheBarArea) {
  struct Case {
    double y, d, a;
    int slices;
  };
  // Slices of a 10-in circle are 0.1 in high; boundaries at y = 5 - 0.1 i.
  const Case cases[] = {
      {0.05, 0.08, 0.005, 1},   // inside slice 50
      {0.0, 0.5, 0.196, 6},     // centre on a boundary, 0.5 in: 5 boundaries crossed
      {2.33, 1.0, 0.79, 11},    // #8 bar across 10 boundaries
      // Nominal diameter 1.128 across 11 boundaries; the equivalent circle
      // (1.040) ends above the last slice, which gets nothing.
      {-3.0, 1.128, 0.85, 11},
  };
  for (const Case& c : cases) {
    EI_Vars& EI = Drilled_Shaft(10.0, 0, 1.0, 0.79, 1.0);
    EI.i_NumBars = 1;
    EI.rd_LayoutX[1] = 0.0;
    EI.rd_LayoutY[1] = c.y;
    EI.rd_BarDiameter[1] = c.d;
    EI.rd_BarArea[1] = c.a;
    Initialize();
    int used = 0;
    for (int i = 1; i <= NUM_SLICES; ++i)
      if (std::fabs(EI.rd_SliceAreaBars[i]) > 1e-12) ++used;
    EXPECT_NEAR(Sum(EI.rd_SliceAreaBars), c.a, 1e-14) << "bar at y = " << c.y;
    EXPECT_EQ(used, c.slices) << "bar at y = " << c.y;
    EXPECT_NEAR(EI.rd_SliceTotalConcrete, PI * 25.0 - c.a, 1e-9);
  }
}

TEST(SliceModel, DrilledShaftBarsAndCageOffset) {
  EI_Vars& EI = Drilled_Shaft(36.0, 8, 1.0, 0.79, 3.0);
  EI.rd_CageOffset = 2.0;
  Initialize();
  ASSERT_FALSE(Error_Recorded());
  EXPECT_NEAR(EI.rd_BarY[3], 14.5 + 2.0, 1e-12);  // bar 3 at the top of the cage
  EXPECT_NEAR(EI.rd_BarX[1], 14.5, 1e-12);
  EXPECT_NEAR(EI.rd_BarY[1], 2.0, 1e-12);
  EXPECT_DOUBLE_EQ(EI.rd_SliceBoundary[0], 18.0);  // the outline is not moved
  EXPECT_NEAR(EI.rd_SliceTotalBars, 8 * 0.79, 1e-12);
  EXPECT_NEAR(EI.rd_SliceTotalConcrete, PI * 324.0 - 8 * 0.79, 1e-9);
  // The layout of a section as read already includes the offset.
  EI.b_LayoutIncludesOffset = L_TRUE;
  Initialize();
  EXPECT_NEAR(EI.rd_BarY[3], 14.5, 1e-12);
}

TEST(SliceModel, CasingRingAndZeroWall) {
  EI_Vars& EI = Cased_Shaft(30.0, 0, 1.0, 0.79, 3.0);
  Initialize();
  EXPECT_DOUBLE_EQ(EI.rd_CasingDiameter, 30.0);
  EXPECT_NEAR(Sum(EI.rd_SliceAreaCasing), PI / 4.0 * (900.0 - 29.0 * 29.0), 1e-9);
  EXPECT_NEAR(EI.rd_SliceTotalConcrete, PI / 4.0 * 29.0 * 29.0, 1e-9);
  EXPECT_NEAR(EI.rd_SliceAreaCasing[50], EI.rd_SliceAreaCasing[51], 1e-12);

  EI.rd_CasingThickness = 0.0;  // the casing takes the whole disc, the concrete stays whole
  Initialize();
  EXPECT_NEAR(Sum(EI.rd_SliceAreaCasing), PI * 225.0, 1e-9);
  EXPECT_NEAR(EI.rd_SliceTotalConcrete, PI * 225.0, 1e-9);
}

TEST(SliceModel, CasingWithFilledAndHollowCore) {
  for (int filled : {L_TRUE, L_FALSE}) {
    EI_Vars& EI = Drilled_Shaft(40.0, 10, 1.0, 0.79, 3.0);
    EI.i_SectionType = 3;
    EI.i_AnalysisShape = SHAPE_CIRCLE_CASING_CORE;
    EI.rd_CasingThickness = 0.75;
    EI.rd_CoreDiameter = 16.2;
    EI.rd_CoreThickness = 0.5;
    EI.b_FillCoreWithConcrete = filled;
    Initialize(CONCRETE_BUILT_IN, filled ? CONCRETE_BUILT_IN : CONCRETE_NONE);
    ASSERT_FALSE(Error_Recorded());
    const double ring = PI / 4.0 * (16.2 * 16.2 - 15.2 * 15.2);
    EXPECT_NEAR(Sum(EI.rd_SliceAreaCore), ring, 1e-9);
    EXPECT_NEAR(Sum(EI.rd_SliceAreaCoreConcrete), filled ? PI / 4.0 * 15.2 * 15.2 : 0.0, 1e-9);
    EXPECT_NEAR(EI.rd_SliceTotalConcrete, PI / 4.0 * (38.5 * 38.5 - 16.2 * 16.2) - 10 * 0.79,
                1e-9);
    // Slices are 0.4 in high from y = 20: the core spans y = 8.1 to -8.1.
    EXPECT_EQ(EI.i_CoreTopSlice, 30);
    EXPECT_EQ(EI.i_CoreBottomSlice, 71);
  }
}

TEST(SliceModel, SteelPipeHasOnlyItsWall) {
  EI_Vars& EI = Steel_Pipe(24.0, 0.5);
  Initialize(CONCRETE_NONE);
  EXPECT_NEAR(Sum(EI.rd_SliceAreaCasing), 36.91371367968007, 1e-9);
  EXPECT_DOUBLE_EQ(Sum(EI.rd_SliceAreaConcrete), 0.0);
  EXPECT_NEAR(EI.rd_PipeInertia, 2549.3533510029047, 1e-9);
  EXPECT_NEAR(EI.rd_PipeZ, (13824.0 - 12167.0) / 6.0, 1e-9);
}

// Loading from the section record: codes, unit conversion, bars as read.
TEST(LoadWorkingState, FromTheSectionRecord) {
  Fresh_State();
  Section_Records& sr = RS().prob.sec;
  sr.i_Number_of_Sections = 2;
  Pile_Section_Record& p = sr.Pile_Section[1];
  p.i_SectionType = 1;
  p.rd_Diameter = 36.0;
  p.rd_fc = 4000.0;
  p.rd_BarYieldStress = 60000.0;
  p.rd_BarModulus = 29000000.0;
  p.i_RebarArrangement = REBAR_CIRCLE;
  p.rd_CageOffset = 1.5;
  p.i_Number_of_Bars = 2;
  p.Bar[1] = {1.0, 0.79, 14.5, 1.5, 0, 0};
  p.Bar[2] = {1.0, 0.79, -14.5, 1.5, 0, 0};
  Pile_Section_Record& q = sr.Pile_Section[2];
  q.i_SectionType = 7;
  q.rd_Diameter = 18.0;
  q.rd_Chamfer = 0.0;

  Load_EI_Vars(1);
  EI_Vars& EI = RS().sec.EI;
  ASSERT_FALSE(Error_Recorded());
  EXPECT_EQ(EI.i_AnalysisShape, SHAPE_CIRCLE);
  EXPECT_EQ(EI.i_MaterialKind, MATERIAL_REINFORCED);
  EXPECT_EQ(EI.i_EICode, 2);
  EXPECT_DOUBLE_EQ(EI.rd_fc, 4.0);
  EXPECT_DOUBLE_EQ(EI.rd_BarFy, 60.0);
  EXPECT_DOUBLE_EQ(EI.rd_BarEs, 29000.0);
  Initialize();
  EXPECT_DOUBLE_EQ(EI.rd_BarY[1], 1.5);  // the offset is applied once

  Load_EI_Vars(2);
  EXPECT_EQ(EI.i_AnalysisShape, SHAPE_RECTANGLE);
  EXPECT_DOUBLE_EQ(EI.rd_B, 18.0);
  EXPECT_EQ(EI.i_EICode, 8);
  q.rd_Chamfer = 1.0;
  Load_EI_Vars(2);
  EXPECT_EQ(EI.i_AnalysisShape, SHAPE_POLYGON);
}

TEST(LoadWorkingState, PrestressedStrands) {
  for (int si : {0, 1}) {
    Fresh_State();
    RS().prob.opt.IUNITS = si ? SI_UNITS : US_UNITS;
    Section_Records& sr = RS().prob.sec;
    sr.i_Number_of_Sections = 1;
    Pile_Section_Record& p = sr.Pile_Section[1];
    p.i_SectionType = 10;
    p.rd_Diameter = 24.0;
    p.rd_VoidDiameter = 10.0;
    p.rd_fc = 6000.0;
    p.i_StrandGrade = 5;  // deformed bars
    p.i_StrandSize = 2;
    p.rd_Strand_fpu = 160000.0;
    p.rd_StrandModulus = 29000.0;
    p.rd_StrandArea = 0.85;
    p.i_Number_of_Strands = 2;
    p.Strand[1] = {1.0, 0.85, 0.0, 8.0, 2, 5};
    p.Strand[2] = {1.0, 0.85, 0.0, -8.0, 2, 5};
    p.rd_InitialPrestressForce = 100000.0;
    p.rd_PrestressLossFraction = 0.25;
    Load_EI_Vars(1);
    const EI_Vars& EI = RS().sec.EI;
    ASSERT_FALSE(Error_Recorded());
    EXPECT_EQ(EI.i_AnalysisShape, SHAPE_POLYGON_VOID);
    EXPECT_EQ(EI.i_EICode, 9);
    EXPECT_EQ(EI.i_MaterialKind, 9);
    EXPECT_EQ(EI.i_BarGradeCode, 3);  // size code 2: the 160 ksi grade
    EXPECT_DOUBLE_EQ(EI.rd_fpu, si ? 160000.0 * 6.89475732421875 : 160.0);
    EXPECT_DOUBLE_EQ(EI.rd_fc, si ? 6000.0 : 6.0);
    EXPECT_DOUBLE_EQ(EI.rd_Pe, 75000.0);
    EXPECT_EQ(EI.i_NumBars, 2);
    EXPECT_DOUBLE_EQ(EI.rd_BarY[2], -8.0);
    EXPECT_DOUBLE_EQ(EI.rd_BarArea[1], 0.85);
    EXPECT_DOUBLE_EQ(EI.rd_VoidDiameter, 10.0);
  }
}

TEST(LoadWorkingState, RejectsWhatItCannotHold) {
  const std::string dir = ormyx_test::Make_Temp_Dir("section_geometry");
  Fresh_State();
  ASSERT_TRUE(Open_Output(CH_REPORT, dir + "/report.out"));
  Section_Records& sr = RS().prob.sec;
  sr.i_Number_of_Sections = 1;
  Pile_Section_Record& p = sr.Pile_Section[1];
  p.i_SectionType = 0;
  p.rd_Diameter = 24.0;
  p.i_RebarArrangement = REBAR_NONCIRCULAR;
  p.i_Number_of_Bars = 301;
  Load_EI_Vars(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 146);
  EXPECT_EQ(RS().sec.EI.i_NumBars, 0);
  Close_Output(CH_REPORT);
  const std::string report = ormyx_test::Read_File(dir + "/report.out");
  EXPECT_NE(report.find("Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = 301 "
                        "(more than 300 bars)"),
            std::string::npos);

  // A working state filled with too many bars stops in the same way.
  EI_Vars& EI = Drilled_Shaft(36.0, 0, 1.0, 0.79, 3.0);
  EI.i_NumBars = 400;
  Initialize();
  EXPECT_EQ(RS().status.i_ErrorNumber, 146);

  // A micropile has no cross-section model.
  Fresh_State();
  RS().prob.sec.i_Number_of_Sections = 1;
  RS().prob.sec.Pile_Section[1].i_SectionType = 14;
  Load_EI_Vars(1);
  EXPECT_EQ(RS().status.i_ErrorNumber, 145);
}

}  // namespace
