// The chart writer: round ticks, safe text, gaps for values that are not
// finite, and a file that stays well formed whatever the data.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/svg_chart.h"

namespace dorvane::plot {
namespace {

size_t count(const std::string& s, const std::string& part) {
    size_t n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

struct TickCase {
    double lo, hi;
    std::vector<double> ticks;
};

TEST(ChartTicks, RoundValuesCoveringTheRange) {
    const TickCase cases[] = {
        {0, 0.364, {0, 0.1, 0.2, 0.3, 0.4}},
        {0, 237, {0, 50, 100, 150, 200, 250}},
        {81.9, 156.8, {80, 100, 120, 140, 160}},
        {-0.3, 1.2, {-0.5, 0, 0.5, 1, 1.5}},
        {0, 1e-4, {0, 2e-5, 4e-5, 6e-5, 8e-5, 1e-4}},
    };
    for (const TickCase& c : cases) {
        const std::vector<double> t = nice_ticks(c.lo, c.hi, 5);
        ASSERT_EQ(t.size(), c.ticks.size()) << c.lo << " " << c.hi;
        for (size_t i = 0; i < t.size(); ++i) EXPECT_NEAR(t[i], c.ticks[i], 1e-12) << c.lo << " " << c.hi;
    }
}

TEST(ChartTicks, LabelsWithTheDecimalsOfTheStep) {
    EXPECT_EQ(tick_text(0.1 + 0.2, 0.1), "0.3");
    EXPECT_EQ(tick_text(20, 10), "20");
    EXPECT_EQ(tick_text(-1e-17, 0.5), "0.0");
    EXPECT_EQ(tick_text(2.5e-5, 5e-6), "0.000025");
}

TEST(ChartText, EscapedAndValidUtf8) {
    EXPECT_EQ(xml_text("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
    EXPECT_EQ(xml_text("φ′ = 30°"), "φ′ = 30°");
    // Bytes of an 8-bit code page, an overlong form, a cut sequence, controls.
    EXPECT_EQ(xml_text("SAND \xe9 \xC0\x80 \xE2\x80 x\x01\x7f"), "SAND ? ?? ?? x??");
}

Chart chart_of(std::vector<double> x, std::vector<double> y) {
    Chart c;
    c.id = "c";
    c.title = "T";
    c.x_title = "X (%)";
    c.y_title = "Y (kPa)";
    Series s;
    s.label = "curve";
    s.role = "curve";
    s.x = std::move(x);
    s.y = std::move(y);
    s.mark = Mark::Circle;
    c.series.push_back(s);
    return c;
}

TEST(ChartCurves, ValuesThatAreNotFiniteLeaveGaps) {
    const double nan = std::nan(""), inf = INFINITY;
    std::string out;
    append_svg(out, chart_of({0, 1, 2, 3, 4, 5, 6}, {0, 1, nan, 3, 4, -inf, 6}), true);
    // 0-1 and 3-4 are joined; 6 stands alone: two polylines, five markers.
    EXPECT_EQ(count(out, "<polyline"), 2u);
    EXPECT_EQ(count(out, "<circle"), 5u + 1u);  // and the legend's marker
    EXPECT_EQ(out.find("nan"), std::string::npos);
    EXPECT_EQ(out.find("inf"), std::string::npos);
    // The range is taken from the finite values only: 0 to 6.
    EXPECT_NE(out.find("data-y0=\"0\" data-y1=\"6\""), std::string::npos) << out;
}

TEST(ChartCurves, NoFiniteValueStillGivesAWholeChart) {
    for (const std::vector<double>& y :
         {std::vector<double>{}, std::vector<double>{std::nan(""), INFINITY}}) {
        std::string out;
        append_svg(out, chart_of(std::vector<double>(y.size(), 1.0), y), true);
        EXPECT_EQ(out.rfind("<?xml", 0), 0u);
        EXPECT_EQ(count(out, "<polyline"), 0u);
        EXPECT_EQ(out.substr(out.size() - 7), "</svg>\n");
    }
}

TEST(ChartCurves, WildValuesStayShortAndClipped) {
    std::string out;
    append_svg(out, chart_of({0, 1, 2}, {1, 1e30, -1e38}), false);
    EXPECT_NE(out.find("clip-path=\"url(#c-clip)\""), std::string::npos);
    EXPECT_LT(out.size(), 6000u);
}

TEST(ChartCurves, SameChartSameBytes) {
    const Chart c = chart_of({0, 0.1f, 0.7f}, {0, 98.07f, 1.0f / 3});
    std::string a, b;
    append_svg(a, c, true);
    append_svg(b, c, true);
    EXPECT_EQ(a, b);
    EXPECT_NE(a.find("points=\"72.00,340.00 "), std::string::npos) << a;
}

}  // namespace
}  // namespace dorvane::plot
