// p-y curves at the depths the user lists: after load case 1 has converged,
// every listed depth gets the curve of the soil model of its layer, written
// by the model routines in report mode. The output depths take the place of
// the node distances while the curves are written; the node model is put
// back afterwards.
#include "pycurves/py_user_depths.h"

#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "pycurves/py_framework.h"
#include "pycurves/py_report.h"
#include "pycurves/soil_properties.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

// Ascending order by exchange over pairs i < j, then the first of each run of
// equal depths kept. Returns the number of distinct depths.
int Sort_Output_Depths() {
  Loading_Records& ld = RS().prob.load;
  auto& d = ld.rd_PrintedPYDepth;
  int n = ld.i_Number_of_Printed_PY_Depths;
  if (n > MAX_PRINTED_PY_DEPTHS) n = MAX_PRINTED_PY_DEPTHS;
  if (n < 0) n = 0;
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (d[j] < d[i]) {
        const double t = d[i];
        d[i] = d[j];
        d[j] = t;
      }
  int m = n >= 1 ? 1 : 0;
  for (int i = 2; i <= n; ++i)
    if (d[i] != d[m]) d[++m] = d[i];
  ld.i_Number_of_Printed_PY_Depths = m;
  return m;
}

void Write_Heading(int count) {
  Write_Line(CH_PLOT, fmt::I(count, 5) + fmt::X(75) + "Line 6 : number of output p-y curves");
  Write_Line(CH_MESSAGE, "Computing p-y curves for output at user-specified depths.");
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, std::string(80, '-'));
  Write_Line(CH_REPORT, std::string(20, ' ') + "p-y Curves Reported for Specified Depths");
  Write_Line(CH_REPORT, std::string(80, '-'));
}

// A depth as printed (feet in US customary units), three decimals, no lead blanks.
std::string Depth_Text(double depth) {
  const std::string f = fmt::F(fn_Py_Printed_Depth(depth), 14, 3);
  const std::size_t i = f.find_first_not_of(' ');
  return (i == std::string::npos ? f : f.substr(i)) + " " + fn_Py_Depth_Unit();
}

// The non-fatal block of an output depth above the ground surface: no curve
// is generated, nothing is recorded, and the analysis goes on.
void Write_Depth_Above_Ground(int k, double depth, double zg) {
  for (Channel ch : {CH_REPORT, CH_MESSAGE}) {
    Blank_Lines(ch, 2);
    Write_Line(ch, "**** Input Data Error No. 23 (NON-FATAL) ****");
    Write_Line(ch);
    Write_Line(ch, "p-y curves cannot be generated at depth number " + fmt::I0(k));
    Write_Line(ch, "This location is " + Depth_Text(depth) +
                       " below the pile head and");
    Write_Line(ch, "is above the ground surface for this problem.");
    Write_Line(ch, "The ground surface is " + Depth_Text(zg) +
                       " below the top of the pile.");
    Write_Line(ch);
  }
  Put(CH_PLOT, fmt::E(depth, 15, 7) + fmt::I(0, 5) + fmt::X(60));
  Put(CH_PLOT, "Line 7:  p-y curve depth, no. p-y points");
  End_Line(CH_PLOT);
}

// Node distances (i - 1) h with the tip exactly at the pile length, and the
// nodes of every layer; the converged solution itself is left as it is.
void Restore_Node_Model() {
  Pile_Model& pm = RS().sol.pile;
  const int N = pm.i_NumberOfIncrements;
  if (N < 1 || N > MAX_INCREMENTS) return;
  pm.rd_h = pm.rd_PileLength / N;
  pm.i_Number_of_Nodes = N + 1;
  for (int i = 1; i <= N + 1; ++i) pm.rd_X[i] = (i - 1) * pm.rd_h;
  pm.rd_X[N + 1] = pm.rd_PileLength;
  Invalidate_Node_Cache();
  Assign_Points_To_Layers(N + 1);
}

}  // namespace

void Report_Py_Curves_At_Depths() {
  Run_State& s = RS();
  Pile_Model& pm = s.sol.pile;
  const auto& d = s.prob.load.rd_PrintedPYDepth;
  const double zg = s.prob.soil.rd_GroundSurfaceDepth;
  const int n = Sort_Output_Depths();
  Write_Heading(n);
  for (int k = 1; k <= n; ++k)
    if (d[k] < zg) {
      Write_Depth_Above_Ground(k, d[k], zg);
      Restore_Node_Model();
      return;
    }
  if (n >= 1) {
    for (int k = 1; k <= n; ++k) pm.rd_X[k] = d[k];
    Assign_Points_To_Layers_By(pm.rd_X, n);
    Set_Py_Report_Mode(n);
    for (int L = 1; L <= fn_Layer_Count(); ++L) {
      Py_Report_Layer(L);
      if (Error_Recorded()) break;
      if (pm.i_TopNodeInLayer(L) != 0) Write_Line(CH_REPORT);
    }
    Set_Py_Report_Mode(0);
  }
  Restore_Node_Model();
}

}  // namespace ormyx
