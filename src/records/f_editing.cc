#include "records/f_editing.h"

#include <array>
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

void fill(char* dst, int w, char c) {
    if (w > 0) std::memset(dst, c, static_cast<size_t>(w));
}

// Non-finite values: one blank, the text, blanks; asterisks when too narrow.
[[gnu::noinline]] void edit_non_finite(char* dst, float v, int w) {
    const char* text = std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
    int n = static_cast<int>(std::strlen(text));
    if (w < n + 1) return fill(dst, w, '*');
    fill(dst, w, ' ');
    std::memcpy(dst + 1, text, static_cast<size_t>(n));
}

// |v| * 10^d rounded half away from zero, exactly. Only called when
// |v| < 1e16 and d <= 9, so the scaled value stays far below 2^128.
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
    // significand < 2^24 and 10^d < 2^30: the product fits 64 bits.
    uint64_t numerator = significand * kPow10[d];
    if (exponent >= 0) return static_cast<u128>(numerator) << exponent;
    // A value with a fraction: the usual case, all in 64-bit integers.
    int shift = -exponent;
    if (shift > 54) return 0;  // numerator < 2^54 <= 2^(shift-1): below one half
    uint64_t quotient = numerator >> shift;
    uint64_t remainder = numerator & ((uint64_t{1} << shift) - 1);
    uint64_t half = uint64_t{1} << (shift - 1);
    // The exact half-way test, as arithmetic: which way a value rounds is
    // anybody's guess, so a branch on it would be mispredicted half the time.
    return quotient + static_cast<uint64_t>(remainder >= half);
}

// The decimal digits of x, least significant first; returns their count.
template <class Unsigned>
int integer_digits(Unsigned x, char* digits) {
    int n = 0;
    for (; x != 0; x /= 10) digits[n++] = static_cast<char>('0' + static_cast<int>(x % 10));
    return n;
}

// Blanks over the whole field, before the number is written over them: a
// few overlapping word stores instead of a call to fill a handful of bytes.
inline void blank_field(char* dst, int w) {
    static constexpr char kBlanks[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    if (w >= 8) {
        for (int i = 0; i + 8 < w; i += 8) std::memcpy(dst + i, kBlanks, 8);
        std::memcpy(dst + w - 8, kBlanks, 8);
    } else if (w >= 4) {
        std::memcpy(dst, kBlanks, 4);
        std::memcpy(dst + w - 4, kBlanks, 4);
    } else {
        fill(dst, w, ' ');
    }
}

// "00" to "99": taking the digits off two at a time halves the divisions.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Lays out q = |v| * 10^D, already rounded, right-justified in the w
// characters at dst: its digits are taken off from the right (D of them
// after the point) and written from the right end of the field, so neither
// a division by 10^D nor a copy is needed. Asterisks when it does not fit.
// D is a template argument so that the fraction's digits are straight code.
template <int D, class Unsigned>
void lay_out(char* dst, Unsigned q, bool minus, int w) {
    if (D + 1 > w) return fill(dst, w, '*');  // the point and the D digits are never dropped
    blank_field(dst, w);
    char* p = dst + w;
    auto put_one = [&] {
        *--p = static_cast<char>('0' + static_cast<int>(q % 10));
        q /= 10;
    };
    auto put_two = [&] {
        size_t r = static_cast<size_t>(q % 100);
        q /= 100;
        p -= 2;
        p[0] = kDigitPairs[2 * r];
        p[1] = kDigitPairs[2 * r + 1];
    };
    if constexpr (D % 2 != 0) put_one();
    for (int i = 0; i < D / 2; ++i) put_two();
    *--p = '.';
    if (q == 0) {
        // A single 0 before the point when there is room for it beside the sign.
        if (p - dst > (minus ? 1 : 0)) *--p = '0';
    } else {
        for (; q >= 10; put_two())
            if (p - dst < 2) return fill(dst, w, '*');
        if (q != 0) {
            if (p == dst) return fill(dst, w, '*');
            put_one();
        }
    }
    if (minus) {
        if (p == dst) return fill(dst, w, '*');
        *--p = '-';
    }
}

template <class Unsigned>
void lay_out(char* dst, Unsigned q, bool minus, int w, int d) {
    switch (d) {
        case 0: return lay_out<0>(dst, q, minus, w);
        case 1: return lay_out<1>(dst, q, minus, w);
        case 2: return lay_out<2>(dst, q, minus, w);
        case 3: return lay_out<3>(dst, q, minus, w);
        case 4: return lay_out<4>(dst, q, minus, w);
        case 5: return lay_out<5>(dst, q, minus, w);
        case 6: return lay_out<6>(dst, q, minus, w);
        case 7: return lay_out<7>(dst, q, minus, w);
        case 8: return lay_out<8>(dst, q, minus, w);
        default: return lay_out<9>(dst, q, minus, w);  // d <= 9 here
    }
}

// Values of 2^32 or more once scaled: kept apart so that the usual path
// stays small.
[[gnu::noinline]] void lay_out_wide(char* dst, u128 q, bool minus, int w, int d) {
    if (static_cast<uint64_t>(q >> 64) == 0) return lay_out(dst, static_cast<uint64_t>(q), minus, w, d);
    lay_out(dst, q, minus, w, d);
}

}  // namespace

