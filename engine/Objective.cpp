#include "engine/Objective.h"

#include "runtime/Digits.h"

#include <cmath>
#include <limits>

namespace ga {

void giveStartValues(Module1& m, double target) {
    m.mutasyonSayisi = 0;
    m.enKotuGen = 99999;
    m.enKotuUyum = 0;
    m.enIyiGen = 0;
    m.enIyiUyum = target;
    m.nesilSayisi = 1;
}

void Objective::use(const Module1& m) {
    coefficients_ = m.katsayilar;
    if (tableValid_ && exponents_ == m.usler) {
        return;
    }
    exponents_ = m.usler;
    for (int c = 1; c <= 5; ++c) {
        for (int d = kPowerMin; d <= kPowerMax; ++d) {
            powers_[c][d - kPowerMin] = std::pow(d, exponents_[c]);
        }
    }
    // A NaN exponent never compares equal, so such a table is never trusted.
    tableValid_ = exponents_ == m.usler;
}

double Objective::power(int column, double digit) const {
    // The range is checked before the cast, which would be undefined outside it; a cast
    // and compare is also much cheaper here than floor.
    const bool inTable = tableValid_ && digit >= kPowerMin && digit <= kPowerMax &&
                         digit == static_cast<double>(static_cast<int>(digit));
    if (!inTable) {
        return std::pow(digit, exponents_[column]);
    }
    return powers_[column][static_cast<int>(digit) - kPowerMin];
}

double Objective::value(const DigitRow& d) const {
    const auto& a = coefficients_;
    double f = a[1] * power(1, d[1]);
    f = f + a[2] * power(2, d[2]);
    f = f + a[3] * power(3, d[3]);
    f = f + a[4] * power(4, d[4]);
    f = f + a[5] * power(5, d[5]);
    return f;
}

double Objective::wholeValue(std::int64_t x, int y, int z, int k, int c) const {
    // The digits 0..9 are always in the table; only x can lie outside it.
    const auto entry = [this](int column, int digit) {
        return powers_[static_cast<std::size_t>(column)]
                      [static_cast<std::size_t>(digit - kPowerMin)];
    };
    const auto& a = coefficients_;
    const double px = x >= kPowerMin && x <= kPowerMax
                          ? entry(1, static_cast<int>(x))
                          : std::pow(static_cast<double>(x), exponents_[1]);
    double f = a[1] * px;
    f = f + a[2] * entry(2, y);
    f = f + a[3] * entry(3, z);
    f = f + a[4] * entry(4, k);
    f = f + a[5] * entry(5, c);
    return f;
}

void Objective::evaluate(Population& p, int i, double target) const {
    DigitRow& d = p.basamaklar[i];
    WholeDigits w;
    if (tableValid_ && splitWhole(p.genler[i], w)) {
        d[1] = static_cast<double>(w.x);
        d[2] = w.y;
        d[3] = w.z;
        d[4] = w.k;
        d[5] = w.c;
        p.sonuclar[i] = wholeValue(w.x, w.y, w.z, w.k, w.c);
    } else {
        basamaklaraAyir(p, i);
        p.sonuclar[i] = value(d);
    }
    p.uyumlar[i] = uyumHesapla(p.sonuclar[i], target);
}

double uyumHesapla(double f, double target) {
    const double u = std::abs(f - target);
    return std::isnan(u) ? std::numeric_limits<double>::infinity() : u;
}

void basamaklaraAyir(Population& p, int i) {
    const auto d = splitDigits(p.genler[i]);
    for (int j = 1; j <= 5; ++j) {
        p.basamaklar[i][j] = d[j];
    }
}

} // namespace ga
