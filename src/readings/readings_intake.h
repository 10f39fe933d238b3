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
void read_readings(Run& run, Specimen& spec, Readings& r, InputUnit& in);

// Clock-field pass: a day or hour below the reading before it repeats that
// reading's value (1, 0, 0, 2 -> 1, 1, 1, 2). Minutes are left as read.
void carry_clock_fields(int nread, Readings& r);

// Seating correction: steepest ring/strain-dial gradient within readings 2
// to NREAD80, the loading line of that slope through the reading before
// it, and the strain dial zero moved to where that line meets zero net
// ring load. With NREAD80 below 2 nothing is corrected.
void correct_seating(const Run& run, const Specimen& spec, Readings& r);

}  // namespace dorvane
