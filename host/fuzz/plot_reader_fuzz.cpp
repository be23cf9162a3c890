// libFuzzer entry for the plot-file reader: any bytes must end in data or a
// named error, never a crash, a hang or a read out of bounds. Built with
// -DORMYX_FUZZ=ON and clang; seeds: the plot files of the examples.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/plot_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ormyx::host::Plot_Data plot;
  ormyx::host::Plot_Read_Error error;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!ormyx::host::fn_Parse_Plot_Text(text, plot, error)) {
    // A failure always names a line of the text (or none for an empty one).
    if (error.message.empty() || error.line < 0) __builtin_trap();
  }
  return 0;
}
