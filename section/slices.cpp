// The slice model: horizontal strips of the section, their boundaries and
// depths, and the area of every material in each slice.
#include <cmath>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

constexpr double PI = 3.141592653589793;

// Spread an area over the slices from the one holding yt down to the one
// holding yb: cumulative pieces are circular segments of diameter de measured
// from yt, and the last slice takes the remainder, so the pieces sum to total.
void Spread_Circular_Area(double de, double yt, double yb, double total, double sign,
                          Slice_Array& out, int32_t* first = nullptr, int32_t* last = nullptr) {
  const EI_Vars& EI = RS().sec.EI;
  const int32_t it = fn_FindSliceY(yt);
  const int32_t ib = fn_FindSliceY(yb);
  if (first) *first = it;
  if (last) *last = ib;
  if (it >= ib) {
    out[it] += sign * total;
    return;
  }
  double previous = 0.0;
  for (int32_t i = it; i <= ib; ++i) {
    const double c = i < ib ? fn_Circular_Segment_Area(de, yt - EI.rd_SliceBoundary[i]) : total;
    out[i] += sign * (c - previous);
    previous = c;
  }
}

bool Is_Polygon_Shape(int32_t shape) {
  return shape == SHAPE_RECTANGLE || shape == SHAPE_RECTANGLE_VOID || shape == SHAPE_POLYGON ||
         shape == SHAPE_POLYGON_VOID;
}

}  // namespace

double fn_Circular_Segment_Area(double D, double s) {
  if (!(D > 0.0) || !(s > 0.0)) return 0.0;
  if (s >= D) return PI * D * D / 4.0;
  double c = 1.0 - 2.0 * s / D;
  if (c > 1.0) c = 1.0;
  if (c < -1.0) c = -1.0;
  const double alpha = std::fabs(c) < 1e-12 ? PI / 2.0 : std::acos(c);
  return D * D / 8.0 * (2.0 * alpha - std::sin(2.0 * alpha));
}

double fn_Polygon_Area_Below(int n, const List<double, MAX_POLY_POINTS>& x,
                             const List<double, MAX_POLY_POINTS>& y, double y0) {
  if (n < 3 || n > MAX_POLY_POINTS) return 0.0;
  constexpr int CAP = 2 * MAX_POLY_POINTS + 2;
  List<double, CAP> cx, cy;
  int m = 0;
  auto add = [&](double px, double py) {
    if (m > 0) {
      const double dx = px - cx[m], dy = py - cy[m];
      if (dx * dx + dy * dy < 1e-8) return;  // merge with the previous vertex
    }
    ++m;
    cx[m] = px;
    cy[m] = py;
  };
  for (int i = 1; i <= n; ++i) {
    const int j = i % n + 1;
    const bool p_in = y[i] <= y0;
    const bool q_in = y[j] <= y0;
    if (p_in) add(x[i], y[i]);
    if (p_in != q_in) {
      const double t = (y0 - y[i]) / (y[j] - y[i]);
      add(x[i] + t * (x[j] - x[i]), y0);
    }
  }
  if (m > 1) {
    const double dx = cx[m] - cx[1], dy = cy[m] - cy[1];
    if (dx * dx + dy * dy < 1e-8) --m;
  }
  if (m < 3) return 0.0;
  double twice = 0.0;
  for (int i = 1; i <= m; ++i) {
    const int j = i % m + 1;
    twice += cx[i] * cy[j] - cx[j] * cy[i];
  }
  return std::fabs(twice) / 2.0;
}

int32_t fn_FindSliceY(double y) {
  const EI_Vars& EI = RS().sec.EI;
  for (int32_t i = 1; i <= NUM_SLICES; ++i)
    if (EI.rd_SliceBoundary[i - 1] >= y && y > EI.rd_SliceBoundary[i]) return i;
  return NUM_SLICES;
}

