// Numbers of the exports: the stored single-precision value, written as the
// shortest decimal that reads back to the same float (not the report's
// rounding): 0.1f -> "0.1", 1e-5f -> "1e-05", 98.07f -> "98.07".
#pragma once

#include <string>

namespace dorvane {

// True for a value the exports can write; Infinity and NaN are not.
bool exportable(float v);

// Appends the shortest round-trip decimal of v; nothing for a non-finite v.
void append_number(std::string& out, float v);

// The same as a string: "" for a non-finite v.
std::string number_text(float v);

}  // namespace dorvane
