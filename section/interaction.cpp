// Axial force-moment interaction diagram of a pile section: the nominal
// diagram by strain compatibility over the section's slices with its own
// stress-strain laws, the strength reduction factors of ACI 318 and AASHTO
// LRFD, the design diagram of Eurocode 2, and the report block.
#include "section/interaction.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_model.h"

namespace ormyx {

namespace {

constexpr double EPS_CU = 0.003;             // concrete crushing strain, ACI 318-19 22.2.2.1
constexpr double EPS_TY_PRESTRESSED = 0.002; // eps_ty of prestressing steel
constexpr double TENSION_STEP = 0.003;       // ACI 318-19: tension-controlled at eps_ty + 0.003
constexpr double EPS_TL = 0.005;             // AASHTO tension-controlled limit up to 75 ksi
constexpr double PIPE_PLASTIC_MULTIPLE = 100.0;  // extreme strain of the plastic steel pipe, in eps_y
constexpr double GAMMA_C = 1.5, GAMMA_S = 1.15, ALPHA_CC = 1.0;  // EN 1992-1-1 2.4.2.4, 3.1.6
constexpr double PHI_STEEL = 0.90;           // steel pipe alone
constexpr double PHI_PLAIN = 0.60;           // plain concrete, ACI 318-19 Table 21.2.1
constexpr double MPA_PER_KSI = 6.894757293168361;
constexpr int PIPE_STEPS = 40;
constexpr int COMPRESSION_STEPS = 12;
constexpr double COMPRESSION_DEPTH_LIMIT = 20.0;  // deepest neutral axis tried, in dt

Interaction_Diagram& ID() { return RS().sec.inter; }

bool fn_Is_Pipe(const EI_Vars& EI) { return EI.i_AnalysisShape == SHAPE_STEEL_PIPE; }
bool fn_Is_Prestressed(const EI_Vars& EI) { return EI.i_MaterialKind >= MATERIAL_PRESTRESSED_FIRST; }
bool fn_Has_Casing(const EI_Vars& EI) {
  const int32_t s = EI.i_AnalysisShape;
  return (s == SHAPE_CIRCLE_CASING || s == SHAPE_CIRCLE_CASING_CORE || s == SHAPE_STEEL_PIPE) &&
         EI.rd_CasingThickness > 0.0;
}
int fn_Bar_Count(const EI_Vars& EI) {
  if (fn_Is_Pipe(EI)) return 0;
  return EI.i_NumBars < 0 ? 0 : (EI.i_NumBars < MAX_BARS ? EI.i_NumBars : MAX_BARS);
}
// Concrete without bars, strands or casing: no tension steel to classify.
bool fn_Is_Plain(const EI_Vars& EI) {
  return !fn_Is_Pipe(EI) && fn_Bar_Count(EI) < 1 && !fn_Has_Casing(EI);
}

// Stress in ksi of a section stress (kPa in SI problems).
double fn_Ksi(double stress) {
  return RS().sec.EI.i_Units == SI_UNITS ? stress / KPA_PER_KSI : stress;
}

// Depth of the extreme tension steel below the compression face: the lowest
// bar or strand centre, or the mid-wall of a casing or pipe at the bottom.
double fn_Extreme_Steel_Depth(const EI_Vars& EI) {
  const double h = EI.rd_SectionDepth, top = EI.rd_SliceBoundary[0];
  double dt = 0.0;
  for (int b = 1; b <= fn_Bar_Count(EI); ++b) dt = std::fmax(dt, top - EI.rd_BarY[b]);
  if (fn_Has_Casing(EI)) dt = std::fmax(dt, h - EI.rd_CasingThickness / 2.0);
  return dt > 0.0 && dt <= h ? dt : h;
}

// Yield strain eps_ty of the strength reduction factor: the bars, the casing
// of a section without bars, 0.002 for prestressing steel.
double fn_Yield_Strain(const EI_Vars& EI) {
  if (fn_Is_Prestressed(EI)) return EPS_TY_PRESTRESSED;
  if (fn_Bar_Count(EI) >= 1 && EI.rd_BarEs > 0.0) return EI.rd_BarFy / EI.rd_BarEs;
  if (EI.rd_CasingE > 0.0) return EI.rd_CasingFy / EI.rd_CasingE;
  return EPS_TY_PRESTRESSED;
}

double fn_Yield_Stress_ksi(const EI_Vars& EI) {
  if (fn_Bar_Count(EI) >= 1) return fn_Ksi(EI.rd_BarFy);
  return fn_Ksi(EI.rd_CasingFy);
}

// Concrete strength in MPa and the strain limits of Eurocode 2 (Table 3.1).
double fn_fck_MPa(const EI_Vars& EI) {
  return EI.i_Units == SI_UNITS ? EI.rd_fc / 1000.0 : EI.rd_fc * MPA_PER_KSI;
}
double fn_EC2_eps_cu2(double fck) {
  if (fck <= 50.0) return 0.0035;
  const double f = fck < 90.0 ? fck : 90.0;
  return 0.0026 + 0.035 * std::pow((90.0 - f) / 100.0, 4.0);
}
double fn_EC2_eps_c2(double fck) {
  if (fck <= 50.0) return 0.002;
  const double f = fck < 90.0 ? fck : 90.0;
  return 0.002 + 0.000085 * std::pow(f - 50.0, 0.53);
}

// Strain plane of the nominal diagram at neutral-axis depth c: crushing
// strain at the top; the steel pipe takes a strain large enough that its
// whole wall is plastic but for a negligible core.
void Nominal_Plane(const EI_Vars& EI, double c, double& e_top, double& curvature) {
  if (fn_Is_Pipe(EI)) {
    e_top = EI.rd_CasingE > 0.0 ? PIPE_PLASTIC_MULTIPLE * EI.rd_CasingFy / EI.rd_CasingE : EPS_CU;
  } else {
    e_top = EPS_CU;
  }
  curvature = e_top / c;
}

// Strain plane of the Eurocode 2 design diagram at neutral-axis depth c
// (6.1(6)): eps_cu2 at the top while the neutral axis lies in the section,
// beyond it the plane turns about eps_c2 at depth (1 - eps_c2/eps_cu2) h.
void Design_Plane(const EI_Vars& EI, double c, double& e_top, double& curvature) {
  if (fn_Is_Pipe(EI)) {
    Nominal_Plane(EI, c, e_top, curvature);
    return;
  }
  const double fck = fn_fck_MPa(EI), ecu = fn_EC2_eps_cu2(fck), ec2 = fn_EC2_eps_c2(fck);
  const double h = EI.rd_SectionDepth;
  if (c <= h) {
    e_top = ecu;
    curvature = ecu / c;
    return;
  }
  const double pivot = (1.0 - ec2 / ecu) * h;
  curvature = ec2 / (c - pivot);
  e_top = curvature * c;
}

// Net tensile strain at depth dt of the plane, tension positive, without the
// strain of the effective prestress.
double fn_Net_Tensile_Strain(double e_top, double curvature, double dt) {
  const double eps = e_top - curvature * dt - RS().sec.EI.rd_PrestrainConcrete;
  return -eps;
}

// Neutral-axis depth at which the nominal plane has the net tensile strain eps_t.
double fn_Depth_For_Strain(const EI_Vars& EI, double eps_t, double dt) {
  double e_top = 0.0, k = 0.0;
  Nominal_Plane(EI, 1.0, e_top, k);
  const double denominator = e_top - EI.rd_PrestrainConcrete + eps_t;
  return denominator > 0.0 ? e_top * dt / denominator : 0.0;
}

double fn_Nominal_Axial(double c) {
  const EI_Vars& EI = RS().sec.EI;
  double e = 0.0, k = 0.0, P = 0.0, M = 0.0;
  Nominal_Plane(EI, c, e, k);
  Strain_Plane_Resultant(e, k, 1.0, 1.0, 1.0, P, M);
  return P;
}

// Neutral-axis depth of pure bending: the nominal axial force changes sign
// between a depth of almost 0 (all steel in tension) and a deep one.
double fn_Pure_Bending_Depth(double c_high) {
  const double h = RS().sec.EI.rd_SectionDepth;
  double lo = 1e-6 * h, hi = c_high;
  if (!(fn_Nominal_Axial(lo) < 0.0) || !(fn_Nominal_Axial(hi) > 0.0)) return 0.0;
  for (int k = 0; k < 200 && hi - lo > 1e-12 * h; ++k) {
    const double mid = 0.5 * (lo + hi);
    if (fn_Nominal_Axial(mid) > 0.0) hi = mid;
    else lo = mid;
  }
  return 0.5 * (lo + hi);
}

// Depth in [lo, hi] at which the nominal axial force equals P (hi when it
// stays below P up to hi).
double fn_Depth_Of_Axial(double P, double lo, double hi) {
  if (!(fn_Nominal_Axial(hi) > P)) return hi;
  if (!(fn_Nominal_Axial(lo) < P)) return lo;
  const double h = RS().sec.EI.rd_SectionDepth;
  for (int k = 0; k < 200 && hi - lo > 1e-12 * h; ++k) {
    const double mid = 0.5 * (lo + hi);
    if (fn_Nominal_Axial(mid) > P) hi = mid;
    else lo = mid;
  }
  return lo;
}

void Add_Depth(List<double, INTERACTION_MAX_POINTS>& c, int& n, double v) {
  if (v > 0.0 && std::isfinite(v) && n < INTERACTION_MAX_POINTS - 2) c[++n] = v;
}

// Neutral-axis depths of the strain-compatibility points, deepest first,
// without repeats.
int Sweep_Depths(List<double, INTERACTION_MAX_POINTS>& c, double dt, double eps_ty,
                 double tension_limit, double c_pb) {
  const EI_Vars& EI = RS().sec.EI;
  const double h = EI.rd_SectionDepth;
  int n = 0;
  if (fn_Is_Pipe(EI)) {
    for (int k = 1; k < PIPE_STEPS; ++k) Add_Depth(c, n, h * k / PIPE_STEPS);
  } else {
    // Compression side: from dt to the depth at which the nominal axial force
    // reaches P0, evenly in 1/c (the strain of the bottom fibre).
    const double c_top = fn_Depth_Of_Axial(EI.rd_P0, dt, COMPRESSION_DEPTH_LIMIT * dt);
    for (int k = 0; k <= COMPRESSION_STEPS; ++k)
      Add_Depth(c, n, 1.0 / (1.0 / dt - (1.0 / dt - 1.0 / c_top) * k / COMPRESSION_STEPS));
    const double strains[] = {0.25 * eps_ty, 0.5 * eps_ty, 0.75 * eps_ty, eps_ty,
                              eps_ty + 0.001, eps_ty + 0.002, tension_limit, eps_ty + TENSION_STEP,
                              EPS_TL, 0.0075, 0.01, 0.015, 0.02, 0.03, 0.05};
    double c_min = dt;
    for (double e : strains) {
      const double v = fn_Depth_For_Strain(EI, e, dt);
      Add_Depth(c, n, v);
      if (v > 0.0) c_min = std::fmin(c_min, v);
    }
    if (c_pb > 0.0) c_min = std::fmin(c_min, c_pb);
    for (double f : {0.7, 0.5, 0.35, 0.2}) Add_Depth(c, n, f * c_min);
  }
  Add_Depth(c, n, c_pb);
  // Deepest first (exchange sort of a short list), repeats removed.
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (c[j] > c[i]) {
        const double t = c[i];
        c[i] = c[j];
        c[j] = t;
      }
  int kept = 0;
  for (int i = 1; i <= n; ++i)
    if (kept == 0 || c[kept] - c[i] > 1e-9 * h) c[++kept] = c[i];
  return kept;
}

Interaction_Point& New_Point() {
  Interaction_Diagram& d = ID();
  if (d.i_Number_of_Points < INTERACTION_MAX_POINTS) ++d.i_Number_of_Points;
  Interaction_Point& p = d.point[d.i_Number_of_Points];
  p = Interaction_Point();
  return p;
}

// Factored (or design) values of every point.
void Factor_Points(bool b_Spiral) {
  Interaction_Diagram& d = ID();
  const EI_Vars& EI = RS().sec.EI;
  const bool pipe = fn_Is_Pipe(EI), ps = fn_Is_Prestressed(EI);
  const double fy_ksi = fn_Yield_Stress_ksi(EI);
  const double scale = std::fabs(d.rd_P0) * EI.rd_SectionDepth;
  for (int k = 1; k <= d.i_Number_of_Points; ++k) {
    Interaction_Point& p = d.point[k];
    if (d.i_Code == CODE_EUROCODE2) {
      const double kc = pipe ? 1.0 : ALPHA_CC / GAMMA_C, ks = pipe ? 1.0 : 1.0 / GAMMA_S;
      double e = 0.0, kurv = 0.0;
      if (p.i_Mark == MARK_PURE_COMPRESSION) {
        e = pipe ? 1.0 : fn_EC2_eps_c2(fn_fck_MPa(EI));
      } else if (p.i_Mark == MARK_PURE_TENSION) {
        e = -1.0;
      } else {
        Design_Plane(EI, p.rd_NeutralAxisDepth, e, kurv);
      }
      Strain_Plane_Resultant(e, kurv, kc, ks, ks, p.rd_PFactored, p.rd_MFactored);
      if (std::fabs(p.rd_Mn) > 1e-9 * scale) p.rd_Phi = p.rd_MFactored / p.rd_Mn;
      else if (p.rd_Pn != 0.0) p.rd_Phi = p.rd_PFactored / p.rd_Pn;
      else p.rd_Phi = 0.0;
      continue;
    }
    double phi = fn_Is_Plain(EI) ? PHI_PLAIN : PHI_STEEL;
    if (!pipe && !fn_Is_Plain(EI)) {
      double eps_t = p.rd_NetTensileStrain;
      if (p.i_Mark == MARK_PURE_COMPRESSION) eps_t = -EPS_CU;
      if (p.i_Mark == MARK_PURE_TENSION) eps_t = 1.0;
      phi = fn_Strength_Reduction_Factor(d.i_Code, b_Spiral, ps, eps_t, d.rd_YieldStrain, fy_ksi);
    }
    p.rd_Phi = phi;
    p.rd_PFactored = phi * p.rd_Pn;
    if (p.rd_PFactored > d.rd_MaxFactoredAxial) p.rd_PFactored = d.rd_MaxFactoredAxial;
    p.rd_MFactored = phi * p.rd_Mn;
  }
}

const char* fn_Mark_Text(int32_t mark) {
  switch (mark) {
    case MARK_PURE_COMPRESSION: return "pure compression";
    case MARK_BALANCED: return "balanced";
    case MARK_TENSION_LIMIT: return "tension-controlled";
    case MARK_PURE_BENDING: return "pure bending";
    case MARK_PURE_TENSION: return "pure tension";
    default: return "";
  }
}

}  // namespace

double fn_Tension_Controlled_Limit(int32_t code, bool b_Prestressed, double eps_ty, double fy_ksi) {
  if (b_Prestressed) return EPS_TL;
  if (code == CODE_AASHTO) {
    // 0.005 up to 75 ksi, 0.008 at 100 ksi, linear between (5.6.2.1).
    if (fy_ksi <= 75.0) return EPS_TL;
    if (fy_ksi >= 100.0) return 0.008;
    return EPS_TL + (0.008 - EPS_TL) * (fy_ksi - 75.0) / 25.0;
  }
  return eps_ty + TENSION_STEP;
}

double fn_Strength_Reduction_Factor(int32_t code, bool b_Spiral, bool b_Prestressed, double eps_t,
                                    double eps_ty, double fy_ksi) {
  const bool aashto = code == CODE_AASHTO;
  const double lower = b_Prestressed ? EPS_TY_PRESTRESSED : eps_ty;
  const double upper = fn_Tension_Controlled_Limit(code, b_Prestressed, eps_ty, fy_ksi);
  const double phi_c = aashto ? 0.75 : (b_Spiral ? 0.75 : 0.65);
  const double phi_t = aashto && b_Prestressed ? 1.00 : 0.90;
  if (eps_t <= lower) return phi_c;
  if (eps_t >= upper || !(upper > lower)) return phi_t;
  return phi_c + (phi_t - phi_c) * (eps_t - lower) / (upper - lower);
}

void Strain_Plane_Resultant(double e_top, double curvature, double kc, double ks, double kp,
                            double& P, double& M) {
  const EI_Vars& EI = RS().sec.EI;
  const double h = EI.rd_SectionDepth;
  const int32_t shape = EI.i_AnalysisShape;
  const bool concrete = EI.i_ConcreteModel == CONCRETE_BUILT_IN && shape != SHAPE_STEEL_PIPE;
  const bool core_concrete = concrete && shape == SHAPE_CIRCLE_CASING_CORE &&
                             EI.b_FillCoreWithConcrete != L_FALSE &&
                             EI.i_CoreConcreteModel == CONCRETE_BUILT_IN;
  const bool bars = shape != SHAPE_STEEL_PIPE;
  const bool casing = fn_Has_Casing(EI);
  const bool core = shape == SHAPE_CIRCLE_CASING_CORE && EI.rd_CoreThickness > 0.0;
  const bool prestressed = fn_Is_Prestressed(EI);
  bool limited = false;
  P = 0.0;
  M = 0.0;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) {
    const double eps = e_top - curvature * EI.rd_SliceDepth[i];
    double f = 0.0;
    if (concrete) {
      int32_t cracked = L_TRUE;  // no concrete tension at the strength limit
      const double sigma = kc * fn_Concrete_Stress(EI, eps, cracked);
      f += sigma * EI.rd_SliceAreaConcrete[i];
      if (core_concrete) f += sigma * EI.rd_SliceAreaCoreConcrete[i];
    }
    if (bars && EI.rd_SliceAreaBars[i] != 0.0) {
      const double sigma = prestressed ? kp * fn_Strand_Stress(EI, eps - EI.rd_PrestrainConcrete)
                                       : fn_Steel_Stress(eps, EI.rd_BarEs, ks * EI.rd_BarFy, limited);
      f += sigma * EI.rd_SliceAreaBars[i];
    }
    if (casing)
      f += fn_Steel_Stress(eps, EI.rd_CasingE, ks * EI.rd_CasingFy, limited) * EI.rd_SliceAreaCasing[i];
    if (core && i >= EI.i_CoreTopSlice && i <= EI.i_CoreBottomSlice)
      f += fn_Steel_Stress(eps, EI.rd_CoreE, ks * EI.rd_CoreFy, limited) * EI.rd_SliceAreaCore[i];
    P += f;
    M += f * (h / 2.0 - EI.rd_SliceDepth[i]);
  }
}

