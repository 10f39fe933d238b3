#include "driver/dialogue.h"

#include "records/run_error.h"

namespace dorvane {

void write_banner(OutputUnit& console) {
    console.write("(/, /)");
    console.write("(4X, 24('*  '))");
    console.write("(4X, '*', 68X, '*')");
    console.write("(4X, '*', 22X, 'DORVANE: PROGRAM FOR THE', 22X, '*')");
    console.write("(4X, '*', 21X, 'EVALUATION OF THE TRIAXIAL', 21X, '*')");
    console.write("(4X, '*', 26X, 'COMPRESSION TEST', 26X, '*')");
    console.write("(4X, '*', 68X, '*')");
    console.write("(4X, '*', 20X, 'J. Holvek, Prof.of Civ.Eng.', 21X, '*')");
    console.write("(4X, '*', 28X, 'KELB, TORVEN', 28X, '*')");
    console.write("(4X, '*', 68X, '*')");
    console.write("(4X, '*', 29X, 'July  2006', 29X, '*')");
    console.write("(4X, '*', 68X, '*')");
    console.write("(4X, 24('*  '), /, /, /)");
    console.write("(' *** WARNING:  NO BLANK LINES SHOULD EXIST BEFORE OR AFTER DATA FILE !!!', /, /, /)");
}

std::string ask_file_name(OutputUnit& console, std::FILE* console_in, const char* prompt_layout, int unit) {
    console.write(prompt_layout);
    console.flush();
    std::string line;
    bool got_any = false;
    for (int c; (c = std::fgetc(console_in)) != EOF;) {
        got_any = true;
        if (c == '\n') break;
        if (line.size() < 4096) line.push_back(static_cast<char>(c));
    }
    if (!got_any) throw RunError{43, unit, ""};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line.resize(12, ' ');
    return line;
}

std::string trimmed_name(const std::string& typed) {
    size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    size_t last = typed.find_last_not_of(' ');
    return typed.substr(first, last - first + 1);
}

}  // namespace dorvane
