#pragma once

namespace ga::test {

// This process's resident memory in KiB, as the kernel reports it; -1 if unknown.
long residentKiB();

} // namespace ga::test
