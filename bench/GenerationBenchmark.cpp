// One generation without a window: the engine alone (the quiet run), and the whole tick
// of the window's logic with its list lines, report lines, panel and chart points rendered
// into a batch and applied to the recording window. Then the history: keeping a generation,
// and bringing one back from a run of a million generations, for the page and the chart.

#include "engine/FamilyTree.h"
#include "engine/History.h"
#include "engine/Prediction.h"
#include "engine/QuietRun.h"
#include "engine/SearchSpace.h"
#include "form/history/HistoryChart.h"
#include "form/history/HistoryReader.h"
#include "form/window/Form1.h"
#include "tests/support/RecordingOps.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

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
        benchmark::DoNotOptimize(run.run().record());
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

// Keeping one generation in the history, as every tick does. The records come from a real
// run; the history grows for as long as the benchmark runs, through its memory limits.
void BM_HistoryAppend(benchmark::State& state) {
    ga::QuietRun run(neverEnding(5), 1234);
    run.prepare();
    std::vector<ga::GenerationRecord> records(4096);
    for (ga::GenerationRecord& r : records) {
        run.tick();
        r = run.run().record();
    }
    ga::History history;
    history.start(run.run().preparation(), run.run().module1());
    std::size_t k = 0;
    for (auto _ : state) {
        history.append(records[k]);
        k = (k + 1) % records.size();
    }
    state.counters["bytes"] = static_cast<double>(history.bytes());
}
BENCHMARK(BM_HistoryAppend);

// A run of a million generations, kept as the window keeps it.
const ga::History& millionGenerations() {
    static const ga::History history = [] {
        // The window's run, which keeps its history, with the inputs of neverEnding(5).
        ga::Run run;
        run.start(1234, 100000);
        run.prepare({0, 1, 1, 1, 1, 1}, {0, 3, 2, 2, 1, 1}, 100000);
        for (int g = 0; g < 1'000'000; ++g) {
            run.step(5, 100000);
        }
        return run.history();
    }();
    return history;
}

// Selecting a generation anywhere in that run: replayed from its checkpoint and written
// out as the window shows it (list lines and report lines).
void BM_HistoryOpen(benchmark::State& state) {
    const ga::History& history = millionGenerations();
    ga::HistoryReader reader(",");
    ga::HistoryPage page;
    std::mt19937_64 pick(42);
    std::uniform_int_distribution<std::uint64_t> index(0, history.size() - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.open(history, index(pick), page));
    }
    state.counters["bytes"] = static_cast<double>(history.bytes());
}
BENCHMARK(BM_HistoryOpen)->Unit(benchmark::kMicrosecond);

// The family tree of individuals of the run's last generation: the best survivor (which a
// converged population may have kept for a long time, followed back generation by
// generation) and a newborn, six and twelve parent levels deep.
void BM_FamilyTree(benchmark::State& state) {
    const ga::History& history = millionGenerations();
    const auto position = static_cast<int>(state.range(0));
    const auto depth = static_cast<int>(state.range(1));
    std::size_t nodes = 0;
    for (auto _ : state) {
        const auto tree = ga::familyTree(history, history.size() - 1, position, depth);
        nodes = tree ? tree->nodes.size() : 0;
    }
    state.counters["individuals"] = static_cast<double>(nodes);
}
BENCHMARK(BM_FamilyTree)
    ->Args({1, 6})
    ->Args({15, 6})
    ->Args({15, 12})
    ->ArgNames({"position", "depth"})
    ->Unit(benchmark::kMillisecond);

// The chart's columns over that whole run, for a chart 1000 pixels wide.
void BM_HistoryChartColumns(benchmark::State& state) {
    const ga::History& history = millionGenerations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ga::chartColumns(history.summaries(), 1000));
    }
}
BENCHMARK(BM_HistoryChartColumns)->Unit(benchmark::kMicrosecond);

// The search space window evaluates all 100 000 genes whenever a box of the function
// changes: at most 20 ms of CPU on one core. The second function has negative and
// fractional exponents, where many genes have no finite F.
void BM_SearchSpace(benchmark::State& state) {
    const bool fractional = state.range(0) != 0;
    const std::array<double, 6> a{0, 1, 1, 1, 1, 1};
    const std::array<double, 6> p = fractional ? std::array<double, 6>{0, -1, 0.5, -0.5, 1.5, 2}
                                               : std::array<double, 6>{0, 3, 2, 2, 1, 1};
    ga::SearchSpace space;
    for (auto _ : state) {
        space.evaluate(a, p, 277);
        benchmark::DoNotOptimize(space.bestFitness());
    }
}
BENCHMARK(BM_SearchSpace)->Arg(0)->Arg(1)->ArgName("fractional")->Unit(benchmark::kMillisecond);

} // namespace

// Computing a prediction question of each kind, as the window does before a generation:
// on a copy of the window's run, which draws from the window's generator and has kept a
// history of 20 000 generations (which the copy leaves behind).
void BM_Question(benchmark::State& state) {
    ga::test::RecordingOps ops;
    ga::test::ScriptedRandom random;
    ops.recordCircles = false;
    ops.clock = 1234.0F;
    ops.setText(Control::Text1, "100000");
    ops.setText(Control::Text3, "20");
    ga::Form1 form{ops, random, ","};
    form.Form_Load();
    form.Command1_Click();
    for (int g = 0; g < 20000; ++g) {
        form.stepOnce();
        if (g % 256 == 0) {
            ops.forgetOutput();
        }
    }
    const auto kind = static_cast<ga::QuestionKind>(state.range(0));
    const ga::Form1::StepInputs in = form.nextStepInputs();
    std::uint64_t seed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ga::ask(form.run(), kind, in.mutationPercent, in.target, ++seed));
    }
}
BENCHMARK(BM_Question)->DenseRange(0, 3)->ArgName("kind")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
