// The input file's main loop (keyword lines, TITLE, END), the OPTIONS section
// and the axial thrust list built after END.
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/read_loading.h"
#include "input/reader.h"
#include "input/tokenizer.h"

namespace ormyx {

namespace {

// The block for a line that is no keyword (or an option line that is no
// units word), to the report and, identically, to the message file.
void Unrecognized_Line_Error(const std::string& line) {
  std::string padded = fmt::A(line, INPUT_LINE_LENGTH);
  for (Channel ch : {CH_REPORT, CH_MESSAGE}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, "***** INPUT ERROR *****");
    Write_Line(ch);
    Write_Line(ch, "The following line is unrecognized or is out-of-order");
    Write_Line(ch);
    Write_Line(ch, padded);
    Blank_Lines(ch, 2);
  }
  Record_Input_Error(99);
}

void Read_Title() {
  Write_Line(CH_MESSAGE, "Reading title data");
  Problem_Title& t = RS().prob.title;
  std::string line;
  for (int k = 1; k <= 5; ++k) {
    if (!Read_Required_Line(line, "the five title lines (TITLE)")) return;
    t.lines[k].set(line);
  }
}

// An "INPUT ERROR" text of the options, to the report only.
void Option_Error(const char* text, bool leading_blank = true, bool trailing_blank = false) {
  if (leading_blank) Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, text);
  if (trailing_blank) Write_Line(CH_REPORT);
  Record_Input_Error(95);
}

// A YES/NO option line "<word> YES" or "<word> NO": true when read and
// recognised (value -1 / 0), false after recording an error.
bool Read_Switch(const char* word, int32_t& value, const char* error_text,
                 bool trailing_blank = false) {
  std::string line;
  if (!Read_Required_Line(line, std::string("the option line \"") + word + " YES/NO\" (OPTIONS)"))
    return false;
  std::string yes = std::string(word) + " YES";
  std::string no = std::string(word) + " NO";
  if (Line_Is(line, yes)) {
    value = L_TRUE;
    return true;
  }
  if (Line_Is(line, no)) {
    value = L_FALSE;
    return true;
  }
  Option_Error(error_text, true, trailing_blank);
  return false;
}

// The loading-type line in fixed columns: 1-8 any text, 9-14 CYCLIC or
// STATIC, 15-20 the number of cycles (blanks inside the field are ignored).
bool Read_Loading_Type_Line() {
  Problem_Options& o = RS().prob.opt;
  std::string line;
  if (!Read_Required_Line(line, "the loading type line (OPTIONS)")) return false;
  std::string padded = fmt::A(line, 20);
  std::string kind = padded.substr(8, 6);
  std::string field;
  for (char c : padded.substr(14, 6))
    if (c != ' ') field.push_back(c);
  if (kind == "CYCLIC") {
    o.b_CyclicLoading = L_TRUE;
  } else if (kind == "STATIC") {
    o.b_CyclicLoading = L_FALSE;
  } else {
    Option_Error("INPUT ERROR - Unrecognized command for loading type option", false);
    return false;
  }
  double cycles = 0.0;
  if (!field.empty() && !Parse_Real(field, cycles)) {
    int ln = Input_Line_Number();
    Input_Read_Error(INP_MALFORMED_VALUE,
                     "Line " + fmt::I0(ln) +
                         ", reading the loading type line (OPTIONS): the number of cycles was "
                         "expected in columns 15 to 20, found \"" + field + "\".",
                     "Write the number of cycles of loading in columns 15 to 20 of line " +
                         fmt::I0(ln) + ".");
    return false;
  }
  o.rd_NumberOfCycles = cycles;
  return true;
}

bool Read_Labelled_Integer(const char* what, int32_t& value) {
  Free_Read r(what);
  std::string label;
  r.word(label, 16, "a label");
  r.integer(value);
  return r.ok();
}

bool Read_Labelled_Real(const char* what, double& value) {
  Free_Read r(what);
  std::string label;
  r.word(label, 16, "a label");
  r.real(value);
  return r.ok();
}

// Blocks of the convergence tolerance checks: message file, then report.
void Tolerance_Error(int n, const char* line1, const char* line2) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    Write_Line(ch);
    Write_Line(ch, Input_Error_Header(n));
    Write_Line(ch);
    Write_Line(ch, line1);
    Write_Line(ch, line2);
    Write_Line(ch);
  }
  Record_Input_Error(n);
}

bool Check_Tolerance(double tol) {
  int units = RS().prob.opt.IUNITS;
  if (units == US_UNITS) {
    if (tol < 1.0E-20) {
      Tolerance_Error(65,
                      "Input value for convergence tolerance is too small (less than 1E-10 "
                      "inches).",
                      "The recommended value for convergence tolerance is 0.00001 inches.");
      return false;
    }
    if (tol > double(0.1f)) {
      Tolerance_Error(66,
                      "Input value for convergence tolerance is too large (more than 0.1 "
                      "inches). ",
                      "The recommended value for convergence tolerance is 0.00001 inches.");
      return false;
    }
  } else if (units == SI_UNITS) {
    if (tol < 2.54E-22) {
      Tolerance_Error(67,
                      "Input value for convergence tolerance is too small (less than 2.5E-12 "
                      "meters). ",
                      "The recommended value for convergence tolerance is 2.54E-7 meters.");
      return false;
    }
    if (tol > 0.00254) {
      Tolerance_Error(68,
                      "Input value of convergence tolerance too large (more than 2.54E-3 "
                      "meters). ",
                      "The recommended value for convergence tolerance is 2.54E-7 meters.");
      return false;
    }
  }
  return true;
}