void Calculate_Slice_Boundaries() {
  EI_Vars& EI = RS().sec.EI;
  const double h = EI.rd_SectionDepth;
  const double delta = h / NUM_SLICES;
  double top = EI.rd_D / 2.0;
  if (Is_Polygon_Shape(EI.i_AnalysisShape) && EI.i_NumPolyPoints > 0) {
    top = EI.rd_PolyY[1];
    for (int k = 2; k <= EI.i_NumPolyPoints; ++k)
      if (EI.rd_PolyY[k] > top) top = EI.rd_PolyY[k];
  }
  for (int32_t i = 0; i <= NUM_SLICES; ++i) EI.rd_SliceBoundary[i] = top - i * delta;
  for (int32_t i = 1; i <= NUM_SLICES; ++i)
    EI.rd_SliceDepth[i] = h / (2.0 * NUM_SLICES) + (i - 1) * h / NUM_SLICES;
}

void Calculate_Concrete_Slice_Areas() {
  EI_Vars& EI = RS().sec.EI;
  const double h = EI.rd_SectionDepth;
  switch (EI.i_AnalysisShape) {
    case SHAPE_RECTANGLE:
    case SHAPE_RECTANGLE_VOID:
      for (int32_t i = 1; i <= NUM_SLICES; ++i)
        EI.rd_SliceAreaConcrete[i] = EI.rd_B * h / NUM_SLICES;
      break;
    case SHAPE_POLYGON:
    case SHAPE_POLYGON_VOID: {
      double above = fn_Polygon_Area_Below(EI.i_NumPolyPoints, EI.rd_PolyX, EI.rd_PolyY,
                                           EI.rd_SliceBoundary[0]);
      for (int32_t i = 1; i <= NUM_SLICES; ++i) {
        const double below = fn_Polygon_Area_Below(EI.i_NumPolyPoints, EI.rd_PolyX, EI.rd_PolyY,
                                                   EI.rd_SliceBoundary[i]);
        EI.rd_SliceAreaConcrete[i] = above - below;
        above = below;
      }
      break;
    }
    case SHAPE_CIRCLE:
    case SHAPE_CIRCLE_VOID:
    case SHAPE_CIRCLE_CASING:
    case SHAPE_CIRCLE_CASING_CORE: {
      const double delta = h / NUM_SLICES;
      double previous = 0.0;
      for (int32_t i = 1; i <= NUM_SLICES; ++i) {
        const double c = fn_Circular_Segment_Area(EI.rd_D, i * delta);
        EI.rd_SliceAreaConcrete[i] = c - previous;
        previous = c;
      }
      break;
    }
    default:  // steel pipe: no concrete
      break;
  }
}

void Calculate_Casing_Slice_Areas() {
  EI_Vars& EI = RS().sec.EI;
  const int32_t shape = EI.i_AnalysisShape;
  if (shape != SHAPE_CIRCLE_CASING && shape != SHAPE_CIRCLE_CASING_CORE && shape != SHAPE_STEEL_PIPE)
    return;
  const double D = EI.rd_CasingDiameter;
  const double t = EI.rd_CasingThickness;
  Spread_Circular_Area(D, D / 2.0, -D / 2.0, PI * D * D / 4.0, 1.0, EI.rd_SliceAreaCasing);
  if (!(t > 0.0)) return;
  const double Di = D - 2.0 * t;
  if (Di > 0.0)
    Spread_Circular_Area(Di, D / 2.0 - t, -D / 2.0 + t, PI * Di * Di / 4.0, -1.0,
                         EI.rd_SliceAreaCasing);
  if (shape != SHAPE_STEEL_PIPE)
    for (int32_t i = 1; i <= NUM_SLICES; ++i) EI.rd_SliceAreaConcrete[i] -= EI.rd_SliceAreaCasing[i];
}

void Report_Too_Many_Bars(int32_t number_of_bars) {
  Write_Line(CH_REPORT, "Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = " +
                            fmt::I0(number_of_bars) + " (more than " + fmt::I0(MAX_BARS) +
                            " bars)");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(46));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "An error was detected in the input data.");
  Write_Line(CH_REPORT, "Problem:  Section " + fmt::I0(RS().sec.EI.i_Section) + " has " +
                            fmt::I0(number_of_bars) +
                            " reinforcing bars or strands; a section holds at most 300.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Solution:  Reduce the number of bars or strands of the section to 300 "
                        "or fewer.");
  Write_Line(CH_REPORT);
  Record_Input_Error(46);
}

