#include "report/test_report.h"

#include "report/reading_tables.h"
#include "report/result_lines.h"
#include "report/stress_path_table.h"
#include "report/test_tables.h"

namespace dorvane {

void write_test_report(const Run& run, const Specimen& sp, const Readings& rd, OutputUnit& rep) {
    // A code compared for exact equality: a NaN option matches none of
    // 7, 8, 9 and takes the full report.
    const double option = run.in.REPOPT;
    if (option == 7.0f || option == 9.0f) {
        write_stress_path_table(run, sp, rd, rep);
        write_stress_path_result_lines(run, sp, rd, rep);
    } else if (option == 8.0f) {
        // No per-test report.
    } else {
        write_reading_tables(run, sp, rd, rep);
        write_full_result_lines(run, sp, rd, rep);
        write_test_tables(run, sp, rd, rep);
    }
}

}  // namespace dorvane
