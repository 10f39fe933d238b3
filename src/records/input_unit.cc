#include "records/input_unit.h"

#include <cstring>

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

// The next line, without its LF and a CR just before it (or at the very end). A lone control-Z
// is the end of the file, and so is everything after it.
bool InputUnit::next_record(std::string_view& record) {
    if (ended_ || pos_ >= content_.size()) {
        ended_ = true;
        return false;
    }
    size_t end = content_.find('\n', pos_);
    size_t next = end == std::string::npos ? content_.size() : end + 1;
    if (end == std::string::npos) end = content_.size();
    size_t stop = end;
    if (stop > pos_ && content_[stop - 1] == '\r') --stop;
    record = std::string_view(content_).substr(pos_, stop - pos_);
    if (record == "\x1a") {
        ended_ = true;
        return false;
    }
    pos_ = next;
    ++line_;
    return true;
}

struct InputUnit::Reader {
    InputUnit& unit;
    std::span<const InItem> items;
    std::string_view record;
    size_t pos = 0;

    void start() {
        if (!unit.next_record(record)) throw EndOfFile{};
        pos = 0;
    }
    void on_record_end() { start(); }
    void on_skip(int n) { pos += static_cast<size_t>(n); }
    void on_literal(const std::string&) {}
    void on_data(const LayoutNode& node, int index) {
        const InItem& item = items[static_cast<size_t>(index)];
        size_t width = static_cast<size_t>(node.kind == LayoutNode::Kind::A && node.width == 0 ? item.length
                                                                                                 : node.width);
        // The field: w characters, blanks beyond the end of the record.
        std::string_view field = pos < record.size() ? record.substr(pos, width) : std::string_view();
        if (node.kind == LayoutNode::Kind::A) {
            pos += width;
            // Aw into an item of length n: the rightmost n of w, or w padded.
            size_t n = static_cast<size_t>(item.length);
            std::string padded(field);
            padded.resize(width, ' ');
            if (width >= n) {
                std::memcpy(item.text, padded.data() + (width - n), n);
            } else {
                std::memcpy(item.text, padded.data(), width);
                std::memset(item.text + width, ' ', n - width);
            }
            return;
        }
        // A comma ends a numeric field early; the next field starts after it.
        size_t comma = field.find(',');
        if (comma != std::string_view::npos) {
            field = field.substr(0, comma);
            pos += comma + 1;
        } else {
            pos += width;
        }
        float value = 0.0f;
        if (!edit_f_input(field, node.decimals, value)) unit.fail(64);
        *item.real = Real(value);
    }
};

bool InputUnit::read_items(const Layout& layout, std::span<const InItem> items) {
    Reader reader{*this, items, {}, 0};
    try {
        reader.start();
        LayoutWalk<Reader> walk(layout, static_cast<int>(items.size()), reader);
        walk.run();
    } catch (const EndOfFile&) {
        return false;
    }
    return true;
}

void InputUnit::read(const Layout& layout, std::span<const InItem> items) {
    if (!read_items(layout, items)) fail(24);
}

bool InputUnit::read_or_end(const Layout& layout, std::span<const InItem> items) {
    return read_items(layout, items);
}

}  // namespace dorvane