void Compute_Interaction_Diagram(int32_t i_Code, bool b_Spiral) {
  Interaction_Diagram& d = ID();
  EI_Vars& EI = RS().sec.EI;
  d.i_Number_of_Points = 0;
  d.i_Section = EI.i_Section;
  d.i_Code = (i_Code >= CODE_AASHTO && i_Code <= CODE_EUROCODE2) ? i_Code : CODE_ACI318;
  d.b_Spiral = b_Spiral ? L_TRUE : L_FALSE;
  // The moment-curvature computation may have left the strand strain of a
  // tensile thrust in place; the diagram starts from the effective prestress.
  EI.rd_PrestrainSteel = EI.rd_PrestrainSteelInitial;
  const bool pipe = fn_Is_Pipe(EI), ps = fn_Is_Prestressed(EI);
  const double h = EI.rd_SectionDepth;
  if (!(h > 0.0)) return;

  const double dt = fn_Extreme_Steel_Depth(EI);
  const double eps_ty = fn_Yield_Strain(EI);
  const double fy_ksi = fn_Yield_Stress_ksi(EI);
  d.rd_ExtremeSteelDepth = dt;
  d.rd_YieldStrain = eps_ty;
  d.rd_TensionLimit = fn_Tension_Controlled_Limit(d.i_Code, ps, eps_ty, fy_ksi);
  d.rd_P0 = EI.rd_P0;
  d.rd_AxialCapFactor = pipe ? 1.0 : (b_Spiral ? 0.85 : 0.80);
  const double phi_c = pipe ? PHI_STEEL
                       : fn_Is_Plain(EI)
                           ? PHI_PLAIN
                           : fn_Strength_Reduction_Factor(d.i_Code, b_Spiral, ps, -EPS_CU, eps_ty, fy_ksi);
  d.rd_MaxFactoredAxial = phi_c * d.rd_AxialCapFactor * d.rd_P0;

  const double c_pb = fn_Pure_Bending_Depth(pipe ? h : 8.0 * dt);
  const double c_bal = pipe ? 0.0 : fn_Depth_For_Strain(EI, eps_ty, dt);
  const double c_tl = pipe ? 0.0 : fn_Depth_For_Strain(EI, d.rd_TensionLimit, dt);
  List<double, INTERACTION_MAX_POINTS> c;
  const int n = Sweep_Depths(c, dt, eps_ty, d.rd_TensionLimit, c_pb);

  Interaction_Point& first = New_Point();
  first.rd_Pn = d.rd_P0;
  first.i_Mark = MARK_PURE_COMPRESSION;
  for (int k = 1; k <= n; ++k) {
    double e_top = 0.0, kurv = 0.0, P = 0.0, M = 0.0;
    Nominal_Plane(EI, c[k], e_top, kurv);
    Strain_Plane_Resultant(e_top, kurv, 1.0, 1.0, 1.0, P, M);
    if (P > d.rd_P0 * (1.0 + 1e-9)) continue;  // beyond the nominal axial strength
    Interaction_Point& p = New_Point();
    p.rd_Pn = P;
    p.rd_Mn = M;
    p.rd_NeutralAxisDepth = c[k];
    p.rd_NetTensileStrain = fn_Net_Tensile_Strain(e_top, kurv, dt);
    const double tol = 1e-9 * h;
    if (std::fabs(c[k] - c_pb) <= tol) p.i_Mark = MARK_PURE_BENDING;
    else if (std::fabs(c[k] - c_bal) <= tol) p.i_Mark = MARK_BALANCED;
    else if (std::fabs(c[k] - c_tl) <= tol) p.i_Mark = MARK_TENSION_LIMIT;
  }
  Interaction_Point& last = New_Point();
  Strain_Plane_Resultant(-1.0, 0.0, 1.0, 1.0, 1.0, last.rd_Pn, last.rd_Mn);
  last.i_Mark = MARK_PURE_TENSION;
  Factor_Points(b_Spiral);
}

