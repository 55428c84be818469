#!/usr/bin/env bash
# The command line answers as any Qt program's does, without a display: --help and
# --version print and exit 0; a refused option or value prints one line on standard error
# and exits with status 2, and no window opens.
# Usage: check-command-line.sh <program> <version>
set -euo pipefail
program=$1
version=$2
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# No display anywhere in the environment: nothing here may need one.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >out.txt 2>err.txt
}

cd "$(mktemp -d)"
for help in --help -h; do
    if run "$help"; then
        grep -q -- '--seed <N>' out.txt || fail "$help does not list --seed"
        [[ ! -s err.txt ]] || fail "$help wrote to standard error"
    else
        fail "$help exited with $?"
    fi
done
if run --version; then
    [[ $(cat out.txt) == "genetik-algoritma $version" ]] || fail "--version printed: $(cat out.txt)"
else
    fail "--version exited with $?"
fi

# Each command line given is refused: one line on standard error, nothing on standard
# output, status 2.
expect_refused() {
    local bad
    for bad in "$@"; do
        # shellcheck disable=SC2086 # the case is split into its words on purpose
        if run $bad; then
            fail "'$bad' was accepted"
            continue
        else
            code=$?
        fi
        [[ $code -eq 2 ]] || fail "'$bad' exited with $code, not 2"
        [[ $(wc -l <err.txt) -eq 1 ]] || fail "'$bad' wrote $(wc -l <err.txt) lines: $(cat err.txt)"
        grep -q '^genetik-algoritma: ' err.txt || fail "'$bad': $(cat err.txt)"
        [[ ! -s out.txt ]] || fail "'$bad' wrote to standard output"
    done
}

expect_refused "--bogus" "--seed" "--seed abc" "--seed -1" "--seed 4294967296" "--seed 1.5" \
    "one.genetik two.genetik" "--experiment --vary mutation --values 1 run.genetik" \
    "--present --experiment --vary mutation --values 1"

# A good seed, or a session file to open, without a display gets as far as the display and
# says so; the file is not read before the window is there to show it.
for good in "--seed 4294967295" "missing.genetik" "--present"; do
    # shellcheck disable=SC2086 # the case is split into its words on purpose
    if run $good; then
        fail "'$good' without a display opened something"
    else
        code=$?
        [[ $code -eq 1 ]] || fail "'$good' without a display: exit $code, not 1"
        grep -q 'no display' err.txt || fail "'$good' without a display: $(cat err.txt)"
    fi
done
# --- Experiments without a display -------------------------------------------------------

# A refused experiment says why in one line, exits with status 2, and runs nothing.
bad_experiments=(
    "--runs 5"
    "--output x.csv"
    "--experiment"
    "--experiment --values 1"
    "--experiment --vary speed --values 1"
    "--experiment --vary mutation"
    "--experiment --vary mutation --values 0:100:0"
    "--experiment --vary mutation --values 100:0:5"
    "--experiment --vary mutation --values 0:100"
    "--experiment --vary mutation --values 0,5;1"
    "--experiment --vary mutation --values 0:1000:1 --runs 1000"
    "--experiment --vary mutation --values 1 --max-generations 0"
    "--experiment --vary mutation --values 1 --runs 0"
    "--experiment --vary mutation --values 1 --threads 0"
    "--experiment --vary mutation --values 1 --mutation 5"
    "--experiment --vary mutation --values 1 --target 0"
    "--experiment --vary mutation --values 1 --coefficients 1,2,3"
    "--experiment --vary mutation --values 1 --exponents 1,2,3,4,x"
    "--experiment --vary target --values 0:500:100"
    "--experiment --vary target --values 1 --target 5"
    "--experiment --vary mutation --values 1 --seed -1"
    "--experiment --vary method --values ga,annealing"
    "--experiment --vary method --values ga --method hill"
    "--experiment --vary mutation --values 1 --method GA"
)
expect_refused "${bad_experiments[@]}"
# The reason is the program's own text in English, read from its translations before any
# application object exists.
if ! run --experiment --vary mutation --values 1 --threads 0; then
    grep -qF "The number of threads must be a whole number from 1 to 256." err.txt ||
        fail "the refusal is not in English: $(cat err.txt)"
