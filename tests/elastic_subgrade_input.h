// Input files of an elastic pile (one elastic circular section) in a uniform
// elastic subgrade, whose answers are those of a beam on an elastic
// foundation, and a capture of the run files for tests that call the
// solution routines directly.
#pragma once
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run_files.h"
#include "test_support.h"

namespace elastic_subgrade {

// The pile and its soil in the units of the input file. Pile length and
// layer depths in ft | m | L; width in in | mm | L; area and inertia in the
// same dimension unit; modulus and subgrade modulus in psi | kPa | F/L^2.
struct Pile_In_Subgrade {
  std::string units = "USCS";   // USCS, SI or GENERAL
  double length = 100.0;
  double modulus = 29.0e6;
  double width = 25.0;
  double area = 490.874;
  double inertia = 10000.0;
  double subgrade = 2000.0;
  double ground = 0.0;          // depth of the ground surface below the head
  double soil_bottom = 150.0;
  int increments = 400;
  bool kmatrix = false;
  bool summary_only = false;
  double max_deflection = 10.0;
  std::string tolerance = "1.0E-9";
  std::vector<std::string> loads = {"1 1 20000.0 0.0 0.0 1"};
};

inline std::string Number(double v) {
  std::ostringstream s;
  s.precision(17);
  s << v;
  std::string t = s.str();
  if (t.find_first_of(".eE") == std::string::npos) t += ".0";
  return t;
}

inline std::string Input(const Pile_In_Subgrade& p) {
  std::ostringstream s;
  s << "ORMYXP6\nTITLE\nElastic pile in an elastic subgrade\n\n\n\n\nOPTIONS\n"
    << "Units " << p.units << "\nUseLRFD NO\nComputeKmatrix " << (p.kmatrix ? "YES" : "NO")
    << "\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\n"
    << "Loading STATIC     0\nMaxIterations 100\nMaxDeflection " << Number(p.max_deflection)
    << "\nTolerance " << p.tolerance << "\nIncrements " << p.increments
    << "\nPrintSummaryOnly " << (p.summary_only ? "YES" : "NO")
    << "\nPrintIncrement 50\nPrintPYCurves NO\nComputeInteraction NO\n"
    << "SECTIONS\n1\n1\n11\n" << Number(p.length) << "\n2\n" << Number(p.modulus) << "\n"
    << Number(p.width) << "\n" << Number(p.width) << "\n" << Number(p.area) << "\n"
    << Number(p.area) << "\n" << Number(p.inertia) << "\n" << Number(p.inertia) << "\n"
    << "SOIL LAYERS\n1\n13 " << Number(p.ground) << " " << Number(p.soil_bottom) << "\n"
    << "110.0 " << Number(p.subgrade) << "\n110.0 " << Number(p.subgrade) << "\n"
    << "LOADING\n" << p.loads.size() << "\n";
  for (const std::string& l : p.loads) s << l << "\n";
  s << "0\nEND\n";
  return s.str();
}

// Bending stiffness and subgrade reaction per unit length in the internal
// units (lb, in for USCS; kN, m for SI; F, L for GENERAL).
inline double EI(const Pile_In_Subgrade& p) {
  return p.units == "SI" ? p.modulus * p.inertia * 1e-12 : p.modulus * p.inertia;
}
inline double Subgrade_k(const Pile_In_Subgrade& p) {
  return p.units == "SI" ? p.subgrade * p.width * 1e-3 : p.subgrade * p.width;
}
// Pile length in the internal length unit.
inline double Length(const Pile_In_Subgrade& p) {
  return p.units == "USCS" ? 12.0 * p.length : p.length;
}
inline double Lambda(double k, double EI) { return std::pow(k / (4.0 * EI), 0.25); }

// The values of a plot record, read from the front of its line.
inline std::vector<double> Record_Values(const std::string& line, int count) {
  std::vector<double> v;
  for (int j = 0; j < count; ++j) v.push_back(std::stod(line.substr(15 * j, 15)));
  return v;
}

// Lines of text that contain needle, in order.
inline std::vector<std::string> Lines_With(const std::string& text, const std::string& needle) {
  std::vector<std::string> out;
  for (const std::string& l : ormyx_test::Split_Lines(text))
    if (l.find(needle) != std::string::npos) out.push_back(l);
  return out;
}

// Report, plot and run-message files of a test that calls the routines.
struct Capture {
  std::string dir = ormyx_test::Make_Temp_Dir("stiffness_study");
  Capture() {
    ormyx::Open_Output(ormyx::CH_REPORT, dir + "/report.out");
    ormyx::Open_Output(ormyx::CH_MESSAGE, dir + "/run.msg");
    ormyx::Open_Output(ormyx::CH_PLOT, dir + "/plot.plt");
  }
  void Close() {
    ormyx::Close_Output(ormyx::CH_REPORT);
    ormyx::Close_Output(ormyx::CH_MESSAGE);
    ormyx::Close_Output(ormyx::CH_PLOT);
  }
  std::string Report() { Close(); return ormyx_test::Read_File(dir + "/report.out"); }
  std::string Plot() { Close(); return ormyx_test::Read_File(dir + "/plot.plt"); }
};

}  // namespace elastic_subgrade
