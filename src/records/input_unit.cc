#include "records/input_unit.h"

#include <cstring>
#include <vector>

#include "records/f_editing.h"
#include "records/layout_walk.h"
#include "records/run_error.h"

namespace dorvane {

namespace {

// Thrown inside a READ when the end of the file is met.
struct EndOfFile {};

}  // namespace

InputUnit::InputUnit(int unit, std::string path, std::string content)
    : unit_(unit), path_(std::move(path)), content_(std::move(content)) {}

void InputUnit::fail(int number) const { throw RunError{number, unit_, path_}; }

InputUnit::InputUnit(int unit, std::string path, std::FILE* file)
    : unit_(unit), path_(std::move(path)), file_(file) {}

// The next line including a CR before its LF; false at the end of the data.
bool InputUnit::next_line(std::string_view& line) {
    if (!file_) {
        if (pos_ >= content_.size()) return false;
        size_t end = content_.find('\n', pos_);
        if (end == std::string::npos) end = content_.size();
        line = std::string_view(content_).substr(pos_, end - pos_);
        pos_ = end + 1;
        return true;
    }
    long_line_.clear();
    bool partial = false;
    for (;;) {
        if (block_pos_ >= block_.size()) {
            block_.resize(1 << 16);
            size_t n = std::fread(block_.data(), 1, block_.size(), file_);
            if (std::ferror(file_)) fail(24);
            block_.resize(n);
            block_pos_ = 0;
            if (n == 0) {
                if (!partial) return false;
                line = long_line_;
                return true;
            }
        }
        size_t end = block_.find('\n', block_pos_);
        if (end != std::string::npos) {
            std::string_view piece = std::string_view(block_).substr(block_pos_, end - block_pos_);
            block_pos_ = end + 1;
            if (!partial) {
                line = piece;  // the usual case: the line lies within one block
            } else {
                long_line_ += piece;
                line = long_line_;
            }
            return true;
        }
        long_line_.append(block_, block_pos_, std::string::npos);
        block_pos_ = block_.size();
        partial = true;
    }
}

// The next record: a line without its LF and without a CR at its end. A lone
// control-Z is the end of the file, and so is everything after it.
bool InputUnit::next_record(std::string_view& record) {
    if (ended_ || !next_line(record)) {
        ended_ = true;
        return false;
    }
    if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
    if (record == "\x1a") {
        ended_ = true;
        return false;
    }
    ++line_;
    return true;
}

// The fields a READ took from its current record, kept only when observed.
template <bool Observed>
struct SeenFields {
    void add(const FieldSeen&) {}
};
template <>
struct SeenFields<true> {
    std::vector<FieldSeen> fields;
    int record_in_read = 0;
    void add(const FieldSeen& f) { fields.push_back(f); }
};

template <bool Observed>
struct InputUnit::Reader {
    InputUnit& unit;
    std::span<const InItem> items;
    std::string_view record;
    size_t pos = 0;
    SeenFields<Observed> seen = {};

    void start() {
        if (!unit.next_record(record)) throw EndOfFile{};
        pos = 0;
    }
    // Tells the observer of the record just taken.
    void record_done() {
        if constexpr (Observed) {
            const void* first = items.empty() ? nullptr
                                : items[0].real ? static_cast<const void*>(items[0].real)
                                                : static_cast<const void*>(items[0].text);
            unit.observer_(RecordSeen{unit.line_, record, seen.record_in_read, first,
                                      static_cast<int>(items.size()), false, seen.fields});
            seen.fields.clear();
            ++seen.record_in_read;
        }
    }
    void on_record_end() {
        record_done();
        start();
    }
    void on_skip(int n) { pos += static_cast<size_t>(n); }
    void on_literal(const std::string&) {}
    void on_data(const LayoutNode& node, int index) {
        const InItem& item = items[static_cast<size_t>(index)];
        size_t width = static_cast<size_t>(node.kind == LayoutNode::Kind::A && node.width == 0 ? item.length
                                                                                                 : node.width);
        // The field: w characters, blanks beyond the end of the record.
        std::string_view field = pos < record.size() ? record.substr(pos, width) : std::string_view();
        if (node.kind == LayoutNode::Kind::A) {
            if constexpr (Observed)
                seen.add({index, static_cast<int>(pos), static_cast<int>(width), true, nullptr});
            pos += width;
            if (!item.text) return;  // an A field for a real item: skipped
            // Aw into an item of length n: the rightmost n of w, or w padded
            // (blanks beyond the end of the record).
            size_t n = static_cast<size_t>(item.length);
            auto at = [&](size_t k) { return k < field.size() ? field[k] : ' '; };
            if (width >= n) {
                for (size_t k = 0; k < n; ++k) item.text[k] = at(width - n + k);
            } else {
                for (size_t k = 0; k < width; ++k) item.text[k] = at(k);
                std::memset(item.text + width, ' ', n - width);
            }
            return;
        }
        // A comma ends a numeric field early; the next field starts after it.
        size_t comma = field.find(',');
        const size_t first = pos;
        if (comma != std::string_view::npos) {
            field = field.substr(0, comma);
            pos += comma + 1;
        } else {
            pos += width;
        }
        if constexpr (Observed)
            seen.add({index, static_cast<int>(first), static_cast<int>(pos - first), false, item.real});
        float value = 0.0f;
        if (!edit_f_input(field, node.decimals, value)) unit.fail(64);
        if (item.real) *item.real = Real(value);  // a numeric field for a text item: checked, not stored
    }
};

template <bool Observed>
bool InputUnit::read_items(const Layout& layout, std::span<const InItem> items) {
    Reader<Observed> reader{*this, items, {}, 0};
    try {
        reader.start();
        LayoutWalk<Reader<Observed>> walk(layout, static_cast<int>(items.size()), reader);
        walk.run();
    } catch (const EndOfFile&) {
        return false;
    }
    reader.record_done();
    return true;
}

void InputUnit::read(const Layout& layout, std::span<const InItem> items) {
    if (!(observer_ ? read_items<true>(layout, items) : read_items<false>(layout, items))) fail(24);
}

bool InputUnit::read_or_end(const Layout& layout, std::span<const InItem> items) {
    return observer_ ? read_items<true>(layout, items) : read_items<false>(layout, items);
}

}  // namespace dorvane
