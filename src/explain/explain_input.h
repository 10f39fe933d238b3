// The input explainer: walks an input data file exactly as a run reads it
// (the run's own readers and layout dispatch, the report thrown away) and
// shows every record with its role and its fields, with warnings where the
// file looks shifted or a value lies outside what the evaluation can use.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/input_unit.h"
#include "records/run_error.h"

namespace dorvane {

struct ExplainOutcome {
    int warnings = 0;               // warnings shown
    std::optional<RunError> error;  // the run-time error that ended the walk
};

// Walks the records of in, writing the explanation through out. only_test
// above 0 shows the records (and warnings) of that test only.
ExplainOutcome explain_records(InputUnit& in, int only_test,
                               const std::function<void(std::string_view)>& out);

// --explain: the file at path explained on standard output; a run-time
// error line on standard error as a run gives it. Exit status: 1 a
// run-time error, 3 warnings were given, 0 none.
int explain_file(const std::string& path, int only_test);

}  // namespace dorvane
