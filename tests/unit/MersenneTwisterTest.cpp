#include "runtime/MersenneTwister64.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace ga::test {
namespace {

std::string standardText(const std::mt19937_64& e) {
    std::ostringstream out;
    out << e;
    return out.str();
}

// Every seed's sequence is the standard engine's, whether the numbers are taken one at a
// time or in blocks of any size, across the twists of the state; a run replayed from a seed
// depends on it.
TEST(MersenneTwisterTest, SameNumbersAsTheStandardEngine) {
    for (std::uint64_t seed : {0ULL, 1ULL, 1234567ULL, 4294967295ULL, 0xFFFFFFFFFFFFFFFFULL}) {
        std::mt19937_64 standard(seed);
        MersenneTwister64 ours(seed);
        for (std::size_t block : {1U, 60U, 311U, 1U, 313U, 1000U, 7U, 624U}) {
            std::vector<std::uint64_t> got(block);
            ours.fill(got);
            for (std::size_t i = 0; i < block; ++i) {
                ASSERT_EQ(got[i], standard()) << "seed " << seed << ", block " << block;
            }
            ASSERT_EQ(ours(), standard()) << "seed " << seed;
        }
        EXPECT_EQ(ours.text(), standardText(standard)) << "seed " << seed;
    }
}

// A state the standard engine wrote is taken up and goes on as the standard engine does,
// wherever in its block it was; texts that are not states change nothing.
TEST(MersenneTwisterTest, StateTextIsTheStandardEngines) {
    for (int drawn : {0, 5, 311, 312, 313}) {
        std::mt19937_64 standard(99);
        standard.discard(static_cast<unsigned long long>(drawn));
        MersenneTwister64 ours;
        ASSERT_TRUE(ours.read(standardText(standard))) << drawn;
        EXPECT_EQ(ours.text(), standardText(standard));
        for (int i = 0; i < 700; ++i) {
            ASSERT_EQ(ours(), standard()) << drawn << ", " << i;
        }
    }
    MersenneTwister64 kept(7);
    const std::string before = kept.text();
    for (const std::string& bad :
         {std::string("12 34"), before + " x", std::string("abc"), std::string()}) {
        EXPECT_FALSE(kept.read(bad)) << bad.substr(0, 20);
        EXPECT_EQ(kept.text(), before);
    }
}

} // namespace
} // namespace ga::test
