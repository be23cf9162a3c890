// The entry function and the fixed sequence of one analysis run.
#include "engine/ogo.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/run_steps.h"
#include "engine/units.h"
#include "input/reader.h"
#include "input/tokenizer.h"
#include "pycurves/py_framework.h"
#include "pycurves/soil_properties.h"
#include "section/interaction.h"

namespace ormyx {

namespace {

constexpr const char* SUPPORT_CONTACT = "support@ormyx.dev";

// Runtime error numbers of the run sequence's own file checks.
constexpr int RUN_INPUT_NOT_OPENED = 7;   // input or M_vs_EI_report_names.txt cannot be opened
constexpr int RUN_OUTPUT_NOT_CREATED = 8; // report, plot or run-message file cannot be created

void Runtime_Block(Channel ch, int n, std::initializer_list<std::string> text) {
  Blank_Lines(ch, 2);
  Write_Line(ch, "**** Runtime Error No. " + fmt::I0(n) + " ****");
  Write_Line(ch);
  for (const auto& t : text) Write_Line(ch, t);
}

// Read one NAMES.DAT line as a 256-character field. 0: read; 1: end of file;
// 2: the line holds control characters or is longer than a name can be.
// The line's characters go to line (NAME_LENGTH + 1 places), its length to len.
int Read_Name_Chars(std::FILE* fp, char* line, std::size_t& len) {
  len = 0;
  int c;
  bool any = false;
  bool junk = false;
  while ((c = getc_unlocked(fp)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (len <= std::size_t(NAME_LENGTH)) line[len++] = char(c);
    else junk = true;
  }
  if (!any) return 1;
  if (len > 0 && line[len - 1] == '\r') --len;
  if (len > std::size_t(NAME_LENGTH)) junk = true;
  for (std::size_t i = 0; i < len; ++i)
    if (static_cast<unsigned char>(line[i]) < 32 || line[i] == 127) junk = true;
  if (junk) return 2;
  return 0;
}

// Reads the moment-curvature name list, one name a line, up to
// MAX_MEI_REPORT_FILES lines. Each line is judged as Read_Name_Chars judges
// it: a line that holds control characters or is longer than a name counts
// but leaves its name blank. The list is read in blocks and split with
// memchr (it has 2000 lines however small the run).
void Read_MEI_Name_List(std::FILE* fp) {
  Run_Files& f = RS().files;
  char buf[8192];
  std::size_t start = 0, end = 0;  // the unread part of buf
  bool eof = false;
  bool too_long = false;  // the line being read did not fit buf: it is junk
  while (f.i_Number_of_MEI_Report_Files < MAX_MEI_REPORT_FILES) {
    const char* line = buf + start;
    std::size_t len;
    const char* nl = static_cast<const char*>(std::memchr(line, '\n', end - start));
    if (nl) {
      len = std::size_t(nl - line);
      start += len + 1;
    } else if (!eof) {
      if (start > 0) {
        std::memmove(buf, buf + start, end - start);
        end -= start;
        start = 0;
      }
      if (end == sizeof buf) {
        too_long = true;
        end = 0;
      }
      const std::size_t n = std::fread(buf + end, 1, sizeof buf - end, fp);
      if (n == 0) eof = true;
      end += n;
      continue;
    } else if (start == end && !too_long) {
      break;  // end of the list
    } else {
      len = end - start;  // a last line without its line end
      start = end;
    }
    ++f.i_Number_of_MEI_Report_Files;
    bool junk = too_long || len > std::size_t(NAME_LENGTH) + 1;
    too_long = false;
    if (!junk && len > 0 && line[len - 1] == '\r') --len;
    if (len > std::size_t(NAME_LENGTH)) junk = true;
    for (std::size_t i = 0; i < len && !junk; ++i)
      if (static_cast<unsigned char>(line[i]) < 32 || line[i] == 127) junk = true;
    if (!junk) Set_MEI_Report_File_Name(f.i_Number_of_MEI_Report_Files, std::string_view(line, len));
  }
}

int Read_Name_Line(std::FILE* fp, Text<NAME_LENGTH>& name) {
  char line[NAME_LENGTH + 1];  // one more than a name holds: a longer line is junk
  std::size_t len = 0;
  const int r = Read_Name_Chars(fp, line, len);
  if (r == 0) name.set(line, len);
  return r;
}

// Path parts of a file name: directory (with its final '/'), base name and
// extension (with its '.'). A name without a directory part lies in the
// current directory.
struct Path_Parts {
  std::string directory, base, extension;
};

Path_Parts Split_Path(const std::string& name) {
  Path_Parts p;
  std::size_t slash = name.find_last_of('/');
  std::string file = name;
  if (slash != std::string::npos) {
    p.directory = name.substr(0, slash + 1);
    file = name.substr(slash + 1);
  } else {
    p.directory = Trimmed(RS().files.current_directory.view());
    if (!p.directory.empty() && p.directory.back() != '/') p.directory.push_back('/');
  }
  std::size_t dot = file.find_last_of('.');
  if (dot != std::string::npos && dot > 0) {
    p.base = file.substr(0, dot);
    p.extension = file.substr(dot);
  } else {
    p.base = file;
  }
  return p;
}

void Write_Date_And_Time() {
  static const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
  std::time_t t = std::time(nullptr);
  std::tm tmv{};
  localtime_r(&t, &tmv);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, std::string(27, ' ') + "Date and Time of Analysis");
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(15, ' ') + "Date:  " + months[tmv.tm_mon] + " " +
                            fmt::I0(tmv.tm_mday) + ", " + fmt::I(tmv.tm_year + 1900, 4) +
                            std::string(5, ' ') + "Time:  " + fmt::I(tmv.tm_hour, 2) + ":" +
                            fmt::I(tmv.tm_min, 2, 2) + ":" + fmt::I(tmv.tm_sec, 2, 2));
}

void Write_Report_Header() {
  const Run_Files& f = RS().files;
  const std::string rule(80, '=');
  Write_Line(CH_REPORT, rule);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(15, ' ') + "Ormyx lateral pile analysis engine, version " +
                            VERSION_TEXT);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(15, ' ') + " Analysis of Individual Piles and Drilled Shafts ");
  Write_Line(CH_REPORT, std::string(15, ' ') + "Subjected to Lateral Loading Using the p-y Method");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, rule);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, std::string(28, ' ') + "Files Used for Analysis");
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_MESSAGE, "File Path and Names Used for Analysis:");
  Path_Parts in = Split_Path(Trimmed(f.input_name.view()));
  Write_Line(CH_REPORT);
  Write_Line_Both("Path to file locations:        " + in.directory);
  Write_Line_Both("Name of input data file:       " + in.base + in.extension);
  Path_Parts rep = Split_Path(Trimmed(f.report_name.view()));
  Write_Line_Both("Name of output report file:    " + rep.base + rep.extension);
  Path_Parts plt = Split_Path(Trimmed(f.plot_name.view()));
  Write_Line_Both("Name of plot output file:      " + plt.base + plt.extension);
  Path_Parts msg = Split_Path(Trimmed(f.message_name.view()));
  Write_Line_Both("Name of runtime messeage file: " + msg.base + msg.extension);
  Write_Line_Both();
  Write_Line_Both();
  Write_Date_And_Time();
}

