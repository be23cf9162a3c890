// Pile-head loads, LRFD loads and combinations, the LRFD factored loads, the
// axial thrust list and the smaller loading tables (distributed lateral load,
// soil movements, p-y modifiers, tip shear, batter and slope, printed p-y
// depths). All lists are 1-based with a count beside them.
//
// Units are those of the input file until the run sequence normalises US
// customary units after the echo (depth columns marked "depth units" become
// inches then; the others are never converted):
//   depth units         ft | m | L
//   dimension length    in | m | L
//   force               lbs | kN | F
//   moment              in-lbs | kN-m | F-L
//   force per length    lb/in | kN/m | F/L
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int MAX_LOAD_CASES = 100;
inline constexpr int MAX_THRUSTS = 100;
inline constexpr int MAX_DISTRIBUTED_POINTS = 50;   // per list (LOADING and each LRFD group)
inline constexpr int MAX_LRFD_GROUPS = 100;
inline constexpr int MAX_LRFD_COMBINATIONS = 100;
inline constexpr int LRFD_LOAD_TYPES = 13;          // DL LL EQ IM W HW Ice Hs Lr Rn Sn Tm Sp
inline constexpr int MAX_SOIL_MOVEMENT_POINTS = 100;
inline constexpr int MAX_PY_MODIFIER_POINTS = 80;
inline constexpr int MAX_TIP_SHEAR_POINTS = 50;
inline constexpr int MAX_PRINTED_PY_DEPTHS = 100;

// Pile-head load types (i_LoadType): condition 1 / condition 2.
inline constexpr int LOAD_SHEAR_MOMENT = 1;         // V, M
inline constexpr int LOAD_SHEAR_SLOPE = 2;          // V, S
inline constexpr int LOAD_SHEAR_ROTSTIFF = 3;       // V, R
inline constexpr int LOAD_DEFLECTION_MOMENT = 4;    // y, M
inline constexpr int LOAD_DEFLECTION_SLOPE = 5;     // y, S

// LRFD load types (LRFD_Load_Group::i_LoadType, index of the 13 load factors).
inline constexpr int LRFD_DL = 1, LRFD_LL = 2, LRFD_EQ = 3, LRFD_IM = 4, LRFD_W = 5,
                     LRFD_HW = 6, LRFD_ICE = 7, LRFD_HS = 8, LRFD_LR = 9, LRFD_RN = 10,
                     LRFD_SN = 11, LRFD_TM = 12, LRFD_SP = 13;

// One pile-head load case (LOADING).
struct Pile_Head_Load_Record {
  int32_t i_LoadType = 0;       // 1..5, see LOAD_* above
  double rd_Condition1 = 0.0;   // V (types 1-3, force) or y (types 4-5, dimension length)
  double rd_Condition2 = 0.0;   // M (types 1, 4, moment), S (types 2, 5, length/length)
                                // or R (type 3, moment per radian)
  double rd_AxialThrust = 0.0;  // axial thrust along the pile axis (force); also the
                                // thrusts of AXIAL THRUST LOADS in an EI-only analysis
  int32_t b_LengthStudy = 0;    // logical (-1/0): pile-head deflection vs pile length
};

// One point of a distributed lateral load (LOADING and LRFD groups).
struct Distributed_Load_Point_Record {
  double X = 0.0;      // depth below the pile head, dimension length (in | m | L), never converted
  double load = 0.0;   // load intensity, force per length
};

// One unfactored LRFD load group (LRFD LOADS).
struct LRFD_Load_Group_Record {
  int32_t i_LoadType = 0;                // 1..13, see LRFD_* above
  double rd_HorizontalForce = 0.0;       // pile-head shear (force)
  double rd_Moment = 0.0;                // pile-head moment
  double rd_AxialForce = 0.0;            // pile-head axial force (force)
  int32_t i_Number_of_Distributed_Points = 0;  // 0, or 2..50
  List<Distributed_Load_Point_Record, MAX_DISTRIBUTED_POINTS> LRFD_Distributed_Point;
};

// One LRFD load combination (LRFD FACTORS AND CASES).
struct LRFD_Combination_Record {
  List<double, LRFD_LOAD_TYPES> rd_LoadFactor;  // one per load type, in LRFD_* order
  double rd_FlexureFactor = 0.0;  // resistance factor for flexure (<= 0 on input becomes 0.75)
  double rd_ShearFactor = 0.0;    // resistance factor for shear (<= 0 on input becomes 0.75)
  Text<256> name;                 // name of the combination
};

// Sums of the unfactored load groups of one LRFD load type.
struct LRFD_Type_Total_Record {
  double rd_HorizontalForce = 0.0;
  double rd_Moment = 0.0;
  double rd_AxialForce = 0.0;
  int32_t i_Count = 0;            // number of load groups of this type
};

