#!/usr/bin/env bash
# End-to-end test of the built game: a private X server (Xvfb) and a private D-Bus session with
# the accessibility bus, the real program, and xdotool playing it as a player would. Message box
# texts are read through AT-SPI (tools/read_boxes.py), the way a screen reader reads them;
# colours are read from screenshots. (The game without a display is tst_no_display's; the window
# at QT_SCALE_FACTOR=2 in a real X server is x11_form2_scaling's.)
# The X server, the buses and the game are started, and the game is played and looked at,
# through tools/lib/x_session.sh and tools/lib/drive_game.sh; where the controls are comes from
# the layout program.
#
# usage: e2e_game.sh GAME LAYOUT TOOLS_DIR [SHOTS_DIR]
#   GAME       the built program (build/app/ZoomkinRace!)
#   LAYOUT     the built layout program (build/tools/layout/zoomkin-layout)
#   TOOLS_DIR  the source tree's tools/ folder (read_boxes.py, lib/)
#   SHOTS_DIR  where the screenshots of every check go (default: a folder that is removed)
#
# Needs: the Debian packages of DEMO_PACKAGES in tools/lib/setup.sh, and python3-xlib.
set -euo pipefail

if [ $# -lt 3 ] || [ $# -gt 4 ]; then
    echo "usage: $0 GAME LAYOUT TOOLS_DIR [SHOTS_DIR]" >&2
    exit 2
fi
GAME=$(readlink -f "$1")
TOOLS=$(readlink -f "$3")
# shellcheck source-path=SCRIPTDIR source=../../tools/lib/x_session.sh
source "$TOOLS/lib/x_session.sh"
# shellcheck source-path=SCRIPTDIR source=../../tools/lib/drive_game.sh
source "$TOOLS/lib/drive_game.sh"
CLOSE=("$PY" "$TOOLS/lib/close_window.py")
load_layout "$2" || { echo "FAIL: $PROBLEM" >&2; exit 1; }

BACKED=2 OTHER=1 # the racer the player backs, and one more, by roster position
LAST=${#RACERS[@]} # the right-most racer, whose option the window's right edge cuts
BACKED_NAME=${RACERS[BACKED - 1]}
BACKED_CHEER=${CAPTION[cheer $BACKED]}
# The announcements a race can make while the player backs BACKED_NAME, who is "You".
ALLOWED_TEXTS=("${ANNOUNCE[you]}" "${ANNOUNCE[tie]}")
for racer in "${!RACERS[@]}"; do
    [ "$racer" -eq $((BACKED - 1)) ] || ALLOWED_TEXTS+=("${WIN_MESSAGES[racer]}")
done
BOX_TITLE="ZoomkinRace!" # the program's name, typed here as the check of its identity

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
[ "$APP_NAME" = "$BOX_TITLE" ] || fail "the layout names the program '$APP_NAME', not '$BOX_TITLE'"
need_drive_tools
[ ${#MISSING[@]} -eq 0 ] || fail "missing ${MISSING[*]}: install ${DEMO_PACKAGES[*]}"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/zoomkin-e2e.XXXXXX")
KEEP_SHOTS=${4:-}
SHOTS=${KEEP_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
rm -f "$SHOTS"/*.png
chmod 700 "$WORK"

cleanup() {
    local status=$?
    set +e
    stop_session
    rm -rf "$WORK/runtime"
    # a failed run keeps its logs (and its shots) for a look
    if [ $status -eq 0 ]; then rm -rf "$WORK"; else echo "kept for a look: $WORK" >&2; fi
    exit $status
}
on_exit cleanup

# --- private X server and D-Bus session with the accessibility bus; the game -------------
session() { # session DIR SCREEN
    step "starting a private X server, D-Bus session and accessibility bus"
    private_session "$1" "$2" || fail "$PROBLEM"
    echo "   display $DISPLAY"
}
session "$WORK" 1024x768x24
play() { open_game "$GAME" "$WORK/game-$1.log" "${@:2}" || fail "$PROBLEM"; } # play NAME [ENV...]
# ends_within SECONDS WHAT: the game ends by itself within SECONDS, with exit status 0
ends_within() {
    local status=0
    until_ok "$1" ended "$GAME_PID" || fail "the game was still running $1 s after $2"
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ $status -eq 0 ] || fail "the game ended with exit status $status after $2 (expected 0)"
    ok "$2 ends the game with exit status 0 (within $1 s)"
}

racer_lefts() { # the x of every racer's picture in the screen reader's last view, one a line
    sed -n 's/^racer [^:]*: picture at x \(-\?[0-9]*\),.*/\1/p' "$WORK/window.txt"
}

# --- checks ----------------------------------------------------------------------------
step "starting the game"
play 1
echo "   window $WIN, process $GAME_PID"

step "title and size"
title=$(xdotool getwindowname "$WIN")
[ "$title" = "$WINDOW_TITLE" ] || fail "the window's title is '$title', expected '$WINDOW_TITLE'"
ok "the window's title is exactly '$WINDOW_TITLE'"
[ "$WIDTH" -eq "$CLIENT_W" ] || fail "the window is $WIDTH pixels wide, expected $CLIENT_W"
[ "$HEIGHT" -gt "$CLIENT_H" ] ||
    fail "the window is $HEIGHT pixels high: no room for the $CLIENT_H pixel client area and a menu bar"
grep -qF "client area ${CLIENT_W}x${CLIENT_H} under a $MENU_H pixel menu bar" "$WORK/window.txt" ||
    fail "the client area is not ${CLIENT_W}x${CLIENT_H} under the menu bar: $(head -n1 "$WORK/window.txt")"
ok "the window is ${WIDTH}x${HEIGHT}: a ${CLIENT_W}x${CLIENT_H} client area under a $MENU_H pixel menu bar"
for racer in "${RACERS[@]}"; do
    grep -qxF "option \"$racer\": not selected" "$WORK/window.txt" ||
        fail "no unselected option button '$racer' at the start: $(cat "$WORK/window.txt")"
done
ok "the option buttons ${RACERS[*]} are there, none selected"

step "hovering $BACKED_NAME"
pointer_off
hover_counts 01-start $BACKED
[ "$RED" -eq 0 ] || fail "the $BACKED_NAME caption has $RED red pixels before any hover ($LAST_SHOT)"
[ "$CHEER" -eq 0 ] || fail "the $BACKED_NAME cheer shows ($CHEER pixels) before any hover ($LAST_SHOT)"
ok "at the start the $BACKED_NAME caption has no red and its cheer is hidden"

pointer_onto "option $BACKED"
until_ok 10 hover_lit 02-hover $BACKED ||
    fail "the $BACKED_NAME caption did not turn red under the pointer ($RED red pixels, $LAST_SHOT)"
[ "$CHEER" -ge 20 ] || fail "the $BACKED_NAME cheer did not show under the pointer ($CHEER pixels, $LAST_SHOT)"
others=$(count_in red "$LAST_SHOT" "option $OTHER")
[ "$others" -eq 0 ] || fail "the ${RACERS[OTHER - 1]} caption turned red too ($others pixels, $LAST_SHOT)"
window_says "cheer \"$BACKED_CHEER\": showing" ||
    fail "the screen reader does not see the cheer '$BACKED_CHEER'"
ok "hovering $BACKED_NAME turns its caption red ($RED red pixels) and shows its cheer ($CHEER pixels)"

step "moving over the bare window"
pointer_off
until_ok 10 hover_gone 03-bare-window $BACKED ||
    fail "over the bare window the $BACKED_NAME caption keeps $RED red pixels or its cheer $CHEER pixels ($LAST_SHOT)"
dark=$(count_in dark "$LAST_SHOT" "option $BACKED")
[ "$dark" -ge 20 ] || fail "the $BACKED_NAME caption is not black again ($dark dark pixels, $LAST_SHOT)"
window_says "cheer \"$BACKED_CHEER\": hidden" ||
    fail "the screen reader still sees the cheer '$BACKED_CHEER'"
ok "over the bare window the caption is black again ($dark dark pixels, no red) and the cheer is hidden"

back() { # back SHOT: click the option button of BACKED_NAME, as a player backs it
    pointer_onto "option $BACKED"
    xdotool click 1
    pointer_off
    until_ok 10 window_says "option \"$BACKED_NAME\": selected" ||
        fail "clicking $BACKED_NAME did not select it"
    shot "$1"
    ok "clicking $BACKED_NAME backs it (its option button is selected)"
}
step "backing $BACKED_NAME"
back 04-backed

open_menu() { # open_menu SHOT: the Race menu opened, and a screenshot of it
    open_race_menu || fail "$PROBLEM"
    shot "$1"
}

# race N FIRST [AT_FIRST_BOX]: Race > Go from the keyboard, then read and answer every box until none is left. The
# screenshots are numbered from FIRST on. AT_FIRST_BOX, a command, runs while the first box shows
# (before its Return), given the box's window and a name for its screenshot.
race() {
    local n=$1 first=$2 at_first_box=${3:-} texts=()
    step "race $n: Race > Go"
    open_menu "$(printf '%02d' "$first")-race$n-menu"
    xdotool key "${MENU_KEYS[1]}"
    answer_boxes check_box || fail "race $n: $PROBLEM"
    [ ${#texts[@]} -le ${#RACERS[@]} ] || fail "race $n: ${#texts[@]} boxes for ${#RACERS[@]} racers"
    if printf '%s\n' "${texts[@]}" | grep -qxF "${ANNOUNCE[tie]}"; then
        [ ${#texts[@]} -eq 1 ] || fail "race $n: a tie was announced with other boxes: ${texts[*]}"
    fi
    [ "$(printf '%s\n' "${texts[@]}" | sort | uniq -d)" = "" ] ||
        fail "race $n: an announcement came twice: ${texts[*]}"
    window_says "no message box" || fail "race $n: a message box is still open"
    [ "$(visible_windows)" = "$WIN" ] || fail "race $n: windows besides the main one still show"
    grep '^racer ' "$WORK/window.txt" | sed 's/^/   /'
    # Back at the start: every racer in the right half of the track again, not at the finish.
    local lefts
    lefts=$(racer_lefts)
    [ "$(wc -w <<<"$lefts")" -eq ${#RACERS[@]} ] || fail "race $n: the screen reader sees $(wc -w <<<"$lefts") racers"
    for x in $lefts; do
        [ "$x" -ge $((CLIENT_W / 2)) ] || fail "race $n: a racer did not go back to the start (x $x)"
    done
    shot "$(printf '%02d' $((first + 2)))-race$n-after"
    ok "race $n: ${#texts[@]} box(es), each closed with Return; no box left, racers back at the start"
}

# check_box: (for answer_boxes, inside race) the box is titled right and says what a race can say
check_box() {
    local title text
    title=$(xdotool getwindowname "$BOX")
    [ "$title" = "$BOX_TITLE" ] ||
        fail "race $n: the message box window is titled '$title', expected '$BOX_TITLE'"
    [ "${LINE%%: *}" = "$BOX_TITLE" ] ||
        fail "race $n: the screen reader reads the box title as '${LINE%%: *}'"
    text=${LINE#*: }
    printf '%s\n' "${ALLOWED_TEXTS[@]}" | grep -qxF "$text" ||
        fail "race $n: unexpected announcement '$text' ($BACKED_NAME is backed)"
    texts+=("$text")
    shot "$(printf '%02d' $((first + 1)))-race$n-box-$BOXES"
    ok "race $n: box $BOXES titled '$title' says '$text'"
    if [ "$BOXES" -eq 1 ] && [ -n "$at_first_box" ]; then
        "$at_first_box" "$BOX" "$(printf '%02d' $((first + 1)))-race$n-box-1-after-close"
    fi
}

race 1 5
race 2 8

step "Race > Quit"
open_menu 11-quit-menu
xdotool key "${MENU_KEYS[2]}"
ends_within 2 "Quit"

step "closing the window"
play 2
shot 12-before-close
"${CLOSE[@]}" "$WIN" || fail "could not ask the window to close"
ends_within 5 "closing the window"

step "closing the window while a race's message box shows"
# refuse_close BOX SHOT: the frame's close while BOX shows is refused: the box stays and the
# game runs on
close_taken() { ended "$GAME_PID" || window_gone "$WIN" || window_gone "$1"; }
refuse_close() {
    local box=$1 before after
    before=$(read_game boxes) || fail "the screen reader cannot read the boxes"
    "${CLOSE[@]}" "$WIN" || fail "could not ask the window to close"
    # A refused close shows nothing to wait for: give an accepted one ample time to show instead.
    # (Bounded, and it can only ever let a fault pass, never fail a good game. The Returns that
    # follow reach the game after the close message, so the main window still showing at the end
    # of the race is the check that cannot be early.)
    if until_ok 3 close_taken "$box"; then
        ended "$GAME_PID" && fail "the game ended when its window was closed during a race's box"
        window_gone "$box" && fail "the message box went away when the window was closed"
        fail "the main window went away while a race's box showed"
    fi
    after=$(read_game boxes) || fail "the screen reader cannot read the boxes after the close"
    [ "$after" = "$before" ] ||
        fail "the boxes changed when the window was asked to close: '$before' then '$after'"
    shot "$2"
    ok "closing the window while the box '${after#*: }' shows is refused: the box stays, the game runs"
}
play 3
back 13-backed
race 3 14 refuse_close
running "$GAME_PID" || fail "the game ended during race 3"
for x in $(racer_lefts); do
    [ "$x" -eq "$START_X" ] || fail "after race 3 a racer's picture is at x $x, expected $START_X"
done
ok "after the last box the game still runs, its window shows and every racer is back at x $START_X"
"${CLOSE[@]}" "$WIN" || fail "could not ask the window to close"
ends_within 5 "closing the window after the race"

if [ -n "$KEEP_SHOTS" ]; then
    echo "e2e_game: all $CHECKS checks passed; screenshots in $SHOTS"
else
    echo "e2e_game: all $CHECKS checks passed (give a SHOTS_DIR to keep the screenshots)"
fi
