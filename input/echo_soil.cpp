// Echo of the soil and rock profile: the layering block with each model's
// values and notes, the massive-rock constants, the liquefied sand depth
// warning, the unit-weight warnings and the summary table of soil properties.
#include <cmath>
#include <string>
#include <string_view>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/echo.h"

namespace ormyx {

namespace {

constexpr int WARNING_LIQUEFIED_SAND_DEPTH = -354;
// Recommended depth limit of the liquefied sand criteria below the ground
// surface: 6 m, and 6 m in feet as a single-precision value.
constexpr double LIQUEFIED_SAND_LIMIT_FT = 19.685039520263672;
constexpr double LIQUEFIED_SAND_LIMIT_M = 6.0;
constexpr double ZERO_PROPERTY = 1.0e-10;

struct Rock_Type {
  const char* group;
  const char* name;
  int mi;
};

const Rock_Type ROCK_TYPES[42] = {
    {"sedimentary", "anhydrite", 12},   {"sedimentary", "breccias", 20},
    {"sedimentary", "chalk", 7},        {"sedimentary", "claystones", 4},
    {"sedimentary", "conglomerates", 21}, {"sedimentary", "dolomites", 9},
    {"sedimentary", "greywackes", 18},  {"sedimentary", "gypsum", 10},
    {"sedimentary", "marls", 7},        {"sedimentary", "sandstones", 17},
    {"sedimentary", "siltstones", 7},   {"sedimentary", "shales", 6},
    {"sedimentary", "crystalline limestones", 12}, {"sedimentary", "micritic limestones", 8},
    {"sedimentary", "sparitic limestones", 10}, {"metamorphic", "amphibolites", 26},
    {"metamorphic", "gneiss", 28},      {"metamorphic", "hornfels", 19},
    {"metamorphic", "marble", 9},       {"metamorphic", "metasandstone", 19},
    {"metamorphic", "migmatite", 29},   {"metamorphic", "phyllites", 7},
    {"metamorphic", "quartzites", 20},  {"metamorphic", "schists", 10},
    {"metamorphic", "slates", 7},       {"igneous", "agglomerate", 19},
    {"igneous", "andesite", 25},        {"igneous", "basalt", 25},
    {"igneous", "breccia", 19},         {"igneous", "dacite", 25},
    {"igneous", "diabase", 15},         {"igneous", "diorite", 25},
    {"igneous", "dolerite", 16},        {"igneous", "gabbro", 27},
    {"igneous", "granite", 32},         {"igneous", "granodiorite", 29},
    {"igneous", "norite", 20},          {"igneous", "obsidian", 19},
    {"igneous", "perioditite", 25},     {"igneous", "porphyries", 20},
    {"igneous", "rhyolite", 25},        {"igneous", "tuff", 13}};

constexpr int FIRST_USER_ROCK_TYPE = 43;
constexpr int LAST_USER_ROCK_TYPE = 71;

// The model keyword of layer k, trailing blanks removed ("" for a code
// without a keyword).
std::string Model_Of(int k) {
  const Soil_Records& soil = RS().prob.soil;
  int code = soil.i_SoilLayer_py_Type[k];
  if (code < 1 || code > MAX_SOIL_MODELS) return {};
  return Trimmed(soil.Soil_Model_Names[code].view());
}

bool fn_Is_One_Of(const std::string& model, std::initializer_list<std::string_view> keys) {
  for (std::string_view key : keys)
    if (model == key) return true;
  return false;
}

bool fn_Has_Epsilon50(const std::string& m) {
  return fn_Is_One_Of(m, {"SoftClay", "SoftClyJ", "StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt"});
}
bool fn_Has_Subgrade_k(const std::string& m) {
  return fn_Is_One_Of(m, {"StfClyBW", "StfClyAK", "Sand", "API Sand", "Cem Silt"});
}

// "   <label> at top of layer" / "... at bottom of layer" with its value.
void Layer_Value(std::string_view label, bool top, double v, const std::string& unit) {
  std::string l = "   " + std::string(label) + (top ? " at top of layer" : " at bottom of layer");
  Write_Line(CH_REPORT, Labelled_Value_Line(l, Echo_Value(v), unit));
}

// Top and bottom values of a property held per profile point.
void Layer_Pair(std::string_view label, const List<double, MAX_PROFILE_POINTS>& list, int k,
                const std::string& unit) {
  Layer_Value(label, true, list[2 * k - 1], unit);
  Layer_Value(label, false, list[2 * k], unit);
}

void Note(const char* what) {
  Write_Line(CH_REPORT, std::string("   NOTE: Internal default values for ") + what +
                            " will be computed for");
  Write_Line(CH_REPORT, "         the above soil layer.");
}

void Echo_User_Curve(int k, bool top) {
  const Soil_Records& soil = RS().prob.soil;
  const User_Py_Curve_Record& c = soil.User_Py_Curve[top ? 2 * k - 1 : 2 * k];
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(top ? "User-input p-y curve at top of layer "
                                        : "User-input p-y curve at bottom of layer ") +
                            fmt::I0(k) + (top ? ",    Depth = " : ", Depth = ") +
                            Echo_Fixed_Min(c.rd_Depth, 3) + " " + Unit_Depth());
  Write_Line(CH_REPORT, "Point                y                     p     ");
  std::string units = " No.";
  units.resize(21, ' ');
  units += Unit_Dim();
  units.resize(43, ' ');
  units += Unit_FPL();
  Write_Line(CH_REPORT, units);
  Write_Line(CH_REPORT, "-----     -------------         -------------");
  const int n = fn_Clamped(c.i_Number_of_Points, MAX_USER_PY_POINTS);
  for (int i = 1; i <= n; ++i)
    Write_Line(CH_REPORT, fmt::I(i, 5) + Echo_Value(c.y[i], 18) + Echo_Value(c.p[i], 22));
}

void Echo_Piedmont(int k) {
  const Soil_Profile_Record& sp = RS().prob.soil.Soil_Profile_Points;
  const std::string psi = Unit_PSI();
  switch (sp.i_FieldTestType[2 * k - 1]) {
    case FIELD_TEST_SPT:
      Write_Line(CH_REPORT, "   The type of field test is the Standard Penetration Test (SPT)");
      Layer_Pair("SPT N60", sp.rd_SPT_N60, k,
                 RS().prob.opt.IUNITS == SI_UNITS ? "blows/0.3 m" : "blows/ft");
      break;
    case FIELD_TEST_CPT:
      Write_Line(CH_REPORT, "   The type of field test is the Cone Penetration Test (CPT)");
      Layer_Pair("Cone tip resistance", sp.rd_ConeTip, k, psi);
      break;
    case FIELD_TEST_DMT:
      Write_Line(CH_REPORT, "   The type of field test is the Dilatometer Test (DMT)");
      Layer_Pair("Dilatometer modulus", sp.rd_DMT_Modulus, k, psi);
      break;
    case FIELD_TEST_PMT:
      Write_Line(CH_REPORT, "   The type of field test is the Pressuremeter Test (PMT)");
      Layer_Pair("Pressuremeter modulus", sp.rd_PMT_Modulus, k, psi);
      break;
    default:
      break;
  }
}

void Echo_Liquefied_Sand_Depth(int k) {
  const Run_State& s = RS();
  const int units = s.prob.opt.IUNITS;
  const double below_ground = s.prob.soil.XLayerBottom[k] - s.prob.soil.rd_GroundSurfaceDepth;
  if (units == US_UNITS && below_ground > LIQUEFIED_SAND_LIMIT_FT) {
    Write_Line(CH_REPORT,
               "   Warning : The depth of this layer is deeper than the recommended depth limit ");
    Write_Line(CH_REPORT, "             for using the p-y criteria for liquefied sand.");
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT,
               "   Please consult the Ormyx Technical Manual for additional background ");
    Write_Line(CH_REPORT,
               "   information regarding limitations on the use of the liquefied sand criteria.");
    Write_Line(CH_REPORT);
  } else if (units == SI_UNITS && below_ground > LIQUEFIED_SAND_LIMIT_M) {
    Write_Line(CH_REPORT,
               "   Warning : The depth of this layer is deeper than the recommended depth ");
    Write_Line(CH_REPORT, "             limit for using the p-y criteria for liquefied sand.");
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT,
               "   Please consult the Ormyx Technical Manual for additional background ");
    Write_Line(CH_REPORT, "   information regarding limitations on the use of the liquefied sand ");
    Write_Line(CH_REPORT, "   criteria.");
    Write_Line(CH_REPORT);
  } else {
    return;
  }
  Log_Warning(WARNING_LIQUEFIED_SAND_DEPTH);
}

