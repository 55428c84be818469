#include "engine/Generation.h"
#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace ga::test {
namespace {

// The exchange procedure as written: the earlier position of the individual ranked k + 1.
std::array<std::uint8_t, 20> exchangeAsWritten(std::array<double, 20> u) {
    std::array<std::uint8_t, 20> from{};
    for (std::size_t k = 0; k < 20; ++k) {
        from[k] = static_cast<std::uint8_t>(k + 1);
    }
    for (std::size_t i = 0; i < 20; ++i) {
        for (std::size_t j = 0; j < 20; ++j) {
            if (u[j] > u[i]) {
                std::swap(u[i], u[j]);
                std::swap(from[i], from[j]);
            }
        }
    }
    return from;
}

class GenerationTest : public ::testing::Test {
  protected:
    FormHarness h;
    // The ranking's own tests work on this population; a tick's on the window's run.
    Population pop;

    [[nodiscard]] const Population& shown() const { return h.form.run().population(); }

    // Genes 1..20 with fitness values given directly (the ranking looks at nothing else);
    // the genes are distinct and tell where each individual started.
    void setFitness(const std::array<double, 20>& fitness) {
        for (int i = 1; i <= 20; ++i) {
            pop.genler[i] = 10000 + 1111 * (i % 9) + i;
            basamaklaraAyir(pop, i);
            pop.uyumlar[i] = fitness[static_cast<std::size_t>(i - 1)];
            pop.sonuclar[i] = i;
        }
    }

    // Genes in ranked order: fitness 1..20 keeps them where they are through the ranking.
    void setRanked(const std::array<double, 20>& genes) {
        for (int i = 1; i <= 20; ++i) {
            pop.genler[i] = genes[static_cast<std::size_t>(i - 1)];
            basamaklaraAyir(pop, i);
            pop.uyumlar[i] = i;
        }
        h.setRun(pop, FormHarness::defaultModule());
    }

    void scriptMatings(const std::vector<std::vector<float>>& matings) {
        for (const auto& m : matings) {
            h.random.script(m);
        }
    }

