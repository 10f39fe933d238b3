#include "driver/run_program.h"

#include <cstdio>
#include <memory>

#include "driver/dialogue.h"
#include "driver/test_loop.h"
#include "records/files.h"
#include "records/input_unit.h"
#include "records/output_unit.h"
#include "records/run_error.h"

namespace dorvane {

void write_report_header(const Run& run, OutputUnit& report) {
    report.write("(' *** ', A, ' :  ', A, ' RUN ON DORVANE OF 6 July 2006 ***', /, 5X, 58('-'), /)",
                 {run.report_name, run.input_name});
}

int run_with_files(Run& run, const std::string& input_path, const std::string& report_path,
                   const RunHooks& hooks) {
    const std::optional<RunError> error = run_on_files(run, input_path, report_path, hooks);
    if (!error) return 0;
    std::fprintf(stderr, "%s\n", error->line().c_str());
    return 1;
}

std::optional<RunError> run_on_files(Run& run, const std::string& input_path,
                                     const std::string& report_path, const RunHooks& hooks,
                                     const std::function<void()>& after_open) {
    std::FILE* input_file = nullptr;
    std::FILE* report_file = nullptr;
    std::unique_ptr<OutputUnit> report;
    std::optional<RunError> error;
    bool refused = false;
    try {
        // Unit 5 first: a missing input never creates the report.
        input_file = open_input_file(input_path);
        InputUnit in(5, absolute_name(input_path), input_file);
        report_file = create_report_file(report_path);
        report = std::make_unique<OutputUnit>(6, absolute_name(report_path), report_file);
        refused = true;
        if (after_open) after_open();
        refused = false;
        write_report_header(run, *report);
        run_tests(run, in, *report, hooks);
        // The last records, and the close that hands them to the disk, can
        // fail as any write can: never a status 0 for a report not written.
        report->flush();
        report.reset();
        std::FILE* closing = report_file;
        report_file = nullptr;
        if (std::fclose(closing) != 0) throw RunError{38, 6, absolute_name(report_path)};
    } catch (const RunError& e) {
        if (report) {
            try {
                report->flush();  // keep every record written before the error
            } catch (const RunError&) {
            }
        }
        error = e;
    }
    report.reset();
    if (report_file) std::fclose(report_file);
    if (input_file) std::fclose(input_file);
    if (error && refused) std::remove(report_path.c_str());
    return error;
}

int run_in_memory(std::string_view input, std::string& report_text, std::string* error_line) {
    Run run;
    run.input_name = "INPUT.DAT   ";
    run.report_name = "REPORT.OUT  ";
    try {
        InputUnit in(5, "/INPUT.DAT", std::string(input));
        OutputUnit report(&report_text);
        write_report_header(run, report);
        run_tests(run, in, report);
    } catch (const RunError& e) {
        if (error_line) *error_line = e.line();
        return 1;
    }
    return 0;
}

}  // namespace dorvane
