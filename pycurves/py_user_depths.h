// p-y curves reported at the depths the user lists, after load case 1.
#pragma once

namespace ormyx {

// Sort and deduplicate the output depths, write plot record Line 6 and every
// curve in report mode, then restore the node model of the pile.
void Report_Py_Curves_At_Depths();

}  // namespace ormyx
