// The readings of one test and everything reduced from them: the reading
// arrays as read, the per-reading results (named by the labels the report
// prints), the running values carried from reading to reading, the failure
// state and the single results of the test, and the seating correction.
#pragma once

#include <array>

#include "records/real.h"

namespace dorvane {

struct Readings {
    // Reading fields, element I for reading I of the current test. A field
    // that the test's layout does not carry is 0 in every reading.
    ReadingArray APP_SIG3;  // applied cell pressure as read (short layout: S3IPSI)
    ReadingArray DAY, HOUR, MINUTE;  // clock fields (elapsed days, hours, minutes)
    ReadingArray VOL1, VOL2;  // volume gauges, cm3
    ReadingArray VOLSEL;      // 2 or more: gauge 2
    ReadingArray PP;          // P.P.: pore pressure as read, kgf/cm2 after reduction
    ReadingArray PARA2;       // pore-pressure device code
    ReadingArray S_DIAL;      // strain dial as read; corrected deformation in cm after reduction
    ReadingArray PR_DIA;      // proving-ring dial
    ReadingArray PARA3;       // shear-plane indicator
    ReadingArray PPSEL, PPAUX;  // mode code 1: coefficient formula switch, second reading
    ReadingArray RAMTRV;      // ram travel: S.DIAL as read (short layout), cm after reduction
    ReadingArray GRDPRS;      // ring dial per strain dial between successive readings

    // Seating correction (when it ran; 0 otherwise). The maximum gradient
    // is GRDPRS[IGMAX] (element 0 is 0).
    int IGMAX = 0;            // reading of the steepest gradient
    int IGPREV = 0;           // IGMAX - 1
    Real SEATCOR;             // seating correction, dial divisions

    // Per-reading results.
    ReadingArray TMIN, DTMIN, DURATION, VOLCH;  // minutes, minutes, minutes, cm3
    ReadingArray SIG3UC;      // cell pressure of the reading, kgf/cm2
    ReadingArray EPSAX, EPSVOL;  // strains since the start of shear, ratio
    ReadingArray COR_AR;      // corrected area, cm2
    ReadingArray CMSIG1, CMSIG3;  // membrane corrections, kgf/cm2
    ReadingArray CMS1DS, CMS3DS;  // ... from the membrane on the whole specimen
    ReadingArray CMS1LR, CMS3LR;  // ... from the membrane on the shear plane
    ReadingArray CMDEDS, CMDELR;  // membrane correction of the deviator; on the plane
    ReadingArray ERMCBH;      // deviation of BHMEM from the membrane correction, %
    ReadingArray CFSIG1, CFS1DS, CFS1LR;  // side-drain correction and its parts
    ReadingArray SIG1UC, SIG1C, SIG3C;  // principal stresses, kgf/cm2
    ReadingArray HALF_DEVS;   // .5(DEVS)
    ReadingArray TOT_ST, EFF_NS;  // total and effective (S1+S3)/2
    ReadingArray PERCMB, PERCSD;  // corrections in % of the deviator stress
    ReadingArray ERRAC;       // error of the simple area formula on the plane, %
    ReadingArray DELTAS;      // relative displacement along the plane, %
    ReadingArray ERSIG1;      // change of SIG1C against reading 1, %
    ReadingArray CUMFPR;      // 0.965 x VLEAK
    ReadingArray SIG1EF, SIG3EF, S1_S3;  // effective stresses and their ratio
    ReadingArray AXSTRN, VOLSTRN;  // strains in %
    ReadingArray PPKPA, SKPA, SEFKPA, TKPA;  // stress path values, kPa
    ReadingArray DILRAT;      // dilatancy rate
    std::array<bool, kMaxReadings + 1> ON_PLANE{};  // reading reduced on the shear plane

    // Running values of the test (cleared per test by clear_reduction_state).
    int KPLANE = 0;           // readings reduced on a shear plane so far
    int KFSRCH = 0;           // state of the failure search (0, 1, 2)
    int KGSCAN = 0;           // state of the steepest-gradient scan (0, 1, 2)
    Real NRDVT, NRDVP;        // extended layout: readings counted for vt and vp
    Real DIALCR;              // dial correction for changes of cell pressure, divisions
    Real VLEAK;               // cumulative leakage, cm3
    Real THOURS;              // elapsed time, hours
    int JREF = 0;             // last reading reduced without a plane (reference of the plane)
    Real BHMEM;               // comparison membrane correction of the last reading without a plane

    // Failure state and single results of the test.
    int IFAIL = 0;            // failure reading (0: no reading)
    Real TCFAIL;              // time to failure, hours
    int IEND = 0;             // ultimate reading (report option 9)
    int KF = 0;               // readings from IFAIL to the last, both included
    Real DEGCON;              // degree of consolidation, %
    Real PPSOSH;              // pore pressure at the start of shear, kgf/cm2
    Real BEDPER, STGPER;      // bedding and seating strain in % of AXSTRN(IFAIL)
    Real DVDH, DVDU;          // dilatancy rates at failure and at the end
    Real PSAT;                // pressure for saturation, kgf/cm2
    Real PPRAT;               // pore-pressure ratio PPMAX / PSAT
};

// The readings of the test that the arrays hold: NREAD, never more than 80
// (a larger count is refused before the block is read).
inline int readings_held(int nread) { return nread < kMaxReadings ? nread : kMaxReadings; }

// Clears the per-test state of the reading reduction: KPLANE, the failure
// search and gradient scan states, the two extended-layout reading
// counters, DIALCR, VLEAK and THOURS. Called while the specimen state is
// prepared.
void clear_reduction_state(Readings& r);

}  // namespace dorvane
