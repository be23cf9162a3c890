// Reese sand p-y curves ("Sand    "), static and cyclic: the initial line
// k z y, the parabola C y^(1/n) up to ym = b/60, the straight line to
// yu = 3b/80 and the plateau pu = A Ps; the layer resistance used by the
// layered-soil correction, and the report block of a curve.
#include <cmath>
#include <numbers>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_models.h"
#include "pycurves/py_report.h"
#include "pycurves/sand.h"
#include "pycurves/soil_properties.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

constexpr int CURVE_POINTS = 17;

// Shapes of the curve by the order of yk, ym and yu.
enum Reese_Shape { SHAPE_OTHER = 0, SHAPE_NORMAL = 1, SHAPE_TRILINEAR = 2, SHAPE_BILINEAR = 3 };

// The parameters of one curve.
struct Reese_Curve {
  double phi_deg = 0.0, gamma = 0.0, k = 0.0, z = 0.0;
  bool default_k = false, cyclic = false;
  Sand_Angles an;
  Sand_Wedge w;
  double A = 0.0, B = 0.0;
  double yu = 0.0, pu = 0.0, ym = 0.0, pm = 0.0, kz = 0.0;
  double m = 0.0, n = 0.0, C = 0.0, yk = 0.0, pk = 0.0;
  int shape = SHAPE_OTHER;
};

// p on the curve before the cap by the initial line; initial is set when
// the point lies on the initial branch.
double fn_Reese_Raw_p(const Reese_Curve& cv, double y, bool& initial) {
  initial = false;
  if (y <= cv.yk && y < cv.ym) {
    initial = true;
    return cv.kz * y;
  }
  if (y > cv.yk && y <= cv.ym) return cv.n == 0.0 ? 0.0 : cv.C * std::pow(y, 1.0 / cv.n);
  if (y <= cv.yu) return cv.pm + cv.m * (y - cv.ym);
  return cv.pu;
}

// The smaller of a curve value and the initial line; a value that is not a
// number stays so, for the modulus check to find it.
double fn_Capped(double raw, double line) { return line < raw ? line : raw; }

// p on the curve, never above the initial line.
double fn_Reese_p(const Reese_Curve& cv, double y) {
  bool initial = false;
  return fn_Capped(fn_Reese_Raw_p(cv, y, initial), cv.kz * y);
}

void Set_Reese_Curve(const Py_Point& pt, Reese_Curve& cv) {
  const double b = pt.b, z = cv.z, Ps = cv.w.Ps;
  cv.A = fn_Reese_A(z / b, cv.cyclic);
  cv.B = fn_Reese_B(z / b, cv.cyclic);
  cv.yu = 3.0 * b / 80.0;
  cv.pu = cv.A * Ps;
  cv.ym = b / 60.0;
  cv.pm = cv.B * Ps;
  cv.kz = cv.k * z;
  cv.m = (cv.pu - cv.pm) / (cv.yu - cv.ym);
  cv.n = cv.C = cv.yk = cv.pk = 0.0;
  if (z > 0.0) {
    cv.n = cv.pm / (cv.m * cv.ym);
    cv.C = cv.pm / std::pow(cv.ym, 1.0 / cv.n);
    cv.yk = std::pow(cv.C / cv.kz, cv.n / (cv.n - 1.0));
    cv.pk = cv.C * std::pow(cv.yk, 1.0 / cv.n);
  } else if (z < 0.0) {
    cv.yk = 2.0 * b;
  }
  const double yk = cv.yk, ym = cv.ym, yu = cv.yu;
  if (yk < ym && ym < yu)
    cv.shape = SHAPE_NORMAL;
  else if (ym < yk && yk < yu)
    cv.shape = SHAPE_TRILINEAR;
  else if (ym <= yk && ym < yu && yu < yk)
    cv.shape = SHAPE_BILINEAR;
  else
    cv.shape = SHAPE_OTHER;
}

// The 17 deflections of the reported curve by shape. A curve of no regular
// shape is reported at even steps from 0 to yu and two points beyond it.
void Reese_Ordinates(const Py_Point& pt, const Reese_Curve& cv, double (&y)[CURVE_POINTS + 1]) {
  const double yk = cv.yk, ym = cv.ym, yu = cv.yu;
  y[1] = 0.0;
  switch (cv.shape) {
    case SHAPE_NORMAL:
      y[2] = yk;
      for (int j = 3; j <= 12; ++j) y[j] = yk + (j - 2) * (ym - yk) / 11.0;
      y[13] = ym;
      y[14] = 13.0 * pt.b / 480.0;
      y[15] = yu;
      y[16] = 1.025 * yu;
      y[17] = 1.05 * yu;
      break;
    case SHAPE_TRILINEAR: {
      const double s = (cv.pu - cv.pk) / (yu - yk);
      const double y1 = (cv.pu - yu * s) / (cv.kz - s);
      y[2] = y1;
      for (int j = 3; j <= 14; ++j) y[j] = y1 + (j - 2) * (yu - y1) / 13.0;
      y[15] = yu;
      y[16] = 1.025 * yu;
      y[17] = 1.05 * yu;
      break;
    }
    case SHAPE_BILINEAR: {
      const double yi = cv.pu / cv.kz;
      for (int j = 2; j <= 15; ++j) y[j] = (j - 1) * yi / 14.0;
      y[16] = 1.025 * yi;
      y[17] = 1.05 * yi;
      break;
    }
    default:
      for (int j = 2; j <= 15; ++j) y[j] = (j - 1) * yu / 14.0;
      y[16] = 1.025 * yu;
      y[17] = 1.05 * yu;
      break;
  }
}

