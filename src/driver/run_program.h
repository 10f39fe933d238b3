// A whole run once the two names are known: open the files, write the
// header, read the input through, end the run.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/output_unit.h"
#include "records/run_error.h"
#include "records/run_state.h"
#include "driver/test_loop.h"

namespace dorvane {

// The report header: both 12-character names as typed, a rule, an empty line.
void write_report_header(const Run& run, OutputUnit& report);

// Runs on the files named input_path and report_path (relative names are
// taken against the current folder); run.input_name and run.report_name are
// the 12-character names the report header shows. Returns the exit status:
// 0, or 1 after the run-time error line was written to standard error. The
// report keeps every record written before an error.
int run_with_files(Run& run, const std::string& input_path, const std::string& report_path,
                   const RunHooks& hooks = {});

// The same run, handing back the run-time error that ended it (nothing is
// written to standard error). after_open, when given, runs once both files
// are open and before the header: it opens further output files and may
// throw RunError, in which case the report just created (still empty) is
// removed again, so that a refused run leaves nothing behind.
std::optional<RunError> run_on_files(Run& run, const std::string& input_path,
                                     const std::string& report_path, const RunHooks& hooks = {},
                                     const std::function<void()>& after_open = {});

// Runs on an input held in memory into a report held in memory, touching no
// file. Returns the exit status; *error_line receives the run-time error
// line (without line end) when the status is 1.
int run_in_memory(std::string_view input, std::string& report, std::string* error_line = nullptr);

}  // namespace dorvane
