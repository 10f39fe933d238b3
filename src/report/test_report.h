// The per-test report that follows the specimen blocks, chosen by the
// report option.
#pragma once

#include "readings/readings.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Report option exactly 7 or 9: stress path table and its result lines;
// exactly 8: nothing; any other value (0, 7.5, NaN ...): reading tables,
// full result lines and the four one-row test tables.
void write_test_report(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep);

}  // namespace dorvane
