#!/usr/bin/env bash
# Builds the benchmarks and prints every performance figure: the tick without a window,
# then the live window under a virtual X server (as a person would run it, not offscreen),
# then the same with the history window open and a million generations kept, and last a
# million-generation session saved and opened. Takes about five minutes, most of it the
# window's runs and idle measurements.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.."
# shellcheck source=tools/deps.sh
source tools/deps.sh

ga_ensure_packages "${GA_TEST_PACKAGES[@]}"
ga_configure build "${GA_PLAIN_BUILD_OPTIONS[@]}"
cmake --build build --parallel "$(nproc)" --target generation_benchmark window_benchmark \
    experiment_benchmark session_benchmark

echo "==> a generation without a window: quiet, and rendered"
build/bench/generation_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo
echo "==> live window"
xvfb-run -a -s "-screen 0 1024x768x24" build/bench/window_benchmark \
    --seconds 60 --generations 100000 --idle-seconds 20
echo
echo "==> experiments: the standard sweep on one and two threads, the methods raced, a cancel, and the window"
build/bench/experiment_benchmark --repeat 5
xvfb-run -a -s "-screen 0 1024x768x24" build/bench/experiment_benchmark --window
echo
echo "==> the history: the live window with the history window open, then a million generations"
xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/window_benchmark --history \
    --seconds 30 --generations 0 --idle-seconds 10 --history-generations 1000000
echo
echo "==> sessions: a million-generation run saved and opened"
/usr/bin/time -f "%e s, %M KB" build/bench/session_benchmark --generations 1000000
