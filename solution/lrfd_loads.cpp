// Distributed lateral loads of an LRFD analysis. The profiles of the load
// groups are integrated over the tributary interval of every node and summed
// by load type; a load combination weights the type averages with its load
// factors.
#include "solution/lrfd_loads.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

constexpr const char* TYPE_NAMES[LRFD_TYPE_COUNT] = {
    "Dead Loads",        "Live Loads",  "Earthquake Loads",          "Impact Loads",
    "Wind Loads",        "Water Loads", "Ice Loads",                 "Horizontal Soil Pressures",
    "Live Roof Loads",   "Rain Loads",  "Snow Loads",                "Temperature Loads",
    "Special Loads"};

void Initialize_LRFD_Load_Type_Names() {
  LRFD_Distributed_Load_State& ls = RS().sol.lrfd;
  for (int t = 1; t <= LRFD_TYPE_COUNT; ++t)
    ls.LRFD_Load_Type_Names[t].set(std::string_view(TYPE_NAMES[t - 1]));
}

// Integral over the tributary interval [u, o] of a node of the piecewise
// linear profile (z_j, q_j), j = 1 .. m, of one load group, restricted to the
// depths the profile covers. Two points at one depth form a step: the
// integration runs downward, so the upper end takes the load below the step
// and the lower end the load above it.
double fn_Group_Interval_Integral(const LRFD_Load_Group_Record& g, int m, double u, double o) {
  const auto& P = g.LRFD_Distributed_Point;
  if (o <= P[1].X || u > P[m].X) return 0.0;

  // Upper end.
  int D = 1;
  while (D < m && !(u <= P[D].X)) ++D;
  double qu;
  if (u < P[1].X) {
    u = P[1].X;
    qu = P[1].load;
  } else if (u == P[D].X) {
    qu = P[D].load;
  } else {
    const double z0 = P[D - 1].X, z1 = P[D].X;
    qu = P[D - 1].load + (P[D].load - P[D - 1].load) * (u - z0) / (z1 - z0);
  }
  if (u == P[D].X && D < m && P[D + 1].X == P[D].X) {
    ++D;
    qu = P[D].load;
  }

  // Lower end.
  int H = m;
  double qo;
  if (o > P[m].X) {
    o = P[m].X;
    qo = P[m].load;
  } else {
    H = 1;
    while (H < m && !(o <= P[H].X)) ++H;
    if (o == P[H].X || H == 1) {
      qo = P[H].load;
    } else {
      const double z0 = P[H - 1].X, z1 = P[H].X;
      qo = P[H - 1].load + (P[H].load - P[H - 1].load) * (o - z0) / (z1 - z0);
    }
  }

  // Trapezoidal sum over u, z_D .. z_(H-1), o.
  double sum = 0.0, zp = u, qp = qu;
  for (int j = D; j <= H - 1; ++j) {
    sum += (qp + P[j].load) * (P[j].X - zp) / 2.0;
    zp = P[j].X;
    qp = P[j].load;
  }
  sum += (qp + qo) * (o - zp) / 2.0;
  return sum;
}

// Report block of load type t: the nodes that carry a load of that type.
void Write_Type_Block(int t) {
  const Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  const LRFD_Distributed_Load_State& ls = st.sol.lrfd;
  const int n = pm.i_Number_of_Nodes;
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "Distributed Lateral Loads for LRFD:");
  Write_Line(CH_REPORT, "-----------------------------------");
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "Sums of Distributed Lateral Load Per Unit Length due to " +
                            std::string(ls.LRFD_Load_Type_Names[t].view()));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "   Depth     Distributed Load");
  Put(CH_REPORT, fmt::X(4) + std::string(st.labels.length.view()));
  Tab_To(CH_REPORT, 19);
  Put(CH_REPORT, std::string(st.labels.force.trimmed()) + "/" + std::string(st.labels.length.trimmed()));
  End_Line(CH_REPORT);
  Write_Line(CH_REPORT, "----------   ----------------");
  for (int k = 1; k <= n; ++k) {
    const double q = ls.rd_LRFD_TypeLoad(k, t);
    if (q == 0.0) continue;
    Write_Line(CH_REPORT, fmt::F(pm.rd_X[k], 10, 2) + fmt::X(3) + fmt::F(q, 10, 2));
  }
  Blank_Lines(CH_REPORT, 2);
}

}  // namespace

void Prepare_LRFD_Distributed_Loads() {
  Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  const Loading_Records& ld = st.prob.load;
  LRFD_Distributed_Load_State& ls = st.sol.lrfd;
  Initialize_LRFD_Load_Type_Names();
  ls.rd_LRFD_TypeLoad.fill(0.0);

  const int n = pm.i_Number_of_Nodes;
  const double h = pm.rd_h, L = pm.rd_PileLength;
  if (n < 2 || n > MAX_LRFD_LOAD_NODES || !(h > 0.0)) return;
  const int ngroups = ld.i_Number_of_LRFD_Groups < MAX_LRFD_GROUPS ? ld.i_Number_of_LRFD_Groups
                                                                    : MAX_LRFD_GROUPS;
  for (int t = 1; t <= LRFD_TYPE_COUNT; ++t)
    for (int g = 1; g <= ngroups; ++g) {
      const LRFD_Load_Group_Record& grp = ld.LRFD_Load_Group[g];
      const int m = grp.i_Number_of_Distributed_Points;
      if (grp.i_LoadType != t || m < 1 || m > MAX_DISTRIBUTED_POINTS) continue;
      for (int k = 1; k <= n; ++k) {
        const double u = std::fmax(0.0, pm.rd_X[k] - h / 2.0);
        const double o = std::fmin(L, pm.rd_X[k] + h / 2.0);
        ls.rd_LRFD_TypeLoad(k, t) += fn_Group_Interval_Integral(grp, m, u, o);
      }
    }

  // Averages over the tributary lengths: half an increment at the head and tip.
  for (int t = 1; t <= LRFD_TYPE_COUNT; ++t)
    for (int k = 1; k <= n; ++k)
      ls.rd_LRFD_TypeLoad(k, t) /= (k == 1 || k == n) ? h / 2.0 : h;

  for (int t = 1; t <= LRFD_TYPE_COUNT; ++t) {
    bool loaded = false;
    for (int k = 1; k <= n && !loaded; ++k) loaded = ls.rd_LRFD_TypeLoad(k, t) != 0.0;
    if (loaded) Write_Type_Block(t);
  }
}

double fn_LRFD_Node_Load(int k, int c) {
  const Run_State& st = RS();
  if (k < 1 || k > MAX_LRFD_LOAD_NODES || c < 1 || c > MAX_LRFD_COMBINATIONS) return 0.0;
  const LRFD_Combination_Record& comb = st.prob.load.LRFD_Combination[c];
  double q = 0.0;
  for (int t = 1; t <= LRFD_TYPE_COUNT; ++t)
    q += st.sol.lrfd.rd_LRFD_TypeLoad(k, t) * comb.rd_LoadFactor[t];
  return q;
}

double fn_Case_Distributed_Load(int k, double x) {
  const Run_State& st = RS();
  if (st.prob.opt.b_UseLRFD != L_FALSE) return fn_LRFD_Node_Load(k, st.sol.lc.i_CaseIndex);
  return fn_Distributed_Load(x);
}

}  // namespace ormyx
