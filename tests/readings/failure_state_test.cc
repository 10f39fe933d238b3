#include "readings/failure_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "readings_bench.h"

namespace dorvane {
namespace {

// Runs the failure search over .5(DEVS) values, readings 30 minutes apart,
// then the test results.
void search(ReadingsBench& b, const std::vector<float>& devs) {
    const int n = static_cast<int>(devs.size());
    b.sp.NREAD = n;
    for (int i = 1; i <= n; ++i) {
        b.r.HALF_DEVS[i] = devs[i - 1];
        b.r.DTMIN[i] = i == 1 ? 0.0f : 30.0f;
        b.r.THOURS = (b.r.DTMIN[i] / 60.0f) + b.r.THOURS;
        b.r.EPSAX[i] = 0.01f * static_cast<float>(i);
        b.r.AXSTRN[i] = b.r.EPSAX[i] * 100.0f;
        failure_search_step(b.r, i);
    }
    derive_test_results(b.run, b.sp, b.r);
}

struct FailureCase {
    std::vector<float> devs;
    int ifail;
    int kf;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << testing::PrintToString(c.devs); }

class FailureSearch : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureSearch, FirstReadingAtTheLargestHalfDeviator) {
    ReadingsBench b;
    search(b, GetParam().devs);
    EXPECT_EQ(b.r.IFAIL, GetParam().ifail);
    EXPECT_EQ(b.r.KF, GetParam().kf);
    // Elapsed time at the failure reading, also when found one reading late.
    EXPECT_EQ(b.r.TCFAIL.v, GetParam().ifail < 1 ? 0.0f : 0.5f * float(GetParam().ifail - 1));
}

INSTANTIATE_TEST_SUITE_P(Sequences, FailureSearch,
                         testing::Values(FailureCase{{1, 3, 3, 2, 5, 5}, 5, 2},
                                         FailureCase{{4, 2, 3, 3.5f}, 1, 4},
                                         FailureCase{{1, 2, 1.5f}, 2, 2},
                                         FailureCase{{1, 2, 3, 4}, 4, 1},
                                         FailureCase{{7}, 1, 1},
                                         FailureCase{{}, 0, 0}));

struct UltimateCase {
    std::vector<float> devs;
    int iend;
};

void PrintTo(const UltimateCase& c, std::ostream* os) { *os << testing::PrintToString(c.devs); }

class UltimateReading : public testing::TestWithParam<UltimateCase> {};

TEST_P(UltimateReading, BackwardScanOfTheLastThree) {
    ReadingsBench b;
    b.run.in.REPOPT = 9.0f;
    search(b, GetParam().devs);
    EXPECT_EQ(b.r.IEND, GetParam().iend);
}

INSTANTIATE_TEST_SUITE_P(Sequences, UltimateReading,
                         testing::Values(UltimateCase{{1, 5, 6, 6}, 4},     // 6 not above 6
                                         UltimateCase{{1, 6, 6, 7}, 3},
                                         UltimateCase{{1, 4, 5, 6, 7}, 3},  // rising: NREAD - 2
                                         UltimateCase{{1, 5, 5, 6, 7}, 3},
                                         UltimateCase{{1, 2, 3}, 1},        // never reading 0
                                         UltimateCase{{3, 1}, 2},
                                         UltimateCase{{3}, 1},
                                         UltimateCase{{}, 0}));

TEST(TestResults, UltimateReadingOnlyUnderReportOption9) {
    ReadingsBench b;
    b.run.in.REPOPT = 9.5f;
    search(b, {1, 5, 6, 6});
    EXPECT_EQ(b.r.IEND, 0);
}

TEST(TestResults, DilatancyRatesAroundEachReading) {
    ReadingsBench b;
    const float epsvol[] = {0, 0, 0.001f, 0.003f, 0.004f};
    for (int i = 1; i <= 4; ++i) b.r.EPSVOL[i] = epsvol[i];
    search(b, {1, 2, 3, 2.5f});  // EPSAX 0.01 per reading; failure at 3
    EXPECT_EQ(b.r.DILRAT[1].v, 0.0f);
    EXPECT_NEAR(b.r.DILRAT[2], 0.15, 1e-5);  // (0.2 + 0.1) / 2
    EXPECT_NEAR(b.r.DILRAT[3], 0.15, 1e-5);  // (0.1 + 0.2) / 2
    EXPECT_NEAR(b.r.DILRAT[4], 0.1, 1e-5);   // backward only
    EXPECT_EQ(b.r.DVDH.v, b.r.DILRAT[3].v);
    EXPECT_NEAR(b.r.DVDU, 0.1, 1e-5);
}

TEST(TestResults, RisingToTheEndGivesEqualRates) {
    ReadingsBench b;
    b.r.EPSVOL[2] = 0.002f, b.r.EPSVOL[3] = 0.003f;
    search(b, {1, 2, 3});
    EXPECT_EQ(b.r.DVDH.v, b.r.DVDU.v);
}

TEST(TestResults, ZeroStrainStepsGiveZeroRates) {
    ReadingsBench b;
    b.r.EPSVOL[2] = 0.002f, b.r.EPSVOL[3] = 0.003f, b.r.EPSVOL[4] = 0.005f;
    b.sp.NREAD = 4;
    const float devs[] = {0, 1, 3, 2, 2};
    const float epsax[] = {0, 0.01f, 0.02f, 0.03f, 0.03f};
    for (int i = 1; i <= 4; ++i) {
        b.r.HALF_DEVS[i] = devs[i];
        b.r.EPSAX[i] = epsax[i];
        b.r.AXSTRN[i] = epsax[i] * 100.0f;
        failure_search_step(b.r, i);
    }
    derive_test_results(b.run, b.sp, b.r);
    ASSERT_EQ(b.r.IFAIL, 2);
    EXPECT_NE(b.r.DILRAT[2].v, 0.0f);
    EXPECT_EQ(b.r.DVDH.v, b.r.DILRAT[2].v);
    EXPECT_EQ(b.r.DILRAT[3].v, 0.0f);  // forward step 0
    EXPECT_EQ(b.r.DVDU.v, 0.0f);
}

TEST(TestResults, FailureAtReading1HasNoBackwardRate) {
    ReadingsBench b;
    b.r.EPSVOL[2] = 0.002f;
    search(b, {4, 2, 3});
    EXPECT_EQ(b.r.DVDH.v, 0.0f);
}

TEST(TestResults, SingleValuesOfTheTest) {
    ReadingsBench b;
    b.run.in.KCU = 1.0f;
    b.run.in.PPMAX = 2.0f;
    b.run.in.STNRAT = 0.05f;
    b.sp.BEDSNP = 0.5f;
    b.sp.STGSTN = 0.25f;
    b.r.PP[1] = 0.5f;
    b.r.CMS3LR[2] = 0.125f;
    search(b, {1, 2, 1});
    EXPECT_EQ(b.r.DEGCON.v, 75.0f);
    EXPECT_EQ(b.r.PPSOSH.v, 0.5f);
    EXPECT_EQ(b.run.in.PPMAX.v, 2.0f);  // given back through DEGCON
    EXPECT_EQ(b.run.in.STNRAT.v, Real(double(0.05f) * double(25.4f)).v);
    EXPECT_NEAR(b.run.in.STNRAT, 1.27, 1e-6);
    EXPECT_FLOAT_EQ(b.r.BEDPER, 25.0f);  // 0.5 x 100 / 2 %
    EXPECT_FLOAT_EQ(b.r.STGPER, 12.5f);
    EXPECT_NEAR(b.r.PSAT, (0.1 * 0.923) / (0.9 * 0.02), 1e-5);
    EXPECT_NEAR(b.r.PPRAT, 2.0 / b.r.PSAT, 1e-6);
    EXPECT_EQ(b.r.CMS3LR[2].v, -0.125f);  // shown reversed at failure
}

TEST(TestResults, SwitchOffTakesPorePressureOfReading1AsMaximum) {
    ReadingsBench b;
    b.run.in.KCU = 0.5f;
    b.run.in.PPMAX = 2.0f;
    b.r.PP[1] = 0.5f;
    b.sp.SATINL = 1.0f;
    search(b, {1, 2});
    EXPECT_EQ(b.r.DEGCON.v, 0.0f);
    EXPECT_EQ(b.run.in.PPMAX.v, 0.5f);
    EXPECT_EQ(b.r.PSAT.v, 0.0f);
    EXPECT_TRUE(std::isinf(b.r.PPRAT));
}

TEST(TestResults, NoReadingLeavesTheValuesAtReading0) {
    ReadingsBench b;
    search(b, {});
    EXPECT_EQ(b.r.IFAIL, 0);
    EXPECT_EQ(b.r.TCFAIL.v, 0.0f);
    EXPECT_EQ(b.r.DVDH.v, 0.0f);
    EXPECT_EQ(b.r.DVDU.v, 0.0f);
    EXPECT_EQ(b.r.CMS3LR[0].v, 0.0f);
    EXPECT_FALSE(std::signbit(b.r.CMS3LR[0].v));
}

}  // namespace
}  // namespace dorvane
