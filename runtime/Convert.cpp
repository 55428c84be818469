#include "runtime/Convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace ga {

namespace {

// UTF-8 spelled out so the bytes do not depend on the compiler's source charset.
constexpr std::string_view kInfinity = "\xE2\x88\x9E"; // ∞

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The exponent text may be arbitrarily long; beyond this every result is already 0 or
// infinity, and stopping here keeps the arithmetic below far from int64 overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Decimal exponents of the leading digit beyond which no double exists; the band in
// between is left to from_chars, which rounds correctly.
constexpr std::int64_t kSurelyInfinite = 310;
constexpr std::int64_t kSurelyZero = -330;

// Reads the text the way users type numbers: it walks the characters once, skipping
// blanks, and collects the significant digits with a decimal exponent, so leading zeros
// and huge exponents never reach the converter.
class NumberReader {
  public:
    explicit NumberReader(std::string_view text) : text_(text) {}

    double read() {
        bool negative = false;
        if (const char c = peek(); c == '+' || c == '-') {
            negative = c == '-';
            ++pos_;
        }
        bool anyDigit = readDigits(false);
        if (peek() == '.') {
            ++pos_;
            anyDigit = readDigits(true) || anyDigit;
        }
        if (!anyDigit) {
            return 0.0;
        }
        const std::int64_t scale = readExponent() - fractionDigits_;
        const double magnitude = convert(scale);
        return negative ? -magnitude : magnitude;
    }

  private:
    // The next character that is not skipped, or '\0' at the end.
    char peek() {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    bool readDigits(bool fraction) {
        bool any = false;
        for (char c = peek(); isDigit(c); c = peek()) {
            any = true;
            ++pos_;
            if (fraction) {
                ++fractionDigits_;
            }
            if (!digits_.empty() || c != '0') {
                digits_.push_back(c);
            }
        }
        return any;
    }

    // An exponent counts only when a digit follows its letter and sign; otherwise the
    // reading stops before the letter and the number stands as it is ("1e" is 1).
    std::int64_t readExponent() {
        const char letter = peek();
        if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') {
            return 0;
        }
        ++pos_;
        bool negative = false;
        if (const char c = peek(); c == '+' || c == '-') {
            negative = c == '-';
            ++pos_;
        }
        std::int64_t exponent = 0;
        for (char c = peek(); isDigit(c); c = peek()) {
            ++pos_;
            exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
        }
        return negative ? -exponent : exponent;
    }

