#!/usr/bin/env bash
# End-to-end test of the built game: a private X server (Xvfb) and a private D-Bus session with
# the accessibility bus, the real program, and xdotool playing it as a player would. Message box
# texts are read through AT-SPI (tools/read_boxes.py), the way a screen reader reads them;
# colours are read from screenshots.
#
# usage: e2e_game.sh GAME TOOLS_DIR [SHOTS_DIR]
#   GAME       the built program (build/app/ZoomkinRace!)
#   TOOLS_DIR  the source tree's tools/ folder (for read_boxes.py)
#   SHOTS_DIR  where the screenshots of every check go (default: a folder that is removed)
#
# Needs: xvfb xdotool imagemagick dbus at-spi2-core python3-pyatspi (Debian packages).
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 GAME TOOLS_DIR [SHOTS_DIR]" >&2
    exit 2
fi
GAME=$(readlink -f "$1")
TOOLS=$(readlink -f "$2")
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PY=/usr/bin/python3 # Debian's python: it has pyatspi
READ=("$PY" "$TOOLS/read_boxes.py")
CLOSE=("$PY" "$HERE/close_window.py")

# Layout of the game's client area (pixels), as the player sees it.
CLIENT_W=639
CLIENT_H=464
MARNOX_CAPTION=(296 0 66 18)  # x y w h of the Marnox option (indicator and caption)
DORVIT_CAPTION=(144 0 74 18)
MARNOX_CHEER=(272 18 114 16)  # the cheer "Marn, Marnox, Marn!!!" below it (x 272..385, y 18..33)
BARE_SPOT=(580 200)           # white window: no control there, and no racer ever runs there
MARNOX_SPOT=(340 8)           # over the Marnox caption

# The announcements a race can make while Marnox is backed (Marnox itself is "You").
ALLOWED_TEXTS=("Dorvit won the Zoomkin Race!" "Rufta won the Zoomkin Race!"
    "Bazzle won the Zoomkin Race!" "You won the Zoomkin Race!" "The Zoomkin Race is a tie!")
BOX_TITLE="ZoomkinRace!"
WINDOW_TITLE="Zoomkin Race!"

CHECKS=0
WORK="" SHOTS=""
fail() {
    echo "FAIL: $*" >&2
    if [ -n "$WORK" ]; then
        echo "      screenshots: $SHOTS" >&2
        for log in "$WORK"/game-*.log; do
            [ -s "$log" ] && { echo "--- what the game printed ($log):" >&2; cat "$log" >&2; }
        done
    fi
    exit 1
}
ok() {
    CHECKS=$((CHECKS + 1))
    echo "ok $CHECKS: $*"
}
step() { echo "== $*"; }

