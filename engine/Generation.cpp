#include "engine/Form1.h"

#include <string_view>
#include <utility>

namespace ga {

namespace {

using namespace std::string_view_literals;

// A position or choice drawn as Int(Rnd * n + first); the arithmetic is done in double
// precision so that a value just below 1 can never round up past the last choice.
int draw(WindowOps& ops, int n, int first) {
    return static_cast<int>(Int(static_cast<double>(ops.rnd()) * n + first));
}

} // namespace

void Form1::Timer1_Timer() {
    module1.nesilSayisi = module1.nesilSayisi + 1;
    const double mutationPercent = Val(ops_.text(Control::Text3));
    rank();
    cullAndRecord();
    mate(mutationPercent);
    replaceAndEvaluate();
}

void Form1::rank() {
    // Every position against every position, 400 comparisons: the order this leaves
    // among equal fitness values decides which of them survive, so it is kept exactly.
    for (int i = 1; i <= kPopulation; ++i) {
        for (int j = 1; j <= kPopulation; ++j) {
            if (uyumlar[j] > uyumlar[i]) {
                std::swap(uyumlar[i], uyumlar[j]);
                std::swap(genler[i], genler[j]);
                for (int k = 1; k <= 5; ++k) {
                    std::swap(basamaklar[i][k], basamaklar[j][k]);
                }
            }
        }
    }
}

void Form1::cullAndRecord() {
    for (int i = 1; i <= kSurvivors; ++i) {
        yeniGenler[i] = genler[i];
    }

    for (int i = kSurvivors + 1; i <= kPopulation; ++i) {
        const double g = genler[i];
        const bool copyOfSurvivor = g == genler[7] || g == genler[2] || g == genler[5];
        line_.clear();
        appendStr(line_, g);
        line_ += copyOfSurvivor ? " yaşlanarak öldü"sv : " güçsüz birey olduğu için elendi"sv;
        ops_.addItem(Control::List1, line_);
    }

    if (uyumlar[kPopulation] > module1.enKotuUyum) {
        module1.enKotuUyum = uyumlar[kPopulation];
        module1.enKotuGen = genler[kPopulation];
    }
    if (uyumlar[1] < module1.enIyiUyum) {
        module1.enIyiUyum = uyumlar[1];
        module1.enIyiGen = genler[1];
    }
}

void Form1::mate(double mutationPercent) {
    std::string oldGene;
    for (int r = 1; r <= kSurvivors; ++r) {
        const int a = draw(ops_, 10, 1);
        const int b = draw(ops_, 10, 1);
        const int m = draw(ops_, 100, 0);
        const int p = draw(ops_, 5, 1);
        const int w = draw(ops_, 2, 1);
        const int d = draw(ops_, 2, 1);

        const bool mutated = m < mutationPercent;
        const int x = w == 1 ? b : a;
        if (mutated) {
            module1.mutasyonSayisi = module1.mutasyonSayisi + 1;
            oldGene.clear();
            appendStr(oldGene, yeniGenler[x]);
            basamaklar[x][p] = basamaklar[x][p] + (d == 1 ? 1 : -1);
        }

        // The crossover point is fixed after the second digit; a digit of 10 or -1
        // carries into its neighbour through the place values.
        yeniGenler[r + kSurvivors] = 10000 * basamaklar[a][1] + 1000 * basamaklar[a][2] +
                                     100 * basamaklar[b][3] + 10 * basamaklar[b][4] +
                                     basamaklar[b][5];

        if (mutated) {
            const auto& row = basamaklar[x];
            mutantGenler[r] = 10000 * row[1] + 1000 * row[2] + 100 * row[3] + 10 * row[4] + row[5];
            line_ = oldGene;
            line_ += " mutasyona uğradı. Yeni birey:"sv;
            appendStr(line_, mutantGenler[r]);
            ops_.addItem(Control::List1, line_);
        }

        line_.clear();
        appendStr(line_, genler[a]);
        line_ += " ile "sv;
        appendStr(line_, genler[b]);
        line_ += " çiftleşti ve "sv;
        appendStr(line_, yeniGenler[r + kSurvivors]);
        line_ += " doğdu."sv;
        ops_.addItem(Control::List1, line_);
    }
}

void Form1::replaceAndEvaluate() {
    for (int i = 1; i <= kPopulation; ++i) {
        genler[i] = yeniGenler[i];
        chartStep(i);
    }

    ops_.clear(Control::Gen);
    ops_.clear(Control::Sonuc);
    ops_.clear(Control::uyl);

    for (int i = 1; i <= kPopulation; ++i) {
        evaluateAndList(i);
    }

    metinler();

    if (uyumlar[kSurvivors] == 0) {
        ops_.setEnabled(Control::Timer1, false);
        ops_.beep();
        ops_.setCaption(Control::status, "Sonuca ulaşıldı. Sonuçları kontrol ediniz.");
    }
}

} // namespace ga
