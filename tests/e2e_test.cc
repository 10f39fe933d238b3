// End-to-end cases: the built program run in a scratch folder, compared byte
// for byte with expected files checked by hand.
//
// tests/data/e2e/<case>/
//   input/        files copied into the scratch folder before the run
//   stdin         what is typed at the prompts
//   expected/     console (standard output), stderr (the scratch folder's
//                 path written as @DIR@), status (exit status), and every
//                 other file: the file of that name the run must leave.
// The scratch folder must hold nothing else after the run.
// DORVANE_WRITE_ACTUAL=1 writes what the program produced into expected/
// (for drafting a new case; every line must then be checked by hand).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <algorithm>
#include <sys/wait.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(DORVANE_TEST_DATA) / "e2e";

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void spit(const fs::path& p, const std::string& text) {
    std::ofstream f(p, std::ios::binary);
    f << text;
}

std::string replace_all(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) s.replace(at, from.size(), to);
    return s;
}

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    if (fs::exists(kCases))
        for (const auto& e : fs::directory_iterator(kCases))
            if (e.is_directory()) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::set<std::string> files_below(const fs::path& dir) {
    std::set<std::string> names;
    if (fs::exists(dir))
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (!e.is_directory()) names.insert(fs::relative(e.path(), dir).string());
    return names;
}

class EndToEnd : public ::testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, ReportAndConsoleMatch) {
    const fs::path dir = kCases / GetParam();
    char scratch_template[] = "/tmp/dorvane-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(scratch_template), nullptr);
    const fs::path scratch = scratch_template;
    if (fs::exists(dir / "input")) fs::copy(dir / "input", scratch, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::set<std::string> inputs = files_below(scratch);

    const fs::path outs = fs::path(scratch.string() + ".outs");
    fs::create_directory(outs);
    std::string stdin_file = fs::exists(dir / "stdin") ? (dir / "stdin").string() : "/dev/null";
    std::string command = "cd '" + scratch.string() + "' && '" DORVANE_BIN "' < '" + stdin_file + "' > '" +
                          (outs / "console").string() + "' 2> '" + (outs / "stderr").string() + "'";
    int raw = std::system(command.c_str());
    int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);

    std::map<std::string, std::string> actual = {
        {"console", slurp(outs / "console")},
        {"stderr", replace_all(slurp(outs / "stderr"), scratch.string(), "@DIR@")},
        {"status", std::to_string(status) + "\n"},
    };
    for (const std::string& name : files_below(scratch))
        if (!inputs.count(name) || slurp(scratch / name) != slurp(dir / "input" / name))
            actual[name] = slurp(scratch / name);

    const fs::path expected = dir / "expected";
    if (std::getenv("DORVANE_WRITE_ACTUAL")) {
        fs::create_directories(expected);
        for (const auto& [name, text] : actual) spit(expected / name, text);
    }
    std::set<std::string> expected_names = files_below(expected);
    for (const auto& [name, text] : actual) {
        EXPECT_TRUE(expected_names.count(name)) << "unexpected output file " << name;
        if (expected_names.count(name)) {
            EXPECT_EQ(text, slurp(expected / name)) << "in " << name;
        }
    }
    for (const std::string& name : expected_names)
        EXPECT_TRUE(actual.count(name)) << "missing output file " << name;

    fs::remove_all(scratch);
    fs::remove_all(outs);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, ::testing::ValuesIn(case_names()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(EndToEnd);

}  // namespace
