// The Fw.d and Ew.d field writers against an independent reference built on
// printf's %.*f and %.*e conversions (the C library's correctly rounded
// decimal digits), for millions of values: random bit patterns over every
// exponent (subnormals included), short decimals and exact binary ties that
// test the rounding, neighbours of rounding boundaries and powers of ten,
// negative zero, fields too narrow (asterisks) and minimal-width fields.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "engine/format.h"

namespace {

// --- Reference: the field rules written out over printf's digits ---------

std::string Ref_Printed(const char* format, int precision, double a) {
  char buf[1200];
  std::snprintf(buf, sizeof buf, format, precision, a);
  return buf;
}

// Sign, the optional zero when there is room, right-aligned in w columns;
// w asterisks when the text does not fit; w <= 0: as few columns as needed.
std::string Ref_Field(bool neg, bool optional_zero, const std::string& body, int w) {
  std::string sign = neg ? "-" : "";
  std::string text = sign + body;
  if (optional_zero && w > 0 && text.size() + 1 <= std::size_t(w)) text = sign + "0" + body;
  if (w <= 0) return text;
  if (text.size() > std::size_t(w)) return std::string(std::size_t(w), '*');
  return std::string(std::size_t(w) - text.size(), ' ') + text;
}

std::string Ref_F(double v, int w, int d) {
  if (w > 0 && d + 1 > w) return std::string(std::size_t(w), '*');
  bool neg = std::signbit(v);
  std::string s = Ref_Printed("%.*f", d, std::fabs(v));
  std::size_t point = s.find('.');
  std::string whole = s.substr(0, point);
  std::string frac = point == std::string::npos ? "" : s.substr(point + 1);
  if (whole == "0" && d > 0) return Ref_Field(neg, true, "." + frac, w);
  return Ref_Field(neg, false, whole + "." + frac, w);
}

std::string Ref_E(double v, int w, int d) {
  if (w > 0 && d + 5 > w) return std::string(std::size_t(w), '*');
  bool neg = std::signbit(v);
  double a = std::fabs(v);
  std::string digits(std::size_t(d), '0');
  int exponent = 0;
  if (a != 0.0) {
    std::string s = Ref_Printed("%.*e", d > 0 ? d - 1 : 0, a);
    std::size_t e = s.find('e');
    digits = d > 0 ? s.substr(0, 1) + (d > 1 ? s.substr(2, e - 2) : "") : "";
    exponent = std::atoi(s.c_str() + e + 1) + 1;
  }
  char tail[16];
  int mag = std::abs(exponent);
  char sign = exponent < 0 ? '-' : '+';
  if (mag <= 99) std::snprintf(tail, sizeof tail, "E%c%02d", sign, mag);
  else std::snprintf(tail, sizeof tail, "%c%03d", sign, mag);
  return Ref_Field(neg, true, "." + digits + tail, w);
}

// --- Values ------------------------------------------------------------

double fn_From_Bits(uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// One value of kind 0..4: any finite bit pattern; a short decimal; an exact
// binary fraction (ties of decimal rounding such as 0.125 or 2.5); a
// neighbour of a rounding boundary (x.5 units of the last decimal, or a
// power of ten); zero of either sign.
double fn_Value(std::mt19937_64& g, int kind) {
  std::uniform_int_distribution<int> small(0, 22);
  const double sign = (g() & 1) ? -1.0 : 1.0;
  switch (kind) {
    case 0: {
      double v;
      do v = fn_From_Bits(g());
      while (!std::isfinite(v));
      return v;
    }
    case 1:
      return sign * double(g() % 100000000) / std::pow(10.0, small(g) % 12);
    case 2:
      return sign * double(g() % 1000000) / double(1ULL << (small(g) % 20));
    case 3: {
      const int k = small(g) - 11;
      double base = (double(g() % 1000) + 0.5) * std::pow(10.0, k - 3);
      if (g() % 4 == 0) base = std::pow(10.0, k);
      const int steps = int(g() % 5) - 2;
      for (int i = 0; i < std::abs(steps); ++i) base = std::nextafter(base, steps > 0 ? INFINITY : 0.0);
      return sign * base;
    }
    default:
      return (g() & 1) ? -0.0 : 0.0;
  }
}

struct Field_Kind {
  const char* name;
  std::string (*field)(double, int, int);
  std::string (*reference)(double, int, int);
};

class FieldWriters : public ::testing::TestWithParam<Field_Kind> {};

TEST_P(FieldWriters, SameTextAsThePrintfDigits) {
  const Field_Kind& k = GetParam();
  std::mt19937_64 g(20121106);
  int failures = 0;
  for (long i = 0; i < 1500000 && failures < 10; ++i) {
    const double v = fn_Value(g, int(i % 5));
    const int d = int(g() % 19);     // 0 .. 18 decimals or digits
    const int w = int(g() % 32) - 1;  // -1 and 0: minimal width
    const std::string got = k.field(v, w, d);
    const std::string want = k.reference(v, w, d);
    if (got != want) {
      ++failures;
      ADD_FAILURE() << k.name << " of " << Ref_Printed("%.*e", 17, v) << " w " << w << " d " << d
                    << ": '" << got << "' instead of '" << want << "'";
    }
  }
}

// Extremes of the digit buffers: the largest and smallest doubles with many
// decimals or digits, and very long fields.
TEST_P(FieldWriters, ExtremeValuesAndLongFields) {
  const Field_Kind& k = GetParam();
  const double values[] = {1.7976931348623157e308, -1.7976931348623157e308, 4.9406564584124654e-324,
                           2.2250738585072014e-308, 1e300, 0.5, 9.5, 1e22, 1e23, -0.0};
  for (double v : values)
    for (int d : {0, 1, 17, 60, 199, 200, 201, 320, 499, 500, 501, 700})
      for (int w : {0, 12, 400, 1000}) {
        SCOPED_TRACE(std::string(k.name) + " d " + std::to_string(d) + " w " + std::to_string(w));
        EXPECT_EQ(k.field(v, w, d), k.reference(v, w, d));
      }
}

std::string Call_F(double v, int w, int d) { return ormyx::fmt::F(v, w, d); }
std::string Call_E(double v, int w, int d) { return ormyx::fmt::E(v, w, d); }

INSTANTIATE_TEST_SUITE_P(Fields, FieldWriters,
                         ::testing::Values(Field_Kind{"F", Call_F, Ref_F}, Field_Kind{"E", Call_E, Ref_E}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
