// Opening the two files of a run; every failure is a run-time error.
#pragma once

#include <cstdio>
#include <string>

namespace dorvane {

// A name made absolute against the current folder, with . and .. removed
// and symbolic links not resolved (the form error lines show).
std::string absolute_name(const std::string& name);

// Opens an existing input file (unit 5) for reading. Errors: 43 empty or
// invalid name, 29 missing file or folder, 9 a folder or unreadable file.
std::FILE* open_input_file(const std::string& name);

// Creates the report file (unit 6); never opens an existing one. Errors: 43
// empty or invalid name, 10 the name exists in any form (left untouched),
// 29 missing folder, 9 no permission, 30 too many open files.
std::FILE* create_report_file(const std::string& name);

// Creates a new output file on the given unit by the rules of the report file.
std::FILE* create_new_file(const std::string& name, int unit);

}  // namespace dorvane
