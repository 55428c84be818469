#pragma once

#include "engine/Form1.h"
#include "tests/support/RecordingOps.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ga {

// Reaches the private procedures of Form1 that only the tick calls.
struct Form1Probe {
    static void metinler(Form1& f) { f.metinler(); }
    static void chartStep(Form1& f, int i) { f.chartStep(i); }
};

namespace testing {

// A value that Rnd can return so that Int(Rnd * n + first) gives `value`.
inline float pick(int n, int value, int first) {
    return (static_cast<float>(value - first) + 0.5F) / static_cast<float>(n);
}

// The six draws of one mating: parents a and b (1..10), mutation draw m (0..99),
// position p (1..5), parent choice w (1: b mutates, 2: a mutates), direction d (1: up).
inline std::vector<float> mating(int a, int b, int m, int p, int w, int d) {
    return {pick(10, a, 1), pick(10, b, 1), pick(100, m, 0),
            pick(5, p, 1),  pick(2, w, 1),  pick(2, d, 1)};
}

// Puts a gene at position i with its digits, F and fitness against the current target.
inline void place(Form1& f, int i, double gene) {
    f.genler[static_cast<std::size_t>(i)] = gene;
    f.basamaklaraAyir(i);
    f.sonuclar[static_cast<std::size_t>(i)] = f.amacFonksiyonu(i);
    f.uyumlar[static_cast<std::size_t>(i)] = f.uyumHesapla(f.sonuclar[static_cast<std::size_t>(i)]);
}

// The default objective function x^3 + y^2 + z^2 + k + c.
inline void useDefaultFunction(Form1& f) {
    f.module1.katsayilar = {0, 1, 1, 1, 1, 1};
    f.module1.usler = {0, 3, 2, 2, 1, 1};
}

} // namespace testing
} // namespace ga
