// CStr against Str: the same digits without the leading blank, with a zero before the
// separator, and the given separator in place of the point. The first byte picks the
// separator, the rest is the number.

#include "FuzzChecks.h"
#include "runtime/Convert.h"

#include <array>

namespace {

using namespace ga::fuzz;

std::string expectedFromStr(double x, std::string_view separator) {
    std::string s = ga::Str(x);
    if (!std::isfinite(x)) {
        return s[0] == ' ' ? s.substr(1) : s;
    }
    if (s[0] == ' ') {
        s.erase(0, 1);
    }
    const std::size_t body = s[0] == '-' ? 1 : 0;
    if (s[body] == '.') {
        s.insert(body, "0");
    }
    if (const std::size_t point = s.find('.'); point != std::string::npos) {
        s.replace(point, 1, separator);
    }
    return s;
}

void check(double x, std::string_view separator) {
    const std::string c = ga::CStr(x, separator);
    const std::string expected = expectedFromStr(x, separator);
    require(c == expected, "CStr is Str with the zero and the separator", c + " vs " + expected);
    require(c.find(' ') == std::string::npos, "CStr has no blank", c);

    std::string appended = "[";
    ga::appendCStr(appended, x, separator);
    require(appended == "[" + c, "appendCStr appends CStr", c);

    if (std::isfinite(x)) {
        // Written back with the point, the text reads as the value Str stands for.
        std::string withPoint = c;
        if (const std::size_t at = withPoint.find(separator);
            !separator.empty() && at != std::string::npos) {
            withPoint.replace(at, separator.size(), ".");
        }
        require(ga::Val(withPoint) == ga::Val(ga::Str(x)), "CStr reads back like Str", c);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr std::array<std::string_view, 4> kSeparators{".", ",", "\xD9\xAB", "'"};
    const std::string_view separator = size == 0 ? "." : kSeparators[data[0] % kSeparators.size()];
    const std::uint8_t* rest = size == 0 ? data : data + 1;
    const std::size_t restSize = size == 0 ? 0 : size - 1;
    check(fromBits(rest, restSize), separator);
    check(ga::Val(std::string_view(reinterpret_cast<const char*>(rest), restSize)), separator);
    return 0;
}
