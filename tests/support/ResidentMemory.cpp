#include "tests/support/ResidentMemory.h"

#include <fstream>
#include <string>

namespace ga::test {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

} // namespace ga::test
