// Axial force of the section at a trial neutral-axis depth, and the Newton
// search for the depth at which it balances the applied thrust.
#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_model.h"

namespace ormyx {

void Begin_Thrust_State(EI_Vars& EI, double rd_Thrust) {
  EI.rd_Thrust = rd_Thrust;
  EI.b_Yielded = L_FALSE;
  EI.rd_PrestrainSteel = EI.rd_PrestrainSteelInitial;
  int32_t cracked = L_FALSE;
  if (EI.i_AnalysisShape != SHAPE_STEEL_PIPE && rd_Thrust < 0.0 && rd_Thrust < EI.rd_Pcr) {
    cracked = L_TRUE;
    const double stiffness = EI.rd_SliceTotalBars * EI.rd_BarEs;
    if (stiffness > 0.0) EI.rd_PrestrainSteel = rd_Thrust / stiffness;
  }
  EI.b_CrackedAtStart = cracked;
  EI.b_Cracked = cracked;
  EI.rd_NeutralAxisStart = EI.rd_SectionDepth / 2.0;
}

// Each component fills its slice stresses, returns its force and adds its
// moment about mid-depth to rd_Moment.

double Compute_Concrete_Force(EI_Vars& EI) {
  if (EI.i_ConcreteModel != CONCRETE_BUILT_IN) {
    EI.b_Cracked = EI.b_CrackedAtStart;
    return 0.0;
  }
  const double h = EI.rd_SectionDepth;
  int32_t cracked = EI.b_CrackedAtStart;
  const double eps_bottom = (EI.rd_TrialDepth - h) * EI.rd_Curvature + EI.rd_PrestrainConcrete;
  if (eps_bottom < EI.rd_epsCr) cracked = L_TRUE;
  double force = 0.0, moment = 0.0;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    const double sigma = fn_Concrete_Stress(EI, EI.rd_SliceStrain[i], cracked);
    EI.rd_StressConcrete[i] = sigma;
    const double f = sigma * EI.rd_SliceAreaConcrete[i];
    force += f;
    moment += f * (h / 2.0 - EI.rd_SliceDepth[i]);
  }
  EI.b_Cracked = cracked;
  EI.rd_Moment += moment;
  return force;
}

double Compute_Rebar_Force(EI_Vars& EI) {
  const double h = EI.rd_SectionDepth;
  double force = 0.0, moment = 0.0;
  if (EI.i_MaterialKind == MATERIAL_REINFORCED) {
    bool limited = false;
    for (int32_t i = 1; i <= NUM_SLICES; ++i) {
      const double sigma = fn_Steel_Stress(EI.rd_SliceStrain[i], EI.rd_BarEs, EI.rd_BarFy, limited);
      EI.rd_StressBars[i] = sigma;
      const double f = sigma * EI.rd_SliceAreaBars[i];
      force += f;
      moment += f * (h / 2.0 - EI.rd_SliceDepth[i]);
    }
    if (limited && EI.i_NumBars >= 1) EI.b_Yielded = L_TRUE;
  } else {
    for (int32_t i = 1; i <= NUM_SLICES; ++i) {
      const double sigma = fn_Strand_Stress(EI, EI.rd_SliceStrain[i]);
      EI.rd_StressBars[i] = sigma;
      const double f = sigma * EI.rd_SliceAreaBars[i];
      force += f;
      moment += f * (h / 2.0 - EI.rd_SliceDepth[i]);
    }
  }
  EI.rd_Moment += moment;
  return force;
}

double Compute_Casing_Force(EI_Vars& EI) {
  if (!(EI.rd_CasingThickness > 0.0)) return 0.0;
  const double h = EI.rd_SectionDepth;
  double force = 0.0, moment = 0.0;
  bool limited = false;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    const double sigma =
        fn_Steel_Stress(EI.rd_SliceStrain[i], EI.rd_CasingE, EI.rd_CasingFy, limited);
    EI.rd_StressCasing[i] = sigma;
    const double f = sigma * EI.rd_SliceAreaCasing[i];
    force += f;
    moment += f * (h / 2.0 - EI.rd_SliceDepth[i]);
  }
  if (limited) EI.b_Yielded = L_TRUE;
  EI.rd_Moment += moment;
  return force;
}

