#pragma once

#include "engine/Model.h"

#include <array>
#include <cstdint>

namespace ga {

// The objective function F = a1·x^p1 + a2·y^p2 + a3·z^p3 + a4·k^p4 + a5·c^p5, with the
// terms added from the left. Powers of whole digits are looked up rather than recomputed
// with std::pow on every evaluation; the table holds exactly what std::pow gives and is
// rebuilt whenever the exponents change.
class Objective {
  public:
    // Takes the coefficients and exponents of `m`; cheap when they have not changed.
    void use(const Module1& m);
    // amacFonksiyonu: F of one row of digits.
    [[nodiscard]] double value(const DigitRow& d) const;

    // Evaluates individual i of the population: its digits from its gene (basamaklaraAyir),
    // F (amacFonksiyonu) and the fitness against the target (uyumHesapla).
    void evaluate(Population& p, int i, double target) const;

  private:
    static constexpr int kPowerMin = -16;
    static constexpr int kPowerMax = 47;

    [[nodiscard]] double power(int column, double digit) const;
    // F of digits y..c known to lie in 0..9 and a whole x: the same value as `value`.
    [[nodiscard]] double wholeValue(std::int64_t x, int y, int z, int k, int c) const;

    std::array<double, 6> coefficients_{};
    std::array<double, 6> exponents_{};
    std::array<std::array<double, kPowerMax - kPowerMin + 1>, 6> powers_{};
    bool tableValid_ = false;
};

// uyumHesapla: the fitness |F - target|. An undefined fitness (NaN) is held as +infinity,
// so the ranking stays a total order and such an individual ranks last.
double uyumHesapla(double f, double target);

// basamaklaraAyir: writes the digits of genler(i) to row i of the digit table.
void basamaklaraAyir(Population& p, int i);

} // namespace ga
