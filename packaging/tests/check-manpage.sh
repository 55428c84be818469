#!/usr/bin/env bash
# The manual pages must format without a single warning (lintian reports each one) and
# must document every long option the program accepts, in each language.
# Usage: check-manpage.sh <page>...
set -euo pipefail
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

options=(--help --version --seed --lang --present --experiment --vary --values --runs
    --max-generations --threads --target --mutation --coefficients --exponents --output
    --questions --kinds)

for page in "$@"; do
    before=$failures
    [[ -f $page ]] || {
        fail "$page does not exist"
        continue
    }
    # What lintian runs, then groff with every warning on.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
        2>&1 >/dev/null)
    warnings+=$(groff -man -ww -z -K utf8 "$page" 2>&1 | sed '1s/^/\n/')
    [[ -z $warnings ]] || fail "$page formats with warnings:"$'\n'"$warnings"
    whatis=$(lexgrog "$page" 2>&1) || fail "$page has no NAME line whatis can read: $whatis"

    # Searched in the formatted text, wide enough that no option is broken across lines,
    # so an option counts only when a reader sees it spelled as it is typed.
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$page" 2>/dev/null)
    for option in "${options[@]}"; do
        grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|$)" <<<"$text" ||
            fail "$page does not document $option"
    done
    if ((failures == before)); then
        echo "$page: no warnings, all ${#options[@]} long options documented"
    fi
done
if ((failures > 0)); then
    exit 1
fi
