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

for bad in "--bogus" "--seed" "--seed abc" "--seed -1" "--seed 4294967296" "--seed 1.5" "stray"; do
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

# A good seed without a display gets as far as the display and says so.
if run --seed 4294967295; then
    fail "--seed without a display opened something"
else
    code=$?
    [[ $code -eq 1 ]] || fail "no display: exit $code, not 1"
    grep -q 'no display' err.txt || fail "no display: $(cat err.txt)"
fi
exit $status
