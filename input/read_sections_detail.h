// Internal routines of the SECTIONS reader: the sub-readers of one section,
// the automatic placement of bars and strands, and the strand table.
#pragma once
#include <cstdint>

#include "input/rec_sections.h"

namespace ormyx {

// Readers of the lines that follow the section's own lines; each writes its
// progress message, stores into Pile_Section(section) and records its errors.
void Read_Concrete_Properties(int section);
void Read_Rebar_Properties(int section);
void Read_Strand_Properties(int section);
void Read_Elastic_Section(int section);
void Read_Elastic_Plastic_Section(int section);

using Coordinate_List = List<double, MAX_SECTION_BARS>;

// Why bars on a circle cannot be placed (section diameter D, cover c, bar
// diameter d, n positions, b bars per position), or nullptr when they can.
const char* fn_Circle_Geometry_Fault(double D, double c, double d, int32_t n, int32_t b);
// Clear x and y and place n x b bars on a circle of radius (D - d)/2 - c.
// Places nothing when fn_Circle_Geometry_Fault reports a fault.
void Place_Bars_In_Circle(Coordinate_List& x, Coordinate_List& y, double D, double c, double d,
                          int32_t n, int32_t b);

// Why N strands cannot be placed on a square (pile width W, cover c,
// strand diameter d), or nullptr when they can.
const char* fn_Square_Geometry_Fault(double W, double c, double d, int32_t N);
// Place N strands on the perimeter of a square of half-side (W - d)/2 - c and,
// for odd N, one at the centre; arrangement 1 puts the extra strands of
// N mod 4 = 2, 3 into the rows, arrangement 2 into the sides. Entries beyond N
// are left as they are. Places nothing on a fault.
void Place_Strands_On_Square(Coordinate_List& x, Coordinate_List& y, double W, double c, double d,
                             int32_t N, int32_t arrangement);

// Strand table: nominal diameter and area of grade / size code in the units
// of the unit system (inches for US customary and generic, metres for SI).
// False (and 0, 0) for a grade or size outside the table.
bool Strand_Dimensions(int32_t grade, int32_t size, int32_t iunits, double& diameter, double& area);
// Ultimate strength fpu (psi) of a grade (grade 5 by size); 0 when unknown.
double fn_Strand_fpu(int32_t grade, int32_t size);
// Elastic modulus of a grade: ksi for US customary, kPa otherwise; 0 when unknown.
double fn_Strand_Modulus(int32_t grade, int32_t iunits);

}  // namespace ormyx