void Write_Plot_Line_1() {
  const Problem_Options& o = RS().prob.opt;
  Write_Line(CH_PLOT, fmt::I(o.i_Analysis_Type, 5) + fmt::I(o.IUNITS, 5) + fmt::I(0, 5) +
                          fmt::I(o.b_ComputeKmatrix ? 1 : 0, 5) + fmt::X(60) +
                          "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
}

void Write_Plot_Line_2() {
  Write_Line(CH_PLOT, fmt::I(RS().prob.sec.i_Number_of_Sections, 5) + fmt::X(75) +
                          "Line 2 : Total number of sections");
}

void Write_Section_Heading() {
  const Problem_Options& o = RS().prob.opt;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT,
             "    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT);
  if (o.b_ComputeInteraction)
    Write_Line(CH_REPORT, "Axial thrust force values were determined from input values");
  else if (o.b_UseLRFD)
    Write_Line(CH_REPORT, "Axial thrust force values were determined from LRFD load combinations");
  else
    Write_Line(CH_REPORT,
               "Axial thrust force values were determined from pile-head loading conditions");
  Write_Line(CH_REPORT);
}

// Steps 3 to 7: NAMES.DAT, the run files, the moment-curvature file names and
// the size of the input file. False when an error stopped the run.
bool Open_Run_Files() {
  Run_Files& f = RS().files;
  std::FILE* names = std::fopen("NAMES.DAT", "rb");
  if (!names) {
    Runtime_Block(CH_CONSOLE, 2, {"Contents of file NAMES.DAT is corrupted."});
    Record_Error("RUN00002", 202);
    return false;
  }
  static const char* corrupted[4] = {
      "The name of the input data file is corrupted.",
      "The name of the output report file is corrupted.",
      "The name of the plot output file is corrupted.",
      "Name of runtime message file is corrupted"};
  Text<NAME_LENGTH>* slots[4] = {&f.input_name, &f.report_name, &f.plot_name, &f.message_name};
  for (int k = 1; k <= 4; ++k) {
    int r = Read_Name_Line(names, *slots[k - 1]);
    if (r != 0) {
      std::fclose(names);
      if (r == 1)
        Runtime_Block(CH_CONSOLE, k + 2, {corrupted[k - 1]});
      else
        Runtime_Block(CH_CONSOLE, k + 2,
                      {corrupted[k - 1],
                       "Line " + fmt::I0(k) +
                           " of NAMES.DAT holds control characters or is longer than 256 "
                           "characters."});
      Record_Runtime_Error(k + 2);
      return false;
    }
  }
  std::fclose(names);
  static const char* blank_text[4] = {
      "Input data filename information corrupted. No analysis was performed.",
      "Output filename information is corrupted. No analysis was performed.",
      "Plot output filename information is corrupted. No analysis was performed.",
      "Run message filename information is corrupted. No analysis performed."};
  for (int k = 0; k < 4; ++k) {
    if (slots[k]->is_blank()) {
      Write_Line(CH_CONSOLE, "**** Runtime Error No. 17 ****");
      Write_Line(CH_CONSOLE);
      Write_Line(CH_CONSOLE, blank_text[k]);
      Record_Error("RUN00017", 217);
      return false;
    }
  }

  // The output files first, so that a missing input can be reported in them.
  const Channel chans[3] = {CH_REPORT, CH_PLOT, CH_MESSAGE};
  const Text<NAME_LENGTH>* out_names[3] = {&f.report_name, &f.plot_name, &f.message_name};
  static const char* what[3] = {"output report file", "plot output file", "runtime message file"};
  // All three are tried before the first failure is told, so that the block
  // reaches every run file that could be created.
  int failed = -1;
  std::string why;
  for (int i = 0; i < 3; ++i) {
    if (!Open_Output(chans[i], Trimmed(out_names[i]->view())) && failed < 0) {
      failed = i;
      why = std::strerror(errno);
    }
  }
  if (failed >= 0) {
    const std::string n = Trimmed(out_names[failed]->view());
    for (Channel ch : {CH_CONSOLE, CH_MESSAGE, CH_REPORT})
      Runtime_Block(ch, RUN_OUTPUT_NOT_CREATED,
                    {"Problem:  The " + std::string(what[failed]) + " could not be created: " + n,
                     "          (" + why + ")",
                     "Solution: Check that the folder exists and can be written."});
    Record_Runtime_Error(RUN_OUTPUT_NOT_CREATED);
    return false;
  }

  std::string in_name = Trimmed(f.input_name.view());
  struct stat sb {};
  f.input = nullptr;
  if (stat(in_name.c_str(), &sb) == 0 && S_ISREG(sb.st_mode)) f.input = std::fopen(in_name.c_str(), "rb");
  if (!f.input) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT})
      Runtime_Block(ch, RUN_INPUT_NOT_OPENED,
                    {"Problem:  The input data file could not be opened: " + in_name,
                     "Solution: Check that the file named on line 1 of NAMES.DAT exists and can "
                     "be read."});
    Record_Runtime_Error(RUN_INPUT_NOT_OPENED);
    return false;
  }

  std::FILE* mei = std::fopen("M_vs_EI_report_names.txt", "rb");
  if (!mei) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT})
      Runtime_Block(ch, RUN_INPUT_NOT_OPENED,
                    {"Problem:  The file M_vs_EI_report_names.txt could not be opened.",
                     "Solution: The host must write the names of the moment-curvature files into "
                     "M_vs_EI_report_names.txt before the run."});
    Record_Runtime_Error(RUN_INPUT_NOT_OPENED);
    return false;
  }
  Read_MEI_Name_List(mei);
  std::fclose(mei);
  std::remove("M_vs_EI_report_names.txt");

  if (sb.st_size == 0) {
    Write_Line(CH_MESSAGE);
    Write_Line(CH_MESSAGE);
    Write_Line(CH_MESSAGE, "**** Input Data Error No. 25 ****");
    Blank_Lines(CH_MESSAGE, 2);
    Write_Line(CH_MESSAGE, "Size of input data file is 0 bytes.  No analysis performed.");
    Write_Line(CH_MESSAGE);
    Record_Error("INP00025", 125);
    return false;
  }
  return true;
}

