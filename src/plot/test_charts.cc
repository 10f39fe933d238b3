#include "plot/test_charts.h"

#include <cmath>
#include <cstdio>

#include "export/export_columns.h"
#include "report/reading_index.h"

namespace dorvane::plot {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string fixed(double v, int decimals) {
    if (!std::isfinite(v)) return "not finite";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

// A value with its unit, or "not finite" alone.
std::string value(double v, int decimals, const std::string& unit) {
    return std::isfinite(v) ? fixed(v, decimals) + unit : "not finite";
}

std::string id_of(const Run& run, const char* name) {
    return "t" + std::to_string(run.NTEST) + "-" + name;
}

std::vector<double> values(const ReadingArray& a, int n) {
    std::vector<double> v;
    for (int i = 1; i <= n; ++i) v.push_back(a[i].v);
    return v;
}

// One point of a curve as a series of its own (failure, ultimate).
Series point(const std::string& label, const std::string& role, double x, double y, int colour,
             Mark mark) {
    Series s;
    s.label = label;
    s.role = role;
    s.x = {x};
    s.y = {y};
    s.colour = colour;
    s.line = false;
    s.mark = mark;
    return s;
}

Series curve(const std::string& label, const std::string& role, std::vector<double> x,
             std::vector<double> y, int colour) {
    Series s;
    s.label = label;
    s.role = role;
    s.x = std::move(x);
    s.y = std::move(y);
    s.colour = colour;
    return s;
}

// The failure and (report option 9) ultimate markers on a curve of a[] against AXSTRN.
void add_marks(Chart& c, const Run& run, const Readings& rd, int n, const ReadingArray& x,
               const ReadingArray& y) {
    if (rd.IFAIL >= 1 && rd.IFAIL <= n)
        c.series.push_back(point("Failure, reading " + std::to_string(rd.IFAIL), "failure",
                                 x[rd.IFAIL].v, y[rd.IFAIL].v, 1, Mark::Circle));
    if (ultimate_reported(run) && rd.IEND >= 1 && rd.IEND <= n)
        c.series.push_back(point("Ultimate, reading " + std::to_string(rd.IEND), "ultimate",
                                 x[rd.IEND].v, y[rd.IEND].v, 2, Mark::Square));
}

// A curve of y[] against axial strain with its failure and ultimate
// markers; a stress in kgf/cm2 gets a second scale in kPa on the right.
NamedChart strain_chart(const Run& run, const Readings& rd, int n, const std::string& name,
                        const std::string& title, const std::string& quantity, const std::string& unit,
                        bool kpa_scale, const ReadingArray& y, int colour) {
    Chart c;
    c.id = id_of(run, name.c_str());
    c.title = title;
    c.x_title = "Axial strain (%)";
    c.y_title = quantity + " (" + unit + ")";
    if (kpa_scale) {
        c.y2_title = quantity + " (kPa)";
        c.y2_factor = run.KPAFAC.v;
    }
    c.x_from_zero = c.y_from_zero = true;
    c.series.push_back(curve(quantity, "curve", values(rd.AXSTRN, n), values(y, n), colour));
    add_marks(c, run, rd, n, rd.AXSTRN, y);
    return {name, c};
}

// Test colours of the run charts; black, vermilion and green draw the fits.
constexpr int kTestColours[] = {0, 3, 5, 4, 7};
constexpr Mark kTestMarks[] = {Mark::Circle, Mark::Square, Mark::Triangle, Mark::Diamond};

}  // namespace

std::vector<NamedChart> test_charts(const Run& run, const Specimen& sp, const Readings& rd) {
    const int n = reading_rows(sp.NREAD);
    std::vector<NamedChart> charts;

    charts.push_back(strain_chart(run, rd, n, "deviator", "Deviator stress", "(S1-S3)/2", "kgf/cm2", true,
                                  rd.HALF_DEVS, 0));
    charts.push_back(strain_chart(run, rd, n, "volume", "Volumetric strain", "Volumetric strain", "%", false,
                                  rd.VOLSTRN, 2));
    charts.push_back(strain_chart(run, rd, n, "pore-pressure", "Pore-water pressure", "Pore-water pressure",
                                  "kgf/cm2", true, rd.PP, 3));

    Chart path;
    path.id = id_of(run, "path");
    path.title = "Stress path";
    path.x_title = "(S1+S3)/2 (kPa)";
    path.y_title = "(S1-S3)/2 (kPa)";
    path.x_from_zero = path.y_from_zero = true;
    const std::vector<double> tau = values(rd.TKPA, n);
    path.series.push_back(curve("Effective", "effective", values(rd.SEFKPA, n), tau, 0));
    Series total = curve("Total", "total", values(rd.SKPA, n), tau, 4);
    total.dashed = true;
    path.series.push_back(total);
    if (rd.IFAIL >= 1 && rd.IFAIL <= n) {
        const int f = rd.IFAIL;
        path.series.push_back(point("Failure, reading " + std::to_string(f), "failure",
                                    rd.SEFKPA[f].v, rd.TKPA[f].v, 1, Mark::Circle));
        path.series.push_back(point("", "failure-total", rd.SKPA[f].v, rd.TKPA[f].v, 1, Mark::Circle));
    }
    charts.push_back({"path", path});
    return charts;
}

TestPoints test_points(const Run& run, const Specimen& sp, const Readings& rd) {
    TestPoints p;
    p.test = run.NTEST;
    p.testno = fixed(run.in.TESTNO.v, 0);
    const int n = reading_rows(sp.NREAD);
    p.failed = rd.IFAIL >= 1 && rd.IFAIL <= n;
    if (p.failed) {
        p.sig = rd.SEFKPA[rd.IFAIL].v;
        p.tau = rd.TKPA[rd.IFAIL].v;
    }
    if (run.NTEST <= kMaxPaths) {
        p.path_sig = values(rd.SEFKPA, n);
        p.path_tau = values(rd.TKPA, n);
    }
    return p;
}

std::vector<NamedChart> run_charts(const Run& run, const Envelope& env,
                                   const std::vector<TestPoints>& tests) {
    if (tests.empty()) return {};
    const bool named = tests.size() <= 12;
    double top = 0;  // largest sigma' + tau at failure: reach of the lines
    for (const TestPoints& t : tests)
        if (t.failed && std::isfinite(t.sig + t.tau)) top = std::max(top, t.sig + t.tau);
    if (top <= 0) top = 1;

    Chart paths;
    paths.id = "run-paths";
    paths.title = "Effective stress paths and envelopes";
    paths.x_title = "Effective (S1+S3)/2 (kPa)";
    paths.y_title = "(S1-S3)/2 (kPa)";
    paths.x_from_zero = paths.y_from_zero = true;
    for (size_t k = 0; k < tests.size(); ++k) {
        const TestPoints& t = tests[k];
        const int colour = kTestColours[k % std::size(kTestColours)];
        std::string label = named ? "Test " + std::to_string(t.test) + " (" + t.testno + ")" : "";
        if (!named && k == 0) label = "Effective stress paths of " + std::to_string(tests.size()) + " tests";
        // The path as a line, then its failure point as a marker; the
        // legend entry (line and marker) goes with the marker.
        paths.series.push_back(curve("", "path", t.path_sig, t.path_tau, colour));
        Series f = curve(label, "failure", {}, {}, colour);
        f.mark = kTestMarks[k % std::size(kTestMarks)];
        if (t.failed) {
            f.x = {t.sig};
            f.y = {t.tau};
        }
        paths.series.push_back(f);
    }

    const FitsRun fits = fits_run(run);
    Chart mohr;
    mohr.id = "run-mohr";
    mohr.title = "Mohr circles at failure";
    mohr.x_title = "Effective normal stress (kPa)";
    mohr.y_title = "Shear stress (kPa)";
    mohr.x_from_zero = mohr.y_from_zero = true;
    mohr.equal_scale = true;
    for (size_t k = 0; k < tests.size(); ++k) {
        const TestPoints& t = tests[k];
        if (!t.failed) continue;
        Series c = curve(named ? "Test " + std::to_string(t.test) + " (" + t.testno + ")" : "",
                         "circle", {}, {}, kTestColours[k % std::size(kTestColours)]);
        for (int a = 0; a <= 72; ++a) {
            const double th = kPi * a / 72;
            c.x.push_back(t.sig - t.tau * std::cos(th));
            c.y.push_back(t.tau * std::sin(th));
        }
        mohr.series.push_back(c);
    }

    const double reach = top * 1.05;
    // A straight line tau = a + b sigma over the reach of the charts.
    auto line = [&](const std::string& label, const std::string& role, double a, double b, int colour,
                    bool dashed) {
        Series s = curve(label, role, {0, reach}, {a, a + b * reach}, colour);
        s.dashed = dashed;
        return s;
    };
    if (fits.through_origin) {
        const double phi = env.PHIZRC[1].v;
        const double b0 = std::sin(phi * kPi / 180);
        paths.series.push_back(line("Through origin: φ′ = " + value(phi, 1, "°") + ", r = " +
                                        fixed(env.COFZRC[1].v, 3),
                                    "fit-origin", 0, b0, 6, true));
        mohr.series.push_back(line("Through origin: φ′ = " + value(phi, 1, "°") + ", c′ = 0 kPa",
                                   "fit-origin", 0, std::tan(phi * kPi / 180), 6, true));
    }
    if (fits.ordinary) {
        const double phi = env.PHILRG[1].v;
        const double c = env.COHESN[1].v;
        const double b1 = std::sin(phi * kPi / 180);
        const double a = c * std::cos(phi * kPi / 180);
        paths.series.push_back(line("Least squares: φ′ = " + value(phi, 1, "°") + ", c′ = " + value(c, 1, " kPa") +
                                        ", r = " + fixed(env.COFLIN[1].v, 3),
                                    "fit-ordinary", a, b1, 1, false));
        mohr.series.push_back(line("Least squares: φ′ = " + value(phi, 1, "°") + ", c′ = " + value(c, 1, " kPa"),
                                   "fit-ordinary", c, std::tan(phi * kPi / 180), 1, false));
    }
    if (fits.power_curve) {
        const double A = env.ACONST[1].v, B = env.BEXPNT[1].v;
        const std::string law = std::isfinite(A) && std::isfinite(B)
                                    ? "τ = " + fixed(A, 3) + " σ′^" + fixed(B, 3)
                                    : "not finite";
        Series s = curve("Power curve: " + law + ", r = " + fixed(env.COFCOR[1].v, 3),
                         "fit-power", {}, {}, 2);
        s.dashed = true;
        for (int k = 1; k <= 48; ++k) {
            const double x = reach * k / 48;
            s.x.push_back(x);
            s.y.push_back(A * std::pow(x, B));
        }
        paths.series.push_back(s);
    }
    return {{"paths", paths}, {"mohr", mohr}};
}

}  // namespace dorvane::plot
