// Fixed-format field notation as a Fortran formatted write produces it, and
// the report helpers built on it.
#include "engine/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

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

// printf conversion of a non-negative finite value into a string: the slow
// path, kept for fields longer than the digit buffer below.
std::string Printed(const char* format, int precision, double a) {
  int n = std::snprintf(nullptr, 0, format, precision, a);
  if (n <= 0) return {};
  std::string s(std::size_t(n) + 1, '\0');
  std::snprintf(s.data(), s.size(), format, precision, a);
  s.resize(std::size_t(n));
  return s;
}

// Room for the digits of any double in fixed form (309 before the point)
// with up to 200 decimals, or in exponent form with up to 400 digits.
constexpr int DIGIT_BUFFER = 520;
constexpr int MAX_FAST_DECIMALS = 200;

// Sign, optional leading zero and body in w columns: the zero is written
// only when the field has room for it (never in a minimal-width field).
std::string Signed_Field(bool neg, bool optional_zero, std::string_view body, int w) {
  std::size_t need = (neg ? 1 : 0) + body.size();
  const bool zero = optional_zero && w > 0 && need + 1 <= std::size_t(w);
  if (zero) ++need;
  if (w > 0 && need > std::size_t(w)) return Stars(w);
  const std::size_t width = w > 0 ? std::size_t(w) : need;
  std::string out(width, ' ');
  char* p = out.data() + (width - need);
  if (neg) *p++ = '-';
  if (zero) *p++ = '0';
  std::memcpy(p, body.data(), body.size());
  return out;
}

// The Fw.d body of a non-negative value in the buffer: the digits printf's
// %.*f gives (correctly rounded, ties of the exact binary value to even),
// with the point always written; true for a "0.ddd" body, whose zero is
// optional.
bool fn_Fixed_Body(double a, int d, char* buf, std::size_t& len) {
  auto r = std::to_chars(buf, buf + DIGIT_BUFFER - 1, a, std::chars_format::fixed, d);
  len = std::size_t(r.ptr - buf);
  if (d == 0) {
    buf[len++] = '.';  // %.0f has no point; Fw.0 has
    return false;
  }
  return buf[0] == '0' && buf[1] == '.';
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
  const bool neg = std::signbit(v);
  const double a = std::fabs(v);
  if (d <= MAX_FAST_DECIMALS) {
    char buf[DIGIT_BUFFER];
    std::size_t len = 0;
    if (fn_Fixed_Body(a, d, buf, len)) return Signed_Field(neg, true, std::string_view(buf + 1, len - 1), w);
    return Signed_Field(neg, false, std::string_view(buf, len), w);
  }
  std::string s = Printed("%.*f", d, a);  // correctly rounded
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
  const bool neg = std::signbit(v);
  const double a = std::fabs(v);
  // Body ".ddddE+xx": d significant digits as printf's %.*e rounds them
  // (D.DDDe+XX), the exponent one more than printf's.
  std::string body_long;
  char buf[DIGIT_BUFFER];
  char* body = buf;
  std::size_t len = 0;
  if (d > DIGIT_BUFFER - 20) {
    body_long.assign(std::size_t(d) + 16, ' ');
    body = body_long.data();
  }
  body[len++] = '.';
  int exponent = 0;
  if (a == 0.0) {
    std::memset(body + len, '0', std::size_t(d));
    len += std::size_t(d);
  } else if (d <= DIGIT_BUFFER - 20) {
    char sci[DIGIT_BUFFER];
    auto r = std::to_chars(sci, sci + DIGIT_BUFFER, a, std::chars_format::scientific, d > 0 ? d - 1 : 0);
    const char* e = static_cast<const char*>(std::memchr(sci, 'e', std::size_t(r.ptr - sci)));
    if (d > 0) {
      body[len++] = sci[0];
      if (d > 1) {
        std::memcpy(body + len, sci + 2, std::size_t(e - sci - 2));
        len += std::size_t(e - sci - 2);
      }
    }
    int x = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, x);
    exponent = x + 1;
  } else {
    std::string s = Printed("%.*e", d - 1, a);
    std::size_t e = s.find('e');
    body[len++] = s[0];
    if (d > 1) {
      std::memcpy(body + len, s.data() + 2, e - 2);
      len += e - 2;
    }
    exponent = std::atoi(s.c_str() + e + 1) + 1;
  }
  const int mag = exponent < 0 ? -exponent : exponent;
  const char sign = exponent < 0 ? '-' : '+';
  if (mag <= 99) body[len++] = 'E';
  body[len++] = sign;
  if (mag > 99) body[len++] = char('0' + mag / 100);
  body[len++] = char('0' + mag / 10 % 10);
  body[len++] = char('0' + mag % 10);
  return Signed_Field(neg, true, std::string_view(body, len), w);
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
