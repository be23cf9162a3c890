// The input echo: writes the problem back into the report block by block,
// closes the soil profile and makes the whole-problem checks.
#include "input/echo.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "input/tokenizer.h"

namespace ormyx {

// ---------------------------------------------------------------------------
// Report helpers

std::string Labelled_Value_Line(std::string_view label, std::string_view value,
                                std::string_view unit) {
  std::string s(label);
  if (s.size() < 55) s.resize(55, ' ');
  s += "= ";
  s += value;
  if (!unit.empty()) {
    s += ' ';
    s += unit;
  }
  return s;
}

std::string Rule(int n) { return std::string(n > 0 ? std::size_t(n) : 0, '-'); }

void Write_Block_Heading(std::string_view text, int empty_before, int blanks) {
  Blank_Lines(CH_REPORT, empty_before);
  Write_Line(CH_REPORT, Rule(80));
  Write_Line(CH_REPORT, fmt::X(blanks) + std::string(text));
  Write_Line(CH_REPORT, Rule(80));
  Write_Line(CH_REPORT);
}

std::string Echo_Fixed(double v, int w, int d) {
  std::string s = fmt::F(v, w, d);
  if (!s.empty() && s[0] == '*') s = fmt::E(v, w, std::max(1, std::min(d, w - 7)));
  return s;
}

std::string Echo_Fixed_Min(double v, int d) {
  std::string s = fmt::F(v, 40, d);
  std::size_t a = s.find_first_not_of(' ');
  return a == std::string::npos ? s : s.substr(a);
}

std::string Echo_Value(double v, int w) {
  const int e_digits = std::max(1, std::min(4, w - 7));
  if (!std::isfinite(v)) return fmt::E(v, w, e_digits);
  if (v == 0.0) return fmt::F(v, w, 4);
  if (std::fabs(v) < 0.001) return fmt::E(v, w, e_digits);
  // Four decimals where they fit, fewer for large values, else the exponent form.
  for (int d : {4, 2, 0}) {
    std::string s = fmt::F(v, w, d);
    if (s[0] != '*') return s;
  }
  return fmt::E(v, w, e_digits);
}

int fn_Int_Of(double v) {
  if (std::isnan(v)) return 0;
  if (v >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (v <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(v);
}

int fn_Clamped(int count, int capacity) { return std::max(0, std::min(count, capacity)); }

namespace {
std::string Label(std::string_view field) { return Trimmed(field); }
}  // namespace

std::string Unit_Dim() { return Label(RS().labels.length.view()); }
std::string Unit_Depth() { return Label(RS().labels.long_length.view()); }
std::string Unit_Force() { return Label(RS().labels.force.view()); }
std::string Unit_Moment() { return Label(RS().labels.moment.view()); }
std::string Unit_FPL() { return Label(RS().labels.force_per_length.view()); }
std::string Unit_Weight() { return Label(RS().labels.unit_weight.view()); }
std::string Unit_K() { return Label(RS().labels.force_per_length3.view()); }
std::string Unit_PSF() { return Label(RS().labels.stress_sq_ft.view()); }
std::string Unit_PSI() { return Label(RS().labels.stress_sq_in.view()); }

// ---------------------------------------------------------------------------
// Title and program options

namespace {

void Echo_Computation_Options() {
  const Problem_Options& o = RS().prob.opt;
  const Loading_Records& ld = RS().prob.load;
  Write_Line(CH_REPORT, "Computation Options:");
  Write_Line(CH_REPORT, ld.i_Number_of_PY_Modifier_Points > 0
                            ? "- Analysis uses p-y multiplers for group action"
                            : "- Analysis does not use p-y multipliers (individual pile or shaft only)");
  Write_Line(CH_REPORT, ld.i_Number_of_Tip_Shear_Points > 0
                            ? "- Analysis uses tip shear resistance for short pile or shaft"
                            : "- Analysis assumes no shear resistance at pile tip");
  // The deflection-length curve has no points yet when the input is echoed.
  const int KYL = 0;
  if (KYL > 0) {
    Write_Line(CH_REPORT, "- Analysis includes automatic computation of pile-top deflection vs.");
    Write_Line(CH_REPORT, "  pile embedment length");
  } else {
    Write_Line(CH_REPORT, "- Analysis for fixed-length pile or shaft only");
  }
  Write_Line(CH_REPORT, o.b_ComputeKmatrix
                            ? "- Analysis includes computation of foundation stiffness matrix values "
                            : "- No computation of foundation stiffness matrix values");
  if (o.b_PrintSummaryOnly) {
    Write_Line(CH_REPORT,
               "- Report summary table of pile-top values for deflection, maximum bending ");
    Write_Line(CH_REPORT, "  moment, and shear force only");
  } else {
    Write_Line(CH_REPORT, "- Report pile response for full length of pile");
  }
  Write_Line(CH_REPORT, o.b_UseSoilMovement
                            ? "- Analysis includes loading by soil movements acting on pile"
                            : "- Analysis assumes no loading by soil movements acting on pile");
  Write_Line(CH_REPORT, o.i_PrintPYCurves > 0
                            ? "- p-y curves computed and reported at user-specified depths"
                            : "- No p-y curves to be computed and reported for user-specified depths");
  Write_Line(CH_REPORT);
}

void Echo_Solution_Control() {
  Problem_Options& o = RS().prob.opt;
  const std::string dim = Unit_Dim();
  Write_Line(CH_REPORT, "Solution Control Parameters:");
  Write_Line(CH_REPORT, Labelled_Value_Line("- Number of pile increments",
                                            fmt::I(o.i_NumberOfIncrements, 12)));
  Write_Line(CH_REPORT, Labelled_Value_Line("- Maximum number of iterations allowed",
                                            fmt::I(o.i_MaxIterations, 12)));
  Write_Line(CH_REPORT, Labelled_Value_Line("- Deflection tolerance for convergence",
                                            fmt::E(o.rd_ConvergenceTolerance, 12, 4), dim));
  Write_Line(CH_REPORT, Labelled_Value_Line("- Maximum allowable deflection",
                                            Echo_Fixed(o.rd_MaxDeflection, 12, 4), dim));
  Write_Line(CH_REPORT);
  // Only generic units let a tolerance of 0 or less through the option
  // checks; a tolerance that is not a number is replaced the same way.
  if (!(o.rd_ConvergenceTolerance > 0.0)) {
    const bool us = o.IUNITS == US_UNITS;
    o.rd_ConvergenceTolerance = us ? double(1.0e-6f) : double(2.54e-8f);
    Write_Line(CH_REPORT, "(Specified convergence tolerance of 0 reset by program to" +
                              fmt::E(o.rd_ConvergenceTolerance, 12, 4) +
                              (us ? " inches)" : " meters)"));
    Write_Line(CH_REPORT);
  }
}

void Echo_Output_Options() {
  const Problem_Options& o = RS().prob.opt;
  Write_Line(CH_REPORT, "Pile Response Output Options:");
  if (o.b_PrintSummaryOnly) {
    Write_Line(CH_REPORT,
               "- Only summary tables of pile-head deflection, maximum bending moment,");
    Write_Line(CH_REPORT, "  and maximum shear force are to be written to output report file.");
  } else {
    Write_Line(CH_REPORT, "- Values of pile-head deflection, bending moment, shear force, and ");
    Write_Line(CH_REPORT, "  soil reaction are printed for full length of pile.");
    Write_Line(CH_REPORT,
               Labelled_Value_Line("- Printing Increment (nodal spacing of output points)",
                                   fmt::I(o.i_PrintIncrement, 12)));
  }
  Blank_Lines(CH_REPORT, 2);
}

}  // namespace

void Echo_Title_And_Options() {
  const Run_State& s = RS();
  const Problem_Options& o = s.prob.opt;
  Write_Block_Heading("Problem Title", 2, 32);
  for (int i = 1; i <= 5; ++i) Write_Line(CH_REPORT, s.prob.title.lines[i].view());
  Write_Line(CH_REPORT);

  Write_Block_Heading("Program Options", 1, 31);
  const char* units_line = nullptr;
  if (o.IUNITS == US_UNITS) units_line = "Engineering units are US Customary Units: pounds, inches, feet";
  else if (o.IUNITS == SI_UNITS) units_line = "Engineering units are SI Units: kilonewtons, meters, millimeters";
  else if (o.IUNITS == GENERIC_UNITS) units_line = "Engineering units are Generic Units: force, length";
  if (units_line) {
    Write_Line(CH_REPORT, units_line);
    Write_Line(CH_REPORT);
  }

  Write_Line(CH_REPORT, "Basic Program Options:");
  Write_Line(CH_REPORT);
  if (o.i_Analysis_Type == ANALYSIS_LATERAL) {
    Write_Line(CH_REPORT,
               "This analysis computes pile response to lateral loading and will compute nonlinear ");
    Write_Line(CH_REPORT,
               "moment-curvature and nominal moment capacity for section types with nonlinear properties.");
    Write_Line(CH_REPORT);
  } else if (o.i_Analysis_Type == ANALYSIS_EI_ONLY) {
    Write_Line(CH_REPORT,
               "This analysis computes nominal moment capacity and nonlinear bending stiffness only.");
    Blank_Lines(CH_REPORT, 2);
    return;
  }
  Echo_Computation_Options();
  Echo_Solution_Control();
  Echo_Output_Options();
}

// ---------------------------------------------------------------------------
// Soil profile closure

void Close_Soil_Profile() {
  Soil_Records& soil = RS().prob.soil;
  const int n = fn_Clamped(soil.i_Number_of_Layers, MAX_LAYERS);
  for (int k = 1; k <= n - 1; ++k) soil.XLayerTop[k + 1] = soil.XLayerBottom[k];
  if (n >= 1) soil.XLayerTop[1] = soil.rd_GroundSurfaceDepth;
}

// ---------------------------------------------------------------------------
// Whole-problem checks

void Check_Property_Point_Count() {
  const int n = RS().prob.sec.i_Number_of_Section_Points;
  if (n >= 2 && n <= MAX_SECTION_POINTS) return;
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, Input_Error_Header(17));
    Write_Line(ch);
    Write_Line(ch, "The number of points to define the pile properties is 2 to 40, not the input value of " +
                       fmt::I(n, 10));
    Write_Line(ch);
  }
  Record_Input_Error(17);
}

void Check_Soil_Profile_Depth() {
  const Run_State& s = RS();
  const Soil_Records& soil = s.prob.soil;
  const int n = fn_Clamped(soil.i_Number_of_Layers, MAX_LAYERS);
  // Without layers the soil profile ends at the pile head.
  const double bottom = n >= 1 ? soil.XLayerBottom[n] : 0.0;
  const double length = s.prob.sec.rd_PileLength;
  if (!(length > bottom)) return;
  const std::string u = Unit_Depth();
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch, Input_Error_Header(18));
    Write_Line(ch);
    Write_Line(ch, "Problem: The depth at the bottom of the lowermost soil layer is " +
                       Echo_Fixed_Min(bottom, 3) + " " + u);
    Write_Line(ch, "         This depth is higher than the tip of the pile at " +
                       Echo_Fixed_Min(length, 3) + " " + u + ".");
    Write_Line(ch, "Solution: Increase the depth of the soil profile or shorten the pile length.");
  }
  Record_Input_Error(18);
}

