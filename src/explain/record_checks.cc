#include "explain/record_checks.h"

#include <cctype>

namespace dorvane {

namespace {

bool separates(char c) { return c == ' ' || c == '\t' || c == ','; }

struct Run {
    int first;
    int end;  // one past the last column
};

std::vector<Run> runs_of(std::string_view record) {
    std::vector<Run> runs;
    int n = static_cast<int>(record.size());
    for (int k = 0; k < n;) {
        if (separates(record[static_cast<size_t>(k)])) {
            ++k;
            continue;
        }
        int start = k;
        while (k < n && !separates(record[static_cast<size_t>(k)])) ++k;
        runs.push_back({start, k});
    }
    return runs;
}

// Index of the field that takes column c, or -1.
int field_at(const std::vector<NamedField>& fields, int c) {
    for (size_t k = 0; k < fields.size(); ++k)
        if (c >= fields[k].first && c < fields[k].first + fields[k].width) return static_cast<int>(k);
    return -1;
}

// A number written out whole: sign, digits with at most one point, an
// optional exponent; not ending in a point, sign or exponent letter.
bool whole_number(std::string_view s) {
    size_t k = 0;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    size_t digits = 0, points = 0;
    for (; k < s.size() && (std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '.'); ++k) {
        if (s[k] == '.') ++points;
        else ++digits;
    }
    if (digits == 0 || points > 1) return false;
    if (s[k - 1] == '.' && k < s.size()) return false;
    if (k < s.size() && std::string_view("EeDd").find(s[k]) != std::string_view::npos) {
        ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        size_t exp_digits = 0;
        for (; k < s.size() && std::isdigit(static_cast<unsigned char>(s[k])); ++k) ++exp_digits;
        if (exp_digits == 0) return false;
    }
    return k == s.size() && s.back() != '.';
}

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

}  // namespace

std::string columns_of(int first, int width) {
    if (width <= 1) return "column " + std::to_string(first + 1);
    return "columns " + std::to_string(first + 1) + "-" + std::to_string(first + width);
}

bool blank_record(std::string_view record) {
    for (char c : record)
        if (c != ' ' && c != '\t') return false;
    return true;
}

std::vector<RecordFinding> boundary_findings(std::string_view record,
                                             const std::vector<NamedField>& fields) {
    std::vector<RecordFinding> found;
    for (const Run& run : runs_of(record)) {
        // The pieces of the run, one per field (or per stretch of no field).
        std::vector<std::pair<int, Run>> pieces;
        for (int c = run.first; c < run.end; ++c) {
            int f = field_at(fields, c);
            if (pieces.empty() || pieces.back().first != f) pieces.push_back({f, {c, c + 1}});
            else pieces.back().second.end = c + 1;
        }
        if (pieces.size() < 2) continue;
        const std::string_view whole = record.substr(static_cast<size_t>(run.first),
                                                     static_cast<size_t>(run.end - run.first));
        bool sound = true;
        for (size_t k = 0; k < pieces.size() && sound; ++k) {
            const Run& p = pieces[k].second;
            std::string_view s = record.substr(static_cast<size_t>(p.first), static_cast<size_t>(p.end - p.first));
            if (pieces[k].first < 0) {
                sound = false;
                const NamedField* before = k > 0 && pieces[k - 1].first >= 0
                                               ? &fields[static_cast<size_t>(pieces[k - 1].first)] : nullptr;
                found.push_back({before ? before->name : "",
                                 quoted(whole) + " reaches " + columns_of(p.first, p.end - p.first) +
                                     ", which no field takes: the number sits out of its columns"});
                break;
            }
            if (!whole_number(s) || (k > 0 && (s.find('.') == std::string_view::npos || s[0] == '.'))) {
                sound = false;
                const NamedField& here = fields[static_cast<size_t>(pieces[k].first)];
                const NamedField& left = k > 0 && pieces[k - 1].first >= 0
                                             ? fields[static_cast<size_t>(pieces[k - 1].first)] : here;
                const NamedField& right = k > 0 ? here
                                          : pieces.size() > 1 && pieces[1].first >= 0
                                              ? fields[static_cast<size_t>(pieces[1].first)] : here;
                found.push_back({left.name, quoted(whole) + " runs across the boundary of " + left.name + " (" +
                                                columns_of(left.first, left.width) + ") and " + right.name +
                                                " (" + columns_of(right.first, right.width) +
                                                "): a number split between two fields"});
            }
        }
    }
    return found;
}

std::vector<RecordFinding> ignored_column_findings(std::string_view record,
                                                   const std::vector<NamedField>& fields) {
    std::vector<RecordFinding> found;
    int n = static_cast<int>(record.size());
    for (int c = 0; c < n; ++c) {
        char ch = record[static_cast<size_t>(c)];
        if (!std::isalnum(static_cast<unsigned char>(ch)) || field_at(fields, c) >= 0) continue;
        int end = c;
        while (end < n && !separates(record[static_cast<size_t>(end)]) && field_at(fields, end) < 0) ++end;
        const bool letters = std::isalpha(static_cast<unsigned char>(ch));
        found.push_back({"", quoted(record.substr(static_cast<size_t>(c), static_cast<size_t>(end - c))) +
                                 " in " + columns_of(c, end - c) +
                                 (letters ? ", letters in a numeric record, in columns this record ignores"
                                          : ", digits in columns this record ignores")});
        c = end;
    }
    return found;
}

std::vector<RecordFinding> letter_findings(std::string_view record,
                                           const std::vector<NamedField>& fields) {
    std::vector<RecordFinding> found;
    for (const NamedField& f : fields) {
        if (f.first >= static_cast<int>(record.size())) continue;
        std::string_view s = record.substr(static_cast<size_t>(f.first), static_cast<size_t>(f.width));
        for (size_t k = 0; k < s.size(); ++k) {
            if (!std::isalpha(static_cast<unsigned char>(s[k]))) continue;
            const bool exponent = std::string_view("EeDd").find(s[k]) != std::string_view::npos && k > 0 &&
                                  (std::isdigit(static_cast<unsigned char>(s[k - 1])) || s[k - 1] == '.');
            if (exponent) continue;
            found.push_back({f.name, "letters in a numeric field (" + quoted(s) + ")"});
            break;
        }
    }
    return found;
}

bool title_reads_as_numbers(std::string_view record) {
    std::string_view t = record.substr(0, 80);
    bool digit = false;
    for (char c : t) {
        if (std::isdigit(static_cast<unsigned char>(c))) digit = true;
        else if (!separates(c) && c != '.' && c != '+' && c != '-') return false;
    }
    return digit && runs_of(t).size() >= 2;
}

bool reads_as_fixed_record(std::string_view record, int width, int count,
                           const std::vector<NamedField>& taken) {
    std::vector<Run> runs = runs_of(record);
    if (runs.size() < 3) return false;
    int last_field = -1;
    for (const Run& r : runs) {
        int f = r.first / width;
        // Each number alone in its field and flush with the field's end.
        if (f >= count || r.end != (f + 1) * width || f == last_field) return false;
        if (!whole_number(record.substr(static_cast<size_t>(r.first), static_cast<size_t>(r.end - r.first))))
            return false;
        last_field = f;
    }
    return !boundary_findings(record, taken).empty();
}

}  // namespace dorvane
