// dorvane: evaluation of triaxial compression tests. Asks for the input data
// file and the report file, then runs without further dialogue.
#include <cstdio>

#include "driver/dialogue.h"
#include "driver/run_program.h"
#include "records/output_unit.h"
#include "records/run_error.h"

using namespace dorvane;

int main() {
    Run run;
    {
        OutputUnit console(0, "", stdout);
        try {
            write_banner(console);
            run.input_name = ask_file_name(console, stdin, "(' PLEASE ENTER INPUT FILE NAME (e.g. : --------.DAT):  ')", 5);
            run.report_name = ask_file_name(console, stdin, "(' PLEASE ENTER OUTPUT FILE NAME (e.g : --------.OUT):  ')", 6);
        } catch (const RunError& e) {
            console.flush();
            std::fprintf(stderr, "%s\n", e.line().c_str());
            return 1;
        }
    }
    return run_with_files(run, trimmed_name(run.input_name), trimmed_name(run.report_name));
}
