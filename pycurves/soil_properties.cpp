#include "pycurves/soil_properties.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_report.h"

namespace ormyx {

namespace {

constexpr double DEPTH_TOLERANCE = 1.0e-6;
constexpr const char* SUPPORT_ADDRESS = "support@ormyx.dev";

// Kinds of soil at a layer interface, as fn_c distinguishes them.
enum Strength_Class : int {
  CLASS_OTHER = 0,
  CLASS_COHESIVE = 1,
  CLASS_COHESIONLESS = 2,
  CLASS_ROCK = 3,
  CLASS_USER = 4,
  CLASS_ELASTIC = 5
};

const Soil_Profile_Record& Profile() { return RS().prob.soil.Soil_Profile_Points; }

// Number of profile points the lists can hold.
int Point_Count() {
  int n = Profile().i_Number_of_Points;
  if (n < 0) n = 0;
  if (n > MAX_PROFILE_POINTS) n = MAX_PROFILE_POINTS;
  return n;
}


bool Is_One_Of(std::string_view kw, std::initializer_list<std::string_view> list) {
  for (std::string_view s : list)
    if (kw == s) return true;
  return false;
}

// Class of layer L at an interface; c_point is the strength of the layer's
// point at the interface (a cemented silt without cohesion is cohesionless).
int fn_Strength_Class(int L, double c_point) {
  const std::string_view kw = fn_Layer_Keyword(L);
  if (Is_One_Of(kw, {"SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "SoftClyJ"})) return CLASS_COHESIVE;
  if (Is_One_Of(kw, {"Sand", "API Sand", "Liq Sand", "KS Loess"})) return CLASS_COHESIONLESS;
  if (kw == "User p-y") return CLASS_USER;
  if (Is_One_Of(kw, {"WeakRock", "Vuggy LS", "MassRock"})) return CLASS_ROCK;
  if (kw == "Cem Silt") return c_point > 0.0 ? CLASS_COHESIVE : CLASS_COHESIONLESS;
  if (kw == "Elast SG") return CLASS_ELASTIC;
  return CLASS_OTHER;
}

const char* TF(bool b) { return b ? "T" : "F"; }

void Lines(std::initializer_list<std::string_view> lines) {
  for (std::string_view l : lines) Write_Line(CH_REPORT, l);
}

void Write_Input_Error_5(double xv, double deepest) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(5));
  Write_Line(CH_REPORT);
  Lines({"An error was detected that is related to an incompatibility between ",
         "the input data defining pile embedment depth and values of shear ",
         "strength of soil versus depth."});
  Write_Line(CH_REPORT, "Problem:  The value for a pile station depth is " + fn_Py_Number(xv));
  Write_Line(CH_REPORT, "This depth is below the deepest extent of the input curve for ");
  Write_Line(CH_REPORT, "shear strength of soil versus depth at " + fn_Py_Number(deepest));
  Write_Line(CH_REPORT);
  Lines({"Solution:  Please revise the input data by either extending the ",
         "maximum depth for shear strength of soil or shorten the ",
         "pile to be entirely within the defined soil layers."});
  Write_Line(CH_REPORT);
  Record_Input_Error(5);
}

void Write_Input_Error_60(double xv) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(60));
  Write_Line(CH_REPORT);
  Lines({"An error was found in the strength of soil input data when interpolating ",
         "to obtain values of cohesion or uniaxial compressive strength.",
         "Problem:  The depth increment between the upper and lower soil depths in a "});
  Write_Line(CH_REPORT, "layer is zero.  The depth of computation is " + fn_Py_Number(xv));
  Write_Line(CH_REPORT);
  Lines({"Solution:  Examine the program output file to find the depth in question",
         "and correct the soil layer depth values. "});
  Write_Line(CH_REPORT);
  Record_Input_Error(60);
}


void Write_Interface_Not_Found(double xv, int jbot, bool tip) {
  const Run_State& s = RS();
  const Soil_Records& soil = s.prob.soil;
  const Pile_Model& pm = s.sol.pile;
  // The layers whose bottom and top the point below the depth belongs to.
  int ktop = (jbot + 1) / 2;
  if (ktop < 1) ktop = 1;
  if (ktop > MAX_LAYERS) ktop = MAX_LAYERS;
  const int kbot = ktop < MAX_LAYERS ? ktop + 1 : ktop;
  bool at_node = false;
  for (int i = 1; i <= pm.i_Number_of_Nodes && i <= MAX_NODES; ++i)
    if (std::fabs(pm.rd_Depth(i) - xv) <= DEPTH_TOLERANCE) at_node = true;
  Blank_Lines(CH_REPORT, 2);
  Lines({"Internal error in function C (undrained shear strength)",
         "The layer interface cannot be located", "Please contact Vendrox for support"});
  Write_Line(CH_REPORT, "Elevation             = " + fn_Py_Number(xv));
  Write_Line(CH_REPORT, std::string("b_AtInterface         = ") + TF(true));
  Write_Line(CH_REPORT, std::string("b_InMiddle            = ") + TF(false));
  Write_Line(CH_REPORT, std::string("b_AtTip               = ") + TF(tip));
  Write_Line(CH_REPORT, std::string("b_AtNode              = ") + TF(at_node));
  Write_Line(CH_REPORT, "Layer index above     = " + fmt::I0(ktop));
  Write_Line(CH_REPORT, "Layer index below     = " + fmt::I0(kbot));
  Write_Line(CH_REPORT, "DABS(X-XLayerBottom(KTOP))    = " + fn_Py_Number(std::fabs(xv - soil.XLayerBottom(ktop))));
  Write_Line(CH_REPORT, "DABS(X-XLayerTop(KBOT))    = " + fn_Py_Number(std::fabs(xv - soil.XLayerTop(kbot))));
  Write_Line(CH_REPORT, std::string("Please send the input file to ") + SUPPORT_ADDRESS);
  Record_Error(Error_Code("RUN", 999), 999);
}

// The layer whose bottom lies at xv together with the next layer's top
// (within 1.0e-6); 0 when there is none.
int fn_Layer_Above_Interface(double xv) {
  const Soil_Records& soil = RS().prob.soil;
  for (int L = 1; L + 1 <= fn_Layer_Count(); ++L) {
    if (std::fabs(xv - soil.XLayerBottom(L)) < DEPTH_TOLERANCE &&
        std::fabs(xv - soil.XLayerTop(L + 1)) < DEPTH_TOLERANCE)
      return L;
  }
  return 0;
}

// Strength at the interface below layer L by the kinds of layers L and L + 1:
// c1 is the upper layer's value at its bottom, c2 the lower layer's at its top.
double fn_Interface_Strength(int L, double c1, double c2) {
  const int above = fn_Strength_Class(L, c1);
  const int below = fn_Strength_Class(L + 1, c2);
  const bool above_strong = above == CLASS_COHESIVE || above == CLASS_ROCK;
  const bool below_strong = below == CLASS_COHESIVE || below == CLASS_ROCK;
  const bool above_weak = above == CLASS_COHESIONLESS || above == CLASS_USER || above == CLASS_ELASTIC;
  const bool below_weak = below == CLASS_COHESIONLESS || below == CLASS_USER || below == CLASS_ELASTIC;
  if (above == CLASS_COHESIVE && below == CLASS_COHESIVE) return (c1 + c2) / 2.0;
  if (above == CLASS_COHESIVE && below == CLASS_ROCK) return (2.0 * c1 + c2) / 2.0;
  if (above == CLASS_ROCK && below == CLASS_COHESIVE) return (2.0 * c2 + c1) / 2.0;
  if (above == CLASS_ROCK && below == CLASS_ROCK) return (c1 + c2) / 2.0;
  if (above_strong && below_weak) return c1;
  if (above_weak && below_strong) return c2;
  // Two layers the strength table has no rule for (two cohesionless layers,
  // residual soil, user curves): the node at the interface is the first node
  // of the lower layer, so its own strength serves. Stopping the run here
  // would refuse an ordinary profile such as sand over loess.
  return c2;
}

// Strength at a layer interface: point k is the bottom of the upper layer,
// k + 1 the top of the lower one.
double fn_Strength_At_Interface(double xv, int k, const Strength_Column& col) {
  const int n = Point_Count();
  const bool tip = fn_At_Pile_Tip(xv);
  const int ktop = fn_Layer_Above_Interface(xv);
  if (ktop == 0 || k + 1 > n) {
    col.interface_not_found(xv, k, tip);
    return 0.0;
  }
  const double c1 = col.point(k), c2 = col.point(k + 1);
  if (tip) return c1;
  return fn_Interface_Strength(ktop, c1, c2);
}

double fn_c_Point(int k) { return Profile().rd_c(k); }

}  // namespace

