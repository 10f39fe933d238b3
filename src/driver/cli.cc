#include "driver/cli.h"

#include <cstdio>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "driver/batch.h"
#include "explain/explain_input.h"

namespace dorvane {

namespace {

constexpr int kUsageStatus = 2;

int usage_error(const std::string& message) {
    std::fprintf(stderr, "dorvane: %s\nRun with --help for more information.\n", message.c_str());
    return kUsageStatus;
}

}  // namespace

int run_command_line(int argc, char** argv) {
    CLI::App app{
        "dorvane: evaluation of triaxial compression tests.\n"
        "Without arguments the program asks for the two file names on the console.",
        "dorvane"};
    app.set_version_flag("--version", "dorvane 1.0.0");
    app.footer(
        "Exit status: 0 every run succeeded, 1 a run-time error (one line on standard\n"
        "error per failed input), 2 wrong arguments (nothing is created); with\n"
        "--explain 3 when a warning was given.\n"
        "Existing report and export files are never overwritten.\n"
        "\n"
        "Examples:\n"
        "  dorvane TESTS.DAT TESTS.OUT\n"
        "  dorvane TESTS.DAT TESTS.OUT --csv tests-csv --json TESTS.json\n"
        "  dorvane archive/*.DAT --out-dir reports --csv csv --json json\n"
        "  dorvane --explain TESTS.DAT --explain-test 2");

    BatchRequest req;
    std::vector<std::string> files;
    app.add_option("FILES", files,
                   "INPUT REPORT: one input data file into a new report file;\n"
                   "INPUT... with --out-dir: each input into DIR/<input stem>.out");
    CLI::Option* out_dir = app.add_option(
        "--out-dir", req.out_dir, "Folder of the reports, one per input (made when missing)");
    CLI::Option* csv = app.add_option(
        "--csv", req.csv_dir,
        "Folder of the CSV exports (made when missing): readings.csv, tests.csv,\n"
        "envelope.csv; with --out-dir <stem>.readings.csv, ... per input");
    CLI::Option* json = app.add_option(
        "--json", req.json,
        "JSON export file; with --out-dir a folder (made when missing) of\n"
        "<stem>.json per input");
    std::string explain;
    int explain_test = 0;
    CLI::Option* explain_opt = app.add_option(
        "--explain", explain,
        "Show how a run reads INPUT, record by record, with warnings where it\n"
        "looks shifted or out of range; no report is written");
    explain_opt->type_name("INPUT");
    CLI::Option* explain_test_opt = app.add_option(
        "--explain-test", explain_test, "With --explain: show the records of test N only");
    explain_test_opt->type_name("N")->needs(explain_opt);
    CLI::Option* html = app.add_option(
        "--html", req.html,
        "HTML report with the charts of every test and of the run (one\n"
        "self-contained file); with --out-dir a folder of <stem>.html per input");
    CLI::Option* svg = app.add_option(
        "--svg", req.svg_dir,
        "Folder of the charts as SVG files (made when missing); with --out-dir\n"
        "DIR/<stem>/ per input");
    for (CLI::Option* o : {out_dir, csv, json, html, svg}) o->type_name("DIR");
    json->type_name("FILE");
    html->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::Success& e) {
        return app.exit(e);  // --version
    } catch (const CLI::ParseError& e) {
        return usage_error(e.what());
    }

    if (explain_opt->count()) {
        if (!files.empty() || out_dir->count() || csv->count() || json->count() || html->count() || svg->count())
            return usage_error("--explain takes no other files or folders");
        if (explain.empty()) return usage_error("--explain: empty file name");
        if (explain_test_opt->count() && explain_test < 1)
            return usage_error("--explain-test: a test number from 1 on");
        return explain_file(explain, explain_test);
    }
    if (out_dir->count() && req.out_dir.empty()) return usage_error("--out-dir: empty folder name");
    if (csv->count() && req.csv_dir.empty()) return usage_error("--csv: empty folder name");
    if (json->count() && req.json.empty()) return usage_error("--json: empty file name");
    if (html->count() && req.html.empty()) return usage_error("--html: empty file name");
    if (svg->count() && req.svg_dir.empty()) return usage_error("--svg: empty folder name");

    if (out_dir->count()) {
        if (files.empty()) return usage_error("--out-dir needs at least one INPUT file");
        req.inputs = files;
    } else {
        if (files.size() != 2)
            return usage_error("give INPUT and REPORT, or INPUT... with --out-dir DIR");
        req.inputs = {files[0]};
        req.report = files[1];
    }
    return run_batch(req);
}

}  // namespace dorvane