// Step 8: the format tag, the first blank- or comma-delimited item of line 1.
void Read_Format_Tag() {
  Run_Files& f = RS().files;
  Input_Begin();
  std::string line;
  std::string tag = "3";
  if (Read_Text_Line(line)) {
    std::size_t a = line.find_first_not_of(" ,");
    if (a != std::string::npos) {
      std::size_t b = line.find_first_of(" ,", a);
      tag = line.substr(a, b == std::string::npos ? std::string::npos : b - a);
    } else {
      tag.clear();
    }
  }
  tag.resize(7, ' ');
  std::memcpy(f.format_tag, tag.data(), 7);
  f.format_tag[7] = '\0';
}

bool Tag_Is_Ormyx() { return std::strcmp(RS().files.format_tag, "ORMYXP6") == 0; }

// Input error of a lateral analysis that needs a part of the engine this
// version does not have: the run stops before any result is computed, rather
// than reporting results computed without it.
constexpr int INP_NOT_AVAILABLE = 85;

void Not_Available_Error(const std::string& what, const std::string& solution) {
  for (Channel ch : {CH_REPORT, CH_MESSAGE}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, Input_Error_Header(INP_NOT_AVAILABLE));
    Write_Line(ch);
    Write_Line(ch, "An error was detected in the input data.");
    Write_Line(ch, "Problem:  " + what);
    Write_Line(ch);
    Write_Line(ch, "Solution:  " + solution);
  }
  Record_Input_Error(INP_NOT_AVAILABLE);
}