void Echo_Layer(int k) {
  Soil_Records& soil = RS().prob.soil;
  const Soil_Profile_Record& sp = soil.Soil_Profile_Points;
  const std::string m = Model_Of(k);
  const std::string depth = Unit_Depth();
  const std::string uw = Unit_Weight();
  const std::string psf = Unit_PSF();
  const std::string psi = Unit_PSI();
  const std::string kunit = Unit_K();

  struct Headline {
    const char* model;
    const char* text;
  };
  static const Headline headlines[] = {
      {"SoftClay", " is soft clay, p-y criteria by Matlock, 1970"},
      {"SoftClyJ", " is soft clay with user-defined J, p-y criteria by Matlock, 1970"},
      {"StfClyBW", " is stiff clay with water-induced erosion"},
      {"StfClyAK", " is stiff clay with water-induced erosion"},
      {"StfClyAW", " is stiff clay without free water"},
      {"Sand", " is sand, p-y criteria by Reese et al., 1974"},
      {"API Sand", " is sand, p-y criteria by API RP-2A, 1987"},
      {"Liq Sand", " is liquefiable sand, by Rollins et al., 2004"},
      {"WeakRock", " is weak rock, p-y criteria by Reese, 1997"},
      {"Vuggy LS", " is strong rock (vuggy limestone)"},
      {"Cem Silt", " is cemented silt with cohesion and friction"},
      {"KS Loess", " is loess silt"},
      {"Piedmont", " is Piedmont residual soil"},
      {"Elast SG", " is modelled using an elastic subgrade modulus"},
      {"User p-y", " is modelled using user-specified p-y curves"},
      {"MassRock", " is massive rock, p-y criteria by Liang et al., 2009"}};
  std::string headline = "Layer " + fmt::I0(k);
  for (const Headline& h : headlines)
    if (m == h.model) headline += h.text;
  Write_Line(CH_REPORT, headline);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Labelled_Value_Line("   Distance from top of pile to top of layer",
                                            Echo_Value(soil.XLayerTop[k]), depth));
  Write_Line(CH_REPORT, Labelled_Value_Line("   Distance from top of pile to bottom of layer",
                                            Echo_Value(soil.XLayerBottom[k]), depth));
  if (m != "Frz Soil" && !m.empty()) Layer_Pair("Effective unit weight", sp.rd_Gamma, k, uw);

  if (fn_Is_One_Of(m, {"SoftClay", "SoftClyJ", "StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt"}))
    Layer_Pair("Undrained cohesion", sp.rd_c, k, psf);
  if (fn_Is_One_Of(m, {"Sand", "API Sand", "Cem Silt"}))
    Layer_Pair("Friction angle", sp.rd_Phi, k, "deg.");
  if (fn_Has_Epsilon50(m)) Layer_Pair("Epsilon-50", sp.rd_Epsilon50, k, "");
  if (m == "SoftClyJ") Layer_Pair("p-y J factor", sp.rd_J, k, "");
  if (fn_Has_Subgrade_k(m)) {
    Layer_Value("Subgrade k", true, soil.rd_kTop[k], kunit);
    Layer_Value("Subgrade k", false, soil.rd_kBottom[k], kunit);
  }
  if (m == "WeakRock") {
    Layer_Pair("Uniaxial compressive strength", sp.rd_c, k, psi);
    Layer_Value("Initial modulus of rock", true, soil.rd_kTop[k], psi);
    Layer_Value("Initial modulus of rock", false, soil.rd_kBottom[k], psi);
    Layer_Pair("RQD of rock", sp.rd_RQD, k, "%");
    Layer_Pair("k rm of rock", sp.rd_Epsilon50, k, "");
  }
  if (m == "Vuggy LS") Layer_Pair("Uniaxial compressive strength", sp.rd_c, k, psi);
  if (m == "Piedmont") Echo_Piedmont(k);
  if (m == "KS Loess") Layer_Pair("Cone tip resistance", sp.rd_ConeTip, k, psi);
  if (m == "Elast SG") Layer_Pair("Elastic subgrade", sp.rd_ElasticSubgrade, k, psi);
  if (m == "User p-y") {
    Echo_User_Curve(k, true);
    Echo_User_Curve(k, false);
  }
  if (m == "MassRock") {
    Layer_Pair("Uniaxial compressive strength", sp.rd_MassRock_qu, k, psi);
    const int rock_type = sp.i_RockType[2 * k - 1];
    soil.mi[k] = fn_Rock_Type_mi(rock_type);
    std::string line = Rock_Type_Line(rock_type);
    if (!line.empty()) Write_Line(CH_REPORT, line);
  }

  if (fn_Has_Epsilon50(m) && std::fabs(sp.rd_Epsilon50[2 * k - 1]) <= ZERO_PROPERTY) Note("Epsilon-50");
  if (fn_Has_Subgrade_k(m) && std::fabs(soil.rd_kTop[k]) <= ZERO_PROPERTY &&
      std::fabs(soil.rd_kBottom[k]) <= ZERO_PROPERTY)
    Note("subgrade k");
  if (m == "Liq Sand") Echo_Liquefied_Sand_Depth(k);
  Write_Line(CH_REPORT);
}

