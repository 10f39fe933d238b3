#include "export/csv_export.h"

#include "export/number_text.h"
#include "report/reading_index.h"

namespace dorvane {

namespace {

void end_record(std::string& out) {
    out.back() = '\r';  // the last separator becomes the record end
    out.push_back('\n');
}

void append_field(std::string& out, const Cell& c) {
    append_csv_field(out, c);
    out.push_back(',');
}

void append_text_field(std::string& out, std::string_view name) {
    append_csv_field(out, Cell(name));
    out.push_back(',');
}

// A value of a fit that ran, or an empty field.
Cell fitted(bool ran, Real v) { return ran ? Cell(v) : Cell(); }

}  // namespace

void append_csv_field(std::string& out, const Cell& c) {
    switch (c.kind) {
        case Cell::Kind::Real: append_number(out, c.f); break;
        case Cell::Kind::Int: out += std::to_string(c.i); break;
        case Cell::Kind::Text:
            if (c.s.find_first_of(",\"\r\n") == std::string_view::npos) {
                out += c.s;
            } else {
                out.push_back('"');
                for (char ch : c.s) {
                    if (ch == '"') out.push_back('"');
                    out.push_back(ch);
                }
                out.push_back('"');
            }
            break;
        case Cell::Kind::Empty: break;
    }
}

void append_readings_csv_header(std::string& out) {
    append_text_field(out, "test");
    append_text_field(out, "TESTNO");
    append_text_field(out, "reading");
    for (const ReadingColumn& c : reading_columns()) append_text_field(out, c.name);
    end_record(out);
}

void append_readings_csv_rows(std::string& out, const TestView& t) {
    const int rows = reading_rows(t.sp.NREAD);
    for (int i = 1; i <= rows; ++i) {
        append_field(out, Cell(t.run.NTEST));
        append_field(out, Cell(t.run.in.TESTNO));
        append_field(out, Cell(i));
        for (const ReadingColumn& c : reading_columns()) append_field(out, c.get(t, i));
        end_record(out);
    }
}

void append_tests_csv_header(std::string& out) {
    for (const TestColumnGroup& g : test_column_groups())
        for (const TestColumn& c : g.columns) append_text_field(out, c.name);
    end_record(out);
}

void append_tests_csv_row(std::string& out, const TestView& t) {
    for (const TestColumnGroup& g : test_column_groups())
        for (const TestColumn& c : g.columns) append_field(out, c.get(t));
    end_record(out);
}

void append_envelope_csv_header(std::string& out) {
    for (const char* name :
         {"record", "number", "SIG_1_kPa", "TAU_1_kPa", "SIG_2_kPa", "TAU_2_kPa", "through_origin",
          "ordinary_linear", "power_curve", "COFZRC_1", "COFZRC_2", "PHIZRC_1_deg", "PHIZRC_2_deg",
          "COFCOR_1", "COFCOR_2", "COHESN_1_kPa", "COHESN_2_kPa", "PHILRG_1_deg", "PHILRG_2_deg",
          "COFCOR_POWER_1", "COFCOR_POWER_2", "ACONST_1", "ACONST_2", "BEXPNT_1", "BEXPNT_2",
          "SIGTOP_kPa"})
        append_text_field(out, name);
    end_record(out);
}

void append_envelope_csv_rows(std::string& out, const Run& run, const Envelope& env) {
    const FitsRun f = fits_run(run);
    constexpr int kFitFields = 20;  // through_origin .. SIGTOP_kPa

    append_text_field(out, "fits");
    for (int k = 0; k < 5; ++k) append_field(out, Cell());
    append_field(out, Cell(f.through_origin ? 1 : 0));
    append_field(out, Cell(f.ordinary ? 1 : 0));
    append_field(out, Cell(f.power_curve ? 1 : 0));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.through_origin, env.COFZRC[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.through_origin, env.PHIZRC[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.ordinary, env.COFLIN[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.ordinary, env.COHESN[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.ordinary, env.PHILRG[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.power_curve, env.COFCOR[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.power_curve, env.ACONST[j]));
    for (int j = 1; j <= 2; ++j) append_field(out, fitted(f.power_curve, env.BEXPNT[j]));
    append_field(out, fitted(f.power_curve, env.SIGTOP));
    end_record(out);

    if (f.any) {
        for (int k = 1; k <= run.NTESTS; ++k) {
            append_text_field(out, "test");
            append_field(out, Cell(k));
            append_field(out, Cell(env.SIGALL.at(k, 1)));
            append_field(out, Cell(env.TAUALL.at(k, 1)));
            append_field(out, Cell(env.SIGALL.at(k, 2)));
            append_field(out, Cell(env.TAUALL.at(k, 2)));
            for (int n = 0; n < kFitFields; ++n) append_field(out, Cell());
            end_record(out);
        }
    }
    if (f.power_curve) {
        for (int k = 1; k <= 5; ++k) {
            append_text_field(out, "strength");
            append_field(out, Cell(k));
            append_field(out, Cell(env.SIGFOL[k]));
            append_field(out, Cell(env.TAUFOL[k]));
            append_field(out, Cell());
            append_field(out, Cell());
            for (int n = 0; n < kFitFields; ++n) append_field(out, Cell());
            end_record(out);
        }
    }
}

}  // namespace dorvane
