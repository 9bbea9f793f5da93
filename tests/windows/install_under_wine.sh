#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator runs it silently: it puts the game in
# Program Files with a Start-menu entry and an uninstaller, and the uninstaller, run silently too,
# leaves nothing of the game behind: no file, no shortcut, no registry entry.
#
# usage: install_under_wine.sh INSTALLER.exe PROGRAM_NAME
# Needs: wine, and WINEPREFIX (a prefix of the tests' own).
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 INSTALLER.exe PROGRAM_NAME" >&2; exit 2; }
installer=$(readlink -f "$1") program=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Zoomkin Race"
traces() { # everything of the game's in the prefix: files and folders, and registry lines
    find "$drive" -iname '*zoomkin*' 2>/dev/null
    grep -il zoomkin "$WINEPREFIX"/*.reg 2>/dev/null | sed 's/^/registry: /'
}
[ -z "$(traces)" ] || fail "the game is in the prefix before the installer ran: $(traces)"

wine "$installer" /S
wineserver -w # the installer's processes, all of them ended
[ -f "$folder/$program.exe" ] || fail "no $program.exe in $folder: $(ls "$folder" 2>&1)"
for dll in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll Uninstall.exe; do
    [ -f "$folder/$dll" ] || fail "the installation has no $dll"
done
echo "ok: installed in Program Files\\Zoomkin Race with Qt's DLLs and an uninstaller"
shortcut=$(find "$drive" -path '*Start Menu*' -iname 'Zoomkin Race!.lnk' | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu entry 'Zoomkin Race!'"
echo "ok: a Start-menu entry: ${shortcut#"$drive"/}"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zoomkin Race' >/dev/null 2>&1 ||
    fail "Windows' list of programs has no 'Zoomkin Race'"
echo "ok: listed among the installed programs, to be removed from there"

wine "$folder/Uninstall.exe" /S
wineserver -w # the uninstaller runs on from a copy of itself; this waits for that too
left=$(traces)
[ -z "$left" ] || fail "the uninstaller left behind: $left"
echo "ok: uninstalled silently, nothing of the game left"
