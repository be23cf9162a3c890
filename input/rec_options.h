// Title and analysis options of the problem (TITLE and OPTIONS sections).
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

struct Problem_Title {
  List<Text<256>, 5> lines;  // the title line and four description lines
};

struct Problem_Options {
  int32_t IUNITS = 0;                    // 1 US customary, 2 SI, 3 generic
  int32_t b_UseLRFD = 0;
  int32_t b_ComputeKmatrix = 0;
  int32_t b_UseTipShear = 0;
  int32_t b_UseSoilMovement = 0;
  int32_t b_UsePYModifiers = 0;
  int32_t i_Analysis_Type = 0;           // 2 bending stiffness only, 3 lateral response
  int32_t b_CyclicLoading = 0;
  double rd_NumberOfCycles = 0.0;
  int32_t i_MaxIterations = 0;
  double rd_MaxDeflection = 0.0;
  double rd_ConvergenceTolerance = 0.0;
  int32_t i_NumberOfIncrements = 0;
  int32_t b_PrintSummaryOnly = 0;
  int32_t i_PrintIncrement = 0;
  int32_t i_PrintPYCurves = 0;
  int32_t b_PrintPYCurves = 0;
  int32_t b_ComputeInteraction = 0;
  int32_t i_InteractionCode = 0;         // 1 AASHTO, 2 ACI318, 3 Eurocode2
};

}  // namespace ormyx
