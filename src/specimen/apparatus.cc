#include "specimen/apparatus.h"

#include "specimen/layout_kind.h"

namespace dorvane {

namespace {

// The fixed apparatus of the extended layout.
constexpr float kFixedPrRgCons = 1.365f;
constexpr float kFixedAram = 18.4f;
constexpr float kFixedRamWeight = 3.5f;
constexpr float kFixedPhipl = 20.0f;

// Cell-fluid calibration of the fixed apparatus at 80 and at 120 psi.
struct CellCalibration {
    float CS3A1, CS3A2, CS3A3, CDT1, CDT2;
};
constexpr CellCalibration kCal80 = {6.3383f, -0.1018544f, 0.0f, 0.0003863836f, -1.946778e-08f};
constexpr CellCalibration kCal120 = {5.925488f, -0.03972621f, 0.0f, 0.0006287827f, -2.992932e-08f};

// Straight line through the two sets, not limited to 80..120 psi.
Real interpolate(float c80, float c120, Real f) {
    Real lo = c80, hi = c120;
    return ((hi - lo) * f) + lo;
}

}  // namespace

void settle_apparatus(Run& run, Specimen& sp) {
    InputFields& in = run.in;
    const bool extended = extended_layout(run);

    // The cell pressure as entered stays in in.S3IPSI for the whole test.

    if (extended) {
        in.EXTM = in.EXTM * 0.5f;
        in.PR_RG_CONS = kFixedPrRgCons;
        run.ARAM = kFixedAram;
        in.RAMWGT = kFixedRamWeight;
    }

    sp.FPK0 = 0.008902311f;
    sp.FPK1 = 113.189f;
    sp.FPK2 = -5112.527f;
    sp.FPK3 = 96635.88f;
    sp.FPK4 = -640144.8f;

    if (extended) {
        // From the pressure as entered in psi, never the converted one.
        Real f = (in.S3IPSI - 80.0f) / 40.0f;
        sp.CS3A1 = interpolate(kCal80.CS3A1, kCal120.CS3A1, f);
        sp.CS3A2 = interpolate(kCal80.CS3A2, kCal120.CS3A2, f);
        sp.CS3A3 = interpolate(kCal80.CS3A3, kCal120.CS3A3, f);
        sp.CDT1 = interpolate(kCal80.CDT1, kCal120.CDT1, f);
        sp.CDT2 = interpolate(kCal80.CDT2, kCal120.CDT2, f);
        sp.BEDSTR = in.S3IPSI * 7.3e-05f;
    } else {
        sp.BEDSTR = 0.0f;
    }

    if (extended) {
        sp.S3IKGC = in.S3IPSI * 0.0703f + 0.037f;
    } else {
        // Short layout: the general data's gauge; standard: the test record's
        // (it overwrote the same fields).
        sp.S3IKGC = in.CPSLOP * in.S3IPSI + in.CPCONS;
    }

    if (extended) {
        sp.CRP0 = 0.01553905f;
        sp.CRP1 = 0.002748912f;
        sp.CRP2 = -4.242007e-06f;
        sp.CRP3 = 3.117357e-09f;
        sp.CRP4 = -1.056635e-12f;
        sp.CRP5 = 1.318603e-16f;
    }

    if (extended) in.PHIPL = kFixedPhipl;
    // The datum stays in degrees for the next test.
    sp.PHIPL = run.PI * in.PHIPL / 180.0f;
}

}  // namespace dorvane