double fn_Profile_Value(const List<double, MAX_PROFILE_POINTS>& v, double xv, bool& found, Interface_Rule rule) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  found = true;
  for (int k = 2; k <= n; ++k) {
    if (!(xv <= pp.X(k))) continue;
    if (xv == pp.X(n)) return v(k);
    if (pp.X(k - 1) < xv && xv < pp.X(k))
      return v(k - 1) + (v(k) - v(k - 1)) * (xv - pp.X(k - 1)) / (pp.X(k) - pp.X(k - 1));
    if (xv == pp.X(k)) {
      if (k + 1 <= n && pp.X(k + 1) == pp.X(k)) {
        const double a = v(k), b = v(k + 1);
        if (fn_At_Pile_Tip(xv)) return a;
        if (rule == LOWER_SIDE) return b;
        if (a < 1.0e-20) return b;
        if (b < 1.0e-20) return a;
        return (a + b) / 2.0;
      }
      return v(k);
    }
    // At or above the top of the profile.
    return v(k - 1);
  }
  found = false;
  return 0.0;
}

namespace {

// Exact average of a piecewise-linear profile list from the ground surface
// (depth zg) down to xv, for xv below the surface and within the profile.
double fn_Profile_Average(const List<double, MAX_PROFILE_POINTS>& v, double xv, double zg) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  const double z0 = xv - zg;
  double sum = 0.0;
  for (int k = 2; k <= n; ++k) {
    const double z1 = pp.X(k - 1), z2 = pp.X(k);
    if (z2 <= xv) {
      sum += (v(k - 1) + v(k)) / 2.0 * (z2 - z1) / z0;
      continue;
    }
    if (z1 < xv && z2 - z1 >= DEPTH_TOLERANCE) {
      const double slope = (v(k) - v(k - 1)) / (z2 - z1);
      const double d = xv - z1;
      sum += (2.0 * v(k - 1) + slope * d) / 2.0 * d / z0;
    }
    break;
  }
  return sum;
}

