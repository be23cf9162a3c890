// The node model: node positions, sections and properties along the pile,
// nodes of the soil layers, soil movement, distributed load and the nodal
// stiffness lookup in the moment-EI table.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/run_files.h"
#include "solver_fixture.h"
#include "test_support.h"

namespace {

using namespace solver_test;

void Build(double L, int N) {
  Setup_Elastic_Pile(L, N, 1.0e9);
  Build_Pile_Nodes();
  Build_Nodes();
}

TEST(Nodes, TipLiesAtPileLengthAndDepthsFollowBatter) {
  Setup_Elastic_Pile(30.0, 100, 1.0e9);
  RS().prob.load.rd_BatterAngle = 10.0 * 3.141592653589793 / 180.0;
  Build_Pile_Nodes();
  Build_Nodes();
  const Pile_Model& pm = RS().sol.pile;
  EXPECT_EQ(pm.i_Number_of_Nodes, 101);
  EXPECT_DOUBLE_EQ(pm.rd_h, 0.3);
  EXPECT_EQ(pm.rd_X[101], 30.0);
  EXPECT_DOUBLE_EQ(pm.rd_X[37], 36 * 0.3);
  EXPECT_DOUBLE_EQ(pm.rd_Depth[37], 36 * 0.3 * std::cos(10.0 * 3.141592653589793 / 180.0));
}

TEST(Nodes, BadIncrementCountIsAnInputErrorNotADivision) {
  Setup_Elastic_Pile(30.0, 100, 1.0e9);
  RS().prob.opt.i_NumberOfIncrements = 0;
  Build_Pile_Nodes();
  EXPECT_EQ(RS().status.i_ErrorNumber, 183);
  EXPECT_EQ(RS().sol.pile.i_Number_of_Nodes, 0);
}

// Two sections: 0..10 (width 24, EI 1e9) and 10..30 (width 36, EI 4e9).
void Two_Sections() {
  Setup_Elastic_Pile(30.0, 30, 1.0e9, 24.0);
  Section_Records& sr = RS().prob.sec;
  sr.i_Number_of_Sections = 2;
  sr.i_Number_of_Section_Points = 4;
  sr.Section_Property_Points[2].rd_X = 10.0;
  sr.Pile_Section[1].rd_XBottom = 10.0;
  sr.Pile_Section[1].rd_Length = 10.0;
  sr.Pile_Section[2] = sr.Pile_Section[1];
  sr.Pile_Section[2].rd_XTop = 10.0;
  sr.Pile_Section[2].rd_XBottom = 30.0;
  sr.Pile_Section[2].rd_Length = 20.0;
  for (int j = 3; j <= 4; ++j) {
    Section_Property_Point& p = sr.Section_Property_Points[j];
    p = sr.Section_Property_Points[1];
    p.rd_X = (j == 3) ? 10.0 : 30.0;
    p.rd_Diameter = 36.0;
    p.rd_Modulus = 4.0e9;
  }
}

TEST(Sections, BoundaryNodeBelongsToUpperSectionWithLowerProperties) {
  Two_Sections();
  Build_Pile_Nodes();
  Build_Nodes();
  const Pile_Model& pm = RS().sol.pile;
  EXPECT_EQ(pm.rd_X[11], 10.0);
  EXPECT_EQ(pm.i_SectionOfNode[1], 1);
  EXPECT_EQ(pm.i_SectionOfNode[10], 1);
  EXPECT_EQ(pm.i_SectionOfNode[11], 1);
  EXPECT_EQ(pm.i_SectionOfNode[12], 2);
  EXPECT_EQ(pm.i_SectionOfNode[31], 2);
  const Section_Properties p = Section_Properties_At_X(10.0);
  EXPECT_EQ(p.rd_Diameter, 36.0);
  EXPECT_EQ(p.rd_EI, 4.0e9);
  EXPECT_EQ(pm.rd_EI[11], 4.0e9);
  EXPECT_EQ(pm.rd_EI[10], 1.0e9);
  EXPECT_EQ(Section_Properties_At_X(30.0).rd_Diameter, 36.0);
  EXPECT_EQ(Section_Properties_At_X(31.0).rd_Diameter, 36.0);  // beyond: the last point
}

TEST(Sections, TaperInterpolatesTheProductEI) {
  Setup_Elastic_Pile(10.0, 40, 1.0);
  Section_Records& sr = RS().prob.sec;
  sr.Section_Property_Points[1] = {0.0, 20.0, 0.0, 10.0, 2.0, 100.0};
  sr.Section_Property_Points[2] = {10.0, 30.0, 0.0, 20.0, 4.0, 200.0};
  const Section_Properties m = Section_Properties_At_X(5.0);
  EXPECT_DOUBLE_EQ(m.rd_EI, 50.0);  // (20 + 80) / 2, not 3 x 15
  EXPECT_DOUBLE_EQ(m.rd_Diameter, 25.0);
  EXPECT_DOUBLE_EQ(m.rd_Inertia, 15.0);
  EXPECT_DOUBLE_EQ(m.rd_Area, 150.0);
  // The head of a tapered section takes the values of the section top.
  EXPECT_DOUBLE_EQ(Section_Properties_At_X(0.0).rd_Diameter, 20.0);
  EXPECT_DOUBLE_EQ(Section_Properties_At_X(0.0).rd_EI, 20.0);
  EXPECT_DOUBLE_EQ(Section_Properties_At_X(10.0).rd_EI, 80.0);
}

void Set_Layers(std::initializer_list<std::pair<double, double>> layers) {
  Soil_Records& soil = RS().prob.soil;
  soil.i_Number_of_Layers = 0;
  for (auto [top, bottom] : layers) {
    const int L = ++soil.i_Number_of_Layers;
    soil.XLayerTop[L] = top;
    soil.XLayerBottom[L] = bottom;
    soil.i_SoilLayer_py_Type[L] = SOIL_SOFT_CLAY;
  }
  soil.rd_GroundSurfaceDepth = soil.XLayerTop[1];
}

TEST(Layers, NodesOfEachLayerAndThinLayerWithoutNodes) {
  Setup_Elastic_Pile(30.0, 30, 1.0e9);
  Set_Layers({{0.0, 10.0}, {10.0, 10.5}, {10.5, 30.0}});
  Build_Pile_Nodes();
  Build_Nodes();
  const Pile_Model& pm = RS().sol.pile;
  // Node 11 lies at the top of layer 2, which ends before node 12.
  EXPECT_EQ(pm.i_TopNodeInLayer[1], 1);
  EXPECT_EQ(pm.i_BottomNodeInLayer[1], 10);
  EXPECT_EQ(pm.i_TopNodeInLayer[2], 11);
  EXPECT_EQ(pm.i_BottomNodeInLayer[2], 11);
  EXPECT_EQ(pm.i_TopNodeInLayer[3], 12);
  EXPECT_EQ(pm.i_BottomNodeInLayer[3], 31);

  Set_Layers({{0.0, 10.2}, {10.2, 10.7}, {10.7, 30.0}});
  Build_Nodes();
  EXPECT_EQ(pm.i_TopNodeInLayer[2], 0);
  EXPECT_EQ(pm.i_BottomNodeInLayer[2], 0);
  EXPECT_EQ(pm.i_BottomNodeInLayer[1], 11);
  EXPECT_EQ(pm.i_TopNodeInLayer[3], 12);
}

TEST(Layers, BatteredPileAssignsByVerticalDepth) {
  Setup_Elastic_Pile(30.0, 30, 1.0e9);
  RS().prob.load.rd_BatterAngle = 10.0 * 3.141592653589793 / 180.0;
  Set_Layers({{0.0, 9.9}, {9.9, 40.0}});
  Build_Pile_Nodes();
  Build_Nodes();
  const Pile_Model& pm = RS().sol.pile;
  // Node 11 (10 along the axis) lies at depth 9.848: still in layer 1.
  EXPECT_EQ(pm.i_BottomNodeInLayer[1], 11);
  EXPECT_EQ(pm.i_TopNodeInLayer[2], 12);
  EXPECT_EQ(pm.i_BottomNodeInLayer[2], 31);
}

TEST(Layers, NoLayersAndProfileEndingAboveTheTip) {
  Setup_Elastic_Pile(30.0, 30, 1.0e9);
  Build_Pile_Nodes();
  Build_Nodes();
  EXPECT_EQ(RS().sol.pile.i_BottomNodeInLayer[1], 31);
  EXPECT_EQ(RS().sol.pile.i_TopNodeInLayer[1], 0);

  // The last layer ends above the tip: its last node cannot be found; the
  // diagnostic is written and the run goes on.
  const std::string dir = ormyx_test::Make_Temp_Dir("pile_layers");
  ASSERT_TRUE(Open_Output(CH_REPORT, dir + "/report.out"));
  Set_Layers({{0.0, 10.0}, {10.0, 20.0}});
  Build_Nodes();
  Close_Output(CH_REPORT);
  const Pile_Model& pm = RS().sol.pile;
  EXPECT_EQ(pm.i_BottomNodeInLayer[1], 10);
  EXPECT_EQ(pm.i_BottomNodeInLayer[2], -1);
  EXPECT_EQ(pm.i_BottomNodeInLayer[3], 31);
  EXPECT_EQ(RS().status.i_ErrorNumber, 0);
  EXPECT_EQ(ormyx_test::Read_File(dir + "/report.out"),
            "ERROR 2 in computing i_BottomNodeInLayer\nNum_Nodes_To_Assign = 31\nilayer = 2\n"
            "klayer = 4\njlayer = 3\ni_Number_of_Layers = 2\n");
}

TEST(Soil_Movement, InterpolatedAlongTheAxisZeroOutsideProfile) {
  Setup_Elastic_Pile(10.0, 40, 1.0e9);
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Soil_Movement_Points = 4;
  ld.Soil_Movement_Point[1] = {0.0, 1.0};
  ld.Soil_Movement_Point[2] = {4.0, 0.2};
  ld.Soil_Movement_Point[3] = {4.0, 0.4};  // a step at 4
  ld.Soil_Movement_Point[4] = {5.0, 0.0};
  Build_Pile_Nodes();
  Build_Nodes();
  const Pile_Model& pm = RS().sol.pile;  // h = 0.25
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[1], 1.0);
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[9], 0.6);    // x = 2
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[17], 0.2);   // x = 4: first point at or below
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[19], 0.2);   // x = 4.5, between 4 (0.4) and 5 (0)
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[21], 0.0);   // x = 5
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[25], 0.0);   // x = 6, below the profile
}

