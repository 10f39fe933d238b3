// The specimen property blocks of a test's report, written right after the
// specimen state is settled and before the readings are read.
#pragma once

#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Short layout: the COEF01 line (seating option 2 or 3 only) and the sample
// properties block. Standard and extended layouts: the apparatus constants
// block and the conditions at the end of consolidation.
void write_specimen_blocks(const Run& run, const Specimen& sp, OutputUnit& rep);

}  // namespace dorvane
