#include "engine/QuietRun.h"

#include "runtime/Convert.h"

namespace ga {

QuietRun::QuietRun(const RunInputs& inputs, std::uint32_t seed)
    : target_(Val(inputs.target)), mutation_(Val(inputs.mutation)) {
    for (int j = 1; j <= 5; ++j) {
        katsayilar_[j] = Val(inputs.coefficients[static_cast<std::size_t>(j - 1)]);
        usler_[j] = Val(inputs.exponents[static_cast<std::size_t>(j - 1)]);
    }
    run_.keepHistory(false);
    run_.start(seed, target_);
}

bool QuietRun::prepare() {
    return run_.prepare(katsayilar_, usler_, target_);
}

void QuietRun::tick() {
    run_.step(mutation_, target_);
}

bool QuietRun::runUntil(double lastGeneration) {
    while (run_.module1().nesilSayisi < lastGeneration) {
        if (run_.step(mutation_, target_).reached) {
            return true;
        }
    }
    return false;
}

} // namespace ga
