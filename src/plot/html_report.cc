#include "plot/html_report.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "export/export_columns.h"
#include "report/reading_index.h"

namespace dorvane::plot {

namespace {

// Printed on A4, one test a page; the charts two abreast.
constexpr const char* kStyle = R"(<style>
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #000;
  margin: 0 auto; max-width: 1120px; padding: 8px; }
h1 { font-size: 15pt; margin: 4px 0; }
h2 { font-size: 13pt; margin: 2px 0; }
p.titles { margin: 2px 0 6px; white-space: pre-wrap; font-family: "DejaVu Sans Mono", monospace; font-size: 9pt; }
section { padding-top: 6px; border-top: 2px solid #444; margin-top: 12px; }
.tables { display: grid; grid-template-columns: 1fr 1fr; gap: 10px; }
table { border-collapse: collapse; font-size: 9pt; width: 100%; }
caption { text-align: left; font-weight: bold; padding: 2px 0; }
td, th { border: 1px solid #bbb; padding: 1px 5px; text-align: left; }
td.num { text-align: right; font-variant-numeric: tabular-nums; }
.charts { display: grid; grid-template-columns: 1fr 1fr; gap: 6px; margin-top: 8px; }
svg.chart { width: 100%; height: auto; }
.run .charts { grid-template-columns: 1fr; max-width: 760px; }
p.error { color: #a00; font-weight: bold; }
@page { size: A4; margin: 10mm; }
@media print {
  body { max-width: none; padding: 0; }
  section { break-before: page; border-top: none; margin-top: 0; }
  header + section { break-before: auto; }
  .charts, .tables, svg.chart { break-inside: avoid; }
  .run .charts { grid-template-columns: 1fr 1fr; max-width: none; }
}
</style>
)";

std::string esc(const std::string& s) { return xml_text(s); }

std::string num(double v, int decimals) {
    if (!std::isfinite(v)) return "&#8212;";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string trimmed(const std::string& s) {
    const size_t end = s.find_last_not_of(' ');
    return end == std::string::npos ? "" : s.substr(0, end + 1);
}

struct Table {
    std::string html;
    explicit Table(const std::string& caption) {
        html = "<table><caption>" + esc(caption) + "</caption>\n";
    }
    void row(const std::string& label, const std::string& value, const std::string& unit) {
        html += "<tr><td>" + esc(label) + "</td><td class=\"num\">" + value + "</td><td>" +
                esc(unit) + "</td></tr>\n";
    }
    std::string done() { return html + "</table>\n"; }
};

}  // namespace

std::string html_prelude(const Run& run, const std::string& input_path,
                         const std::string& report_path) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    out += "<meta name=\"generator\" content=\"dorvane 1.0.0\">\n";
    const std::string base = std::filesystem::path(input_path).filename().string();
    out += "<title>Triaxial tests: " + esc(base) + "</title>\n";
    out += kStyle;
    out += "</head>\n<body>\n<header class=\"run-header\">\n<h1>Triaxial tests of " +
           esc(base) + "</h1>\n";
    out += "<table><tr><td>Input data file</td><td>" + esc(input_path) + "</td></tr>\n";
    out += "<tr><td>Report file</td><td>" + esc(report_path) + "</td></tr>\n";
    out += "<tr><td>Names in the report header</td><td>" + esc(trimmed(run.input_name)) + ", " +
           esc(trimmed(run.report_name)) + "</td></tr></table>\n</header>\n";
    return out;
}

std::string html_test(const Run& run, const Specimen& sp, const Readings& rd,
                      const std::vector<NamedChart>& charts) {
    const std::string n = std::to_string(run.NTEST);
    std::string out = "<section class=\"test\" id=\"test-" + n + "\">\n<h2>Test " + n + ": test number " +
                      num(run.in.TESTNO.v, 0) + "</h2>\n<p class=\"titles\">";
    for (int k = 0; k < 3; ++k) out += esc(trimmed(run.TITLES[k])) + (k < 2 ? "\n" : "");
    out += "</p>\n<div class=\"tables\">\n";

    Table s("Specimen");
    s.row("Layout of the test records", esc(std::string(layout_name(run))), "");
    s.row("Report option", num(run.in.REPOPT.v, 1), "");
    s.row("Cell pressure", num(sp.S3IKGC.v, 3), "kgf/cm2");
    s.row("Diameter D", num(run.in.D.v, 3), "cm");
    s.row("Height at the start of shear", num(sp.HSOFSH.v, 3), "cm");
    s.row("Area at the start of shear", num(sp.AREASOS.v, 3), "cm2");
    s.row("Bulk density", num(sp.DENSBK.v, 3), "g/cm3");
    s.row("Degree of saturation at set-up", num(sp.SATINL.v, 3), "");
    s.row("Void ratio at the end of consolidation", num(sp.VOIDRF.v, 3), "");
    s.row("Readings", std::to_string(sp.NREAD), "");
    out += s.done();

    Table r("Results");
    const int rows = reading_rows(sp.NREAD);
    const bool failed = rd.IFAIL >= 1 && rd.IFAIL <= rows;
    const int f = reading_index(rd.IFAIL);
    r.row("Failure reading", failed ? std::to_string(rd.IFAIL) : "&#8212;", "");
    if (failed) {
        r.row("Axial strain at failure", num(rd.AXSTRN[f].v, 2), "%");
        r.row("(S1-S3)/2 at failure", num(rd.HALF_DEVS[f].v, 3), "kgf/cm2");
        r.row("(S1-S3)/2 at failure", num(rd.TKPA[f].v, 1), "kPa");
        r.row("Effective (S1+S3)/2 at failure", num(rd.SEFKPA[f].v, 1), "kPa");
        r.row("Pore-water pressure at failure", num(rd.PP[f].v, 3), "kgf/cm2");
        r.row("S1/S3 at failure (effective)", num(rd.S1_S3[f].v, 3), "");
        r.row("Time to failure", num(rd.TCFAIL.v, 2), "h");
        r.row("Dilatancy rate at failure", num(rd.DVDH.v, 3), "");
    }
    if (ultimate_reported(run) && rd.IEND >= 1 && rd.IEND <= rows) {
        const int u = rd.IEND;
        r.row("Ultimate reading", std::to_string(u), "");
        r.row("(S1-S3)/2 at the ultimate reading", num(rd.TKPA[u].v, 1), "kPa");
        r.row("Effective (S1+S3)/2 at the ultimate reading", num(rd.SEFKPA[u].v, 1), "kPa");
    }
    out += r.done() + "</div>\n<div class=\"charts\">\n";
    for (const NamedChart& c : charts) append_svg(out, c.chart, false);
    out += "</div>\n</section>\n";
    return out;
}

std::string html_run(const Run& run, const Envelope& env, const std::vector<TestPoints>& tests,
                     const std::vector<NamedChart>& charts) {
    if (tests.empty()) return "";
    std::string out = "<section class=\"run\" id=\"run\">\n<h2>All tests of the run</h2>\n";
    out += "<div class=\"tables\">\n<table><caption>Failure points</caption>\n"
           "<tr><th>Test</th><th>Test number</th><th>Effective (S1+S3)/2 (kPa)</th>"
           "<th>(S1-S3)/2 (kPa)</th></tr>\n";
    for (const TestPoints& t : tests)
        out += "<tr><td class=\"num\">" + std::to_string(t.test) + "</td><td class=\"num\">" +
               esc(t.testno) + "</td><td class=\"num\">" +
               (t.failed ? num(t.sig, 1) : "&#8212;") + "</td><td class=\"num\">" +
               (t.failed ? num(t.tau, 1) : "&#8212;") + "</td></tr>\n";
    out += "</table>\n";
    const FitsRun fits = fits_run(run);
    Table e("Envelopes (effective stresses at failure)");
    if (!fits.any) e.row("No envelope was fitted", "", "");
    if (fits.through_origin) {
        e.row("Through the origin: phi'", num(env.PHIZRC[1].v, 2), "deg");
        e.row("Through the origin: correlation", num(env.COFZRC[1].v, 4), "");
    }
    if (fits.ordinary) {
        e.row("Least squares: phi'", num(env.PHILRG[1].v, 2), "deg");
        e.row("Least squares: c'", num(env.COHESN[1].v, 2), "kPa");
        e.row("Least squares: correlation", num(env.COFLIN[1].v, 4), "");
    }
    if (fits.power_curve) {
        e.row("Power curve: A", num(env.ACONST[1].v, 4), "");
        e.row("Power curve: B", num(env.BEXPNT[1].v, 4), "");
        e.row("Power curve: correlation of the logarithms", num(env.COFCOR[1].v, 4), "");
    }
    out += e.done() + "</div>\n<div class=\"charts\">\n";
    for (const NamedChart& c : charts) append_svg(out, c.chart, false);
    out += "</div>\n</section>\n";
    return out;
}

std::string html_end(const std::optional<RunError>& error) {
    std::string out;
    if (error) out += "<p class=\"error\">The run ended in an error: " + esc(error->line()) + "</p>\n";
    out += "<footer id=\"end\"></footer>\n</body>\n</html>\n";
    return out;
}

}  // namespace dorvane::plot
