// Echo of the pile sections: geometry, property points, the structural
// properties of every section type, and the zero-diameter check.
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/echo.h"

namespace ormyx {

std::string Section_Type_Name(int type, bool filled_core) {
  static const char* names[15] = {"Rectangular Concrete Pile",
                                  "Drilled Shaft (Bored Pile)",
                                  "Drilled Shaft with Permanent Casing",
                                  "Drilled Shaft with Casing and Concrete-filled Core",
                                  "Steel Pipe Pile",
                                  "Circular Solid Prestressed Pile",
                                  "Circular Hollow Prestressed Pile",
                                  "Square Solid Prestressed Pile",
                                  "Square Hollow Prestressed Pile",
                                  "Octagonal Solid Prestressed Pile",
                                  "Octagonal Hollow Prestressed Pile",
                                  "Elastic Pile",
                                  "Elastic with Specified Moment Capacity",
                                  "Pile with User-defined Nonlinear EI",
                                  "Micropile"};
  if (type == SECTION_CASED_SHAFT_CORE && !filled_core) return "Drilled Shaft with Casing and Void Core";
  if (type < 0 || type > 14) return "Undefined";
  return names[type];
}

namespace {

const char* Shape_Name(int shape) {
  switch (shape) {
    case ELASTIC_SHAPE_RECTANGULAR: return "Rectangular";
    case ELASTIC_SHAPE_CIRCULAR: return "Circular";
    case ELASTIC_SHAPE_CIRCULAR_PIPE: return "Circular Pipe";
    case ELASTIC_SHAPE_STRONG_H_PILE: return "Strong H-Pile";
    case ELASTIC_SHAPE_WEAK_H_PILE: return "Weak H-Pile";
    case ELASTIC_SHAPE_EMBEDDED_POLE: return "Embedded Circular Pole";
    default: return "Undefined";
  }
}

void Value_Line(const char* label, double v, const std::string& unit) {
  Write_Line(CH_REPORT, Labelled_Value_Line(label, Echo_Value(v), unit));
}

std::string Unit_Area() { return Unit_Dim() + "**2"; }
std::string Unit_Inertia() { return Unit_Dim() + "**4"; }

std::string Unit_EI() {
  switch (RS().prob.opt.IUNITS) {
    case US_UNITS: return "lb-in**2";
    case SI_UNITS: return "kN-m**2";
    case GENERIC_UNITS: return "F-L**2";
    default: return "";
  }
}

// Values of an elastic or elastic-plastic section, by its shape.
void Echo_Elastic_Values(const Pile_Section_Record& p) {
  const std::string dim = Unit_Dim();
  const std::string area = Unit_Area();
  const std::string inertia = Unit_Inertia();
  const int shape = p.i_ShapeCode;
  const bool h_pile = shape == ELASTIC_SHAPE_STRONG_H_PILE || shape == ELASTIC_SHAPE_WEAK_H_PILE;
  if (h_pile) {
    Value_Line("   Flange Width", p.rd_FlangeWidth, dim);
    Value_Line("   Section Depth", p.rd_TopDepth, dim);
    Value_Line("   Flange Thickness", p.rd_FlangeThickness, dim);
    Value_Line("   Web Thickness", p.rd_WebThickness, dim);
    Value_Line("   Section Area", p.rd_TopArea, area);
    Value_Line("   Moment of Inertia", p.rd_TopInertia, inertia);
  } else if (shape >= ELASTIC_SHAPE_RECTANGULAR && shape <= ELASTIC_SHAPE_EMBEDDED_POLE) {
    Value_Line("   Top Width", p.rd_TopWidth, dim);
    Value_Line("   Bottom Width", p.rd_BottomWidth, dim);
    if (shape == ELASTIC_SHAPE_RECTANGULAR) {
      Value_Line("   Top Section Depth", p.rd_TopDepth, dim);
      Value_Line("   Bottom Section Depth", p.rd_BottomDepth, dim);
    }
    if (shape == ELASTIC_SHAPE_CIRCULAR_PIPE) {
      Value_Line("   Wall Thickness at Top", p.rd_TopWallThickness, dim);
      Value_Line("   Wall Thickness at Bottom", p.rd_BottomWallThickness, dim);
    }
    Value_Line("   Top Area", p.rd_TopArea, area);
    Value_Line("   Bottom Area", p.rd_BottomArea, area);
    Value_Line("   Moment of Inertia at Top", p.rd_TopInertia, inertia);
    Value_Line("   Moment of Inertia at Bottom", p.rd_BottomInertia, inertia);
    if (shape == ELASTIC_SHAPE_EMBEDDED_POLE)
      Value_Line("   Drilled Hole Diameter", p.rd_DrilledHoleDiameter, dim);
  }
  Value_Line("   Elastic Modulus", p.rd_ElasticModulus, Unit_PSI());
  if (p.i_SectionType == SECTION_ELASTIC_PLASTIC) {
    if (h_pile) {
      Value_Line("   Plastic Moment Capacity", p.rd_TopPlasticMoment, Unit_Moment());
    } else {
      Value_Line("   Top Plastic Moment Capacity", p.rd_TopPlasticMoment, Unit_Moment());
      Value_Line("   Bot Plastic Moment Capacity", p.rd_BottomPlasticMoment, Unit_Moment());
    }
  }
}

// A user-defined nonlinear EI section: its thrust levels and tables. A table
// given as moment versus curvature gets its bending stiffnesses here,
// EI = M / phi (0 where phi = 0; a first EI of 0 takes that of point 2).
void Echo_User_EI(Pile_Section_Record& p) {
  const bool curvature_form = p.b_UserEI_MomentVsCurvature != 0;
  const int levels = fn_Clamped(p.i_Number_of_UserEI_Thrusts, MAX_USER_EI_THRUSTS);
  Write_Line(CH_REPORT, Labelled_Value_Line("   Number of Axial Thrusts",
                                            fmt::I(p.i_Number_of_UserEI_Thrusts, 12)));
  std::string moment_unit = Unit_Moment();
  std::string curvature_unit = Unit_Dim().empty() ? std::string() : "rad/" + Unit_Dim();
  for (int c = 1; c <= levels; ++c) {
    const int n = fn_Clamped(p.i_Number_of_UserEI_Points[c], MAX_USER_EI_POINTS);
    if (curvature_form) {
      for (int k = 1; k <= n; ++k) {
        double phi = p.rd_UserEI_Curvature(c, k);
        p.rd_UserEI_EI(c, k) = phi == 0.0 ? 0.0 : p.rd_UserEI_Moment(c, k) / phi;
      }
      if (n >= 2 && p.rd_UserEI_EI(c, 1) == 0.0) p.rd_UserEI_EI(c, 1) = p.rd_UserEI_EI(c, 2);
    }
    Write_Line(CH_REPORT);
    Value_Line("   Axial Thrust", p.rd_UserEI_Thrust[c], Unit_Force());
    Write_Line(CH_REPORT,
               Labelled_Value_Line(curvature_form ? "   Number of Moment-vs.-Curvature Points"
                                                  : "   Number of Moment-vs.-EI Points",
                                   fmt::I(p.i_Number_of_UserEI_Points[c], 12)));
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT,
               "   Point         Bending Moment         Bending Stiffness         Bending Curvature");
    std::string units = "    No.";
    units.resize(21, ' ');
    units += moment_unit;
    units.resize(44, ' ');
    units += Unit_EI();
    units.resize(70, ' ');
    units += curvature_unit;
    Write_Line(CH_REPORT, units);
    Write_Line(CH_REPORT, "   -----       ----------------       -----------------       -----------------");
    for (int k = 1; k <= n; ++k) {
      double m = p.rd_UserEI_Moment(c, k);
      double ei = p.rd_UserEI_EI(c, k);
      double phi = curvature_form ? p.rd_UserEI_Curvature(c, k) : (ei == 0.0 ? 0.0 : m / ei);
      Write_Line(CH_REPORT, fmt::I(k, 8) + fmt::E(m, 23, 6) + fmt::E(ei, 24, 6) +
                                fmt::E(phi, 24, 6));
    }
  }
}

void Echo_Section(int h) {
  Pile_Section_Record& p = RS().prob.sec.Pile_Section[h];
  const std::string dim = Unit_Dim();
  const std::string depth = Unit_Depth();
  const int type = p.i_SectionType;
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Pile Section No. " + fmt::I0(h) + ":");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Labelled_Value_Line("   Section Type",
                                            Section_Type_Name(type, p.b_FillCoreWithConcrete != 0)));
  if (type == SECTION_ELASTIC || type == SECTION_ELASTIC_PLASTIC) {
    Write_Line(CH_REPORT, Labelled_Value_Line("   Cross-sectional Shape", Shape_Name(p.i_ShapeCode)));
    Value_Line("   Section Length", p.rd_Length, depth);
    Echo_Elastic_Values(p);
    return;
  }
  Value_Line("   Section Length", p.rd_Length, depth);
  switch (type) {
    case SECTION_DRILLED_SHAFT:
    case SECTION_CASED_SHAFT:
    case SECTION_CASED_SHAFT_CORE:
      Value_Line("   Section Diameter", p.rd_Diameter, dim);
      break;
    case SECTION_STEEL_PIPE:
    case SECTION_PRESTRESSED_CIRCULAR:
      Value_Line("   Pile Diameter", p.rd_Diameter, dim);
      break;
    case SECTION_PRESTRESSED_CIRCULAR_HOLLOW:
      Value_Line("   Pile Diameter", p.rd_Diameter, dim);
      Value_Line("   Void Diameter", p.rd_VoidDiameter, dim);
      break;
    case SECTION_PRESTRESSED_SQUARE:
      Value_Line("   Pile Width", p.rd_Diameter, dim);
      Value_Line("   Corner Chamfer", p.rd_Chamfer, dim);
      break;
    case SECTION_PRESTRESSED_SQUARE_HOLLOW:
      Value_Line("   Pile Width", p.rd_Diameter, dim);
      Value_Line("   Void Diameter", p.rd_VoidDiameter, dim);
      Value_Line("   Corner Chamfer", p.rd_Chamfer, dim);
      break;
    case SECTION_PRESTRESSED_OCTAGONAL:
      Value_Line("   Pile Width", p.rd_Diameter, dim);
      break;
    case SECTION_PRESTRESSED_OCTAGONAL_HOLLOW:
      Value_Line("   Pile Width", p.rd_Diameter, dim);
      Value_Line("   Void Diameter", p.rd_VoidDiameter, dim);
      break;
    case SECTION_USER_EI:
      Value_Line("   Section Diameter", p.rd_Diameter, dim);
      Echo_User_EI(p);
      break;
    case SECTION_MICROPILE:
      Value_Line("   Section Width", p.rd_Diameter, dim);
      break;
    default:
      break;
  }
}

