#include "export/number_text.h"

#include <charconv>
#include <cmath>

namespace dorvane {

bool exportable(float v) { return std::isfinite(v); }

void append_number(std::string& out, float v) {
    if (!exportable(v)) return;
    char text[32];
    // Without a format, to_chars gives the shortest text that reads back
    // to the same float, fixed or scientific, whichever is shorter.
    const std::to_chars_result r = std::to_chars(text, text + sizeof text, v);
    out.append(text, r.ptr);
}

std::string number_text(float v) {
    std::string out;
    append_number(out, v);
    return out;
}

}  // namespace dorvane