// The lateral analysis of this engine version handles every input but the
// ones checked here.
void Check_Lateral_Analysis_Available() {
  // A layer whose keyword has no p-y routine (frozen soil) would keep an
  // arbitrary modulus: refuse it rather than report results without it.
  for (int L = 1; L <= fn_Layer_Count(); ++L) {
    const std::string_view kw = fn_Layer_Keyword(L);
    if (!kw.empty() && !fn_Py_Model_Of_Layer(L)) {
      Not_Available_Error("Soil layer " + fmt::I0(L) + " uses the p-y model \"" + std::string(kw) +
                              "\", which has no p-y curves in this engine.",
                          "Describe the layer with one of the other soil models.");
      return;
    }
  }
}

// Steps 8 to 30 after the run files are open.
void Run_Analysis() {
  Run_State& s = RS();
  Problem_Options& o = s.prob.opt;

  Read_Format_Tag();
  if (Tag_Is_Ormyx()) {
    if (!Check_Input_Has_No_NUL()) return;
    Read_Problem_Input();
    if (Error_Recorded()) return;
  }
  Write_Line(CH_MESSAGE, "Input of data completed");
  s.files.b_ConversionPending = (o.IUNITS == US_UNITS);
  Set_Unit_Labels(o.IUNITS);
  Rewind_Output(CH_REPORT);
  Write_Report_Header();
  Write_Plot_Line_1();

  Echo_Input_Data();
  if (Error_Recorded()) return;
  Convert_US_Input_Units();
  Prepare_Thrust_List();
  if (Error_Recorded()) return;

  const int nsec = s.prob.sec.i_Number_of_Sections;
  if (o.i_Analysis_Type == ANALYSIS_EI_ONLY) {
    Write_Plot_Line_2();
    for (int sct = 1; sct <= nsec; ++sct) {
      Write_Line(CH_MESSAGE, "Computing nonlinear bending stiffness of section " + fmt::I0(sct));
      if (sct == 1) {
        Write_Section_Heading();
        Write_Line(CH_REPORT, "Number of Pile Sections Analyzed = " + fmt::I0(nsec));
        Write_Line(CH_REPORT);
      }
      Write_Line(CH_REPORT, "Pile Section No. " + fmt::I0(sct) + ":");
      Write_Line(CH_REPORT);
      Analyse_Section(sct);
      if (Error_Recorded()) return;
      Write_Line(CH_MESSAGE,
                 "Completed computing nonlinear bending stiffness of section " + fmt::I0(sct));
      Write_Line(CH_MESSAGE);
    }
    Write_Interaction_Plot_Records();
    return;
  }

  Check_Lateral_Analysis_Available();
  if (Error_Recorded()) return;
  Make_Layers_Contiguous();
  Write_Plot_Line_2();
  if (Tag_Is_Ormyx()) {
    Convert_US_Input_Units();
    if (Error_Recorded()) return;
  }
  Build_Pile_Nodes();
  if (Error_Recorded()) return;
  if (o.i_Analysis_Type == ANALYSIS_LATERAL) {
    Write_Line(CH_MESSAGE, "Computing nonlinear bending stiffness of section " + fmt::I0(1));
    Write_Section_Heading();
    Write_Line(CH_REPORT, "Number of Pile Sections Analyzed = " + fmt::I0(nsec));
    for (int sct = 1; sct <= nsec; ++sct) {
      Write_Line(CH_REPORT, "Pile Section No. " + fmt::I0(sct) + ":");
      Analyse_Section(sct);
      if (Error_Recorded()) return;
      Write_Line(CH_MESSAGE,
                 "Completed computing nonlinear bending stiffness of section " + fmt::I0(sct));
    }
    Write_Interaction_Plot_Records();
  }

  if (o.b_UseLRFD) s.prob.load.i_Number_of_Loads = s.prob.load.i_Number_of_LRFD_Combinations;
  for (int c = 1; c <= s.prob.load.i_Number_of_Loads; ++c) {
    Run_Load_Case(c);
    if (Error_Recorded()) return;
    Write_Line(CH_MESSAGE, "Completed Analysis " + fmt::I0(c));
    Write_Line(CH_MESSAGE);
  }
  Write_Summary_Tables();
  if (Error_Recorded()) return;
  if (o.b_ComputeKmatrix) {
    Write_Line(CH_MESSAGE, "Computing pile-head stiffness matrix components.");
    Write_Line(CH_MESSAGE);
    // The synthetic cases overwrite the first load cases; load case 1 gets
    // its loading type, conditions and axial thrust back.
    Pile_Head_Load_Record& first = s.prob.load.Pile_Head_Load[1];
    const Pile_Head_Load_Record saved = first;
    Compute_Stiffness_Matrix();
    first.i_LoadType = saved.i_LoadType;
    first.rd_Condition1 = saved.rd_Condition1;
    first.rd_Condition2 = saved.rd_Condition2;
    first.rd_AxialThrust = saved.rd_AxialThrust;
  }
}

