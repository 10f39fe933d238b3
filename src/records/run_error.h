// The run-time error: the only way the program fails. Thrown by the record
// engine (and the run-limit checks), caught once in main, printed as
//   dorvane: severe (29): file not found, unit 5, file /abs/path/IN.DAT
#pragma once

#include <string>

namespace dorvane {

struct RunError {
    int number;        // 9, 10, 24, 29, 30, 38, 42, 43, 59, 64, 98, 99
    int unit;          // 5 input data file, 6 report file
    std::string path;  // absolute path name of the file (may be empty)
    std::string detail = {};  // filled-in text for errors that carry one (99)

    // The message text with unit and path filled in, without prefix.
    std::string message() const;
    // The whole console line, without line end.
    std::string line() const;
};

}  // namespace dorvane
