// Axial force of the section at a trial neutral-axis depth, and the Newton
// search for the depth at which it balances the applied thrust.
#include <cmath>

#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "section/materials.h"
#include "section/section_model.h"

namespace ormyx {

void Begin_Thrust_State(double rd_Thrust) {
  EI_Vars& EI = RS().sec.EI;
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

double Compute_Concrete_Force() {
  EI_Vars& EI = RS().sec.EI;
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

double Compute_Rebar_Force() {
  EI_Vars& EI = RS().sec.EI;
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

double Compute_Casing_Force() {
  EI_Vars& EI = RS().sec.EI;
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

double Compute_Core_Force() {
  EI_Vars& EI = RS().sec.EI;
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
double Compute_Concrete_Force_Inside_Core() {
  EI_Vars& EI = RS().sec.EI;
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

double Compute_Axial_Thrust_Force(double rd_dn) {
  EI_Vars& EI = RS().sec.EI;
  EI.rd_TrialDepth = rd_dn;
  const double phi = EI.rd_Curvature;
  for (int32_t i = 1; i <= NUM_SLICES; ++i) EI.rd_SliceStrain[i] = (rd_dn - EI.rd_SliceDepth[i]) * phi;
  EI.rd_Moment = 0.0;
  EI.rd_ForceConcrete = EI.rd_ForceBars = EI.rd_ForceCasing = 0.0;
  EI.rd_ForceCore = EI.rd_ForceCoreConcrete = 0.0;
  const int32_t shape = EI.i_AnalysisShape;
  if (shape == SHAPE_STEEL_PIPE) {
    EI.b_Cracked = EI.b_CrackedAtStart;
    EI.rd_ForceCasing = Compute_Casing_Force();
  } else {
    EI.rd_ForceConcrete = Compute_Concrete_Force();
    if (shape == SHAPE_CIRCLE_CASING || shape == SHAPE_CIRCLE_CASING_CORE)
      EI.rd_ForceCasing = Compute_Casing_Force();
    EI.rd_ForceBars = Compute_Rebar_Force();
    if (shape == SHAPE_CIRCLE_CASING_CORE) {
      EI.rd_ForceCore = Compute_Core_Force();
      EI.rd_ForceCoreConcrete = Compute_Concrete_Force_Inside_Core();
    }
  }
  EI.rd_AxialForce = EI.rd_ForceConcrete + EI.rd_ForceCasing + EI.rd_ForceBars + EI.rd_ForceCore +
                     EI.rd_ForceCoreConcrete;
  return EI.rd_AxialForce;
}

bool Find_Neutral_Axis() {
  EI_Vars& EI = RS().sec.EI;
  const bool si = EI.i_Units == SI_UNITS;
  const double delta = si ? double(2.54e-9f) : double(1e-7f);
  const double tolerance = si ? double(2.54e-8f) : double(1e-6f);
  const double zero_step = double(1e-8f);
  constexpr int32_t MAX_ITERATIONS = 1000;
  const double h = EI.rd_SectionDepth;
  const double P = EI.rd_Thrust;

  double y = EI.rd_NeutralAxisStart;
  if (!(std::fabs(y) <= h)) y = h / 2.0;
  for (int32_t k = 0;; ++k) {
    EI.i_Iterations = k + 1;
    const double R = Compute_Axial_Thrust_Force(y) - P;
    const double F_minus = Compute_Axial_Thrust_Force(y - delta);
    const double F_plus = Compute_Axial_Thrust_Force(y + delta);
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
        EI.rd_NeutralAxisDepth = y + step;
        EI.rd_NeutralAxisStart = EI.rd_NeutralAxisDepth;
        return true;
      }
    } else {
      y += step;
    }
    if (k >= MAX_ITERATIONS - 1) break;
  }
  Write_Runtime_Error_Header(16);
  Write_Line(CH_REPORT, "Location of neutral axis was not found within 1,000 iterations.");
  Record_Runtime_Error(16);
  return false;
}

}  // namespace ormyx
