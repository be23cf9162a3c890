// The batch runner's worker processes: a worker that dies during a run, that
// ends without a status or whose engine call fails takes only its own run
// down; that run is told on the error output, every other input gets its
// status and run files, in input order, and a fresh worker takes over. A
// stop of the whole batch by a signal ends the workers and leaves no work
// folder. The engine entry is wrapped so that chosen inputs fail on purpose.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/ogo.h"
#include "host/batch.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;
using namespace ormyx_test;

std::string g_pid_log;  // the wrapper appends "input pid" lines here
pid_t g_batch_pid = 0;  // the process of the batch command

// Base name of the input the engine is about to read (line 1 of NAMES.DAT).
std::string fn_Input_Of_Run() {
  std::string names = Read_File("NAMES.DAT");
  std::string first = names.substr(0, names.find('\n'));
  return fs::path(first).filename().string();
}

// The engine, failing on purpose for inputs named crash*, exit*, throw* and
// stop*; every run writes its input and process id to the log first. A
// single input runs in the command's own process, several in workers.
int32_t Failing_Engine(int32_t version) {
  const std::string input = fn_Input_Of_Run();
  const std::string line = input + " " + std::to_string(getpid()) + "\n";
  int fd = ::open(g_pid_log.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
  if (fd >= 0) {
    ssize_t w = ::write(fd, line.data(), line.size());
    (void)w;
    ::close(fd);
  }
  if (input.rfind("crash", 0) == 0) {
    // In a worker the crash must end the process by the signal, also under
    // AddressSanitizer, whose own handler would end it with an exit status.
    if (getpid() != g_batch_pid) ::signal(SIGSEGV, SIG_DFL);
    ::raise(SIGSEGV);
  }
  if (input.rfind("exit", 0) == 0) ::_exit(7);
  if (input.rfind("throw", 0) == 0) throw std::runtime_error("engine failure");
  if (input.rfind("stop", 0) == 0) {
    ::kill(g_batch_pid, SIGTERM);  // the batch is stopped while this run goes on
    for (;;) ::pause();
  }
  return OGO(version);
}

struct Batch_Result {
  long batch_pid = 0;
  int wait_status = 0;
  std::vector<std::string> out;  // lines printed
  std::string err;
  std::multimap<std::string, long> pids;  // input -> process that ran it
};

// Runs the batch in a child process (the batch takes signals and prints),
// with the current folder dir.
Batch_Result Run_Batch(const std::string& dir, const std::vector<std::string>& inputs, int jobs) {
  g_pid_log = dir + "/.pids";
  fs::remove(g_pid_log);
  std::fflush(stdout);
  std::fflush(stderr);
  pid_t pid = ::fork();
  if (pid == 0) {
    g_batch_pid = getpid();
    if (::chdir(dir.c_str()) != 0) ::_exit(90);
    int out = ::open(".out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open(".err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ormyx::host::Batch_Options opt;
    opt.inputs = inputs;
    opt.jobs = jobs;
    opt.engine = Failing_Engine;
    int code = ormyx::host::fn_Run_Batch(opt);
    std::fflush(stdout);
    ::_exit(code);
  }
  Batch_Result r;
  r.batch_pid = pid;
  ::waitpid(pid, &r.wait_status, 0);
  r.out = Split_Lines(Read_File(dir + "/.out.txt"));
  r.err = Read_File(dir + "/.err.txt");
  for (const std::string& l : Split_Lines(Read_File(g_pid_log))) {
    std::size_t sp = l.find(' ');
    r.pids.emplace(l.substr(0, sp), std::stol(l.substr(sp + 1)));
  }
  for (const char* f : {"/.out.txt", "/.err.txt", "/.pids"}) fs::remove(dir + f);
  return r;
}

// The process that ran an input (the input ran exactly once).
long fn_Pid(const Batch_Result& r, const std::string& input) {
  EXPECT_EQ(r.pids.count(input), 1u) << input;
  auto it = r.pids.find(input);
  return it == r.pids.end() ? -1 : it->second;
}

bool fn_Work_Folder_Left(const std::string& dir) {
  bool left = false;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().find("ormyx-work") != std::string::npos) {
      left = true;
      for (const auto& f : fs::directory_iterator(e.path()))
        ADD_FAILURE() << "left: " << f.path();
    }
  return left;
}

class Batch_Workers : public ::testing::Test {
 protected:
  std::string dir;
  std::string example;
  int32_t example_status = 0;  // the status of the example from a direct engine call
  void SetUp() override {
    dir = Make_Temp_Dir("batch-workers");
    example = Read_File(Example_Path("us_soft_clay.inp"));
    example_status = Run_Engine(example).status;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  void Write_Inputs(const std::vector<std::string>& names) {
    for (const std::string& n : names) Write_File(dir + "/" + n, example);
  }
  // Every input but the failing ones printed its block with the status of
  // a direct engine call, in input order, and has its run files; the
  // failing ones printed no status line.
  void Expect_Blocks(const Batch_Result& r, const std::vector<std::string>& inputs,
                     const std::set<std::string>& failing) {
    std::vector<std::string> statuses;
    for (const std::string& l : r.out)
      if (l.find("status: ") != std::string::npos) statuses.push_back(l);
    std::vector<std::string> want;
    const bool prefixed = inputs.size() > 1;
    for (const std::string& in : inputs)
      if (!failing.count(in))
        want.push_back((prefixed ? in + ": " : std::string()) + "status: " +
                       std::to_string(example_status));
    EXPECT_EQ(statuses, want);
    for (const std::string& in : inputs) {
      const std::string stem = fs::path(in).stem().string();
      if (!failing.count(in)) {
        EXPECT_TRUE(File_Exists(dir + "/" + stem + ".out")) << stem;
        EXPECT_NE(Read_File(dir + "/" + stem + ".out").find("The analysis ended normally."),
                  std::string::npos)
            << stem;
      }
    }
    EXPECT_FALSE(fn_Work_Folder_Left(dir));
  }
};

// One failing input among good ones, one worker: the failure is told in the
// words of a crashed analysis process, the batch goes on in a fresh worker
// (the failing run's worker is not used again), and the good runs after it
// share that fresh worker.
TEST_F(Batch_Workers, AFailedRunIsToldAndAFreshWorkerTakesTheRest) {
  struct Case {
    const char* input;
    const char* message;
  };
  const Case cases[] = {
      {"crash.inp", "the analysis stopped abnormally (signal 11)"},
      {"exit.inp", "the analysis stopped without a status"},
      {"throw.inp", "the analysis stopped with an unexpected failure of the engine"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const std::vector<std::string> inputs = {"a.inp", c.input, "b.inp", "c.inp"};
    Write_Inputs(inputs);
    Batch_Result r = Run_Batch(dir, inputs, 1);
    ASSERT_TRUE(WIFEXITED(r.wait_status));
    EXPECT_EQ(WEXITSTATUS(r.wait_status), 1);
    EXPECT_EQ(r.err, std::string("ormyx: ") + c.input + ": " + c.message + "\n");
    Expect_Blocks(r, inputs, {c.input});
    EXPECT_EQ(fn_Pid(r, "a.inp"), fn_Pid(r, c.input));  // one worker runs one job after another
    EXPECT_NE(fn_Pid(r, "b.inp"), fn_Pid(r, c.input));  // replaced after the failure
    EXPECT_EQ(fn_Pid(r, "b.inp"), fn_Pid(r, "c.inp"));
  }
}

// Two workers, each handed a second job while it runs the first: the jobs
// queued behind a run that dies never started; they run elsewhere and are
// reported like the others.
TEST_F(Batch_Workers, JobsQueuedBehindACrashRunOnceAndKeepTheirPlace) {
  const std::vector<std::string> inputs = {"crash1.inp", "a.inp", "b.inp", "crash2.inp",
                                           "c.inp",      "d.inp", "e.inp", "f.inp"};
  Write_Inputs(inputs);
  Batch_Result r = Run_Batch(dir, inputs, 2);
  ASSERT_TRUE(WIFEXITED(r.wait_status));
  EXPECT_EQ(WEXITSTATUS(r.wait_status), 1);
  for (const std::string in : {"crash1.inp", "crash2.inp"})
    EXPECT_NE(r.err.find("ormyx: " + in + ": the analysis stopped abnormally (signal 11)"),
              std::string::npos)
        << r.err;
  Expect_Blocks(r, inputs, {"crash1.inp", "crash2.inp"});
  for (const std::string& in : inputs) fn_Pid(r, in);  // each ran exactly once
  std::set<long> workers;
  for (const auto& [input, pid] : r.pids) workers.insert(pid);
  EXPECT_LE(workers.size(), 4u);  // the two first workers and one fresh one per crash
}

// A single input runs in the command's own process: a crash or an engine
// failure is told in the same words as from a worker, the run files of the
// failed run are still moved beside the input, the exit status is 1 and no
// work folder is left.
TEST_F(Batch_Workers, ASingleRunInTheCommandsProcessIsToldLikeAWorkersRun) {
  struct Case {
    const char* input;
    const char* message;
  };
  const Case cases[] = {
      {"crash.inp", "the analysis stopped abnormally (signal 11)"},
      {"throw.inp", "the analysis stopped with an unexpected failure of the engine"},
      {"a.inp", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    Write_Inputs({c.input});
    // An earlier output of the same name is replaced or, when the run wrote
    // none, removed.
    const std::string stem = fs::path(c.input).stem().string();
    Write_File(dir + "/" + stem + ".out", "old report\n");
    Batch_Result r = Run_Batch(dir, {c.input}, 4);
    ASSERT_TRUE(WIFEXITED(r.wait_status));
    EXPECT_EQ(fn_Pid(r, c.input), r.batch_pid) << "not in the command's own process";
    if (c.message) {
      EXPECT_EQ(WEXITSTATUS(r.wait_status), 1);
      EXPECT_EQ(r.err, std::string("ormyx: ") + c.input + ": " + c.message + "\n");
      EXPECT_FALSE(File_Exists(dir + "/" + stem + ".out"));  // the engine wrote none
      Expect_Blocks(r, {c.input}, {c.input});
    } else {
      EXPECT_EQ(WEXITSTATUS(r.wait_status), example_status > 0 ? 1 : 0);
      EXPECT_EQ(r.err, "");
      Expect_Blocks(r, {c.input}, {});
    }
  }
}

// SIGTERM to the batch while a run goes on: the batch ends by that signal,
// its workers with it, no work folder is left and inputs not yet begun get
// no run files; a single run in the command's own process ends the same way.
TEST_F(Batch_Workers, StopBySignalEndsTheWorkersAndLeavesNoWorkFolder) {
  {
    Write_Inputs({"stop.inp"});
    Batch_Result r = Run_Batch(dir, {"stop.inp"}, 1);
    ASSERT_TRUE(WIFSIGNALED(r.wait_status));
    EXPECT_EQ(WTERMSIG(r.wait_status), SIGTERM);
    EXPECT_FALSE(fn_Work_Folder_Left(dir));
    EXPECT_FALSE(File_Exists(dir + "/stop.out"));
  }
  const std::vector<std::string> inputs = {"a.inp", "stop.inp", "b.inp", "c.inp", "d.inp"};
  Write_Inputs(inputs);
  Batch_Result r = Run_Batch(dir, inputs, 1);
  ASSERT_TRUE(WIFSIGNALED(r.wait_status));
  EXPECT_EQ(WTERMSIG(r.wait_status), SIGTERM);
  EXPECT_FALSE(fn_Work_Folder_Left(dir));
  EXPECT_FALSE(File_Exists(dir + "/c.out"));
  EXPECT_FALSE(File_Exists(dir + "/d.out"));
  long worker = fn_Pid(r, "stop.inp");
  EXPECT_NE(::kill(pid_t(worker), 0), 0) << "the worker still lives";
}

}  // namespace
