#include "driver/batch.h"

#include <cstdio>
#include <filesystem>

#include "driver/run_program.h"
#include "export/exports.h"
#include "plot/plot_files.h"
#include "records/files.h"

namespace dorvane {

namespace fs = std::filesystem;

namespace {

std::string in_folder(const std::string& dir, const std::string& name) {
    return (fs::path(dir) / name).string();
}

bool wants_exports(const ExportNames& n) {
    return !n.readings_csv.empty() || !n.tests_csv.empty() || !n.envelope_csv.empty() ||
           !n.json.empty();
}

// One run with its exports; the exports are opened after the input and the
// report, so the run-time errors of those two come first as in the dialogue.
std::optional<RunError> run_one(const std::string& input, const std::string& report,
                                const ExportNames& names, const std::string& csv_dir,
                                const plot::PlotNames& plots = {}) {
    Run run;
    run.input_name = header_name(input);
    run.report_name = header_name(report);
    const bool wants_plots = !plots.html.empty() || !plots.svg_dir.empty();
    if (!wants_exports(names) && !wants_plots) return run_on_files(run, input, report);

    ExportFiles ex;
    plot::PlotFiles pf;
    auto open = [&] {
        std::error_code ignored;  // a folder that cannot be made shows when its files are created
        if (!csv_dir.empty()) fs::create_directories(csv_dir, ignored);
        open_exports(ex, names, run, absolute_name(input), absolute_name(report));
        try {
            plot::open_plots(pf, plots, run, absolute_name(input), absolute_name(report));
        } catch (const RunError& e) {
            // A refused chart file leaves no export behind either.
            close_exports(ex, e);
            for (const std::string* name : {&names.readings_csv, &names.tests_csv,
                                            &names.envelope_csv, &names.json})
                if (!name->empty()) std::remove(name->c_str());
            throw;
        }
    };
    const RunHooks hooks = plot::chain_hooks(export_hooks(ex), plot::plot_hooks(pf));
    std::optional<RunError> error = run_on_files(run, input, report, hooks, open);
    std::optional<RunError> close_error = close_exports(ex, error);
    std::optional<RunError> plot_error = plot::close_plots(pf, error);
    return error ? error : close_error ? close_error : plot_error;
}

}  // namespace

std::string header_name(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    base.resize(12, ' ');
    return base;
}

int run_batch(const BatchRequest& req) {
    if (req.out_dir.empty()) {
        ExportNames names;
        if (!req.csv_dir.empty()) {
            names.readings_csv = in_folder(req.csv_dir, "readings.csv");
            names.tests_csv = in_folder(req.csv_dir, "tests.csv");
            names.envelope_csv = in_folder(req.csv_dir, "envelope.csv");
        }
        names.json = req.json;
        const std::optional<RunError> error =
            run_one(req.inputs.at(0), req.report, names, req.csv_dir, {req.html, req.svg_dir});
        if (!error) return 0;
        std::fprintf(stderr, "%s\n", error->line().c_str());
        return 1;
    }

    std::error_code ignored;  // a folder that cannot be made shows as error 29 or 9 on each report
    fs::create_directories(req.out_dir, ignored);
    if (!req.json.empty()) fs::create_directories(req.json, ignored);
    if (!req.html.empty()) fs::create_directories(req.html, ignored);
    int status = 0;
    for (const std::string& input : req.inputs) {
        const std::string stem = fs::path(input).stem().string();
        ExportNames names;
        if (!req.csv_dir.empty()) {
            names.readings_csv = in_folder(req.csv_dir, stem + ".readings.csv");
            names.tests_csv = in_folder(req.csv_dir, stem + ".tests.csv");
            names.envelope_csv = in_folder(req.csv_dir, stem + ".envelope.csv");
        }
        if (!req.json.empty()) names.json = in_folder(req.json, stem + ".json");
        plot::PlotNames plots;
        if (!req.html.empty()) plots.html = in_folder(req.html, stem + ".html");
        if (!req.svg_dir.empty()) plots.svg_dir = in_folder(req.svg_dir, stem);
        const std::optional<RunError> error =
            run_one(input, in_folder(req.out_dir, stem + ".out"), names, req.csv_dir, plots);
        if (error) {
            std::fprintf(stderr, "dorvane: %s: severe (%d): %s\n", input.c_str(), error->number,
                         error->message().c_str());
            status = 1;
        }
    }
    return status;
}

}  // namespace dorvane