// After the layers are made contiguous, every layer must end below its top: a
// bottom above the top (layers out of order) would give a layer of negative
// thickness. Layers of no thickness are left to the p-y models' own checks.
void Check_Soil_Layer_Order() {
  const Soil_Records& soil = RS().prob.soil;
  const int n = fn_Clamped(soil.i_Number_of_Layers, MAX_LAYERS);
  for (int k = 1; k <= n; ++k) {
    const double top = soil.XLayerTop[k], bottom = soil.XLayerBottom[k];
    if (bottom >= top) continue;
    const std::string u = Unit_Depth();
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Blank_Lines(ch, 2);
      Write_Line(ch, Input_Error_Header(INP_LAYER_ORDER));
      Write_Line(ch);
      Write_Line(ch, "An error was detected in the input data.");
      Write_Line(ch, "Problem:  The bottom of soil layer " + fmt::I0(k) + " at " +
                         Echo_Fixed_Min(bottom, 3) + " " + u + " lies above its top at " +
                         Echo_Fixed_Min(top, 3) + " " + u + ".");
      Write_Line(ch, "          (The top of each layer is the bottom of the layer above it, and");
      Write_Line(ch, "          the top of layer 1 is the ground surface.)");
      Write_Line(ch);
      Write_Line(ch, "Solution:  Give the layers from the top down, each bottom deeper than");
      Write_Line(ch, "          the bottom of the layer above.");
    }
    Record_Input_Error(INP_LAYER_ORDER);
    return;
  }
}

