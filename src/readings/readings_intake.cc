#include "readings/readings_intake.h"

#include <string>

#include "readings/clock_fields.h"
#include "readings/seating_correction.h"
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

void read_readings(Run& run, Specimen& sp, Readings& r, InputUnit& in) {
    const int nread = sp.NREAD;
    if (nread > kMaxReadings) {
        throw RunError{99, in.unit(), in.path(),
                       "more than 80 readings in one test (" + std::to_string(nread) + ")"};
    }
    clear_readings_block(r);
    for (int i = 1; i <= nread; ++i) read_one_reading(run, r, i, in);
    carry_clock_fields(nread, r);
    if (run.in.SEATOP == 1.0f || run.in.SEATOP == 2.0f) correct_seating(run, sp, r);
}

}  // namespace dorvane
