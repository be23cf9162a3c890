// Loading of one pile section into the working state EI_Vars: the analysis
// shape and codes of its type, dimensions, materials in the analysis units
// and the bars or strands.
#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

void Report_No_Section_Model(int32_t section, int32_t type) {
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(45));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "An error was detected in the input data.");
  if (type == 14)
    Write_Line(CH_REPORT, "Problem:  Section " + fmt::I0(section) +
                              " is a micropile, for which no cross-section model is available.");
  else
    Write_Line(CH_REPORT, "Problem:  Section " + fmt::I0(section) + " has the section type " +
                              fmt::I0(type) + ", for which no cross-section model is available.");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Solution:  Describe the section with one of the section types 0 to 13.");
  Write_Line(CH_REPORT);
  Record_Input_Error(45);
}

// Strand type 0..5 of the grade code, and the material kind it selects.
void Load_Strands(const Pile_Section_Record& p, bool si) {
  EI_Vars& EI = RS().sec.EI;
  EI.i_StrandType = p.i_StrandGrade;
  EI.i_MaterialKind = MATERIAL_PRESTRESSED_FIRST + p.i_StrandGrade;
  // The grade code of deformed bars runs from 1: size code 0 is grade code 1.
  EI.i_BarGradeCode = p.i_StrandSize + 1;
  // fpu is given in psi in every unit system.
  EI.rd_fpu = si ? p.rd_Strand_fpu * 6.89475732421875 : p.rd_Strand_fpu / 1000.0;
  EI.rd_StrandEs = p.rd_StrandModulus;
  EI.i_NumStrands = p.i_Number_of_Strands;
  EI.rd_StrandArea = p.rd_StrandArea;
  EI.rd_StrandCover = p.rd_StrandCover;
  EI.rd_Pi = p.rd_InitialPrestressForce;
  EI.rd_LossFraction = p.rd_PrestressLossFraction;
  EI.rd_Pe = (1.0 - EI.rd_LossFraction) * EI.rd_Pi;
  EI.rd_BarFy = EI.rd_fpu;
  EI.rd_BarEs = EI.rd_StrandEs;
  EI.i_NumBars = p.i_Number_of_Strands;
  for (int32_t k = 1; k <= EI.i_NumBars; ++k) {
    const Section_Bar& s = p.Strand[k];
    EI.rd_BarDiameter[k] = s.rd_Diameter;
    EI.rd_BarArea[k] = EI.rd_StrandArea;
    EI.rd_LayoutX[k] = s.rd_X;
    EI.rd_LayoutY[k] = s.rd_Y;
  }
}

void Load_Bars(const Pile_Section_Record& p, double stress_divisor) {
  EI_Vars& EI = RS().sec.EI;
  EI.rd_BarFy = p.rd_BarYieldStress / stress_divisor;
  EI.rd_BarEs = p.rd_BarModulus / stress_divisor;
  EI.rd_Cover = p.rd_ConcreteCover;
  EI.rd_CageOffset = p.rd_CageOffset;
  EI.b_BarsOnCircle = p.i_RebarArrangement == REBAR_CIRCLE ? L_TRUE : L_FALSE;
  // The bar positions of the section input already include the cage offset.
  EI.b_LayoutIncludesOffset = L_TRUE;
  EI.i_BarPositions = p.i_BarPositions;
  EI.i_BarsPerPosition = p.i_BarsPerPosition;
  EI.i_NumBars = p.i_RebarArrangement == REBAR_NONE ? 0 : p.i_Number_of_Bars;
  for (int32_t b = 1; b <= EI.i_NumBars; ++b) {
    const Section_Bar& s = p.Bar[b];
    EI.rd_BarDiameter[b] = s.rd_Diameter;
    EI.rd_BarArea[b] = s.rd_Area;
    EI.rd_LayoutX[b] = s.rd_X;
    EI.rd_LayoutY[b] = s.rd_Y;
  }
}

}  // namespace

