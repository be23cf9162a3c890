// Rock properties at a depth, read by the rock p-y models: RQD and k_rm of
// weak rock from the soil profile, and the uniaxial compressive strength of
// massive rock. Errors are written and recorded in Run_Status; the caller
// tests Error_Recorded() after each call.
#pragma once

namespace ormyx {

// Rock quality designation (percent) at vertical depth xv: linear within a
// layer, the mean of the two sides at a layer interface (the non-zero side
// when one is zero). Input error 31 below the profile, 49 outside 0..100.
double fn_RQD(double xv);

// Strain factor k_rm at xv: linear within a layer, the value at the top of
// the lower layer at an interface (except at the pile tip), 0 below the
// profile.
double fn_k_rm(double xv);

// Uniaxial compressive strength of massive rock at xv, read from each
// layer's own strength values like the undrained shear strength (same
// interface table). Input errors 5 and 60, runtime error 30, internal error.
double fn_HB_qu_at_DepthX(double xv);

}  // namespace ormyx
