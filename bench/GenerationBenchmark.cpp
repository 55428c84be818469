// One generation without a window: the engine alone (the quiet run), and the whole tick
// of the window's logic with its list lines, report lines, panel and chart points rendered
// into a batch and applied to the recording window.

#include "engine/QuietRun.h"
#include "form/Form1.h"
#include "tests/support/RecordingOps.h"

#include <benchmark/benchmark.h>

namespace {

using ga::Control;

// Target 100000 lies beyond the default function's reach, so the run never stops.
ga::RunInputs neverEnding(int mutation) {
    ga::RunInputs inputs;
    inputs.target = "100000";
    inputs.mutation = std::to_string(mutation);
    return inputs;
}

void BM_QuietGeneration(benchmark::State& state) {
    ga::QuietRun run(neverEnding(static_cast<int>(state.range(0))), 1234);
    run.prepare();
    for (auto _ : state) {
        run.tick();
        benchmark::DoNotOptimize(run.record());
    }
    state.counters["generations/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QuietGeneration)->Arg(5)->Arg(100)->ArgName("mutation%");

void BM_RenderedTick(benchmark::State& state) {
    ga::test::RecordingOps ops;
    ga::test::ScriptedRandom random;
    ops.recordCircles = false;
    ops.clock = 1234.0F;
    ops.setText(Control::Text1, "100000");
    ops.setText(Control::Text3, std::to_string(state.range(0)));
    ga::Form1 form{ops, random, ","};
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
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderedTick)->Arg(5)->Arg(100)->ArgName("mutation%");

} // namespace

BENCHMARK_MAIN();
