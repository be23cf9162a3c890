// Soil properties and p-y modifiers at a depth, from the profile values given
// at the top and bottom of every layer: linear interpolation within a layer,
// the rules at a layer interface, averages from the ground surface down, and
// the p- and y-multipliers of the modifier table. They hold no state; an
// error is written to the report and recorded in Run_Status (the caller tests
// Error_Recorded() after each call).
#pragma once
#include <string_view>

#include "engine/fixed_array.h"
#include "input/rec_soil.h"

namespace ormyx {

// Undrained shear strength c (for rock models the uniaxial compressive
// strength held in the same column) at vertical depth xv below the pile
// head. Input errors 5 and 60, runtime error 30 and the internal error.
// Number of soil layers, clamped to the record's capacity.
int fn_Layer_Count();
// Keyword of layer L without its trailing blanks ("" for a code outside the table).
std::string_view fn_Layer_Keyword(int L);

double fn_c(double xv);
// The interface test of fn_c: xv lies within 1.0e-6 of an inner profile point.
bool fn_c_At_Interface(double xv);

// Averages from the ground surface to xv of c and of the effective unit
// weight (exact integrals of the piecewise-linear profiles); input errors 3
// and 15 below the deepest profile point.
double fn_c_Average(double xv);
double fn_Gamma_Average(double xv);

// Epsilon-50, J and friction angle (degrees) at xv. Below the deepest point
// epsilon-50 and J are 0; the friction angle records input error 4.
double fn_Epsilon50(double xv);
double fn_J(double xv);
double fn_Phi(double xv);

// p- and y-multipliers at distance x along the pile (1.0 outside the table).
double fn_p_Multiplier(double x);
double fn_y_Multiplier(double x);

// A value of layer L interpolated linearly in xv between its top (point
// 2L-1) and bottom (point 2L) values, without clipping.
double fn_Layer_Profile_Value(int L, const List<double, MAX_PROFILE_POINTS>& v, double xv);

// xv is at the pile tip (the pile length, within 1.0e-6).
bool fn_At_Pile_Tip(double xv);

// What a profile value takes at a layer interface: the mean of both sides
// (the non-zero side when one is zero) or the lower side. The pile tip takes
// the upper value.
enum Interface_Rule { MEAN_OF_SIDES, LOWER_SIDE };
// Interpolation of profile list v at xv with the interface rule; found is
// false below the deepest point.
double fn_Profile_Value(const List<double, MAX_PROFILE_POINTS>& v, double xv, bool& found,
                        Interface_Rule rule = MEAN_OF_SIDES);

// A strength column of the profile as fn_Strength_At reads it: the value of
// profile point k, and the error writers for a depth below the deepest point
// and for an interface whose layers cannot be located.
struct Strength_Column {
  double (*point)(int k);
  void (*below_profile)(double xv, double deepest);
  void (*interface_not_found)(double xv, int k, bool tip);
};
// Strength at xv read from a column: linear within a layer (input error 60
// for a layer without thickness), at a layer interface the table by the
// kinds of the two layers, the upper value at the pile tip. fn_c reads the
// cohesion column with it.
double fn_Strength_At(double xv, const Strength_Column& col);

}  // namespace ormyx
