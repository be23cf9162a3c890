// The elastic pile on a uniform elastic subgrade against the semi-infinite
// beam on an elastic foundation: head deflection, head rotation, largest
// moment and its depth, free head and fixed head, at 100 and 400 increments.
#include <gtest/gtest.h>

#include <cstdio>

#include "solver_fixture.h"

namespace {

using namespace solver_test;

constexpr double kEI = 1.0e10;    // lb-in^2
constexpr double kSub = 1000.0;   // lb/in^2
constexpr double kShear = 10000.0;

struct Measured {
  double y, slope, mmax, xmax;
};

Measured Solve(int type, int N) {
  const double lambda = Lambda(kSub, kEI);
  Setup_Elastic_Pile(12.0 / lambda, N, kEI);  // lambda L = 12: the tip does not matter
  g_subgrade = kSub;
  Set_Load(type, kShear, 0.0);
  Run_Case();
  EXPECT_EQ(RS().status.i_ErrorNumber, 0);
  const Node_Results& r = RS().sol.res;
  return {RS().sol.pile.rd_Y[1], r.rd_HeadSlope, r.rd_MaxMoment, r.rd_X_MaxMoment};
}

struct Case {
  const char* name;
  int type;  // 1 free head (zero moment), 2 fixed head (zero slope)
};

// The relative errors fall as (lambda h)^2. Measured coefficients: head
// deflection 0.23, head slope 0.45, largest moment 0.23 (fixed head) and
// 0.38 to 0.53 (free head, where the peak also falls between nodes).
constexpr double kCoefY = 0.3, kCoefS = 0.6, kCoefM = 0.7;

class Closed_Form : public ::testing::TestWithParam<Case> {};

TEST_P(Closed_Form, HeadValuesAndMaximumMomentConverge) {
  const Case c = GetParam();
  const double lambda = Lambda(kSub, kEI);
  const Beam_Solution b = c.type == 1 ? Beam_Shear_Moment(kSub, kEI, kShear, 0.0)
                                      : Beam_Shear_Slope(kSub, kEI, kShear, 0.0);
  // Largest |moment|: at pi/(4 lambda) for the free head, at the head when fixed.
  const double xmax = c.type == 1 ? 3.14159265358979 / (4.0 * lambda) : 0.0;
  const double mmax = b.moment(xmax);
  double err_y[2], err_s[2], err_m[2], err_x[2];
  const int Ns[2] = {100, 400};
  for (int i = 0; i < 2; ++i) {
    const Measured m = Solve(c.type, Ns[i]);
    const double h = RS().sol.pile.rd_h;
    err_y[i] = Rel(m.y, b.y(0.0));
    err_s[i] = c.type == 1 ? Rel(m.slope, b.slope(0.0)) : std::fabs(m.slope);
    err_m[i] = Rel(m.mmax, mmax);
    err_x[i] = std::fabs(m.xmax - xmax) / h;  // in increments
    std::printf("%s N=%d: y %.3e, slope %.3e, Mmax %.3e, depth of Mmax off by %.2f increments\n",
                c.name, Ns[i], err_y[i], err_s[i], err_m[i], err_x[i]);
    const double lh2 = (lambda * h) * (lambda * h);
    EXPECT_LT(err_y[i], kCoefY * lh2);
    EXPECT_LT(err_s[i], c.type == 1 ? kCoefS * lh2 : 1e-12);
    EXPECT_LT(err_m[i], kCoefM * lh2);
    EXPECT_LE(err_x[i], 0.5 + 1e-9);
  }
  // Second order: four times the increments, a sixteenth of the error.
  EXPECT_NEAR(err_y[0] / err_y[1], 16.0, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Heads, Closed_Form,
                         ::testing::Values(Case{"free head", 1}, Case{"fixed head", 2}),
                         [](const auto& info) { return info.param.type == 1 ? "FreeHead" : "FixedHead"; });

}  // namespace
