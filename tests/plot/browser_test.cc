// The HTML report opened in a real browser (headless Chromium): it loads
// without errors, holds the expected charts, and the plotted points of a
// chart map back to the exported values. Skipped when chromium is missing.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "../driver/program_runner.h"

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

size_t count(const std::string& s, const std::string& part) {
    size_t n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

// The value of attribute name in the first element at or after `from`.
std::string attribute(const std::string& s, size_t from, const std::string& name) {
    const size_t at = s.find(" " + name + "=\"", from);
    if (at == std::string::npos) return "";
    const size_t begin = at + name.size() + 3;
    return s.substr(begin, s.find('"', begin) - begin);
}

// One CSV record (quoted fields with doubled quotes, no line ends inside).
std::vector<std::string> csv_fields(const std::string& line) {
    std::vector<std::string> f(1);
    bool quoted_field = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted_field) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') f.back() += '"', ++i;
            else if (c == '"') quoted_field = false;
            else f.back() += c;
        } else if (c == '"') quoted_field = true;
        else if (c == ',') f.emplace_back();
        else if (c != '\r') f.back() += c;
    }
    return f;
}

// The records of a CSV file as maps from column name to field.
std::vector<std::map<std::string, std::string>> csv_records(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> names = csv_fields(line);
    std::vector<std::map<std::string, std::string>> records;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = csv_fields(line);
        std::map<std::string, std::string> r;
        for (size_t i = 0; i < names.size() && i < f.size(); ++i) r[names[i]] = f[i];
        records.push_back(r);
    }
    return records;
}

// The plot area of a chart and its data range, as the chart wrote them.
struct Mapping {
    double x0, x1, y0, y1, left, top, width, height;
    double x(double px) const { return x0 + (px - left) / width * (x1 - x0); }
    double y(double py) const { return y0 + (top + height - py) / height * (y1 - y0); }
    double x_tolerance() const { return (x1 - x0) / width * 0.006; }  // the written 0.01 px
    double y_tolerance() const { return (y1 - y0) / height * 0.006; }
};

Mapping mapping_at(const std::string& dom, size_t plot) {
    auto d = [&](const char* name) { return std::stod(attribute(dom, plot, name)); };
    return {d("data-x0"), d("data-x1"), d("data-y0"), d("data-y1"),
            d("data-left"), d("data-top"), d("data-width"), d("data-height")};
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
