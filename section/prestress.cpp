// Prestressed sections: the strand details block, the strains caused by the
// effective prestress and the capacities estimated by the PCI equations.
#include <cmath>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

const char* Strand_Type_Text(int32_t type) {
  switch (type) {
    case 0: return "=    PCI 250";
    case 1: return "=    PCI 270";
    case 2: return "=    PCI 300";
    case 3: return "= Smooth 145 ksi bars";
    case 4: return "= Smooth 160 ksi bars";
    default: return "= Deformed bars (150-160 ksi)";
  }
}

// The PCI moment factor k of Mn = k h As fpu and its formula text. The
// octagonal piles print their own factor, so the text always matches the value.
double PCI_Moment_Factor(int32_t section_type, const char*& text) {
  switch (section_type) {
    case 5: text = "Mn = 0.32 D As fpu"; return double(0.32f);
    case 6: text = "Mn = 0.34 D As fpu"; return double(0.34f);
    case 7: text = "Mn = 0.37 D As fpu"; return double(0.37f);
    case 8: text = "Mn = 0.38 D As fpu"; return double(0.38f);
    case 9: text = "Mn = 0.32 D As fpu"; return double(0.32f);
    case 10: text = "Mn = 0.34 D As fpu"; return double(0.34f);
    default: text = ""; return 0.0;
  }
}

void Prestress_Area_Error(int n, const char* what, double area) {
  Write_Runtime_Error_Header(n);
  Write_Line(CH_REPORT, "An error occurred in prestressing computations");
  Write_Line(CH_REPORT, std::string("The computed area of ") + what +
                            " in the section is less than 0.0 = " + Number_Field(area, 14));
  Record_Runtime_Error(n);
}

void Write_Prestress_Block() {
  const EI_Vars& EI = RS().sec.EI;
  const bool si = EI.i_Units == SI_UNITS;
  const std::string force = fn_Section_Unit(UNIT_FORCE);
  const std::string stress = fn_Section_Unit(UNIT_STRESS);
  const std::string area = std::string(" Sq.") + (si ? " m" : " in");
  // Forces are held in pounds for US customary problems and in kN for SI.
  const double to_force_unit = si ? 1.0 : 0.001;
  constexpr int W = 55;
  Write_Line(CH_REPORT);
  Write_Section_Heading("Computation of Loss of Prestress:");
  Write_Section_Value("Initial Prestressing Force", EI.rd_Pi * to_force_unit, force, W);
  Write_Section_Value("Fraction of Loss of Prestress", EI.rd_LossFraction, "", W);
  Write_Section_Value("Effective Prestressing Force", EI.rd_Pe * to_force_unit, force, W);
  Write_Section_Value("Area of Concrete, Ac      ", EI.rd_SliceTotalConcrete, area, W);
  Write_Section_Value("Area of Steel, As         ", EI.rd_SliceTotalBars, area, W);
  Write_Section_Value("Stress in Concrete After Losses, f_pc", EI.rd_PrestrainConcrete * EI.rd_Ec,
                      stress, W);
  Write_Section_Value("Stress in Steel After Losses", EI.rd_PrestrainSteel * EI.rd_StrandEs, stress,
                      W);
  Write_Section_Value("Compressive Strain in Concrete", EI.rd_PrestrainConcrete, "", W);
  Write_Section_Value("Tensile Strain in Steel  ", EI.rd_PrestrainSteel, "", W);
  Write_Line(CH_REPORT);
  Write_Section_Heading("Estimated Structural Capacities Computed Using PCI Equations:");
  Write_Section_Value("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", EI.rd_P0, force, W);
  Write_Section_Value("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag", EI.rd_N_PCI, force, W);
  Write_Section_Value("Axial Capacity in Tension, Nt = As fpu", EI.rd_T0, force, W);
  Write_Section_Value("Nom. Moment Capacity, " + std::string(EI.MnFormula.trimmed()), EI.rd_Mn_PCI,
                      fn_Section_Unit(UNIT_MOMENT), W);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Note:  The above value of nominal moment capacity is based on equations that");
  Write_Line(CH_REPORT, "assume a concrete compressive strength of 6,000 psi (41.4 MPa), a prestressing");
  Write_Line(CH_REPORT, "level after losses of 700 psi (4.83 MPa), and an axial thrust loading of zero. ");
  Write_Line(CH_REPORT, "When different values for these factors are input, the estimated value of Mn ");
  Write_Line(CH_REPORT, "may differ greatly from the capacity computed by Ormyx and should be considered ");
  Write_Line(CH_REPORT, "only as an approximate check.");
}

}  // namespace

