#include "readings/readings_intake.h"

#include <gtest/gtest.h>

#include <string>

#include "readings_bench.h"
#include "records/run_error.h"
#include "specimen/specimen_state.h"

namespace dorvane {
namespace {

InputUnit unit_of(const std::string& text) { return InputUnit(5, "/data/IN.DAT", text); }

TEST(ReadReadings, StandardRecordSeparatedOnlyByColumns) {
    // VOL1 and VOL2 touch MINUTE: columns 13-24 read "   510.512.0".
    ReadingsBench b;
    b.sp.NREAD = 1;
    InputUnit in = unit_of(
        "  50           510.512.0   1 .25     2.0   105.0    37.0\n");
    read_readings(b.run, b.sp, b.r, in);
    const Readings& r = b.r;
    EXPECT_EQ(r.APP_SIG3[1].v, 50.0f);
    EXPECT_EQ(r.DAY[1].v, 0.0f);
    EXPECT_EQ(r.HOUR[1].v, 0.0f);
    EXPECT_EQ(r.MINUTE[1].v, 5.0f);
    EXPECT_EQ(r.VOL1[1].v, 10.5f);
    EXPECT_EQ(r.VOL2[1].v, 12.0f);
    EXPECT_EQ(r.VOLSEL[1].v, 1.0f);
    EXPECT_EQ(r.PP[1].v, 0.25f);
    EXPECT_EQ(r.PARA2[1].v, 2.0f);
    EXPECT_EQ(r.S_DIAL[1].v, 105.0f);
    EXPECT_EQ(r.PR_DIA[1].v, 37.0f);
    EXPECT_EQ(r.PARA3[1].v, 0.0f);
    EXPECT_EQ(r.RAMTRV[1].v, 0.0f);  // the ram travel belongs to the short layout
}

TEST(ReadReadings, ExtendedRecordInWiderColumns) {
    ReadingsBench b;
    b.run.in.MODE = 7.85f;
    b.run.EXTFLG = 9.0f;
    b.sp.NREAD = 1;
    InputUnit in = unit_of(
        "   80    1    2    3  4.5  5.5    2   60       2.5     123.4      45.6         1\n");
    read_readings(b.run, b.sp, b.r, in);
    const float want[] = {80, 1, 2, 3, 4.5f, 5.5f, 2, 60, 2.5f, 123.4f, 45.6f, 1};
    const ReadingArray* fields[] = {&b.r.APP_SIG3, &b.r.DAY,    &b.r.HOUR,  &b.r.MINUTE,
                                    &b.r.VOL1,     &b.r.VOL2,   &b.r.VOLSEL, &b.r.PP,
                                    &b.r.PARA2,    &b.r.S_DIAL, &b.r.PR_DIA, &b.r.PARA3};
    for (int k = 0; k < 12; ++k) EXPECT_EQ((*fields[k])[1].v, want[k]) << "field " << k + 1;
}

TEST(ReadReadings, ShortRecordTakesCellPressureAndRamTravel) {
    ReadingsBench b;
    b.run.in.MODE = 5.0f;
    b.run.in.S3IPSI = 42.0f;
    b.sp.NREAD = 1;
    InputUnit in = unit_of(
        "   1   2   3 4.5 5.5   2     0.6     100      20       1       1     7.5\n");
    read_readings(b.run, b.sp, b.r, in);
    const float want[] = {1, 2, 3, 4.5f, 5.5f, 2, 0.6f, 100, 20, 1, 1, 7.5f};
    const ReadingArray* fields[] = {&b.r.DAY,    &b.r.HOUR,   &b.r.MINUTE, &b.r.VOL1,
                                    &b.r.VOL2,   &b.r.VOLSEL, &b.r.PP,     &b.r.S_DIAL,
                                    &b.r.PR_DIA, &b.r.PARA3,  &b.r.PPSEL,  &b.r.PPAUX};
    for (int k = 0; k < 12; ++k) EXPECT_EQ((*fields[k])[1].v, want[k]) << "field " << k + 1;
    EXPECT_EQ(b.r.APP_SIG3[1].v, 42.0f);
    EXPECT_EQ(b.r.RAMTRV[1].v, 100.0f);
    EXPECT_EQ(b.r.PARA2[1].v, 0.0f);
}

TEST(ReadReadings, ModeCode2ReadsTwoFreeFormatNumbers) {
    ReadingsBench b;
    b.run.in.MODE = 2.0f;
    b.run.in.S3IPSI = 42.0f;
    b.sp.NREAD = 2;
    // The second reading's ring reading follows on the next record.
    InputUnit in = unit_of("105 37\n110\n40\n");
    read_readings(b.run, b.sp, b.r, in);
    EXPECT_EQ(b.r.S_DIAL[1].v, 105.0f);
    EXPECT_EQ(b.r.PR_DIA[1].v, 37.0f);
    EXPECT_EQ(b.r.S_DIAL[2].v, 110.0f);
    EXPECT_EQ(b.r.PR_DIA[2].v, 40.0f);
    EXPECT_EQ(b.r.APP_SIG3[1].v, 42.0f);
    EXPECT_EQ(b.r.RAMTRV[1].v, 105.0f);
    EXPECT_EQ(b.r.MINUTE[1].v, 0.0f);
    EXPECT_EQ(b.r.PP[1].v, 0.0f);
    EXPECT_EQ(in.line_number(), 3);
}

TEST(ReadReadings, FieldsNotCarriedAreZeroInEveryTest) {
    ReadingsBench b;
    b.sp.NREAD = 1;
    InputUnit first = unit_of("  50   1   2   3   4   5   2   6     2.0   105.0    37.0     1.0\n");
    read_readings(b.run, b.sp, b.r, first);
    ASSERT_EQ(b.r.PARA2[1].v, 2.0f);
    b.r.COR_AR[1] = 9.0f;  // a result of the earlier test

    b.run.in.MODE = 2.0f;
    InputUnit second = unit_of("105 37\n");
    read_readings(b.run, b.sp, b.r, second);
    EXPECT_EQ(b.r.DAY[1].v, 0.0f);
    EXPECT_EQ(b.r.VOLSEL[1].v, 0.0f);
    EXPECT_EQ(b.r.PARA2[1].v, 0.0f);
    EXPECT_EQ(b.r.PARA3[1].v, 0.0f);
    EXPECT_EQ(b.r.COR_AR[1].v, 0.0f);
}

TEST(ReadReadings, ExactlyNreadRecordsFromTheReadingsCount) {
    ReadingsBench b;
    b.run.in.RNREAD = 12.7f;
    b.run.in.H = 10.0f;
    Readings readings;
    prepare_specimen(b.run, b.sp, readings);
    EXPECT_EQ(b.sp.NREAD, 12);
    EXPECT_EQ(b.sp.NREAD80, 10);
    std::string text;
    for (int i = 1; i <= 13; ++i) text += "   0   0   0   0   0   0   0   0       0" + std::to_string(i) + "\n";
    InputUnit in = unit_of(text);
    read_readings(b.run, b.sp, readings, in);
    EXPECT_EQ(in.line_number(), 12);
    EXPECT_EQ(readings.S_DIAL[12].v, 12.0f);
    EXPECT_EQ(readings.S_DIAL[13].v, 0.0f);
}

TEST(ReadReadings, EndOfFileInsideTheBlockIsError24) {
    ReadingsBench b;
    b.sp.NREAD = 3;
    InputUnit in = unit_of("  50\n  50\n");
    try {
        read_readings(b.run, b.sp, b.r, in);
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number, 24);
    }
}

TEST(ReadReadings, MoreThan80ReadingsRefusedBeforeTheBlock) {
    ReadingsBench b;
    b.sp.NREAD = 81;
    InputUnit in = unit_of("  50\n");
    try {
        read_readings(b.run, b.sp, b.r, in);
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number, 99);
        EXPECT_EQ(e.line(),
                  "dorvane: severe (99): more than 80 readings in one test (81), unit 5, file "
                  "/data/IN.DAT");
    }
    EXPECT_EQ(in.line_number(), 0);
}