bool Check_Iteration_Limit(int32_t n) {
  if (n >= 30 && n <= 1000) return true;
  Write_Line(CH_REPORT, "***** Input Data Error No. 95 *****");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Problem: Input value for iterations limit = " + fmt::I0(n) +
                            (n < 30 ? " and is less than 30 iteractions"
                                    : " and is more than 1,000 iteractions"));
  Write_Line(CH_REPORT, "Solution:  Correct input value to be between 30 and 1000 iterations.");
  Blank_Lines(CH_REPORT, 2);
  Record_Input_Error(95);
  return false;
}

bool Check_Increments(int32_t n) {
  if (n >= 40 && n <= 500) return true;
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    if (n < 40) {
      Write_Line(ch, Input_Error_Header(55));
      Write_Line(ch);
      Write_Line(ch, "Problem:  The number of pile increments is less than 40.");
      Write_Line(ch);
      Write_Line(ch,
                 "Solution: Increase the number of pile increments to more than 40, preferably "
                 "more than 100 increments.");
    } else {
      Write_Line(ch, Input_Error_Header(56));
      Write_Line(ch);
      Write_Line(ch, "Problem:  The number of pile increments is more than 500.");
      Write_Line(ch);
      Write_Line(ch, "Solution: Limit the number of pile increments to 500 or less.");
    }
  }
  Record_Input_Error(n < 40 ? 55 : 56);
  return false;
}

// After END: the list of the thrusts, unless the interaction diagram is
// requested (the run sequence builds it then, after the echo).
void Build_Axial_Thrust_List() {
  const Problem_Records& p = RS().prob;
  if (p.opt.b_ComputeInteraction != L_FALSE || p.sec.i_Number_of_Sections < 1) return;
  Build_Load_Thrust_List();
}

}  // namespace

// The distinct axial thrusts of the load cases (or of the LRFD load groups)
// in ascending order, kips in US customary units.
void Build_Load_Thrust_List() {
  Problem_Records& p = RS().prob;
  Loading_Records& L = p.load;
  L.Axial_Thrust_List.fill(0.0);
  L.i_Number_of_Thrusts = 0;

  List<double, MAX_THRUSTS> t;
  int n = 0;
  if (p.opt.b_UseLRFD != L_FALSE) {
    for (int g = 1; g <= L.i_Number_of_LRFD_Groups && n < MAX_THRUSTS; ++g)
      t[++n] = L.LRFD_Load_Group[g].rd_AxialForce;
  } else {
    for (int c = 1; c <= L.i_Number_of_Loads && n < MAX_THRUSTS; ++c)
      t[++n] = L.Pile_Head_Load[c].rd_AxialThrust;
  }
  if (p.opt.IUNITS == US_UNITS)
    for (int i = 1; i <= n; ++i) t[i] = t[i] / 1000.0;
  Sort_Ascending(t, n);

  int kept = 0;
  for (int i = 1; i <= n; ++i) {
    bool repeated = false;
    for (int k = 1; k <= kept; ++k)
      if (L.Axial_Thrust_List[k] == t[i]) repeated = true;
    if (!repeated) L.Axial_Thrust_List[++kept] = t[i];
  }
  L.i_Number_of_Thrusts = kept;
}

namespace {

using Section_Reader = void (*)();

struct Keyword_Entry {
  const char* keyword;
  Section_Reader reader;
};

// The keyword lines in the order of comparison (END is tested apart).
const Keyword_Entry KEYWORDS[] = {
    {"TITLE", Read_Title},
    {"OPTIONS", Read_Options},
    {"SECTIONS", Read_Sections},
    {"AXIAL THRUST LOADS", Read_Axial_Thrust_Loads},
    {"SOIL LAYERS", Read_Soil_Layers},
    {"TIP SHEAR", Read_Tip_Shear},
    {"PILE BATTER AND SLOPE", Read_Batter_And_Slope},
    {"GROUPEFF", Read_PY_Modifiers},
    {"LRFD LOADS", Read_LRFD_Loads},
    {"LRFD FACTORS AND CASES", Read_LRFD_Factors},
    {"LOADING", Read_Pile_Head_Loads},
    {"SOIL MOVEMENTS", Read_Soil_Movements},
    {"GROUP EFFECT FACTORS", Read_PY_Modifiers},
    {"DEPTHS OF PRINTED P-Y CURVES", Read_Printed_PY_Depths},
};

}  // namespace

