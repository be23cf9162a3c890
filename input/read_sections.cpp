// The SECTIONS reader: pile sections of every type with their concrete, bars,
// strands, elastic properties and user EI tables; the automatic placement of
// bars and strands; the section property points; the US customary length
// conversion of the section records.
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/read_sections_detail.h"
#include "input/reader.h"
#include "input/tokenizer.h"

namespace ormyx {

namespace {

constexpr double TWO_PI = 6.283185307179586;
constexpr double PI_OVER_4 = 0.7853981633974483;
constexpr double PI_OVER_64 = 0.04908738521234052;
constexpr double SIN_60 = 0.8660254037844386;
constexpr double INCH_IN_M = double(0.0254f);  // 0.02539999969303608

Pile_Section_Record& Section(int h) { return RS().prob.sec.Pile_Section[h]; }
bool Is_SI() { return RS().prob.opt.IUNITS == SI_UNITS; }

// SI dimensions are given in mm, mm^2 and mm^4 and stored in m, m^2 and m^4.
double mm(double v) { return Is_SI() ? v / 1000.0 : v; }
double mm2(double v) { return Is_SI() ? v / 1.0e6 : v; }
double mm4(double v) { return Is_SI() ? v / 1.0e12 : v; }

std::string What(int h) { return "the data of section " + fmt::I0(h); }

// One data line holding one value.
bool Read_Real(int h, double& x, const char* name) {
  Free_Read r(What(h));
  return r.real(x, name);
}
bool Read_Int(int h, int32_t& i, const char* name) {
  Free_Read r(What(h));
  return r.integer(i, name);
}

// An option line read whole; the end of the file here is an input error.
bool Read_Option_Line(int h, std::string& line, const char* name) {
  if (Error_Recorded()) return false;
  if (Read_Text_Line(line)) return true;
  Input_Read_Error(INP_UNEXPECTED_EOF,
                   "The input file ended at line " + fmt::I0(Input_Line_Number()) +
                       " while reading " + What(h) + "; " + name + " was expected.",
                   "Complete the data and end the file with the line END.");
  return false;
}

void Progress(const char* text, int h) { Write_Line(CH_MESSAGE, text + fmt::I0(h)); }

// An option or sequence error of the section data: the given report lines,
// then input error 95.
void Section_Data_Error(std::initializer_list<std::string_view> lines) {
  for (std::string_view l : lines) Write_Line(CH_REPORT, l);
  Record_Input_Error(95);
}

// "Line 12, section 2: " (without the section while the section count is read).
std::string Here(int h) {
  std::string s = "Line " + fmt::I0(Input_Line_Number());
  if (h > 0) s += ", section " + fmt::I0(h);
  return s + ": ";
}
std::string Of_Section(int h) { return h > 0 ? " of section " + fmt::I0(h) : std::string(); }

// A count read from the input that must lie in lo..cap before anything is stored.
bool Count_Fits(int h, int32_t count, int32_t lo, int32_t cap, const char* what) {
  if (count >= lo && count <= cap) return true;
  Input_Read_Error(INP_CAPACITY,
                   Here(h) + "the " + what + " is " + fmt::I0(count) + "; it must be " +
                       fmt::I0(lo) + " to " + fmt::I0(cap) + ".",
                   "Give " + fmt::I0(lo) + " to " + fmt::I0(cap) + " for the " + what +
                       Of_Section(h) + ".");
  return false;
}

// A count that must not exceed its capacity (lower limits are checked elsewhere).
bool Count_At_Most(int h, int64_t count, int32_t cap, const char* what) {
  if (count <= cap) return true;
  Input_Read_Error(INP_CAPACITY,
                   Here(h) + "the " + what + " is " + fmt::I0(count) + "; a section holds at most " +
                       fmt::I0(cap) + ".",
                   "Give at most " + fmt::I0(cap) + " for the " + what + Of_Section(h) + ".");
  return false;
}

bool Code_In_Range(int h, int32_t code, int32_t lo, int32_t hi, const char* what) {
  if (code >= lo && code <= hi) return true;
  Input_Read_Error(INP_CODE_RANGE,
                   Here(h) + "the " + what + " " + fmt::I0(code) + " is not one of " +
                       fmt::I0(lo) + " to " + fmt::I0(hi) + ".",
                   std::string("Correct the ") + what + Of_Section(h) + ".");
  return false;
}

void Geometry_Error(int h, int first_line, const char* fault) {
  Input_Read_Error(INP_GEOMETRY,
                   "Lines " + fmt::I0(first_line) + " to " + fmt::I0(Input_Line_Number()) +
                       ", section " + fmt::I0(h) + ": the bars or strands cannot be placed: " +
                       fault + ".",
                   "Correct the dimensions, cover, bar diameter or count of section " +
                       fmt::I0(h) + ".");
}

// Grade and size code of a strand must be in the strand table.
bool Strand_Codes_Known(int h, int32_t grade, int32_t size) {
  double d = 0.0, a = 0.0;
  if (!Code_In_Range(h, grade, 0, 5, "strand grade code")) return false;
  if (Strand_Dimensions(grade, size, US_UNITS, d, a)) return true;
  static const int32_t last_size[6] = {6, 7, 4, 5, 5, 5};
  return Code_In_Range(h, size, 0, last_size[grade], "strand size code");
}

// --- The strand table: nominal diameters (in) and areas (in^2), single precision.
struct Strand_Grade_Sizes {
  int count;
  float diameter[8];
  float area[8];
};
constexpr Strand_Grade_Sizes STRAND_TABLE[6] = {
    {7, {0.34f, 0.25f, 0.3125f, 0.375f, 0.4375f, 0.5f, 0.6f}, {0.058f, 0.036f, 0.058f, 0.08f, 0.108f, 0.144f, 0.216f}},
    {8, {0.34f, 0.375f, 0.4375f, 0.5f, 0.5f, 0.5625f, 0.6f, 0.7f},
     {0.058f, 0.085f, 0.115f, 0.153f, 0.167f, 0.192f, 0.217f, 0.294f}},
    {5, {0.375f, 0.438f, 0.5f, 0.5f, 0.6f}, {0.085f, 0.115f, 0.153f, 0.167f, 0.217f}},
    {6, {0.75f, 0.875f, 1.0f, 1.125f, 1.25f, 1.375f}, {0.442f, 0.601f, 0.785f, 0.994f, 1.227f, 1.485f}},
    {6, {0.75f, 0.875f, 1.0f, 1.125f, 1.25f, 1.375f}, {0.442f, 0.601f, 0.785f, 0.994f, 1.227f, 1.485f}},
    {6, {0.625f, 1.0f, 1.0f, 1.25f, 1.25f, 1.375f}, {0.28f, 0.85f, 0.85f, 1.25f, 1.25f, 1.58f}},
};
constexpr double GRADE_FPU[5] = {250000.0, 270000.0, 300000.0, 145000.0, 160000.0};
constexpr double GRADE5_FPU[6] = {157000.0, 150000.0, 160000.0, 150000.0, 160000.0, 150000.0};

// Section property points 2h-1 (top) and 2h (bottom).
Section_Property_Point& Top_Point(int h) { return RS().prob.sec.Section_Property_Points[2 * h - 1]; }
Section_Property_Point& Bottom_Point(int h) { return RS().prob.sec.Section_Property_Points[2 * h]; }

// Strands: grade, size, diameter and area of one strand from the table.
void Set_Strand(Section_Bar& s, int32_t grade, int32_t size) {
  s.i_Grade = grade;
  s.i_SizeCode = size;
  Strand_Dimensions(grade, size, RS().prob.opt.IUNITS, s.rd_Diameter, s.rd_Area);
}

// The section's strand values taken from strand 1 and its grade.
void Set_Section_Strand_Values(Pile_Section_Record& p) {
  int32_t iunits = RS().prob.opt.IUNITS;
  if (p.i_Number_of_Strands >= 1) {
    p.rd_StrandDiameter = p.Strand[1].rd_Diameter;
    p.rd_StrandArea = p.Strand[1].rd_Area;
    if (p.i_StrandPositioning == STRANDS_MANUAL) p.i_StrandSize = p.Strand[1].i_SizeCode;
  }
  p.rd_Strand_fpu = fn_Strand_fpu(p.i_StrandGrade, p.i_StrandSize);
  p.rd_StrandModulus = fn_Strand_Modulus(p.i_StrandGrade, iunits);
}

// Type 13: thrust levels, each with its table of moment vs EI or curvature.
void Read_User_EI(int h) {
  Pile_Section_Record& p = Section(h);
  int32_t m = 0;
  if (!Read_Int(h, m, "the number of axial thrust levels")) return;
  if (!Count_Fits(h, m, 0, MAX_USER_EI_THRUSTS, "number of axial thrust levels of the EI table"))
    return;
  p.i_Number_of_UserEI_Thrusts = m;
  for (int c = 1; c <= m; ++c) {
    double thrust = 0.0;
    int32_t n = 0;
    if (!Read_Real(h, thrust, "the axial thrust of an EI table")) return;
    p.rd_UserEI_Thrust[c] = thrust;
    if (!Read_Int(h, n, "the number of points of an EI table")) return;
    if (!Count_Fits(h, n, 0, MAX_USER_EI_POINTS, "number of points of an EI table")) return;
    p.i_Number_of_UserEI_Points[c] = n;
    for (int k = 1; k <= n; ++k) {
      double moment = 0.0, value = 0.0;
      if (!Read_Real(h, moment, "the bending moment of an EI table point")) return;
      if (p.b_UserEI_MomentVsCurvature == L_TRUE) {
        if (!Read_Real(h, value, "the curvature of an EI table point")) return;
        p.rd_UserEI_Curvature(c, k) = value;
      } else {
        if (!Read_Real(h, value, "the bending stiffness of an EI table point")) return;
        p.rd_UserEI_EI(c, k) = value;
      }
      p.rd_UserEI_Moment(c, k) = moment;
    }
  }
}

// The lines of one section after its type code, by type.
void Read_Section_Lines(int h) {
  Pile_Section_Record& p = Section(h);
  const int t = p.i_SectionType;
  if (!Read_Real(h, p.rd_Length, "the section length")) return;
  // A section of no length (or a negative one) would put its top below its
  // bottom and leave the pile model without nodes in it.
  if (!(p.rd_Length > 0.0)) {
    std::string shown = Number_Field(p.rd_Length, 14);
    shown.erase(0, shown.find_first_not_of(' '));
    Input_Read_Error(INP_NOT_POSITIVE,
                     Here(h) + "the section length is " + shown + "; a section must be longer than 0.",
                     "Give a positive length for section " + fmt::I0(h) + ".");
    return;
  }
  double v = 0.0;
  auto dim = [&](double& field, const char* name) {
    if (!Read_Real(h, v, name)) return false;
    field = mm(v);
    return true;
  };
  auto val = [&](double& field, const char* name) { return Read_Real(h, field, name); };
  switch (t) {
    case SECTION_RECTANGULAR_CONCRETE:
      if (!dim(p.rd_DepthOfSection, "the depth of section")) return;
      if (!dim(p.rd_WidthOfSection, "the width of section")) return;
      p.rd_Diameter = p.rd_DepthOfSection;
      break;
    case SECTION_DRILLED_SHAFT:
    case SECTION_PRESTRESSED_CIRCULAR:
    case SECTION_USER_EI:
      if (!dim(p.rd_Diameter, "the section diameter")) return;
      break;
    case SECTION_CASED_SHAFT:
    case SECTION_CASED_SHAFT_CORE:
    case SECTION_STEEL_PIPE:
      if (!dim(p.rd_Diameter, "the outside diameter")) return;
      if (!dim(p.rd_WallThickness, "the wall thickness")) return;
      if (!val(p.rd_SteelYieldStress, "the yield stress of the steel")) return;
      if (!val(p.rd_SteelModulus, "the elastic modulus of the steel")) return;
      if (t == SECTION_CASED_SHAFT_CORE) {
        if (!dim(p.rd_CoreDiameter, "the outside diameter of the core")) return;
        if (!dim(p.rd_CoreThickness, "the core wall thickness")) return;
        if (!val(p.rd_CoreYieldStress, "the yield stress of the core")) return;
        if (!val(p.rd_CoreModulus, "the elastic modulus of the core")) return;
      }
      break;
    case SECTION_PRESTRESSED_CIRCULAR_HOLLOW:
      if (!dim(p.rd_Diameter, "the pile diameter")) return;
      if (!dim(p.rd_VoidDiameter, "the void diameter")) return;
      break;
    case SECTION_PRESTRESSED_SQUARE:
      if (!dim(p.rd_Diameter, "the pile width")) return;
      if (!dim(p.rd_Chamfer, "the corner chamfer")) return;
      break;
    case SECTION_PRESTRESSED_SQUARE_HOLLOW:
      if (!dim(p.rd_Diameter, "the pile width")) return;
      if (!dim(p.rd_VoidDiameter, "the void diameter")) return;
      if (!dim(p.rd_Chamfer, "the corner chamfer")) return;
      break;
    case SECTION_PRESTRESSED_OCTAGONAL:
      if (!dim(p.rd_Diameter, "the pile width")) return;
      break;
    case SECTION_PRESTRESSED_OCTAGONAL_HOLLOW:
      if (!dim(p.rd_Diameter, "the pile width")) return;
      if (!dim(p.rd_VoidDiameter, "the void diameter")) return;
      break;
    default:  // 11, 12, 14: the length only
      break;
  }
  if (t <= SECTION_CASED_SHAFT_CORE) {
    Read_Concrete_Properties(h);
    if (Error_Recorded()) return;
    Read_Rebar_Properties(h);
  } else if (t >= SECTION_PRESTRESSED_CIRCULAR && t <= SECTION_PRESTRESSED_OCTAGONAL_HOLLOW) {
    Read_Concrete_Properties(h);
    if (Error_Recorded()) return;
    Read_Strand_Properties(h);
  } else if (t == SECTION_ELASTIC) {
    Read_Elastic_Section(h);
  } else if (t == SECTION_ELASTIC_PLASTIC) {
    Read_Elastic_Plastic_Section(h);
  } else if (t == SECTION_USER_EI) {
    Read_User_EI(h);
  }
}

// Depths and property points of section h; the running depth moves to its bottom.
void Set_Section_Points(int h, double& running_depth) {
  Pile_Section_Record& p = Section(h);
  p.rd_XTop = running_depth;
  p.rd_XBottom = running_depth + p.rd_Length;
  running_depth = p.rd_XBottom;
  Section_Property_Point& top = Top_Point(h);
  Section_Property_Point& bot = Bottom_Point(h);
  top.rd_X = p.rd_XTop;
  bot.rd_X = p.rd_XBottom;
  const int t = p.i_SectionType;
  if (t == SECTION_RECTANGULAR_CONCRETE) {
    top.rd_Diameter = bot.rd_Diameter = p.rd_WidthOfSection;
  } else if (t == SECTION_STEEL_PIPE) {
    const double D = p.rd_Diameter;
    const double Di = D - 2.0 * p.rd_WallThickness;
    for (Section_Property_Point* q : {&top, &bot}) {
      q->rd_Diameter = D;
      q->rd_Inertia = PI_OVER_64 * (D * D * D * D - Di * Di * Di * Di);
      q->rd_Modulus = p.rd_SteelModulus;
      q->rd_Area = PI_OVER_4 * (D * D - Di * Di);
    }
  } else if (t == SECTION_ELASTIC || t == SECTION_ELASTIC_PLASTIC) {
    top.rd_Inertia = p.rd_TopInertia;
    bot.rd_Inertia = p.rd_BottomInertia;
    top.rd_Modulus = bot.rd_Modulus = p.rd_ElasticModulus;
    top.rd_Area = p.rd_TopArea;
    bot.rd_Area = p.rd_BottomArea;
    switch (p.i_ShapeCode) {
      case ELASTIC_SHAPE_RECTANGULAR:
      case ELASTIC_SHAPE_CIRCULAR:
      case ELASTIC_SHAPE_CIRCULAR_PIPE:
        top.rd_Diameter = p.rd_TopWidth;
        bot.rd_Diameter = p.rd_BottomWidth;
        break;
      case ELASTIC_SHAPE_STRONG_H_PILE:
        top.rd_Diameter = bot.rd_Diameter = p.rd_FlangeWidth;
        break;
      case ELASTIC_SHAPE_WEAK_H_PILE:
        top.rd_Diameter = bot.rd_Diameter = p.rd_TopDepth;
        break;
      case ELASTIC_SHAPE_EMBEDDED_POLE:
        top.rd_Diameter = bot.rd_Diameter = p.rd_DrilledHoleDiameter;
        top.rd_StructuralWidth = p.rd_TopWidth;
        bot.rd_StructuralWidth = p.rd_BottomWidth;
        break;
      default:
        break;
    }
  } else {
    top.rd_Diameter = bot.rd_Diameter = p.rd_Diameter;
  }
}

// Elastic (type 11) and elastic-plastic (type 12) lines: shape code, then one value per line.
void Read_Elastic_Lines(int h, bool plastic) {
  Pile_Section_Record& p = Section(h);
  int32_t shape = 0;
  if (!Read_Int(h, shape, "the cross-sectional shape code")) return;
  if (!Code_In_Range(h, shape, ELASTIC_SHAPE_RECTANGULAR, ELASTIC_SHAPE_EMBEDDED_POLE, "cross-sectional shape code"))
    return;
  p.i_ShapeCode = shape;
  double v = 0.0;
  auto dim = [&](double& field, const char* name) {
    if (!Read_Real(h, v, name)) return false;
    field = mm(v);
    return true;
  };
  auto area = [&](double& field, const char* name) {
    if (!Read_Real(h, v, name)) return false;
    field = mm2(v);
    return true;
  };
  auto inertia = [&](double& field, const char* name) {
    if (!Read_Real(h, v, name)) return false;
    field = mm4(v);
    return true;
  };
  if (!Read_Real(h, p.rd_ElasticModulus, "the elastic modulus")) return;
  if (shape == ELASTIC_SHAPE_STRONG_H_PILE || shape == ELASTIC_SHAPE_WEAK_H_PILE) {
    if (plastic && !Read_Real(h, p.rd_TopPlasticMoment, "the plastic moment capacity")) return;
    if (!dim(p.rd_FlangeWidth, "the flange width")) return;
    if (!dim(p.rd_TopDepth, "the section depth")) return;
    if (!dim(p.rd_FlangeThickness, "the flange thickness")) return;
    if (!dim(p.rd_WebThickness, "the web thickness")) return;
    if (!area(p.rd_TopArea, "the section area")) return;
    if (!inertia(p.rd_TopInertia, "the moment of inertia")) return;
    p.rd_BottomDepth = p.rd_TopDepth;
    p.rd_BottomArea = p.rd_TopArea;
    p.rd_BottomInertia = p.rd_TopInertia;
    p.rd_BottomPlasticMoment = p.rd_TopPlasticMoment;
    p.rd_Diameter = shape == ELASTIC_SHAPE_STRONG_H_PILE ? p.rd_FlangeWidth : p.rd_TopDepth;
    return;
  }
  if (plastic) {
    if (!Read_Real(h, p.rd_TopPlasticMoment, "the top plastic moment capacity")) return;
    if (!Read_Real(h, p.rd_BottomPlasticMoment, "the bottom plastic moment capacity")) return;
  }
  if (!dim(p.rd_TopWidth, "the top width")) return;
  if (!dim(p.rd_BottomWidth, "the bottom width")) return;
  if (shape == ELASTIC_SHAPE_RECTANGULAR) {
    if (!dim(p.rd_TopDepth, "the top section depth")) return;
    if (!dim(p.rd_BottomDepth, "the bottom section depth")) return;
  } else if (shape == ELASTIC_SHAPE_CIRCULAR_PIPE) {
    if (!dim(p.rd_TopWallThickness, "the wall thickness at the top")) return;
    if (!dim(p.rd_BottomWallThickness, "the wall thickness at the bottom")) return;
  }
  if (!area(p.rd_TopArea, "the top area")) return;
  if (!area(p.rd_BottomArea, "the bottom area")) return;
  if (!inertia(p.rd_TopInertia, "the moment of inertia at the top")) return;
  if (!inertia(p.rd_BottomInertia, "the moment of inertia at the bottom")) return;
  if (shape == ELASTIC_SHAPE_EMBEDDED_POLE) {
    if (!dim(p.rd_DrilledHoleDiameter, "the drilled hole diameter")) return;
    p.rd_Diameter = p.rd_DrilledHoleDiameter;
  } else {
    p.rd_Diameter = p.rd_TopWidth;
  }
}

}  // namespace

// --- Strand table ---------------------------------------------------------

bool Strand_Dimensions(int32_t grade, int32_t size, int32_t iunits, double& diameter, double& area) {
  diameter = 0.0;
  area = 0.0;
  if (grade < 0 || grade > 5) return false;
  const Strand_Grade_Sizes& g = STRAND_TABLE[grade];
  if (size < 0 || size >= g.count) return false;
  diameter = double(g.diameter[size]);
  area = double(g.area[size]);
  if (iunits == SI_UNITS) {
    diameter = diameter * INCH_IN_M;
    area = area * INCH_IN_M * INCH_IN_M;
  }
  return true;
}

double fn_Strand_fpu(int32_t grade, int32_t size) {
  if (grade >= 0 && grade <= 4) return GRADE_FPU[grade];
  if (grade == 5 && size >= 0 && size <= 5) return GRADE5_FPU[size];
  return 0.0;
}

double fn_Strand_Modulus(int32_t grade, int32_t iunits) {
  if (grade < 0 || grade > 5) return 0.0;
  if (iunits == US_UNITS) return grade <= 2 ? 28000.0 : 29000.0;
  return grade <= 2 ? 1.930532e8 : 199947760.0;
}

// --- Placement ------------------------------------------------------------

const char* fn_Circle_Geometry_Fault(double D, double c, double d, int32_t n, int32_t b) {
  if (n < 1) return "the number of positions is below 1";
  if (b < 1) return "the number of bars per position is below 1";
  if (b > 3) return "more than 3 bars per position";
  if (int64_t(n) * b > MAX_SECTION_BARS) return "more than 300 bars";
  if (!(D > 0.0)) return "the section diameter is not above 0";
  if (!(c > 0.0)) return "the cover is not above 0";
  if (!(d > 0.0)) return "the bar diameter is not above 0";
  if (D < d) return "the bar diameter exceeds the section diameter";
  const double dp = std::fabs(d) > 100.0 ? 0.0 : d;
  if (!((D - dp) / 2.0 - c > 0.0)) return "the radius of the bar centres is not above 0";
  return nullptr;
}

void Place_Bars_In_Circle(Coordinate_List& x, Coordinate_List& y, double D, double c, double d,
                          int32_t n, int32_t b) {
  x.fill(0.0);
  y.fill(0.0);
  if (fn_Circle_Geometry_Fault(D, c, d, n, b)) return;
  if (std::fabs(d) > 100.0) d = 0.0;
  const double R = (D - d) / 2.0 - c;
  const double step = TWO_PI / n;
  const double alpha = d / R;
  for (int i = 1; i <= n; ++i) {
    const double theta = (i - 1) * step;
    if (b == 1) {
      if (n == 1) break;  // the single bar at the centre
      x[i] = R * std::cos(theta);
      y[i] = R * std::sin(theta);
    } else if (b == 2 && n == 1) {
      x[1] = -d / 2.0;
      x[2] = d / 2.0;
    } else {
      const int k = b * (i - 1);
      x[k + 1] = R * std::cos(theta - alpha / 2.0);
      y[k + 1] = R * std::sin(theta - alpha / 2.0);
      x[k + 2] = R * std::cos(theta + alpha / 2.0);
      y[k + 2] = R * std::sin(theta + alpha / 2.0);
      if (b == 3) {
        const double r3 = R - d * SIN_60;
        x[k + 3] = r3 * std::cos(theta);
        y[k + 3] = r3 * std::sin(theta);
      }
    }
  }
}

const char* fn_Square_Geometry_Fault(double W, double c, double d, int32_t N) {
  if (N < 1) return "the number of strands is below 1";
  if (N == 2 || N == 3) return "2 or 3 strands cannot be placed on a square";
  if (N > MAX_SECTION_BARS) return "more than 300 strands";
  if (!(W > 0.0)) return "the pile width is not above 0";
  if (N >= 4 && !((W - d) / 2.0 - c > 0.0)) return "the half-side of the strand square is not above 0";
  return nullptr;
}

void Place_Strands_On_Square(Coordinate_List& x, Coordinate_List& y, double W, double c, double d,
                             int32_t N, int32_t arrangement) {
  if (fn_Square_Geometry_Fault(W, c, d, N)) return;
  if (arrangement != 1 && arrangement != 2) return;
  if (N == 1) {
    x[1] = 0.0;
    y[1] = 0.0;
    return;
  }
  const double a = (W - d) / 2.0 - c;
  const int b = N / 4;
  const int r = N % 4;
  int per_row = b + 1, per_side = b - 1;
  if (r >= 2) {
    if (arrangement == 1) per_row = b + 2;
    else per_side = b;
  }
  int k = 0;
  for (int i = 1; i <= per_row; ++i) {  // bottom row, left to right
    ++k;
    x[k] = -a + (i - 1) * 2.0 * a / (per_row - 1);
    y[k] = -a;
  }
  for (int j = 1; j <= per_side; ++j) {  // right side, upwards
    ++k;
    x[k] = a;
    y[k] = -a + j * 2.0 * a / (per_side + 1);
  }
  for (int i = 1; i <= per_row; ++i) {  // top row, right to left
    ++k;
    x[k] = a - (i - 1) * 2.0 * a / (per_row - 1);
    y[k] = a;
  }
  for (int j = 1; j <= per_side; ++j) {  // left side, downwards
    ++k;
    x[k] = -a;
    y[k] = a - j * 2.0 * a / (per_side + 1);
  }
  if (N % 2 == 1) {
    x[N] = 0.0;
    y[N] = 0.0;
  }
}

// --- Sub-readers ----------------------------------------------------------

void Read_Concrete_Properties(int h) {
  Progress("Reading concrete property data for Section ", h);
  Pile_Section_Record& p = Section(h);
  double v = 0.0;
  if (!Read_Real(h, p.rd_fc, "the compressive strength of concrete")) return;
  if (!Read_Real(h, v, "the maximum concrete aggregate size")) return;
  p.rd_MaxAggregateSize = mm(v);

  std::string line;
  if (!Read_Option_Line(h, line, "the concrete tensile strength option")) return;
  if (Line_Is(line, "Use default concrete tensile strength")) {
    p.b_OverrideTensileStrength = L_FALSE;
  } else if (Line_Is(line, "Override concrete tensile strength")) {
    p.b_OverrideTensileStrength = L_TRUE;
    if (!Read_Real(h, p.rd_TensileStrength, "the concrete tensile strength")) return;
  } else {
    Section_Data_Error({"", "INPUT ERROR - Unrecognized command for concrete tensile strength option"});
    return;
  }

  if (!Read_Option_Line(h, line, "the concrete stress-strain option")) return;
  if (Line_Is(line, "Use internal stress-strain curve for concrete")) {
    p.b_InputStressStrainCurve = L_FALSE;
  } else if (Line_Is(line, "Input stress-strain curve for concrete")) {
    p.b_InputStressStrainCurve = L_TRUE;
    int32_t q = 0;
    if (!Read_Int(h, q, "the number of stress-strain points")) return;
    if (!Count_Fits(h, q, 0, MAX_STRESS_STRAIN_POINTS, "number of concrete stress-strain points"))
      return;
    for (int i = 1; i <= q; ++i) {
      Free_Read r(What(h));
      int32_t seq = 0;
      double v1 = 0.0, v2 = 0.0;
      if (!r.integer(seq, "the sequence number of a stress-strain point")) return;
      if (!r.real(v1, "the first value of a stress-strain point")) return;
      if (!r.real(v2, "the second value of a stress-strain point")) return;
      if (seq != i) {
        Section_Data_Error(
            {"", "INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve", "",
             "Expecting line no. " + fmt::I0(i) + " but line no. " + fmt::I0(seq) + " was read", "",
             ""});
        return;
      }
      p.rd_StressStrain_Value1[i] = v1;
      p.rd_StressStrain_Value2[i] = v2;
      p.i_Number_of_StressStrain_Points = i;
    }
  } else {
    Section_Data_Error({"", "INPUT ERROR - Unrecognized input for concrete stress-strain option"});
  }
}

void Read_Rebar_Properties(int h) {
  Progress("Reading rebar property data for Section ", h);
  Pile_Section_Record& p = Section(h);
  std::string line;
  if (!Read_Option_Line(h, line, "the rebar continuation option")) return;
  if (Line_Is(line, "No rebar")) {
    p.i_RebarArrangement = REBAR_NONE;
    p.i_Number_of_Bars = 0;
    return;
  }
  if (Line_Is(line, "Rebar Arrangement Same As Section Above")) {
    p.b_RebarSameAsAbove = L_TRUE;
  } else if (Line_Is(line, "Rebar Arrangement Not Same As Section Above")) {
    p.b_RebarSameAsAbove = L_FALSE;
  } else {
    Section_Data_Error({"", "INPUT ERROR - Unrecognized command for rebar continuation from section above option"});
    return;
  }

  if (!Read_Option_Line(h, line, "the rebar pattern")) return;
  double v = 0.0;
  if (Line_Is(line, "Rebar in circle")) {
    const int first_line = Input_Line_Number() + 1;
    int32_t n = 0, b = 0;
    if (!Read_Real(h, p.rd_BarYieldStress, "the yield stress of the bars")) return;
    if (!Read_Real(h, p.rd_BarModulus, "the elastic modulus of the bars")) return;
    if (!Read_Int(h, n, "the number of bar positions")) return;
    if (!Count_At_Most(h, n, MAX_SECTION_BARS, "number of bar positions")) return;
    if (!Read_Int(h, b, "the number of bars per position")) return;
    if (b > 3 && !Code_In_Range(h, b, 1, 3, "number of bars per position")) return;
    if (!Count_At_Most(h, int64_t(n) * b, MAX_SECTION_BARS,
                       "number of bars (positions x bars per position)"))
      return;
    if (!Read_Real(h, v, "the bar diameter")) return;
    const double d = mm(v);
    if (!Read_Real(h, v, "the bar area")) return;
    const double area = mm2(v);
    if (!Read_Real(h, v, "the concrete cover thickness")) return;
    const double cover = mm(v);
    if (!Read_Real(h, v, "the rebar cage offset")) return;
    const double offset = mm(v);
    if (const char* fault = fn_Circle_Geometry_Fault(p.rd_Diameter, cover, d, n, b)) {
      Geometry_Error(h, first_line, fault);
      return;
    }
    p.i_RebarArrangement = REBAR_CIRCLE;
    p.i_BarPositions = n;
    p.i_BarsPerPosition = b;
    p.rd_BarDiameter = d;
    p.rd_BarArea = area;
    p.rd_ConcreteCover = cover;
    p.rd_CageOffset = offset;
    Coordinate_List x, y;
    Place_Bars_In_Circle(x, y, p.rd_Diameter, cover, d, n, b);
    const int count = n * b;  // 1..300, checked above
    p.i_Number_of_Bars = count;
    for (int i = 1; i <= count; ++i) {
      Section_Bar& bar = p.Bar[i];
      bar.rd_Diameter = d;
      bar.rd_Area = area;
      bar.rd_X = x[i];
      bar.rd_Y = offset != 0.0 ? y[i] + offset : y[i];
    }
  } else if (Line_Is(line, "Rebar in noncircular pattern")) {
    int32_t n = 0;
    if (!Read_Real(h, p.rd_BarYieldStress, "the yield stress of the bars")) return;
    if (!Read_Real(h, p.rd_BarModulus, "the elastic modulus of the bars")) return;
    if (!Read_Int(h, n, "the number of bars")) return;
    if (!Count_Fits(h, n, 0, MAX_SECTION_BARS, "number of bars")) return;
    p.i_RebarArrangement = REBAR_NONCIRCULAR;
    for (int i = 1; i <= n; ++i) {
      Free_Read r(What(h));
      int32_t seq = 0, code = 0;
      double d = 0.0, area = 0.0, x = 0.0, y = 0.0;
      if (!r.integer(seq, "the bar number") || !r.integer(code, "the bar size code") ||
          !r.real(d, "the bar diameter") || !r.real(area, "the bar area") ||
          !r.real(x, "the bar x coordinate") || !r.real(y, "the bar y coordinate"))
        return;
      Section_Bar& bar = p.Bar[i];
      bar.i_SizeCode = code;
      bar.rd_Diameter = mm(d);
      bar.rd_Area = mm2(area);
      bar.rd_X = mm(x);
      bar.rd_Y = mm(y);
      p.i_Number_of_Bars = i;
    }
  }
  // Any other pattern line ends the bar lines: the section has no bars.
}

void Read_Strand_Properties(int h) {
  Progress("Reading prestressing strand data for Section ", h);
  Pile_Section_Record& p = Section(h);
  std::string line;
  if (!Read_Option_Line(h, line, "the strand positioning option")) return;
  double v = 0.0;
  if (Line_Is(line, "Autoposition strands")) {
    const int first_line = Input_Line_Number() + 1;
    int32_t grade = 0, size = 0, n = 0, arrangement = 0;
    if (!Read_Int(h, grade, "the strand grade code")) return;
    if (!Code_In_Range(h, grade, 0, 5, "strand grade code")) return;
    if (!Read_Int(h, size, "the strand size code")) return;
    if (!Strand_Codes_Known(h, grade, size)) return;
    if (!Read_Int(h, n, "the number of strands")) return;
    if (!Count_At_Most(h, n, MAX_SECTION_BARS, "number of strands")) return;
    if (!Read_Real(h, p.rd_InitialPrestressForce, "the initial prestressing force")) return;
    if (!Read_Real(h, p.rd_PrestressLossFraction, "the fraction of loss of prestress")) return;
    if (!Read_Real(h, v, "the concrete cover over the strands")) return;
    const double cover = mm(v);
    if (!Read_Int(h, arrangement, "the strand arrangement code")) return;
    if (!Code_In_Range(h, arrangement, 0, 2, "strand arrangement code")) return;
    double d = 0.0, area = 0.0;
    Strand_Dimensions(grade, size, RS().prob.opt.IUNITS, d, area);
    const char* fault = arrangement == 0 ? fn_Circle_Geometry_Fault(p.rd_Diameter, cover, d, n, 1)
                                         : fn_Square_Geometry_Fault(p.rd_Diameter, cover, d, n);
    if (fault) {
      Geometry_Error(h, first_line, fault);
      return;
    }
    p.i_StrandPositioning = STRANDS_AUTO;
    p.i_StrandGrade = grade;
    p.i_StrandSize = size;
    p.rd_StrandCover = cover;
    p.i_StrandArrangement = arrangement;
    Coordinate_List x, y;
    if (arrangement == 0) Place_Bars_In_Circle(x, y, p.rd_Diameter, cover, d, n, 1);
    else Place_Strands_On_Square(x, y, p.rd_Diameter, cover, d, n, arrangement);
    p.i_Number_of_Strands = n;
    for (int i = 1; i <= n; ++i) {
      Set_Strand(p.Strand[i], grade, size);
      p.Strand[i].rd_X = x[i];
      p.Strand[i].rd_Y = y[i];
    }
    Set_Section_Strand_Values(p);
  } else if (Line_Is(line, "Manually-positioned strands")) {
    int32_t grade = 0, n = 0;
    if (!Read_Int(h, grade, "the strand grade code")) return;
    if (!Code_In_Range(h, grade, 0, 5, "strand grade code")) return;
    if (!Read_Int(h, n, "the number of strands")) return;
    if (!Count_Fits(h, n, 0, MAX_SECTION_BARS, "number of strands")) return;
    if (!Read_Real(h, p.rd_InitialPrestressForce, "the initial prestressing force")) return;
    if (!Read_Real(h, p.rd_PrestressLossFraction, "the fraction of loss of prestress")) return;
    p.i_StrandPositioning = STRANDS_MANUAL;
    p.i_StrandGrade = grade;
    for (int i = 1; i <= n; ++i) {
      Free_Read r(What(h));
      int32_t seq = 0, g = 0, s = 0;
      double x = 0.0, y = 0.0;
      if (!r.integer(seq, "the strand number") || !r.integer(g, "the strand grade code") ||
          !r.integer(s, "the strand size code") || !r.real(x, "the strand x coordinate") ||
          !r.real(y, "the strand y coordinate"))
        return;
      if (seq != i) {
        Section_Data_Error({"INPUT ERROR - Input out-of-order for strand no. " + fmt::I0(i)});
        return;
      }
      if (!Strand_Codes_Known(h, g, s)) return;
      Section_Bar& strand = p.Strand[i];
      Set_Strand(strand, g, s);
      strand.rd_X = mm(x);
      strand.rd_Y = mm(y);
      p.i_Number_of_Strands = i;
    }
    Set_Section_Strand_Values(p);
  } else {
    Section_Data_Error({"INPUT ERROR - Unrecognized input for strand no. " + fmt::I0(0), ""});
  }
}

void Read_Elastic_Section(int h) {
  Progress("Reading elastic section properties for Section ", h);
  Read_Elastic_Lines(h, false);
}

void Read_Elastic_Plastic_Section(int h) {
  Progress("Reading elastic-plastic section properties for Section ", h);
  Read_Elastic_Lines(h, true);
}

// --- The section list -----------------------------------------------------

void Read_Sections() {
  Section_Records& sr = RS().prob.sec;
  // A later SECTIONS replaces an earlier one: clear the records in place.
  // Only the sections of the earlier block were written (the count is set
  // before any of them is read); the others still hold their initial value.
  const int written = sr.i_Number_of_Sections < MAX_SECTIONS ? sr.i_Number_of_Sections : MAX_SECTIONS;
  for (int h = 1; h <= written; ++h) {
    std::destroy_at(&sr.Pile_Section[h]);
    std::construct_at(&sr.Pile_Section[h]);
  }
  sr.Section_Property_Points.fill(Section_Property_Point{});
  sr.i_Number_of_Sections = 0;
  sr.i_Number_of_Section_Points = 0;
  sr.rd_PileLength = 0.0;

  int32_t n = 0;
  {
    Free_Read r("the number of sections");
    if (!r.integer(n, "the number of sections")) return;
  }
  if (!Count_Fits(0, n, 0, MAX_SECTIONS, "number of sections")) return;
  sr.i_Number_of_Sections = n;
  sr.i_Number_of_Section_Points = 2 * n;
  double running_depth = 0.0;
  for (int h = 1; h <= n; ++h) {
    Progress("Reading section properties for Section ", h);
    int32_t number = 0, code = 0;
    if (!Read_Int(h, number, "the section number")) return;
    if (number != h) {
      Section_Data_Error({"SECTION DATA OUT-OF-ORDER", "",
                          "Expecting section number " + fmt::I0(h) + ", but section number " +
                              fmt::I0(number) + " was found"});
      return;
    }
    if (!Read_Int(h, code, "the section type code")) return;
    const bool known = (code >= 0 && code <= 14) || code == -3 || code == -13;
    if (!known) {
      Input_Read_Error(INP_CODE_RANGE,
                       Here(h) + "the section type code " + fmt::I0(code) +
                           " is not one of 0 to 14, -3 or -13.",
                       "Correct the section type code of section " + fmt::I0(h) + ".");
      return;
    }
    Pile_Section_Record& p = sr.Pile_Section[h];
    p.i_SectionType = code < 0 ? -code : code;
    if (p.i_SectionType == SECTION_CASED_SHAFT_CORE)
      p.b_FillCoreWithConcrete = code > 0 ? L_TRUE : L_FALSE;
    if (p.i_SectionType == SECTION_USER_EI) {
      p.b_UserEI_MomentVsEI = code > 0 ? L_TRUE : L_FALSE;
      p.b_UserEI_MomentVsCurvature = code > 0 ? L_FALSE : L_TRUE;
    }
    Read_Section_Lines(h);
    if (Error_Recorded()) return;
    Set_Section_Points(h, running_depth);
    sr.rd_PileLength = running_depth;
  }
}

// Lengths along the pile, given in feet, to inches (US customary only).
void Convert_US_Section_Units() {
  if (RS().prob.opt.IUNITS != US_UNITS) return;
  Section_Records& sr = RS().prob.sec;
  sr.rd_PileLength *= 12.0;
  const int np = sr.i_Number_of_Section_Points < MAX_SECTION_POINTS ? sr.i_Number_of_Section_Points
                                                                    : MAX_SECTION_POINTS;
  for (int k = 1; k <= np; ++k) sr.Section_Property_Points[k].rd_X *= 12.0;
  const int ns = sr.i_Number_of_Sections < MAX_SECTIONS ? sr.i_Number_of_Sections : MAX_SECTIONS;
  for (int h = 1; h <= ns; ++h) {
    Pile_Section_Record& p = sr.Pile_Section[h];
    p.rd_Length *= 12.0;
    p.rd_XTop *= 12.0;
    p.rd_XBottom *= 12.0;
  }
}

}  // namespace ormyx
