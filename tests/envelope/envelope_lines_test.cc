// The end of the run: summary of all tests and envelope lines, written to
// memory and compared line by line with the layouts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "envelope/envelope.h"
#include "records/output_unit.h"

namespace dorvane {
namespace {

std::string lines(const std::vector<std::string>& ls) {
    std::string s;
    for (const std::string& l : ls) s += l + "\r\n";
    return s;
}

const std::vector<std::string> kHeadingPeak = {
    "",
    "  SUMMARY OF ALL TESTS:                    AT PEAK STRENGTH ",
    "  NOTE: SIG = (S1+S3)/2 (KPA)       EFFECTIVE STR.   TOTAL STRESS",
    "        TAU = (S1-S3)/2 (KPA)       SIG    TAU      SIG    TAU",
    "                                    ----------------------------",
};
const std::vector<std::string> kHeadingUltimate = {
    "",
    "  SUMMARY OF ALL TESTS:                 AT             AT",
    "  NOTE: SIG = (S1+S3)/2 (KPA)         PEAK STR.      ULT. STR.   ",
    "        TAU = (S1-S3)/2 (KPA)       SIG    TAU      SIG    TAU",
    "                                    ----------------------------",
};

// Three tests on the line TAU = 10 + SIG / 2 (column 2 shifted by 50 in SIG).
struct ThreeTests {
    dorvane::Run run;
    Envelope env;
    ThreeTests(float parreg, float repopt) {
        run.in.PARREG = parreg;
        run.REGOPT = static_cast<int>(parreg);
        run.in.REPOPT = repopt;
        run.NTEST = run.NTESTS = 3;
        const float sig[] = {100, 200, 300}, tau[] = {60, 110, 160};
        for (int k = 1; k <= 3; ++k) {
            store_result_row(env, k, parreg, repopt, sig[k - 1], tau[k - 1], sig[k - 1] + 50.0f,
                             0, 0, "/in.dat");
        }
    }
    std::string end() {
        std::string out;
        OutputUnit rep(&out);
        end_of_run(run, env, rep);
        rep.flush();
        return out;
    }
};

const std::vector<std::string> kRows = {
    "                                    100.0   60.0    150.0   60.0",
    "                                    200.0  110.0    250.0  110.0",
    "                                    300.0  160.0    350.0  160.0",
};
const std::vector<std::string> kThroughOrigin = {
    "",
    " COEF. OF CORRELATION FOR C = ZERO:  0.995705        0.993473",
    "",
    " REGR.FORCED THRO.ORIGIN.PHI (deg):    32.878          26.473",
};
// PHILRG 30 degrees, cohesion 10 / cos 30 (column 2: -15 / cos 30), COFCOR 1.
const std::vector<std::string> kOrdinary = {
    "",
    " COEF. OF COR. WITH C, COFCOR:        1.000000        1.000000",
    "",
    " ORDINARY LINEAR REGR.COHESN (kPa):    11.547         -17.321",
    "                      PHILRG (deg):    30.000          30.000",
};
const std::vector<std::string> kPowerCurve = {
    "",
    " POWER CURVE FIT: COEF.OF COR:        0.999897        0.999852",
    "                            ACONST:    0.9889          0.1802",
    "                            BEXPNT:    0.8908          1.1600",
};
// SIGTOP 300 (the last test) goes up to 400.
const std::vector<std::string> kStrength = {
    "",
    " STRENGTH FOR FOLLOWING (S1+S3)/2:   80.0  160.0  240.0  320.0  400.0",
    " ((S1-S3)/2)F=0.9889*SIG**0.8908 :   49.0   90.9  130.5  168.6  205.7",
};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(EndOfRun, LinesByRegressionOption) {
    struct Case { float parreg; std::vector<std::string> expected; };
    const Case cases[] = {
        {1, join({kHeadingPeak, kRows, kThroughOrigin})},
        {2, join({kHeadingPeak, kRows, kOrdinary})},
        {3, join({kHeadingPeak, kRows, kThroughOrigin, kOrdinary})},
        {4, join({kHeadingPeak, kRows, kThroughOrigin, kPowerCurve, kStrength})},
        {5.9f, join({kHeadingPeak, kRows, kThroughOrigin, kOrdinary, kPowerCurve, kStrength})},
        {6, join({kHeadingPeak, kRows})},
        {17, join({kHeadingPeak, kRows})},
        {0.5f, {}},  // rows stored, regression option 0
        {0, {}},
        {-3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parreg);
        ThreeTests t(c.parreg, 7);
        EXPECT_EQ(t.end(), lines(c.expected));
    }
}

TEST(EndOfRun, HeadingNamesUltimateStrengthUnderReportOptionNine) {
    ThreeTests nine(6, 9);
    // Under 9 column 2 is the ultimate state: stored here as 0, 0.
    EXPECT_EQ(nine.end(), lines(join({kHeadingUltimate,
                                      {"                                    100.0   60.0      0.0    0.0",
                                       "                                    200.0  110.0      0.0    0.0",
                                       "                                    300.0  160.0      0.0    0.0"}})));
    // The heading follows the report option in force at the end of the run.
    ThreeTests eight(6, 9);
    eight.run.in.REPOPT = 8;
    EXPECT_EQ(eight.end().substr(0, lines(kHeadingPeak).size()), lines(kHeadingPeak));
}

TEST(EndOfRun, OneTestPrintsNothing) {
    ThreeTests t(5, 7);
    t.run.NTEST = t.run.NTESTS = 1;
    EXPECT_EQ(t.end(), "");
}

TEST(EndOfRun, LastTestScalesStrengthTable) {
    dorvane::Run run;
    run.in.PARREG = 4;
    run.REGOPT = 4;
    run.NTEST = run.NTESTS = 2;
    Envelope env;
    store_result_row(env, 1, 4, 7, 500, 200, 520, 0, 0, "/in.dat");
    store_result_row(env, 2, 4, 7, 250, 120, 270, 0, 0, "/in.dat");
    std::string out;
    OutputUnit rep(&out);
    end_of_run(run, env, rep);
    rep.flush();
    EXPECT_NE(out.find(" STRENGTH FOR FOLLOWING (S1+S3)/2:   60.0  120.0  180.0  240.0  300.0\r\n"
                       " ((S1-S3)/2)F=2.0513*SIG**0.7369 :   41.9   69.9   94.2  116.4  137.3\r\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(env.SIGTOP.v, 300.0f);
}

TEST(EndOfRun, ValuesTooWideShowAsterisks) {
    // TAU = 150 SIG^0.1: ACONST 150 overflows F7.4 and F6.4; SIG of 100000
    // and more (99999.95 rounds up to 100000.0) overflows F7.1.
    dorvane::Run run;
    run.in.PARREG = 4;
    run.REGOPT = 4;
    run.in.REPOPT = 8;
    run.NTEST = run.NTESTS = 3;
    Envelope env;
    const float sig[] = {1000, 2000, 4000}, total[] = {100000, 150000, 99999.95f};
    const float tau[] = {299.2893371582031f, 320.7703857421875f, 343.7931823730469f};
    for (int k = 1; k <= 3; ++k) {
        store_result_row(env, k, 4, 8, sig[k - 1], tau[k - 1], total[k - 1], 0, 0, "/in.dat");
    }
    std::string out;
    OutputUnit rep(&out);
    end_of_run(run, env, rep);
    rep.flush();
    EXPECT_EQ(out, lines(join({kHeadingPeak, {
        "                                   1000.0  299.3  *******  299.3",
        "                                   2000.0  320.8  *******  320.8",
        "                                   4000.0  343.8  *******  343.8",
        "",
        // Through the origin the fit is worse than the mean: no root.
        " COEF. OF CORRELATION FOR C = ZERO: NaN       NaN            ",
        "",
        " REGR.FORCED THRO.ORIGIN.PHI (deg):     6.332           0.152",
        "",
        " POWER CURVE FIT: COEF.OF COR:        0.999442        0.000434",
        "                            ACONST:   *******        320.2906",
        "                            BEXPNT:    0.1000          0.0001",
        "",
        " STRENGTH FOR FOLLOWING (S1+S3)/2:  820.0 1640.0 2460.0 3280.0 4100.0",
        " ((S1-S3)/2)F=*******SIG**0.1000 :  293.4  314.5  327.5  337.0  344.6",
    }})));
}

TEST(EndOfRun, AllSigEqualGivesNonFiniteOrdinaryFit) {
    dorvane::Run run;
    run.in.PARREG = 3;
    run.REGOPT = 3;
    run.in.REPOPT = 9;
    run.NTEST = run.NTESTS = 3;
    Envelope env;
    const float tau[] = {50, 60, 70};
    for (int k = 1; k <= 3; ++k) store_result_row(env, k, 3, 9, 100, tau[k - 1], 0, 100, tau[k - 1], "/in.dat");
    std::string out;
    OutputUnit rep(&out);
    end_of_run(run, env, rep);
    rep.flush();
    EXPECT_EQ(out, lines(join({kHeadingUltimate, {
        "                                    100.0   50.0    100.0   50.0",
        "                                    100.0   60.0    100.0   60.0",
        "                                    100.0   70.0    100.0   70.0",
        "",
        " COEF. OF CORRELATION FOR C = ZERO:  0.000000        0.000000",
        "",
        " REGR.FORCED THRO.ORIGIN.PHI (deg):    36.870          36.870",
        "",
        " COEF. OF COR. WITH C, COFCOR: NaN             NaN            ",
        "",
        " ORDINARY LINEAR REGR.COHESN (kPa):    NaN     NaN           ",
        "                      PHILRG (deg):    NaN     NaN           ",
    }})));
}

TEST(EndOfRun, TestsPastFortyCountAsZeroRows) {
    // 42 tests, the last two run while PARREG was 0; the general data read
    // last set regression option 6.
    dorvane::Run run;
    run.in.PARREG = 6;
    run.REGOPT = 6;
    run.NTEST = run.NTESTS = 42;
    Envelope env;
    for (int k = 1; k <= 40; ++k) store_result_row(env, k, 6, 7, 100.0f + k, 50, 200, 0, 0, "/in.dat");
    std::string out;
    OutputUnit rep(&out);
    end_of_run(run, env, rep);
    rep.flush();
    const std::string zero_row = "                                      0.0    0.0      0.0    0.0\r\n";
    const std::string last_stored = "                                    140.0   50.0    200.0   50.0\r\n";
    EXPECT_EQ(out.size(), lines(kHeadingPeak).size() + 42 * zero_row.size());
    EXPECT_EQ(out.substr(out.size() - 2 * zero_row.size() - last_stored.size()),
              last_stored + zero_row + zero_row);
}

}  // namespace
}  // namespace dorvane
