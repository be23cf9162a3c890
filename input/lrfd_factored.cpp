#include "input/lrfd_factored.h"

#include <cmath>

#include "engine/run_state.h"
#include "input/read_loading.h"

namespace ormyx {

void Build_LRFD_Factored_Loads() {
  Problem_Records& P = RS().prob;
  Loading_Records& L = P.load;

  for (int t = 1; t <= LRFD_LOAD_TYPES; ++t) L.LRFD_Type_Total[t] = LRFD_Type_Total_Record{};
  for (int c = 1; c <= MAX_LRFD_COMBINATIONS; ++c)
    L.LRFD_Factored_Load[c] = LRFD_Factored_Load_Record{};
  L.rd_LRFD_Thrust.fill(0.0);
  L.i_Number_of_LRFD_Thrusts = 0;

  // Totals of the unfactored groups by load type.
  for (int g = 1; g <= L.i_Number_of_LRFD_Groups; ++g) {
    const LRFD_Load_Group_Record& G = L.LRFD_Load_Group[g];
    if (G.i_LoadType < 1 || G.i_LoadType > LRFD_LOAD_TYPES) continue;
    LRFD_Type_Total_Record& T = L.LRFD_Type_Total[G.i_LoadType];
    T.rd_HorizontalForce += G.rd_HorizontalForce;
    T.rd_Moment += G.rd_Moment;
    T.rd_AxialForce += G.rd_AxialForce;
    T.i_Count += 1;
  }

  // Factored loads of every combination, then the batter transformation.
  const int n = L.i_Number_of_LRFD_Combinations;
  const double beta = L.rd_BatterAngle;
  L.b_LRFD_BatterTransformed = std::fabs(beta) > LRFD_BATTER_LIMIT ? L_TRUE : L_FALSE;
  for (int c = 1; c <= n; ++c) {
    const LRFD_Combination_Record& C = L.LRFD_Combination[c];
    LRFD_Factored_Load_Record& F = L.LRFD_Factored_Load[c];
    double h = 0.0, m = 0.0, v = 0.0;
    for (int t = 1; t <= LRFD_LOAD_TYPES; ++t) {
      h += C.rd_LoadFactor[t] * L.LRFD_Type_Total[t].rd_HorizontalForce;
      m += C.rd_LoadFactor[t] * L.LRFD_Type_Total[t].rd_Moment;
      v += C.rd_LoadFactor[t] * L.LRFD_Type_Total[t].rd_AxialForce;
    }
    F.rd_HorizontalForce = h;
    F.rd_VerticalForce = v;
    F.rd_Moment = m;
    if (L.b_LRFD_BatterTransformed != L_FALSE) {
      F.rd_Shear = std::cos(beta) * h + std::sin(beta) * v;
      F.rd_Axial = -std::sin(beta) * h + std::cos(beta) * v;
    } else {
      F.rd_Shear = h;
      F.rd_Axial = v;
    }
  }

  // Distinct factored axial forces in ascending order.
  List<double, MAX_LRFD_COMBINATIONS> t;
  for (int c = 1; c <= n; ++c) t[c] = L.LRFD_Factored_Load[c].rd_Axial;
  Sort_Ascending(t, n);
  int kept = 0;
  for (int i = 1; i <= n; ++i) {
    bool close = false;
    for (int k = 1; k <= kept; ++k)
      if (std::fabs(t[i] - L.rd_LRFD_Thrust[k]) < LRFD_THRUST_TOLERANCE) close = true;
    if (!close) L.rd_LRFD_Thrust[++kept] = t[i];
  }
  L.i_Number_of_LRFD_Thrusts = kept;

  // Thrust index of each combination: the exactly equal entry, else the entry
  // that absorbed its force (closer than the tolerance), so none is left at 0.
  for (int c = 1; c <= n; ++c) {
    LRFD_Factored_Load_Record& F = L.LRFD_Factored_Load[c];
    int index = 0;
    for (int k = 1; k <= kept && index == 0; ++k)
      if (L.rd_LRFD_Thrust[k] == F.rd_Axial) index = k;
    for (int k = 1; k <= kept && index == 0; ++k)
      if (std::fabs(L.rd_LRFD_Thrust[k] - F.rd_Axial) < LRFD_THRUST_TOLERANCE) index = k;
    F.i_ThrustIndex = index;
  }

  // The section analyses take the thrusts in kips in US customary units.
  L.Axial_Thrust_List.fill(0.0);
  for (int k = 1; k <= kept; ++k)
    L.Axial_Thrust_List[k] =
        P.opt.IUNITS == US_UNITS ? L.rd_LRFD_Thrust[k] / 1000.0 : L.rd_LRFD_Thrust[k];
  L.i_Number_of_Thrusts = kept;
}

}  // namespace ormyx
