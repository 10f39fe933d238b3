// The single results of a test under its reading tables or its stress path
// table: time to failure, bedding and seating, dilatancy rates.
#pragma once

#include "readings/readings.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Time to failure, bedding block, seating block and the KF line, written
// after TABLE 2 under every report option other than 7, 8 and 9.
void write_full_result_lines(const Run& run, const Specimen& sp, const Readings& rd,
                             OutputUnit& rep);

// Time to failure with DV/DH, DV/DU, and the maximum seating correction
// when the seating option is exactly 1 or 2; written after the stress path
// table under report options 7 and 9.
void write_stress_path_result_lines(const Run& run, const Specimen& sp, const Readings& rd,
                                    OutputUnit& rep);

}  // namespace dorvane
