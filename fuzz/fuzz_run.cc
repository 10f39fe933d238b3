// Whole program on an input held in memory: any bytes must end in a complete
// report (status 0) or one run-time error line (status 1).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "driver/run_program.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string report;
    std::string error;
    int status = dorvane::run_in_memory(std::string_view(reinterpret_cast<const char*>(data), size), report, &error);
    if (status != 0 && status != 1) std::abort();
    if (status == 1 && error.rfind("dorvane: severe (", 0) != 0) std::abort();
    if (report.rfind(" *** REPORT.OUT   :  INPUT.DAT   ", 0) != 0) std::abort();  // the header is never lost
    return 0;
}
