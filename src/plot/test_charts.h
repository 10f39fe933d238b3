// The charts of one test and of the whole run, drawn from the values the
// report prints (the reduced readings, the failure and ultimate readings,
// the envelope fits of the end of the run).
#pragma once

#include <string>
#include <vector>

#include "envelope/envelope.h"
#include "plot/svg_chart.h"
#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane::plot {

// One chart and the short name of its SVG file ("deviator", "path", ...).
struct NamedChart {
    std::string name;
    Chart chart;
};

// Per test: (S1-S3)/2 against axial strain, volumetric strain and pore
// pressure against axial strain, the stress path. Chart ids begin with
// "t<NTEST>-".
std::vector<NamedChart> test_charts(const Run& run, const Specimen& sp, const Readings& rd);

// What the run-level charts keep of a test while the run goes on: its
// failure point and (for the first kMaxPaths tests) its effective path.
struct TestPoints {
    int test = 0;
    std::string testno;       // the test number as the page shows it
    double sig = 0, tau = 0;  // SEFKPA and TKPA at failure, kPa
    bool failed = false;      // a failure reading exists
    std::vector<double> path_sig, path_tau;
};
constexpr int kMaxPaths = 60;

TestPoints test_points(const Run& run, const Specimen& sp, const Readings& rd);

// For the run: all effective stress paths with the failure points and the
// fitted envelopes; Mohr circles at failure with the Mohr-Coulomb lines.
// Empty when the run had no test.
std::vector<NamedChart> run_charts(const Run& run, const Envelope& env,
                                   const std::vector<TestPoints>& tests);

}  // namespace dorvane::plot