    // The value of digits_ times ten to the scale, correctly rounded.
    double convert(std::int64_t scale) {
        if (digits_.empty()) {
            return 0.0;
        }
        const std::int64_t leading = scale + static_cast<std::int64_t>(digits_.size()) - 1;
        if (leading > kSurelyInfinite) {
            return std::numeric_limits<double>::infinity();
        }
        if (leading < kSurelyZero) {
            return 0.0;
        }
        // Called once per reader, so the digits themselves become the converter's buffer.
        std::string& buffer = digits_;
        char exponent[24];
        buffer.push_back('e');
        buffer.append(exponent, std::to_chars(exponent, exponent + sizeof exponent, scale).ptr);
        double value = 0.0;
        const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
        if (result.ec == std::errc::result_out_of_range) {
            // from_chars leaves the value untouched here; the leading digit's place tells
            // which way the range was left.
            return leading >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string digits_;
    std::int64_t fractionDigits_ = 0;
};

enum class Style { Str, CStr };

// Whole numbers are by far the most common (genes, counters, F of whole digits); they go
// straight through the integer conversion, which also turns minus zero into "0". Kept
// apart from the general form so that the common case costs only a short call.
bool appendWhole(std::string& out, double value, Style style) {
    if (!(std::fabs(value) < 1e15)) { // NaN and infinities too
        return false;
    }
    const auto whole = static_cast<std::int64_t>(value);
    if (static_cast<double>(whole) != value) {
        return false;
    }
    // Most of the sixty list lines and twenty-odd report lines of a tick are genes and
    // small whole numbers; 32 bits format faster than 64.
    char buffer[24];
    char* first = buffer;
    if (whole < 0) {
        *first++ = '-';
    } else if (style == Style::Str) {
        *first++ = ' ';
    }
    const std::uint64_t magnitude =
        whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : static_cast<std::uint64_t>(whole);
    char* last =
        magnitude <= std::numeric_limits<std::uint32_t>::max()
            ? std::to_chars(first, buffer + sizeof buffer, static_cast<std::uint32_t>(magnitude))
                  .ptr
            : std::to_chars(first, buffer + sizeof buffer, magnitude).ptr;
    out.append(buffer, static_cast<std::size_t>(last - buffer));
    return true;
}

[[gnu::noinline]] void appendGeneral(std::string& out, double value, Style style,
                                     std::string_view separator, std::string_view undefined) {
    const bool str = style == Style::Str;
    if (std::isnan(value)) {
        if (str) {
            out.push_back(' ');
        }
        out.append(undefined);
        return;
    }
    if (std::isinf(value)) {
        if (value < 0) {
            out.push_back('-');
        } else if (str) {
            out.push_back(' ');
        }
        out.append(kInfinity);
        return;
    }
    // The general form with 15 digits chooses the scientific form and drops trailing
    // zeros exactly as "%.15G" does, without depending on the C locale.
    char buffer[40];
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    const char* p = buffer;
    if (*p == '-') {
        out.push_back('-');
        ++p;
    } else if (str) {
        out.push_back(' ');
    }
    if (str && p[0] == '0' && p + 1 < end && p[1] == '.') {
        ++p;
    }
    for (; p != end; ++p) {
        if (*p == '.') {
            out.append(separator);
        } else if (*p == 'e') {
            out.push_back('E');
        } else {
            out.push_back(*p);
        }
    }
}

void appendNumber(std::string& out, double value, Style style, std::string_view separator,
                  std::string_view undefined) {
    if (!appendWhole(out, value, style)) {
        appendGeneral(out, value, style, separator, undefined);
    }
}

} // namespace

double Val(std::string_view text) {
    return NumberReader(text).read();
}

void appendStr(std::string& out, double value, std::string_view undefined) {
    appendNumber(out, value, Style::Str, ".", undefined);
}

void appendCStr(std::string& out, double value, std::string_view decimalSeparator,
                std::string_view undefined) {
    appendNumber(out, value, Style::CStr, decimalSeparator, undefined);
}

std::string Str(double value, std::string_view undefined) {
    std::string out;
    appendStr(out, value, undefined);
    return out;
}

std::string CStr(double value, std::string_view decimalSeparator, std::string_view undefined) {
    std::string out;
    appendCStr(out, value, decimalSeparator, undefined);
    return out;
}

double Int(double value) {
    // Without SSE4.1 the compiler expands floor into a long sequence, and Int runs for
    // every Rnd draw; below 2^52 a truncating cast does the same work for less.
    if (std::fabs(value) < 0x1p52) {
        const double truncated = static_cast<double>(static_cast<std::int64_t>(value));
        const double down = truncated > value ? truncated - 1 : truncated;
        // floor keeps the sign of a zero: Int(-0) is -0.
        return down == 0 ? std::copysign(0.0, value) : down;
    }
    return std::floor(value); // already whole, infinite or NaN
}

std::int32_t CLng(double value) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value)) {
        return 0;
    }
    // Anything at or beyond the limits rounds to the limit itself, so saturating first
    // keeps every later cast in range.
    if (value >= static_cast<double>(kMax)) {
        return kMax;
    }
    if (value <= static_cast<double>(kMin)) {
        return kMin;
    }
    // Inside the limits the whole part fits an int64 exactly and value - whole is exact,
    // so the tie test is exact too; a tie goes to the even neighbour whatever the FPU's
    // rounding mode, and no library call is needed on this hot path.
    const auto whole = static_cast<std::int64_t>(value); // toward zero
    const double fraction = value - static_cast<double>(whole);
    std::int64_t rounded = whole;
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) {
        ++rounded;
    } else if (fraction < -0.5 || (fraction == -0.5 && (whole & 1) != 0)) {
        --rounded;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(rounded, kMin, kMax));
}

std::uint32_t RGB(double red, double green, double blue) {
    const auto part = [](double x) -> std::uint32_t {
        if (!(x > 0.0)) { // NaN and negatives
            return 0;
        }
        if (x >= 255.0) {
            return 255;
        }
        // Parts usually arrive already whole (from CLng or as constants).
        if (const auto whole = static_cast<std::uint32_t>(x); whole == x) {
            return whole;
        }
        return static_cast<std::uint32_t>(CLng(x));
    };
    return part(red) + 256U * part(green) + 65536U * part(blue);
}

} // namespace ga
