// The program's one number type: every quantity is stored in single
// precision, every formula is evaluated in double, every assignment rounds.
#pragma once

#include <array>

namespace dorvane {

// Stored as float; arithmetic happens in double (the only conversion is to
// double); assignment rounds to the nearest float.
//   Real a = 0.1f, b = 3.0f;  Real c = a * b + 1.0f;  // one rounding, at '='
// Write constants as float literals (0.00254f), never as double literals:
// the laboratory's constants are single-precision values.
struct Real {
    float v = 0.0f;
    Real() = default;
    Real(double d) : v(static_cast<float>(d)) {}
    operator double() const { return v; }
};

// Integer part of a real, truncated toward zero, as counts and options are
// taken from the input: a non-finite value gives 0, a huge one the nearest
// 32-bit integer.
inline int truncate_to_int(double x) {
    if (!(x == x) || x - x != 0) return 0;
    if (x >= 2147483647.0) return 2147483647;
    if (x <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(x);
}

// Reading arrays are indexed 1..80 as in the laboratory's formulas;
// element 0 exists but is never part of a test (it stays 0).
constexpr int kMaxReadings = 80;
using ReadingArray = std::array<Real, kMaxReadings + 1>;

// The all-tests arrays hold 40 tests.
constexpr int kMaxTests = 40;

}  // namespace dorvane
