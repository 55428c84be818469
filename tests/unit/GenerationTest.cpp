#include "tests/unit/Form1Probe.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace ga::testing {
namespace {

class GenerationTest : public ::testing::Test {
  protected:
    RecordingOps ops;
    Form1 form{ops};

    void SetUp() override { useDefaultFunction(form); }

    // Genes 1..20 with fitness values given directly (the ranking looks at nothing else).
    void setFitness(const std::array<double, 20>& fitness) {
        for (int i = 1; i <= 20; ++i) {
            form.genler[i] = 10000 + 1111 * (i % 9) + i; // distinct, and digits to follow
            form.basamaklaraAyir(i);
            form.uyumlar[i] = fitness[static_cast<std::size_t>(i - 1)];
            form.sonuclar[i] = i; // must not move with the ranking
        }
    }

    // Survivors 1..10 as the mating stage finds them.
    void setSurvivors(const std::array<double, 10>& genes) {
        for (int i = 1; i <= 10; ++i) {
            form.genler[i] = genes[static_cast<std::size_t>(i - 1)];
            form.yeniGenler[i] = form.genler[i];
            form.basamaklaraAyir(i);
        }
    }

    void scriptMatings(const std::vector<std::vector<float>>& matings) {
        for (const auto& m : matings) {
            ops.scriptRnd(m);
        }
    }

