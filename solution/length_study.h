// Pile-head deflection versus pile length: the load case analysed again on
// piles shortened in steps of 5 % of the full length.
#pragma once

namespace ormyx {

// The study of load case c: its table in the report and plot Lines 11, 12.
void Compute_Deflection_Versus_Length(int c);

// Nodal results of the converged shortened pile and the next point of load
// case c: pile length, head deflection, largest moment and largest shear.
void Record_Length_Point(int c);

// How the lengths of a study are run: one after another; one ahead on a
// helper thread when the pile is long enough to pay (the default, also when
// the environment variable ORMYX_STUDY_THREADS is unset); one ahead for every
// study ("force"); one ahead for every study with each result taken over
// checked against the length analysed again ("check", tests). Read from
// ORMYX_STUDY_THREADS ("0" or "off" for sequential) at the first study of the
// process, unless set here first.
enum Length_Study_Mode { STUDY_SEQUENTIAL = 0, STUDY_AUTO = 1, STUDY_FORCE_PARALLEL = 2, STUDY_CHECK_PARALLEL = 3 };
void Set_Length_Study_Mode(int mode);

// Counts since the start of the process: lengths handed to the helper, taken
// over, refused (analysed again), and, in the checking mode, results taken
// over that differ from the length analysed again (0 when all is well).
struct Length_Study_Statistics {
  long speculated = 0;
  long accepted = 0;
  long refused = 0;
  long check_mismatches = 0;
};
Length_Study_Statistics fn_Length_Study_Statistics();

}  // namespace ormyx
