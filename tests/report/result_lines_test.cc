#include "report/result_lines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "report_fixture.h"

namespace dorvane::report_test {
namespace {

TEST(FullResultLines, TimeBeddingSeatingAndKfLine) {
    auto c = make_case();
    const std::string out =
        capture([&](OutputUnit& rep) { write_full_result_lines(c->run, c->sp, c->rd, rep); });

    const std::string expected = records({
        "",
        " TIME TO FAILURE =" + std::string("   2.50") + " HOURS",
        "",
        "",
        // BEDDING F7.4, BEDSNP F5.2, FRACA F8.5, ASTNIN F5.2
        " BEDDING=" + std::string(" 0.0127") + " CM" + blanks(15) +
            "BEDDING (AS APPARENT STRAIN   =" + " 0.15" + "%" + blanks(4) + "FRACA=" +
            " 0.97500" + blanks(4) + "INL. AXL. STRN.=" + " 1.25" + " %",
        // BEDDING / 0.00254 F6.1, BEDPER F6.1, PERBED F5.1
        blanks(8) + "=" + "   5.0" + " 1/1000 IN" + blanks(9) +
            "BEDDING (% OF CORRECTED STRAIN)  =" + "  12.5" + " %" + blanks(2) +
            "BEDDING (% OF INITIAL AXL. STRN.)=" + " 12.0" + " %",
        "",
        "",
        // SEATING F7.4, STGSTN F5.2
        " SEATING=" + std::string(" 0.0254") + " CM" + blanks(15) +
            "SEATING (AS APPARENT STRAIN   =" + " 0.32" + " %",
        // SEATING / 0.00254 F6.1, STGPER F6.1
        blanks(8) + "=" + "  10.0" + " 1/1000 IN" + blanks(9) +
            "SEATING (% OF CORRECTED STRAIN)  =" + "  25.6" + " %",
        "",
        "",
        // KF I3, TESTNO F5.2, DELTAS of the last reading F5.2, DWSPEC F6.2, ratio F5.2
        " KF=" + std::string("  2") + blanks(10) + "TEST NO:" + " 3.00" + blanks(10) +
            "DELTA AT END=" + " 1.50" + " %" + blanks(10) + "COL. 3/21: DWSPEC=" + " -0.35" +
            " G" + blanks(8) + "RAT.MX.PP/PRES.TO SAT.=" + " 0.50",
    });
    EXPECT_EQ(out, expected);
}

TEST(FullResultLines, KfOfOneAndNoPlaneAtTheEnd) {
    auto c = make_case();
    c->rd.IFAIL = 3;
    c->rd.KF = 1;
    c->rd.DELTAS[3] = 0.0f;
    c->sp.DWSPEC = 0.0f;
    c->rd.PPRAT = std::nanf("");
    const std::string out =
        capture([&](OutputUnit& rep) { write_full_result_lines(c->run, c->sp, c->rd, rep); });
    const std::string kf_line = " KF=" + std::string("  1") + blanks(10) + "TEST NO:" + " 3.00" +
                                blanks(10) + "DELTA AT END=" + " 0.00" + " %" + blanks(10) +
                                "COL. 3/21: DWSPEC=" + "  0.00" + " G" + blanks(8) +
                                "RAT.MX.PP/PRES.TO SAT.=" + " NaN ";
    ASSERT_GE(out.size(), kf_line.size() + 2);
    EXPECT_EQ(out.substr(out.size() - kf_line.size() - 2), kf_line + "\r\n");
}

std::string stress_path_lines(const ReportCase& c) {
    return capture([&](OutputUnit& rep) { write_stress_path_result_lines(c.run, c.sp, c.rd, rep); });
}

TEST(StressPathResultLines, TimeAndDilatancyRates) {
    auto c = make_case();
    const std::string expected = records({
        "",
        // TCFAIL F6.2, DVDH F5.2
        " ********     TIME TO FAILURE =" + std::string("  2.50") +
            " HOURS; DV/DH AT FAILURE =" + "-0.25",
        "",
        // DVDU F5.2 (0.125 rounds half away from zero)
        blanks(41) + "DV/DU AT END OF TEST =" + " 0.13",
        "",
    });
    EXPECT_EQ(stress_path_lines(*c), expected);
}

// The seating line appears only for a seating option of exactly 1 or 2, and
// prints SEATCOR with the gradient at IGMAX.
TEST(StressPathResultLines, SeatingLineOnlyUnderSeatingOptionOneOrTwo) {
    const std::string seating_line = blanks(14) + "MAX.SEATING COR.=" + "  12.3" +
                                     " DIVS.;      MAX. GRDPRS =" + " 1.500";
    const struct {
        float option;
        bool printed;
    } cases[] = {{0.0f, false}, {1.0f, true}, {2.0f, true}, {3.0f, false}, {1.5f, false},
                 {-1.0f, false}, {std::nanf(""), false}};
    for (const auto& k : cases) {
        auto c = make_case();
        c->run.in.SEATOP = k.option;
        c->rd.SEATCOR = 12.3f;
        c->rd.IGMAX = 3;
        c->rd.GRDPRS[2] = 0.75f;
        c->rd.GRDPRS[3] = 1.5f;
        const std::string out = stress_path_lines(*c);
        const std::string base = records({"",
                                          " ********     TIME TO FAILURE =  2.50 HOURS; DV/DH AT FAILURE =-0.25",
                                          "", blanks(41) + "DV/DU AT END OF TEST = 0.13", ""});
        EXPECT_EQ(out, k.printed ? base + seating_line + "\r\n" : base) << "seating option " << k.option;
    }
}

// With fewer than two readings the seating correction ran without a
// steepest reading: the line shows zeros.
TEST(StressPathResultLines, SeatingLineWithoutSteepestReading) {
    auto c = make_case();
    c->run.in.SEATOP = 2.0f;
    const std::string out = stress_path_lines(*c);
    const std::string seating_line = blanks(14) + "MAX.SEATING COR.=" + "   0.0" +
                                     " DIVS.;      MAX. GRDPRS =" + " 0.000";
    EXPECT_EQ(out.substr(out.size() - seating_line.size() - 2), seating_line + "\r\n");
}

}  // namespace
}  // namespace dorvane::report_test
