// Pile-head deflection versus pile length: the load case analysed again, with
// the same head loads, soil and sections, on the full pile and on piles
// shortened in steps of 5 % of its length, until a length fails or the tip
// would come too close to the ground surface.
//
// On a machine with two cores a large study runs one length ahead on a helper
// thread: while this thread analyses length a, the helper analyses length
// a + 1 on a private copy of the state taken before length a. Its result is
// taken over only when it is exactly the one a sequential run would produce:
// length a went on to the next length, changed nothing that length a + 1
// reads before writing it, and length a + 1 wrote no report, plot or message
// line and recorded no error. Otherwise length a + 1 is analysed again here.
#include "solution/length_study.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/plot_records.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/warning_capture.h"
#include "pycurves/soil_properties.h"
#include "solution/load_case.h"
#include "solution/pile_model.h"
#include "solution/results.h"

namespace ormyx {

namespace {

constexpr int STUDY_ATTEMPTS = 20;
// 0.05 in single precision: the step of the length factors and the shortest
// embedment (as a fraction of the full length) that is analysed.
constexpr float LENGTH_STEP = 0.05f;
constexpr double SHORTEST_FRACTION = 0.05000000074505806;

// Factor of attempt i = 0 .. 19 on the full length: 1 - 0.05 i, evaluated in
// single precision (1, 0.949999988..., ..., 0.050000011920928955).
double fn_Length_Factor(int i) {
  const float step = LENGTH_STEP * float(i);
  const float f = 1.0f - step;
  return double(f);
}

// One value line of the head conditions: label, value and, if any, its unit.
void Condition_Line(const char* label, const std::string& value, const std::string& unit) {
  Write_Line(CH_REPORT, label + value + (unit.empty() ? std::string() : " " + unit));
}

void Write_Study_Conditions(int c) {
  const Run_State& st = RS();
  const Pile_Head_Load_Record& p = st.prob.load.Pile_Head_Load[c];
  const std::string force = std::string(st.labels.force.trimmed());
  const std::string length = std::string(st.labels.length.trimmed());
  const std::string moment = length + "-" + force;
  // Names of the two head conditions of loading types 1 to 5.
  static const char* const NAMES[6] = {"",
                                       "Shear and Moment",
                                       "Shear and Slope",
                                       "Shear and Rotational Restraint",
                                       "Deflection and Moment",
                                       "Deflection and Slope"};
  const int type = p.i_LoadType;
  if (type < 1 || type > 5) return;  // the reader admits no other loading type
  Write_Line(CH_REPORT, "Boundary Condition Type " + fmt::I0(type) + ", " + NAMES[type]);
  Write_Line(CH_REPORT);
  // Condition 1: shear (types 1 to 3) or deflection; condition 2: moment,
  // slope or rotational restraint.
  if (type <= 3)
    Condition_Line("Shear      = ", fmt::F(p.rd_Condition1, 15, 0), force);
  else
    Condition_Line("Deflection = ", fmt::F(p.rd_Condition1, 15, 5), length);
  if (type == 1 || type == 4)
    Condition_Line("Moment     = ", fmt::F(p.rd_Condition2, 15, 0), moment);
  else if (type == 3)
    Condition_Line("Rot. Rest. = ", fmt::E(p.rd_Condition2, 15, 7), moment + "/Radian");
  else
    Condition_Line("Slope      = ", fmt::F(p.rd_Condition2, 15, 5), "");
  Condition_Line("Axial Load = ", fmt::F(p.rd_AxialThrust, 15, 0), force);
}

// How one length of the study ended: go on to the next length, end the
// study (the length failed or is too short), or leave with an error.
enum Attempt_End { ATTEMPT_NEXT, ATTEMPT_STOP, ATTEMPT_ERROR };

// Length a (1 .. 20) of the study of case c, on the state RS().
Attempt_End Run_Length_Attempt(int c, int a, double L0, double shortest) {
  Run_State& st = RS();
  const Problem_Options& o = st.prob.opt;
  Pile_Model& pm = st.sol.pile;
  Length_Study_State& ls = st.sol.study;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_SoilForce[k] = 0.0;
  for (int k = NODE_LO; k <= pm.i_Number_of_Nodes + 1; ++k) pm.rd_Y[k] = 0.0;
  Clear_Case_Maxima();
  st.sol.solver.rd_TipShear = 0.0;

  const double Li = fn_Length_Factor(a - 1) * L0;
  if (Li < shortest) return ATTEMPT_STOP;
  Build_Nodes_For_Length(Li);
  if (Error_Recorded()) return ATTEMPT_ERROR;
  Analyse_Case(c, CASE_LENGTH_STUDY);
  if (Error_Recorded()) return ATTEMPT_ERROR;
  if (st.sol.lc.b_Converged == L_FALSE) return ATTEMPT_STOP;
  if (std::fabs(pm.rd_Y[1]) <= o.rd_MaxDeflection && st.sol.solver.rd_dYmax < o.rd_ConvergenceTolerance) {
    ls.KYL[c] = ls.KYL[c] + 1;
    Record_Length_Point(c);
  }
  return ATTEMPT_NEXT;
}

// ---------------------------------------------------------------------------
// The study one length ahead on a helper thread.

// Smallest node count for which a study pays for the helper thread.
constexpr int PARALLEL_MIN_NODES = 201;

int g_Study_Mode = -1;  // -1: not yet read from the environment
double g_Study_Thread_CPU = 0.0;  // CPU time of the studies on the run's thread (benchmarks)
Length_Study_Statistics g_Stats;

int fn_Study_Mode() {
  if (g_Study_Mode < 0) {
    const char* e = std::getenv("ORMYX_STUDY_THREADS");
    const std::string v = e ? e : "";
    if (v == "0" || v == "off") g_Study_Mode = STUDY_SEQUENTIAL;
    else if (v == "force") g_Study_Mode = STUDY_FORCE_PARALLEL;
    else if (v == "check") g_Study_Mode = STUDY_CHECK_PARALLEL;
    else g_Study_Mode = STUDY_AUTO;
  }
  return g_Study_Mode;
}

// The records one length reads and writes, apart from those merged on their
// own (the case's section maxima, its study points, the warnings).
struct Attempt_Image {
  Pile_Model pile;
  Solver_State solver;
  Load_Case_State lc;
  Node_Results res;
  Py_State py;
};
static_assert(std::is_trivially_copyable_v<Attempt_Image>, "the image is copied byte for byte");

void Take_Image(Attempt_Image& im, const Run_State& s) {
  std::memcpy(static_cast<void*>(&im.pile), &s.sol.pile, sizeof im.pile);
  std::memcpy(static_cast<void*>(&im.solver), &s.sol.solver, sizeof im.solver);
  std::memcpy(static_cast<void*>(&im.lc), &s.sol.lc, sizeof im.lc);
  std::memcpy(static_cast<void*>(&im.res), &s.sol.res, sizeof im.res);
  std::memcpy(static_cast<void*>(&im.py), &s.py, sizeof im.py);
}

void Put_Image(Run_State& s, const Attempt_Image& im) {
  std::memcpy(static_cast<void*>(&s.sol.pile), &im.pile, sizeof im.pile);
  std::memcpy(static_cast<void*>(&s.sol.solver), &im.solver, sizeof im.solver);
  std::memcpy(static_cast<void*>(&s.sol.lc), &im.lc, sizeof im.lc);
  std::memcpy(static_cast<void*>(&s.sol.res), &im.res, sizeof im.res);
  std::memcpy(static_cast<void*>(&s.py), &im.py, sizeof im.py);
}

// Scratch: parts of the image that every length writes before it reads them,
// so that their value at the start of a length does not matter. The helper's
// copy holds a marker value there; a scratch element that still holds the
// marker after the helper's length was not written by it and keeps the value
// the length before left (or, for must_write ranges, the result is refused).
// Everything else in the image is carried from length to length and must be
// the same before and after length a for the helper's length to be valid.
constexpr uint64_t MARK64 = 0x7FF4C0DEC0DE5A5AULL;  // a signalling NaN never computed
constexpr uint32_t MARK32 = 0x5EA5C0DEU;            // an index or flag never stored

struct Scratch_Range {
  std::size_t offset;  // bytes from the start of the image
  std::size_t count;   // elements
  int size;            // 4 or 8 bytes (1 for an ignored range)
  bool must_write;     // refuse the helper's result when an element kept its marker
  bool ignored;        // values kept only to save work, checked against their own keys
};

struct Scratch_Set {
  std::vector<Scratch_Range> ranges;  // sorted by offset, not overlapping
  // Layers whose resistance integral is scratch: refused when the helper's
  // length leaves a layer without nodes above one with nodes.
  bool layer_resistance = false;
  // The head section is elastic: refused when node 2 lies in a section that
  // is not (the head moment is then read before it is computed).
  bool head_elastic = false;
};

template <class T>
void Add_Range(Scratch_Set& s, const Attempt_Image& im, const T& first, std::size_t count, bool must = false) {
  static_assert(sizeof(T) == 4 || sizeof(T) == 8, "scratch elements are 4 or 8 bytes");
  if (count == 0) return;
  const std::size_t off = std::size_t(reinterpret_cast<const char*>(&first) - reinterpret_cast<const char*>(&im));
  s.ranges.push_back({off, count, int(sizeof(T)), must, false});
}

// A range neither compared nor completed: depth-only values that every length
// keeps for itself and that are used only where their stamp and keys match
// the length's own nodes, so whichever length left them does not matter.
template <class T>
void Add_Ignored(Scratch_Set& s, const Attempt_Image& im, const T& object) {
  const std::size_t off = std::size_t(reinterpret_cast<const char*>(&object) - reinterpret_cast<const char*>(&im));
  s.ranges.push_back({off, sizeof(T), 1, false, true});
}

bool Keyword_In(std::string_view kw, std::initializer_list<std::string_view> list) {
  for (std::string_view k : list)
    if (kw == k) return true;
  return false;
}

// The scratch parts for a study with n nodes on the problem in RS().
void Build_Scratch_Set(Scratch_Set& s, const Attempt_Image& im, int n) {
  const Run_State& st = RS();
  s.ranges.clear();
  s.layer_resistance = false;
  s.head_elastic = false;
  const std::size_t N = std::size_t(n);
  // Pile model: rebuilt for the length by Build_Nodes_For_Length, deflections
  // and loads cleared at the start of every length, soil moduli set by the
  // case set-up; rd_EI(0) is set by the solver before it is read.
  const Pile_Model& pm = im.pile;
  Add_Range(s, im, pm.rd_h, 1);
  Add_Range(s, im, pm.rd_PileLength, 1);
  Add_Range(s, im, pm.rd_X[1], N);
  Add_Range(s, im, pm.rd_Depth[1], N);
  Add_Range(s, im, pm.rd_Y[NODE_LO], N + 3);
  Add_Range(s, im, pm.rd_EI[0], N + 1);
  Add_Range(s, im, pm.rd_SoilModulus[1], N);
  Add_Range(s, im, pm.rd_SoilForce[1], N);
  Add_Range(s, im, pm.rd_SoilMovement[1], N);
  Add_Range(s, im, pm.rd_Hinge[1], N);
  // A node outside every section keeps the section of the length before:
  // that is refused (must_write).
  Add_Range(s, im, pm.i_SectionOfNode[1], N, true);
  Add_Range(s, im, pm.i_TopNodeInLayer[1], std::size_t(MAX_LAYER_ENTRIES));
  Add_Range(s, im, pm.i_BottomNodeInLayer[1], std::size_t(MAX_LAYER_ENTRIES));
  // Solver: recursion coefficients from the tip up, head system, change
  // measures (the previous change is cleared at iteration 1), tip shear
  // (cleared at the start of every length).
  const Solver_State& sv = im.solver;
  for (const Node_Array* a : {&sv.rd_A, &sv.rd_B, &sv.rd_C, &sv.rd_D, &sv.rd_E}) Add_Range(s, im, (*a)[1], N);
  Add_Range(s, im, sv.F.v[0], std::size(sv.F.v));
  Add_Range(s, im, sv.G[1], std::size_t(sv.G.size));
  Add_Range(s, im, sv.YG[1], std::size_t(sv.YG.size));
  Add_Range(s, im, sv.rd_dYmax, 1);
  Add_Range(s, im, sv.rd_Delta_dYmax, 1);
  Add_Range(s, im, sv.rd_dYmax_Previous, 1);
  Add_Range(s, im, sv.rd_TipShear, 1);
  // Load case: iteration counters and the convergence flag, set at the start
  // of the case (its loads are the same for every length and stay carried).
  const Load_Case_State& lc = im.lc;
  Add_Range(s, im, lc.i_Iteration, 1);
  Add_Range(s, im, lc.i_IterationsUsed, 1);
  Add_Range(s, im, lc.b_Converged, 1);
  // Nodal results, written node by node before they are read. The moment at
  // the head is read for node 2 before node 1 is computed when the head
  // section is elastic (the stiffness update skips its nodes) and node 2 is
  // not: that is refused (head_elastic).
  const Node_Results& r = im.res;
  const Section_Records& sr = st.prob.sec;
  s.head_elastic = sr.i_Number_of_Sections >= 1 && sr.Pile_Section[1].i_SectionType == SECTION_ELASTIC;
  Add_Range(s, im, r.rd_Curvature[1], N);
  Add_Range(s, im, r.rd_Moment[1], N);
  for (const Node_Array* a : {&r.rd_Shear, &r.rd_Slope, &r.rd_SoilReaction, &r.rd_TotalStress, &r.rd_EI_Used})
    Add_Range(s, im, (*a)[1], N);
  for (const double* d : {&r.rd_CurMoment, &r.rd_CurShear, &r.rd_CurSlope, &r.rd_CurSoilReaction, &r.rd_CurStress,
                          &r.rd_HeadShear, &r.rd_HeadMoment, &r.rd_HeadSlope, &r.rd_MaxMoment, &r.rd_X_MaxMoment,
                          &r.rd_MaxShear, &r.rd_X_MaxShear, &r.rd_MaxStress, &r.rd_MaxMomentImbalance,
                          &r.rd_MaxForceImbalance})
    Add_Range(s, im, *d, 1);
  Add_Range(s, im, r.i_NodeMaxMomentImbalance, 1);
  Add_Range(s, im, r.i_NodeMaxForceImbalance, 1);
  // p-y state: the point range of the layer routine; the small-deflection
  // holds, cleared at iteration 1 (a vuggy limestone layer is set up before
  // that, so they stay carried then); the layer resistance of models that
  // restart it at the first point of their layer in every pass (layers are
  // passed from the top, and a layer reads those above it); the equivalent
  // depth of models that compute it at that point in every pass.
  const Py_State& py = im.py;
  Add_Range(s, im, py.i_FirstPoint, 1);
  Add_Range(s, im, py.i_LastPoint, 1);
  int nl = st.prob.soil.i_Number_of_Layers;
  nl = nl < 0 ? 0 : (nl > MAX_LAYERS ? MAX_LAYERS : nl);
  bool vuggy = false;
  for (int L = 1; L <= nl; ++L) vuggy = vuggy || fn_Layer_Keyword(L) == "Vuggy LS";
  if (!vuggy) {
    Add_Range(s, im, py.i_ThresholdBranch[1], std::size_t(MAX_NODES));
    Add_Range(s, im, py.i_ThresholdFlips[1], std::size_t(MAX_NODES));
  }
  for (int L = 1; L <= nl; ++L) {
    const std::string_view kw = fn_Layer_Keyword(L);
    if (Keyword_In(kw, {"SoftClay", "SoftClyJ", "StfClyBW", "StfClyAW", "StfClyAK", "Sand", "API Sand", "Liq Sand",
                        "Cem Silt", "User p-y"})) {
      Add_Range(s, im, py.rd_LayerResistance[L], 1);
      s.layer_resistance = true;
    }
    // The liquefied-sand model stores its own copy at every point.
    if (kw == "Liq Sand") Add_Range(s, im, py.rd_LiquefiedLayerResistance[L], 1);
    if (Keyword_In(kw, {"SoftClay", "SoftClyJ", "StfClyBW", "StfClyAW", "StfClyAK", "API Sand", "Cem Silt"}))
      Add_Range(s, im, py.rd_EquivDepthTop[L], 1);
  }
  Add_Ignored(s, im, py.soil_node);
  std::sort(s.ranges.begin(), s.ranges.end(),
            [](const Scratch_Range& x, const Scratch_Range& y) { return x.offset < y.offset; });
}

char* Bytes(Attempt_Image& im) { return reinterpret_cast<char*>(&im); }
const char* Bytes(const Attempt_Image& im) { return reinterpret_cast<const char*>(&im); }

void Mark_Scratch(Attempt_Image& im, const Scratch_Set& s) {
  for (const Scratch_Range& r : s.ranges) {
    if (r.ignored) continue;
    char* p = Bytes(im) + r.offset;
    for (std::size_t i = 0; i < r.count; ++i) {
      if (r.size == 8) std::memcpy(p + 8 * i, &MARK64, 8);
      else std::memcpy(p + 4 * i, &MARK32, 4);
    }
  }
}

// The carried parts (everything outside the scratch) of two images are equal.
bool Carried_Parts_Equal(const Attempt_Image& a, const Attempt_Image& b, const Scratch_Set& s) {
  std::size_t at = 0;
  for (const Scratch_Range& r : s.ranges) {
    if (r.offset > at && std::memcmp(Bytes(a) + at, Bytes(b) + at, r.offset - at) != 0) return false;
    at = std::max(at, r.offset + r.count * std::size_t(r.size));
  }
  return std::memcmp(Bytes(a) + at, Bytes(b) + at, sizeof(Attempt_Image) - at) == 0;
}

bool Is_Mark(const char* p, int size) {
  return size == 8 ? std::memcmp(p, &MARK64, 8) == 0 : std::memcmp(p, &MARK32, 4) == 0;
}

// The helper's image w completed where its length left the marker: those
// elements keep the value of the image m that length a left. False when a
// must_write element kept its marker.
bool Complete_Helper_Image(Attempt_Image& w, const Attempt_Image& m, const Scratch_Set& s) {
  for (const Scratch_Range& r : s.ranges) {
    if (r.ignored) continue;
    for (std::size_t i = 0; i < r.count; ++i) {
      const std::size_t off = r.offset + i * std::size_t(r.size);
      if (!Is_Mark(Bytes(w) + off, r.size)) continue;
      if (r.must_write) return false;
      std::memcpy(Bytes(w) + off, Bytes(m) + off, std::size_t(r.size));
    }
  }
  return true;
}

// CPU time of the calling thread (for the benchmark counts).
double fn_Thread_CPU_Seconds() {
  timespec t{};
  if (::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t) != 0) return 0.0;
  return double(t.tv_sec) + 1.0e-9 * double(t.tv_nsec);
}

// The helper thread and its private state.
struct Study_Helper {
  Run_State* state = nullptr;
  unsigned long generation = 0;  // run whose constant records the state holds
  Warning_Capture capture;

