// Fixed-format field notation as a Fortran formatted write produces it, and
// the report helpers built on it.
#include "engine/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/run_files.h"

namespace ormyx::fmt {

namespace {

std::string Stars(int w) { return std::string(w > 0 ? std::size_t(w) : 0, '*'); }

// Right-aligns text in w columns; w asterisks when it does not fit. A width
// of 0 or less means "as few columns as needed".
std::string Right_Aligned(const std::string& text, int w) {
  if (w <= 0) return text;
  if (text.size() > std::size_t(w)) return Stars(w);
  return std::string(std::size_t(w) - text.size(), ' ') + text;
}

// Infinity and not-a-number in an F or E field: the long form when it fits,
// the short one otherwise, asterisks when not even that fits. The sign of a
// not-a-number is not written.
std::string Non_Finite(double v, int w) {
  if (std::isnan(v)) return w > 0 && w < 3 ? Stars(w) : Right_Aligned("NaN", w);
  bool neg = std::signbit(v);
  const char* long_form = neg ? "-Infinity" : "Infinity";
  const char* short_form = neg ? "-Inf" : "Inf";
  int long_w = neg ? 9 : 8;
  int short_w = neg ? 4 : 3;
  if (w <= 0) return short_form;
  if (w >= long_w) return Right_Aligned(long_form, w);
  if (w >= short_w) return Right_Aligned(short_form, w);
  return Stars(w);
}

// printf conversion of a non-negative finite value into a string.
std::string Printed(const char* format, int precision, double a) {
  int n = std::snprintf(nullptr, 0, format, precision, a);
  if (n <= 0) return {};
  std::string s(std::size_t(n) + 1, '\0');
  std::snprintf(s.data(), s.size(), format, precision, a);
  s.resize(std::size_t(n));
  return s;
}

// Sign, optional leading zero and body in w columns: the zero is written
// only when the field has room for it (never in a minimal-width field).
std::string Signed_Field(bool neg, bool optional_zero, const std::string& body, int w) {
  std::string sign = neg ? "-" : "";
  if (optional_zero && w > 0 && sign.size() + body.size() + 1 <= std::size_t(w))
    return Right_Aligned(sign + "0" + body, w);
  return Right_Aligned(sign + body, w);
}

}  // namespace

std::string I(long long v, int w) { return I(v, w, 1); }

std::string I(long long v, int w, int m) {
  if (m < 0) m = 0;
  if (w > 0 && m > w) return Stars(w);
  unsigned long long mag = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                 : static_cast<unsigned long long>(v);
  std::string digits = (v == 0 && m == 0) ? std::string() : std::to_string(mag);
  if (digits.size() < std::size_t(m)) digits.insert(0, std::size_t(m) - digits.size(), '0');
  return Right_Aligned((v < 0 ? "-" : "") + digits, w);
}

std::string I0(long long v) { return I(v, 0, 1); }

std::string F(double v, int w, int d) {
  if (d < 0) d = 0;
  if (!std::isfinite(v)) return Non_Finite(v, w);
  // The point and d decimals must fit before any digit is converted.
  if (w > 0 && d + 1 > w) return Stars(w);
  bool neg = std::signbit(v);
  std::string s = Printed("%.*f", d, std::fabs(v));  // correctly rounded
  std::size_t point = s.find('.');
  std::string whole = s.substr(0, point);
  std::string frac = point == std::string::npos ? std::string() : s.substr(point + 1);
  if (whole == "0" && d > 0) return Signed_Field(neg, true, "." + frac, w);
  return Signed_Field(neg, false, whole + "." + frac, w);
}

std::string E(double v, int w, int d) {
  if (d < 0) d = 0;
  if (!std::isfinite(v)) return Non_Finite(v, w);
  if (w > 0 && d + 5 > w) return Stars(w);
  bool neg = std::signbit(v);
  double a = std::fabs(v);
  std::string digits;
  int exponent = 0;
  if (a == 0.0) {
    digits.assign(std::size_t(d), '0');
  } else {
    // d significant digits as D.DDDe+XX; the Fortran exponent is XX + 1.
    std::string s = Printed("%.*e", d > 0 ? d - 1 : 0, a);
    std::size_t e = s.find('e');
    if (d > 0) {
      digits = s.substr(0, 1);
      if (d > 1) digits += s.substr(2, e - 2);
    }
    exponent = std::atoi(s.c_str() + e + 1) + 1;
  }
  int mag = exponent < 0 ? -exponent : exponent;
  char sign = exponent < 0 ? '-' : '+';
  char tail[16];
  if (mag <= 99) std::snprintf(tail, sizeof tail, "E%c%02d", sign, mag);
  else std::snprintf(tail, sizeof tail, "%c%03d", sign, mag);
  return Signed_Field(neg, true, "." + digits + tail, w);
}

std::string X(int n) { return std::string(n > 0 ? std::size_t(n) : 0, ' '); }

std::string A(std::string_view s, int n) {
  if (n <= 0) return {};
  std::string t(s.substr(0, std::size_t(n)));
  t.resize(std::size_t(n), ' ');
  return t;
}

}  // namespace ormyx::fmt

namespace ormyx {

namespace {

// 10^k as the nearest double (exact for |k| <= 22).
double fn_Power_Of_Ten(int k) {
  static const double positive[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  static const double negative[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                    1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                    1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};
  if (k >= 0 && k <= 22) return positive[k];
  if (k < 0 && k >= -22) return negative[-k];
  return std::pow(10.0, k);
}

}  // namespace

std::string Number_Field(double v, int w) {
  int fw = w - 1;  // the field after the leading blank
  if (fw < 1) return " ";
  auto decimals = [](int n) { return n > 0 ? n : 0; };
  double a = std::fabs(v);
  if (a < 1e-12) return " " + fmt::F(0.0, fw, decimals(w - 8));
  // The upper limit of the fixed-point forms is a single-precision value.
  float limit = static_cast<float>(fn_Power_Of_Ten(w - 3)) - 1.0f;
  if (std::isnan(v) || a > double(limit)) return " " + fmt::E(v, fw, decimals(w - 8));
  std::string field;
  if (a > 10000.0) field = fmt::F(v, fw, 0);
  else if (a > fn_Power_Of_Ten(9 - w)) field = fmt::F(v, fw, decimals(w - 7));
  else if (a >= fn_Power_Of_Ten(7 - w)) field = fmt::F(v, fw, decimals(w - 5));
  else field = fmt::E(v, fw, decimals(w - 8));
  // The single-precision limit lets a few negative values just below it
  // overflow the fixed form; those are written in exponent form instead.
  if (field[0] == '*') field = fmt::E(v, fw, decimals(w - 8));
  return " " + field;
}

void Write_Number(double v, int w) { Put(CH_REPORT, Number_Field(v, w)); }

void Write_Integer(long long i, int w) {
  if (w < 1 || w > 16) w = 10;
  Put(CH_REPORT, fmt::I(i, w));
}

void Write_Blanks(int n) {
  if (n > 0) Put(CH_REPORT, fmt::X(n));
}

void End_Line() { End_Line(CH_REPORT); }

}  // namespace ormyx
