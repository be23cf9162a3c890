#include "engine/run_state.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace ormyx {

namespace {

// The state lives in one block of zero-filled pages, mapped once. Almost all
// of its initial value is zero bytes (texts read zero bytes as blanks), so a
// run touches, and pays for, only the pages it uses; a reset hands the dirty
// pages back to the system, which serves fresh zero pages on the next touch.
// Run_State is an aggregate, an implicit-lifetime type, so the zeroed block
// holds one as it stands; only the few members listed in Set_Initial_Values
// need code.
Run_State* g_state = nullptr;
std::size_t g_mapped_bytes = 0;  // 0: the block came from calloc (no mapping)

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
// where mapping fails.
void* fn_Zeroed_Block() {
  std::size_t bytes = fn_Mapped_Size();
  void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p != MAP_FAILED) {
    g_mapped_bytes = bytes;
    return p;
  }
  p = std::calloc(1, sizeof(Run_State));
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace

Run_State& RS() {
  if (!g_state) {
    g_state = static_cast<Run_State*>(fn_Zeroed_Block());
    Set_Initial_Values(*g_state);
  }
  return *g_state;
}

void Reset_Run_State() {
  Run_State& s = RS();
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
}

}  // namespace ormyx
