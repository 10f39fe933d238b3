#include "report/reading_tables.h"

namespace dorvane {

void write_reading_tables(const Run&, const Specimen& sp, const Readings& r, OutputUnit& rep) {
    const int n = readings_held(sp.NREAD);

    rep.write("(' APP.SIG3 DURATION VOLCH    P.P.   PARA2  S.DIAL PR.DIA  PARA3 AXSTRN  VOLSTRN  EFF.NS .5(DEVS) TOT.ST  COR.AR. ERRAC  S1/S3', /, ' (LB/IN2)  (MIN)   (CC)   (KG/CM2) (NUM)  .001IN .0001IN (NUM) (%)', 6X, '(%)', 4X, 'KG/CM2  KG/CM2  KG/CM2   (CM2)   (%)   RATIO', /, 1X, 123('-'))");
    for (int i = 1; i <= n; ++i) {
        // The corrected deformation in thousandths of an inch.
        const double s_dial = r.S_DIAL[i] / 0.00254f;
        rep.write("(F7.2, F9.1, F7.2, F9.3, F7.1, 3F7.1, F7.3, F9.3, 3F8.3, F9.2, F7.2, F7.3)",
                  {r.APP_SIG3[i], r.DURATION[i], r.VOLCH[i], r.PP[i], r.PARA2[i], s_dial,
                   r.PR_DIA[i], r.PARA3[i], r.AXSTRN[i], r.VOLSTRN[i], r.EFF_NS[i],
                   r.HALF_DEVS[i], r.TOT_ST[i], r.COR_AR[i], r.ERRAC[i], r.S1_S3[i]});
    }

    rep.write("(55X, 'TABLE 2', /, ' AXSTRN  SIG1UC  CMSIG1  SIG1C  ERSIG1  SIG3UC   CMSIG3  SIG3C  CMDEDS  CMDELR  ERMCBH  SIG1EF  SIG3EF CUMFPR', ' CFSIG1 PERCMB PERCSD', /, 2X, '(%)    KG/CM2  K/CM2   K/CM2   (%)KG/CM2   KG/CM2  KG/CM2  KG/CM2  KG/CM2   (%)   KG/CM2  KG/CM2   (G)  KG/CM2   (%)    (%)', /, 1X, 130('-'))");
    for (int i = 1; i <= n; ++i) {
        rep.write("(F7.3, 2F8.3, F7.3, F7.2, F8.3, F9.3, F8.3, 6F8.3, F7.3, F5.2, F8.2)",
                  {r.AXSTRN[i], r.SIG1UC[i], r.CMSIG1[i], r.SIG1C[i], r.ERSIG1[i], r.SIG3UC[i],
                   r.CMSIG3[i], r.SIG3C[i], r.CMDEDS[i], r.CMDELR[i], r.ERMCBH[i], r.SIG1EF[i],
                   r.SIG3EF[i], r.CUMFPR[i], r.CFSIG1[i], r.PERCMB[i], r.PERCSD[i]});
    }
}

}  // namespace dorvane
