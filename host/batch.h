// The batch runner of the ormyx command: for every input file a private work
// folder with NAMES.DAT, the engine run in a child process, the run files
// moved beside the input (or into the output folder), the outcome printed.
#pragma once
#include <string>
#include <vector>

namespace ormyx::host {

constexpr int MAX_JOBS = 1024;

struct Batch_Options {
  std::vector<std::string> inputs;
  std::string out_dir;
  bool has_out = false;
  int jobs = 1;
  bool html = false;  // also write STEM.html, the report page of each run
  bool json = false;  // also write STEM.json, the results document of each run
};

// Strict parse of a job count: digits only, 1 .. MAX_JOBS.
bool fn_Parse_Jobs(const std::string& text, int& jobs);

// Checks the inputs and output folders (usage errors exit with 2), runs every
// input, at most opt.jobs at a time, prints their outcome blocks in input
// order and returns the exit code: 0, EXIT_RUN_ERROR or EXIT_USAGE.
int fn_Run_Batch(const Batch_Options& opt);

}  // namespace ormyx::host
