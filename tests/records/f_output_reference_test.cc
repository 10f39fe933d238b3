// F output editing checked against a second, deliberately plain
// implementation: the float is expanded into its exact decimal digits by
// repeated doubling/halving of a digit string, rounded half away from zero
// on that string, and laid out by hand. Then a few hundred thousand random
// (value, w, d) cases must agree character for character.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/f_editing.h"

namespace dorvane {
namespace {

// A non-negative decimal number: digits[0..point) is the integer part,
// digits[point..] the fraction, most significant digit first.
struct DecimalDigits {
    std::vector<int> digits;
    int point = 0;
};

void double_in_place(DecimalDigits& x) {
    int carry = 0;
    for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) {
        const int t = *it * 2 + carry;
        *it = t % 10;
        carry = t / 10;
    }
    if (carry != 0) {
        x.digits.insert(x.digits.begin(), carry);
        ++x.point;
    }
}

// Halving never loses anything: an odd last digit adds one more digit 5.
void halve_in_place(DecimalDigits& x) {
    int rest = 0;
    for (int& digit : x.digits) {
        const int t = rest * 10 + digit;
        digit = t / 2;
        rest = t % 2;
    }
    if (rest != 0) x.digits.push_back(5);
}

// Exact decimal value of |v| for a finite float.
DecimalDigits exact_magnitude(float v) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
    const int biased = static_cast<int>((bits >> 23) & 0xFFu);
    std::uint32_t significand = bits & 0x7FFFFFu;
    int exponent2 = -149;  // subnormals: significand * 2^-149
    if (biased != 0) {
        significand |= 0x800000u;
        exponent2 = biased - 150;
    }
    DecimalDigits x;
    for (char c : std::to_string(significand)) x.digits.push_back(c - '0');
    x.point = static_cast<int>(x.digits.size());
    for (int i = 0; i < exponent2; ++i) double_in_place(x);
    for (int i = 0; i < -exponent2; ++i) halve_in_place(x);
    return x;
}

// Keeps d fraction digits; the first dropped digit decides (>= 5 rounds the
// magnitude up), which is rounding half away from zero.
void round_to_places(DecimalDigits& x, int d) {
    const std::size_t keep = static_cast<std::size_t>(x.point + d);
    if (x.digits.size() <= keep) {
        x.digits.resize(keep, 0);
        return;
    }
    const bool up = x.digits[keep] >= 5;
    x.digits.resize(keep);
    if (!up) return;
    for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) {
        if (*it < 9) {
            ++*it;
            return;
        }
        *it = 0;
    }
    x.digits.insert(x.digits.begin(), 1);
    ++x.point;
}

std::string reference_f(float v, int w, int d) {
    const std::string stars(static_cast<std::size_t>(w), '*');
    if (!std::isfinite(v)) {
        std::string text = std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
        text = " " + text;
        if (static_cast<int>(text.size()) > w) return stars;
        return text + std::string(static_cast<std::size_t>(w) - text.size(), ' ');
    }
    DecimalDigits x = exact_magnitude(v);
    round_to_places(x, d);

    bool all_zero = true;
    for (int digit : x.digits) all_zero = all_zero && digit == 0;
    const bool minus = std::signbit(v) && !all_zero;

    std::string integer_part;
    for (int i = 0; i < x.point; ++i) {
        if (integer_part.empty() && x.digits[static_cast<std::size_t>(i)] == 0) continue;
        integer_part += static_cast<char>('0' + x.digits[static_cast<std::size_t>(i)]);
    }
    std::string fraction;
    for (int i = 0; i < d; ++i) {
        fraction += static_cast<char>('0' + x.digits[static_cast<std::size_t>(x.point + i)]);
    }

    std::string number = (minus ? "-" : "") + integer_part + "." + fraction;
    if (integer_part.empty() && static_cast<int>(number.size()) < w) {
        number.insert(minus ? 1 : 0, "0");  // the optional 0 before the point
    }
    if (static_cast<int>(number.size()) > w) return stars;
    return std::string(static_cast<std::size_t>(w) - number.size(), ' ') + number;
}

// Runs the engine into a guarded buffer; any write outside the w
// characters shows up as a changed guard byte.
std::string engine_f(float v, int w, int d, bool& guards_intact) {
    constexpr std::size_t kGuard = 8;
    std::string buffer(kGuard + static_cast<std::size_t>(w) + kGuard, '\x01');
    edit_f_output(buffer.data() + kGuard, v, w, d);
    guards_intact = buffer.find_first_not_of('\x01', 0) >= kGuard &&
                    buffer.find_first_not_of('\x01', kGuard + static_cast<std::size_t>(w)) ==
                        std::string::npos;
    return buffer.substr(kGuard, static_cast<std::size_t>(w));
}

struct HandCase {
    int w;
    int d;
    float v;
    const char* field;
};

