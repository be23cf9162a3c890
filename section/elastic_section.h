// Moment-EI table and nodal stiffness of an elastic pile section.
#pragma once

namespace ormyx {

// Fill the moment-EI entries of elastic section s for every thrust of the
// run, write its report line and plot records, and set the bending stiffness
// of the nodes inside the section when the nodes exist.
void Elastic_Section_Table(int s);

}  // namespace ormyx