    const std::vector<std::string>& log() const { return ops.list(Control::List1); }
};

// The exchange procedure runs all twenty positions against all twenty; it sorts
// ascending, and equal values end in the order it produces, not their earlier one.
TEST_F(GenerationTest, RankingMovesIndividualsWhole) {
    struct Case {
        const char* name;
        std::array<double, 20> fitness;
        std::array<int, 20> from; // which earlier position ends at each position
    };
    const Case cases[] = {
        {"two leading zeros swap",
         {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
         {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {"descending reverses",
         {20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
         {20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {"all equal stays",
         {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
    };
    for (const auto& c : cases) {
        setFitness(c.fitness);
        const auto genes = form.genler;
        const auto fitness = form.uyumlar;
        const auto digits = form.basamaklar;
        const auto results = form.sonuclar;
        form.rank();
        for (int i = 1; i <= 20; ++i) {
            const int from = c.from[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(form.genler[i], genes[from]) << c.name << " position " << i;
            EXPECT_EQ(form.uyumlar[i], fitness[from]) << c.name << " position " << i;
            for (int j = 1; j <= 5; ++j) {
                EXPECT_EQ(form.basamaklar[i][j], digits[from][j]) << c.name << " " << i;
            }
        }
        EXPECT_EQ(form.sonuclar, results) << c.name << ": F values stay where they were";
    }
}

// A dying individual is "old" when its gene equals the survivor at position 7, 2 or 5;
// every other one is "weak"; a negative gene is written with its minus and no blank.
TEST_F(GenerationTest, DeathLinesAndTheirWording) {
    for (int i = 1; i <= 20; ++i) {
        form.genler[i] = 40000 + i;
    }
    form.genler[2] = 22222;
    form.genler[5] = 55555;
    form.genler[7] = 77777;
    form.genler[3] = 33333;
    form.genler[11] = 22222;
    form.genler[12] = 55555;
    form.genler[13] = 77777;
    form.genler[14] = 33333;
    form.genler[15] = -7655;
    form.cullAndRecord();
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
    EXPECT_EQ(log(), expected);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(form.yeniGenler[i], form.genler[i]);
    }
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
        form.module1.enIyiGen = 11111;
        form.module1.enIyiUyum = 10;
        form.module1.enKotuGen = 99999;
        form.module1.enKotuUyum = 50;
        for (int i = 1; i <= 20; ++i) {
            form.genler[i] = 10000 + i;
            form.uyumlar[i] = 20;
        }
        form.uyumlar[1] = c.top;
        form.uyumlar[20] = c.bottom;
        form.cullAndRecord();
        EXPECT_EQ(form.module1.enIyiGen, c.bestGene);
        EXPECT_EQ(form.module1.enIyiUyum, c.bestFit);
        EXPECT_EQ(form.module1.enKotuGen, c.worstGene);
        EXPECT_EQ(form.module1.enKotuUyum, c.worstFit);
    }
}

// Percentage 0 never mutates, yet every mating still draws its six numbers.
TEST_F(GenerationTest, NoMutationAtZeroPercentStillDrawsSixty) {
    setSurvivors({11111, 22222, 33333, 44444, 55555, 66666, 77777, 88888, 99999, 12345});
    for (int r = 0; r < 10; ++r) {
        ops.scriptRnd(mating(1, 2, 0, 1, 1, 1));
    }
    form.mate(0);
    EXPECT_EQ(ops.rndCalls, 60);
    EXPECT_EQ(form.module1.mutasyonSayisi, 0);
    ASSERT_EQ(log().size(), 10U);
    EXPECT_EQ(log()[0], " 11111 ile  22222 çiftleşti ve  11222 doğdu.");
    for (int r = 11; r <= 20; ++r) {
        EXPECT_EQ(form.yeniGenler[r], 11222);
    }
}

// Percentage 100 mutates in every mating, and a fractional percentage acts like the next
// whole number up.
TEST_F(GenerationTest, MutationThreshold) {
    struct Case {
        double percent;
        int draw;
        bool mutates;
    };
    const Case cases[] = {{100, 99, true}, {99, 99, false}, {5.5, 5, true}, {5.5, 6, false},
                          {5, 5, false},   {5, 4, true},    {-1, 0, false}, {1e9, 99, true}};
    for (const auto& c : cases) {
        RecordingOps o;
        Form1 f{o};
        for (int i = 1; i <= 10; ++i) {
            f.genler[i] = f.yeniGenler[i] = 50000 + i;
            f.basamaklaraAyir(i);
        }
        for (int r = 0; r < 10; ++r) {
            o.scriptRnd(mating(3, 4, c.draw, 5, 1, 1));
        }
        f.mate(c.percent);
        EXPECT_EQ(f.module1.mutasyonSayisi, c.mutates ? 10 : 0) << c.percent << " " << c.draw;
        EXPECT_EQ(o.list(Control::List1).size(), c.mutates ? 20U : 10U);
    }
}

// The mutation and birth lines of the special matings, with their exact blanks: parents
// equal, a mutated second parent that does not pass the change, the same digit raised
// twice, the carry that makes 13045, and a negative child.
TEST_F(GenerationTest, MatingCases) {
    setSurvivors({12000, 33945, 2345, 67890, 55555, 66666, 77777, 88888, 99999, 45678});
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
    form.mate(5);
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
    EXPECT_EQ(log(), expected);
    EXPECT_EQ(form.module1.mutasyonSayisi, 5);
    EXPECT_EQ(form.basamaklar[7][1], 9) << "two raises add up within the tick";
    EXPECT_EQ(form.yeniGenler[7], 77777) << "a survivor's gene is never changed";
    EXPECT_EQ(form.genler[7], 77777);
    EXPECT_EQ(form.mutantGenler[3], 97777);
    EXPECT_EQ(form.yeniGenler[14], 13045);
    EXPECT_EQ(form.yeniGenler[15], -7110);
}

// A whole tick: the ranking, death lines, matings, lists (survivors first, then the
// children), counters and panel, against a hand-worked run.
TEST_F(GenerationTest, WholeTickAgainstHandWorkedRun) {
    const double genes[20] = {55555, 12345, 66666, 99999, 60000, 70000, 50505, 43210, 66666, 66666,
                              66666, 66666, 67312, 80808, 66666, 66666, 66666, 97531, 66666, 67321};
    for (int i = 1; i <= 20; ++i) {
        place(form, i, genes[i - 1]);
    }
    form.module1.enIyiUyum = 277;
    scriptMatings({mating(1, 2, 50, 1, 1, 1), mating(3, 3, 4, 4, 2, 1), mating(2, 5, 0, 3, 1, 2),
                   mating(5, 2, 99, 2, 1, 1), mating(10, 1, 3, 1, 2, 2), mating(4, 4, 70, 5, 1, 1),
                   mating(6, 7, 5, 2, 2, 1), mating(7, 6, 4, 2, 2, 1), mating(8, 9, 1, 5, 1, 1),
                   mating(9, 8, 98, 3, 2, 2)});
    form.Timer1_Timer();

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
    EXPECT_EQ(log(), expectedLog);

    const std::vector<std::string> gen{
        "67312", "67321", "66666", "66666", "66666", "66666", "66666", "66666", "66666", "66666",
        "67321", "66676", "67566", "66321", "56312", "66666", "66666", "67666", "66667", "66666"};
    const std::vector<std::string> sonuc{"277", "277", "300", "300", "300", "300", "300",
                                         "300", "300", "300", "277", "301", "302", "264",
                                         "173", "300", "300", "313", "301", "300"};
    const std::vector<std::string> uyum{"0", "0",  "23", "23", "23",  "23", "23", "23", "23", "23",
                                        "0", "24", "25", "13", "104", "23", "23", "36", "24", "23"};
    EXPECT_EQ(ops.list(Control::Gen), gen);
    EXPECT_EQ(ops.list(Control::Sonuc), sonuc);
    EXPECT_EQ(ops.list(Control::uyl), uyum);

    EXPECT_EQ(ops.text(Control::nesil), " 2");
    EXPECT_EQ(ops.text(Control::tmut), " 5");
    EXPECT_EQ(ops.text(Control::teni), "67312");
    EXPECT_EQ(ops.text(Control::teni2), "0");
    EXPECT_EQ(ops.text(Control::tenk), "99999");
    EXPECT_EQ(ops.text(Control::tenk2), "632");
    EXPECT_EQ(ops.rndCalls, 60);
    EXPECT_EQ(form.yeniGenler, form.genler);
    for (int i = 1; i <= 20; ++i) {
        const auto d = form.basamaklar[i];
        EXPECT_EQ(10000 * d[1] + 1000 * d[2] + 100 * d[3] + 10 * d[4] + d[5], form.genler[i])
            << "digits rebuilt from the genes, mutations undone, at " << i;
    }
    EXPECT_TRUE(ops.beeps == 0 && ops.text(Control::status) == "Bekliyor...");
}

// The run stops only when position 10 has fitness exactly 0, i.e. ten survivors at the
// target; nine are not enough.
TEST_F(GenerationTest, StopsOnlyWhenTenSurvivorsHitTheTarget) {
    for (int zeros : {9, 10, 20}) {
        RecordingOps o;
        Form1 f{o};
        useDefaultFunction(f);
        o.setText(Control::Text3, "0");
        for (int i = 1; i <= 20; ++i) {
            place(f, i, i <= zeros ? 67312 : 55555);
        }
        // Every child is a copy of a zero-fitness survivor's gene.
        for (int r = 0; r < 10; ++r) {
            o.scriptRnd(mating(1, 1, 50, 1, 1, 1));
        }
        o.setEnabled(Control::Timer1, true);
        f.Timer1_Timer();
        const bool stops = zeros >= 10;
        EXPECT_EQ(o.isEnabled(Control::Timer1), !stops) << zeros;
        EXPECT_EQ(o.beeps, stops ? 1 : 0) << zeros;
        EXPECT_EQ(o.text(Control::status),
                  stops ? "Sonuca ulaşıldı. Sonuçları kontrol ediniz." : "Bekliyor...");
        EXPECT_EQ(o.list(Control::uyl)[0], "0");
    }
}

// After the automatic stop "Başlat" gives exactly one more generation, then the same stop.
TEST_F(GenerationTest, StartAfterStopRunsOneMoreGeneration) {
    ops.setText(Control::Text3, "0");
    for (int i = 1; i <= 20; ++i) {
        place(form, i, 67312);
    }
    form.Command2_Click();
    form.Timer1_Timer();
    ASSERT_FALSE(ops.isEnabled(Control::Timer1));
    form.Command2_Click();
    EXPECT_TRUE(ops.isEnabled(Control::Timer1));
    form.Timer1_Timer();
    EXPECT_FALSE(ops.isEnabled(Control::Timer1));
    EXPECT_EQ(ops.beeps, 2);
    EXPECT_EQ(ops.text(Control::nesil), " 3");
    EXPECT_EQ(ops.text(Control::status), "Sonuca ulaşıldı. Sonuçları kontrol ediniz.");
}

// A target typed during a run is the target of the re-evaluation at the end of the tick.
TEST_F(GenerationTest, ReEvaluationReadsTheTargetAgain) {
    ops.setText(Control::Text3, "0");
    for (int i = 1; i <= 20; ++i) {
        place(form, i, 67312);
    }
    ops.setText(Control::Text1, "300");
    form.Timer1_Timer();
    EXPECT_EQ(ops.list(Control::uyl)[0], "23");
    EXPECT_EQ(form.uyumlar[20], 23);
    EXPECT_EQ(ops.beeps, 0);
}

} // namespace
} // namespace ga::testing
