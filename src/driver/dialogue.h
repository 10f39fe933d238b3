// The console dialogue: banner, warning, the two prompts and typed names.
#pragma once

#include <cstdio>
#include <string>

#include "records/output_unit.h"

namespace dorvane {

// Three empty lines, the banner box, three empty lines, the warning and
// three empty lines.
void write_banner(OutputUnit& console);

// Prompts for a name and reads one console line as a 12-character text:
// the first 12 characters, blanks added to a shorter line. The end of the
// console input is error 43 on the given unit.
std::string ask_file_name(OutputUnit& console, std::FILE* console_in, const char* prompt_layout, int unit);

// The name a typed 12-character text stands for: leading blanks ignored,
// trailing blanks trimmed.
std::string trimmed_name(const std::string& typed);

}  // namespace dorvane
