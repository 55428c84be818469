#pragma once

#include "engine/Generation.h"
#include "engine/HistoryReplay.h"
#include "engine/Model.h"

#include <array>
#include <bit>
#include <cstdint>

namespace ga::test {

// Bit for bit: NaN equals NaN, and 0 differs from -0.
inline bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

template <std::size_t N>
bool sameBits(const std::array<double, N>& a, const std::array<double, N>& b) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!sameBits(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

inline bool sameBits(const GenerationRecord& a, const GenerationRecord& b) {
    for (std::size_t k = 0; k < a.deaths.size(); ++k) {
        if (!sameBits(a.deaths[k].gene, b.deaths[k].gene) ||
            a.deaths[k].oldAge != b.deaths[k].oldAge) {
            return false;
        }
    }
    return sameBits(a.generation, b.generation) && sameBits(a.mutationPercent, b.mutationPercent) &&
           sameBits(a.target, b.target) && a.order == b.order &&
           sameBits(a.rankedGenes, b.rankedGenes) && sameBits(a.rankedFitness, b.rankedFitness) &&
           a.matings == b.matings && sameBits(a.mutants, b.mutants) &&
           sameBits(a.bestGene, b.bestGene) && sameBits(a.bestFitness, b.bestFitness) &&
           sameBits(a.worstGene, b.worstGene) && sameBits(a.worstFitness, b.worstFitness) &&
           sameBits(a.mutations, b.mutations) && sameBits(a.genes, b.genes) &&
           sameBits(a.values, b.values) && sameBits(a.fitness, b.fitness) && a.reached == b.reached;
}

inline bool sameBits(const ListedPopulation& a, const ListedPopulation& b) {
    return sameBits(a.genes, b.genes) && sameBits(a.values, b.values) &&
           sameBits(a.fitness, b.fitness);
}

inline bool sameBits(const Population& a, const Population& b) {
    for (std::size_t i = 0; i < a.basamaklar.size(); ++i) {
        if (!sameBits(a.basamaklar[i], b.basamaklar[i])) {
            return false;
        }
    }
    return sameBits(a.genler, b.genler) && sameBits(a.yeniGenler, b.yeniGenler) &&
           sameBits(a.sonuclar, b.sonuclar) && sameBits(a.uyumlar, b.uyumlar) &&
           sameBits(a.mutantGenler, b.mutantGenler);
}

// Everything but the chart position, which only the window draws.
inline bool sameBits(const Module1& a, const Module1& b) {
    return sameBits(a.nesilSayisi, b.nesilSayisi) && sameBits(a.mutasyonSayisi, b.mutasyonSayisi) &&
           sameBits(a.enKotuGen, b.enKotuGen) && sameBits(a.enIyiGen, b.enIyiGen) &&
           sameBits(a.enKotuUyum, b.enKotuUyum) && sameBits(a.enIyiUyum, b.enIyiUyum) &&
           sameBits(a.katsayilar, b.katsayilar) && sameBits(a.usler, b.usler);
}

} // namespace ga::test