TEST(ReadReadings, EightyReadingsFit) {
    ReadingsBench b;
    b.sp.NREAD = 80;
    std::string text;
    for (int i = 1; i <= 80; ++i) text += "   1   0   0   0   0   0   0   0       0      80\n";
    InputUnit in = unit_of(text);
    read_readings(b.run, b.sp, b.r, in);
    EXPECT_EQ(b.r.S_DIAL[80].v, 80.0f);
}

// Seating option: 1 and 2 correct the strain dial, anything else leaves it.
struct SeatingCase {
    float option;
    bool corrected;
};

void PrintTo(const SeatingCase& c, std::ostream* os) { *os << "seating option " << c.option; }

class SeatingOption : public testing::TestWithParam<SeatingCase> {};

TEST_P(SeatingOption, DecidesTheSeatingCorrection) {
    ReadingsBench b;
    b.run.in.SEATOP = GetParam().option;
    b.run.in.PSETPR = 1.0f;
    b.sp.NREAD = 5;
    b.sp.NREAD80 = 4;
    // Strain dial 0, 10, 20, 30, 40 with ring 5, 25, 75, 125, 175: gradients 2, 5, 5, 5.
    InputUnit in = unit_of(
        "  50   0   0   0   0   0   0   0       0       0       5\n"
        "  50   0   0   0   0   0   0   0       0      10      25\n"
        "  50   0   0   0   0   0   0   0       0      20      75\n"
        "  50   0   0   0   0   0   0   0       0      30     125\n"
        "  50   0   0   0   0   0   0   0       0      40     175\n");
    read_readings(b.run, b.sp, b.r, in);
    if (GetParam().corrected) {
        EXPECT_EQ(b.r.IGMAX, 3);
        EXPECT_FLOAT_EQ(b.r.SEATCOR, 5.0f);  // 10 - 25 / 5
        EXPECT_FLOAT_EQ(b.r.S_DIAL[1], 1.0f);  // 5 / 5 on the loading line
        EXPECT_FLOAT_EQ(b.r.S_DIAL[5], 35.0f);
    } else {
        EXPECT_EQ(b.r.IGMAX, 0);
        EXPECT_EQ(b.r.S_DIAL[1].v, 0.0f);
        EXPECT_EQ(b.r.S_DIAL[5].v, 40.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Options, SeatingOption,
                         testing::Values(SeatingCase{1.0f, true}, SeatingCase{2.0f, true},
                                         SeatingCase{0.0f, false}, SeatingCase{3.0f, false},
                                         SeatingCase{2.5f, false}));

TEST(ReadReadings, ClockFieldsCarriedAfterIntake) {
    ReadingsBench b;
    b.sp.NREAD = 3;
    InputUnit in = unit_of(
        "  50   1   5  10\n"
        "  50   0   3  20\n"
        "  50   2   0   5\n");
    read_readings(b.run, b.sp, b.r, in);
    EXPECT_EQ(b.r.DAY[2].v, 1.0f);
    EXPECT_EQ(b.r.HOUR[2].v, 5.0f);
    EXPECT_EQ(b.r.HOUR[3].v, 5.0f);
    EXPECT_EQ(b.r.MINUTE[3].v, 5.0f);
}

}  // namespace
}  // namespace dorvane
