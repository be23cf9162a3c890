// SOIL LAYERS: the layer lines, the property lines of each p-y model, the
// user p-y curves and the massive-rock values; the table of soil model
// keywords; and the US customary unit conversion of the soil records.
#include <memory>
#include <string>
#include <string_view>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/reader.h"
#include "input/tokenizer.h"

namespace ormyx {

namespace {

// Keyword of each model code 1..20.
constexpr std::string_view SOIL_MODEL_KEYWORDS[MAX_SOIL_MODELS] = {
    "SoftClay", "StfClyBW", "StfClyAW", "StfClyAK",  "Sand",      "API Sand",  "Liq Sand",
    "WeakRock", "Vuggy LS", "Piedmont", "Cem Silt",  "KS Loess",  "Elast SG",  "User p-y",
    "SoftClyJ", "MassRock", "Frz Soil", "Undefined", "Undefined", "Undefined"};

// Models in the order their keywords are compared with a layer's keyword.
constexpr int MODEL_COMPARISON_ORDER[] = {
    SOIL_SOFT_CLAY,     SOIL_SOFT_CLAY_J,      SOIL_STIFF_CLAY_WATER, SOIL_STIFF_CLAY_NO_WATER,
    SOIL_STIFF_CLAY_K,  SOIL_SAND,             SOIL_API_SAND,         SOIL_LIQUEFIED_SAND,
    SOIL_WEAK_ROCK,     SOIL_VUGGY_LIMESTONE,  SOIL_PIEDMONT,         SOIL_CEMENTED_SILT,
    SOIL_LOESS,         SOIL_ELASTIC_SUBGRADE, SOIL_USER_PY,          SOIL_FROZEN_SOIL,
    SOIL_MASSIVE_ROCK};

// The model whose keyword equals the keyword of code (blank-padded
// comparison), or 0 when none does.
int fn_Model_Of_Code(int32_t code) {
  const Soil_Records& soil = RS().prob.soil;
  if (code < 1 || code > MAX_SOIL_MODELS) return 0;
  std::string_view name = soil.Soil_Model_Names(code).view();
  for (int model : MODEL_COMPARISON_ORDER)
    if (Line_Is(name, SOIL_MODEL_KEYWORDS[model - 1])) return model;
  return 0;
}

std::string Layer_Text(int k) {
  const Soil_Records& soil = RS().prob.soil;
  return "soil layer " + fmt::I0(k) + " (" +
         std::string(soil.Soil_Model_Names(soil.i_SoilLayer_py_Type(k)).trimmed()) + ")";
}

// Put every soil record but the keyword table back to its initial value, so
// that a repeated SOIL LAYERS section leaves nothing of the earlier one.
void Clear_Soil_Records() {
  Soil_Records& soil = RS().prob.soil;
  List<Text<SOIL_MODEL_NAME_LENGTH>, MAX_SOIL_MODELS> names = soil.Soil_Model_Names;
  std::destroy_at(&soil);
  std::construct_at(&soil);
  soil.Soil_Model_Names = names;
}

// The (y, p) lines of the user p-y curve at profile point j of layer k.
bool Read_User_Py_Points(int k, int j, const char* where) {
  User_Py_Curve_Record& curve = RS().prob.soil.User_Py_Curve(j);
  for (int i = 1; i <= curve.i_Number_of_Points; ++i) {
    double y = 0.0, p = 0.0;
    Free_Read rd("point " + fmt::I0(i) + " of the user p-y curve at the " + where + " of " +
                 Layer_Text(k));
    if (!rd.real(y, "the deflection y") || !rd.real(p, "the soil resistance p")) return false;
    curve.y(i) = y;
    curve.p(i) = p;
  }
  return true;
}

// One property line of layer k (the top line when top, else the bottom line),
// with the point lines of a user p-y curve. Values are stored only once the
// whole line has been read and checked.
bool Read_Layer_Point(int k, bool top) {
  Soil_Records& soil = RS().prob.soil;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;
  const int j = top ? 2 * k - 1 : 2 * k;
  const char* where = top ? "top" : "bottom";
  const int model = fn_Model_Of_Code(soil.i_SoilLayer_py_Type(k));
  if (model == 0 || model == SOIL_FROZEN_SOIL) return true;  // no property lines

  Free_Read rd(std::string("the values at the ") + where + " of " + Layer_Text(k));
  double gamma = 0.0;
  if (!rd.real(gamma, "the effective unit weight")) return false;

  double c = 0.0, e50 = 0.0, J = 0.0, phi = 0.0, k_sub = 0.0;
  switch (model) {
    case SOIL_SOFT_CLAY:
    case SOIL_STIFF_CLAY_NO_WATER:
      if (!rd.real(c, "the undrained cohesion") || !rd.real(e50, "epsilon-50")) return false;
      pp.rd_c(j) = c;
      pp.rd_Epsilon50(j) = e50;
      break;
    case SOIL_SOFT_CLAY_J:
      if (!rd.real(c, "the undrained cohesion") || !rd.real(e50, "epsilon-50") ||
          !rd.real(J, "the p-y J factor"))
        return false;
      pp.rd_c(j) = c;
      pp.rd_Epsilon50(j) = e50;
      pp.rd_J(j) = J;
      break;
    case SOIL_STIFF_CLAY_WATER:
    case SOIL_STIFF_CLAY_K:
      if (!rd.real(c, "the undrained cohesion") || !rd.real(e50, "epsilon-50") ||
          !rd.real(k_sub, "the subgrade modulus k"))
        return false;
      pp.rd_c(j) = c;
      pp.rd_Epsilon50(j) = e50;
      (top ? soil.rd_kTop : soil.rd_kBottom)(k) = k_sub;
      break;
    case SOIL_SAND:
    case SOIL_API_SAND:
      if (!rd.real(phi, "the friction angle") || !rd.real(k_sub, "the subgrade modulus k"))
        return false;
      pp.rd_Phi(j) = phi;
      (top ? soil.rd_kTop : soil.rd_kBottom)(k) = k_sub;
      break;
    case SOIL_LIQUEFIED_SAND:
      break;
    case SOIL_WEAK_ROCK: {
      double qu = 0.0, Eir = 0.0, RQD = 0.0, k_rm = 0.0;
      if (!rd.real(qu, "the uniaxial compressive strength") ||
          !rd.real(Eir, "the initial modulus of rock") || !rd.real(RQD, "the RQD (percent)") ||
          !rd.real(k_rm, "k_rm"))
        return false;
      pp.rd_c(j) = qu;
      (top ? soil.rd_kTop : soil.rd_kBottom)(k) = Eir;
      pp.rd_RQD(j) = RQD;
      pp.rd_Epsilon50(j) = k_rm;
      break;
    }
    case SOIL_VUGGY_LIMESTONE: {
      double qu = 0.0;
      if (!rd.real(qu, "the uniaxial compressive strength")) return false;
      pp.rd_c(j) = qu;
      break;
    }
    case SOIL_PIEDMONT: {
      int32_t test = 0;
      double N60 = 0.0, qc = 0.0, Edmt = 0.0, Epmt = 0.0;
      if (!rd.integer(test, "the field-test type code (an integer)") ||
          !rd.real(N60, "the SPT N60 value") || !rd.real(qc, "the cone tip resistance") ||
          !rd.real(Edmt, "the dilatometer modulus") || !rd.real(Epmt, "the pressuremeter modulus"))
        return false;
      if (test < FIELD_TEST_SPT || test > FIELD_TEST_PMT) {
        Input_Read_Error(INP_CODE_RANGE,
                         "Line " + fmt::I0(Input_Line_Number()) + ", " + Layer_Text(k) +
                             ", values at the " + where + " of the layer: the field-test type " +
                             fmt::I0(test) + " is not one of 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).",
                         "Give a field-test type from 1 to 4 for soil layer " + fmt::I0(k) + ".");
        return false;
      }
      pp.i_FieldTestType(j) = test;
      pp.rd_SPT_N60(j) = N60;
      pp.rd_ConeTip(j) = qc;
      pp.rd_DMT_Modulus(j) = Edmt;
      pp.rd_PMT_Modulus(j) = Epmt;
      break;
    }
    case SOIL_CEMENTED_SILT:
      if (!rd.real(c, "the undrained cohesion") || !rd.real(phi, "the friction angle") ||
          !rd.real(e50, "epsilon-50") || !rd.real(k_sub, "the subgrade modulus k"))
        return false;
      pp.rd_c(j) = c;
      pp.rd_Phi(j) = phi;
      pp.rd_Epsilon50(j) = e50;
      (top ? soil.rd_kTop : soil.rd_kBottom)(k) = k_sub;
      break;
    case SOIL_LOESS: {
      double qc = 0.0;
      if (!rd.real(qc, "the cone tip resistance")) return false;
      pp.rd_ConeTip(j) = qc;
      break;
    }
    case SOIL_ELASTIC_SUBGRADE: {
      double Es = 0.0;
      if (!rd.real(Es, "the elastic subgrade modulus")) return false;
      pp.rd_ElasticSubgrade(j) = Es;
      break;
    }
    case SOIL_MASSIVE_ROCK: {
      double qu = 0.0, GSI = 0.0, v4 = 0.0;
      int32_t rock = 0;
      if (!rd.real(qu, "the uniaxial compressive strength") ||
          !rd.integer(rock, "the rock type code (an integer)") || !rd.real(GSI, "the GSI") ||
          !rd.real(v4, "the fourth massive-rock value"))
        return false;
      pp.rd_MassRock_qu(j) = qu;
      pp.i_RockType(j) = rock;
      pp.rd_GSI(j) = GSI;
      pp.rd_MassRock_Value4(j) = v4;
      break;
    }
    case SOIL_USER_PY: {
      int32_t n = 0;
      if (!rd.integer(n, "the number of p-y curve points (an integer)")) return false;
      if (n > MAX_USER_PY_POINTS) {
        Input_Read_Error(INP_CAPACITY,
                         "Line " + fmt::I0(Input_Line_Number()) + ", " + Layer_Text(k) +
                             ": the user p-y curve at the " + where + " of the layer has " +
                             fmt::I0(n) + " points; a curve holds at most " +
                             fmt::I0(MAX_USER_PY_POINTS) + " points.",
                         "Give at most " + fmt::I0(MAX_USER_PY_POINTS) +
                             " points for each user p-y curve of soil layer " + fmt::I0(k) + ".");
        return false;
      }
      User_Py_Curve_Record& curve = soil.User_Py_Curve(j);
      curve.rd_Depth = top ? soil.XLayerTop(k) : soil.XLayerBottom(k);
      curve.i_Number_of_Points = n > 0 ? n : 0;
      pp.rd_Gamma(j) = gamma;
      rd.finish();
      return Read_User_Py_Points(k, j, where);
    }
    default:
      break;
  }
  pp.rd_Gamma(j) = gamma;
  return true;
}

// The layer line of layer k and its property lines.
bool Read_One_Layer(int k) {
  Soil_Records& soil = RS().prob.soil;
  int32_t code = 0;
  double top = 0.0, bottom = 0.0;
  {
    Free_Read rd("the layer line of soil layer " + fmt::I0(k));
    if (!rd.integer(code, "the p-y model code (an integer)") ||
        !rd.real(top, "the depth of the layer top") ||
        !rd.real(bottom, "the depth of the layer bottom"))
      return false;
  }
  if (code < 1 || code > SOIL_LAST_MODEL) {
    Input_Read_Error(INP_CODE_RANGE,
                     "Line " + fmt::I0(Input_Line_Number()) + ", soil layer " + fmt::I0(k) +
                         ": the p-y model code " + fmt::I0(code) +
                         " is not one of the soil models 1 to " + fmt::I0(SOIL_LAST_MODEL) + ".",
                     "Give soil layer " + fmt::I0(k) + " a p-y model code from 1 to " +
                         fmt::I0(SOIL_LAST_MODEL) + ".");
    return false;
  }
  soil.i_SoilLayer_py_Type(k) = code;
  soil.XLayerTop(k) = top;
  soil.XLayerBottom(k) = bottom;
  soil.Soil_Profile_Points.X(2 * k - 1) = top;
  soil.Soil_Profile_Points.X(2 * k) = bottom;
  return Read_Layer_Point(k, true) && Read_Layer_Point(k, false);
}

}  // namespace

void Initialize_Soil_Model_Names() {
  Soil_Records& soil = RS().prob.soil;
  for (int code = 1; code <= MAX_SOIL_MODELS; ++code)
    soil.Soil_Model_Names(code).set(SOIL_MODEL_KEYWORDS[code - 1]);
}

void Read_Soil_Layers() {
  Write_Line(CH_MESSAGE, "Reading soil layering data");
  int32_t n = 0;
  {
    Free_Read rd("the number of soil layers");
    if (!rd.integer(n, "the number of soil layers (an integer)")) return;
  }
  if (n > MAX_LAYERS) {
    Input_Read_Error(INP_CAPACITY,
                     "Line " + fmt::I0(Input_Line_Number()) + ": the soil profile has " +
                         fmt::I0(n) + " layers; at most " + fmt::I0(MAX_LAYERS) +
                         " soil layers can be given.",
                     "Combine soil layers so that there are no more than " +
                         fmt::I0(MAX_LAYERS) + ".");
    return;
  }
  Clear_Soil_Records();
  if (n < 1) return;  // no layers: counts stay 0

  for (int k = 1; k <= n; ++k)
    if (!Read_One_Layer(k)) return;

  Soil_Records& soil = RS().prob.soil;
  soil.i_Number_of_Layers = n;
  soil.Soil_Profile_Points.i_Number_of_Points = 2 * n;
  soil.rd_GroundSurfaceDepth = soil.XLayerTop(1);
}

void Convert_US_Soil_Units() {
  if (RS().prob.opt.IUNITS != US_UNITS) return;
  Soil_Records& soil = RS().prob.soil;
  Soil_Profile_Record& pp = soil.Soil_Profile_Points;

  soil.rd_GroundSurfaceDepth *= 12.0;
  for (int j = 1; j <= pp.i_Number_of_Points; ++j) {
    pp.X(j) *= 12.0;
    pp.rd_c(j) /= 144.0;       // psf to psi
    pp.rd_Gamma(j) /= 1728.0;  // pcf to pci
  }
  for (int L = 1; L <= soil.i_Number_of_Layers; ++L) {
    soil.XLayerTop(L) *= 12.0;
    soil.XLayerBottom(L) *= 12.0;
    const int model = fn_Model_Of_Code(soil.i_SoilLayer_py_Type(L));
    // Rock strengths are given in psi already: back to the values as entered.
    if (model == SOIL_WEAK_ROCK || model == SOIL_VUGGY_LIMESTONE) {
      pp.rd_c(2 * L - 1) *= 144.0;
      pp.rd_c(2 * L) *= 144.0;
    }
    if (model == SOIL_USER_PY) {
      soil.User_Py_Curve(2 * L - 1).rd_Depth *= 12.0;
      soil.User_Py_Curve(2 * L).rd_Depth *= 12.0;
    }
  }
}

}  // namespace ormyx
