#include "pycurves/py_framework.h"

#include <cmath>
#include <numbers>

#include "engine/messages.h"
#include "engine/run_state.h"
#include "pycurves/py_models.h"
#include "pycurves/soil_properties.h"
#include "solution/lrfd_loads.h"
#include "solution/pile_model.h"

namespace ormyx {

namespace {

// The model table, in the order the keywords are compared.
const Py_Model_Entry PY_MODEL_TABLE[] = {
    {"SoftClay", Py_Soft_Clay, false},
    {"SoftClyJ", Py_Soft_Clay_J, false},
    {"StfClyBW", Py_Stiff_Clay_Water, false},
    {"StfClyAW", Py_Stiff_Clay_No_Water, false},
    {"StfClyAK", Py_Stiff_Clay_No_Water_K, false},
    {"Sand", Py_Reese_Sand, false},
    {"API Sand", Py_API_Sand, false},
    {"Liq Sand", Py_Liquefied_Sand, false},
    {"Cem Silt", Py_Cemented_Silt, false},
    {"User p-y", Py_User_Input, false},
    {"WeakRock", Py_Weak_Rock, true},
    {"Vuggy LS", Py_Vuggy_Limestone, true},
    {"MassRock", Py_Massive_Rock, true},
    {"KS Loess", Py_Loess, false},
    {"Piedmont", Py_Piedmont, true},
    {"Elast SG", Py_Elastic_Subgrade, true},
};


// Point range of layer L from the layer's first and last entries, kept
// within the points that exist in the current mode.
void Set_Point_Range(int L, int limit) {
  Py_State& py = RS().py;
  const Pile_Model& pm = RS().sol.pile;
  py.i_FirstPoint = pm.i_TopNodeInLayer(L);
  py.i_LastPoint = pm.i_BottomNodeInLayer(L);
  if (py.i_LastPoint > limit) py.i_LastPoint = limit;
}

int Point_Limit() {
  const Run_State& s = RS();
  int n = s.py.i_ReportMode != 0 ? s.py.i_ReportMode : s.sol.pile.i_Number_of_Nodes;
  if (n > MAX_NODES) n = MAX_NODES;
  return n;
}

}  // namespace

const Py_Model_Entry* fn_Py_Model_Of_Layer(int L) {
  const std::string_view kw = fn_Layer_Keyword(L);
  if (kw.empty()) return nullptr;
  for (const Py_Model_Entry& e : PY_MODEL_TABLE)
    if (kw == e.keyword) return &e;
  return nullptr;
}

bool fn_Layer_Keyword_Is(int L, std::string_view kw) { return fn_Layer_Keyword(L) == kw; }

void Py_Layer_Pass() {
  Run_State& s = RS();
  Py_State& py = s.py;
  const Pile_Model& pm = s.sol.pile;
  py.i_ReportMode = 0;
  py.i_RockLayerCount = 0;
  const int nl = fn_Layer_Count();
  for (int L = 1; L <= nl; ++L) {
    if (pm.i_TopNodeInLayer(L) == 0) continue;
    const Py_Model_Entry* e = fn_Py_Model_Of_Layer(L);
    if (!e) continue;
    Set_Point_Range(L, Point_Limit());
    if (e->routine) e->routine(L);
    if (Error_Recorded()) return;
    if (e->keyword == "User p-y") continue;
    // A weak-rock layer counts itself before the test, so it always flags
    // itself; other rock-type layers flag only the layers below them.
    if (e->keyword == "WeakRock") ++py.i_RockLayerCount;
    if (py.i_RockLayerCount >= 1) py.ib_RockAbove(L) = L_TRUE;
    if (e->rock && e->keyword != "WeakRock") ++py.i_RockLayerCount;
  }
}

void Set_Py_Report_Mode(int n) {
  RS().py.i_ReportMode = n > 0 ? n : 0;
  Invalidate_Node_Cache();  // the points are other depths now
}
bool fn_Py_Report_Mode() { return RS().py.i_ReportMode != 0; }

void Py_Report_Layer(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  if (L < 1 || L > fn_Layer_Count() || !fn_Py_Report_Mode()) return;
  py.i_RockLayerCount = py.ib_RockAbove(L) != 0 ? 1 : 0;
  if (s.sol.pile.i_TopNodeInLayer(L) == 0) return;
  const Py_Model_Entry* e = fn_Py_Model_Of_Layer(L);
  if (!e || !e->routine) return;
  Set_Point_Range(L, Point_Limit());
  e->routine(L);
}

void Py_Setup_Vuggy_Limestone_Layer(int L) {
  Run_State& s = RS();
  Py_State& py = s.py;
  if (L < 1 || L > fn_Layer_Count() || s.sol.pile.i_TopNodeInLayer(L) == 0) return;
  const Py_Model_Entry* e = fn_Py_Model_Of_Layer(L);
  if (!e) return;
  py.i_ReportMode = 0;
  Set_Point_Range(L, Point_Limit());
  if (e->routine) e->routine(L);
  if (Error_Recorded()) return;
  if (py.i_RockLayerCount >= 1) py.ib_RockAbove(L) = L_TRUE;
  ++py.i_RockLayerCount;
}

bool fn_Py_Layer_Lacks_Equivalent_Depth(int L) {
  if (L < 1 || L > MAX_LAYERS) return true;
  return RS().py.rd_EquivDepthTop(L) == EQUIV_DEPTH_UNSET;
}

bool fn_Py_Layer_Has_Rock_Above(int L) {
  if (L < 1 || L > MAX_LAYERS) return false;
  return RS().py.ib_RockAbove(L) != 0;
}

void Compute_Equivalent_Depth(int L) {
  Py_State& py = RS().py;
  if (L < 2 || L > fn_Layer_Count()) return;
  double Ftot = 0.0;
  for (int i = 1; i <= L - 1; ++i) {
    if (py.rd_LayerResistance(i) < 0.01) py.rd_LayerResistance(i) = py.rd_LiquefiedLayerResistance(i);
    Ftot += py.rd_LayerResistance(i);
    if (Ftot > 1.0e20) Ftot = 100.0;
  }
  double heq = 0.0;
  if (fn_Layer_Keyword_Is(L, "SoftClay"))
    heq = fn_Soft_Clay_Equivalent_Depth(L, Ftot, false);
  else if (fn_Layer_Keyword_Is(L, "SoftClyJ"))
    heq = fn_Soft_Clay_Equivalent_Depth(L, Ftot, true);
  else if (fn_Layer_Keyword_Is(L, "StfClyBW") || fn_Layer_Keyword_Is(L, "StfClyAW") ||
           fn_Layer_Keyword_Is(L, "StfClyAK"))
    heq = fn_Stiff_Clay_Equivalent_Depth(L, Ftot);
  else if (fn_Layer_Keyword_Is(L, "Sand") || fn_Layer_Keyword_Is(L, "API Sand"))
    heq = fn_Sand_Equivalent_Depth(L, Ftot);
  else if (fn_Layer_Keyword_Is(L, "Cem Silt"))
    heq = fn_Cemented_Silt_Equivalent_Depth(L, Ftot);
  else
    return;  // the other models take no part in the correction: the stored depth stays
  if (Error_Recorded()) return;
  py.rd_EquivDepthTop(L) = heq;
}

double fn_Sloping_Ground_Factor(double y) {
  const double s = RS().prob.load.rd_SlopeMinusBatter;
  const double a = std::fabs(s);
  if (std::fabs(y) <= 1.0e-20 || a <= 1.0e-20) return 1.0;
  const bool same = (y > 1.0e-20 && s > 1.0e-20) || (y < -1.0e-20 && s < -1.0e-20);
  if (same) return 1.0 / (1.0 + std::tan(a));
  return std::cos(a) * 0.70710677 / std::cos(a + std::numbers::pi / 4.0);
}

bool fn_Soil_Movement_Present() { return RS().prob.load.i_Number_of_Soil_Movement_Points >= 1; }

bool fn_Py_Layer_Top(int L, Py_Layer_Top& t) {
  const Pile_Model& pm = RS().sol.pile;
  t = Py_Layer_Top{};
  t.node = pm.i_TopNodeInLayer(L);
  if (t.node < 1) return false;
  t.xv = pm.rd_Depth(t.node);
  t.b = fn_Node_Section(t.node).rd_Diameter;
  t.c = fn_c(t.xv);
  if (Error_Recorded()) return false;
  t.gamma = fn_Gamma_Average(t.xv);
  return !Error_Recorded();
}

double fn_Deflection_At_Depth(double xv) {
  const Pile_Model& pm = RS().sol.pile;
  int n = pm.i_Number_of_Nodes;
  if (n > MAX_NODES) n = MAX_NODES;
  if (n < 1) return 0.0;
  if (!(xv > pm.rd_Depth(1))) return pm.rd_Y(1);
  if (!(xv < pm.rd_Depth(n))) return pm.rd_Y(n);
  for (int i = 1; i < n; ++i) {
    const double d0 = pm.rd_Depth(i), d1 = pm.rd_Depth(i + 1);
    if (d0 <= xv && xv <= d1) {
      if (d1 == d0) return pm.rd_Y(i);
      return pm.rd_Y(i) + (pm.rd_Y(i + 1) - pm.rd_Y(i)) * (xv - d0) / (d1 - d0);
    }
  }
  return pm.rd_Y(n);
}

bool Py_Begin_Point(int L, int k, Py_Point& pt) {
  const Run_State& s = RS();
  const Py_State& py = s.py;
  const Pile_Model& pm = s.sol.pile;
  pt.L = L;
  pt.k = k;
  pt.first = k == py.i_FirstPoint;
  pt.last = k == py.i_LastPoint;
  pt.report = py.i_ReportMode != 0;
  if (pt.report) {
    pt.xv = pm.rd_X(k);
    pt.x = pt.xv;
    pt.ys = 0.0;
    pt.y_sign = fn_Deflection_At_Depth(pt.xv);
  } else {
    pt.xv = pm.rd_Depth(k);
    pt.x = pm.rd_X(k);
    pt.ys = fn_Soil_Movement_Present() ? pm.rd_SoilMovement(k) : 0.0;
    pt.y_sign = pm.rd_Y(k);
  }
  pt.z0 = pt.xv - s.prob.soil.rd_GroundSurfaceDepth;
  pt.b = fn_Node_Section(k).rd_Diameter;
  pt.pm = fn_p_Multiplier(pt.x);
  pt.ym = fn_y_Multiplier(pt.x);
  pt.y_rel = pt.report ? 0.0 : std::fabs(pm.rd_Y(k) - pt.ys) / pt.ym;
  return !Error_Recorded();
}

Soil_Node_Values* fn_New_Soil_Values(const Py_Point& pt) {
  if (pt.report) return nullptr;
  Run_State& s = RS();
  Soil_Node_Values& v = s.py.soil_node(pt.k);
  v = Soil_Node_Values{};
  v.i_Stamp = s.sol.cache.i_Generation + 1;
  v.i_Layer = pt.L;
  v.rd_Depth = pt.xv;
  return &v;
}

double fn_Effective_Depth(const Py_Point& pt, Equivalent_Depth_Rule rule) {
  Run_State& s = RS();
  const Soil_Records& soil = s.prob.soil;
  const Py_State& py = s.py;
  const int L = pt.L;
  if (L <= 1) return pt.z0;
  double z = pt.z0;
  if (py.i_RockLayerCount == 0) {
    if (!pt.report && pt.first &&
        (rule == EQUIV_EVERY_PASS || py.rd_EquivDepthTop(L) == EQUIV_DEPTH_UNSET)) {
      Compute_Equivalent_Depth(L);
      if (Error_Recorded()) return 0.0;
    }
    z = pt.xv - soil.XLayerTop(L) + py.rd_EquivDepthTop(L);
  }
  // Layers wholly above the pile head: depth from the top of the profile.
  if (soil.XLayerBottom(1) < -1.0e-8 || soil.XLayerBottom(2) < -1.0e-8) z = pt.xv - soil.XLayerTop(1);
  return z;
}

bool fn_Py_Threshold_Hold(int k, bool below) {
  Py_State& py = RS().py;
  if (k < 1 || k > MAX_NODES) return false;
  int32_t& flips = py.i_ThresholdFlips(k);
  int32_t& branch = py.i_ThresholdBranch(k);
  if (flips >= PY_HOLD_AFTER_FLIPS) return true;
  const int32_t now = below ? -1 : 1;
  if (branch != 0 && branch != now) ++flips;
  branch = now;
  return flips >= PY_HOLD_AFTER_FLIPS;
}

void Py_Clear_Threshold_Holds() {
  Py_State& py = RS().py;
  py.i_ThresholdBranch.fill(0);
  py.i_ThresholdFlips.fill(0);
}

void Py_Store_Soil_Force(const Py_Point& pt) {
  if (pt.report || !fn_Soil_Movement_Present()) return;
  Pile_Model& pm = RS().sol.pile;
  pm.rd_SoilForce(pt.k) = pt.ys * pm.rd_SoilModulus(pt.k) + fn_Case_Distributed_Load(pt.k, pt.x);
}

double& Py_Sum_Layer_Resistance(const Py_Point& pt, double r, double& r_prev) {
  Run_State& s = RS();
  double& R = s.py.rd_LayerResistance(pt.L);
  if (pt.first)
    R = 0.0;
  else
    R += (r_prev + r) * s.sol.pile.rd_h / 2.0;
  if (pt.last) R += r * (s.prob.soil.XLayerBottom(pt.L) - pt.x);
  r_prev = r;
  return R;
}

bool fn_Py_Ground_Above_Head(int L) { return RS().prob.soil.rd_GroundSurfaceDepth < -1.0e-5 && L == 1; }

}  // namespace ormyx
