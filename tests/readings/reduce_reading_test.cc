#include "readings/reduce_reading.h"

#include <gtest/gtest.h>

#include <cmath>

#include "readings/clock_fields.h"
#include "readings_bench.h"

namespace dorvane {
namespace {

// Expected values: the formulas in double on the single-precision constants.
constexpr double F(float x) { return x; }

TEST(ReduceReading, FirstReadingIsItsOwnReference) {
    ReadingsBench b;
    b.set_cell_pressure(2);
    b.r.PR_DIA[1] = 5.0f;
    b.r.PR_DIA[2] = 10.0f;
    b.r.MINUTE[2] = 30.0f;
    b.sp.NREAD = 2;
    b.run.in.SLFPR = 0.5f;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.DTMIN[1].v, 0.0f);
    EXPECT_EQ(b.r.DURATION[1].v, 0.0f);
    EXPECT_EQ(b.r.VOLCH[1].v, 0.0f);
    EXPECT_EQ(b.r.ERSIG1[1].v, 0.0f);
    EXPECT_EQ(b.r.CUMFPR[1].v, 0.0f);
    // Leakage from reading 2: (1 x 0.5) x 30 cm3.
    EXPECT_FLOAT_EQ(b.r.VLEAK, 15.0f);
    EXPECT_EQ(b.r.CUMFPR[2].v, Real(15.0 * F(0.965f)).v);
}

TEST(ReduceReading, ClockFieldsCountElapsedDaysAndHours) {
    // 1/23/50 then 2/0/10: the blank-looking hour 0 becomes 23.
    ReadingsBench b;
    b.set_cell_pressure(2);
    b.r.DAY[1] = 1.0f, b.r.HOUR[1] = 23.0f, b.r.MINUTE[1] = 50.0f;
    b.r.DAY[2] = 2.0f, b.r.HOUR[2] = 0.0f, b.r.MINUTE[2] = 10.0f;
    b.sp.NREAD = 2;
    carry_clock_fields(2, b.r);
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.TMIN[1].v, 2870.0f);
    EXPECT_EQ(b.r.TMIN[2].v, 4270.0f);
    EXPECT_EQ(b.r.DTMIN[2].v, 1400.0f);
    EXPECT_EQ(b.r.DURATION[2].v, 1400.0f);
    EXPECT_EQ(b.r.THOURS.v, Real(1400.0 / 60.0).v);
}

TEST(ReduceReading, SelectorOfTheReadingChoosesTheGaugeStep) {
    ReadingsBench b;
    b.set_cell_pressure(3);
    const float vol1[] = {0, 10, 12, 13}, vol2[] = {0, 20, 21, 25}, sel[] = {0, 1, 1, 2};
    for (int i = 1; i <= 3; ++i) b.r.VOL1[i] = vol1[i], b.r.VOL2[i] = vol2[i], b.r.VOLSEL[i] = sel[i];
    b.sp.NREAD = 3;
    b.run.in.VOLOPT = 2.0f;  // volume change as read
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.VOLCH[2].v, 2.0f);
    EXPECT_EQ(b.r.VOLCH[3].v, 6.0f);  // 2 + 25 - 21
    EXPECT_FLOAT_EQ(b.r.EPSVOL[3], 0.06f);
    EXPECT_FLOAT_EQ(b.r.VOLSTRN[3], 6.0f);
}

struct PoreCase {
    float para2;
    double expected;  // from ZEROM 100, DMANR 10, ZEROLF 5, reading 50
};

void PrintTo(const PoreCase& c, std::ostream* os) { *os << "PARA2 " << c.para2; }

class PoreDeviceCode : public testing::TestWithParam<PoreCase> {};

TEST_P(PoreDeviceCode, SelectsTheConversion) {
    ReadingsBench b;
    b.set_cell_pressure(1);
    b.run.in.PPFLAG = 0.0f;
    b.run.in.ZEROM = 100.0f;
    b.run.in.DMANR = 10.0f;
    b.run.in.ZEROLF = 5.0f;
    b.r.PP[1] = 50.0f;
    b.r.PARA2[1] = GetParam().para2;
    b.sp.NREAD = 1;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.PP[1].v, Real(GetParam().expected).v);
    EXPECT_FLOAT_EQ(b.r.PPKPA[1], 98.07f * b.r.PP[1].v);
}

