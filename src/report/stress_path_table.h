// The stress path table of report options 7 and 9: one row per reading,
// stresses in kPa, 68 characters wide.
#pragma once

#include "readings/readings.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Heading (three empty lines, column numbers, labels and units between
// hyphen lines), then readings 1 to NREAD; a test without readings gets
// the heading alone.
void write_stress_path_table(const Run& run, const Specimen& sp, const Readings& rd,
                             OutputUnit& rep);

}  // namespace dorvane
