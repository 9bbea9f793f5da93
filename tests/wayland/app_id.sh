#!/usr/bin/env bash
# On Wayland the game's window carries its desktop entry's id as its app id, which is how a
# compositor finds the entry's name and icon for it. Reads what the game tells the compositor.
#
# usage: app_id.sh GAME DESKTOP_ENTRY   (as a Wayland client: see on_weston.sh)
set -euo pipefail
game=$1
expected=$(basename "$2" .desktop)
log=$(mktemp "${TMPDIR:-/tmp}/zoomkin-app-id.XXXXXX")
pid=
finish() {
    local status=$?
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -f "$log"
    exit "$status"
}
trap finish EXIT

WAYLAND_DEBUG=client "$game" 2>"$log" &
pid=$!
for _ in $(seq 100); do
    grep -q 'set_app_id(' "$log" && break
    kill -0 "$pid" 2>/dev/null || {
        echo "app_id: the game ended before its window showed:" >&2
        grep -v '^\[' "$log" | tail -n 5 >&2
        exit 1
    }
    sleep 0.1
done
said=$(sed -n 's/.*set_app_id("\([^"]*\)").*/\1/p' "$log" | sed -n 1p)
if [ "$said" != "$expected" ]; then
    echo "app_id: the window's app id is '$said'; its desktop entry is $expected.desktop" >&2
    exit 1
fi
echo "app_id: the window's app id is the desktop entry's id, $said"
