// ormyx: the command line of the engine's host. "ormyx [options] INPUT..."
// analyses input files (host/batch); "ormyx plot FILE.plt" renders the
// report page of an existing plot file (host/html_report).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_control.h"
#include "host/batch.h"
#include "host/host_util.h"
#include "host/html_report.h"
#include "host/json_report.h"

namespace ormyx::host {

namespace {

const char* const USAGE_TEXT =
    "Usage: ormyx [--out DIR] [-j N] [--html] [--json] INPUT...\n"
    "       ormyx plot FILE.plt [-o FILE.html] [--json]\n"
    "Run the lateral pile analysis of each INPUT file.\n"
    "\n"
    "Every input is analysed in a private work folder; the run files are then\n"
    "written to DIR (default: the folder of the input), named after the input:\n"
    "  STEM.out    output report\n"
    "  STEM.plt    plot output file\n"
    "  STEM.msg    run-message file\n"
    "  STEM.mc/    moment-curvature files, when the run writes any; mc_K.txt\n"
    "              holds section s at axial thrust t, K = (s - 1) * n + t,\n"
    "              n being the number of axial thrusts of the run\n"
    "  STEM.html   the report page with its plots (with --html)\n"
    "  STEM.json   the whole result as one JSON document (with --json)\n"
    "The outcome lines of the run-message file are printed, then the line\n"
    "\"status: N\" with the engine's return value. With several inputs every\n"
    "line is prefixed by the input name.\n"
    "\n"
    "Options:\n"
    "  -o, --out DIR   write the run files to DIR (created when missing)\n"
    "  -j, --jobs N    analyse up to N inputs at the same time (default 1)\n"
    "  --html          also write STEM.html, a page viewable in any browser\n"
    "  --json          also write STEM.json, the results document\n"
    "                  (docs/results-json.md)\n"
    "  -h, --help      show this help and exit\n"
    "  -V, --version   show the version and exit\n"
    "  --              end of options (for input names beginning with '-')\n"
    "\n"
    "ormyx plot FILE.plt [-o FILE.html] renders the plot file of an earlier run\n"
    "as a page (default: FILE.html beside it); the run-message file and report\n"
    "of the same name, when present, add the warnings and the LRFD table.\n"
    "With --json it writes FILE.json, the results document, instead (and the\n"
    "page too when -o is given).\n"
    "\n"
    "Exit status: 0 when every run returned N <= 0 (normal end or warnings),\n"
    "1 when a run returned N > 0 (an error) or could not be completed, or a\n"
    "plot file could not be read, 2 for a usage error.\n";

// A command-line error of the parser in the words of this command.
int Parse_Failure(const CLI::ParseError& e, const std::vector<std::string>& args) {
  const std::string what = e.what();
  const bool mismatch = e.get_name() == "ArgumentMismatch";
  if (mismatch && what.rfind("--out", 0) == 0) return fn_Usage_Error("option '--out' needs a folder");
  if (mismatch && what.rfind("--jobs", 0) == 0)
    return fn_Usage_Error("option '--jobs' needs a number of jobs");
  if (mismatch && what.rfind("-o", 0) == 0) return fn_Usage_Error("option '-o' needs a file name");
  (void)args;
  return fn_Usage_Error(what);
}

// The first argument the parser left over: an unknown option.
int Extras_Failure(const std::vector<std::string>& extras) {
  for (const std::string& a : extras) {
    if (a == "--") continue;
    if (a == "-") return fn_Usage_Error("reading the input from standard input is not supported");
    return fn_Usage_Error("unknown option '" + fn_Shown(a) + "'");
  }
  return -1;
}

// ormyx plot FILE.plt --json: the results document beside the plot file.
int Run_Plot_Json(const std::string& plot_file) {
  namespace fs = std::filesystem;
  fs::path stem(plot_file);
  stem.replace_extension();
  const std::string json_file = stem.string() + ".json";
  // The document never replaces a run file of the same run.
  for (const std::string& run_file : {plot_file, stem.string() + ".msg", stem.string() + ".out"}) {
    std::error_code ec;
    if (fs::equivalent(fs::path(run_file), fs::path(json_file), ec))
      return fn_Usage_Error("plot: the document " + fn_Shown(json_file) + " would replace " +
                            fn_Shown(run_file));
  }
  bool plot_read = false;
  std::string why;
  if (!fn_Write_Run_Json(plot_file, stem.string() + ".msg", stem.string() + ".out", json_file,
                         Json_Run_Info{}, plot_read, why) ||
      !plot_read) {
    std::fprintf(stderr, "ormyx: %s\n", why.c_str());
    return EXIT_RUN_ERROR;
  }
  return 0;
}

// ormyx plot FILE.plt [-o FILE.html]
int Run_Plot(const std::string& plot_file, std::string html_file) {
  namespace fs = std::filesystem;
  if (plot_file.empty()) return fn_Usage_Error("plot: no plot file given");
  const fs::path plt(plot_file);
  fs::path stem = plt;
  stem.replace_extension();
  if (html_file.empty()) html_file = stem.string() + ".html";
  // The page never replaces a run file of the same run.
  for (const std::string& run_file : {plot_file, stem.string() + ".msg", stem.string() + ".out"}) {
    std::error_code ec;
    if (fs::equivalent(fs::path(run_file), fs::path(html_file), ec))
      return fn_Usage_Error("plot: the page " + fn_Shown(html_file) + " would replace " +
                            fn_Shown(run_file));
  }
  std::string why;
  if (!fn_Write_Run_Html(plot_file, stem.string() + ".msg", stem.string() + ".out", html_file,
                         plt.stem().string(), why)) {
    std::fprintf(stderr, "ormyx: %s\n", why.c_str());
    return EXIT_RUN_ERROR;
  }
  return 0;
}

int Main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(argv[i] ? argv[i] : "");

