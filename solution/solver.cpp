// Beam-column solver: recursive elimination from the tip to the head, a small
// head system for the two head conditions, back-substitution down the pile.
#include "solution/solver.h"

#include <cmath>

#include "engine/format.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "engine/run_state.h"

namespace ormyx {

int Solve_Head_System(Table<double, 5, 5>& F, List<double, 5>& G, List<double, 5>& YG, int m,
                      double& pivot) {
  for (int i = 1; i < m; ++i) {
    if (std::fabs(F(i, i)) < 1e-50) {
      pivot = F(i, i);
      return i;
    }
    for (int r = i + 1; r <= m; ++r) {
      const double f = F(r, i) / F(i, i);
      if (f == 0.0) continue;
      for (int c = i; c <= m; ++c) F(r, c) -= f * F(i, c);
      G[r] -= f * G[i];
    }
  }
  for (int i = m; i >= 1; --i) {
    double s = G[i];
    for (int c = i + 1; c <= m; ++c) s -= F(i, c) * YG[c];
    YG[i] = s / F(i, i);
  }
  pivot = 0.0;
  return 0;
}

double fn_Tip_Shear(double y_tip, double previous) {
  const Loading_Records& ld = RS().prob.load;
  const int J = ld.i_Number_of_Tip_Shear_Points;
  if (J < 1 || J > MAX_TIP_SHEAR_POINTS) return 0.0;
  const auto& P = ld.Tip_Shear_Point;
  const double u = std::fabs(y_tip);
  double v = 0.0;
  bool found = false;
  for (int j = 2; j <= J; ++j) {
    if (u <= P[j].displacement) {
      const double d0 = P[j - 1].displacement, d1 = P[j].displacement;
      v = (d1 == d0) ? P[j].force
                     : P[j - 1].force + (u - d0) * (P[j].force - P[j - 1].force) / (d1 - d0);
      found = true;
      break;
    }
  }
  if (!found) {
    if (u > P[J].displacement) {
      v = P[J].force;
    } else {
      return previous;
    }
  }
  return y_tip < 0.0 ? -std::fabs(v) : std::fabs(v);
}

namespace {

// The larger of two changes; a change that is not a number stays visible.
inline double Larger(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::nan("");
  return a > b ? a : b;
}

void Write_Small_Pivot_Block(Channel ch, int row, double pivot) {
  Blank_Lines(ch, 2);
  Write_Line(ch, "**** Runtime Error No. 11 ****");
  Write_Line(ch);
  Write_Line(ch, "Problem:  Solution failed due to small pivot value.");
  Write_Line(ch, "          Node number = " + fmt::I0(row));
  Write_Line(ch, "          Pivot value = " + fmt::E(pivot, 12, 5));
  Write_Line(ch);
  Write_Line(ch, "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ");
  Write_Line(ch, "          Reduce the load on the pile and repeat the analysis.");
  Write_Line(ch, "          You may also consider increasing pile diameter or pile length.");
}

void Write_Head_System_Dump(const Solver_State& sv) {
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "F Matrix ");
  Write_Line(CH_REPORT);
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) Put(CH_REPORT, fmt::E(sv.F(i, j), 12, 4));
    End_Line(CH_REPORT);
  }
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "G Vector ");
  Write_Line(CH_REPORT);
  for (int i = 1; i <= 5; ++i) Write_Line(CH_REPORT, fmt::E(sv.G[i], 12, 4));
  Blank_Lines(CH_REPORT, 2);
  Write_Line(CH_REPORT, "YG Vector");
  Write_Line(CH_REPORT);
  for (int i = 1; i <= 5; ++i) Write_Line(CH_REPORT, fmt::E(sv.YG[i], 12, 4));
}

}  // namespace

