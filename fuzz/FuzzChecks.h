#pragma once

// Shared helpers of the conversion fuzz targets: property checks that abort with a
// readable message, and the simple references the conversions are held against.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

namespace ga::fuzz {

// libFuzzer treats an abort as a finding and saves the input that caused it.
inline void require(bool condition, const char* what, std::string_view detail = {}) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s [%.*s]\n", what,
                     static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

inline bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!isSkipped(c)) {
            out.push_back(c);
        }
    }
    return out;
}

// The leading number of a text that has no blanks left, in the form strtod reads:
// sign, digits, point, digits, and an exponent only when it has digits. Empty when
// there is no number.
inline std::string leadingNumber(std::string_view text) {
    std::size_t i = 0;
    std::string out;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out.push_back(text[i++]);
    }
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
        out.push_back(text[i]);
    }
    if (i < text.size() && text[i] == '.') {
        out.push_back(text[i++]);
        for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
            out.push_back(text[i]);
        }
    }
    if (digits == 0) {
        return {};
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent.push_back(text[j++]);
        }
        const std::size_t first = j;
        for (; j < text.size() && isDigit(text[j]); ++j) {
            exponent.push_back(text[j]);
        }
        if (j > first) {
            out += exponent;
        }
    }
    return out;
}

// strtod in the C locale whatever the process's locale is.
inline double strtodC(const std::string& text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text.c_str(), nullptr, c);
}

inline double referenceVal(std::string_view text) {
    const std::string number = leadingNumber(withoutBlanks(text));
    return number.empty() ? 0.0 : strtodC(number);
}

// Equal as values and, for zeros, in sign too.
inline bool sameValue(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

inline std::string hexOf(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a", x);
    return buffer;
}

// Two numbers from every input: its first eight bytes as the bits of a double (short
// inputs padded with zeros), and the text itself read by Val, so the dictionary's
// number-like tokens reach the formatter as well.
inline double fromBits(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[8] = {};
    if (size > 0) {
        std::memcpy(bytes, data, size < 8 ? size : 8);
    }
    double x = 0;
    std::memcpy(&x, bytes, sizeof x);
    return x;
}

constexpr std::string_view kInfinity = "\xE2\x88\x9E";
constexpr std::string_view kUndefined = "tan\xC4\xB1ms\xC4\xB1z";

} // namespace ga::fuzz