void Load_EI_Vars(int32_t section) {
  Run_State& R = RS();
  EI_Vars& EI = R.sec.EI;
  EI = EI_Vars();
  EI.i_Section = section;
  if (section < 1 || section > R.prob.sec.i_Number_of_Sections || section > MAX_SECTIONS) {
    Report_No_Section_Model(section, -1);
    return;
  }
  const Pile_Section_Record& p = R.prob.sec.Pile_Section[section];
  const int32_t type = p.i_SectionType;
  EI.i_SectionType = type;
  if (type < 0 || type > 13) {
    Report_No_Section_Model(section, type);
    return;
  }
  const bool prestressed = type >= 5 && type <= 10;
  const bool with_bars = type <= 3;
  const int32_t count = prestressed ? p.i_Number_of_Strands : with_bars ? p.i_Number_of_Bars : 0;
  if ((prestressed || (with_bars && p.i_RebarArrangement != REBAR_NONE)) && count > MAX_BARS) {
    Report_Too_Many_Bars(count);
    return;
  }

  // Working units: in, kips, ksi (US customary; generic units likewise) or
  // m, kN, kPa (SI). Input stresses in psi become ksi.
  const bool si = R.prob.opt.IUNITS == SI_UNITS;
  EI.i_Units = si ? SI_UNITS : US_UNITS;
  const double scale = si ? 1.0 : 1000.0;  // divisor of the input stresses

  EI.rd_D = p.rd_Diameter;
  EI.rd_B = p.rd_Diameter;
  EI.rd_fc = p.rd_fc / scale;
  EI.rd_AggregateSize = p.rd_MaxAggregateSize;
  EI.i_ConcreteModel = CONCRETE_BUILT_IN;
  EI.i_CoreConcreteModel = CONCRETE_NONE;
  switch (type) {
    case 0:
      EI.i_AnalysisShape = SHAPE_RECTANGLE;
      EI.i_EICode = 1;
      EI.rd_B = p.rd_WidthOfSection;
      break;
    case 1:
      EI.i_AnalysisShape = SHAPE_CIRCLE;
      EI.i_EICode = 2;
      break;
    case 2:
      EI.i_AnalysisShape = SHAPE_CIRCLE_CASING;
      EI.i_EICode = 3;
      break;
    case 3:
      EI.i_AnalysisShape = SHAPE_CIRCLE_CASING_CORE;
      EI.i_EICode = 4;
      EI.rd_CoreDiameter = p.rd_CoreDiameter;
      EI.rd_CoreThickness = p.rd_CoreThickness;
      EI.rd_CoreFy = p.rd_CoreYieldStress / scale;
      EI.rd_CoreE = p.rd_CoreModulus / scale;
      EI.b_FillCoreWithConcrete = p.b_FillCoreWithConcrete != L_FALSE ? L_TRUE : L_FALSE;
      if (EI.b_FillCoreWithConcrete) EI.i_CoreConcreteModel = CONCRETE_BUILT_IN;
      break;
    case 4:
      EI.i_AnalysisShape = SHAPE_STEEL_PIPE;
      EI.i_EICode = 5;
      EI.i_MaterialKind = MATERIAL_STEEL;
      EI.i_ConcreteModel = CONCRETE_NONE;
      break;
    case 5:
      EI.i_AnalysisShape = SHAPE_CIRCLE;
      EI.i_EICode = 6;
      break;
    case 6:
      EI.i_AnalysisShape = SHAPE_CIRCLE_VOID;
      EI.i_EICode = 7;
      break;
    case 7:
      EI.i_AnalysisShape = p.rd_Chamfer == 0.0 ? SHAPE_RECTANGLE : SHAPE_POLYGON;
      EI.i_EICode = 8;
      break;
    case 8:
      EI.i_AnalysisShape = p.rd_Chamfer == 0.0 ? SHAPE_RECTANGLE_VOID : SHAPE_POLYGON_VOID;
      EI.i_EICode = 9;
      break;
    case 9:
      EI.i_AnalysisShape = SHAPE_POLYGON;
      EI.i_EICode = 8;
      break;
    case 10:
      EI.i_AnalysisShape = SHAPE_POLYGON_VOID;
      EI.i_EICode = 9;
      break;
    default:  // 11, 12, 13: sections without slices
      EI.i_EICode = type + 1;
      EI.i_ConcreteModel = CONCRETE_NONE;
      return;
  }
  if (type == 2 || type == 3 || type == 4) {
    EI.rd_CasingDiameter = p.rd_Diameter;
    EI.rd_CasingThickness = p.rd_WallThickness;
    EI.rd_CasingFy = p.rd_SteelYieldStress / scale;
    EI.rd_CasingE = p.rd_SteelModulus / scale;
  }
  if (type == 6 || type == 8 || type == 10) EI.rd_VoidDiameter = p.rd_VoidDiameter;
  if (type == 7 || type == 8) EI.rd_Chamfer = p.rd_Chamfer;
  if (with_bars) {
    EI.i_MaterialKind = MATERIAL_REINFORCED;
    Load_Bars(p, scale);
  }
  if (prestressed) Load_Strands(p, si);

  Build_Section_Outline();
  Copy_Working_Bars();
  Compute_Derived_Geometry();
}

}  // namespace ormyx
