// Allocation counter for the no-allocation checks: replaces the global
// operator new of the test program and counts every call. A replacement can
// be defined only once per program, so include this header in the one test
// file of a program and in nothing else (never in a header or library).
#pragma once
#include <cstdlib>
#include <new>

namespace ormyx_test {
inline long g_allocations = 0;
}  // namespace ormyx_test

// New and delete are both kept out of line, so that g++ never sees a malloc
// it inlined paired with an operator delete (or a new with a free) and
// warns of a mismatch.
[[gnu::noinline]] void* operator new(std::size_t n) {
  ++ormyx_test::g_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
