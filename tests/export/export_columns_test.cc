// The export columns: unique names, and every one documented in the README.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "export/export_columns.h"

namespace dorvane {
namespace {

std::vector<std::string> all_names() {
    std::vector<std::string> names = {"test", "TESTNO", "reading"};
    for (const ReadingColumn& c : reading_columns()) names.push_back(c.name);
    for (const TestColumnGroup& g : test_column_groups())
        for (const TestColumn& c : g.columns) names.push_back(c.name);
    return names;
}

TEST(ExportColumns, NamesAreUniqueWithinEachFile) {
    std::set<std::string> readings = {"test", "TESTNO", "reading"};
    for (const ReadingColumn& c : reading_columns()) EXPECT_TRUE(readings.insert(c.name).second) << c.name;
    std::set<std::string> tests;
    for (const TestColumnGroup& g : test_column_groups())
        for (const TestColumn& c : g.columns) EXPECT_TRUE(tests.insert(c.name).second) << c.name;
}

TEST(ExportColumns, EveryColumnIsInTheReadme) {
    std::ifstream f(std::filesystem::path(DORVANE_TEST_DATA) / ".." / ".." / "README.md");
    std::ostringstream s;
    s << f.rdbuf();
    const std::string readme = s.str();
    for (const std::string& name : all_names())
        EXPECT_NE(readme.find("`" + name + "`"), std::string::npos) << name;
}

}  // namespace
}  // namespace dorvane