    // The report lines of the last tick after its ten death lines.
    std::vector<std::string> matingLines() const { return {h.log().begin() + 10, h.log().end()}; }
};

// The ranking sorts ascending and moves individuals whole (F stays where it was). It skips
// the comparisons that cannot exchange; on any fitness values, ties, infinities, signed
// zeros and NaN included, it must leave exactly the order of the procedure as written,
// which does not always keep equal values in their earlier order.
TEST_F(GenerationTest, RankingEqualsTheProcedureAsWritten) {
    ASSERT_EQ(
        exchangeAsWritten({0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})[0],
        2)
        << "two leading zeros swap";
    std::mt19937 rng(7);
    const double inf = std::numeric_limits<double>::infinity();
    const double specials[] = {0.0, -0.0, inf, -inf, std::nan("")};
    for (int round = 0; round < 20000; ++round) {
        // Few distinct values, so that ties are everywhere.
        const int distinct = 1 + round % 6;
        std::array<double, 20> fitness{};
        for (double& f : fitness) {
            const int r = static_cast<int>(rng() % static_cast<unsigned>(distinct + 2));
            f = r < distinct ? r : specials[rng() % (round % 3 == 0 ? 5U : 4U)];
        }
        setFitness(fitness);
        const Population before = pop;
        std::array<std::uint8_t, 20> order{};
        rank(pop, order);
        ASSERT_EQ(order, exchangeAsWritten(fitness)) << "round " << round;
        ASSERT_EQ(pop.sonuclar, before.sonuclar);
        for (int i = 1; i <= 20; ++i) {
            const std::uint8_t from = order[static_cast<std::size_t>(i - 1)];
            ASSERT_EQ(pop.genler[i], before.genler[from]);
            ASSERT_EQ(pop.basamaklar[i], before.basamaklar[from]);
        }
    }
}

// A dying individual is "old" when its gene equals the survivor at position 7, 2 or 5;
// every other one is "weak"; a negative gene is written with its minus and no blank.
TEST_F(GenerationTest, DeathLinesAndTheirWording) {
    std::array<double, 20> genes{};
    for (std::size_t k = 0; k < 20; ++k) {
        genes[k] = 40001 + static_cast<double>(k);
    }
    genes[1] = 22222;
    genes[4] = 55555;
    genes[6] = 77777;
    genes[2] = 33333;
    genes[10] = 22222;
    genes[11] = 55555;
    genes[12] = 77777;
    genes[13] = 33333;
    genes[14] = -7655;
    setRanked(genes);
    h.ops.setText(Control::Text3, "0");
    h.form.Timer1_Timer();
    const std::vector<std::string> expected{
        " 22222 yaşlanarak öldü",
        " 55555 yaşlanarak öldü",
        " 77777 yaşlanarak öldü",
        " 33333 güçsüz birey olduğu için elendi",
        "-7655 güçsüz birey olduğu için elendi",
        " 40016 güçsüz birey olduğu için elendi",
        " 40017 güçsüz birey olduğu için elendi",
        " 40018 güçsüz birey olduğu için elendi",
        " 40019 güçsüz birey olduğu için elendi",
        " 40020 güçsüz birey olduğu için elendi",
    };
    EXPECT_EQ(std::vector<std::string>(h.log().begin(), h.log().begin() + 10), expected);
    const auto& deaths = h.form.run().record().deaths;
    EXPECT_TRUE(deaths[0].oldAge && !deaths[3].oldAge);
    EXPECT_EQ(deaths[4].gene, -7655);
}

// The record changes only for a strictly worse bottom or strictly better top; on a tie
// the gene recorded first stays.
TEST_F(GenerationTest, BestAndWorstRecordKeepsTies) {
    struct Case {
        double top, bottom;
        double bestGene, bestFit, worstGene, worstFit;
    };
    const Case cases[] = {
        {10, 50, 11111, 10, 99999, 50}, // both equal: nothing changes
        {9, 51, 10001, 9, 10020, 51},   // both strictly better / worse
        {11, 49, 11111, 10, 99999, 50}, // neither
    };
    for (const auto& c : cases) {
        Module1 m;
        m.enIyiGen = 11111;
        m.enIyiUyum = 10;
        m.enKotuGen = 99999;
        m.enKotuUyum = 50;
        Population p;
        for (int i = 1; i <= 20; ++i) {
            p.genler[i] = 10000 + i;
            basamaklaraAyir(p, i);
            p.uyumlar[i] = 20;
        }
        p.uyumlar[1] = c.top;
        p.uyumlar[20] = c.bottom;
        Objective f;
        ScriptedRandom random;
        GenerationRecord record;
        generation(p, m, f, 0, 277, random, record);
        EXPECT_EQ(m.enIyiGen, c.bestGene);
        EXPECT_EQ(m.enIyiUyum, c.bestFit);
        EXPECT_EQ(m.enKotuGen, c.worstGene);
        EXPECT_EQ(m.enKotuUyum, c.worstFit);
        EXPECT_EQ(record.bestGene, c.bestGene);
        EXPECT_EQ(record.worstFitness, c.worstFit);
    }
}

// Percentage 100 mutates in every mating, 0 or less in none, a fractional percentage acts
// like the next whole number up; every mating draws its six numbers either way.
TEST_F(GenerationTest, MutationThreshold) {
    struct Case {
        double percent;
        int draw;
        bool mutates;
    };
    const Case cases[] = {{100, 99, true}, {99, 99, false}, {5.5, 5, true},
                          {5.5, 6, false}, {5, 5, false},   {5, 4, true},
                          {-1, 0, false},  {1e9, 99, true}, {0, 0, false}};
    for (const auto& c : cases) {
        Population p;
        Module1 m;
        for (int i = 1; i <= 20; ++i) {
            p.genler[i] = 50000 + i;
            basamaklaraAyir(p, i);
            p.uyumlar[i] = i;
        }
        ScriptedRandom random;
        for (int r = 0; r < 10; ++r) {
            random.script(mating(3, 4, c.draw, 5, 1, 1));
        }
        Objective f;
        GenerationRecord record;
        generation(p, m, f, c.percent, 277, random, record);
        EXPECT_EQ(random.calls, 60);
        EXPECT_EQ(m.mutasyonSayisi, c.mutates ? 10 : 0) << c.percent << " " << c.draw;
        EXPECT_EQ(record.matings[0].mutant, c.mutates ? 4 : 0);
    }
}

// The mutation and birth lines of the special matings, with their exact blanks: parents
// equal, a mutated second parent that does not pass the change, the same digit raised
// twice, the carry that makes 13045, and a negative child.
TEST_F(GenerationTest, MatingCases) {
    setRanked({12000, 33945, 2345, 67890, 55555, 66666, 77777, 88888, 99999, 45678,
               1,     2,     3,    4,     5,     6,     7,     8,     9,     10});
    h.ops.setText(Control::Text3, "5");
    scriptMatings({
        mating(6, 6, 0, 4, 1, 1),  // A = B = 66666 mutated at k: child 66676
        mating(5, 7, 0, 1, 1, 1),  // B = 77777 mutated at x: the child does not show it
        mating(7, 8, 0, 1, 2, 1),  // 77777 as first parent, raised again at x: 9
        mating(1, 2, 0, 3, 1, 1),  // B = 33945 raised at z: digit 10 carries: 13045
        mating(3, 4, 0, 1, 2, 2),  // A = 2345 lowered at x: -1 leads, a negative child
        mating(9, 9, 50, 1, 1, 1), // no mutation
        mating(1, 1, 50, 1, 1, 1),
        mating(1, 1, 50, 1, 1, 1),
        mating(1, 1, 50, 1, 1, 1),
        mating(1, 1, 50, 1, 1, 1),
    });
    h.form.Timer1_Timer();
    const std::vector<std::string> expected{
        " 66666 mutasyona uğradı. Yeni birey: 66676",
        " 66666 ile  66666 çiftleşti ve  66676 doğdu.",
        " 77777 mutasyona uğradı. Yeni birey: 87777",
        " 55555 ile  77777 çiftleşti ve  55777 doğdu.",
        " 77777 mutasyona uğradı. Yeni birey: 97777",
        " 77777 ile  88888 çiftleşti ve  97888 doğdu.",
        " 33945 mutasyona uğradı. Yeni birey: 34045",
        " 12000 ile  33945 çiftleşti ve  13045 doğdu.",
        " 2345 mutasyona uğradı. Yeni birey:-7655",
        " 2345 ile  67890 çiftleşti ve -7110 doğdu.",
        " 99999 ile  99999 çiftleşti ve  99999 doğdu.",
        " 12000 ile  12000 çiftleşti ve  12000 doğdu.",
        " 12000 ile  12000 çiftleşti ve  12000 doğdu.",
        " 12000 ile  12000 çiftleşti ve  12000 doğdu.",
        " 12000 ile  12000 çiftleşti ve  12000 doğdu.",
    };
    EXPECT_EQ(matingLines(), expected);
    EXPECT_EQ(h.form.run().module1().mutasyonSayisi, 5);
    EXPECT_EQ(shown().genler[7], 77777) << "a survivor's gene is never changed";
    EXPECT_EQ(shown().basamaklar[7][1], 7) << "its digits are rebuilt from the gene";
    EXPECT_EQ(shown().mutantGenler[3], 97777);
    EXPECT_EQ(shown().genler[14], 13045);
    EXPECT_EQ(shown().genler[15], -7110);
}

// A whole tick: the ranking, death lines, matings, lists (survivors first, then the
// children), counters and panel, against a hand-worked run.
TEST_F(GenerationTest, WholeTickAgainstHandWorkedRun) {
    Module1 m = FormHarness::defaultModule();
    m.enIyiUyum = 277;
    h.setGenes({55555, 12345, 66666, 99999, 60000, 70000, 50505, 43210, 66666, 66666,
                66666, 66666, 67312, 80808, 66666, 66666, 66666, 97531, 66666, 67321},
               m);
    scriptMatings({mating(1, 2, 50, 1, 1, 1), mating(3, 3, 4, 4, 2, 1), mating(2, 5, 0, 3, 1, 2),
                   mating(5, 2, 99, 2, 1, 1), mating(10, 1, 3, 1, 2, 2), mating(4, 4, 70, 5, 1, 1),
                   mating(6, 7, 5, 2, 2, 1), mating(7, 6, 4, 2, 2, 1), mating(8, 9, 1, 5, 1, 1),
                   mating(9, 8, 98, 3, 2, 2)});
    h.form.Timer1_Timer();

    const std::vector<std::string> expectedLog{
        " 66666 yaşlanarak öldü",
        " 60000 güçsüz birey olduğu için elendi",
        " 70000 güçsüz birey olduğu için elendi",
        " 55555 güçsüz birey olduğu için elendi",
        " 50505 güçsüz birey olduğu için elendi",
        " 43210 güçsüz birey olduğu için elendi",
        " 12345 güçsüz birey olduğu için elendi",
        " 80808 güçsüz birey olduğu için elendi",
        " 97531 güçsüz birey olduğu için elendi",
        " 99999 güçsüz birey olduğu için elendi",
        " 67312 ile  67321 çiftleşti ve  67321 doğdu.",
        " 66666 mutasyona uğradı. Yeni birey: 66676",
        " 66666 ile  66666 çiftleşti ve  66676 doğdu.",
        " 66666 mutasyona uğradı. Yeni birey: 66566",
        " 67321 ile  66666 çiftleşti ve  67566 doğdu.",
        " 66666 ile  67321 çiftleşti ve  66321 doğdu.",
        " 66666 mutasyona uğradı. Yeni birey: 56666",
        " 66666 ile  67312 çiftleşti ve  56312 doğdu.",
        " 66666 ile  66666 çiftleşti ve  66666 doğdu.",
        " 66666 ile  66666 çiftleşti ve  66666 doğdu.",
        " 66666 mutasyona uğradı. Yeni birey: 67666",
        " 66666 ile  66666 çiftleşti ve  67666 doğdu.",
        " 66666 mutasyona uğradı. Yeni birey: 66667",
        " 66666 ile  66666 çiftleşti ve  66667 doğdu.",
        " 66666 ile  66666 çiftleşti ve  66666 doğdu.",
    };
    EXPECT_EQ(h.log().lines(), expectedLog);

    const std::vector<std::string> gen{
        "67312", "67321", "66666", "66666", "66666", "66666", "66666", "66666", "66666", "66666",
        "67321", "66676", "67566", "66321", "56312", "66666", "66666", "67666", "66667", "66666"};
    const std::vector<std::string> sonuc{"277", "277", "300", "300", "300", "300", "300",
                                         "300", "300", "300", "277", "301", "302", "264",
                                         "173", "300", "300", "313", "301", "300"};
    const std::vector<std::string> uyum{"0", "0",  "23", "23", "23",  "23", "23", "23", "23", "23",
                                        "0", "24", "25", "13", "104", "23", "23", "36", "24", "23"};
    EXPECT_EQ(h.ops.list(Control::Gen), gen);
    EXPECT_EQ(h.ops.list(Control::Sonuc), sonuc);
    EXPECT_EQ(h.ops.list(Control::uyl), uyum);

    EXPECT_EQ(h.ops.text(Control::nesil), " 2");
    EXPECT_EQ(h.ops.text(Control::tmut), " 5");
    EXPECT_EQ(h.ops.text(Control::teni), "67312");
    EXPECT_EQ(h.ops.text(Control::teni2), "0");
    EXPECT_EQ(h.ops.text(Control::tenk), "99999");
    EXPECT_EQ(h.ops.text(Control::tenk2), "632");
    EXPECT_EQ(h.random.calls, 60);
    EXPECT_EQ(shown().yeniGenler, shown().genler);
    for (int i = 1; i <= 20; ++i) {
        const auto d = shown().basamaklar[i];
        EXPECT_EQ(10000 * d[1] + 1000 * d[2] + 100 * d[3] + 10 * d[4] + d[5], shown().genler[i])
            << "digits rebuilt from the genes, mutations undone, at " << i;
    }
    EXPECT_EQ(h.ops.beeps, 0);
    EXPECT_EQ(h.ops.text(Control::status), "Bekliyor...");
    EXPECT_EQ(h.ops.batches, 1) << "a tick reaches the window as one batch";
}

// The run stops only when position 10 has fitness exactly 0, i.e. ten survivors at the
// target; nine are not enough. "Başlat" after the stop gives exactly one more generation,
// then the same stop.
TEST_F(GenerationTest, StopsOnlyWhenTenSurvivorsHitTheTarget) {
    for (int zeros : {9, 10, 20}) {
        FormHarness o;
        o.ops.setText(Control::Text3, "0");
        std::array<double, 20> genes{};
        for (std::size_t k = 0; k < 20; ++k) {
            genes[k] = static_cast<int>(k) < zeros ? 67312 : 55555;
        }
        o.setGenes(genes);
        // Every child is a copy of a zero-fitness survivor's gene.
        for (int r = 0; r < 20; ++r) {
            o.random.script(mating(1, 1, 50, 1, 1, 1));
        }
        o.form.Command2_Click();
        o.form.Timer1_Timer();
        const bool stops = zeros >= 10;
        EXPECT_EQ(o.ops.isEnabled(Control::Timer1), !stops) << zeros;
        EXPECT_EQ(o.ops.beeps, stops ? 1 : 0) << zeros;
        EXPECT_EQ(o.ops.text(Control::status), stops ? "Sonuca ulaşıldı. Sonuçları kontrol ediniz."
                                                     : "Başlatıldı. İşlem devam ediyor...");
        EXPECT_EQ(o.ops.list(Control::uyl)[0], "0");
        if (stops) {
            o.form.Command2_Click();
            EXPECT_TRUE(o.ops.isEnabled(Control::Timer1));
            o.form.Timer1_Timer();
            EXPECT_FALSE(o.ops.isEnabled(Control::Timer1));
            EXPECT_EQ(o.ops.beeps, 2);
            EXPECT_EQ(o.ops.text(Control::nesil), " 3");
        }
    }
}

// A target typed during a run is the target of the re-evaluation at the end of the tick.
TEST_F(GenerationTest, ReEvaluationReadsTheTargetAgain) {
    h.ops.setText(Control::Text3, "0");
    std::array<double, 20> genes{};
    genes.fill(67312);
    h.setGenes(genes);
    h.ops.setText(Control::Text1, "300");
    h.form.Timer1_Timer();
    EXPECT_EQ(h.ops.list(Control::uyl)[0], "23");
    EXPECT_EQ(shown().uyumlar[20], 23);
    EXPECT_EQ(h.ops.beeps, 0);
}

} // namespace
} // namespace ga::test