TEST(Soil_Movement, PointsAtOneDepthAverage) {
  Setup_Elastic_Pile(10.0, 40, 1.0e9);
  Loading_Records& ld = RS().prob.load;
  ld.i_Number_of_Soil_Movement_Points = 3;
  ld.Soil_Movement_Point[1] = {1.0, 0.2};
  ld.Soil_Movement_Point[2] = {1.0, 0.4};
  ld.Soil_Movement_Point[3] = {5.0, 0.0};
  Build_Pile_Nodes();
  Build_Nodes();
  const Pile_Model& pm = RS().sol.pile;
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[1], 0.0);   // x = 0 above the profile
  EXPECT_DOUBLE_EQ(pm.rd_SoilMovement[5], 0.3);   // x = 1: two points at one depth
}

// Average distributed load over the tributary length, worked by hand (h = 1).
TEST(Distributed_Load, AveragesOverTributaryLength) {
  Setup_Elastic_Pile(30.0, 30, 1.0e9);
  Build_Pile_Nodes();
  Build_Nodes();
  Loading_Records& ld = RS().prob.load;
  EXPECT_EQ(fn_Distributed_Load(3.0), 0.0);  // no table
  ld.i_Number_of_Distributed_Points = 2;     // q = x from 0 to 30
  ld.Distributed_Load_Point[1] = {0.0, 0.0};
  ld.Distributed_Load_Point[2] = {30.0, 30.0};
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(3.0), 3.0);
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(0.0), 0.25);   // [0, 0.5] over h/2
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(30.0), 29.75); // [29.5, 30] over h/2
  ld.Distributed_Load_Point[1] = {3.25, 10.0};        // q = 10 from 3.25 to 20
  ld.Distributed_Load_Point[2] = {20.0, 10.0};
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(3.0), 2.5);    // 0.25 of the interval loaded
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(2.0), 0.0);
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(20.0), 5.0);   // [19.5, 20] loaded
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(21.0), 0.0);
  ld.i_Number_of_Distributed_Points = 4;              // a step from 10 to 20 at x = 10
  ld.Distributed_Load_Point[1] = {0.0, 10.0};
  ld.Distributed_Load_Point[2] = {10.0, 10.0};
  ld.Distributed_Load_Point[3] = {10.0, 20.0};
  ld.Distributed_Load_Point[4] = {30.0, 20.0};
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(10.0), 15.0);
  EXPECT_DOUBLE_EQ(fn_Distributed_Load(10.25), 17.5);
  // The nodes carry it as their lateral load.
  Build_Nodes();
  EXPECT_DOUBLE_EQ(RS().sol.pile.rd_SoilForce[11], 15.0);
}

