#include "engine/messages.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/warning_capture.h"

namespace ormyx {

std::string Error_Code(const char* prefix, int n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%05d", prefix, n < 0 ? 0 : n % 100000);
  return buf;
}

void Record_Error(const std::string& code, int number) {
  if (number >= 1 && number <= 199) {
    Blank_Lines(CH_REPORT, 2);
    Write_Line(CH_REPORT, "Ormyx ended prematurely due to input error number " + code);
  } else if (number >= 200) {
    Blank_Lines(CH_REPORT, 2);
    Write_Line(CH_REPORT, "Ormyx ended prematurely due to runtime error number " + code);
  }
  if (number == 125) {
    Write_Line(CH_REPORT);
    Write_Line(CH_REPORT, "**** Input Data Error No. 25 ****");
    Blank_Lines(CH_REPORT, 2);
    Write_Line(CH_REPORT, "Length of input file is 0 bytes.  No analysis can be performed.");
  }
  Store_Error_Number(number);
}

void Record_Input_Error(int n) { Record_Error(Error_Code("INP", n), 100 + n); }
void Record_Runtime_Error(int n) { Record_Error(Error_Code("RUN", n), 200 + n); }

void Store_Error_Number(int number) {
  Run_Status& st = RS().status;
  if (st.i_ErrorNumber == 0) st.i_ErrorNumber = number;
}

bool Error_Recorded() { return RS().status.i_ErrorNumber > 0; }

void Log_Warning(int number) {
  if (Warning_Capture* cap = tl_Warning_Capture) cap->Add(number);
  Run_Status& st = RS().status;
  int k = number < 0 ? -number : number;
  if (k < 1 || k > MAX_WARNING) return;
  int n = st.i_WarningCount[k];
  if (n < MAX_WARNING) {
    st.i_WarningCount[k] = n + 1;
    st.i_WarningCount[0] = n + 1;
    st.i_WarningList[n + 1] = number;
  } else {
    st.i_WarningCount[0] = n;
  }
}

void Reset_Warning_Counters() {
  Run_Status& st = RS().status;
  for (int k = 1; k <= MAX_WARNING; ++k) {
    st.i_WarningCount[k] = 0;
    st.i_WarningPrinted[k] = 0;
  }
}

namespace {

// The summary text of each warning number; "" stands for an empty line.
using Lines = std::initializer_list<std::string_view>;

void Put_Lines(Lines lines) {
  for (std::string_view l : lines) Write_Line(CH_REPORT, l);
}

bool Write_Warning_Text(int k) {
  switch (k) {
    case 302:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable value was input for friction angle has been specified",
                 "for a soil layer defined uisng the sand criteria.  The input value is",
                 "either smaller than 20 degrees or higher than 48 degrees.  The input",
                 "data should be checked for correctness.", ""});
      return true;
    case 303:
      Put_Lines({"**** Warning ****", "",
                 "An unreasonable value was input for friction angle has been specified for a",
                 "soil layer defined uisng the API sand criteria.  The input value is either",
                 "smaller than 20 degrees or higher than 48 degrees.  The input data should",
                 "be checked for correctness.", ""});
      return true;
    case 305:
      Put_Lines({"***** Warning *****", "", "Too many values were calculated for moment-curvature.",
                 "This may indicate that the pile is too weak or is under-reinforced, ",
                 "where all reinforcing steel has yielded.  You should examine your input ",
                 "data and increase the amount of steel reinforcement if necessary."});
      return true;
    case 306:
      Put_Lines({"",
                 "Warning - Negative values of bending moment were computed in nonlinear EI "
                 "computations.",
                 "This may indicate that the pile is too weak or is under-reinforced and that all "
                 "reinforcing steel ",
                 "has yielded.",
                 "You should examine your input data and increase the amount of steel "
                 "reinforcement if necessary.",
                 ""});
      return true;
    case 308:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for uniaxial compressive strength has been ",
                 "specified for a soil defined using the vuggy limestone criteria.",
                 "The input value is outside of the range of 1,000 to 2,500 psi (6,895 to 17,237 "
                 "kPa).",
                 "You should check your input data for correctness.", ""});
      return true;
    case 316:
      Put_Lines({"***** Warning *****", "",
                 "The input value for k_rm used by the weak rock criteria is smaller than ",
                 "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
                 "You should check your input data for accuracy.", ""});
      return true;
    case 317:
      Put_Lines({"**** Warning - Possible Input Data Error ****", "",
                 "The input value for k_rm used by the weak rock criteria is ",
                 "greater than 0.0005.  This value is outside the recommended ",
                 "range of 0.00005 to 0.005.  You should check your input data", "for accuracy.",
                 ""});
      return true;
    case 354:
      Put_Lines({"", "**** Warning - Possible Modelling Error ****", "",
                 "The depth of this liquefied sand layer is deeper than the recommended depth ",
                 "limit of 6 meters for using the p-y criteria for liquefied sand.",
                 "Please consult the Ormyx Technical Manual for additional background ",
                 "information regarding limitations on the use of the liquefied sand criteria.",
                 ""});
      return true;
    case 355:
      Put_Lines({"", "**** Warning - Possible Design Error ****", "",
                 "Maximum moment capacity was reached at maximum compressive strains that are",
                 "smaller than 0.003.  This usually indicates that the pile section is under-",
                 "reinforced.  The user should carefully examine the moment-curve results to",
                 "determine if additional reinforcement or higher prestressing force is needed",
                 "to achieve the necessary moment capacity.", ""});
      return true;
    case 400:
      Put_Lines({"", "**** Warning - Failure for One or More LRFD Load Cases ****", "",
                 "This warning message is provided to alert the user that one or more of ",
                 "LRFD load cases has overloaded the structural capacity of the pile."});
      return true;
    case 3041:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for shear strength has been specified for a soil",
                 "defined using the soft clay criteria.  The input value is greater than 8.68",
                 "psi (1,250 psf).  You should check your input data for correctness.", ""});
      return true;
    case 3042:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for shear strength has been specified for a soil",
                 "defined using the soft clay criteria.",
                 "The input value is greater than 59.85 kPa. You should check your input data for "
                 "correctness.",
                 ""});
      return true;
    case 3051:
    case 3052:
    case 3053:
    case 3054: {
      Put_Lines({"", "**** Warning ****", ""});
      Write_Line(CH_REPORT, k == 3054
                                ? "An unreasonable input value for shear strength has been "
                                  "specified for a layer. "
                                : "An unreasonable input value for shear strength has been "
                                  "specified for a layer.");
      Write_Line(CH_REPORT,
                 "defined using the stiff clay with free water criteria.  The input value is ");
      if (k == 3051)
        Put_Lines({"less than 3.47 psi (500 psf). You should check your input data for "
                   "correctness."});
      else if (k == 3052)
        Put_Lines({"greater than 55.55 psi (8,000 psf).  You should check your input data for",
                   "correctness."});
      else if (k == 3053)
        Put_Lines({"less than 23.94kPa.  You should check your input data for correctness."});
      else
        Put_Lines({"greater than 383.04 kPa.  You should check your input data for correctness."});
      Write_Line(CH_REPORT);
      return true;
    }
    case 3061:
    case 3062:
    case 3063:
    case 3064: {
      Put_Lines({"", "**** Warning ****", ""});
      Write_Line(CH_REPORT, k == 3061
                                ? "An unreasonable input value for shear strength has been "
                                  "specified for a layer. "
                                : "An unreasonable input value for shear strength has been "
                                  "specified for a layer.");
      Write_Line(CH_REPORT,
                 "defined using the stiff clay without free water criteria.  The input value is ");
      if (k == 3061)
        Put_Lines({"less than 3.47 psi (500 psf).  You should check your input data for "
                   "correctness."});
      else if (k == 3062)
        Put_Lines({"greater than 8,000 psf (55.55 psi).  You should check your input data for "
                   "correctness."});
      else if (k == 3063)
        Put_Lines({"less than 23.94 kPa.  You should check your input data for correctness."});
      else
        Put_Lines({"greater than 383.04 kPa.  You should check your input data for correctness."});
      Write_Line(CH_REPORT);
      return true;
    }
    case 3071:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for the compressive strength has been specified",
                 "for a soil defined using the weak rock criteria.  The input value is less ",
                 "than 100 psi.  You should check your input data for correctness.", ""});
      return true;
    case 3072:
    case 3073:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for unconfined compressive strength has been ",
                 "specified for a soil defined using the weak rock criteria.  The input value"});
      Write_Line(CH_REPORT,
                 k == 3072
                     ? "is greater than 1000 psi.  You should check your input data for correctness."
                     : "is less than  689.5 kPa.  You should check your input data for correctness.");
      Write_Line(CH_REPORT);
      return true;
    case 3074:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for unconfined compressive strength has been",
                 "specified for a soil defined using the weak rock criteria.  The input value",
                 "is greater than 6895 kPa.  You should check your input data for correctness.",
                 ""});
      return true;
    case 3261:
    case 3262:
    case 3263:
    case 3264:
      Put_Lines({"", "**** Warning ****", "",
                 "An unreasonable input value for shear strength has been specified for a layer.",
                 "defined using the stiff clay without free water criteria using k."});
      if (k == 3261)
        Put_Lines({"The input value is less than 500 psf (3.47 psi).",
                   "   You should check your input data for correctness."});
      else if (k == 3262)
        Put_Lines({"The input value is greater than 8,000 psf (55.55 psi).",
                   "You should check your input data for correctness."});
      else if (k == 3263)
        Put_Lines({"The input value is less than 23.94 kPa.",
                   "You should check your input data for correctness."});
      else
        Put_Lines({"The input value is greater than 383.04 kPa.",
                   "You should check your input data for correctness."});
      Write_Line(CH_REPORT);
      return true;
    default:
      return false;
  }
}

}  // namespace

