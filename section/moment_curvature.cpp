// Moment-curvature computation of a nonlinear pile section at every axial
// thrust: curvature steps, neutral axis, moment about mid-depth, bending
// stiffness, run-message letters, nominal moment capacity, the point tables
// of the report, the moment-EI entries, the moment-curvature files and the
// plot records.
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <thread>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/section_driver.h"
#include "section/section_model.h"
#include "engine/plot_records.h"

namespace ormyx {

namespace {

// Single-precision constants of the computation, used in double arithmetic.
constexpr double EPS_NOMINAL = double(0.003f);   // compressive strain of Mn
constexpr double EPS_CRUSH = double(0.0038f);    // end of the concrete's descending branch
constexpr double ZONE_FRACTION = double(0.1f);   // tensile zone limit of prestressed sections
constexpr double EPS_TENSION = double(-0.005f);  // tension-controlled bar strain
constexpr double PIPE_FIRST_YIELD = double(1.7f);
constexpr double STEP_US = 1.25e-6;                // rad/in
constexpr double STEP_SI = 4.921259901994065e-5;   // rad/m
constexpr double INCH_SI = double(0.0254f);

// Sections with fewer thrusts are analysed on one thread: a second thread
// (some tens of microseconds to start and join, a tenth of a thrust) is used
// only where each thread gets two thrusts or more.
constexpr int MIN_THREADED_THRUSTS = 4;

// What the compute phase of a thrust leaves for the write phase: whether its
// neutral axes were all found, and the warnings it raised, in their order.
struct Thrust_Result {
  bool b_Solved = true;
  bool b_Warning_306 = false;  // the last moment is negative
  bool b_Warning_355 = false;  // Mn taken before the compressive strain 0.003
  std::string rows;            // rows of the report's point table
  std::string file;            // the moment-curvature file, when one is named
  std::string plot;            // plot Lines 4 and 5
};

// Section-wide settings of the texts of every thrust.
struct Text_Settings {
  int s = 0;
  int32_t shape = 0;
  double mn_scale = 1.0;      // Mn and the file moments: lb-in, kN-m or F-L
  long long file_base = 0;    // number of the file of thrust t: file_base + t
  long long file_limit = 0;   // last file number the host named
  std::string l4;
  const char* l5 = "";
};

bool Is_Pipe(const EI_Vars& EI) { return EI.i_AnalysisShape == SHAPE_STEEL_PIPE; }
bool Is_Prestressed(const EI_Vars& EI) { return EI.i_MaterialKind >= 3; }

// Steel pipe: the step follows the first-yield strain under the thrust.
double fn_Pipe_Curvature_Step(const EI_Vars& EI, double P) {
  const double A = EI.rd_PipeArea, E = EI.rd_CasingE, Dp = EI.rd_CasingDiameter;
  if (!(A > 0.0) || !(E > 0.0) || !(Dp > 0.0)) return 0.0;
  return (PIPE_FIRST_YIELD * EI.rd_CasingFy / E - P / (A * E)) / (Dp / 2.0) / 80.0;
}

// Largest value (or largest magnitude with its sign) of a slice stress over
// the slices i1..i2 that hold the material.
double fn_Largest(const Slice_Array& stress, const Slice_Array& area, int i1, int i2) {
  double v = 0.0;
  bool any = false;
  for (int i = i1; i <= i2; ++i) {
    if (!(area[i] > 0.0)) continue;
    if (!any || stress[i] > v) v = stress[i];
    any = true;
  }
  return v;
}

double fn_Largest_Magnitude(const Slice_Array& stress, const Slice_Array& area, int i1, int i2) {
  double v = 0.0;
  for (int i = i1; i <= i2; ++i)
    if (area[i] > 0.0 && std::fabs(stress[i]) > std::fabs(v)) v = stress[i];
  return v;
}

// Results of the point just solved: the slice state left by the last force
// evaluation of the neutral-axis search.
void Record_Point(const EI_Vars& EI, Moment_Curvature_Point& pt, const Moment_Curvature_Point* previous) {
  const double phi = EI.rd_Curvature, dn = EI.rd_NeutralAxisDepth, h = EI.rd_SectionDepth;
  const int32_t shape = EI.i_AnalysisShape;
  pt.rd_Curvature = phi;
  pt.rd_NeutralAxisDepth = dn;
  double M = EI.rd_Moment;
  if (shape != SHAPE_STEEL_PIPE && previous && previous->rd_Moment > M) M = previous->rd_Moment;
  pt.rd_Moment = M;
  pt.rd_EI = phi != 0.0 ? M / phi : 0.0;
  pt.rd_CompStrain = EI.rd_PrestrainConcrete + phi * dn;
  pt.rd_TensStrain = phi * (dn - h);

  pt.rd_MaxConcreteStress =
      shape == SHAPE_STEEL_PIPE ? 0.0
                                : fn_Largest(EI.rd_StressConcrete, EI.rd_SliceAreaConcrete, 1, NUM_SLICES);
  pt.rd_MaxBarStress = shape == SHAPE_STEEL_PIPE
                           ? 0.0
                           : fn_Largest_Magnitude(EI.rd_StressBars, EI.rd_SliceAreaBars, 1, NUM_SLICES);
  pt.rd_MaxCasingStress = 0.0;
  if ((shape == SHAPE_CIRCLE_CASING || shape == SHAPE_CIRCLE_CASING_CORE || shape == SHAPE_STEEL_PIPE) &&
      EI.rd_CasingThickness > 0.0)
    pt.rd_MaxCasingStress =
        fn_Largest_Magnitude(EI.rd_StressCasing, EI.rd_SliceAreaCasing, 1, NUM_SLICES);
  pt.rd_MaxCoreStress = 0.0;
  if (shape == SHAPE_CIRCLE_CASING_CORE && EI.rd_CoreThickness > 0.0 && EI.i_CoreTopSlice >= 1 &&
      EI.i_CoreBottomSlice <= NUM_SLICES)
    pt.rd_MaxCoreStress = fn_Largest_Magnitude(EI.rd_StressCore, EI.rd_SliceAreaCore,
                                               EI.i_CoreTopSlice, EI.i_CoreBottomSlice);

  pt.rd_BarTensileStrain = 0.0;
  if (shape == SHAPE_CIRCLE && EI.i_MaterialKind == MATERIAL_REINFORCED) {
    const double ymax = EI.rd_SliceBoundary[0];
    const int32_t n = EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS;
    for (int32_t b = 1; b <= n; ++b) {
      const double e = (dn - (ymax - EI.rd_BarY[b])) * phi;
      if (b == 1 || e < pt.rd_BarTensileStrain) pt.rd_BarTensileStrain = e;
    }
  }

  char letters[3] = {' ', ' ', ' '};
  if (EI.b_Cracked != L_FALSE) letters[0] = 'C';
  if (EI.b_Yielded != L_FALSE) letters[1] = 'Y';
  if (shape >= 1 && shape <= 8 && pt.rd_BarTensileStrain < EPS_TENSION &&
      pt.rd_CompStrain >= EPS_NOMINAL)
    letters[2] = 'T';
  if (EI.i_MaterialKind >= 3 && dn < ZONE_FRACTION * h) letters[1] = 'Z';
  pt.Run_Message_Letters.set(letters, 3);
}

// True when the point ends the relation of its thrust.
bool fn_Last_Point(const EI_Vars& EI, const Moment_Curvature_Point& pt, double P) {
  if (Is_Pipe(EI)) {
    const double A = EI.rd_PipeArea, E = EI.rd_CasingE;
    const double limit = 5.0 * EI.rd_CasingFy / E - P / (A * E);
    if (limit <= std::fmax(std::fabs(pt.rd_CompStrain), std::fabs(pt.rd_TensStrain))) return true;
  } else {
    if (Is_Prestressed(EI) && pt.rd_NeutralAxisDepth < ZONE_FRACTION * EI.rd_SectionDepth) return true;
    if (pt.rd_CompStrain >= EPS_CRUSH) return true;
  }
  return pt.rd_Moment <= 0.0;
}

// Nominal moment capacity of thrust t: at the compressive strain 0.003,
// or the largest developed moment when the section fails before it.
// Warning 355 (the section fails before that strain under a compressive
// thrust) is left in the thrust's result for the write phase.
void Nominal_Moment_Capacity(const EI_Vars& EI, Moment_Curvature_State& mc, int t, double P,
                             Thrust_Result& result) {
  const int K = mc.i_Number_of_Points[t];
  auto pt = [&](int p) -> const Moment_Curvature_Point& { return mc.point(t, p); };
  double Mn = 0.0, strain = 0.0;
  if (K < 1) {
    mc.rd_Mn[t] = 0.0;
    mc.rd_StrainAtMn[t] = 0.0;
    return;
  }
  if (Is_Pipe(EI)) {
    Mn = pt(K).rd_Moment;
    strain = pt(K).rd_CompStrain;
  } else {
    int m = 1;
    if (K >= 2) {
      int l = 1;
      if (!(pt(2).rd_CompStrain >= EPS_NOMINAL))
        while (l + 1 < K && !(pt(l + 1).rd_CompStrain >= EPS_NOMINAL)) ++l;
      m = l < MC_MAX_POINTS - 1 ? l : MC_MAX_POINTS - 1;
    }
    if (m + 1 <= K && pt(m + 1).rd_CompStrain > EPS_NOMINAL && pt(m + 1).rd_Moment > 0.0) {
      const Moment_Curvature_Point &a = pt(m), &b = pt(m + 1);
      Mn = a.rd_Moment + (b.rd_Moment - a.rd_Moment) * (EPS_NOMINAL - a.rd_CompStrain) /
                             (b.rd_CompStrain - a.rd_CompStrain);
      strain = EPS_NOMINAL;
    } else {
      Mn = pt(m).rd_Moment;
      strain = pt(m).rd_CompStrain;
      if (P > 0.0) result.b_Warning_355 = true;
    }
  }
  mc.rd_Mn[t] = Mn;
  mc.rd_StrainAtMn[t] = strain;
}

// Settings of the texts of section s from the run's records.
void Set_Text_Settings(Text_Settings& ts, int s) {
  const Run_State& R = RS();
  const bool si_labels = R.sec.EI.i_Units == SI_UNITS;
  ts.s = s;
  ts.shape = R.sec.EI.i_AnalysisShape;
  ts.mn_scale = R.prob.opt.IUNITS == SI_UNITS ? 1.0 : 1000.0;
  ts.file_base = (long long)(s - 1) * R.sec.mc.i_FileThrustCount;
  ts.file_limit = R.files.i_Number_of_MEI_Report_Files < MAX_MEI_REPORT_FILES
                      ? R.files.i_Number_of_MEI_Report_Files
                      : MAX_MEI_REPORT_FILES;
  ts.l4 = std::string(si_labels ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment "
                                  "Cap. (kN-m), Section "
                                : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                                  "Cap. (in-kips), Section ") +
          fmt::I0(s);
  ts.l5 = si_labels ? "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                    : "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=";
}

// The texts of thrust t: the report rows, and for a thrust whose points were
// all found the moment-curvature file (moment and curvature of every point)
// and the plot records. Touches nothing but the result.
void Format_Thrust(const Text_Settings& ts, const Moment_Curvature_State& mc, int t, Thrust_Result& r) {
  const int K = mc.i_Number_of_Points[t];
  r.rows.reserve(std::size_t(K) * 128);
  Append_Point_Table_Rows(r.rows, mc, t, ts.shape);
  if (!r.b_Solved) return;
  const long long k = ts.file_base + t;
  if (k >= 1 && k <= ts.file_limit) {
    r.file.reserve(std::size_t(K) * 31);
    for (int p = 1; p <= K; ++p) {
      const Moment_Curvature_Point& pt = mc.point(t, p);
      r.file += fmt::E(pt.rd_Moment * ts.mn_scale, 15, 8);
      r.file += fmt::E(pt.rd_Curvature, 15, 8);
      r.file += '\n';
    }
  }
  r.plot.reserve(std::size_t(K + 1) * 160);
  Append_Plot_Line_4(r.plot, K, mc.rd_Thrust[t], mc.rd_Mn[t], ts.l4);
  for (int p = 1; p <= K; ++p) {
    const Moment_Curvature_Point& pt = mc.point(t, p);
    Append_Plot_Line_5(r.plot, pt.rd_Moment, pt.rd_EI, pt.rd_Curvature, ts.l5, ts.s, t, p);
  }
}

// Moment-curvature file of (section s, thrust t), when the host named a file
// for it: the whole text in one write, over an existing file in place (a host
// may hand over the earlier run's file of that name).
void Write_Moment_Curvature_File(const Text_Settings& ts, int t, const std::string& text) {
  const long long k = ts.file_base + t;
  if (k < 1 || k > ts.file_limit) return;
  const std::string name = fn_MEI_Report_File_Name(int(k));
  if (!name.empty()) fn_Write_File_In_Place(name, text);
}

// Moment-EI entries, moment-curvature files and plot records of every thrust.
void Store_Section_Tables(const Text_Settings& ts, const List<Thrust_Result, MC_MAX_THRUSTS>& results) {
  Run_State& R = RS();
  const Moment_Curvature_State& mc = MC_State();
  const int s = ts.s;
  // Table points in kip-in (US), kN-m (SI) or F-L (generic, whose section
  // units are F/1000); Mn in lb-in, kN-m or F-L.
  const double point_scale = R.prob.opt.IUNITS == GENERIC_UNITS ? 1000.0 : 1.0;

  if (s == 1) {
    const char* label = "Line 3 : Total number of axial thrusts";
    if (R.prob.opt.i_Analysis_Type == ANALYSIS_EI_ONLY)
      label = "Line 3 : Total number of axial thrusts for EI-only computations";
    else if (R.prob.opt.b_UseLRFD != L_FALSE)
      label = "Line 3 : Total number of axial thrusts for LRFD";
    Write_Plot_Line_3(mc.i_Number_of_Thrusts, label);
  }
  const int m = mc.i_Number_of_Thrusts;
  for (int t = 1; t <= m && t <= MEI_MAX_THRUSTS; ++t) {
    MEI_Entry& e = R.sol.mei.entry(s, t);
    e.i_Number_of_Points = 0;
    const int K = mc.i_Number_of_Points[t];
    for (int p = 1; p <= K; ++p) {
      const Moment_Curvature_Point& pt = mc.point(t, p);
      Add_MEI_Point(R.sol.mei, s, t, pt.rd_Moment * point_scale, pt.rd_EI * point_scale,
                    pt.rd_Curvature);
    }
    e.rd_Mn = mc.rd_Mn[t] * ts.mn_scale;
  }
  for (int t = 1; t <= m; ++t) Write_Moment_Curvature_File(ts, t, results[t].file);
  for (int t = 1; t <= m; ++t) Write_Text_Lines(CH_PLOT, results[t].plot);
}

// Points of thrust t until a stopping rule ends them, on the working section
// EI. False when the neutral axis was not found.
bool Compute_Thrust_Points(EI_Vars& EI, const Slice_Kernel& K, Moment_Curvature_State& mc, int t,
                           double P, Thrust_Result& result) {
  const double D = Is_Pipe(EI) ? fn_Pipe_Curvature_Step(EI, P) : fn_Base_Curvature_Step(EI.rd_D, EI.i_Units);
  mc.rd_CurvatureStep[t] = D;
  mc.i_Number_of_Points[t] = 0;
  if (!(D > 0.0)) return true;
  double phi = 0.0, step = D;
  for (int p = 1; p <= MC_MAX_POINTS; ++p) {
    if (p == 1) {
      phi = D;
    } else {
      if (p == 40) step *= 2.0;
      if (p == 80) step *= 4.0;
      if (p == 120) step *= 6.0;
      phi += step;
    }
    EI.rd_Curvature = phi;
    if (!Find_Neutral_Axis(EI, K)) return false;
    Moment_Curvature_Point& pt = mc.point(t, p);
    Record_Point(EI, pt, p > 1 ? &mc.point(t, p - 1) : nullptr);
    mc.i_Number_of_Points[t] = p;
    if (fn_Last_Point(EI, pt, P)) {
      if (pt.rd_Moment < 0.0) result.b_Warning_306 = true;
      break;
    }
  }
  return true;
}

// The compute phase of one thrust: its points and nominal capacity, from a
// fresh copy of the section (every thrust starts from the section as set up,
// whatever thrust was analysed before).
void Compute_Thrust(const EI_Vars& section, const Slice_Kernel& K, const Text_Settings& ts,
                    Moment_Curvature_State& mc, int t, EI_Vars& EI, Thrust_Result& result) {
  result.b_Solved = true;
  result.b_Warning_306 = false;
  result.b_Warning_355 = false;
  result.rows.clear();
  result.file.clear();
  result.plot.clear();
  EI = section;
  const double P = mc.rd_Thrust[t];
  Begin_Thrust_State(EI, P);
  result.b_Solved = Compute_Thrust_Points(EI, K, mc, t, P, result);
  Nominal_Moment_Capacity(EI, mc, t, P, result);
  Format_Thrust(ts, mc, t, result);
}

// Buffers of the compute phase, kept from section to section (and run to
// run) by the thread that analyses sections, so that their pages are touched
// once: the results of the thrusts with their texts, and the working
// sections of the two workers (each worker's own and the one it keeps).
struct Compute_Buffers {
  List<Thrust_Result, MC_MAX_THRUSTS> results;
  EI_Vars sections[4];
};

Compute_Buffers& fn_Compute_Buffers() {
  thread_local std::unique_ptr<Compute_Buffers> buffers;
  if (!buffers) buffers.reset(new Compute_Buffers());
  return *buffers;
}

// Shared work of the compute phase: the thrusts are handed out one at a time;
// a thrust without a neutral axis ends the work after it.
struct Thrust_Work {
  const EI_Vars* section = nullptr;  // read only during the phase
  const Slice_Kernel* kernel = nullptr;
  const Text_Settings* text = nullptr;
  Moment_Curvature_State* mc = nullptr;
  List<Thrust_Result, MC_MAX_THRUSTS>* results = nullptr;
  int m = 0;
  std::atomic<int> next{0};
  std::atomic<int> stop{0};  // the thrust the phase ends with: m or the first failure
};

// One worker of the compute phase. It keeps the working section of the
// thrust the phase ends with (the section the run carries on with) if that
// thrust fell to it.
void Compute_Thrusts(Thrust_Work& w, EI_Vars& work, EI_Vars& kept, int& kept_t) {
  for (;;) {
    const int t = w.next.fetch_add(1) + 1;
    if (t > w.m || t > w.stop.load()) return;
    Thrust_Result& r = (*w.results)[t];
    Compute_Thrust(*w.section, *w.kernel, *w.text, *w.mc, t, work, r);
    if (!r.b_Solved) {
      int s = w.stop.load();
      while (t < s && !w.stop.compare_exchange_weak(s, t)) {
      }
    }
    if ((!r.b_Solved || t == w.m) && t < kept_t) {
      kept = work;
      kept_t = t;
    }
  }
}

int g_Section_Threads = 0;  // 0: by the size of the work; 1: one thread; 2: two

// Threads of the compute phase of a section with m thrusts.
int fn_Section_Threads(int m) {
  int n = g_Section_Threads;
  if (n == 0) {
    const char* env = std::getenv("ORMYX_SECTION_THREADS");
    if (env && env[0] == '1' && env[1] == '\0') n = 1;
  }
  if (n != 0) return n;
  static const unsigned cpus = std::thread::hardware_concurrency();
  return m >= MIN_THREADED_THRUSTS && cpus >= 2 ? 2 : 1;
}

// The compute phase of every thrust of the section, on one thread or two.
// Returns the thrust the phase ended with (m, or the first without a neutral
// axis) and leaves the run's working section as that thrust left it.
int Compute_All_Thrusts(const Text_Settings& ts, List<Thrust_Result, MC_MAX_THRUSTS>& results) {
  EI_Vars& section = RS().sec.EI;
  Moment_Curvature_State& mc = MC_State();
  const int m = mc.i_Number_of_Thrusts;
  if (m < 1) return 0;
  Slice_Kernel K;
  Build_Slice_Kernel(section, K);
  Thrust_Work w;
  w.section = &section;
  w.kernel = &K;
  w.text = &ts;
  w.mc = &mc;
  w.results = &results;
  w.m = m;
  w.stop = m;
  EI_Vars* sections = fn_Compute_Buffers().sections;
  int kept_t[2] = {m + 1, m + 1};
  std::thread helper;
  std::exception_ptr fault;
  if (fn_Section_Threads(m) == 2) {
    try {
      helper = std::thread([&] {
        try {
          Compute_Thrusts(w, sections[2], sections[3], kept_t[1]);
        } catch (...) {
          fault = std::current_exception();
          w.stop = 0;
        }
      });
    } catch (...) {
      // no second thread to be had: the main thread does all the work
    }
  }
  if (!helper.joinable()) {
    Compute_Thrusts(w, sections[0], sections[1], kept_t[0]);
  } else {
    std::exception_ptr own;
    try {
      Compute_Thrusts(w, sections[0], sections[1], kept_t[0]);
    } catch (...) {
      own = std::current_exception();
      w.stop = 0;
    }
    helper.join();
    if (own) std::rethrow_exception(own);
    if (fault) std::rethrow_exception(fault);
  }
  const int last = w.stop.load();
  section = kept_t[0] == last ? sections[1] : sections[3];
  return last;
}

// Thrust of a value of the run's thrust list in section units (generic
// problems work in F/1000 like US customary ones in kips).
double fn_Section_Thrust(double list_value) {
  return RS().prob.opt.IUNITS == GENERIC_UNITS ? list_value / 1000.0 : list_value;
}

// The load case (or LRFD combination) whose thrust is entry t of the list.
int fn_Load_Case_Of_Thrust(int t, double list_value) {
  const Run_State& R = RS();
  const Loading_Records& ld = R.prob.load;
  if (R.prob.opt.b_UseLRFD != L_FALSE) {
    const int n = ld.i_Number_of_LRFD_Combinations < MAX_LRFD_COMBINATIONS
                      ? ld.i_Number_of_LRFD_Combinations
                      : MAX_LRFD_COMBINATIONS;
    for (int c = 1; c <= n; ++c)
      if (ld.LRFD_Factored_Load[c].i_ThrustIndex == t) return c;
    return t;
  }
  const double per_unit = R.prob.opt.IUNITS == US_UNITS ? 1000.0 : 1.0;
  const int n = ld.i_Number_of_Loads < MAX_LOAD_CASES ? ld.i_Number_of_Loads : MAX_LOAD_CASES;
  for (int c = 1; c <= n; ++c) {
    const double v = ld.Pile_Head_Load[c].rd_AxialThrust / per_unit;
    if (std::fabs(v - list_value) <= 1e-9 * std::fmax(1.0, std::fabs(list_value))) return c;
  }
  return t;
}

void Thrust_Capacity_Error(int n, int load_case, double P, double capacity) {
  const bool lrfd = n >= 26;
  const bool compression = n == 24 || n == 26;
  const std::string force = fn_Section_Unit(UNIT_FORCE);
  Write_Runtime_Error_Header(n);
  Write_Line(CH_REPORT, std::string(n == 24 ? "PROBLEM:  The axial thrust load for load case no. "
                                            : "PROBLEM:  The axial thrust load for LRFD load case no. ") +
                            fmt::I0(load_case) +
                            (compression ? " exceeds the axial structural capacity in compression."
                                         : " exceeds the axial structural capacity in tension."));
  std::string first;
  if (lrfd) first = "          Factored axial thrust load     = ";
  else if (compression) first = "          Axial thrust load                  = ";
  else first = "          Axial thrust load              = ";
  Write_Line(CH_REPORT, first + Number_Field(P, 14) + force);
  Write_Line(CH_REPORT, std::string(compression ? "          Nominal axial compressive capacity = "
                                                : "          Nominal axial tensile capacity = ") +
                            Number_Field(capacity, 14) + force);
  Write_Line(CH_REPORT,
             "SOLUTION: Change the properties of the section to increase the axial structural capacity.");
  Record_Runtime_Error(n);
}

// Thrust values of the section from the run's thrust list, checked against
// the axial capacities, and their report lines. An analysis of bending
// stiffness only keeps the values inside the capacities (and the kept list
// becomes the run's list); a lateral analysis stops on a value outside them.
bool Select_Thrust_Values() {
  Run_State& R = RS();
  Loading_Records& ld = R.prob.load;
  const EI_Vars& EI = R.sec.EI;
  Moment_Curvature_State& mc = MC_State();
  const double P0 = EI.rd_P0, T0 = EI.rd_T0;
  const int m = ld.i_Number_of_Thrusts < MAX_THRUSTS ? (ld.i_Number_of_Thrusts > 0 ? ld.i_Number_of_Thrusts : 0)
                                                     : MAX_THRUSTS;
  mc.i_Number_of_Thrusts = 0;
  Write_Line(CH_REPORT);
  if (R.prob.opt.i_Analysis_Type == ANALYSIS_EI_ONLY) {
    List<double, MAX_THRUSTS> kept;
    int n = 0;
    for (int t = 1; t <= m; ++t) {
      const double P = fn_Section_Thrust(ld.Axial_Thrust_List[t]);
      if (T0 < P && P < P0) kept[++n] = ld.Axial_Thrust_List[t];
    }
    if (n < m) {
      Write_Line(CH_REPORT, "The following computations were performed only for the axial thrust values in the valid range.");
      Write_Line(CH_REPORT);
    }
    ld.Axial_Thrust_List.fill(0.0);
    for (int t = 1; t <= n; ++t) ld.Axial_Thrust_List[t] = kept[t];
    ld.i_Number_of_Thrusts = n;
    Write_Line(CH_REPORT, "Input Axial Thrust Forces:");
    Write_Line(CH_REPORT, "--------------------------");
    Write_Line(CH_REPORT, "Number of Axial Thrust Force Values Determined from Input Data = " + fmt::I0(n));
  } else {
    const bool lrfd = R.prob.opt.b_UseLRFD != L_FALSE;
    for (int t = 1; t <= m; ++t) {
      const double P = fn_Section_Thrust(ld.Axial_Thrust_List[t]);
      if (P > P0) {
        Thrust_Capacity_Error(lrfd ? 26 : 24, fn_Load_Case_Of_Thrust(t, ld.Axial_Thrust_List[t]), P, P0);
        return false;
      }
      if (P < T0) {
        Thrust_Capacity_Error(lrfd ? 27 : 25, fn_Load_Case_Of_Thrust(t, ld.Axial_Thrust_List[t]), P, T0);
        return false;
      }
    }
    Write_Line(CH_REPORT, std::string(lrfd ? "Number of Axial Thrust Force Values Determined from LRFD "
                                             "Pile-head Loadings = "
                                           : "Number of Axial Thrust Force Values Determined from "
                                             "Pile-head Loadings = ") +
                              fmt::I0(m));
  }
  const int n = ld.i_Number_of_Thrusts < MAX_THRUSTS ? ld.i_Number_of_Thrusts : MAX_THRUSTS;
  mc.i_Number_of_Thrusts = n > 0 ? n : 0;
  for (int t = 1; t <= mc.i_Number_of_Thrusts; ++t) mc.rd_Thrust[t] = fn_Section_Thrust(ld.Axial_Thrust_List[t]);

  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "   Number     Axial Thrust Force" + fn_Section_Unit(UNIT_FORCE));
  Write_Line(CH_REPORT, "   ------     ------------------");
  for (int t = 1; t <= mc.i_Number_of_Thrusts; ++t)
    Write_Line(CH_REPORT, fmt::I(t, 9) + fmt::X(9) + Number_Field(mc.rd_Thrust[t], 14));
  return true;
}

}  // namespace

