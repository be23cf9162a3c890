// Soil layers, soil profile points and user p-y curves (SOIL LAYERS), and the
// table of soil model keywords. All lists are 1-based with a count beside them.
//
// The profile: layer L has its top at profile point 2L-1 and its bottom at
// point 2L, so a layer interface is two consecutive points at one depth.
// Properties a layer's model does not use stay 0.
//
// Units are those of the input file until the run sequence normalises US
// customary units after the echo (Convert_US_Soil_Units); "after" below gives
// the US working unit. SI and generic values are never converted.
//   depth                 ft | m | L          (US after: in)
//   unit weight           pcf | kN/m3 | F/L3  (US after: pci = pcf / 1728)
//   cohesion              psf | kPa | F/L2    (US after: psi = psf / 144)
//   rock strength, moduli psi | kPa | F/L2    (never converted; weak rock and
//                                              vuggy limestone strengths are
//                                              kept in the cohesion list but
//                                              stay in psi)
//   subgrade modulus k    pci | kN/m3 | F/L3  (never converted)
//   friction angle        degrees
//   user p-y: y           dimension length (in | m | L), p force per length
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MAX_LAYERS = 40;
inline constexpr int MAX_PROFILE_POINTS = 2 * MAX_LAYERS;  // 80
inline constexpr int MAX_SOIL_MODELS = 20;
inline constexpr int MAX_USER_PY_POINTS = 29;               // points of one user p-y curve
inline constexpr int SOIL_MODEL_NAME_LENGTH = 10;

// p-y model codes (i_SoilLayer_py_Type); the keyword of code n is
// Soil_Model_Names(n). Codes 18-20 are "Undefined" and are rejected on input.
inline constexpr int SOIL_SOFT_CLAY = 1;            // "SoftClay"
inline constexpr int SOIL_STIFF_CLAY_WATER = 2;     // "StfClyBW"
inline constexpr int SOIL_STIFF_CLAY_NO_WATER = 3;  // "StfClyAW"
inline constexpr int SOIL_STIFF_CLAY_K = 4;         // "StfClyAK"
inline constexpr int SOIL_SAND = 5;                 // "Sand    "
inline constexpr int SOIL_API_SAND = 6;             // "API Sand"
inline constexpr int SOIL_LIQUEFIED_SAND = 7;       // "Liq Sand"
inline constexpr int SOIL_WEAK_ROCK = 8;            // "WeakRock"
inline constexpr int SOIL_VUGGY_LIMESTONE = 9;      // "Vuggy LS"
inline constexpr int SOIL_PIEDMONT = 10;            // "Piedmont"
inline constexpr int SOIL_CEMENTED_SILT = 11;       // "Cem Silt"
inline constexpr int SOIL_LOESS = 12;               // "KS Loess"
inline constexpr int SOIL_ELASTIC_SUBGRADE = 13;    // "Elast SG"
inline constexpr int SOIL_USER_PY = 14;             // "User p-y"
inline constexpr int SOIL_SOFT_CLAY_J = 15;         // "SoftClyJ"
inline constexpr int SOIL_MASSIVE_ROCK = 16;        // "MassRock"
inline constexpr int SOIL_FROZEN_SOIL = 17;         // "Frz Soil"
inline constexpr int SOIL_LAST_MODEL = 17;          // highest code with a model

// Field-test type codes of the Piedmont residual soil model (i_FieldTestType).
inline constexpr int FIELD_TEST_SPT = 1;  // Standard Penetration Test, uses rd_SPT_N60
inline constexpr int FIELD_TEST_CPT = 2;  // Cone Penetration Test, uses rd_ConeTip
inline constexpr int FIELD_TEST_DMT = 3;  // Dilatometer Test, uses rd_DMT_Modulus
inline constexpr int FIELD_TEST_PMT = 4;  // Pressuremeter Test, uses rd_PMT_Modulus

