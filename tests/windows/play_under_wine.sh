#!/usr/bin/env bash
# The Windows game from its zip, played under Wine in a private Xvfb as a player would: the
# pointer over an option, the Race menu's keys, Return on every box. What the game shows is read
# from screenshots, and each box's title and text from the box itself (Ctrl+C copies a Windows
# message box, which Wine hands to X11's clipboard). Where the controls are comes from the
# layout program of the native build.
#
# usage: play_under_wine.sh ZIP LAYOUT TOOLS_DIR SHOTS_DIR
# Needs: wine xvfb xdotool imagemagick xclip unzip (Debian packages), and WINEPREFIX.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 ZIP LAYOUT TOOLS_DIR SHOTS_DIR" >&2; exit 2; }
ZIP=$(readlink -f "$1") SHOTS=$4
fail() { echo "FAIL: $* (screenshots: $SHOTS)" >&2; [ -s "$WORK/game.log" ] && cat "$WORK/game.log" >&2; exit 1; }
# shellcheck source-path=SCRIPTDIR source=wine_check.sh
source "$(dirname "$0")/wine_check.sh" "$3" "$2"
BOX_TITLE="ZoomkinRace!" # the program's name, typed here as the check of its identity
mkdir -p "$SHOTS" && rm -f "$SHOTS"/*.png
# The zip's program alone, with nothing of the build's to find its DLLs in (and Wine keeps QT_
# settings away from it, but those named WINEQT_)
unset WINEPATH
unzip -q "$ZIP" -d "$WORK"
GAME_EXE=$(echo "$WORK"/*/"$APP_NAME.exe")
[ -f "$GAME_EXE" ] || fail "the zip holds no $APP_NAME.exe in its folder"
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$GAME_EXE" >"$WORK/game" && chmod +x "$WORK/game"

start_x_server "$WORK" 15 || fail "Xvfb did not start"
play() { # start the zip's game and wait for its window, found by its title
    start_game "$WORK/game" "$WORK/game.log" 120 "$WINDOW_TITLE" ||
        fail "the game's window '$WINDOW_TITLE' did not show (exit status $GAME_STATUS)"
    measure_window
    ok "the game's window shows, titled '$WINDOW_TITLE'"
}
ends_with_0() { # ends_with_0 WHAT
    local status=0
    until_ok 20 ended "$GAME_PID" || fail "the game still ran 20 s after $1"
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ $status -eq 0 ] || fail "the game ended with status $status after $1"
    ok "$1 ends the game with exit status 0"
}
# ink ROLE FILE: "X Y W H" of what is drawn (anything not the page's white) in a control's
# rectangle, as far as the client area shows it
ink() {
    local x y w h
    read -r x y w h <<<"${RECT[$1]}"
    w=$((x + w > CLIENT_W ? CLIENT_W - x : w))
    "$CONVERT" "$2" -crop "${w}x${h}+${x}+$((y + MENU_H))" +repage -fuzz 6% -trim \
        -format '%X %Y %w %h' info: | tr -d +
    echo " $w $h"
}
# unclipped ROLE FILE: its caption is drawn whole: ink there, ending short of the control's right
# edge, where a caption too wide for it would be cut off (above and below, the focus frame may
# reach the edges)
unclipped() {
    local ix iy iw ih w h
    read -r ix iy iw ih w h <<<"$(ink "$1" "$2")"
    [ "$iw" -gt 1 ] && [ $((ix + iw)) -lt "$w" ] ||
        fail "the caption of $1 is cut off or missing: ink ${iw}x${ih}+$ix+$iy in ${w}x$h ($2)"
}

# lit SHOT N and unlit SHOT N: a screenshot shows racer N's caption red and its cheer, or neither.
# The cheer is counted below its top row, where the option's focus frame may reach.
hover_state() {
    local x y w h
    shot "$1"
    RED=$(count_in red "$LAST_SHOT" "option $2")
    read -r x y w h <<<"${RECT[cheer $2]}"
    CHEER=$(count nonwhite "$LAST_SHOT" "$x" $((y + 1)) "$w" $((h - 1)))
}
lit() { hover_state "$@" && [ "$RED" -ge 20 ] && [ "$CHEER" -ge 20 ]; }
unlit() { hover_state "$@" && [ "$RED" -eq 0 ] && [ "$CHEER" -eq 0 ]; }

