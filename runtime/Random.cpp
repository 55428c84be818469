#include "runtime/Random.h"

#include <bit>
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

} // namespace ga
