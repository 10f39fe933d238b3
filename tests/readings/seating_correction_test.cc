#include "readings/seating_correction.h"

#include <gtest/gtest.h>

#include <vector>

#include "readings/clock_fields.h"
#include "readings_bench.h"

namespace dorvane {
namespace {

// Strain dial 0, 10, 20, ...; ring dial rising by gradient x 10 per step.
void load_gradients(ReadingsBench& b, const std::vector<float>& gradients) {
    const int n = static_cast<int>(gradients.size()) + 1;
    b.sp.NREAD = n;
    b.sp.NREAD80 = n;
    b.r.S_DIAL[1] = 0.0f;
    b.r.PR_DIA[1] = 0.0f;
    for (int i = 2; i <= n; ++i) {
        b.r.S_DIAL[i] = 10.0f * static_cast<float>(i - 1);
        b.r.PR_DIA[i] = b.r.PR_DIA[i - 1] + 10.0f * gradients[i - 2];
    }
}

struct SteepestCase {
    std::vector<float> gradients;  // readings 2, 3, ...
    int igmax;
};

void PrintTo(const SteepestCase& c, std::ostream* os) { *os << testing::PrintToString(c.gradients); }

class SteepestGradient : public testing::TestWithParam<SteepestCase> {};

TEST_P(SteepestGradient, FirstReadingThatReachesTheLargestGradient) {
    ReadingsBench b;
    load_gradients(b, GetParam().gradients);
    correct_seating(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.IGMAX, GetParam().igmax);
    EXPECT_EQ(b.r.IGPREV, GetParam().igmax - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SteepestGradient,
    testing::Values(SteepestCase{{2, 5, 5, 3, 5}, 3},  // a later equal value does not win
                    SteepestCase{{1, 2, 3, 4}, 5},     // rising to NREAD80
                    SteepestCase{{4, 3, 2, 1}, 2},     // falling from the start
                    SteepestCase{{4, 3, 5, 5}, 4},     // found after the first fall
                    SteepestCase{{3}, 2}));            // NREAD80 2: reading 2 alone

TEST(SeatingCorrection, ScanLooksOnlyWithinNread80) {
    ReadingsBench b;
    load_gradients(b, {1, 2, 3, 9});
    b.sp.NREAD80 = 4;  // the steep last step lies beyond 80 %
    correct_seating(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.IGMAX, 4);
    EXPECT_FLOAT_EQ(b.r.GRDPRS[5], 0.0f);
}

TEST(SeatingCorrection, MovesTheDialZeroToTheLoadingLine) {
    // Gradients 2, 5, 5, 3, 5: IGMAX 3, IGPREV 2, ring reading 20 at IGPREV.
    ReadingsBench b;
    load_gradients(b, {2, 5, 5, 3, 5});
    b.run.in.PSETPR = 1.0f;  // ring readings taken as they stand
    correct_seating(b.run, b.sp, b.r);
    EXPECT_FLOAT_EQ(b.r.SEATCOR, 6.0f);  // 10 - 20 / 5
    const float expected[] = {0, 0, 4, 14, 24, 34, 44};
    for (int i = 1; i <= 6; ++i) EXPECT_FLOAT_EQ(b.r.S_DIAL[i], expected[i]) << "reading " << i;
}

TEST(SeatingCorrection, RamUpliftRemovedWithZeroFloorUnderPsetpr0) {
    // U = ((1 x 10) - 0) / 1 = 10 ring divisions.
    ReadingsBench b;
    load_gradients(b, {2, 5, 5, 3, 5});
    b.run.in.PSETPR = 0.0f;
    b.run.ARAM = 10.0f;
    correct_seating(b.run, b.sp, b.r);
    EXPECT_FLOAT_EQ(b.r.SEATCOR, 8.0f);  // 10 - (20 - 10) / 5
    EXPECT_EQ(b.r.S_DIAL[1].v, 0.0f);    // (0 - 10) raised to 0, not -2
    EXPECT_FLOAT_EQ(b.r.S_DIAL[2], 2.0f);
}

TEST(SeatingCorrection, IgprevOneReducesEveryReadingBySeatcor) {
    ReadingsBench b;
    load_gradients(b, {4, 3, 2});
    for (int i = 1; i <= 4; ++i) b.r.PR_DIA[i] = b.r.PR_DIA[i] + 8.0f;
    b.run.in.PSETPR = 1.0f;
    correct_seating(b.run, b.sp, b.r);
    ASSERT_EQ(b.r.IGPREV, 1);
    EXPECT_FLOAT_EQ(b.r.SEATCOR, -2.0f);  // 0 - 8 / 4
    EXPECT_FLOAT_EQ(b.r.S_DIAL[1], 2.0f);
    EXPECT_FLOAT_EQ(b.r.S_DIAL[3], 22.0f);
}

TEST(SeatingCorrection, FewerThanTwoReadingsInTheScanLeaveTheDial) {
    ReadingsBench b;
    load_gradients(b, {4});
    b.sp.NREAD80 = 1;
    correct_seating(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.IGMAX, 0);
    EXPECT_EQ(b.r.SEATCOR.v, 0.0f);
    EXPECT_EQ(b.r.S_DIAL[2].v, 10.0f);
}

TEST(SeatingCorrection, ZeroDialStepGivesZeroGradient) {
    ReadingsBench b;
    load_gradients(b, {2, 3});
    b.r.S_DIAL[3] = b.r.S_DIAL[2];
    correct_seating(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.GRDPRS[3].v, 0.0f);
    EXPECT_EQ(b.r.IGMAX, 2);
}

TEST(ClockFields, BlankDayOrHourRepeatsThePreviousReading) {
    Readings r;
    const float day[] = {0, 1, 0, 0, 2};
    const float hour[] = {0, 5, 3, 7, 0};
    const float minute[] = {0, 10, 0, 5, 0};
    for (int i = 1; i <= 4; ++i) {
        r.DAY[i] = day[i];
        r.HOUR[i] = hour[i];
        r.MINUTE[i] = minute[i];
    }
    carry_clock_fields(4, r);
    const float want_day[] = {0, 1, 1, 1, 2};
    const float want_hour[] = {0, 5, 5, 7, 7};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(r.DAY[i].v, want_day[i]) << i;
        EXPECT_EQ(r.HOUR[i].v, want_hour[i]) << i;
        EXPECT_EQ(r.MINUTE[i].v, minute[i]) << i;
    }
}

}  // namespace
}  // namespace dorvane
