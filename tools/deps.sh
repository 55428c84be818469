# shellcheck shell=bash
# Sourced by run.sh and test.sh: installs the Debian packages the build needs, and
# does no apt work at all when every one of them is already there.

# What building and opening the window needs (qt6-tools-dev and qt6-l10n-tools build the
# English translation into the program). qt6-base-dev already pulls in the GL and
# Vulkan headers that Qt's CMake files look for; they are listed so that the list says
# what the build relies on. qt6-svg-dev builds the charts' SVG export. qt6-qpa-plugins
# holds the xcb and Wayland platform plugins: without it the program cannot open a window
# at all. libxkbcommon-dev is what Qt's GUI module looks for at every configure; without
# it CMake prints "Could NOT find XKB", which is harmless but reads like a failure.
# libqt6printsupport6 prints the lessons' worksheets (qt6-base-dev has its headers).
GA_RUN_PACKAGES=(
    g++
    cmake
    ninja-build
    qt6-base-dev
    qt6-tools-dev
    qt6-l10n-tools
    qt6-qpa-plugins
    libgl-dev
    libvulkan-dev
    libxkbcommon-dev
    qt6-translations-l10n
    libqt6svg6
    qt6-svg-dev
    libqt6printsupport6
    fonts-liberation2
    fonts-dejavu-core
)

# What the test command needs on top: the test and benchmark libraries, clang with
# libFuzzer's runtime, the formatter, the launcher and metainfo validators, the Debian
# packaging tools CPack calls (dpkg-shlibdeps, file), and a virtual X server with the
# icon theme index so that one test opens the installed program's window through the
# real xcb plugin and finds its icon.
GA_TEST_PACKAGES=(
    "${GA_RUN_PACKAGES[@]}"
    git
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    clang
    libclang-rt-14-dev
    clang-format
    clang-tidy
    desktop-file-utils
    appstream
    dpkg-dev
    file
    xvfb
    xauth
    x11-utils
    hicolor-icon-theme
    # The packaging checks: the manual pages formatted as man does it, lintian, and the
    # session file type read as desktops read it (XML parser, MIME database, GLib's gio).
    man-db
    groff-base
    lintian
    libxml2-utils
    shared-mime-info
    libglib2.0-bin
)

# Prints the packages of "$@" that dpkg does not report as installed.
ga_missing_packages() {
    local pkg status
    for pkg in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
        if [[ $status != "install ok installed" ]]; then
            printf '%s\n' "$pkg"
        fi
    done
}

# Installs whatever of "$@" is missing: directly as root, through sudo otherwise, and
# when neither is possible prints the one command to run and exits 1.
ga_ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "deps: not a Debian system; make sure these are installed: $*" >&2
        return 0
    fi
    local missing
    mapfile -t missing < <(ga_missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "deps: missing packages: ${missing[*]}"
    local -a as_root=()
    if [[ $(id -u) -ne 0 ]]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "deps: missing packages and no root rights; as root, run:" >&2
            echo "apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
            exit 1
        fi
    fi
    if ! "${as_root[@]}" apt-get update; then
        echo "deps: 'apt-get update' failed; cannot install: ${missing[*]}" >&2
        exit 1
    fi
    if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"; then
        echo "deps: 'apt-get install' failed for: ${missing[*]}" >&2
        exit 1
    fi
}

# The options of the plain build (build/): the one run.sh opens and test.sh tests first.
GA_PLAIN_BUILD_OPTIONS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)

# Configures build directory $1 with Ninja and the CMake options that follow. A folder
# configured before with the very same options is left to Ninja, which configures again by
# itself when a CMakeLists.txt changes; one configured with other options (or by an older
# script) is configured afresh with these, so a folder never keeps flags nobody asked for.
ga_configure() {
    local dir=$1
    shift
    local wanted stamp=$dir/ga-configure-options.txt
    printf -v wanted '%s\n' "$@"
    if [[ -f $dir/CMakeCache.txt && -f $dir/build.ninja && -f $stamp &&
        $(<"$stamp")$'\n' == "$wanted" ]]; then
        return 0
    fi
    local -a fresh=()
    if [[ -f $dir/CMakeCache.txt ]]; then
        echo "deps: $dir was configured with other options; configuring it afresh"
        fresh=(--fresh)
    fi
    cmake -S . -B "$dir" -G Ninja "${fresh[@]}" "$@"
    printf '%s' "$wanted" >"$stamp"
}
