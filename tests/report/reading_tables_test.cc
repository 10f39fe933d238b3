#include "report/reading_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvane {
namespace {

std::string records(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::vector<std::string> kReadingsHeading = {
    " APP.SIG3 DURATION VOLCH    P.P.   PARA2  S.DIAL PR.DIA  PARA3 AXSTRN  VOLSTRN  EFF.NS "
    ".5(DEVS) TOT.ST  COR.AR. ERRAC  S1/S3",
    " (LB/IN2)  (MIN)   (CC)   (KG/CM2) (NUM)  .001IN .0001IN (NUM) (%)      (%)    KG/CM2  "
    "KG/CM2  KG/CM2   (CM2)   (%)   RATIO",
    " " + std::string(123, '-'),
};

const std::vector<std::string> kTable2Heading = {
    std::string(55, ' ') + "TABLE 2",
    " AXSTRN  SIG1UC  CMSIG1  SIG1C  ERSIG1  SIG3UC   CMSIG3  SIG3C  CMDEDS  CMDELR  ERMCBH  "
    "SIG1EF  SIG3EF CUMFPR CFSIG1 PERCMB PERCSD",
    "  (%)    KG/CM2  K/CM2   K/CM2   (%)KG/CM2   KG/CM2  KG/CM2  KG/CM2  KG/CM2   (%)   KG/CM2"
    "  KG/CM2   (G)  KG/CM2   (%)    (%)",
    " " + std::string(130, '-'),
};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ReadingTables, NoReadingGivesBothHeadingsAndNoRow) {
    dorvane::Run run;
    Specimen sp;
    Readings r;
    std::string out;
    {
        OutputUnit rep(&out);
        write_reading_tables(run, sp, r, rep);
        rep.flush();
    }
    EXPECT_EQ(out, records(concat(kReadingsHeading, kTable2Heading)));
}

TEST(ReadingTables, OneRowPerReadingColumnByColumn) {
    dorvane::Run run;
    Specimen sp;
    sp.NREAD = 1;
    Readings r;
    r.APP_SIG3[1] = 50.0f, r.DURATION[1] = 30.0f, r.VOLCH[1] = -1.25f, r.PP[1] = 0.125f;
    r.PARA2[1] = 2.0f, r.S_DIAL[1] = 0.254f, r.PR_DIA[1] = 37.0f, r.PARA3[1] = 1.0f;
    r.AXSTRN[1] = 1.5f, r.VOLSTRN[1] = -0.25f, r.EFF_NS[1] = 1.5f, r.HALF_DEVS[1] = 0.75f;
    r.TOT_ST[1] = 2.0f, r.COR_AR[1] = 10.5f, r.ERRAC[1] = -7.03f, r.S1_S3[1] = 2.5f;
    r.SIG1UC[1] = 3.25f, r.CMSIG1[1] = 0.125f, r.SIG1C[1] = 3.0f, r.ERSIG1[1] = 12.5f;
    r.SIG3UC[1] = 1.0f, r.CMSIG3[1] = 0.5f, r.SIG3C[1] = 0.5f, r.CMDEDS[1] = -0.375f;
    r.CMDELR[1] = 0.0f, r.ERMCBH[1] = 250.0f, r.SIG1EF[1] = 2.875f, r.SIG3EF[1] = 0.375f;
    r.CUMFPR[1] = 0.0625f, r.CFSIG1[1] = 0.25f, r.PERCMB[1] = 100.0f, r.PERCSD[1] = 16.67f;

    std::string out;
    {
        OutputUnit rep(&out);
        write_reading_tables(run, sp, r, rep);
        rep.flush();
    }
    // S.DIAL: 0.254 cm shown as 100.0 thousandths of an inch.
    const std::string row1 =
        std::string("  50.00") + "     30.0" + "  -1.25" + "    0.125" + "    2.0" + "  100.0" +
        "   37.0" + "    1.0" + "  1.500" + "   -0.250" + "   1.500" + "   0.750" + "   2.000" +
        "    10.50" + "  -7.03" + "  2.500";
    // PERCMB of 100 % overflows F5.2.
    const std::string row2 =
        std::string("  1.500") + "   3.250" + "   0.125" + "  3.000" + "  12.50" + "   1.000" +
        "    0.500" + "   0.500" + "  -0.375" + "   0.000" + " 250.000" + "   2.875" + "   0.375" +
        "   0.063" + "  0.250" + "*****" + "   16.67";
    ASSERT_EQ(row1.size(), 123u);
    ASSERT_EQ(row2.size(), 130u);
    std::vector<std::string> want = kReadingsHeading;
    want.push_back(row1);
    want = concat(want, kTable2Heading);
    want.push_back(row2);
    EXPECT_EQ(out, records(want));
}

TEST(ReadingTables, EightyReadingsEightyRowsEach) {
    dorvane::Run run;
    Specimen sp;
    sp.NREAD = 80;
    Readings r;
    std::string out;
    {
        OutputUnit rep(&out);
        write_reading_tables(run, sp, r, rep);
        rep.flush();
    }
    size_t lines = 0;
    for (size_t p = out.find("\r\n"); p != std::string::npos; p = out.find("\r\n", p + 2)) ++lines;
    EXPECT_EQ(lines, 7u + 160u);
}

}  // namespace
}  // namespace dorvane
