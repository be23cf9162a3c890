// Fuzz target: arbitrary bytes as the input data file of one whole OGO call.
//
// The target works in a scratch folder of its own, made once per process under
// the system temporary folder; before every call it empties the folder and
// writes NAMES.DAT, the input file and an empty M_vs_EI_report_names.txt, and
// afterwards it returns to the fuzzer's own folder. An
// engine that ends a run on its internal fault (status 999: an index outside a
// record, memory exhausted) is a defect, so such a run aborts and the fuzzer
// keeps the input as a crash.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/ogo.h"

namespace {

std::string g_scratch;
std::string g_home;  // the fuzzer's own folder: corpus and artifact paths are relative to it

void Write_Bytes(const char* name, const uint8_t* data, size_t size) {
  std::FILE* fp = std::fopen(name, "wb");
  if (!fp) {
    std::perror(name);
    std::abort();
  }
  if (size > 0 && std::fwrite(data, 1, size, fp) != size) std::abort();
  std::fclose(fp);
}

// Remove every file the previous call left in the scratch folder.
void Empty_Scratch() {
  DIR* d = opendir(".");
  if (!d) std::abort();
  while (dirent* e = readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    std::remove(e->d_name);
  }
  closedir(d);
}

void Remove_Scratch() {
  if (g_scratch.empty() || chdir(g_scratch.c_str()) != 0) return;
  Empty_Scratch();
  if (chdir(g_home.c_str()) == 0) rmdir(g_scratch.c_str());
}

}  // namespace

// The run-wide state is a block of mapped pages, which LeakSanitizer does not
// search for pointers: the line buffers the last run leaves in it would be
// reported as leaks when the process ends. Leak checks stay off.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* tmp = std::getenv("TMPDIR");
  std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/ormyx-fuzz-XXXXXX";
  if (!mkdtemp(tmpl.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  g_scratch = tmpl;
  char cwd[4096];
  if (!getcwd(cwd, sizeof cwd)) std::abort();
  g_home = cwd;
  std::atexit(Remove_Scratch);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (chdir(g_scratch.c_str()) != 0) std::abort();
  Empty_Scratch();
  static const char names[] = "input.inp\nreport.out\nplot.plt\nrun.msg\n";
  Write_Bytes("NAMES.DAT", reinterpret_cast<const uint8_t*>(names), sizeof names - 1);
  Write_Bytes("M_vs_EI_report_names.txt", nullptr, 0);
  Write_Bytes("input.inp", data, size);
  const int32_t status = OGO(6034);
  if (chdir(g_home.c_str()) != 0) std::abort();
  if (status == 999) {
    std::fprintf(stderr, "OGO ended on an internal fault (status 999)\n");
    std::abort();
  }
  return 0;
}