  CLI::App app{"ormyx"};
  app.set_help_flag();
  app.allow_extras();
  Batch_Options opt;
  std::string out_dir, jobs_text;
  bool help = false, version = false;
  app.add_flag("-h,--help", help);
  app.add_flag("-V,--version", version);
  CLI::Option* out_opt =
      app.add_option("-o,--out", out_dir)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  CLI::Option* jobs_opt =
      app.add_option("-j,--jobs", jobs_text)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.add_flag("--html", opt.html);
  app.add_flag("--json", opt.json);
  app.add_option("inputs", opt.inputs);

  CLI::App* plot = app.add_subcommand("plot", "render a plot file as a page");
  plot->set_help_flag();
  plot->allow_extras();
  std::string plot_file, html_file;
  bool plot_help = false;
  plot->add_flag("-h,--help", plot_help);
  plot->add_option("-o,--output", html_file)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  plot->add_option("file", plot_file);
  bool plot_json = false;
  plot->add_flag("--json", plot_json);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return Parse_Failure(e, args);
  }
  if (help || plot_help) {
    std::fputs(USAGE_TEXT, stdout);
    return 0;
  }
  if (version) {
    std::printf("ormyx %s\n", VERSION_TEXT);
    return 0;
  }
  if (plot->parsed()) {
    int code = Extras_Failure(plot->remaining());
    if (code >= 0) return code;
    if (!opt.inputs.empty() || out_opt->count() > 0 || jobs_opt->count() > 0 || opt.html)
      return fn_Usage_Error("'plot' takes a plot file and -o only; give it as the first word "
                            "(name an input file called plot as ./plot)");
    if (plot_json || opt.json) {
      if (plot_file.empty()) return fn_Usage_Error("plot: no plot file given");
      code = Run_Plot_Json(plot_file);
      if (code != 0 || html_file.empty()) return code;
    }
    return Run_Plot(plot_file, html_file);
  }
  int code = Extras_Failure(app.remaining());
  if (code >= 0) return code;
  for (const std::string& in : opt.inputs)
    if (in == "-") return fn_Usage_Error("reading the input from standard input is not supported");
  if (out_opt->count() > 0) {
    if (out_dir.empty()) return fn_Usage_Error("option '--out' needs a folder");
    opt.out_dir = out_dir;
    opt.has_out = true;
  }
  if (jobs_opt->count() > 0 && !fn_Parse_Jobs(jobs_text, opt.jobs))
    return fn_Usage_Error("invalid number of jobs '" + fn_Shown(jobs_text) + "' (1 to " +
                          std::to_string(MAX_JOBS) + ")");
  return fn_Run_Batch(opt);
}

}  // namespace

}  // namespace ormyx::host

int main(int argc, char** argv) { return ormyx::host::Main(argc, argv); }
