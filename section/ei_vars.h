// EI_Vars: the working state of the pile section being analysed. It holds the
// section reduced to its analysis shape (outline, void, casing, core, bars),
// the slices cut from it, the material constants, the capacities and the
// results of the current curvature point. Overwritten section by section.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int NUM_SLICES = 100;      // slices of every nonlinear section
inline constexpr int MAX_BARS = 300;        // bars or strands of one section
inline constexpr int MAX_POLY_POINTS = 8;   // corners of the outline polygon

// Analysis shapes (i_AnalysisShape).
inline constexpr int SHAPE_RECTANGLE = 1;
inline constexpr int SHAPE_RECTANGLE_VOID = 2;
inline constexpr int SHAPE_CIRCLE = 3;
inline constexpr int SHAPE_CIRCLE_VOID = 5;
inline constexpr int SHAPE_CIRCLE_CASING = 6;
inline constexpr int SHAPE_CIRCLE_CASING_CORE = 7;
inline constexpr int SHAPE_STEEL_PIPE = 9;
inline constexpr int SHAPE_POLYGON = 10;
inline constexpr int SHAPE_POLYGON_VOID = 11;

// Material kinds (i_MaterialKind): 1 steel pipe, 2 reinforced concrete,
// 4..9 prestressed with strand type 0..5.
inline constexpr int MATERIAL_STEEL = 1;
inline constexpr int MATERIAL_REINFORCED = 2;
inline constexpr int MATERIAL_PRESTRESSED_FIRST = 4;

// Concrete model codes (i_ConcreteModel).
inline constexpr int CONCRETE_NONE = 1;
inline constexpr int CONCRETE_BUILT_IN = 2;

// kPa per ksi (the single-precision value of 6894.757).
inline constexpr double KPA_PER_KSI = 6894.75732421875;

using Slice_Array = List<double, NUM_SLICES>;
using Bar_Array = List<double, MAX_BARS>;

struct EI_Vars {
  // Identity and codes.
  int32_t i_Section = 0;        // 1-based section index
  int32_t i_SectionType = 0;    // section type 0..14 of the input
  int32_t i_AnalysisShape = 0;
  int32_t i_MaterialKind = 0;
  int32_t i_EICode = 0;
  int32_t i_ConcreteModel = CONCRETE_NONE;      // outer concrete
  int32_t i_CoreConcreteModel = CONCRETE_NONE;  // concrete inside a filled core
  int32_t i_Units = 1;          // US_UNITS (in, kips, ksi) or SI_UNITS (m, kN, kPa)

  // Outer dimensions (length units: in or m).
  double rd_D = 0.0;            // diameter, width across flats, depth of a rectangle
  double rd_B = 0.0;            // width of a rectangle, perpendicular to bending
  double rd_Chamfer = 0.0;      // corner chamfer of a square prestressed pile
  double rd_SectionDepth = 0.0; // h, extent in the bending direction

  // Casing (shapes 6, 7) or pipe (shape 9).
  double rd_CasingDiameter = 0.0;
  double rd_CasingThickness = 0.0;
  double rd_CasingFy = 0.0;
  double rd_CasingE = 0.0;

  // Core of a section with casing and core (shape 7), centred on the section.
  double rd_CoreDiameter = 0.0;
  double rd_CoreThickness = 0.0;
  double rd_CoreFy = 0.0;
  double rd_CoreE = 0.0;
  int32_t b_FillCoreWithConcrete = 0;  // logical (-1 / 0)

  // Void of a hollow prestressed section, centred on the section.
  double rd_VoidDiameter = 0.0;

  // Concrete (stresses in ksi or kPa).
  double rd_fc = 0.0;
  double rd_AggregateSize = 0.0;
  double rd_Cover = 0.0;

  // Reinforcement. The layout holds the bars as loaded from the section; the
  // working bars are the layout moved by the cage offset where it applies.
  int32_t i_NumBars = 0;
  Bar_Array rd_LayoutX, rd_LayoutY;
  Bar_Array rd_BarX, rd_BarY, rd_BarDiameter, rd_BarArea;
  double rd_BarFy = 0.0;
  double rd_BarEs = 0.0;
  double rd_CageOffset = 0.0;       // rebar cage offset from the pile centre, in y
  int32_t b_BarsOnCircle = 0;       // logical: bars were generated on a circle
  int32_t b_LayoutIncludesOffset = 0;  // logical: the layout is already moved by the offset
  int32_t i_BarPositions = 0;       // circle layout: number of positions
  int32_t i_BarsPerPosition = 0;    // circle layout: bars per position

