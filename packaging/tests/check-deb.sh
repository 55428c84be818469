#!/usr/bin/env bash
# The Debian package must carry the program, its launcher, icon, metainfo, manual pages,
# changelog and copyright in the standard places, depend on everything the program needs
# at run time, including what Qt loads without linking (platform plugins, translations,
# font), and pass lintian without errors or warnings; an optimised build also without any
# missing hardening (a debug build cannot fortify).
# Usage: check-deb.sh <CPackConfig.cmake> <scratch dir> <application id> <hardened: ON|OFF>
set -euo pipefail
config=$1
out=$2
id=$3
hardened=${4:-ON}
status=0

fail() {
    echo "FAIL: $*" >&2
    status=1
}

rm -rf "$out"
mkdir -p "$out"
# Built under a narrow umask, as some builders have: the modes must not depend on it.
(umask 027 && cpack -G DEB --config "$config" -B "$out") >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
}
shopt -s nullglob
debs=("$out"/*.deb)
if ((${#debs[@]} != 1)); then
    echo "FAIL: expected one .deb in $out, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

[[ $(dpkg-deb -f "$deb" Package) == genetik-algoritma ]] || fail "package name is not genetik-algoritma"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# One dependency per element, version constraints dropped.
mapfile -t names < <(tr ',' '\n' <<<"$depends" | sed -E 's/\(.*\)//; s/^ +//; s/ +$//')
for needed in qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 libqt6svg6 \
    hicolor-icon-theme libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
    found=0
    for n in "${names[@]}"; do
        # An alternative ("a | b") satisfies the need when any part is it.
        [[ " | $n | " == *" | $needed | "* ]] && found=1
    done
    ((found)) || fail "Depends lacks $needed"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/genetik-algoritma \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/mime/packages/$id.xml" \
    ./usr/share/icons/hicolor/scalable/mimetypes/application-x-genetik-algoritma-session.svg \
    ./usr/share/man/man1/genetik-algoritma.1.gz \
    ./usr/share/man/tr/man1/genetik-algoritma.1.gz \
    ./usr/share/doc/genetik-algoritma/changelog.gz \
    ./usr/share/doc/genetik-algoritma/copyright \
    ./usr/share/genetik-algoritma/lessons/01-selection.json; do
    grep -qxF "$path" <<<"$contents" || fail "package lacks $path"
done
# Nothing of the build (tests, benchmarks, static libraries, headers) may leak in.
unexpected=$(grep -vE '^\./usr/(bin/genetik-algoritma|share/(applications|icons|metainfo|mime|man|doc|genetik-algoritma)(/.*)?)?/?$|^\./$|^\./usr/(bin|share)/$' <<<"$contents" || true)
[[ -z $unexpected ]] || fail "package holds unexpected files: $unexpected"

# The installed tree as a whole: launcher, metainfo and icon found where desktops look.
tree=$out/tree
dpkg-deb -x "$deb" "$tree"
[[ $(file -b "$tree/usr/bin/genetik-algoritma") == *ELF*executable* ]] ||
    fail "usr/bin/genetik-algoritma is not an executable"
[[ -x $tree/usr/bin/genetik-algoritma ]] || fail "usr/bin/genetik-algoritma is not executable"
desktop-file-validate "$tree/usr/share/applications/$id.desktop" || fail "installed launcher invalid"
appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli validate-tree failed"

# No control field, metadata file, document or text in the program itself may point users
# at a placeholder address.
pattern='example\.(org|com|net)'
placeholders=$(
    dpkg-deb -f "$deb" | grep -E "$pattern" || true
    grep -rlaE "$pattern" "$tree" || true
    find "$tree" -name '*.gz' -exec zgrep -lE "$pattern" {} + || true
)
[[ -z $placeholders ]] || fail "placeholder address in the package: $placeholders"

# Debian 12's lintian must find no error and no warning, and, with its informational and
# pedantic tags shown, no missing hardening (fortify, stack protector, RELRO, bindnow).
if lintian -I --pedantic --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1; then
    echo "lintian: no errors, no warnings"
else
    grep -v '^running with root privileges' "$out/lintian.log" >&2 || true
    fail "lintian reports errors or warnings"
fi
if [[ $hardened != ON ]]; then
    echo "lintian: hardening not checked in a debug build"
elif grep -E ' hardening-' "$out/lintian.log" >&2; then
    fail "lintian finds the program built without Debian's hardening flags"
else
    echo "lintian: hardened"
fi

if ((status == 0)); then
    echo "package contents and dependencies are complete"
fi
exit "$status"
