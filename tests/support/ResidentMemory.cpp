#include "tests/support/ResidentMemory.h"

#include <fstream>
#include <string>

namespace ga::test {

namespace {

long statusKiB(const std::string& wanted) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

} // namespace

long residentKiB() {
    return statusKiB("VmRSS:");
}

long peakResidentKiB() {
    return statusKiB("VmHWM:");
}

void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace ga::test
