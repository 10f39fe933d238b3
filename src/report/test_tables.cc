#include "report/test_tables.h"

#include "report/reading_index.h"

namespace dorvane {

namespace {

// Table A: the specimen at set-up, and the test's first summary values.
void write_table_a(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep) {
    rep.write("(/, 4X, '1/11    1/12    1/13    1/14    1/15    1/16    1/17  1/18    1/19', 5X, '**', 5X, 'T2/1    T2/2    T2/3    T2/4    T2/5  T2/6', /, 4X, 'WCINL  DWCSTS', 5X, 'D', 6X, 'H', 5X, 'DENSBK  SATINL  CAVITY  PER3T4  PER3T8    **    TESTNO  S3IPSI  DEGCON  PPSOSH  STNRAT FRACA', /, 4X, 'RATIO   (%)      (CM)   (CM)   (T/M3) (RAT.)', 4X, '(%)', 5X, '(%)', 5X, '(%)', 6X, '**', 4X, 'SER/NO  (PSI)    (%)    KG/CM2  MM/MIN  RATIO', /, 4X, 124('-'))");
    const InputFields& in = run.in;
    rep.write("(F9.3, F7.2, F9.3, F7.3, F8.3, F9.3, F7.2, F7.1, F9.1, F16.2, F8.1, F8.1, F8.3, F9.5, F8.4)",
              {in.WCINL, sp.DWCSTS, in.D, in.H, sp.DENSBK, sp.SATINL, sp.CAVITY, sp.PER3T4,
               sp.PER3T8, in.TESTNO, in.S3IPSI, rd.DEGCON, rd.PPSOSH, in.STNRAT, in.FRACA});
}

// Table B: bedding, seating, time to failure and final water contents.
void write_table_b(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep) {
    rep.write("(/, 4X, 'T2/7    T2/8    T2/9    2/10    2/11    2/12    2/13  2/14    2/15    2/16    2/17    2/18    2/19    2/20    2/222/23', /, 3X, 'ASTNIN  BEDGMM  PERBED  STGMEC  SGSNME  SEATMM  STGSTNPSGMTT  TCFAIL  WCFIN.  DWCUUT  DWCPCU  DWCLEW  DWCMTE  CSLFPR   EXTM', /, 3X, ' (%)     (MM)    (%)', 5X, '(MM)   (RAT.)   (MM)    (%) (%)', 5X, '(HR)   (RAT.)   (%)', 5X, '(%)', 5X, '(%)', 5X, '(%)', 4X, 'CC/M/K  KGF/CM', /, 3X, 126('-'))");
    const InputFields& in = run.in;
    rep.write("(F8.2, F8.2, F8.1, F8.2, F9.4, F7.2, F8.2, F8.1, F8.1, F8.3, 4F8.2, F10.7, F7.3)",
              {sp.ASTNIN, sp.BEDGMM, sp.PERBED, sp.STGMEC, sp.SGSNME, sp.SEATMM, sp.STGSTN,
               sp.PSGMTT, rd.TCFAIL, in.WCFIN, sp.DWCUUT, sp.DWCPCU, sp.DWCLEW, sp.DWCMTE,
               in.SLFPR, in.EXTM});
}

// Table C: the failure reading's strains and the corrections of S1 and S3.
void write_table_c(const Run& run, const Specimen&, const Readings& rd, OutputUnit& rep) {
    rep.write("(/, 4X, '2/24', 5X, '**', 5X, 'T3/1    T3/2    T3/3    T3/4    T3/5    T3/6    T3/7    T3/8    T3/9    3/10    3/11    3/12    3/13  3/14', /, 3X, 'ACTKFP', 4X, '**', 4X, 'TESTNO  FAILMD   ALPA   DELTAS  BEDPER  STGPER  AXSTRN  VOLSTN  ERSIG1  CMS1DS  CMS1LR  CMS3DS  CMS3LR  CFS1DS', /, 3X, 'KGF/CM', 4X, '**', 4X, 'SER/NO   (NO)   (DEGR)   (%)', 5X, '(%)', 5X, '(%)', 5X, '(%)', 5X, '(%)', 5X, '(%)', 4X, 'KG/CM2  KG/CM2  KG/CM2  KG/CM2  KG/CM2', /, 3X, 126('-'))");
    const InputFields& in = run.in;
    const int f = reading_index(rd.IFAIL);
    // CMS3LR at failure already carries the sign reversal of the test results.
    rep.write("(F8.2, F16.2, F7.0, F9.1, F8.2, 2F8.1, F8.2, F8.2, F9.1, 3F8.3, F7.3, F9.3)",
              {in.ACTKFP, in.TESTNO, in.FAILMD, in.ALPHA, rd.DELTAS[f], rd.BEDPER, rd.STGPER,
               rd.AXSTRN[f], rd.VOLSTRN[f], rd.ERSIG1[f], rd.CMS1DS[f], rd.CMS1LR[f],
               rd.CMS3DS[f], rd.CMS3LR[f], rd.CFS1DS[f]});
}

// Table D: the failure reading's stresses and the apparatus readings.
void write_table_d(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep) {
    rep.write("(/, 4X, '3/15    3/16    3/17    3/18    3/19    3/20    3/21', 5X, '**', 5X, 'AD/1    AD/2    AD/3    AD/4    AD/5    AD/6', /, 3X, 'CFS1LR  PERCMB  PERCSD  ERMCBH  P.W.P.  EFFNS.  DEVSC', 5X, '**', 4X, 'S3IPSI  S3IKGC  EXTCLI  BSTNCL  RBGTS3  BEDSNP', /, 3X, 'KG/CM2   (%)', 5X, '(%)', 5X, '(%)', 4X, 'KG/CM2  KG/CM2  KG/CM2    **    (PSI)   KG/CM2 .001IN  (RAT.)  (RAT.)   (%)', /, 3X, 110('-'))");
    const InputFields& in = run.in;
    const int f = reading_index(rd.IFAIL);
    rep.write("(F9.3, F6.1, F9.1, F8.1, F9.3, F7.3, F8.3, F16.1, F9.3, F7.2, F9.4, F9.6, F6.2)",
              {rd.CFS1LR[f], rd.PERCMB[f], rd.PERCSD[f], rd.ERMCBH[f], rd.PP[f], rd.EFF_NS[f],
               rd.HALF_DEVS[f], in.S3IPSI, sp.S3IKGC, sp.EXTCLI, sp.BSTNCL, sp.RBGTS3,
               sp.BEDSNP});
}

}  // namespace

void write_test_tables(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep) {
    write_table_a(run, sp, rd, rep);
    write_table_b(run, sp, rd, rep);
    write_table_c(run, sp, rd, rep);
    write_table_d(run, sp, rd, rep);
}

}  // namespace dorvane
