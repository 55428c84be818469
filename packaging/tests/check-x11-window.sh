#!/usr/bin/env bash
# The window tests run offscreen; this one starts the real program on an X server
# through Qt's xcb plugin, as a person's desktop would, and requires its window to
# appear with the program's caption and stay up.
# Usage: check-x11-window.sh <executable>
set -euo pipefail
exe=$1
caption="Genetik Algoritma - Ravik"

if [[ -z ${GA_INSIDE_XVFB:-} ]]; then
    export GA_INSIDE_XVFB=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" \
        "$0" "$@"
fi

log=$(mktemp)
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$exe" >"$log" 2>&1 &
pid=$!
cleanup() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "$log"
}
trap cleanup EXIT

for _ in $(seq 1 300); do
    if ! kill -0 "$pid" 2>/dev/null; then
        cat "$log" >&2
        echo "FAIL: the program exited before its window appeared" >&2
        exit 1
    fi
    if xwininfo -root -tree | grep -qF "\"$caption\""; then
        # Still alive a moment later: the window did not open only to crash.
        sleep 1
        if kill -0 "$pid" 2>/dev/null; then
            xwininfo -root -tree | grep -F "\"$caption\"" | head -n 1
            echo "the window opened on X11"
            exit 0
        fi
        cat "$log" >&2
        echo "FAIL: the program died right after its window appeared" >&2
        exit 1
    fi
    sleep 0.1
done
cat "$log" >&2
echo "FAIL: no window captioned '$caption' within 30 s" >&2
exit 1
