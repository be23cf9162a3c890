// Pile sections and the section property points built from them (SECTIONS).
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MAX_SECTIONS = 20;
inline constexpr int MAX_SECTION_POINTS = 40;

struct Pile_Section_Record {
  int32_t i_SectionType = 0;
  double rd_Length = 0.0;
  double rd_Diameter = 0.0;
};

struct Section_Property_Point {
  double X = 0.0;
  double diameter = 0.0;
  double structural_width = 0.0;
  double inertia = 0.0;
  double modulus = 0.0;
  double area = 0.0;
};

struct Section_Records {
  List<Pile_Section_Record, MAX_SECTIONS> Pile_Section;
  int32_t i_Number_of_Sections = 0;
  List<Section_Property_Point, MAX_SECTION_POINTS> Section_Property_Points;
  int32_t i_Number_of_Section_Points = 0;
  double rd_PileLength = 0.0;
};

}  // namespace ormyx