void Check_PY_Modifier_Depth() {
  const Run_State& s = RS();
  const Loading_Records& ld = s.prob.load;
  if (ld.i_Number_of_PY_Modifier_Points <= 0) return;
  const double x1 = ld.PY_Modifier_Point[1].X;
  const double gs = s.prob.soil.rd_GroundSurfaceDepth;
  if (!(x1 < gs)) return;
  const std::string u = Unit_Depth();
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch, Input_Error_Header(21));
    Write_Line(ch);
    Write_Line(ch, "Problem:  The depth for the first data for p-multipliers is ");
    Write_Line(ch, "          located at " + Echo_Fixed_Min(x1, 3) + " " + u +
                       " below the top of the pile.");
    Write_Line(ch, "          The ground surface is located at " + Echo_Fixed_Min(gs, 3) + " " +
                       u + ".");
    Write_Line(ch, "Solution:  Correct the input data so that the first depth for ");
    Write_Line(ch, "          the p-multiplier data is the same as the elevation as the ");
    Write_Line(ch, "          ground surface.");
  }
  Record_Input_Error(21);
}

// ---------------------------------------------------------------------------
// The echo

void Echo_Input_Data() {
  const Problem_Options& o = RS().prob.opt;
  Write_Line(CH_MESSAGE, "Output of input data begun");
  Close_Soil_Profile();

  Echo_Title_And_Options();
  Echo_Structural_Properties();
  if (Error_Recorded()) return;

  if (o.i_Analysis_Type != ANALYSIS_EI_ONLY) {
    Echo_Slope_And_Batter();
    Echo_Soil_Layering();
    Echo_Soil_Summary();
    Echo_PY_Modifiers();
    Echo_Soil_Movements();
    Echo_Loading_Type();
    if (Error_Recorded()) return;
    Echo_Distributed_Loads();
    if (o.b_UseLRFD) Echo_LRFD_Loads();
    else Echo_Pile_Head_Loads();
    if (Error_Recorded()) return;
    Echo_Tip_Shear();
    if (Error_Recorded()) return;
    Echo_Printed_PY_Depths();
    if (Error_Recorded()) return;
  }

  Check_Property_Point_Count();
  if (Error_Recorded()) return;
  if (o.i_Analysis_Type != ANALYSIS_EI_ONLY) {
    Check_Soil_Layer_Order();
    if (Error_Recorded()) return;
    Check_Soil_Profile_Depth();
    if (Error_Recorded()) return;
    Check_PY_Modifier_Depth();
    if (Error_Recorded()) return;
  }
  Write_Line(CH_MESSAGE, "Output of input data completed");
  Write_Line(CH_MESSAGE);
}

}  // namespace ormyx
