// Report blocks of the section analysis: dimension blocks and bar tables of
// every section type, concrete properties, run-message definitions, the
// moment-curvature point tables and the summary of moment capacities.
#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_driver.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

constexpr double PI = 3.141592653589793;
constexpr double IN_PER_M = 1.0 / 0.0254;

bool SI() { return RS().sec.EI.i_Units == SI_UNITS; }

std::string U(Section_Unit u) { return fn_Section_Unit(u); }
std::string Unit_Text(const char* us, const char* si) { return fmt::A(SI() ? si : us, 8); }

void Value(const std::string& label, double v, const std::string& unit) {
  Write_Section_Value(label, v, unit);
}

void Count(const std::string& label, int n, const char* tail = "") {
  Write_Section_Text(label, "=" + fmt::I(n, 14) + tail);
}

// Text placed so that it ends at column `end` (1-based) of the line.
void Place(std::string& line, const std::string& text, int end) {
  const int start = end - int(text.size());
  if (start < 0) return;
  if (int(line.size()) < end) line.resize(std::size_t(end), ' ');
  line.replace(std::size_t(start), text.size(), text);
}

// Section length: feet for US customary problems, metres for SI, the
// stored length unit for generic problems.
void Length_Of_Section(const Pile_Section_Record& p) {
  const int32_t iunits = RS().prob.opt.IUNITS;
  if (iunits == US_UNITS) Value("Length of Section", p.rd_Length / 12.0, fmt::A(" ft", 8));
  else if (iunits == SI_UNITS) Value("Length of Section", p.rd_Length, fmt::A(" m", 8));
  else Value("Length of Section", p.rd_Length, fmt::A(" L", 8));
}

// Distance between the centres of bar 1 and its neighbour on the circle less
// the bar diameter; 0 when the layout has no neighbour.
double fn_Edge_Spacing(double bar_diameter) {
  const EI_Vars& EI = RS().sec.EI;
  int k = 2;
  if (EI.b_BarsOnCircle != L_FALSE && EI.i_BarsPerPosition >= 1 && EI.i_BarsPerPosition <= 3)
    k = EI.i_BarsPerPosition + 1;
  if (EI.i_NumBars < k || k > MAX_BARS) return 0.0;
  const double dx = EI.rd_BarX[k] - EI.rd_BarX[1], dy = EI.rd_BarY[k] - EI.rd_BarY[1];
  return std::sqrt(dx * dx + dy * dy) - bar_diameter;
}

void Bar_Spacing_Lines(double bar_diameter) {
  const EI_Vars& EI = RS().sec.EI;
  const double spacing = fn_Edge_Spacing(bar_diameter);
  Value("Edge-to-Edge Bar Spacing", spacing, U(UNIT_LENGTH));
  Value("Maximum Concrete Aggregate Size", EI.rd_AggregateSize, U(UNIT_LENGTH));
  if (EI.rd_AggregateSize > 0.0)
    Value("Ratio of Bar Spacing to Aggregate Size", spacing / EI.rd_AggregateSize, "");
  Value("Rebar Cage Offset from Center of Pile", EI.rd_CageOffset, U(UNIT_LENGTH));
}

double fn_Single_Bar_Area() {
  const EI_Vars& EI = RS().sec.EI;
  return EI.i_NumBars >= 1 ? EI.rd_BarArea[1] : 0.0;
}

double fn_Single_Bar_Diameter() {
  const EI_Vars& EI = RS().sec.EI;
  return EI.i_NumBars >= 1 ? EI.rd_BarDiameter[1] : 0.0;
}

// Bar diameter from the single bar area by the bar table, in section units.
double fn_Table_Bar_Diameter(double area) {
  if (!SI()) return fn_Bar_Diameter_From_Area(area);
  return fn_Bar_Diameter_From_Area(area * IN_PER_M * IN_PER_M) / IN_PER_M;
}

double fn_Circle_Area(double D) { return PI * D * D / 4.0; }

