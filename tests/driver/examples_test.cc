// The shipped examples give the reports shipped beside them (checked against
// an independent recomputation, tools/render_report.py).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Examples, ReportsAsShipped) {
    const fs::path examples = fs::path(DORVANE_TEST_DATA) / "../../examples";
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".dat") continue;
        ++seen;
        char name[] = "/tmp/dorvane-example-XXXXXX";
        const fs::path dir = mkdtemp(name);
        fs::copy_file(entry.path(), dir / "INPUT.DAT");
        // The names the demo types at the prompts.
        std::string cmd = "cd '" + dir.string() + "' && printf 'INPUT.DAT\\nREPORT.OUT\\n' | '" DORVANE_BIN
                          "' > /dev/null 2>&1";
        int raw = std::system(cmd.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << entry.path();
        fs::path expected = entry.path();
        expected.replace_extension(".out");
        EXPECT_EQ(slurp(dir / "REPORT.OUT"), slurp(expected)) << entry.path();
        fs::remove_all(dir);
    }
    EXPECT_EQ(seen, 3);
}

}  // namespace
