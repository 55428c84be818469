#include "runtime/Convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ga {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

struct ValCase {
    std::string_view text;
    double expected;
};

void expectVal(const std::vector<ValCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "text \"" << c.text << "\"");
        const double got = Val(c.text);
        EXPECT_EQ(got, c.expected);
        // EXPECT_EQ treats the two zeros as equal; an underflow must keep its sign.
        EXPECT_EQ(std::signbit(got), std::signbit(c.expected));
    }
}

// Users type free text into the boxes: only the leading number counts; blanks, tabs and
// line feeds are skipped anywhere, even between digits, sign and exponent; the sign, the
// fraction and both exponent letters follow the number's grammar; the text becomes the
// nearest double, halfway and subnormal cases included; and beyond the range of double
// the result is an infinity or a signed zero, never garbage.
TEST(Val, ReadsTheLeadingNumber) {
    expectVal({
        {"", 0.0},
        {"277", 277.0},
        {"277abc", 277.0},
        {"24 and 57", 24.0},
        {"1,5", 1.0},
        {"&H1F", 0.0},
        {"abc", 0.0},
        {"1.2.3", 1.2},
        {"1e5.5", 100000.0},
        {"12\r3", 12.0},
        {"100000.0000001", 100000.0000001},
        {"    1615 198th Street N.E.", 1615198.0},
        {"1\t2", 12.0},
        {"1\n2", 12.0},
        {"- 5", -5.0},
        {"1 . 5", 1.5},
        {"1 e 2", 100.0},
        {"1e - 2", 0.01},
        {"   ", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.5E1", -5.0},
        {"+5", 5.0},
        {"--5", 0.0},
        {"+-5", 0.0},
        {"-", 0.0},
        {".e5", 0.0},
        {"1D2", 100.0},
        {"1d2", 100.0},
        {"2.5E+3", 2500.0},
        {"1e", 1.0},
        {"1e-x", 1.0},
        {"1ee2", 1.0},
        {"-0", -0.0},
        {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
        {"1.00000000000000011102230246251565404236316680908203125", 1.0},
        {"1.00000000000000011102230246251565404236316680908203126", 0x1.0000000000001p0},
        {"9007199254740993", 9007199254740992.0},
        {"1.7976931348623157e308", kMax},
        {"3e-324", kTiny},
        {"1.7976931348623159e308", kInf},
        {"-1e309", -kInf},
        {"-1e-400", -0.0},
        {"2e-324", 0.0},
        {"-1e99999999999999999999", -kInf},
        {"1e-99999999999999999999", 0.0},
        {"1e18446744073709551617", kInf},
        {"0e99999999999999999999", 0.0},
        {"0.0000001e-330", 0.0},
    });
}

TEST(Val, VeryLongTexts) {
    // Texts of thousands of characters are read whole: digits far apart still count.
    const std::string zeros(10000, '0');
    const std::string threes(10000, '3');
    const std::string blanks(20000, ' ');
    const std::string junk(10000, 'x');
    const std::string leadingZeros = "0." + std::string(400, '0') + "1e401";
    const std::string trailingZeros = "1" + std::string(400, '0') + "e-400";
    const std::string bigMantissa = "1" + zeros;
    const std::string longFraction = "0." + threes;
    const std::string farNumber = blanks + "5";
    const std::string junkAfter = "12" + junk;
    const std::string longExponent = "1e" + zeros + "5";
    const std::string halfwayThenMore =
        "1.00000000000000011102230246251565404236316680908203125" + std::string(5000, '0') + "1";
    expectVal({
        {leadingZeros, 1.0},
        {trailingZeros, 1.0},
        {bigMantissa, kInf},
        {longFraction, 1.0 / 3.0},
        {farNumber, 5.0},
        {junkAfter, 12.0},
        {longExponent, 100000.0},
        {halfwayThenMore, 0x1.0000000000001p0},
    });
}

// Report lines show numbers with Str: fifteen significant digits, a blank where a minus
// would be, no zero before the point, the exponent form below 1E-4 and from 1E+15 with a
// sign and at least two digits. List lines show them with CStr: the same digits without
// the blank, with a zero before the locale's separator. Values with no finite result have
// words, not "inf" or "nan".
TEST(Str, WritesTheDocumentedForms) {
    const struct {
        double value;
        std::string_view str;
        std::string_view cstr; // with the separator ","
    } cases[] = {
        {459.0, " 459", "459"},
        {-459.65, "-459.65", "-459,65"},
        {0.5, " .5", "0,5"},
        {-0.5, "-.5", "-0,5"},
        {-0.0, " 0", "0"},
        {1.0 / 3.0, " .333333333333333", "0,333333333333333"},
        {0.1 + 0.2, " .3", "0,3"},
        {99999.99999999999, " 100000", "100000"},
        {0.0001, " .0001", "0,0001"},
        {0.00001, " 1E-05", "1E-05"},
        {-1.5e-7, "-1.5E-07", "-1,5E-07"},
        {1e15, " 1E+15", "1E+15"},
        {999999999999999.0, " 999999999999999", "999999999999999"},
        {123456789012345678.0, " 1.23456789012346E+17", "1,23456789012346E+17"},
        {-1e-100, "-1E-100", "-1E-100"},
        {kTiny, " 4.94065645841247E-324", "4,94065645841247E-324"},
        {kInf, " \xE2\x88\x9E", "\xE2\x88\x9E"},
        {-kInf, "-\xE2\x88\x9E", "-\xE2\x88\x9E"},
        {kNaN, " tan\xC4\xB1ms\xC4\xB1z", "tan\xC4\xB1ms\xC4\xB1z"},
        {-kNaN, " tan\xC4\xB1ms\xC4\xB1z", "tan\xC4\xB1ms\xC4\xB1z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "value " << c.value);
        EXPECT_EQ(Str(c.value), c.str);
        EXPECT_EQ(CStr(c.value, ","), c.cstr);
    }
    // Any separator, a multi-byte one included.
    EXPECT_EQ(CStr(-2.25, "\xD9\xAB"), "-2\xD9\xAB"
                                       "25");
    EXPECT_EQ(CStr(1.5e-7, "."), "1.5E-07");
}

TEST(Append, AddsToTheEndOfAnExistingLine) {
    // Lines are built piece by piece; the appending forms must not disturb what is there.
    std::string line = "F=";
    appendStr(line, 0.5);
    line += ';';
    appendCStr(line, 0.5, ",");
    line += ';';
    appendStr(line, -7.0);
    line += ';';
    appendCStr(line, kInf, ",");
    EXPECT_EQ(line, "F= .5;0,5;-7;\xE2\x88\x9E");
}

// The text printf gives with "%.15G" (the C locale is in force in the test program),
// turned into the blank-led, zero-less form.
std::string referenceStr(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", x);
    std::string s = buffer;
    if (s == "-0") {
        s = "0";
    }
    if (s[0] != '-') {
        s.insert(0, " ");
    }
    if (s.compare(1, 2, "0.") == 0) {
        s.erase(1, 1);
    }
    return s;
}

TEST(Str, AgreesWithPrintfAcrossTheRange) {
    // Many values of every magnitude and sign, from a fixed generator: Str is "%.15G"
    // reshaped, Val reads it back to the value rounded to 15 digits, and CStr is Str
    // with the zero and separator.
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    const auto next = [&state] {
        state ^= state << 13U;
        state ^= state >> 7U;
        state ^= state << 17U;
        return state;
    };
    std::vector<double> values;
    for (int e = -330; e <= 310; ++e) {
        const double p = std::pow(10.0, e);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, kInf), 5 * p, 1.5 * p}) {
            values.push_back(v);
            values.push_back(-v);
        }
    }
    for (int i = 0; i < 20000; ++i) {
        double v = 0;
        const std::uint64_t bits = next();
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) {
            values.push_back(v);
        }
        values.push_back(static_cast<double>(static_cast<std::int64_t>(next() >> 12U)) / 1024.0);
    }
    for (double v : values) {
        if (!std::isfinite(v)) {
            continue;
        }
        SCOPED_TRACE(::testing::Message() << "value " << v);
        const std::string str = Str(v);
        ASSERT_EQ(str, referenceStr(v));

        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.15g", v);
        ASSERT_EQ(Val(str), std::strtod(rounded, nullptr));

        std::string expectedCStr = str[0] == ' ' ? str.substr(1) : str;
        const std::size_t body = expectedCStr[0] == '-' ? 1 : 0;
        if (expectedCStr[body] == '.') {
            expectedCStr.insert(body, "0");
        }
        if (const auto point = expectedCStr.find('.'); point != std::string::npos) {
            expectedCStr.replace(point, 1, ",");
        }
        ASSERT_EQ(CStr(v, ","), expectedCStr);
    }
}

