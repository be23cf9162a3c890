// Test support: run the engine on an input text in a private folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ormyx_test {

// Result of one engine run in a private folder.
struct Run_Result {
  int32_t status = 0;
  std::string dir;      // the folder the run worked in
  std::string report;   // contents of the output report
  std::string plot;     // contents of the plot output file
  std::string message;  // contents of the run-message file
  std::vector<std::string> report_lines() const;
  std::vector<std::string> plot_lines() const;
  std::vector<std::string> message_lines() const;
};

// A fresh empty folder under the system temporary folder, removed when the
// test program exits (kept if ORMYX_KEEP_TEST_DIRS=1).
std::string Make_Temp_Dir(const std::string& tag);
std::string Read_File(const std::string& path);
void Write_File(const std::string& path, const std::string& text);
bool File_Exists(const std::string& path);
std::vector<std::string> Split_Lines(const std::string& text);

// Write NAMES.DAT (input.inp, report.out, plot.plt, run.msg) and an empty
// M_vs_EI_report_names.txt (or the given names) into a new folder, write the
// input text, call OGO(version) with that folder as current directory, and
// read the three run files back.
Run_Result Run_Engine(const std::string& input_text, int32_t version = 6034,
                      const std::vector<std::string>& mei_names = {});

// Run OGO in an existing folder (NAMES.DAT and the rest already written).
int32_t Run_OGO_In(const std::string& dir, int32_t version = 6034);

// A new folder prepared as the command prepares its work folder for an input
// file: NAMES.DAT naming STEM.inp, STEM.out, STEM.plt and STEM.msg, the list
// of all moment-curvature names (mc_0001.txt ...) and a copy of the input as
// STEM.inp. Returns the folder; run the engine there with Run_OGO_In.
std::string Prepare_Input_Folder(const std::string& input_path, const std::string& tag);

// Path of an example input file in the source tree.
std::string Example_Path(const std::string& name);

// Count of lines of text that contain needle.
int Count_Containing(const std::string& text, const std::string& needle);

}  // namespace ormyx_test
