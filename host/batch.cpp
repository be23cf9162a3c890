#include "host/batch.h"

#include <fcntl.h>
#include <setjmp.h>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "engine/ogo.h"
#include "engine/run_control.h"
#include "engine/run_files.h"
#include "host/host_util.h"
#include "host/html_report.h"
#include "host/json_report.h"
#include "host/run_texts.h"

namespace ormyx::host {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MAX_RUN_NAME = 200;  // longest name written to NAMES.DAT

const char* const WORK_PREFIX = ".ormyx-work-";
const char* const NAMES_FILE = "NAMES.DAT";
const char* const MEI_LIST_FILE = "M_vs_EI_report_names.txt";
const char* const CONSOLE_FILE = ".console";  // reserved for the engine's standard output
// The moment-curvature name list every run of a work folder links to.
const char* const MEI_MASTER_FILE = ".mc-names";

// Names of the run files inside the work folder.
struct Run_Names {
  std::string input, report, plot, message;
};

// One input file and its run.
struct Job {
  std::string arg;     // the input as given on the command line
  fs::path input;      // absolute path of the input
  fs::path out_dir;    // absolute output folder
  std::string stem;    // base name of the outputs
  Run_Names names;
  fs::path work;       // work folder, empty when none exists
  bool input_copied = false;  // the work folder holds a copy of the input
  bool running = false;  // a worker runs it
  bool done = false;
  int exit_code = 0;
  bool html = false;   // write STEM.html after the run
  bool json = false;   // write STEM.json after the run
  std::string block;   // the lines to print for this input
};

volatile sig_atomic_t g_signal = 0;

// Work folders whose run has ended and whose files have all been moved out,
// by output folder. A new run takes one of them instead of making a folder:
// it then rewrites NAMES.DAT in place and links the name list again, which
// creates no new files. All are removed when the batch ends.
std::map<std::string, std::vector<fs::path>> g_free_work;

void On_Signal(int sig) { g_signal = sig; }

// End the command by signal sig, as if it had not been caught: default
// action, unblocked, raised (only calls that are safe in a signal handler).
[[noreturn]] void End_By_Signal(int sig) {
  ::signal(sig, SIG_DFL);
  sigset_t one;
  sigemptyset(&one);
  sigaddset(&one, sig);
  ::sigprocmask(SIG_UNBLOCK, &one, nullptr);
  ::raise(sig);
  ::_exit(128 + sig);
}

// Removes a folder with everything in it. The threads that unlink replaced
// outputs may be unlinking a file of it at the same time, which can make one
// pass fail: it is tried again.
void Remove_Folder(const fs::path& folder) {
  std::error_code ec;
  for (int pass = 0; pass < 4; ++pass) {
    fs::remove_all(folder, ec);
    if (!ec || !fs::exists(folder, ec)) return;
  }
}

void Host_Error(const Job& job, const std::string& message) {
  std::fprintf(stderr, "ormyx: %s: %s\n", fn_Shown(job.arg).c_str(), message.c_str());
}

// A name that NAMES.DAT can carry: short, no control characters, no blank
// at either end (the engine strips trailing blanks from its name fields).
bool fn_Safe_Run_Name(const std::string& s) {
  if (s.empty() || s.size() > MAX_RUN_NAME || s.front() == ' ' || s.back() == ' ') return false;
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7f) return false;
  return true;
}

// A name that fits a 256-character NAMES.DAT field as it is.
bool fn_Fits_Name_Field(const std::string& s) {
  if (s.empty() || s.size() > 256 || s.front() == ' ' || s.back() == ' ') return false;
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7f) return false;
  return true;
}

