// Driving the input reader on a text: the text becomes the input file, line 1
// (the format tag) is read as the run sequence reads it, and Read_Problem_Input
// reads the rest. The report and message channels go to temporary files whose
// contents are returned.
#pragma once
#include <cstdio>
#include <functional>
#include <string>

#include "engine/run_files.h"
#include "engine/run_state.h"
#include "input/reader.h"
#include "input/tokenizer.h"

namespace ormyx_test {

struct Read_Outcome {
  int error = 0;        // i_ErrorNumber after the reader returned
  std::string report;   // what the reader wrote to the report
  std::string message;  // what the reader wrote to the run-message file
  std::string next;     // the next unread line ("<eof>" at the end of the file)
};

// A memory stream for an output channel (freed when the stream is closed).
inline std::FILE* Memory_Channel() {
  std::FILE* fp = fmemopen(nullptr, 1 << 20, "w+");
  return fp ? fp : std::tmpfile();
}

inline std::string Channel_Text(ormyx::Channel ch) {
  std::FILE* fp = ormyx::RS().files.out[ch].fp;
  std::string s;
  if (!fp) return s;
  std::fflush(fp);
  std::rewind(fp);
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) s.append(buf, n);
  return s;
}

// Reset the run state, then read `text` as a whole input file. `preset` runs
// after the reset, before the reader (to set records the text does not give).
inline Read_Outcome Read_Input_Text(const std::string& text,
                                    const std::function<void()>& preset = {}) {
  using namespace ormyx;
  Reset_Run_State();
  Initialize_Soil_Model_Names();
  // The input is read from memory; the text outlives the stream (the next
  // reset closes it).
  static std::string input_text;
  input_text = text.empty() ? std::string(" ") : text;
  std::FILE* in = fmemopen(input_text.data(), text.empty() ? 0 : input_text.size(), "r");
  if (!in) {
    in = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), in);
    std::rewind(in);
  }
  RS().files.input = in;
  RS().files.out[CH_REPORT].fp = Memory_Channel();
  RS().files.out[CH_MESSAGE].fp = Memory_Channel();
  if (preset) preset();
  Input_Begin();
  std::string tag;
  Read_Text_Line(tag);
  Read_Problem_Input();
  Read_Outcome r;
  r.error = RS().status.i_ErrorNumber;
  r.report = Channel_Text(CH_REPORT);
  r.message = Channel_Text(CH_MESSAGE);
  std::string line;
  r.next = Read_Text_Line(line) ? line : "<eof>";
  return r;
}

// Lines of text for building inputs: Lines({"A", "B"}) is "A\nB\n".
inline std::string Lines(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* l : lines) {
    s += l;
    s += '\n';
  }
  return s;
}

// The OPTIONS section of a US customary lateral analysis, every option given.
inline std::string Us_Options(const char* units = "Units USCS") {
  return std::string("OPTIONS\n") + units + "\n" +
         Lines({"UseLRFD NO", "ComputeKmatrix NO", "UseTipShear NO", "UseSoilMovement NO",
                "UsePYModifiers NO", "ComputeEIOnly NO", "Loading STATIC     0",
                "MaxIterations 100", "MaxDeflection 100.0", "Tolerance 1.0E-5",
                "Increments 100", "PrintSummaryOnly NO", "PrintIncrement 1", "PrintPYCurves NO",
                "ComputeInteraction NO"});
}

}  // namespace ormyx_test