fi

# A small sweep: the per-run CSV on standard output, the same for one thread and two, the
# summary on standard error and no progress line there (it is not a terminal).
sweep=(--experiment --vary mutation --values 0,50,100 --runs 7 --max-generations 800
    --seed 9 --coefficients 1,1,1,1,1 --exponents 3,2,2,1,1 --target 277)
if run "${sweep[@]}" --threads 1; then
    cp out.txt one-thread.csv
    [[ $(head -n 1 out.txt) == $'mutation,run,seed,generations,reached,best_gene,best_fitness,evaluations\r' ]] ||
        fail "sweep header: $(head -n 1 out.txt)"
    [[ $(wc -l <out.txt) -eq 22 ]] || fail "sweep wrote $(wc -l <out.txt) lines, not 22"
    [[ $(grep -c $'\r$' out.txt) -eq 22 ]] || fail "sweep lines do not end in CR LF"
    grep -q '^mutation  *runs  *reached' err.txt || fail "no summary table: $(cat err.txt)"
    [[ $(wc -l <err.txt) -eq 4 ]] || fail "summary has $(wc -l <err.txt) lines, not 4"
    ! grep -q $'\r' err.txt || fail "a progress line went to a file"
else
    fail "sweep exited with $?: $(cat err.txt)"
fi
if run "${sweep[@]}" --threads 2 --output runs.csv; then
    [[ ! -s out.txt ]] || fail "--output still wrote to standard output"
    cmp -s runs.csv one-thread.csv || fail "two threads or --output gave other results"
else
    fail "sweep with --output exited with $?: $(cat err.txt)"
fi

# A sweep over the methods: a row per run named by its method, the evaluations until a gene
# at the target filled in wherever one was reached, and the genetic algorithm's runs, the
# first setting, the very rows a sweep of its mutation alone makes.
# shellcheck disable=SC2054 # the commas are inside one value
methods=(--experiment --values ga,random,hill --runs 5 --max-generations 500 --seed 3
    --threads 2)
if run "${methods[@]}" --vary method; then
    [[ $(head -n 1 out.txt) == method,run,seed,generations,reached,best_gene,best_fitness,* ]] ||
        fail "method sweep header: $(head -n 1 out.txt)"
    for name in ga random hill; do
        [[ $(grep -c "^$name," out.txt) -eq 5 ]] || fail "method sweep: not 5 rows of $name"
    done
    awk -F, 'NR > 1 && $5 == 1 && $8 !~ /^[0-9]+\r$/ { exit 1 }' out.txt ||
        fail "method sweep: a run that reached the target has no evaluations"
    awk -F, '$1 == "random" && $8 % 20 != 0 { exit 1 }' out.txt ||
        fail "method sweep: random search not counted by the generation"
    grep -q '^ *method .*med. evals' err.txt || fail "method sweep summary: $(cat err.txt)"
    grep -q '^Genetic algorithm  ' err.txt || fail "method sweep summary not in English: $(cat err.txt)"
    grep '^ga,' out.txt | cut -d, -f2- >ga-rows.csv
    if run --experiment --vary mutation --values 5 --runs 5 --max-generations 500 --seed 3; then
        tail -n +2 out.txt | cut -d, -f2- | cmp -s - ga-rows.csv ||
            fail "the genetic algorithm's rows change when the method varies"
    else
        fail "mutation sweep exited with $?: $(cat err.txt)"
    fi
else
    fail "method sweep exited with $?: $(cat err.txt)"
fi

# One fixed yardstick: every row and the summary name it, in a last column of their own.
if run --experiment --vary target --values 277,300 --method random --runs 3 \
    --max-generations 500; then
    [[ $(head -n 1 out.txt) == *,evaluations,method$'\r' ]] ||
        fail "fixed method header: $(head -n 1 out.txt)"
    [[ $(grep -c $',random\r$' out.txt) -eq 6 ]] || fail "fixed method rows: $(cat out.txt)"
    grep -q '^ *target .*med. evals  *method$' err.txt &&
        [[ $(grep -c 'Random search$' err.txt) -eq 2 ]] ||
        fail "fixed method summary: $(cat err.txt)"
