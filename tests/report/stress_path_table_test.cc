#include "report/stress_path_table.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace dorvane::report_test {
namespace {

std::string table(const ReportCase& c) {
    return capture([&](OutputUnit& rep) { write_stress_path_table(c.run, c.sp, c.rd, rep); });
}

const std::string kHyphens = " " + std::string(68, '-');
const std::string kHeading = records({
    "",
    "",
    "",
    kHyphens,
    "    1         2         3         4         5         6         7",
    kHyphens,
    " AX.STRAIN DIL. RATE CORR.AREA (S1+S3)/2 PORE PRES.(S1+S3)/2 (S1-S3)/2",
    "   (%)       RAT       (CM2)     (KPA)     (KPA)  EFF.(KPA)  (KPA)",
    kHyphens,
});

TEST(StressPathTable, HeadingAndOneRowPerReading) {
    auto c = make_case();
    c->sp.NREAD = 2;
    Readings& rd = c->rd;
    const float row1[] = {0.0f, 0.0f, 11.4f, 245.18f, 49.0f, 196.2f, 0.0f};
    const float row2[] = {4.5f, -0.35f, 11.9f, 1234.56f, -12.3f, 1246.9f, 612.5f};
    ReadingArray* columns[] = {&rd.AXSTRN, &rd.DILRAT, &rd.COR_AR, &rd.SKPA,
                               &rd.PPKPA,  &rd.SEFKPA, &rd.TKPA};
    for (int k = 0; k < 7; ++k) {
        (*columns[k])[1] = row1[k];
        (*columns[k])[2] = row2[k];
        (*columns[k])[3] = 99.0f;  // beyond NREAD: not printed
    }
    // AXSTRN F7.1, DILRAT F10.2, COR.AR. F10.3, SKPA F11.2, PPKPA, SEFKPA, TKPA F10.1
    const std::string r1 = std::string("    0.0") + "      0.00" + "    11.400" + "     245.18" +
                           "      49.0" + "     196.2" + "       0.0";
    const std::string r2 = std::string("    4.5") + "     -0.35" + "    11.900" + "    1234.56" +
                           "     -12.3" + "    1246.9" + "     612.5";
    ASSERT_EQ(r1.size(), 68u);
    EXPECT_EQ(table(*c), kHeading + records({r1, r2}));
}

// No readings (also a count of 0 or less read from the file): the heading alone.
TEST(StressPathTable, NoReadingsHeadingOnly) {
    for (int nread : {0, -3}) {
        auto c = make_case();
        c->sp.NREAD = nread;
        EXPECT_EQ(table(*c), kHeading) << "NREAD " << nread;
    }
}

}  // namespace
}  // namespace dorvane::report_test