void Solve_Beam_Column(int iteration) {
  Run_State& st = RS();
  Pile_Model& pm = st.sol.pile;
  Solver_State& sv = st.sol.solver;
  const Load_Case_State& lc = st.sol.lc;
  const int n = pm.i_Number_of_Nodes;
  if (n < 4) return;  // the node model refuses fewer than 4 nodes
  const double h = pm.rd_h;
  const double h2 = h * h, h3 = h2 * h, h4 = h2 * h2;
  const double Q = lc.rd_AxialThrust;
  const double Qh2 = Q * h2;
  Node_Array& R = pm.rd_EI;
  Node_Array& Es = pm.rd_SoilModulus;
  Node_Array& W = pm.rd_SoilForce;
  Node_Array& y = pm.rd_Y;
  Node_Array& A = sv.rd_A;
  Node_Array& B = sv.rd_B;
  Node_Array& C = sv.rd_C;
  Node_Array& D = sv.rd_D;
  Node_Array& E = sv.rd_E;
  R[0] = R[1];

  if (iteration <= 1) sv.rd_dYmax_Previous = 0.0;
  sv.rd_TipShear = fn_Tip_Shear(y[n], sv.rd_TipShear);
  const double Vt = sv.rd_TipShear;

  // Tip node: zero moment and the tip shear.
  A[n] = Es[n] * h4 + R[n - 1] + R[n] - 2.0 * Qh2;
  C[n] = (R[n - 1] + R[n]) / A[n];
  B[n] = 2.0 * (R[n - 1] + R[n] - Qh2) / A[n];
  D[n] = W[n] * h4 / A[n];
  E[n] = -2.0 * Vt * h3 / A[n];
  // Node n - 1 with y(n+1) = 2 y(n) - y(n-1).
  {
    const int m = n - 1;
    const double P = 2.0 * R[m] - Qh2;
    A[m] = R[m - 1] + 4.0 * R[m] - 2.0 * Qh2 + Es[m] * h4 - P * B[n];
    C[m] = R[m - 1] / A[m];
    B[m] = (2.0 * R[m - 1] + 2.0 * R[m] * (1.0 - C[n]) - Qh2 * (1.0 - C[n])) / A[m];
    D[m] = (W[m] * h4 + P * D[n]) / A[m];
    E[m] = P * E[n] / A[m];
  }
  for (int m = n - 2; m >= 1; --m) {
    const double T = R[m + 1] * (2.0 - B[m + 2]);
    const double S = 2.0 * R[m] + T - Qh2;
    A[m] = Es[m] * h4 + R[m - 1] + (2.0 * R[m] - Qh2) * (2.0 - B[m + 1]) +
           R[m + 1] * ((1.0 - C[m + 2]) - B[m + 1] * (2.0 - B[m + 2]));
    C[m] = R[m - 1] / A[m];
    B[m] = (2.0 * (R[m - 1] + R[m]) - (1.0 - C[m + 1]) * Qh2 - C[m + 1] * (2.0 * R[m] + T)) / A[m];
    D[m] = (W[m] * h4 + S * D[m + 1] - R[m + 1] * D[m + 2]) / A[m];
    E[m] = (S * E[m + 1] - R[m + 1] * E[m + 2]) / A[m];
  }

  // Head system for the two head conditions.
  const double R1 = R[1];
  const double beta = 2.0 - Qh2 / R1;
  auto G_of = [&](int k) { return D[k] + E[k]; };
  double y1, y2, y0, ym1;
  const int type = lc.i_LoadingType;
  if (type == 5) {
    // The given deflection is the head's own deflection, as in loading type 4
    // and as reported, also when the soil moves: a head held by its structure
    // does not move with the soil.
    y1 = lc.rd_Yt;
    const double T = 2.0 * h * lc.rd_St;
    y2 = (B[2] * y1 + C[2] * T + G_of(2)) / (1.0 + C[2]);
    y0 = y2 - T;
    ym1 = (B[1] * y0 + G_of(1) - y1) / C[1];
  } else {
    // YG keeps the last solution, so that the dump after a failed solve shows
    // the deflections the system started from.
    sv.F.fill(0.0);
    sv.G.fill(0.0);
    int m = 5;
    if (type == 4) {
      m = 4;
      // Unknowns y2, y1, y0, y-1.
      sv.F(1, 1) = 1.0; sv.F(1, 2) = -2.0; sv.F(1, 3) = 1.0;
      sv.G[1] = lc.rd_Mt * h2 / R1;
      sv.F(2, 2) = 1.0;
      sv.G[2] = lc.rd_Yt;
      sv.F(3, 1) = 1.0; sv.F(3, 2) = -B[2]; sv.F(3, 3) = C[2];
      sv.G[3] = G_of(2);
      sv.F(4, 2) = 1.0; sv.F(4, 3) = -B[1]; sv.F(4, 4) = C[1];
      sv.G[4] = G_of(1);
    } else {
      // Unknowns y3, y2, y1, y0, y-1. The head shear is the difference of the
      // moments at nodes 2 and 0, each with its own stiffness (R0 = R1), as
      // at every other node: the pile then carries exactly the given shear
      // also where the stiffness changes just below the head.
      const double r = R[2] / R1;
      sv.F(1, 1) = r; sv.F(1, 2) = -2.0 * r + Qh2 / R1; sv.F(1, 3) = r - 1.0;
      sv.F(1, 4) = beta; sv.F(1, 5) = -1.0;
      sv.G[1] = 2.0 * lc.rd_Pt * h3 / R1;
      sv.F(2, 1) = 1.0; sv.F(2, 2) = -B[3]; sv.F(2, 3) = C[3];
      sv.G[2] = G_of(3);
      sv.F(3, 2) = 1.0; sv.F(3, 3) = -B[2]; sv.F(3, 4) = C[2];
      sv.G[3] = G_of(2);
      if (type == 2) {
        sv.F(4, 2) = 1.0; sv.F(4, 4) = -1.0;
        sv.G[4] = 2.0 * h * lc.rd_St;
      } else if (type == 3) {
        const double t = h * lc.rd_Kr / (2.0 * R1);
        sv.F(4, 2) = 1.0 - t; sv.F(4, 3) = -2.0; sv.F(4, 4) = 1.0 + t;
        sv.G[4] = 0.0;
      } else {
        sv.F(4, 2) = 1.0; sv.F(4, 3) = -2.0; sv.F(4, 4) = 1.0;
        sv.G[4] = lc.rd_Mt * h2 / R1;
      }
      sv.F(5, 3) = 1.0; sv.F(5, 4) = -B[1]; sv.F(5, 5) = C[1];
      sv.G[5] = G_of(1);
    }
    double pivot = 0.0;
    const int bad = Solve_Head_System(sv.F, sv.G, sv.YG, m, pivot);
    if (bad != 0) {
      Write_Small_Pivot_Block(CH_REPORT, bad, pivot);
      Write_Small_Pivot_Block(CH_MESSAGE, bad, pivot);
      Write_Head_System_Dump(sv);
      Record_Runtime_Error(11);
      return;
    }
    if (m == 4) {
      y2 = sv.YG[1]; y1 = sv.YG[2]; y0 = sv.YG[3]; ym1 = sv.YG[4];
    } else {
      y2 = sv.YG[2]; y1 = sv.YG[3]; y0 = sv.YG[4]; ym1 = sv.YG[5];
    }
  }

  // Back-substitution down the pile and the change measures.
  double dmax = Larger(std::fabs(y[1] - y1), std::fabs(y[2] - y2));
  y[1] = y1;
  y[2] = y2;
  y[0] = y0;
  y[-1] = ym1;
  for (int k = 3; k <= n; ++k) {
    const double yn = D[k] + E[k] + B[k] * y[k - 1] - C[k] * y[k - 2];
    dmax = Larger(dmax, std::fabs(y[k] - yn));
    y[k] = yn;
  }
  sv.rd_dYmax = dmax;
  sv.rd_Delta_dYmax = std::fabs(dmax - sv.rd_dYmax_Previous);
  sv.rd_dYmax_Previous = dmax;
  y[n + 1] = 2.0 * y[n] - y[n - 1];
}

}  // namespace ormyx
