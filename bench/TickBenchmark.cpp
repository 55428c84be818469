#include "engine/Form1.h"
#include "tests/support/RecordingOps.h"

#include <benchmark/benchmark.h>

namespace {

using ga::Control;

// Ticks of a run that never stops (target 100000 lies beyond the default function's
// reach), with the report log, the lists and the panel written as in the window.
void BM_Tick(benchmark::State& state) {
    ga::testing::RecordingOps ops;
    ops.recordCalls = false;
    ops.recordCircles = false;
    ops.clock = 1234.0F;
    ops.setText(Control::Text1, "100000");
    ops.setText(Control::Text3, std::to_string(state.range(0)));
    ga::Form1 form{ops, ","};
    form.Form_Load();
    form.Command1_Click();
    form.Command2_Click();

    std::int64_t ticks = 0;
    for (auto _ : state) {
        form.Timer1_Timer();
        // The real log keeps a bounded number of lines; drop the recorded ones now and
        // then so the benchmark measures the tick, not a growing vector.
        if (++ticks % 256 == 0) {
            state.PauseTiming();
            ops.forgetOutput();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Tick)->Arg(5)->Arg(100)->ArgName("mutation%");

} // namespace

BENCHMARK_MAIN();
