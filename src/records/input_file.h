// Readers of the input data file: general data, title lines and the
// specimen and apparatus records of the three layouts.
#pragma once

#include "records/input_unit.h"
#include "records/output_unit.h"
#include "records/run_state.h"

namespace dorvane {

// Which layout the test records of the run are in.
enum class InputLayout { Short, Standard, Extended };

// General data records 1 (and 2 when asked for), ARAM, the regression
// option, then the dispatch on the mode code: below 7 the GENERAL DATA
// block and its note are written; above 8 (or not a number) the extended
// flag takes the mode code and the mode code becomes 7.85.
InputLayout read_general_data(Run& run, InputUnit& in, OutputUnit& report);

// One title line into run.TITLE, echoed at once (23 blanks before it except
// in the short layout). False at the end of the file: nothing is echoed.
bool read_title_line(Run& run, InputLayout layout, InputUnit& in, OutputUnit& report);

// READ A, B and C of the standard layout, (9F8.0).
void read_standard_records(InputFields& f, InputUnit& in);

// The short layout's 18 fields, the coefficient record for seating options
// 2 and 3, FRACA from the height change and the proving-ring override.
void read_short_records(InputFields& f, InputUnit& in);

// READ A, B and C of the extended layout, (8F10.0).
void read_extended_records(InputFields& f, InputUnit& in);

}  // namespace dorvane
