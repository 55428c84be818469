// Val against its promises: blanks never matter, text after the number never matters,
// and the result is the filtered leading number read by the C library's strtod.

#include "FuzzChecks.h"
#include "runtime/Convert.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ga::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ga::Val(text);
    const std::string shown = hexOf(value);

    require(!std::isnan(value), "Val never gives NaN", shown);

    const std::string filtered = withoutBlanks(text);
    require(sameValue(ga::Val(filtered), value), "removing blanks keeps Val", shown);

    // None of these can continue a number, so the value must stay whatever follows.
    static constexpr std::array<std::string_view, 6> kTails{"x",   ",5",     "&H1F",
                                                            "\r1", "abc123", "x1e5"};
    std::string longer;
    for (std::string_view tail : kTails) {
        longer.assign(text);
        longer += tail;
        require(sameValue(ga::Val(longer), value), "text after the number keeps Val", tail);
    }
    // Cutting the text right after its number and appending the whole input again
    // behind a stop character keeps the value too.
    const std::string number = leadingNumber(filtered);
    longer = number + "x";
    longer.append(text);
    require(sameValue(ga::Val(longer), value), "the number alone gives Val", number);

    const double reference = referenceVal(text);
    require(sameValue(value, reference), "Val agrees with strtod",
            shown + " vs " + hexOf(reference));
    return 0;
}
