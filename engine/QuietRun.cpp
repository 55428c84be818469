#include "engine/QuietRun.h"

#include "runtime/Convert.h"

namespace ga {

bool acceptableTarget(double target) {
    return target > 0 && target <= 100000;
}

QuietRun::QuietRun(const RunInputs& inputs, std::uint32_t seed)
    : target_(Val(inputs.target)), mutation_(Val(inputs.mutation)) {
    random_.seed(seed);
    giveStartValues(module1_, target_);
    for (int j = 1; j <= 5; ++j) {
        module1_.katsayilar[j] = Val(inputs.coefficients[static_cast<std::size_t>(j - 1)]);
        module1_.usler[j] = Val(inputs.exponents[static_cast<std::size_t>(j - 1)]);
    }
}

bool QuietRun::prepare() {
    if (!acceptableTarget(target_)) {
        return false;
    }
    ga::prepare(population_, module1_, objective_, target_, random_, preparation_);
    return true;
}

void QuietRun::tick() {
    generation(population_, module1_, objective_, mutation_, target_, random_, record_);
}

bool QuietRun::runUntil(double lastGeneration) {
    while (module1_.nesilSayisi < lastGeneration) {
        tick();
        if (record_.reached) {
            return true;
        }
    }
    return false;
}

} // namespace ga