void Calculate_Rebar_Slice_Areas() {
  EI_Vars& EI = RS().sec.EI;
  if (EI.i_AnalysisShape == SHAPE_STEEL_PIPE) return;
  if (EI.i_NumBars > MAX_BARS) {
    Report_Too_Many_Bars(EI.i_NumBars);
    return;
  }
  for (int32_t b = 1; b <= EI.i_NumBars; ++b) {
    const double a = EI.rd_BarArea[b];
    const double de = a > 0.0 ? std::sqrt(4.0 * a / PI) : 0.0;
    const double yt = EI.rd_BarY[b] + EI.rd_BarDiameter[b] / 2.0;
    const double yb = yt - EI.rd_BarDiameter[b];
    Spread_Circular_Area(de, yt, yb, a, 1.0, EI.rd_SliceAreaBars);
  }
  for (int32_t i = 1; i <= NUM_SLICES; ++i) EI.rd_SliceAreaConcrete[i] -= EI.rd_SliceAreaBars[i];
}

void Calculate_Core_Slice_Areas() {
  EI_Vars& EI = RS().sec.EI;
  const int32_t shape = EI.i_AnalysisShape;
  EI.i_CoreTopSlice = 0;
  EI.i_CoreBottomSlice = 0;
  if (shape != SHAPE_RECTANGLE_VOID && shape != SHAPE_CIRCLE_VOID &&
      shape != SHAPE_CIRCLE_CASING_CORE && shape != SHAPE_POLYGON_VOID)
    return;
  const bool core = shape == SHAPE_CIRCLE_CASING_CORE;
  const double Dv = core ? EI.rd_CoreDiameter : EI.rd_VoidDiameter;
  if (!(Dv > 0.0)) return;
  Spread_Circular_Area(Dv, Dv / 2.0, -Dv / 2.0, PI * Dv * Dv / 4.0, 1.0, EI.rd_SliceAreaCore,
                       &EI.i_CoreTopSlice, &EI.i_CoreBottomSlice);
  for (int32_t i = 1; i <= NUM_SLICES; ++i) EI.rd_SliceAreaConcrete[i] -= EI.rd_SliceAreaCore[i];
  if (!core) return;
  const double tc = EI.rd_CoreThickness;
  const bool filled = EI.b_FillCoreWithConcrete != L_FALSE;
  if (!(tc > 0.0) && !filled) return;
  const double Di = Dv - 2.0 * (tc > 0.0 ? tc : 0.0);
  if (!(Di > 0.0)) return;
  Slice_Array inner;
  Spread_Circular_Area(Di, Di / 2.0, -Di / 2.0, PI * Di * Di / 4.0, 1.0, inner);
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    EI.rd_SliceAreaCore[i] -= inner[i];
    if (filled) EI.rd_SliceAreaCoreConcrete[i] = inner[i];
  }
}

void Calculate_Slice_Areas() {
  EI_Vars& EI = RS().sec.EI;
  EI.rd_SliceAreaConcrete.fill(0.0);
  EI.rd_SliceAreaBars.fill(0.0);
  EI.rd_SliceAreaCasing.fill(0.0);
  EI.rd_SliceAreaCore.fill(0.0);
  EI.rd_SliceAreaCoreConcrete.fill(0.0);
  EI.rd_SliceTotalConcrete = 0.0;
  EI.rd_SliceTotalBars = 0.0;
  Calculate_Concrete_Slice_Areas();
  Calculate_Casing_Slice_Areas();
  Calculate_Rebar_Slice_Areas();
  if (Error_Recorded()) return;
  Calculate_Core_Slice_Areas();
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    EI.rd_SliceTotalConcrete += EI.rd_SliceAreaConcrete[i];
    EI.rd_SliceTotalBars += EI.rd_SliceAreaBars[i];
  }
}

}  // namespace ormyx
