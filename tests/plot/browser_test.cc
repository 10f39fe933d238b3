// The HTML report opened in a real browser (headless Chromium): it loads
// without errors, holds the expected charts, and the plotted points of a
// chart map back to the exported values. Skipped when chromium is missing.
#include <gtest/gtest.h>

#include "chart_reading.h"

namespace dorvane::testing {
namespace {

const fs::path kExamples = fs::path(DORVANE_TEST_DATA) / ".." / ".." / "examples";

bool have_chromium() { return std::system("command -v chromium >/dev/null 2>&1") == 0; }

struct Browsed {
    int status = -1;
    std::string dom, log;
};

// The document as the browser built it, from a profile of its own.
Browsed dump_dom(const fs::path& work, const fs::path& file) {
    const fs::path profile = work / ("profile-" + file.filename().string());
    fs::create_directories(profile);
    const std::string command =
        "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking "
        "--disable-component-update --disable-sync --no-first-run --enable-logging=stderr --v=0 "
        "--user-data-dir=" + quoted(profile.string()) + " --dump-dom " +
        quoted("file://" + file.string()) + " > " + quoted((work / "dom").string()) + " 2> " +
        quoted((work / "log").string());
    const int raw = std::system(command.c_str());
    Browsed b;
    b.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    b.dom = slurp(work / "dom");
    b.log = slurp(work / "log");
    return b;
}

TEST(Browser, ReportLoadsWithItsChartsAndPointsMapBackToTheExport) {
    if (!have_chromium()) GTEST_SKIP() << "chromium is not installed: the browser check is skipped "
                                          "(.ci/run installs it with apt-get install chromium)";
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
    const Outcome run =
        run_program(s.dir, {"IN.DAT", "R.OUT", "--html", "R.html", "--csv", "csv", "--svg", "svg"});
    ASSERT_EQ(run.status, 0) << run.err;

    const Browsed page = dump_dom(s.dir, s.dir / "R.html");
    ASSERT_EQ(page.status, 0) << page.log;
    // Loaded to its end, nothing failed to load, no message in the console.
    EXPECT_NE(page.dom.find("<footer id=\"end\"></footer>"), std::string::npos);
    EXPECT_EQ(page.log.find("CONSOLE"), std::string::npos) << page.log;
    EXPECT_EQ(page.log.find("net::ERR"), std::string::npos) << page.log;
    EXPECT_EQ(page.log.find("Failed to load"), std::string::npos) << page.log;

    // Four charts per test, two for the run, each with its plot area.
    EXPECT_EQ(count(page.dom, "<svg "), 14u);
    EXPECT_EQ(count(page.dom, "class=\"plot\""), 14u);
    for (const char* test : {"t1-", "t2-", "t3-"})
        for (const char* chart : {"deviator", "volume", "pore-pressure", "path"})
            EXPECT_NE(page.dom.find("id=\"" + std::string(test) + chart + "\""), std::string::npos)
                << test << chart;
    for (const char* chart : {"run-paths", "run-mohr"})
        EXPECT_NE(page.dom.find(std::string("id=\"") + chart + "\""), std::string::npos) << chart;
    // The three fits of regression option 5 are drawn on the paths of the run.
    const size_t run_paths = page.dom.find("id=\"run-paths\"");
    for (const char* fit : {"fit-origin", "fit-ordinary", "fit-power"})
        EXPECT_NE(page.dom.find(std::string("class=\"series ") + fit + "\"", run_paths), std::string::npos)
            << fit;

    // Test 2's deviator curve, taken back from pixels, is the export's
    // AXSTRN_pct and HALF_DEVS_kgf_cm2 of its readings; its failure marker
    // sits on the failure reading.
    const size_t chart = page.dom.find("id=\"t2-deviator\"");
    ASSERT_NE(chart, std::string::npos);
    const size_t plot = page.dom.find("class=\"plot\"", chart);
    const Mapping m = mapping_at(page.dom, plot);
    std::vector<std::pair<double, double>> points;
    {
        std::istringstream in(attribute(page.dom, page.dom.find("class=\"series curve\"", plot), "points"));
        std::string pair;
        while (in >> pair) {
            const size_t comma = pair.find(',');
            points.emplace_back(m.x(std::stod(pair.substr(0, comma))), m.y(std::stod(pair.substr(comma + 1))));
        }
    }
    std::vector<std::map<std::string, std::string>> readings;
    for (const auto& r : csv_records(slurp(s.dir / "csv" / "readings.csv")))
        if (r.at("test") == "2") readings.push_back(r);
    ASSERT_EQ(points.size(), readings.size());
    ASSERT_GT(points.size(), 10u);
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].first, std::stod(readings[i].at("AXSTRN_pct")), m.x_tolerance()) << i;
        EXPECT_NEAR(points[i].second, std::stod(readings[i].at("HALF_DEVS_kgf_cm2")), m.y_tolerance()) << i;
    }
    const auto tests = csv_records(slurp(s.dir / "csv" / "tests.csv"));
    ASSERT_EQ(tests.size(), 3u);
    const size_t failure = page.dom.find("<circle class=\"mark\"", page.dom.find("class=\"series failure\"", plot));
    EXPECT_NEAR(m.x(std::stod(attribute(page.dom, failure, "cx"))), std::stod(tests[1].at("FAIL_AXSTRN_pct")),
                m.x_tolerance());
    EXPECT_NEAR(m.y(std::stod(attribute(page.dom, failure, "cy"))),
                std::stod(tests[1].at("FAIL_HALF_DEVS_kgf_cm2")), m.y_tolerance());
    EXPECT_EQ(readings[std::stoi(tests[1].at("IFAIL")) - 1].at("AXSTRN_pct"), tests[1].at("FAIL_AXSTRN_pct"));
}

// The SVG files are XML documents of their own: the browser's strict parser
// takes each one (and does refuse a broken one, which shows the check bites).
TEST(Browser, SvgFilesParseAsXml) {
    if (!have_chromium()) GTEST_SKIP() << "chromium is not installed: the browser check is skipped";
    Scratch s;
    fs::copy(kExamples / "cd_sand_extended.dat", s.dir / "IN.DAT");
    ASSERT_EQ(run_program(s.dir, {"IN.DAT", "R.OUT", "--svg", "svg"}).status, 0);
    spit(s.dir / "broken.svg", "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"><g></svg>\n");
    const Browsed broken = dump_dom(s.dir, s.dir / "broken.svg");
    EXPECT_NE(broken.dom.find("parsererror"), std::string::npos) << broken.dom;
    for (const char* f : {"t1-deviator.svg", "t3-path.svg", "run-paths.svg", "run-mohr.svg"}) {
        const Browsed b = dump_dom(s.dir, s.dir / "svg" / f);
        EXPECT_EQ(b.status, 0) << f;
        EXPECT_EQ(b.dom.find("parsererror"), std::string::npos) << f;
        EXPECT_EQ(b.dom.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\"", 0), 0u) << f;
    }
}

}  // namespace
}  // namespace dorvane::testing