double Compute_Core_Force(EI_Vars& EI) {
  if (!(EI.rd_CoreThickness > 0.0) || EI.i_CoreTopSlice < 1) return 0.0;
  const double h = EI.rd_SectionDepth;
  double force = 0.0, moment = 0.0;
  bool limited = false;
  for (int32_t i = EI.i_CoreTopSlice; i <= EI.i_CoreBottomSlice; ++i) {
    const double sigma = fn_Steel_Stress(EI.rd_SliceStrain[i], EI.rd_CoreE, EI.rd_CoreFy, limited);
    EI.rd_StressCore[i] = sigma;
    const double f = sigma * EI.rd_SliceAreaCore[i];
    force += f;
    moment += f * (h / 2.0 - EI.rd_SliceDepth[i]);
  }
  if (limited) EI.b_Yielded = L_TRUE;
  EI.rd_Moment += moment;
  return force;
}

// The filling follows the law of the outer concrete at the same strains, so
// it carries the stresses the outer concrete evaluation left in its slices.
double Compute_Concrete_Force_Inside_Core(EI_Vars& EI) {
  if (EI.i_AnalysisShape != SHAPE_CIRCLE_CASING_CORE || EI.b_FillCoreWithConcrete == L_FALSE ||
      EI.i_CoreConcreteModel != CONCRETE_BUILT_IN || EI.i_ConcreteModel != CONCRETE_BUILT_IN)
    return 0.0;
  const double h = EI.rd_SectionDepth;
  double force = 0.0, moment = 0.0;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    const double f = EI.rd_StressConcrete[i] * EI.rd_SliceAreaCoreConcrete[i];
    force += f;
    moment += f * (h / 2.0 - EI.rd_SliceDepth[i]);
  }
  EI.rd_Moment += moment;
  return force;
}

double Compute_Axial_Thrust_Force(EI_Vars& EI, double rd_dn) {
  EI.rd_TrialDepth = rd_dn;
  const double phi = EI.rd_Curvature;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) EI.rd_SliceStrain[i] = (rd_dn - EI.rd_SliceDepth[i]) * phi;
  EI.rd_Moment = 0.0;
  EI.rd_ForceConcrete = EI.rd_ForceBars = EI.rd_ForceCasing = 0.0;
  EI.rd_ForceCore = EI.rd_ForceCoreConcrete = 0.0;
  const int32_t shape = EI.i_AnalysisShape;
  if (shape == SHAPE_STEEL_PIPE) {
    EI.b_Cracked = EI.b_CrackedAtStart;
    EI.rd_ForceCasing = Compute_Casing_Force(EI);
  } else {
    EI.rd_ForceConcrete = Compute_Concrete_Force(EI);
    if (shape == SHAPE_CIRCLE_CASING || shape == SHAPE_CIRCLE_CASING_CORE)
      EI.rd_ForceCasing = Compute_Casing_Force(EI);
    EI.rd_ForceBars = Compute_Rebar_Force(EI);
    if (shape == SHAPE_CIRCLE_CASING_CORE) {
      EI.rd_ForceCore = Compute_Core_Force(EI);
      EI.rd_ForceCoreConcrete = Compute_Concrete_Force_Inside_Core(EI);
    }
  }
  EI.rd_AxialForce = EI.rd_ForceConcrete + EI.rd_ForceCasing + EI.rd_ForceBars + EI.rd_ForceCore +
                     EI.rd_ForceCoreConcrete;
  return EI.rd_AxialForce;
}

// ---- The neutral-axis search ------------------------------------------------

