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

// Test colours of the run charts; black, vermilion and green draw the fits.
constexpr int kTestColours[] = {0, 3, 5, 4, 7};
constexpr Mark kTestMarks[] = {Mark::Circle, Mark::Square, Mark::Triangle, Mark::Diamond};

}  // namespace

std::vector<NamedChart> test_charts(const Run& run, const Specimen& sp, const Readings& rd) {
    const int n = reading_rows(sp.NREAD);
    const std::vector<double> strain = values(rd.AXSTRN, n);
    std::vector<NamedChart> charts;

    Chart dev;
    dev.id = id_of(run, "deviator");
    dev.title = "Deviator stress";
    dev.x_title = "Axial strain (%)";
    dev.y_title = "(S1-S3)/2 (kgf/cm2)";
    dev.y2_title = "(S1-S3)/2 (kPa)";
    dev.y2_factor = run.KPAFAC.v;
    dev.x_from_zero = dev.y_from_zero = true;
    dev.series.push_back(curve("(S1-S3)/2", "curve", strain, values(rd.HALF_DEVS, n), 0));
    add_marks(dev, run, rd, n, rd.AXSTRN, rd.HALF_DEVS);
    charts.push_back({"deviator", dev});

    Chart vol;
    vol.id = id_of(run, "volume");
    vol.title = "Volumetric strain";
    vol.x_title = "Axial strain (%)";
    vol.y_title = "Volumetric strain (%)";
    vol.x_from_zero = vol.y_from_zero = true;
    vol.series.push_back(curve("Volumetric strain", "curve", strain, values(rd.VOLSTRN, n), 2));
    add_marks(vol, run, rd, n, rd.AXSTRN, rd.VOLSTRN);
    charts.push_back({"volume", vol});

    Chart pp;
    pp.id = id_of(run, "pore-pressure");
    pp.title = "Pore-water pressure";
    pp.x_title = "Axial strain (%)";
    pp.y_title = "Pore-water pressure (kgf/cm2)";
    pp.y2_title = "Pore-water pressure (kPa)";
    pp.y2_factor = run.KPAFAC.v;
    pp.x_from_zero = pp.y_from_zero = true;
    pp.series.push_back(curve("Pore-water pressure", "curve", strain, values(rd.PP, n), 3));
    add_marks(pp, run, rd, n, rd.AXSTRN, rd.PP);
    charts.push_back({"pore-pressure", pp});

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
