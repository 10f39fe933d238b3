// The export files of one run, written through the run hooks from the same
// state the report is written from: readings.csv, tests.csv and
// envelope.csv, and the JSON document. Each file is new (never
// overwritten), opened on its own unit, and filled test by test.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "driver/test_loop.h"
#include "records/run_error.h"
#include "records/run_state.h"

namespace dorvane {

// Units of the export files in run-time error lines.
constexpr int kReadingsCsvUnit = 7;
constexpr int kTestsCsvUnit = 8;
constexpr int kEnvelopeCsvUnit = 9;
constexpr int kJsonUnit = 10;

// Which export files to write; an empty name is a file not written.
struct ExportNames {
    std::string readings_csv;
    std::string tests_csv;
    std::string envelope_csv;
    std::string json;
};

// One open export file and the unit and path its error lines name.
struct ExportFile {
    std::FILE* f = nullptr;
    int unit = 0;
    std::string path;
};

struct ExportFiles {
    ExportFile readings, tests, envelope, json;
    bool first_test = true;
    std::string buffer;  // text of the current test, handed to a file at once
};

// Creates every named file and writes its heading (CSV header records, the
// opening of the JSON document). On a RunError the files created so far are
// removed again and the error passes on.
void open_exports(ExportFiles& ex, const ExportNames& names, const Run& run,
                  const std::string& input_path, const std::string& report_path);

// Hooks that write each test after its report lines and the envelope at the
// end of the run. A failed write throws RunError 38 on the file's unit.
RunHooks export_hooks(ExportFiles& ex);

// Ends the JSON document (with the error when the run ended in one) and
// closes every file. The files keep what was written before an error.
// Returns error 38 when a file could not be written out in full at its
// close (none is returned for a run that had already failed).
std::optional<RunError> close_exports(ExportFiles& ex, const std::optional<RunError>& error);

}  // namespace dorvane