// An engine fault (an index outside a record, memory exhausted) ends the run
// as the internal error, so the run files are still closed in order.
void Report_Internal_Fault(const char* what) {
  for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
    End_Line(ch);
    Blank_Lines(ch, 2);
    Write_Line(ch, "**** Internal Error ****");
    Write_Line(ch);
    Write_Line(ch, std::string("Problem:  The engine stopped on an internal fault (") + what + ").");
    Write_Line(ch, "Solution: Please send the input file with this report to " +
                       std::string(SUPPORT_CONTACT));
  }
  Record_Error("RUN00999", 999);
}

// Steps 27 to 30.
// A run file that could not be written completely (a full disk) is a failed
// run, never a normal end: runtime error 8, told on the console and in the
// run files that can still be written.
void Check_Output_Written() {
  static const char* what[3] = {"output report file", "plot output file", "runtime message file"};
  const Channel chans[3] = {CH_REPORT, CH_PLOT, CH_MESSAGE};
  for (int i = 0; i < 3; ++i) {
    if (Flush_Output(chans[i])) continue;
    for (Channel ch : {CH_CONSOLE, CH_MESSAGE, CH_REPORT})
      if (ch == CH_CONSOLE || !fn_Output_Failed(ch))
        Runtime_Block(ch, RUN_OUTPUT_NOT_CREATED,
                      {"Problem:  The " + std::string(what[i]) +
                           " could not be written completely: it is incomplete.",
                       "Solution: Check that the disk has free space and that the file can be "
                       "written, then run the analysis again."});
    Record_Runtime_Error(RUN_OUTPUT_NOT_CREATED);
    return;
  }
}