else
    fail "fixed method sweep exited with $?: $(cat err.txt)"
fi

# A function the window takes runs as in the window, an infinite coefficient included.
if run --experiment --vary mutation --values 50 --runs 2 --max-generations 50 \
    --coefficients 1e999,1,1,1,-1 --exponents 0.5,2,2,1,1; then
    [[ $(wc -l <out.txt) -eq 3 ]] || fail "hostile function wrote: $(cat out.txt)"
else
    fail "hostile function exited with $?: $(cat err.txt)"
fi

# An output that cannot be written fails before any run, with status 1.
if run "${sweep[@]}" --output missing/runs.csv; then
    fail "an unwritable --output was accepted"
else
    code=$?
    [[ $code -eq 1 ]] || fail "unwritable --output exited with $code, not 1"
    grep -q "cannot write 'missing/runs.csv'" err.txt || fail "unwritable --output: $(cat err.txt)"
fi

# --- Question banks without a display ----------------------------------------------------

# A refused bank says why in one line, exits with status 2, and writes nothing.
expect_refused "--questions 0" "--questions 1001" "--questions x" "--questions" \
    "--questions 5 --kinds selection,guessing" "--questions 5 --kinds mating," \
    "--kinds mating" "--questions 5 --output bank.txt" "--questions 5 --target 0" \
    "--questions 5 --coefficients 1,2" "--questions 5 --mutation five" "--questions 5 --runs 3" \
    "--questions 5 --experiment --vary mutation --values 1" "--questions 5 bank.genetik"
[[ ! -e bank.txt ]] || fail "a refused bank wrote bank.txt"

# Moodle XML on standard output, the same bytes for the same seed, only the kinds asked
# for; a PDF through the offscreen platform, with no display.
bank=(--questions 12 --seed 4 --kinds mating,progress --lang tr)
if run "${bank[@]}"; then
    cp out.txt bank.xml
    [[ $(grep -c '<question type=' bank.xml) -eq 13 ]] || fail "bank: $(grep -c '<question type=' bank.xml) questions, not 12 and a category"
    [[ $(grep -c -E '<question type="(numerical|truefalse)">' bank.xml) -eq 12 ]] ||
        fail "bank asked other kinds than mating and progress"
    if command -v xmllint >/dev/null; then
        xmllint --noout bank.xml || fail "bank is not well-formed XML"
    fi
    run "${bank[@]}" --output again.xml && cmp -s again.xml bank.xml ||
        fail "the same seed wrote another bank"
else
    fail "bank exited with $?: $(cat err.txt)"
fi
if run --questions 4 --output bank.pdf; then
    [[ $(head -c 5 bank.pdf) == "%PDF-" ]] || fail "bank.pdf is not a PDF"
else
    fail "PDF bank exited with $?: $(cat err.txt)"
fi

# Ctrl+C stops an experiment that would never end by itself (the target is beyond the
# function's reach) and writes the runs that ended: none here, so the header alone. The
# signal is sent once the two workers run, which is after the handler is in place.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --experiment --vary target \
    --values 100000 --runs 4 --max-generations 1000000000 --threads 2 --output endless.csv \
    >out.txt 2>err.txt &
pid=$!
for _ in $(seq 1 1000); do
    (($(ls "/proc/$pid/task" 2>/dev/null | wc -l) >= 3)) && break
    sleep 0.01
done
kill -INT "$pid"
code=0
wait "$pid" || code=$?
[[ $code -eq 130 ]] || fail "interrupted experiment exited with $code, not 130"
[[ $(cat endless.csv) == $'target,run,seed,generations,reached,best_gene,best_fitness,evaluations\r' ]] ||
    fail "interrupted experiment wrote: $(cat endless.csv)"
grep -q 'interrupted; 0 of 4 runs' err.txt || fail "interrupted experiment: $(cat err.txt)"
exit $status
