#include "readings/readings_intake.h"

#include <string>

#include "records/run_error.h"
#include "specimen/layout_kind.h"

namespace dorvane {

namespace {

// Every test starts from the fields its own layout supplies and zeros
// elsewhere; the running values (already cleared with the specimen state)
// are kept.
void clear_readings_block(Readings& r) {
    Readings fresh;
    fresh.KPLANE = r.KPLANE;
    fresh.KFSRCH = r.KFSRCH;
    fresh.KGSCAN = r.KGSCAN;
    fresh.NRDVT = r.NRDVT;
    fresh.NRDVP = r.NRDVP;
    fresh.DIALCR = r.DIALCR;
    fresh.VLEAK = r.VLEAK;
    fresh.THOURS = r.THOURS;
    fresh.JREF = r.JREF;
    fresh.BHMEM = r.BHMEM;
    r = fresh;
}

void read_one_reading(const Run& run, Readings& r, int i, InputUnit& in) {
    if (short_layout(run)) {
        if (run.in.MODE == 2.0f) {
            Real* items[] = {&r.S_DIAL[i], &r.PR_DIA[i]};
            in.read_list(items);
        } else {
            in.read("(6F4.0, 6F8.0)",
                    {r.DAY[i], r.HOUR[i], r.MINUTE[i], r.VOL1[i], r.VOL2[i], r.VOLSEL[i],
                     r.PP[i], r.S_DIAL[i], r.PR_DIA[i], r.PARA3[i], r.PPSEL[i], r.PPAUX[i]});
        }
        // The short layout carries no cell pressure; the ram travels with the dial.
        r.APP_SIG3[i] = run.in.S3IPSI;
        r.RAMTRV[i] = r.S_DIAL[i];
    } else if (extended_layout(run)) {
        in.read("(8F5.0, 4F10.0)",
                {r.APP_SIG3[i], r.DAY[i], r.HOUR[i], r.MINUTE[i], r.VOL1[i], r.VOL2[i],
                 r.VOLSEL[i], r.PP[i], r.PARA2[i], r.S_DIAL[i], r.PR_DIA[i], r.PARA3[i]});
    } else {
        in.read("(8F4.0, 4F8.0)",
                {r.APP_SIG3[i], r.DAY[i], r.HOUR[i], r.MINUTE[i], r.VOL1[i], r.VOL2[i],
                 r.VOLSEL[i], r.PP[i], r.PARA2[i], r.S_DIAL[i], r.PR_DIA[i], r.PARA3[i]});
    }
}

}  // namespace

void read_readings(Run& run, Specimen& spec, Readings& r, InputUnit& in) {
    const int nread = spec.NREAD;
    if (nread > kMaxReadings) {
        throw RunError{99, in.unit(), in.path(),
                       "more than 80 readings in one test (" + std::to_string(nread) + ")"};
    }
    clear_readings_block(r);
    for (int i = 1; i <= nread; ++i) read_one_reading(run, r, i, in);
    carry_clock_fields(nread, r);
    if (run.in.SEATOP == 1.0f || run.in.SEATOP == 2.0f) correct_seating(run, spec, r);
}

void carry_clock_fields(int nread, Readings& r) {
    for (int i = 2; i <= nread; ++i) {
        if (r.DAY[i] < r.DAY[i - 1]) r.DAY[i] = r.DAY[i - 1];
        if (r.HOUR[i] < r.HOUR[i - 1]) r.HOUR[i] = r.HOUR[i - 1];
    }
}

void correct_seating(const Run& run, const Specimen& spec, Readings& r) {
    const int nread80 = spec.NREAD80;
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
    const Real u = ((spec.S3IKGC * run.ARAM) - run.in.RAMWGT) / run.in.PR_RG_CONS;
    const bool remove_uplift = run.in.PSETPR == 0.0f;
    Real p0 = r.PR_DIA[r.IGPREV];
    if (remove_uplift) p0 = r.PR_DIA[r.IGPREV] - u;
    r.SEATCOR = r.S_DIAL[r.IGPREV] - p0 / r.GRDPRS[r.IGMAX];

    for (int i = 1; i <= spec.NREAD; ++i) {
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
