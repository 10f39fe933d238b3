// A record layout, parsed once: "(/, 28X, ' GENERAL DATA ', /, 29X, 12('-'))".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dorvane {

struct LayoutNode {
    enum class Kind { F, I, A, Skip, Slash, Literal, Group };
    Kind kind;
    int repeat = 1;            // r in rF8.0, r(...), nX is Skip with count n
    int width = 0;             // w of Fw.d, Iw, Aw (A without width: 0)
    int decimals = 0;          // d of Fw.d
    std::string text;          // Literal
    std::vector<LayoutNode> children;  // Group

    bool is_data() const { return kind == Kind::F || kind == Kind::I || kind == Kind::A; }
};

struct Layout {
    std::vector<LayoutNode> nodes;  // top level, between the outer parentheses
    int reversion_index = 0;        // where format reversion restarts
    bool has_data = false;          // any data descriptor at any depth
    bool reversion_has_data = false;  // any data descriptor from reversion_index on

    // The same layout flattened for the walk, built once with the parse:
    // groups and repeat counts expanded, so every step has repeat 1 and no
    // children; a repeated literal (58('-')) and literals that follow one
    // another are joined into one text. Walking it carries out the same
    // descriptors in the same order as walking the nodes.
    std::vector<LayoutNode> steps;
    int reversion_step = 0;         // the step where reversion_index's node begins
};

// Parses a layout string. Throws std::invalid_argument on a malformed one
// (a program fault, never an input fault: layouts are written in the code).
Layout parse_layout(std::string_view text);

// The parsed layout of a string with static storage (a literal in the code),
// parsed on first use and kept for the rest of the run.
const Layout& layout_of(const char* text);

}  // namespace dorvane
