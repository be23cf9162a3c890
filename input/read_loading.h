// The loading sections read by the main loop itself (besides LOADING, LRFD
// LOADS and LRFD FACTORS AND CASES, declared in input/reader.h), and the
// exchange sort that orders thrust lists.
#pragma once
#include "engine/fixed_array.h"

namespace ormyx {

void Read_Axial_Thrust_Loads();  // AXIAL THRUST LOADS
void Read_Tip_Shear();           // TIP SHEAR
void Read_Batter_And_Slope();    // PILE BATTER AND SLOPE
void Read_PY_Modifiers();        // GROUPEFF and GROUP EFFECT FACTORS
void Read_Soil_Movements();      // SOIL MOVEMENTS
void Read_Printed_PY_Depths();   // DEPTHS OF PRINTED P-Y CURVES

// Ascending order of entries 1..n by repeated exchange: for i = 1..n-1 and
// j = i+1..n, entries i and j are swapped when entry i is greater.
template <class T, int N>
void Sort_Ascending(List<T, N>& a, int n) {
  for (int i = 1; i <= n - 1; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (a[i] > a[j]) {
        T t = a[i];
        a[i] = a[j];
        a[j] = t;
      }
}

}  // namespace ormyx
