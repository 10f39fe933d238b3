#include "driver/test_loop.h"

#include "envelope/envelope.h"
#include "readings/readings.h"
#include "readings/readings_intake.h"
#include "readings/reduce_reading.h"
#include "records/input_file.h"
#include "report/test_report.h"
#include "specimen/apparatus.h"
#include "specimen/specimen.h"
#include "specimen/specimen_blocks.h"
#include "specimen/specimen_state.h"

namespace dorvane {

namespace {

// Four empty lines, then the three title lines. False at the end of the file.
bool read_title_block(Run& run, InputLayout layout, InputUnit& in, OutputUnit& report) {
    report.write("(/, /, /)");
    for (int k = 0; k < 3; ++k) {
        if (!read_title_line(run, layout, in, report)) return false;
        run.TITLES[k] = run.TITLE;
    }
    return true;
}

void read_specimen_records(InputLayout layout, InputFields& f, InputUnit& in) {
    switch (layout) {
        case InputLayout::Short: read_short_records(f, in); break;
        case InputLayout::Standard: read_standard_records(f, in); break;
        case InputLayout::Extended: read_extended_records(f, in); break;
    }
}

// The per-test values live for the whole run, like the run's own: each test
// overwrites what it sets, and nothing is freed between tests.
struct TestState {
    Specimen specimen;
    Readings readings;
    Envelope envelope;
};

// One test after its records are read: every step in its fixed order.
void run_test(Run& run, TestState& t, InputUnit& in, OutputUnit& report) {
    Specimen& specimen = t.specimen;
    Readings& readings = t.readings;
    settle_apparatus(run, specimen);
    prepare_specimen(run, specimen, readings);
    write_specimen_blocks(run, specimen, report);
    read_readings(run, specimen, readings, in);
    reduce_readings(run, specimen, readings);
    write_test_report(run, specimen, readings, report);
    store_test_result(run, readings, t.envelope, in.path());
}

}  // namespace

void run_tests(Run& run, InputUnit& in, OutputUnit& report, const RunHooks& hooks) {
    TestState t;
    InputLayout layout = read_general_data(run, in, report);
    while (read_title_block(run, layout, in, report)) {
        read_specimen_records(layout, run.in, in);
        run_test(run, t, in, report);
        if (hooks.after_test) hooks.after_test(run, t.specimen, t.readings);

        // End-of-test dispatch, its conditions in this order.
        if (run.EXTFLG > 8) layout = InputLayout::Extended;
        else if (run.in.NEWGEN > 0) layout = read_general_data(run, in, report);
        else if (run.in.MODE >= 7) layout = InputLayout::Standard;
        else layout = InputLayout::Short;
    }
    end_of_run(run, t.envelope, report);
    if (hooks.at_end) hooks.at_end(run, t.envelope);
}

}  // namespace dorvane
