#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ga::session {

// Appends the standard Base64 form of `bytes` (with padding) to `out`.
void appendBase64(std::string& out, std::span<const unsigned char> bytes);

// Appends the bytes a standard, padded Base64 text stands for to `out`; false, with `out`
// as it was, when the text is not one (a stray letter, missing or extra padding).
bool appendDecodedBase64(std::vector<unsigned char>& out, std::string_view text);

} // namespace ga::session
