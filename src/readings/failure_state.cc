#include "readings/failure_state.h"

#include "specimen/layout_kind.h"

namespace dorvane {

void failure_search_step(Readings& r, int i) {
    switch (r.KFSRCH) {
    case 0:
        // Reading 1 stands alone until reading 2 is compared with it.
        r.IFAIL = i;
        r.TCFAIL = r.THOURS;
        r.KFSRCH = 1;
        break;
    case 1:
        if (r.HALF_DEVS[i] > r.HALF_DEVS[i - 1]) {
            r.IFAIL = i;
            r.TCFAIL = r.THOURS;
        } else {
            // Found one reading late: back off this reading's interval.
            r.IFAIL = i - 1;
            r.TCFAIL = r.THOURS - (r.DTMIN[i] / 60.0f);
            r.KFSRCH = 2;
        }
        break;
    default:
        if (r.HALF_DEVS[i] > r.HALF_DEVS[r.IFAIL]) {
            r.IFAIL = i;
            r.TCFAIL = r.THOURS;
        }
        break;
    }
}

Real dilatancy_rate(const Readings& r, int i, int nread) {
    if (i <= 1) return 0.0f;
    const Real ab = r.EPSAX[i] - r.EPSAX[i - 1];
    if (i == nread) {
        if (ab == 0.0) return 0.0f;
        return (r.EPSVOL[i] - r.EPSVOL[i - 1]) / ab;
    }
    const Real af = r.EPSAX[i + 1] - r.EPSAX[i];
    if (ab == 0.0 || af == 0.0) return 0.0f;
    return (((r.EPSVOL[i + 1] - r.EPSVOL[i]) / af) + ((r.EPSVOL[i] - r.EPSVOL[i - 1]) / ab)) /
           2.0f;
}

namespace {

// Ultimate reading: scanning back over the last three readings, the first
// whose .5(DEVS) is not above that of the reading before it. The scan
// never compares reading 1 with a reading 0.
int ultimate_reading(const Readings& r, int nread) {
    if (nread <= 2) return nread < 0 ? 0 : nread;
    for (int k = 0; k <= 2; ++k) {
        const int iend = nread - k;
        if (iend <= 1) return 1;
        if (r.HALF_DEVS[iend] - r.HALF_DEVS[iend - 1] <= 0.0) return iend;
    }
    return nread - 2;
}

}  // namespace

void derive_test_results(Run& run, const Specimen& sp, Readings& r) {
    InputFields& in = run.in;
    const int nread = readings_held(sp.NREAD);

    if (nread <= 0) {
        // No reading: no failure reading; values "at reading 0" are 0.
        r.IFAIL = 0;
        r.TCFAIL = 0.0f;
    }

    for (int i = 1; i <= nread; ++i) r.DILRAT[i] = dilatancy_rate(r, i, nread);

    if (in.REPOPT == 9.0f) r.IEND = ultimate_reading(r, nread);

    r.KF = nread >= 1 ? nread - r.IFAIL + 1 : 0;

    if (switch_on(in.KCU)) {
        r.DEGCON = ((in.PPMAX - r.PP[1]) * 100.0f) / in.PPMAX;
    } else {
        r.DEGCON = 0.0f;
    }
    r.PPSOSH = r.PP[1];
    in.STNRAT = in.STNRAT * 25.4f;
    r.BEDPER = (sp.BEDSNP * 100.0f) / r.AXSTRN[r.IFAIL];
    r.STGPER = (sp.STGSTN * 100.0f) / r.AXSTRN[r.IFAIL];

    r.DVDH = dilatancy_rate(r, r.IFAIL, nread);
    if (nread >= 2) {
        const double step = r.EPSAX[nread] - r.EPSAX[nread - 1];
        r.DVDU = step == 0.0 ? Real(0.0f) : Real((r.EPSVOL[nread] - r.EPSVOL[nread - 1]) / step);
    } else {
        r.DVDU = 0.0f;
    }

    in.PPMAX = r.PP[1] / (1.0f - (r.DEGCON / 100.0f));
    r.PSAT = ((1.0f - sp.SATINL) * 0.923f) / (sp.SATINL * 0.02f);
    r.PPRAT = in.PPMAX / r.PSAT;

    // The report shows the plane's SIG3 membrane part at failure reversed.
    if (r.IFAIL >= 1) r.CMS3LR[r.IFAIL] = -r.CMS3LR[r.IFAIL];
}

}  // namespace dorvane
