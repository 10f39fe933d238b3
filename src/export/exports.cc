#include "export/exports.h"

#include "export/csv_export.h"
#include "export/json_export.h"
#include "records/files.h"

namespace dorvane {

namespace {

// Hands text to the file; a short write (a full disk, a size limit) is the
// run-time error 38 on the file's unit.
void put(const ExportFile& file, const std::string& text) {
    if (!file.f) return;
    if (std::fwrite(text.data(), 1, text.size(), file.f) != text.size())
        throw RunError{38, file.unit, absolute_name(file.path)};
}

// Opens each named file in turn; on a failure removes the ones this call
// created, closes them and rethrows.
struct Opening {
    std::vector<ExportFile*> made;

    void open(ExportFile& file, const std::string& name, int unit) {
        if (name.empty()) return;
        file.f = create_new_file(name, unit);
        file.unit = unit;
        file.path = name;
        made.push_back(&file);
    }

    void undo() {
        for (ExportFile* file : made) {
            std::fclose(file->f);
            file->f = nullptr;
            std::remove(file->path.c_str());
        }
    }
};

}  // namespace

void open_exports(ExportFiles& ex, const ExportNames& names, const Run& run,
                  const std::string& input_path, const std::string& report_path) {
    Opening o;
    try {
        o.open(ex.readings, names.readings_csv, kReadingsCsvUnit);
        o.open(ex.tests, names.tests_csv, kTestsCsvUnit);
        o.open(ex.envelope, names.envelope_csv, kEnvelopeCsvUnit);
        o.open(ex.json, names.json, kJsonUnit);
    } catch (const RunError&) {
        o.undo();
        throw;
    }
    std::string text;
    append_readings_csv_header(text);
    put(ex.readings, text);
    text.clear();
    append_tests_csv_header(text);
    put(ex.tests, text);
    text.clear();
    append_envelope_csv_header(text);
    put(ex.envelope, text);
    put(ex.json, json_prelude(run, input_path, report_path));
}

RunHooks export_hooks(ExportFiles& ex) {
    RunHooks hooks;
    hooks.after_test = [&ex](const Run& run, const Specimen& sp, const Readings& rd) {
        const TestView t{run, sp, rd};
        if (ex.readings.f) {
            ex.buffer.clear();
            append_readings_csv_rows(ex.buffer, t);
            put(ex.readings, ex.buffer);
        }
        if (ex.tests.f) {
            ex.buffer.clear();
            append_tests_csv_row(ex.buffer, t);
            put(ex.tests, ex.buffer);
        }
        if (ex.json.f) put(ex.json, json_test(t, ex.first_test));
        ex.first_test = false;
    };
    hooks.at_end = [&ex](const Run& run, const Envelope& env) {
        if (ex.envelope.f) {
            ex.buffer.clear();
            append_envelope_csv_rows(ex.buffer, run, env);
            put(ex.envelope, ex.buffer);
        }
        if (ex.json.f) put(ex.json, json_end(run, env));
    };
    return hooks;
}

std::optional<RunError> close_exports(ExportFiles& ex, const std::optional<RunError>& error) {
    std::optional<RunError> close_error;
    if (error && ex.json.f) {
        try {
            put(ex.json, json_end_after_error(*error));
        } catch (const RunError&) {
            // the run's own error is the one reported
        }
    }
    for (ExportFile* file : {&ex.readings, &ex.tests, &ex.envelope, &ex.json}) {
        if (!file->f) continue;
        if (std::fclose(file->f) != 0 && !error && !close_error)
            close_error = RunError{38, file->unit, absolute_name(file->path)};
        file->f = nullptr;
    }
    return close_error;
}

}  // namespace dorvane
