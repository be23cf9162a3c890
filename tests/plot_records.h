// Reading the plot file of a whole run: the Line 10 record of every node
// (depth, y, M, V, p, EI in fields of 15) and the statics of the soil
// reaction along the pile.
#pragma once
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace ormyx_test {

// One Line 10 record: the results of a node.
struct Plot_Node {
  double x, y, M, V, p, EI;
};

// The Line 10 records of a plot file, from the head down.
inline std::vector<Plot_Node> Plot_Nodes(const std::string& plot) {
  std::vector<Plot_Node> nodes;
  for (const std::string& l : Split_Lines(plot)) {
    if (l.find("Line 10(") == std::string::npos) continue;
    Plot_Node n{};
    std::istringstream in(l.substr(0, 90));
    in >> n.x >> n.y >> n.M >> n.V >> n.p >> n.EI;
    nodes.push_back(n);
  }
  return nodes;
}

// Force of the soil reaction along the pile and its moment about the head
// (trapezoids between the nodes).
struct Reaction_Sums {
  double force = 0.0;
  double moment = 0.0;
};

inline Reaction_Sums Integrate_Reaction(const std::vector<Plot_Node>& nodes) {
  Reaction_Sums s;
  for (std::size_t k = 1; k < nodes.size(); ++k) {
    const double h = nodes[k].x - nodes[k - 1].x;
    s.force += 0.5 * h * (nodes[k].p + nodes[k - 1].p);
    s.moment += 0.5 * h * (nodes[k].p * nodes[k].x + nodes[k - 1].p * nodes[k - 1].x);
  }
  return s;
}

}  // namespace ormyx_test
