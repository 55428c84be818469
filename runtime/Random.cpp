#include "runtime/Random.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>

namespace ga {

namespace {

constexpr float kScale = 1.0F / 16777216.0F; // 2^-24

float toUnit(std::uint64_t bits) {
    return static_cast<float>(bits >> 40U) * kScale;
}

} // namespace

void RandomSource::fill(std::span<float> out) {
    for (float& x : out) {
        x = rnd();
    }
}

float Random::rnd() {
    return toUnit(engine_());
}

void Random::fill(std::span<float> out) {
    std::array<std::uint64_t, 64> bits; // written before it is read
    while (!out.empty()) {
        const std::size_t n = std::min(out.size(), bits.size());
        engine_.fill(std::span(bits).first(n));
        for (std::size_t i = 0; i < n; ++i) {
            // The top 24 bits fit a 32-bit int, whose conversion vectorises; the value is
            // the same as toUnit's.
            out[i] = static_cast<float>(static_cast<std::int32_t>(bits[i] >> 40U)) * kScale;
        }
        out = out.subspan(n);
    }
}

void Random::seed(std::uint32_t seed) {
    engine_.seed(seed);
}

std::string Random::state() const {
    return engine_.text();
}

bool Random::setState(std::string_view text) {
    return engine_.read(text);
}

std::uint32_t clockSeed(float secondsSinceMidnight) {
    return std::bit_cast<std::uint32_t>(secondsSinceMidnight);
}

std::optional<std::uint32_t> parseSeed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    // from_chars would take a leading minus; a seed has digits only.
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return seed;
}

} // namespace ga