// Bar positions of drilled shafts (types 1-3).
void Bar_Position_Table() {
  const EI_Vars& EI = RS().sec.EI;
  const int32_t n = EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS;
  if (n < 1) return;
  auto coord = [](double v) { return std::fabs(v) <= 1e-5 ? 0.0 : v; };
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Reinforcing Bar Dimensions and Positions Used in Computations:");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "     Bar          Bar Diam.      Bar Area          X              Y     ");
  Write_Line(CH_REPORT, SI() ? "    Number         meters         sq. m.         meters         meters  "
                             : "    Number         inches         sq. in.        inches         inches  ");
  Write_Line(CH_REPORT, "    ------      ----------     ----------     ----------     ----------  ");
  for (int32_t b = 1; b <= n; ++b)
    Write_Line(CH_REPORT, fmt::I(b, 8) + fmt::F(EI.rd_BarDiameter[b], 17, 5) +
                              fmt::F(EI.rd_BarArea[b], 16, SI() ? 8 : 5) + fmt::F(coord(EI.rd_BarX[b]), 14, 5) +
                              fmt::F(coord(EI.rd_BarY[b]), 15, 5));
}

// Bars of a rectangular pile given in a noncircular pattern.
void Write_Bar_Details_Table(const Pile_Section_Record& p) {
  const EI_Vars& EI = RS().sec.EI;
  const int32_t n = EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS;
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Reinforcing Bar Details:");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y");
  std::string units = "  Number           Index";
  Place(units, U(UNIT_LENGTH), 43);
  Place(units, U(UNIT_AREA), 59);
  Place(units, U(UNIT_LENGTH), 74);
  Place(units, U(UNIT_LENGTH), 91);
  Write_Line(CH_REPORT, units);
  Write_Line(CH_REPORT, std::string(91, '-'));
  for (int32_t b = 1; b <= n; ++b)
    Write_Line(CH_REPORT, fmt::I(b, 6) + fmt::I(p.Bar[b].i_SizeCode, 17) +
                              fmt::F(EI.rd_BarDiameter[b], 20, 5) +
                              fmt::F(EI.rd_BarArea[b], 16, SI() ? 8 : 5) + fmt::F(EI.rd_BarX[b], 15, 5) +
                              fmt::F(EI.rd_BarY[b], 17, 5));
}

// Point table columns of the loaded section: the base eight columns of a
// concrete section, then casing and core stresses; the pipe has five.
void Heading_Lines(std::string (&h)[4]) {
  const EI_Vars& EI = RS().sec.EI;
  const int32_t shape = EI.i_AnalysisShape;
  const std::string base[4] = {
      "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max "
      "Concrete   Max Steel  ",
      "   Curvature      Moment       Stiffness       N Axis        Strain        Strain        "
      "Stress        Stress   ",
      SI() ? "     rad/m         kN-m          kN-m2           m            m/m           m/m           "
             "kPa           kPa     "
           : "    rad/in.       in-kip        kip-in2          in          in/in         in/in          "
             "ksi           ksi     ",
      " ------------- ------------- ------------- ------------- ------------- ------------- "
      "------------- -------------"};
  const std::string tail[4] = {"  Run", "  Msg", SI() ? "     " : "      ", "  ---"};
  const std::string stress_unit = SI() ? "      kPa     " : "      ksi     ";
  std::string extra[4];
  auto add = [&](const std::string& name) {
    extra[0] += name;
    extra[1] += "     Stress   ";
    extra[2] += stress_unit;
    extra[3] += " -------------";
  };
  if (shape == SHAPE_STEEL_PIPE) {
    for (int i = 0; i < 4; ++i) h[i] = base[i].substr(0, 56);
    add("  Max Total   ");
  } else {
    for (int i = 0; i < 4; ++i) h[i] = base[i];
    if (shape == SHAPE_CIRCLE_CASING || shape == SHAPE_CIRCLE_CASING_CORE) add("  Max Casing  ");
    if (shape == SHAPE_CIRCLE_CASING_CORE) add("   Max Core   ");
  }
  for (int i = 0; i < 4; ++i) h[i] += extra[i] + tail[i];
}

// Factored capacity and the bending stiffness at the factored moment of thrust t.
double fn_EI_At_Moment(int t, double M) {
  const Moment_Curvature_State& mc = MC_State();
  const int K = mc.i_Number_of_Points[t];
  if (K < 1) return 0.0;
  for (int p = 2; p <= K; ++p) {
    const Moment_Curvature_Point &a = mc.point(t, p - 1), &b = mc.point(t, p);
    if (b.rd_Moment >= M) {
      if (b.rd_Moment == a.rd_Moment) return b.rd_EI;
      return a.rd_EI + (b.rd_EI - a.rd_EI) * (M - a.rd_Moment) / (b.rd_Moment - a.rd_Moment);
    }
  }
  return mc.point(t, K).rd_EI;
}

}  // namespace

