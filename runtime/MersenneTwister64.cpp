#include "runtime/MersenneTwister64.h"

#include <algorithm>
#include <sstream>

namespace ga {

namespace {

constexpr std::size_t kN = MersenneTwister64::kStateSize;
constexpr std::size_t kM = 156;
constexpr std::uint64_t kMatrix = 0xB5026F5AA96619E9ULL;
constexpr std::uint64_t kUpper = 0xFFFFFFFF80000000ULL;
constexpr std::uint64_t kLower = 0x7FFFFFFFULL;

// One word of the twist, written without a branch so that the loops vectorise.
std::uint64_t twisted(std::uint64_t here, std::uint64_t next, std::uint64_t far) {
    const std::uint64_t y = (here & kUpper) | (next & kLower);
    return far ^ (y >> 1U) ^ ((0 - (next & 1U)) & kMatrix);
}

std::uint64_t tempered(std::uint64_t z) {
    z ^= (z >> 29U) & 0x5555555555555555ULL;
    z ^= (z << 17U) & 0x71D67FFFEDA60000ULL;
    z ^= (z << 37U) & 0xFFF7EEE000000000ULL;
    return z ^ (z >> 43U);
}

} // namespace

MersenneTwister64::MersenneTwister64(std::uint64_t seed) {
    this->seed(seed);
}

void MersenneTwister64::seed(std::uint64_t seed) {
    x_[0] = seed;
    for (std::size_t i = 1; i < kN; ++i) {
        x_[i] = 6364136223846793005ULL * (x_[i - 1] ^ (x_[i - 1] >> 62U)) + i;
    }
    p_ = kN;
}

void MersenneTwister64::twist() {
    for (std::size_t i = 0; i < kN - kM; ++i) {
        x_[i] = twisted(x_[i], x_[i + 1], x_[i + kM]);
    }
    for (std::size_t i = kN - kM; i < kN - 1; ++i) {
        x_[i] = twisted(x_[i], x_[i + 1], x_[i + kM - kN]);
    }
    x_[kN - 1] = twisted(x_[kN - 1], x_[0], x_[kM - 1]);
    p_ = 0;
}

std::uint64_t MersenneTwister64::operator()() {
    if (p_ >= kN) {
        twist();
    }
    return tempered(x_[p_++]);
}

void MersenneTwister64::fill(std::span<std::uint64_t> out) {
    while (!out.empty()) {
        if (p_ >= kN) {
            twist();
        }
        const std::size_t n = std::min(out.size(), kN - p_);
        const std::uint64_t* from = &x_[p_];
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = tempered(from[i]);
        }
        p_ += n;
        out = out.subspan(n);
    }
}

std::string MersenneTwister64::text() const {
    std::string text;
    for (std::uint64_t word : x_) {
        text += std::to_string(word);
        text += ' ';
    }
    text += std::to_string(p_);
    return text;
}

bool MersenneTwister64::read(std::string_view text) {
    std::istringstream in{std::string(text)};
    MersenneTwister64 read;
    for (std::uint64_t& word : read.x_) {
        in >> word;
    }
    in >> read.p_;
    if (in.fail()) {
        return false;
    }
    // Nothing may follow the state but blanks.
    in >> std::ws;
    if (!in.eof()) {
        return false;
    }
    *this = read;
    return true;
}

} // namespace ga
