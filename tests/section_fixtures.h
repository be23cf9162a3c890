// Working sections for the section-model tests, filled directly into EI_Vars
// (US customary units: in, kips, ksi).
#pragma once
#include <cmath>

#include "engine/messages.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_model.h"

namespace section_test {

using namespace ormyx;

inline constexpr double PI = 3.141592653589793;

// A fresh run-wide state with US customary units.
inline EI_Vars& Fresh_State() {
  Reset_Run_State();
  RS().prob.opt.IUNITS = US_UNITS;
  EI_Vars& EI = RS().sec.EI;
  EI.i_Section = 1;
  EI.i_Units = US_UNITS;
  return EI;
}

// n bars of diameter d and area a on a circle of radius R, bar 1 on the x axis.
inline void Place_Bars(EI_Vars& EI, int n, double R, double d, double a) {
  EI.i_NumBars = n;
  for (int b = 1; b <= n; ++b) {
    const double theta = 2.0 * PI * (b - 1) / n;
    EI.rd_LayoutX[b] = R * std::cos(theta);
    EI.rd_LayoutY[b] = R * std::sin(theta);
    EI.rd_BarDiameter[b] = d;
    EI.rd_BarArea[b] = a;
  }
}

// Drilled shaft of diameter D with n bars (diameter d, area a) at cover c.
inline EI_Vars& Drilled_Shaft(double D, int n, double d, double a, double c, double fc = 4.0,
                              double fy = 60.0, double Es = 29000.0) {
  EI_Vars& EI = Fresh_State();
  EI.i_SectionType = 1;
  EI.i_AnalysisShape = SHAPE_CIRCLE;
  EI.i_MaterialKind = MATERIAL_REINFORCED;
  EI.i_EICode = 2;
  EI.rd_D = EI.rd_B = D;
  EI.rd_fc = fc;
  EI.rd_BarFy = fy;
  EI.rd_BarEs = Es;
  EI.rd_Cover = c;
  EI.b_BarsOnCircle = L_TRUE;
  Place_Bars(EI, n, (D - d) / 2.0 - c, d, a);
  return EI;
}

// Drilled shaft as above inside a steel casing 0.5 in thick (Fy = 36 ksi,
// E = 29000 ksi) of outer diameter D.
inline EI_Vars& Cased_Shaft(double D, int n, double d, double a, double c) {
  EI_Vars& EI = Drilled_Shaft(D, n, d, a, c);
  EI.i_SectionType = 2;
  EI.i_AnalysisShape = SHAPE_CIRCLE_CASING;
  EI.rd_CasingThickness = 0.5;
  EI.rd_CasingFy = 36.0;
  EI.rd_CasingE = 29000.0;
  return EI;
}

// A circular prestressed pile 24 in across: strands of 0.5 in (0.153 in2),
// PCI 270, Pi = 400 kips, 20 percent loss.
inline EI_Vars& Prestressed_Pile(int type, int shape, int strands) {
  EI_Vars& EI = Drilled_Shaft(24.0, strands, 0.5, 0.153, 3.0, 6.0);
  EI.i_SectionType = type;
  EI.i_AnalysisShape = shape;
  EI.i_MaterialKind = 5;
  EI.i_StrandType = 1;
  EI.rd_fpu = 270.0;
  EI.rd_StrandEs = 28000.0;
  EI.rd_BarEs = 28000.0;
  EI.rd_Pi = 400000.0;
  EI.rd_LossFraction = 0.2;
  EI.b_BarsOnCircle = L_FALSE;
  return EI;
}

// Rectangular pile B wide and D deep, with bars in two rows of n_row at
// distance e from the top and bottom faces, spread over the width.
inline EI_Vars& Rectangle(double B, double D, int n_row, double d, double a, double e,
                          double fc = 4.0, double fy = 60.0) {
  EI_Vars& EI = Fresh_State();
  EI.i_SectionType = 0;
  EI.i_AnalysisShape = SHAPE_RECTANGLE;
  EI.i_MaterialKind = MATERIAL_REINFORCED;
  EI.i_EICode = 1;
  EI.rd_D = D;
  EI.rd_B = B;
  EI.rd_fc = fc;
  EI.rd_BarFy = fy;
  EI.rd_BarEs = 29000.0;
  EI.i_NumBars = 2 * n_row;
  for (int k = 1; k <= n_row; ++k) {
    const double x = n_row == 1 ? 0.0 : -B / 2.0 + e + (k - 1) * (B - 2.0 * e) / (n_row - 1);
    EI.rd_LayoutX[k] = EI.rd_LayoutX[n_row + k] = x;
    EI.rd_LayoutY[k] = D / 2.0 - e;
    EI.rd_LayoutY[n_row + k] = -D / 2.0 + e;
  }
  for (int b = 1; b <= 2 * n_row; ++b) {
    EI.rd_BarDiameter[b] = d;
    EI.rd_BarArea[b] = a;
  }
  return EI;
}

// Steel pipe of outside diameter D, wall t.
inline EI_Vars& Steel_Pipe(double D, double t, double Fy = 36.0, double E = 29000.0) {
  EI_Vars& EI = Fresh_State();
  EI.i_SectionType = 4;
  EI.i_AnalysisShape = SHAPE_STEEL_PIPE;
  EI.i_MaterialKind = MATERIAL_STEEL;
  EI.i_EICode = 5;
  EI.rd_D = EI.rd_B = D;
  EI.rd_CasingDiameter = D;
  EI.rd_CasingThickness = t;
  EI.rd_CasingFy = Fy;
  EI.rd_CasingE = E;
  return EI;
}

// Build the slices and constants of the section filled above.
inline void Initialize(int concrete_model = CONCRETE_BUILT_IN, int core_model = CONCRETE_NONE) {
  Initialize_EI_Vars(0.0, 0.0, L_FALSE, concrete_model, core_model);
}

template <class A>
double Sum(const A& a) {
  double s = 0.0;
  for (int i = 1; i <= NUM_SLICES; ++i) s += a[i];
  return s;
}

}  // namespace section_test
