#!/usr/bin/env bash
# The session file type must work as desktops read it: the definition compiles into a
# shared-mime-info database without complaint, a *.genetik file is recognised as the
# session type (whatever the case of its name) while plain JSON stays JSON, the type is
# a kind of JSON, and its icon is the name the install provides.
# Usage: check-mime.sh <mime definition> <mime type> <icon name>
set -euo pipefail
definition=$1
type=$2
icon=$3
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

xmllint --noout "$definition" || {
    echo "FAIL: $definition is not well-formed XML" >&2
    exit 1
}

# A database of the system's own types and ours only, so that neither an installed copy
# of the package nor the user's own definitions can stand in for the one checked here.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$definition" "$scratch/mime/packages/"
# It exits 0 even when it skips a definition it cannot read; what it says tells.
complaints=$(XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime" 2>&1)
[[ -z $complaints ]] || fail "update-mime-database complains:"$'\n'"$complaints"

# What GLib-based desktops (file managers, "Open with") see for a file of that name.
content_type() {
    local file=$scratch/$1
    printf '%s\n' "$2" >"$file"
    XDG_DATA_DIRS=$scratch XDG_DATA_HOME=$scratch/none \
        gio info -a standard::content-type "$file" | sed -n 's/^ *standard::content-type: //p'
}
icons() {
    XDG_DATA_DIRS=$scratch XDG_DATA_HOME=$scratch/none \
        gio info -a standard::icon "$scratch/$1" | sed -n 's/^ *standard::icon: //p'
}

session='{"target": 277}'
for name in lesson.genetik DERS.GENETIK 'iki kelime.genetik'; do
    got=$(content_type "$name" "$session")
    [[ $got == "$type" ]] || fail "'$name' is '$got', not $type"
done
got=$(content_type data.json "$session")
[[ $got == application/json ]] || fail "a .json file is '$got', not application/json"

grep -qxF "$type application/json" "$scratch/mime/subclasses" ||
    fail "$type is not a sub-class of application/json"

first_icon=$(icons lesson.genetik | cut -d, -f1)
[[ $first_icon == "$icon" ]] || fail "the type's icon is '$first_icon', not $icon"

if ((failures > 0)); then
    exit 1
fi
echo "$type: recognised by name, a kind of JSON, icon $icon"
