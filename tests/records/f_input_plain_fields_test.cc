// F input of plain decimal fields (the fields of nearly every input record
// take a path that reads them without allocating) checked against strtof on
// the same digits: random fields with blanks, signs, points and d scaling.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "records/f_editing.h"

namespace dorvane {
namespace {

TEST(FInput, PlainFieldsAgreeWithStrtof) {
    std::mt19937 rng(20061);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 300000; ++round) {
        int d = pick(9);
        // The number as written: sign, up to 10 digits, perhaps a point.
        std::string number;
        if (pick(4) == 0) number += pick(2) ? '-' : '+';
        int digits = 1 + pick(10);
        int point = pick(3) == 0 ? -1 : pick(digits + 1);
        for (int k = 0; k < digits; ++k) {
            if (k == point) number += '.';
            number += static_cast<char>('0' + (pick(3) == 0 ? 0 : pick(10)));
        }
        if (point == digits) number += '.';
        // The field: blanks before, inside (after the sign) and after.
        std::string field(static_cast<size_t>(pick(3)), ' ');
        for (char c : number) {
            field += c;
            if (pick(8) == 0) field += ' ';
        }
        field.append(static_cast<size_t>(pick(3)), ' ');

        std::string reference = number;
        if (point < 0) reference += "e-" + std::to_string(d);
        float expected = std::strtof(reference.c_str(), nullptr);
        float v = -99.0f;
        ASSERT_TRUE(edit_f_input(field, d, v)) << '"' << field << '"';
        ASSERT_EQ(v, expected) << '"' << field << "\" d=" << d;
        ASSERT_EQ(std::signbit(v), std::signbit(expected)) << '"' << field << '"';
    }
}

}  // namespace
}  // namespace dorvane
