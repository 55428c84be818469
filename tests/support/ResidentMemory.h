#pragma once

namespace ga::test {

// This process's resident memory in KiB, as the kernel reports it; -1 if unknown.
long residentKiB();

// The most resident memory this process has had, in KiB, since it started or since the last
// resetPeakResident(); -1 if unknown.
long peakResidentKiB();
// Starts measuring the peak afresh from the resident memory now (Linux: clear_refs).
void resetPeakResident();

} // namespace ga::test
