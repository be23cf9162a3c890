// Axial force-moment interaction diagram of a pile section analysed by the
// section model: nominal points by strain compatibility with the section's
// own stress-strain laws and slices, and the factored (ACI 318, AASHTO LRFD)
// or design (Eurocode 2) points of the code chosen in the options.
#pragma once
#include <cstdint>

#include "engine/fixed_array.h"

namespace ormyx {

inline constexpr int INTERACTION_MAX_POINTS = 60;

// Design codes of the option "ComputeInteraction" (i_InteractionCode).
inline constexpr int CODE_AASHTO = 1;
inline constexpr int CODE_ACI318 = 2;
inline constexpr int CODE_EUROCODE2 = 3;

// What a point of the diagram marks (0: an intermediate point).
enum Interaction_Mark : int32_t {
  MARK_NONE = 0,
  MARK_PURE_COMPRESSION = 1,
  MARK_BALANCED = 2,
  MARK_TENSION_LIMIT = 3,  // the code's tension-controlled strain limit
  MARK_PURE_BENDING = 4,
  MARK_PURE_TENSION = 5,
};

// One point in section units (kips and in-kip, or kN and kN-m); axial force
// positive in compression, moment about mid-depth positive when the top is
// compressed.
struct Interaction_Point {
  double rd_Pn = 0.0;
  double rd_Mn = 0.0;
  double rd_NeutralAxisDepth = 0.0;  // c below the compression face (0 for the axial points)
  double rd_NetTensileStrain = 0.0;  // at the extreme tension steel, tension positive
  double rd_Phi = 0.0;               // strength reduction factor, or the design/nominal ratio
  double rd_PFactored = 0.0;
  double rd_MFactored = 0.0;
  int32_t i_Mark = MARK_NONE;
};

inline constexpr int INTERACTION_MAX_SECTIONS = 20;  // one diagram per pile section

struct Interaction_Diagram {
  List<Interaction_Point, INTERACTION_MAX_POINTS> point;
  int32_t i_Number_of_Points = 0;
  int32_t i_Section = 0;
  int32_t i_Code = 0;
  int32_t b_Spiral = 0;              // logical: spiral transverse reinforcement
  double rd_ExtremeSteelDepth = 0.0; // dt
  double rd_YieldStrain = 0.0;       // eps_ty of the strength reduction factor
  double rd_TensionLimit = 0.0;      // tension-controlled strain limit
  double rd_P0 = 0.0;                // nominal axial compressive strength
  double rd_AxialCapFactor = 0.0;    // 0.80 tied, 0.85 spiral, 1 without a cap (set per diagram)
  double rd_MaxFactoredAxial = 0.0;  // phi Pn,max (ACI, AASHTO)
};

// Strength reduction factor of ACI 318-19 (Table 21.2.2) or AASHTO LRFD
// (5.5.4.2) for a net tensile strain eps_t (tension positive). eps_ty is the
// yield strain of the reinforcement, fy_ksi its yield stress in ksi (AASHTO
// tension-controlled limit); prestressed sections use the limits 0.002/0.005.
double fn_Strength_Reduction_Factor(int32_t code, bool b_Spiral, bool b_Prestressed, double eps_t,
                                    double eps_ty, double fy_ksi);
// Tension-controlled strain limit of the code.
double fn_Tension_Controlled_Limit(int32_t code, bool b_Prestressed, double eps_ty, double fy_ksi);

// Axial force and moment about mid-depth of the working section under the
// strain plane eps(d) = e_top - curvature d (d below the compression face),
// concrete without tension. kc scales the concrete stresses, ks the yield
// stresses of bars, casing and core, kp the strand stresses (1, 1, 1 for the
// nominal strengths).
void Strain_Plane_Resultant(double e_top, double curvature, double kc, double ks, double kp,
                            double& P, double& M);

// The diagram of the section loaded in EI_Vars (after its moment-curvature
// computation) for the code i_Code, kept in RS().sec.inter.
void Compute_Interaction_Diagram(int32_t i_Code, bool b_Spiral);

// The diagrams of the run's sections, in section order, kept for the plot
// file (RS().sec.diagrams).
struct Interaction_Diagrams {
  List<Interaction_Diagram, INTERACTION_MAX_SECTIONS> diagram;
  int32_t i_Number_of_Diagrams = 0;
};

// Report block of the current diagram.
void Write_Interaction_Report();
// Plot records of every kept diagram: per section Line 15 and its Line 16
// records. Written after the moment-curvature records of all sections, so
// that a reader counting Lines 4 and 5 section by section finds them intact.
void Write_Interaction_Plot_Records();

// After the echo: a run with the interaction diagram (whose reader leaves the
// thrust list empty) takes the thrusts of the load cases; a lateral analysis
// with load cases but no thrust for a nonlinear section records input error 90.
inline constexpr int INP_NO_THRUSTS = 90;
void Prepare_Thrust_List();

// Diagram and report block of section s when the options ask for the
// interaction diagram and the section has a section model; the diagram is
// kept for the plot file.
void Analyse_Interaction_Diagram(int s);
// The report line of a section without a section model (types 11-13) when
// the interaction diagram is requested: it gets no diagram.
void Write_No_Interaction_Note(int s);

}  // namespace ormyx
