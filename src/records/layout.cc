#include "records/layout.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <unordered_map>

namespace dorvane {

namespace {

// Bounds on the flattened layout: layouts in the code are a few dozen steps
// and literals of a few hundred characters; these only stop a mistyped
// repeat count from eating memory.
constexpr size_t kMaxSteps = 100000;
constexpr size_t kMaxLiteral = 100000;

[[noreturn]] void too_long(std::string_view text) {
    throw std::invalid_argument("record layout " + std::string(text) + ": too long once repeats are expanded");
}

// Appends one step. A literal joins the literal step before it unless that
// step lies before join_from.
void append_step(const LayoutNode& step, std::vector<LayoutNode>& steps, size_t join_from, std::string_view text) {
    if (step.kind == LayoutNode::Kind::Literal && steps.size() > join_from &&
        steps.back().kind == LayoutNode::Kind::Literal) {
        if (steps.back().text.size() + step.text.size() > kMaxLiteral) too_long(text);
        steps.back().text += step.text;
        return;
    }
    if (steps.size() >= kMaxSteps) too_long(text);
    steps.push_back(step);
}

// Appends the steps of one node, its repeat count expanded.
void append_steps(const LayoutNode& node, std::vector<LayoutNode>& steps, size_t join_from, std::string_view text) {
    if (node.kind == LayoutNode::Kind::Group) {
        std::vector<LayoutNode> once;  // one pass through the group
        for (const LayoutNode& child : node.children) append_steps(child, once, 0, text);
        for (int r = 0; r < node.repeat && !once.empty(); ++r)
            for (const LayoutNode& step : once) append_step(step, steps, join_from, text);
        return;
    }
    LayoutNode step = node;
    step.repeat = 1;
    if (node.kind == LayoutNode::Kind::Literal) {  // 58('-') is one literal of 58 hyphens
        if (node.text.size() * static_cast<size_t>(node.repeat) > kMaxLiteral) too_long(text);
        step.text.clear();
        for (int r = 0; r < node.repeat; ++r) step.text += node.text;
        return append_step(step, steps, join_from, text);
    }
    for (int r = 0; r < node.repeat; ++r) append_step(step, steps, join_from, text);
}

void flatten(Layout& layout, std::string_view text) {
    size_t join_from = 0;
    for (size_t i = 0; i < layout.nodes.size(); ++i) {
        if (static_cast<int>(i) == layout.reversion_index) {
            // Reversion restarts here, so this node's first step stands alone.
            layout.reversion_step = static_cast<int>(layout.steps.size());
            join_from = layout.steps.size();
        }
        append_steps(layout.nodes[i], layout.steps, join_from, text);
    }
}

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    Layout parse() {
        skip_separators();
        expect('(');
        Layout layout;
        layout.nodes = parse_list();
        expect(')');
        skip_separators();
        if (pos_ != s_.size()) fail("text after the closing parenthesis");
        layout.reversion_index = 0;
        for (size_t i = 0; i < layout.nodes.size(); ++i)
            if (layout.nodes[i].kind == LayoutNode::Kind::Group) layout.reversion_index = static_cast<int>(i);
        layout.has_data = has_data(layout.nodes);
        layout.reversion_has_data =
            has_data(std::vector<LayoutNode>(layout.nodes.begin() + layout.reversion_index, layout.nodes.end()));
        flatten(layout, s_);
        return layout;
    }

private:
    static bool has_data(const std::vector<LayoutNode>& nodes) {
        for (const auto& n : nodes)
            if (n.is_data() || (n.kind == LayoutNode::Kind::Group && has_data(n.children))) return true;
        return false;
    }

    [[noreturn]] void fail(const char* what) const {
        throw std::invalid_argument("record layout " + std::string(s_) + ": " + what);
    }

