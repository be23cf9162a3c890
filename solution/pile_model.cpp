// The node model of the pile: node positions, sections and properties of the
// nodes, nodes of each soil layer, soil movement and distributed load.
#include "solution/pile_model.h"

#include <cmath>
#include <string>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"

namespace ormyx {

namespace {

// The pile cannot be divided into nodes (increments outside 3..500 or a pile
// of no length): a clear input error instead of a division by zero.
bool Check_Node_Count(int increments, double length) {
  if (increments >= 3 && increments <= MAX_INCREMENTS && length > 0.0 && std::isfinite(length))
    return true;
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, Input_Error_Header(83));
  Write_Line(CH_REPORT);
  Write_Line(CH_REPORT, "The pile cannot be divided into nodes: number of increments = " +
                            fmt::I0(increments) + ", pile length = " + fmt::E(length, 12, 4));
  Write_Line(CH_REPORT, "The number of increments must lie between 3 and 500 and the pile length "
                        "must be greater than 0.");
  Record_Input_Error(83);
  return false;
}

// Number of soil layers that the layer lists can hold.
int Layer_Count() {
  int nl = RS().prob.soil.i_Number_of_Layers;
  if (nl < 0) nl = 0;
  if (nl > MAX_LAYERS) nl = MAX_LAYERS;
  return nl;
}

}  // namespace

void Build_Initial_Nodes() {
  Run_State& s = RS();
  Pile_Model& pm = s.sol.pile;
  const int N = s.prob.opt.i_NumberOfIncrements;
  const double length = s.prob.sec.rd_PileLength;
  if (!Check_Node_Count(N, length)) return;
  pm.i_NumberOfIncrements = N;
  pm.i_Number_of_Nodes = N + 1;
  pm.rd_PileLength = length;
  pm.rd_h = length / N;
  for (int k = 1; k <= pm.i_Number_of_Nodes; ++k) pm.rd_X[k] = (k - 1) * pm.rd_h;
  if (pm.rd_X[pm.i_Number_of_Nodes] != length) pm.rd_X[pm.i_Number_of_Nodes] = length;
  Invalidate_Node_Cache();
}

void Build_Nodes() {
  const Pile_Model& pm = RS().sol.pile;
  Build_Nodes_For_Length(pm.b_PileLengthSaved ? pm.rd_SavedPileLength : pm.rd_PileLength);
}

void Build_Nodes_For_Length(double length) {
  Run_State& s = RS();
  Pile_Model& pm = s.sol.pile;
  pm.rd_PileLength = length;
  const int N = pm.i_NumberOfIncrements > 0 ? pm.i_NumberOfIncrements : s.prob.opt.i_NumberOfIncrements;
  if (!Check_Node_Count(N, pm.rd_PileLength)) return;
  pm.i_NumberOfIncrements = N;
  const int n = N + 1;
  pm.i_Number_of_Nodes = n;
  pm.rd_h = pm.rd_PileLength / N;
  const double cb = std::cos(s.prob.load.rd_BatterAngle);
  const bool lrfd = s.prob.opt.b_UseLRFD != L_FALSE;
  Invalidate_Node_Cache();
  for (int k = 1; k <= n; ++k) {
    // The tip lies at the pile length exactly, also for its load and depth.
    const double x = (k == n) ? pm.rd_PileLength : (k - 1) * pm.rd_h;
    pm.rd_X[k] = x;
    pm.rd_Depth[k] = x * cb;
    if (!lrfd) pm.rd_SoilForce[k] = fn_Distributed_Load(x);
    pm.rd_EI[k] = fn_Node_Section_Slow(k).rd_EI;
    pm.rd_Hinge[k] = 0.0;
  }

  // Section of each node: top < x <= bottom, so a boundary node belongs to
  // the upper section.
  const Section_Records& sr = s.prob.sec;
  const int nsec = sr.i_Number_of_Sections;
  pm.i_SectionOfNode[1] = 1;
  for (int k = 2; k <= n; ++k) {
    if (nsec <= 1) {
      pm.i_SectionOfNode[k] = 1;
      continue;
    }
    for (int sc = 1; sc <= nsec && 2 * sc <= sr.i_Number_of_Section_Points; ++sc) {
      const double top = sr.Section_Property_Points[2 * sc - 1].rd_X;
      const double bottom = sr.Section_Property_Points[2 * sc].rd_X;
      if (top < pm.rd_X[k] && pm.rd_X[k] <= bottom) {
        pm.i_SectionOfNode[k] = sc;
        break;
      }
    }
  }

  Assign_Points_To_Layers(n);
  // In an LRFD analysis the case set-up averages the load-group profiles over
  // these nodes and stores the combination's loads.
  Interpolate_Soil_Movement();
}

