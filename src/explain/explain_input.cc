#include "explain/explain_input.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "driver/test_loop.h"
#include "explain/field_names.h"
#include "explain/record_checks.h"
#include "records/files.h"
#include "records/output_unit.h"
#include "records/run_state.h"
#include "specimen/layout_kind.h"
#include "specimen/specimen_state.h"

namespace dorvane {

namespace {

enum class Statement { General1, General2, Title, ReadA, ReadB, ReadC, ShortRecords, Coefficients, Reading };

// Which READ of the run a record belongs to, from where its first item goes.
Statement statement_of(const Run& run, const RecordSeen& r) {
    const InputFields& f = run.in;
    if (r.list_directed) return Statement::Reading;
    if (r.first_item == &f.MODE) return Statement::General1;
    if (r.first_item == &f.PSETPR) return Statement::General2;
    if (r.first_item == run.TITLE.data()) return Statement::Title;
    if (r.first_item == &f.MCOAT) return Statement::ReadA;
    if (r.first_item == &f.TOPCAP) return Statement::ReadB;
    if (r.first_item == &f.TESTNO) return Statement::ReadC;
    if (r.first_item == &f.S3IPSI) return Statement::ShortRecords;
    if (r.first_item == &f.COEF01) return Statement::Coefficients;
    return Statement::Reading;
}

// The walk's own account of where it stands in the file.
struct Explainer {
    const Run& run;
    int only_test;
    const std::function<void(std::string_view)>& out;
    int test = 0;
    int title_line = 0;
    Statement last = Statement::General1;
    int reading = 0;
    int nread = 0;
    int warnings = 0;
    // The clock and strain dial of the reading before, as the run carries them.
    double day = 0, hour = 0, time = 0, dial = 0;
    bool have_clock = false, have_dial = false;
    // The readings of the current test so far: where the gap of a missing one shows.
    struct Point {
        int reading, line;
        double time, dial;
    };
    std::vector<Point> points = {};
};

std::string number_text(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", v);  // every digit a float holds
    return buf;
}

std::string role_of(const Explainer& x, Statement s, const RecordSeen& r) {
    const std::string test = "test " + std::to_string(x.test) + ", ";
    const std::string rec = std::to_string(r.record_in_read + 1);
    switch (s) {
        case Statement::General1:
            return x.test == 0 ? "general data record 1"
                               : "general data record 1 (new general data after test " + std::to_string(x.test) + ")";
        case Statement::General2: return "general data record 2";
        case Statement::Title: return test + "title line " + std::to_string(x.title_line);
        case Statement::ReadA: return test + "READ A record " + rec;
        case Statement::ReadB: return test + "READ B record " + rec;
        case Statement::ReadC: return test + "READ C record " + rec;
        case Statement::ShortRecords: return test + "specimen record " + rec;
        case Statement::Coefficients: return test + "coefficient record";
        case Statement::Reading:
            return test + "reading " + std::to_string(x.reading) + " of " + std::to_string(x.nread) +
                   (r.record_in_read > 0 ? " (continued)" : "");
    }
    return "";
}

const FieldSeen* seen_named(const RecordSeen& r, const std::vector<NamedField>& names, std::string_view name) {
    for (size_t k = 0; k < names.size(); ++k)
        if (names[k].name == name) return &r.fields[k];
    return nullptr;
}

double value_of(const FieldSeen* f) { return f && f->real ? static_cast<double>(*f->real) : 0.0; }

// Values the evaluation cannot use, with the range it relies on.
void range_findings(const Explainer& x, Statement s, const RecordSeen& r, const std::vector<NamedField>& names,
                    std::vector<RecordFinding>& found) {
    const InputFields& f = x.run.in;
    const bool standard = s == Statement::ReadA && !extended_layout(x.run);
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string& n = names[k].name;
        if (!r.fields[k].real) continue;
        const float v = *r.fields[k].real;
        const std::string is = n + " = " + number_text(v) + ": ";
        if ((n == "H" || n == "GS" || (n == "D" && !(standard && f.DREF != 0.0f))) && !(v > 0.0f)) {
            const char* what = n == "H" ? "the specimen height (cm)" : n == "D" ? "the specimen diameter (cm)"
                                                                                : "the specific gravity of the solids";
            found.push_back({n, is + what + " must be above 0"});
        } else if ((n == "WCINL" || n == "WCFIN.") && !(v >= 0.0f && v <= 2.0f)) {
            found.push_back({n, is + "a water content is a ratio (0.25, not 25 %) and must lie in 0..2"});
        } else if (n == "FRACA" && (s != Statement::ReadA || !standard || f.KDHCON == 0.0f) &&
                   !(v >= 0.5f && v <= 1.0f)) {
            found.push_back({n, is + "the fraction of the initial area before shear must lie in 0.5..1"});
        } else if ((n == "DHCON" && standard && f.KDHCON != 0.0f) || (n == "DHSHRT" && v != 0.0f)) {
            const float fraca = Real(1.0f - 2.0f * v / f.H);
            if (!(fraca >= 0.5f && fraca <= 1.0f))
                found.push_back({n, is + "gives FRACA = 1 - 2*" + n + "/H = " + number_text(fraca) +
                                        ", outside 0.5..1"});
        } else if (n == "ALPHA" && !(v > 0.0f && v <= 90.0f)) {
            found.push_back({n, is + "the failure-plane inclination must lie above 0 and up to 90 degrees "
                                     "(45: no plane appeared)"});
        } else if (n == "RNREAD" && truncate_to_int(v) > 80) {
            found.push_back({n, is + "announces " + std::to_string(truncate_to_int(v)) +
                                    " readings; a test holds 1..80 (the run refuses it)"});
        }
    }
}

// Clock and strain dial against the reading before: a block longer or
// shorter than its count shows as readings that run backwards.
void reading_findings(Explainer& x, const RecordSeen& r, const std::vector<NamedField>& names,
                      std::vector<RecordFinding>& found) {
    const FieldSeen* minute = seen_named(r, names, "MINUTE");
    if (minute) {
        double day = value_of(seen_named(r, names, "DAY"));
        double hour = value_of(seen_named(r, names, "HOUR"));
        if (x.have_clock) {  // blank day and hour fields repeat the reading before
            day = std::max(day, x.day);
            hour = std::max(hour, x.hour);
        }
        const double time = (day * 24.0 + hour) * 60.0 + value_of(minute);
        if (x.have_clock && time < x.time)
            found.push_back({"MINUTE", "the clock goes back (day " + number_text(day) + ", hour " +
                                           number_text(hour) + ", minute " + number_text(value_of(minute)) +
                                           " after " + number_text(x.time) + " minutes): a reading may be "
                                           "missing, extra or out of place"});
        x.day = day;
        x.hour = hour;
        x.time = time;
        x.have_clock = true;
    }
    const FieldSeen* dial = seen_named(r, names, "S.DIAL");
    if (dial) {
        const double v = value_of(dial);
        if (x.have_dial && v < x.dial)
            found.push_back({"S.DIAL", "the strain dial goes back from " + number_text(x.dial) + " to " +
                                           number_text(v) + ": readings are taken while the specimen shortens, "
                                           "so a reading may be missing, extra or shifted"});
        x.dial = v;
        x.have_dial = true;
    }
    if (r.record_in_read == 0 || dial)
        x.points.push_back({x.reading, r.line, x.have_clock ? x.time : 0.0, x.have_dial ? x.dial : 0.0});
}

// The step of a series that stands out most against the steps beside it
// (a missing reading leaves about twice the step); empty when none does.
struct Gap {
    double ratio = 0;
    std::string text;
    int line = 0;
};

Gap largest_gap(const std::vector<Explainer::Point>& points, double Explainer::Point::*value, const char* field) {
    Gap best;
    for (size_t k = 1; k < points.size(); ++k) {
        const double step = points[k].*value - points[k - 1].*value;
        double beside = 0;
        int n = 0;
        if (k >= 2) beside += points[k - 1].*value - points[k - 2].*value, ++n;
        if (k + 1 < points.size()) beside += points[k + 1].*value - points[k].*value, ++n;
        if (n == 0 || !(beside > 0.0)) continue;
        const double ratio = step / (beside / n);
        if (!(ratio >= 1.6) || ratio <= best.ratio) continue;
        best = {ratio,
                std::string(field) + " steps by " + number_text(step) + " from reading " +
                    std::to_string(points[k - 1].reading) + " to " + std::to_string(points[k].reading) + ", " +
                    number_text(ratio) + " times the steps beside it: a reading may be missing just before this line",
                points[k].line};
    }
    return best;
}

void observe(Explainer& x, const RecordSeen& r) {
    const Run& run = x.run;
    const Statement s = statement_of(run, r);
    if (r.record_in_read == 0) {
        if (s == Statement::Title) {
            if (x.last != Statement::Title || x.title_line == 3) {
                ++x.test;
                x.title_line = 1;
            } else {
                ++x.title_line;
            }
        } else if (s == Statement::ReadA || s == Statement::ShortRecords) {
            x.reading = 0;
        } else if (s == Statement::Reading) {
            if (++x.reading == 1 || x.last != Statement::Reading) {
                x.nread = truncate_to_int(run.in.RNREAD);
                x.have_clock = x.have_dial = false;
                x.points.clear();
            }
        }
    }
    x.last = s;

    // The fields under their names.
    std::vector<NamedField> names;
    for (size_t k = 0; k < r.fields.size(); ++k) {
        const FieldSeen& f = r.fields[k];
        std::string name = s == Statement::Reading ? reading_field_name(r.list_directed, short_layout(run), f.item)
                                                   : input_field_name(run.in, f.real);
        if (name.empty()) name = "item " + std::to_string(f.item + 1);
        names.push_back({name, f.first, f.width});
    }

    std::vector<RecordFinding> found;
    // A blank second or third title line is a title like any other; a blank
    // first one is an empty line out of place (or one at the end of the file).
    if (s == Statement::Title) {
        if (blank_record(r.record) && x.title_line == 1)
            found.push_back({"", "an empty line, read as the first title line of a test (at the end of the "
                                 "file: of one more test): every record after it may sit one line off"});
        else if (title_reads_as_numbers(r.record))
            found.push_back({"TITLE", "the title line reads like a record of numbers: a record before it "
                                      "may be missing or extra, or the readings count be wrong"});
    } else if (blank_record(r.record)) {
        found.push_back({"", "an empty line, read as a record of zeros: every record after it may sit "
                             "one line off"});
    } else if (!r.list_directed) {
        bool fixed_record = false;
        if (s == Statement::Reading) {
            const bool ext = extended_layout(run);
            fixed_record = reads_as_fixed_record(r.record, ext ? 10 : 8, ext ? 8 : 9, names);
            if (fixed_record)
                found.push_back({"", std::string("the reading reads like the first specimen record of a test (") +
                                         (ext ? "10" : "8") + "-column fields): the block may be shorter than "
                                         "its RNREAD = " + std::to_string(x.nread) + " readings"});
        }
        if (!fixed_record)
            for (RecordFinding& f : boundary_findings(r.record, names)) found.push_back(std::move(f));
        for (RecordFinding& f : ignored_column_findings(r.record, names)) found.push_back(std::move(f));
        for (RecordFinding& f : letter_findings(r.record, names)) found.push_back(std::move(f));
    }
    if (s == Statement::Reading) reading_findings(x, r, names, found);
    else range_findings(x, s, r, names, found);

    const int test = s == Statement::General1 || s == Statement::General2 ? 0 : x.test;
    if (x.only_test > 0 && test != x.only_test) return;

    std::string text = "line " + std::to_string(r.line) + ": " + role_of(x, s, r) + "\n";
    char buf[160];
    if (s == Statement::Title) {
        std::string t = run.TITLE;
        t.erase(t.find_last_not_of(' ') + 1);
        std::snprintf(buf, sizeof buf, "    %-11s %-16s \"%s\"\n", "TITLE", "columns 1-80", t.c_str());
        text += buf;
    } else {
        for (size_t k = 0; k < names.size(); ++k) {
            const FieldSeen& f = r.fields[k];
            std::snprintf(buf, sizeof buf, "    %-11s %-16s %s\n", names[k].name.c_str(),
                          columns_of(f.first, f.width).c_str(), f.real ? number_text(*f.real).c_str() : "-");
            text += buf;
        }
    }
    for (const RecordFinding& f : found) {
        text += "  warning: line " + std::to_string(r.line);
        if (!f.field.empty()) {
            int k = 0;
            while (k < static_cast<int>(names.size()) && names[static_cast<size_t>(k)].name != f.field) ++k;
            text += ", field " + f.field;
            if (k < static_cast<int>(names.size()))
                text += " (" + columns_of(names[static_cast<size_t>(k)].first, names[static_cast<size_t>(k)].width) + ")";
        }
        text += ": " + f.text + "\n";
    }
    x.warnings += static_cast<int>(found.size());
    x.out(text);
}

}  // namespace

