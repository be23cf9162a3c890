// Stress-strain laws of the section materials. Strain and stress are positive
// in compression; stresses in ksi (US customary) or kPa (SI). The laws are
// inline: they run for every slice of every force evaluation.
#pragma once
#include <cmath>
#include <cstdint>

#include "engine/run_control.h"
#include "section/ei_vars.h"

namespace ormyx {

// Single-precision constants of the laws, used in double arithmetic.
inline constexpr double C_EPS_MAX = double(0.0038f);
inline constexpr double C_RESIDUAL = double(0.001f);
inline constexpr double C_DROP = double(0.15f);
inline constexpr double C_PEAK = double(1.7f);
inline constexpr double C_FR_REINFORCED = double(-0.0075f);
inline constexpr double C_FR_PRESTRESSED = double(-0.004f);

// Concrete constants of the working section from its f'c (evaluated in ksi).
void Compute_Concrete_Constants();

// Concrete stress at strain eps. b_Cracked carries the cracked state from slice
// to slice (compression face first): a tension slice beyond fr cracks the
// section, and every later tension slice then carries no stress.
inline double fn_Concrete_Stress(const EI_Vars& EI, double eps, int32_t& b_Cracked) {
  if (eps <= 0.0) {
    if (b_Cracked) return 0.0;
    const double u = eps / EI.rd_eps0;
    const double sigma = -EI.rd_fc * (2.0 * std::fabs(u) - u * u);
    if (sigma < EI.rd_fr) {
      b_Cracked = -1;
      return 0.0;
    }
    return sigma;
  }
  if (eps <= EI.rd_epsMax) {
    const double u = eps / EI.rd_eps0;
    if (u < 1.0) return EI.rd_fc * (2.0 * u - u * u);
    return EI.rd_fc - EI.rd_DescendingDrop * (eps - EI.rd_eps0) / (EI.rd_epsMax - EI.rd_eps0);
  }
  return EI.rd_ResidualStress;
}

// Elastic-perfectly plastic steel; b_Limited becomes true when the stress is limited.
inline double fn_Steel_Stress(double eps, double E, double Fy, bool& b_Limited) {
  const double sigma = E * eps;
  if (sigma > Fy) {
    b_Limited = true;
    return Fy;
  }
  if (sigma < -Fy) {
    b_Limited = true;
    return -Fy;
  }
  return sigma;
}

// Strand or high-strength bar law in ksi for strand type 0..5 at strain e
// (the strain including the initial strand strain).
inline double fn_Strand_Stress_ksi(double e, int32_t strand_type, int32_t bar_grade_code) {
  switch (strand_type) {
    case 0: {  // PCI 250
      constexpr double LIM = double(0.0076f), A = double(0.04f), B = double(0.0064f);
      if (e > -LIM && e <= LIM) return 28500.0 * e;
      if (e > LIM) return std::fmin(250.0, 250.0 - A / (e - B));
      return std::fmax(-250.0, -250.0 + A / (std::fabs(e) - B));
    }
    case 1: {  // PCI 270
      constexpr double LIM = double(0.0086f), A = double(0.04f), B = double(0.007f);
      if (std::fabs(e) <= LIM) return 28500.0 * e;
      if (e > LIM) return std::fmin(270.0, 270.0 - A / (e - B));
      return std::fmax(-270.0, -270.0 + A / (std::fabs(e) - B));
    }
    case 2: {  // grade 300
      constexpr double LIM = double(0.0088846f), A = double(0.0835f), B = double(0.0071f);
      if (e > -LIM && e <= LIM) return 28500.0 * e;
      if (e > LIM) return std::fmin(300.0, 300.0 - A / (e - B));
      return std::fmax(-300.0, -300.0 + A / (std::fabs(e) - B));
    }
    case 3:  // smooth 145 ksi bars
      if (std::fabs(e) <= 0.005) return 29000.0 * e;
      return e > 0.0 ? 145.0 : -145.0;
    case 4: {  // smooth 160 ksi bars
      constexpr double LIM = 160.0 / 29000.0;
      if (std::fabs(e) <= LIM) return 29000.0 * e;
      return e > 0.0 ? 160.0 : -160.0;
    }
    default: {  // deformed bars, 150 to 160 ksi by bar grade
      const double fpu = bar_grade_code == 1 ? 157.0
                         : (bar_grade_code == 3 || bar_grade_code == 5) ? 160.0
                                                                        : 150.0;
      const double sigma = 29000.0 * e;
      return std::fmax(-fpu, std::fmin(fpu, sigma));
    }
  }
}

// Strand stress of the working section at slice strain eps, in its stress units.
inline double fn_Strand_Stress(const EI_Vars& EI, double eps) {
  const double s = fn_Strand_Stress_ksi(eps + EI.rd_PrestrainSteel, EI.i_StrandType,
                                        EI.i_BarGradeCode);
  return EI.i_Units == SI_UNITS ? s * KPA_PER_KSI : s;
}

}  // namespace ormyx