// True for the names the moment-curvature list gives: mc_dddd.txt.
bool fn_Is_MC_Name(const std::string& s) {
  if (s.size() != 11 || s.compare(0, 3, "mc_") != 0 || s.compare(7, 4, ".txt") != 0) return false;
  for (int i = 3; i < 7; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// Run file names inside the work folder: the input's own names where they
// are safe, so that the report header shows them, else fixed names.
Run_Names fn_Choose_Run_Names(const std::string& stem, const std::string& file_name) {
  Run_Names n{"input.inp", "report.out", "plot.plt", "run.msg"};
  if (fn_Safe_Run_Name(stem + ".out")) {
    n.report = stem + ".out";
    n.plot = stem + ".plt";
    n.message = stem + ".msg";
  }
  bool reserved = file_name == NAMES_FILE || file_name == MEI_LIST_FILE ||
                  file_name == CONSOLE_FILE || file_name == MEI_MASTER_FILE ||
                  fn_Is_MC_Name(file_name) ||
                  file_name == n.report || file_name == n.plot || file_name == n.message;
  if (fn_Safe_Run_Name(file_name) && !reserved) n.input = file_name;
  return n;
}

// Checks that an input names a readable regular file.
bool fn_Check_Input(const std::string& arg, std::string& why) {
  if (arg.empty()) {
    why = "empty file name";
    return false;
  }
  struct stat st{};
  if (::stat(arg.c_str(), &st) != 0) {
    why = fn_Errno_Text(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    why = "not a regular file";
    return false;
  }
  int fd = ::open(arg.c_str(), O_RDONLY);
  if (fd < 0) {
    why = "cannot be read: " + fn_Errno_Text(errno);
    return false;
  }
  ::close(fd);
  return true;
}

// Creates a unique work folder under dir; empty path on failure (errno set).
fs::path fn_Make_Work_Folder(const fs::path& dir) {
  std::string templ = (dir / (std::string(WORK_PREFIX) + "XXXXXX")).string();
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  if (::mkdtemp(buf.data()) == nullptr) return {};
  return fs::path(buf.data());
}

// Makes sure the output folder exists and can take new files.
bool fn_Check_Out_Dir(const fs::path& dir, std::string& why) {
  std::error_code ec;
  fs::file_status st = fs::status(dir, ec);
  if (!fs::exists(st)) {
    fs::create_directories(dir, ec);
    if (ec) {
      why = "cannot create the output folder: " + ec.message();
      return false;
    }
  } else if (!fs::is_directory(st)) {
    why = "the output folder is not a folder";
    return false;
  }
  fs::path probe = fn_Make_Work_Folder(dir);
  if (probe.empty()) {
    why = "cannot write in the output folder: " + fn_Errno_Text(errno);
    return false;
  }
  ::rmdir(probe.c_str());
  return true;
}

bool fn_Same_File(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Builds the jobs and checks everything that makes a usage error: missing
// or unreadable inputs, unusable output folders, outputs that would collide
// with each other or replace an input. Returns -1 to go on, else 2.
int Plan_Jobs(const Batch_Options& opt, std::vector<Job>& jobs) {
  std::vector<struct stat> input_ids;
  for (const std::string& arg : opt.inputs) {
    std::string why;
    if (!fn_Check_Input(arg, why)) return fn_Usage_Error("input file '" + fn_Shown(arg) + "': " + why);
    struct stat st{};
    ::stat(arg.c_str(), &st);
    input_ids.push_back(st);
    Job job;
    job.arg = arg;
    std::error_code ec;
    job.input = fs::absolute(arg, ec).lexically_normal();
    if (ec) return fn_Usage_Error(fn_Shown(arg) + ": " + ec.message());
    fs::path out = opt.has_out ? fs::absolute(opt.out_dir, ec).lexically_normal()
                               : job.input.parent_path();
    if (ec) return fn_Usage_Error(fn_Shown(opt.out_dir) + ": " + ec.message());
    job.out_dir = out;
    std::string file_name = job.input.filename().string();
    job.stem = fs::path(file_name).stem().string();
    if (job.stem.empty()) job.stem = file_name;
    job.names = fn_Choose_Run_Names(job.stem, file_name);
    job.html = opt.html;
    job.json = opt.json;
    jobs.push_back(std::move(job));
  }

  std::set<std::string> checked_dirs;
  for (const Job& job : jobs) {
    if (!checked_dirs.insert(job.out_dir.string()).second) continue;
    std::string why;
    if (!fn_Check_Out_Dir(job.out_dir, why))
      return fn_Usage_Error(fn_Shown(job.out_dir.string()) + ": " + why);
  }

  std::set<std::string> targets;
  for (const Job& job : jobs) {
    std::error_code ec;
    fs::path base = fs::weakly_canonical(job.out_dir, ec) / job.stem;
    if (!targets.insert(base.string()).second)
      return fn_Usage_Error(fn_Shown(job.arg) + ": another input writes the same output files (" +
                         fn_Shown(base.string()) + ".out); use a different --out folder");
    for (const char* ext : {".out", ".plt", ".msg", ".mc", ".html", ".json"}) {
      if (std::string(ext) == ".html" && !opt.html) continue;
      if (std::string(ext) == ".json" && !opt.json) continue;
      fs::path dest = job.out_dir / (job.stem + ext);
      struct stat st{};
      if (::stat(dest.c_str(), &st) != 0) continue;
      for (std::size_t i = 0; i < input_ids.size(); ++i)
        if (fn_Same_File(st, input_ids[i]))
          return fn_Usage_Error(fn_Shown(opt.inputs[i]) + ": the output " +
                             fn_Shown(dest.string()) + " would replace this input; use --out DIR");
    }
  }
  return -1;
}

// The list of all moment-curvature file names, one a line: mc_0001.txt to
// mc_2000.txt, the digits counted up in place.
const std::string& fn_MC_List() {
  static const std::string list = [] {
    static_assert(MAX_MEI_REPORT_FILES <= 9999, "four digits a name");
    std::string text;
    text.reserve(12 * MAX_MEI_REPORT_FILES);
    char name[] = "mc_0000.txt\n";
    for (int k = 1; k <= MAX_MEI_REPORT_FILES; ++k) {
      for (int d = 6; d >= 3; --d) {
        if (name[d] != '9') {
          ++name[d];
          break;
        }
        name[d] = '0';
      }
      text.append(name, sizeof name - 1);
    }
    return text;
  }();
  return list;
}

// A fresh work folder with its master name list, or a free one of the same
// output folder. Empty path on failure (errno set).
fs::path fn_Take_Work_Folder(const fs::path& out_dir) {
  std::vector<fs::path>& free = g_free_work[out_dir.string()];
  if (!free.empty()) {
    fs::path work = free.back();
    free.pop_back();
    return work;
  }
  fs::path work = fn_Make_Work_Folder(out_dir);
  if (work.empty()) return work;
  if (!fn_Write_Text_File((work / MEI_MASTER_FILE).string(), fn_MC_List())) {
    int e = errno;
    Remove_Folder(work);
    errno = e != 0 ? e : EIO;
    return {};
  }
  return work;
}

// Work folder, NAMES.DAT, the moment-curvature name list and, when the
// engine cannot read the input through its own name, the input copy.
bool fn_Prepare_Work_Folder(Job& job) {
  job.work = fn_Take_Work_Folder(job.out_dir);
  if (job.work.empty()) {
    Host_Error(job, "cannot create a work folder in " + job.out_dir.string() + ": " +
                        fn_Errno_Text(errno));
    return false;
  }
  // The engine reads the input through its absolute name when that fits a
  // name field, so the report header names the user's folder, not the work
  // folder; otherwise it reads the copy.
  std::string input_name = job.names.input;
  std::error_code abs_ec;
  const std::string absolute = fs::absolute(job.input, abs_ec).lexically_normal().string();
  if (!abs_ec && fn_Fits_Name_Field(absolute)) input_name = absolute;
  std::string names = input_name + "\n" + job.names.report + "\n" + job.names.plot + "\n" +
                      job.names.message + "\n";
  // The engine removes the name list after reading it; a hard link to the
  // folder's master list costs no new file. A link left by a run that
  // stopped early is replaced.
  const fs::path list = job.work / MEI_LIST_FILE;
  const fs::path master = job.work / MEI_MASTER_FILE;
  bool listed = ::link(master.c_str(), list.c_str()) == 0;
  if (!listed && errno == EEXIST) {
    ::unlink(list.c_str());
    listed = ::link(master.c_str(), list.c_str()) == 0;
  }
  if (!listed) listed = fn_Write_Text_File(list.string(), fn_MC_List());
  if (!fn_Write_File_In_Place((job.work / NAMES_FILE).string(), names, 0644) || !listed) {
    Host_Error(job, "cannot write the run files into the work folder " + job.work.string());
    return false;
  }
  if (input_name != absolute) {
    std::error_code ec;
    job.input_copied = true;
    fs::copy_file(job.input, job.work / job.names.input, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      Host_Error(job, "cannot copy the input into the work folder: " + ec.message());
      return false;
    }
  }
  return true;
}

constexpr int REMOVER_THREADS = 4;  // the device takes several at a time
struct Remover {
  int fd = -1;          // write end of the pipe to the threads; -1: not started
  int read_fd = -1;
  bool failed = false;  // could not be started: files are unlinked at once
  std::vector<std::thread> threads;
  long count = 0;       // names given out so far
};
Remover g_remover;

// What a worker reports after a run: the engine's status, or why there is none.
enum Reply_Kind : int32_t { REPLY_STATUS = 0, REPLY_NO_FOLDER = 3, REPLY_ENGINE_FAULT = 4 };

struct Reply_Header {
  int32_t kind = REPLY_STATUS;
  int32_t status = 0;
  uint32_t console_size = 0;  // bytes of the engine's standard output that follow
};

// A worker process: started once, it runs one job after another. It is
// handed up to QUEUE_DEPTH jobs at a time, so that it starts the next run as
// soon as it has replied, without waiting for the command to take the reply.
constexpr std::size_t QUEUE_DEPTH = 2;
struct Worker {
  pid_t pid = -1;
  int fd = -1;                  // the command's end of the socket to the worker
  std::deque<std::size_t> jobs; // the jobs handed to it, in order; the first one runs
  bool broken = false;          // a job could not be sent: it takes no more
  std::string reply;            // the bytes of replies read so far
};

// How a run ended, from the worker's reply or from the worker's death.
struct Run_Outcome {
  bool replied = false;  // false: the worker died during the run
  Reply_Header head;
  std::string console;
  int wait_status = 0;   // of a worker that died
  bool told = false;     // its death was told on the error output already
};

bool fn_Write_All(int fd, const char* data, std::size_t n) {
  while (n > 0) {
    ssize_t w = ::send(fd, data, n, MSG_NOSIGNAL);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    data += w;
    n -= std::size_t(w);
  }
  return true;
}

// Reads exactly n bytes; false at the end of the stream or on an error.
bool fn_Read_Exact(int fd, char* data, std::size_t n) {
  while (n > 0) {
    ssize_t r = ::read(fd, data, n);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    data += r;
    n -= std::size_t(r);
  }
  return true;
}

// The worker: takes the work folder of a job, runs the engine there and
// replies with the status and the engine's standard output, until the
// command closes the socket. The engine resets its whole state at every
// call, so one run leaves nothing to the next. An engine failure that escapes
// the entry function ends the worker after its reply; a fresh one takes over.
[[noreturn]] void Worker_Main(int fd, int32_t (*engine)(int32_t)) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) ::signal(sig, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  // The engine's standard output goes to a file in memory, emptied before
  // each run (to nothing where the system has no such files).
  int console = ::memfd_create("ormyx-console", MFD_CLOEXEC);
  if (console < 0) console = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (console >= 0 && console != STDOUT_FILENO) {
    ::dup2(console, STDOUT_FILENO);
    ::close(console);
  }
  std::string path, message;
  for (;;) {
    uint32_t len = 0;
    if (!fn_Read_Exact(fd, reinterpret_cast<char*>(&len), sizeof len) || len > (1u << 20))
      ::_exit(0);
    path.assign(len, '\0');
    if (!fn_Read_Exact(fd, path.data(), len)) ::_exit(0);
    Reply_Header head;
    if (::ftruncate(STDOUT_FILENO, 0) == 0) ::lseek(STDOUT_FILENO, 0, SEEK_SET);
    if (::chdir(path.c_str()) != 0) {
      head.kind = REPLY_NO_FOLDER;
    } else {
      try {
        head.status = engine(HOST_VERSION);
      } catch (...) {
        head.kind = REPLY_ENGINE_FAULT;
      }
    }
    std::cout.flush();
    std::fflush(stdout);
    message.assign(reinterpret_cast<const char*>(&head), sizeof head);
    off_t size = ::lseek(STDOUT_FILENO, 0, SEEK_CUR);
    if (size > 0) {
      message.resize(sizeof head + std::size_t(size));
      ssize_t got = ::pread(STDOUT_FILENO, message.data() + sizeof head, std::size_t(size), 0);
      message.resize(sizeof head + std::size_t(std::max<ssize_t>(got, 0)));
    }
    head.console_size = uint32_t(message.size() - sizeof head);
    std::memcpy(message.data(), &head, sizeof head);
    if (!fn_Write_All(fd, message.data(), message.size())) ::_exit(0);
    if (head.kind == REPLY_ENGINE_FAULT) ::_exit(0);
  }
}

// Starts a worker into w (a member of workers, not yet started). False when
// no process can be made (errno set).
bool fn_Start_Worker(std::vector<Worker>& workers, Worker& w, int32_t (*engine)(int32_t)) {
  int sv[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sv) != 0) return false;
  std::fflush(stdout);
  std::fflush(stderr);
  pid_t pid = ::fork();
  if (pid < 0) {
    int e = errno;
    ::close(sv[0]);
    ::close(sv[1]);
    errno = e;
    return false;
  }
  if (pid == 0) {
    // Only its own socket: a worker must see the end of the stream when the
    // command goes, not be kept alive by another worker's socket.
    ::close(sv[0]);
    for (const Worker& other : workers)
      if (other.fd >= 0) ::close(other.fd);
    if (g_remover.fd >= 0) ::close(g_remover.fd);
    if (g_remover.read_fd >= 0) ::close(g_remover.read_fd);
    Worker_Main(sv[1], engine);
  }
  ::close(sv[1]);
  w.pid = pid;
  w.fd = sv[0];
  w.jobs.clear();
  w.broken = false;
  w.reply.clear();
  return true;
}

// Closes the socket of a worker and waits for its end; its wait status.
int fn_Retire_Worker(Worker& w, bool stop) {
  if (stop && w.pid > 0) ::kill(w.pid, SIGTERM);
  if (w.fd >= 0) ::close(w.fd);
  w.fd = -1;
  int st = 0;
  if (w.pid > 0)
    while (::waitpid(w.pid, &st, 0) < 0 && errno == EINTR) {
    }
  w.pid = -1;
  w.jobs.clear();
  w.broken = false;
  w.reply.clear();
  return st;
}

enum Launch_Result { LAUNCHED, LAUNCH_FAILED, LAUNCH_BUSY };

void Remove_Work_Folder(Job& job) {
  if (!job.work.empty()) Remove_Folder(job.work);
  job.work.clear();
}

// A job that was handed to a worker that died before starting it: its work
// folder (the input copy removed) goes back to the free ones, to be prepared
// again when the job is handed out anew.
void Return_Work_Folder(Job& job) {
  job.running = false;
  if (job.work.empty()) return;
  std::error_code ec;
  bool clean = !job.input_copied || ::unlink((job.work / job.names.input).c_str()) == 0;
  if (clean && fs::exists(job.work / MEI_MASTER_FILE, ec))
    g_free_work[job.out_dir.string()].push_back(job.work);
  else
    Remove_Folder(job.work);
  job.work.clear();
  job.input_copied = false;
}

// Removes the free work folders at the end of the batch.
void Remove_Free_Work_Folders() {
  for (auto& [dir, folders] : g_free_work)
    for (const fs::path& work : folders) Remove_Folder(work);
  g_free_work.clear();
}

// Hands job number index to a worker: an idle one, else a new one while
// fewer than max_jobs live, else one with room in its queue. LAUNCH_BUSY when
// none can take it just now (nothing is left behind); LAUNCH_FAILED after
// reporting why.
Launch_Result fn_Launch(std::vector<Job>& jobs, std::size_t index, std::vector<Worker>& workers,
                        int max_jobs, int32_t (*engine)(int32_t)) {
  Job& job = jobs[index];
  auto pick = [&](std::size_t most) -> Worker* {
    for (Worker& x : workers)
      if (x.pid > 0 && !x.broken && x.jobs.size() <= most) return &x;
    return nullptr;
  };
  Worker* w = pick(0);
  if (!w) {
    for (Worker& x : workers)
      if (x.pid <= 0) {
        w = &x;
        break;
      }
    if (!w && int(workers.size()) < max_jobs) {
      workers.emplace_back();
      w = &workers.back();
    }
    if (w && !fn_Start_Worker(workers, *w, engine)) {
      w = pick(QUEUE_DEPTH - 1);
      if (!w && errno == EAGAIN) return LAUNCH_BUSY;
      if (!w) {
        Host_Error(job, "cannot start the analysis process: " + fn_Errno_Text(errno));
        return LAUNCH_FAILED;
      }
    }
    if (!w) w = pick(QUEUE_DEPTH - 1);
    if (!w) return LAUNCH_BUSY;
  }
  if (!fn_Prepare_Work_Folder(job)) {
    Remove_Work_Folder(job);
    return LAUNCH_FAILED;
  }
  const std::string path = job.work.string();
  const uint32_t len = uint32_t(path.size());
  std::string message(reinterpret_cast<const char*>(&len), sizeof len);
  message += path;
  // A worker may have died since it was last heard of: one with jobs in
  // hand is left to the wait (which tells its death), an idle one is
  // replaced by a fresh one at once.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (fn_Write_All(w->fd, message.data(), message.size())) {
      w->jobs.push_back(index);
      job.running = true;
      return LAUNCHED;
    }
    if (!w->jobs.empty()) {
      w->broken = true;
      break;
    }
    fn_Retire_Worker(*w, true);
    if (attempt == 0 && fn_Start_Worker(workers, *w, engine)) continue;
    break;
  }
  int e = errno;
  Return_Work_Folder(job);
  if (e == EAGAIN || e == EPIPE || e == ECONNRESET) return LAUNCH_BUSY;
  Host_Error(job, "cannot start the analysis process: " + fn_Errno_Text(e));
  return LAUNCH_FAILED;
}

