// The run-wide state: every record of one analysis run, gathered in one
// object that is reset to its initial value at the start of every OGO call.
#pragma once
#include "engine/run_control.h"
#include "input/records.h"
#include "pycurves/py_state.h"
#include "section/section_state.h"
#include "solution/solution_state.h"

namespace ormyx {

struct Run_State {
  Run_Status status;
  Run_Files files;
  Unit_Labels labels;
  Problem_Records prob;
  Solution_State sol;
  Py_State py;
  Section_State sec;
};

// The one run-wide state object (allocated once, never on the stack). RS()
// is called everywhere, so the look-up is inline; the state is mapped on
// first use.
extern Run_State* g_Run_State;
Run_State& Map_Run_State();
inline Run_State& RS() {
  Run_State* s = g_Run_State;
  return s ? *s : Map_Run_State();
}

// Put every record back to its initial value (closing any file left open).
void Reset_Run_State();

}  // namespace ormyx
