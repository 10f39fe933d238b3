#include "readings/readings.h"

namespace dorvane {

void clear_reduction_state(Readings& r) {
    r.KPLANE = 0;
    r.KFSRCH = 0;
    r.KGSCAN = 0;
    r.NRDVT = 0.0f;
    r.NRDVP = 0.0f;
    r.DIALCR = 0.0f;
    r.VLEAK = 0.0f;
    r.THOURS = 0.0f;
    r.JREF = 0;
}

}  // namespace dorvane
