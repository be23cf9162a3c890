// Pile sections and the section property points built from them (SECTIONS).
//
// Units, as stored by Read_Sections (before Convert_US_Section_Units):
//   lengths along the pile (rd_Length, rd_XTop, rd_XBottom, property point
//   depths, rd_PileLength): ft | m | L. Convert_US_Section_Units turns the
//   US customary values into inches after the echo.
//   cross-section dimensions (diameters, widths, thicknesses, cover, offsets,
//   bar and strand coordinates): in | m (mm in the file) | L
//   areas: in^2 | m^2 (mm^2 in the file) | L^2
//   moments of inertia: in^4 | m^4 (mm^4 in the file) | L^4
//   stresses and elastic moduli: psi | kPa | F/L^2   (never converted here)
//   forces (axial thrust, prestressing force): lbs | kN | F
//   moments (plastic moments, user EI moments): in-lbs | kN-m | F-L
//   bending stiffness: lb-in^2 | kN-m^2 | F-L^2; curvature: 1/in | 1/m | 1/L
// Exceptions, fixed by the strand table: rd_Strand_fpu is always in psi; the
// strand modulus rd_StrandModulus is in ksi for US customary input and in
// kPa otherwise.
//
// Logicals are L_TRUE (-1) / L_FALSE (0). All lists are 1-based.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MAX_SECTIONS = 20;
inline constexpr int MAX_SECTION_POINTS = 40;         // two per section
inline constexpr int MAX_SECTION_BARS = 300;          // bars or strands per section
inline constexpr int MAX_USER_EI_THRUSTS = 100;       // thrust levels of a user EI table
inline constexpr int MAX_USER_EI_POINTS = 150;        // points per thrust level
inline constexpr int MAX_STRESS_STRAIN_POINTS = 100;  // input concrete curve

// Section type codes (i_SectionType).
inline constexpr int SECTION_RECTANGULAR_CONCRETE = 0;
inline constexpr int SECTION_DRILLED_SHAFT = 1;
inline constexpr int SECTION_CASED_SHAFT = 2;            // with permanent casing
inline constexpr int SECTION_CASED_SHAFT_CORE = 3;       // casing and core (filled or void)
inline constexpr int SECTION_STEEL_PIPE = 4;
inline constexpr int SECTION_PRESTRESSED_CIRCULAR = 5;
inline constexpr int SECTION_PRESTRESSED_CIRCULAR_HOLLOW = 6;
inline constexpr int SECTION_PRESTRESSED_SQUARE = 7;
inline constexpr int SECTION_PRESTRESSED_SQUARE_HOLLOW = 8;
inline constexpr int SECTION_PRESTRESSED_OCTAGONAL = 9;
inline constexpr int SECTION_PRESTRESSED_OCTAGONAL_HOLLOW = 10;
inline constexpr int SECTION_ELASTIC = 11;
inline constexpr int SECTION_ELASTIC_PLASTIC = 12;       // elastic with specified moment capacity
inline constexpr int SECTION_USER_EI = 13;               // user-defined nonlinear EI
inline constexpr int SECTION_MICROPILE = 14;

// Cross-sectional shape codes of elastic and elastic-plastic sections (i_ShapeCode).
inline constexpr int ELASTIC_SHAPE_RECTANGULAR = 1;
inline constexpr int ELASTIC_SHAPE_CIRCULAR = 2;
inline constexpr int ELASTIC_SHAPE_CIRCULAR_PIPE = 3;
inline constexpr int ELASTIC_SHAPE_STRONG_H_PILE = 4;
inline constexpr int ELASTIC_SHAPE_WEAK_H_PILE = 5;
inline constexpr int ELASTIC_SHAPE_EMBEDDED_POLE = 6;

// Bar arrangement (i_RebarArrangement).
inline constexpr int REBAR_NONE = 0;         // "No rebar", or no recognised pattern line
inline constexpr int REBAR_CIRCLE = 1;       // "Rebar in circle"
inline constexpr int REBAR_NONCIRCULAR = 2;  // "Rebar in noncircular pattern"

// Strand positioning (i_StrandPositioning).
inline constexpr int STRANDS_NONE = 0;
inline constexpr int STRANDS_AUTO = 1;       // "Autoposition strands"
inline constexpr int STRANDS_MANUAL = 2;     // "Manually-positioned strands"

// One reinforcing bar or prestressing strand. Coordinates are measured from
// the centre of the section (x along the bottom row of a square layout, y
// across it). Bars placed on a circle already include the rebar cage offset
// in rd_Y: nothing must add it again.
struct Section_Bar {
  double rd_Diameter = 0.0;  // in | m | L
  double rd_Area = 0.0;      // in^2 | m^2 | L^2
  double rd_X = 0.0;         // in | m | L
  double rd_Y = 0.0;         // in | m | L
  int32_t i_SizeCode = 0;    // bars: size code (index) of a noncircular bar; strands: strand size code
  int32_t i_Grade = 0;       // strands only: strand grade code 0..5
};

