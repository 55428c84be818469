#!/usr/bin/env bash
# Builds the program (installing what is missing first) and opens its window.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")"
# shellcheck source=tools/deps.sh
source tools/deps.sh

ga_ensure_packages "${GA_RUN_PACKAGES[@]}"
ga_configure build "${GA_PLAIN_BUILD_OPTIONS[@]}"
cmake --build build --target genetik-algoritma --parallel "$(nproc)"

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); the window cannot open here." >&2
    exit 2
fi

# The build writes the executable's path here, wherever the target puts it.
exe=build/app/genetik-algoritma
if [[ -f build/genetik-algoritma.path ]]; then
    exe=$(<build/genetik-algoritma.path)
fi
exec "$exe" "$@"
