#pragma once

#include <array>

namespace ga {

// The population is always twenty; the ten best survive each generation.
inline constexpr int kPopulation = 20;
inline constexpr int kSurvivors = 10;

// An array of the population, indexed 1..20 (index 0 is never used).
using Row = std::array<double, kPopulation + 1>;
// The digits x, y, z, k, c of one gene, indexed 1..5 (index 0 is never used).
using DigitRow = std::array<double, 6>;
// The digit table: row i holds the digits of individual i. Only the rows and columns the
// program uses are kept.
using DigitTable = std::array<DigitRow, kPopulation + 1>;

// The population arrays. They live as long as the window and nothing empties them:
// "Hazırla" overwrites entries 1..20 and every generation rewrites them.
struct Population {
    Row genler{};       // genes
    Row yeniGenler{};   // the next generation while it is being built
    Row sonuclar{};     // F of each gene
    Row uyumlar{};      // fitness of each gene: |F - target|
    Row mutantGenler{}; // the gene a mutation made, per mating, for its report line
    DigitTable basamaklar{};
};

// The run-wide values. The load handler and "Sıfırla" give them their start values,
// "Hazırla" sets only the coefficients and exponents.
struct Module1 {
    double nesilSayisi = 1;
    double mutasyonSayisi = 0;
    double enKotuGen = 99999;
    double enIyiGen = 0;
    double enKotuUyum = 0;
    double enIyiUyum = 0;
    double noktaSayisi = 0;
    // Index 1..5 for x, y, z, k, c; index 0 is never used.
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
};

// The start values of the counters and the best and worst record, with the target read
// at that moment as the best fitness to beat. The chart position and the function stay.
void giveStartValues(Module1& m, double target);

} // namespace ga
