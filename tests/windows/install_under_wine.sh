#!/usr/bin/env bash
# The Windows installer under Wine, run silently as an administrator's script would: the game
# lands in Program Files, with its Start-menu entry and its line in the installed apps; that
# entry starts the game; and the uninstaller takes all of it away again. In a copy of the suites'
# Wine prefix, so nothing here is left behind there.
#
# usage: install_under_wine.sh INSTALLER.exe LAYOUT TOOLS_DIR [LICENCE_CHECK...]
# LICENCE_CHECK: a command that checks the installed folder's notices, given it as its last word.
# Needs: wine xvfb xdotool (Debian packages), and WINEPREFIX.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 INSTALLER.exe LAYOUT TOOLS_DIR [LICENCE_CHECK...]" >&2; exit 2; }
INSTALLER=$(readlink -f "$1")
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source-path=SCRIPTDIR source=wine_check.sh
source "$(dirname "$0")/wine_check.sh" "$3" "$2"
wineserver -w # (the suites' prefix at rest, its registry written out)
cp -a "$WINEPREFIX" "$WORK/prefix"
export WINEPREFIX=$WORK/prefix
start_x_server "$WORK" 15 || fail "Xvfb did not start" # before Wine's first program, for all
C=$WINEPREFIX/drive_c
# Where a player looks for the game, typed here as the check of what the installer promises
FOLDER="$C/Program Files/Zoomkin Race"
ENTRY="$C/ProgramData/Microsoft/Windows/Start Menu/Programs/Zoomkin Race!/Zoomkin Race!.lnk"
APPS_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zoomkin Race'
traces() { # every file and registry hive of the prefix that names the game, once Wine's programs
    # have all ended (the registry reaches its files when Wine's server ends)
    wineserver -w
    find "$C" -iname '*zoomkin*'
    grep -iH zoomkin "$WINEPREFIX"/*.reg || true
}
left=$(traces)
[ -z "$left" ] || fail "the prefix had the game before its installer ran: $left"
# The prefix's files, but the temporary folder, where the uninstaller leaves a copy of itself for
# Windows to delete at the next start
files() { find "$C" -path "$C/users/*/Temp" -prune -o -print | sort; }
files >"$WORK/before"

wine "$INSTALLER" /S || fail "the installer ended with status $?"
wineserver -w
for file in "$APP_NAME.exe" Qt6Core.dll platforms/qwindows.dll LICENSE.txt Uninstall.exe; do
    [ -f "$FOLDER/$file" ] || fail "the installer put no $file in ${FOLDER#"$C/"}"
done
# Windows' native style, named after Qt's version
compgen -G "$FOLDER/styles/*.dll" >/dev/null || fail "the installer put no style in ${FOLDER#"$C/"}/styles"
ok "the game is installed in ${FOLDER#"$C/"}"
[ $# -eq 3 ] || "${@:4}" "$FOLDER" || fail "the installed game does not carry its licences"
[ -f "$ENTRY" ] || fail "no Start-menu entry ${ENTRY#"$C/"}"
listed=$(wine reg query "$APPS_KEY" 2>/dev/null | tr -d '\r') || fail "the installed apps do not list it"
grep -qE "DisplayName +REG_SZ +Zoomkin Race!$" <<<"$listed" || fail "its installed-apps line: $listed"
grep -qE "UninstallString +REG_SZ +\"C:\\\\Program Files\\\\Zoomkin Race\\\\Uninstall.exe\"$" <<<"$listed" ||
    fail "its installed-apps line names another uninstaller: $listed"
ok "the Start menu has 'Zoomkin Race!', and the installed apps list it with its uninstaller"

# The Start-menu entry starts the game (through Windows' shell, as a click on it does)
wine start /wait /unix "$ENTRY" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
titled() { WIN=$(xdotool search --onlyvisible --name "^$WINDOW_TITLE\$" 2>/dev/null | head -n1) && [ -n "$WIN" ]; }
until_ok 120 titled || fail "the Start-menu entry showed no window '$WINDOW_TITLE': $(cat "$WORK/game.log")"
# (Windows' shell hands the entry on and ends: the game is the window's process)
game=$(xdotool getwindowpid "$WIN") || fail "the game's window names no process"
grep -qF "$APP_NAME.exe" "/proc/$game/cmdline" || fail "the window is not the installed game's"
"$PY" "$TOOLS/lib/close_window.py" "$WIN" || fail "could not ask the window to close"
until_ok 20 ended "$game" || fail "the game still ran 20 s after its window was closed"
stop "$GAME_PID" && GAME_PID=""
ok "the Start-menu entry starts the game, which ends when its window is closed"

wine "$FOLDER/Uninstall.exe" /S || fail "the uninstaller ended with status $?"
# (it goes on from a copy of itself, and traces waits for that)
left=$(traces)
[ -z "$left" ] || fail "the uninstaller left: $left"
files | diff "$WORK/before" - >"$WORK/changed" ||
    fail "uninstalled, the prefix's files differ from before: $(cat "$WORK/changed")"
ok "uninstalled, nothing of the game is left: no file, no Start-menu entry, no registry key"
echo "install_under_wine: all $CHECKS checks passed"