void Write_Strand_Details() {
  const EI_Vars& EI = RS().sec.EI;
  const bool si = EI.i_Units == SI_UNITS;
  const std::string length = fn_Section_Unit(UNIT_LENGTH);
  constexpr int W = 45;
  Write_Line(CH_REPORT);
  Write_Section_Heading("Prestressing Strand Details:");
  Write_Section_Text("Strand Type", Strand_Type_Text(EI.i_StrandType), W);
  Write_Section_Value("Yield Stress, fpu", EI.rd_fpu, fn_Section_Unit(UNIT_STRESS), W);
  switch (EI.i_StrandType) {
    case 0:
      Write_Line(CH_REPORT, "Stress-strain curve for reinforcement defined using PCI 250 Lo-lax equation");
      Write_Line(CH_REPORT, "If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)");
      break;
    case 1:
      Write_Line(CH_REPORT, "Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation");
      Write_Line(CH_REPORT, "If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)");
      break;
    case 2:
      Write_Line(CH_REPORT, "Stress-strain curve for reinforcement defined using grade 300 equation");
      Write_Line(CH_REPORT, "If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)");
      break;
    default:
      break;
  }
  Write_Section_Text("Number of Reinforcing Strands", "=" + fmt::I(EI.i_NumStrands, 14), W);
  Write_Section_Value("Cross-sectional Area of Single Strand", EI.rd_StrandArea,
                      fn_Section_Unit(UNIT_AREA), W);
  Write_Section_Value("Concrete Cover Thickness Over Strands", EI.rd_StrandCover, length, W);
  Write_Line(CH_REPORT);
  Write_Section_Heading("Prestressing Strand Geometry:");
  Write_Line(CH_REPORT, "Strand     Diameter       Area            X             Y");
  Write_Line(CH_REPORT, si ? "  No.       meters        sq. m.         meters        meters"
                           : "  No.       inches        sq. in.        inches        inches");
  Write_Line(CH_REPORT, "------  ------------- ------------- ------------- -------------");
  const int32_t n = EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS;
  for (int32_t k = 1; k <= n; ++k)
    Write_Line(CH_REPORT, fmt::I(k, 5) + " " + Number_Field(EI.rd_BarDiameter[k], 14) +
                              Number_Field(EI.rd_BarArea[k], 14) + Number_Field(EI.rd_BarX[k], 14) +
                              Number_Field(EI.rd_BarY[k], 14));
}

void Calculate_Strains_Due_To_Prestressing() {
  Run_State& R = RS();
  EI_Vars& EI = R.sec.EI;
  const double Ac = EI.rd_SliceTotalConcrete;
  const double Aps = EI.rd_SliceTotalBars;
  if (!(Ac > 0.0)) {
    Prestress_Area_Error(14, "concrete", Ac);
    return;
  }
  if (!(Aps > 0.0)) {
    Prestress_Area_Error(15, "steel", Aps);
    return;
  }
  EI.rd_Pe = (1.0 - EI.rd_LossFraction) * EI.rd_Pi;
  // US customary forces are in pounds, stresses in ksi.
  const double k = EI.i_Units == SI_UNITS ? 1.0 : 1000.0;
  EI.rd_PrestrainSteel = -EI.rd_Pe / (k * EI.rd_StrandEs * Aps);
  EI.rd_PrestrainSteelInitial = EI.rd_PrestrainSteel;
  EI.rd_PrestrainConcrete = EI.rd_Pe / (k * EI.rd_Ec * Ac);
  const double fpc = EI.rd_Ec * EI.rd_PrestrainConcrete;
  EI.rd_P0 = (double(0.85f) * EI.rd_fc - double(0.6f) * fpc) * (Ac + Aps);
  EI.rd_N_PCI = (double(0.33f) * EI.rd_fc - double(0.27f) * fpc) * (Ac + Aps);
  EI.rd_T0 = -Aps * EI.rd_fpu;
  EI.rd_Pcr = 0.0;
  EI.rd_Ac = Ac;
  EI.rd_As = Aps;
  const char* text = "";
  EI.rd_PCI_k = PCI_Moment_Factor(EI.i_SectionType, text);
  EI.MnFormula.set(std::string_view(text));
  EI.rd_Mn_PCI = EI.rd_PCI_k * EI.rd_SectionDepth * Aps * EI.rd_fpu;
  if (R.sec.b_PrestressBlockPrinted == L_FALSE) {
    Write_Prestress_Block();
    R.sec.b_PrestressBlockPrinted = L_TRUE;
  }
}

}  // namespace ormyx
