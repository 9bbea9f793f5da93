# shellcheck shell=bash
# shellcheck disable=SC2034 # the lists are read by the commands that source this file
# Shared by the commands in tools/: the Debian packages the game needs, installed once, the
# build, the Debian archive this machine installs from, and the usage a command's header states.

# What it takes to build and run the game.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-qpa-plugins fonts-liberation2)
# What playing the game in a private X server takes (the demo, the end-to-end tests): the server,
# xdotool at the controls, screenshots, and the screen reader's view of the window; and what the
# screenshots add to it (a pinned clock).
DEMO_PACKAGES=(xvfb xdotool imagemagick dbus at-spi2-core python3-pyatspi)
SCREENSHOT_PACKAGES=(libfaketime)
# What the test suite adds to that: Qt's private headers, a session bus for a game started
# without one, closing windows, benchmarks, the desktop-integration checks, a Wayland compositor
# with Qt's Wayland platform, qt6ct for a dark colour scheme, and fontconfig's headers for the
# probe of the leak suppressions.
TEST_PACKAGES=(qt6-base-private-dev "${DEMO_PACKAGES[@]}" dbus-x11 python3-xlib libbenchmark-dev
    desktop-file-utils appstream lintian dpkg-dev file weston qt6-wayland qt6ct libfontconfig-dev)
# What the benchmarks add to the build's: Google Benchmark, Xlib for bench/startup.py, callgrind.
BENCH_PACKAGES=(libbenchmark-dev xvfb dbus python3 python3-xlib valgrind)

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

# usage: the calling command's header comment, from its second line to the first that is not one.
usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; }

# Installs whichever of the named packages are missing: as root with apt-get, otherwise with sudo.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ] ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local apt=(apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Please install these Debian packages as root: ${missing[*]}" >&2
            return 1
        }
        apt=(sudo apt-get)
    fi
    # apt's and dpkg's running commentary is only worth reading when something went wrong
    local log status=0
    log=$(mktemp)
    { "${apt[@]}" update -qq &&
        DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; } \
        >"$log" 2>&1 || status=$?
    [ $status -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return $status
}

# The Debian archive this machine installs its release from, as apt itself resolved its sources
# (or $ZOOMKIN_DEBIAN_MIRROR): the URI of the release's own main component.
debian_mirror() {
    [ -z "${ZOOMKIN_DEBIAN_MIRROR:-}" ] || { echo "$ZOOMKIN_DEBIAN_MIRROR"; return; }
    local codename uri
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    uri=$(apt-cache policy | awk -v want="o=Debian,.*n=$codename,.*c=main," \
        '$2 ~ /:\/\// { uri = $2 } $1 == "release" && $2 ~ want { print uri; exit }')
    [ -n "$uri" ] || { echo "no Debian archive for $codename in apt's sources; set ZOOMKIN_DEBIAN_MIRROR" >&2; return 1; }
    echo "$uri"
}

# timed WHAT COMMAND...: runs COMMAND, then says how long WHAT took; COMMAND's status. COMMAND
# runs as the caller would run it: under `set -e` a failed step inside a function ends it (a `||`
# here would turn -e off for everything COMMAND runs), and the script with it.
timed() {
    local what=$1 started=$SECONDS
    shift
    "$@"
    local status=$?
    echo "-- $what: $((SECONDS - started)) s"
    return $status
}

# run_tests BUILD_DIR: the whole suite of a build through ctest; a run that finds no test fails.
run_tests() {
    ctest --test-dir "$1" --output-on-failure --no-tests=error
}

# Configures and builds into $BUILD_DIR, with any extra CMake arguments (only the targets that
# $TARGETS names, when it names any); fails when either step does.
build_game() {
    # shellcheck disable=SC2086 # one target a word
    cmake -S "$ROOT" -B "$BUILD_DIR" "$@" >/dev/null &&
        cmake --build "$BUILD_DIR" --parallel "$(nproc)" ${TARGETS:+--target $TARGETS}
}

# The build machine's own programs for a cross build (Windows, a browser): the picture baker, which
# runs while the game is built, and the layout that the tests read; from the native build in build/.
build_native_tools() {
    # (without the tests, whose packages tools/test installs: they are not needed here)
    { [ -f "$ROOT/build/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$ROOT/build" -DBUILD_TESTING=OFF >/dev/null; } &&
        cmake --build "$ROOT/build" --parallel "$(nproc)" --target zoomkin-bake zoomkin-layout
}
