// The names the input data file gives its fields, found from where a READ
// stores them.
#pragma once

#include <string>

#include "records/run_state.h"

namespace dorvane {

// Name of the input field stored at p ("WCINL", "PR.RG.CONS"), or "" when p
// is not a field of run.in.
std::string input_field_name(const InputFields& f, const Real* p);

// Name of item k of a reading: free format (S.DIAL, PR.DIA), the short
// layout's twelve fields, or the twelve of the standard and extended layouts.
std::string reading_field_name(bool list_directed, bool short_layout, int k);

}  // namespace dorvane