double fn_Bar_Diameter_From_Area(double area) {
  struct Bar_Size {
    float area, diameter;
  };
  static const Bar_Size table[] = {
      {0.11f, 0.375f},          {0.2f, 0.5f},             {0.31f, 0.625f},          {0.44f, 0.75f},
      {0.6f, 0.875f},           {0.79f, 1.0f},            {1.0f, 1.128f},           {1.27f, 1.27f},
      {1.56f, 1.41f},           {2.25f, 1.693f},          {4.0f, 2.257f},           {0.1550003f, 0.4448819f},
      {0.3100006f, 0.6299213f}, {0.4650010f, 0.7677166f}, {0.7750016f, 0.9921260f}, {1.085002f, 1.177165f},
      {1.550003f, 1.405512f},   {2.325005f, 1.720472f},   {3.875008f, 2.220473f},   {0.04340009f, 0.2362205f},
      {0.07750016f, 0.3149607f}, {0.1224502f, 0.3937008f}, {0.1751504f, 0.4724410f}, {0.2387005f, 0.5511811f},
      {0.3115506f, 0.6299213f}, {0.4867010f, 0.7874016f}, {0.7610516f, 0.9842520f}, {1.246203f, 1.259843f},
      {1.946804f, 1.574803f},   {0.04908860f, 0.25f},     {0.1105617f, 0.3751969f}, {0.1963854f, 0.5f},
      {0.3078306f, 0.6259843f}, {0.4440759f, 0.7519685f}, {0.6000062f, 0.8740157f}, {0.7853866f, 1.0f},
      {0.9957221f, 1.125984f},  {1.231012f, 1.251969f},   {1.482733f, 1.374016f},   {1.767004f, 1.503937f},
      {2.077004f, 1.625984f}};
  if (area < 0.0) return 0.0;
  for (const Bar_Size& b : table)
    if (std::fabs(area - double(b.area)) < 1e-6) return double(b.diameter);
  return std::sqrt(4.0 * area / PI);
}

