// dorvane: evaluation of triaxial compression tests. Without arguments it
// asks for the input data file and the report file, then runs without
// further dialogue; with arguments the command line names the files.
#include <cstdio>

#include "driver/cli.h"
#include "driver/dialogue.h"
#include "driver/run_program.h"
#include "records/output_unit.h"
#include "records/run_error.h"

using namespace dorvane;

int main(int argc, char** argv) {
    if (argc > 1) return run_command_line(argc, argv);

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