void Write_Interaction_Report() {
  const Interaction_Diagram& d = ID();
  const EI_Vars& EI = RS().sec.EI;
  const bool si = EI.i_Units == SI_UNITS, pipe = fn_Is_Pipe(EI), ec2 = d.i_Code == CODE_EUROCODE2;
  const std::string force = si ? "kN" : "kips", moment = si ? "kN-m" : "in-kip";
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT);
  Write_Section_Heading("Axial Force - Bending Moment Interaction Diagram for Section " +
                        fmt::I0(d.i_Section));
  Write_Line(CH_REPORT);
  if (pipe) {
    Write_Line(CH_REPORT, "Nominal strengths of the fully plastic steel section (strain compatibility with");
    Write_Line(CH_REPORT, "an extreme strain of 100 times the yield strain).");
  } else {
    Write_Line(CH_REPORT, "Nominal strengths by strain compatibility with the stress-strain laws of the");
    Write_Line(CH_REPORT, "section, concrete strain at the compression face = 0.003, no concrete tension.");
    Write_Line(CH_REPORT, "Pure compression: nominal axial structural capacity P0 of the section.");
  }
  if (d.i_Code == CODE_EUROCODE2) {
    Write_Line(CH_REPORT, "Design strengths by Eurocode 2 (EN 1992-1-1), each at the neutral-axis depth");
    Write_Line(CH_REPORT, "of its nominal point: ratio = design moment / nominal moment (axial forces on");
    Write_Line(CH_REPORT, "the axis of zero moment).");
    if (pipe) {
      Write_Line(CH_REPORT, "Steel section: partial factor gamma_M0 = 1.00 (EN 1993-1-1, 6.1).");
    } else {
      const double fck = fn_fck_MPa(EI);
      Write_Line(CH_REPORT, "gamma_c = 1.50, gamma_s = 1.15, alpha_cc = 1.00, eps_cu2 = " +
                                fmt::F(fn_EC2_eps_cu2(fck), 7, 5) + ", eps_c2 = " +
                                fmt::F(fn_EC2_eps_c2(fck), 7, 5));
    }
  } else {
    Write_Line(CH_REPORT, std::string("Factored strengths by ") +
                              (d.i_Code == CODE_AASHTO ? "AASHTO LRFD (5.5.4.2, 5.6.4.4)"
                                                       : "ACI 318-19 (21.2.2, 22.4.2.1)") +
                              (pipe ? ", steel section: phi = 0.90." : ","));
    if (!pipe) {
      if (fn_Is_Plain(EI))
        Write_Line(CH_REPORT, "Plain concrete section (no bars, strands or casing): phi = 0.60.");
      else
        Write_Line(CH_REPORT, std::string("phi by the net tensile strain of the extreme tension steel, ") +
                                  (d.b_Spiral != L_FALSE ? "spiral" : "tied") + " member.");
      if (!fn_Is_Plain(EI)) {
        Write_Section_Value("Compression-controlled strain limit", d.rd_YieldStrain, "", 52);
        Write_Section_Value("Tension-controlled strain limit", d.rd_TensionLimit, "", 52);
        Write_Section_Value("Depth of extreme tension steel, dt", d.rd_ExtremeSteelDepth,
                            fn_Section_Unit(UNIT_LENGTH), 52);
      }
      Write_Section_Value(std::string("Maximum factored axial force = ") +
                              (d.b_Spiral != L_FALSE ? "0.85" : "0.80") + " phi P0",
                          d.rd_MaxFactoredAxial, fn_Section_Unit(UNIT_FORCE), 52);
    }
  }
  Write_Line(CH_REPORT);
  // Column texts right-aligned over the fields below them.
  auto R = [](const std::string& t, int w) { return std::string(std::size_t(w > int(t.size()) ? w - int(t.size()) : 0), ' ') + t; };
  Write_Line(CH_REPORT, " Point" + R("Nominal Axial", 16) + R("Nominal Moment", 16) + R("Net Tensile", 14) +
                            R(ec2 ? "Ratio" : "Phi", 10) + R(ec2 ? "Design Axial" : "Factored Axial", 16) +
                            R(ec2 ? "Design Moment" : "Factored Moment", 16) + "  Point of");
  Write_Line(CH_REPORT, "      " + R("Force, Pn", 16) + R("Capacity, Mn", 16) + R("Strain", 14) + R("", 10) +
                            R(ec2 ? "Force, NRd" : "Force, phi Pn", 16) +
                            R(ec2 ? "Capacity, MRd" : "Cap., phi Mn", 16) + "  Diagram");
  Write_Line(CH_REPORT, "      " + R(force, 16) + R(moment, 16) + R("", 24) + R(force, 16) + R(moment, 16));
  Write_Line(CH_REPORT, " -----  --------------  --------------  ------------  --------  --------------  --------------  ------------------");
  for (int k = 1; k <= d.i_Number_of_Points; ++k) {
    const Interaction_Point& p = d.point[k];
    // The strain of a plastic steel pipe says nothing: its column stays blank.
    const bool axial = p.i_Mark == MARK_PURE_COMPRESSION || p.i_Mark == MARK_PURE_TENSION || pipe;
    Write_Line(CH_REPORT, fmt::I(k, 6) + Number_Field(p.rd_Pn, 16) + Number_Field(p.rd_Mn, 16) +
                              (axial ? std::string(14, ' ') : Number_Field(p.rd_NetTensileStrain, 14)) +
                              fmt::F(p.rd_Phi, 10, 4) + Number_Field(p.rd_PFactored, 16) +
                              Number_Field(p.rd_MFactored, 16) +
                              (p.i_Mark != MARK_NONE ? std::string("  ") + fn_Mark_Text(p.i_Mark) : std::string()));
  }
}

void Analyse_Interaction_Diagram(int s) {
  static_assert(INTERACTION_MAX_SECTIONS >= MAX_SECTIONS, "one diagram per pile section");
  const Run_State& R = RS();
  if (R.prob.opt.b_ComputeInteraction == L_FALSE) return;
  if (s < 1 || s > R.prob.sec.i_Number_of_Sections || s > MAX_SECTIONS) return;
  if (R.sec.EI.i_Section != s || !(R.sec.EI.rd_SectionDepth > 0.0)) return;
  // The input has no field for the transverse reinforcement: ties, the
  // smaller factor and cap, are taken for every section.
  Compute_Interaction_Diagram(R.prob.opt.i_InteractionCode, false);
  Write_Interaction_Report();
  Interaction_Diagrams& kept = RS().sec.diagrams;
  if (kept.i_Number_of_Diagrams < INTERACTION_MAX_SECTIONS)
    kept.diagram[++kept.i_Number_of_Diagrams] = ID();
}

void Write_No_Interaction_Note(int s) {
  if (RS().prob.opt.b_ComputeInteraction == L_FALSE) return;
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "No interaction diagram for Section " + fmt::I0(s) +
                            ": its bending stiffness is given directly, without a cross-section model.");
}

}  // namespace ormyx
