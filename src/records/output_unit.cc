#include "records/output_unit.h"

#include "records/f_editing.h"
#include "records/layout_walk.h"

namespace dorvane {

namespace {

// Whole records are handed to the file in blocks of this size.
constexpr size_t kBlock = 1 << 16;

}  // namespace

OutputUnit::OutputUnit(int unit, std::string path, std::FILE* f)
    : unit_(unit), path_(std::move(path)), file_(f) {}

OutputUnit::OutputUnit(std::string* memory, int unit) : unit_(unit), memory_(memory) {}

OutputUnit::~OutputUnit() { flush(); }

struct OutputUnit::Writer {
    OutputUnit& unit;
    std::span<const OutItem> items;

    void on_record_end() { unit.end_record(); }
    void on_skip(int n) { unit.pending_blanks_ += n; }
    void on_literal(const std::string& text) {
        place();
        unit.record_ += text;
    }
    void on_data(const LayoutNode& node, int index) {
        place();
        const OutItem& item = items[static_cast<size_t>(index)];
        std::string& r = unit.record_;
        switch (node.kind) {
            case LayoutNode::Kind::F: {
                size_t at = r.size();
                r.resize(at + static_cast<size_t>(node.width));
                float v = item.kind == OutItem::Kind::Int ? static_cast<float>(item.i) : item.f;
                edit_f_output(r.data() + at, v, node.width, node.decimals);
                break;
            }
            case LayoutNode::Kind::I: {
                size_t at = r.size();
                r.resize(at + static_cast<size_t>(node.width));
                edit_i_output(r.data() + at, item.i, node.width);
                break;
            }
            default: {  // A: the item's characters; Aw: w of them, blank-padded
                std::string_view s = item.s;
                if (node.width == 0) {
                    r += s;
                } else if (static_cast<int>(s.size()) >= node.width) {
                    r += s.substr(0, static_cast<size_t>(node.width));
                } else {
                    r += s;
                    r.append(static_cast<size_t>(node.width) - s.size(), ' ');
                }
                break;
            }
        }
    }
    // Positions passed over by nX count once a later character is written.
    void place() {
        unit.record_.append(static_cast<size_t>(unit.pending_blanks_), ' ');
        unit.pending_blanks_ = 0;
    }
};

void OutputUnit::write(const Layout& layout, std::span<const OutItem> items) {
    Writer writer{*this, items};
    LayoutWalk<Writer> walk(layout, static_cast<int>(items.size()), writer);
    walk.run();
    end_record();
}

void OutputUnit::end_record() {
    std::string& out = memory_ ? *memory_ : buffer_;
    out += record_;
    out += "\r\n";
    record_.clear();
    pending_blanks_ = 0;
    if (!memory_ && buffer_.size() >= kBlock) flush();
}

void OutputUnit::flush() {
    if (!file_ || buffer_.empty()) return;
    std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    std::fflush(file_);
    buffer_.clear();
}

}  // namespace dorvane