void Write_Input_Error_3(double xv) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(3));
  Write_Line(CH_REPORT);
  Lines({"An error was detected that is related to an incompatibility",
         "between the input data defining the embedment of the pile and",
         "the maximum depth of the soil shear strength data."});
  Write_Line(CH_REPORT, "The value for a pile station depth is " + fn_Py_Number(xv));
  Lines({"This depth is below the deepest extent of the input data for",
         "soil shear strength versus depth.", "", "Solution:",
         "Please revise the input data by either extending the maximum",
         "depth for soil shear strength or shorten the pile to correct", "this problem.", ""});
  Record_Input_Error(3);
}

void Write_Input_Error_4(double xv) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(4));
  Write_Line(CH_REPORT);
  Lines({"An error was detected that is related to an incompatibility",
         "between the input data defining the embedment of the pile and",
         "the maximum depth of the soil shear strength data."});
  Write_Line(CH_REPORT, "Problem:  The value for a pile station depth is " + fn_Py_Number(xv));
  Lines({"This depth is below the deepest extent of the input data for",
         "soil friction angle versus depth.", "",
         "Solution:  Please revise the input data by either extending ",
         "the maximum depth for soil friction angle or shorten the ",
         "pile to correct this problem.", ""});
  Record_Input_Error(4);
}

void Write_Input_Error_15(double xv) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(15));
  Write_Line(CH_REPORT);
  Lines({"An error was detected related to an incompatibility between ",
         "the data defining pile embedment depth and effective unit ", "weights versus depth."});
  Write_Line(CH_REPORT, "The value for a pile station depth is " + fn_Py_Number(xv));
  Lines({"This depth is below the deepest extent of the input curve for",
         "effective unit weight versus depth.", "", "Solution:",
         "Please revise the input data by either extending the maximum",
         "depth for effective unit weight or shorten the length of pile",
         "to be within the range of defined soil properties.", ""});
  Record_Input_Error(15);
}

// p- or y-multiplier column of the modifier table at distance x.
double fn_Multiplier(double x, bool p_column) {
  const Loading_Records& ld = RS().prob.load;
  int m = ld.i_Number_of_PY_Modifier_Points;
  if (m > MAX_PY_MODIFIER_POINTS) m = MAX_PY_MODIFIER_POINTS;
  if (m < 1) return 1.0;
  const auto& T = ld.PY_Modifier_Point;
  auto value = [&](int k) { return p_column ? T(k).p_Multiplier : T(k).y_Multiplier; };
  if (x < T(1).X || x > T(m).X) return 1.0;
  if (m == 1) return value(1);
  // The first row at or below x; at the last depth of the table that row's
  // value, at a step elsewhere the lower row's.
  for (int k = 2; k <= m; ++k) {
    if (!(x <= T(k).X)) continue;
    if (x == T(m).X) return value(k);
    if (x == T(k).X) return (T(k + 1).X == T(k).X) ? value(k + 1) : value(k);
    const double d0 = T(k - 1).X, d1 = T(k).X;
    return value(k - 1) + (value(k) - value(k - 1)) * (x - d0) / (d1 - d0);
  }
  return 1.0;
}

}  // namespace

int fn_Layer_Count() {
  int n = RS().prob.soil.i_Number_of_Layers;
  if (n < 0) n = 0;
  if (n > MAX_LAYERS) n = MAX_LAYERS;
  return n;
}

std::string_view fn_Layer_Keyword(int L) {
  const Soil_Records& soil = RS().prob.soil;
  if (L < 1 || L > MAX_LAYERS) return {};
  const int code = soil.i_SoilLayer_py_Type(L);
  if (code < 1 || code > MAX_SOIL_MODELS) return {};
  return soil.Soil_Model_Names(code).trimmed();
}

