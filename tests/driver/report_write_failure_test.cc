// A report that cannot be written in full, or not at all, ends the run with
// an error line and status 1, never with status 0.
#include <gtest/gtest.h>
#include <sys/stat.h>
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

struct Scratch {
    fs::path dir;
    Scratch() {
        char name[] = "/tmp/dorvane-write-XXXXXX";
        dir = mkdtemp(name);
        fs::copy_file(fs::path(DORVANE_TEST_DATA) / "e2e/readings_standard_plane/input/IN.DAT", dir / "IN.DAT");
    }
    ~Scratch() { fs::remove_all(dir); }

    // Runs the program in the folder under a shell prelude; the exit status.
    // The console goes to /dev/null: a device is not held to the size limit.
    int run(const std::string& prelude, const std::string& report_name) {
        std::string cmd = "cd '" + dir.string() + "' && " + prelude + " printf 'IN.DAT\\n" + report_name +
                          "\\n' | '" DORVANE_BIN "' > /dev/null 2> stderr";
        int raw = std::system(("bash -c \"" + cmd + "\"").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    }
};

TEST(ReportWriteFailure, FileSizeLimitIsAnErrorNotSuccess) {
    Scratch s;
    // 1 KiB limit; with SIGXFSZ ignored the write itself fails.
    int status = s.run("ulimit -f 1; trap '' XFSZ;", "OUT.REP");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(slurp(s.dir / "stderr"),
              "dorvane: severe (38): error during write, unit 6, file " + (s.dir / "OUT.REP").string() + "\n");
    EXPECT_LE(fs::file_size(s.dir / "OUT.REP"), 1024u);
}

TEST(ReportWriteFailure, FolderThatCannotBeWritten) {
    // Creating a file in sysfs is refused even to root.
    if (!fs::exists("/sys/kernel")) GTEST_SKIP() << "no sysfs on this machine";
    Scratch s;
    EXPECT_EQ(s.run("", "/sys/X.OUT"), 1);
    EXPECT_EQ(slurp(s.dir / "stderr"), "dorvane: severe (9): permission to access file denied, unit 6, file /sys/X.OUT\n");
}

}  // namespace
