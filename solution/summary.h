// The tables written once after the last load case: the summary of the pile
// response of every load case with its plot records, and the LRFD performance
// of every load combination and pile section.
#pragma once

namespace ormyx {

// The summary table, plot record Line 13 of every case and, in an LRFD
// analysis, the performance table (logs warning 400 for each failed pair of
// combination and section). Does nothing during the stiffness-matrix runs.
void Write_Response_Summary();

// Unfactored moment capacity of pile section s in load combination c, in the
// moment unit of the pile response (lb-in | kN-m | F-L); 0 for an elastic
// section, whose capacity is unlimited.
double fn_LRFD_Moment_Capacity(int c, int s);

}  // namespace ormyx