void Write_Warning_Summary() {
  Run_Status& st = RS().status;
  int count = 0;
  for (int k = 1; k <= MAX_WARNING; ++k)
    if (st.i_WarningCount[k] != 0) ++count;
  st.i_WarningCount[0] = count;
  if (count == 0) {
    Blank_Lines(CH_REPORT, 2);
    Write_Line(CH_REPORT, "No error or warning messages were generated by this analysis.");
    Write_Line(CH_REPORT);
    return;
  }
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, std::string(26, ' ') + "Summary of Warning Messages");
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT);
  for (int k = 1; k <= MAX_WARNING; ++k) {
    int n = st.i_WarningCount[k];
    if (n == 0) continue;
    Write_Line(CH_REPORT, "The following warning was reported " + fmt::I0(n) + " times");
    Write_Line(CH_REPORT);
    if (st.i_WarningPrinted[k] == 0 && Write_Warning_Text(k)) st.i_WarningPrinted[k] = -1;
  }
}

// With one distinct warning in the summary, that warning's number. The warning
// list is not cleared between load cases, so its last entry may belong to an
// earlier case; the number is taken from the counters of the summary instead.
int Warning_Return_Value() {
  const Run_Status& st = RS().status;
  if (st.i_WarningCount[0] == 1) {
    for (int k = 1; k <= MAX_WARNING; ++k)
      if (st.i_WarningCount[k] != 0) return -k;
    return 0;
  }
  if (st.i_WarningCount[0] > 1) return -300;
  return 0;
}

void Write_Runtime_Error_Header(int n) {
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "**** Runtime Error No. " + fmt::I0(n) + " ****");
  Write_Line(CH_REPORT);
}

std::string Input_Error_Header(int n) { return "**** Input Data Error No. " + fmt::I0(n) + " ****"; }

}  // namespace ormyx