void Build_Slice_Kernel(const EI_Vars& EI, Slice_Kernel& K) {
  K.i_BarSlices = 0;
  K.i_CasingSlices = 0;
  K.i_ShallowSlice = 1;
  K.i_DeepSlice = 1;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    const double d = EI.rd_SliceDepth[i];
    if (d < EI.rd_SliceDepth[K.i_ShallowSlice]) K.i_ShallowSlice = i;
    if (d > EI.rd_SliceDepth[K.i_DeepSlice]) K.i_DeepSlice = i;
    if (EI.rd_SliceAreaBars[i] != 0.0) {
      ++K.i_BarSlices;
      K.rd_BarDepth[K.i_BarSlices] = d;
      K.rd_BarArea[K.i_BarSlices] = EI.rd_SliceAreaBars[i];
    }
    if (EI.rd_SliceAreaCasing[i] != 0.0) {
      ++K.i_CasingSlices;
      K.rd_CasingDepth[K.i_CasingSlices] = d;
      K.rd_CasingArea[K.i_CasingSlices] = EI.rd_SliceAreaCasing[i];
    }
  }
  // A section with a core sums the filling over the outer concrete's slice
  // stresses: it keeps the evaluation one trial at a time.
  K.b_ThreeTrials = EI.i_AnalysisShape != SHAPE_CIRCLE_CASING_CORE;
}