Section_Properties Section_Properties_At_X(double x) {
  const Section_Records& sr = RS().prob.sec;
  const int P = sr.i_Number_of_Section_Points;
  Section_Properties r;
  if (P < 1) return r;
  auto take = [&](int j) {
    const Section_Property_Point& p = sr.Section_Property_Points[j];
    r.rd_Diameter = p.rd_Diameter;
    r.rd_StructuralWidth = p.rd_StructuralWidth;
    r.rd_Inertia = p.rd_Inertia;
    r.rd_Area = p.rd_Area;
    r.rd_EI = p.rd_Modulus * p.rd_Inertia;
  };
  for (int j = 2; j <= P; ++j) {
    const double dj = sr.Section_Property_Points[j].rd_X;
    if (!(x <= dj)) continue;
    const double d0 = sr.Section_Property_Points[j - 1].rd_X;
    if (x == sr.Section_Property_Points[P].rd_X) {
      take(P);
    } else if (d0 <= x && x < dj) {
      // Linear between the two points; the product E I is interpolated.
      const Section_Property_Point& a = sr.Section_Property_Points[j - 1];
      const Section_Property_Point& b = sr.Section_Property_Points[j];
      const double f = (x - d0) / (dj - d0);
      r.rd_Diameter = a.rd_Diameter + (b.rd_Diameter - a.rd_Diameter) * f;
      r.rd_StructuralWidth = a.rd_StructuralWidth + (b.rd_StructuralWidth - a.rd_StructuralWidth) * f;
      r.rd_Inertia = a.rd_Inertia + (b.rd_Inertia - a.rd_Inertia) * f;
      r.rd_Area = a.rd_Area + (b.rd_Area - a.rd_Area) * f;
      const double ea = a.rd_Modulus * a.rd_Inertia, eb = b.rd_Modulus * b.rd_Inertia;
      r.rd_EI = ea + (eb - ea) * f;
    } else if (x == dj && j + 1 <= P && sr.Section_Property_Points[j + 1].rd_X == dj) {
      take(j + 1);  // section boundary: the top of the lower section
    } else {
      take(j);
    }
    return r;
  }
  take(P);
  return r;
}

const Section_Properties& fn_Node_Section_Slow(int k) {
  Solution_State& sol = RS().sol;
  Node_Property_Cache& c = sol.cache;
  const double x = sol.pile.rd_X[k];
  c.section[k] = Section_Properties_At_X(x);
  c.rd_SectionX[k] = x;
  c.i_SectionStamp[k] = c.i_Generation + 1;
  return c.section[k];
}

double MEI_EI_At_Node(int k, int s, int t, double moment) {
  Run_State& st = RS();
  const Pile_Model& pm = st.sol.pile;
  const MEI_Entry& e = st.sol.mei.entry(s, t);
  const int m = e.i_Number_of_Points;
  // An entry without points gives no stiffness: the node keeps its own.
  if (m < 1) return pm.rd_EI[k];
  const double us = (st.prob.opt.IUNITS == US_UNITS) ? 1000.0 : 1.0;
  const int n = pm.i_Number_of_Nodes;
  if (std::fabs(moment) <= e.rd_Moment[1]) return e.rd_EI[1] * us;
  double phi = 0.0;
  if (k >= 1 && k < n)
    phi = std::fabs((pm.rd_Y[k + 1] - 2.0 * pm.rd_Y[k] + pm.rd_Y[k - 1]) / (pm.rd_h * pm.rd_h));
  if (phi <= e.rd_Curvature[1]) return e.rd_EI[1] * us;
  if (phi < e.rd_Curvature[m]) {
    for (int p = 1; p < m; ++p) {
      const double p0 = e.rd_Curvature[p], p1 = e.rd_Curvature[p + 1];
      if (p0 < phi && phi <= p1) {
        const double m0 = e.rd_Moment[p], m1 = e.rd_Moment[p + 1];
        const double ms = (m0 == m1) ? m0 : m0 + (m1 - m0) * (phi - p0) / (p1 - p0);
        return ms / phi * us;
      }
    }
  }
  // Beyond the table the moment stays at the last table moment.
  return e.rd_Moment[m] / phi * us;
}

