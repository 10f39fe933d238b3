// The four one-row tables that close a test's report: 59 single results of
// the test in numbered columns, values "at failure" taken at IFAIL.
#pragma once

#include "readings/readings.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Tables A to D, each an empty line, a four-line heading and one row;
// written after the KF line under report options other than 7, 8 and 9.
void write_test_tables(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep);

}  // namespace dorvane
