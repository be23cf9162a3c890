// The results document: every field of the hand-made plot file, the status
// and outcome worked out from the run files, the output summary from a node
// table, the LRFD rows of the report and files that cannot be read.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/json_report.h"
#include "tests/test_support.h"

namespace {

using namespace ormyx::host;
using Json = nlohmann::ordered_json;

Json_Plot_Source Sample_Source() {
  Json_Plot_Source src;
  src.present = true;
  Plot_Read_Error e;
  src.readable = fn_Parse_Plot_Text(
      ormyx_test::Read_File(std::string(ORMYX_SOURCE_DIR) + "/tests/data/plot_sample.plt"), src.data,
      e);
  return src;
}

// tests/data/plot_sample.plt holds round figures written column by column;
// the expected values are those figures.
TEST(Json_Report, SamplePlotFileGivesEveryField) {
  Json_Plot_Source src = Sample_Source();
  ASSERT_TRUE(src.readable);
  Json_Run_Info info;
  info.input_name = "sample.inp";
  info.has_status = true;
  Json d = fn_Results_Json(src, "", "", info);

  EXPECT_EQ(d["format"], "ormyx-results");
  EXPECT_EQ(d["input"], "sample.inp");
  EXPECT_EQ(d["status"], 0);
  EXPECT_EQ(d["outcome"], "normal");
  EXPECT_TRUE(d["error"].is_null());
  EXPECT_EQ(d["analysis_type"], 3);
  EXPECT_EQ(d["units"]["system"], "SI");
  EXPECT_EQ(d["units"]["moment"], "kN-m");
  EXPECT_EQ(d["kmatrix_requested"], true);

  ASSERT_EQ(d["sections"].size(), 1u);
  const Json& s = d["sections"][0];
  EXPECT_EQ(s["kind"], "nonlinear");
  EXPECT_EQ(s["units"]["curvature"], "rad/m");
  EXPECT_DOUBLE_EQ(s["thrusts"][0]["axial_thrust"].get<double>(), 800.0);
  EXPECT_DOUBLE_EQ(s["thrusts"][0]["nominal_moment"].get<double>(), 1530.196);
  EXPECT_DOUBLE_EQ(s["thrusts"][0]["moment"][1].get<double>(), 48.5);
  EXPECT_DOUBLE_EQ(s["interaction"]["phi"][0].get<double>(), 0.65);
  EXPECT_DOUBLE_EQ(s["interaction"]["factored_moment"][1].get<double>(), 1350.0);

  ASSERT_EQ(d["py_curves"].size(), 2u);
  EXPECT_TRUE(d["py_curves"][0]["number"].is_null());  // above the ground surface
  EXPECT_DOUBLE_EQ(d["py_curves"][0]["depth"].get<double>(), 0.5);
  EXPECT_EQ(d["py_curves"][1]["number"], 2);
  EXPECT_EQ(d["py_curves"][1]["model"], "sand");
  EXPECT_DOUBLE_EQ(d["py_curves"][1]["p"][1].get<double>(), 125.5);

  ASSERT_EQ(d["cases"].size(), 2u);
  const Json& c1 = d["cases"][0];
  EXPECT_EQ(c1["nodes"]["depth"].size(), 3u);
  EXPECT_DOUBLE_EQ(c1["nodes"]["shear"][2].get<double>(), -150.0);
  EXPECT_DOUBLE_EQ(c1["output_summary"]["m_max"].get<double>(), 300.0);
  EXPECT_DOUBLE_EQ(c1["output_summary"]["depth_m_max"].get<double>(), 5.0);
  EXPECT_DOUBLE_EQ(c1["output_summary"]["y_top"].get<double>(), 0.02);
  ASSERT_EQ(c1["length_study"].size(), 1u);
  EXPECT_DOUBLE_EQ(c1["length_study"][0]["m_max"].get<double>(), 300.0);
  EXPECT_TRUE(d["cases"][1]["nodes"]["ei"][2].is_null());  // asterisks in the plot file
  EXPECT_TRUE(d["cases"][1]["length_study"].empty());

  ASSERT_EQ(d["summary"].size(), 2u);
  EXPECT_EQ(d["summary"][1]["case"], 2);
  EXPECT_DOUBLE_EQ(d["summary"][1]["v_top"].get<double>(), 300.0);
  ASSERT_EQ(d["kmatrix"].size(), 10u);
  EXPECT_DOUBLE_EQ(d["kmatrix"][9]["v"].get<double>(), 150.0);
  EXPECT_DOUBLE_EQ(d["kmatrix"][0]["theta"].get<double>(), 0.739e-8);
  EXPECT_TRUE(d["lrfd"].empty());

  // The written document reads back unchanged; the unknown value stays null.
  std::string dir = ormyx_test::Make_Temp_Dir("json");
  std::string why;
  ASSERT_TRUE(fn_Write_Results_Json(dir + "/r.json", d, why)) << why;
  EXPECT_EQ(Json::parse(ormyx_test::Read_File(dir + "/r.json")), d);
}

// Output summary: largest magnitude with the first node on a tie, and the
// successive nodes of opposite deflection signs (a zero breaks a pair).
TEST(Json_Report, OutputSummaryFromTheNodeTable) {
  Json_Plot_Source src;
  src.present = src.readable = true;
  src.data.has_line_1 = true;
  src.data.iunits = 1;
  Plot_Load_Case c;
  c.number = 1;
  const double y[] = {1.0, -1.0, 0.0, 2.0, -3.0};
  const double m[] = {5.0, -7.0, 7.0, 1.0, 0.0};
  const double v[] = {0.5, 0.0, -0.5, 0.25, 0.0};
  for (int k = 0; k < 5; ++k) c.nodes.push_back({k + 1, 12.0 * k, y[k], m[k], v[k], 0.0, 1.0});
  src.data.cases.push_back(c);
  Json_Run_Info info;
  Json s = fn_Results_Json(src, "", "", info)["cases"][0]["output_summary"];
  EXPECT_EQ(s["zero_deflection_points"], 2);
  EXPECT_EQ(s["m_max"], -7.0);
  EXPECT_EQ(s["depth_m_max"], 12.0);
  EXPECT_EQ(s["v_max"], 0.5);
  EXPECT_EQ(s["depth_v_max"], 0.0);
}

struct Outcome_Case {
  const char* what;
  bool has_status;
  long status;
  const char* host_error;
  const char* report;
  const char* message;
  const char* json_status;  // JSON text of the expected status
  const char* outcome;
  const char* code;         // expected error code, "" when no error
  const char* title;        // expected start of the error title
};

bool fn_Contains(const char* text, const char* part) {
  return std::string(text).find(part) != std::string::npos;
}

const char* const INPUT_55 =
    "Input of data begun\n**** Input Data Error No. 55 ****\n\nProblem:  The number of pile "
    "increments is less than 40.\n\nSolution: Increase the number.\n\nThe analysis ended due to "
    "input error No. 55.\n";
const char* const FRAMED_10 =
    "\n------------------------------------\n  ****  Runtime Error No. 10  ****  \n"
    "------------------------------------\n\nThe analysis failed to converge within the limit of "
    "100 iterations.\n\n\nOrmyx ended prematurely due to runtime error number RUN00010\n\n"
    "The analysis ended due to runtime error No. 10.\n";

TEST(Json_Report, StatusOutcomeAndErrorFromTheRunFiles) {
  const Outcome_Case cases[] = {
      {"normal end", true, 0, "", "", "", "0", "normal", "", ""},
      {"warnings", true, -400, "", "", "", "-400", "warnings", "", ""},
      {"input error in the messages", true, 155, "", "", INPUT_55, "155", "error", "INP00055",
       "**** Input Data Error No. 55"},
      {"error status without a block", true, 217, "", "", "", "217", "error", "RUN00017",
       "The analysis ended due to runtime error No. 17."},
      {"plot file only: framed runtime error", false, 0, "", FRAMED_10, "", "210", "error",
       "RUN00010", "****  Runtime Error No. 10  ****"},
      {"plot file only: normal end", false, 0, "",
       "Name of input data file:       pile.inp\n\nThe analysis ended normally. \n", "", "0",
       "normal", "", ""},
      {"plot file only: warnings", false, 0, "",
       "The following warning was reported 2 times\n\nThe analysis ended normally. \n", "", "null",
       "warnings", "", ""},
      {"plot file only: no closing line", false, 0, "", "", "", "null", "incomplete", "", ""},
      {"the command failed", false, 0, "the analysis stopped abnormally (signal 11)", "", "",
       "null", "incomplete", "", "The analysis could not be completed"},
  };
  for (const Outcome_Case& t : cases) {
    SCOPED_TRACE(t.what);
    Json_Run_Info info;
    info.has_status = t.has_status;
    info.status = t.status;
    info.host_error = t.host_error;
    Json d = fn_Results_Json(Json_Plot_Source{}, t.report, t.message, info);
    EXPECT_EQ(d["status"].dump(), t.json_status);
    EXPECT_EQ(d["outcome"], t.outcome);
    EXPECT_EQ(d["input"].dump(), fn_Contains(t.report, "pile.inp") ? "\"pile.inp\"" : "null");
    if (std::string(t.title).empty()) {
      EXPECT_TRUE(d["error"].is_null());
      continue;
    }
    ASSERT_TRUE(d["error"].is_object());
    EXPECT_EQ(d["error"]["title"].get<std::string>().rfind(t.title, 0), 0u) << d["error"]["title"];
    EXPECT_EQ(d["error"]["code"].dump(), std::string(t.code).empty() ? "null" : "\"" + std::string(t.code) + "\"");
  }

  // The block's text: the lines between the header and the closing lines.
  Json_Run_Info info;
  info.has_status = true;
  info.status = 210;
  Json e = fn_Results_Json(Json_Plot_Source{}, FRAMED_10, "", info)["error"];
  EXPECT_EQ(e["text"], "The analysis failed to converge within the limit of 100 iterations.");
  EXPECT_EQ(e["number"], 10);
}

TEST(Json_Report, WarningBlocksAndTheWarningSummary) {
  const char* message =
      "Completed Analysis 1\n\n\n**** Warning - POSSIBLE SOLUTION ERROR 550 ****\n\nForce and "
      "moment imbalances may be too large.\n\nMaximum imbalance = 0.5\nCompleted Analysis 2\n";
  const char* report =
      "\n\n-----\n                          Summary of Warning Messages\n-----\n\n"
      "The following warning was reported 3 times\n\n\n**** Warning - Failure for One or More "
      "LRFD Load Cases ****\n\nThis warning message is provided to alert the user.\n\n"
      "The analysis ended normally. \n";
  Json_Run_Info info;
  info.has_status = true;
  info.status = -400;
  Json w = fn_Results_Json(Json_Plot_Source{}, report, message, info)["warnings"];
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0]["title"], "**** Warning - POSSIBLE SOLUTION ERROR 550 ****");
  EXPECT_EQ(w[0]["number"], 550);
  EXPECT_EQ(w[0]["text"], "Force and moment imbalances may be too large.\n\nMaximum imbalance = 0.5");
  EXPECT_EQ(w[1]["title"], "**** Warning - Failure for One or More LRFD Load Cases ****");
  EXPECT_EQ(w[1]["number"], 400);  // the status names the only warning number
  EXPECT_EQ(w[1]["text"],
            "This warning message is provided to alert the user.\n"
            "The following warning was reported 3 times.");
}

