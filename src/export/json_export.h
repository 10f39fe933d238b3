// The text of the JSON document, written piece by piece as the run goes so
// that a run of any number of tests streams:
//   {"run": {<prelude>, "tests": [
//   {<test 1>},
//   {<test 2>}
//   ], <end of run>, "status": 0, "error": null}}
// Keys are the column names of the CSV exports (with their units); numbers
// are the stored single-precision values (shortest round-trip decimal),
// non-finite values are null.
#pragma once

#include <string>

#include "envelope/envelope.h"
#include "export/export_columns.h"
#include "records/run_error.h"

namespace dorvane {

// The opening of the document up to the opening of the tests array: the
// program, the file paths and the 12-character names of the report header.
std::string json_prelude(const Run& run, const std::string& input_path,
                         const std::string& report_path);

// One test object, preceded by a comma unless it is the first.
std::string json_test(const TestView& t, bool first);

// The end of the tests array and of the document after a complete run: the
// general data, layout and report option in force at the end, the test
// count and the envelope.
std::string json_end(const Run& run, const Envelope& env);

// The end of the document after a run-time error: the tests completed
// before it stay, status 1 and the error line.
std::string json_end_after_error(const RunError& e);

}  // namespace dorvane
