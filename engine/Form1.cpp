#include "engine/Form1.h"

#include "ui/Digits.h"

#include <cmath>
#include <limits>
#include <utility>

namespace ga {

int timerPeriodFor(double speed) {
    constexpr int kRecommendedPeriod = 125;
    constexpr int kLongestPeriod = 86'400'000;
    if (!std::isfinite(speed) || speed <= 0) {
        return kRecommendedPeriod;
    }
    const std::int32_t period = CLng(1000 / speed);
    if (period < 1) {
        return 1;
    }
    return period > kLongestPeriod ? kLongestPeriod : period;
}

Form1::Form1(WindowOps& ops, std::string decimalSeparator)
    : ops_(ops), decimalSeparator_(std::move(decimalSeparator)) {
    line_.reserve(128);
}

void Form1::basamaklaraAyir(int i) {
    const auto d = splitDigits(genler[i]);
    for (int j = 1; j <= 5; ++j) {
        basamaklar[i][j] = d[j];
    }
}

void Form1::ensurePowerTable() const {
    if (powers_.valid && powers_.exponents == module1.usler) {
        return;
    }
    powers_.exponents = module1.usler;
    for (int c = 1; c <= 5; ++c) {
        for (int d = kPowerMin; d <= kPowerMax; ++d) {
            powers_.values[c][d - kPowerMin] = std::pow(d, module1.usler[c]);
        }
    }
    // A NaN exponent never compares equal, so such a table is never trusted.
    powers_.valid = powers_.exponents == module1.usler;
}

double Form1::power(int column, double digit) const {
    // The range is checked before the cast, which would be undefined outside it; a cast
    // and compare is also much cheaper here than floor.
    const bool inTable = powers_.valid && digit >= kPowerMin && digit <= kPowerMax &&
                         digit == static_cast<double>(static_cast<int>(digit));
    if (!inTable) {
        return std::pow(digit, module1.usler[column]);
    }
    return powers_.values[column][static_cast<int>(digit) - kPowerMin];
}

double Form1::amacFonksiyonu(int i) const {
    ensurePowerTable();
    const auto& d = basamaklar[i];
    const auto& a = module1.katsayilar;
    double f = a[1] * power(1, d[1]);
    f = f + a[2] * power(2, d[2]);
    f = f + a[3] * power(3, d[3]);
    f = f + a[4] * power(4, d[4]);
    f = f + a[5] * power(5, d[5]);
    return f;
}

double Form1::target() const {
    const std::string text = ops_.text(Control::Text1);
    if (text != targetText_) {
        targetValue_ = Val(text);
        targetText_ = text;
    }
    return targetValue_;
}

double Form1::uyumHesapla(double f) const {
    const double u = std::abs(f - target());
    // An undefined fitness ranks last rather than breaking the order of the ranking.
    return std::isnan(u) ? std::numeric_limits<double>::infinity() : u;
}

void Form1::evaluateAndList(int i) {
    basamaklaraAyir(i);
    sonuclar[i] = amacFonksiyonu(i);
    appendListLine(Control::Gen, genler[i]);
    appendListLine(Control::Sonuc, sonuclar[i]);
    uyumlar[i] = uyumHesapla(sonuclar[i]);
    appendListLine(Control::uyl, uyumlar[i]);
}

void Form1::appendListLine(Control list, double value) {
    line_.clear();
    appendCStr(line_, value, decimalSeparator_);
    ops_.addItem(list, line_);
}

} // namespace ga