  std::thread thread;
  std::mutex mu;
  std::condition_variable cv;
  bool job = false, done = false, quit = false;
  int c = 0, attempt = 0;
  double L0 = 0.0, shortest = 0.0;
  Attempt_End result = ATTEMPT_ERROR;
  double cpu_seconds = 0.0;  // CPU time of the helper's lengths (benchmarks)
};

Study_Helper g_Helper;
// Records compared and merged by the check mode, saved and restored whole.
struct Study_Snapshot {
  Attempt_Image im;
  Run_Status status;
  Section_Maximum maxima[MAX_CASE_SECTIONS];
  Length_Study_State study;
};

// The images of a pair and the check mode's snapshots (1.4 MB): allocated at
// the first study that uses the helper, so that runs without one never touch
// them.
struct Study_Buffers {
  Attempt_Image before, start, main, work;
  Study_Snapshot check_saved, check_merged, check_sequential;
};
Study_Buffers* g_Buf = nullptr;
Scratch_Set g_Scratch;

void Helper_Loop(Study_Helper* h) {
  tl_Run_State_Override = h->state;
  tl_Warning_Capture = &h->capture;
  std::unique_lock<std::mutex> lock(h->mu);
  for (;;) {
    h->cv.wait(lock, [h] { return h->job || h->quit; });
    if (h->quit) break;
    const int c = h->c, a = h->attempt;
    const double L0 = h->L0, shortest = h->shortest;
    lock.unlock();
    Attempt_End r = ATTEMPT_ERROR;
    const double t0 = fn_Thread_CPU_Seconds();
    try {
      r = Run_Length_Attempt(c, a, L0, shortest);
    } catch (...) {
      r = ATTEMPT_ERROR;  // the length is analysed again on the run's thread
    }
    const double t1 = fn_Thread_CPU_Seconds();
    lock.lock();
    h->cpu_seconds += t1 - t0;
    h->result = r;
    h->job = false;
    h->done = true;
    h->cv.notify_all();
  }
}

void Start_Helper_Job(int c, int a, double L0, double shortest) {
  Study_Helper& h = g_Helper;
  std::lock_guard<std::mutex> lock(h.mu);
  h.c = c;
  h.attempt = a;
  h.L0 = L0;
  h.shortest = shortest;
  h.done = false;
  h.job = true;
  h.cv.notify_all();
}

Attempt_End Wait_Helper_Job() {
  Study_Helper& h = g_Helper;
  std::unique_lock<std::mutex> lock(h.mu);
  h.cv.wait(lock, [&h] { return h.done; });
  return h.result;
}

// Started for one study; stopped (after its running length) when the study
// ends, also when it ends by an exception.
struct Helper_Session {
  bool running = false;
  // False when no thread can be started (the lengths then run one after
  // another).
  bool Start() {
    Study_Helper& h = g_Helper;
    h.job = h.done = h.quit = false;
    try {
      h.thread = std::thread(Helper_Loop, &h);
    } catch (...) {
      return false;
    }
    running = true;
    return true;
  }
  ~Helper_Session() {
    if (!running) return;
    Study_Helper& h = g_Helper;
    {
      std::unique_lock<std::mutex> lock(h.mu);
      h.cv.wait(lock, [&h] { return !h.job; });
      h.quit = true;
      h.cv.notify_all();
    }
    h.thread.join();
  }
};

// An output channel of the helper's state holds this text as its current
// line: any write, line end or tab to it changes or clears it.
constexpr const char* CHANNEL_MARK = "\x01study";

// The helper's state for the study of case c: the records no length writes
// (problem, sections, moment-EI tables, labels) once per run, the rest of the
// solution records at every study. False when no state can be allocated.
bool Prepare_Helper_State() {
  Study_Helper& h = g_Helper;
  if (!h.state) {
    try {
      h.state = Create_Private_Run_State();
    } catch (...) {
      return false;
    }
  }
  Run_State& w = *h.state;
  const Run_State& m = RS();
  if (h.generation != fn_Run_Generation()) {
    std::memcpy(static_cast<void*>(&w.prob), &m.prob, sizeof w.prob);
    std::memcpy(static_cast<void*>(&w.sec), &m.sec, sizeof w.sec);
    std::memcpy(static_cast<void*>(&w.sol.mei), &m.sol.mei, sizeof w.sol.mei);
    std::memcpy(static_cast<void*>(&w.labels), &m.labels, sizeof w.labels);
    h.generation = fn_Run_Generation();
  } else {
    // Options, loads and soil are small (0.2 MB): a change to them between
    // cases (the stiffness matrix sets its own cases) is taken over.
    std::memcpy(static_cast<void*>(&w.prob.opt), &m.prob.opt, sizeof w.prob.opt);
    std::memcpy(static_cast<void*>(&w.prob.load), &m.prob.load, sizeof w.prob.load);
    std::memcpy(static_cast<void*>(&w.prob.soil), &m.prob.soil, sizeof w.prob.soil);
  }
  Solution_State& ws = w.sol;
  const Solution_State& ms = m.sol;
  std::memcpy(static_cast<void*>(&ws.Case_Summary_Record), &ms.Case_Summary_Record, sizeof ws.Case_Summary_Record);
  std::memcpy(static_cast<void*>(&ws.Section_Maxima), &ms.Section_Maxima, sizeof ws.Section_Maxima);
  std::memcpy(static_cast<void*>(&ws.study), &ms.study, sizeof ws.study);
  ws.b_StiffnessMatrixRun = ms.b_StiffnessMatrixRun;
  ws.i_PrintPYCurvesRequested = ms.i_PrintPYCurvesRequested;
  for (Output_Channel& ch : w.files.out) ch.fp = nullptr;
  return true;
}

// Hand length a + 1 of case c to the helper, on a copy of the state as it is
// before length a.
void Dispatch_Next_Length(int c, int a_next, double L0, double shortest) {
  Run_State& m = RS();
  Run_State& w = *g_Helper.state;
  Take_Image(g_Buf->before, m);
  std::memcpy(static_cast<void*>(&g_Buf->start), &g_Buf->before, sizeof g_Buf->start);
  Mark_Scratch(g_Buf->start, g_Scratch);
  Put_Image(w, g_Buf->start);
  std::memcpy(static_cast<void*>(&w.status), &m.status, sizeof w.status);
  for (int s = 1; s <= MAX_CASE_SECTIONS; ++s) w.sol.Section_Maxima(c, s) = m.sol.Section_Maxima(c, s);
  w.sol.study.KYL[c] = m.sol.study.KYL[c];
  for (Output_Channel& ch : w.files.out) ch.line.assign(CHANNEL_MARK);
  g_Helper.capture.Clear();
  Start_Helper_Job(c, a_next, L0, shortest);
}

// The section maxima of case c after the helper's length: the helper started
// from the values before length a and compares with strict >, so its value
// replaces the present one only where its magnitude is strictly larger (the
// first of equal magnitudes stays, as in a sequential run).
void Merge_Section_Maxima(Run_State& m, const Run_State& w, int c) {
  for (int s = 1; s <= MAX_CASE_SECTIONS; ++s) {
    Section_Maximum& x = m.sol.Section_Maxima(c, s);
    const Section_Maximum& y = w.sol.Section_Maxima(c, s);
    if (std::fabs(y.rd_Moment) > std::fabs(x.rd_Moment)) {
      x.rd_Moment = y.rd_Moment;
      x.i_MomentNode = y.i_MomentNode;
    }
    if (std::fabs(y.rd_Shear) > std::fabs(x.rd_Shear)) {
      x.rd_Shear = y.rd_Shear;
      x.i_ShearNode = y.i_ShearNode;
    }
  }
}

// Counts of refusals by reason: helper error, warning capture full, run-file
// write, node count, carried records changed, layer without nodes above one
// with nodes, must-write element unwritten, study points, head moment.
long g_Refused_By[9] = {};
bool Refuse(int reason) {
  ++g_Refused_By[reason];
  return false;
}

// Whether the helper's length can be taken over, given that length a on
// this thread went on to the next length.
bool Helper_Result_Valid(Attempt_End r, int n) {
  const Run_State& m = RS();
  const Run_State& w = *g_Helper.state;
  if (r == ATTEMPT_ERROR || w.status.i_ErrorNumber != 0 || m.status.i_ErrorNumber != 0) return Refuse(0);
  if (g_Helper.capture.overflow) return Refuse(1);
  for (const Output_Channel& ch : w.files.out)
    if (ch.line != CHANNEL_MARK) return Refuse(2);  // the helper wrote to a run file
  if (w.sol.pile.i_Number_of_Nodes != n || m.sol.pile.i_Number_of_Nodes != n) return Refuse(3);
  // Length a changed nothing the helper's length read before writing.
  Take_Image(g_Buf->main, m);
  if (!Carried_Parts_Equal(g_Buf->main, g_Buf->start, g_Scratch)) return Refuse(4);
  if (g_Scratch.head_elastic) {
    const Section_Records& sr = m.prob.sec;
    const int ks = n >= 2 ? w.sol.pile.i_SectionOfNode[2] : 1;
    if (!(ks >= 1 && ks <= sr.i_Number_of_Sections && ks <= MAX_SECTIONS &&
          sr.Pile_Section[ks].i_SectionType == SECTION_ELASTIC))
      return Refuse(8);
  }
  // Layer resistances restarted in every pass are scratch only while no
  // layer without nodes lies above a layer with nodes.
  if (g_Scratch.layer_resistance) {
    int nl = m.prob.soil.i_Number_of_Layers;
    nl = nl < 0 ? 0 : (nl > MAX_LAYERS ? MAX_LAYERS : nl);
    bool empty_above = false;
    for (int L = 1; L <= nl; ++L) {
      if (w.sol.pile.i_TopNodeInLayer[L] == 0) empty_above = true;
      else if (empty_above) return Refuse(5);
    }
  }
  return true;
}

// The helper's length taken over: its image completed with the values length
// a left where it wrote nothing, its study point appended, the section
// maxima merged and its warnings logged again in order. kyl_before is the
// number of points before length a (the helper's starting value). False
// (nothing changed) when a must-write element was left unwritten.
bool Take_Over_Helper_Length(int c, int kyl_before) {
  Run_State& m = RS();
  const Run_State& w = *g_Helper.state;
  Take_Image(g_Buf->work, w);
  if (!Complete_Helper_Image(g_Buf->work, g_Buf->main, g_Scratch)) return Refuse(6);
  const int added = w.sol.study.KYL[c] - kyl_before;
  if (added != 0 && added != 1) return Refuse(7);
  Put_Image(m, g_Buf->work);
  if (added == 1) {
    Length_Study_State& ls = m.sol.study;
    ls.KYL[c] = ls.KYL[c] + 1;
    ls.points[ls.KYL[c]] = w.sol.study.points[w.sol.study.KYL[c]];
  }
  Merge_Section_Maxima(m, w, c);
  const Warning_Capture& cap = g_Helper.capture;
  for (int i = 0; i < cap.runs; ++i)
    for (int j = 0; j < cap.repeat[i]; ++j) Log_Warning(cap.number[i]);
  return true;
}

// The records a length leaves, for the comparison of the checking mode.

void Take_Snapshot(Study_Snapshot& s, int c) {
  const Run_State& m = RS();
  Take_Image(s.im, m);
  std::memcpy(static_cast<void*>(&s.status), &m.status, sizeof s.status);
  for (int k = 1; k <= MAX_CASE_SECTIONS; ++k) s.maxima[k - 1] = m.sol.Section_Maxima(c, k);
  std::memcpy(static_cast<void*>(&s.study), &m.sol.study, sizeof s.study);
}

void Put_Snapshot(const Study_Snapshot& s, int c) {
  Run_State& m = RS();
  Put_Image(m, s.im);
  std::memcpy(static_cast<void*>(&m.status), &s.status, sizeof s.status);
  for (int k = 1; k <= MAX_CASE_SECTIONS; ++k) m.sol.Section_Maxima(c, k) = s.maxima[k - 1];
  std::memcpy(static_cast<void*>(&m.sol.study), &s.study, sizeof s.study);
}

// Two images equal outside their ignored ranges (kept values that each
// length checks against its own keys).
bool Images_Equal(const Attempt_Image& a, const Attempt_Image& b, const Scratch_Set& s) {
  std::size_t at = 0;
  for (const Scratch_Range& r : s.ranges) {
    if (!r.ignored) continue;
    if (r.offset > at && std::memcmp(Bytes(a) + at, Bytes(b) + at, r.offset - at) != 0) return false;
    at = std::max(at, r.offset + r.count * std::size_t(r.size));
  }
  return std::memcmp(Bytes(a) + at, Bytes(b) + at, sizeof(Attempt_Image) - at) == 0;
}

bool Snapshots_Equal(const Study_Snapshot& a, const Study_Snapshot& b) {
  return Images_Equal(a.im, b.im, g_Scratch) && std::memcmp(&a.status, &b.status, sizeof a.status) == 0 &&
         std::memcmp(a.maxima, b.maxima, sizeof a.maxima) == 0 &&
         std::memcmp(&a.study, &b.study, sizeof a.study) == 0;
}

// The lengths of the study of case c one after another.
Attempt_End Run_Lengths_In_Turn(int c, double L0, double shortest) {
  Attempt_End end = ATTEMPT_NEXT;
  for (int a = 1; a <= STUDY_ATTEMPTS; ++a) {
    end = Run_Length_Attempt(c, a, L0, shortest);
    if (end != ATTEMPT_NEXT) break;
  }
  return end;
}

// The lengths of the study of case c, from length 1, one ahead on the
// helper. The result is the end of the last length analysed.
Attempt_End Run_Lengths_In_Pairs(int c, double L0, double shortest, bool check) {
  Run_State& m = RS();
  const int n = m.sol.pile.i_Number_of_Nodes;
  if (!g_Buf) g_Buf = new (std::nothrow) Study_Buffers;
  if (!g_Buf || !Prepare_Helper_State()) return Run_Lengths_In_Turn(c, L0, shortest);
  Build_Scratch_Set(g_Scratch, g_Buf->before, n);
  Helper_Session session;
  if (!session.Start()) return Run_Lengths_In_Turn(c, L0, shortest);
  int a = 1;
  while (a <= STUDY_ATTEMPTS) {
    // Length a + 1 goes to the helper only when it is long enough to be
    // analysed at all.
    const bool ahead = a + 1 <= STUDY_ATTEMPTS && !(fn_Length_Factor(a) * L0 < shortest);
    const int kyl_before = m.sol.study.KYL[c];
    if (ahead) Dispatch_Next_Length(c, a + 1, L0, shortest);
    const Attempt_End r = Run_Length_Attempt(c, a, L0, shortest);
    const Attempt_End rh = ahead ? Wait_Helper_Job() : ATTEMPT_ERROR;
    if (r != ATTEMPT_NEXT) return r;
    if (!ahead) {
      ++a;
      continue;
    }
    ++g_Stats.speculated;
    if (!Helper_Result_Valid(rh, n)) {
      ++g_Stats.refused;
      ++a;  // length a + 1 is analysed again here
      continue;
    }
    if (check) Take_Snapshot(g_Buf->check_saved, c);
    if (!Take_Over_Helper_Length(c, kyl_before)) {
      ++g_Stats.refused;
      ++a;
      continue;
    }
    ++g_Stats.accepted;
    if (check) {
      // Length a + 1 again on this thread: the merged records must be the
      // ones a sequential run leaves, byte for byte.
      Take_Snapshot(g_Buf->check_merged, c);
      Put_Snapshot(g_Buf->check_saved, c);
      const Attempt_End rs = Run_Length_Attempt(c, a + 1, L0, shortest);
      Take_Snapshot(g_Buf->check_sequential, c);
      if (rs != rh || !Snapshots_Equal(g_Buf->check_merged, g_Buf->check_sequential)) ++g_Stats.check_mismatches;
      if (rs != ATTEMPT_NEXT) return rs;
      a += 2;
      continue;
    }
    if (rh != ATTEMPT_NEXT) return rh;
    a += 2;
  }
  return ATTEMPT_NEXT;
}

}  // namespace

