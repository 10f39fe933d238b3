// Export numbers: the shortest decimal that reads back to the same float.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "export/number_text.h"

namespace dorvane {
namespace {

TEST(NumberText, ShortestRoundTripText) {
    const struct {
        float v;
        const char* text;
    } cases[] = {
        {0.1f, "0.1"},          // not 0.100000001, the float's exact value
        {98.07f, "98.07"},
        {3.141593f, "3.141593"},
        {0.00254f, "0.00254"},
        {1.0e-5f, "1e-05"},
        {101.0f, "101"},
        {-2.5f, "-2.5"},
        {0.0f, "0"},
        {-0.0f, "-0"},
        {1.0e-45f, "1e-45"},    // below the normal range
        {3.4028235e38f, "3.4028235e+38"},
        {16777217.0f, "16777216"},
    };
    for (const auto& c : cases) EXPECT_EQ(number_text(c.v), c.text) << c.text;
}

TEST(NumberText, NonFiniteIsEmpty) {
    EXPECT_EQ(number_text(std::numeric_limits<float>::infinity()), "");
    EXPECT_EQ(number_text(-std::numeric_limits<float>::infinity()), "");
    EXPECT_EQ(number_text(std::numeric_limits<float>::quiet_NaN()), "");
    EXPECT_FALSE(exportable(std::numeric_limits<float>::quiet_NaN()));
}

// Any bit pattern of a finite float reads back to itself.
TEST(NumberText, EveryFloatReadsBackToItself) {
    std::mt19937 gen(2006);
    for (int n = 0; n < 200000; ++n) {
        const uint32_t bits = gen();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) continue;
        const std::string text = number_text(v);
        const float back = std::strtof(text.c_str(), nullptr);
        ASSERT_EQ(std::memcmp(&back, &v, sizeof v), 0) << text;
    }
}

}  // namespace
}  // namespace dorvane
