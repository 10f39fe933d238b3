// The input explainer: roles and fields as the run reads them, and one
// warning per kind of fault a hand-typed file shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

#include "explain/explain_input.h"
#include "records/input_unit.h"

namespace dorvane {
namespace {

namespace fs = std::filesystem;

struct Explained {
    std::string text;
    int warnings = 0;
    int error = 0;  // run-time error number, 0 for none
};

Explained explain(const std::string& input, int only_test = 0) {
    InputUnit in(5, "/INPUT.DAT", input);
    Explained e;
    ExplainOutcome o = explain_records(in, only_test, [&](std::string_view s) { e.text += s; });
    e.warnings = o.warnings;
    e.error = o.error ? o.error->number : 0;
    return e;
}

// Numbers flush right in fields of w columns, as the specimen records are typed.
std::string fields(const std::vector<std::string>& values, size_t w = 8) {
    std::string r;
    for (const std::string& v : values) r += std::string(w > v.size() ? w - v.size() : 0, ' ') + v;
    return r;
}

// A small standard-layout test: lines 1 general data, 2-4 titles, 5-8 READ A,
// 9 READ B, 10-11 READ C, 12-15 four readings.
std::vector<std::string> standard_file() {
    return {
        fields({"7", "0", "0.737", "1.27", "1.049", "28.3", "5", "0", "0"}),
        "SERIES A",
        "TEST 1",
        "CLAY",
        fields({"0", "0.292", "0.263", "1019.9", "997.2", "7.038", "0", "0", "0"}),
        fields({"0", "14.366", "2.613", "98.5", "0.9655", "0", "0", "45", "7.5"}),
        fields({"1.06", "0", "1", "0.34", "0", "0.379", "22.49", "0", "1010.34"}),
        fields({"0", "0", "0", "0.4"}),
        fields({"0.315", "0.198", "0", "0", "0", "0", "0"}),
        fields({"101", "1", "29.8", "0", "135.5", "1", "163.7", "0.38", "0.02"}),
        fields({"1", "0.00172", "1", "1.034", "0.298", "0", "4", "1"}),
        "1.06   4   3   6   0   0   1 0.8       5       0     0.8       0",
        "1.06          11   0   0   1 0.9       5      10     1.5",
        "1.06          20   0   0   1 1.0       5      24     2.3",
        "1.06          32   0   0   1 1.1       5      44     4.9",
    };
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

TEST(ExplainInput, NamesEveryRecordAndField) {
    const Explained e = explain(joined(standard_file()));
    EXPECT_EQ(e.warnings, 0) << e.text;
    EXPECT_EQ(e.error, 0);
    for (const char* part : {"line 1: general data record 1\n    MODE        columns 1-8      7\n",
                             "    PR.RG.CONS  columns 17-24    0.737\n",
                             "line 3: test 1, title line 2\n    TITLE       columns 1-80     \"TEST 1\"\n",
                             "line 6: test 1, READ A record 2\n", "    H           columns 9-16     14.366\n",
                             "line 8: test 1, READ A record 4\n", "line 9: test 1, READ B record 1\n",
                             "line 11: test 1, READ C record 2\n", "    RNREAD      columns 49-56    4\n",
                             "line 13: test 1, reading 2 of 4\n", "    P.P.        columns 29-32    0.9\n",
                             "    PR.DIA      columns 49-56    1.5\n", "end of the file after line 15\n0 warnings\n"})
        EXPECT_NE(e.text.find(part), std::string::npos) << part << "\n" << e.text;
}

// The shipped samples are clean: every record read, no warning.
TEST(ExplainInput, RealisticSamplesGiveNoWarning) {
    const fs::path examples = fs::path(DORVANE_TEST_DATA) / ".." / ".." / "examples";
    for (const char* name : {"cu_clay_standard.dat", "uu_clay_short.dat", "cd_sand_extended.dat"}) {
        std::ifstream f(examples / name, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        const Explained e = explain(s.str());
        EXPECT_EQ(e.warnings, 0) << name << "\n" << e.text;
        EXPECT_EQ(e.error, 0) << name;
        EXPECT_NE(e.text.find("test 3, reading 1 of"), std::string::npos) << name;
    }
}

struct WarningCase {
    const char* what;
    // Applied in order: 1-based line and its new text ("\x01" deletes the
    // line, "\x02" puts an empty line before it; one past the end appends).
    std::vector<std::pair<int, std::string>> replace;
    std::string expected;                             // part of the warning line
    int error = 0;
};

std::string mutated(const WarningCase& c) {
    std::vector<std::string> lines = standard_file();
    for (const auto& [line, text] : c.replace) {  // in order, each on the file as changed so far
        const size_t k = static_cast<size_t>(line - 1);
        if (k > lines.size()) throw std::logic_error("no such line");
        if (text == "\x01") lines.erase(lines.begin() + static_cast<long>(k));
        else if (text == "\x02") lines.insert(lines.begin() + static_cast<long>(k), "");
        else if (k == lines.size()) lines.push_back(text);
        else lines[k] = text;
    }
    return joined(lines);
}

class Warnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(Warnings, NameTheLineAndField) {
    const WarningCase& c = GetParam();
    const Explained e = explain(mutated(c));
    EXPECT_GE(e.warnings, 1) << c.what << "\n" << e.text;
    EXPECT_NE(e.text.find("  warning: " + c.expected), std::string::npos) << c.what << "\n" << e.text;
    EXPECT_EQ(e.error, c.error) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    ExplainInput, Warnings,
    ::testing::Values(
        WarningCase{"GS typed one column to the right runs into ZEROM",
                    {{6, "       0  14.366    2.613   98.5  0.9655       0       0      45     7.5"}},
                    "line 6, field GS (columns 17-24): \"2.613\" runs across the boundary of GS"},
        WarningCase{"a decimal point cut off at a field end",
                    {{12, "1.06   4   3   6   0   0   1  0.85     5       0     0.8       0"}},
                    "line 12, field P.P. (columns 29-32): \"0.85\" runs across the boundary of P.P. (columns 29-32) "
                    "and PARA2 (columns 33-40)"},
        WarningCase{"a fifth number on the fourth READ A record",
                    {{8, fields({"0", "0", "0", "0.4", "9.9"})}},
                    "line 8: \"9.9\" in columns 38-40, digits in columns this record ignores"},
        WarningCase{"a number running past the last field",
                    {{1, fields({"7", "0", "0.737", "1.27", "1.049", "28.3", "5", "0", "0"}) + "5"}},
                    "line 1, field KGEN2 (columns 65-72): \"05\" reaches column 73, which no field takes"},
        WarningCase{"letters in a numeric record", {{9, fields({"0.315", "0.198", "0", "0", "0", "0", "0"}) + "  CAP"}},
                    "line 9: \"CAP\" in columns 59-61, letters in a numeric record"},
        WarningCase{"an empty line in the readings block", {{14, "\x02"}}, "line 14: an empty line, read as a record of zeros"},
        WarningCase{"an empty line before the titles", {{2, "\x02"}},
                    "line 2: an empty line, read as the first title line", 64},
        WarningCase{"an empty line at the end", {{16, ""}}, "line 16: an empty line, read as the first title line"},
        WarningCase{"a readings block longer than its count",
                    {{11, fields({"1", "0.00172", "1", "1.034", "0.298", "0", "3", "1"})}},
                    "line 15, field TITLE: the title line reads like a record of numbers"},
        WarningCase{"a readings block shorter than its count, the next test following",
                    {{11, fields({"1", "0.00172", "1", "1.034", "0.298", "0", "5", "1"})}, {16, "SERIES B"}},
                    "line 16: reading 5 of 5 of test 1 does not read as numbers", 64},
        WarningCase{"a missing reading: the dial steps twice as far",
                    {{14, "\x01"}, {15, "SERIES B"}},
                    "line 14: the clock (minutes) steps by 21 from reading 2 to 3, 4.2 times the steps beside it", 64},
        WarningCase{"a specimen record where a reading is expected",
                    {{11, fields({"1", "0.00172", "1", "1.034", "0.298", "0", "5", "1"})},
                     {16, fields({"0", "0.292", "0.263", "1019.9", "997.2", "7.038", "0", "0", "0"})}},
                    "line 16: the reading reads like the first specimen record of a test (8-column fields)"},
        WarningCase{"the clock going back", {{14, "1.06           5   0   0   1 1.0       5      24     2.3"}},
                    "line 14, field MINUTE (columns 13-16): the clock goes back"},
        WarningCase{"the strain dial going back", {{14, "1.06          20   0   0   1 1.0       5       4     2.3"}},
                    "line 14, field S.DIAL (columns 41-48): the strain dial goes back from 10 to 4"},
        WarningCase{"zero height", {{6, fields({"0", "0", "2.613", "98.5", "0.9655", "0", "0", "45", "7.5"})}},
                    "line 6, field H (columns 9-16): H = 0: the specimen height (cm) must be above 0"},
        WarningCase{"negative diameter", {{5, fields({"0", "0.292", "0.263", "1019.9", "997.2", "-7", "0", "0", "0"})}},
                    "line 5, field D (columns 41-48): D = -7: the specimen diameter (cm) must be above 0"},
        WarningCase{"zero specific gravity", {{6, fields({"0", "14.366", "0", "98.5", "0.9655", "0", "0", "45", "7.5"})}},
                    "line 6, field GS (columns 17-24): GS = 0"},
        WarningCase{"water content in percent", {{5, fields({"0", "29.2", "0.263", "1019.9", "997.2", "7.038", "0", "0", "0"})}},
                    "line 5, field WCINL (columns 9-16): WCINL = 29.2: a water content is a ratio (0.25, not 25 %) and must lie in 0..2"},
        WarningCase{"FRACA out of range", {{6, fields({"0", "14.366", "2.613", "98.5", "0.3", "0", "0", "45", "7.5"})}},
                    "line 6, field FRACA (columns 33-40): FRACA = 0.3: the fraction of the initial area before shear must lie in 0.5..1"},
        WarningCase{"FRACA from the consolidation shortening", {{6, fields({"0", "14.366", "2.613", "98.5", "0", "1", "5", "45", "7.5"})}},
                    "line 6, field DHCON (columns 49-56): DHCON = 5: gives FRACA = 1 - 2*DHCON/H = 0.303912, outside 0.5..1"},
        WarningCase{"ALPHA of 0", {{6, fields({"0", "14.366", "2.613", "98.5", "0.9655", "0", "0", "0", "7.5"})}},
                    "line 6, field ALPHA (columns 57-64): ALPHA = 0: the failure-plane inclination must lie above 0"},
        WarningCase{"more than 80 readings", {{11, fields({"1", "0.00172", "1", "1.034", "0.298", "0", "81", "1"})}},
                    "line 11, field RNREAD (columns 49-56): RNREAD = 81: announces 81 readings; a test holds 1..80", 99}));

// The short layout: its specimen records, the height change behind FRACA,
// free-format readings under mode code 2.
TEST(ExplainInput, ShortLayoutRolesAndFracaFromHeightChange) {
    const std::string file = joined({
        fields({"2", "0", "0.485", "2", "0.509", "21.4", "2", "7", "0"}),
        "T1", "T2", "T3",
        fields({"0.48", "0", "169.38", "0.2982", "2.749", "3.811", "8.111", "0.543", "12.02"}),
        fields({"3", "6", "0.2", "45", "0.2976", "1", "0", "3", "0"}),
        "0 1.2", "11", "2.3", "21 3.3",
    });
    const Explained e = explain(file);
    EXPECT_EQ(e.error, 0) << e.text;
    for (const char* part : {"line 5: test 1, specimen record 1\n    S3IPSI      columns 1-8      0.48\n",
                             "  warning: line 6, field DHSHRT (columns 1-8): DHSHRT = 3: gives FRACA = 1 - 2*DHSHRT/H = 0.2602638, outside 0.5..1\n",
                             "line 7: test 1, reading 1 of 3\n    S.DIAL      column 1         0\n    PR.DIA      columns 3-5      1.2\n",
                             "line 8: test 1, reading 2 of 3\n    S.DIAL      columns 1-2      11\n",
                             "line 9: test 1, reading 2 of 3 (continued)\n    PR.DIA      columns 1-3      2.3\n",
                             "line 10: test 1, reading 3 of 3\n"})
        EXPECT_NE(e.text.find(part), std::string::npos) << part << "\n" << e.text;
    EXPECT_EQ(e.warnings, 1) << e.text;
}

// One test shown: its records and warnings only; the run still reads all.
TEST(ExplainInput, OneTestOnly) {
    std::vector<std::string> lines = standard_file();
    std::vector<std::string> second(lines.begin() + 1, lines.end());
    second[4] = fields({"0", "0", "2.613", "98.5", "0.9655", "0", "0", "45", "7.5"});  // H = 0
    lines.insert(lines.end(), second.begin(), second.end());
    const std::string file = joined(lines);

    const Explained one = explain(file, 1);
    EXPECT_EQ(one.warnings, 0) << one.text;
    EXPECT_EQ(one.text.find("test 2"), std::string::npos);
    EXPECT_EQ(one.text.find("general data"), std::string::npos);
    EXPECT_NE(one.text.find("line 15: test 1, reading 4 of 4"), std::string::npos);

    const Explained two = explain(file, 2);
    EXPECT_EQ(two.warnings, 1) << two.text;
    EXPECT_EQ(two.text.find("test 1"), std::string::npos);
    EXPECT_NE(two.text.find("line 16: test 2, title line 1"), std::string::npos) << two.text;
    EXPECT_NE(two.text.find("warning: line 20, field H"), std::string::npos) << two.text;
}

// An unreadable record: the records before it, then where the run stops.
TEST(ExplainInput, StopsWhereTheRunStops) {
    std::vector<std::string> lines = standard_file();
    lines[5] = "       0  14.366   2.613    98.5  0.9655       0       0      4X     7.5";
    const Explained e = explain(joined(lines));
    EXPECT_EQ(e.error, 64);
    EXPECT_NE(e.text.find("line 5: test 1, READ A record 1"), std::string::npos);
    EXPECT_EQ(e.text.find("line 6:"), e.text.find("line 6: the run stops here with severe (64)\n"));
    lines = standard_file();
    lines.resize(9);
    EXPECT_EQ(explain(joined(lines)).error, 24);
}

}  // namespace
}  // namespace dorvane
