// Run control records: run status, run files, unit labels and the names of
// the moment-curvature files. Part of the run-wide state (engine/run_state.h).
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/fixed_array.h"

namespace ormyx {

// Named constants compared against by every subsystem.
inline constexpr int US_UNITS = 1;          // IUNITS = 1, US customary
inline constexpr int SI_UNITS = 2;          // IUNITS = 2, SI
inline constexpr int GENERIC_UNITS = 3;     // IUNITS = 3, generic
inline constexpr int ANALYSIS_EI_ONLY = 2;  // i_Analysis_Type: bending stiffness only
inline constexpr int ANALYSIS_LATERAL = 3;  // i_Analysis_Type: lateral pile response
inline constexpr int HOST_VERSION = 6034;
inline constexpr const char* VERSION_TEXT = "2012-06.034";

// Logicals are stored as -1 (true) and 0 (false).
inline constexpr int32_t L_TRUE = -1;
inline constexpr int32_t L_FALSE = 0;

inline constexpr int MAX_WARNING = 4000;

struct Run_Status {
  int32_t i_ErrorNumber = 0;
  Fixed_Array<int32_t, 0, MAX_WARNING> i_WarningCount;  // [0]: any warning logged in the run
  List<int32_t, MAX_WARNING> i_WarningList;
  List<int32_t, MAX_WARNING> i_WarningPrinted;           // -1 once the summary wrote the text
};

// Output channels of the run.
enum Channel : int { CH_REPORT = 0, CH_PLOT = 1, CH_MESSAGE = 2, CH_AUX = 3, CH_CONSOLE = 4 };
inline constexpr int CHANNEL_COUNT = 5;

struct Output_Channel {
  std::FILE* fp = nullptr;
  std::string line;      // the current, not yet ended line
  bool failed = false;   // a write to this channel failed
};

inline constexpr int NAME_LENGTH = 256;
inline constexpr int MAX_MEI_REPORT_FILES = 2000;  // 20 sections x 100 thrusts

struct Run_Files {
  Text<NAME_LENGTH> input_name, report_name, plot_name, message_name;
  std::FILE* input = nullptr;
  int32_t input_line_number = 0;  // number of the input line last read
  Output_Channel out[CHANNEL_COUNT];
  Text<NAME_LENGTH> current_directory;
  // The moment-curvature file names, packed one after another: a name takes
  // only its own characters, so a run touches only the memory its names need
  // (engine/run_files.h: Set_MEI_Report_File_Name, fn_MEI_Report_File_Name).
  Fixed_Array<char, 0, MAX_MEI_REPORT_FILES * NAME_LENGTH - 1> MEI_Name_Chars;
  List<int32_t, MAX_MEI_REPORT_FILES> MEI_Name_Start;   // first character of name k
  List<int32_t, MAX_MEI_REPORT_FILES> MEI_Name_Length;  // 0: no name (blank)
  int32_t i_MEI_Name_Chars_Used = 0;
  int32_t i_Number_of_MEI_Report_Files = 0;
  bool b_ConversionPending = false;  // US input units still to be converted
  bool b_ConversionDone = false;
  char format_tag[8] = "       ";
};

struct Unit_Labels {
  Text<3> length;             // "in " | "m  " | "L  "
  Text<5> force_per_length;   // "lb/in" | "kN/m " | "F/L  "
  Text<5> force_per_length3;  // "pci  " | "kN/m3" | "F/L3 "
  Text<2> long_length;        // "ft" | "m " | "L "
  Text<2> short_length;       // "in" | "mm" | "L "
  Text<3> force;              // "lbs" | "kN " | "F  "
  Text<8> moment;             // "in-lb   " | "kN-m    " | "F-L     "
  Text<5> unit_weight;        // "pcf  " | "kN/m3" | "F/L3 "
  Text<5> force_per_length3b; // second force per length cubed
  Text<4> stress_sq_ft;       // "psf " | "kPa " | "F/L2"
  Text<4> stress_sq_in;       // "psi " | "kPa " | "F/L2"
  Text<1> slash, dash;        // "/" "-"
  Text<2> power;              // "**"
  Text<1> two, three, four;   // "2" "3" "4"
};

}  // namespace ormyx
