// Capture of the warnings a helper thread logs: the deflection-length study
// runs one pile length ahead on a private copy of the state, and the warnings
// that length logs are replayed, in order, on the run-wide state when its
// result is taken over.
#pragma once
#include <cstdint>

namespace ormyx {

struct Warning_Capture {
  static constexpr int CAPACITY = 1024;
  // Runs of one warning number: number[i] logged repeat[i] times in a row.
  int32_t number[CAPACITY];
  int32_t repeat[CAPACITY];
  int32_t runs = 0;
  bool overflow = false;  // more runs than the capacity: the capture is incomplete

  void Clear() {
    runs = 0;
    overflow = false;
  }
  void Add(int32_t n) {
    if (runs > 0 && number[runs - 1] == n && repeat[runs - 1] < INT32_MAX) {
      ++repeat[runs - 1];
    } else if (runs < CAPACITY) {
      number[runs] = n;
      repeat[runs] = 1;
      ++runs;
    } else {
      overflow = true;
    }
  }
};

// Set by a helper thread while it runs; Log_Warning also records into it.
inline thread_local Warning_Capture* tl_Warning_Capture __attribute__((tls_model("initial-exec"))) = nullptr;

}  // namespace ormyx