// The unit weights of all profile points against the usual range.
void Check_Unit_Weights() {
  const Run_State& s = RS();
  const Soil_Profile_Record& sp = s.prob.soil.Soil_Profile_Points;
  const int n = fn_Clamped(2 * s.prob.soil.i_Number_of_Layers, MAX_PROFILE_POINTS);
  const int units = s.prob.opt.IUNITS;
  // Generic units cannot be checked at all, whatever the profile holds.
  if (units == GENERIC_UNITS) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, "**** Warning ****");
      Write_Line(ch);
      Write_Line(ch, "Values of effective unit weight cannot be checked because ");
      Write_Line(ch, "general units have been selected.");
      Write_Line(ch);
    }
    return;
  }
  if (n < 1) return;
  // Frozen soil layers carry no unit weight and take no part in the check.
  bool any = false;
  double lo = 0.0, hi = 0.0;
  for (int i = 1; i <= n; ++i) {
    if (Model_Of((i + 1) / 2) == "Frz Soil") continue;
    lo = any ? std::fmin(lo, sp.rd_Gamma[i]) : sp.rd_Gamma[i];
    hi = any ? std::fmax(hi, sp.rd_Gamma[i]) : sp.rd_Gamma[i];
    any = true;
  }
  if (!any) return;
  if (units == US_UNITS && (lo <= 20.0 || hi >= 140.0)) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, "**** Warning - Possible Input Data Error ****");
      Write_Line(ch);
      Write_Line(ch, "Values entered for effective unit weights of soil were outside");
      Write_Line(ch, "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)");
      Write_Line(ch, "This data may be erroneous.  Please check your data.");
      Write_Line(ch);
    }
  } else if (units == SI_UNITS && (lo <= double(3.15f) || hi >= 22.0)) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, "**** Warning - Possible Input Data Error ****");
      Write_Line(ch);
      Write_Line(ch, "Values entered for effective unit weights of soil were outside");
      Write_Line(ch, "the limits of 3.15 kN/m3 or 22 kN/m3.");
      Write_Line(ch, ch == CH_MESSAGE
                         ? "The input data may be erroneous. Please check your data."
                         : "The input data for effective unit weight may be erroneous. Please "
                           "check your data.");
      Write_Line(ch);
    }
  }
}

}  // namespace

