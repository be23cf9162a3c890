// What the host reads from the text run files besides the plot file: the
// outcome lines and the warning and error blocks of the run-message file,
// and the ground surface depth and the LRFD performance table of the report.
#pragma once
#include <string>
#include <vector>

namespace ormyx::host {

// The lines of the run-message file that say how the run ended: every error
// block from its header on, lines with an error code, the closing lines.
std::vector<std::string> fn_Outcome_Lines(const std::string& message_text);

// One warning or error block of the run-message file.
struct Message_Block {
  enum Kind { WARNING, ERROR, NOTE } kind = NOTE;
  std::string header;               // the "**** ... ****" line, trimmed
  std::vector<std::string> lines;   // the text after it
  int times = 1;                    // blocks of one kind are shown once
};

// The first non-empty text line of a block ("" when none).
std::string fn_First_Text(const Message_Block& b);

// Warning and error blocks in file order, blocks with the same header and
// first line merged (the first one kept, with the count), at most
// max_blocks distinct blocks (the rest counted in dropped).
std::vector<Message_Block> fn_Message_Blocks(const std::string& message_text, int max_blocks,
                                             int& dropped);

// The closing line of the run ("The analysis ended ..."); "" when none.
std::string fn_Closing_Line(const std::string& message_text);

// The depth of the ground surface below the pile head from the report, in
// the plot file's length unit (inches for US customary, else as printed).
bool fn_Ground_Depth(const std::string& report_text, int iunits, double& depth);

// The LRFD performance table of the report: one row of texts per load
// combination (case, section, resistance factor, factored capacity, maximum
// moment, fraction mobilized, pass/fail, maximum shear, head deflection,
// head rotation, combination name) and the verdict line below it.
struct LRFD_Table {
  std::vector<std::vector<std::string>> rows;
  std::string verdict;
};
bool fn_LRFD_Table(const std::string& report_text, LRFD_Table& table);

}  // namespace ormyx::host
