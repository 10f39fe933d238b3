// Large valid input data files for timing runs: N tests of 80 readings in the
// standard layout, with values in the ranges of real laboratory files.
#pragma once

#include <cstdint>
#include <string>

namespace dorvane {

// The whole input file: general data (mode code 7, no stored results,
// report option 0, no second record), then `tests` tests, each with its
// three title lines, READ A, B and C and 80 readings in (8F4.0, 4F8.0).
// The same seed gives the same file.
std::string generate_standard_input(int tests, uint32_t seed = 1);

}  // namespace dorvane
