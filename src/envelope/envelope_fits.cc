// The envelope fits over all tests and the strength table of the power curve.
#include <climits>
#include <cmath>

#include "envelope/envelope_routine.h"

namespace dorvane {

namespace {

void fit_column(const AllTestsTable& sig, const AllTestsTable& tau, int n, int j, int regopt,
                Real pi, Envelope& env) {
    const bool linear = env.KPASS == EnvelopePass::Linear;

    // Single-precision accumulators, in row order.
    Real sxy = 0.0f, sxx = 0.0f, sx = 0.0f, sy = 0.0f, syy = 0.0f;
    for (int i = 1; i <= n; ++i) {
        const Real x = sig.at(i, j);
        const Real y = tau.at(i, j);
        sxy = sxy + x * y;
        sxx = sxx + x * x;
        sx = sx + x;
        sy = sy + y;
        syy = syy + y * y;
    }

    // Centred sums.
    const Real rn = static_cast<float>(n);
    const Real cxy = sxy - sy * sx / rn;
    const Real cxx = sxx - sx * sx / rn;
    const Real cyy = syy - sy * sy / rn;

    // Correlation; its sign (the slope's) is not carried.
    const Real r2 = cxy * cxy / (cyy * cxx);
    env.COFCOR[j] = std::sqrt(r2);

    if (linear && (regopt == 1 || regopt == 3 || regopt == 4 || regopt == 5)) {
        // Through the origin: slope taken as sin phi, cohesion zero.
        const Real b0 = sxy / sxx;
        env.PHIZRC[j] = std::asin(b0) * 180.0f / pi;
        const Real ymean = sy / rn;
        Real sse = 0.0f, sst = 0.0f;
        for (int i = 1; i <= n; ++i) {
            const Real x = sig.at(i, j);
            const Real y = tau.at(i, j);
            const double e = y - b0 * x;
            const double t = y - ymean;
            sse = sse + e * e;
            sst = sst + t * t;
        }
        const Real v = sst / (rn - 1.0f);
        env.COFZRC[j] = std::sqrt(1.0f - (sse / (rn - 1.0f)) / v);
    }

    if (linear && (regopt == 2 || regopt == 3 || regopt == 5)) {
        // Ordinary least squares: slope sin phi, intercept c cos phi.
        const Real b1 = cxy / cxx;
        env.PHILRG[j] = std::asin(b1) * 180.0f / pi;
        const Real xmean = sx / rn;
        const Real ymean = sy / rn;
        const Real a = ymean - xmean * b1;
        env.COHESN[j] = a / std::cos(pi * env.PHILRG[j] / 180.0f);
    }

    if (!linear) {
        // The tables hold logarithms: ln TAU = ln ACONST + BEXPNT ln SIG.
        env.BEXPNT[j] = cxy / cxx;
        const Real xmean = sx / rn;
        const Real ymean = sy / rn;
        env.ACONST[j] = std::exp(ymean - xmean * env.BEXPNT[j]);
    }
}

// Five strengths of the result set 1 curve up to SIGTOP, raised to the next
// multiple of 100 (an exact multiple goes up by a full 100).
void fill_strength_table(Envelope& env) {
    const int m = truncate_to_int(env.SIGTOP / 100.0f);
    env.SIGTOP = 100.0f * static_cast<double>(m) + 100.0f;
    const Real step = env.SIGTOP / 5.0f;
    Real s = 0.0f;
    for (int k = 1; k <= 5; ++k) {
        s = s + step;  // a running sum, not k * step
        env.SIGFOL[k] = s;
        env.TAUFOL[k] = env.ACONST[1] * std::pow(static_cast<double>(env.SIGFOL[k]),
                                                 static_cast<double>(env.BEXPNT[1]));
    }
}

}  // namespace

void fit_envelopes(const AllTestsTable& sig, const AllTestsTable& tau, int n, int regopt,
                   Real pi, Envelope& env) {
    for (int j = 1; j <= 2; ++j) fit_column(sig, tau, n, j, regopt, pi, env);
    if (env.KPASS == EnvelopePass::PowerCurve) fill_strength_table(env);
}

}  // namespace dorvane
