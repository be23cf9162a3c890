#include "engine/run_state.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

namespace ormyx {

namespace {

// The state lives in one block of zero-filled pages, mapped once. Almost all
// of its initial value is zero bytes (texts read zero bytes as blanks), so a
// run touches, and pays for, only the pages it uses; a reset hands the dirty
// pages back to the system, which serves fresh zero pages on the next touch.
// Run_State is an aggregate, an implicit-lifetime type, so the zeroed block
// holds one as it stands; only the few members listed in Set_Initial_Values
// need code.
static_assert(std::is_aggregate_v<Run_State>, "the state must be an aggregate to live in zeroed pages");
static_assert(std::is_trivially_destructible_v<Run_Status> && std::is_trivially_destructible_v<Unit_Labels> &&
                  std::is_trivially_destructible_v<Problem_Records> &&
                  std::is_trivially_destructible_v<Solution_State> && std::is_trivially_destructible_v<Py_State> &&
                  std::is_trivially_destructible_v<Section_State>,
              "records whose pages are dropped at a reset must not own memory elsewhere");
std::size_t g_mapped_bytes = 0;  // 0: the block came from calloc (no mapping)
unsigned long g_run_generation = 0;

std::size_t fn_Mapped_Size() {
  long page = ::sysconf(_SC_PAGESIZE);
  std::size_t p = page > 0 ? std::size_t(page) : 4096;
  return (sizeof(Run_State) + p - 1) / p * p;
}

// The members whose initial value is not all zero bytes; every other member
// starts as zero bytes. The test of the run sequence compares the result with
// a value-initialised Run_State byte for byte.
void Set_Initial_Values(Run_State& s) {
  for (auto& ch : s.files.out) std::construct_at(&ch);
  std::memcpy(s.files.format_tag, "       ", sizeof s.files.format_tag);
  s.sol.lc.i_LoadingType = 1;
  s.sol.lc.i_ThrustEntry = 1;
  s.py.rd_EquivDepthTop.fill(EQUIV_DEPTH_UNSET);
  s.py.rd_J_SoftClay = 0.5;
  s.sec.EI.i_ConcreteModel = CONCRETE_NONE;
  s.sec.EI.i_CoreConcreteModel = CONCRETE_NONE;
  s.sec.EI.i_Units = US_UNITS;
  s.sec.i_NumberOfSlices = NUM_SLICES;
  s.sec.rd_NumberOfSlices = NUM_SLICES;
  s.sec.i_MaxCurvaturePoints = 150;
}

// A block of zero bytes for the state: fresh anonymous pages, or calloc
// where mapping fails (mapped_bytes 0).
void* fn_Zeroed_Block(std::size_t& mapped_bytes) {
  std::size_t bytes = fn_Mapped_Size();
  void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p != MAP_FAILED) {
    mapped_bytes = bytes;
    return p;
  }
  mapped_bytes = 0;
  p = std::calloc(1, sizeof(Run_State));
  if (!p) throw std::bad_alloc();
  return p;
}

// Clears the pages of the mapped state that a run has touched (in memory or
// swapped out, as the process's page map tells) and that are not all zero
// bytes, leaving the other pages alone: pages only read share the system's
// zero page and stay so. False, with nothing done, when more than
// MAX_KEPT_PAGES were touched (a large run: dropping them is cheaper than
// clearing them, and keeps the memory of the process small) or when the page
// map cannot be read.
constexpr std::size_t MAX_KEPT_PAGES = 1024;
constexpr uint64_t PAGE_PRESENT = uint64_t(1) << 63, PAGE_SWAPPED = uint64_t(1) << 62;

bool fn_Clear_Touched_Pages(void* block) {
  static int map_fd = -1;
  static pid_t map_pid = 0;  // the map of a parent does not describe a forked child
  static std::unique_ptr<uint64_t[]> entries;
  long page_size = ::sysconf(_SC_PAGESIZE);
  if (page_size <= 0) return false;
  const std::size_t page = std::size_t(page_size);
  const std::size_t pages = g_mapped_bytes / page;
  const pid_t pid = ::getpid();
  if (map_pid != pid) {
    if (map_fd >= 0) ::close(map_fd);
    map_fd = ::open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
    map_pid = pid;
  }
  if (!entries) entries.reset(new (std::nothrow) uint64_t[pages]);
  if (map_fd < 0 || !entries) return false;
  const uintptr_t first = reinterpret_cast<uintptr_t>(block) / page;
  const std::size_t want = pages * sizeof(uint64_t);
  if (::pread(map_fd, entries.get(), want, off_t(first * sizeof(uint64_t))) != ssize_t(want))
    return false;
  std::size_t touched = 0;
  for (std::size_t i = 0; i < pages; ++i)
    if (entries[i] & (PAGE_PRESENT | PAGE_SWAPPED)) ++touched;
  if (touched > MAX_KEPT_PAGES) return false;
  unsigned char* base = static_cast<unsigned char*>(block);
  for (std::size_t i = 0; i < pages; ++i) {
    if (!(entries[i] & (PAGE_PRESENT | PAGE_SWAPPED))) continue;
    unsigned char* p = base + i * page;
    // All zero: the first 8 bytes are, and every byte equals the one 8 on.
    uint64_t head;
    std::memcpy(&head, p, sizeof head);
    if (head == 0 && std::memcmp(p, p + 8, page - 8) == 0) continue;
    std::memset(p, 0, page);
  }
  return true;
}

}  // namespace

Run_State* g_Run_State = nullptr;

Run_State& Map_Run_State() {
  if (!g_Run_State) {
    Run_State* s = static_cast<Run_State*>(fn_Zeroed_Block(g_mapped_bytes));
    Set_Initial_Values(*s);
    g_Run_State = s;
    ++g_run_generation;
  }
  return *g_Run_State;
}

Run_State& Run_Wide_State_For_Thread() {
  Run_State& s = g_Run_State ? *g_Run_State : Map_Run_State();
  tl_Run_State_Override = &s;
  return s;
}

void Reset_Run_State() {
  if (!g_Run_State) {
    Map_Run_State();  // a state mapped just now already holds its initial value
    return;
  }
  Run_State& s = *g_Run_State;
  if (s.files.input) std::fclose(s.files.input);
  for (auto& ch : s.files.out) {
    if (ch.fp && ch.fp != stderr && ch.fp != stdout) std::fclose(ch.fp);
    std::destroy_at(&ch);  // frees the line buffer before its bytes are zeroed
  }
  // Back to zero bytes: after a small run the pages it wrote are cleared and
  // kept (the next run of the process then pays no page faults for them);
  // after a large one the dirty pages are dropped (the next touch maps a
  // fresh zero page); without a mapping, or should that fail, the block is
  // cleared.
  if (g_mapped_bytes == 0 ||
      (!fn_Clear_Touched_Pages(static_cast<void*>(&s)) &&
       ::madvise(static_cast<void*>(&s), g_mapped_bytes, MADV_DONTNEED) != 0))
    std::memset(static_cast<void*>(&s), 0, sizeof(Run_State));
  Set_Initial_Values(s);
  ++g_run_generation;
}

unsigned long fn_Run_Generation() { return g_run_generation; }

Run_State* Create_Private_Run_State() {
  std::size_t mapped = 0;
  Run_State* s = static_cast<Run_State*>(fn_Zeroed_Block(mapped));
  Set_Initial_Values(*s);
  return s;
}

}  // namespace ormyx