double fn_Rock_Type_mi(int rock_type) {
  if (rock_type >= 1 && rock_type <= 42) return ROCK_TYPES[rock_type - 1].mi;
  if (rock_type >= FIRST_USER_ROCK_TYPE && rock_type <= LAST_USER_ROCK_TYPE) return rock_type - 39;
  return 0.0;
}

std::string Rock_Type_Line(int rock_type) {
  if (rock_type >= 1 && rock_type <= 42) {
    const Rock_Type& r = ROCK_TYPES[rock_type - 1];
    return std::string(" The rock type is (") + r.group + ") " + r.name +
           ", Hoek-Brown Material Constant mi = " + fmt::I0(r.mi);
  }
  if (rock_type >= FIRST_USER_ROCK_TYPE && rock_type <= LAST_USER_ROCK_TYPE)
    return " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = " +
           fmt::I0(rock_type - 39);
  return {};
}

std::string Long_Soil_Model_Name(int code) {
  static const char* names[17] = {"Soft Clay",
                                  "Stiff Clay with Free Water",
                                  "Stiff Clay w/o Free Water",
                                  "Stiff Clay w/o Free Water, using k",
                                  "Sand (Reese, et al.)",
                                  "API Sand",
                                  "Liquefied Sand",
                                  "Weak Rock",
                                  "Vuggy Limestone",
                                  "Piedmont Residual",
                                  "Cemented Silt",
                                  "Loess",
                                  "Elastic Subgrade",
                                  "User Input p-y Curves",
                                  "Soft Clay with User-defined J",
                                  "Massive Rock",
                                  "Frozen Soil"};
  if (code < 1 || code > 17) return {};
  return names[code - 1];
}

