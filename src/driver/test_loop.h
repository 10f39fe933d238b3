// The run after both files are open: general data, one test after another
// until a title read meets the end of the input, then the end of the run.
#pragma once

#include "records/input_unit.h"
#include "records/output_unit.h"
#include "records/run_state.h"

namespace dorvane {

// Reads the whole input data file and writes every report record after the
// header. Throws RunError; what was written before stays in the report.
void run_tests(Run& run, InputUnit& in, OutputUnit& report);

}  // namespace dorvane
