// Fixed-capacity arrays indexed from an arbitrary lower bound (1-based lists,
// imaginary nodes below 1 and above n), so code reads like the equations.
// Every access is range-checked: an index outside the bounds raises
// Index_Fault, which the entry function turns into the internal error.
#pragma once
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace ormyx {

struct Index_Fault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Raise_Index_Fault(long index, long lo, long hi);

template <class T, int Lo, int Hi>
struct Fixed_Array {
  static_assert(Hi >= Lo, "empty fixed array");
  static constexpr int lo = Lo;
  static constexpr int hi = Hi;
  static constexpr int size = Hi - Lo + 1;
  T v[size]{};

  T& operator[](int i) {
    if (i < Lo || i > Hi) Raise_Index_Fault(i, Lo, Hi);
    return v[i - Lo];
  }
  const T& operator[](int i) const {
    if (i < Lo || i > Hi) Raise_Index_Fault(i, Lo, Hi);
    return v[i - Lo];
  }
  T& operator()(int i) { return (*this)[i]; }
  const T& operator()(int i) const { return (*this)[i]; }
  static constexpr bool in_range(int i) { return i >= Lo && i <= Hi; }
  void fill(const T& x) {
    for (auto& e : v) e = x;
  }
};

// A 1-based list of capacity N.
template <class T, int N>
using List = Fixed_Array<T, 1, N>;

// A two-index table, rows Lo1..Hi1, columns Lo2..Hi2: t(i, j).
template <class T, int Lo1, int Hi1, int Lo2, int Hi2>
struct Fixed_Table {
  static constexpr int rows = Hi1 - Lo1 + 1;
  static constexpr int cols = Hi2 - Lo2 + 1;
  T v[rows * cols]{};

  T& operator()(int i, int j) {
    if (i < Lo1 || i > Hi1) Raise_Index_Fault(i, Lo1, Hi1);
    if (j < Lo2 || j > Hi2) Raise_Index_Fault(j, Lo2, Hi2);
    return v[(i - Lo1) * cols + (j - Lo2)];
  }
  const T& operator()(int i, int j) const {
    if (i < Lo1 || i > Hi1) Raise_Index_Fault(i, Lo1, Hi1);
    if (j < Lo2 || j > Hi2) Raise_Index_Fault(j, Lo2, Hi2);
    return v[(i - Lo1) * cols + (j - Lo2)];
  }
  void fill(const T& x) {
    for (auto& e : v) e = x;
  }
};

// A 1-based table of N1 x N2.
template <class T, int N1, int N2>
using Table = Fixed_Table<T, 1, N1, 1, N2>;

// Fixed-length, blank-padded text field of N characters. Its initial value
// is all zero bytes (so a fresh record costs nothing until it is used); a
// text that was never set reads as N blanks.
template <int N>
struct Text {
  mutable char c[N]{};
  void clear() {
    for (int i = 0; i < N; ++i) c[i] = ' ';
  }
  // Store s truncated or blank-padded to N characters.
  void set(const char* s, std::size_t len) {
    std::size_t i = 0;
    for (; i < len && i < std::size_t(N); ++i) c[i] = s[i];
    for (; i < std::size_t(N); ++i) c[i] = ' ';
  }
  template <class S>
  void set(const S& s) { set(s.data(), s.size()); }
  // Length with trailing blanks removed.
  int trimmed_length() const {
    Blank_If_Unset();
    int n = N;
    while (n > 0 && c[n - 1] == ' ') --n;
    return n;
  }
  std::string_view view() const {
    Blank_If_Unset();
    return std::string_view(c, N);
  }
  std::string_view trimmed() const { return std::string_view(c, std::size_t(trimmed_length())); }
  bool is_blank() const { return trimmed_length() == 0; }
  // A text still in its initial all-zero state becomes N blanks, the value
  // it stands for (set and clear write every character, so a text that was
  // ever stored has a non-zero byte and is left as it is).
  void Blank_If_Unset() const {
    for (int i = 0; i < N; ++i)
      if (c[i] != '\0') return;
    for (int i = 0; i < N; ++i) c[i] = ' ';
  }
  static constexpr int capacity = N;
};

}  // namespace ormyx
