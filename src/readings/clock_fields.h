// The clock fields of a readings block count elapsed days and hours: a
// blank (zero) day or hour repeats the reading before it.
#pragma once

#include "readings/readings.h"

namespace dorvane {

// Clock-field pass: a day or hour below the reading before it repeats that
// reading's value (1, 0, 0, 2 -> 1, 1, 1, 2). Minutes are left as read.
void carry_clock_fields(int nread, Readings& r);

}  // namespace dorvane
