// The nonlinear section model: working state set-up, slices, axial force
// equilibrium, neutral axis, capacities and prestressing. Every routine works
// on the run-wide working section RS().sec.EI.
#pragma once
#include <cstdint>
#include <string>

#include "section/ei_vars.h"

namespace ormyx {

// ---- Working state -------------------------------------------------------

// Load section `section` of Pile_Section into EI_Vars: dimensions, materials in
// the analysis units (psi -> ksi for US customary input), codes of the analysis
// shape, bars or strands. Records input error 45 for a section type without a
// section model and 46 for more than 300 bars or strands (nothing is stored).
void Load_EI_Vars(int32_t section);

// Build the geometry of the loaded section: outline, void, casing, core, the
// working bar coordinates, the slices and their areas, the concrete constants
// and, for prestressed sections, the prestrains and capacities. Only the top
// of a prismatic section in the plane of the outline is defined: callers pass
// station position 0, loading angle 0 and tapered false.
void Initialize_EI_Vars(double rd_StationPosition, double rd_LoadingAngle, int32_t b_Tapered,
                        int32_t i_ConcreteModel, int32_t i_CoreConcreteModel);

// Outline polygon, h and the derived areas of the loaded shape.
void Build_Section_Outline();
// Working bar coordinates from the layout, moved in y by the rebar cage offset
// for drilled shafts with bars on a circle whose layout does not include it.
void Copy_Working_Bars();
void Compute_Derived_Geometry();

// ---- Slices ----------------------------------------------------------------

// Area of the part of a circle of diameter D within height s from its top.
double fn_Circular_Segment_Area(double D, double s);
// Area of the polygon (n points, counter-clockwise) below the line y = y0.
double fn_Polygon_Area_Below(int n, const List<double, MAX_POLY_POINTS>& x,
                             const List<double, MAX_POLY_POINTS>& y, double y0);
// Index of the slice holding y (first from the top with Y(i-1) >= y > Y(i)); N outside.
int32_t fn_FindSliceY(double y);

void Calculate_Slice_Boundaries();  // h/N, Y(0..N), slice depths
void Calculate_Slice_Areas();       // all materials in order, and the totals
void Calculate_Concrete_Slice_Areas();
void Calculate_Casing_Slice_Areas();
void Calculate_Rebar_Slice_Areas();
void Calculate_Core_Slice_Areas();

// The line and error block for a section with more than 300 bars or strands.
void Report_Too_Many_Bars(int32_t number_of_bars);

// ---- Axial force and neutral axis ------------------------------------------

// Prepare a thrust value: thrust, cracked-from-start state and initial strand
// strain under a tension beyond the cracking load, yield flag cleared, search
// start at h/2.
void Begin_Thrust_State(double rd_Thrust);

double Compute_Concrete_Force();
double Compute_Rebar_Force();
double Compute_Casing_Force();
double Compute_Core_Force();
double Compute_Concrete_Force_Inside_Core();
// F(dn) at the current curvature; leaves strains, stresses, component forces
// and the moment about mid-depth (rd_Moment) of this evaluation in EI_Vars.
double Compute_Axial_Thrust_Force(double rd_dn);
// Solve F(dn) = P for the current curvature and thrust. False after recording
// runtime error 16.
bool Find_Neutral_Axis();
// Runtime error 16 (no neutral axis within 1000 iterations) and its report lines.
void Report_Neutral_Axis_Not_Found();

// The same routines on a given working section (a copy of the run's section,
// so that thrusts can be analysed side by side); they touch nothing else.
void Begin_Thrust_State(EI_Vars& EI, double rd_Thrust);
double Compute_Concrete_Force(EI_Vars& EI);
double Compute_Rebar_Force(EI_Vars& EI);
double Compute_Casing_Force(EI_Vars& EI);
double Compute_Core_Force(EI_Vars& EI);
double Compute_Concrete_Force_Inside_Core(EI_Vars& EI);
double Compute_Axial_Thrust_Force(EI_Vars& EI, double rd_dn);

// Slice data of a working section that no trial depth changes: the slices
// holding bars or casing steel (their depths and areas, in slice order) and
// the slices of least and greatest depth.
struct Slice_Kernel {
  int32_t i_BarSlices = 0, i_CasingSlices = 0;
  List<double, NUM_SLICES> rd_BarDepth, rd_BarArea, rd_CasingDepth, rd_CasingArea;
  int32_t i_ShallowSlice = 1, i_DeepSlice = 1;
  bool b_ThreeTrials = false;  // the three trials of a Newton step in one pass
};
void Build_Slice_Kernel(const EI_Vars& EI, Slice_Kernel& K);
// The search on section EI with its slice data K; false (nothing reported)
// when it does not converge.
bool Find_Neutral_Axis(EI_Vars& EI, const Slice_Kernel& K);

// ---- Capacities and prestressing ---------------------------------------------

// P0, T0, Pcr, Ac and As of a reinforced concrete or steel section (shapes
// other than prestressed) and the "Axial Structural Capacities:" block.
void Compute_Axial_Capacities();
// Copy the strand details of a prestressed section into EI_Vars (done by
// Load_EI_Vars) and write the "Prestressing Strand Details:" block.
void Write_Strand_Details();
// Prestrains and PCI capacities of a prestressed section; records runtime
// error 14 or 15 when the concrete or strand area is not positive.
void Calculate_Strains_Due_To_Prestressing();

// ---- Report helpers ------------------------------------------------------------

enum Section_Unit { UNIT_NONE, UNIT_LENGTH, UNIT_STRESS, UNIT_FORCE, UNIT_AREA, UNIT_INERTIA,
                    UNIT_MOMENT, UNIT_STIFFNESS };
// The unit text written after a value: one blank and the unit name, 8 characters.
std::string fn_Section_Unit(Section_Unit unit);
// One value line of a section block: the label, "= ", the value and the unit.
void Write_Section_Value(const std::string& label, double value, const std::string& unit,
                         int label_width = 45);
void Write_Section_Text(const std::string& label, const std::string& text, int label_width = 45);
void Write_Section_Heading(const std::string& heading);  // heading and its dashes

}  // namespace ormyx
