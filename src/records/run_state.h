// Run-level values and every field of the input data file. A field keeps
// its value until a record carries it again; a field no record carried is 0.
#pragma once

#include <array>
#include <string>

#include "records/real.h"

namespace dorvane {

// Fields of the input data file, under the laboratory's names. Fields that
// carry no name of their own in the file's description get a short
// mnemonic in the same manner (noted beside each).
struct InputFields {
    // General data record 1.
    Real MODE;        // mode code: layout of the test records
    Real PPFLAG;      // pore-pressure flag (1: pore pressures as read)
    Real PR_RG_CONS;  // proving-ring constant, kgf per division
    Real RAMDIA;      // ram diameter, cm
    Real RAMWGT;      // ram weight, kgf
    Real PHIPL;       // degrees; the test's angle in radians is elsewhere
    Real PARREG;      // positive: store results for the envelopes
    Real REPOPT;      // report option (7, 8, 9 or any other value)
    Real KGEN2;       // second-record switch

    // General data record 2 (some also carried by standard-layout records).
    Real PSETPR;      // proving-ring zero switch
    Real CPCONS;      // cell pressure gauge constant, kgf/cm2
    Real CPSLOP;      // cell pressure gauge slope
    Real PWCONS;      // pore water pressure gauge constant, kgf/cm2
    Real PWSLOP;      // pore water pressure gauge slope
    Real TOPCAP;      // top cap weight, kgf
    Real THIRDW;      // third weight, kgf
    Real DIALSC;      // dial scale, cm per division (0: 0.00254)
    Real SLFPR;       // leak factor, cm3/min per kgf/cm2

    // Standard layout READ A (and the extended layout's READ A).
    Real MCOAT, WCINL, WCFIN, WSPINL, WSPFIN, D, DREF, DIALR0, DIALR1;
    Real DIALR2, H, GS, ZEROM, FRACA, KDHCON, DHCON, ALPHA, TFLPR;
    Real S3IPSI, ZEROLF, EXTM, PM, PCFPSD, MASS;
    Real MADDS, MCOATW, MCOATC, DMANR;

    // Extended layout moisture cans.
    Real CTOPW, CMIDW, CBOTW, CLEW, CTOPD, CMIDD, CBOTD, CLED, KCANS;

    // READ B.
    Real ACTKFP;
    Real SPARE1, SPARE2;  // read and not used
    Real SEATF2, SEATF1;

    // READ C.
    Real TESTNO, FAILMD, DIAL1, KEXTCL, DIAL2, KBSTN, DIAL3, WUP34, WUP48;
    Real KPER, STNRAT, KCU, PPMAX, WCSTD, KDWCST, RNREAD;
    Real VOLOPT;      // volume option

    // Short layout only.
    Real PRROVR;      // proving-ring override
    Real DHSHRT;      // short-layout height change, cm
    Real NEWGEN;      // new-general-data field
    Real SEATOP;      // seating option
    Real COEF01, COEF1M, COEF2M;  // coefficient record
};

// The run: constants, layout state, counters, and the input fields.
struct Run {
    InputFields in;

    Real PI = 3.141593f;     // the stored value of that literal, not a computed pi
    Real KPAFAC = 98.07f;    // kPa per kgf/cm2

    Real EXTFLG;             // extended flag: 0, or the mode code read above 8
    Real ARAM;               // ram area, cm2
    Real RAMWT;              // ram + top cap + third weight, kgf
    int REGOPT = 0;          // regression option: PARREG truncated toward zero

    int NTEST = 0;           // test counter
    int NTESTS = 0;          // test count handed to the envelope step

    std::string TITLE = std::string(80, ' ');  // the title line last read
    std::array<std::string, 3> TITLES;         // the current test's three title lines

    std::string input_name = std::string(12, ' ');   // as typed, 12 characters
    std::string report_name = std::string(12, ' ');  // as typed, 12 characters
};

}  // namespace dorvane