// Moves a file, copying when the two paths lie on different file systems.
bool fn_Move_File(const fs::path& from, const fs::path& to, std::string& why) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  if (errno != EXDEV) {
    why = "cannot move " + from.string() + " to " + to.string() + ": " + fn_Errno_Text(errno);
    return false;
  }
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::remove(from, ec);
  if (ec) {
    why = "cannot copy " + from.string() + " to " + to.string() + ": " + ec.message();
    return false;
  }
  return true;
}

// Earlier outputs that a run replaces are unlinked by helper threads, off
// the path of the batch: freeing the blocks of a file makes the file system
// hand them back to the device, which on a disk mounted with discard waits
// for the device, half a millisecond or more a file here. Until then the
// earlier file has a second name (".old-N") in a work folder. The threads
// only read names from a pipe and unlink them (no locks, no memory of their
// own), and take no signal.

// Each name comes as one packet of the pipe (one write, one read).
void Remover_Main(int fd) {
  char buf[PIPE_BUF + 1];
  for (;;) {
    ssize_t n = ::read(fd, buf, PIPE_BUF);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    buf[n] = '\0';
    ::unlink(buf);
  }
}

// Hands a file name to the threads (started on first use).
void Remove_Later(const std::string& name) {
  if (g_remover.fd < 0 && !g_remover.failed) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_DIRECT) == 0) {
      // Room for many names: each takes a page of the pipe.
      ::fcntl(fds[1], F_SETPIPE_SZ, 1 << 20);
      sigset_t all, old;
      sigfillset(&all);
      ::pthread_sigmask(SIG_SETMASK, &all, &old);
      try {
        for (int i = 0; i < REMOVER_THREADS; ++i) g_remover.threads.emplace_back(Remover_Main, fds[0]);
      } catch (...) {
      }
      ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
      if (g_remover.threads.empty()) {
        ::close(fds[0]);
        ::close(fds[1]);
      } else {
        g_remover.fd = fds[1];
        g_remover.read_fd = fds[0];
      }
    }
    g_remover.failed = g_remover.fd < 0;
  }
  ssize_t w = -1;
  if (g_remover.fd >= 0 && name.size() < PIPE_BUF) {
    do {
      w = ::write(g_remover.fd, name.data(), name.size());
    } while (w < 0 && errno == EINTR);
  }
  if (w != ssize_t(name.size())) ::unlink(name.c_str());
}

