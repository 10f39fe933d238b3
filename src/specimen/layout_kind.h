// Which layout of the test records the run uses: the extended layout follows
// the extended flag (the mode code is then 7.85), the short layout a mode
// code below 7, the standard layout everything else.
#pragma once

#include "records/run_state.h"

namespace dorvane {

// A NaN extended flag counts as set, like the mode-code dispatch that made it.
inline bool extended_layout(const Run& run) { return run.EXTFLG != 0.0f; }

inline bool short_layout(const Run& run) {
    return !extended_layout(run) && run.in.MODE < 7.0f;
}

// A switch is on at 1 or more.
inline bool switch_on(Real s) { return s >= 1.0f; }

}  // namespace dorvane
