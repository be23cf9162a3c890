// Unit labels by unit system and the normalisation of US customary input units.
#pragma once

namespace ormyx {

// Fill Unit_Labels for IUNITS (other codes leave the labels as they are).
void Set_Unit_Labels(int iunits);
// US customary input to inch-based units, once (nothing once it is done).
void Convert_US_Input_Units();
// Each layer top after the first becomes the bottom of the layer above.
void Make_Layers_Contiguous();

}  // namespace ormyx
