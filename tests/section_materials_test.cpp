// Material laws of the section model: concrete constants and branches,
// reinforcing steel, strands and high-strength bars, against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "section/materials.h"
#include "section_fixtures.h"

using namespace ormyx;
using namespace section_test;

namespace {

TEST(ConcreteConstants, FourKsiConcrete) {
  EI_Vars& EI = Drilled_Shaft(36.0, 0, 1.0, 0.79, 3.0, 4.0);
  Compute_Concrete_Constants();
  EXPECT_NEAR(EI.rd_Ec, 57.0 * std::sqrt(4000.0), 1e-9);
  EXPECT_NEAR(EI.rd_Ec, 3604.997, 5e-4);
  EXPECT_NEAR(EI.rd_fr, -0.4743, 5e-5);
  EXPECT_NEAR(EI.rd_eps0, 0.0018863, 5e-8);
  EXPECT_NEAR(EI.rd_epsCr, -0.0001154, 5e-8);
  EXPECT_DOUBLE_EQ(EI.rd_epsMax, 0.003800000064074993);
  EXPECT_DOUBLE_EQ(EI.rd_ResidualStress, double(0.001f));
  // The single-precision 1.7 of the peak strain.
  EXPECT_DOUBLE_EQ(EI.rd_eps0, 1.7000000476837158 * 4.0 / EI.rd_Ec);

  EI.i_MaterialKind = 5;  // prestressed
  Compute_Concrete_Constants();
  EXPECT_NEAR(EI.rd_fr, -0.2530, 5e-5);

  // SI: the same concrete in kPa gives the same constants in kPa.
  EI.i_MaterialKind = MATERIAL_REINFORCED;
  EI.i_Units = SI_UNITS;
  EI.rd_fc = 4.0 * KPA_PER_KSI;
  Compute_Concrete_Constants();
  EXPECT_NEAR(EI.rd_Ec / KPA_PER_KSI, 3604.997, 5e-4);
  EXPECT_NEAR(EI.rd_fr / KPA_PER_KSI, -0.4743, 5e-5);
  EXPECT_NEAR(EI.rd_eps0, 0.0018863, 5e-8);
  EXPECT_NEAR(EI.rd_ResidualStress, 0.001 * KPA_PER_KSI, 1e-6);
}

TEST(ConcreteLaw, Branches) {
  EI_Vars& EI = Drilled_Shaft(36.0, 0, 1.0, 0.79, 3.0, 4.0);
  Compute_Concrete_Constants();
  int32_t cracked = L_FALSE;
  EXPECT_DOUBLE_EQ(fn_Concrete_Stress(EI, EI.rd_eps0, cracked), 4.0);
  EXPECT_NEAR(fn_Concrete_Stress(EI, EI.rd_epsMax, cracked), 0.85 * 4.0, 1e-6);
  EXPECT_DOUBLE_EQ(fn_Concrete_Stress(EI, 0.00381, cracked), double(0.001f));
  // Ascending parabola at half the peak strain: 0.75 f'c.
  EXPECT_NEAR(fn_Concrete_Stress(EI, EI.rd_eps0 / 2.0, cracked), 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(fn_Concrete_Stress(EI, 0.0, cracked), 0.0);
  EXPECT_EQ(cracked, L_FALSE);
  // Tension up to the cracking strain is carried.
  const double u = 0.5 * EI.rd_epsCr / EI.rd_eps0;
  EXPECT_NEAR(fn_Concrete_Stress(EI, 0.5 * EI.rd_epsCr, cracked), -4.0 * (2.0 * std::fabs(u) - u * u),
              1e-12);
  EXPECT_EQ(cracked, L_FALSE);
}

// Once one tension slice exceeds fr, every later tension slice carries
// nothing, even where the strain would give a smaller tension.
TEST(ConcreteLaw, CrackingCarriesToTheLaterSlices) {
  EI_Vars& EI = Drilled_Shaft(36.0, 0, 1.0, 0.79, 3.0, 4.0);
  Compute_Concrete_Constants();
  const double strains[] = {0.001, -0.00005, -0.0002, -0.00005};
  int32_t cracked = L_FALSE;
  double sigma[4];
  for (int k = 0; k < 4; ++k) sigma[k] = fn_Concrete_Stress(EI, strains[k], cracked);
  EXPECT_GT(sigma[0], 0.0);
  EXPECT_LT(sigma[1], 0.0);
  EXPECT_DOUBLE_EQ(sigma[2], 0.0);
  EXPECT_DOUBLE_EQ(sigma[3], 0.0);
  EXPECT_EQ(cracked, L_TRUE);
  // A compression slice after cracking still carries its stress.
  EXPECT_GT(fn_Concrete_Stress(EI, 0.001, cracked), 0.0);
}

TEST(SteelLaw, ElasticPerfectlyPlastic) {
  bool limited = false;
  EXPECT_DOUBLE_EQ(fn_Steel_Stress(0.001, 29000.0, 60.0, limited), 29.0);
  EXPECT_FALSE(limited);
  EXPECT_DOUBLE_EQ(fn_Steel_Stress(-0.01, 29000.0, 60.0, limited), -60.0);
  EXPECT_TRUE(limited);
  // SI: at its yield strain a bar gives fy in kPa.
  const double fy = 60.0 * KPA_PER_KSI, Es = 29000.0 * KPA_PER_KSI;
  limited = false;
  EXPECT_NEAR(fn_Steel_Stress(fy / Es, Es, fy, limited), fy, 1e-9 * fy);
  EXPECT_DOUBLE_EQ(fn_Steel_Stress(2.0 * fy / Es, Es, fy, limited), fy);
}

TEST(StrandLaws, Pci270) {
  EXPECT_NEAR(fn_Strand_Stress_ksi(-0.0086, 1, 0), -245.1, 1e-6);
  EXPECT_NEAR(fn_Strand_Stress_ksi(-0.0086001, 1, 0), -245.0, 0.01);
  EXPECT_NEAR(fn_Strand_Stress_ksi(-0.02, 1, 0), -266.9, 0.05);
  EXPECT_NEAR(fn_Strand_Stress_ksi(-0.02, 1, 0), -270.0 + double(0.04f) / (0.02 - double(0.007f)),
              1e-12);
  EXPECT_DOUBLE_EQ(fn_Strand_Stress_ksi(0.5, 1, 0), 270.0 - double(0.04f) / (0.5 - double(0.007f)));
  EXPECT_NEAR(fn_Strand_Stress_ksi(0.004, 1, 0), 114.0, 1e-9);
}

TEST(StrandLaws, EveryType) {
  struct Case {
    int type, grade;
    double e, sigma;
  };
  const Case cases[] = {
      {0, 0, 0.005, 142.5},                                               // PCI 250, linear
      {0, 0, 0.02, 250.0 - double(0.04f) / (0.02 - double(0.0064f))},      // curve
      {0, 0, -0.02, -250.0 + double(0.04f) / (0.02 - double(0.0064f))},
      {2, 0, 0.008, 228.0},                                               // grade 300, linear
      {2, 0, 0.03, 300.0 - double(0.0835f) / (0.03 - double(0.0071f))},
      {3, 0, 0.004, 116.0},                                               // smooth 145
      {3, 0, -0.006, -145.0},
      {4, 0, 0.005, 145.0},                                               // smooth 160
      {4, 0, 0.0056, 160.0},
      {5, 1, 0.01, 157.0},                                                // deformed bars
      {5, 3, 0.01, 160.0},
      {5, 5, -0.01, -160.0},
      {5, 2, 0.01, 150.0},
      {5, 2, 0.003, 87.0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(fn_Strand_Stress_ksi(c.e, c.type, c.grade), c.sigma, 1e-9)
        << "type " << c.type << " at " << c.e;
}

TEST(StrandLaws, InitialStrainAndSiUnits) {
  EI_Vars& EI = Fresh_State();
  EI.i_StrandType = 1;
  EI.rd_PrestrainSteel = -0.006;
  EXPECT_NEAR(fn_Strand_Stress(EI, 0.001), 28500.0 * -0.005, 1e-9);
  EI.i_Units = SI_UNITS;
  EXPECT_NEAR(fn_Strand_Stress(EI, 0.001), 28500.0 * -0.005 * KPA_PER_KSI, 1e-6);
}

}  // namespace
