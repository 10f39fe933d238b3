// The run's contract on damaged input: a complete report and status 0, or
// one run-time error line and status 1, with what was written kept.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/run_program.h"

namespace dorvane {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct Outcome {
    int status;
    std::string error;
    std::string report;
};

Outcome run(const std::string& input) {
    Outcome o;
    o.status = run_in_memory(input, o.report, &o.error);
    return o;
}

// Every prefix of a valid file of each layout, cut after any whole line, ends
// normally (the cut fell before a title line) or with error 24, and the
// report of the cut file starts with the report of every shorter cut.
TEST(RunContract, EveryCutOfAValidFileEndsNormallyOrWithEndOfFile) {
    for (const char* name : {"readings_standard_plane", "readings_short_seating", "readings_extended_cell_fluid"}) {
        std::vector<std::string> lines =
            lines_of(slurp(std::string(DORVANE_TEST_DATA) + "/e2e/" + name + "/input/IN.DAT"));
        ASSERT_GT(lines.size(), 10u) << name;
        int errors = 0;
        for (size_t keep = 0; keep <= lines.size(); ++keep) {
            std::string input;
            for (size_t k = 0; k < keep; ++k) input += lines[k] + "\n";
            Outcome o = run(input);
            if (o.status == 1) {
                ++errors;
                EXPECT_EQ(o.error, "dorvane: severe (24): end-of-file during read, unit 5, file /INPUT.DAT")
                    << name << " cut after " << keep << " lines";
            } else {
                EXPECT_EQ(o.status, 0) << name << " cut after " << keep << " lines";
            }
        }
        EXPECT_GT(errors, 5) << name;
    }
}

// Odd but readable input, and characters that are not part of a number.
TEST(RunContract, OddInput) {
    const std::string gd = "       7       1   1.365    2.54     3.5      20       0       0       0";
    struct Case { std::string input; int status; const char* error_number; };
    const Case cases[] = {
        {gd, 0, ""},                                                     // no line end after the last record
        {gd + std::string(5000, ' ') + "x\n", 0, ""},                    // a line longer than any layout
        {gd + "\nT\xe9TE \x01\xff\nT2\nT3\n", 1, "(24)"},                // non-ASCII title, then the file ends in READ A
        {"       7\t      1\n", 1, "(64)"},                               // a tab
        {"   7.5.1\n", 1, "(64)"},                                      // a second decimal point
        {"     1D2\n", 1, "(64)"},                                       // exponent letter D
        {std::string("     7") + '\0' + "1\n", 1, "(64)"},               // a NUL byte in a numeric field
        {"   1e999  -1e999    -0.0   1e-44\n", 0, ""},                   // beyond the float range, -0, below normal
        {"", 1, "(24)"},                                                 // an empty file: general data missing
        {"\x1a\n" + gd + "\n", 1, "(24)"},                               // a lone control-Z ends the file at once
    };
    for (const Case& c : cases) {
        Outcome o = run(c.input);
        EXPECT_EQ(o.status, c.status) << c.input.substr(0, 40);
        if (c.status == 1) {
            EXPECT_NE(o.error.find(c.error_number), std::string::npos) << o.error;
        }
        EXPECT_EQ(o.report.rfind(" *** REPORT.OUT   :  INPUT.DAT    RUN ON DORVANE OF 6 July 2006 ***\r\n", 0), 0u);
    }
}

// A title line is echoed byte for byte, whatever its bytes.
TEST(RunContract, TitleBytesEchoedAsTheyAre) {
    Outcome o = run("       7\nT\xe9TE \x01\xff\n");
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.report.find(std::string(23, ' ') + "T\xe9TE \x01\xff" + std::string(73, ' ') + "\r\n"), std::string::npos);
}

// Mode code 2 reads each reading free-form; a broken record is error 59.
TEST(RunContract, BrokenFreeFormReading) {
    std::string input =
        "       2       1     1.2     1.5     0.5      20       0       0       1\n"
        "       0    0.02    0.98    0.01    1.02     0.2     0.1       0  0.0001\n"
        "T1\nT2\nT3\n"
        "       3       0     175    0.24    2.68     3.8     7.6     1.1    11.9\n"
        "    0.08     5.5    0.02      45    0.21       0       0       1       0\n"
        "0*5 1 2\n";
    Outcome o = run(input);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.error, "dorvane: severe (59): list-directed I/O syntax error, unit 5, file /INPUT.DAT");
}

}  // namespace
}  // namespace dorvane
