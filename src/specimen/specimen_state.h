// The specimen before shearing: diameter, areas, volumes, consolidation,
// failure-plane geometry and membrane factors, density, saturation, void
// ratios, final water contents, bedding and seating.
#pragma once

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Derives the specimen state of the test, after settle_apparatus. Replaces
// in place in run.in: D (when measured), FRACA (from DHCON), WCFIN (extended
// layout), ALPHA (radians on the way, back in degrees at the end). Raises
// the test counter and clears the reading reduction's per-test state.
void prepare_specimen(Run& run, Specimen& sp, Readings& readings);

}  // namespace dorvane