const double kManometer = ((100.0 - 50.0) * F(0.0252f)) - F(0.01f);
const double kShifted = (((100.0 + 10.0) - 50.0) * F(0.0252f)) - F(0.01f);
const double kTransducer = ((50.0 - 5.0) * F(0.06715f)) - F(0.01f);
const double kGauge = ((50.0 - 1.0) * F(0.0703f)) + F(0.04f);

INSTANTIATE_TEST_SUITE_P(Boundaries, PoreDeviceCode,
                         testing::Values(PoreCase{0.0f, kManometer}, PoreCase{1.99f, kManometer},
                                         PoreCase{2.0f, kShifted}, PoreCase{2.5f, kTransducer},
                                         PoreCase{3.0f, kTransducer}, PoreCase{3.01f, kGauge}));

TEST(ReduceReading, PorePressureAsReadUnderTheFlag) {
    ReadingsBench b;
    b.set_cell_pressure(1);
    b.r.PP[1] = 50.0f;
    b.r.PARA2[1] = 2.0f;
    b.sp.NREAD = 1;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.PP[1].v, 50.0f);
}

TEST(ReduceReading, ModeCode1WinsOverThePorePressureFlag) {
    ReadingsBench b;
    b.run.in.MODE = 1.0f;  // short layout
    b.run.in.PPFLAG = 1.0f;
    b.run.in.COEF01 = 0.5f, b.run.in.COEF1M = 2.0f, b.run.in.COEF2M = 0.25f;
    b.run.in.PWSLOP = 0.1f, b.run.in.PWCONS = 0.2f;
    b.r.PP[1] = 3.0f, b.r.PPSEL[1] = 1.0f, b.r.PPAUX[1] = 4.0f;
    b.r.PP[2] = 3.0f, b.r.PPSEL[2] = 0.0f;
    b.sp.NREAD = 2;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.PP[1].v, 5.5f);  // (2 x 3 + 0.5) - 0.25 x 4
    EXPECT_EQ(b.r.PP[2].v, Real(F(0.1f) * 3.0 + F(0.2f)).v);
}

struct LoadCase {
    float mode;
    float psetpr;
    float ram_weight;
    float load;  // p in kgf for ring reading 10, ARAM 2, cell pressure 1
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << "mode " << c.mode << " PSETPR " << c.psetpr << " ram weight " << c.ram_weight;
}

class LoadRule : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadRule, RemovesUpliftOrRamWeight) {
    ReadingsBench b;
    const LoadCase& c = GetParam();
    b.run.in.MODE = c.mode;
    b.run.in.PSETPR = c.psetpr;
    b.run.in.RAMWGT = c.ram_weight;
    b.run.ARAM = 2.0f;
    b.set_cell_pressure(1);
    b.r.PR_DIA[1] = 10.0f;
    b.sp.NREAD = 1;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.COR_AR[1].v, 10.0f);
    EXPECT_EQ(b.r.SIG1UC[1].v, Real(c.load / 10.0 + 1.0).v);
    EXPECT_EQ(b.run.RAMWT.v, c.ram_weight);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LoadRule,
    testing::Values(LoadCase{5.0f, 0.0f, 1.0f, 9.0f},    // PSETPR 0: always the uplift
                    LoadCase{5.0f, 1.0f, 3.0f, 11.0f},   // uplift 2 below ram weight 3
                    LoadCase{5.0f, 1.0f, 2.0f, 10.0f},   // uplift equal to the ram weight
                    LoadCase{5.0f, 1.0f, 1.0f, 10.0f},   // uplift above the ram weight
                    LoadCase{5.0f, 2.0f, 3.0f, 10.0f},   // PSETPR 2: always the ram weight
                    LoadCase{7.5f, 1.0f, 3.0f, 11.0f},   // standard layout: no uplift term
                    LoadCase{7.5f, 1.0f, 0.0f, 10.0f})); // ... and no ram weight

TEST(ReduceReading, SideDrainPolynomialUpToAStrainOf0025Included) {
    ReadingsBench b;
    b.run.in.H = 1.0f;
    b.sp.HSOFSH = 1.0f;
    b.run.in.ACTKFP = 1.0f;
    b.run.in.PCFPSD = 1.0f;
    b.set_cell_pressure(2);
    b.r.S_DIAL[1] = 0.025f;   // e0 exactly 0.025
    b.r.S_DIAL[2] = 0.0251f;  // just above
    b.sp.NREAD = 2;
    reduce_readings(b.run, b.sp, b.r);

    const double e = 0.025f;
    const Real m = b.sp.FPK0 + b.sp.FPK1 * e + b.sp.FPK2 * (e * e) +
                   b.sp.FPK3 * (e * e * e) + b.sp.FPK4 * (e * e * e * e);
    const Real f = (m * ((1.0 * F(1.135f)) / F(0.18f))) * F(0.18f);
    EXPECT_NEAR(m, 0.9, 0.02);
    EXPECT_EQ(b.r.CFSIG1[1].v, Real(f / b.r.COR_AR[1]).v);
    EXPECT_EQ(b.r.CFSIG1[2].v, Real(1.0 / b.r.COR_AR[2]).v);  // ACTKFP itself
}