// Waits until the threads have unlinked every name given to them.
void Stop_Remover() {
  if (g_remover.fd < 0) return;
  ::close(g_remover.fd);
  g_remover.fd = -1;
  for (std::thread& t : g_remover.threads) t.join();
  g_remover.threads.clear();
  ::close(g_remover.read_fd);
  g_remover.read_fd = -1;
}

// A fresh second name in the work folder for an earlier output; empty when
// the name would not fit one packet of the pipe.
std::string fn_Old_Name(const fs::path& work) {
  std::string name = (work / (".old-" + std::to_string(++g_remover.count))).string();
  return name.size() < PIPE_BUF ? name : std::string();
}

// Moves a run file to its place in the output folder; an earlier file there
// is replaced and unlinked later.
bool fn_Move_Output(const fs::path& work, const fs::path& from, const fs::path& to, std::string& why) {
  const std::string old = fn_Old_Name(work);
  if (old.empty() || ::link(to.c_str(), old.c_str()) != 0) return fn_Move_File(from, to, why);
  const bool moved = fn_Move_File(from, to, why);
  Remove_Later(old);
  return moved;
}

// Takes a file out of the output folder; unlinked later.
void Remove_Output(const fs::path& work, const fs::path& file) {
  const std::string old = fn_Old_Name(work);
  std::error_code ec;
  if (old.empty() || ::rename(file.c_str(), old.c_str()) != 0) fs::remove(file, ec);
  else Remove_Later(old);
}

