// Layout parser on any text; a layout that parses is written and read with
// a few items.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "records/input_unit.h"
#include "records/layout.h"
#include "records/output_unit.h"
#include "records/run_error.h"

namespace {

// Characters a walk of the layout may write at most (bounded so that large
// repeat counts do not turn into a slow input).
double cost(const std::vector<dorvane::LayoutNode>& nodes) {
    double total = 0;
    for (const auto& n : nodes) {
        double one = n.kind == dorvane::LayoutNode::Kind::Group ? cost(n.children) + 1
                     : n.kind == dorvane::LayoutNode::Kind::Literal ? static_cast<double>(n.text.size()) + 1
                                                                     : static_cast<double>(n.width) + 1;
        total += one * n.repeat;
    }
    return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    dorvane::Layout layout;
    try {
        layout = dorvane::parse_layout(text);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    if (cost(layout.nodes) > 1e5) return 0;
    std::string out;
    dorvane::OutputUnit unit(&out);
    std::vector<dorvane::OutItem> items = {dorvane::Real(1.5f), 7, "TEXT", dorvane::Real(-0.25f)};
    unit.write(layout, items);
    dorvane::Real a, b;
    std::string t(4, ' ');
    std::vector<dorvane::InItem> in_items = {dorvane::InItem(a), dorvane::InItem(b)};
    try {
        dorvane::InputUnit in(5, "/x", text + "\n" + text + "\n");
        in.read(layout, in_items);
    } catch (const dorvane::RunError&) {
    }
    return 0;
}
