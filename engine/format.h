// Fixed-format field notation of the report and plot files, and the report
// helpers. Every routine that writes a number into a run file uses these.
//
//   I(v, w)      Iw    integer right-aligned in w columns
//   I(v, w, m)   Iw.m  at least m digits, leading zeros
//   I0(v)        I0    integer in as few columns as it needs
//   F(v, w, d)   Fw.d  fixed point, d decimals
//   E(v, w, d)   Ew.d  exponent form 0.ddddE+xx (0.dddd+xxx beyond two exponent digits)
//   X(n)         nX    n blanks
//   A(s, n)      An    text truncated or blank-padded to n characters
// A value that does not fit its field is written as w asterisks.
#pragma once
#include <string>
#include <string_view>

namespace ormyx::fmt {

std::string I(long long v, int w);
std::string I(long long v, int w, int m);
std::string I0(long long v);
std::string F(double v, int w, int d);
std::string E(double v, int w, int d);
std::string X(int n);
std::string A(std::string_view s, int n);

}  // namespace ormyx::fmt

namespace ormyx {

// Report helpers: they append to the current line of the report file.
void Write_Number(double v, int w);   // one blank and v in w - 1 columns, regime by magnitude
void Write_Integer(long long i, int w);  // i right-aligned in w columns (w outside 1..16: 10)
void Write_Blanks(int n);             // n blanks (nothing when n <= 0)
void End_Line();                      // ends the current report line

// The text Write_Number(v, w) appends, without writing it.
std::string Number_Field(double v, int w);

}  // namespace ormyx
