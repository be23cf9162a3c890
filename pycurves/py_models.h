// The soil model routines called by the layer pass (one per keyword) and the
// model-specific parts of the layered-soil correction.
#pragma once

namespace ormyx {

// Clays.
void Py_Soft_Clay(int L);               // "SoftClay": Matlock soft clay, J = 0.5
void Py_Soft_Clay_J(int L);             // "SoftClyJ": the same with J from the profile
void Py_Stiff_Clay_Water(int L);        // "StfClyBW": stiff clay with free water
void Py_Stiff_Clay_No_Water(int L);     // "StfClyAW": stiff clay without free water
void Py_Stiff_Clay_No_Water_K(int L);   // "StfClyAK": the same with an initial modulus k

// Sands.
void Py_Reese_Sand(int L);              // "Sand    "
void Py_API_Sand(int L);                // "API Sand"
void Py_Liquefied_Sand(int L);          // "Liq Sand"

// Rocks.
void Py_Weak_Rock(int L);               // "WeakRock"
void Py_Vuggy_Limestone(int L);         // "Vuggy LS"
void Py_Massive_Rock(int L);            // "MassRock"

// Other soils.
void Py_Cemented_Silt(int L);           // "Cem Silt"
void Py_User_Input(int L);              // "User p-y"
void Py_Loess(int L);                   // "KS Loess"
void Py_Piedmont(int L);                // "Piedmont"
void Py_Elastic_Subgrade(int L);        // "Elast SG": linear elastic subgrade

// Equivalent depth of layer L holding the resistance Ftot of the layers
// above (properties at the layer's first node), one per model family that
// takes part in the layered-soil correction.
double fn_Soft_Clay_Equivalent_Depth(int L, double Ftot, bool with_J);
// "StfClyBW", "StfClyAW", "StfClyAK" (the routine tells them by keyword).
double fn_Stiff_Clay_Equivalent_Depth(int L, double Ftot);
// "Sand    " and "API Sand".
double fn_Sand_Equivalent_Depth(int L, double Ftot);
// "Cem Silt".
double fn_Cemented_Silt_Equivalent_Depth(int L, double Ftot);

}  // namespace ormyx