bool fn_At_Pile_Tip(double xv) {
  return std::fabs(xv - RS().sol.pile.rd_PileLength) <= DEPTH_TOLERANCE;
}

bool fn_c_At_Interface(double xv) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  for (int k = 2; k <= n - 1; ++k)
    if (std::fabs(xv - pp.X(k)) <= DEPTH_TOLERANCE) return true;
  return false;
}

namespace {

// True when two consecutive profile points lie at xv: the bottom of one layer
// and the top of the next. The profile keeps the depths as read, so below a
// gap between layers the top of the lower layer is a single point, not an
// interface: its strength is read from the profile like any other point.
bool fn_Profile_Interface_At(double xv) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  for (int k = 2; k <= n - 1; ++k)
    if (std::fabs(xv - pp.X(k)) <= DEPTH_TOLERANCE &&
        (std::fabs(pp.X(k + 1) - pp.X(k)) <= DEPTH_TOLERANCE ||
         std::fabs(pp.X(k) - pp.X(k - 1)) <= DEPTH_TOLERANCE))
      return true;
  return false;
}

}  // namespace

double fn_Strength_At(double xv, const Strength_Column& col) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  int jbot = 0;
  for (int k = 2; k <= n; ++k) {
    if (xv <= pp.X(k) + DEPTH_TOLERANCE) {
      jbot = k;
      break;
    }
  }
  if (jbot == 0) {
    col.below_profile(xv, n >= 1 ? pp.X(n) : 0.0);
    return 0.0;
  }
  if (std::fabs(xv - pp.X(n)) <= DEPTH_TOLERANCE) return col.point(n);
  if (fn_Profile_Interface_At(xv)) return fn_Strength_At_Interface(xv, jbot, col);
  const double dz = pp.X(jbot) - pp.X(jbot - 1);
  if (dz <= 0.0) {
    Write_Input_Error_60(xv);
    return 0.0;
  }
  const double c0 = col.point(jbot - 1), c1 = col.point(jbot);
  return c0 + (c1 - c0) * (xv - pp.X(jbot - 1)) / dz;
}

double fn_c(double xv) { return fn_Strength_At(xv, {fn_c_Point, Write_Input_Error_5, Write_Interface_Not_Found}); }

double fn_c_Average(double xv) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  const double zg = RS().prob.soil.rd_GroundSurfaceDepth;
  if (xv < zg) return 0.0;
  if (n >= 1 && xv > pp.X(n)) {
    Write_Input_Error_3(xv);
    return 0.0;
  }
  if (n < 2) return 0.0;
  if (xv - zg < DEPTH_TOLERANCE) return fn_c(xv);
  return fn_Profile_Average(pp.rd_c, xv, zg);
}

double fn_Gamma_Average(double xv) {
  const Soil_Profile_Record& pp = Profile();
  const int n = Point_Count();
  const double zg = RS().prob.soil.rd_GroundSurfaceDepth;
  if (xv < zg) return 0.0;
  if (n >= 1 && xv > pp.X(n)) {
    Write_Input_Error_15(xv);
    return 0.0;
  }
  if (n < 2) return 0.0;
  if (xv - zg < DEPTH_TOLERANCE) {
    // At the surface: the first positive unit weight of the profile.
    for (int k = 1; k <= n; ++k)
      if (pp.rd_Gamma(k) > 0.0) return pp.rd_Gamma(k);
    return 0.0;
  }
  return fn_Profile_Average(pp.rd_Gamma, xv, zg);
}

double fn_Epsilon50(double xv) {
  bool found = false;
  return fn_Profile_Value(Profile().rd_Epsilon50, xv, found);
}

double fn_J(double xv) {
  bool found = false;
  return fn_Profile_Value(Profile().rd_J, xv, found);
}

double fn_Phi(double xv) {
  bool found = false;
  const double v = fn_Profile_Value(Profile().rd_Phi, xv, found);
  if (!found) Write_Input_Error_4(xv);
  return v;
}

double fn_p_Multiplier(double x) { return fn_Multiplier(x, true); }
double fn_y_Multiplier(double x) { return fn_Multiplier(x, false); }

double fn_Layer_Profile_Value(int L, const List<double, MAX_PROFILE_POINTS>& v, double xv) {
  if (L < 1 || L > MAX_LAYERS) return 0.0;
  const Soil_Profile_Record& pp = Profile();
  const double zt = pp.X(2 * L - 1), zb = pp.X(2 * L);
  if (zb == zt) return v(2 * L - 1);
  return v(2 * L - 1) + (v(2 * L) - v(2 * L - 1)) * (xv - zt) / (zb - zt);
}

}  // namespace ormyx
