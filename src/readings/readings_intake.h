// Intake of a test's readings block: the records of the block, the
// clock-field pass and the seating correction of the strain dial.
#pragma once

#include "readings/readings.h"
#include "records/input_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Reads exactly NREAD readings with the record layout of the run (short,
// list-directed under mode code 2, standard, extended), then runs the
// clock-field pass and, for seating option 1 or 2, the seating correction.
// Every reading field of the test starts at 0. More than 80 readings:
// severe (99) before any record of the block is read.
void read_readings(Run& run, Specimen& sp, Readings& r, InputUnit& in);

}  // namespace dorvane
