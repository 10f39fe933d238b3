#include "readings/seating_correction.h"

namespace dorvane {

void correct_seating(const Run& run, const Specimen& sp, Readings& r) {
    const int nread80 = readings_held(sp.NREAD80);
    if (nread80 < 2) return;  // no gradient to find: dial left as read

    for (int i = 2; i <= nread80; ++i) {
        Real ds = r.S_DIAL[i] - r.S_DIAL[i - 1];
        Real dp = r.PR_DIA[i] - r.PR_DIA[i - 1];
        r.GRDPRS[i] = ds == 0.0 ? Real(0.0f) : Real(dp / ds);
    }

    // Steepest gradient: the first reading that reaches the largest value.
    for (int i = 2; i <= nread80; ++i) {
        switch (r.KGSCAN) {
        case 0:
            // Reading 2 is the only candidate until a later one is compared.
            r.IGMAX = 2;
            r.IGPREV = 1;
            r.KGSCAN = 1;
            break;
        case 1:
            if (r.GRDPRS[i] > r.GRDPRS[i - 1]) {
                r.IGMAX = i;
                r.IGPREV = i - 1;
            } else {
                r.IGMAX = i - 1;
                r.IGPREV = i - 2;
                r.KGSCAN = 2;
            }
            break;
        default:
            if (r.GRDPRS[i] > r.GRDPRS[r.IGMAX]) {
                r.IGMAX = i;
                r.IGPREV = i - 1;
            }
            break;
        }
    }

    // Ring reading of the net upward force of the cell pressure on the ram.
    const Real u = ((sp.S3IKGC * run.ARAM) - run.in.RAMWGT) / run.in.PR_RG_CONS;
    const bool remove_uplift = run.in.PSETPR == 0.0f;
    Real p0 = r.PR_DIA[r.IGPREV];
    if (remove_uplift) p0 = r.PR_DIA[r.IGPREV] - u;
    r.SEATCOR = r.S_DIAL[r.IGPREV] - p0 / r.GRDPRS[r.IGMAX];

    for (int i = 1; i <= readings_held(sp.NREAD); ++i) {
        if (i < r.IGPREV) {
            // Before the steep part: the point of the loading line at this ring load.
            Real x = r.PR_DIA[i];
            if (remove_uplift) {
                x = r.PR_DIA[i] - u;
                if (x < 0.0) x = 0.0f;
            }
            r.S_DIAL[i] = x / r.GRDPRS[r.IGMAX];
        } else {
            r.S_DIAL[i] = r.S_DIAL[i] - r.SEATCOR;
        }
    }
}

}  // namespace dorvane
