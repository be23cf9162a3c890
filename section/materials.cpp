// Concrete constants of the working section.
#include "section/materials.h"

#include <cmath>

#include "engine/run_control.h"
#include "engine/run_state.h"

namespace ormyx {

// The empirical formulas are in ksi: SI strengths go over to ksi for the
// computation and the resulting stresses back to kPa.
void Compute_Concrete_Constants() {
  EI_Vars& EI = RS().sec.EI;
  const bool si = EI.i_Units == SI_UNITS;
  const double fc = si ? EI.rd_fc / KPA_PER_KSI : EI.rd_fc;
  const double root = std::sqrt(1000.0 * fc);
  const double Ec = 57.0 * root;
  const double fr = (EI.i_MaterialKind >= 3 ? C_FR_PRESTRESSED : C_FR_REINFORCED) * root;
  const double eps0 = C_PEAK * fc / Ec;
  EI.rd_eps0 = eps0;
  EI.rd_epsMax = C_EPS_MAX;
  EI.rd_epsCr = -eps0 * (1.0 - std::sqrt(1.0 + fr / fc));
  const double scale = si ? KPA_PER_KSI : 1.0;
  EI.rd_Ec = Ec * scale;
  EI.rd_fr = fr * scale;
  EI.rd_ResidualStress = C_RESIDUAL * scale;
  EI.rd_DescendingDrop = C_DROP * fc * scale;
}

}  // namespace ormyx
