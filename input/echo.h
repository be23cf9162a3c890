// The echo of the input data in the output report, with the checks that need
// several records at once and the data completed while echoing.
#pragma once
#include <string>
#include <string_view>

namespace ormyx {

// Entry point of the echo (declared in engine/run_steps.h):
// void Echo_Input_Data();

// The pile-head loading block of a run without LRFD load combinations.
void Echo_Pile_Head_Loads();

// A labelled value line: the label, "= " from column 56, the value and, when
// unit is not empty, a blank and the unit.
std::string Labelled_Value_Line(std::string_view label, std::string_view value,
                                std::string_view unit = {});

}  // namespace ormyx
