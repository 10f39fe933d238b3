// The observer of an input unit: what each record gave to which item, and
// reading with an observer stores exactly what reading without one does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/input_unit.h"

namespace dorvane {
namespace {

struct Seen {
    int line;
    std::string record;
    int record_in_read;
    bool list;
    std::vector<std::vector<int>> fields;  // item, first, width, stored
};

TEST(InputObserver, ToldEachRecordWithItsFieldsAfterTheValuesAreStored) {
    const std::string text = "   1.5  2,3\n       7\nTITLE\n4 5\n6\n";
    Real a, b, c, d, e, f, g;
    std::string title(8, '?');
    std::vector<Seen> seen;
    InputUnit in(5, "/IN", text);
    in.set_observer([&](const RecordSeen& r) {
        Seen s{r.line, std::string(r.record), r.record_in_read, r.list_directed, {}};
        for (const FieldSeen& fs : r.fields)
            s.fields.push_back({fs.item, fs.first, fs.width, fs.real ? static_cast<int>(*fs.real * 10) : -1});
        seen.push_back(s);
        EXPECT_EQ(r.first_item, r.list_directed ? static_cast<const void*>(&e) : static_cast<const void*>(
                                     r.items == 1 ? static_cast<const void*>(title.data()) : &a));
    });
    // Two records: "   1" ".5  " "2," (the comma ends the third field early), "   7".
    in.read("(3F4.0)", {a, b, c, d});
    in.read("(A8)", {title});
    Real* list[] = {&e, &f, &g};
    in.read_list(list);

    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].line, 1);
    EXPECT_EQ(seen[0].fields, (std::vector<std::vector<int>>{{0, 0, 4, 10}, {1, 4, 4, 5}, {2, 8, 2, 20}}));
    EXPECT_EQ(seen[1].record_in_read, 1);
    EXPECT_EQ(seen[1].fields, (std::vector<std::vector<int>>{{3, 0, 4, 0}}));
    EXPECT_EQ(seen[2].fields, (std::vector<std::vector<int>>{{0, 0, 8, -1}}));
    EXPECT_EQ(seen[3].record, "4 5");
    EXPECT_TRUE(seen[3].list);
    EXPECT_EQ(seen[3].fields, (std::vector<std::vector<int>>{{0, 0, 1, 40}, {1, 2, 1, 50}}));
    EXPECT_EQ(seen[4].record_in_read, 1);
    EXPECT_EQ(seen[4].fields, (std::vector<std::vector<int>>{{2, 0, 1, 60}}));
    EXPECT_EQ(static_cast<float>(b), 0.5f);  // ".5  " in columns 5-8
    EXPECT_EQ(title, "TITLE   ");
}

// The same reads with and without an observer store the same values and
// end at the same place, the end of the file included.
TEST(InputObserver, ChangesNothingThatIsRead) {
    const std::string text = "  12.5 3,4\n1e2\n";
    auto read_all = [&](bool observed) {
        InputUnit in(5, "/IN", text);
        int told = 0;
        if (observed) in.set_observer([&](const RecordSeen&) { ++told; });
        Real x[6];
        const bool first = in.read_or_end(layout_of("(3F4.0)"), std::vector<InItem>{x[0], x[1], x[2]});
        const bool second = in.read_or_end(layout_of("(3F4.0)"), std::vector<InItem>{x[3], x[4], x[5]});
        const bool third = in.read_or_end(layout_of("(3F4.0)"), std::vector<InItem>{x[3]});
        std::vector<float> out;
        for (const Real& r : x) out.push_back(r);
        out.insert(out.end(), {float(first), float(second), float(third), float(in.line_number())});
        if (observed) {
            EXPECT_EQ(told, 2);
        }
        return out;
    };
    EXPECT_EQ(read_all(true), read_all(false));
}

}  // namespace
}  // namespace dorvane