void Write_Dimension_Block(int s) {
  const Run_State& R = RS();
  const EI_Vars& EI = R.sec.EI;
  const Pile_Section_Record& p = R.prob.sec.Pile_Section[s];
  const std::string L = U(UNIT_LENGTH), S = U(UNIT_STRESS), A = U(UNIT_AREA), I4 = U(UNIT_INERTIA);
  const std::string percent = fmt::A(" percent", 8);
  const int32_t type = EI.i_SectionType;
  const bool filled = EI.b_FillCoreWithConcrete != L_FALSE;
  static const char* const headings[] = {
      "Dimensions and Properties of Rectangular Concrete Pile:",
      "Dimensions and Properties of Drilled Shaft:",
      "Dimensions and Properties of Drilled Shaft with Permanent Casing:",
      "",
      "Dimensions and Properties of Steel Pipe Pile:",
      "Dimensions and Properties of Circular Prestressed Pile:",
      "Dimensions and Properties of Hollow Core Circular Prestressed Pile:",
      "Dimensions of Square Prestressed Pile Section:",
      "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
      "Dimensions and Properties of Octagonal Prestressed Pile:",
      "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:"};
  if (type < 0 || type > 10) return;
  if (type == 3)
    Write_Section_Heading(filled ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                                 : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:");
  else
    Write_Section_Heading(headings[type]);
  Write_Line(CH_REPORT);
  Length_Of_Section(p);

  switch (type) {
    case 0: {
      const double fc_ksi = SI() ? EI.rd_fc / KPA_PER_KSI : EI.rd_fc;
      const double fr = SI() ? -51.71067877581686 * std::sqrt(1000.0 * fc_ksi)
                             : double(-0.0075f) * std::sqrt(1000.0 * fc_ksi);
      Value("Depth of Section", EI.rd_D, L);
      Value("Width of Section", EI.rd_B, L);
      Count("Number of Reinforcing Bars", EI.i_NumBars, " bars");
      Value("Yield Stress of Reinforcing Bars", EI.rd_BarFy, S);
      Value("Modulus of Elasticity of Reinforcing Bars", EI.rd_BarEs, S);
      Value("Compressive Strength of Concrete", EI.rd_fc, S);
      Value("Modulus of Rupture of Concrete", fr, S);
      Value("Gross Area of Pile", EI.rd_GrossArea, A);
      Value("Total Area of Reinforcing Steel", EI.rd_BarAreaSum, A);
      Value("Area Ratio of Steel Reinforcement", EI.rd_SteelRatio, percent);
      break;
    }
    case 1:
      Value("Shaft Diameter ", EI.rd_D, L);
      Value("Concrete Cover Thickness", EI.rd_Cover, L);
      Count("Number of Reinforcing Bars", EI.i_NumBars);
      Value("Yield Stress of Reinforcing Bars", EI.rd_BarFy, S);
      Value("Modulus of Elasticity of Reinforcing Bars", EI.rd_BarEs, S);
      Value("Gross Area of Shaft", EI.rd_GrossArea, A);
      Value("Total Area of Reinforcing Steel", EI.rd_BarAreaSum, A);
      Value("Area Ratio of Steel Reinforcement ", EI.rd_SteelRatio, percent);
      Bar_Spacing_Lines(fn_Single_Bar_Diameter());
      break;
    case 2: {
      const double concrete = fn_Circle_Area(EI.rd_D) - EI.rd_CasingArea - EI.rd_BarAreaSum;
      const double steel = EI.rd_CasingArea + EI.rd_BarAreaSum;
      Value("Outer Diameter of Casing", EI.rd_D, L);
      Value("Concrete Cover Thickness Inside Casing", EI.rd_Cover, L);
      Value("Casing Wall Thickness", EI.rd_CasingThickness, L);
      Value("Moment of Inertia of Steel Casing", EI.rd_CasingInertia, I4);
      Value("Yield Stress of Casing", EI.rd_CasingFy, S);
      Value("Elastic Modulus of Casing", EI.rd_CasingE, S);
      Count("Number of Reinforcing Bars", EI.i_NumBars);
      Value("Area of Single Reinforcing Bar", fn_Single_Bar_Area(), A);
      Bar_Spacing_Lines(fn_Table_Bar_Diameter(fn_Single_Bar_Area()));
      Value("Yield Stress of Reinforcing Bars", EI.rd_BarFy, S);
      Value("Elastic Modulus of Reinforcing Bars", EI.rd_BarEs, S);
      Value("Area of Concrete", concrete, A);
      Value("Cross-sectional Area of Steel Casing", EI.rd_CasingArea, A);
      Value("Area of All Steel (Casing and Bars)", steel, A);
      Value("Area Ratio of All Steel", EI.rd_GrossArea > 0.0 ? 100.0 * steel / EI.rd_GrossArea : 0.0,
            percent);
      break;
    }
    case 3: {
      const double inside = EI.rd_CoreDiameter - 2.0 * EI.rd_CoreThickness;
      double concrete = fn_Circle_Area(EI.rd_D) - EI.rd_CasingArea - EI.rd_CoreArea - EI.rd_BarAreaSum;
      if (!filled) concrete -= fn_Circle_Area(inside);
      const double steel = EI.rd_CasingArea + EI.rd_CoreArea + EI.rd_BarAreaSum;
      Value("Outside Diameter of Casing", EI.rd_D, L);
      Value("Concrete Cover Thickness Inside Casing", EI.rd_Cover, L);
      Value("Casing Wall Thickness", EI.rd_CasingThickness, L);
      Value("Moment of Inertia of Steel Casing", EI.rd_CasingInertia, I4);
      Value("Outside Diameter of Core", EI.rd_CoreDiameter, L);
      Value("Core Wall Thickness", EI.rd_CoreThickness, L);
      Value("Moment of Inertia of Steel Core", EI.rd_CoreInertia, I4);
      Value("Yield Stress of Casing and Core", EI.rd_CasingFy, S);
      Value("Elastic Modulus of Casing and Core", EI.rd_CasingE, S);
      Count("Number of Reinforcing Bars", EI.i_NumBars);
      if (EI.i_NumBars >= 1) {
        Value("Area of Single Reinforcing Bar", fn_Single_Bar_Area(), A);
        Value("Area of All Reinforcing Bars", EI.rd_BarAreaSum, A);
        Bar_Spacing_Lines(fn_Single_Bar_Diameter());
        Value("Yield Stress of Reinforcing Bars", EI.rd_BarFy, S);
        Value("Elastic Modulus of Reinforcing Bars", EI.rd_BarEs, S);
      }
      Value("Area of Concrete", concrete, A);
      Value("Cross-sectional Area of Steel Casing", EI.rd_CasingArea, A);
      Value("Cross-sectional Area of Steel Core", EI.rd_CoreArea, A);
      Value("Area of All Steel (Casing, Core, and Bars)", steel, A);
      Value("Area Ratio of All Steel", EI.rd_GrossArea > 0.0 ? 100.0 * steel / EI.rd_GrossArea : 0.0,
            percent);
      Write_Line(CH_REPORT);
      Write_Line(CH_REPORT, filled ? "Note that the core is assumed to be filled with concrete"
                                   : "Note that the core is assumed to be void of concrete");
      break;
    }
    case 4:
      Value("Outer Diameter of Pipe", EI.rd_D, L);
      Value("Pipe Wall Thickness", EI.rd_CasingThickness, L);
      Value("Yield Stress of Pipe", EI.rd_CasingFy, S);
      Value("Elastic Modulus", EI.rd_CasingE, S);
      Value("Cross-sectional Area", EI.rd_PipeArea, A);
      Value("Moment of Inertia", EI.rd_PipeInertia, I4);
      Value("Elastic Bending Stiffness", EI.rd_CasingE * EI.rd_PipeInertia, U(UNIT_STIFFNESS));
      Value("Plastic Modulus, Z", EI.rd_PipeZ, Unit_Text(" in^3", " m^3"));
      Value("Plastic Moment Capacity = Fy Z", EI.rd_CasingFy * EI.rd_PipeZ, U(UNIT_MOMENT));
      break;
    case 5:
      Value("Diameter", EI.rd_D, L);
      break;
    case 6:
      Value("Outside Diameter", EI.rd_D, L);
      Value("Inside Diameter", EI.rd_VoidDiameter, L);
      break;
    case 7:
      Value("Pile Width", EI.rd_D, L);
      Value("Corner Chamfer", EI.rd_Chamfer, L);
      break;
    case 8:
      Value("Pile Width", EI.rd_D, L);
      Value("Corner Chamfer", EI.rd_Chamfer, L);
      Value("Inside Void Diameter", EI.rd_VoidDiameter, L);
      break;
    case 9:
      Value("Pile Width", EI.rd_D, L);
      break;
    default:
      Value("Pile Width", EI.rd_D, L);
      Value("Inside Void Diameter", EI.rd_VoidDiameter, L);
      break;
  }
}

void Write_Bar_Tables(int s) {
  const EI_Vars& EI = RS().sec.EI;
  const Pile_Section_Record& p = RS().prob.sec.Pile_Section[s];
  if (EI.i_SectionType >= 1 && EI.i_SectionType <= 3) Bar_Position_Table();
  if (EI.i_SectionType == 0 && p.i_RebarArrangement == REBAR_NONCIRCULAR && EI.i_NumBars >= 1)
    Write_Bar_Details_Table(p);
}

void Write_Concrete_Properties() {
  const EI_Vars& EI = RS().sec.EI;
  const std::string S = U(UNIT_STRESS);
  Write_Line(CH_REPORT);
  Write_Section_Heading("Concrete Properties:");
  Write_Line(CH_REPORT);
  Value("Compressive Strength of Concrete", EI.rd_fc, S);
  Value("Modulus of Elasticity of Concrete", EI.rd_Ec, S);
  Value(EI.i_MaterialKind >= 3 ? "Modulus of Rupture of Prestressed Concrete" : "Modulus of Rupture of Concrete",
        EI.rd_fr, S);
  Value("Compression Strain at Peak Stress", EI.rd_eps0, "");
  Value("Tensile Strain at Fracture of Concrete", EI.rd_epsCr, "");
  Value("Maximum Coarse Aggregate Size", EI.rd_AggregateSize, U(UNIT_LENGTH));
}

void Write_Run_Message_Definitions() {
  Write_Line(CH_REPORT);
  if (RS().sec.EI.i_AnalysisShape == SHAPE_STEEL_PIPE) {
    Write_Section_Heading("Definition of Run Messages:");
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Y = part of pipe section has yielded.");
    return;
  }
  Write_Section_Heading("Definitions of Run Messages and Notes:");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "   C = concrete in section has cracked in tension.");
  Write_Line(CH_REPORT, "   Y = stress in reinforcing steel has reached yield stress.");
  Write_Line(CH_REPORT, "   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ");
  Write_Line(CH_REPORT, "       reinforcement exceeds 0.005 while simultaneously compressive strain in ");
  Write_Line(CH_REPORT, "       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.");
  Write_Line(CH_REPORT, "   Z = depth of tensile zone in concrete section is less than 10 percent of section depth.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Bending Stiffness (EI) = Computed Bending Moment / Curvature.");
  Write_Line(CH_REPORT, "Position of neutral axis is measured from edge of compression side of pile.");
  Write_Line(CH_REPORT, "Compressive stresses and strains are positive in sign.");
  Write_Line(CH_REPORT, "Tensile stresses and strains are negative in sign.");
}

