// The store step after each test: its row from the failure reading and,
// under report option 9, the ultimate reading.
#include "envelope/envelope.h"
#include "readings/readings.h"

namespace dorvane {

void store_test_result(const Run& run, const Readings& rd, Envelope& env,
                       const std::string& input_path) {
    // IFAIL and IEND are 0 for a test without readings: element 0 reads 0.
    const int f = rd.IFAIL;
    const int u = rd.IEND;
    store_result_row(env, run.NTEST, run.in.PARREG, run.in.REPOPT, rd.SEFKPA[f], rd.TKPA[f],
                     rd.SKPA[f], rd.SEFKPA[u], rd.TKPA[u], input_path);
}

}  // namespace dorvane
