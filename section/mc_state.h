// Working tables of the moment-curvature computation of one pile section.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"
#include "section/mei_table.h"

namespace ormyx {

inline constexpr int MC_MAX_THRUSTS = MEI_MAX_THRUSTS;  // 100
inline constexpr int MC_MAX_POINTS = MEI_MAX_POINTS;    // 150

// One point of a moment-curvature relation, in the section units (in, kips,
// ksi or m, kN, kPa); strains positive in compression.
struct Moment_Curvature_Point {
  double rd_Curvature = 0.0;
  double rd_Moment = 0.0;           // running maximum (except the steel pipe)
  double rd_EI = 0.0;               // M / phi
  double rd_NeutralAxisDepth = 0.0; // from the compression face
  double rd_CompStrain = 0.0;       // prestrain + phi dn
  double rd_TensStrain = 0.0;       // phi (dn - h)
  double rd_MaxConcreteStress = 0.0;
  double rd_MaxBarStress = 0.0;     // largest magnitude, with its sign
  double rd_MaxCasingStress = 0.0;  // casing or pipe wall
  double rd_MaxCoreStress = 0.0;
  double rd_BarTensileStrain = 0.0; // most strained bar (circular reinforced sections only)
  Text<3> Run_Message_Letters;      // C / Y or Z / T
};

// The moment-curvature relations of the section being analysed, per thrust
// value t = 1 .. i_Number_of_Thrusts of the run's thrust list.
struct Moment_Curvature_State {
  Table<Moment_Curvature_Point, MC_MAX_THRUSTS, MC_MAX_POINTS> point;  // (t, p)
  List<int32_t, MC_MAX_THRUSTS> i_Number_of_Points;
  List<double, MC_MAX_THRUSTS> rd_Thrust;       // section units
  List<double, MC_MAX_THRUSTS> rd_Mn;           // nominal moment capacity, section units
  List<double, MC_MAX_THRUSTS> rd_StrainAtMn;
  List<double, MC_MAX_THRUSTS> rd_CurvatureStep;  // base step D of the thrust
  int32_t i_Number_of_Thrusts = 0;
  int32_t i_FileThrustCount = 0;  // n of the moment-curvature file numbering
};

}  // namespace ormyx
