// The failure reading (largest half deviator stress) and the single results
// of a test: dilatancy rates, ultimate reading, degree of consolidation,
// bedding and seating shares, saturation pressure.
#pragma once

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Failure search after reading i: IFAIL is the first reading at which
// .5(DEVS) reaches its largest value so far (.5(DEVS) 1, 3, 3, 2, 5, 5 ->
// IFAIL 5); TCFAIL the elapsed time at it. After reading 1 alone: IFAIL 1.
void failure_search_step(Readings& r, int i);

// Test results after the last reading: DILRAT of every reading, IEND
// (report option 9), KF, DEGCON, PPSOSH, BEDPER, STGPER, DVDH, DVDU, PSAT,
// the pore-pressure ratio; STNRAT (to mm/min) and PPMAX are replaced in
// run.in; CMS3LR(IFAIL) changes sign for the report.
void derive_test_results(Run& run, const Specimen& sp, Readings& r);

// Dilatancy rate at reading i of nread: the mean of the forward and
// backward slopes of EPSVOL against EPSAX (only the backward one at the
// last reading, 0 at reading 1 or across a zero strain step).
Real dilatancy_rate(const Readings& r, int i, int nread);

}  // namespace dorvane
