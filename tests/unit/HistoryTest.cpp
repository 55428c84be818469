#include "engine/History.h"
#include "engine/HistoryReplay.h"
#include "engine/QuietRun.h"
#include "tests/unit/FormHarness.h"
#include "tests/unit/SameBits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <set>

namespace ga::test {
namespace {

constexpr std::uint64_t kChunk = History::kChunkGenerations;

// "Hazırla" starts a history whose first population carries the generation count of that
// moment, "Sıfırla" clears it, every tick and "Bir nesil ilerlet" add one generation, and
// a refused "Hazırla" changes nothing.
TEST(HistoryTest, TheHistoryBelongsToTheRun) {
    FormHarness h;
    h.ops.clock = 100;
    h.ops.setText(Control::Text1, "100000");
    h.form.Form_Load();
    struct Step {
        const char* what;
        std::function<void(FormHarness&)> act;
        std::uint64_t size;
        double first;
    };
    const Step steps[] = {
        {"load", [](FormHarness&) {}, 0, 1},
        {"Hazırla", [](FormHarness& f) { f.form.Command1_Click(); }, 1, 1},
        {"Başlat and three ticks",
         [](FormHarness& f) {
             f.form.Command2_Click();
             for (int k = 0; k < 3; ++k) {
                 f.form.Timer1_Timer();
             }
         },
         4, 1},
        {"Durdur, then a step",
         [](FormHarness& f) {
             f.form.Command3_Click();
             f.form.stepOnce();
         },
         5, 1},
        {"Başlat again, a tick",
         [](FormHarness& f) {
             f.form.Command2_Click();
             f.form.Timer1_Timer();
         },
         6, 1},
        {"Hazırla while running", [](FormHarness& f) { f.form.Command1_Click(); }, 1, 6},
        {"a tick", [](FormHarness& f) { f.form.Timer1_Timer(); }, 2, 6},
        {"Hazırla refused",
         [](FormHarness& f) {
             f.ops.setText(Control::Text1, "0");
             f.form.Command1_Click();
             f.ops.setText(Control::Text1, "100000");
         },
         2, 6},
        {"Sıfırla", [](FormHarness& f) { f.form.Command4_Click(); }, 0, 1},
        {"a step after Sıfırla", [](FormHarness& f) { f.form.stepOnce(); }, 0, 1},
        {"Hazırla after Sıfırla", [](FormHarness& f) { f.form.Command1_Click(); }, 1, 1},
    };
    for (const Step& s : steps) {
        s.act(h);
        EXPECT_EQ(h.form.run().history().size(), s.size) << s.what;
        EXPECT_EQ(h.form.run().history().firstGeneration(), s.first) << s.what;
    }
}

std::vector<GenerationRecord> quietRecords(QuietRun& run, History& history, int generations,
                                           std::vector<GenerationSummary>& summaries,
                                           const std::function<bool(std::uint64_t)>& keep) {
    std::vector<GenerationRecord> kept(static_cast<std::size_t>(generations) + 1);
    run.prepare();
    history.start(run.run().preparation(), run.run().module1());
    summaries.push_back(summarize(run.run().preparation().genes, run.run().preparation().fitness));
    for (int g = 1; g <= generations; ++g) {
        run.tick();
        history.append(run.run().record());
        summaries.push_back(summarize(run.run().record().genes, run.run().record().fitness));
        if (keep(static_cast<std::uint64_t>(g))) {
            kept[static_cast<std::size_t>(g)] = run.run().record();
        }
    }
    return kept;
}

RunInputs busyRun() {
    RunInputs inputs;
    inputs.target = "100000";
    inputs.mutation = "30";
    return inputs;
}

SummarySpan bruteSpan(const std::vector<GenerationSummary>& s, std::uint64_t a, std::uint64_t b) {
    SummarySpan out = SummarySpan::of(s[a]);
    for (std::uint64_t i = a + 1; i < b; ++i) {
        out.merge(SummarySpan::of(s[i]));
    }
    return out;
}

// Past its limits the history drops the oldest chunks of detail (what is left still comes
// back bit for bit, what is gone says so) and merges its summaries into wider buckets that
// keep every minimum and maximum, so the chart loses no extreme.
TEST(HistoryTest, MemoryLimitsDropTheOldestDetailAndMergeSummaries) {
    constexpr int kGenerations = 30000;
    const HistoryLimits limits{350'000, 100'000};
    History history(limits);
    QuietRun run(busyRun(), 99);
    std::vector<GenerationSummary> summaries;
    const auto kept = quietRecords(run, history, kGenerations, summaries, [](std::uint64_t g) {
        return g % 389 == 0 || g > kGenerations - 300;
    });

    EXPECT_LE(history.detailBytes(), limits.detailBytes);
    EXPECT_LE(history.summaries().bytes(), limits.summaryBytes);
    const std::uint64_t first = history.firstOpenable();
    ASSERT_GT(first, 0U);
    EXPECT_EQ((first - 1) % kChunk, 0U);
    HistoryReplay replay;
    EXPECT_FALSE(replay.seek(history, first - 1));
    EXPECT_FALSE(history.lineage(first - 1).has_value());
    for (std::uint64_t i = 1; i < history.size(); ++i) {
        if ((i % 389 == 0 || i > kGenerations - 300) && i >= first) {
            ASSERT_TRUE(replay.seek(history, i)) << i;
            ASSERT_TRUE(sameBits(replay.record(), kept[i])) << i;
        }
    }

    const SummaryPyramid& s = history.summaries();
    ASSERT_EQ(s.count(), history.size());
    const std::uint64_t width = s.bucketWidth();
    ASSERT_GE(width, 16U) << "the limit must have merged the summaries";
    EXPECT_FALSE(s.at(5).has_value());
    const std::uint64_t n = s.count();
    struct Range {
        std::uint64_t a;
        std::uint64_t b;
    };
    std::vector<Range> ranges{
        {0, n}, {0, width}, {n - n % width, n}, {width * 3, std::min(n, width * 70)}};
    std::mt19937 pick(3);
    for (int k = 0; k < 200; ++k) {
        const std::uint64_t a =
            std::uniform_int_distribution<std::uint64_t>(0, n / width - 1)(pick);
        const std::uint64_t b =
            std::uniform_int_distribution<std::uint64_t>(a + 1, (n + width - 1) / width)(pick);
        ranges.push_back({a * width, std::min(n, b * width)});
    }
    for (const Range& r : ranges) {
        ASSERT_EQ(s.span(r.a, r.b), bruteSpan(summaries, r.a, r.b)) << r.a << ".." << r.b;
    }
    // A range inside buckets counts the whole buckets it touches.
    EXPECT_EQ(s.span(width + 1, 2 * width + 2), bruteSpan(summaries, width, 3 * width));
}

// The same extremes come back from the blocks above the generations as from the
// generations themselves, for any range, before any merging.
TEST(HistoryTest, SummaryRangesEqualTheirGenerations) {
    History history;
    QuietRun run(busyRun(), 5);
    std::vector<GenerationSummary> summaries;
    quietRecords(run, history, 5000, summaries, [](std::uint64_t) { return false; });
    const SummaryPyramid& s = history.summaries();
    ASSERT_EQ(s.bucketWidth(), 1U);
    std::mt19937 pick(11);
    for (int k = 0; k < 500; ++k) {
        const std::uint64_t a = std::uniform_int_distribution<std::uint64_t>(0, 5000)(pick);
        const std::uint64_t b = std::uniform_int_distribution<std::uint64_t>(a + 1, 5001)(pick);
        ASSERT_EQ(s.span(a, b), bruteSpan(summaries, a, b)) << a << ".." << b;
    }
}

// A fitness is 0 or more or infinite; the summary keeps what is extreme about a population
// and never turns huge values into infinity.
TEST(HistoryTest, SummaryOfAPopulation) {
    struct Case {
        const char* name;
        std::array<double, kPopulation> genes;
        std::array<double, kPopulation> fitness;
        GenerationSummary expected;
    };
    std::array<double, kPopulation> same{};
    same.fill(12345);
    std::array<double, kPopulation> counting{};
    std::array<double, kPopulation> halves{};
    for (std::size_t k = 0; k < kPopulation; ++k) {
        counting[k] = static_cast<double>(k);
        halves[k] = k < 10 ? 10000 : 20000;
    }
    std::array<double, kPopulation> huge{};
    huge.fill(1e308);
    std::array<double, kPopulation> oneInfinite = counting;
    oneInfinite[7] = INFINITY;
    std::array<double, kPopulation> zeros{};
    std::array<double, kPopulation> signedZeros{};
    signedZeros[3] = -0.0;
    const Case cases[] = {
        {"one gene", same, counting, {0, 9.5, 19, 1}},
        {"two genes", halves, same, {12345, 12345, 12345, 2}},
        {"all different", counting, zeros, {0, 0, 0, 20}},
        {"huge values", same, huge, {1e308, 1e308, 1e308, 1}},
        {"an infinite one", counting, oneInfinite, {0, INFINITY, INFINITY, 20}},
        {"zero and minus zero", signedZeros, zeros, {0, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(summarize(c.genes, c.fitness), c.expected) << c.name;
    }
}

struct Corruption {
    const char* name;
    std::function<void(HistoryData&)> apply;
    HistoryError expected;
};

// Flips one bit of a packed generation (bit `at` of the 192).
void flip(PackedGeneration& g, unsigned at) {
    g[at / 64] ^= std::uint64_t{1} << (at % 64);
}

std::uint64_t bitsAt(const PackedGeneration& g, unsigned at, unsigned width) {
    std::uint64_t v = 0;
    for (unsigned k = 0; k < width; ++k) {
        v |= ((g[(at + k) / 64] >> ((at + k) % 64)) & 1U) << k;
    }
    return v;
}

// Data that went through a file comes back exactly; data that was changed on the way is
// refused with the reason, whether the change breaks a range or only the replay.
TEST(HistoryTest, DataRoundTripsAndBadDataIsRefused) {
    History history;
    QuietRun run(busyRun(), 17);
    std::vector<GenerationSummary> summaries;
    quietRecords(run, history, static_cast<int>(kChunk) + 900, summaries,
                 [](std::uint64_t) { return false; });
    const HistoryData data = history.data();

    HistoryError error = HistoryError::Replay;
    const auto back = History::restore(data, error);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(error, HistoryError::None);
    EXPECT_EQ(back->size(), history.size());
    EXPECT_EQ(back->data().chunks, data.chunks);
    EXPECT_EQ(back->data().summaries.single, data.summaries.single);
    EXPECT_NE(back->runId(), history.runId());
    HistoryReplay a;
    HistoryReplay b;
    for (std::uint64_t i : {std::uint64_t{0}, std::uint64_t{1}, kChunk, kChunk + 1, kChunk + 900}) {
        ASSERT_TRUE(a.seek(history, i));
        ASSERT_TRUE(b.seek(*back, i));
        EXPECT_TRUE(sameBits(a.listed(), b.listed())) << i;
    }
    EXPECT_TRUE(History::restore(HistoryData{}, error).has_value());

    const Corruption corruptions[] = {
        {"first generation not a number", [](HistoryData& d) { d.firstGeneration = NAN; },
         HistoryError::Numbers},
        {"one summary too many", [](HistoryData& d) { d.summaries.count += 1; },
         HistoryError::Summaries},
        {"no distinct gene", [](HistoryData& d) { d.summaries.single[5].distinct = 0; },
         HistoryError::Summaries},
        {"a negative fitness", [](HistoryData& d) { d.summaries.single[5].best = -1; },
         HistoryError::Summaries},
        {"summary width not a power of 16", [](HistoryData& d) { d.summaries.width = 3; },
         HistoryError::Summaries},
        {"a chunk missing", [](HistoryData& d) { d.chunks.pop_back(); }, HistoryError::Chunks},
        {"chunks said dropped but there", [](HistoryData& d) { d.firstChunk = 1; },
         HistoryError::Chunks},
        {"a generation missing", [](HistoryData& d) { d.chunks[0].generations.pop_back(); },
         HistoryError::Chunks},
        {"a checkpoint missing", [](HistoryData& d) { d.chunks[0].checkpoints.pop_back(); },
         HistoryError::Chunks},
        {"targets not from the chunk's start",
         [](HistoryData& d) { d.chunks[0].targets[0].offset = 1; }, HistoryError::Values},
        {"two percentages for one generation",
         [](HistoryData& d) {
             d.chunks[1].mutationPercents.push_back({0, 5});
         },
         HistoryError::Values},
        {"a parent beyond the survivors",
         [](HistoryData& d) { d.chunks[0].generations[3][0] |= 0xCU; }, HistoryError::Generation},
        {"a digit beyond five", [](HistoryData& d) { d.chunks[0].generations[3][0] |= 0x700U; },
         HistoryError::Generation},
        {"two survivors from one place",
         [](HistoryData& d) {
             PackedGeneration& g = d.chunks[0].generations[3];
             // Survivor 2's place made equal to survivor 1's (bits 140..144 and 145..149).
             const std::uint64_t diff = bitsAt(g, 140, 5) ^ bitsAt(g, 145, 5);
             for (unsigned bit = 0; bit < 5; ++bit) {
                 if (((diff >> bit) & 1U) != 0) {
                     flip(g, 145 + bit);
                 }
             }
         },
         HistoryError::Generation},
        {"the unused bits set", [](HistoryData& d) { flip(d.chunks[0].generations[3], 191); },
         HistoryError::Generation},
        {"a checkpoint gene changed",
         [](HistoryData& d) { d.chunks[1].checkpoints[2].genes[4] += 1; }, HistoryError::Replay},
        {"a target changed", [](HistoryData& d) { d.chunks[0].targets[0].value = 7; },
         HistoryError::Replay},
        {"a summary changed", [](HistoryData& d) { d.summaries.single[40].worst += 1; },
         HistoryError::Replay},
        {"a mutation the child inherits goes the other way",
         [](HistoryData& d) {
             // The first mating from generation 10 on whose child takes the mutated digit.
             for (std::size_t i = 9;; ++i) {
                 PackedGeneration& g = d.chunks[0].generations[i];
                 for (unsigned at = 0; at < kSurvivors * 14; at += 14) {
                     const std::uint64_t mating = bitsAt(g, at, 14);
                     const std::uint64_t digit = ((mating >> 8U) & 7U) + 1;
                     const std::uint64_t mutant = (mating >> 11U) & 3U;
                     if ((mutant == 1 && digit <= 2) || (mutant == 2 && digit >= 3)) {
                         flip(g, at + 13);
                         return;
                     }
                 }
             }
         },
         HistoryError::Replay},
    };
    for (const Corruption& c : corruptions) {
        HistoryData bad = data;
        c.apply(bad);
        error = HistoryError::None;
        EXPECT_FALSE(History::restore(bad, error).has_value()) << c.name;
        EXPECT_EQ(error, c.expected) << c.name;
    }
}

} // namespace
} // namespace ga::test
