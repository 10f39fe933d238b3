// The readings table and TABLE 2 of a test: one row per reading.
#pragma once

#include "readings/readings.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Writes the readings table (readings as taken and the main results) and
// TABLE 2 (principal stresses and their corrections) for readings 1 to
// NREAD; with no reading, both headings and no row.
void write_reading_tables(const Run& run, const Specimen& sp, const Readings& r,
                          OutputUnit& rep);

}  // namespace dorvane
