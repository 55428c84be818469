// A long run without a window: a million ticks of a run that never stops, with the
// window's own bounded log. Once the log is full, resident memory may grow only by what
// the run's history holds, which stays within its stated limits; under the sanitizers the
// run must end without a leak report.

#include "form/window/Form1.h"
#include "tests/support/RecordingOps.h"
#include "tests/support/ResidentMemory.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using ga::Control;

int main(int argc, char** argv) {
    using ga::test::residentKiB;
    constexpr std::size_t kLogLines = 100'000;
    const long ticks = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    ga::test::RecordingOps ops;
    ga::test::ScriptedRandom random;
    ops.recordCircles = false;
    ops.clock = 777.0F;
    ops.setText(Control::Text1, "100000");
    ops.setText(Control::Text3, "50");
    ga::Form1 form{ops, random, ","};
    form.Form_Load();
    form.Command1_Click();
    form.Command2_Click();

    // The log is full after 100 000 / 30 ticks at most; measure from well past that.
    const long warmUp = ticks / 10;
    long before = 0;
    long historyBefore = 0;
    for (long t = 1; t <= ticks; ++t) {
        form.Timer1_Timer();
        if (t == warmUp) {
            before = residentKiB();
            historyBefore = static_cast<long>(form.run().history().bytes() / 1024);
        }
    }
    const long after = residentKiB();
    const ga::History& history = form.run().history();
    const long historyGrowth = static_cast<long>(history.bytes() / 1024) - historyBefore;
    std::printf("soak: %ld ticks, log %zu lines, resident %ld KiB after %ld ticks, %ld KiB at "
                "the end, of which the history grew by %ld KiB (%zu KiB in all)\n",
                ticks, form.log().size(), before, warmUp, after, historyGrowth,
                history.bytes() / 1024);

    // A million generations fit the history's limits whole: every one can still be opened
    // and each keeps its own summary.
    if (history.size() != static_cast<std::uint64_t>(ticks) + 1 ||
        history.detailBytes() > history.limits().detailBytes ||
        history.summaries().bytes() > history.limits().summaryBytes ||
        history.firstOpenable() != 0 || history.summaries().bucketWidth() != 1) {
        std::printf("soak: the history lost generations or passed its limits\n");
        return 1;
    }

    if (!ops.isEnabled(Control::Timer1) || form.log().size() < kLogLines) {
        std::printf("soak: the run stopped or the log is not full\n");
        return 1;
    }
#if defined(GA_SANITIZED)
    // AddressSanitizer holds freed memory back in a quarantine of its own, so resident
    // memory says nothing here; its leak check at exit is the test.
    return 0;
#endif
    // Flat but for the history: allow the allocator a little slack, and its bookkeeping of
    // the history's many small blocks (a few percent), nothing else that grows with the tick
    // count (a leak of 8 bytes a tick would be 7 MiB).
    const long slackKiB = 2048 + historyGrowth / 16;
    if (before <= 0 || after - before - historyGrowth > slackKiB) {
        std::printf("soak: resident memory grew by %ld KiB beside the history\n",
                    after - before - historyGrowth);
        return 1;
    }
    return 0;
}
