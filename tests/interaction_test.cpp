// Axial force-moment interaction diagrams against hand calculations: a
// rectangular reinforced section (axial strengths, balanced point with the
// concrete law integrated in closed form, pure bending by the rectangular
// stress block), a drilled shaft's balanced point, a steel pipe against its
// plastic interaction, the strength reduction factors at their limits, the
// Eurocode 2 axial design strengths, the thrust list of a run with the
// diagram, and whole runs with the report block and plot records.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/run_state.h"
#include "section/interaction.h"
#include "tests/section_fixtures.h"
#include "tests/test_support.h"

namespace {

using namespace section_test;
using ormyx_test::Split_Lines;

// Single-precision constants of the concrete law (peak strain factor, end of
// the descending branch, drop over it).
const double K_PEAK = double(1.7f), EPS_MAX = double(0.0038f), DROP = double(0.15f);

const Interaction_Diagram& Diagram() { return RS().sec.inter; }

const Interaction_Point& Marked(int32_t mark) {
  const Interaction_Diagram& d = Diagram();
  for (int k = 1; k <= d.i_Number_of_Points; ++k)
    if (d.point[k].i_Mark == mark) return d.point[k];
  ADD_FAILURE() << "no point with mark " << mark;
  return d.point[1];
}

// Points run from pure compression to pure tension with the axial force
// never rising on the way.
void Expect_Ordered(const Interaction_Diagram& d) {
  ASSERT_GE(d.i_Number_of_Points, 30);
  EXPECT_EQ(d.point[1].i_Mark, MARK_PURE_COMPRESSION);
  EXPECT_EQ(d.point[d.i_Number_of_Points].i_Mark, MARK_PURE_TENSION);
  for (int k = 2; k <= d.i_Number_of_Points; ++k)
    EXPECT_LE(d.point[k].rd_Pn, d.point[k - 1].rd_Pn * (1.0 + 1e-9) + 1e-9) << "point " << k;
}

// Integrals over 0..eps_cu of the concrete law (parabola to eps0, then the
// straight descending branch): S0 = int sigma de, S1 = int sigma e de.
void Concrete_Integrals(double fc, double eps0, double ecu, double& S0, double& S1) {
  const double k = DROP * fc / (EPS_MAX - eps0);
  S0 = 2.0 / 3.0 * fc * eps0 + fc * (ecu - eps0) - k * (ecu - eps0) * (ecu - eps0) / 2.0;
  S1 = 5.0 / 12.0 * fc * eps0 * eps0 + fc * (ecu * ecu - eps0 * eps0) / 2.0 -
       k * ((ecu * ecu * ecu - eps0 * eps0 * eps0) / 3.0 - eps0 * (ecu * ecu - eps0 * eps0) / 2.0);
}

double Concrete_Stress(double fc, double eps0, double e) {
  if (e <= 0.0) return 0.0;
  if (e < eps0) return fc * (2.0 * e / eps0 - e * e / (eps0 * eps0));
  return fc - DROP * fc * (e - eps0) / (EPS_MAX - eps0);
}

// Rectangle 16 in wide, 24 in deep, three #8 bars (0.79 in^2) 2.5 in from
// each face, f'c 4 ksi, fy 60 ksi, Es 29000 ksi.
constexpr double B = 16.0, H = 24.0, COVER = 2.5, AB = 0.79, FC = 4.0, FY = 60.0, ES = 29000.0;

void Rectangle_Diagram(int32_t code) {
  Rectangle(B, H, 3, 1.0, AB, COVER, FC, FY);
  Initialize();
  Compute_Axial_Capacities();
  Compute_Interaction_Diagram(code, false);
}

TEST(InteractionRectangle, AxialStrengthsAndBalancedPointByHand) {
  Rectangle_Diagram(CODE_ACI318);
  const Interaction_Diagram& d = Diagram();
  Expect_Ordered(d);
  const double As = 6.0 * AB, Ag = B * H;

  // Pure compression 0.85 f'c (Ag - As) + fy As (0.85 as the engine's single-precision factor).
  EXPECT_NEAR(d.point[1].rd_Pn, double(0.85f) * FC * (Ag - As) + FY * As, 1e-9);
  EXPECT_NEAR(d.point[1].rd_Pn, 1573.9, 0.1);  // 3.4 x 379.26 + 284.4
  // Pure tension -fy As.
  EXPECT_NEAR(d.point[d.i_Number_of_Points].rd_Pn, -FY * As, 1e-6);
  // Symmetric bars: no moment, but for the slices cutting the two rows differently.
  EXPECT_NEAR(d.point[d.i_Number_of_Points].rd_Mn, 0.0, 1e-4 * FY * As * H);

  // Balanced point: eps_cu = 0.003 at the top, fy/Es at the bottom bars.
  const double dt = H - COVER, ey = FY / ES, ecu = 0.003;
  const double c = dt * ecu / (ecu + ey);
  const double Ec = 57.0 * std::sqrt(1000.0 * FC), eps0 = K_PEAK * FC / Ec;
  double S0 = 0.0, S1 = 0.0;
  Concrete_Integrals(FC, eps0, ecu, S0, S1);
  // Concrete over the compressed depth c: y = c (1 - e/ecu) below the top.
  const double Cc = B * c / ecu * S0;
  const double Mc = B * c / ecu * ((H / 2.0 - c) * S0 + c / ecu * S1);
  // Top bars (less the concrete they displace) and bottom bars at yield.
  const double e_top_bars = ecu * (c - COVER) / c;
  const double f_top = std::fmin(ES * e_top_bars, FY) - Concrete_Stress(FC, eps0, e_top_bars);
  const double Pb = Cc + 3.0 * AB * f_top - 3.0 * AB * FY;
  const double Mb = Mc + 3.0 * AB * f_top * (H / 2.0 - COVER) + 3.0 * AB * FY * (dt - H / 2.0);
  const Interaction_Point& bal = Marked(MARK_BALANCED);
  EXPECT_NEAR(bal.rd_NeutralAxisDepth, c, 1e-9);
  EXPECT_NEAR(bal.rd_NetTensileStrain, ey, 1e-12);
  EXPECT_NEAR(bal.rd_Pn, Pb, 0.005 * Pb);
  EXPECT_NEAR(bal.rd_Mn, Mb, 0.005 * Mb);
  EXPECT_DOUBLE_EQ(bal.rd_Phi, double(0.65));
}

TEST(InteractionRectangle, PureBendingWithinTwoPercentOfTheStressBlock) {
  Rectangle_Diagram(CODE_ACI318);
  // Rectangular stress block 0.85 f'c over beta1 c (beta1 = 0.85 at 4 ksi);
  // bisection on c for zero axial force, top bars elastic or yielded, the
  // concrete they displace deducted.
  const double beta1 = 0.85, d_top = COVER, dt = H - COVER, As = 3.0 * AB;
  auto force = [&](double c, double& M) {
    const double a = beta1 * c;
    const double fs = std::fmax(-FY, std::fmin(FY, ES * 0.003 * (c - d_top) / c));
    const double fs_net = fs - (a > d_top ? 0.85 * FC : 0.0);
    const double Cc = 0.85 * FC * B * a;
    M = Cc * (H / 2.0 - a / 2.0) + As * fs_net * (H / 2.0 - d_top) + As * FY * (dt - H / 2.0);
    return Cc + As * fs_net - As * FY;
  };
  double lo = 0.1, hi = H, M = 0.0;
  for (int k = 0; k < 200; ++k) {
    const double mid = 0.5 * (lo + hi);
    (force(mid, M) > 0.0 ? hi : lo) = mid;
  }
  force(0.5 * (lo + hi), M);
  const Interaction_Point& pb = Marked(MARK_PURE_BENDING);
  EXPECT_NEAR(pb.rd_Pn, 0.0, 1e-6);
  EXPECT_NEAR(pb.rd_Mn, M, 0.02 * M);
  EXPECT_NEAR(M, 2870.8, 0.1);  // c = 2.718 in, the top bars nearly at the neutral axis
  // Tension-controlled: phi = 0.90 and phi Mn.
  EXPECT_DOUBLE_EQ(pb.rd_Phi, 0.90);
  EXPECT_NEAR(pb.rd_MFactored, 0.90 * pb.rd_Mn, 1e-9);
}

TEST(InteractionFactors, TransitionLimitsOfEachCode) {
  // fy 60 ksi, Es 29000 ksi: eps_ty = 0.0020690.
  const double ety = 60.0 / 29000.0;
  struct Case {
    int32_t code;
    bool spiral, prestressed;
    double eps_t, fy, phi;
  } cases[] = {
      // ACI 318-19 Table 21.2.2: tied 0.65 to 0.90 over eps_ty .. eps_ty + 0.003.
      {CODE_ACI318, false, false, ety, 60.0, 0.65},
      {CODE_ACI318, false, false, ety + 0.0015, 60.0, 0.775},
      {CODE_ACI318, false, false, ety + 0.003, 60.0, 0.90},
      {CODE_ACI318, false, false, -0.003, 60.0, 0.65},
      {CODE_ACI318, true, false, ety, 60.0, 0.75},
      {CODE_ACI318, true, false, ety + 0.0015, 60.0, 0.825},
      {CODE_ACI318, true, false, 0.02, 60.0, 0.90},
      {CODE_ACI318, false, true, 0.002, 270.0, 0.65},
      {CODE_ACI318, false, true, 0.005, 270.0, 0.90},
      // AASHTO 5.5.4.2: 0.75 at eps_cl = fy/Es, 0.90 (1.00 prestressed) at eps_tl.
      {CODE_AASHTO, false, false, ety, 60.0, 0.75},
      {CODE_AASHTO, false, false, 0.005, 60.0, 0.90},
      {CODE_AASHTO, true, false, (ety + 0.005) / 2.0, 60.0, 0.825},
      {CODE_AASHTO, false, true, 0.002, 270.0, 0.75},
      {CODE_AASHTO, false, true, 0.0035, 270.0, 0.875},
      {CODE_AASHTO, false, true, 0.005, 270.0, 1.00},
      // AASHTO, 100 ksi bars: eps_tl = 0.008.
      {CODE_AASHTO, false, false, 0.008, 100.0, 0.90},
      {CODE_AASHTO, false, false, 0.0065, 100.0, 0.75 + 0.15 * (0.0065 - 100.0 / 29000.0) /
                                                            (0.008 - 100.0 / 29000.0)},
  };
  for (const Case& c : cases) {
    const double ey = c.prestressed ? 0.002 : c.fy / 29000.0;
    EXPECT_NEAR(fn_Strength_Reduction_Factor(c.code, c.spiral, c.prestressed, c.eps_t, ey, c.fy), c.phi,
                1e-12)
        << "code " << c.code << " spiral " << c.spiral << " eps_t " << c.eps_t;
  }
}

TEST(InteractionFactors, FactoredDiagramOfTheRectangle) {
  const double P0 = double(0.85f) * FC * (B * H - 6.0 * AB) + FY * 6.0 * AB;
  struct Case {
    int32_t code;
    double cap;        // phi Pn,max: phi at pure compression times 0.80 (tied)
    double phi_limit;  // phi at the code's tension-controlled limit
  } cases[] = {{CODE_ACI318, 0.65 * 0.80 * P0, 0.90}, {CODE_AASHTO, 0.75 * 0.80 * P0, 0.90}};
  for (const Case& c : cases) {
    Rectangle_Diagram(c.code);
    const Interaction_Diagram& d = Diagram();
    EXPECT_NEAR(d.rd_MaxFactoredAxial, c.cap, 1e-9);
    EXPECT_NEAR(d.point[1].rd_PFactored, c.cap, 1e-9);
    EXPECT_DOUBLE_EQ(Marked(MARK_TENSION_LIMIT).rd_Phi, c.phi_limit);
    EXPECT_NEAR(Marked(MARK_TENSION_LIMIT).rd_NetTensileStrain, d.rd_TensionLimit, 1e-12);
    for (int k = 1; k <= d.i_Number_of_Points; ++k) {
      const Interaction_Point& p = d.point[k];
      EXPECT_LE(p.rd_PFactored, c.cap + 1e-9);
      EXPECT_NEAR(p.rd_MFactored, p.rd_Phi * p.rd_Mn, 1e-9);
    }
  }
  // ACI: eps_ty + 0.003 = 0.005069; AASHTO: 0.005.
  Rectangle_Diagram(CODE_ACI318);
  EXPECT_NEAR(Diagram().rd_TensionLimit, FY / ES + 0.003, 1e-15);

  // Plain concrete (no bars): phi = 0.60 throughout, P0 = 0.85 f'c Ag, no tension.
  Rectangle(B, H, 0, 1.0, AB, COVER, FC, FY);
  Initialize();
  Compute_Axial_Capacities();
  Compute_Interaction_Diagram(CODE_ACI318, false);
  const Interaction_Diagram& d = Diagram();
  EXPECT_NEAR(d.point[1].rd_Pn, double(0.85f) * FC * B * H, 1e-9);
  EXPECT_NEAR(d.point[d.i_Number_of_Points].rd_Pn, 0.0, 1e-12);
  for (int k = 1; k <= d.i_Number_of_Points; ++k) EXPECT_DOUBLE_EQ(d.point[k].rd_Phi, 0.60) << k;
}

TEST(InteractionEurocode, AxialDesignStrengthsByHand) {
  Rectangle_Diagram(CODE_EUROCODE2);
  const Interaction_Diagram& d = Diagram();
  const double As = 6.0 * AB, Ag = B * H;
  // Pure compression at eps_c2 = 0.002: fcd = f'c/1.5 on the concrete law
  // at 0.002 (just past its peak), bars at min(Es 0.002, fy/1.15).
  const double Ec = 57.0 * std::sqrt(1000.0 * FC), eps0 = K_PEAK * FC / Ec;
  const double NRd = Concrete_Stress(FC, eps0, 0.002) / 1.5 * (Ag - As) + std::fmin(ES * 0.002, FY / 1.15) * As;
  EXPECT_NEAR(d.point[1].rd_PFactored, NRd, 1e-6 * NRd);
  EXPECT_NEAR(d.point[1].rd_Phi, NRd / d.point[1].rd_Pn, 1e-12);
  EXPECT_NEAR(d.point[d.i_Number_of_Points].rd_PFactored, -FY / 1.15 * As, 1e-6);
  // Each design point is weaker than its nominal point.
  for (int k = 2; k < d.i_Number_of_Points; ++k) EXPECT_LT(d.point[k].rd_Phi, 1.0) << k;
}

TEST(InteractionShaft, BalancedPointOfADrilledShaft) {
  // 36 in shaft, twelve #9 bars (1.128 in, 1.0 in^2) at 3 in cover, f'c 4
  // ksi, fy 60 ksi. Reference by python3: strips of 36/400000 in of the
  // circle with the same concrete law, bars as points at their centres
  // (displaced concrete deducted), c = dt 0.003 / (0.003 + fy/Es).
  Drilled_Shaft(36.0, 12, 1.128, 1.0, 3.0);
  Initialize();
  Compute_Axial_Capacities();
  Compute_Interaction_Diagram(CODE_ACI318, false);
  const Interaction_Diagram& d = Diagram();
  Expect_Ordered(d);
  EXPECT_NEAR(d.rd_ExtremeSteelDepth, 32.436, 1e-9);
  const Interaction_Point& bal = Marked(MARK_BALANCED);
  EXPECT_NEAR(bal.rd_NeutralAxisDepth, 19.196816326530612, 1e-9);
  EXPECT_NEAR(bal.rd_Pn, 1645.9716485417705, 0.005 * 1645.97);
  EXPECT_NEAR(bal.rd_Mn, 19385.214405023504, 0.005 * 19385.2);
  EXPECT_NEAR(bal.rd_PFactored, 0.65 * bal.rd_Pn, 1e-9);
}

// Plastic interaction of a ring (outside radius R, inside r) with the
// plastic neutral axis at height y0 from the centre: P = Fy (A_above -
// A_below), M = 2 Fy Q_above, from the circular segment above y0 (area
// R^2 (a - sin a cos a), first moment 2/3 R^3 sin^3 a, cos a = y0 / R).
void Ring_Plastic(double R, double r, double Fy, double y0, double& P, double& M) {
  auto segment = [](double rad, double y, double& A, double& Q) {
    if (y >= rad) { A = Q = 0.0; return; }
    if (y <= -rad) { A = PI * rad * rad; Q = 0.0; return; }
    const double a = std::acos(y / rad);
    A = rad * rad * (a - std::sin(a) * std::cos(a));
    Q = 2.0 / 3.0 * rad * rad * rad * std::pow(std::sin(a), 3.0);
  };
  double Ao = 0, Qo = 0, Ai = 0, Qi = 0;
  segment(R, y0, Ao, Qo);
  segment(r, y0, Ai, Qi);
  const double A = PI * (R * R - r * r), above = Ao - Ai;
  P = Fy * (2.0 * above - A);
  M = 2.0 * Fy * (Qo - Qi);
}

TEST(InteractionPipe, PlasticInteractionOfASteelPipe) {
  const double D = 24.0, t = 0.5, Fy = 36.0;
  Steel_Pipe(D, t, Fy);
  Initialize(CONCRETE_NONE);
  Compute_Axial_Capacities();
  Compute_Interaction_Diagram(CODE_AASHTO, false);
  const Interaction_Diagram& d = Diagram();
  Expect_Ordered(d);
  const double A = PI / 4.0 * (D * D - (D - 2 * t) * (D - 2 * t));
  const double Z = (D * D * D - std::pow(D - 2 * t, 3.0)) / 6.0;
  const double Py = Fy * A, Mp = Fy * Z;
  EXPECT_NEAR(d.point[1].rd_Pn, Py, 1e-9 * Py);
  EXPECT_NEAR(d.point[d.i_Number_of_Points].rd_Pn, -Py, 1e-6 * Py);
  EXPECT_NEAR(Marked(MARK_PURE_BENDING).rd_Mn, Mp, 0.005 * Mp);
  for (int k = 2; k < d.i_Number_of_Points; ++k) {
    const Interaction_Point& p = d.point[k];
    double P = 0, M = 0;
    Ring_Plastic(D / 2.0, D / 2.0 - t, Fy, D / 2.0 - p.rd_NeutralAxisDepth, P, M);
    EXPECT_NEAR(p.rd_Pn, P, 0.005 * Py) << "point " << k;
    // 2 %: a neutral axis inside the top or bottom wall leaves a slice of
    // 0.24 in unstressed where the closed form splits it.
    EXPECT_NEAR(p.rd_Mn, M, 0.02 * Mp) << "point " << k;
    EXPECT_DOUBLE_EQ(p.rd_Phi, 0.90);
  }
}

// The thrust list of a run with the interaction diagram, and input error 90
// for a lateral analysis whose load cases find no thrust.
TEST(InteractionThrusts, ListFromTheLoadCasesOrInputError) {
  for (int interaction : {L_TRUE, L_FALSE}) {
    Reset_Run_State();
    Problem_Records& p = RS().prob;
    p.opt.IUNITS = US_UNITS;
    p.opt.i_Analysis_Type = ANALYSIS_LATERAL;
    p.opt.b_ComputeInteraction = interaction;
    p.sec.i_Number_of_Sections = 1;
    p.sec.Pile_Section[1].i_SectionType = SECTION_DRILLED_SHAFT;
    p.load.i_Number_of_Loads = 3;
    p.load.Pile_Head_Load[1].rd_AxialThrust = 200000.0;
    p.load.Pile_Head_Load[2].rd_AxialThrust = 0.0;
    p.load.Pile_Head_Load[3].rd_AxialThrust = 200000.0;
    Prepare_Thrust_List();
    if (interaction == L_TRUE) {
      EXPECT_FALSE(Error_Recorded());
      ASSERT_EQ(p.load.i_Number_of_Thrusts, 2);  // kips, ascending, repeats removed
      EXPECT_EQ(p.load.Axial_Thrust_List[1], 0.0);
      EXPECT_EQ(p.load.Axial_Thrust_List[2], 200.0);
    } else {
      EXPECT_EQ(RS().status.i_ErrorNumber, 100 + INP_NO_THRUSTS);
    }
  }
}

// ---- Whole runs ----------------------------------------------------------

std::vector<std::string> Lines_With(const std::string& text, const std::string& needle) {
  std::vector<std::string> out;
  for (const std::string& l : Split_Lines(text))
    if (l.find(needle) != std::string::npos) out.push_back(l);
  return out;
}

// Checks shared by the whole runs: normal end, one report block and one
// Line 15 per section followed by its Line 16 records, placed after the
// section records (Line 5) and before Line 6, and the first point at P0.
void Expect_Interaction_Output(const ormyx_test::Run_Result& r, int sections, const std::string& units) {
  EXPECT_NE(r.message.find("The analysis ended normally."), std::string::npos) << r.report;
  EXPECT_EQ(r.report.find("Not-A-Number"), std::string::npos);
  EXPECT_EQ(ormyx_test::Count_Containing(r.report, "Axial Force - Bending Moment Interaction Diagram for Section "),
            sections);
  const std::vector<std::string> plot = Split_Lines(r.plot);
  int line15 = 0;
  std::size_t last5 = 0, first6 = plot.size();
  for (std::size_t i = 0; i < plot.size(); ++i) {
    if (plot[i].find("Line 5 :") != std::string::npos) last5 = i;
    if (plot[i].find("Line 6 :") != std::string::npos && first6 == plot.size()) first6 = i;
  }
  for (std::size_t i = 0; i < plot.size(); ++i) {
    const std::string& l = plot[i];
    if (l.find("Line 15:") == std::string::npos) continue;
    ++line15;
    EXPECT_GT(i, last5);  // after the moment-curvature records of every section
    EXPECT_LT(i, first6);
    ASSERT_GE(l.size(), 80u);
    const int n = std::stoi(l.substr(0, 5)), s = std::stoi(l.substr(5, 5));
    EXPECT_EQ(s, line15);
    EXPECT_EQ(l.substr(10, 70), std::string(70, ' '));
    EXPECT_EQ(l.substr(80), "Line 15: Num. interaction diagram points, Section " + std::to_string(s));
    ASSERT_GE(n, 30);
    ASSERT_LE(i + n, plot.size());
    for (int k = 1; k <= n; ++k) {
      const std::string& p = plot[i + k];
      ASSERT_GE(p.size(), 81u) << p;
      EXPECT_EQ(p.substr(75, 5), std::string(5, ' '));
      EXPECT_EQ(p.substr(80), "Line 16: Pn, Mn, phi, phiPn, phiMn" + units);
      std::istringstream in(p.substr(0, 75));
      double v[5];
      for (double& x : v) in >> x;
      EXPECT_TRUE(in) << p;
      EXPECT_GT(v[2], 0.0);
      EXPECT_LE(v[2], 1.0);
    }
  }
  EXPECT_EQ(line15, sections);
  EXPECT_GT(first6, last5);
}

TEST(InteractionRun, UsDrilledShaftExampleWithAci318) {
  const auto r = ormyx_test::Run_Engine(ormyx_test::Read_File(ormyx_test::Example_Path("us_interaction_diagram.inp")));
  ASSERT_EQ(r.status, 0) << r.report;
  Expect_Interaction_Output(r, 1, " (kips, in-kips)");
  // The thrusts of the load cases reach the section analysis.
  EXPECT_NE(r.report.find("Axial thrust force values were determined from input values"), std::string::npos);
  EXPECT_NE(r.report.find("Number of Axial Thrust Force Values Determined from Pile-head Loadings = 2"),
            std::string::npos);
  EXPECT_NE(r.report.find("Factored strengths by ACI 318-19"), std::string::npos);
  EXPECT_EQ(Lines_With(r.report, "balanced").size(), 1u);
  EXPECT_EQ(Lines_With(r.report, "pure bending").size(), 1u);
}

// An example with the diagram asked for by the given code.
std::string Example_With_Interaction(const char* name, const char* code) {
  std::string input = ormyx_test::Read_File(ormyx_test::Example_Path(name));
  const std::string no = "ComputeInteraction NO\n";
  const std::size_t at = input.find(no);
  if (at != std::string::npos) input.replace(at, no.size(), std::string("ComputeInteraction YES\nCode ") + code + "\n");
  return input;
}

TEST(InteractionRun, LrfdRunAndThreeSectionsOfBendingStiffnessOnly) {
  // LRFD: the factored thrusts reach the section analysis.
  const auto lrfd = ormyx_test::Run_Engine(Example_With_Interaction("us_lrfd_distributed_loads.inp", "AASHTO"));
  ASSERT_EQ(lrfd.status, 0) << lrfd.report;
  Expect_Interaction_Output(lrfd, 1, " (kips, in-kips)");
  EXPECT_NE(lrfd.report.find("Factored strengths by AASHTO LRFD"), std::string::npos);
  EXPECT_NE(lrfd.report.find("Number of Axial Thrust Force Values Determined from LRFD Pile-head Loadings = 2"),
            std::string::npos);
  // Three sections: the diagrams follow the moment-curvature records of all three.
  const auto ei = ormyx_test::Run_Engine(Example_With_Interaction("si_ei_only.inp", "ACI318"));
  ASSERT_EQ(ei.status, 0) << ei.report;
  Expect_Interaction_Output(ei, 3, " (kN, kN-m)");
}

// The value after the last "=" of the report line that starts with label.
double Report_Value(const std::string& report, const std::string& label) {
  for (const std::string& l : Split_Lines(report))
    if (l.rfind(label, 0) == 0) return std::stod(l.substr(l.rfind('=') + 1));
  ADD_FAILURE() << "no report line " << label;
  return 0.0;
}

TEST(InteractionRun, AxialEndsMatchTheSectionCapacities) {
  // The diagram's axial ends are the capacities the section analysis reports:
  // prestressed pile (strands with their prestrain), cased shaft with a filled
  // core, steel pipe (tension: the same yield force as compression).
  struct Case {
    const char* example;
    const char* code;
    const char* compression;
    const char* tension;  // nullptr: -P0
    double tolerance;     // relative; the strand law stays just below fpu
  } cases[] = {
      {"us_prestressed_square.inp", "Eurocode2", "Nom. Axial Cap., Pn", "Axial Capacity in Tension, Nt", 1e-3},
      {"us_cased_shaft_filled_core.inp", "AASHTO", "Nom. Axial Structural Capacity", "Nominal Axial Tensile Capacity",
       1e-4},
      {"us_pipe_api_sand.inp", "ACI318", "Nom. Axial Structural Capacity", nullptr, 1e-4},
  };
  for (const Case& c : cases) {
    const auto r = ormyx_test::Run_Engine(Example_With_Interaction(c.example, c.code));
    ASSERT_EQ(r.status, 0) << c.example << "\n" << r.report;
    Expect_Interaction_Output(r, 1, " (kips, in-kips)");
    const std::vector<std::string> pts = Lines_With(r.plot, "Line 16:");
    ASSERT_GE(pts.size(), 30u);
    const double P0 = Report_Value(r.report, c.compression);
    const double T0 = c.tension ? Report_Value(r.report, c.tension) : -P0;
    EXPECT_NEAR(std::stod(pts.front().substr(0, 15)), P0, c.tolerance * std::fabs(P0)) << c.example;
    EXPECT_NEAR(std::stod(pts.back().substr(0, 15)), T0, c.tolerance * std::fabs(T0)) << c.example;
  }
}

TEST(InteractionRun, SiRectangularPileWithEurocode2AndAashto) {
  // A 0.4 m x 0.6 m pile (bending over the 0.6 m depth), six 25 mm bars
  // (491 mm^2) 60 mm from the faces, f'c 30 MPa, fy 500 MPa, over an
  // elastic section.
  const std::string section =
      "SECTIONS\n2\n1\n0\n15.0\n600.0\n400.0\n30000.0\n19.0\n"
      "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n"
      "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n500000.0\n2.0E8\n6\n"
      "1 8 25.0 490.9 -140.0 240.0\n2 8 25.0 490.9 0.0 240.0\n3 8 25.0 490.9 140.0 240.0\n"
      "4 8 25.0 490.9 -140.0 -240.0\n5 8 25.0 490.9 0.0 -240.0\n6 8 25.0 490.9 140.0 -240.0\n"
      // Section 2: an elastic 400 mm round section 5 m long, without a diagram.
      "2\n11\n5.0\n2\n2.0E7\n400.0\n400.0\n125664.0\n125664.0\n1.2566E9\n1.2566E9\n";
  for (const char* code : {"Eurocode2", "AASHTO"}) {
    const std::string input =
        std::string("ORMYXP6\nTITLE\nInteraction diagram, SI\n\n\n\n\nOPTIONS\nUnits SI\nUseLRFD NO\n"
                    "ComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
                    "ComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 1000\nMaxDeflection 0.25\n"
                    "Tolerance 2.54E-7\nIncrements 100\nPrintSummaryOnly NO\nPrintIncrement 10\n"
                    "PrintPYCurves NO\nComputeInteraction YES\nCode ") +
        code + "\n" + section +
        "SOIL LAYERS\n1\n1 0.0 20.0\n17.0 25.0 0.02\n17.0 40.0 0.02\n"
        "LOADING\n2\n1 1 40.0 0.0 500.0 1\n2 1 60.0 0.0 -200.0 1\n0\nEND\n";
    const auto r = ormyx_test::Run_Engine(input);
    ASSERT_EQ(r.status, 0) << code << "\n" << r.report;
    Expect_Interaction_Output(r, 1, " (kN, kN-m)");
    EXPECT_NE(r.report.find("Number of Axial Thrust Force Values Determined from Pile-head Loadings = 2"),
              std::string::npos);
    EXPECT_NE(r.report.find("No interaction diagram for Section 2: its bending stiffness is given directly"),
              std::string::npos);
  }
}

}  // namespace