// Modification time given to an earlier moment-curvature file lent to the
// work folder: any write of the engine sets the present time, so a lent file
// that still has it after the run was not written by this run.
constexpr struct timespec LENT_MARK = {1, 0};

bool fn_Is_Lent_Unwritten(const fs::path& file) {
  struct stat st{};
  return ::stat(file.c_str(), &st) == 0 && st.st_mtim.tv_sec == LENT_MARK.tv_sec &&
         st.st_mtim.tv_nsec == LENT_MARK.tv_nsec;
}

// Before a run: the earlier moment-curvature files of this input move into
// the work folder under the names the engine writes, marked as unwritten.
// The engine then overwrites them in place, so a repeated run neither
// creates nor deletes thousands of files (on this file system each new file
// searches past the recently deleted ones, and each deleted one waits for
// the device to discard its blocks). After the run the written ones move
// back and the rest are removed, as before. Only files with no other name
// are lent (writing in place would change the other name's contents too); a
// file that is not lent, or cannot be moved once marked, stays where it is
// and is replaced the usual way.
void Lend_Earlier_MC_Files(const Job& job) {
  const fs::path mc_dir = job.out_dir / (job.stem + ".mc");
  std::error_code ec;
  if (!fs::is_directory(mc_dir, ec)) return;
  const struct timespec times[2] = {{0, UTIME_OMIT}, LENT_MARK};
  for (const auto& e : fs::directory_iterator(mc_dir, ec)) {
    const std::string name = e.path().filename().string();
    struct stat st{};
    if (!fn_Is_MC_Name(name) || ::lstat(e.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_nlink != 1)
      continue;
    if (::utimensat(AT_FDCWD, e.path().c_str(), times, AT_SYMLINK_NOFOLLOW) == 0)
      (void)::rename(e.path().c_str(), (job.work / name).c_str());
  }
}

// Moves the run files to the output folder. Outputs of an earlier run that
// this run did not write are removed, so the folder never mixes two runs.
bool fn_Move_Run_Files(Job& job) {
  bool ok = true;
  std::string why;
  std::error_code ec;
  const std::pair<std::string, std::string> files[] = {{job.names.report, ".out"},
                                                       {job.names.plot, ".plt"},
                                                       {job.names.message, ".msg"}};
  for (const auto& [name, ext] : files) {
    fs::path from = job.work / name;
    fs::path to = job.out_dir / (job.stem + ext);
    if (fs::is_regular_file(from, ec)) {
      if (!fn_Move_Output(job.work, from, to, why)) {
        Host_Error(job, why);
        ok = false;
      }
    } else if (fs::is_regular_file(to, ec)) {
      fs::remove(to, ec);
    }
  }

  std::vector<std::string> mc;
  std::vector<fs::path> unwritten;
  for (const auto& e : fs::directory_iterator(job.work, ec)) {
    if (!fn_Is_MC_Name(e.path().filename().string())) continue;
    if (fn_Is_Lent_Unwritten(e.path())) unwritten.push_back(e.path());
    else mc.push_back(e.path().filename().string());
  }
  for (const fs::path& p : unwritten) Remove_Output(job.work, p);
  std::sort(mc.begin(), mc.end());
  fs::path mc_dir = job.out_dir / (job.stem + ".mc");
  if (fs::is_directory(mc_dir, ec)) {
    std::vector<fs::path> old;
    for (const auto& e : fs::directory_iterator(mc_dir, ec))
      if (fn_Is_MC_Name(e.path().filename().string())) old.push_back(e.path());
    for (const fs::path& p : old) Remove_Output(job.work, p);
    if (mc.empty()) fs::remove(mc_dir, ec);  // removes it only when empty
  }
  if (!mc.empty()) {
    fs::create_directories(mc_dir, ec);
    if (ec || !fs::is_directory(mc_dir, ec)) {
      Host_Error(job, "cannot create the folder " + mc_dir.string() + ": " +
                          (ec ? ec.message() : std::string("a file of that name exists")));
      return false;
    }
    for (const std::string& name : mc) {
      if (!fn_Move_File(job.work / name, mc_dir / name, why)) {
        Host_Error(job, why);
        ok = false;
      }
    }
  }
  return ok;
}

// After the run has ended: gather the run files, build the printed block,
// remove the work folder (kept, and named, when a file could not be moved).
void Finish_Job(Job& job, const Run_Outcome& outcome) {
  job.running = false;
  job.done = true;

  const int wait_status = outcome.wait_status;
  const bool have_status = outcome.replied && outcome.head.kind == REPLY_STATUS;
  const long status = have_status ? long(outcome.head.status) : 0;

  std::vector<std::string> lines;
  std::error_code ec;
  for (const std::string& l : fn_Lines(outcome.console))
    if (!fn_Left_Trimmed(l).empty()) lines.push_back(l);
  fs::path message = job.work / job.names.message;
  if (fs::is_regular_file(message, ec))
    for (const std::string& l : fn_Outcome_Lines(fn_Read_File(message.string()))) lines.push_back(l);

  if (have_status) {
    lines.push_back("status: " + std::to_string(status));
    job.exit_code = status > 0 ? EXIT_RUN_ERROR : 0;
  } else {
    if (outcome.told) {
      // the message is out already
    } else if (!outcome.replied && WIFSIGNALED(wait_status)) {
      Host_Error(job, "the analysis stopped abnormally (signal " +
                          std::to_string(WTERMSIG(wait_status)) + ")");
    } else if (outcome.replied && outcome.head.kind == REPLY_NO_FOLDER) {
      Host_Error(job, "cannot enter the work folder " + job.work.string());
    } else if (outcome.replied && outcome.head.kind == REPLY_ENGINE_FAULT) {
      Host_Error(job, "the analysis stopped with an unexpected failure of the engine");
    } else {
      Host_Error(job, "the analysis stopped without a status");
    }
    job.exit_code = EXIT_RUN_ERROR;
  }

  if (fn_Move_Run_Files(job)) {
    // Every run file has left: the folder serves the next run of this
    // output folder. The input copy goes, the name list stays.
    bool clean = true;
    if (job.input_copied) clean = ::unlink((job.work / job.names.input).c_str()) == 0;
    if (clean && fs::exists(job.work / MEI_MASTER_FILE, ec))
      g_free_work[job.out_dir.string()].push_back(job.work);
    else
      Remove_Folder(job.work);
  } else {
    Host_Error(job, "the files that could not be moved are left in " + job.work.string());
    job.exit_code = EXIT_RUN_ERROR;
  }
  job.work.clear();

  if (job.html) {
    const fs::path base = job.out_dir / job.stem;
    std::string why;
    if (!fn_Write_Run_Html(base.string() + ".plt", base.string() + ".msg", base.string() + ".out",
                           base.string() + ".html", job.stem, why)) {
      Host_Error(job, why);
      job.exit_code = EXIT_RUN_ERROR;
    }
  }

  if (job.json) {
    // The results document, also for a run that failed: it carries the error.
    const std::string base = (job.out_dir / job.stem).string();
    Json_Run_Info info;
    info.input_name = job.input.filename().string();
    info.has_status = have_status;
    info.status = status;
    if (!have_status)
      info.host_error = !outcome.replied && WIFSIGNALED(wait_status)
                            ? "the analysis stopped abnormally (signal " +
                                  std::to_string(WTERMSIG(wait_status)) + ")"
                            : std::string("the analysis stopped without a status");
    bool plot_read = false;
    std::string why;
    if (!fn_Write_Run_Json(base + ".plt", base + ".msg", base + ".out", base + ".json", info,
                           plot_read, why)) {
      Host_Error(job, why);
      job.exit_code = EXIT_RUN_ERROR;
    }
  }

  for (const std::string& l : lines) job.block += l + "\n";
}

void Print_Block(const Job& job, bool prefixed) {
  std::string text;
  std::istringstream in(job.block);
  std::string line;
  while (std::getline(in, line)) text += (prefixed ? job.arg + ": " : std::string()) + line + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

// A stopping signal that has arrived, or 0. The stopping signals are held
// back outside the wait for the workers, so one may still be pending.
int fn_Pending_Signal() {
  if (g_signal) return g_signal;
  sigset_t pending;
  if (::sigpending(&pending) != 0) return 0;
  for (int sig : {SIGINT, SIGTERM, SIGHUP})
    if (sigismember(&pending, sig)) return sig;
  return 0;
}

// Stops the workers after a signal, removes the work folders of the runs
// that were going on and ends with that signal.
[[noreturn]] void Abort_Jobs(std::vector<Job>& jobs, std::vector<Worker>& workers, int sig) {
  for (Worker& w : workers)
    if (w.pid > 0) ::kill(w.pid, SIGTERM);
  for (Worker& w : workers)
    if (w.pid > 0) fn_Retire_Worker(w, false);
  Stop_Remover();
  for (Job& job : jobs)
    if (job.running) Remove_Work_Folder(job);
  Remove_Free_Work_Folders();
  End_By_Signal(sig);
}

// Reads what a worker has sent into its reply buffer; false when the
// worker has gone (end of the stream or an error).
bool fn_Read_Reply(Worker& w) {
  char buf[16384];
  ssize_t n;
  do {
    n = ::read(w.fd, buf, sizeof buf);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) return false;
  w.reply.append(buf, std::size_t(n));
  return true;
}

// Runs all jobs on at most max_jobs workers and prints their blocks in input
// order. Returns the worst exit code.
int Run_Jobs(std::vector<Job>& jobs, int max_jobs, int32_t (*engine)(int32_t)) {
  struct sigaction sa{};
  sa.sa_handler = On_Signal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(sig, &sa, nullptr);
  ::signal(SIGPIPE, SIG_IGN);  // a closed standard output must not stop the runs half way
  // The stopping signals are taken only while waiting for the workers, so a
  // run's files are never half moved when the batch stops.
  sigset_t stopping, old_mask;
  sigemptyset(&stopping);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stopping, sig);
  ::sigprocmask(SIG_BLOCK, &stopping, &old_mask);
  sigset_t wait_mask = old_mask;
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigdelset(&wait_mask, sig);

  std::vector<Worker> workers;
  workers.reserve(std::min<std::size_t>(std::size_t(max_jobs), jobs.size()));  // never moves
  std::vector<pollfd> polls;
  std::vector<std::size_t> polled;  // worker of each poll entry
  std::deque<std::size_t> again;    // jobs handed back by a worker that died before them
  const bool prefixed = jobs.size() > 1;
  std::size_t next = 0, printed = 0;
  int running = 0;  // jobs handed to workers and not yet finished
  int worst = 0;
  while (printed < jobs.size()) {
    if (int sig = fn_Pending_Signal()) Abort_Jobs(jobs, workers, sig);
    while (!again.empty() || next < jobs.size()) {
      const bool retried = !again.empty();
      const std::size_t index = retried ? again.front() : next;
      Job& job = jobs[index];
      Launch_Result r = fn_Launch(jobs, index, workers, max_jobs, engine);
      if (r == LAUNCH_BUSY && running > 0) break;  // wait for a run to end, then retry
      if (r == LAUNCH_BUSY) Host_Error(job, "cannot start the analysis process: no process left");
      if (r == LAUNCHED) {
        ++running;
      } else {
        job.done = true;
        job.exit_code = EXIT_RUN_ERROR;
      }
      if (retried) again.pop_front();
      else ++next;
    }
    if (running > 0) {
      polls.clear();
      polled.clear();
      for (std::size_t i = 0; i < workers.size(); ++i)
        if (workers[i].pid > 0 && !workers[i].jobs.empty()) {
          polls.push_back({workers[i].fd, POLLIN, 0});
          polled.push_back(i);
        }
      int n = ::ppoll(polls.data(), polls.size(), nullptr, &wait_mask);
      if (n < 0) {
        if (errno == EINTR) continue;
        break;
      }
      for (std::size_t p = 0; p < polls.size(); ++p) {
        if (polls[p].revents == 0) continue;
        Worker& w = workers[polled[p]];
        const bool gone = !fn_Read_Reply(w);
        // Every whole reply in hand ends the run at the head of the queue.
        Reply_Header head;
        bool fault = false;  // the engine failed: the worker ends after its reply
        while (!w.jobs.empty() && w.reply.size() >= sizeof head &&
               (std::memcpy(&head, w.reply.data(), sizeof head),
                w.reply.size() >= sizeof head + head.console_size)) {
          Run_Outcome outcome;
          outcome.replied = true;
          outcome.head = head;
          outcome.console = w.reply.substr(sizeof head, head.console_size);
          w.reply.erase(0, sizeof head + head.console_size);
          const std::size_t index = w.jobs.front();
          w.jobs.pop_front();
          --running;
          Finish_Job(jobs[index], outcome);
          if (head.kind == REPLY_ENGINE_FAULT) {
            fault = true;
            break;
          }
        }
        if (!gone && !fault) continue;
        // The worker has ended. Unless it ended after the reply on an engine
        // failure, the run at the head of its queue died with it and is told
        // like a crashed analysis process; the jobs behind it never started
        // and go to another worker. A stop of the whole batch is handled
        // first.
        if (int sig = fn_Pending_Signal()) Abort_Jobs(jobs, workers, sig);
        std::deque<std::size_t> queued;
        queued.swap(w.jobs);
        Run_Outcome outcome;
        outcome.wait_status = fn_Retire_Worker(w, false);
        if (!fault && !queued.empty()) {
          const std::size_t index = queued.front();
          queued.pop_front();
          --running;
          Finish_Job(jobs[index], outcome);
        }
        for (std::size_t index : queued) {
          --running;
          Return_Work_Folder(jobs[index]);
          again.push_back(index);
        }
      }
    }
    while (printed < jobs.size() && jobs[printed].done) {
      Print_Block(jobs[printed], prefixed);
      worst = std::max(worst, jobs[printed].exit_code);
      ++printed;
    }
  }
  // Closing the sockets ends the idle workers.
  for (Worker& w : workers)
    if (w.fd >= 0) {
      ::close(w.fd);
      w.fd = -1;
    }
  for (Worker& w : workers)
    if (w.pid > 0) fn_Retire_Worker(w, false);
  Stop_Remover();
  Remove_Free_Work_Folders();
  ::sigprocmask(SIG_SETMASK, &old_mask, nullptr);
  return worst;
}

// A single input runs in the command's own process: no worker is started
// (a fork costs more than the whole run of a small input, mostly in the
// copy-on-write faults of both processes). The guarantees of a separate
// process are kept where they can be: a fatal signal of the engine (a crash,
// an abort) prints the same message at once and the run is finished as a
// crashed one (the run files moved, exit status 1); should the finishing
// fail again the command ends by that signal. A stop signal during the run
// removes the work folder and ends the command by that signal, as in a
// batch. Only a kill that cannot be caught (SIGKILL) now ends the command
// with the run, leaving its work folder.
namespace single {

sigjmp_buf g_jump;
volatile sig_atomic_t g_fatal = 0;  // the fatal signal that stopped the run
char g_work[PATH_MAX];              // the work folder, for the stop handler
char g_message[1024];               // "ormyx: INPUT: the analysis stopped abnormally (signal "
std::size_t g_message_length = 0;
constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS};
constexpr int STOP_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

void On_Fatal(int sig) {
  char text[1100];
  std::size_t n = g_message_length;
  std::memcpy(text, g_message, n);
  char digits[12];
  int d = 0;
  for (int v = sig; d == 0 || v > 0; v /= 10) digits[d++] = char('0' + v % 10);
  while (d > 0) text[n++] = digits[--d];
  text[n++] = ')';
  text[n++] = '\n';
  ssize_t w = ::write(STDERR_FILENO, text, n);
  (void)w;
  g_fatal = sig;
  siglongjmp(g_jump, 1);
}

// Removes the work folder with its files (system calls only) and ends the
// command by the signal. Earlier moment-curvature files lent to the run go
// with it: some of them may already be partly rewritten.
void On_Stop(int sig) {
  int dir = ::open(g_work, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    alignas(8) char buf[8192];
    for (;;) {
      long n = ::syscall(SYS_getdents64, dir, buf, sizeof buf);
      if (n <= 0) break;
      for (long at = 0; at < n;) {
        const char* rec = buf + at;
        unsigned short reclen;
        std::memcpy(&reclen, rec + 16, sizeof reclen);
        const char* name = rec + 19;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) ::unlinkat(dir, name, 0);
        at += reclen;
      }
    }
    ::close(dir);
    ::rmdir(g_work);
  }
  End_By_Signal(sig);
}

}  // namespace single

