#!/usr/bin/env bash
# Builds the Debian package with the build's CPack configuration and checks it: its control
# fields, its files, lintian (errors fail, warnings are shown), and the game unpacked from it
# (never installed into the system) opening its window in a private X server, then closing.
#
# usage: deb_package.sh CPACK BUILD_DIR SCRATCH APP_ID PROGRAM VERSION
#   CPACK      the cpack program
#   BUILD_DIR  the configured and built build folder (it holds CPackConfig.cmake)
#   SCRATCH    a folder of this test's own: emptied first, removed again when all passed
#   APP_ID     the game's desktop id (org.zoomkinrace.ZoomkinRace)
#   PROGRAM    the program's file name (ZoomkinRace!)
#   VERSION    the version the package must carry
#
# Needs: dpkg-dev lintian xvfb xdotool python3-xlib (Debian packages).
set -euo pipefail

if [ $# -ne 6 ]; then
    echo "usage: $0 CPACK BUILD_DIR SCRATCH APP_ID PROGRAM VERSION" >&2
    exit 2
fi
CPACK=$1
BUILD=$(readlink -f "$2")
SCRATCH=$(readlink -m "$3")
APP_ID=$4
PROGRAM=$5
VERSION=$6
LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib" && pwd)
# shellcheck source-path=SCRIPTDIR source=../../tools/lib/x_session.sh
source "$LIB/x_session.sh"
PACKAGE=zoomkin-race
WINDOW_TITLE="Zoomkin Race!"

CHECKS=0
fail() {
    echo "FAIL: $*" >&2
    [ -s "${SCRATCH}/game.log" ] && { echo "--- game output" >&2; cat "${SCRATCH}/game.log" >&2; }
    exit 1
}
ok() {
    CHECKS=$((CHECKS + 1))
    echo "ok $CHECKS: $*"
}
step() { echo "== $*"; }

# --- what the test needs ------------------------------------------------------------------
need "$CPACK" dpkg dpkg-deb dpkg-shlibdeps lintian Xvfb xdotool /usr/bin/python3
[ ${#MISSING[@]} -eq 0 ] ||
    fail "missing ${MISSING[*]}: install dpkg-dev lintian xvfb xdotool python3-xlib"
[ -f "$BUILD/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $BUILD: configure it first"
case $SCRATCH in
"$BUILD"/?*) ;;
*) fail "the scratch folder '$SCRATCH' must lie inside the build folder '$BUILD'" ;;
esac

rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"

cleanup() {
    local status=$?
    set +e
    stop_session
    rm -rf "$SCRATCH/runtime"
    if [ $status -eq 0 ]; then rm -rf "$SCRATCH"; else echo "kept for a look: $SCRATCH" >&2; fi
    exit $status
}
on_exit cleanup

# --- build the package ----------------------------------------------------------------------
step "cpack -G DEB"
"$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$SCRATCH/out" >"$SCRATCH/cpack.log" 2>&1 ||
    { cat "$SCRATCH/cpack.log" >&2; fail "cpack failed"; }
shopt -s nullglob
debs=("$SCRATCH"/out/*.deb)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} .deb files, expected one"
DEB=${debs[0]}
ARCH=$(dpkg --print-architecture)
[ "$(basename "$DEB")" = "${PACKAGE}_${VERSION}_${ARCH}.deb" ] ||
    fail "the package file is $(basename "$DEB"), expected ${PACKAGE}_${VERSION}_${ARCH}.deb"
ok "cpack made $(basename "$DEB")"

# --- control fields -------------------------------------------------------------------------
step "control fields"
field() { dpkg-deb -f "$DEB" "$1"; }
expect_field() { # expect_field NAME VALUE
    local value
    value=$(field "$1")
    [ "$value" = "$2" ] || fail "$1 is '$value', expected '$2'"
    ok "$1: $value"
}
expect_field Package "$PACKAGE"
expect_field Version "$VERSION"
expect_field Architecture "$ARCH"
expect_field Section games
[ -n "$(field Maintainer)" ] || fail "the package has no Maintainer"
ok "Maintainer: $(field Maintainer)"
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 3 ] ||
    fail "the Description has no long description: '$description'"
ok "Description: $(head -n1 <<<"$description")"

DEPENDS=$(field Depends)
echo "   Depends: $DEPENDS"
# The package names alone: "a (>= 1), b | c" -> a b c, one a line.
depends_names=$(sed -e 's/(.*)//' -e 's/\[.*\]//' -e 's/:.*//' <<<"${DEPENDS//[,|]/$'\n'}" |
    tr -d ' ')
for needed in libqt6widgets6 fonts-liberation2 qt6-qpa-plugins; do
    grep -qx "$needed" <<<"$depends_names" || fail "Depends lacks $needed: $DEPENDS"
    ok "Depends has $needed"
done
expect_field Recommends qt6-wayland
ok "Recommends qt6-wayland"

# --- files ----------------------------------------------------------------------------------
step "files"
expected=(
    "usr/games/$PROGRAM"
    "usr/share/applications/$APP_ID.desktop"
    "usr/share/metainfo/$APP_ID.metainfo.xml"
    "usr/share/icons/hicolor/32x32/apps/$APP_ID.png"
    "usr/share/icons/hicolor/64x64/apps/$APP_ID.png"
    "usr/share/icons/hicolor/128x128/apps/$APP_ID.png"
    "usr/share/icons/hicolor/256x256/apps/$APP_ID.png"
    "usr/share/man/man6/$PROGRAM.6.gz"
    "usr/share/doc/$PACKAGE/copyright"
    "usr/share/doc/$PACKAGE/changelog.gz"
)
# Regular files only (dpkg-deb -c lists them with a leading "-"), without the leading "./".
dpkg-deb -c "$DEB" | sed -n 's|^-.* \./||p' | sort >"$SCRATCH/files"
printf '%s\n' "${expected[@]}" | sort >"$SCRATCH/expected"
diff -u "$SCRATCH/expected" "$SCRATCH/files" ||
    fail "the package's files differ from the expected ones (- expected, + packaged)"
ok "the package holds exactly the ${#expected[@]} expected files"

# --- lintian --------------------------------------------------------------------------------
step "lintian"
status=0
lintian --fail-on error "$DEB" >"$SCRATCH/lintian.log" 2>"$SCRATCH/lintian.err" || status=$?
cat "$SCRATCH/lintian.log"
grep -v 'running with root privileges' "$SCRATCH/lintian.err" >&2 || true
errors=$(grep -c '^E: ' "$SCRATCH/lintian.log" || true)
warnings=$(grep -c '^W: ' "$SCRATCH/lintian.log" || true)
[ "$errors" -eq 0 ] || fail "lintian found $errors error(s)"
[ $status -eq 0 ] || fail "lintian exited with status $status"
ok "lintian: no errors ($warnings warning(s))"

# --- the game from the unpacked package -----------------------------------------------------
step "unpacking into $SCRATCH/root"
dpkg-deb -x "$DEB" "$SCRATCH/root"
entry="$SCRATCH/root/usr/share/applications/$APP_ID.desktop"
exec_value=$(sed -n 's/^Exec=//p' "$entry")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$exec_value" = "\"$PROGRAM\"" ] || [ "$exec_value" = "$PROGRAM" ] ||
    fail "the desktop entry's Exec is '$exec_value', expected the program $PROGRAM"
GAME="$SCRATCH/root/usr/games/$PROGRAM"
[ -x "$GAME" ] || fail "$GAME is not executable"
ok "the desktop entry's Exec names usr/games/$PROGRAM"

step "starting a private X server"
start_x_server "$SCRATCH" 30 || fail "Xvfb did not start (see $SCRATCH/xvfb.log)"
private_runtime_dir "$SCRATCH"
echo "   display $DISPLAY"

step "starting the unpacked game"
start_game "$GAME" "$SCRATCH/game.log" 60 "$WINDOW_TITLE" || case $? in
    1) fail "the game's window '$WINDOW_TITLE' did not show within 60 s" ;;
    *) fail "the game ended before its window showed" ;;
esac
ok "the unpacked game shows its window '$WINDOW_TITLE'"

# Desktops on X11 tie the window to the entry through StartupWMClass.
# shellcheck disable=SC2001 # a sed bracket expression says "every regex character" best
class_pattern=$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$wm_class")
xdotool search --all --onlyvisible --pid "$GAME_PID" --class "^${class_pattern}\$" 2>/dev/null |
    grep -qx "$WIN" || fail "the window's class is not the entry's StartupWMClass '$wm_class'"
ok "the window's class is the entry's StartupWMClass '$wm_class'"

step "closing the window"
"$LIB/close_window.py" "$WIN" || fail "could not send the window its close message"
until_ok 60 ended "$GAME_PID" || fail "the game was still running 60 s after its window was closed"
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
[ $status -eq 0 ] || fail "the game ended with exit status $status after its window closed"
ok "closing the window ends the game with exit status 0"

echo "all $CHECKS checks passed"