// Table: M 10, 20, 30; EI 100, 50, 10; curvature 0.1, 0.4, 3.0.
TEST(MEI_Lookup, FirstPointInterpolationAndBeyondTheTable) {
  Build(30.0, 30);  // h = 1
  MEI_Table& t = RS().sol.mei;
  Add_MEI_Point(t, 1, 1, 10.0, 100.0, 0.1);
  Add_MEI_Point(t, 1, 1, 20.0, 50.0, 0.4);
  Add_MEI_Point(t, 1, 1, 30.0, 10.0, 3.0);
  Pile_Model& pm = RS().sol.pile;
  auto curvature = [&](double phi) {  // node 5 with curvature phi
    pm.rd_Y[4] = 0.0;
    pm.rd_Y[5] = 0.0;
    pm.rd_Y[6] = phi;
  };
  curvature(1.0);
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 1, 5.0), 100.0);    // |M| below the first moment
  curvature(0.05);
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 1, 15.0), 100.0);   // curvature below the first
  curvature(0.25);
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 1, 15.0), 15.0 / 0.25);
  curvature(-1.7);  // sign does not matter; M* = 20 + 10 (1.3 / 2.6) = 25
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 1, 15.0), 25.0 / 1.7);
  curvature(6.0);
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 1, 15.0), 30.0 / 6.0);  // last moment / curvature
  RS().prob.opt.IUNITS = US_UNITS;  // kip units in the table, pound units out
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 1, 15.0), 5000.0);
  // An entry without points leaves the node's stiffness as it is.
  pm.rd_EI[5] = 123.0;
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 2, 1, 15.0), 123.0);
}

