#include "export/json_export.h"

#include <nlohmann/json.hpp>

#include "export/number_text.h"
#include "report/reading_index.h"

namespace dorvane {

namespace {

// JSON text built member by member: a run has up to 80 readings of some 60
// values in each of any number of tests, so objects are written straight
// out rather than assembled as trees. Numbers are the same shortest
// round-trip text as in the CSV files.
struct JsonText {
    std::string& out;
    bool first = true;

    void open(char c) {
        out.push_back(c);
        first = true;
    }
    void close(char c) {
        out.push_back(c);
        first = false;
    }
    void next() {
        if (!first) out.push_back(',');
        first = false;
    }
    // Keys are the exports' own names: plain ASCII, nothing to escape.
    void key(std::string_view k) {
        next();
        out.push_back('"');
        out += k;
        out += "\":";
        first = true;  // the value follows without a comma
    }

    void string(std::string_view s) {
        // Invalid UTF-8 in a title line is replaced rather than refused.
        out += nlohmann::json(std::string(s)).dump(-1, ' ', false,
                                                   nlohmann::json::error_handler_t::replace);
    }
    void number(float v) {
        if (exportable(v)) append_number(out, v);
        else out += "null";
    }
    void value(const Cell& c) {
        next();
        switch (c.kind) {
            case Cell::Kind::Real: number(c.f); break;
            case Cell::Kind::Int: out += std::to_string(c.i); break;
            case Cell::Kind::Text: string(c.s); break;
            case Cell::Kind::Empty: out += "null"; break;
        }
    }
    void member(std::string_view k, const Cell& c) {
        key(k);
        value(c);
    }
    void member(std::string_view k, bool b) {
        key(k);
        next();
        out += b ? "true" : "false";
    }
    // A value of a fit that ran, else null.
    void fitted(std::string_view k, bool ran, Real v) { member(k, ran ? Cell(v) : Cell()); }
};

void put_columns(JsonText& j, std::span<const TestColumn> columns, const TestView& t) {
    for (const TestColumn& c : columns) j.member(c.name, c.get(t));
}

void put_envelope(JsonText& j, const Run& run, const Envelope& env) {
    const FitsRun f = fits_run(run);
    j.open('{');
    j.member("through_origin", f.through_origin);
    j.member("ordinary_linear", f.ordinary);
    j.member("power_curve", f.power_curve);
    j.key("result_sets");
    j.next();
    j.open('[');
    for (int s = 1; s <= 2; ++s) {
        j.next();
        j.open('{');
        j.member("result_set", Cell(s));
        j.fitted("COFZRC", f.through_origin, env.COFZRC[s]);
        j.fitted("PHIZRC_deg", f.through_origin, env.PHIZRC[s]);
        j.fitted("COFCOR", f.ordinary, env.COFLIN[s]);
        j.fitted("COHESN_kPa", f.ordinary, env.COHESN[s]);
        j.fitted("PHILRG_deg", f.ordinary, env.PHILRG[s]);
        j.fitted("COFCOR_POWER", f.power_curve, env.COFCOR[s]);
        j.fitted("ACONST", f.power_curve, env.ACONST[s]);
        j.fitted("BEXPNT", f.power_curve, env.BEXPNT[s]);
        j.close('}');
    }
    j.close(']');
    j.fitted("SIGTOP_kPa", f.power_curve, env.SIGTOP);
    j.key("strength_table");
    j.next();
    j.open('[');
    for (int k = 1; f.power_curve && k <= 5; ++k) {
        j.next();
        j.open('{');
        j.member("SIGFOL_kPa", Cell(env.SIGFOL[k]));
        j.member("TAUFOL_kPa", Cell(env.TAUFOL[k]));
        j.close('}');
    }
    j.close(']');
    j.key("tests");
    j.next();
    j.open('[');
    for (int k = 1; f.any && k <= run.NTESTS; ++k) {
        j.next();
        j.open('{');
        j.member("test", Cell(k));
        j.member("SIG_1_kPa", Cell(env.SIGALL.at(k, 1)));
        j.member("TAU_1_kPa", Cell(env.TAUALL.at(k, 1)));
        j.member("SIG_2_kPa", Cell(env.SIGALL.at(k, 2)));
        j.member("TAU_2_kPa", Cell(env.TAUALL.at(k, 2)));
        j.close('}');
    }
    j.close(']');
    j.close('}');
}

}  // namespace

std::string json_prelude(const Run& run, const std::string& input_path,
                         const std::string& report_path) {
    std::string out;
    JsonText j{out};
    j.open('{');
    j.key("run");
    j.next();
    j.open('{');
    j.member("program", Cell(std::string_view("dorvane")));
    j.member("input", Cell(std::string_view(input_path)));
    j.member("report", Cell(std::string_view(report_path)));
    j.member("report_name", Cell(std::string_view(run.report_name)));
    j.member("input_name", Cell(std::string_view(run.input_name)));
    j.key("tests");
    out += "[\n";
    return out;
}

std::string json_test(const TestView& t, bool first) {
    std::string out = first ? "" : ",\n";
    JsonText j{out};
    j.open('{');
    for (const TestColumnGroup& g : test_column_groups()) {
        if (!g.json_key) {
            put_columns(j, g.columns, t);
        } else if (std::string_view(g.json_key) == "ultimate" && !ultimate_reported(t.run)) {
            j.member(g.json_key, Cell());
        } else {
            j.key(g.json_key);
            j.next();
            j.open('{');
            put_columns(j, g.columns, t);
            j.close('}');
        }
    }
    j.key("readings");
    j.next();
    j.open('[');
    const int rows = reading_rows(t.sp.NREAD);
    for (int i = 1; i <= rows; ++i) {
        j.next();
        j.open('{');
        j.member("reading", Cell(i));
        for (const ReadingColumn& c : reading_columns()) j.member(c.name, c.get(t, i));
        j.close('}');
    }
    j.close(']');
    j.close('}');
    return out;
}

std::string json_end(const Run& run, const Envelope& env) {
    // The run's own values at its end; a run without tests still has them.
    const Specimen no_specimen;
    static const Readings no_readings;
    const TestView t{run, no_specimen, no_readings};
    std::string out = "\n]";
    JsonText j{out, false};
    j.member("layout", Cell(layout_name(run)));
    j.key("general_data");
    j.next();
    j.open('{');
    put_columns(j, general_data_columns(), t);
    j.close('}');
    j.member("test_count", Cell(run.NTEST));
    j.key("envelope");
    j.next();
    put_envelope(j, run, env);
    j.member("status", Cell(0));
    j.member("error", Cell());
    out += "}}\n";
    return out;
}

std::string json_end_after_error(const RunError& e) {
    std::string out = "\n]";
    JsonText j{out, false};
    const std::string line = e.line();
    j.member("status", Cell(1));
    j.member("error", Cell(std::string_view(line)));
    out += "}}\n";
    return out;
}

}  // namespace dorvane