TEST(Int, AgreesWithFloorBitForBit) {
    // Int rounds down, so negative fractions move away from zero. It takes a shortcut below
    // 2^52; it must give floor's result exactly, the sign of a zero included, around every
    // edge of that shortcut and at the infinities.
    EXPECT_TRUE(std::isnan(Int(kNaN)));
    std::vector<double> values{-0.0,
                               -2.5,
                               -1e-300,
                               1e300,
                               -kInf,
                               0.0,
                               0.75,
                               -0.25,
                               -1.0,
                               std::nextafter(1.0, 0.0),
                               std::nextafter(-1.0, 0.0),
                               0x1p52,
                               -0x1p52,
                               std::nextafter(0x1p52, 0.0),
                               std::nextafter(-0x1p52, 0.0),
                               0x1p52 + 1,
                               std::numeric_limits<double>::denorm_min(),
                               -std::numeric_limits<double>::denorm_min(),
                               kInf};
    std::mt19937_64 generator(20261208);
    std::uniform_real_distribution<double> spread(-2e5, 2e5);
    std::uniform_int_distribution<int> exponent(-60, 60);
    for (int i = 0; i < 100000; ++i) {
        values.push_back(spread(generator));
        values.push_back(std::ldexp(spread(generator), exponent(generator)));
    }
    for (const double v : values) {
        const double expected = std::floor(v);
        const double got = Int(v);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
            << "value " << v << ": Int " << got << ", floor " << expected;
    }
}

