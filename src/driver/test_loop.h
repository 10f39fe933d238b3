// The run after both files are open: general data, one test after another
// until a title read meets the end of the input, then the end of the run.
#pragma once

#include <functional>

#include "records/input_unit.h"
#include "records/output_unit.h"
#include "records/run_state.h"

namespace dorvane {

struct Specimen;
struct Readings;
struct Envelope;

// Optional observers of a run, for exports written from the same computed
// state as the report: after_test once per test after its report lines and
// its stored row, at_end once after the end of the run.
struct RunHooks {
    std::function<void(const Run&, const Specimen&, const Readings&)> after_test;
    std::function<void(const Run&, const Envelope&)> at_end;
};

// Reads the whole input data file and writes every report record after the
// header. Throws RunError; what was written before stays in the report.
void run_tests(Run& run, InputUnit& in, OutputUnit& report, const RunHooks& hooks = {});

}  // namespace dorvane