TEST(FOutputReference, HandCheckedEdgeCases) {
    const HandCase cases[] = {
        {6, 3, 0.5f, " 0.500"},  {5, 3, 0.5f, "0.500"},   {4, 3, 0.5f, ".500"},
        {6, 3, -0.5f, "-0.500"}, {5, 3, -0.5f, "-.500"},  {4, 3, -0.5f, "****"},
        {3, 0, -0.4f, " 0."},    {4, 1, -0.25f, "-0.3"},  {3, 1, 0.25f, "0.3"},
        {3, 1, 0.35f, "0.3"},    {3, 0, 2.0f, " 2."},     {3, 0, 0.0f, " 0."},
        {3, 0, 0.4f, " 0."},     {3, 0, -0.6f, "-1."},    {4, 1, 100.0f, "****"},
        {3, 0, -0.0f, " 0."},    {6, 1, std::numeric_limits<float>::quiet_NaN(), " NaN  "},
        {9, 2, -std::numeric_limits<float>::infinity(), "*********"},
        {10, 2, -std::numeric_limits<float>::infinity(), " -Infinity"},
    };
    for (const HandCase& c : cases) {
        SCOPED_TRACE("F" + std::to_string(c.w) + "." + std::to_string(c.d) + " of " +
                     std::to_string(c.v));
        EXPECT_EQ(reference_f(c.v, c.w, c.d), c.field) << "reference itself is off";
        bool guards_intact = false;
        EXPECT_EQ(engine_f(c.v, c.w, c.d, guards_intact), c.field);
        EXPECT_TRUE(guards_intact) << "wrote outside its field";
    }
}

// Value generators, one per kind of trouble.
using Rng = std::mt19937;

int uniform_int(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

float with_random_sign(Rng& rng, float v) { return (rng() & 1u) != 0 ? -v : v; }

float any_bit_pattern(Rng& rng) { return std::bit_cast<float>(static_cast<std::uint32_t>(rng())); }

float subnormal_or_special(Rng& rng) {
    const std::uint32_t sign = (rng() & 1u) << 31;
    switch (uniform_int(rng, 0, 3)) {
        case 0: return std::bit_cast<float>(sign | (static_cast<std::uint32_t>(rng()) & 0x7FFFFFu));
        case 1: return std::bit_cast<float>(sign | 0x7F800000u);  // infinity
        default:  // NaN with some payload, either sign, quiet or signalling
            return std::bit_cast<float>(sign | 0x7F800000u |
                                        ((static_cast<std::uint32_t>(rng()) & 0x7FFFFFu) | 1u));
    }
}

// Floats next to (k + 0.5) / 10^d, a few ulps either side.
float near_half_way(Rng& rng, int d) {
    const int int_digits = uniform_int(rng, 0, 8);
    const double k = std::floor(std::uniform_real_distribution<double>(0.0, 1.0)(rng) *
                                std::pow(10.0, int_digits + d));
    float v = static_cast<float>((k + 0.5) / std::pow(10.0, d));
    for (int steps = uniform_int(rng, -3, 3); steps != 0; steps += steps < 0 ? 1 : -1) {
        v = std::nextafter(v, steps < 0 ? 0.0f : std::numeric_limits<float>::infinity());
    }
    return with_random_sign(rng, v);
}

// m / 2^(d+1) with m odd ends in the digit 5 right after the d-th place:
// an exact tie that the float holds without error.
float exact_tie(Rng& rng, int d) {
    const int bits = uniform_int(rng, 1, 24);
    const std::uint32_t m = (static_cast<std::uint32_t>(rng()) & ((1u << bits) - 1u)) | 1u;
    return with_random_sign(rng, std::ldexp(static_cast<float>(m), -(d + 1)));
}

float log_uniform_magnitude(Rng& rng) {
    const double e = std::uniform_real_distribution<double>(-9.0, 16.0)(rng);
    return with_random_sign(rng, static_cast<float>(std::pow(10.0, e)));
}

float small_integer(Rng& rng) { return static_cast<float>(uniform_int(rng, -99999, 99999)); }

// Negative values whose rounded magnitude is zero, and their boundary.
float negative_rounding_to_zero(Rng& rng, int d) {
    const double unit = std::pow(10.0, -d);
    switch (uniform_int(rng, 0, 3)) {
        case 0: return -0.0f;
        case 1: return static_cast<float>(-0.5 * unit);  // nearest float to the tie
        default:
            return static_cast<float>(-std::uniform_real_distribution<double>(0.0, 0.5)(rng) * unit);
    }
}

float random_value(Rng& rng, int d) {
    switch (uniform_int(rng, 0, 6)) {
        case 0: return any_bit_pattern(rng);
        case 1: return subnormal_or_special(rng);
        case 2: return near_half_way(rng, d);
        case 3: return exact_tie(rng, d);
        case 4: return log_uniform_magnitude(rng);
        case 5: return small_integer(rng);
        default: return negative_rounding_to_zero(rng, d);
    }
}

TEST(FOutputReference, RandomCasesAgreeWithExactDecimalReference) {
    constexpr int kCases = 250000;
    constexpr int kMaxReported = 20;
    Rng rng(20261211u);
    int compared = 0;
    int mismatches = 0;
    for (int i = 0; i < kCases && mismatches < kMaxReported; ++i) {
        const int d = uniform_int(rng, 0, 8);
        const int w = uniform_int(rng, 3, 16);
        const float v = random_value(rng, d);
        const std::string expected = reference_f(v, w, d);
        bool guards_intact = false;
        const std::string actual = engine_f(v, w, d, guards_intact);
        ++compared;
        if (actual != expected || !guards_intact) {
            ++mismatches;
            char what[160];
            std::snprintf(what, sizeof what, "bits 0x%08X (%.9g) F%d.%d: engine \"", std::bit_cast<std::uint32_t>(v),
                          static_cast<double>(v), w, d);
            ADD_FAILURE() << what << actual << "\" reference \"" << expected << "\""
                          << (guards_intact ? "" : " (wrote outside its field)");
        }
    }
    std::cout << "F output: " << compared << " random cases compared with the exact decimal reference, "
              << mismatches << " mismatches" << (mismatches >= kMaxReported ? " (stopped early)" : "") << "\n";
}

}  // namespace
}  // namespace dorvane
