// Axial capacities of reinforced concrete and steel sections, and the value
// lines of the section blocks of the report.
#include <cmath>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_model.h"

namespace ormyx {

namespace {
constexpr double PI = 3.141592653589793;
constexpr double F085 = double(0.85f);
}  // namespace

std::string fn_Section_Unit(Section_Unit unit) {
  const bool si = RS().sec.EI.i_Units == SI_UNITS;
  const char* name = "";
  switch (unit) {
    case UNIT_NONE: return "";
    case UNIT_LENGTH: name = si ? " m" : " in"; break;
    case UNIT_STRESS: name = si ? " kPa" : " ksi"; break;
    case UNIT_FORCE: name = si ? " kN" : " kips"; break;
    case UNIT_AREA: name = si ? " sq. m" : " sq. in."; break;
    case UNIT_INERTIA: name = si ? " m^4" : " in^4"; break;
    case UNIT_MOMENT: name = si ? " kN-m" : " in-kip"; break;
    case UNIT_STIFFNESS: name = si ? "kN-m^2" : "kip-in^2"; break;
  }
  return fmt::A(name, 8);
}

void Write_Section_Text(const std::string& label, const std::string& text, int label_width) {
  std::string line = label;
  if (int(line.size()) < label_width) line.append(std::size_t(label_width) - line.size(), ' ');
  else line.push_back(' ');
  Write_Line(CH_REPORT, line + text);
}

void Write_Section_Value(const std::string& label, double value, const std::string& unit,
                         int label_width) {
  Write_Section_Text(label, "=" + Number_Field(value, 14) + unit, label_width);
}

void Write_Section_Heading(const std::string& heading) {
  Write_Line(CH_REPORT, heading);
  Write_Line(CH_REPORT, std::string(heading.size(), '-'));
}

void Compute_Axial_Capacities() {
  EI_Vars& EI = RS().sec.EI;
  if (EI.i_MaterialKind >= 3) {  // prestressed: capacities from the prestress computation
    EI.rd_Pcr = 0.0;
    return;
  }
  Compute_Derived_Geometry();
  const int32_t shape = EI.i_AnalysisShape;
  const bool si = EI.i_Units == SI_UNITS;
  const double fc = EI.rd_fc, fy = EI.rd_BarFy, Es = EI.rd_BarEs;
  const double D = EI.rd_D;

  // Ec and the cracking strain of the concrete, in the section's stress units.
  double Ec = 0.0, fr = 0.0;
  if (si) {
    const double root = std::sqrt(double(0.14503774f) * fc);
    fr = -51.71067953 * root;
    Ec = 393001.16443634 * root;
  } else {
    const double root = std::sqrt(1000.0 * fc);
    fr = C_FR_REINFORCED * root;
    Ec = 57.0 * root;
  }
  const double eps0 = Ec > 0.0 ? C_PEAK * fc / Ec : 0.0;
  const double epscr = fc > 0.0 ? -eps0 * (1.0 - std::sqrt(1.0 + fr / fc)) : 0.0;

  const double As = EI.rd_BarAreaSum;
  const double Ag = PI * D * D / 4.0;
  double Ac = 0.0, P0 = 0.0, T0 = 0.0, Pcr = 0.0;
  switch (shape) {
    case SHAPE_RECTANGLE: {
      const double BD = EI.rd_B * D;
      Ac = BD - As;
      P0 = F085 * fc * (BD - As) + fy * As;
      T0 = -fy * As;
      Pcr = (Es * As + Ec * Ac) * epscr;
      break;
    }
    case SHAPE_CIRCLE:
      Ac = Ag - As;
      P0 = F085 * fc * (Ag - As) + fy * As;
      T0 = -fy * As;
      Pcr = (Es * As + Ec * Ac) * epscr;
      break;
    case SHAPE_CIRCLE_CASING: {
      const double Acas = EI.rd_CasingArea;
      const double Dint = D - 2.0 * EI.rd_CasingThickness;
      Ac = Ag - Acas - As;
      P0 = EI.rd_CasingFy * Acas + F085 * fc * (PI * Dint * Dint / 4.0 - As) + fy * As;
      T0 = -(EI.rd_CasingFy * Acas + fy * As);
      Pcr = ((Acas + As) * Es + Ec * Ac) * epscr;
      break;
    }
    case SHAPE_CIRCLE_CASING_CORE: {
      const double Acas = EI.rd_CasingArea, Acore = EI.rd_CoreArea;
      const double Di = EI.rd_CoreDiameter - 2.0 * EI.rd_CoreThickness;
      if (EI.b_FillCoreWithConcrete != L_FALSE) Ac = Ag - Acas - Acore - As;
      else Ac = PI * (D * D - Di * Di) / 4.0 - Acas - Acore - As;
      P0 = EI.rd_CasingFy * Acas + EI.rd_CoreFy * Acore + fy * As + F085 * fc * Ac;
      T0 = -(EI.rd_CasingFy * Acas + EI.rd_CoreFy * Acore + fy * As);
      Pcr = ((Acas + Acore + As) * Es + Ec * Ac) * epscr;
      break;
    }
    case SHAPE_STEEL_PIPE:
      // Without a tensile capacity an analysis of bending stiffness only would
      // drop a thrust of 0; the pipe wall yields in tension as in compression.
      P0 = EI.rd_CasingFy * EI.rd_PipeArea;
      T0 = -EI.rd_CasingFy * EI.rd_PipeArea;
      Pcr = 0.0;
      break;
    default:
      break;
  }
  EI.rd_Ac = Ac;
  EI.rd_As = As;
  EI.rd_P0 = P0;
  EI.rd_T0 = T0;
  EI.rd_Pcr = Pcr;

  const std::string force = fn_Section_Unit(UNIT_FORCE);
  Write_Line(CH_REPORT);
  Write_Section_Heading("Axial Structural Capacities:");
  Write_Section_Value(shape == SHAPE_STEEL_PIPE ? "Nom. Axial Structural Capacity = Fy As"
                                                : "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
                      P0, force, 52);
  if (shape == SHAPE_RECTANGLE || shape == SHAPE_CIRCLE || shape == SHAPE_CIRCLE_CASING ||
      shape == SHAPE_CIRCLE_CASING_CORE) {
    Write_Section_Value("Tensile Load for Cracking of Concrete", Pcr, force, 52);
    Write_Section_Value("Nominal Axial Tensile Capacity", T0, force, 52);
  }
}

}  // namespace ormyx
