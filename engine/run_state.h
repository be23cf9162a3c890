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

// The state RS() gives on this thread. A helper thread that works on a
// private copy of the state (the deflection-length study runs one pile
// length ahead on one) sets it to its copy; on every other thread it is
// null until the first call of RS(), which sets it to the run-wide state, so
// that the look-up stays one load and one test.
inline thread_local Run_State* tl_Run_State_Override __attribute__((tls_model("initial-exec"))) = nullptr;
Run_State& Run_Wide_State_For_Thread();

inline Run_State& RS() {
  Run_State* s = tl_Run_State_Override;
  return s ? *s : Run_Wide_State_For_Thread();
}

// Put every record back to its initial value (closing any file left open).
void Reset_Run_State();

// Number of resets so far: a private copy made in an earlier run is stale.
unsigned long fn_Run_Generation();

// A private state in its initial value, for a helper thread (zero pages
// mapped on demand). It is kept for the life of the process.
Run_State* Create_Private_Run_State();

}  // namespace ormyx