void Echo_Soil_Layering() {
  const Run_State& s = RS();
  const Soil_Records& soil = s.prob.soil;
  const int n = fn_Clamped(soil.i_Number_of_Layers, MAX_LAYERS);
  Write_Block_Heading("Soil and Rock Layering Information", 2, 23);
  Write_Line(CH_REPORT,
             "The soil profile is modelled using " + fmt::I0(soil.i_Number_of_Layers) + " layers");
  Write_Line(CH_REPORT);
  for (int k = 1; k <= n; ++k) Echo_Layer(k);
  if (n >= 1) {
    Write_Line(CH_REPORT, "   (Depth of lowest soil layer extends " +
                              Echo_Fixed_Min(soil.XLayerBottom[n] - s.prob.sec.rd_PileLength, 2) +
                              " " + Unit_Depth() + " below pile tip)");
    Write_Line(CH_REPORT);
  }
  Check_Unit_Weights();
}

// ---------------------------------------------------------------------------
// Summary of soil properties

namespace {

// One optional column of the summary table.
enum Summary_Column {
  COL_COHESION, COL_FRICTION, COL_QU, COL_RQD_GSI, COL_E50, COL_J, COL_KPY,
  COL_EMASS, COL_KRM, COL_TEST_TYPE, COL_TEST_VALUE, COL_ELASTIC_SG, COL_COUNT
};

const char* const NOT_APPLICABLE = "    --    ";
const char* const DEFAULT_VALUE = "  default ";

bool fn_Column_Applies(int col, const std::string& m) {
  switch (col) {
    case COL_COHESION:
      return fn_Is_One_Of(m, {"SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt", "SoftClyJ"});
    case COL_FRICTION: return fn_Is_One_Of(m, {"Sand", "API Sand", "Cem Silt"});
    case COL_QU: return fn_Is_One_Of(m, {"Vuggy LS", "WeakRock", "MassRock"});
    case COL_RQD_GSI: return fn_Is_One_Of(m, {"WeakRock", "MassRock"});
    case COL_E50: return fn_Is_One_Of(m, {"SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt"});
    case COL_J: return m == "SoftClyJ";
    case COL_KPY: return fn_Is_One_Of(m, {"Sand", "API Sand", "StfClyBW", "StfClyAK", "Cem Silt"});
    case COL_EMASS: return m == "WeakRock";
    case COL_KRM: return m == "WeakRock";
    case COL_TEST_TYPE: return fn_Is_One_Of(m, {"Piedmont", "KS Loess"});
    case COL_TEST_VALUE: return fn_Is_One_Of(m, {"Piedmont", "KS Loess"});
    case COL_ELASTIC_SG: return m == "Elast SG";
    default: return false;
  }
}

// The three 13-character heading lines of a column.
void Column_Heading(int col, std::string h[3]) {
  const int units = RS().prob.opt.IUNITS;
  const bool us = units == US_UNITS;
  const bool si = units == SI_UNITS;
  auto pick = [&](const char* u, const char* s, const char* g) { return us ? u : si ? s : g; };
  switch (col) {
    case COL_COHESION:
      h[0] = " Undrained   "; h[1] = " Cohesion    ";
      h[2] = pick("    psf      ", "    kPa      ", "    F/L2     ");
      break;
    case COL_FRICTION:
      h[0] = " Angle of    "; h[1] = " Friction    "; h[2] = "    deg.     ";
      break;
    case COL_QU:
      h[0] = "  Uniaxial   "; h[1] = "    qu       ";
      h[2] = pick("    psi      ", "    kPa      ", "    F/L2     ");
      break;
    case COL_RQD_GSI:
      h[0] = "   RQD %     "; h[1] = "     or      "; h[2] = "    GSI      ";
      break;
    case COL_E50:
      h[0] = "  Strain     "; h[1] = "  Factor     "; h[2] = "Epsilon 50   ";
      break;
    case COL_J:
      h[0] = "             "; h[1] = "     J       "; h[2] = "             ";
      break;
    case COL_KPY:
      h[0] = "             "; h[1] = "   kpy       ";
      h[2] = pick("   pci       ", "   kN/m3     ", "   F/L3      ");
      break;
    case COL_EMASS:
      h[0] = " Rock Mass   "; h[1] = "Rock Emass   ";
      h[2] = pick("   psi       ", "   kPa       ", "   F/L2      ");
      break;
    case COL_KRM:
      h[0] = "             "; h[1] = "   krm       "; h[2] = "             ";
      break;
    case COL_TEST_TYPE:
      h[0] = "  In-situ    "; h[1] = "   Test      "; h[2] = "   Type      ";
      break;
    case COL_TEST_VALUE:
      h[0] = "  In-situ    "; h[1] = "   Test      "; h[2] = " Property    ";
      break;
    case COL_ELASTIC_SG:
      h[0] = "  Elastic    "; h[1] = " Subgrade    ";
      h[2] = pick(" Mod. pci    ", " Mod. kPa    ", " Mod. F/L2   ");
      break;
    default:
      h[0] = h[1] = h[2] = std::string(13, ' ');
  }
}

// A 10-character value cell; 0 shown as "default" where asked.
std::string Cell(double v, bool zero_is_default) {
  if (zero_is_default && v == 0.0) return DEFAULT_VALUE;
  return Echo_Value(v, 10);
}

// The 13-character entry of layer k in column col at its top or bottom
// (point i = 2k-1 or 2k).
std::string Column_Entry(int col, int k, bool top) {
  const Soil_Records& soil = RS().prob.soil;
  const Soil_Profile_Record& sp = soil.Soil_Profile_Points;
  const std::string m = Model_Of(k);
  const int i = top ? 2 * k - 1 : 2 * k;
  if (!fn_Column_Applies(col, m)) return std::string(NOT_APPLICABLE) + "   ";
  std::string c;
  switch (col) {
    case COL_COHESION: c = Cell(sp.rd_c[i], false); break;
    case COL_FRICTION: c = Cell(sp.rd_Phi[i], false); break;
    case COL_QU: c = Cell(m == "MassRock" ? sp.rd_MassRock_qu[i] : sp.rd_c[i], false); break;
    case COL_RQD_GSI: c = Cell(m == "MassRock" ? sp.rd_GSI[i] : sp.rd_RQD[i], false); break;
    case COL_E50: c = Cell(sp.rd_Epsilon50[i], true); break;
    case COL_J: c = Cell(sp.rd_J[i], false); break;
    case COL_KPY: c = Cell(top ? soil.rd_kTop[k] : soil.rd_kBottom[k], true); break;
    case COL_EMASS: c = Cell(top ? soil.rd_kTop[k] : soil.rd_kBottom[k], true); break;
    case COL_KRM: c = Cell(sp.rd_Epsilon50[i], false); break;
    case COL_TEST_TYPE: {
      int t = m == "KS Loess" ? FIELD_TEST_CPT : sp.i_FieldTestType[i];
      switch (t) {
        case FIELD_TEST_SPT: return "    SPT      ";
        case FIELD_TEST_CPT: return "    CPT      ";
        case FIELD_TEST_DMT: return "    DMT      ";
        case FIELD_TEST_PMT: return "    PMT      ";
        default: return std::string(NOT_APPLICABLE) + "   ";
      }
    }
    case COL_TEST_VALUE: {
      int t = m == "KS Loess" ? FIELD_TEST_CPT : sp.i_FieldTestType[i];
      if (t == FIELD_TEST_SPT) c = Cell(sp.rd_SPT_N60[i], false);
      else if (t == FIELD_TEST_CPT) c = Cell(sp.rd_ConeTip[i], false);
      else if (t == FIELD_TEST_DMT) c = Cell(sp.rd_DMT_Modulus[i], false);
      else if (t == FIELD_TEST_PMT) c = Cell(sp.rd_PMT_Modulus[i], false);
      else c = NOT_APPLICABLE;
      break;
    }
    case COL_ELASTIC_SG: c = Cell(sp.rd_ElasticSubgrade[i], false); break;
    default: c = NOT_APPLICABLE;
  }
  return c + "   ";
}

}  // namespace

