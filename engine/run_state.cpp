#include "engine/run_state.h"

#include <sys/mman.h>
#include <unistd.h>

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
  // Back to zero bytes: dirty pages are dropped (the next touch maps a fresh
  // zero page); without a mapping, or should that fail, the block is cleared.
  if (g_mapped_bytes == 0 || ::madvise(static_cast<void*>(&s), g_mapped_bytes, MADV_DONTNEED) != 0)
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
