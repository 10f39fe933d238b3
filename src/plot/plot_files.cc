#include "plot/plot_files.h"

#include <filesystem>

#include "plot/html_report.h"
#include "records/files.h"

namespace dorvane::plot {

namespace {

void put(const ExportFile& file, const std::string& text) {
    if (!file.f) return;
    if (std::fwrite(text.data(), 1, text.size(), file.f) != text.size())
        throw RunError{38, file.unit, absolute_name(file.path)};
}

// One chart into a new file of the SVG folder.
void write_svg(const std::string& dir, const NamedChart& c) {
    ExportFile file;
    file.path = (std::filesystem::path(dir) / (c.chart.id + ".svg")).string();
    file.unit = kSvgUnit;
    file.f = create_new_file(file.path, kSvgUnit);
    std::string text;
    append_svg(text, c.chart, true);
    bool ok = std::fwrite(text.data(), 1, text.size(), file.f) == text.size();
    ok = std::fclose(file.f) == 0 && ok;
    if (!ok) throw RunError{38, kSvgUnit, absolute_name(file.path)};
}

}  // namespace

void open_plots(PlotFiles& pf, const PlotNames& names, const Run& run,
                const std::string& input_path, const std::string& report_path) {
    if (!names.svg_dir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(names.svg_dir, ignored);
        pf.svg_dir = names.svg_dir;
    }
    if (names.html.empty()) return;
    pf.html.f = create_new_file(names.html, kHtmlUnit);
    pf.html.unit = kHtmlUnit;
    pf.html.path = names.html;
    put(pf.html, html_prelude(run, input_path, report_path));
}

RunHooks plot_hooks(PlotFiles& pf) {
    RunHooks hooks;
    hooks.after_test = [&pf](const Run& run, const Specimen& sp, const Readings& rd) {
        const std::vector<NamedChart> charts = test_charts(run, sp, rd);
        if (pf.html.f) put(pf.html, html_test(run, sp, rd, charts));
        if (!pf.svg_dir.empty())
            for (const NamedChart& c : charts) write_svg(pf.svg_dir, c);
        pf.tests.push_back(test_points(run, sp, rd));
    };
    hooks.at_end = [&pf](const Run& run, const Envelope& env) {
        const std::vector<NamedChart> charts = run_charts(run, env, pf.tests);
        if (pf.html.f) put(pf.html, html_run(run, env, pf.tests, charts));
        if (!pf.svg_dir.empty())
            for (const NamedChart& c : charts) write_svg(pf.svg_dir, c);
    };
    return hooks;
}

std::optional<RunError> close_plots(PlotFiles& pf, const std::optional<RunError>& error) {
    if (!pf.html.f) return std::nullopt;
    std::optional<RunError> close_error;
    try {
        put(pf.html, html_end(error));
    } catch (const RunError& e) {
        if (!error) close_error = e;
    }
    if (std::fclose(pf.html.f) != 0 && !error && !close_error)
        close_error = RunError{38, pf.html.unit, absolute_name(pf.html.path)};
    pf.html.f = nullptr;
    return close_error;
}

RunHooks chain_hooks(RunHooks first, RunHooks second) {
    RunHooks both;
    both.after_test = [first, second](const Run& run, const Specimen& sp, const Readings& rd) {
        if (first.after_test) first.after_test(run, sp, rd);
        if (second.after_test) second.after_test(run, sp, rd);
    };
    both.at_end = [first, second](const Run& run, const Envelope& env) {
        if (first.at_end) first.at_end(run, env);
        if (second.at_end) second.at_end(run, env);
    };
    return both;
}

}  // namespace dorvane::plot