Moment_Curvature_State& MC_State() { return RS().sec.mc; }

double fn_Base_Curvature_Step(double B, int32_t units) {
  if (units == SI_UNITS) {
    const double r = std::round(B / INCH_SI / 24.0);
    return STEP_SI / (r > 1.0 ? r : 1.0);
  }
  const double r = std::round(B / 24.0);
  return STEP_US / (r > 1.0 ? r : 1.0);
}

void Compute_Moment_Curvature() {
  Run_State& R = RS();
  EI_Vars& EI = R.sec.EI;
  Moment_Curvature_State& mc = MC_State();
  const int s = EI.i_Section;

  Initialize_EI_Vars(0.0, 0.0, L_FALSE, EI.i_ConcreteModel, EI.i_CoreConcreteModel);
  if (Error_Recorded()) return;
  if (!Is_Pipe(EI)) Write_Concrete_Properties();
  if (!Select_Thrust_Values()) return;
  Write_Run_Message_Definitions();

  // Compute phase: the relation of every thrust into its own slots.
  List<Thrust_Result, MC_MAX_THRUSTS>& results = fn_Compute_Buffers().results;
  Text_Settings ts;
  Set_Text_Settings(ts, s);
  const int last = Compute_All_Thrusts(ts, results);

  // Write phase: the point tables, warnings and errors in thrust order.
  for (int t = 1; t <= last; ++t) {
    const Thrust_Result& r = results[t];
    Write_Point_Table_Heading(mc.rd_Thrust[t]);
    if (!r.b_Solved) Report_Neutral_Axis_Not_Found();
    if (r.b_Warning_306) Log_Warning(-306);
    if (r.b_Warning_355) Log_Warning(-355);
    Write_Text_Lines(CH_REPORT, r.rows);
    if (!r.b_Solved) return;
    if (!Is_Pipe(EI) && mc.i_Number_of_Points[t] >= MC_MAX_POINTS) {
      Write_Line(CH_REPORT);
      Write_Line(CH_REPORT, "Warning: " + fmt::I0(MC_MAX_POINTS) +
                                " values were calculated for moment-curvature.");
      Write_Line(CH_REPORT,
                 "This usually indicates that the pile is too weak or is under-reinforced, where all "
                 "reinforcing steel has yielded.");
      Write_Line(CH_REPORT);
      Write_Line(CH_REPORT,
                 "The input data should be examined and the amount of steel reinforcement should be "
                 "increased if necessary.");
      Log_Warning(-305);
    }
  }
  Store_Section_Tables(ts, results);
  Write_Capacity_Summary();
}

void Set_Section_Threads(int n) { g_Section_Threads = n >= 0 && n <= 2 ? n : 0; }

}  // namespace ormyx
