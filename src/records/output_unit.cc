#include "records/output_unit.h"

#include "records/run_error.h"

#include <algorithm>
#include <cstring>

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

// Records still buffered go out; a failure here can no longer be reported
// (the run reports it through an explicit flush before the unit goes).
OutputUnit::~OutputUnit() {
    try {
        flush();
    } catch (const RunError&) {
    }
}

// Forms the records of one WRITE. A record is built in a fixed buffer,
// where each field is edited in place (no allocation, no string operation
// per field), and goes to the output whole, with its CR LF. A record longer
// than the buffer goes out in pieces.
struct OutputUnit::Writer {
    Writer(OutputUnit& u, std::span<const OutItem> i) : unit(u), items(i) {}

    OutputUnit& unit;
    std::span<const OutItem> items;

    static constexpr size_t kLine = 512;  // wider than any report record
    char line[kLine];
    size_t length = 0;        // characters of the record in line
    int pending_blanks = 0;   // positions passed over by nX, not yet written

    void on_record_end() { end_record(); }
    void on_skip(int n) { pending_blanks += n; }
    void on_literal(const std::string& text) {
        place();
        std::memcpy(extend(text.size()), text.data(), text.size());
    }
    void on_data(const LayoutNode& node, int index) {
        place();
        const OutItem& item = items[static_cast<size_t>(index)];
        switch (node.kind) {
            case LayoutNode::Kind::F: {
                float v = item.kind == OutItem::Kind::Int ? static_cast<float>(item.i) : item.f;
                edit_f_output(extend(static_cast<size_t>(node.width)), v, node.width, node.decimals);
                break;
            }
            case LayoutNode::Kind::I:
                edit_i_output(extend(static_cast<size_t>(node.width)), item.i, node.width);
                break;
            default: {  // A: the item's characters; Aw: w of them, blank-padded
                std::string_view s = item.s;
                size_t w = node.width == 0 ? s.size() : static_cast<size_t>(node.width);
                size_t n = std::min(w, s.size());
                char* p = extend(w);
                if (n != 0) std::memcpy(p, s.data(), n);
                std::memset(p + n, ' ', w - n);
                break;
            }
        }
    }

    // Positions passed over by nX count once a later character is written.
    void place() {
        if (pending_blanks == 0) return;
        std::memset(extend(static_cast<size_t>(pending_blanks)), ' ', static_cast<size_t>(pending_blanks));
        pending_blanks = 0;
    }
    // Room for n more characters of the record, written by the caller at
    // once. What the buffer holds goes out first when n does not fit.
    char* extend(size_t n) {
        if (length + n > kLine) return extend_full(n);
        char* p = line + length;
        length += n;
        return p;
    }
    [[gnu::noinline]] char* extend_full(size_t n) {
        spill();
        if (n <= kLine) return extend(n);
        // A piece wider than the buffer goes straight to the output.
        std::string& out = unit.out();
        size_t at = out.size();
        out.resize(at + n);
        return out.data() + at;
    }
    void spill() {
        unit.out().append(line, length);
        length = 0;
    }
    void end_record() {
        std::memcpy(extend(2), "\r\n", 2);
        spill();
        pending_blanks = 0;
        unit.record_written();
    }
};

void OutputUnit::write(const Layout& layout, std::span<const OutItem> items) {
    Writer writer(*this, items);
    LayoutWalk<Writer> walk(layout, static_cast<int>(items.size()), writer);
    walk.run();
    writer.end_record();
}

void OutputUnit::record_written() {
    if (!memory_ && buffer_.size() >= kBlock) flush();
}

void OutputUnit::flush() {
    if (!file_ || buffer_.empty()) return;
    size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    bool failed = written != buffer_.size() || std::fflush(file_) != 0;
    buffer_.clear();  // a failed block is not offered again
    if (failed) throw RunError{38, unit_, path_};
}

}  // namespace dorvane