// Every property point needs a pile diameter above 0.
void Check_Zero_Diameters() {
  const Section_Records& sec = RS().prob.sec;
  const int n = fn_Clamped(sec.i_Number_of_Section_Points, MAX_SECTION_POINTS);
  bool zero = false;
  for (int i = 1; i <= n; ++i)
    if (!(sec.Section_Property_Points[i].rd_Diameter > 0.0)) zero = true;
  if (!zero) return;
  for (Channel ch : {CH_REPORT, CH_MESSAGE}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(27));
    Write_Line(ch);
    Write_Line(ch, "Problem:  Zero values for one of the following values were ");
    Write_Line(ch, "entered for one or more values of pile diameter.");
    Write_Line(ch);
    Write_Line(ch, "Solution:  NONE of these values may be zero.  Correct the ");
    Write_Line(ch, "pile property data in your input data.");
    Write_Line(ch);
  }
  Record_Input_Error(27);
}

}  // namespace

void Echo_Structural_Properties() {
  const Run_State& s = RS();
  const Section_Records& sec = s.prob.sec;
  const std::string depth = Unit_Depth();
  const std::string dim = Unit_Dim();
  Write_Block_Heading("Pile Structural Properties and Geometry", 0, 20);
  Write_Line(CH_REPORT, Labelled_Value_Line("Total number of pile sections",
                                            fmt::I(sec.i_Number_of_Sections, 12)));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Labelled_Value_Line("Total length of pile ",
                                            Echo_Value(sec.rd_PileLength), depth));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Labelled_Value_Line("Depth of ground surface below top of pile",
                                            Echo_Value(s.prob.soil.rd_GroundSurfaceDepth), depth));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Pile diameter values used for p-y curve computations are defined using " +
                            fmt::I0(sec.i_Number_of_Section_Points) + " points.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT,
             "p-y curves are computed using pile diameter values interpolated with depth over ");
  Write_Line(CH_REPORT, "the length of the pile.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Point         Depth              Pile   ");
  Write_Line(CH_REPORT, "                X              Diameter ");
  std::string units = " No.";
  units.resize(16, ' ');
  units += depth;
  units.resize(34, ' ');
  units += dim;
  Write_Line(CH_REPORT, units);
  Write_Line(CH_REPORT, "-----       ---------        -----------");
  const int np = fn_Clamped(sec.i_Number_of_Section_Points, MAX_SECTION_POINTS);
  for (int i = 1; i <= np; ++i) {
    const Section_Property_Point& pt = sec.Section_Property_Points[i];
    Write_Line(CH_REPORT, fmt::I(i, 5) + Echo_Value(pt.rd_X, 16) + Echo_Value(pt.rd_Diameter, 19));
  }
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Input Structural Properties:");
  Write_Line(CH_REPORT, "----------------------------");
  const int ns = fn_Clamped(sec.i_Number_of_Sections, MAX_SECTIONS);
  for (int h = 1; h <= ns; ++h) Echo_Section(h);
  Check_Zero_Diameters();
}

}  // namespace ormyx
