// Errors and warnings: the recorder, the warning log and the warning summary.
// An error is a number in Run_Status; the routine that finds it writes its own
// block, records the number and returns, and every caller returns in turn.
#pragma once
#include <string>

namespace ormyx {

// "INP" or "RUN" followed by n in five digits ("INP00025", "RUN00011").
std::string Error_Code(const char* prefix, int n);

// Record an error: writes the "ended prematurely" lines to the report and
// stores number (100 + N input, 200 + N runtime, 999 internal).
void Record_Error(const std::string& code, int number);
void Record_Input_Error(int n);    // Record_Error("INP%05d", 100 + n)
void Record_Runtime_Error(int n);  // Record_Error("RUN%05d", 200 + n)
// Store a number without the recorder's lines (runtime errors 28, 29, 31-38).
void Store_Error_Number(int number);

// True once an error has been recorded in this run.
bool Error_Recorded();

// Log a warning (number is negative, -1 .. -4000). Writes nothing.
void Log_Warning(int number);
// Start of a load case: counters and printed flags back to 0.
void Reset_Warning_Counters();
// The summary of warnings at the end of the report.
void Write_Warning_Summary();
// The warning part of the return value after the summary: 0 when none.
int Warning_Return_Value();

// Runtime error block header: two blank lines, "**** Runtime Error No. n ****", blank.
void Write_Runtime_Error_Header(int n);
// Input error block header: "**** Input Data Error No. n ****".
std::string Input_Error_Header(int n);

}  // namespace ormyx
