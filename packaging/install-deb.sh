#!/usr/bin/env bash
# Builds the Debian package of the program and installs it with its dependencies through
# apt-get: directly when run as root, through sudo otherwise. Arguments are passed on to
# apt-get install (for example -y). The build goes to build-deb/, without the tests and
# benchmarks, and is incremental: an unchanged tree is only packed again.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.."
# shellcheck source=tools/deps.sh
source tools/deps.sh

# Decided first, so that a user who cannot install learns it before a long build.
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deb: installing needs root rights, and sudo is not available;" \
            "run this script as root" >&2
        exit 1
    fi
    as_root=(sudo)
fi

# What building the program needs, and the tools CPack runs to make a Debian package
# (dpkg-shlibdeps from dpkg-dev, and file).
ga_ensure_packages "${GA_RUN_PACKAGES[@]}" dpkg-dev file

build=build-deb
ga_configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGA_BUILD_TESTS=OFF \
    -DGA_BUILD_BENCH=OFF
# A package left by an earlier version must not be the one installed.
rm -f "$build"/genetik-algoritma_*.deb
cmake --build "$build" --target package --parallel "$(nproc)"

shopt -s nullglob
debs=("$PWD/$build"/genetik-algoritma_*.deb)
if ((${#debs[@]} != 1)); then
    echo "install-deb: expected one package in $build/, found ${#debs[@]}" >&2
    exit 1
fi
echo "install-deb: installing ${debs[0]}"
# --reinstall: a rebuilt package of an unchanged version still replaces the installed one.
"${as_root[@]}" apt-get install --reinstall "$@" "${debs[0]}"
