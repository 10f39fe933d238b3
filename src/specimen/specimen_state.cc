#include "specimen/specimen_state.h"

#include <cmath>
#include <limits>

#include "specimen/layout_kind.h"

namespace dorvane {

namespace {

// Tares of the four moisture cans (top, middle, bottom, fourth).
struct CanTares {
    float top, mid, bot, le;
};
constexpr CanTares kFirstCanSet = {18.86f, 18.47f, 18.55f, 18.96f};
constexpr CanTares kSecondCanSet = {18.9f, 18.7f, 18.83f, 18.53f};

// Water content of one can sample.
Real can_water_content(Real wet, Real dry, float tare) {
    return (wet - dry) / (dry - tare);
}

// The shear-plane membrane factors never see an angle below about 10 degrees.
constexpr float kMinPlaneAngle = 0.1747f;

}  // namespace

void prepare_specimen(Run& run, Specimen& s, Readings& readings) {
    InputFields& in = run.in;
    const bool extended = extended_layout(run);

    // 1. Diameter measured with the dial gauge around a reference.
    if (in.DREF != 0.0f) {
        in.D = ((in.DIALR1 + in.DIALR2) / 2.0f - in.DIALR0) * 0.00254f + in.DREF;
    }

    // 2. Area fraction from the shortening in consolidation.
    if (in.KDHCON != 0.0f) {
        in.FRACA = 1.0f - (in.DHCON * 2.0f) / in.H;
    }

    // 3. Bedding of the specimen ends.
    s.BEDSNP = s.BEDSTR * 100.0f;
    s.ASTNIN = (1.0f - in.FRACA) * 50.0f;
    s.PERBED = (s.BEDSNP * 100.0f) / s.ASTNIN;
    s.BEDDING = in.H * s.BEDSTR;
    s.BEDGMM = s.BEDDING * 10.0f;

    // 4. Areas, volume and membrane scales.
    s.AREAINL = (in.D * in.D * run.PI) / 4.0f;
    s.AREASOS = s.AREAINL * in.FRACA;
    s.VOLINL = in.H * s.AREAINL;
    s.MEMC1 = (in.PM * in.EXTM) / (s.AREAINL * 1.5f);
    s.MEMC3 = in.EXTM / (in.D * 0.75f);

    // 5. Test counter.
    run.NTEST += 1;
    run.NTESTS = run.NTEST;

    // 6. Failure plane; ALPHA is held in radians until step 19.
    in.ALPHA = run.PI * in.ALPHA / 180.0f;
    s.COSALF = std::cos(static_cast<double>(in.ALPHA));
    s.SINALF = std::sin(static_cast<double>(in.ALPHA));
    s.TANALF = s.SINALF / s.COSALF;

    // 7. Membrane correction along the shear plane, split into its SIG1 and
    // SIG3 parts.
    Real d = in.ALPHA - s.PHIPL;
    if (d - kMinPlaneAngle < 0.0) d = kMinPlaneAngle;
    Real cd = 1.0f / std::tan(static_cast<double>(d));
    Real ca = 1.0f / s.TANALF;
    Real ca2 = ca * ca;
    s.CLR3 = ca2 * 0.614f;
    s.CLR1 = ((cd * ca + 1.0f) - ca2) * 0.614f;

    // 8. Soil mass and volume of the density sample: the specimen itself, or
    // a wax-coated sample weighed in air and in water.
    Real soil_mass, soil_volume;
    if (in.MCOAT > 7800.0f) {
        soil_mass = in.WSPINL;
        soil_volume = s.AREAINL * in.H;
    } else {
        soil_mass = in.MADDS + in.MASS;
        Real coating_mass = in.MCOAT - soil_mass;
        Real coating_volume = coating_mass / 0.903f;
        Real coated_volume = (in.MCOAT - in.MCOATW) + in.MCOATC;
        soil_volume = coated_volume - coating_volume;
    }

    // 9. Bulk density.
    if (extended) {
        s.DENSBK = soil_mass / soil_volume;
    } else {
        s.DENSBK = in.MASS / s.VOLINL;
    }

    // 10. Saturation and porosity at set-up.
    s.SATINL = (s.DENSBK * in.WCINL * in.GS) / (((in.WCINL + 1.0f) * in.GS) - s.DENSBK);
    Real wgs = in.WCINL * in.GS;
    s.VORINL = wgs / (wgs + s.SATINL);

    // 11. Final water contents.
    if (extended) {
        const CanTares& tare = in.KCANS < 2.0f ? kFirstCanSet : kSecondCanSet;
        s.TOP = can_water_content(in.CTOPW, in.CTOPD, tare.top);
        s.MID = can_water_content(in.CMIDW, in.CMIDD, tare.mid);
        s.BOT = can_water_content(in.CBOTW, in.CBOTD, tare.bot);
        s.LE = can_water_content(in.CLEW, in.CLED, tare.le);
        in.WCFIN = ((s.MID + s.TOP) + s.BOT) / 3.0f;
    } else {
        s.TOP = in.WCFIN;
        s.MID = in.WCFIN;
        s.BOT = in.WCFIN;
        s.LE = in.WCFIN;
    }

    // 12. Mass and water-content changes.
    s.DWSPEC = in.WSPFIN - in.WSPINL;
    s.DWC = ((in.WCFIN - in.WCINL) * 100.0f) / in.WCINL;
    if (switch_on(in.KDWCST)) {
        s.DWCSTS = ((in.WCINL - in.WCSTD) * 100.0f) / in.WCSTD;
    } else {
        s.DWCSTS = 0.0f;
    }
    if (switch_on(in.KCU)) {
        s.DWCPCU = s.DWC;
        s.DWCUUT = 0.0f;
    } else {
        s.DWCUUT = s.DWC;
        s.DWCPCU = 0.0f;
    }
    if (switch_on(in.KPER)) {
        Real dry_mass = in.WSPINL / (in.WCINL + 1.0f);
        s.PER3T4 = (in.WUP34 * 100.0f) / dry_mass;
        s.PER3T8 = ((in.WUP34 + in.WUP48) * 100.0f) / dry_mass;
    } else {
        s.PER3T4 = 0.0f;
        s.PER3T8 = 0.0f;
    }
    s.DWCLEW = ((s.LE - in.WCFIN) * 100.0f) / in.WCFIN;
    Real m = (s.BOT + s.TOP) / 2.0f;
    s.DWCMTE = ((s.MID - m) * 100.0f) / m;

    // 13. Ram uplift as a proving-ring deflection in axial-dial divisions, and
    // the dial values of the stages before shearing.
    Real r = (run.ARAM * s.S3IKGC) / (in.PR_RG_CONS * 10.0f);
    s.EXTCLI = switch_on(in.KEXTCL) ? Real(in.DIAL1 + r) : Real(0.0f);
    if (switch_on(in.KBSTN)) {
        Real b = ((in.DIAL2 - in.DIAL1) - r) * 0.00254f - (in.H * s.ASTNIN) / 100.0f;
        s.BSTNCL = b / in.H;
        s.RBGTS3 = s.BSTNCL / in.S3IPSI;
    } else {
        s.BSTNCL = 0.0f;
        s.RBGTS3 = 0.0f;
    }
    s.STGMEC = (in.DIAL3 - in.DIAL2) * 0.0254f;

    // 14. Consolidation strain and the start of shear.
    s.EPSINL = -((in.FRACA - 1.0f) * 0.5f);
    s.DV_VINL = -(s.EPSINL * 3.0f);
    s.HSOFSH = (1.0f - s.EPSINL) * in.H;
    s.SGSNME = s.STGMEC / (s.HSOFSH * 10.0f);
    s.VOLSOS = s.HSOFSH * s.AREASOS;

    // 15. Seating.
    s.SEATING = ((in.SEATF1 * in.SEATF2) * s.HSOFSH) / 405.0f;
    s.STGSTN = (s.SEATING * 100.0f) / s.HSOFSH;
    s.SEATMM = s.SEATING * 10.0f;
    if (s.SEATMM + s.STGMEC == 0.0) {
        s.PSGMTT = 0.0f;
    } else {
        s.PSGMTT = (s.STGMEC * 100.0f) / (s.SEATMM + s.STGMEC);
    }

    // 16. Void ratio and porosity at the end of consolidation.
    s.VOIDRI = s.VORINL / (1.0f - s.VORINL);
    Real de = (s.VOIDRI + 1.0f) * s.DV_VINL;
    s.VOIDRF = de + s.VOIDRI;
    s.PORFIN = s.VOIDRF / (s.VOIDRF + 1.0f);
    s.DVOIDR = (de * 100.0f) / s.VOIDRI;
    s.DPOROS = ((s.PORFIN - s.VORINL) * 100.0f) / s.VORINL;

    // 17.
    s.CAVITY = ((in.WSPINL - in.MASS) * 100.0f) / (s.VOLINL * s.DENSBK);

    // 18. A new test starts its reading reduction from nothing.
    clear_reduction_state(readings);

    // 19. ALPHA back in degrees for the report.
    in.ALPHA = in.ALPHA * 180.0f / run.PI;

    // 21. Readings to read, and 80 % of them (the product as evaluated).
    s.NREAD = truncate_to_int(in.RNREAD);
    s.NREAD80 = truncate_to_int(in.RNREAD * 0.8f);
}

}  // namespace dorvane
