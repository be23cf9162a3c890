// Pieces the sand models share: the earth-pressure angles, the wedge and
// flow-around resistance of the Reese and API criteria (with the sloping
// ground treatment), the default modulus of subgrade reaction, the A and B
// tables of the Reese criteria and the subgrade modulus of a layer.
#pragma once

#include "pycurves/py_framework.h"

namespace ormyx {

// The two models that share the wedge equations; they differ in K0, in the
// slope thresholds and in the input errors they raise.
enum Sand_Criteria { SAND_REESE, SAND_API };

// K0 of each criteria (the API value is the single-precision 0.4).
double fn_Sand_K0(Sand_Criteria model);

// Angles and earth-pressure coefficients of a friction angle phi (radians).
struct Sand_Angles {
  double phi = 0.0;    // friction angle
  double alpha = 0.0;  // phi / 2
  double beta = 0.0;   // pi / 4 + phi / 2
  double K0 = 0.0;     // at-rest coefficient
  double Ka = 0.0;     // tan^2(pi / 4 - phi / 2)
  double Kp = 0.0;     // tan^2(beta)
};
void Set_Sand_Angles(double phi, double K0, Sand_Angles& an);

// Wedge (Pst) and flow-around (Psd) resistance per unit length at one point.
struct Sand_Wedge {
  double Ka_slope = 0.0;  // active coefficient on sloping ground
  double D = 1.0;         // slope divisor of the wedge (1 on level ground)
  double Pst = 0.0;       // wedge resistance
  double Psd = 0.0;       // flow-around resistance
  double Ps = 0.0;        // the smaller of the two
};

// Pst, Psd and Ps at point pt with effective depth z and unit weight gamma.
// A slope at least as steep as the friction angle records input error 9
// (Reese) or 2 (API) and returns false.
bool Sand_Wedge_And_Flow(const Py_Point& pt, Sand_Criteria model, const Sand_Angles& an,
                         double gamma, double z, Sand_Wedge& w);

// Whether the pile deflection y points the way of the effective slope s.
bool fn_Deflects_With_Slope(double y, double s);

// Wedge resistance Pst at effective depth z with the active coefficient Kas.
// On sloping ground (slope angle a) the wedge depends on whether the pile
// deflects with the slope (same) or against it; D is the slope divisor,
// 1 on level ground.
double fn_Sand_Wedge_Pst(const Sand_Angles& an, double b, double gamma, double z, double Kas, bool sloping,
                         double a, bool same, double& D);

// Constants of the wedge resistance against depth used by the equivalent
// depths, and the depth zr where the wedge meets the flow around the pile.
struct Sand_Depth_Constants {
  double C1 = 0.0, C2 = 0.0, C3 = 0.0, zr = 0.0;
};
void Set_Sand_Depth_Constants(const Sand_Angles& an, double b, Sand_Depth_Constants& dc);

// Friction angle (degrees) and average effective unit weight at point pt,
// kept for the node from pass to pass of an analysis. False when an error
// was recorded.
bool Sand_Depth_Values(const Py_Point& pt, double& phi_deg, double& gamma);

// Tables of the Reese criteria against z / b (linear, held at both ends).
double fn_Reese_A(double zb, bool cyclic);
double fn_Reese_B(double zb, bool cyclic);

// Subgrade modulus k of layer L at vertical depth xv, linear between the
// layer's top and bottom values; 0 when the top value is not given (<= 0).
double fn_Layer_k(int L, double xv);

// Default k from the friction angle (degrees) and the unit weight by unit
// system. Generic units have none: runtime error 13 is recorded, result 0.
double fn_Default_k(double phi_deg, double gamma);

}  // namespace ormyx
