// The input file reader: the main loop and the readers of each keyword section.
// Each reader reads the lines after its keyword line and returns when its last
// line is read or after recording an error (Error_Recorded()).
#pragma once

namespace ormyx {

void Read_Problem_Input();   // from line 2 to END; builds Axial_Thrust_List
// Axial_Thrust_List from the thrusts of the load cases (or LRFD load groups).
void Build_Load_Thrust_List();
void Read_Options();         // OPTIONS
void Read_Sections();        // SECTIONS
void Read_Soil_Layers();     // SOIL LAYERS
void Read_Pile_Head_Loads(); // LOADING
void Read_LRFD_Loads();      // LRFD LOADS
void Read_LRFD_Factors();    // LRFD FACTORS AND CASES

// Fill the table of soil model keywords (done before any input is read).
void Initialize_Soil_Model_Names();

// US customary input units to inch-based units, by record (called once,
// after the echo, by Convert_US_Input_Units of the run sequence).
void Convert_US_Section_Units();
void Convert_US_Soil_Units();
void Convert_US_Loading_Units();

}  // namespace ormyx
