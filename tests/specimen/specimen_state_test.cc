#include "specimen/specimen_state.h"

#include <cmath>

#include <gtest/gtest.h>

#include "specimen/apparatus.h"

namespace dorvane {
namespace {

// A plausible standard-layout clay specimen; tests change what they look at.
Run standard_run() {
    dorvane::Run run;
    InputFields& in = run.in;
    in.MODE = 7.0f;
    in.PR_RG_CONS = 1.5f;
    in.RAMDIA = 1.9f;
    in.PHIPL = 20.0f;
    run.ARAM = 2.835f;
    in.CPCONS = 0.0f;
    in.CPSLOP = 1.0f;
    in.S3IPSI = 2.0f;
    in.MCOAT = 9999.0f;
    in.D = 3.8f;
    in.H = 8.0f;
    in.GS = 2.7f;
    in.FRACA = 0.98f;
    in.ALPHA = 45.0f;
    in.WCINL = 0.25f;
    in.WCFIN = 0.22f;
    in.MASS = 180.0f;
    in.WSPINL = 180.0f;
    in.WSPFIN = 176.0f;
    in.EXTM = 1.2f;
    in.PM = 11.9f;
    in.RNREAD = 20.0f;
    return run;
}

Run extended_run() {
    dorvane::Run run = standard_run();
    run.EXTFLG = 9.0f;
    run.in.MODE = 7.85f;
    run.in.S3IPSI = 80.0f;
    return run;
}

struct Prepared {
    dorvane::Run run;
    Specimen s;
    Readings r;
};

Prepared prepare(Run run) {
    Prepared p{run, {}, {}};
    settle_apparatus(p.run, p.s);
    prepare_specimen(p.run, p.s, p.r);
    return p;
}

TEST(PrepareSpecimen, DiameterMeasuredAroundTheReference) {
    dorvane::Run run = standard_run();
    run.in.DREF = 3.8f;
    run.in.DIALR0 = 100.0f;
    run.in.DIALR1 = 120.0f;
    run.in.DIALR2 = 130.0f;
    Prepared p = prepare(run);
    EXPECT_FLOAT_EQ(p.run.in.D.v, 3.8635f);
    EXPECT_FLOAT_EQ(p.s.AREAINL.v, 3.8635f * 3.8635f * 3.141593f / 4);

    run.in.DREF = 0.0f;  // diameter as entered
    EXPECT_EQ(prepare(run).run.in.D.v, 3.8f);
}

TEST(PrepareSpecimen, ConsolidationFromTheHeightChange) {
    dorvane::Run run = standard_run();
    run.in.KDHCON = 1.0f;
    run.in.DHCON = 0.1f;
    run.in.H = 8.0f;
    Prepared p = prepare(run);
    // 1 - FRACA loses digits: the decimals hold to about 1e-6.
    EXPECT_NEAR(p.run.in.FRACA.v, 0.975, 1e-6);
    EXPECT_NEAR(p.s.EPSINL.v, 0.0125, 1e-7);
    EXPECT_NEAR(p.s.DV_VINL.v, -0.0375, 1e-7);
    EXPECT_NEAR(p.s.HSOFSH.v, 7.9, 1e-6);
    EXPECT_NEAR(p.s.ASTNIN.v, 1.25, 5e-6);
    EXPECT_FLOAT_EQ(p.s.AREASOS.v, p.s.AREAINL.v * 0.975f);
    EXPECT_FLOAT_EQ(p.s.VOLSOS.v, p.s.AREASOS.v * 7.9f);

    run.in.KDHCON = 0.0f;  // FRACA as entered
    EXPECT_EQ(prepare(run).run.in.FRACA.v, 0.98f);

    run.in.KDHCON = 0.5f;  // on when non-zero, unlike the other switches
    EXPECT_FLOAT_EQ(prepare(run).run.in.FRACA.v, 0.975f);
}

TEST(PrepareSpecimen, ShearPlaneMembraneFactors) {
    const double pi = 3.14159265358979;
    struct Case {
        float alpha;
        double clr3, clr1;
    };
    const double cot45 = 1.0, cot25 = 1.0 / std::tan(25 * pi / 180);
    const double cot20 = 1.0 / std::tan(20 * pi / 180);
    const double cot_floor = 1.0 / std::tan(0.1747);
    const Case cases[] = {
        {45.0f, 0.614, ((cot25 * cot45 + 1) - 1) * 0.614},
        // 25 - 20 degrees is below the floor of 0.1747 rad.
        {25.0f, cot25 * cot25 * 0.614, ((cot_floor * cot25 + 1) - cot25 * cot25) * 0.614},
        // 20 - 20 as well.
        {20.0f, cot20 * cot20 * 0.614, ((cot_floor * cot20 + 1) - cot20 * cot20) * 0.614},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alpha);
        dorvane::Run run = standard_run();
        run.in.ALPHA = c.alpha;
        Prepared p = prepare(run);
        EXPECT_NEAR(p.s.CLR3.v, c.clr3, 1e-5);
        EXPECT_NEAR(p.s.CLR1.v, c.clr1, 1e-5);
        EXPECT_NEAR(p.s.TANALF.v, std::tan(c.alpha * pi / 180), 1e-6);
        // Back in degrees for the report, through the stored pi both ways.
        EXPECT_FLOAT_EQ(p.run.in.ALPHA.v, c.alpha);
    }
}

TEST(PrepareSpecimen, SaturationAndVoidRatios) {
    // DENSBK 2.0 from MASS over the set-up volume.
    dorvane::Run run = standard_run();
    run.in.KDHCON = 1.0f;
    run.in.DHCON = 0.1f;
    Prepared p0 = prepare(run);
    run.in.MASS = 2.0f * p0.s.VOLINL.v;
    Prepared p = prepare(run);
    EXPECT_FLOAT_EQ(p.s.DENSBK.v, 2.0f);

    const double sat = (2.0 * 0.25 * 2.7) / ((1.25 * 2.7) - 2.0);
    EXPECT_FLOAT_EQ(p.s.SATINL.v, static_cast<float>(sat));
    EXPECT_LT(p.s.SATINL.v, 1.0f);
    const double n = (0.25 * 2.7) / (0.25 * 2.7 + sat);
    EXPECT_FLOAT_EQ(p.s.VORINL.v, static_cast<float>(n));
    const double e0 = n / (1 - n);
    EXPECT_FLOAT_EQ(p.s.VOIDRI.v, static_cast<float>(e0));
    EXPECT_FLOAT_EQ(p.s.VOIDRF.v, static_cast<float>(e0 - (e0 + 1) * 0.0375));
    EXPECT_LT(p.s.DVOIDR.v, 0.0f);
    EXPECT_LT(p.s.DPOROS.v, 0.0f);
    // The set-up volume times the density is MASS again.
    EXPECT_NEAR(p.s.CAVITY.v, (180.0 - run.in.MASS.v) * 100 / run.in.MASS.v, 1e-3);
}

TEST(PrepareSpecimen, BulkDensityOfTheExtendedLayout) {
    dorvane::Run run = extended_run();
    run.in.MASS = 150.0f;
    run.in.MADDS = 10.0f;
    run.in.MCOATW = 70.0f;
    run.in.MCOATC = 0.5f;
    run.in.WSPINL = 190.0f;

    run.in.MCOAT = 9999.0f;  // no coated sample: specimen mass over its volume
    Prepared p = prepare(run);
    EXPECT_FLOAT_EQ(p.s.DENSBK.v, 190.0f / (p.s.AREAINL.v * 8.0f));

    run.in.MCOAT = 7800.0f;  // the limit itself is a coated sample
    p = prepare(run);
    const double soil = 10.0 + 150.0;
    const double coating_volume = (7800.0 - soil) / 0.903;
    const double coated_volume = (7800.0 - 70.0) + 0.5;
    EXPECT_FLOAT_EQ(p.s.DENSBK.v, static_cast<float>(soil / (coated_volume - coating_volume)));

    // The standard layout reads the coated-sample fields and ignores them.
    dorvane::Run standard = run;
    standard.EXTFLG = 0.0f;
    standard.in.MODE = 7.0f;
    p = prepare(standard);
    EXPECT_FLOAT_EQ(p.s.DENSBK.v, 150.0f / p.s.VOLINL.v);
}

TEST(PrepareSpecimen, MoistureCansByTareSet) {
    struct Case {
        float kcans;
        float top, mid, bot, le;
    };
    const Case cases[] = {
        {0.0f, 18.86f, 18.47f, 18.55f, 18.96f},
        {1.9f, 18.86f, 18.47f, 18.55f, 18.96f},
        {2.0f, 18.9f, 18.7f, 18.83f, 18.53f},
        {7.0f, 18.9f, 18.7f, 18.83f, 18.53f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kcans);
        dorvane::Run run = extended_run();
        InputFields& in = run.in;
        in.KCANS = c.kcans;
        in.CTOPW = 60.0f, in.CTOPD = 52.0f;
        in.CMIDW = 61.0f, in.CMIDD = 53.0f;
        in.CBOTW = 59.0f, in.CBOTD = 51.5f;
        in.CLEW = 40.0f, in.CLED = 36.0f;
        Prepared p = prepare(run);
        const float top = 8.0f / (52.0f - c.top), mid = 8.0f / (53.0f - c.mid);
        const float bot = 7.5f / (51.5f - c.bot), le = 4.0f / (36.0f - c.le);
        EXPECT_FLOAT_EQ(p.s.TOP.v, top);
        EXPECT_FLOAT_EQ(p.s.MID.v, mid);
        EXPECT_FLOAT_EQ(p.s.BOT.v, bot);
        EXPECT_FLOAT_EQ(p.s.LE.v, le);
        const float wcfin = (top + mid + bot) / 3;
        EXPECT_FLOAT_EQ(p.run.in.WCFIN.v, wcfin);  // LE stays out
        EXPECT_NEAR(p.s.DWCLEW.v, (le - wcfin) * 100 / wcfin, 1e-4);
        EXPECT_NEAR(p.s.DWCMTE.v, (mid - (bot + top) / 2) * 100 / ((bot + top) / 2), 1e-4);
    }
}

TEST(PrepareSpecimen, BlankCanCountsAsDryInTheMean) {
    dorvane::Run run = extended_run();
    run.in.CTOPW = 60.0f, run.in.CTOPD = 52.0f;
    run.in.CBOTW = 59.0f, run.in.CBOTD = 51.5f;
    Prepared p = prepare(run);
    EXPECT_EQ(p.s.MID.v, 0.0f);
    EXPECT_FLOAT_EQ(p.run.in.WCFIN.v, (p.s.TOP.v + p.s.BOT.v) / 3);
}

TEST(PrepareSpecimen, StandardLayoutTakesTheEnteredFinalWaterContent) {
    Prepared p = prepare(standard_run());
    for (Real w : {p.s.TOP, p.s.MID, p.s.BOT, p.s.LE}) EXPECT_EQ(w.v, 0.22f);
    EXPECT_EQ(p.run.in.WCFIN.v, 0.22f);
    EXPECT_FLOAT_EQ(p.s.DWC.v, -12.0f);
    EXPECT_EQ(p.s.DWCLEW.v, 0.0f);
    EXPECT_EQ(p.s.DWCMTE.v, 0.0f);
    EXPECT_EQ(p.s.DWSPEC.v, -4.0f);
}

// Switches are on at 1 or more: 0.5 leaves their results at zero.
TEST(PrepareSpecimen, SwitchesOfTheStagesBeforeShearing) {
    for (float sw : {0.0f, 0.5f, 1.0f, 2.0f}) {
        SCOPED_TRACE(sw);
        dorvane::Run run = standard_run();
        InputFields& in = run.in;
        in.KEXTCL = in.KBSTN = in.KPER = in.KCU = in.KDWCST = sw;
        in.DIAL1 = 100.0f;
        in.DIAL2 = 160.0f;
        in.DIAL3 = 170.0f;
        in.WUP34 = 3.0f;
        in.WUP48 = 1.0f;
        in.WCSTD = 0.2f;
        in.FRACA = 0.99f;
        Prepared p = prepare(run);
        const bool on = sw >= 1.0f;

        // Ring deflection under the uplift on the ram, in dial divisions.
        const double r = (2.835 * 2.0) / (1.5 * 10);
        const double b = ((160.0 - 100.0) - r) * 0.00254 - (8.0 * 0.5) / 100;
        EXPECT_FLOAT_EQ(p.s.EXTCLI.v, on ? static_cast<float>(100.0 + r) : 0.0f);
        EXPECT_NEAR(p.s.BSTNCL.v, on ? b / 8.0 : 0.0, 1e-8);
        EXPECT_NEAR(p.s.RBGTS3.v, on ? b / 8.0 / 2.0 : 0.0, 1e-8);
        EXPECT_FLOAT_EQ(p.s.PER3T4.v, on ? 3.0f * 100 / (180.0f / 1.25f) : 0.0f);
        EXPECT_FLOAT_EQ(p.s.PER3T8.v, on ? 4.0f * 100 / (180.0f / 1.25f) : 0.0f);
        EXPECT_FLOAT_EQ(p.s.DWCSTS.v, on ? 25.0f : 0.0f);
        EXPECT_FLOAT_EQ(p.s.DWCPCU.v, on ? -12.0f : 0.0f);
        EXPECT_FLOAT_EQ(p.s.DWCUUT.v, on ? 0.0f : -12.0f);
        // Not switched.
        EXPECT_FLOAT_EQ(p.s.STGMEC.v, 0.254f);
    }
}

TEST(PrepareSpecimen, Seating) {
    dorvane::Run run = standard_run();
    run.in.FRACA = 0.975f;
    run.in.SEATF1 = 2.0f;
    run.in.SEATF2 = 3.0f;
    run.in.DIAL2 = 100.0f;
    run.in.DIAL3 = 110.0f;
    Prepared p = prepare(run);
    EXPECT_FLOAT_EQ(p.s.SEATING.v, 6.0f * 7.9f / 405);
    EXPECT_FLOAT_EQ(p.s.STGSTN.v, 600.0f / 405);
    EXPECT_FLOAT_EQ(p.s.SEATMM.v, 60.0f * 7.9f / 405);
    EXPECT_FLOAT_EQ(p.s.STGMEC.v, 0.254f);
    EXPECT_FLOAT_EQ(p.s.SGSNME.v, 0.254f / 79);
    EXPECT_FLOAT_EQ(p.s.PSGMTT.v, 25.4f / (p.s.SEATMM.v + 0.254f));

    // Nothing to share out: 0, not a division by zero.
    run.in.SEATF1 = 0.0f;
    run.in.DIAL3 = 100.0f;
    p = prepare(run);
    EXPECT_EQ(p.s.PSGMTT.v, 0.0f);
}

TEST(PrepareSpecimen, BeddingFromTheExtendedApparatus) {
    dorvane::Run run = extended_run();
    run.in.FRACA = 0.98f;
    Prepared p = prepare(run);
    const float bedstr = 80.0f * 7.3e-05f;
    EXPECT_FLOAT_EQ(p.s.BEDSNP.v, bedstr * 100);
    EXPECT_NEAR(p.s.ASTNIN.v, 1.0, 5e-6);
    EXPECT_NEAR(p.s.PERBED.v, bedstr * 100 * 100, 1e-3);
    EXPECT_FLOAT_EQ(p.s.BEDDING.v, 8.0f * bedstr);
    EXPECT_FLOAT_EQ(p.s.BEDGMM.v, 80.0f * bedstr);
    // Membrane scales from the halved modulus.
    EXPECT_FLOAT_EQ(p.s.MEMC1.v, 11.9f * 0.6f / (p.s.AREAINL.v * 1.5f));
    EXPECT_FLOAT_EQ(p.s.MEMC3.v, 0.6f / (3.8f * 0.75f));
}

TEST(PrepareSpecimen, NoAreaChangeGivesANonFiniteBeddingShare) {
    dorvane::Run run = extended_run();
    run.in.FRACA = 1.0f;
    Prepared p = prepare(run);
    EXPECT_EQ(p.s.ASTNIN.v, 0.0f);
    EXPECT_TRUE(std::isinf(p.s.PERBED.v));
}

TEST(PrepareSpecimen, ShortLayoutHasNoSetUpMass) {
    dorvane::Run run = standard_run();
    run.in.MODE = 5.0f;
    run.in.WSPINL = 0.0f;
    run.in.WSPFIN = 0.0f;
    Prepared p = prepare(run);
    EXPECT_NEAR(p.s.CAVITY.v, -100.0f, 1e-4);
    EXPECT_EQ(p.s.DWSPEC.v, 0.0f);
}

TEST(PrepareSpecimen, ReadingCounts) {
    struct Case {
        float rnread;
        int nread, nread80;
    };
    const Case cases[] = {
        {12.9f, 12, 10}, {20.0f, 20, 16}, {5.0f, 5, 4}, {1.0f, 1, 0},
        {0.0f, 0, 0},    {-3.5f, -3, -2}, {NAN, 0, 0},  {INFINITY, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rnread);
        dorvane::Run run = standard_run();
        run.in.RNREAD = c.rnread;
        Prepared p = prepare(run);
        EXPECT_EQ(p.s.NREAD, c.nread);
        EXPECT_EQ(p.s.NREAD80, c.nread80);
    }
    EXPECT_EQ(truncate_to_int(1e20), 2147483647);
    EXPECT_EQ(truncate_to_int(-1e20), -2147483647 - 1);
}

TEST(PrepareSpecimen, AdvancesTheTestCounterAndClearsTheReduction) {
    dorvane::Run run = standard_run();
    Specimen s;
    Readings r;
    r.KPLANE = 3;
    r.VLEAK = 1.5f;
    r.THOURS = 2.0f;
    r.DIALCR = 4.0f;
    for (int test = 1; test <= 2; ++test) {
        dorvane::Run one = run;
        one.NTEST = run.NTEST;
        settle_apparatus(one, s);
        prepare_specimen(one, s, r);
        EXPECT_EQ(one.NTEST, test);
        EXPECT_EQ(one.NTESTS, test);
        run.NTEST = one.NTEST;
    }
    EXPECT_EQ(r.KPLANE, 0);
    EXPECT_EQ(r.VLEAK.v, 0.0f);
    EXPECT_EQ(r.THOURS.v, 0.0f);
    EXPECT_EQ(r.DIALCR.v, 0.0f);
}

}  // namespace
}  // namespace dorvane
