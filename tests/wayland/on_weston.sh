#!/usr/bin/env bash
# Runs a command as a client of a private weston compositor on its headless backend, in a private
# runtime folder, and ends the compositor after it. The command's exit status is the script's.
#
# usage: on_weston.sh COMMAND [ARG...]
set -euo pipefail

runtime=$(mktemp -d "${TMPDIR:-/tmp}/zoomkin-weston.XXXXXX")
socket=wayland-zoomkin
weston_pid=

finish() {
    local status=$?
    set +e
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null
        wait "$weston_pid" 2>/dev/null
    fi
    if [ "$status" -ne 0 ] && [ -s "$runtime/weston.log" ]; then
        echo "on_weston: the compositor said:" >&2
        tail -n 20 "$runtime/weston.log" >&2
    fi
    rm -rf "$runtime"
    exit "$status"
}
trap finish EXIT

command -v weston >/dev/null || {
    echo "on_weston: weston is not installed (Debian package weston)" >&2
    exit 1
}
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --width=1280 --height=1024 --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || {
        echo "on_weston: weston ended before it listened" >&2
        exit 1
    }
    sleep 0.1
done
[ -S "$runtime/$socket" ] || {
    echo "on_weston: weston did not listen within 10 s" >&2
    exit 1
}

# Nothing of an X session may leak in: the client must talk Wayland.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