// Runs one job in this process and prints its block. Returns its exit code.
int Run_Single_Job(Job& job, int32_t (*engine)(int32_t)) {
  ::signal(SIGPIPE, SIG_IGN);  // as in a batch
  const std::string shown = "ormyx: " + fn_Shown(job.arg) + ": the analysis stopped abnormally (signal ";
  single::g_message_length = std::min(shown.size(), sizeof single::g_message);
  std::memcpy(single::g_message, shown.data(), single::g_message_length);
  sigset_t stopping, old_mask;
  sigemptyset(&stopping);
  for (int sig : single::STOP_SIGNALS) sigaddset(&stopping, sig);
  ::sigprocmask(SIG_BLOCK, &stopping, &old_mask);

  if (!fn_Prepare_Work_Folder(job)) {
    Remove_Work_Folder(job);
    job.done = true;
    job.exit_code = EXIT_RUN_ERROR;
    ::sigprocmask(SIG_SETMASK, &old_mask, nullptr);
    return job.exit_code;
  }
  Lend_Earlier_MC_Files(job);
  const std::string work = job.work.string();
  Run_Outcome outcome;
  outcome.replied = true;
  if (work.size() >= sizeof single::g_work) {
    outcome.head.kind = REPLY_NO_FOLDER;
  } else {
    std::memcpy(single::g_work, work.c_str(), work.size() + 1);
    // The engine's standard output is gathered as a worker gathers it.
    std::fflush(stdout);
    int saved_out = ::dup(STDOUT_FILENO);
    int console = ::memfd_create("ormyx-console", MFD_CLOEXEC);
    if (saved_out >= 0 && console >= 0) ::dup2(console, STDOUT_FILENO);
    int home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    static char alt_stack[65536];  // a stack overflow of the engine still reaches the handler
    stack_t ss{};
    ss.ss_sp = alt_stack;
    ss.ss_size = sizeof alt_stack;
    ::sigaltstack(&ss, nullptr);
    struct sigaction fatal{}, stop{};
    fatal.sa_handler = single::On_Fatal;
    fatal.sa_flags = SA_ONSTACK | SA_RESETHAND | SA_NODEFER;
    sigemptyset(&fatal.sa_mask);
    stop.sa_handler = single::On_Stop;
    stop.sa_flags = SA_ONSTACK;
    sigfillset(&stop.sa_mask);
    for (int sig : single::FATAL_SIGNALS) ::sigaction(sig, &fatal, nullptr);
    for (int sig : single::STOP_SIGNALS) ::sigaction(sig, &stop, nullptr);
    if (home < 0 || ::chdir(work.c_str()) != 0) {
      outcome.head.kind = REPLY_NO_FOLDER;
    } else if (sigsetjmp(single::g_jump, 1) == 0) {
      ::sigprocmask(SIG_SETMASK, &old_mask, nullptr);  // stop signals reach On_Stop now
      try {
        outcome.head.status = engine(HOST_VERSION);
      } catch (...) {
        outcome.head.kind = REPLY_ENGINE_FAULT;
      }
    } else {
      outcome.head = Reply_Header{};
      outcome.replied = false;  // the message is out already
      outcome.told = true;
      outcome.wait_status = single::g_fatal;  // a wait status "ended by signal g_fatal"
    }
    ::sigprocmask(SIG_BLOCK, &stopping, nullptr);
    struct sigaction flag{};
    flag.sa_handler = On_Signal;
    sigemptyset(&flag.sa_mask);
    for (int sig : single::STOP_SIGNALS) ::sigaction(sig, &flag, nullptr);
    for (int sig : single::FATAL_SIGNALS) ::signal(sig, SIG_DFL);
    if (home >= 0) {
      if (::fchdir(home) != 0) outcome.head.kind = REPLY_NO_FOLDER;
      ::close(home);
    }
    std::cout.flush();
    std::fflush(stdout);
    if (saved_out >= 0 && console >= 0) {
      off_t size = ::lseek(console, 0, SEEK_CUR);
      if (size > 0) {
        outcome.console.resize(std::size_t(size));
        ssize_t got = ::pread(console, outcome.console.data(), std::size_t(size), 0);
        outcome.console.resize(std::size_t(std::max<ssize_t>(got, 0)));
      }
      ::dup2(saved_out, STDOUT_FILENO);
    }
    if (saved_out >= 0) ::close(saved_out);
    if (console >= 0) ::close(console);
  }
  Finish_Job(job, outcome);
  Print_Block(job, false);
  Stop_Remover();
  Remove_Free_Work_Folders();
  ::sigprocmask(SIG_SETMASK, &old_mask, nullptr);
  return job.exit_code;
}

}  // namespace

bool fn_Parse_Jobs(const std::string& text, int& jobs) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > MAX_JOBS)
    return false;
  jobs = value;
  return true;
}

int fn_Run_Batch(const Batch_Options& opt) {
  if (opt.inputs.empty()) return fn_Usage_Error("no input file given");
  std::vector<Job> jobs;
  int code = Plan_Jobs(opt, jobs);
  if (code >= 0) return code;
  int32_t (*engine)(int32_t) = opt.engine ? opt.engine : &OGO;
  if (jobs.size() == 1) return Run_Single_Job(jobs.front(), engine);
  return Run_Jobs(jobs, opt.jobs, engine);
}

}  // namespace ormyx::host