# --- what the test needs ------------------------------------------------------------------
[ -x "$GAME" ] || fail "the game '$GAME' is not an executable file"
[ -f "$TOOLS/read_boxes.py" ] || fail "no read_boxes.py in '$TOOLS'"
missing=()
for tool in Xvfb xdotool import convert dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
"$PY" -c 'import pyatspi' 2>/dev/null || missing+=("pyatspi for $PY")
[ ${#missing[@]} -eq 0 ] ||
    fail "missing ${missing[*]}: install xvfb xdotool imagemagick dbus at-spi2-core python3-pyatspi"
CONVERT=convert
[ -x /usr/bin/convert ] && CONVERT=/usr/bin/convert

WORK=$(mktemp -d "${TMPDIR:-/tmp}/zoomkin-e2e.XXXXXX")
KEEP_SHOTS=${3:-}
SHOTS=${KEEP_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
rm -f "$SHOTS"/*.png
chmod 700 "$WORK"

XVFB_PID="" BUS_PID="" A11Y_PID="" GAME_PID=""
stop() { # stop PID: end a process this script started, and reap it
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
cleanup() {
    local status=$?
    set +e
    stop "$GAME_PID"
    stop "$A11Y_PID"
    stop "$BUS_PID"
    stop "$XVFB_PID"
    rm -rf "$WORK/runtime" "$WORK/nodisplay"
    # a failed run keeps its logs (and its shots) for a look
    if [ $status -eq 0 ]; then rm -rf "$WORK"; else echo "kept for a look: $WORK" >&2; fi
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# until SECONDS COMMAND...: run COMMAND every tenth of a second until it succeeds; fails after
# SECONDS. Only ever a generous upper bound, never a measured time.
until_ok() {
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

running() { # running PID: alive and not yet a zombie
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# --- private X server and D-Bus session with the accessibility bus -------------------------
step "starting a private X server"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" \
    >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
has_display_number() { [ -s "$WORK/display" ]; }
until_ok 15 has_display_number || fail "Xvfb did not start (see $WORK/xvfb.log)"
DISPLAY=":$(head -n1 "$WORK/display")"
export DISPLAY
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
mkdir -p "$WORK/runtime" && chmod 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime"
echo "   display $DISPLAY"

step "starting a private D-Bus session and the accessibility bus"
dbus-daemon --session --nofork --nosyslog --print-address=4 4>"$WORK/bus" >/dev/null 2>&1 &
BUS_PID=$!
has_bus_address() { [ -s "$WORK/bus" ]; }
until_ok 15 has_bus_address || fail "the D-Bus session did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$WORK/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/a11y.log" 2>&1 &
A11Y_PID=$!
# Asks the bus who owns the name: asking the launcher itself would have D-Bus start a second
# one of its own while ours is still on its way up.
a11y_bus_up() {
    local answer
    answer=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null) &&
        [[ $answer == *"boolean true"* ]]
}
until_ok 15 a11y_bus_up || fail "the accessibility bus did not start (see $WORK/a11y.log)"
running "$A11Y_PID" ||
    fail "the accessibility bus launcher ended early (see $WORK/a11y.log)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# --- the game ---------------------------------------------------------------------------
WIN=""
main_window() {
    WIN=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name "^${WINDOW_TITLE}\$" 2>/dev/null |
        head -n1) || true
    [ -n "$WIN" ]
}
window_or_end() { main_window || ! running "$GAME_PID"; }
start_game() { # start_game NAME
    "$GAME" >"$WORK/game-$1.log" 2>&1 &
    GAME_PID=$!
    until_ok 20 window_or_end || fail "the game's window did not show within 20 s"
    if [ -z "$WIN" ]; then
        local status=0
        wait "$GAME_PID" || status=$?
        GAME_PID=""
        fail "the game ended with exit status $status before its window showed"
    fi
    "${READ[@]}" window --timeout 20 >"$WORK/window.txt" ||
        fail "the game did not show up on the accessibility bus"
}
ended() { ! running "$1"; }
# ends_within SECONDS WHAT: the game ends by itself within SECONDS, with exit status 0
ends_within() {
    local status=0
    until_ok "$1" ended "$GAME_PID" || fail "the game was still running $1 s after $2"
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ $status -eq 0 ] || fail "the game ended with exit status $status after $2 (expected 0)"
    ok "$2 ends the game with exit status 0 (within $1 s)"
}

# Every window of the game that is showing now, one id a line.
visible_windows() {
    xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null || true
}
# new_window KNOWN...: prints a showing window of the game that is not among KNOWN
NEW=""
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

# --- screenshots and pixels --------------------------------------------------------------
MENU_H=0
# shot NAME: the game's window as the screen shows it (boxes and menus included)
shot() {
    local x y w h
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    x=$X y=$Y w=$WIDTH h=$HEIGHT
    import -window root "$WORK/root.png"
    "$CONVERT" "$WORK/root.png" -crop "${w}x${h}+${x}+${y}" +repage "$SHOTS/$1.png"
    LAST_SHOT="$SHOTS/$1.png"
}
# count KIND FILE X Y W H: pixels of a client-area region that are red, dark or not white
count() {
    local kind=$1 file=$2 x=$3 y=$(($4 + MENU_H)) w=$5 h=$6
    "$CONVERT" "$file" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- |
        awk -F'[(),]' -v kind="$kind" '
            NR > 1 {
                r = $3; g = $4; b = $5
                if (kind == "red" && r >= 200 && g <= 80 && b <= 80) n++
                if (kind == "dark" && r < 110 && g < 110 && b < 110) n++
                if (kind == "nonwhite" && (r < 240 || g < 240 || b < 240)) n++
            }
            END { print n + 0 }'
}
pointer_to() { # pointer_to X Y (client area)
    xdotool mousemove --window "$WIN" "$1" $(($2 + MENU_H))
}
window_says() { # window_says TEXT: the screen reader's view of the window has this line
    "${READ[@]}" window --timeout 5 >"$WORK/window.txt" 2>/dev/null &&
        grep -qxF "$1" "$WORK/window.txt"
}

# --- checks ----------------------------------------------------------------------------
step "starting the game"
start_game 1
echo "   window $WIN, process $GAME_PID"

step "title and size"
title=$(xdotool getwindowname "$WIN")
[ "$title" = "$WINDOW_TITLE" ] || fail "the window's title is '$title', expected '$WINDOW_TITLE'"
ok "the window's title is exactly '$WINDOW_TITLE'"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
[ "$WIDTH" -eq $CLIENT_W ] || fail "the window is $WIDTH pixels wide, expected $CLIENT_W"
[ "$HEIGHT" -gt $CLIENT_H ] ||
    fail "the window is $HEIGHT pixels high: no room for the $CLIENT_H pixel client area and a menu bar"
MENU_H=$((HEIGHT - CLIENT_H))
grep -qF "client area ${CLIENT_W}x${CLIENT_H} under a $MENU_H pixel menu bar" "$WORK/window.txt" ||
    fail "the client area is not ${CLIENT_W}x${CLIENT_H} under the menu bar: $(head -n1 "$WORK/window.txt")"
ok "the window is ${WIDTH}x${HEIGHT}: a ${CLIENT_W}x${CLIENT_H} client area under a $MENU_H pixel menu bar"
for racer in Dorvit Marnox Rufta Bazzle; do
    grep -qxF "option \"$racer\": not selected" "$WORK/window.txt" ||
        fail "no unselected option button '$racer' at the start: $(cat "$WORK/window.txt")"
done
ok "the four option buttons Dorvit, Marnox, Rufta and Bazzle are there, none selected"

step "hovering Marnox"
pointer_to "${BARE_SPOT[@]}"
shot 01-start
red=$(count red "$LAST_SHOT" "${MARNOX_CAPTION[@]}")
cheer=$(count nonwhite "$LAST_SHOT" "${MARNOX_CHEER[@]}")
[ "$red" -eq 0 ] || fail "the Marnox caption has $red red pixels before any hover ($LAST_SHOT)"
[ "$cheer" -eq 0 ] || fail "the Marnox cheer shows ($cheer pixels) before any hover ($LAST_SHOT)"
ok "at the start the Marnox caption has no red and its cheer is hidden"

pointer_to "${MARNOX_SPOT[@]}"
caption_red() {
    shot 02-hover-marnox
    red=$(count red "$LAST_SHOT" "${MARNOX_CAPTION[@]}")
    [ "$red" -ge 20 ]
}
until_ok 10 caption_red || fail "the Marnox caption did not turn red under the pointer ($red red pixels, $LAST_SHOT)"
cheer=$(count nonwhite "$LAST_SHOT" "${MARNOX_CHEER[@]}")
[ "$cheer" -ge 20 ] || fail "the Marnox cheer did not show under the pointer ($cheer pixels, $LAST_SHOT)"
others=$(count red "$LAST_SHOT" "${DORVIT_CAPTION[@]}")
[ "$others" -eq 0 ] || fail "the Dorvit caption turned red too ($others pixels, $LAST_SHOT)"
window_says 'cheer "Marn, Marnox, Marn!!!": showing' ||
    fail "the screen reader does not see the cheer 'Marn, Marnox, Marn!!!'"
ok "hovering Marnox turns its caption red ($red red pixels) and shows its cheer ($cheer pixels)"

step "moving over the bare window"
pointer_to "${BARE_SPOT[@]}"
caption_black() {
    shot 03-bare-window
    red=$(count red "$LAST_SHOT" "${MARNOX_CAPTION[@]}")
    cheer=$(count nonwhite "$LAST_SHOT" "${MARNOX_CHEER[@]}")
    [ "$red" -eq 0 ] && [ "$cheer" -eq 0 ]
}
until_ok 10 caption_black ||
    fail "over the bare window the Marnox caption keeps $red red pixels or its cheer $cheer pixels ($LAST_SHOT)"
dark=$(count dark "$LAST_SHOT" "${MARNOX_CAPTION[@]}")
[ "$dark" -ge 20 ] || fail "the Marnox caption is not black again ($dark dark pixels, $LAST_SHOT)"
window_says 'cheer "Marn, Marnox, Marn!!!": hidden' ||
    fail "the screen reader still sees the cheer 'Marn, Marnox, Marn!!!'"
ok "over the bare window the caption is black again ($dark dark pixels, no red) and the cheer is hidden"

step "backing Marnox"
pointer_to "${MARNOX_SPOT[@]}"
xdotool click 1
pointer_to "${BARE_SPOT[@]}"
until_ok 10 window_says 'option "Marnox": selected' || fail "clicking Marnox did not select it"
shot 04-backed
ok "clicking Marnox backs it (its option button is selected)"

# open_menu NAME: Alt+R opens the Race menu; sets POPUP to its window
POPUP=""
open_menu() {
    timeout 5 xdotool windowfocus "$WIN" || fail "could not give the game's window the keyboard"
    local before
    before=$(visible_windows)
    xdotool key alt+r
    # shellcheck disable=SC2086 # one id a word
    until_ok 10 new_window $before || fail "Alt+R did not open the Race menu"
    POPUP=$NEW
    shot "$1"
}

# race N: Alt+R, G, then read and answer every box until none is left
race() {
    local n=$1 texts=() seen=() box text line status
    step "race $n: Alt+R, G"
    open_menu "$(printf '%02d' $((5 + 3 * (n - 1))))-race$n-menu"
    xdotool key g
    until_ok 10 new_window "$WIN" "$POPUP" || fail "race $n: Go showed no message box"
    box=$NEW
    line=$("${READ[@]}" box --timeout 10) || fail "race $n: the screen reader found no message box"
    while :; do
        seen+=("$box")
        title=$(xdotool getwindowname "$box")
        [ "$title" = "$BOX_TITLE" ] ||
            fail "race $n: the message box window is titled '$title', expected '$BOX_TITLE'"
        [ "${line%%: *}" = "$BOX_TITLE" ] ||
            fail "race $n: the screen reader reads the box title as '${line%%: *}'"
        text=${line#*: }
        printf '%s\n' "${ALLOWED_TEXTS[@]}" | grep -qxF "$text" ||
            fail "race $n: unexpected announcement '$text' (Marnox is backed)"
        texts+=("$text")
        shot "$(printf '%02d' $((6 + 3 * (n - 1))))-race$n-box-${#texts[@]}"
        ok "race $n: box ${#texts[@]} titled '$title' says '$text'"

        [ "$(xdotool getwindowfocus)" = "$box" ] || timeout 5 xdotool windowfocus "$box" || true
        xdotool key Return
        until_ok 10 window_gone "$box" || fail "race $n: Return did not close the box '$text'"
        status=0
        line=$("${READ[@]}" next --timeout 15) || status=$?
        case $status in
            0) # shellcheck disable=SC2086
               until_ok 10 new_window "$WIN" "$POPUP" "${seen[@]}" ||
                   fail "race $n: the screen reader reads a box that has no window: $line"
               box=$NEW ;;
            3) break ;;
            *) fail "race $n: after Return neither another box nor the end of the race showed" ;;
        esac
    done
    [ ${#texts[@]} -le 4 ] || fail "race $n: ${#texts[@]} boxes for four racers"
    if printf '%s\n' "${texts[@]}" | grep -qxF "The Zoomkin Race is a tie!"; then
        [ ${#texts[@]} -eq 1 ] || fail "race $n: a tie was announced with other boxes: ${texts[*]}"
    fi
    [ "$(printf '%s\n' "${texts[@]}" | sort | uniq -d)" = "" ] ||
        fail "race $n: an announcement came twice: ${texts[*]}"
    window_says "no message box" || fail "race $n: a message box is still open"
    [ "$(visible_windows)" = "$WIN" ] || fail "race $n: windows besides the main one still show"
    grep '^racer ' "$WORK/window.txt" | sed 's/^/   /'
    # Back at the start: every racer in the right half of the track again, not at the finish.
    local lefts
    lefts=$(sed -n 's/^racer [^:]*: picture at x \(-\?[0-9]*\),.*/\1/p' "$WORK/window.txt")
    [ "$(wc -w <<<"$lefts")" -eq 4 ] || fail "race $n: the screen reader sees $(wc -w <<<"$lefts") racers"
    for x in $lefts; do
        [ "$x" -ge $((CLIENT_W / 2)) ] || fail "race $n: a racer did not go back to the start (x $x)"
    done
    shot "$(printf '%02d' $((7 + 3 * (n - 1))))-race$n-after"
    ok "race $n: ${#texts[@]} box(es), each closed with Return; no box left, racers back at the start"
}

race 1
race 2

step "Alt+R, Q"
open_menu 11-quit-menu
xdotool key q
ends_within 2 "Quit"

step "closing the window"
start_game 2
shot 12-before-close
"${CLOSE[@]}" "$WIN" || fail "could not ask the window to close"
ends_within 5 "closing the window"

step "no display"
mkdir -p "$WORK/nodisplay"
# no_display NAME ENV...: run the game in a scratch folder with core dumps allowed
no_display() {
    local name=$1 status=0 lines
    shift
    (cd "$WORK/nodisplay" && { ulimit -c unlimited 2>/dev/null || true; } &&
        exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$GAME" \
            >"$WORK/$name.out" 2>"$WORK/$name.err" </dev/null) || status=$?
    lines=$(wc -l <"$WORK/$name.err")
    echo "   exit status $status, stderr: $(cat "$WORK/$name.err")"
    [ $status -ne 0 ] || fail "$name: the game exited with status 0"
    [ $status -lt 128 ] || fail "$name: the game died of signal $((status - 128))"
    [ $status -eq 2 ] || fail "$name: exit status $status, expected 2"
    if [ "$lines" -ne 1 ] || [ "$(wc -c <"$WORK/$name.err")" -le 1 ]; then
        fail "$name: expected exactly one line on stderr, got $lines: $(cat "$WORK/$name.err")"
    fi
    [ ! -s "$WORK/$name.out" ] || fail "$name: the game printed on stdout: $(cat "$WORK/$name.out")"
    [ -z "$(find "$WORK/nodisplay" -name 'core*' -print -quit)" ] || fail "$name: left a core file"
}
no_display no-display
ok "without DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM: one line on stderr, exit status 2, no core file"
unused=7000 # far above the numbers that X servers pick for themselves
while [ -e "/tmp/.X11-unix/X$unused" ] || [ -e "/tmp/.X$unused-lock" ]; do unused=$((unused + 1)); done
no_display bad-display DISPLAY=":$unused"
ok "with a display that cannot be opened (:$unused): one line on stderr, exit status 2, no core file"

if [ -n "$KEEP_SHOTS" ]; then
    echo "e2e_game: all $CHECKS checks passed; screenshots in $SHOTS"
else
    echo "e2e_game: all $CHECKS checks passed (give a SHOTS_DIR to keep the screenshots)"
fi
