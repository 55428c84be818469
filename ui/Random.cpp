#include "ui/Random.h"

#include <bit>

namespace ga {

float Random::next() {
    constexpr float kScale = 1.0F / 16777216.0F; // 2^-24
    return static_cast<float>(engine_() >> 40U) * kScale;
}

void Random::seed(float value) {
    engine_.seed(std::bit_cast<std::uint32_t>(value));
}

} // namespace ga