int32_t Close_Run() {
  Check_Output_Written();
  Run_Status& st = RS().status;
  const int e = st.i_ErrorNumber;
  if (e >= 100 && e <= 199) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, "The analysis ended due to input error No. " + fmt::I0(e - 100) + ".");
      Write_Line(ch);
    }
  } else if (e >= 200 && e <= 299) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, "The analysis ended due to runtime error No. " + fmt::I0(e - 200) + ".");
      Write_Line(ch);
    }
  }
  int32_t warning_part = 0;
  if (st.i_WarningCount[0] > 0) {
    Blank_Lines(CH_MESSAGE, 2);
    Write_Line(CH_MESSAGE,
               "The analysis ended with one or more warning messages. See the output report file "
               "for more details.");
    Blank_Lines(CH_MESSAGE, 2);
    Write_Warning_Summary();
    warning_part = Warning_Return_Value();
  }
  if (e == 0) {
    for (Channel ch : {CH_MESSAGE, CH_REPORT}) {
      Write_Line(ch);
      Write_Line(ch, "The analysis ended normally. ");
      Write_Line(ch);
    }
  }
  Close_All_Run_Files();
  if (e > 0) return e;
  // The closing lines themselves could not be written.
  for (Channel ch : {CH_REPORT, CH_PLOT, CH_MESSAGE})
    if (fn_Output_Failed(ch)) {
      Runtime_Block(CH_CONSOLE, RUN_OUTPUT_NOT_CREATED,
                    {"Problem:  A run file could not be written completely: it is incomplete."});
      return 200 + RUN_OUTPUT_NOT_CREATED;
    }
  return warning_part;
}

}  // namespace

}  // namespace ormyx

extern "C" int32_t OGO(int32_t hostVersion) {
  using namespace ormyx;
  if (hostVersion != HOST_VERSION) return 99;
  try {
    Reset_Run_State();
    Run_State& s = RS();
    s.files.out[CH_CONSOLE].fp = stderr;
    Initialize_Soil_Model_Names();
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) s.files.current_directory.set(std::string(cwd));
    try {
      if (Open_Run_Files()) Run_Analysis();
    } catch (const std::exception& ex) {
      Report_Internal_Fault(ex.what());
    }
    return Close_Run();
  } catch (...) {
    // Nothing can be written any more; close what is open and report the fault.
    try {
      Close_All_Run_Files();
    } catch (...) {
    }
    return 999;
  }
}
