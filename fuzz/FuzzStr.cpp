// Str against its promises: a blank or minus first, at most 15 significant digits with
// no trailing zeros, the "%.15G" choice of form, and Val reading it back to the value
// rounded to 15 digits. CLng and RGB are checked on the same numbers.

#include "FuzzChecks.h"
#include "runtime/Convert.h"

#include <algorithm>

namespace {

using namespace ga::fuzz;

void checkNonFinite(double x, const std::string& s) {
    if (std::isnan(x)) {
        require(s == std::string(" ") + std::string(kUndefined), "NaN reads as undefined", s);
    } else {
        require(s == std::string(x < 0 ? "-" : " ") + std::string(kInfinity),
                "an infinity reads as its sign and the sign of infinity", s);
    }
}

void checkShape(double x, const std::string& s) {
    require(s.size() >= 2, "Str has a sign place and a digit", s);
    require(s[0] == ' ' || s[0] == '-', "Str starts with a blank or a minus", s);
    require((s[0] == '-') == (x < 0), "the minus shows exactly for negatives", s);

    const std::size_t e = s.find('E');
    const std::string mantissa = s.substr(1, e == std::string::npos ? std::string::npos : e - 1);
    const std::size_t point = mantissa.find('.');
    int significant = 0;
    bool leading = true;
    for (char c : mantissa) {
        if (c == '.') {
            continue;
        }
        require(isDigit(c), "the mantissa is digits and a point", s);
        leading = leading && c == '0';
        significant += leading ? 0 : 1;
    }
    require(significant <= 15, "at most 15 significant digits", s);
    require(point == std::string::npos || mantissa.find('.', point + 1) == std::string::npos,
            "at most one point", s);
    if (point != std::string::npos) {
        require(point + 1 < mantissa.size(), "a point is followed by digits", s);
        require(mantissa.back() != '0', "no trailing zeros after the point", s);
        require(point == 0 || mantissa[0] != '0', "no zero before the point", s);
    }
    if (e != std::string::npos) {
        require(mantissa[0] != '0' && (point == std::string::npos || point == 1),
                "the exponent form has one digit before the point", s);
        require(s.size() >= e + 4 && (s[e + 1] == '+' || s[e + 1] == '-'),
                "the exponent has a sign and two digits or more", s);
        const int exponent = std::atoi(s.c_str() + e + 1);
        require(exponent < -4 || exponent >= 15, "the exponent form only outside 1E-5..1E+15", s);
    } else if (x != 0) {
        const double magnitude = std::fabs(x);
        require(magnitude >= 9.99999999999999e-5 && magnitude < 1e15,
                "the plain form only inside 1E-5..1E+15", s);
    }
}

// "%.15G" reshaped the way Str promises: blank for non-negatives, no zero before the
// point, and minus zero as zero.
std::string printfReference(double x) {
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

// The same numbers feed the rounding rules, which turn doubles into indexes and colour
// parts: CLng is nearbyint (the default mode rounds ties to even) clamped to 32 bits, and
// the sanitizer watches that no out-of-range double is ever cast.
void checkRounding(double x) {
    double expected = 0;
    if (!std::isnan(x)) {
        expected = std::clamp(std::nearbyint(x), -2147483648.0, 2147483647.0);
    }
    require(ga::CLng(x) == static_cast<std::int32_t>(expected), "CLng is clamped nearbyint",
            hexOf(x));
    const std::uint32_t part =
        std::isnan(x) ? 0 : static_cast<std::uint32_t>(std::clamp(expected, 0.0, 255.0));
    require(ga::RGB(x, x, x) == part * 0x010101U, "RGB clamps each part", hexOf(x));
}

void check(double x) {
    checkRounding(x);
    const std::string s = ga::Str(x);
    std::string appended = "F=";
    ga::appendStr(appended, x);
    require(appended == "F=" + s, "appendStr appends Str", s);
    if (!std::isfinite(x)) {
        checkNonFinite(x, s);
        return;
    }
    checkShape(x, s);
    require(s == printfReference(x), "Str is %.15G reshaped", s + " vs " + printfReference(x));

    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.15g", x);
    const double back = ga::Val(s);
    require(back == strtodC(rounded), "Val(Str(x)) is x to 15 digits", s + " " + hexOf(back));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check(fromBits(data, size));
    check(ga::Val(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
