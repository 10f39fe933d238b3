// dorvane --explain on the command line: exit status, what goes where, and
// that nothing is written.
#include <gtest/gtest.h>

#include <sstream>

#include "program_runner.h"

namespace dorvane::testing {
namespace {

const fs::path kExamples = fs::path(DORVANE_TEST_DATA) / ".." / ".." / "examples";

TEST(ExplainCommand, CleanFileStatusZeroAndNothingWritten) {
    Scratch s;
    fs::copy(kExamples / "uu_clay_short.dat", s.dir / "IN.DAT");
    const Outcome o = run_program(s.dir, {"--explain", "IN.DAT"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_NE(o.out.find("line 1: general data record 1\n"), std::string::npos);
    EXPECT_NE(o.out.find("test 3, reading 1 of"), std::string::npos);
    EXPECT_NE(o.out.find("\n0 warnings\n"), std::string::npos);
    EXPECT_EQ(files_below(s.dir), std::set<std::string>{"IN.DAT"});

    const Outcome one = run_program(s.dir, {"--explain", "IN.DAT", "--explain-test", "2"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out.find("test 1,"), std::string::npos);
    EXPECT_EQ(one.out.find("test 3,"), std::string::npos);
    EXPECT_NE(one.out.find("test 2, title line 1"), std::string::npos);
}

TEST(ExplainCommand, WarningsGiveStatusThreeUnreadableFileStatusOne) {
    Scratch s;
    std::string text = slurp(kExamples / "cu_clay_standard.dat");
    // An empty line inside the first readings block.
    size_t at = 0;
    for (int k = 0; k < 19; ++k) at = text.find('\n', at) + 1;
    spit(s.dir / "EMPTY.DAT", text.substr(0, at) + "\n" + text.substr(at));
    const Outcome shifted = run_program(s.dir, {"--explain", "EMPTY.DAT"});
    EXPECT_EQ(shifted.status, 1);  // the shift ends in an unreadable record
    EXPECT_NE(shifted.out.find("warning: line 20: an empty line"), std::string::npos) << shifted.out;
    EXPECT_EQ(shifted.err, "dorvane: severe (64): input conversion error, unit 5, file @DIR@/EMPTY.DAT\n");

    spit(s.dir / "END.DAT", text + "\n");
    const Outcome end = run_program(s.dir, {"--explain", "END.DAT"});
    EXPECT_EQ(end.status, 3);
    EXPECT_EQ(end.err, "");
    EXPECT_NE(end.out.find("warning: line 104: an empty line"), std::string::npos) << end.out;

    const Outcome missing = run_program(s.dir, {"--explain", "NONE.DAT"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "dorvane: severe (29): file not found, unit 5, file @DIR@/NONE.DAT\n");
    EXPECT_EQ(files_below(s.dir), (std::set<std::string>{"EMPTY.DAT", "END.DAT"}));
}

TEST(ExplainCommand, WrongArgumentsStatusTwo) {
    Scratch s;
    fs::copy(kExamples / "uu_clay_short.dat", s.dir / "IN.DAT");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--explain", "IN.DAT", "R.OUT"}, {"--explain", "IN.DAT", "--csv", "c"},
          {"IN.DAT", "R.OUT", "--explain-test", "1"}, {"--explain", "IN.DAT", "--explain-test", "0"},
          {"--explain", ""}}) {
        const Outcome o = run_program(s.dir, args);
        EXPECT_EQ(o.status, 2) << args.back();
        EXPECT_EQ(o.out, "");
    }
    EXPECT_EQ(files_below(s.dir), std::set<std::string>{"IN.DAT"});
}

}  // namespace
}  // namespace dorvane::testing

namespace dorvane::testing {
namespace {

// The README's small example: its file explained gives the output shown there.
TEST(ExplainCommand, ReadmeExampleIsCurrent) {
    std::istringstream readme(slurp(fs::path(DORVANE_TEST_DATA) / ".." / ".." / "README.md"));
    std::string line;
    while (std::getline(readme, line) && line != "### A complete small example") {}
    std::vector<std::string> blocks;  // the indented blocks after the heading
    bool in_block = false;
    while (std::getline(readme, line) && blocks.size() < 3) {
        if (line.rfind("    ", 0) == 0) {
            if (!in_block) blocks.emplace_back();
            blocks.back() += line.substr(4) + "\n";
            in_block = true;
        } else if (!line.empty()) {
            in_block = false;
        } else if (in_block) {
            blocks.back() += "\n";
        }
    }
    ASSERT_GE(blocks.size(), 2u);
    for (std::string& b : blocks)
        while (b.size() > 1 && b[b.size() - 2] == '\n') b.pop_back();
    Scratch s;
    spit(s.dir / "SMALL.DAT", blocks[0]);
    const Outcome o = run_program(s.dir, {"--explain", "SMALL.DAT"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, blocks[1]);
}

}  // namespace
}  // namespace dorvane::testing