TEST(CLng, RoundsTiesToEvenAndSaturates) {
    // Indexes, periods and colour parts use CLng: ties go to even, and out-of-range
    // values stop at the 32-bit limits instead of wrapping.
    constexpr std::int32_t kHigh = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kLow = std::numeric_limits<std::int32_t>::min();
    const std::vector<std::pair<double, std::int32_t>> cases{
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {62.5, 62},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},
        {-0.49999999999999994, 0},
        {2147483646.5, 2147483646},
        {2147483647.4, kHigh},
        {2147483647.5, kHigh},
        {-2147483648.4, kLow},
        {-2147483648.5, kLow},
        {-2147483647.5, -2147483648},
        {1e10, kHigh},
        {-1e10, kLow},
        {4503599627370497.0, kHigh},
        {kInf, kHigh},
        {-kInf, kLow},
        {kNaN, 0},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(::testing::Message() << "value " << value);
        EXPECT_EQ(CLng(value), expected);
    }
}

struct RgbCase {
    double r;
    double g;
    double b;
    std::uint32_t expected;
};

TEST(RGB, ClampsEachPartIntoTheByteRange) {
    // A part above 255 counts as 255 and one below 0 or NaN as 0, so a colour never
    // spills into its neighbour's byte.
    const std::vector<RgbCase> cases{
        {255, 255, 255, 0xFFFFFFU}, {0, 0, 0, 0x000000U},         {1, 2, 3, 0x030201U},
        {300, 0, 0, 0x0000FFU},     {255.5, 0, 0, 0x0000FFU},     {0, 1e9, 0, 0x00FF00U},
        {0, 0, kInf, 0xFF0000U},    {-5, 7, 0, 0x000700U},        {kNaN, kNaN, kNaN, 0x000000U},
        {-kInf, 0, 1, 0x010000U},   {254.5, 0.5, 1.5, 0x0200FEU}, {255.4, 254.6, -0.4, 0x00FFFFU},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "rgb " << c.r << ", " << c.g << ", " << c.b);
        EXPECT_EQ(RGB(c.r, c.g, c.b), c.expected);
    }
}

} // namespace
} // namespace ga
