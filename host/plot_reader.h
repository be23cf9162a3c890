// The plot-file reader: turns a plot output file into a plain data model of
// all its records (Lines 1 to 16). Values are taken from their columns; the
// label of each record names it. A record that does not parse, or that stands
// where the run never writes it, is an error naming the line. A file that
// simply ends early at a record boundary is a partial run (the run stopped
// on an error) and is read as far as it goes.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace ormyx::host {

// Line 5: one point of a moment-EI table.
struct Plot_MEI_Point {
  double moment = 0.0, ei = 0.0, curvature = 0.0;
};

// Line 4 and its Line 5 records: the table of one section at one thrust.
struct Plot_MEI_Table {
  int section = 0;         // from the Line 5 labels (Sect#=), else from Line 4's label or order
  int thrust_number = 0;   // AxLd#= of the Line 5 labels
  int declared_points = 0; // count written in Line 4
  double thrust = 0.0;     // axial thrust (kips or kN)
  double mn = 0.0;         // nominal moment capacity (in-kips or kN-m)
  std::string label;       // the Line 4 label as written
  std::string point_label; // the Line 5 label up to "Sect#=" (it names the units)
  std::vector<Plot_MEI_Point> points;
};

// Line 16: one point of an interaction diagram (compression positive).
struct Plot_Interaction_Point {
  double pn = 0.0, mn = 0.0, phi = 0.0, pu = 0.0, mu = 0.0;
};

// Line 15 and its Line 16 records: the interaction diagram of one section.
struct Plot_Interaction {
  int section = 0;
  int declared_points = 0;
  std::vector<Plot_Interaction_Point> points;
};

// Line 8: one point of a p-y curve.
struct Plot_Py_Point {
  double y = 0.0, p = 0.0;
};

// Line 7 and its Line 8 records: a p-y curve at a user depth.
struct Plot_Py_Curve {
  int number = 0;           // curve number (order in the file)
  double depth = 0.0;       // below the pile head, internal length unit
  int declared_points = 0;
  bool above_ground = false;  // depth above the ground surface: no curve
  std::string model;        // soil model text of Line 7 ("soft clay", ...)
  std::string point_model;  // model text of the Line 8 records
  std::vector<Plot_Py_Point> points;
};

// Line 10: the results at one node.
struct Plot_Node {
  int node = 0;
  double x = 0.0, y = 0.0, moment = 0.0, shear = 0.0, p = 0.0, ei = 0.0;
};

// Line 12: one point of the pile-head deflection versus pile length curve.
struct Plot_Length_Point {
  double length = 0.0, y_top = 0.0, max_moment = 0.0, max_shear = 0.0;
};

// One load case (LRFD combination): nodes, then Line 11 and its Line 12s.
struct Plot_Load_Case {
  int number = 0;
  std::vector<Plot_Node> nodes;
  bool has_line_11 = false;
  bool lrfd = false;          // Line 11 names an LRFD load case
  int length_declared = 0;    // count written in Line 11
  std::vector<Plot_Length_Point> length_points;
};

// Line 13: the summary of one load case.
struct Plot_Summary_Row {
  double top_shear = 0.0, top_y = 0.0, max_moment = 0.0, max_shear = 0.0, rotation = 0.0;
};

// Line 14: one row of the pile-head stiffness table.
struct Plot_Stiffness_Row {
  double shear = 0.0, moment = 0.0, k22 = 0.0, k23 = 0.0, k32 = 0.0, k33 = 0.0, y_top = 0.0,
         theta = 0.0;
};

// The whole plot file.
struct Plot_Data {
  bool has_line_1 = false;
  int analysis_type = 0, iunits = 0, kyl = 0, compute_k = 0;  // Line 1
  bool has_line_2 = false;
  int sections = 0;                                           // Line 2
  bool has_line_3 = false;
  int thrusts = 0;                                            // Line 3
  std::string thrust_label;
  std::vector<Plot_MEI_Table> mei;                            // Lines 4, 5
  std::vector<Plot_Interaction> interaction;                  // Lines 15, 16
  bool has_line_6 = false;
  int py_declared = 0;                                        // Line 6
  std::vector<Plot_Py_Curve> py;                              // Lines 7, 8
  bool has_line_9 = false;
  int load_cases = 0, nodes = 0, units_line_9 = 0;            // Line 9
  std::vector<Plot_Load_Case> cases;                          // Lines 10, 11, 12
  std::vector<Plot_Summary_Row> summary;                      // Line 13
  std::vector<Plot_Stiffness_Row> stiffness;                  // Line 14
  int lines = 0;              // records read
  bool partial = false;       // the file ends before the run's last record
  std::string partial_note;   // where it ends, for people
  bool us_units() const { return iunits == 1; }
};

// Where and why a plot file could not be read.
struct Plot_Read_Error {
  int line = 0;          // 1-based line number, 0 when no line is concerned
  std::string message;   // without the file name
  // "FILE:LINE: message" (or "FILE: message").
  std::string text(const std::string& file) const;
};

// Reads plot-file text into data. False on the first malformed record.
bool fn_Parse_Plot_Text(std::string_view text, Plot_Data& data, Plot_Read_Error& error);

// Reads a plot file from disk. False when it cannot be opened or is malformed.
bool fn_Read_Plot_File(const std::string& path, Plot_Data& data, Plot_Read_Error& error);

}  // namespace ormyx::host
