// An input unit: the records (lines) of a text, read through layouts.
#pragma once

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "records/layout.h"
#include "records/real.h"

namespace dorvane {

// One item of a READ: a real (F) or a text of fixed length (A).
struct InItem {
    Real* real = nullptr;
    char* text = nullptr;
    int length = 0;

    InItem(Real& r) : real(&r) {}
    InItem(char* t, int n) : text(t), length(n) {}
    InItem(std::string& t) : text(t.data()), length(static_cast<int>(t.size())) {}
};

// What a READ took from one record, for an observer of the unit (the input
// explainer). Columns are 0-based; a field may reach past the record's end.
struct FieldSeen {
    int item;          // index of the item within the READ
    int first;         // first column of the field
    int width;         // columns taken, a comma that ended the field included
    bool text;         // an A field (else a number)
    const Real* real;  // where the number went (null when not stored)
};

struct RecordSeen {
    int line;                       // line number of the record
    std::string_view record;        // its text, without line end
    int record_in_read;             // 0 for the first record of the READ
    const void* first_item;         // the READ's first item: which statement it is
    int items;                      // number of items of the READ
    bool list_directed;             // free-format READ
    std::span<const FieldSeen> fields;  // the fields taken from this record
};

using RecordObserver = std::function<void(const RecordSeen&)>;

class InputUnit {
public:
    // Records from a text held in memory; path is the absolute name for errors.
    InputUnit(int unit, std::string path, std::string content);
    // Records read from an open file as they are needed (not owned), so that
    // memory does not grow with the length of the file.
    InputUnit(int unit, std::string path, std::FILE* file);

    // READ(unit, layout, items); the end of the file is error 24.
    void read(const char* layout_text, std::initializer_list<InItem> items) {
        read(layout_of(layout_text), std::span<const InItem>(items.begin(), items.size()));
    }
    void read(const Layout& layout, std::span<const InItem> items);

    // READ with end-of-file branch: false when the end of the file was met
    // (items already stored keep their values).
    bool read_or_end(const Layout& layout, std::span<const InItem> items);

    // List-directed READ into reals: separators, slash, nulls, r*value, r*.
    void read_list(std::span<Real* const> items);

    // Line number (1-based) of the record read last; 0 before the first.
    int line_number() const { return line_; }
    int unit() const { return unit_; }

    // Told of every record as soon as a READ has taken it (values stored).
    // Without an observer reading costs nothing extra.
    void set_observer(RecordObserver observer) { observer_ = std::move(observer); }
    const std::string& path() const { return path_; }

private:
    template <bool Observed>
    struct Reader;
    bool next_record(std::string_view& record);
    template <bool Observed>
    bool read_items(const Layout& layout, std::span<const InItem> items);
    [[noreturn]] void fail(int number) const;

    int unit_;
    std::string path_;
    bool next_line(std::string_view& line);

    std::string content_;     // the text of an in-memory unit
    size_t pos_ = 0;          // next unread byte of content_
    std::FILE* file_ = nullptr;
    std::string block_;       // bytes read from the file, not yet taken
    size_t block_pos_ = 0;
    std::string long_line_;   // a line that crossed a block boundary
    int line_ = 0;
    bool ended_ = false;
    RecordObserver observer_;
};

}  // namespace dorvane
