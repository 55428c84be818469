#include "runtime/Random.h"

#include <bit>
#include <charconv>
#include <sstream>

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
    for (float& x : out) {
        x = toUnit(engine_());
    }
}

void Random::seed(std::uint32_t seed) {
    engine_.seed(seed);
}

std::string Random::state() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

bool Random::setState(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::mt19937_64 read;
    in >> read;
    if (in.fail()) {
        return false;
    }
    // Nothing may follow the state but blanks.
    in >> std::ws;
    if (!in.eof()) {
        return false;
    }
    engine_ = read;
    return true;
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
