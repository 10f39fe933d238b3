// Storing one test's row of the all-tests arrays, from its values.
#include "envelope/envelope.h"
#include "records/run_error.h"

namespace dorvane {

void store_result_row(Envelope& env, int test, Real parreg, Real repopt,
                      Real sefkpa_fail, Real tkpa_fail, Real skpa_fail,
                      Real sefkpa_ult, Real tkpa_ult, const std::string& input_path) {
    // A NaN PARREG fails the comparison and stores nothing, like 0.
    if (!(parreg.v > 0.0f)) return;
    if (test > kMaxTests) {
        throw RunError{98, 5, input_path, "more than 40 tests for the strength envelopes"};
    }
    if (test < 1) return;  // no test counted yet: there is no row to store
    env.SIGALL.cell[test][1] = sefkpa_fail;
    env.TAUALL.cell[test][1] = tkpa_fail;
    if (repopt.v == 9.0f) {
        // Second result set: the ultimate state.
        env.SIGALL.cell[test][2] = sefkpa_ult;
        env.TAUALL.cell[test][2] = tkpa_ult;
    } else {
        // Second result set: total stress at failure, same TAU.
        env.SIGALL.cell[test][2] = skpa_fail;
        env.TAUALL.cell[test][2] = tkpa_fail;
    }
}

}  // namespace dorvane