TEST(ReduceReading, StrainBelowSeatingIsRaisedToTheDialCorrectionFloor) {
    ReadingsBench b;
    b.sp.SEATING = 0.5f;
    b.set_cell_pressure(1);
    b.r.S_DIAL[1] = 0.2f;
    b.sp.NREAD = 1;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.EPSAX[1].v, 0.0f);
    EXPECT_EQ(b.r.COR_AR[1].v, 10.0f);
}

TEST(ReduceReading, ZeroDeviatorAndZeroMembraneGuardThePercentages) {
    ReadingsBench b;
    b.set_cell_pressure(1);
    b.sp.NREAD = 1;  // no ring load, no membrane
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.HALF_DEVS[1].v, 0.0f);
    EXPECT_EQ(b.r.PERCMB[1].v, 0.0f);
    EXPECT_EQ(b.r.PERCSD[1].v, 0.0f);
    EXPECT_EQ(b.r.ERMCBH[1].v, 0.0f);
}

TEST(ReduceReading, ModeCode2TimesEveryReadingByTheVolumeOption) {
    ReadingsBench b;
    b.run.in.MODE = 2.0f;
    b.run.in.VOLOPT = 30.0f;
    b.sp.NREAD = 3;
    for (int i = 1; i <= 3; ++i) b.r.PR_DIA[i] = static_cast<float>(i);
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.THOURS.v, 0.5f);
    EXPECT_EQ(b.r.TCFAIL.v, 0.5f);
}

// Extended layout: cell-fluid corrections with every calibration 0 except
// the time-dependent term CDT1 = 1, so vt = DTMIN(2) at reading 2 and the
// pressure step vp = 0.747 x dA / 17.5 from reading 3 on.
struct StepCase {
    float dtmin3;
    float app3;
    double epsvol3;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << "DTMIN " << c.dtmin3 << " APP.SIG3 " << c.app3; }

class PressureStep : public testing::TestWithParam<StepCase> {};

TEST_P(PressureStep, ActsFromReading3BelowADayInterval) {
    ReadingsBench b;
    b.run.in.MODE = 7.85f;
    b.run.EXTFLG = 9.0f;
    b.run.in.VOLOPT = 0.0f;
    b.sp.CDT1 = 1.0f;
    b.r.APP_SIG3[1] = 100.0f, b.r.APP_SIG3[2] = 100.0f, b.r.APP_SIG3[3] = GetParam().app3;
    b.r.MINUTE[2] = 10.0f;
    b.r.MINUTE[3] = 10.0f + GetParam().dtmin3;
    b.sp.NREAD = 3;
    reduce_readings(b.run, b.sp, b.r);
    EXPECT_EQ(b.r.EPSVOL[1].v, 0.0f);
    EXPECT_EQ(b.r.EPSVOL[2].v, Real(10.0 / 100.0f).v);  // vt at reading 2 only
    EXPECT_EQ(b.r.EPSVOL[3].v, Real(GetParam().epsvol3).v);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureStep,
    testing::Values(StepCase{1399.0f, 82.5f, F(0.747f) / 100.0},
                    StepCase{1400.0f, 82.5f, 0.0},
                    StepCase{1399.0f, 117.5f, -F(0.747f) / 100.0}));

TEST(ReduceReading, FallOfCellPressureAddsToTheDialCorrection) {
    ReadingsBench b;
    b.set_cell_pressure(3, 50.0f);
    b.r.APP_SIG3[2] = 40.0f;  // fell by 10
    b.r.S_DIAL[2] = 1.0f;
    b.sp.NREAD = 3;
    reduce_readings(b.run, b.sp, b.r);
    const Real dialcr2 = 10.0 * F(0.0369f);
    EXPECT_EQ(b.r.S_DIAL[2].v, Real(dialcr2 + 1.0f).v);
    EXPECT_EQ(b.r.DIALCR.v, Real(-10.0 * F(0.0369f) + dialcr2).v);  // and rose again
}

}  // namespace
}  // namespace dorvane
