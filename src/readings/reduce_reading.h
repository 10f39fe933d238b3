// Reduction of the readings of a test to strains, areas and stresses with
// every correction applied, in reading order (running values carry from one
// reading to the next), followed by the test results.
#pragma once

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Reduces readings 1 to NREAD in order (shear-plane readings on the plane,
// the failure search after each), then derives the results of the test.
// STNRAT and PPMAX are converted in place in run.in.
void reduce_readings(Run& run, Specimen& sp, Readings& r);

// Reduces reading i (readings 1 to i-1 already reduced), ending with the
// failure search step for it. Sets run.RAMWT for the test.
void reduce_reading(Run& run, const Specimen& sp, Readings& r, int i);

}  // namespace dorvane