struct Pile_Section_Record {
  // --- Every type ---
  int32_t i_SectionType = 0;   // 0..14, see SECTION_* (the sign variants of 3 and 13 are in the switches below)
  double rd_Length = 0.0;      // length of the section (ft | m | L)
  double rd_XTop = 0.0;        // depth of the top below the pile head (ft | m | L)
  double rd_XBottom = 0.0;     // depth of the bottom below the pile head (ft | m | L)
  // Principal outside dimension (in | m | L): outside diameter of a round
  // section (of the casing for types 2, 3; of the pipe for type 4), pile width
  // of square and octagonal piles, depth of section of a rectangular pile,
  // diameter of a user-EI section. Types 11, 12: the width of the pile face
  // at the top (top width for shapes 1-3, flange width for shape 4, section
  // depth for shape 5, drilled hole diameter for shape 6). Micropile: 0.
  double rd_Diameter = 0.0;

  // --- Type 0: rectangular concrete pile (in | m | L) ---
  double rd_DepthOfSection = 0.0;   // in the bending direction (= rd_Diameter)
  double rd_WidthOfSection = 0.0;   // perpendicular to bending (p-y face width)

  // --- Types 2, 3: casing; type 4: pipe wall ---
  double rd_WallThickness = 0.0;    // casing or pipe wall thickness (in | m | L)
  double rd_SteelYieldStress = 0.0; // yield stress of casing or pipe (psi | kPa | F/L^2)
  double rd_SteelModulus = 0.0;     // elastic modulus of casing or pipe (psi | kPa | F/L^2)

  // --- Type 3: core ---
  int32_t b_FillCoreWithConcrete = 0;             // code 3: L_TRUE (filled); code -3: L_FALSE (void)
  double rd_CoreDiameter = 0.0;       // outside diameter of core (in | m | L)
  double rd_CoreThickness = 0.0;      // core wall thickness (in | m | L)
  double rd_CoreYieldStress = 0.0;    // psi | kPa | F/L^2
  double rd_CoreModulus = 0.0;        // psi | kPa | F/L^2

  // --- Types 6, 8, 10: void; types 7, 8: corner chamfer (in | m | L) ---
  double rd_VoidDiameter = 0.0;
  double rd_Chamfer = 0.0;

  // --- Concrete (types 0-3, 5-10) ---
  double rd_fc = 0.0;                    // compressive strength f'c (psi | kPa | F/L^2)
  double rd_MaxAggregateSize = 0.0;      // maximum aggregate size (in | m | L)
  int32_t b_OverrideTensileStrength = 0; // L_TRUE: "Override concrete tensile strength"
  double rd_TensileStrength = 0.0;       // given tensile strength (psi | kPa | F/L^2), when overridden
  int32_t b_InputStressStrainCurve = 0;  // L_TRUE: "Input stress-strain curve for concrete"
  int32_t i_Number_of_StressStrain_Points = 0;  // 0..100
  // The input curve as given: first and second value of each point, in file
  // order. Stored for the record; the analysis uses its built-in concrete law.
  List<double, MAX_STRESS_STRAIN_POINTS> rd_StressStrain_Value1;
  List<double, MAX_STRESS_STRAIN_POINTS> rd_StressStrain_Value2;

  // --- Reinforcing bars (types 0-3) ---
  int32_t i_RebarArrangement = REBAR_NONE;  // REBAR_NONE / REBAR_CIRCLE / REBAR_NONCIRCULAR
  int32_t b_RebarSameAsAbove = 0;           // L_TRUE: "Rebar Arrangement Same As Section Above"
  double rd_BarYieldStress = 0.0;           // fy (psi | kPa | F/L^2)
  double rd_BarModulus = 0.0;               // Es (psi | kPa | F/L^2)
  // Bars in a circle:
  int32_t i_BarPositions = 0;        // number of bar positions on the circle
  int32_t i_BarsPerPosition = 0;     // 1..3 bars side by side at each position
  double rd_BarDiameter = 0.0;       // diameter of every bar (in | m | L)
  double rd_BarArea = 0.0;           // area of every bar (in^2 | m^2 | L^2)
  double rd_ConcreteCover = 0.0;     // concrete cover thickness (in | m | L), inside the casing for types 2, 3
  double rd_CageOffset = 0.0;        // rebar cage offset from the pile centre, in y (in | m | L)
  int32_t i_Number_of_Bars = 0;      // 0..300 (positions x bars per position, or the noncircular count)
  List<Section_Bar, MAX_SECTION_BARS> Bar;  // per bar: diameter, area, x, y (and size code if noncircular)

