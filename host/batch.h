// The batch runner of the ormyx command: for every input file a private work
// folder with NAMES.DAT, the engine run in a worker process, the run files
// moved beside the input (or into the output folder), the outcome printed.
#pragma once
#include <cstdint>
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
  // The engine entry the workers call; null: OGO. Tests put a wrapper here
  // to make a worker fail in chosen ways.
  int32_t (*engine)(int32_t) = nullptr;
};

// Strict parse of a job count: digits only, 1 .. MAX_JOBS.
bool fn_Parse_Jobs(const std::string& text, int& jobs);

// Checks the inputs and output folders (usage errors exit with 2), runs every
// input, at most opt.jobs at a time, prints their outcome blocks in input
// order and returns the exit code: 0, EXIT_RUN_ERROR or EXIT_USAGE. The runs
// go to a pool of up to opt.jobs worker processes, each started once and
// running one input after another; a worker that dies takes only its own run
// down and is replaced.
int fn_Run_Batch(const Batch_Options& opt);

}  // namespace ormyx::host