void Set_Length_Study_Mode(int mode) { g_Study_Mode = mode; }

Length_Study_Statistics fn_Length_Study_Statistics() { return g_Stats; }

void Record_Length_Point(int c) {
  Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  Length_Study_State& ls = st.sol.study;
  const int j = ls.KYL[c];
  Clear_Case_Maxima();
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) Compute_Node_Results(k);
  Length_Point& p = ls.points[j];
  p.rd_Length = pm.rd_X[pm.i_Number_of_Nodes];
  p.rd_HeadDeflection = pm.rd_Y[1];
  p.rd_MaxMoment = st.sol.res.rd_MaxMoment;
  p.rd_MaxShear = st.sol.res.rd_MaxShear;
}

void Compute_Deflection_Versus_Length(int c) {
  Run_State& st = RS();
  if (c < 1 || c > MAX_CASES || c > MAX_LOAD_CASES) return;
  const Problem_Options& o = st.prob.opt;
  Pile_Model& pm = st.sol.pile;
  Length_Study_State& ls = st.sol.study;
  const double L0 = pm.b_PileLengthSaved ? pm.rd_SavedPileLength : pm.rd_PileLength;
  const double shortest = SHORTEST_FRACTION * L0 + st.prob.soil.rd_GroundSurfaceDepth;
  ls.KYL[c] = 0;

  // The helper thread pays for a long pile on a machine with a second core;
  // the forcing modes use it for every study (tests).
  const int mode = fn_Study_Mode();
  bool pairs = mode == STUDY_FORCE_PARALLEL || mode == STUDY_CHECK_PARALLEL;
  if (mode == STUDY_AUTO)
    pairs = pm.i_Number_of_Nodes >= PARALLEL_MIN_NODES && std::thread::hardware_concurrency() >= 2;
  if (&st != g_Run_State) pairs = false;  // never from a helper's own state
  const double t0 = fn_Thread_CPU_Seconds();
  const Attempt_End end = pairs ? Run_Lengths_In_Pairs(c, L0, shortest, mode == STUDY_CHECK_PARALLEL)
                                : Run_Lengths_In_Turn(c, L0, shortest);
  g_Study_Thread_CPU += fn_Thread_CPU_Seconds() - t0;
  // Benchmarks: the counts so far appended to the file ORMYX_STUDY_STATS names.
  if (const char* stats = std::getenv("ORMYX_STUDY_STATS")) {
    if (std::FILE* f = std::fopen(stats, "a")) {
      std::fprintf(f, "length study: %ld lengths ahead, %ld taken over, %ld refused, %ld check mismatches; refused by",
                   g_Stats.speculated, g_Stats.accepted, g_Stats.refused, g_Stats.check_mismatches);
      for (long k : g_Refused_By) std::fprintf(f, " %ld", k);
      std::fprintf(f, "; CPU of the studies: run's thread %.3f s, helper %.3f s\n", g_Study_Thread_CPU,
                   g_Helper.cpu_seconds);
      std::fclose(f);
    }
  }
  if (end == ATTEMPT_ERROR) return;

  const int points = ls.KYL[c];
  const bool us = o.IUNITS == US_UNITS;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, fmt::X(12) + "Pile-head Deflection vs. Pile Length for Load Case " + fmt::I0(c));
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT);
  Write_Study_Conditions(c);
  Blank_Lines(CH_REPORT, 2);
  if (points >= 1) {
    Write_Line(CH_REPORT, "    Pile       Pile Head       Maximum       Maximum");
    Write_Line(CH_REPORT, "   Length      Deflection      Moment         Shear ");
    Write_Line(CH_REPORT, us ? "    feet         inches        ln-lbs          lbs "
                             : "   meters        meters         kN-m           kN  ");
    Write_Line(CH_REPORT, "------------  ------------  ------------  ------------");
    for (int j = 1; j <= points; ++j) {
      const Length_Point& p = ls.points[j];
      Write_Number(us ? p.rd_Length / 12.0 : p.rd_Length, 11);
      Write_Number(p.rd_HeadDeflection, 14);
      Write_Number(p.rd_MaxMoment, 14);
      Write_Number(p.rd_MaxShear, 14);
      End_Line();
    }
  } else {
    Write_Line(CH_REPORT,
               "No computations for top deflection vs. pile length were successful for this load case.");
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "Results of last two iterations:");
    Write_Line(CH_REPORT);
  }

  Write_Plot_Line_11(points, c);
  for (int j = 1; j <= points; ++j) {
    const Length_Point& p = ls.points[j];
    Write_Plot_Line_12(p.rd_Length, p.rd_HeadDeflection, p.rd_MaxMoment, p.rd_MaxShear, us);
  }
}

}  // namespace ormyx
