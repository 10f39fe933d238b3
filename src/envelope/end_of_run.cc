// The end-of-run step: the envelope routine over all tests.
#include <cmath>

#include "envelope/envelope.h"
#include "envelope/envelope_routine.h"

namespace dorvane {

namespace {

AllTestsTable natural_logs(const AllTestsTable& t, int n) {
    AllTestsTable l;
    for (int k = 1; k <= n && k <= kMaxTests; ++k) {
        for (int j = 1; j <= 2; ++j) l.cell[k][j] = std::log(static_cast<double>(t.cell[k][j]));
    }
    l.beyond = std::log(static_cast<double>(t.beyond));
    return l;
}

}  // namespace

void end_of_run(const Run& run, Envelope& env, OutputUnit& rep) {
    env.KPASS = EnvelopePass::Linear;
    if (run.NTEST <= 1 || run.REGOPT <= 0) return;
    const int n = run.NTESTS;
    envelope_routine(env.SIGALL, env.TAUALL, n, run, env, rep);
    env.COFLIN = env.COFCOR;
    if (run.REGOPT != 4 && run.REGOPT != 5) return;

    env.KPASS = EnvelopePass::PowerCurve;
    // The last test's effective SIG at failure, before any logarithm.
    env.SIGTOP = env.SIGALL.at(n, 1);
    env.LSIGALL = natural_logs(env.SIGALL, n);
    env.LTAUALL = natural_logs(env.TAUALL, n);
    envelope_routine(env.LSIGALL, env.LTAUALL, n, run, env, rep);
}

}  // namespace dorvane
