#!/usr/bin/env bash
# The Wine prefixes the Windows suites and tools/bench run the game in, with the build's Wine
# settings: "wine_prefix.sh" makes $WINEPREFIX unless it is there; "wine_prefix.sh --dark COPY"
# makes COPY anew from it, with Windows' apps set dark, as a player sets them.
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
