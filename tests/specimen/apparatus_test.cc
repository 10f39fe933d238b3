#include "specimen/apparatus.h"

#include <gtest/gtest.h>

namespace dorvane {
namespace {

Run standard_run() {
    dorvane::Run run;
    run.in.MODE = 7.0f;
    run.in.PR_RG_CONS = 2.0f;
    run.ARAM = 12.0f;
    run.in.RAMWGT = 1.5f;
    run.in.PHIPL = 30.0f;
    run.in.CPCONS = 0.05f;
    run.in.CPSLOP = 0.1f;
    run.in.S3IPSI = 40.0f;
    run.in.EXTM = 1.2f;
    return run;
}

Run extended_run(float s3ipsi) {
    dorvane::Run run = standard_run();
    run.EXTFLG = 9.0f;
    run.in.MODE = 7.85f;
    run.in.S3IPSI = s3ipsi;
    return run;
}

TEST(SettleApparatus, ExtendedLayoutUsesTheFixedApparatus) {
    dorvane::Run run = extended_run(80.0f);
    Specimen s;
    settle_apparatus(run, s);

    EXPECT_EQ(run.in.EXTM.v, 0.6f);  // halved in place, printed halved
    EXPECT_EQ(run.in.PR_RG_CONS.v, 1.365f);  // general datum 2.0 not used
    EXPECT_EQ(run.ARAM.v, 18.4f);
    EXPECT_EQ(run.in.RAMWGT.v, 3.5f);
    EXPECT_EQ(run.in.PHIPL.v, 20.0f);
    EXPECT_FLOAT_EQ(s.PHIPL.v, 0.34906587f);
    EXPECT_EQ(run.in.S3IPSI.v, 80.0f);  // the entered pressure stays
    EXPECT_FLOAT_EQ(s.S3IKGC.v, 80.0f * 0.0703f + 0.037f);
    EXPECT_FLOAT_EQ(s.BEDSTR.v, 80.0f * 7.3e-05f);
    EXPECT_EQ(s.CRP0.v, 0.01553905f);
    EXPECT_EQ(s.CRP5.v, 1.318603e-16f);

    // A second test halves the newly read EXTM again, not the halved one.
    run.in.EXTM = 1.2f;
    settle_apparatus(run, s);
    EXPECT_EQ(run.in.EXTM.v, 0.6f);
}

// The calibrations lie on the straight line through the 80 and 120 psi sets,
// extrapolated beyond them.
TEST(SettleApparatus, CellCalibrationFollowsTheEnteredPressure) {
    struct Case {
        float s3ipsi;
        float cs3a1, cs3a2, cdt1, cdt2;
    };
    const Case cases[] = {
        {80.0f, 6.3383f, -0.1018544f, 0.0003863836f, -1.946778e-08f},
        {100.0f, (6.3383f + 5.925488f) / 2, (-0.1018544f + -0.03972621f) / 2,
         (0.0003863836f + 0.0006287827f) / 2, (-1.946778e-08f + -2.992932e-08f) / 2},
        {120.0f, 5.925488f, -0.03972621f, 0.0006287827f, -2.992932e-08f},
        // The quadratic term changes sign at 160 psi.
        {160.0f, 5.5126758f, 0.022401981f, 0.00087118184f, -4.0390862e-08f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s3ipsi);
        dorvane::Run run = extended_run(c.s3ipsi);
        Specimen s;
        settle_apparatus(run, s);
        EXPECT_FLOAT_EQ(s.CS3A1.v, c.cs3a1);
        EXPECT_FLOAT_EQ(s.CS3A2.v, c.cs3a2);
        EXPECT_EQ(s.CS3A3.v, 0.0f);
        EXPECT_FLOAT_EQ(s.CDT1.v, c.cdt1);
        EXPECT_FLOAT_EQ(s.CDT2.v, c.cdt2);
        EXPECT_FLOAT_EQ(s.BEDSTR.v, c.s3ipsi * 7.3e-05f);
        EXPECT_FLOAT_EQ(s.S3IKGC.v, c.s3ipsi * 0.0703f + 0.037f);
    }
    // At exactly 80 psi the first set comes out unchanged.
    dorvane::Run run = extended_run(80.0f);
    Specimen s;
    settle_apparatus(run, s);
    EXPECT_EQ(s.CS3A1.v, 6.3383f);
    EXPECT_EQ(s.CS3A2.v, -0.1018544f);
    EXPECT_EQ(s.CDT2.v, -1.946778e-08f);
}

TEST(SettleApparatus, ExtendedZeroPressureGivesTheGaugeOffset) {
    dorvane::Run run = extended_run(0.0f);
    Specimen s;
    settle_apparatus(run, s);
    EXPECT_EQ(s.S3IKGC.v, 0.037f);
    EXPECT_EQ(s.BEDSTR.v, 0.0f);
}

TEST(SettleApparatus, StandardAndShortLayoutsUseTheGaugeInForce) {
    for (float mode : {7.0f, 5.0f}) {
        SCOPED_TRACE(mode);
        dorvane::Run run = standard_run();
        run.in.MODE = mode;
        Specimen s;
        settle_apparatus(run, s);
        EXPECT_FLOAT_EQ(s.S3IKGC.v, 0.1f * 40.0f + 0.05f);
        EXPECT_EQ(s.BEDSTR.v, 0.0f);
        EXPECT_EQ(run.in.EXTM.v, 1.2f);
        EXPECT_EQ(run.in.PR_RG_CONS.v, 2.0f);
        EXPECT_EQ(run.ARAM.v, 12.0f);
        EXPECT_EQ(run.in.RAMWGT.v, 1.5f);
        // No cell-fluid calibration outside the fixed apparatus.
        EXPECT_EQ(s.CS3A1.v, 0.0f);
        EXPECT_EQ(s.CRP0.v, 0.0f);
        EXPECT_FLOAT_EQ(s.PHIPL.v, 0.52359879f);

        // The datum stays in degrees: the next test gets the same angle.
        const float first = s.PHIPL.v;
        settle_apparatus(run, s);
        EXPECT_EQ(run.in.PHIPL.v, 30.0f);
        EXPECT_EQ(s.PHIPL.v, first);
    }
}

TEST(SettleApparatus, FilterPaperPolynomialIsLoadedInEveryLayout) {
    for (float extflg : {0.0f, 9.0f}) {
        dorvane::Run run = standard_run();
        run.EXTFLG = extflg;
        Specimen s;
        settle_apparatus(run, s);
        auto mobilised = [&](double x) {
            return s.FPK0 + s.FPK1 * x + s.FPK2 * x * x + s.FPK3 * x * x * x +
                   s.FPK4 * x * x * x * x;
        };
        EXPECT_EQ(mobilised(0.0), static_cast<double>(0.008902311f));
        EXPECT_NEAR(mobilised(0.025), 0.9, 0.01);
    }
}

}  // namespace
}  // namespace dorvane
