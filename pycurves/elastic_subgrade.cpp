// Linear elastic subgrade: p = Es,sg b y, with the subgrade modulus
// interpolated between the layer's top and bottom values.
#include <string>

#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/py_report.h"
#include "pycurves/soil_properties.h"

namespace ormyx {

namespace {

constexpr int CURVE_POINTS = 17;

void Report_Elastic_Subgrade_Curve(const Py_Point& pt, double Es) {
  Py_Report_Title("p-y Curve for Elastic Subgrade");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 10);
  Py_Report_Value("Shaft Diameter", pt.b, 3, fn_Py_Length_Unit());
  Py_Report_Value("Elastic Subgrade Modulus", Es, 3, fn_Py_Stress_Unit());
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading();
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    const double y = (j - 1) * pt.b / 8.0;
    const double p = pt.pm * Es * pt.b * y;
    Py_Report_Point(pt.ym * y, p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, p, j, "elastic subgrade");
  }
}

}  // namespace

void Py_Elastic_Subgrade(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pm = s.sol.pile;
  const Soil_Profile_Record& pp = s.prob.soil.Soil_Profile_Points;
  Py_Point pt;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double Es = fn_Layer_Profile_Value(L, pp.rd_ElasticSubgrade, pt.xv);
    if (pt.report) {
      Report_Elastic_Subgrade_Curve(pt, Es);
      continue;
    }
    // The secant modulus does not depend on the deflection.
    pm.rd_SoilModulus(k) = pt.pm * Es * pt.b / pt.ym;
    Py_Store_Soil_Force(pt);
    if (pt.first) py.rd_LayerResistance(L) = 0.0;
  }
}

}  // namespace ormyx
