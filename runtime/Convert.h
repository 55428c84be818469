#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ga {

// Text to number: an optional sign, digits, an optional point and digits, an optional
// exponent (E or D). Blanks, tabs and line feeds are skipped anywhere; reading stops at
// the first other character. No leading number gives 0.
double Val(std::string_view text);

// The word a value with no number at all (NaN) is written as, unless another is given.
inline constexpr std::string_view kUndefinedWord = "tan\xC4\xB1ms\xC4\xB1z"; // tanımsız

// Number to text with at most 15 significant digits, a leading blank when the number is
// not negative and no zero before the point (" 5", "-3", " .5", " 1E+20"). Values with no
// finite result read " ∞", "-∞" and " tanımsız" (or the word given).
std::string Str(double value, std::string_view undefined = kUndefinedWord);

// Like Str without the leading blank, with a zero before the given decimal separator
// ("5", "-3", "0,5"). Values with no finite result read "∞", "-∞" and "tanımsız".
std::string CStr(double value, std::string_view decimalSeparator,
                 std::string_view undefined = kUndefinedWord);

// Appending forms of the two above, for the hot path that builds whole lines.
void appendStr(std::string& out, double value, std::string_view undefined = kUndefinedWord);
void appendCStr(std::string& out, double value, std::string_view decimalSeparator,
                std::string_view undefined = kUndefinedWord);

// Floor.
double Int(double value);

// Nearest whole number, ties to even, saturated at the 32-bit limits; NaN gives 0.
std::int32_t CLng(double value);

// A colour 0x00BBGGRR from its three parts, each clamped into 0..255 (NaN counts as 0).
std::uint32_t RGB(double red, double green, double blue);

} // namespace ga
