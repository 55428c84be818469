#pragma once

#include "runtime/MersenneTwister64.h"

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace ga {

// Where Rnd's numbers come from: uniform in [0, 1), single precision. Tests script it.
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // The next number, as Rnd gives it.
    virtual float rnd() = 0;
    // The next out.size() numbers, exactly as that many calls of rnd would give them;
    // a tick draws all of its sixty numbers at once.
    virtual void fill(std::span<float> out);
    // Starts the sequence that belongs to this seed.
    virtual void seed(std::uint32_t seed) = 0;
    // Where the sequence stands, as text, so that a saved run goes on with the very numbers
    // it would have drawn; setState refuses a text that is not such a state and then
    // changes nothing.
    [[nodiscard]] virtual std::string state() const = 0;
    virtual bool setState(std::string_view text) = 0;
};

// The program's generator. A seed fixes the whole sequence on every machine and in every
// build: the 64-bit Mersenne Twister (std::mt19937_64's numbers), seeded with the seed
// itself, gives the same numbers everywhere, and a draw keeps its top 24 bits scaled by 2^-24, so a
// value is exact in single precision and never rounds up to 1.
class Random final : public RandomSource {
  public:
    float rnd() override;
    void fill(std::span<float> out) override;
    void seed(std::uint32_t seed) override;

    // The whole state as decimal numbers separated by blanks.
    [[nodiscard]] std::string state() const override;
    bool setState(std::string_view text) override;

  private:
    MersenneTwister64 engine_{0};
};

// The seed that a clock reading stands for: the bits of the single-precision seconds
// since midnight, read as a whole number. Seeding with it is the same as reseeding from
// the clock, and the number can be shown, typed and replayed.
std::uint32_t clockSeed(float secondsSinceMidnight);

// A seed as a person types it: a whole number from 0 to 4 294 967 295, in decimal digits,
// with blanks allowed around it; nothing for anything else (a sign, a point, a letter, a
// number out of range, an empty text).
std::optional<std::uint32_t> parseSeed(std::string_view text);

} // namespace ga
