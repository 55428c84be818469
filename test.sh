#!/usr/bin/env bash
# Builds everything and runs every check, in two builds: the plain one (GCC, as shipped)
# with every test, the packaging checks and the benchmarks built; the formatting lint; and
# one clang build that checks every source file of the program with clang-tidy as it
# compiles it, runs the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the fuzz targets for their bounded runs.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")"
# shellcheck source=tools/deps.sh
source tools/deps.sh

jobs=$(nproc)
started=$SECONDS
stage="dependencies"
passed=0
failed=0
declare -a done_stages=()

on_exit() {
    local rc=$?
    if ((rc != 0)); then
        echo "test.sh: FAILED in stage '$stage' (exit code $rc) after $((SECONDS - started)) s" >&2
    fi
}
trap on_exit EXIT

stage_started=$SECONDS
begin() {
    stage=$1
    stage_started=$SECONDS
    echo
    echo "==> test.sh: $stage"
}

finish() {
    local took=$((SECONDS - stage_started))
    done_stages+=("$stage ($took s)")
    echo "==> test.sh: $stage done in $took s"
}

# Runs ctest and adds its counts to the totals; ctest's exit status still decides.
run_ctest() {
    local log
    log=$(mktemp)
    if ! ctest --output-on-failure --no-tests=error --parallel "$jobs" "$@" 2>&1 | tee "$log"; then
        rm -f "$log"
        return 1
    fi
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
    rm -f "$log"
    if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[1]))
        passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    fi
}

begin "dependencies"
ga_ensure_packages "${GA_TEST_PACKAGES[@]}"
finish

# Window tests never need a display.
export QT_QPA_PLATFORM=offscreen

begin "plain build and tests (build/)"
ga_configure build "${GA_PLAIN_BUILD_OPTIONS[@]}"
cmake --build build --parallel "$jobs"
run_ctest --test-dir build
finish

begin "lint (clang-format)"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' sources < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' sources < <(find . -path './build*' -prune -o -type f \
        \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if ((${#sources[@]} > 0)); then
    clang-format --dry-run --Werror "${sources[@]}"
fi
echo "clang-format: ${#sources[@]} files checked"
finish

begin "clang-tidy, sanitizers and fuzz targets (build-check/)"
# One clang build serves three checks. clang-tidy runs beside the compiler on every source
# file of the program (the checks in .clang-tidy make every finding an error), so a file
# is checked again exactly when it is compiled again. Everything is built with
# AddressSanitizer and UndefinedBehaviorSanitizer for the whole suite, and the program's
# plain layers also with libFuzzer's coverage for the fuzz targets. -O1 keeps the
# sanitized suite and the fuzz runs quick; the library assertions catch out-of-range
# indexing.
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ga_configure build-check -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS" \
    -DGA_SANITIZE=ON -DGA_FUZZ=ON -DGA_BUILD_BENCH=OFF "-DGA_CLANG_TIDY=clang-tidy;--quiet"
cmake --build build-check --parallel "$jobs"
echo "clang-tidy: no findings"
run_ctest --test-dir build-check
unset ASAN_OPTIONS UBSAN_OPTIONS
finish

stage="summary"
echo
printf -v stages_list '%s; ' "${done_stages[@]}"
echo "test.sh: stages passed: ${stages_list%; } in $((SECONDS - started)) s"
echo "test.sh: $passed passed, $failed failed"
