// Seating correction of the strain dial readings from the steepest part of
// the load-deformation record.
#pragma once

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Seating correction: steepest ring/strain-dial gradient within readings 2
// to NREAD80, the loading line of that slope through the reading before
// it, and the strain dial zero moved to where that line meets zero net
// ring load. With NREAD80 below 2 nothing is corrected.
void correct_seating(const Run& run, const Specimen& sp, Readings& r);

}  // namespace dorvane
