// Geometry of the working section: outline polygon, section depth, derived
// areas, working bar coordinates, and the set-up of one section analysis.
#include <cmath>

#include "engine/messages.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

constexpr double PI = 3.141592653589793;

void Set_Polygon(int n, const double* x, const double* y) {
  EI_Vars& EI = RS().sec.EI;
  EI.i_NumPolyPoints = n;
  for (int k = 1; k <= n; ++k) {
    EI.rd_PolyX[k] = x[k - 1];
    EI.rd_PolyY[k] = y[k - 1];
  }
}

double Ring_Area(double D, double t) { return PI / 4.0 * (D * D - (D - 2.0 * t) * (D - 2.0 * t)); }

double Ring_Inertia(double D, double t) {
  const double Di = D - 2.0 * t;
  return PI / 64.0 * (D * D * D * D - Di * Di * Di * Di);
}

}  // namespace

void Build_Section_Outline() {
  EI_Vars& EI = RS().sec.EI;
  EI.i_NumPolyPoints = 0;
  const double D = EI.rd_D;
  switch (EI.i_AnalysisShape) {
    case SHAPE_RECTANGLE:
    case SHAPE_RECTANGLE_VOID: {
      const double b = EI.rd_B / 2.0, d = D / 2.0;
      const double x[4] = {-b, b, b, -b};
      const double y[4] = {-d, -d, d, d};
      Set_Polygon(4, x, y);
      EI.rd_SectionDepth = D;
      break;
    }
    case SHAPE_POLYGON:
    case SHAPE_POLYGON_VOID: {
      double a, c;  // the corners lie at +-a along one axis where the other is +-c
      if (EI.i_SectionType == 9 || EI.i_SectionType == 10) {
        a = double(0.2071f) * D;
        c = 0.5 * D;
      } else {
        a = D / 2.0 - EI.rd_Chamfer;
        c = D / 2.0;
      }
      const double x[8] = {a, c, c, a, -a, -c, -c, -a};
      const double y[8] = {-c, -a, a, c, c, a, -a, -c};
      Set_Polygon(8, x, y);
      double ymin = y[0], ymax = y[0];
      for (double v : y) {
        if (v < ymin) ymin = v;
        if (v > ymax) ymax = v;
      }
      EI.rd_SectionDepth = ymax - ymin;
      break;
    }
    case SHAPE_CIRCLE_CASING:
    case SHAPE_CIRCLE_CASING_CORE:
    case SHAPE_STEEL_PIPE:
      EI.rd_CasingDiameter = D;
      EI.rd_SectionDepth = D;
      break;
    default:
      EI.rd_SectionDepth = D;
      break;
  }
}

void Compute_Derived_Geometry() {
  EI_Vars& EI = RS().sec.EI;
  const double D = EI.rd_D;
  switch (EI.i_AnalysisShape) {
    case SHAPE_RECTANGLE:
    case SHAPE_RECTANGLE_VOID:
      EI.rd_GrossArea = EI.rd_B * D;
      break;
    case SHAPE_POLYGON:
    case SHAPE_POLYGON_VOID:
      EI.rd_GrossArea = fn_Polygon_Area_Below(EI.i_NumPolyPoints, EI.rd_PolyX, EI.rd_PolyY, D);
      break;
    default:
      EI.rd_GrossArea = PI * D * D / 4.0;
      break;
  }
  EI.rd_CasingArea = EI.rd_CasingInertia = 0.0;
  EI.rd_CoreArea = EI.rd_CoreInertia = 0.0;
  EI.rd_PipeArea = EI.rd_PipeInertia = EI.rd_PipeZ = 0.0;
  if (EI.i_AnalysisShape == SHAPE_CIRCLE_CASING || EI.i_AnalysisShape == SHAPE_CIRCLE_CASING_CORE) {
    EI.rd_CasingArea = Ring_Area(EI.rd_CasingDiameter, EI.rd_CasingThickness);
    EI.rd_CasingInertia = Ring_Inertia(EI.rd_CasingDiameter, EI.rd_CasingThickness);
  }
  if (EI.i_AnalysisShape == SHAPE_CIRCLE_CASING_CORE) {
    EI.rd_CoreArea = Ring_Area(EI.rd_CoreDiameter, EI.rd_CoreThickness);
    EI.rd_CoreInertia = Ring_Inertia(EI.rd_CoreDiameter, EI.rd_CoreThickness);
  }
  if (EI.i_AnalysisShape == SHAPE_STEEL_PIPE) {
    const double Di = D - 2.0 * EI.rd_CasingThickness;
    EI.rd_PipeArea = Ring_Area(D, EI.rd_CasingThickness);
    EI.rd_PipeInertia = Ring_Inertia(D, EI.rd_CasingThickness);
    EI.rd_PipeZ = D * D * D / 6.0 - Di * Di * Di / 6.0;
  }
  EI.rd_BarAreaSum = 0.0;
  const int32_t n = EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS;
  for (int32_t b = 1; b <= n; ++b) EI.rd_BarAreaSum += EI.rd_BarArea[b];
  EI.rd_SteelRatio = EI.rd_GrossArea > 0.0 ? 100.0 * EI.rd_BarAreaSum / EI.rd_GrossArea : 0.0;
}

void Copy_Working_Bars() {
  EI_Vars& EI = RS().sec.EI;
  const bool offset = EI.b_BarsOnCircle != L_FALSE && EI.b_LayoutIncludesOffset == L_FALSE &&
                      EI.i_SectionType >= 1 && EI.i_SectionType <= 3;
  const int32_t n = EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS;
  for (int32_t b = 1; b <= n; ++b) {
    EI.rd_BarX[b] = EI.rd_LayoutX[b];
    EI.rd_BarY[b] = EI.rd_LayoutY[b] + (offset ? EI.rd_CageOffset : 0.0);
  }
}

void Initialize_EI_Vars(double rd_StationPosition, double rd_LoadingAngle, int32_t b_Tapered,
                        int32_t i_ConcreteModel, int32_t i_CoreConcreteModel) {
  // Nonlinear sections are prismatic and bent in the plane of their outline:
  // the dimensions are those of the section top whatever the station, angle
  // or taper flag passed.
  (void)rd_StationPosition;
  (void)rd_LoadingAngle;
  (void)b_Tapered;
  EI_Vars& EI = RS().sec.EI;
  EI.i_ConcreteModel = i_ConcreteModel;
  EI.i_CoreConcreteModel = i_CoreConcreteModel;

  if (EI.i_NumBars > MAX_BARS) {
    Report_Too_Many_Bars(EI.i_NumBars);
    return;
  }
  if (EI.i_NumBars < 0) EI.i_NumBars = 0;
  Build_Section_Outline();
  Copy_Working_Bars();
  Compute_Derived_Geometry();

  Calculate_Slice_Boundaries();
  Calculate_Slice_Areas();
  if (Error_Recorded()) return;

  if (EI.i_ConcreteModel == CONCRETE_BUILT_IN) Compute_Concrete_Constants();
  if (EI.i_MaterialKind >= 3) Calculate_Strains_Due_To_Prestressing();
}

}  // namespace ormyx