play
pointer_off
# Wine maps the window before its first paint: wait for the prompt's ink
painted() { shot 01-start && read -r _ _ iw _ <<<"$(ink prompt "$LAST_SHOT" 2>/dev/null)" && [ "$iw" -gt 1 ]; }
until_ok 10 painted || true
unclipped prompt "$LAST_SHOT"
for n in "${!RACERS[@]}"; do
    n=$((n + 1))
    unclipped "option $n" "$LAST_SHOT"
    pointer_onto "option $n"
    until_ok 10 lit "02-hover-$n" "$n" || fail "${RACERS[n - 1]} did not light up ($LAST_SHOT)"
    unclipped "cheer $n" "$LAST_SHOT"
    ok "pointed at, ${RACERS[n - 1]} is red ($RED pixels), its cheer shows ($CHEER pixels); nothing cut off"
    pointer_off
    until_ok 10 unlit "03-bare-$n" "$n" || fail "the bare window left ${RACERS[n - 1]} lit ($LAST_SHOT)"
done
ok "over the bare window every caption is back and every cheer hidden"
START_SHOT=$SHOTS/01-start.png

# alike FILE X Y FILE2 X2 Y2 W H: a W x H piece of the client area at X Y in FILE is drawn exactly
# as the one at X2 Y2 in FILE2
alike() {
    local difference
    difference=$("$CONVERT" "$1" -crop "$7x$8+$2+$(($3 + MENU_H))" +repage \
        \( "$4" -crop "$7x$8+$5+$(($6 + MENU_H))" +repage \) \
        -compose difference -composite -format '%[fx:maxima.r+maxima.g+maxima.b]' info:) &&
        [ -n "$difference" ] || fail "could not compare pieces of $1 and $4"
    [ "$difference" = 0 ]
}
# indicators_alike FILE N M: options N's and M's round indicators (their first 12 pixels, left of
# the caption) are drawn alike: both unchecked, or both checked
indicators_alike() {
    local xn yn xm ym h _
    read -r xn yn _ h <<<"${RECT[option $2]}" && read -r xm ym _ _ <<<"${RECT[option $3]}"
    alike "$1" "$xn" "$yn" "$1" "$xm" "$ym" 12 "$h"
}
BACKED=2 # the racer the player backs, by roster position; 1, 3 and 4 are not backed
BACKED_NAME=${RACERS[BACKED - 1]}
indicators_alike "$START_SHOT" $BACKED 1 || fail "at the start $BACKED_NAME's option is not drawn as the others' ($START_SHOT)"
pointer_onto "option $BACKED" && xdotool click 1 && pointer_off
backed_drawn() {
    shot 04-backed && ! indicators_alike "$LAST_SHOT" $BACKED 1 &&
        indicators_alike "$LAST_SHOT" 1 3 && indicators_alike "$LAST_SHOT" 1 4
}
until_ok 10 backed_drawn || fail "clicking $BACKED_NAME's option did not draw it checked, and it alone ($LAST_SHOT)"
ok "clicking $BACKED_NAME's option draws it checked, and no other"
# press_return BOX: Return on a box, which then goes. (Wine 10 closes it on the key's press, so the
# release may find no window to go to: the box's going is what tells.)
press_return() {
    xdotool key --window "$1" Return 2>/dev/null || true
    until_ok 10 window_gone "$1"
}
# box_text: the open box's text, copied as Windows copies a message box: title and text between
# rules of dashes
box_text() {
    xclip -selection clipboard -i </dev/null
    xdotool key --window "$BOX" ctrl+c
    until_ok 5 sh -c 'xclip -selection clipboard -o 2>/dev/null | grep -q .' || return 1
    xclip -selection clipboard -o | tr -d '\r' | awk '/^-+$/ { n++; next } n == 1 || n == 2 { print }'
}
# What each racer's finish announces, in roster order: the backed racer's is "you"
SAYS=("${WIN_MESSAGES[@]}") && SAYS[BACKED - 1]=${ANNOUNCE[you]}
# next_finisher TEXT: moves FINISHER on to the later racer whose finish TEXT announces; fails when
# none does (a race announces its finishers in roster order, one box each)
next_finisher() { while ((++FINISHER < ${#SAYS[@]})); do [ "$1" != "${SAYS[FINISHER]}" ] || return 0; done; return 1; }
for race in 1 2; do
    open_race_menu || fail "$PROBLEM"
    xdotool key "${MENU_KEYS[1]}"
    boxes=0 seen=("$WIN" "$POPUP") FINISHER=-1
    while until_ok 5 new_window "${seen[@]}"; do
        BOX=$NEW seen+=("$NEW") boxes=$((boxes + 1))
        shot "1$race-race$race-box$boxes"
        [ "$(xdotool getwindowname "$BOX")" = "$BOX_TITLE" ] || fail "box $boxes is not titled $BOX_TITLE"
        mapfile -t copied < <(box_text) || fail "the box's text could not be copied"
        [ "${copied[0]:-}" = "$BOX_TITLE" ] || fail "the box copies its title as '${copied[0]:-}'"
        # the tie alone (no finisher after it), or the next finisher's announcement
        if [ $boxes -eq 1 ] && [ "${copied[1]:-}" = "${ANNOUNCE[tie]}" ]; then
            FINISHER=${#SAYS[@]}
        elif ! next_finisher "${copied[1]:-}"; then
            fail "race $race, box $boxes says '${copied[1]:-}', no finisher's announcement after the last ($BACKED_NAME backed)"
        fi
        ok "race $race: box $boxes, titled '$BOX_TITLE', says '${copied[1]}'"
        press_return "$BOX" || fail "Return did not close box $boxes"
    done
    [ $boxes -ge 1 ] && [ $boxes -lt ${#RACERS[@]} ] || fail "race $race showed $boxes boxes"
    shot "1$race-race$race-after"
    for n in "${!RACERS[@]}"; do # each picture drawn exactly as at the start, moved to START_X
        read -r x y w h <<<"${RECT[picture $((n + 1))]}"
        alike "$START_SHOT" "$x" "$y" "$LAST_SHOT" "$START_X" "$y" "$w" "$h" ||
            fail "after race $race ${RACERS[n]}'s picture is not at x $START_X ($LAST_SHOT)"
    done
    ok "after race $race's last box every racer is back at x $START_X (5200 twips)"
done

open_race_menu || fail "$PROBLEM"
xdotool key "${MENU_KEYS[2]}"
ends_with_0 "Race > Quit"
play
"$PY" "$TOOLS/lib/close_window.py" "$WIN" || fail "could not ask the window to close"
ends_with_0 "closing the window"

# A game that cannot start says why in a box, since nobody sees its standard error. When it is
# Qt that cannot start, Qt says so in a box of its own first; then comes the game's. (Windows' own
# message boxes do not copy their text under Wine: what they say is in their screenshots.)
start_game "$WORK/game" "$WORK/game.log" 60 "$BOX_TITLE" WINEQT_QPA_PLATFORM=nowhere ||
    fail "a game that cannot start showed no box titled $BOX_TITLE"
boxes=0
while running "$GAME_PID" && [ $boxes -lt 3 ] && until_ok 10 main_window "$BOX_TITLE"; do
    BOX=$WIN boxes=$((boxes + 1)) && shot "20-cannot-start-$boxes"
    press_return "$BOX" || fail "Return did not close box $boxes"
done
status=0 && wait "$GAME_PID" || status=$?
GAME_PID=""
[ $boxes -eq 2 ] || fail "a game that cannot start showed $boxes boxes titled $BOX_TITLE, not Qt's and its own"
[ $status -eq 2 ] || fail "a game that cannot start ended with status $status, not 2"
ok "a game that cannot start says so in a box after Qt's, and ends with status 2"
echo "play_under_wine: all $CHECKS checks passed; screenshots in $SHOTS"
