// The specimen of the current test: the apparatus constants and correction
// coefficients settled for the test, and the specimen state before shearing.
// Values replaced in place (D, FRACA, ALPHA, WCFIN, EXTM, PR_RG_CONS, ARAM,
// the ram weight, S3IPSI as entered) live in Run / InputFields instead.
#pragma once

#include "records/real.h"

namespace dorvane {

struct Specimen {
    // Apparatus constants and coefficients of the test.
    Real S3IKGC;      // cell pressure of the test, kgf/cm2
    Real BEDSTR;      // bedding strain of the specimen ends, ratio
    Real PHIPL;       // the test's angle PHIPL in radians (the datum stays in degrees)

    // Cell-fluid volume calibrations (extended layout only).
    Real CS3A1, CS3A2, CS3A3;                 // cell volume at cell pressure s3
    Real CDT1, CDT2;                          // time-dependent cell volume change
    Real CRP0, CRP1, CRP2, CRP3, CRP4, CRP5;  // delayed response to a pressure step

    // Filter-paper mobilisation polynomial (every layout).
    Real FPK0, FPK1, FPK2, FPK3, FPK4;

    // Bedding values.
    Real BEDSNP;      // bedding strain, %
    Real ASTNIN;      // axial strain of consolidation, %
    Real PERBED;      // bedding as a percentage of ASTNIN
    Real BEDDING;     // bedding displacement, cm
    Real BEDGMM;      // bedding displacement, mm

    // Areas, volumes and membrane scales.
    Real AREAINL;     // cross-section at set-up, cm2
    Real AREASOS;     // cross-section at the start of shear, cm2
    Real VOLINL;      // volume at set-up, cm3
    Real MEMC1, MEMC3;  // membrane shell corrections to SIG1 and SIG3, kgf/cm2

    // Failure plane.
    Real COSALF, SINALF, TANALF;
    Real CLR1, CLR3;  // membrane correction along a shear plane, SIG1 and SIG3 parts

    // Density, saturation, porosity at set-up.
    Real DENSBK;      // bulk density, g/cm3
    Real SATINL;      // degree of saturation, ratio
    Real VORINL;      // porosity, ratio

    // Final water contents of the four samples.
    Real TOP, MID, BOT, LE;

    // Mass and water-content changes.
    Real DWSPEC;      // change of specimen mass, g
    Real DWC;         // change of water content, %
    Real DWCSTS;      // deviation of WCINL from WCSTD, %
    Real DWCUUT, DWCPCU;  // DWC filed by KCU, %
    Real PER3T4, PER3T8;  // water taken up, % of the dry mass
    Real DWCLEW;      // deviation of LE from WCFIN, %
    Real DWCMTE;      // deviation of MID from the mean of TOP and BOT, %

    // Dial values of the stages before shearing.
    Real EXTCLI;      // DIAL1 plus the ring deflection of the ram uplift, 0.001 in
    Real BSTNCL;      // bedding strain on applying the cell pressure, ratio
    Real RBGTS3;      // BSTNCL per unit of S3IPSI
    Real STGMEC;      // seating displacement from the dials, mm

    // Consolidation and the start of shear.
    Real EPSINL;      // axial strain of consolidation, ratio
    Real DV_VINL;     // volumetric strain of consolidation, ratio
    Real HSOFSH;      // height at the start of shear, cm
    Real SGSNME;      // STGMEC as a strain of HSOFSH
    Real VOLSOS;      // volume at the start of shear, cm3

    // Seating.
    Real SEATING;     // seating displacement, cm
    Real STGSTN;      // SEATING as a strain of HSOFSH, %
    Real SEATMM;      // SEATING, mm
    Real PSGMTT;      // STGMEC as a percentage of SEATMM + STGMEC

    // Void ratio and porosity at the end of consolidation.
    Real VOIDRI, VOIDRF;
    Real DVOIDR;      // change of void ratio, %
    Real PORFIN;
    Real DPOROS;      // change of porosity, %
    Real CAVITY;      // %

    // Number of readings and 80 % of it.
    int NREAD = 0;
    int NREAD80 = 0;
};

}  // namespace dorvane
