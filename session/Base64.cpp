#include "session/Base64.h"

#include <array>
#include <cstdint>

namespace ga::session {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t kNotBase64 = 0xFF;

constexpr std::array<std::uint8_t, 256> decodingTable() {
    std::array<std::uint8_t, 256> table{};
    for (auto& entry : table) {
        entry = kNotBase64;
    }
    for (std::uint8_t i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = i;
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kDecoding = decodingTable();

} // namespace

void appendBase64(std::string& out, std::span<const unsigned char> bytes) {
    const std::size_t start = out.size();
    out.resize(start + (bytes.size() + 2) / 3 * 4);
    char* to = out.data() + start;
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t v =
            (std::uint32_t{bytes[i]} << 16U) | (std::uint32_t{bytes[i + 1]} << 8U) | bytes[i + 2];
        *to++ = kAlphabet[(v >> 18U) & 63U];
        *to++ = kAlphabet[(v >> 12U) & 63U];
        *to++ = kAlphabet[(v >> 6U) & 63U];
        *to++ = kAlphabet[v & 63U];
    }
    if (const std::size_t rest = bytes.size() - i; rest > 0) {
        std::uint32_t v = std::uint32_t{bytes[i]} << 16U;
        if (rest == 2) {
            v |= std::uint32_t{bytes[i + 1]} << 8U;
        }
        *to++ = kAlphabet[(v >> 18U) & 63U];
        *to++ = kAlphabet[(v >> 12U) & 63U];
        *to++ = rest == 2 ? kAlphabet[(v >> 6U) & 63U] : '=';
        *to = '=';
    }
}

bool appendDecodedBase64(std::vector<unsigned char>& out, std::string_view text) {
    if (text.size() % 4 != 0) {
        return false;
    }
    const std::size_t start = out.size();
    std::size_t padding = 0;
    if (!text.empty() && text.back() == '=') {
        padding = text[text.size() - 2] == '=' ? 2 : 1;
    }
    out.resize(start + text.size() / 4 * 3 - padding);
    unsigned char* to = out.data() + start;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            // Padding only at the very end, and only where the count above put it.
            if (last && k >= 4 - padding) {
                v <<= 6U;
                continue;
            }
            const std::uint8_t d = kDecoding[c];
            if (d == kNotBase64) {
                out.resize(start);
                return false;
            }
            v = (v << 6U) | d;
        }
        *to++ = static_cast<unsigned char>(v >> 16U);
        if (!last || padding < 2) {
            *to++ = static_cast<unsigned char>((v >> 8U) & 0xFFU);
        }
        if (!last || padding < 1) {
            *to++ = static_cast<unsigned char>(v & 0xFFU);
        }
    }
    return true;
}

} // namespace ga::session