void Write_Friction_Error_8() {
  const Channel ch = CH_MESSAGE;
  Write_Line(ch);
  Write_Line(ch, Input_Error_Header(8));
  Write_Line(ch);
  Write_Line(ch, "An error was detected in the input data for friction angle.");
  Write_Line(ch, "Problem:  Zero was input for the friction angle for a sand when computing ");
  Write_Line(ch, "          a p-y curve using the Reese et al. criteria.");
  Write_Line(ch);
  Write_Line(ch, "Solution: Check values of soil strength values and revise the input data.");
  Record_Input_Error(8);
}

// Friction angle outside 20 .. 48 degrees: logged at every point; the block
// goes to the run-message file the first time in a load case only, so that
// a long iteration does not fill the file with copies of it.
void Log_Friction_Warning() {
  if (RS().status.i_WarningCount(302) == 0) {
    const Channel ch = CH_MESSAGE;
    Write_Line(ch);
    Write_Line(ch, "**** Warning ****");
    Write_Line(ch);
    Write_Line(ch, "An unreasonable value for friction angle was input for a Reese sand layer. ");
    Write_Line(ch, "The input value is either smaller than 20 degrees or higher than 48 degrees.");
    Write_Line(ch, "The input data should be checked for correctness.");
    Write_Line(ch, "The input value for friction angle was used in computations.");
    Write_Line(ch);
  }
  Log_Warning(-302);
}

// The soil modulus is not a number: the small-deflection value (32) or the
// secant of the curve (31). Stored without the recorder's lines.
void Write_Not_A_Number_Error(bool initial, int node) {
  const int n = initial ? 32 : 31;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "**** Runtime Error No. " + fmt::I0(n) + " ****");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(initial ? "The default value" : "The computed value") +
                            " of soil modulus computed in Reese Sand is not-a-number for node number " +
                            fmt::I0(node));
  Write_Line(CH_REPORT, "This problem is usually due to a required soil property being left equal to zero.");
  Store_Error_Number(200 + n);
}