ExplainOutcome explain_records(InputUnit& in, int only_test,
                               const std::function<void(std::string_view)>& out) {
    Run run;
    Explainer x{run, only_test, out};
    in.set_observer([&x](const RecordSeen& r) { observe(x, r); });
    ExplainOutcome outcome;
    // The report of the run is made and thrown away.
    std::FILE* nowhere = std::fopen("/dev/null", "w");
    std::string memory;
    {
        std::unique_ptr<OutputUnit> report = nowhere ? std::make_unique<OutputUnit>(6, "", nowhere)
                                                     : std::make_unique<OutputUnit>(&memory);
        try {
            run_tests(run, in, *report);
        } catch (const RunError& e) {
            outcome.error = e;
        }
    }
    if (nowhere) std::fclose(nowhere);
    in.set_observer({});
    outcome.warnings = x.warnings;
    // A block shorter than its count: the record after it (the next test's
    // title line) cannot be read as a reading.
    if (outcome.error && outcome.error->number == 64 && x.last == Statement::Reading &&
        (only_test == 0 || only_test == x.test)) {
        out("  warning: line " + std::to_string(in.line_number()) + ": reading " + std::to_string(x.reading + 1) +
            " of " + std::to_string(x.nread) + " of test " + std::to_string(x.test) +
            " does not read as numbers: the block holds fewer readings than RNREAD says "
            "(a line missing, or the count too large)\n");
        ++outcome.warnings;
        const Gap dial = largest_gap(x.points, &Explainer::Point::dial, "S.DIAL");
        const Gap clock = largest_gap(x.points, &Explainer::Point::time, "the clock (minutes)");
        const Gap& gap = dial.ratio >= clock.ratio ? dial : clock;
        if (!gap.text.empty()) {
            out("  warning: line " + std::to_string(gap.line) + ": " + gap.text + "\n");
            ++outcome.warnings;
        }
    }
    if (outcome.error)
        out("line " + std::to_string(in.line_number()) + ": the run stops here with severe (" +
            std::to_string(outcome.error->number) + ")\n");
    else
        out("end of the file after line " + std::to_string(in.line_number()) + "\n");
    out(std::to_string(outcome.warnings) + (outcome.warnings == 1 ? " warning\n" : " warnings\n"));
    return outcome;
}

int explain_file(const std::string& path, int only_test) {
    std::FILE* file = nullptr;
    ExplainOutcome outcome;
    try {
        file = open_input_file(path);
        InputUnit in(5, absolute_name(path), file);
        outcome = explain_records(in, only_test, [](std::string_view s) { std::fwrite(s.data(), 1, s.size(), stdout); });
    } catch (const RunError& e) {
        outcome.error = e;
    }
    if (file) std::fclose(file);
    std::fflush(stdout);
    if (outcome.error) {
        std::fprintf(stderr, "%s\n", outcome.error->line().c_str());
        return 1;
    }
    return outcome.warnings > 0 ? 3 : 0;
}

}  // namespace dorvane
