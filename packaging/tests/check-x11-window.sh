#!/usr/bin/env bash
# The window tests run offscreen; this one installs the program into a scratch prefix
# and starts it on an X server through Qt's xcb plugin, as a person's desktop would. Its
# window must appear with the program's caption and stay up, carry the window class the
# launcher names (so docks group it with the launcher), and show the installed icon (so
# the icon name the program asks for is the one the install provides). It is started as a
# file manager starts it for a session file, and must open that file.
# Usage: check-x11-window.sh <build dir> <application id> <session file>
set -euo pipefail
build=$1
id=$2
session=$3
caption="Genetik Algoritma - Ravik"

if [[ -z ${GA_INSIDE_XVFB:-} ]]; then
    export GA_INSIDE_XVFB=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" \
        "$0" "$@"
fi

stage=$(mktemp -d)
log=$stage/program.log
pid=
cleanup() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$stage"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$stage" >/dev/null
desktop=$stage/share/applications/$id.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
cp "$session" "$stage/ders.genetik"

# Only the scratch prefix and the system's data: the icon must come from the install.
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    XDG_DATA_DIRS="$stage/share:/usr/share" XDG_DATA_HOME="$stage/nonexistent" \
    "$stage/bin/genetik-algoritma" "$stage/ders.genetik" >"$log" 2>&1 &
pid=$!

fail() {
    cat "$log" >&2
    echo "FAIL: $*" >&2
    exit 1
}

window=
for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || fail "the program exited before its window appeared"
    window=$(xwininfo -root -tree | awk -v c="\"$caption" '!found && index($0, c) {print $1; found = 1}')
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || fail "no window captioned '$caption' within 30 s"
# Still alive a moment later: the window did not open only to crash.
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program died right after its window appeared"
title=$(xprop -id "$window" _NET_WM_NAME)
echo "window $window: $title"
[[ $title == *"\"$caption — ders.genetik\""* ]] ||
    fail "the title does not name the session opened from the command line"

class=$(xprop -id "$window" WM_CLASS)
echo "$class"
[[ $class == *"\"$wm_class\""* ]] ||
    fail "WM_CLASS is not the launcher's StartupWMClass '$wm_class'"

icon=$(xprop -id "$window" _NET_WM_ICON)
[[ $icon == *"Icon ("* ]] ||
    fail "the window shows no icon: the program must ask the icon theme for '$id'," \
        "the name under which the icon is installed"
echo "the window opened on X11 with its class and its installed icon"
