// Number editing of one field: F output and input, I output.
#pragma once

#include <string_view>

namespace dorvane {

// Writes v in exactly w characters at dst, from the exact decimal value of
// the float rounded half away from zero to d digits:
//   F6.3 of 0.5 -> " 0.500", F4.3 of 0.5 -> ".500", F4.3 of -0.5 -> "****",
//   F3.0 of -0.4 -> " 0.", F3.1 of 0.25 -> "0.3", F3.1 of 0.35f -> "0.3",
//   F6.1 of NaN -> " NaN  ", F9.2 of -inf -> "*********" (needs 10).
void edit_f_output(char* dst, float v, int w, int d);

// Writes n right-justified in w characters: I3 of -12 -> "-12", -100 -> "***".
void edit_i_output(char* dst, int n, int w);

// Reads one F input field (the w characters already cut at a comma): blanks
// ignored, empty -> 0, sign, digits, point, exponent E/e, Infinity and NaN
// (any case). Without a point the digits are divided by 10^d. Correctly
// rounded straight to float. Returns false for anything else (error 64).
bool edit_f_input(std::string_view field, int d, float& out);

}  // namespace dorvane
