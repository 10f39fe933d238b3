// Reading numbers of a test as indices of its reading arrays.
#pragma once

#include <algorithm>

#include "records/real.h"

namespace dorvane {

// Number of rows a per-reading table prints: NREAD, 0 when it is 0 or less
// (a test is refused before its readings block when NREAD passes 80).
inline int reading_rows(int nread) { return std::clamp(nread, 0, kMaxReadings); }

// A reading number used as an index: outside 1..80 (a test without
// readings has failure reading 0) it names element 0, which stays 0.
inline int reading_index(int i) { return (i >= 1 && i <= kMaxReadings) ? i : 0; }

}  // namespace dorvane
