// --html and --svg through the command line: the report stays the same to
// the byte, the outputs are deterministic, existing files are refused, and
// a failed run leaves a page that ends properly.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_reading.h"

namespace dorvane::testing {
namespace {

const fs::path kExamples = fs::path(DORVANE_TEST_DATA) / ".." / ".." / "examples";

TEST(ChartOutputs, ReportUnchangedAndOutputsDeterministic) {
    for (const char* example : {"cu_clay_standard.dat", "cd_sand_extended.dat", "uu_clay_short.dat"}) {
        Scratch plain, a, b;
        for (const Scratch* s : {&plain, &a, &b}) fs::copy(kExamples / example, s->dir / "IN.DAT");
        ASSERT_EQ(run_program(plain.dir, {"IN.DAT", "R.OUT"}).status, 0);
        for (const Scratch* s : {&a, &b})
            ASSERT_EQ(run_program(s->dir, {"IN.DAT", "R.OUT", "--html", "R.html", "--svg", "svg"}).status, 0)
                << example;
        EXPECT_EQ(slurp(a.dir / "R.OUT"), slurp(plain.dir / "R.OUT")) << example;
        // The page names the files by their absolute paths; all else is equal.
        EXPECT_EQ(replace_all(slurp(a.dir / "R.html"), a.dir.string(), "@"),
                  replace_all(slurp(b.dir / "R.html"), b.dir.string(), "@"))
            << example;
        const std::set<std::string> svgs = files_below(a.dir / "svg");
        EXPECT_EQ(svgs, files_below(b.dir / "svg"));
        for (const std::string& f : svgs) EXPECT_EQ(slurp(a.dir / "svg" / f), slurp(b.dir / "svg" / f)) << f;
        // Three tests: four charts each and the two of the run.
        EXPECT_EQ(svgs.size(), 14u) << example;
        EXPECT_TRUE(svgs.count("t3-path.svg") && svgs.count("run-mohr.svg")) << example;
    }
}

TEST(ChartOutputs, PageIsSelfContained) {
    Scratch s;
    fs::copy(kExamples / "cd_sand_extended.dat", s.dir / "IN.DAT");
    ASSERT_EQ(run_program(s.dir, {"IN.DAT", "R.OUT", "--html", "R.html"}).status, 0);
    const std::string page = slurp(s.dir / "R.html");
    // The only address is the SVG namespace, which names and fetches nothing.
    EXPECT_EQ(count(page, "http"), count(page, "xmlns=\"http://www.w3.org/2000/svg\""));
    for (const char* fetch : {"src=", "href=", "<link", "<script", "@import"})
        EXPECT_EQ(page.find(fetch), std::string::npos) << fetch;
    EXPECT_EQ(count(page, "url("), count(page, "url(#"));
    EXPECT_EQ(count(page, "<section class=\"test\""), 3u);
    EXPECT_EQ(count(page, "<svg "), 14u);
    // Report option 9: the ultimate reading is marked.
    EXPECT_EQ(count(page, "class=\"series ultimate\""), 3u * 3u);
}

TEST(ChartOutputs, ExistingFilesAreRefused) {
    {  // The page: refused before the run, nothing of the run is left.
        Scratch s;
        fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
        spit(s.dir / "R.html", "keep me\n");
        const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--csv", "csv", "--html", "R.html"});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, "dorvane: severe (10): cannot overwrite existing file, unit 11, file @DIR@/R.html\n");
        EXPECT_EQ(slurp(s.dir / "R.html"), "keep me\n");
        EXPECT_EQ(files_below(s.dir), (std::set<std::string>{"IN.DAT", "R.html"}));
    }
    {  // An SVG file: made as the run goes, so the run stops at it.
        Scratch s;
        fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
        fs::create_directories(s.dir / "svg");
        spit(s.dir / "svg" / "t2-volume.svg", "keep me\n");
        const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--svg", "svg"});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err,
                  "dorvane: severe (10): cannot overwrite existing file, unit 12, file @DIR@/svg/t2-volume.svg\n");
        EXPECT_EQ(slurp(s.dir / "svg" / "t2-volume.svg"), "keep me\n");
        EXPECT_FALSE(fs::exists(s.dir / "svg" / "t2-pore-pressure.svg"));
    }
}

TEST(ChartOutputs, FailedRunEndsThePageWithTheError) {
    Scratch s;
    const std::string full = slurp(kExamples / "cu_clay_standard.dat");
    size_t cut = 0;
    for (int k = 0; k < 3; ++k) cut = full.find("CU TRIAXIAL TEST", cut + 1);
    spit(s.dir / "IN.DAT", full.substr(0, full.find('\n', cut + 200) + 1));
    const Outcome o = run_program(s.dir, {"IN.DAT", "R.OUT", "--html", "R.html"});
    ASSERT_EQ(o.status, 1);
    const std::string page = replace_all(slurp(s.dir / "R.html"), s.dir.string(), "@DIR@");
    EXPECT_EQ(count(page, "<section class=\"test\""), 2u);
    EXPECT_EQ(page.find("id=\"run\""), std::string::npos);
    EXPECT_NE(page.find("<p class=\"error\">The run ended in an error: " + o.err.substr(0, o.err.size() - 1)),
              std::string::npos);
    const std::string end = "<footer id=\"end\"></footer>\n</body>\n</html>\n";
    EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

// The run's charts against envelope.csv: on the paths the least-squares
// line is TAU = COHESN cos(PHILRG) + SIG sin(PHILRG); in the Mohr plane it
// is tau = COHESN + sigma tan(PHILRG), and each circle has the effective
// (S1+S3)/2 at failure as its centre and (S1-S3)/2 as its radius.
TEST(ChartOutputs, EnvelopesAndMohrCirclesFromTheFits) {
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "IN.DAT");
    ASSERT_EQ(run_program(s.dir, {"IN.DAT", "R.OUT", "--svg", "svg", "--csv", "csv"}).status, 0);
    const auto env = csv_records(slurp(s.dir / "csv" / "envelope.csv"));
    ASSERT_EQ(env.at(0).at("record"), "fits");
    const double pi = std::acos(-1.0);
    const double phi = std::stod(env[0].at("PHILRG_1_deg")) * pi / 180;
    const double c = std::stod(env[0].at("COHESN_1_kPa"));

    const std::string paths = slurp(s.dir / "svg" / "run-paths.svg");
    const Mapping mp = mapping_at(paths, paths.find("class=\"plot\""));
    const auto line = polyline_values(paths, paths.find("class=\"series fit-ordinary\""), mp);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_NEAR(line[0].first, 0, mp.x_tolerance());
    EXPECT_NEAR(line[0].second, c * std::cos(phi), mp.y_tolerance());
    EXPECT_NEAR((line[1].second - line[0].second) / (line[1].first - line[0].first), std::sin(phi), 1e-4);

    const std::string mohr = slurp(s.dir / "svg" / "run-mohr.svg");
    const Mapping mm = mapping_at(mohr, mohr.find("class=\"plot\""));
    const auto mc = polyline_values(mohr, mohr.find("class=\"series fit-ordinary\""), mm);
    ASSERT_EQ(mc.size(), 2u);
    EXPECT_NEAR(mc[0].second, c, mm.y_tolerance());
    EXPECT_NEAR((mc[1].second - mc[0].second) / (mc[1].first - mc[0].first), std::tan(phi), 1e-4);
    // One unit is as long on both axes: the circles are round.
    EXPECT_NEAR((mm.x1 - mm.x0) / mm.width, (mm.y1 - mm.y0) / mm.height, 1e-9);
    size_t at = mohr.find("class=\"plot\"");
    for (int test = 1; test <= 3; ++test) {
        at = mohr.find("class=\"series circle\"", at + 1);
        ASSERT_NE(at, std::string::npos);
        const auto circle = polyline_values(mohr, at, mm);
        const double sig = std::stod(env.at(test).at("SIG_1_kPa"));
        const double tau = std::stod(env.at(test).at("TAU_1_kPa"));
        EXPECT_NEAR(circle.front().first, sig - tau, mm.x_tolerance()) << test;
        EXPECT_NEAR(circle.back().first, sig + tau, mm.x_tolerance()) << test;
        EXPECT_NEAR(circle[circle.size() / 2].first, sig, mm.x_tolerance()) << test;
        EXPECT_NEAR(circle[circle.size() / 2].second, tau, mm.y_tolerance()) << test;
    }
}

TEST(ChartOutputs, SeveralInputsIntoFolders) {
    Scratch s;
    fs::copy(kExamples / "cu_clay_standard.dat", s.dir / "A.DAT");
    fs::copy(kExamples / "uu_clay_short.dat", s.dir / "B.DAT");
    const Outcome o =
        run_program(s.dir, {"A.DAT", "B.DAT", "--out-dir", "out", "--html", "html", "--svg", "svg"});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::set<std::string> files = files_below(s.dir);
    for (const char* f : {"html/A.html", "html/B.html", "svg/A/t1-deviator.svg", "svg/B/run-paths.svg"})
        EXPECT_TRUE(files.count(f)) << f;
}

}  // namespace
}  // namespace dorvane::testing