// Factored pile-head loads of one LRFD combination (Build_LRFD_Factored_Loads).
struct LRFD_Factored_Load_Record {
  double rd_HorizontalForce = 0.0;  // sum of factor x horizontal total (force, input units)
  double rd_VerticalForce = 0.0;    // sum of factor x axial total (force, input units)
  double rd_Shear = 0.0;            // shear across the pile axis after the batter transformation
  double rd_Moment = 0.0;           // factored pile-head moment (input units)
  double rd_Axial = 0.0;            // axial force along the pile after the batter transformation
  int32_t i_ThrustIndex = 0;        // position of rd_Axial in Axial_Thrust_List (0: none)
};

// One point of lateral soil movement (SOIL MOVEMENTS).
struct Soil_Movement_Point_Record {
  double X = 0.0;          // depth below the pile head, depth units
  double movement = 0.0;   // lateral soil movement: in | m (given in mm) | L
};

// One row of p-y modifiers for group action (GROUPEFF, GROUP EFFECT FACTORS).
struct PY_Modifier_Point_Record {
  double X = 0.0;              // depth below the pile head, depth units
  double p_Multiplier = 0.0;
  double y_Multiplier = 0.0;
};

// One point of the shear resistance curve at the pile tip (TIP SHEAR).
struct Tip_Shear_Point_Record {
  double displacement = 0.0;   // dimension length, never converted
  double force = 0.0;          // tip shear force (force), never converted
};

struct Loading_Records {
  // LOADING (and the thrust-only cases of AXIAL THRUST LOADS).
  List<Pile_Head_Load_Record, MAX_LOAD_CASES> Pile_Head_Load;
  int32_t i_Number_of_Loads = 0;

  // Distinct axial thrusts in ascending order for the section analyses:
  // kips in US customary units (input lbs / 1000), else input units.
  List<double, MAX_THRUSTS> Axial_Thrust_List;
  int32_t i_Number_of_Thrusts = 0;

  // Distributed lateral load of LOADING; a count below 1 means none.
  List<Distributed_Load_Point_Record, MAX_DISTRIBUTED_POINTS> Distributed_Load_Point;
  int32_t i_Number_of_Distributed_Points = 0;

  // LRFD LOADS and LRFD FACTORS AND CASES.
  List<LRFD_Load_Group_Record, MAX_LRFD_GROUPS> LRFD_Load_Group;
  int32_t i_Number_of_LRFD_Groups = 0;
  List<LRFD_Combination_Record, MAX_LRFD_COMBINATIONS> LRFD_Combination;
  int32_t i_Number_of_LRFD_Combinations = 0;

  // Built by Build_LRFD_Factored_Loads (LRFD analyses only).
  List<LRFD_Type_Total_Record, LRFD_LOAD_TYPES> LRFD_Type_Total;
  List<LRFD_Factored_Load_Record, MAX_LRFD_COMBINATIONS> LRFD_Factored_Load;
  int32_t b_LRFD_BatterTransformed = 0;       // logical: |rd_BatterAngle| > 1.0E-6
  List<double, MAX_THRUSTS> rd_LRFD_Thrust;   // the distinct factored thrusts, input units
  int32_t i_Number_of_LRFD_Thrusts = 0;

  // SOIL MOVEMENTS (2..100 points when given).
  List<Soil_Movement_Point_Record, MAX_SOIL_MOVEMENT_POINTS> Soil_Movement_Point;
  int32_t i_Number_of_Soil_Movement_Points = 0;

  // GROUPEFF / GROUP EFFECT FACTORS; "UsePYModifiers" presets the count to 1 or 0.
  List<PY_Modifier_Point_Record, MAX_PY_MODIFIER_POINTS> PY_Modifier_Point;
  int32_t i_Number_of_PY_Modifier_Points = 0;

  // TIP SHEAR; a count of 0 means tip shear is not used.
  List<Tip_Shear_Point_Record, MAX_TIP_SHEAR_POINTS> Tip_Shear_Point;
  int32_t i_Number_of_Tip_Shear_Points = 0;

  // PILE BATTER AND SLOPE, in radians.
  double rd_SlopeAngle = 0.0;         // ground slope angle
  double rd_BatterAngle = 0.0;        // pile batter angle
  double rd_SlopeMinusBatter = 0.0;   // rd_SlopeAngle - rd_BatterAngle

  // DEPTHS OF PRINTED P-Y CURVES: depths below the pile head, depth units.
  List<double, MAX_PRINTED_PY_DEPTHS> rd_PrintedPYDepth;
  int32_t i_Number_of_Printed_PY_Depths = 0;
};

}  // namespace ormyx