void edit_f_output(char* dst, float v, int w, int d) {
    float magnitude = std::fabs(v);
    // One test keeps the usual values on the usual path: not-a-number,
    // infinities and anything of 1e16 or more (at least 17 integer digits:
    // never fits w <= 16) all fail it.
    if (!(magnitude < 1e16f)) {
        if (!std::isfinite(v)) return edit_non_finite(dst, v, w);
        return fill(dst, w, '*');
    }
    if (w > 40 || d > 9) return fill(dst, w, '*');

    u128 q = scaled_rounded(magnitude, d);
    bool minus = std::signbit(v) && q != 0;
    // The narrowest integer type that holds q: the table values fit 32 bits,
    // where taking digits off costs least.
    if (static_cast<uint64_t>(q >> 32) == 0) return lay_out(dst, static_cast<uint32_t>(q), minus, w, d);
    lay_out_wide(dst, q, minus, w, d);
}

void edit_i_output(char* dst, int n, int w) {
    char digits[12];
    uint32_t magnitude = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    int len = integer_digits(magnitude, digits);
    if (len == 0) digits[len++] = '0';
    if (n < 0) digits[len++] = '-';
    if (len > w) return fill(dst, w, '*');
    fill(dst, w - len, ' ');
    for (int i = 0; i < len; ++i) dst[w - 1 - i] = digits[i];
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

namespace {

// Powers of ten that are exact in float (5^10 < 2^24).
constexpr float kPow10f[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

// The usual field, read without allocating: blanks, an optional sign, digits
// with at most one point, nothing else. Its value is m * 10^e; when m fits
// the float significand exactly and 10^|e| is exact in float, one float
// multiplication or division of two exact operands rounds it correctly.
// False when the field is not of that kind: the general reading takes it.
bool read_plain_decimal(std::string_view field, int d, float& out) {
    bool negative = false, sign_seen = false, point_seen = false, digit_seen = false;
    uint32_t m = 0;
    int after_point = 0;
    for (char c : field) {
        if (c == ' ') continue;
        if (c >= '0' && c <= '9') {
            m = m * 10 + static_cast<uint32_t>(c - '0');
            if (m > (1u << 24)) return false;  // past the exact integers of float
            digit_seen = true;
            if (point_seen) ++after_point;
        } else if (c == '.' && !point_seen) {
            point_seen = true;
        } else if ((c == '+' || c == '-') && !sign_seen && !digit_seen && !point_seen) {
            sign_seen = true;
            negative = c == '-';
        } else {
            return false;  // exponent, words, or a fault: the general reading
        }
    }
    if (!digit_seen) {  // empty, blank, or only a sign and/or a point
        out = 0.0f;
        return true;
    }
    // Without a point the digits are an integer scaled by 10^-d.
    int exponent = point_seen ? -after_point : -d;
    if (exponent < -10 || exponent > 10) return false;
    float magnitude = static_cast<float>(m);  // exact
    magnitude = exponent >= 0 ? magnitude * kPow10f[exponent] : magnitude / kPow10f[-exponent];
    out = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

bool edit_f_input(std::string_view field, int d, float& out) {
    if (read_plain_decimal(field, d, out)) return true;
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