void Write_Point_Table_Heading(double P) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Axial Thrust Force = " + Number_Field(P, 14) + U(UNIT_FORCE));
  Write_Line(CH_REPORT);
  std::string h[4];
  Heading_Lines(h);
  for (const std::string& line : h) Write_Line(CH_REPORT, line);
}

void Append_Point_Table_Rows(std::string& out, const Moment_Curvature_State& mc, int t, int32_t shape) {
  const int K = mc.i_Number_of_Points[t];
  for (int p = 1; p <= K; ++p) {
    const Moment_Curvature_Point& pt = mc.point(t, p);
    out += Number_Field(pt.rd_Curvature, 14);
    out += Number_Field(pt.rd_Moment, 14);
    out += Number_Field(pt.rd_EI, 14);
    out += Number_Field(pt.rd_NeutralAxisDepth, 14);
    if (shape == SHAPE_STEEL_PIPE) {
      out += Number_Field(pt.rd_MaxCasingStress, 14);
    } else {
      out += Number_Field(pt.rd_CompStrain, 14);
      out += Number_Field(pt.rd_TensStrain, 14);
      out += Number_Field(pt.rd_MaxConcreteStress, 14);
      out += Number_Field(pt.rd_MaxBarStress, 14);
      if (shape == SHAPE_CIRCLE_CASING || shape == SHAPE_CIRCLE_CASING_CORE)
        out += Number_Field(pt.rd_MaxCasingStress, 14);
      if (shape == SHAPE_CIRCLE_CASING_CORE) out += Number_Field(pt.rd_MaxCoreStress, 14);
    }
    out += "  ";
    out += pt.Run_Message_Letters.view();
    out += '\n';
  }
}

