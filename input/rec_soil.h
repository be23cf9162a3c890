// Soil layers, soil profile points and user p-y curves (SOIL LAYERS).
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MAX_LAYERS = 40;
inline constexpr int MAX_PROFILE_POINTS = 80;
inline constexpr int MAX_SOIL_MODELS = 20;

struct Soil_Records {
  List<Text<10>, MAX_SOIL_MODELS> Soil_Model_Names;
  int32_t i_Number_of_Layers = 0;
  double rd_GroundSurfaceDepth = 0.0;
};

}  // namespace ormyx
