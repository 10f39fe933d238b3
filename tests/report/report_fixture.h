// A hand-set test for the report writers: a specimen, three readings with
// the failure at reading 2 (on a shear plane), and a capture of the report.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "readings/readings.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane::report_test {

struct ReportCase {
    Run run;
    Specimen sp;
    Readings rd;
};

// Readings 1 and 3 hold values unlike those of the failure reading 2, so
// that a column taken at the wrong reading shows.
inline std::unique_ptr<ReportCase> make_case() {
    auto c = std::make_unique<ReportCase>();
    InputFields& in = c->run.in;
    Specimen& sp = c->sp;
    Readings& rd = c->rd;

    in.REPOPT = 0.0f;
    in.WCINL = 0.25f;
    in.D = 3.81f;
    in.H = 7.62f;
    in.TESTNO = 3.0f;
    in.S3IPSI = 50.0f;
    in.STNRAT = 1.27f;  // already in mm/min after the test results
    in.FRACA = 0.975f;
    in.WCFIN = 0.3f;
    in.SLFPR = 0.0012f;
    in.EXTM = 0.35f;
    in.ACTKFP = 0.18f;
    in.FAILMD = 2.0f;
    in.ALPHA = 60.0f;  // back in degrees
    in.SEATOP = 0.0f;

    sp.DWCSTS = -2.5f;
    sp.DENSBK = 2.05f;
    sp.SATINL = 0.95f;
    sp.CAVITY = -100.0f;
    sp.PER3T4 = 1.5f;
    sp.PER3T8 = 2.5f;
    sp.ASTNIN = 1.25f;
    sp.BEDGMM = 0.13f;
    sp.PERBED = 12.0f;
    sp.STGMEC = 0.254f;
    sp.SGSNME = 0.0032f;
    sp.SEATMM = 0.25f;
    sp.STGSTN = 0.32f;
    sp.PSGMTT = 50.0f;
    sp.DWCUUT = 20.0f;
    sp.DWCPCU = 0.0f;
    sp.DWCLEW = -1.5f;
    sp.DWCMTE = 2.25f;
    sp.S3IKGC = 3.515f;
    sp.EXTCLI = 10.5f;
    sp.BSTNCL = 0.0015f;
    sp.RBGTS3 = 0.00003f;
    sp.BEDSNP = 0.15f;
    sp.BEDDING = 0.0127f;  // 5 thousandths of an inch
    sp.SEATING = 0.0254f;  // 10 thousandths of an inch
    sp.DWSPEC = -0.35f;
    sp.NREAD = 3;

    rd.IFAIL = 2;
    rd.KF = 2;
    rd.TCFAIL = 2.5f;
    rd.DEGCON = 75.0f;
    rd.PPSOSH = 0.5f;
    rd.BEDPER = 12.5f;
    rd.STGPER = 25.6f;
    rd.DVDH = -0.25f;
    rd.DVDU = 0.125f;
    rd.PPRAT = 0.5f;

    // Failure reading 2, reduced on the shear plane; CMS3LR as the test
    // results left it (sign already reversed).
    const float at2[] = {3.25f, 4.5f, -1.25f, 35.5f, 0.021f, 0.012f, 0.008f, 0.004f, 0.045f,
                         0.03f, 2.5f, 4.5f, -12.5f, 0.75f, 1.625f, 0.875f};
    ReadingArray* arrays[] = {&rd.DELTAS, &rd.AXSTRN, &rd.VOLSTRN, &rd.ERSIG1, &rd.CMS1DS,
                              &rd.CMS1LR, &rd.CMS3DS, &rd.CMS3LR, &rd.CFS1DS, &rd.CFS1LR,
                              &rd.PERCMB, &rd.PERCSD, &rd.ERMCBH, &rd.PP, &rd.EFF_NS,
                              &rd.HALF_DEVS};
    for (size_t k = 0; k < std::size(arrays); ++k) {
        (*arrays[k])[1] = 9.0f;
        (*arrays[k])[2] = at2[k];
        (*arrays[k])[3] = 8.0f;
    }
    rd.DELTAS[1] = 0.0f;  // reading 1 took no plane into account
    rd.DELTAS[3] = 1.5f;  // the last reading: "DELTA AT END"
    return c;
}

// The report written by f(rep), records ended by CR LF.
template <class Write>
std::string capture(Write write) {
    std::string out;
    {
        OutputUnit rep(&out);
        write(rep);
        rep.flush();
    }
    return out;
}

// Records joined as the report holds them.
inline std::string records(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

inline std::string blanks(int n) { return std::string(n, ' '); }

}  // namespace dorvane::report_test
