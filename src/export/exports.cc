#include "export/exports.h"

#include "export/csv_export.h"
#include "export/json_export.h"
#include "records/files.h"

namespace dorvane {

namespace {

void put(std::FILE* f, const std::string& text) {
    if (f) std::fwrite(text.data(), 1, text.size(), f);
}

// Opens each named file in turn; on a failure removes the ones this call
// created, closes them and rethrows.
struct Opening {
    std::vector<std::pair<std::FILE**, std::string>> made;

    void open(std::FILE** slot, const std::string& name, int unit) {
        if (name.empty()) return;
        *slot = create_new_file(name, unit);
        made.emplace_back(slot, name);
    }

    void undo() {
        for (auto& [slot, name] : made) {
            std::fclose(*slot);
            *slot = nullptr;
            std::remove(name.c_str());
        }
    }
};

}  // namespace

void open_exports(ExportFiles& ex, const ExportNames& names, const Run& run,
                  const std::string& input_path, const std::string& report_path) {
    Opening o;
    try {
        o.open(&ex.readings, names.readings_csv, kReadingsCsvUnit);
        o.open(&ex.tests, names.tests_csv, kTestsCsvUnit);
        o.open(&ex.envelope, names.envelope_csv, kEnvelopeCsvUnit);
        o.open(&ex.json, names.json, kJsonUnit);
    } catch (const RunError&) {
        o.undo();
        throw;
    }
    std::string text;
    if (ex.readings) {
        append_readings_csv_header(text);
        put(ex.readings, text);
    }
    if (ex.tests) {
        text.clear();
        append_tests_csv_header(text);
        put(ex.tests, text);
    }
    if (ex.envelope) {
        text.clear();
        append_envelope_csv_header(text);
        put(ex.envelope, text);
    }
    put(ex.json, json_prelude(run, input_path, report_path));
}

RunHooks export_hooks(ExportFiles& ex) {
    RunHooks hooks;
    hooks.after_test = [&ex](const Run& run, const Specimen& sp, const Readings& rd) {
        const TestView t{run, sp, rd};
        if (ex.readings) {
            ex.buffer.clear();
            append_readings_csv_rows(ex.buffer, t);
            put(ex.readings, ex.buffer);
        }
        if (ex.tests) {
            ex.buffer.clear();
            append_tests_csv_row(ex.buffer, t);
            put(ex.tests, ex.buffer);
        }
        if (ex.json) {
            put(ex.json, json_test(t, ex.first_test));
        }
        ex.first_test = false;
    };
    hooks.at_end = [&ex](const Run& run, const Envelope& env) {
        if (ex.envelope) {
            ex.buffer.clear();
            append_envelope_csv_rows(ex.buffer, run, env);
            put(ex.envelope, ex.buffer);
        }
        if (ex.json) put(ex.json, json_end(run, env));
    };
    return hooks;
}

void close_exports(ExportFiles& ex, const std::optional<RunError>& error) {
    if (error && ex.json) put(ex.json, json_end_after_error(*error));
    for (std::FILE** f : {&ex.readings, &ex.tests, &ex.envelope, &ex.json}) {
        if (*f) std::fclose(*f);
        *f = nullptr;
    }
}

}  // namespace dorvane