// Rows laid out as the engine writes them (the first is a row of the LRFD
// example's report); values as printed.
TEST(Json_Report, LrfdRowsReadByColumn) {
  std::string report =
      "                   LRFD Performance by Load Case Combination\n\n"
      "----   -------   ----------   ----------   ----------   ----------   ----------   "
      "----------   ----------   ----------   -----------------------------------------\n"
      "  1       1        0.900        0.13E+08     8933339.       0.6710      Pass         "
      "-52019.        3.335     -0.01344   Strength I                    \n"
      "  1       2        0.750        1000.000     -1200.00       1.2000    > FAIL <        "
      "80.000        3.335     -0.01344   Strength I\n"
      "  2       1        0.900       Infinite       500.000       N/A          N/A          12.0"
      "00        1.781     -0.00729   Service I\n"
      "  3       1        0.900        ********      500.000       N/A          N/A          12.0"
      "00        1.781     -0.00729   Broken\n"
      "\nAll LRFD load combinations have passed for all pile sections.\n";
  Json_Run_Info info;
  info.has_status = true;
  Json d = fn_Results_Json(Json_Plot_Source{}, report, "", info);
  const Json& r = d["lrfd"];
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0]["case"], 1);
  EXPECT_EQ(r[0]["capacity"], 0.13e8);
  EXPECT_EQ(r[0]["moment"], 8933339.0);
  EXPECT_EQ(r[0]["fraction"], 0.671);
  EXPECT_EQ(r[0]["passed"], true);
  EXPECT_EQ(r[0]["shear"], -52019.0);
  EXPECT_EQ(r[0]["name"], "Strength I");
  EXPECT_EQ(r[1]["section"], 2);
  EXPECT_EQ(r[1]["passed"], false);
  EXPECT_EQ(r[1]["fraction"], 1.2);
  EXPECT_TRUE(r[2]["capacity"].is_null());
  EXPECT_TRUE(r[2]["fraction"].is_null());
  EXPECT_TRUE(r[2]["passed"].is_null());
  EXPECT_EQ(r[2]["name"], "Service I");
  ASSERT_EQ(d["warnings"].size(), 1u);  // the unreadable row is named, not dropped silently
  EXPECT_EQ(d["warnings"][0]["title"], "Unreadable report line");
}

TEST(Json_Report, UnreadablePlotFileIsAWarningNotData) {
  Json_Plot_Source src;
  src.present = true;
  src.problem = "plot.plt:3: malformed record";
  Json_Run_Info info;
  info.has_status = true;
  Json d = fn_Results_Json(src, "", "", info);
  EXPECT_TRUE(d["units"].is_null());
  EXPECT_TRUE(d["cases"].empty());
  ASSERT_EQ(d["warnings"].size(), 1u);
  EXPECT_EQ(d["warnings"][0]["title"], "Unreadable plot file");
  EXPECT_EQ(d["warnings"][0]["text"], "plot.plt:3: malformed record");
}

}  // namespace