// Whatever the order in which a node meets its curvatures, each must land in
// the first interval p0 < phi <= p1 of the table. Tables: M = 10 p,
// curvature 0.1 p^2 (rising strictly, 8 points); and one whose curvature
// repeats (0.1, 0.4, 0.4, 3.0), where the first such interval counts.
TEST(MEI_Lookup, EveryOrderOfCurvaturesFindsTheIntervalOfTheTable) {
  Build(30.0, 30);  // h = 1
  MEI_Table& t = RS().sol.mei;
  for (int p = 1; p <= 8; ++p) Add_MEI_Point(t, 1, 1, 10.0 * p, 1.0, 0.1 * p * p);
  const double flat_m[] = {10.0, 20.0, 25.0, 30.0}, flat_phi[] = {0.1, 0.4, 0.4, 3.0};
  for (int p = 0; p < 4; ++p) Add_MEI_Point(t, 1, 2, flat_m[p], 1.0, flat_phi[p]);
  Pile_Model& pm = RS().sol.pile;
  // EI from the table's definition: the first interval holding phi, the
  // moment linear in it, divided by phi.
  auto expected = [&](int entry, double phi) {
    const MEI_Entry& e = t.entry(1, entry);
    for (int p = 1; p < e.i_Number_of_Points; ++p)
      if (e.rd_Curvature[p] < phi && phi <= e.rd_Curvature[p + 1])
        return (e.rd_Moment[p] + (e.rd_Moment[p + 1] - e.rd_Moment[p]) * (phi - e.rd_Curvature[p]) /
                                     (e.rd_Curvature[p + 1] - e.rd_Curvature[p])) / phi;
    return -1.0;
  };
  const double rising[] = {6.3, 0.15, 6.4, 2.5, 2.5, 0.9, 0.4, 0.41, 1.6, 3.6, 0.100001, 4.9, 0.2};
  const double flat[] = {2.0, 0.4, 0.3, 1.0, 0.4, 2.9, 0.15};
  for (int node : {5, 6}) {
    for (double phi : rising) {
      pm.rd_Y[node - 1] = pm.rd_Y[node] = 0.0;
      pm.rd_Y[node + 1] = phi;
      EXPECT_EQ(MEI_EI_At_Node(node, 1, 1, 1.0e6), expected(1, phi)) << "node " << node << ", phi " << phi;
    }
    for (double phi : flat) {
      pm.rd_Y[node - 1] = pm.rd_Y[node] = 0.0;
      pm.rd_Y[node + 1] = phi;
      EXPECT_EQ(MEI_EI_At_Node(node, 1, 2, 1.0e6), expected(2, phi)) << "node " << node << ", phi " << phi;
    }
  }
  // phi = 0.4 lies at the top of the first interval of the repeating table:
  // M = 20 (worked by hand).
  pm.rd_Y[6] = 0.4;
  EXPECT_DOUBLE_EQ(MEI_EI_At_Node(5, 1, 2, 1.0e6), 20.0 / 0.4);
}

}  // namespace