void Assign_Points_To_Layers_By(const Node_Array& depth, int n) {
  Run_State& s = RS();
  Pile_Model& pm = s.sol.pile;
  const Soil_Records& soil = s.prob.soil;
  pm.i_TopNodeInLayer.fill(0);
  pm.i_BottomNodeInLayer.fill(0);
  const int nl = Layer_Count();
  if (nl == 0) {
    pm.i_BottomNodeInLayer[1] = n;
    return;
  }
  int stop = 0;
  for (int L = 1; L <= nl; ++L) {
    int k = 1;
    while (k <= n && !(soil.XLayerTop[L] <= depth[k])) ++k;
    if (k > n) continue;  // the layer lies below the last point
    if (soil.XLayerBottom[L] < depth[k]) continue;
    pm.i_TopNodeInLayer[L] = k;
    if (soil.XLayerBottom[L] >= depth[n]) {
      stop = L;
      break;
    }
  }
  if (stop == 0) stop = nl + 1;
  pm.i_BottomNodeInLayer[stop] = n;
  for (int L = 1; L < stop; ++L) {
    if (pm.i_TopNodeInLayer[L] == 0) continue;
    int kl = L + 1;
    while (kl <= stop && pm.i_TopNodeInLayer[kl] == 0) ++kl;
    if (kl <= stop) {
      pm.i_BottomNodeInLayer[L] = pm.i_TopNodeInLayer[kl] - 1;
    } else {
      pm.i_BottomNodeInLayer[L] = -1;
      Write_Line(CH_REPORT, "ERROR 2 in computing i_BottomNodeInLayer");
      Write_Line(CH_REPORT, "Num_Nodes_To_Assign = " + fmt::I0(n));
      Write_Line(CH_REPORT, "ilayer = " + fmt::I0(L));
      Write_Line(CH_REPORT, "klayer = " + fmt::I0(kl));
      Write_Line(CH_REPORT, "jlayer = " + fmt::I0(stop));
      Write_Line(CH_REPORT, "i_Number_of_Layers = " + fmt::I0(soil.i_Number_of_Layers));
    }
  }
}

void Assign_Points_To_Layers(int n) { Assign_Points_To_Layers_By(RS().sol.pile.rd_Depth, n); }

void Interpolate_Soil_Movement() {
  Run_State& s = RS();
  Pile_Model& pm = s.sol.pile;
  const Loading_Records& ld = s.prob.load;
  const int n = pm.i_Number_of_Nodes;
  const int E = ld.i_Number_of_Soil_Movement_Points;
  if (E < 2 || E > MAX_SOIL_MOVEMENT_POINTS) {
    for (int k = 1; k <= n; ++k) pm.rd_SoilMovement[k] = 0.0;
    return;
  }
  const auto& P = ld.Soil_Movement_Point;
  int e = 2;
  for (int k = 1; k <= n; ++k) {
    const double x = pm.rd_X[k];
    if (x < P[1].X || x > P[E].X) {
      pm.rd_SoilMovement[k] = 0.0;
      continue;
    }
    while (e < E && P[e].X < x) ++e;
    const double d0 = P[e - 1].X, d1 = P[e].X;
    const double m0 = P[e - 1].movement, m1 = P[e].movement;
    if (std::fabs(d1 - d0) < 0.00001)
      pm.rd_SoilMovement[k] = (m0 + m1) / 2.0;
    else
      pm.rd_SoilMovement[k] = m0 + (m1 - m0) * (x - d0) / (d1 - d0);
  }
}

double fn_Distributed_Load(double x) {
  Run_State& s = RS();
  const Pile_Model& pm = s.sol.pile;
  const Loading_Records& ld = s.prob.load;
  const int nq = ld.i_Number_of_Distributed_Points;
  if (nq < 1 || nq > MAX_DISTRIBUTED_POINTS) return 0.0;
  const auto& Z = ld.Distributed_Load_Point;
  const double h = pm.rd_h, Lp = pm.rd_PileLength;
  if (!(h > 0.0)) return 0.0;
  const double u = std::fmax(0.0, x - h / 2.0);
  const double o = std::fmin(Lp, x + h / 2.0);
  if (Z[1].X >= o || u > Z[nq].X) return 0.0;
  // The interval clipped to the table; the load is piecewise linear between
  // the table points (two points at one depth make a step).
  const double a = std::fmax(u, Z[1].X);
  const double b = std::fmin(o, Z[nq].X);
  double sum = 0.0;
  for (int j = 1; j < nq; ++j) {
    const double z0 = Z[j].X, z1 = Z[j + 1].X;
    if (!(z1 > z0)) continue;
    const double lo = std::fmax(a, z0), hi = std::fmin(b, z1);
    if (!(hi > lo)) continue;
    const double q0 = Z[j].load, q1 = Z[j + 1].load;
    const double ql = q0 + (q1 - q0) * (lo - z0) / (z1 - z0);
    const double qh = q0 + (q1 - q0) * (hi - z0) / (z1 - z0);
    sum += (ql + qh) * (hi - lo) / 2.0;
  }
  const bool end = (x == 0.0 || x == Lp);
  return sum / (end ? h / 2.0 : h);
}

}  // namespace ormyx