  // --- Prestressing strands (types 5-10) ---
  int32_t i_StrandPositioning = STRANDS_NONE;  // STRANDS_AUTO / STRANDS_MANUAL
  int32_t i_StrandGrade = 0;           // strand grade code 0..5 of the section (the strand type)
  int32_t i_StrandSize = 0;            // strand size code (automatic positioning; manual: that of strand 1)
  double rd_InitialPrestressForce = 0.0;  // Pi (lbs | kN | F)
  double rd_PrestressLossFraction = 0.0;  // fraction of loss of prestress (-)
  double rd_StrandCover = 0.0;         // concrete cover over the strands (in | m | L), automatic positioning
  int32_t i_StrandArrangement = 0;     // automatic: 0 circle, 1 square, 2 square (second variant)
  double rd_StrandDiameter = 0.0;      // diameter of strand 1 (in | m | L)
  double rd_StrandArea = 0.0;          // area of strand 1, the single-strand area (in^2 | m^2 | L^2)
  double rd_Strand_fpu = 0.0;          // ultimate strength fpu of the strand grade, psi in every unit system
  double rd_StrandModulus = 0.0;       // strand elastic modulus: ksi (US customary) | kPa (SI, generic)
  int32_t i_Number_of_Strands = 0;     // 0..300
  List<Section_Bar, MAX_SECTION_BARS> Strand;  // per strand: grade, size code, diameter, area, x, y

  // --- Types 11, 12: elastic and elastic-plastic sections ---
  int32_t i_ShapeCode = 0;             // 1..6, see SHAPE_*
  double rd_ElasticModulus = 0.0;      // E (psi | kPa | F/L^2)
  double rd_TopWidth = 0.0;            // shapes 1, 2, 3, 6 (in | m | L)
  double rd_BottomWidth = 0.0;
  double rd_TopDepth = 0.0;            // section depth: shape 1 top; shapes 4, 5 (both) (in | m | L)
  double rd_BottomDepth = 0.0;
  double rd_TopWallThickness = 0.0;    // shape 3 (in | m | L)
  double rd_BottomWallThickness = 0.0;
  double rd_FlangeWidth = 0.0;         // shapes 4, 5 (in | m | L)
  double rd_FlangeThickness = 0.0;
  double rd_WebThickness = 0.0;
  double rd_TopArea = 0.0;             // in^2 | m^2 | L^2 (shapes 4, 5: bottom = top)
  double rd_BottomArea = 0.0;
  double rd_TopInertia = 0.0;          // moment of inertia, in^4 | m^4 | L^4 (shapes 4, 5: bottom = top)
  double rd_BottomInertia = 0.0;
  double rd_TopPlasticMoment = 0.0;    // type 12 only (in-lbs | kN-m | F-L) (shapes 4, 5: bottom = top)
  double rd_BottomPlasticMoment = 0.0;
  double rd_DrilledHoleDiameter = 0.0; // shape 6 (in | m | L)

  // --- Type 13: user-defined nonlinear EI ---
  int32_t b_UserEI_MomentVsEI = 0;         // code 13: L_TRUE (pairs of moment, bending stiffness)
  int32_t b_UserEI_MomentVsCurvature = 0;  // code -13: L_TRUE (pairs of moment, curvature)
  int32_t i_Number_of_UserEI_Thrusts = 0;  // 0..100 thrust levels
  List<double, MAX_USER_EI_THRUSTS> rd_UserEI_Thrust;        // axial thrust of each level (lbs | kN | F)
  List<int32_t, MAX_USER_EI_THRUSTS> i_Number_of_UserEI_Points;  // 0..150 points of each level
  // Point k of level c: (c, k). The reader fills the moment and, by the
  // variant, either the bending stiffness or the curvature; the echo forms the
  // bending stiffness of a moment-curvature table.
  Table<double, MAX_USER_EI_THRUSTS, MAX_USER_EI_POINTS> rd_UserEI_Moment;     // in-lbs | kN-m | F-L
  Table<double, MAX_USER_EI_THRUSTS, MAX_USER_EI_POINTS> rd_UserEI_EI;         // lb-in^2 | kN-m^2 | F-L^2
  Table<double, MAX_USER_EI_THRUSTS, MAX_USER_EI_POINTS> rd_UserEI_Curvature;  // 1/in | 1/m | 1/L
};

// Pile properties at the top (point 2n-1) and bottom (point 2n) of section n.
struct Section_Property_Point {
  double rd_X = 0.0;               // depth below the pile head (ft | m | L; inches after conversion)
  double rd_Diameter = 0.0;        // width of the pile face for p-y curves (in | m | L)
  double rd_StructuralWidth = 0.0; // embedded pole only: top or bottom width of the pole (in | m | L)
  double rd_Inertia = 0.0;         // moment of inertia: elastic types and pipe (in^4 | m^4 | L^4)
  double rd_Modulus = 0.0;         // elastic modulus: elastic types and pipe (psi | kPa | F/L^2)
  double rd_Area = 0.0;            // area: elastic types and pipe (in^2 | m^2 | L^2)
};

struct Section_Records {
  List<Pile_Section_Record, MAX_SECTIONS> Pile_Section;  // from the pile head down
  int32_t i_Number_of_Sections = 0;                       // 0..20
  List<Section_Property_Point, MAX_SECTION_POINTS> Section_Property_Points;
  int32_t i_Number_of_Section_Points = 0;                 // 2 x number of sections
  double rd_PileLength = 0.0;                             // sum of the section lengths (ft | m | L)
};

}  // namespace ormyx
