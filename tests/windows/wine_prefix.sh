#!/usr/bin/env bash
# Makes the Windows suites' (and tools/bench's) Wine prefix, $WINEPREFIX, unless it is there; with
# "--dark COPY", makes COPY anew from it with Windows' apps set dark, as a player sets them.
set -euo pipefail
if [ "${1:-}" != --dark ]; then
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i && wineserver -w; }
    exit 0
fi
rm -rf "$2" && cp -a "$WINEPREFIX" "$2"
export WINEPREFIX=$2
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    /v AppsUseLightTheme /t REG_DWORD /d 0 /f
wineserver -w
