// The echo of the input data in the output report, with the checks that need
// several records at once and the data completed while echoing (the closed
// soil profile, the Hoek-Brown constants, the printed p-y depths, the
// convergence tolerance and, in LRFD runs, the factored loads).
//
// The entry point `void Echo_Input_Data()` is declared in engine/run_steps.h.
// Every block writes to the report channel; errors are recorded through the
// recorder and end the echo at once (callers test Error_Recorded()).
#pragma once
#include <string>
#include <string_view>

namespace ormyx {

// The pile-head loading block of a run without LRFD load combinations.
void Echo_Pile_Head_Loads();

// Blocks of the echo, in the order Echo_Input_Data writes them.
void Echo_Title_And_Options();    // title, program options, tolerance reset
void Echo_Structural_Properties();  // sections, property points; INP00027
void Echo_Slope_And_Batter();
void Echo_Soil_Layering();        // layers, notes, mi, warning -354, unit weights
void Echo_Soil_Summary();         // summary table with the columns its models need
void Echo_PY_Modifiers();
void Echo_Soil_Movements();
void Echo_Loading_Type();         // INP00028
void Echo_Distributed_Loads();
void Echo_LRFD_Loads();           // factored loads of every combination and their report
void Echo_Tip_Shear();            // INP00050
void Echo_Printed_PY_Depths();    // rebuilds the depth list; INP00029, INP00030
void Check_Property_Point_Count();  // INP00017
void Check_Soil_Profile_Depth();    // INP00018
void Check_PY_Modifier_Depth();     // INP00021

// Each layer top after the first becomes the bottom of the layer above; the
// top of layer 1 becomes the depth of the ground surface.
void Close_Soil_Profile();

// Hoek-Brown constant mi of a massive-rock type code (0 when the code has
// none) and the rock type line written for it (empty when none).
double fn_Rock_Type_mi(int rock_type);
std::string Rock_Type_Line(int rock_type);

// Long soil model name of a model code (blank for codes without a model).
std::string Long_Soil_Model_Name(int code);
// Name of a section type (the void-core variant for type 3 when !filled_core).
std::string Section_Type_Name(int type, bool filled_core);

// --- Report helpers shared by the echo files ---

// A labelled value line: the label, "= " from column 56, the value and, when
// unit is not empty, a blank and the unit.
std::string Labelled_Value_Line(std::string_view label, std::string_view value,
                                std::string_view unit = {});
// A block heading: empty lines, a rule of 80 "-", the text after blanks, a
// rule of 80 "-" and an empty line.
void Write_Block_Heading(std::string_view text, int empty_before, int blanks);
// n "-" characters.
std::string Rule(int n);
// Fw.d, or the exponent form in w columns when the value does not fit.
std::string Echo_Fixed(double v, int w, int d);
// A fixed-point value with d decimals in as few columns as it needs.
std::string Echo_Fixed_Min(double v, int d);
// A general value in w columns: four decimals for ordinary magnitudes, the
// exponent form for very small or large ones.
std::string Echo_Value(double v, int w = 12);
// An integer from a real count (truncated; NaN and out-of-range values clamp).
int fn_Int_Of(double v);
// Count clamped to 0..capacity, so a loop never leaves its list.
int fn_Clamped(int count, int capacity);

// Unit texts (trailing blanks removed) of the current unit system.
std::string Unit_Dim();      // in | m | L
std::string Unit_Depth();    // ft | m | L
std::string Unit_Force();    // lbs | kN | F
std::string Unit_Moment();   // in-lb | kN-m | F-L
std::string Unit_FPL();      // lb/in | kN/m | F/L
std::string Unit_Weight();   // pcf | kN/m3 | F/L3
std::string Unit_K();        // pci | kN/m3 | F/L3
std::string Unit_PSF();      // psf | kPa | F/L2
std::string Unit_PSI();      // psi | kPa | F/L2

}  // namespace ormyx
