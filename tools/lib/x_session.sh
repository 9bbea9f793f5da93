# shellcheck shell=bash
# shellcheck disable=SC2034 # the globals below are read by the scripts that source this one
#
# The one way the game's scripts start a private X server, sourced by the end-to-end, package and
# Wine tests, the demo, the screenshots and the benchmarks; run as a command (see the end), it
# runs the X11 test runs and the Windows suites in one. Around the game it starts and stops Xvfb, a D-Bus session with the
# accessibility bus and a runtime folder of its own; it starts the game and finds its windows.
# Functions fail by their exit status; the messages are the caller's. The processes started are
# kept in XVFB_PID, BUS_PID and GAME_PID (empty while not running) for stop_session to end.

XVFB_PID="" BUS_PID="" GAME_PID=""
WIN=""          # the game's main window, once start_game found it
GAME_STATUS=0   # the exit status of a game that ended before its window showed
MISSING=()      # what need found missing
NEW=""          # the window new_window found

# Debian's ImageMagick: another program named convert may come first on PATH.
CONVERT=convert
[ -x /usr/bin/convert ] && CONVERT=/usr/bin/convert

# need PROGRAM...: note each program that is not on PATH in MISSING, to be named in one message
need() {
    local program
    for program in "$@"; do
        command -v "$program" >/dev/null || MISSING+=("$program")
    done
}

# until_ok SECONDS COMMAND...: run COMMAND every tenth of a second until it succeeds; fails after
# SECONDS, a generous bound and never a measured time (a slow machine must not fail)
until_ok() {
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# running PID: alive and not a zombie (which kill -0 would still call alive)
running() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}
ended() { ! running "$1"; }
# written_or_ended FILE PID: FILE has something in it, or PID ended without writing it
written_or_ended() { [ -s "$1" ] || ended "$2"; }

# stop PID: end a process this script started, and reap it, so that none outlives the script.
stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# stop_session: end the game first, so that it never sees its bus or display go away under it
stop_session() {
    stop "$GAME_PID"
    stop "$BUS_PID" # and with it the accessibility bus it started
    stop "$XVFB_PID"
    GAME_PID="" BUS_PID="" XVFB_PID=""
}

# on_exit FUNCTION: run FUNCTION however the script ends (Ctrl+C and kill: with status 130)
on_exit() {
    # shellcheck disable=SC2064 # the name of the function, now
    trap "$1" EXIT
    trap 'exit 130' INT TERM
}

# start_x_server DIR SECONDS [SCREEN]: a private Xvfb (1024x768x24 unless SCREEN says otherwise)
# on a display number it picks itself and writes once it listens (-displayfd): no guessing at a
# free one. Its root is black (bench/startup.py waits for it to be painted over); it never resets;
# its log is DIR/xvfb.log. Exports DISPLAY and keeps Qt off any Wayland session around. Fails
# when no number came within SECONDS.
start_x_server() {
    local dir=$1 seconds=$2 screen=${3:-1024x768x24}
    Xvfb -displayfd 3 -screen 0 "$screen" -br -noreset -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    until_ok "$seconds" written_or_ended "$dir/display" "$XVFB_PID" && [ -s "$dir/display" ] || return 1
    DISPLAY=":$(head -n1 "$dir/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}

# private_runtime_dir DIR: XDG_RUNTIME_DIR is DIR/runtime, apart from the user's (mode 700)
private_runtime_dir() {
    mkdir -p "$1/runtime" && chmod 700 "$1/runtime"
    export XDG_RUNTIME_DIR="$1/runtime"
}

# start_session_bus DIR SECONDS: a private D-Bus session; exports DBUS_SESSION_BUS_ADDRESS.
# Fails when the bus gave no address within SECONDS.
start_session_bus() {
    dbus-daemon --session --nofork --nosyslog --print-address=4 4>"$1/bus" >/dev/null 2>&1 &
    BUS_PID=$!
    until_ok "$2" written_or_ended "$1/bus" "$BUS_PID" && [ -s "$1/bus" ] || return 1
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$1/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# start_a11y_bus SECONDS: the accessibility bus, up before the game starts (Qt looks for it once,
# at start): asked for its address, the session bus starts it (at-spi2-core's D-Bus service).
# And Qt told to publish its widgets there. Fails when it gave no address within SECONDS.
start_a11y_bus() {
    dbus-send --session --print-reply --reply-timeout=$(($1 * 1000)) --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 || return 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# main_window TITLE: WIN is the game's showing window titled exactly TITLE (no window manager)
main_window() {
    WIN=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name "^$1\$" 2>/dev/null |
        head -n1) || true
    [ -n "$WIN" ]
}
window_or_end() { main_window "$1" || ended "$GAME_PID"; }

# start_game PROGRAM LOG SECONDS TITLE [ENV...]: start the game (with the ENV settings, if any),
# its output going to LOG, and wait for its main window (WIN). Fails with 1 when no window showed
# within SECONDS, with 2 when the game ended first (its exit status in GAME_STATUS).
start_game() {
    local program=$1 log=$2 seconds=$3 title=$4
    shift 4
    env "$@" "$program" >"$log" 2>&1 &
    GAME_PID=$!
    until_ok "$seconds" window_or_end "$title" || return 1
    if [ -z "$WIN" ]; then
        GAME_STATUS=0
        wait "$GAME_PID" || GAME_STATUS=$?
        GAME_PID=""
        return 2
    fi
}

# visible_windows: every window of the game that is showing now, one id a line.
visible_windows() {
    xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null || true
}

# new_window KNOWN...: NEW is a showing window of the game not among KNOWN (a menu, a box)
new_window() {
    local id known
    for id in $(visible_windows); do
        for known in "$@"; do
            [ "$id" = "$known" ] && continue 2
        done
        NEW=$id
        return 0
    done
    return 1
}
window_gone() { ! visible_windows | grep -qx "$1"; }

# window_shot WINDOW FILE: the window as the screen shows it, with the boxes and menus over it
window_shot() {
    # shellcheck disable=SC2034 # SCREEN and WINDOW come with the geometry
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root png:- | "$CONVERT" - -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# x_session.sh SCREEN COMMAND...: COMMAND run in a private Xvfb with a screen of SCREEN (such as
# 1600x1200x24), with a D-Bus session and runtime folder of its own (never the desktop's), which
# end with it; COMMAND's exit status.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    [ $# -ge 2 ] || { echo "usage: $0 SCREEN COMMAND..." >&2; exit 2; }
    X_WORK=$(mktemp -d "${TMPDIR:-/tmp}/zoomkin-x.XXXXXX")
    end_command() { stop_session; rm -rf "$X_WORK"; }
    on_exit end_command
    start_x_server "$X_WORK" 15 "$1" || { echo "Xvfb did not start: $(tail -n3 "$X_WORK/xvfb.log")" >&2; exit 1; }
    private_runtime_dir "$X_WORK"
    start_session_bus "$X_WORK" 15 || { echo "the D-Bus session did not start" >&2; exit 1; }
    shift
    "$@" || exit
fi