void Write_Text_Lines(Channel ch, std::string_view text) {
  if (text.empty()) return;
  if (text.back() == '\n') text.remove_suffix(1);
  Write_Line(ch, text);
}

void Write_Point_Table_Rows(int t) {
  std::string rows;
  Append_Point_Table_Rows(rows, MC_State(), t, RS().sec.EI.i_AnalysisShape);
  Write_Text_Lines(CH_REPORT, rows);
}

void Write_Capacity_Summary() {
  const Run_State& R = RS();
  const Moment_Curvature_State& mc = MC_State();
  const int s = R.sec.EI.i_Section;
  const int m = mc.i_Number_of_Thrusts;
  const std::string moment = SI() ? "kN-m" : "in-kip";
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT);
  Write_Section_Heading("Summary of Results for Nominal (Unfactored) Moment Capacity for Section " +
                        fmt::I0(s));
  Write_Line(CH_REPORT);

  if (R.sec.EI.i_AnalysisShape == SHAPE_STEEL_PIPE) {
    Write_Line(CH_REPORT, " Load           Axial Thrust        Nominal Mom. Cap.");
    std::string units = "  No.";
    Place(units, SI() ? "kN" : "kips", 28);
    Place(units, moment, 53);
    Write_Line(CH_REPORT, units);
    Write_Line(CH_REPORT, " ----    ---------------------  -----------------------");
    for (int t = 1; t <= m; ++t)
      Write_Line(CH_REPORT, fmt::I(t, 5) + fmt::X(9) + Number_Field(mc.rd_Thrust[t], 14) + fmt::X(11) +
                                Number_Field(mc.rd_Mn[t], 14));
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Note that the values in the above table are not factored by a strength");
    Write_Line(CH_REPORT, "reduction factor for LRFD.");
    Write_Line(CH_REPORT, "The value of the strength reduction factor depends on the provisions of the ");
    Write_Line(CH_REPORT, "LRFD code being followed.");
    Write_Line(CH_REPORT, "The above values should be multiplied by the appropriate strength reduction ");
    Write_Line(CH_REPORT, "factor to compute ultimate moment capacity according to the LRFD structural ");
    Write_Line(CH_REPORT, "design standard being followed.");
    return;
  }

  Write_Line(CH_REPORT, "Moment values interpolated at maximum compressive strain = 0.003");
  Write_Line(CH_REPORT, "or maximum developed moment if pile fails at smaller strains.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, " Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
  std::string units = "  No.";
  Place(units, SI() ? "kN" : "kips", 28);
  Place(units, moment, 53);
  Place(units, "Strain", 69);
  Write_Line(CH_REPORT, units);
  Write_Line(CH_REPORT, " ----    ---------------------  -----------------------  ----------");
  for (int t = 1; t <= m; ++t)
    Write_Line(CH_REPORT, fmt::I(t, 5) + fmt::X(9) + Number_Field(mc.rd_Thrust[t], 14) + fmt::X(11) +
                              Number_Field(mc.rd_Mn[t], 14) + fmt::X(2) +
                              Number_Field(mc.rd_StrainAtMn[t], 14));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Note note that the values of moment capacity in the table above are not ");
  Write_Line(CH_REPORT, "factored by a strength reduction factor (phi-factor).");
  Write_Line(CH_REPORT, "In ACI 318-08, the value of the strength reduction factor depends on whether ");
  Write_Line(CH_REPORT, "the transverse reinforcing steel bars are tied hoops (0.65) or spirals (0.70).");
  Write_Line(CH_REPORT, "The above values should be multiplied by the appropriate strength reduction ");
  Write_Line(CH_REPORT, "factor to compute ultimate moment capacity according to ACI 318-08, Section ");
  Write_Line(CH_REPORT, "9.3.2.2 or the value required by the design standard being followed.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "The following table presents factored moment capacities and corresponding ");
  Write_Line(CH_REPORT, "bending stiffnesses computed for common resistance factor values used for ");
  Write_Line(CH_REPORT, "reinforced concrete sections.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             " Axial     Resistance           Nominal           Ultimate (Factored)     Ultimate (Factored)     "
             "Bending Stiffness");
  Write_Line(CH_REPORT,
             " Load        Factor         Moment Capacity          Axial Thrust           Moment Capacity       "
             "at Ult. Mom. Cap.");
  std::string fu = "  No.";
  Place(fu, moment, 43);
  Place(fu, SI() ? "kN" : "kips", 65);
  Place(fu, moment, 91);
  Place(fu, SI() ? "kN-m2" : "kip-in2", 115);
  Write_Line(CH_REPORT, fu);
  Write_Line(CH_REPORT, std::string(115, '-'));
  const double factors[3] = {double(0.65f), double(0.70f), 0.75};
  for (int f = 0; f < 3; ++f) {
    if (f > 0) Write_Line(CH_REPORT);
    const double phi = factors[f];
    for (int t = 1; t <= m; ++t) {
      const double Mu = phi * mc.rd_Mn[t];
      Write_Line(CH_REPORT, fmt::I(t, 5) + fmt::F(phi, 15, 2) + fmt::X(9) + Number_Field(mc.rd_Mn[t], 14) +
                                fmt::X(8) + Number_Field(phi * mc.rd_Thrust[t], 14) + fmt::X(12) +
                                Number_Field(Mu, 14) + fmt::X(10) + Number_Field(fn_EI_At_Moment(t, Mu), 14));
    }
  }
}

}  // namespace ormyx