void Echo_Soil_Summary() {
  const Soil_Records& soil = RS().prob.soil;
  const Soil_Profile_Record& sp = soil.Soil_Profile_Points;
  const int n = fn_Clamped(soil.i_Number_of_Layers, MAX_LAYERS);
  const int units = RS().prob.opt.IUNITS;

  bool used[COL_COUNT] = {};
  for (int k = 1; k <= n; ++k) {
    const std::string m = Model_Of(k);
    for (int col = 0; col < COL_COUNT; ++col)
      if (fn_Column_Applies(col, m)) used[col] = true;
  }

  Write_Block_Heading("Summary of Soil Properties", 2, 27);
  std::string h1 = "                      Layer                     Layer      Effective   ";
  std::string h2 = "Layer               Soil Type                   Depth       Unit Wt.   ";
  std::string h3 = units == SI_UNITS ? " Num.         (p-y Curve Criteria)               m            kN/m3    "
                   : units == GENERIC_UNITS
                       ? " Num.         (p-y Curve Criteria)               L            F/L3     "
                       : " Num.         (p-y Curve Criteria)               ft           pcf      ";
  std::string dash = "-----   ----------------------------------   ----------   ----------   ";
  for (int col = 0; col < COL_COUNT; ++col) {
    if (!used[col]) continue;
    std::string h[3];
    Column_Heading(col, h);
    h1 += h[0];
    h2 += h[1];
    h3 += h[2];
    dash += "----------   ";
  }
  Write_Line(CH_REPORT, h1);
  Write_Line(CH_REPORT, h2);
  Write_Line(CH_REPORT, h3);
  Write_Line(CH_REPORT, dash);
  for (int k = 1; k <= n; ++k) {
    for (int row = 0; row < 2; ++row) {
      const bool top = row == 0;
      std::string line;
      if (top) line = fmt::I(k, 5) + "   " + fmt::A(Long_Soil_Model_Name(soil.i_SoilLayer_py_Type[k]), 34);
      else line = std::string(42, ' ');
      line += "   ";
      line += Cell(top ? soil.XLayerTop[k] : soil.XLayerBottom[k], false);
      line += "   ";
      line += Cell(sp.rd_Gamma[top ? 2 * k - 1 : 2 * k], false);
      line += "   ";
      for (int col = 0; col < COL_COUNT; ++col)
        if (used[col]) line += Column_Entry(col, k, top);
      Write_Line(CH_REPORT, line);
    }
  }
}

}  // namespace ormyx
