// Piedmont residual soil ("Piedmont"): a curve whose initial modulus is
// correlated to one field test (SPT, CPT, dilatometer or pressuremeter), with
// a logarithmic softening between 0.001 b and 0.0375 b and a plateau beyond.
#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/py_report.h"
#include "pycurves/soil_properties.h"

namespace ormyx {

namespace {

constexpr int CURVE_POINTS = 17;
constexpr double Y1_FACTOR = double(0.001f);
constexpr double Y2_FACTOR = double(0.0375f);
constexpr double LOG_FACTOR = 0.21624703162973105;
constexpr double PLATEAU_FACTOR = 0.008112028136109242;  // middle branch at y2, / (b^2 Ei)
constexpr double SMALL_Y = double(1.0e-14f);
constexpr double INCH_M = double(0.0254f);
constexpr double PSI_KPA = 6.894757270812988;

// The field-test value of layer L at depth xv, by the layer's test type.
double fn_Field_Value(int L, int test, double xv) {
  const Soil_Profile_Record& pp = RS().prob.soil.Soil_Profile_Points;
  switch (test) {
    case FIELD_TEST_SPT: return fn_Layer_Profile_Value(L, pp.rd_SPT_N60, xv);
    case FIELD_TEST_CPT: return fn_Layer_Profile_Value(L, pp.rd_ConeTip, xv);
    case FIELD_TEST_DMT: return fn_Layer_Profile_Value(L, pp.rd_DMT_Modulus, xv);
    case FIELD_TEST_PMT: return fn_Layer_Profile_Value(L, pp.rd_PMT_Modulus, xv);
    default: return 0.0;
  }
}

// Initial p-y modulus (force per length cubed) from the field value v; the
// correlations are dimensional, so general units give 0.
double fn_Piedmont_Ei(int test, double v, int iunits) {
  if (iunits == US_UNITS) {
    switch (test) {
      case FIELD_TEST_SPT: return 22.0 * v;
      case FIELD_TEST_CPT: return 0.8135813628874473 * v;
      case FIELD_TEST_DMT: return 0.07599999755620956 * v;
      case FIELD_TEST_PMT: return 0.23499999940395355 * v;
      default: return 0.0;
    }
  }
  if (iunits == SI_UNITS) {
    switch (test) {
      case FIELD_TEST_SPT: return 151.68465995788574 * v / INCH_M;
      case FIELD_TEST_CPT: return 0.8135813628874473 * v / INCH_M;
      case FIELD_TEST_DMT: return (v / PSI_KPA) * 0.5240015357324452 / INCH_M;
      case FIELD_TEST_PMT: return (v / PSI_KPA) * 1.6202679545314567 / INCH_M;
      default: return 0.0;
    }
  }
  return 0.0;
}

// p on the curve at deflection y >= 0 (before multipliers).
double fn_Piedmont_p(double Ei, double b, double y) {
  if (y < Y1_FACTOR * b) return Ei * b * y;
  if (y < Y2_FACTOR * b) return Ei * b * y * (1.0 - LOG_FACTOR * std::log(1000.0 * y / b));
  return PLATEAU_FACTOR * b * b * Ei;
}

void Report_Piedmont_Curve(const Py_Point& pt, int test, double v, double Ei) {
  const int iunits = RS().prob.opt.IUNITS;
  Py_Report_Title("p-y Curve Computed Using the Piedmont Residual Soil Criteria");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 10);
  Py_Report_Value("Shaft Diameter", pt.b, 3, fn_Py_Length_Unit());
  static const char* const TEST_NAMES[4] = {"Standard Penetration Test", "Cone Penetration Test",
                                            "Dilatometer Test", "Pressuremeter Test"};
  if (test >= FIELD_TEST_SPT && test <= FIELD_TEST_PMT)
    Py_Report_Field("Type of Field Test", TEST_NAMES[test - 1]);
  const std::string stress = iunits == US_UNITS ? "psi" : (iunits == SI_UNITS ? "kPa" : fn_Py_Stress_Unit());
  switch (test) {
    case FIELD_TEST_SPT:
      Py_Report_Value("SPT  N60-value", v, 3,
                      iunits == US_UNITS ? "blows/ft" : (iunits == SI_UNITS ? "blows/0.3 m" : ""));
      break;
    case FIELD_TEST_CPT: Py_Report_Value("CPT qc", v, 3, stress); break;
    case FIELD_TEST_DMT: Py_Report_Value("DMT Edmt", v, 3, stress); break;
    case FIELD_TEST_PMT: Py_Report_Value("DMT Epmt", v, 3, stress); break;
    default: break;
  }
  Py_Report_Value("Initial p-y Modulus from Field Tests", Ei, 3, fn_Py_Unit_Weight_Unit());
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Plot_Line_7(pt.xv, CURVE_POINTS,
                 "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading("---------------   ---------------");
  const double y1 = Y1_FACTOR * pt.b, y2 = Y2_FACTOR * pt.b;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = 0.0;
    if (j == 2)
      y = y1;
    else if (j >= 3 && j <= 15)
      y = y1 + (j - 2) * (y2 - y1) / 14.0;
    else if (j == 16)
      y = y2;
    else if (j == 17)
      y = 1.05 * y2;
    const double p = pt.pm * fn_Piedmont_p(Ei, pt.b, y);
    Py_Report_Point(pt.ym * y, p, 3, 5);
    Py_Plot_Line_8(pt.ym * y, p, j, "Piedmont residual soil");
  }
}

}  // namespace

void Py_Piedmont(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pmod = s.sol.pile;
  const int iunits = s.prob.opt.IUNITS;
  const int test = s.prob.soil.Soil_Profile_Points.i_FieldTestType(2 * L - 1);
  Py_Point pt;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    const double v = fn_Field_Value(L, test, pt.xv);
    const double Ei = fn_Piedmont_Ei(test, v, iunits);
    if (pt.report) {
      Report_Piedmont_Curve(pt, test, v, Ei);
      continue;
    }
    const double y = pt.y_rel;
    pmod.rd_SoilModulus(k) =
        y >= SMALL_Y ? fn_Piedmont_p(Ei, pt.b, y) / y * pt.pm / pt.ym : Ei * pt.b / pt.ym;
    // Soil movement loads the node like every other soil spring.
    Py_Store_Soil_Force(pt);
    if (pt.first) py.rd_LayerResistance(L) = 0.0;
  }
}

}  // namespace ormyx
