// The results document of a run (ormyx --json): the whole result as one JSON
// document, built from the plot-file data model, the report and the
// run-message file. docs/results-json.md describes its fields and units.
#pragma once
#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

#include "host/plot_reader.h"

namespace ormyx::host {

// What the command knows about a run besides its files.
struct Json_Run_Info {
  std::string input_name;   // base name of the input file; empty when unknown
  bool has_status = false;  // the engine returned a status
  long status = 0;          // the engine's return value
  std::string host_error;   // why the command could not complete the run, else empty
};

// The plot file as read: its data when it could be read (possibly a partial
// run), else why not.
struct Json_Plot_Source {
  bool present = false;      // a plot file exists
  bool readable = false;     // it was read (data valid)
  Plot_Data data;
  std::string problem;       // reader's message when not readable
};

// Builds the results document. The report and run-message texts may be empty
// (files missing); status and outcome then come from what remains.
nlohmann::ordered_json fn_Results_Json(const Json_Plot_Source& plot, std::string_view report_text,
                                       std::string_view message_text, const Json_Run_Info& info);

// Writes the document to path (replacing it); false with why on failure.
bool fn_Write_Results_Json(const std::string& path, const nlohmann::ordered_json& doc,
                           std::string& why);

// Reads the plot file, run-message file and report of a run (each when it
// exists) and writes the document to json_path. False, with why, when the
// document cannot be written; plot_read tells whether the plot file was
// there and readable (without it the document holds no plot data).
bool fn_Write_Run_Json(const std::string& plot_path, const std::string& message_path,
                       const std::string& report_path, const std::string& json_path,
                       const Json_Run_Info& info, bool& plot_read, std::string& why);

}  // namespace ormyx::host
