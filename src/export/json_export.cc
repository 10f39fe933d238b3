#include "export/json_export.h"

#include <cstdlib>

#include <nlohmann/json.hpp>

#include "export/number_text.h"
#include "report/reading_index.h"

namespace dorvane {

namespace {

using Json = nlohmann::ordered_json;

// A float goes in as the double nearest to its shortest decimal, which the
// serializer writes back as that same shortest decimal.
Json number(float v) {
    if (!exportable(v)) return nullptr;
    return std::strtod(number_text(v).c_str(), nullptr);
}

Json value(const Cell& c) {
    switch (c.kind) {
        case Cell::Kind::Real: return number(c.f);
        case Cell::Kind::Int: return c.i;
        case Cell::Kind::Text: return std::string(c.s);
        case Cell::Kind::Empty: break;
    }
    return nullptr;
}

Json fitted(bool ran, Real v) { return ran ? number(v.v) : Json(nullptr); }

std::string dump(const Json& j) {
    // Invalid UTF-8 in a title line is replaced rather than refused.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json envelope_object(const Run& run, const Envelope& env) {
    const FitsRun f = fits_run(run);
    Json e = Json::object();
    e["through_origin"] = f.through_origin;
    e["ordinary_linear"] = f.ordinary;
    e["power_curve"] = f.power_curve;
    Json sets = Json::array();
    for (int j = 1; j <= 2; ++j) {
        Json s = Json::object();
        s["result_set"] = j;
        s["COFZRC"] = fitted(f.through_origin, env.COFZRC[j]);
        s["PHIZRC_deg"] = fitted(f.through_origin, env.PHIZRC[j]);
        s["COFCOR"] = fitted(f.ordinary, env.COFLIN[j]);
        s["COHESN_kPa"] = fitted(f.ordinary, env.COHESN[j]);
        s["PHILRG_deg"] = fitted(f.ordinary, env.PHILRG[j]);
        s["COFCOR_POWER"] = fitted(f.power_curve, env.COFCOR[j]);
        s["ACONST"] = fitted(f.power_curve, env.ACONST[j]);
        s["BEXPNT"] = fitted(f.power_curve, env.BEXPNT[j]);
        sets.push_back(std::move(s));
    }
    e["result_sets"] = std::move(sets);
    e["SIGTOP_kPa"] = fitted(f.power_curve, env.SIGTOP);
    Json strength = Json::array();
    if (f.power_curve) {
        for (int k = 1; k <= 5; ++k) {
            Json s = Json::object();
            s["SIGFOL_kPa"] = number(env.SIGFOL[k].v);
            s["TAUFOL_kPa"] = number(env.TAUFOL[k].v);
            strength.push_back(std::move(s));
        }
    }
    e["strength_table"] = std::move(strength);
    Json tests = Json::array();
    if (f.any) {
        for (int k = 1; k <= run.NTESTS; ++k) {
            Json s = Json::object();
            s["test"] = k;
            s["SIG_1_kPa"] = number(env.SIGALL.at(k, 1).v);
            s["TAU_1_kPa"] = number(env.TAUALL.at(k, 1).v);
            s["SIG_2_kPa"] = number(env.SIGALL.at(k, 2).v);
            s["TAU_2_kPa"] = number(env.TAUALL.at(k, 2).v);
            tests.push_back(std::move(s));
        }
    }
    e["tests"] = std::move(tests);
    return e;
}

Json general_data_object(const TestView& t) {
    Json g = Json::object();
    for (const TestColumn& c : general_data_columns()) g[c.name] = value(c.get(t));
    return g;
}

}  // namespace

std::string json_prelude(const Run& run, const std::string& input_path,
                         const std::string& report_path) {
    Json head = Json::object();
    head["program"] = "dorvane";
    head["input"] = input_path;
    head["report"] = report_path;
    head["report_name"] = run.report_name;
    head["input_name"] = run.input_name;
    std::string text = dump(head);
    text.pop_back();  // the closing brace: the document goes on
    return "{\"run\":" + text + ",\"tests\":[\n";
}

std::string json_test(const TestView& t, bool first) {
    Json test = Json::object();
    for (const TestColumnGroup& g : test_column_groups()) {
        if (!g.json_key) {
            for (const TestColumn& c : g.columns) test[c.name] = value(c.get(t));
            continue;
        }
        if (std::string_view(g.json_key) == "ultimate" && !ultimate_reported(t.run)) {
            test[g.json_key] = nullptr;
            continue;
        }
        Json group = Json::object();
        for (const TestColumn& c : g.columns) group[c.name] = value(c.get(t));
        test[g.json_key] = std::move(group);
    }
    Json readings = Json::array();
    const int rows = reading_rows(t.sp.NREAD);
    for (int i = 1; i <= rows; ++i) {
        Json r = Json::object();
        r["reading"] = i;
        for (const ReadingColumn& c : reading_columns()) r[c.name] = value(c.get(t, i));
        readings.push_back(std::move(r));
    }
    test["readings"] = std::move(readings);
    return (first ? "" : ",\n") + dump(test);
}

std::string json_end(const Run& run, const Envelope& env) {
    // The run's own values at its end; a run without tests still has them.
    const Specimen no_specimen;
    static const Readings no_readings;
    const TestView t{run, no_specimen, no_readings};
    Json tail = Json::object();
    tail["layout"] = std::string(layout_name(run));
    tail["general_data"] = general_data_object(t);
    tail["test_count"] = run.NTEST;
    tail["envelope"] = envelope_object(run, env);
    tail["status"] = 0;
    tail["error"] = nullptr;
    std::string text = dump(tail);
    return "\n]," + text.substr(1) + "}\n";
}

std::string json_end_after_error(const RunError& e) {
    Json tail = Json::object();
    tail["status"] = 1;
    tail["error"] = e.line();
    std::string text = dump(tail);
    return "\n]," + text.substr(1) + "}\n";
}

}  // namespace dorvane