    void skip_separators() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == ',')) ++pos_;
    }

    void expect(char c) {
        skip_separators();
        if (pos_ >= s_.size() || s_[pos_] != c) fail("unexpected character");
        ++pos_;
    }

    bool peek_digit() const { return pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])); }

    int number() {
        if (!peek_digit()) fail("number expected");
        int n = 0;
        while (peek_digit()) {
            n = n * 10 + (s_[pos_++] - '0');
            if (n > 100000) fail("number too large");
        }
        return n;
    }

    std::vector<LayoutNode> parse_list() {
        std::vector<LayoutNode> nodes;
        for (;;) {
            skip_separators();
            if (pos_ >= s_.size()) fail("missing closing parenthesis");
            if (s_[pos_] == ')') return nodes;
            nodes.push_back(parse_item());
        }
    }

    LayoutNode parse_item() {
        int count = peek_digit() ? number() : -1;
        if (count == 0) fail("a repeat count must be positive");
        if (pos_ >= s_.size()) fail("descriptor expected");
        char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s_[pos_])));
        LayoutNode node{};
        node.repeat = count < 0 ? 1 : count;
        if (c == '(') {
            ++pos_;
            if (++depth_ > 32) fail("groups nested too deeply");
            node.kind = LayoutNode::Kind::Group;
            node.children = parse_list();
            expect(')');
            --depth_;
        } else if (c == '\'') {
            node.kind = LayoutNode::Kind::Literal;
            node.text = literal();
        } else if (c == '/') {
            ++pos_;
            node.kind = LayoutNode::Kind::Slash;
        } else if (c == 'X') {
            ++pos_;
            node.kind = LayoutNode::Kind::Skip;
            node.width = count < 0 ? 1 : count;
            node.repeat = 1;
        } else if (c == 'F') {
            ++pos_;
            node.kind = LayoutNode::Kind::F;
            node.width = number();
            expect('.');
            node.decimals = number();
            // The editing is exact for fields of up to 16 characters and 9 decimals.
            if (node.width < 1 || node.width > 16 || node.decimals > 9) fail("F field out of range");
        } else if (c == 'I') {
            ++pos_;
            node.kind = LayoutNode::Kind::I;
            node.width = number();
            if (node.width < 1) fail("I field out of range");
        } else if (c == 'A') {
            ++pos_;
            node.kind = LayoutNode::Kind::A;
            node.width = 0;  // A without a width: the item's length
            if (peek_digit() && (node.width = number()) < 1) fail("A field out of range");
        } else {
            fail("unknown descriptor");
        }
        return node;
    }

    // 'text' with '' standing for one apostrophe.
    std::string literal() {
        ++pos_;
        std::string text;
        for (;;) {
            if (pos_ >= s_.size()) fail("unterminated literal");
            char c = s_[pos_++];
            if (c == '\'') {
                if (pos_ < s_.size() && s_[pos_] == '\'') {
                    text.push_back('\'');
                    ++pos_;
                } else {
                    return text;
                }
            } else {
                text.push_back(c);
            }
        }
    }

    std::string_view s_;
    size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace

Layout parse_layout(std::string_view text) { return Parser(text).parse(); }

const Layout& layout_of(const char* text) {
    // Keyed by the literal's address: each layout in the code is parsed once.
    // The program is single-threaded.
    static std::unordered_map<const char*, std::unique_ptr<Layout>> cache;
    // In front of it, a small table indexed by bits of the address: a WRITE
    // finds its layout without the map's division by a prime.
    struct Recent { const char* text = nullptr; const Layout* layout = nullptr; };
    static std::array<Recent, 256> recent;
    Recent& slot = recent[(reinterpret_cast<uintptr_t>(text) >> 3) % recent.size()];
    if (slot.text == text) return *slot.layout;
    auto it = cache.find(text);
    if (it == cache.end()) it = cache.emplace(text, std::make_unique<Layout>(parse_layout(text))).first;
    slot = {text, it->second.get()};
    return *it->second;
}

}  // namespace dorvane
