// The command line: argument errors, refusals, several inputs into a folder.
#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "program_runner.h"

namespace dorvane::testing {
namespace {

const fs::path kExamples = fs::path(DORVANE_TEST_DATA) / ".." / ".." / "examples";

struct UsageCase {
    std::vector<std::string> args;
    std::string message;  // part of the message on standard error
};

class UsageErrors : public ::testing::TestWithParam<UsageCase> {};

// Wrong arguments: a message, exit status 2, and nothing created.
TEST_P(UsageErrors, StatusTwoAndNothingCreated) {
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
    const Outcome o = run_program(s.dir, GetParam().args);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find(GetParam().message), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("--help"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(files_below(s.dir), std::set<std::string>{"IN.DAT"});
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrors,
    ::testing::Values(
        UsageCase{{"--bogus", "IN.DAT", "R.OUT"}, "--bogus"},
        UsageCase{{"IN.DAT", "R.OUT", "--csv"}, "--csv"},
        UsageCase{{"IN.DAT", "R.OUT", "--json"}, "--json"},
        UsageCase{{"IN.DAT", "--out-dir"}, "--out-dir"},
        UsageCase{{"IN.DAT"}, "give INPUT and REPORT"},
        UsageCase{{"IN.DAT", "R.OUT", "X.OUT"}, "give INPUT and REPORT"},
        UsageCase{{"--csv", "csv"}, "give INPUT and REPORT"},
        UsageCase{{"--out-dir", "outs"}, "at least one INPUT"},
        UsageCase{{"IN.DAT", "R.OUT", "--csv", ""}, "--csv: empty"},
        UsageCase{{"IN.DAT", "R.OUT", "--json", ""}, "--json: empty"},
        UsageCase{{"IN.DAT", "--out-dir", ""}, "--out-dir: empty"},
        UsageCase{{"IN.DAT", "R.OUT", "--json", "a", "--json", "b"}, "--json"}));

TEST(CommandLine, HelpAndVersionCreateNothing) {
    Scratch s;
    for (const char* flag : {"--help", "-h"}) {
        const Outcome help = run_program(s.dir, {flag});
        EXPECT_EQ(help.status, 0);
        for (const char* part : {"Usage: dorvane", "--out-dir", "--csv", "--json", "--version",
                                 "Exit status", "Examples:", "dorvane TESTS.DAT TESTS.OUT"})
            EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }
    const Outcome version = run_program(s.dir, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "dorvane 1.0.0\n");
    EXPECT_TRUE(files_below(s.dir).empty());
}

// No banner and no prompt; names of any length, in folders; the header shows
// the base names cut or padded to 12 characters.
TEST(CommandLine, LongNamesInFoldersGiveBaseNamesInTheHeader) {
    Scratch s;
    fs::create_directories(s.dir / "data");
    fs::create_directories(s.dir / "out");
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "data" / "a_rather_long_input_name.dat");
    const Outcome o =
        run_program(s.dir, {"data/a_rather_long_input_name.dat", "out/R.OUT"}, "ignored\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "");
    const std::string report = slurp(s.dir / "out" / "R.OUT");
    EXPECT_EQ(report.substr(0, report.find('\n') + 1),
              " *** R.OUT        :  a_rather_lon RUN ON DORVANE OF 6 July 2006 ***\r\n");
}

TEST(CommandLine, ExistingReportIsRefusedAndKept) {
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
    spit(s.dir / "R.OUT", "keep me\n");
    const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--csv", "csv", "--json", "r.json"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "dorvane: severe (10): cannot overwrite existing file, unit 6, file @DIR@/R.OUT\n");
    EXPECT_EQ(slurp(s.dir / "R.OUT"), "keep me\n");
    EXPECT_EQ(files_below(s.dir), (std::set<std::string>{"IN.DAT", "R.OUT"}));
}

// An existing export file: the dialogue's refusal on the export's unit; the
// report and the exports already created are removed again.
TEST(CommandLine, ExistingExportIsRefusedAndNothingIsLeft) {
    struct Case {
        std::string existing;
        std::string line;
    };
    const Case cases[] = {
        {"csv/readings.csv", "dorvane: severe (10): cannot overwrite existing file, unit 7, file @DIR@/csv/readings.csv\n"},
        {"csv/tests.csv", "dorvane: severe (10): cannot overwrite existing file, unit 8, file @DIR@/csv/tests.csv\n"},
        {"csv/envelope.csv", "dorvane: severe (10): cannot overwrite existing file, unit 9, file @DIR@/csv/envelope.csv\n"},
        {"r.json", "dorvane: severe (10): cannot overwrite existing file, unit 10, file @DIR@/r.json\n"},
    };
    for (const Case& c : cases) {
        Scratch s;
        fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
        fs::create_directories(s.dir / "csv");
        spit(s.dir / c.existing, "keep me\n");
        const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--csv", "csv", "--json", "r.json"});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, c.line);
        EXPECT_EQ(slurp(s.dir / c.existing), "keep me\n");
        EXPECT_EQ(files_below(s.dir), (std::set<std::string>{"IN.DAT", c.existing}));
    }
}

TEST(CommandLine, MissingJsonFolderIsErrorTwentyNine) {
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
    const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--json", "no/r.json"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "dorvane: severe (29): file not found, unit 10, file @DIR@/no/r.json\n");
    EXPECT_EQ(files_below(s.dir), std::set<std::string>{"IN.DAT"});
}

// A run-time error keeps every complete test in the exports; the JSON
// document stays whole and ends with the error.
TEST(CommandLine, ExportsAfterARunTimeErrorHoldTheCompleteTests) {
    Scratch s;
    const std::string full = slurp(kExamples / "cu_clay_standard.dat");
    // Cut inside the third test's records: two complete tests, then error 24.
    size_t cut = 0;
    for (int k = 0; k < 3; ++k) cut = full.find("CU TRIAXIAL TEST", cut + 1);
    spit(s.dir / "IN.DAT", full.substr(0, full.find('\n', cut + 200) + 1));
    const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--csv", "csv", "--json", "r.json"});
    ASSERT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "dorvane: severe (24): end-of-file during read, unit 5, file @DIR@/IN.DAT\n");
    const nlohmann::json run = nlohmann::json::parse(slurp(s.dir / "r.json")).at("run");
    EXPECT_EQ(run.at("status"), 1);
    EXPECT_EQ(replace_all(run.at("error").get<std::string>(), s.dir.string(), "@DIR@") + "\n", o.err);
    ASSERT_EQ(run.at("tests").size(), 2u);
    EXPECT_FALSE(run.contains("envelope"));
    const std::string tests_csv = slurp(s.dir / "csv" / "tests.csv");
    EXPECT_EQ(std::count(tests_csv.begin(), tests_csv.end(), '\n'), 3);  // header and two tests
    const std::string readings_csv = slurp(s.dir / "csv" / "readings.csv");
    const size_t readings = run.at("tests")[0].at("readings").size() + run.at("tests")[1].at("readings").size();
    EXPECT_EQ(static_cast<size_t>(std::count(readings_csv.begin(), readings_csv.end(), '\n')), readings + 1);
    EXPECT_EQ(slurp(s.dir / "csv" / "envelope.csv").find('\n'), slurp(s.dir / "csv" / "envelope.csv").size() - 1);
}

// An export that cannot be written in full ends the run with error 38 on
// its unit, never with status 0.
TEST(CommandLine, ExportWriteFailureIsAnError) {
    Scratch s;
    fs::copy(fs::path(DORVANE_TEST_DATA) / "e2e/readings_standard_plane/input/IN.DAT", s.dir / "IN.DAT");
    // 24 KiB: the report and the CSV files fit, the JSON document does not.
    const std::string command = "bash -c \"cd '" + s.dir.string() +
                                "' && ulimit -f 24 && trap '' XFSZ && '" DORVANE_BIN
                                "' IN.DAT R.OUT --csv csv --json r.json 2> stderr\"";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_EQ(slurp(s.dir / "stderr"),
              "dorvane: severe (38): error during write, unit 10, file " + (s.dir / "r.json").string() + "\n");
    EXPECT_LE(fs::file_size(s.dir / "r.json"), 24u * 1024u);
}

// Several inputs into a folder: a failing input does not stop the others,
// one line names each failed input, the status is 1; every good input
// gives the report and exports a run of its own gives.
TEST(CommandLine, OutDirGoesOnPastBadInputs) {
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "good1.dat");
    fs::copy(kExamples / "uu_clay_short.dat", s.dir / "good2.dat");
    spit(s.dir / "bad.dat", "       7       x\n");
    const Outcome o = run_program(s.dir, {"good1.dat", "bad.dat", "missing.dat", "good2.dat",
                                          "--out-dir", "outs", "--csv", "csv", "--json", "json"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "dorvane: bad.dat: severe (64): input conversion error, unit 5, file @DIR@/bad.dat\n"
              "dorvane: missing.dat: severe (29): file not found, unit 5, file @DIR@/missing.dat\n");

    for (const std::string stem : {"good1", "good2"}) {
        Scratch alone;
        fs::copy(s.dir / (stem + ".dat"), alone.dir / (stem + ".dat"));
        const Outcome single = run_program(alone.dir, {stem + ".dat", stem + ".out", "--csv", "csv",
                                                       "--json", stem + ".json"});
        ASSERT_EQ(single.status, 0) << single.err;
        EXPECT_EQ(slurp(s.dir / "outs" / (stem + ".out")), slurp(alone.dir / (stem + ".out")));
        for (const std::string table : {"readings", "tests", "envelope"})
            EXPECT_EQ(slurp(s.dir / "csv" / (stem + "." + table + ".csv")),
                      slurp(alone.dir / "csv" / (table + ".csv")));
        const std::string json = slurp(s.dir / "json" / (stem + ".json"));
        EXPECT_EQ(replace_all(json, "/outs/" + stem + ".out", "/" + stem + ".out"),
                  replace_all(slurp(alone.dir / (stem + ".json")), alone.dir.string(), s.dir.string()));
    }
    // The bad input's report holds what was written before its error.
    EXPECT_TRUE(fs::exists(s.dir / "outs" / "bad.out"));
    EXPECT_FALSE(fs::exists(s.dir / "outs" / "missing.out"));
}

}  // namespace
}  // namespace dorvane::testing
