// An output unit: records formed by layouts, each ended by CR LF, written to
// a file or kept in memory.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "records/layout.h"
#include "records/real.h"

namespace dorvane {

// One item of a WRITE: a real (F), an integer (I) or a text (A).
struct OutItem {
    enum class Kind { Real, Int, Text };
    Kind kind;
    float f = 0.0f;
    int i = 0;
    std::string_view s;

    OutItem(Real r) : kind(Kind::Real), f(r.v) {}
    // A value printed from an expression is rounded to single precision first.
    OutItem(double d) : kind(Kind::Real), f(static_cast<float>(d)) {}
    OutItem(int n) : kind(Kind::Int), i(n) {}
    OutItem(std::string_view t) : kind(Kind::Text), s(t) {}
    OutItem(const char* t) : kind(Kind::Text), s(t) {}
    OutItem(const std::string& t) : kind(Kind::Text), s(t) {}
};

class OutputUnit {
public:
    // Records go to the open file f (not owned; flushed by flush()).
    OutputUnit(int unit, std::string path, std::FILE* f);
    // Records go to *memory (for tests and in-memory runs).
    explicit OutputUnit(std::string* memory, int unit = 6);
    ~OutputUnit();
    OutputUnit(const OutputUnit&) = delete;
    OutputUnit& operator=(const OutputUnit&) = delete;

    // WRITE(unit, layout, items). The layout text must have static storage.
    void write(const char* layout_text, std::initializer_list<OutItem> items = {}) {
        write(layout_of(layout_text), std::span<const OutItem>(items.begin(), items.size()));
    }
    void write(const Layout& layout, std::span<const OutItem> items);

    // Hands buffered records to the file. A write that fails (a full disk, a
    // file-size limit) is the run-time error 38.
    void flush();

    int unit() const { return unit_; }

private:
    struct Writer;
    // Where whole records go: the caller's string, or the block for the file.
    std::string& out() { return memory_ ? *memory_ : buffer_; }
    // After each record: a full block is handed to the file.
    void record_written();

    int unit_;
    std::string path_;
    std::FILE* file_ = nullptr;
    std::string* memory_ = nullptr;
    std::string buffer_;   // whole records not yet handed to the file
};

}  // namespace dorvane
