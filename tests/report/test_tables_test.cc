#include "report/test_tables.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace dorvane::report_test {
namespace {

std::string tables(const ReportCase& c) {
    return capture([&](OutputUnit& rep) { write_test_tables(c.run, c.sp, c.rd, rep); });
}

const std::string kHeadingA = records({
    "",
    "    1/11    1/12    1/13    1/14    1/15    1/16    1/17  1/18    1/19     **     T2/1    T2/2    T2/3    T2/4    T2/5  T2/6",
    "    WCINL  DWCSTS     D      H     DENSBK  SATINL  CAVITY  PER3T4  PER3T8    **    TESTNO  S3IPSI  DEGCON  PPSOSH  STNRAT FRACA",
    "    RATIO   (%)      (CM)   (CM)   (T/M3) (RAT.)    (%)     (%)     (%)      **    SER/NO  (PSI)    (%)    KG/CM2  MM/MIN  RATIO",
    blanks(4) + std::string(124, '-'),
});
const std::string kHeadingB = records({
    "",
    "    T2/7    T2/8    T2/9    2/10    2/11    2/12    2/13  2/14    2/15    2/16    2/17    2/18    2/19    2/20    2/222/23",
    "   ASTNIN  BEDGMM  PERBED  STGMEC  SGSNME  SEATMM  STGSTNPSGMTT  TCFAIL  WCFIN.  DWCUUT  DWCPCU  DWCLEW  DWCMTE  CSLFPR   EXTM",
    "    (%)     (MM)    (%)     (MM)   (RAT.)   (MM)    (%) (%)     (HR)   (RAT.)   (%)     (%)     (%)     (%)    CC/M/K  KGF/CM",
    blanks(3) + std::string(126, '-'),
});
const std::string kHeadingC = records({
    "",
    "    2/24     **     T3/1    T3/2    T3/3    T3/4    T3/5    T3/6    T3/7    T3/8    T3/9    3/10    3/11    3/12    3/13  3/14",
    "   ACTKFP    **    TESTNO  FAILMD   ALPA   DELTAS  BEDPER  STGPER  AXSTRN  VOLSTN  ERSIG1  CMS1DS  CMS1LR  CMS3DS  CMS3LR  CFS1DS",
    "   KGF/CM    **    SER/NO   (NO)   (DEGR)   (%)     (%)     (%)     (%)     (%)     (%)    KG/CM2  KG/CM2  KG/CM2  KG/CM2  KG/CM2",
    blanks(3) + std::string(126, '-'),
});
const std::string kHeadingD = records({
    "",
    "    3/15    3/16    3/17    3/18    3/19    3/20    3/21     **     AD/1    AD/2    AD/3    AD/4    AD/5    AD/6",
    "   CFS1LR  PERCMB  PERCSD  ERMCBH  P.W.P.  EFFNS.  DEVSC     **    S3IPSI  S3IKGC  EXTCLI  BSTNCL  RBGTS3  BEDSNP",
    "   KG/CM2   (%)     (%)     (%)    KG/CM2  KG/CM2  KG/CM2    **    (PSI)   KG/CM2 .001IN  (RAT.)  (RAT.)   (%)",
    blanks(3) + std::string(110, '-'),
});

// The four tables with the failure at a shear-plane reading: the plane
// parts (DELTAS, CMS1LR, CMS3LR, CFS1LR) are nonzero and taken at IFAIL,
// and CMS3LR prints as the test results left it.
TEST(TestTables, FourHeadingsAndRowsAtTheFailureReading) {
    auto c = make_case();
    const std::string row_a = std::string("    0.250")  // 1/11 WCINL F9.3
                              + "  -2.50"                // 1/12 DWCSTS F7.2
                              + "    3.810"              // 1/13 D F9.3
                              + "  7.620"                // 1/14 H F7.3
                              + "   2.050"               // 1/15 DENSBK F8.3
                              + "    0.950"              // 1/16 SATINL F9.3
                              + "-100.00"                // 1/17 CAVITY F7.2
                              + "    1.5"                // 1/18 PER3T4 F7.1
                              + "      2.5"              // 1/19 PER3T8 F9.1
                              + "            3.00"       // T2/1 TESTNO F16.2
                              + "    50.0"               // T2/2 S3IPSI F8.1
                              + "    75.0"               // T2/3 DEGCON F8.1
                              + "   0.500"               // T2/4 PPSOSH F8.3
                              + "  1.27000"              // T2/5 STNRAT F9.5
                              + "  0.9750";              // T2/6 FRACA F8.4
    const std::string row_b = std::string("    1.25")   // T2/7 ASTNIN F8.2
                              + "    0.13"               // T2/8 BEDGMM F8.2
                              + "    12.0"               // T2/9 PERBED F8.1
                              + "    0.25"               // 2/10 STGMEC F8.2
                              + "   0.0032"              // 2/11 SGSNME F9.4
                              + "   0.25"                // 2/12 SEATMM F7.2
                              + "    0.32"               // 2/13 STGSTN F8.2
                              + "    50.0"               // 2/14 PSGMTT F8.1
                              + "     2.5"               // 2/15 TCFAIL F8.1
                              + "   0.300"               // 2/16 WCFIN. F8.3
                              + "   20.00"               // 2/17 DWCUUT F8.2
                              + "    0.00"               // 2/18 DWCPCU F8.2
                              + "   -1.50"               // 2/19 DWCLEW F8.2
                              + "    2.25"               // 2/20 DWCMTE F8.2
                              + " 0.0012000"             // 2/22 CSLFPR F10.7
                              + "  0.350";               // 2/23 EXTM F7.3
    const std::string row_c = std::string("    0.18")   // 2/24 ACTKFP F8.2
                              + "            3.00"       // T3/1 TESTNO F16.2
                              + "     2."                // T3/2 FAILMD F7.0
                              + "     60.0"              // T3/3 ALPA F9.1
                              + "    3.25"               // T3/4 DELTAS F8.2
                              + "    12.5"               // T3/5 BEDPER F8.1
                              + "    25.6"               // T3/6 STGPER F8.1
                              + "    4.50"               // T3/7 AXSTRN F8.2
                              + "   -1.25"               // T3/8 VOLSTN F8.2
                              + "     35.5"              // T3/9 ERSIG1 F9.1
                              + "   0.021"               // 3/10 CMS1DS F8.3
                              + "   0.012"               // 3/11 CMS1LR F8.3
                              + "   0.008"               // 3/12 CMS3DS F8.3
                              + "  0.004"                // 3/13 CMS3LR F7.3
                              + "    0.045";             // 3/14 CFS1DS F9.3
    const std::string row_d = std::string("    0.030")  // 3/15 CFS1LR F9.3
                              + "   2.5"                 // 3/16 PERCMB F6.1
                              + "      4.5"              // 3/17 PERCSD F9.1
                              + "   -12.5"               // 3/18 ERMCBH F8.1
                              + "    0.750"              // 3/19 P.W.P. F9.3
                              + "  1.625"                // 3/20 EFFNS. F7.3
                              + "   0.875"               // 3/21 DEVSC F8.3
                              + "            50.0"       // AD/1 S3IPSI F16.1
                              + "    3.515"              // AD/2 S3IKGC F9.3
                              + "  10.50"                // AD/3 EXTCLI F7.2
                              + "   0.0015"              // AD/4 BSTNCL F9.4
                              + " 0.000030"              // AD/5 RBGTS3 F9.6
                              + "  0.15";                // AD/6 BEDSNP F6.2
    EXPECT_EQ(tables(*c), kHeadingA + records({row_a}) + kHeadingB + records({row_b}) +
                              kHeadingC + records({row_c}) + kHeadingD + records({row_d}));
}

// CMS3LR is printed exactly as stored: a value the test results turned
// negative prints negative, it is not reversed a second time.
TEST(TestTables, CmS3LrNotNegatedAgain) {
    auto c = make_case();
    c->rd.CMS3LR[2] = -0.004f;
    const std::string out = tables(*c);
    const std::string row_c_tail = std::string("   0.008") + " -0.004" + "    0.045\r\n";
    EXPECT_NE(out.find(row_c_tail), std::string::npos);
}

// A test without readings (failure reading 0): every value at failure is
// element 0 of its array, which stays 0.
TEST(TestTables, NoReadingsPrintsZerosAtFailure) {
    auto c = make_case();
    c->sp.NREAD = 0;
    c->rd.IFAIL = 0;
    const std::string out = tables(*c);
    const std::string row_c = std::string("    0.18") + "            3.00" + "     2." +
                              "     60.0" + "    0.00" + "    12.5" + "    25.6" + "    0.00" +
                              "    0.00" + "      0.0" + "   0.000" + "   0.000" + "   0.000" +
                              "  0.000" + "    0.000";
    const std::string row_d = std::string("    0.000") + "   0.0" + "      0.0" + "     0.0" +
                              "    0.000" + "  0.000" + "   0.000" + "            50.0" +
                              "    3.515" + "  10.50" + "   0.0015" + " 0.000030" + "  0.15";
    EXPECT_NE(out.find(kHeadingC + records({row_c}) + kHeadingD + records({row_d})),
              std::string::npos);
}

}  // namespace
}  // namespace dorvane::report_test