void Report_Reese_Curve(const Py_Point& pt, const Reese_Curve& cv, bool rock_above) {
  const std::string len = fn_Py_Length_Unit(), fpl = fn_Py_Force_Per_Length_Unit();
  const std::string stress = fn_Py_Stress_Unit(), uw = fn_Py_Unit_Weight_Unit();
  Py_Report_Title(cv.cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
                            : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
  Py_Report_Depth_Lines(pt.L, pt.xv, pt.z0, 12);
  Py_Report_Slope_Lines();
  Py_Report_Value("Equivalent Depth (see note)", cv.z, 3, len);
  Py_Report_Value("Pile Diameter, b", pt.b, 3, len);
  Py_Report_Value("Angle of Friction", cv.phi_deg, 3, "deg.");
  Py_Report_Value("Avg. Eff. Unit Weight", cv.gamma, 5, uw);
  Py_Report_Value("kpy", cv.k, 3, uw);
  Py_Report_Value("K active", cv.an.Ka, 3);
  Py_Report_Value("K passive", cv.an.Kp, 3);
  Py_Report_Value("K0", cv.an.K0, 3);
  Py_Report_Value("Pst", cv.w.Pst, 3, fpl);
  Py_Report_Value("Psd", cv.w.Psd, 3, fpl);
  Py_Report_Value(cv.w.Psd <= cv.w.Pst ? "Ps = Psd (deep controls)" : "Ps = Pst (shallow controls)", cv.w.Ps, 3,
                  fpl);
  Py_Report_Value(cv.cyclic ? "A (cyclic)" : "A (static)", cv.A, 4);
  Py_Report_Value(cv.cyclic ? "B (cyclic)" : "B (static)", cv.B, 4);
  Py_Report_Value("C = Pm/(Ym^(1/n))", cv.C, 4);
  Py_Report_Value("n = Pm/(m Ym)", cv.n, 4);
  Py_Report_Value("m = (Pu-Pm)/(Yu-Ym)", cv.m, 4, stress);
  Py_Report_Value("Yk = [c/(kx)]^(n/(n-1))", cv.yk, 4, len);
  Py_Report_Value("Pk", cv.pk, 3, fpl);
  Py_Report_Value("Ym = b/60", cv.ym, 4, len);
  Py_Report_Value("Pm = B ps", cv.pm, 3, fpl);
  Py_Report_Value("Yu = 3b/80", cv.yu, 4, len);
  Py_Report_Value("Pu = A Ps", cv.pu, 3, fpl);
  Py_Report_Value("Es,lim", cv.kz, 3, stress);
  Py_Report_Multipliers(pt.pm, pt.ym);
  Py_Report_Depth_Note(rock_above);
  switch (cv.shape) {
    case SHAPE_NORMAL:
      Write_Line(CH_REPORT, "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
      break;
    case SHAPE_TRILINEAR:
      Write_Line(CH_REPORT, "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu.");
      break;
    case SHAPE_BILINEAR:
      Write_Line(CH_REPORT, "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.");
      break;
    default:
      break;
  }
  Py_Plot_Line_7(pt.xv, CURVE_POINTS, "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", pt.k);
  Py_Report_Curve_Heading();

  double ord[CURVE_POINTS + 1];
  Reese_Ordinates(pt, cv, ord);
  const double yi = cv.pu / cv.kz;
  bool note = false;
  for (int j = 1; j <= CURVE_POINTS; ++j) {
    double y = ord[j];
    bool initial = false;
    const double raw = fn_Reese_Raw_p(cv, y, initial);
    const double line = cv.kz * y;
    const bool capped = line < raw;
    double p = fn_Capped(raw, line);
    bool mark = false;
    if (capped && (j == 16 || j == 17)) {
      // Points beyond the reach of the initial line are moved onto the plateau.
      y = j == 16 ? yi : 1.025 * cv.yu + yi;
      p = cv.pu;
      note = true;
    } else if (j >= 2 && (initial || capped)) {
      mark = true;
      note = true;
    }
    Write_Blanks(3);
    Write_Number(pt.ym * y, 12);
    Write_Blanks(5);
    Write_Number(pt.pm * p, 12);
    if (mark) Put(CH_REPORT, "   *");
    End_Line();
    Py_Plot_Line_8(pt.ym * y, pt.pm * p, j, "sand");
  }
  if (note) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "* p value(s) computed using p = k * Eff x * y ");
  }
  if (cv.default_k) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "The above p-y curve was computed using internal default values of k.");
    Write_Line(CH_REPORT);
  } else {
    Blank_Lines(CH_REPORT, 2);
  }
}

}  // namespace

void Py_Reese_Sand(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  Pile_Model& pile = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  double pu_prev = 0.0;
  Py_Point pt;
  Reese_Curve cv;
  cv.cyclic = s.prob.opt.b_CyclicLoading != L_FALSE;
  for (int k = py.i_FirstPoint; k <= py.i_LastPoint; ++k) {
    if (!Py_Begin_Point(L, k, pt)) return;
    // The depth-only values of a node are looked up once per analysis.
    if (!Sand_Depth_Values(pt, cv.phi_deg, cv.gamma)) return;
    cv.z = fn_Effective_Depth(pt, EQUIV_ONCE_PER_RUN);
    if (Error_Recorded()) return;
    const double phi = cv.phi_deg * std::numbers::pi / 180.0;
    if (phi < 1.0e-10) {
      Write_Friction_Error_8();
      return;
    }
    if (cv.phi_deg < 20.0 || cv.phi_deg > 48.0) Log_Friction_Warning();
    cv.k = fn_Layer_k(L, pt.xv);
    cv.default_k = !(cv.k > 0.0);
    if (cv.default_k) {
      cv.k = fn_Default_k(cv.phi_deg, cv.gamma);
      if (Error_Recorded()) return;
    }
    Set_Sand_Angles(phi, fn_Sand_K0(SAND_REESE), cv.an);
    if (!Sand_Wedge_And_Flow(pt, SAND_REESE, cv.an, cv.gamma, cv.z, cv.w)) return;
    Set_Reese_Curve(pt, cv);

    if (pt.report) {
      Report_Reese_Curve(pt, cv, L >= 2 && py.i_RockLayerCount >= 1);
      continue;
    }

    const double y = pt.y_rel;
    double Es = 0.0;
    if (y < 1.0e-14) {
      Es = cv.kz;
      if (std::isnan(Es)) {
        Write_Not_A_Number_Error(true, k);
        return;
      }
    } else {
      Es = pt.pm * fn_Reese_p(cv, y) / (y * pt.ym);
      if (std::isnan(Es)) {
        Write_Not_A_Number_Error(false, k);
        return;
      }
    }
    pile.rd_SoilModulus(k) = Es;
    Py_Store_Soil_Force(pt);

    // Layer resistance: trapezoids of pu node to node, and pu down to the
    // layer bottom below the last node.
    double& R = Py_Sum_Layer_Resistance(pt, cv.pu, pu_prev);
    if (fn_Py_Ground_Above_Head(L)) R = cv.pu / 2.0 * (soil.XLayerBottom(1) - soil.XLayerTop(1));
  }
}

}  // namespace ormyx
