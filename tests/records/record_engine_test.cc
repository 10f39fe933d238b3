// Record engine: layouts, WRITE, READ, list-directed READ, F/I/A editing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "records/f_editing.h"
#include "records/input_unit.h"
#include "records/output_unit.h"
#include "records/run_error.h"

namespace dorvane {
namespace {

std::string f_out(float v, int w, int d) {
    std::string s(static_cast<size_t>(w), '?');
    edit_f_output(s.data(), v, w, d);
    return s;
}

TEST(FOutput, EditingRules) {
    struct Case { float v; int w, d; const char* expected; };
    const Case cases[] = {
        {0.5f, 6, 3, " 0.500"}, {0.5f, 5, 3, "0.500"}, {0.5f, 4, 3, ".500"},
        {-0.5f, 6, 3, "-0.500"}, {-0.5f, 5, 3, "-.500"}, {-0.5f, 4, 3, "****"},
        {-0.4f, 3, 0, " 0."}, {-0.25f, 4, 1, "-0.3"}, {0.25f, 3, 1, "0.3"}, {0.35f, 3, 1, "0.3"},
        {2.0f, 3, 0, " 2."}, {0.0f, 3, 0, " 0."}, {0.4f, 3, 0, " 0."}, {-0.6f, 3, 0, "-1."},
        {100.0f, 4, 1, "****"}, {-0.0f, 5, 2, " 0.00"}, {-0.001f, 6, 2, "  0.00"},
        {99.95f, 5, 1, " 99.9"}, {99.96f, 5, 1, "100.0"}, {9.5f, 3, 0, "10."}, {9.5f, 2, 0, "**"}, {0.5f, 2, 0, "1."},
        {1234567.0f, 10, 2, "1234567.00"}, {3.4028235e38f, 16, 0, "****************"},
        {1e-45f, 10, 8, "0.00000000"}, {0.125f, 5, 2, " 0.13"}, {-0.125f, 5, 2, "-0.13"},
        {NAN, 6, 1, " NaN  "}, {NAN, 3, 1, "***"}, {INFINITY, 9, 2, " Infinity"},
        {-INFINITY, 9, 2, "*********"}, {-INFINITY, 11, 2, " -Infinity "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f_out(c.v, c.w, c.d), c.expected) << "F" << c.w << "." << c.d << " of " << c.v;
}

TEST(IOutput, Editing) {
    auto i_out = [](int n, int w) { std::string s(static_cast<size_t>(w), '?'); edit_i_output(s.data(), n, w); return s; };
    EXPECT_EQ(i_out(-12, 3), "-12");
    EXPECT_EQ(i_out(-100, 3), "***");
    EXPECT_EQ(i_out(0, 3), "  0");
    EXPECT_EQ(i_out(7, 3), "  7");
}

TEST(FInput, Fields) {
    struct Case { const char* field; int d; float expected; };
    const Case cases[] = {
        {"  1 2.5 ", 0, 12.5f}, {"        ", 0, 0.0f}, {"", 0, 0.0f}, {"1.5E2", 0, 150.0f},
        {"1.5e+2", 0, 150.0f}, {"-3", 0, -3.0f}, {"125", 0, 125.0f}, {"125", 2, 1.25f},
        {"12.5", 2, 12.5f}, {"+.", 0, 0.0f}, {"-", 0, 0.0f}, {".", 0, 0.0f}, {"0.1", 0, 0.1f},
        {"1e99", 0, INFINITY}, {"-1e99", 0, -INFINITY}, {"1e-99", 0, 0.0f},
        {"1e999999999999", 0, INFINITY}, {"Infinity", 0, INFINITY}, {"-infinity", 0, -INFINITY},
        {"3.4028235e38", 0, 3.4028235e38f}, {"3.4028236e38", 0, INFINITY}, {"16777217", 0, 16777216.0f}, {"16777219", 0, 16777220.0f},
    };
    for (const Case& c : cases) {
        float v = -99.0f;
        ASSERT_TRUE(edit_f_input(c.field, c.d, v)) << c.field;
        EXPECT_EQ(v, c.expected) << '"' << c.field << '"';
    }
    float v = 0;
    ASSERT_TRUE(edit_f_input("NaN", 0, v));
    EXPECT_TRUE(std::isnan(v));
    for (const char* bad : {"1.5E", "1.5+2", "1.2.3", "1D2", "A", "1\t2", "Inf", "E5", "1e+", "0x10", "'1'", "1*2"})
        EXPECT_FALSE(edit_f_input(bad, 0, v)) << bad;
}

std::string written(const char* layout, std::initializer_list<OutItem> items) {
    std::string out;
    OutputUnit unit(&out);
    unit.write(layout, items);
    return out;
}

TEST(Write, LayoutRules) {
    // Reversion, the stop at a data descriptor without an item, trailing X,
    // slashes, literals with doubled apostrophes, nested groups.
    EXPECT_EQ(written("(/, /, /)", {}), "\r\n\r\n\r\n\r\n");
    EXPECT_EQ(written("(F7.3, 5(1X, F15.3))", {Real(1.0f), Real(2.0f)}),
              "  1.000           2.000\r\n");
    EXPECT_EQ(written("(' *** ', A, ' :  ', A)", {"REPORT.OUT  ", "INPUT.DAT   "}),
              " *** REPORT.OUT   :  INPUT.DAT   \r\n");
    EXPECT_EQ(written("(3F4.1)", {Real(1.0f), Real(2.0f), Real(3.0f), Real(4.0f), Real(5.0f)}),
              " 1.0 2.0 3.0\r\n 4.0 5.0\r\n");
    EXPECT_EQ(written("(' A', 2(I3, 'x'), 5X)", {1, 2, 3}), " A  1x  2x\r\n  3x\r\n");
    // Literals in a row are joined once parsed, but never across the point
    // where reversion restarts.
    EXPECT_EQ(written("(' A', 3('-'), 2X, ' B', 2('x', F4.1))", {Real(1.0f), Real(2.0f), Real(3.0f)}),
              " A---   Bx 1.0x 2.0\r\nx 3.0x\r\n");
    // Records wider than the buffer they are formed in go out in pieces.
    std::string long_text(600, 'a');
    EXPECT_EQ(written("(A, 300('-'), F6.2, 2X, A)", {long_text, Real(1.5f), "END"}),
              long_text + std::string(300, '-') + "  1.50  END\r\n");
    EXPECT_EQ(written("(3X, 700('='))", {}), "   " + std::string(700, '=') + "\r\n");
    EXPECT_EQ(written("(1X, 'IT''S', 3X)", {}), " IT'S\r\n");
    EXPECT_EQ(written("(2(2('-'), '+'))", {}), "--+--+\r\n");
    EXPECT_EQ(written("(F4.1, 1X, F4.1)", {Real(100.0f), Real(1.0f)}), "****  1.0\r\n");
    EXPECT_EQ(written("(/, ' T=', F7.2, ' H', /)", {Real(1.5f)}), "\r\n T=   1.50 H\r\n\r\n");
    EXPECT_EQ(written("('X', F5.1, 'Y')", {}), "X\r\n");
    EXPECT_EQ(written("(A4)", {"ABCDEF"}), "ABCD\r\n");
    EXPECT_EQ(written("(24('*  '))", {}), [] { std::string s; for (int i = 0; i < 24; ++i) s += "*  "; return s + "\r\n"; }());
}

InputUnit input(std::string text) { return InputUnit(5, "/d/IN.DAT", std::move(text)); }

TEST(Read, RecordsAndFields) {
    std::vector<Real> v(31, Real(-1.0f));
    std::vector<InItem> items(v.begin(), v.end());
    // 31 items of (9F8.0) consume exactly four records.
    auto unit = input("1\n2\n3\n4 4 4 4 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5\n99\n");
    unit.read(layout_of("(9F8.0)"), items);
    EXPECT_EQ(v[0].v, 1.0f);
    EXPECT_EQ(v[1].v, 0.0f);
    EXPECT_EQ(v[9].v, 2.0f);
    EXPECT_EQ(v[18].v, 3.0f);
    EXPECT_EQ(v[27].v, 4444.0f);  // blanks ignored inside a field
    EXPECT_EQ(v[30].v, 5555.0f);
    Real next;
    unit.read("(9F8.0)", {next});
    EXPECT_EQ(next.v, 99.0f);  // each READ starts a new record

    // A 30-character line: fields 1-3 from columns 1-24, field 4 from 25-30.
    auto short_line = input("     1.0     2.0     3.0   4.0\n");
    std::vector<Real> r(9, Real(-1.0f));
    std::vector<InItem> ri(r.begin(), r.end());
    short_line.read(layout_of("(9F8.0)"), ri);
    EXPECT_EQ(r[3].v, 4.0f);
    EXPECT_EQ(r[8].v, 0.0f);

    // Commas end fields early: "7,1,1.365".
    auto commas = input("7,1,1.365\r\n");
    Real a, b, c;
    commas.read("(9F8.0)", {a, b, c});
    EXPECT_EQ(a.v, 7.0f);
    EXPECT_EQ(b.v, 1.0f);
    EXPECT_EQ(c.v, 1.365f);

    auto five_seven = input("5,7\n");
    five_seven.read("(9F8.0)", {a, b});
    EXPECT_EQ(a.v, 5.0f);
    EXPECT_EQ(b.v, 7.0f);
}

TEST(Read, TextAndEndOfFile) {
    std::string title(80, '?');
    auto unit = input("\n" + std::string(100, 'x') + "\r\n\x1a\nmore\n");
    const Layout& t = layout_of("(20A4)");
    std::vector<InItem> items;
    for (int k = 0; k < 20; ++k) items.emplace_back(title.data() + 4 * k, 4);
    ASSERT_TRUE(unit.read_or_end(t, items));
    EXPECT_EQ(title, std::string(80, ' '));
    ASSERT_TRUE(unit.read_or_end(t, items));
    EXPECT_EQ(title, std::string(80, 'x'));
    EXPECT_FALSE(unit.read_or_end(t, items));  // a lone control-Z ends the file
    Real x;
    try {
        unit.read("(9F8.0)", {x});
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.line(), "dorvane: severe (24): end-of-file during read, unit 5, file /d/IN.DAT");
    }
}

TEST(Read, ConversionError) {
    auto unit = input("   1.0   A\n");
    Real x, y;
    try {
        unit.read("(2F6.0)", {x, y});
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number, 64);
        EXPECT_EQ(e.line(), "dorvane: severe (64): input conversion error, unit 5, file /d/IN.DAT");
    }
}

TEST(ListRead, ValuesNullsRepeatsAndErrors) {
    auto run = [](std::string text, int n) {
        std::vector<Real> v(static_cast<size_t>(n), Real(-1.0f));
        std::vector<Real*> p;
        for (auto& x : v) p.push_back(&x);
        auto unit = input(std::move(text));
        unit.read_list(p);
        std::vector<float> out;
        for (auto& x : v) out.push_back(x.v);
        return out;
    };
    EXPECT_EQ(run("105 37\n", 2), (std::vector<float>{105, 37}));
    EXPECT_EQ(run("1,,3\n", 3), (std::vector<float>{1, -1, 3}));
    EXPECT_EQ(run("1 , 2 ,3 9 9\n", 3), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(run("2*5 2* 7\n", 5), (std::vector<float>{5, 5, -1, -1, 7}));
    EXPECT_EQ(run("1 2\n3\n", 3), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(run("1 2\n,4\n", 3), (std::vector<float>{1, 2, -1}));  // leading comma: null
    EXPECT_EQ(run(",5\n", 2), (std::vector<float>{-1, 5}));
    EXPECT_EQ(run("1 / 5\n", 3), (std::vector<float>{1, -1, -1}));
    auto error_of = [&](std::string text) {
        try { run(std::move(text), 2); } catch (const RunError& e) { return e.number; }
        return 0;
    };
    EXPECT_EQ(error_of("0*5 1\n"), 59);
    EXPECT_EQ(error_of("a*5 1\n"), 59);
    EXPECT_EQ(error_of("'x' 1\n"), 64);
    EXPECT_EQ(error_of("1\t2\n"), 64);
    EXPECT_EQ(error_of("1\n"), 24);
}

}  // namespace
}  // namespace dorvane

namespace dorvane {
namespace {

// Lines read from a file in blocks: a line longer than a block, CR LF ends,
// a last line without a line end.
TEST(Read, FromFileAcrossBlocks) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::string long_line = "     7.5" + std::string(200000, ' ') + "9";
    std::string text = long_line + "\r\n" + std::string(65530, 'x') + "\r\n     1.5\r\n     2.5";
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    InputUnit unit(5, "/d/IN.DAT", f);
    Real a, b;
    unit.read("(2F8.0)", {a, b});
    EXPECT_EQ(a.v, 7.5f);
    EXPECT_EQ(b.v, 0.0f);
    std::string title(8, '?');
    unit.read("(2A4)", {InItem(title)});
    EXPECT_EQ(title, "xxxx    ");  // A4 into an 8-character item: blank-padded
    unit.read("(F8.0)", {a});
    unit.read("(F8.0)", {b});
    EXPECT_EQ(a.v, 1.5f);
    EXPECT_EQ(b.v, 2.5f);
    EXPECT_EQ(unit.line_number(), 4);
    EXPECT_FALSE(unit.read_or_end(layout_of("(F8.0)"), std::vector<InItem>{InItem(a)}));
    std::fclose(f);
}

}  // namespace
}  // namespace dorvane

namespace dorvane {
namespace {

// Layouts the engine refuses (they would loop or edit inexactly), and the
// reversion that stops when what it would repeat holds no data descriptor.
TEST(Layout, RefusedAndDegenerate) {
    for (const char* bad : {"(0F8.0)", "(F17.2)", "(F8.10)", "(I0)", "(A0)", "(0X)", "(F8.0", "('abc)", "(Q5)",
                            "(2(3(4(5(6(7(8(9(1(2(3(4(5(6(7(8(9(1(2(3(4(5(6(7(8(9(1(2(3(4(5(6(7(8(F1.0)))))))))))))))))))))))))))))))))"})
        EXPECT_THROW(parse_layout(bad), std::invalid_argument) << bad;
    EXPECT_EQ(written("(4X, 2A4, ('* '))", {"AB", "CD", "EF"}), "    AB  CD  * \r\n");
}

}  // namespace
}  // namespace dorvane
