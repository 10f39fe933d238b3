#include "readings/clock_fields.h"

namespace dorvane {

void carry_clock_fields(int nread, Readings& r) {
    for (int i = 2; i <= nread; ++i) {
        if (r.DAY[i] < r.DAY[i - 1]) r.DAY[i] = r.DAY[i - 1];
        if (r.HOUR[i] < r.HOUR[i - 1]) r.HOUR[i] = r.HOUR[i - 1];
    }
}

}  // namespace dorvane