// Property values at the profile points (top and bottom of every layer).
struct Soil_Profile_Record {
  int32_t i_Number_of_Points = 0;  // 2 x number of layers
  List<double, MAX_PROFILE_POINTS> X;             // depth below the pile head (depth units)
  List<double, MAX_PROFILE_POINTS> rd_Gamma;      // effective unit weight (every model but Frz Soil)
  List<double, MAX_PROFILE_POINTS> rd_c;          // undrained cohesion (clays, Cem Silt; cohesion
                                                  // units) or uniaxial compressive strength
                                                  // (WeakRock, Vuggy LS; rock strength units)
  List<double, MAX_PROFILE_POINTS> rd_Epsilon50;  // strain e50 (clays, Cem Silt) or k_rm (WeakRock);
                                                  // dimensionless
  List<double, MAX_PROFILE_POINTS> rd_J;          // p-y J factor (SoftClyJ); dimensionless
  List<double, MAX_PROFILE_POINTS> rd_Phi;        // friction angle, degrees (sands, Cem Silt)
  List<double, MAX_PROFILE_POINTS> rd_RQD;        // rock quality designation, percent (WeakRock)
  // Field-test data (Piedmont: all five values; KS Loess: rd_ConeTip only).
  List<int32_t, MAX_PROFILE_POINTS> i_FieldTestType;  // FIELD_TEST_* (1..4)
  List<double, MAX_PROFILE_POINTS> rd_SPT_N60;        // SPT blow count N60 (blows/ft | blows/0.3 m)
  List<double, MAX_PROFILE_POINTS> rd_ConeTip;        // cone tip resistance qc (rock strength units)
  List<double, MAX_PROFILE_POINTS> rd_DMT_Modulus;    // dilatometer modulus (rock strength units)
  List<double, MAX_PROFILE_POINTS> rd_PMT_Modulus;    // pressuremeter modulus (rock strength units)
  List<double, MAX_PROFILE_POINTS> rd_ElasticSubgrade;  // elastic subgrade modulus Es,sg (Elast SG;
                                                        // rock strength units)
  // Massive-rock data (MassRock), separate from the cohesion list.
  List<double, MAX_PROFILE_POINTS> rd_MassRock_qu;      // uniaxial compressive strength (rock
                                                        // strength units)
  List<int32_t, MAX_PROFILE_POINTS> i_RockType;         // rock type code (1..42 named types,
                                                        // 43..71 user mi = code - 39)
  List<double, MAX_PROFILE_POINTS> rd_GSI;              // geological strength index
  List<double, MAX_PROFILE_POINTS> rd_MassRock_Value4;  // fourth value of the massive-rock line,
                                                        // kept for the massive-rock model
};

// One user-input p-y curve (User p-y layers), at a profile point.
struct User_Py_Curve_Record {
  double rd_Depth = 0.0;           // depth of the curve: the layer top or bottom (depth units)
  int32_t i_Number_of_Points = 0;  // 0..29
  List<double, MAX_USER_PY_POINTS> y;  // deflection (dimension length), input order
  List<double, MAX_USER_PY_POINTS> p;  // soil resistance (force per length)
};

struct Soil_Records {
  // Model keyword by code, blank-padded to 10 characters (filled by
  // Initialize_Soil_Model_Names before any input is read).
  List<Text<SOIL_MODEL_NAME_LENGTH>, MAX_SOIL_MODELS> Soil_Model_Names;

  // Soil layers, from the top down.
  int32_t i_Number_of_Layers = 0;
  List<int32_t, MAX_LAYERS> i_SoilLayer_py_Type;  // p-y model code 1..17 (SOIL_* above)
  List<double, MAX_LAYERS> XLayerTop;     // depth of the layer top below the pile head (depth units)
  List<double, MAX_LAYERS> XLayerBottom;  // depth of the layer bottom below the pile head
  List<double, MAX_LAYERS> rd_kTop;       // subgrade modulus k at the layer top (stiff clays with
                                          // k, sands, Cem Silt; k units) or initial modulus of
                                          // rock Eir (WeakRock; rock strength units)
  List<double, MAX_LAYERS> rd_kBottom;    // the same at the layer bottom
  List<double, MAX_LAYERS> mi;            // Hoek-Brown constant of a MassRock layer, set from
                                          // the rock type at the layer top when the input is
                                          // echoed; 0 otherwise

  // Property values at the top (2L-1) and bottom (2L) of every layer.
  Soil_Profile_Record Soil_Profile_Points;

  // User p-y curves at the top (2L-1) and bottom (2L) of every User p-y layer.
  List<User_Py_Curve_Record, MAX_PROFILE_POINTS> User_Py_Curve;

  // Depth of the ground surface below the pile head: the top of layer 1
  // (negative when the ground surface lies above the pile head).
  double rd_GroundSurfaceDepth = 0.0;
};

}  // namespace ormyx
