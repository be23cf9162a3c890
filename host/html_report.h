// The report page of a run: one self-contained HTML file (Chart.js inline,
// no network, no other file) with the plots of the plot file, the summary
// and LRFD tables, and the run's warnings at the top.
#pragma once
#include <string>

#include "host/plot_reader.h"

namespace ormyx::host {

// What a page is made from. The run-message file and the report are
// optional: without them the page has no warnings, ground line or LRFD table.
struct Html_Sources {
  std::string title;       // the run's name (the stem of its files)
  std::string plot_name;   // the plot file as named to the user
  Plot_Data plot;
  bool has_messages = false;
  std::string message_text;
  bool has_report = false;
  std::string report_text;
};

// The whole page.
std::string fn_Html_Page(const Html_Sources& sources);

// Reads the plot file (required) and the run-message file and report (when
// they exist) and writes the page. False, with why, when the plot file cannot
// be read or parsed (why names the line) or the page cannot be written.
bool fn_Write_Run_Html(const std::string& plot_path, const std::string& message_path,
                       const std::string& report_path, const std::string& html_path,
                       const std::string& title, std::string& why);

}  // namespace ormyx::host
