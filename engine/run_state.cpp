#include "engine/run_state.h"

#include <memory>

namespace ormyx {

namespace {
Run_State* g_state = nullptr;
}

Run_State& RS() {
  if (!g_state) g_state = new Run_State();
  return *g_state;
}

void Reset_Run_State() {
  Run_State& s = RS();
  if (s.files.input) std::fclose(s.files.input);
  for (auto& ch : s.files.out)
    if (ch.fp && ch.fp != stderr && ch.fp != stdout) std::fclose(ch.fp);
  std::destroy_at(&s);
  std::construct_at(&s);
}

}  // namespace ormyx
