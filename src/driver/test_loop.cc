#include "driver/test_loop.h"

#include "records/input_file.h"

namespace dorvane {

namespace {

// Four empty lines, then the three title lines. False at the end of the file.
bool read_title_block(Run& run, InputLayout layout, InputUnit& in, OutputUnit& report) {
    report.write("(/, /, /)");
    for (int k = 0; k < 3; ++k)
        if (!read_title_line(run, layout, in, report)) return false;
    return true;
}

void read_specimen_records(InputLayout layout, InputFields& f, InputUnit& in) {
    switch (layout) {
        case InputLayout::Short: read_short_records(f, in); break;
        case InputLayout::Standard: read_standard_records(f, in); break;
        case InputLayout::Extended: read_extended_records(f, in); break;
    }
}

}  // namespace

void run_tests(Run& run, InputUnit& in, OutputUnit& report) {
    InputLayout layout = read_general_data(run, in, report);
    while (read_title_block(run, layout, in, report)) {
        read_specimen_records(layout, run.in, in);

        // End-of-test dispatch, its conditions in this order.
        if (run.EXTFLG > 8) layout = InputLayout::Extended;
        else if (run.in.NEWGEN > 0) layout = read_general_data(run, in, report);
        else if (run.in.MODE >= 7) layout = InputLayout::Standard;
        else layout = InputLayout::Short;
    }
}

}  // namespace dorvane
