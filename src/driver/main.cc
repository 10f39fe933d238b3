// dorvane: evaluation of triaxial compression tests. Asks for the input data
// file and the report file, then runs without further dialogue.
#include <cstdio>
#include <memory>

#include "driver/dialogue.h"
#include "driver/test_loop.h"
#include "records/files.h"
#include "records/run_error.h"

using namespace dorvane;

int main() {
    OutputUnit console(0, "", stdout);
    std::unique_ptr<OutputUnit> report;
    std::FILE* report_file = nullptr;
    try {
        Run run;
        write_banner(console);
        run.input_name = ask_file_name(console, stdin, "(' PLEASE ENTER INPUT FILE NAME (e.g. : --------.DAT):  ')", 5);
        run.report_name = ask_file_name(console, stdin, "(' PLEASE ENTER OUTPUT FILE NAME (e.g : --------.OUT):  ')", 6);
        console.flush();

        const std::string input_name = trimmed_name(run.input_name);
        InputUnit in(5, absolute_name(input_name), read_input_file(input_name));
        const std::string report_name = trimmed_name(run.report_name);
        report_file = create_report_file(report_name);
        report = std::make_unique<OutputUnit>(6, absolute_name(report_name), report_file);

        report->write("(' *** ', A, ' :  ', A, ' RUN ON DORVANE OF 6 July 2006 ***', /, 5X, 58('-'), /)",
                      {run.report_name, run.input_name});
        run_tests(run, in, *report);
        report->flush();
        std::fclose(report_file);
        return 0;
    } catch (const RunError& e) {
        console.flush();
        if (report) report->flush();
        if (report_file) std::fclose(report_file);
        std::fprintf(stderr, "%s\n", e.line().c_str());
        return 1;
    }
}
