// F input editing of any field text, with every d the engine may meet.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/f_editing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    int d = data[0] % 10;
    std::string_view field(reinterpret_cast<const char*>(data + 1), size - 1);
    float first = 0, second = 0;
    bool ok = dorvane::edit_f_input(field, d, first);
    if (ok != dorvane::edit_f_input(field, d, second)) std::abort();
    if (ok && !(first == second || (first != first && second != second))) std::abort();
    return 0;
}