  // Outline polygon (shapes 1, 2, 10, 11), counter-clockwise.
  int32_t i_NumPolyPoints = 0;
  List<double, MAX_POLY_POINTS> rd_PolyX, rd_PolyY;

  // Derived geometric values.
  double rd_GrossArea = 0.0;
  double rd_CasingArea = 0.0, rd_CasingInertia = 0.0;
  double rd_CoreArea = 0.0, rd_CoreInertia = 0.0;
  double rd_PipeArea = 0.0, rd_PipeInertia = 0.0, rd_PipeZ = 0.0;
  double rd_BarAreaSum = 0.0;
  double rd_SteelRatio = 0.0;       // percent

  // Slices, from the compression face down.
  Fixed_Array<double, 0, NUM_SLICES> rd_SliceBoundary;  // Y(0..N)
  Slice_Array rd_SliceDepth;            // depth of the slice centre below the compression face
  Slice_Array rd_SliceAreaConcrete;     // net outer concrete
  Slice_Array rd_SliceAreaBars;         // bars or strands
  Slice_Array rd_SliceAreaCasing;       // casing or pipe wall
  Slice_Array rd_SliceAreaCore;         // core steel (shape 7) or void
  Slice_Array rd_SliceAreaCoreConcrete; // concrete inside a filled core
  int32_t i_CoreTopSlice = 0, i_CoreBottomSlice = 0;  // slice range of the core circle
  double rd_SliceTotalConcrete = 0.0;   // Ac of the slices
  double rd_SliceTotalBars = 0.0;       // As of the slices

  // Concrete constants (stresses in ksi or kPa, strains unit-free).
  double rd_Ec = 0.0;
  double rd_fr = 0.0;               // tensile strength, negative
  double rd_eps0 = 0.0;             // strain at peak stress
  double rd_epsMax = 0.0;           // end of the descending branch
  double rd_epsCr = 0.0;            // cracking strain, negative
  double rd_ResidualStress = 0.0;   // stress beyond the descending branch
  double rd_DescendingDrop = 0.0;   // 0.15 f'c

  // Strand details of a prestressed section.
  int32_t i_StrandType = 0;         // 0..5
  int32_t i_BarGradeCode = 0;       // deformed bars: 1 -> 157 ksi, 3 or 5 -> 160 ksi, else 150
  double rd_fpu = 0.0;
  double rd_StrandEs = 0.0;
  int32_t i_NumStrands = 0;
  double rd_StrandArea = 0.0;
  double rd_StrandCover = 0.0;
  double rd_Pi = 0.0;               // initial prestressing force (lbs or kN)
  double rd_LossFraction = 0.0;
  double rd_Pe = 0.0;               // effective prestressing force
  double rd_PrestrainSteel = 0.0;   // initial strand strain, negative
  double rd_PrestrainConcrete = 0.0;// uniform concrete strain from the prestress
  double rd_PrestrainSteelInitial = 0.0;  // strand strain before any thrust replaced it
  double rd_PCI_k = 0.0;
  double rd_Mn_PCI = 0.0;
  double rd_N_PCI = 0.0;            // unfactored axial load capacity (PCI)
  Text<24> MnFormula;

  // Capacities (kips or kN, compression positive).
  double rd_P0 = 0.0;
  double rd_T0 = 0.0;
  double rd_Pcr = 0.0;
  double rd_Ac = 0.0;
  double rd_As = 0.0;

  // The current curvature point and the last force evaluation.
  double rd_Curvature = 0.0;
  double rd_Thrust = 0.0;
  double rd_TrialDepth = 0.0;        // neutral-axis depth of the last evaluation
  double rd_NeutralAxisDepth = 0.0;  // solution of the last search
  double rd_NeutralAxisStart = 0.0;  // start value of the next search
  Slice_Array rd_SliceStrain;
  Slice_Array rd_StressConcrete, rd_StressBars, rd_StressCasing, rd_StressCore;
  double rd_ForceConcrete = 0.0, rd_ForceBars = 0.0, rd_ForceCasing = 0.0;
  double rd_ForceCore = 0.0, rd_ForceCoreConcrete = 0.0;
  double rd_AxialForce = 0.0;        // F(dn), the sum of the components
  double rd_Moment = 0.0;            // moment of the slice forces about mid-depth
  int32_t b_CrackedAtStart = 0;      // cracked by the thrust before any bending
  int32_t b_Cracked = 0;             // left by the last evaluation (letter C)
  int32_t b_Yielded = 0;             // a steel stress was limited (letter Y)
  int32_t i_Iterations = 0;          // Newton iterations of the last search
  double rd_BestDepth = 0.0, rd_BestResidual = 0.0;
};

}  // namespace ormyx
