// The text of the HTML report: one self-contained page (styles inline, the
// charts as inline SVG, nothing fetched), the run's header, a section per
// test written as the run goes, the run's charts at its end. Each function
// returns the text of its part; the caller writes it to the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/test_charts.h"
#include "records/run_error.h"

namespace dorvane::plot {

// The opening of the page and the run header (the two files of the run).
std::string html_prelude(const Run& run, const std::string& input_path,
                         const std::string& report_path);

// One test: its specimen table, its single results and its charts.
std::string html_test(const Run& run, const Specimen& sp, const Readings& rd,
                      const std::vector<NamedChart>& charts);

// The run's charts and a table of the failure points and the fits.
std::string html_run(const Run& run, const Envelope& env, const std::vector<TestPoints>& tests,
                     const std::vector<NamedChart>& charts);

// The end of the page, with the error line when the run ended in one.
std::string html_end(const std::optional<RunError>& error);

}  // namespace dorvane::plot
