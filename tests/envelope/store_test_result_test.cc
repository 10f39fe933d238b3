// Storing a test's row of the all-tests arrays.
#include <cmath>

#include <gtest/gtest.h>

#include "envelope/envelope.h"
#include "readings/readings.h"
#include "records/run_error.h"

namespace dorvane {
namespace {

TEST(StoreResultRow, StoresByParregAndReportOption) {
    struct Case {
        float parreg, repopt;
        bool stored;
        float sig2, tau2;  // expected column 2 when stored
    };
    // Values: SEFKPA/TKPA at failure 100/60, SKPA at failure 150, ultimate 90/50.
    for (const Case c : {Case{1, 7, true, 150, 60}, Case{0.5f, 0, true, 150, 60},
                         Case{3, 9, true, 90, 50}, Case{3, 9.0001f, true, 150, 60},
                         Case{3, 8, true, 150, 60}, Case{0, 9, false, 0, 0},
                         Case{-2, 7, false, 0, 0}, Case{NAN, 7, false, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.parreg << " " << c.repopt);
        Envelope env;
        store_result_row(env, 2, c.parreg, c.repopt, 100, 60, 150, 90, 50, "/in.dat");
        EXPECT_EQ(env.SIGALL.cell[2][1].v, c.stored ? 100.0f : 0.0f);
        EXPECT_EQ(env.TAUALL.cell[2][1].v, c.stored ? 60.0f : 0.0f);
        EXPECT_EQ(env.SIGALL.cell[2][2].v, c.sig2);
        EXPECT_EQ(env.TAUALL.cell[2][2].v, c.tau2);
        EXPECT_EQ(env.SIGALL.cell[1][1].v, 0.0f);  // other rows untouched
        EXPECT_EQ(env.SIGALL.cell[3][1].v, 0.0f);
    }
}

TEST(StoreResultRow, FortyFirstTestWhileStoringIsAnError) {
    Envelope env;
    store_result_row(env, 40, 1, 7, 100, 60, 150, 0, 0, "/d/in.dat");
    EXPECT_EQ(env.SIGALL.cell[40][1].v, 100.0f);
    try {
        store_result_row(env, 41, 1, 7, 100, 60, 150, 0, 0, "/d/in.dat");
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number, 98);
        EXPECT_EQ(e.unit, 5);
        EXPECT_EQ(e.path, "/d/in.dat");
        EXPECT_EQ(e.message(),
                  "more than 40 tests for the strength envelopes, unit 5, file /d/in.dat");
    }
    // Not storing: any number of tests, rows past 40 read as zero.
    store_result_row(env, 41, 0, 7, 100, 60, 150, 0, 0, "/d/in.dat");
    store_result_row(env, 1000, -1, 7, 100, 60, 150, 0, 0, "/d/in.dat");
    EXPECT_EQ(env.SIGALL.at(41, 1).v, 0.0f);
    EXPECT_EQ(env.TAUALL.at(1000, 2).v, 0.0f);
}

TEST(StoreTestResult, TakesFailureAndUltimateReadings) {
    dorvane::Run run;
    run.in.PARREG = 2.0f;
    run.NTEST = 3;
    Readings rd;
    for (int i = 1; i <= 6; ++i) {
        rd.SEFKPA[i] = 100.0f * i;
        rd.SKPA[i] = 100.0f * i + 50.0f;
        rd.TKPA[i] = 10.0f * i;
    }
    rd.IFAIL = 4;
    rd.IEND = 6;

    Envelope env;
    run.in.REPOPT = 9.0f;
    store_test_result(run, rd, env, "/in.dat");
    EXPECT_EQ(env.SIGALL.cell[3][1].v, 400.0f);
    EXPECT_EQ(env.TAUALL.cell[3][1].v, 40.0f);
    EXPECT_EQ(env.SIGALL.cell[3][2].v, 600.0f);
    EXPECT_EQ(env.TAUALL.cell[3][2].v, 60.0f);

    run.in.REPOPT = 1.0f;
    store_test_result(run, rd, env, "/in.dat");
    EXPECT_EQ(env.SIGALL.cell[3][2].v, 450.0f);
    EXPECT_EQ(env.TAUALL.cell[3][2].v, 40.0f);

    // No reading: failure and ultimate reading 0 store a row of zeros.
    rd.IFAIL = 0;
    rd.IEND = 0;
    run.in.REPOPT = 9.0f;
    store_test_result(run, rd, env, "/in.dat");
    for (int j = 1; j <= 2; ++j) {
        EXPECT_EQ(env.SIGALL.cell[3][j].v, 0.0f);
        EXPECT_EQ(env.TAUALL.cell[3][j].v, 0.0f);
    }
}

}  // namespace
}  // namespace dorvane
