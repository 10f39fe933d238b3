// The same files give the same report, error line and exit status through
// the dialogue and through `dorvane INPUT REPORT`: every shipped example and
// every end-to-end input.
#include <gtest/gtest.h>

#include <algorithm>

#include "program_runner.h"

namespace dorvane::testing {
namespace {

const fs::path kData = fs::path(DORVANE_TEST_DATA);
const fs::path kExamples = kData / ".." / ".." / "examples";

// A case: the files of a scratch folder and the two names typed at the prompts.
struct Case {
    std::string label;
    fs::path input_folder;  // copied into the scratch folder; empty: none
    fs::path single_input;  // or one file copied as IN.DAT
    std::string input_name;
    std::string report_name;
};

// The name a typed line stands for: its first 12 characters, trimmed.
std::string typed_name(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = line.substr(0, 12);
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

std::vector<Case> cases() {
    std::vector<Case> all;
    for (const auto& e : fs::directory_iterator(kExamples))
        if (e.path().extension() == ".dat")
            all.push_back({e.path().stem().string(), {}, e.path(), "IN.DAT", "REPORT.OUT"});
    for (const auto& e : fs::directory_iterator(kData / "e2e")) {
        std::istringstream typed(slurp(e.path() / "stdin"));
        std::string first, second;
        if (!std::getline(typed, first) || !std::getline(typed, second)) continue;  // ends at a prompt
        all.push_back({e.path().filename().string(),
                       fs::exists(e.path() / "input") ? e.path() / "input" : fs::path(), {},
                       typed_name(first), typed_name(second)});
    }
    std::sort(all.begin(), all.end(), [](const Case& a, const Case& b) { return a.label < b.label; });
    return all;
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.label; }

void lay_out(const Case& c, const fs::path& dir) {
    if (!c.input_folder.empty())
        fs::copy(c.input_folder, dir, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    if (!c.single_input.empty()) fs::copy(c.single_input, dir / "IN.DAT");
}

class DialogueAndCommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(DialogueAndCommandLine, SameReportErrorAndStatus) {
    const Case& c = GetParam();
    Scratch asked, given;
    lay_out(c, asked.dir);
    lay_out(c, given.dir);
    const Outcome dialogue =
        run_program(asked.dir, {}, c.input_name + "\n" + c.report_name + "\n");
    const Outcome command_line = run_program(given.dir, {c.input_name, c.report_name});
    EXPECT_EQ(command_line.status, dialogue.status);
    EXPECT_EQ(command_line.err, dialogue.err);
    EXPECT_EQ(command_line.out, "");
    EXPECT_EQ(files_below(given.dir), files_below(asked.dir));
    for (const std::string& name : files_below(asked.dir))
        EXPECT_EQ(slurp(given.dir / name), slurp(asked.dir / name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, DialogueAndCommandLine, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string n = info.param.label;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

}  // namespace
}  // namespace dorvane::testing
