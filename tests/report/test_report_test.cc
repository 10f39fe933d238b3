#include "report/test_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "report/reading_tables.h"
#include "report/result_lines.h"
#include "report/stress_path_table.h"
#include "report/test_tables.h"
#include "report_fixture.h"

namespace dorvane::report_test {
namespace {

std::string report(const ReportCase& c) {
    return capture([&](OutputUnit& rep) { write_test_report(c.run, c.sp, c.rd, rep); });
}

std::string stress_path_report(const ReportCase& c) {
    return capture([&](OutputUnit& rep) {
        write_stress_path_table(c.run, c.sp, c.rd, rep);
        write_stress_path_result_lines(c.run, c.sp, c.rd, rep);
    });
}

std::string full_report(const ReportCase& c) {
    return capture([&](OutputUnit& rep) {
        write_reading_tables(c.run, c.sp, c.rd, rep);
        write_full_result_lines(c.run, c.sp, c.rd, rep);
        write_test_tables(c.run, c.sp, c.rd, rep);
    });
}

// 7 and 9 exactly: stress path; 8 exactly: nothing; every other value,
// a NaN included, the full report.
TEST(TestReport, DispatchByReportOption) {
    enum Kind { kFull, kStressPath, kNone };
    const struct {
        float option;
        Kind kind;
    } cases[] = {{0.0f, kFull},       {1.0f, kFull},   {7.0f, kStressPath},
                 {7.5f, kFull},       {8.0f, kNone},   {9.0f, kStressPath},
                 {8.000001f, kFull},  {-7.0f, kFull},  {std::nanf(""), kFull}};
    for (const auto& k : cases) {
        auto c = make_case();
        c->run.in.REPOPT = k.option;
        const std::string out = report(*c);
        switch (k.kind) {
            case kFull:
                EXPECT_EQ(out, full_report(*c)) << "report option " << k.option;
                EXPECT_NE(out.find("TABLE 2"), std::string::npos);
                EXPECT_NE(out.find(" KF="), std::string::npos);
                EXPECT_EQ(out.find("DV/DU"), std::string::npos);
                break;
            case kStressPath:
                EXPECT_EQ(out, stress_path_report(*c)) << "report option " << k.option;
                EXPECT_NE(out.find("AX.STRAIN"), std::string::npos);
                EXPECT_EQ(out.find(" KF="), std::string::npos);
                EXPECT_EQ(out.find("TABLE 2"), std::string::npos);
                break;
            case kNone:
                EXPECT_EQ(out, "") << "report option " << k.option;
                break;
        }
    }
}

// Report option 7 without readings: the whole test report, line by line.
TEST(TestReport, StressPathReportWithoutReadings) {
    auto c = make_case();
    c->run.in.REPOPT = 7.0f;
    c->sp.NREAD = 0;
    c->rd.IFAIL = 0;
    c->rd.TCFAIL = 0.0f;
    c->rd.DVDH = 0.0f;
    c->rd.DVDU = 0.0f;
    const std::string hyphens = " " + std::string(68, '-');
    EXPECT_EQ(report(*c),
              records({
                  "", "", "", hyphens,
                  "    1         2         3         4         5         6         7",
                  hyphens,
                  " AX.STRAIN DIL. RATE CORR.AREA (S1+S3)/2 PORE PRES.(S1+S3)/2 (S1-S3)/2",
                  "   (%)       RAT       (CM2)     (KPA)     (KPA)  EFF.(KPA)  (KPA)",
                  hyphens,
                  "",
                  " ********     TIME TO FAILURE =  0.00 HOURS; DV/DH AT FAILURE = 0.00",
                  "",
                  blanks(41) + "DV/DU AT END OF TEST = 0.00",
                  "",
              }));
}

// Under option 7 the DV/DU line and its empty line end the test, unless the
// seating option (1) ran the seating correction.
TEST(TestReport, StressPathReportEndsBySeatingOption) {
    const std::string dvdu_end = blanks(41) + "DV/DU AT END OF TEST = 0.13\r\n\r\n";
    const std::string seating_end = dvdu_end + blanks(14) + "MAX.SEATING COR.=" + "  -4.0" +
                                    " DIVS.;      MAX. GRDPRS =" + " 2.250\r\n";
    for (float seating_option : {0.0f, 1.0f, 3.0f}) {
        auto c = make_case();
        c->run.in.REPOPT = 7.0f;
        c->run.in.SEATOP = seating_option;
        c->rd.SEATCOR = -4.0f;
        c->rd.IGMAX = 2;
        c->rd.GRDPRS[2] = 2.25f;
        const std::string out = report(*c);
        const std::string& end = seating_option == 1.0f ? seating_end : dvdu_end;
        ASSERT_GE(out.size(), end.size());
        EXPECT_EQ(out.substr(out.size() - end.size()), end) << "seating option " << seating_option;
    }
}

}  // namespace
}  // namespace dorvane::report_test
