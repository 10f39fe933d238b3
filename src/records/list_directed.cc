// List-directed READ: free-form values separated by blanks, commas or the
// ends of records.
#include <string>
#include <vector>

#include "records/f_editing.h"
#include "records/input_unit.h"
#include "records/run_error.h"

namespace dorvane {

namespace {

bool is_blank(char c) { return c == ' '; }
bool ends_value(char c) { return c == ' ' || c == ',' || c == '/'; }

}  // namespace

void InputUnit::read_list(std::span<Real* const> items) {
    size_t next = 0;  // next item to fill
    std::string_view record;
    std::vector<FieldSeen> seen;  // filled only for an observer
    int record_in_read = 0;
    auto tell = [&] {
        if (!observer_) return;
        observer_(RecordSeen{line_, record, record_in_read++,
                             items.empty() ? nullptr : static_cast<const void*>(items[0]),
                             static_cast<int>(items.size()), true, seen});
        seen.clear();
    };
    while (next < items.size()) {
        if (!next_record(record)) fail(24);
        // A comma met before any value in this record is a null value.
        bool value_since_separator = false;
        size_t p = 0;
        while (next < items.size()) {
            while (p < record.size() && is_blank(record[p])) ++p;
            if (p >= record.size()) break;  // the end of a record separates
            char c = record[p];
            if (c == '/') {  // unfilled items keep their values
                tell();
                return;
            }
            if (c == ',') {
                if (!value_since_separator) ++next;  // null: the item keeps its value
                value_since_separator = false;
                ++p;
                continue;
            }
            size_t start = p;
            while (p < record.size() && !ends_value(record[p])) ++p;
            std::string_view token = record.substr(start, p - start);
            value_since_separator = true;

            // r*value or r*: r copies of the value, or r null values.
            size_t repeat = 1;
            size_t star = token.find('*');
            if (star != std::string_view::npos) {
                std::string_view count = token.substr(0, star);
                if (count.empty() || count.size() > 9) fail(59);
                repeat = 0;
                for (char d : count) {
                    if (d < '0' || d > '9') fail(59);
                    repeat = repeat * 10 + static_cast<size_t>(d - '0');
                }
                if (repeat == 0) fail(59);
                token = token.substr(star + 1);
                if (token.empty()) {  // r* : r null values
                    next += repeat;
                    continue;
                }
            }
            float value = 0.0f;
            if (token.find('*') != std::string_view::npos || !edit_f_input(token, 0, value)) fail(64);
            for (size_t k = 0; k < repeat && next < items.size(); ++k) {
                if (observer_)
                    seen.push_back({static_cast<int>(next), static_cast<int>(start),
                                    static_cast<int>(p - start), false, items[next]});
                *items[next++] = Real(value);
            }
        }
        tell();
    }
}

}  // namespace dorvane
