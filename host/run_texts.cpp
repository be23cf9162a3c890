#include "host/run_texts.h"

#include <charconv>
#include <sstream>

#include "host/host_util.h"

namespace ormyx::host {

namespace {

// An error code written with an error number: INP or RUN and five digits.
bool fn_Has_Error_Code(const std::string& s) {
  for (std::size_t i = 0; i + 8 <= s.size(); ++i) {
    if (s[i] != 'I' && s[i] != 'R') continue;  // most places: no compare at all
    if (s.compare(i, 3, "INP") != 0 && s.compare(i, 3, "RUN") != 0) continue;
    bool digits = true;
    for (std::size_t j = i + 3; j < i + 8; ++j)
      if (s[j] < '0' || s[j] > '9') digits = false;
    if (digits) return true;
  }
  return false;
}

bool fn_Is_Error_Header(const std::string& t) {
  return t.find("****") != std::string::npos && t.find("Error No.") != std::string::npos;
}

bool fn_Is_Progress_Line(const std::string& t) {
  return t.rfind("Computing ", 0) == 0 || t.rfind("Completed ", 0) == 0 ||
         t.rfind("Input of data completed", 0) == 0;
}

bool fn_Is_Block_Header(const std::string& t) {
  return t.rfind("****", 0) == 0 && t.size() > 8;
}

// Lines that the run writes between blocks: progress and closing lines.
bool fn_Ends_Block(const std::string& t) {
  return fn_Is_Progress_Line(t) || t.rfind("Reading ", 0) == 0 ||
         t.rfind("Output of input", 0) == 0 || t.rfind("Input of data", 0) == 0 ||
         t.rfind("Analysis Case ", 0) == 0 || t.rfind("The convergence", 0) == 0 ||
         t.rfind("The analysis ended", 0) == 0 || fn_Is_Block_Header(t);
}

std::vector<std::string> fn_Words(const std::string& line) {
  std::vector<std::string> w;
  std::istringstream in(line);
  std::string s;
  while (in >> s) w.push_back(s);
  return w;
}

}  // namespace

std::string fn_First_Text(const Message_Block& b) {
  for (const std::string& l : b.lines) {
    std::string t = fn_Left_Trimmed(l);
    if (!t.empty()) return t;
  }
  return "";
}

// The lines of the run-message file that say how the run ended: every
// error block from its header on (an error stops the run, so what follows
// is the block and the closing lines), lines with an error code, and the
// "The analysis ended ..." closing lines.
std::vector<std::string> fn_Outcome_Lines(const std::string& message_text) {
  std::vector<std::string> out;
  bool in_error = false;
  for (const std::string& line : fn_Lines(message_text)) {
    std::string t = fn_Left_Trimmed(line);
    if (t.empty()) continue;
    bool header = fn_Is_Error_Header(t);
    if (header && t.find("(NON-FATAL)") != std::string::npos) {
      out.push_back(line);
      continue;
    }
    if (header) in_error = true;
    if (in_error) {
      if (!fn_Is_Progress_Line(t)) out.push_back(line);
    } else if (t.rfind("The analysis ended", 0) == 0 ||
               t.find("ended prematurely") != std::string::npos || fn_Has_Error_Code(t)) {
      out.push_back(line);
    }
  }
  return out;
}

std::vector<Message_Block> fn_Message_Blocks(const std::string& message_text, int max_blocks,
                                             int& dropped) {
  std::vector<Message_Block> blocks;
  dropped = 0;
  const std::vector<std::string> lines = fn_Lines(message_text);
  std::size_t i = 0;
  while (i < lines.size()) {
    const std::string t = fn_Left_Trimmed(lines[i]);
    if (!fn_Is_Block_Header(t)) {
      ++i;
      continue;
    }
    Message_Block b;
    b.header = t;
    if (t.find("Warning") != std::string::npos || t.find("WARNING") != std::string::npos ||
        t.find("NON-FATAL") != std::string::npos)
      b.kind = Message_Block::WARNING;
    else if (t.find("Error") != std::string::npos || t.find("ERROR") != std::string::npos)
      b.kind = Message_Block::ERROR;
    for (++i; i < lines.size() && !fn_Ends_Block(fn_Left_Trimmed(lines[i])); ++i)
      b.lines.push_back(lines[i]);
    while (!b.lines.empty() && b.lines.front().empty()) b.lines.erase(b.lines.begin());
    while (!b.lines.empty() && b.lines.back().empty()) b.lines.pop_back();
    // Blocks of one kind (same header and first line) differ only in their
    // figures: shown once with a count.
    bool merged = false;
    for (Message_Block& old : blocks)
      if (old.header == b.header && fn_First_Text(old) == fn_First_Text(b)) {
        ++old.times;
        merged = true;
        break;
      }
    if (merged) continue;
    if (int(blocks.size()) >= max_blocks) {
      ++dropped;
      continue;
    }
    blocks.push_back(std::move(b));
  }
  return blocks;
}

std::string fn_Closing_Line(const std::string& message_text) {
  std::string closing;
  for (const std::string& l : fn_Lines(message_text)) {
    std::string t = fn_Left_Trimmed(l);
    if (t.rfind("The analysis ended", 0) == 0) closing = t;
  }
  return closing;
}

bool fn_Ground_Depth(const std::string& report_text, int iunits, double& depth) {
  const std::string key = "Depth of ground surface below top of pile";
  for (const std::string& l : fn_Lines(report_text)) {
    if (l.rfind(key, 0) != 0) continue;
    std::size_t eq = l.find('=');
    if (eq == std::string::npos) continue;
    std::vector<std::string> w = fn_Words(l.substr(eq + 1));
    if (w.empty()) continue;
    double v = 0.0;
    auto [end, ec] = std::from_chars(w[0].data(), w[0].data() + w[0].size(), v);
    if (ec != std::errc() || end != w[0].data() + w[0].size()) continue;
    // The report gives feet in US customary units; the plot file inches.
    depth = (iunits == 1 && w.size() > 1 && w[1] == "ft") ? v * 12.0 : v;
    return true;
  }
  return false;
}

bool fn_LRFD_Table(const std::string& report_text, LRFD_Table& table) {
  table = LRFD_Table{};
  const std::vector<std::string> lines = fn_Lines(report_text);
  std::size_t i = 0;
  while (i < lines.size() && lines[i].find("LRFD Performance by Load Case Combination") == std::string::npos) ++i;
  while (i < lines.size() && lines[i].rfind("----   ", 0) != 0) ++i;
  if (i >= lines.size()) return false;
  for (++i; i < lines.size() && !fn_Left_Trimmed(lines[i]).empty(); ++i) {
    std::vector<std::string> w = fn_Words(lines[i]);
    if (w.size() < 10) return false;
    std::vector<std::string> row(w.begin(), w.begin() + 10);
    std::string name;
    for (std::size_t k = 10; k < w.size(); ++k) name += (name.empty() ? "" : " ") + w[k];
    row.push_back(name);
    table.rows.push_back(std::move(row));
  }
  while (i < lines.size() && fn_Left_Trimmed(lines[i]).empty()) ++i;
  if (i < lines.size() && lines[i].find("LRFD") != std::string::npos) table.verdict = fn_Left_Trimmed(lines[i]);
  return !table.rows.empty();
}

}  // namespace ormyx::host
