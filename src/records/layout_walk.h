// Walks a layout for one READ or WRITE statement: groups entered as often as
// their repeat counts say, format reversion when items remain at the end.
#pragma once

#include "records/layout.h"

namespace dorvane {

// The statement's side of the walk. on_data is called once per data
// descriptor while items remain; the walk stops at the first data
// descriptor met with no item left, or at the end of the layout when none
// remain. on_record_end is called at every slash and before each reversion.
// The walk goes over the layout's flattened steps (groups and repeats
// already expanded at parse time), so it is one loop, without recursion.
template <class Visitor>
class LayoutWalk {
public:
    LayoutWalk(const Layout& layout, int items, Visitor& visitor)
        : layout_(layout), items_(items), visitor_(visitor) {}

    void run() {
        if (!walk(0)) return;
        // Items remain: revert to the last outermost group (or the start),
        // unless what reversion would repeat holds no data descriptor.
        while (items_left() && layout_.reversion_has_data) {
            visitor_.on_record_end();
            if (!walk(static_cast<size_t>(layout_.reversion_step))) return;
        }
    }

private:
    bool items_left() const { return used_ < items_; }

    // False when the statement has ended (no item for a data descriptor).
    bool walk(size_t first) {
        const LayoutNode* end = layout_.steps.data() + layout_.steps.size();
        for (const LayoutNode* s = layout_.steps.data() + first; s != end; ++s) {
            const LayoutNode& step = *s;
            switch (step.kind) {
                case LayoutNode::Kind::Slash:
                    visitor_.on_record_end();
                    break;
                case LayoutNode::Kind::Skip:
                    visitor_.on_skip(step.width);
                    break;
                case LayoutNode::Kind::Literal:
                    visitor_.on_literal(step.text);
                    break;
                default:  // F, I, A (groups do not occur among the steps)
                    if (!items_left()) return false;
                    visitor_.on_data(step, used_++);
                    break;
            }
        }
        return true;
    }

    const Layout& layout_;
    int items_;
    int used_ = 0;
    Visitor& visitor_;
};

}  // namespace dorvane