namespace {

// True when the elastic-plastic law limits the stress at strain eps.
inline bool fn_Steel_Limited(double eps, double E, double Fy) {
  const double sigma = E * eps;
  return sigma > Fy || sigma < -Fy;
}

// Concrete forces of the slices at three trial depths, each with the
// operations of fn_Concrete_Stress. The law is evaluated at every slice alike
// (so the loops run on vector registers) and the cracked state is applied
// afterwards: going down from the compression face, the first tension slice
// whose stress falls below fr cracks the section, and it and every tension
// slice below it carry nothing.
struct Concrete_Trials {
  double e[3][NUM_SLICES], u[3][NUM_SLICES], pt[3][NUM_SLICES];
  double f[3][NUM_SLICES];  // stress times area
};

struct Concrete_Law_Values {
  double eps0, fc, fr, epsMax, residual, drop;
  int32_t cracked[3];  // cracked before the first slice, per trial
};

// All-ones when c holds, else zero; a or b by such a mask. Written without
// branches so that the loops below run on vector registers.
inline uint64_t fn_Mask(bool c) { return uint64_t(0) - uint64_t(c); }
inline double fn_Select(uint64_t mask, double a, double b) {
  return std::bit_cast<double>((std::bit_cast<uint64_t>(a) & mask) | (std::bit_cast<uint64_t>(b) & ~mask));
}

[[gnu::always_inline]] inline void Concrete_Trials_Body(const double* depth, const double* area,
                                                        const double (&y)[3], double phi,
                                                        const Concrete_Law_Values& L, Concrete_Trials& T) {
  for (int k = 0; k < 3; ++k) {
    const double yk = y[k];
    int64_t first = NUM_SLICES;  // first slice whose tensile stress cracks the section
    for (int64_t j = 0; j < NUM_SLICES; ++j) {
      const double e = (yk - depth[j]) * phi;
      const double u = e / L.eps0;
      const double pt = -L.fc * (2.0 * std::fabs(u) - u * u);
      T.e[k][j] = e;
      T.u[k][j] = u;
      T.pt[k][j] = pt;
      const uint64_t cracks = fn_Mask(e <= 0.0) & fn_Mask(pt < L.fr);
      const int64_t at = int64_t((uint64_t(j) & cracks) | (uint64_t(NUM_SLICES) & ~cracks));
      first = at < first ? at : first;
    }
    if (L.cracked[k]) first = 0;
    uint64_t descending = 0;  // any slice on the descending branch
    for (int64_t j = 0; j < NUM_SLICES; ++j) {
      const double e = T.e[k][j], u = T.u[k][j];
      const double pc = L.fc * (2.0 * u - u * u);
      const uint64_t tension = fn_Mask(e <= 0.0), elastic = fn_Mask(e <= L.epsMax),
                     rising = fn_Mask(u < 1.0);
      const double compression = fn_Select(elastic, fn_Select(rising, pc, 0.0), L.residual);
      const double sigma_t = fn_Select(fn_Mask(j >= first), 0.0, T.pt[k][j]);
      T.f[k][j] = fn_Select(tension, sigma_t, compression) * area[j];
      descending |= ~tension & elastic & ~rising;
    }
    // The descending branch (past the peak strain, a few slices at most).
    if (descending)
      for (int j = 0; j < NUM_SLICES; ++j) {
        const double e = T.e[k][j];
        if (!(e <= 0.0) && e <= L.epsMax && !(T.u[k][j] < 1.0))
          T.f[k][j] = (L.fc - L.drop * (e - L.eps0) / (L.epsMax - L.eps0)) * area[j];
      }
  }
}

using Concrete_Trials_Fn = void (*)(const double*, const double*, const double (&)[3], double,
                                    const Concrete_Law_Values&, Concrete_Trials&);

void Concrete_Trials_Plain(const double* depth, const double* area, const double (&y)[3], double phi,
                           const Concrete_Law_Values& L, Concrete_Trials& T) {
  Concrete_Trials_Body(depth, area, y, phi, L, T);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same on four-wide registers where the processor has them. The target
// has no fused multiply-add, so every operation rounds as in the plain loop.
[[gnu::target("avx2")]] void Concrete_Trials_Avx2(const double* depth, const double* area,
                                                  const double (&y)[3], double phi,
                                                  const Concrete_Law_Values& L, Concrete_Trials& T) {
  Concrete_Trials_Body(depth, area, y, phi, L, T);
}

Concrete_Trials_Fn fn_Concrete_Trials() {
  static const Concrete_Trials_Fn fn = __builtin_cpu_supports("avx2") ? Concrete_Trials_Avx2 : Concrete_Trials_Plain;
  return fn;
}
#else
Concrete_Trials_Fn fn_Concrete_Trials() { return Concrete_Trials_Plain; }
#endif

// Forces of the three trials over the first n slices of a steel layer
// (depths d, areas a) whose stress law at a strain is stress(eps), each
// summed in slice order.
template <class Stress_Law>
void Three_Trial_Sums(const List<double, NUM_SLICES>& d, const List<double, NUM_SLICES>& a, int32_t n,
                      const double (&y)[3], double phi, Stress_Law stress, double (&f)[3]) {
  double s0 = 0.0, s1 = 0.0, s2 = 0.0;
  for (int32_t j = 1; j <= n; ++j) {
    const double dj = d[j], aj = a[j];
    const double f0 = stress((y[0] - dj) * phi) * aj;
    const double f1 = stress((y[1] - dj) * phi) * aj;
    const double f2 = stress((y[2] - dj) * phi) * aj;
    s0 += f0;
    s1 += f1;
    s2 += f2;
  }
  f[0] = s0;
  f[1] = s1;
  f[2] = s2;
}

// The same for casing or bars of the elastic-plastic law.
void Three_Trial_Steel(const List<double, NUM_SLICES>& d, const List<double, NUM_SLICES>& a, int32_t n,
                       const double (&y)[3], double phi, double E, double Fy, double (&f)[3]) {
  bool limited = false;
  Three_Trial_Sums(d, a, n, y, phi, [&](double eps) { return fn_Steel_Stress(eps, E, Fy, limited); }, f);
}

// Axial forces at three trial depths in one pass over the slices, each with
// the operations of Compute_Axial_Thrust_Force in the same order (so the
// same sums), without the stresses and moment that only the last evaluation
// of a search leaves behind. A steel stress is limited at some slice exactly
// when it is at the slice of least or greatest depth (the strain is monotone
// in the depth), so the yield flag needs only those two.
void Three_Trial_Forces(EI_Vars& EI, const Slice_Kernel& K, const double (&y)[3], double (&F)[3]) {
  const double phi = EI.rd_Curvature;
  const int32_t shape = EI.i_AnalysisShape;
  const double d_top = EI.rd_SliceDepth[K.i_ShallowSlice], d_bottom = EI.rd_SliceDepth[K.i_DeepSlice];
  double f_concrete[3] = {0.0, 0.0, 0.0}, f_casing[3] = {0.0, 0.0, 0.0}, f_bars[3] = {0.0, 0.0, 0.0};
  bool yielded = false;

  if (shape != SHAPE_STEEL_PIPE && EI.i_ConcreteModel == CONCRETE_BUILT_IN) {
    const double h = EI.rd_SectionDepth;
    int32_t c0 = EI.b_CrackedAtStart, c1 = c0, c2 = c0;
    if ((y[0] - h) * phi + EI.rd_PrestrainConcrete < EI.rd_epsCr) c0 = L_TRUE;
    if ((y[1] - h) * phi + EI.rd_PrestrainConcrete < EI.rd_epsCr) c1 = L_TRUE;
    if ((y[2] - h) * phi + EI.rd_PrestrainConcrete < EI.rd_epsCr) c2 = L_TRUE;
    Concrete_Law_Values L;
    L.eps0 = EI.rd_eps0;
    L.fc = EI.rd_fc;
    L.fr = EI.rd_fr;
    L.epsMax = EI.rd_epsMax;
    L.residual = EI.rd_ResidualStress;
    L.drop = EI.rd_DescendingDrop;
    L.cracked[0] = c0;
    L.cracked[1] = c1;
    L.cracked[2] = c2;
    Concrete_Trials T;
    fn_Concrete_Trials()(EI.rd_SliceDepth.v, EI.rd_SliceAreaConcrete.v, y, phi, L, T);
    double s0 = 0.0, s1 = 0.0, s2 = 0.0;
    for (int32_t j = 0; j < NUM_SLICES; ++j) {
      s0 += T.f[0][j];
      s1 += T.f[1][j];
      s2 += T.f[2][j];
    }
    f_concrete[0] = s0;
    f_concrete[1] = s1;
    f_concrete[2] = s2;
  }

  if ((shape == SHAPE_STEEL_PIPE || shape == SHAPE_CIRCLE_CASING) && EI.rd_CasingThickness > 0.0) {
    const double E = EI.rd_CasingE, Fy = EI.rd_CasingFy;
    const int32_t n = K.i_CasingSlices < NUM_SLICES ? K.i_CasingSlices : NUM_SLICES;
    Three_Trial_Steel(K.rd_CasingDepth, K.rd_CasingArea, n, y, phi, E, Fy, f_casing);
    for (int k = 0; k < 3; ++k)
      if (fn_Steel_Limited((y[k] - d_top) * phi, E, Fy) || fn_Steel_Limited((y[k] - d_bottom) * phi, E, Fy))
        yielded = true;
  }

  if (shape != SHAPE_STEEL_PIPE) {
    const int32_t n = K.i_BarSlices < NUM_SLICES ? K.i_BarSlices : NUM_SLICES;
    if (EI.i_MaterialKind == MATERIAL_REINFORCED) {
      const double E = EI.rd_BarEs, Fy = EI.rd_BarFy;
      Three_Trial_Steel(K.rd_BarDepth, K.rd_BarArea, n, y, phi, E, Fy, f_bars);
      if (EI.i_NumBars >= 1)
        for (int k = 0; k < 3; ++k)
          if (fn_Steel_Limited((y[k] - d_top) * phi, E, Fy) ||
              fn_Steel_Limited((y[k] - d_bottom) * phi, E, Fy))
            yielded = true;
    } else {
      Three_Trial_Sums(K.rd_BarDepth, K.rd_BarArea, n, y, phi,
                       [&EI](double eps) { return fn_Strand_Stress(EI, eps); }, f_bars);
    }
  }

  if (yielded) EI.b_Yielded = L_TRUE;
  const double f_core = 0.0, f_core_concrete = 0.0;
  for (int k = 0; k < 3; ++k)
    F[k] = f_concrete[k] + f_casing[k] + f_bars[k] + f_core + f_core_concrete;
}

}  // namespace

bool Find_Neutral_Axis(EI_Vars& EI, const Slice_Kernel& K) {
  const bool si = EI.i_Units == SI_UNITS;
  const double delta = si ? double(2.54e-9f) : double(1e-7f);
  const double tolerance = si ? double(2.54e-8f) : double(1e-6f);
  const double zero_step = double(1e-8f);
  constexpr int32_t MAX_ITERATIONS = 1000;
  const double h = EI.rd_SectionDepth;
  const double P = EI.rd_Thrust;

  double y = EI.rd_NeutralAxisStart;
  if (!(std::fabs(y) <= h)) y = h / 2.0;
  double last = y;  // depth of the last evaluation, whose state the search leaves
  for (int32_t k = 0;; ++k) {
    EI.i_Iterations = k + 1;
    double R, F_minus, F_plus;
    if (K.b_ThreeTrials) {
      const double trial[3] = {y, y - delta, y + delta};
      double F[3];
      Three_Trial_Forces(EI, K, trial, F);
      R = F[0] - P;
      F_minus = F[1];
      F_plus = F[2];
    } else {
      R = Compute_Axial_Thrust_Force(EI, y) - P;
      F_minus = Compute_Axial_Thrust_Force(EI, y - delta);
      F_plus = Compute_Axial_Thrust_Force(EI, y + delta);
    }
    last = y + delta;
    const double dF = (F_plus - F_minus) / (2.0 * delta);
    if (k == 0 || std::fabs(R) < std::fabs(EI.rd_BestResidual)) {
      EI.rd_BestDepth = y;
      EI.rd_BestResidual = R;
    }
    const double step = dF == 0.0 ? zero_step : -R / dF;
    if (std::fabs(step) <= tolerance) {
      if (std::fabs(R) > std::fabs(EI.rd_BestResidual)) {
        y = EI.rd_BestDepth;  // a converged step from a worse trial: retry from the best
      } else {
        if (K.b_ThreeTrials) Compute_Axial_Thrust_Force(EI, last);
        EI.rd_NeutralAxisDepth = y + step;
        EI.rd_NeutralAxisStart = EI.rd_NeutralAxisDepth;
        return true;
      }
    } else {
      y += step;
    }
    if (k >= MAX_ITERATIONS - 1) break;
  }
  if (K.b_ThreeTrials) Compute_Axial_Thrust_Force(EI, last);
  return false;
}

// ---- The working section of the run ------------------------------------------

void Begin_Thrust_State(double rd_Thrust) { Begin_Thrust_State(RS().sec.EI, rd_Thrust); }
double Compute_Concrete_Force() { return Compute_Concrete_Force(RS().sec.EI); }
double Compute_Rebar_Force() { return Compute_Rebar_Force(RS().sec.EI); }
double Compute_Casing_Force() { return Compute_Casing_Force(RS().sec.EI); }
double Compute_Core_Force() { return Compute_Core_Force(RS().sec.EI); }
double Compute_Concrete_Force_Inside_Core() { return Compute_Concrete_Force_Inside_Core(RS().sec.EI); }
double Compute_Axial_Thrust_Force(double rd_dn) { return Compute_Axial_Thrust_Force(RS().sec.EI, rd_dn); }

void Report_Neutral_Axis_Not_Found() {
  Write_Runtime_Error_Header(16);
  Write_Line(CH_REPORT, "Location of neutral axis was not found within 1,000 iterations.");
  Record_Runtime_Error(16);
}

bool Find_Neutral_Axis() {
  EI_Vars& EI = RS().sec.EI;
  Slice_Kernel K;
  Build_Slice_Kernel(EI, K);
  if (Find_Neutral_Axis(EI, K)) return true;
  Report_Neutral_Axis_Not_Found();
  return false;
}

}  // namespace ormyx
