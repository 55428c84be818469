#!/usr/bin/env bash
# The launcher, the icon and the metainfo must name one another consistently, or a
# desktop shows the program without an icon or a software centre cannot launch it.
# The launcher and the metainfo must also name the session file type that the MIME
# definition declares, and the launcher must pass the file on, or "Open with" offers a
# program that opens an empty window.
# Usage: check-metadata.sh <packaging dir> <application id> <project version> <mime type>
set -euo pipefail
dir=$1
id=$2
version=$3
mime_type=$4
desktop=$dir/$id.desktop
metainfo=$dir/$id.metainfo.xml
icon=$dir/$id.svg
status=0

fail() {
    echo "FAIL: $*" >&2
    status=1
}

# The value of key $2 in desktop file $1, main group only.
desktop_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/{s/^$2=//p}" "$1" | head -n 1
}

[[ -f $icon ]] || fail "icon $icon is missing"
grep -q '<svg[^>]*viewBox="0 0 64 64"' "$icon" || fail "icon has no square 64x64 viewBox"

[[ $(desktop_value "$desktop" Icon) == "$id" ]] || fail "desktop Icon= is not $id"
exec_line=$(desktop_value "$desktop" Exec)
[[ ${exec_line%% *} == genetik-algoritma ]] || fail "desktop Exec= does not start genetik-algoritma"
[[ " $exec_line " == *" %f "* ]] || fail "desktop Exec= does not pass the opened file (%f)"
mime_types=$(desktop_value "$desktop" MimeType)
[[ ";$mime_types" == *";$mime_type;"* ]] || fail "desktop MimeType lacks $mime_type"
grep -q "<mime-type type=\"$mime_type\">" "$dir/$id.xml" ||
    fail "the MIME definition $id.xml does not declare $mime_type"
grep -q "<mediatype>$mime_type</mediatype>" "$metainfo" ||
    fail "metainfo does not provide the media type $mime_type"
[[ -n $(desktop_value "$desktop" 'Name\[tr\]') ]] || fail "desktop has no Name[tr]"
[[ -n $(desktop_value "$desktop" 'Comment\[tr\]') ]] || fail "desktop has no Comment[tr]"
[[ -n $(desktop_value "$desktop" Comment) ]] || fail "desktop has no Comment"
categories=$(desktop_value "$desktop" Categories)
for c in Education ComputerScience; do
    [[ ";$categories" == *";$c;"* ]] || fail "desktop Categories lacks $c"
done

grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q '<binary>genetik-algoritma</binary>' "$metainfo" ||
    fail "metainfo does not provide the binary genetik-algoritma"
grep -q '<p xml:lang="tr">' "$metainfo" || fail "metainfo has no Turkish description"
# The newest release comes first and must be the version the build says it is.
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[[ $newest == "$version" ]] ||
    fail "newest metainfo release is '$newest' but the project version is $version"

if ((status == 0)); then
    echo "launcher, icon and metainfo agree on $id, version $version"
fi
exit "$status"
