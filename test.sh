#!/usr/bin/env bash
# Builds everything and runs every check: the tests, the formatting lint, the tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")"
root=$PWD
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

begin() {
    stage=$1
    echo
    echo "==> test.sh: $stage"
}

finish() {
    done_stages+=("$stage")
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

ga_ensure_packages "${GA_TEST_PACKAGES[@]}"

# Window tests never need a display.
export QT_QPA_PLATFORM=offscreen

begin "build and test (build/)"
ga_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
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

begin "static analysis (clang-tidy)"
# The program's own sources, with the checks in .clang-tidy, which makes every finding an
# error. The build is GCC's, so the two GCC-only flags it uses are not clang-tidy's concern.
run-clang-tidy -p build -j "$jobs" -quiet \
    -extra-arg=-Wno-unknown-warning-option -extra-arg=-Wno-ignored-optimization-argument \
    "$root/(runtime|engine|form|qt|app)/" >build/clang-tidy.log 2>&1 || {
    grep -E 'warning:|error:' build/clang-tidy.log >&2 || cat build/clang-tidy.log >&2
    exit 1
}
echo "clang-tidy: no findings"
finish

begin "sanitizers (build-asan/)"
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
# Debug builds faster on two cores; the library assertions catch out-of-range indexing.
ga_configure build-asan -DCMAKE_BUILD_TYPE=Debug -DGA_SANITIZE=ON -DGA_BUILD_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"
cmake --build build-asan --parallel "$jobs"
run_ctest --test-dir build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
finish

if [[ -f fuzz/CMakeLists.txt ]]; then
    begin "fuzz (build-fuzz/)"
    ga_configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DGA_WITH_QT=OFF -DGA_BUILD_BENCH=OFF -DGA_BUILD_TESTS=OFF -DGA_FUZZ=ON
    cmake --build build-fuzz --parallel "$jobs"
    # With the unit tests off, testing may be enabled only inside fuzz/.
    fuzz_tests=build-fuzz
    if [[ ! -f build-fuzz/CTestTestfile.cmake ]]; then
        fuzz_tests=build-fuzz/fuzz
    fi
    run_ctest --test-dir "$fuzz_tests" -L fuzz
    finish
else
    echo
    echo "==> test.sh: fuzz skipped (no fuzz/CMakeLists.txt)"
fi

stage="summary"
echo
printf -v stages_list '%s; ' "${done_stages[@]}"
echo "test.sh: stages passed: ${stages_list%; } in $((SECONDS - started)) s"
echo "test.sh: $passed passed, $failed failed"