void Read_Problem_Input() {
  Write_Line(CH_MESSAGE, "Input of data begun");
  std::string line;
  for (;;) {
    if (!Read_Required_Line(line, "a keyword line or END")) return;
    Section_Reader reader = nullptr;
    for (const Keyword_Entry& k : KEYWORDS)
      if (Line_Is(line, k.keyword)) {
        reader = k.reader;
        break;
      }
    if (!reader) break;
    reader();
    if (Error_Recorded()) return;
  }
  if (!Line_Is(line, "END")) {
    Unrecognized_Line_Error(line);
    return;
  }
  Build_Axial_Thrust_List();
}

void Read_Options() {
  Write_Line(CH_MESSAGE, "Reading analysis options");
  Problem_Options& o = RS().prob.opt;
  std::string line;

  if (!Read_Required_Line(line, "the units line (OPTIONS)")) return;
  if (Line_Is(line, "Units USCS")) {
    o.IUNITS = US_UNITS;
  } else if (Line_Is(line, "Units SI")) {
    o.IUNITS = SI_UNITS;
  } else if (Line_Is(line, "Units GENERAL")) {
    o.IUNITS = GENERIC_UNITS;
  } else {
    Unrecognized_Line_Error(line);
    return;
  }

  if (!Read_Switch("UseLRFD", o.b_UseLRFD,
                   "INPUT ERROR - Unrecognized command for LRFD analysis option"))
    return;
  if (!Read_Switch("ComputeKmatrix", o.b_ComputeKmatrix,
                   "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix "
                   "option"))
    return;
  if (!Read_Switch("UseTipShear", o.b_UseTipShear,
                   "INPUT ERROR - Unrecognized command for tip shear option"))
    return;
  if (!Read_Switch("UseSoilMovement", o.b_UseSoilMovement,
                   "INPUT ERROR - Unrecognized command for soil movement option", true))
    return;
  if (!Read_Switch("UsePYModifiers", o.b_UsePYModifiers,
                   "INPUT ERROR - Unrecognized command for use of p-y modifiers option"))
    return;
  RS().prob.load.i_Number_of_PY_Modifier_Points = o.b_UsePYModifiers != L_FALSE ? 1 : 0;

  int32_t ei_only = 0;
  if (!Read_Switch("ComputeEIOnly", ei_only,
                   "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"))
    return;
  o.i_Analysis_Type = ei_only != L_FALSE ? ANALYSIS_EI_ONLY : ANALYSIS_LATERAL;

  if (!Read_Loading_Type_Line()) return;

  if (!Read_Labelled_Integer("the iteration limit (OPTIONS)", o.i_MaxIterations)) return;
  if (!Check_Iteration_Limit(o.i_MaxIterations)) return;
  if (!Read_Labelled_Real("the maximum allowable deflection (OPTIONS)", o.rd_MaxDeflection))
    return;
  if (!Read_Labelled_Real("the deflection tolerance for convergence (OPTIONS)",
                          o.rd_ConvergenceTolerance))
    return;
  if (!Check_Tolerance(o.rd_ConvergenceTolerance)) return;
  if (!Read_Labelled_Integer("the number of pile increments (OPTIONS)", o.i_NumberOfIncrements))
    return;
  if (!Check_Increments(o.i_NumberOfIncrements)) return;

  if (!Read_Switch("PrintSummaryOnly", o.b_PrintSummaryOnly,
                   "INPUT ERROR - Unrecognized command for print summary only option"))
    return;
  if (!Read_Labelled_Integer("the printing increment (OPTIONS)", o.i_PrintIncrement)) return;

  int32_t print_py = 0;
  if (!Read_Switch("PrintPYCurves", print_py,
                   "INPUT ERROR - Unrecognized command for p-y curve output depths option"))
    return;
  o.b_PrintPYCurves = print_py;
  o.i_PrintPYCurves = print_py != L_FALSE ? 1 : 0;

  if (!Read_Required_Line(line, "the option line \"ComputeInteraction YES/NO\" (OPTIONS)")) return;
  if (Line_Is(line, "ComputeInteraction YES")) {
    o.b_ComputeInteraction = L_TRUE;
  } else if (Line_Is(line, "ComputeInteraction NO")) {
    o.b_ComputeInteraction = L_FALSE;
    return;
  } else {
    Option_Error("INPUT ERROR - Unrecognized command for compute interaction option", false);
    return;
  }

  Free_Read r("the interaction code line (OPTIONS)");
  std::string label, code;
  r.word(label, 11, "a label");
  r.word(code, 11, "the interaction code AASHTO, ACI318 or Eurocode2");
  if (!r.ok()) return;
  if (code == "AASHTO     ") {
    o.i_InteractionCode = 1;
  } else if (code == "ACI318     ") {
    o.i_InteractionCode = 2;
  } else if (code == "Eurocode2  ") {
    o.i_InteractionCode = 3;
  } else {
    Option_Error("INPUT ERROR - Unrecognized command for interaction code option", false);
  }
}

}  // namespace ormyx
