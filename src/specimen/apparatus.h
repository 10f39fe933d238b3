// Apparatus constants of a test, its cell pressure in kgf/cm2, and the
// calibration and correction coefficients the reading reduction applies.
#pragma once

#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Settles the constants for the test just read, before the specimen state
// is derived. The extended layout's fixed apparatus replaces EXTM (halved),
// PR_RG_CONS, ARAM, the ram weight and PHIPL in place in `run`; the test's
// S3IKGC, BEDSTR, PHIPL in radians and coefficients go to `sp`.
void settle_apparatus(Run& run, Specimen& sp);

}  // namespace dorvane
