#include "records/f_editing.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace dorvane {

namespace {

using u128 = unsigned __int128;

constexpr uint64_t kPow10[] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull,
                               10000000ull, 100000000ull, 1000000000ull};

void fill(char* dst, int w, char c) { std::memset(dst, c, static_cast<size_t>(w)); }

// Non-finite values: one blank, the text, blanks; asterisks when too narrow.
void edit_non_finite(char* dst, float v, int w) {
    const char* text = std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
    int n = static_cast<int>(std::strlen(text));
    if (w < n + 1) return fill(dst, w, '*');
    fill(dst, w, ' ');
    std::memcpy(dst + 1, text, static_cast<size_t>(n));
}

// |v| * 10^d rounded half away from zero, exactly. Only called when
// |v| < 1e17, so the scaled value stays far below 2^128.
u128 scaled_rounded(float magnitude, int d) {
    uint32_t bits = std::bit_cast<uint32_t>(magnitude);
    int biased = static_cast<int>(bits >> 23);
    uint64_t significand = bits & 0x7fffffu;
    int exponent;  // value = significand * 2^exponent
    if (biased == 0) {
        exponent = -149;
    } else {
        significand |= 0x800000u;
        exponent = biased - 150;
    }
    u128 numerator = static_cast<u128>(significand) * kPow10[d];
    if (exponent >= 0) return numerator << exponent;
    int shift = -exponent;
    if (shift >= 100) return 0;  // numerator < 2^51: far below one half
    u128 quotient = numerator >> shift;
    u128 remainder = numerator - (quotient << shift);
    u128 half = static_cast<u128>(1) << (shift - 1);
    return remainder >= half ? quotient + 1 : quotient;
}

}  // namespace

void edit_f_output(char* dst, float v, int w, int d) {
    if (!std::isfinite(v)) return edit_non_finite(dst, v, w);
    float magnitude = std::fabs(v);
    // Anything of 1e16 or more has at least 17 integer digits: never fits w <= 16.
    if (magnitude >= 1e16f || w > 40 || d > 9) return fill(dst, w, '*');

    u128 q = scaled_rounded(magnitude, d);
    bool minus = std::signbit(v) && q != 0;
    u128 integer_part = q / kPow10[d];
    uint64_t fraction = static_cast<uint64_t>(q % kPow10[d]);

    char digits[48];
    int n = 0;  // integer digits, least significant first
    for (u128 x = integer_part; x != 0; x /= 10) digits[n++] = static_cast<char>('0' + static_cast<int>(x % 10));

    int length = (minus ? 1 : 0) + n + 1 + d;
    bool leading_zero = n == 0 && (minus ? w > d + 2 : w > d + 1);
    if (leading_zero) ++length;
    if (length > w) return fill(dst, w, '*');

    char* p = dst;
    for (int i = 0; i < w - length; ++i) *p++ = ' ';
    if (minus) *p++ = '-';
    if (leading_zero) *p++ = '0';
    for (int i = n - 1; i >= 0; --i) *p++ = digits[i];
    *p++ = '.';
    for (int i = d - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
}

void edit_i_output(char* dst, int n, int w) {
    std::string text = std::to_string(n);
    int len = static_cast<int>(text.size());
    if (len > w) return fill(dst, w, '*');
    fill(dst, w - len, ' ');
    std::memcpy(dst + (w - len), text.data(), text.size());
}

namespace {

bool equals_word(const std::string& s, size_t start, const char* word) {
    size_t n = std::strlen(word);
    if (s.size() - start != n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = s[start + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

}  // namespace

bool edit_f_input(std::string_view field, int d, float& out) {
    // Blanks are ignored wherever they stand.
    std::string s;
    s.reserve(field.size());
    for (char c : field)
        if (c != ' ') s.push_back(c);
    if (s.empty()) {
        out = 0.0f;
        return true;
    }

    size_t i = 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') {
        negative = s[i] == '-';
        ++i;
    }
    if (equals_word(s, i, "infinity")) {
        out = negative ? -INFINITY : INFINITY;
        return true;
    }
    if (equals_word(s, i, "nan")) {
        out = NAN;
        return true;
    }

    std::string mantissa;  // digits only
    int point_position = -1;  // digits before the point, when there is one
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            mantissa.push_back(c);
        } else if (c == '.' && point_position < 0) {
            point_position = static_cast<int>(mantissa.size());
        } else {
            break;
        }
    }
    long long exponent = 0;
    bool has_exponent = i < s.size();
    if (has_exponent) {
        if (s[i] != 'E' && s[i] != 'e') return false;
        ++i;
        bool exponent_negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            exponent_negative = s[i] == '-';
            ++i;
        }
        if (i == s.size()) return false;
        for (; i < s.size(); ++i) {
            if (s[i] < '0' || s[i] > '9') return false;
            if (exponent < 100000000) exponent = exponent * 10 + (s[i] - '0');  // saturates
        }
        if (exponent_negative) exponent = -exponent;
    }
    if (mantissa.empty()) {  // only a sign and/or a point reads as 0
        out = 0.0f;
        return !has_exponent;
    }
    // Without a point the digits are an integer scaled by 10^-d.
    if (point_position < 0) exponent -= d;
    else exponent -= static_cast<long long>(mantissa.size()) - point_position;

    std::string text = (negative ? "-" : "") + mantissa + "e" + std::to_string(exponent);
    errno = 0;
    out = std::strtof(text.c_str(), nullptr);  // correctly rounded to float
    return true;
}

}  // namespace dorvane
