// The summary of all tests and the envelope lines of each pass.
#include "envelope/envelope_routine.h"
#include "records/output_unit.h"

namespace dorvane {

namespace {

void write_summary(const AllTestsTable& sig, const AllTestsTable& tau, int n, Real repopt,
                   OutputUnit& rep) {
    if (repopt.v == 9.0f) {
        // Result set 2 is the ultimate state.
        rep.write("(/, 1X, ' SUMMARY OF ALL TESTS:', 17X, 'AT             AT', /, 2X, 'NOTE: SIG = (S1+S3)/2 (KPA)', 7X, '  PEAK STR.      ULT. STR.   ', /, 8X, 'TAU = (S1-S3)/2 (KPA)', 7X, 'SIG    TAU      SIG    TAU', /, 36X, 28('-'))");
    } else {
        // Result set 2 is total stress at failure.
        rep.write("(/, 1X, ' SUMMARY OF ALL TESTS:', 20X, 'AT PEAK STRENGTH ', /, 2X, 'NOTE: SIG = (S1+S3)/2 (KPA)', 7X, 'EFFECTIVE STR.   TOTAL STRESS', /, 8X, 'TAU = (S1-S3)/2 (KPA)', 7X, 'SIG    TAU      SIG    TAU', /, 36X, 28('-'))");
    }
    for (int i = 1; i <= n; ++i) {
        rep.write("(34X, 6(2F7.1, 2X))",
                  {sig.at(i, 1), tau.at(i, 1), sig.at(i, 2), tau.at(i, 2)});
    }
}

void write_through_origin(const Envelope& env, OutputUnit& rep) {
    rep.write("(/, ' COEF. OF CORRELATION FOR C = ZERO:', F10.6, F16.6)",
              {env.COFZRC[1], env.COFZRC[2]});
    rep.write("(/, ' REGR.FORCED THRO.ORIGIN.PHI (deg):', 3X, F7.3, 5(1X, F15.3))",
              {env.PHIZRC[1], env.PHIZRC[2]});
}

void write_ordinary_linear(const Envelope& env, OutputUnit& rep) {
    rep.write("(/, ' COEF. OF COR. WITH C, COFCOR:', 6F16.6)", {env.COFCOR[1], env.COFCOR[2]});
    rep.write("(/, ' ORDINARY LINEAR REGR.COHESN (kPa):', 3X, F7.3, 5(1X, F15.3))",
              {env.COHESN[1], env.COHESN[2]});
    rep.write("(22X, 'PHILRG (deg):', 3X, F7.3, 5(1X, F15.3))", {env.PHILRG[1], env.PHILRG[2]});
}

void write_power_curve(const Envelope& env, OutputUnit& rep) {
    rep.write("(/, ' POWER CURVE FIT: COEF.OF COR:', 6F16.6)", {env.COFCOR[1], env.COFCOR[2]});
    rep.write("(28X, 'ACONST:', 3X, F7.4, 5(1X, F15.4))", {env.ACONST[1], env.ACONST[2]});
    rep.write("(28X, 'BEXPNT:', 3X, F7.4, 5(1X, F15.4))", {env.BEXPNT[1], env.BEXPNT[2]});
}

void write_strength_table(const Envelope& env, OutputUnit& rep) {
    rep.write("(/, ' STRENGTH FOR FOLLOWING (S1+S3)/2:', 1X, 6(F6.1, 1X))",
              {env.SIGFOL[1], env.SIGFOL[2], env.SIGFOL[3], env.SIGFOL[4], env.SIGFOL[5]});
    rep.write("(1X, '((S1-S3)/2)F=', F6.4, '*SIG**', F6.4, ' : ', 6(F6.1, 1X))",
              {env.ACONST[1], env.BEXPNT[1], env.TAUFOL[1], env.TAUFOL[2], env.TAUFOL[3],
               env.TAUFOL[4], env.TAUFOL[5]});
}

}  // namespace

void write_envelope_lines(const AllTestsTable& sig, const AllTestsTable& tau, int n,
                          int regopt, Real repopt, const Envelope& env, OutputUnit& rep) {
    if (env.KPASS == EnvelopePass::PowerCurve) {
        write_power_curve(env, rep);
        write_strength_table(env, rep);
        return;
    }
    write_summary(sig, tau, n, repopt, rep);
    if (regopt == 1 || regopt == 3 || regopt == 4 || regopt == 5) write_through_origin(env, rep);
    if (regopt == 2 || regopt == 3 || regopt == 5) write_ordinary_linear(env, rep);
}

void envelope_routine(const AllTestsTable& sig, const AllTestsTable& tau, int n,
                      const Run& run, Envelope& env, OutputUnit& rep) {
    fit_envelopes(sig, tau, n, run.REGOPT, run.PI, env);
    write_envelope_lines(sig, tau, n, run.REGOPT, run.in.REPOPT, env, rep);
}

}  // namespace dorvane
