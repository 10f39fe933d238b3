// The chart outputs of one run, written through the run hooks from the same
// state as the report: the HTML report (one file, a section per test as the
// run goes) and the SVG charts (files of their own in a folder). Files are
// new, never overwritten, as the report and the exports.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "driver/test_loop.h"
#include "export/exports.h"
#include "plot/test_charts.h"

namespace dorvane::plot {

// Units of the chart files in run-time error lines.
constexpr int kHtmlUnit = 11;
constexpr int kSvgUnit = 12;

struct PlotNames {
    std::string html;     // the HTML report (empty: none)
    std::string svg_dir;  // folder of the SVG files (empty: none)
};

struct PlotFiles {
    ExportFile html;
    std::string svg_dir;
    std::vector<TestPoints> tests;  // what the run's charts need of each test
};

// Creates the HTML file and writes its opening; makes the SVG folder when
// missing (one that cannot be made shows when its first file is created).
void open_plots(PlotFiles& pf, const PlotNames& names, const Run& run,
                const std::string& input_path, const std::string& report_path);

// Per test its section and its SVG files (t<N>-deviator.svg, t<N>-volume.svg,
// t<N>-pore-pressure.svg, t<N>-path.svg); at the end of the run the run's
// charts (run-paths.svg, run-mohr.svg). A failed write is error 38.
RunHooks plot_hooks(PlotFiles& pf);

// Ends the page (with the error line after a failed run) and closes it.
std::optional<RunError> close_plots(PlotFiles& pf, const std::optional<RunError>& error);

// Both observers, the first one first.
RunHooks chain_hooks(RunHooks first, RunHooks second);

}  // namespace dorvane::plot
