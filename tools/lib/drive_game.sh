# shellcheck shell=bash
# shellcheck disable=SC2034 # the globals below are read by the scripts that source this one
#
# Sourced after x_session.sh by what plays the game in a private X server (the end-to-end test,
# the Wine checks, the demo, the screenshots). It reads the window's layout from zoomkin-layout (no name, caption or
# place of a control is typed here) and does what a player and an onlooker do: point, open the
# Race menu, answer message boxes, take screenshots and count pixels in them, and ask the screen
# reader (tools/read_boxes.py) what it sees. Functions fail by their exit status, PROBLEM saying
# why. The caller sets WORK (scratch; the screen reader's last view is WORK/window.txt) and SHOTS
# (for screenshots); open_game measures the window (measure_window).

DRIVE_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PY=/usr/bin/python3 # Debian's python: it has pyatspi
# shellcheck source-path=SCRIPTDIR source=setup.sh
source "$DRIVE_LIB/setup.sh" # DEMO_PACKAGES
PROBLEM=""
MENU_H=0
POPUP=""     # the Race menu's window, once open_race_menu opened it
LAST_SHOT="" # the last screenshot's file

# --- the layout -------------------------------------------------------------------------
declare -A RECT=()     # "X Y W H" in client pixels, by role: prompt, "option N", "cheer N", "picture N"
declare -A CAPTION=()  # captions by the same roles
declare -A ANNOUNCE=() # "you" and "tie"
RACERS=() WIN_MESSAGES=() MENU_KEYS=() BARE_SPOT=()
WINDOW_TITLE="" APP_NAME="" CLIENT_W=0 CLIENT_H=0 START_X=0

# load_layout PROGRAM: read the window's layout as the program zoomkin-layout prints it. Racer N
# (roster order, from 1) is RACERS[N-1]; MENU_KEYS are the menus' access keys, the Race menu's
# first, then Go and Quit.
load_layout() {
    local layout kind a b c d e f g
    layout=$("$1") || { PROBLEM="$1 printed no layout"; return 1; }
    while IFS=$'\t' read -r kind a b c d e f g; do
        case $kind in
        title) WINDOW_TITLE=$a ;;
        app) APP_NAME=$a ;;
        client) CLIENT_W=$a CLIENT_H=$b ;;
        bare) BARE_SPOT=("$a" "$b") ;;
        start) START_X=$a ;;
        control) RECT[$a]="$c $d $e $f" CAPTION[$a]=$g ;;
        racer) RACERS+=("$b") WIN_MESSAGES+=("$c") ;;
        announce) ANNOUNCE[$a]=$b ;;
        menu) MENU_KEYS+=("$c") ;;
        esac
    done <<<"$layout"
    if [ ${#RACERS[@]} -eq 0 ] || [ ${#MENU_KEYS[@]} -ne 3 ] || [ ${#BARE_SPOT[@]} -ne 2 ]; then
        PROBLEM="$1 printed an incomplete layout"
        return 1
    fi
}

# --- the session and the game ------------------------------------------------------------
# need_drive_tools: note in MISSING what playing the game here needs and is not installed: the
# accessibility bus's D-Bus service and pyatspi among it, for read_boxes.py
need_drive_tools() {
    need Xvfb xdotool import convert dbus-daemon dbus-send
    [ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || MISSING+=(at-spi-bus-launcher)
    "$PY" -c 'import pyatspi' 2>/dev/null || MISSING+=("pyatspi for $PY")
}

# private_session DIR [SCREEN]: Xvfb, a runtime folder, a D-Bus session and the accessibility bus
private_session() {
    start_x_server "$1" 15 "${2:-}" ||
        { PROBLEM="Xvfb did not start: $(tail -n3 "$1/xvfb.log")"; return 1; }
    private_runtime_dir "$1"
    start_session_bus "$1" 15 || { PROBLEM="the D-Bus session did not start"; return 1; }
    start_a11y_bus 15 || { PROBLEM="the accessibility bus did not start"; return 1; }
}

# die MESSAGE: end the demo or the screenshots, saying why
die() {
    echo "${0##*/}: $*" >&2
    exit 1
}

# play_in_private NAME BUILD_DIR: the first steps of the demo and the screenshots. The game built
# in BUILD_DIR (GAME) and its layout (loaded), what playing it needs, a private scratch folder
# (WORK, removed at exit, the game's output shown if the script failed) and a private session in
# it. A problem ends the script (die).
play_in_private() {
    local build_dir program
    build_dir=$(readlink -f "$2")
    GAME="$build_dir/app/ZoomkinRace!"
    for program in "$GAME" "$build_dir/tools/layout/zoomkin-layout"; do
        [ -x "$program" ] || die "no '$program': build the game first (cmake --build '$build_dir')"
    done
    load_layout "$build_dir/tools/layout/zoomkin-layout" || die "$PROBLEM"
    need_drive_tools
    [ ${#MISSING[@]} -eq 0 ] || die "missing ${MISSING[*]}; install the Debian packages ${DEMO_PACKAGES[*]}"
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/zoomkin-$1.XXXXXX")
    on_exit end_play
    private_session "$WORK" || die "$PROBLEM"
}
end_play() {
    local status=$?
    set +e
    stop_session
    [ $status -eq 0 ] || [ ! -s "$WORK/game.log" ] || { echo "the game said:" >&2; cat "$WORK/game.log" >&2; }
    rm -rf "$WORK"
    exit $status
}

# read_game ARGS...: tools/read_boxes.py on the game (see there)
read_game() { "$PY" "$DRIVE_LIB/../read_boxes.py" --app "$APP_NAME" "$@"; }

# open_game PROGRAM LOG [ENV...]: start the game, wait for its window (WIN) and for the screen
# reader to see it (WORK/window.txt), and measure the window
open_game() {
    local program=$1 log=$2
    shift 2
    start_game "$program" "$log" 20 "$WINDOW_TITLE" "$@" || case $? in
        1) PROBLEM="the game's window did not show within 20 s"; return 1 ;;
        *) PROBLEM="the game ended with exit status $GAME_STATUS before its window showed"; return 1 ;;
    esac
    read_game window --timeout 20 >"$WORK/window.txt" ||
        { PROBLEM="the game did not show up on the accessibility bus"; return 1; }
    measure_window
}

# measure_window: the game's window's WIDTH and HEIGHT, and MENU_H, its menu bar's height
measure_window() {
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    MENU_H=$((HEIGHT - CLIENT_H))
}

# window_says TEXT: the screen reader's view of the window (read afresh) has this line
window_says() {
    read_game window --timeout 5 >"$WORK/window.txt" 2>/dev/null &&
        grep -qxF "$1" "$WORK/window.txt"
}

# --- the player's moves -------------------------------------------------------------------
pointer_to() { # pointer_to X Y (client area)
    xdotool mousemove --window "$WIN" "$1" $(($2 + MENU_H))
}
pointer_onto() { # pointer_onto ROLE: over the middle of a control
    local x y w h
    read -r x y w h <<<"${RECT[$1]}"
    pointer_to $((x + w / 2)) $((y + h / 2))
}
pointer_off() { pointer_to "${BARE_SPOT[@]}"; } # over the bare window

# open_race_menu: Alt and the Race menu's key open the menu; POPUP is its window
open_race_menu() {
    timeout 5 xdotool windowfocus "$WIN" ||
        { PROBLEM="could not give the game's window the keyboard"; return 1; }
    local before
    before=$(visible_windows)
    xdotool key "alt+${MENU_KEYS[0]}"
    # shellcheck disable=SC2086 # one id a word
    until_ok 10 new_window $before || { PROBLEM="Alt+${MENU_KEYS[0]} did not open the Race menu"; return 1; }
    POPUP=$NEW
}

# answer_boxes ON_BOX: once Go is chosen, for every message box in turn: wait for its window (BOX)
# and for the screen reader to read it (LINE, "title: text"), run ON_BOX (BOXES counts the boxes
# so far), press Return and wait for the box to go; until the screen reader sees the race over.
answer_boxes() {
    local on_box=$1 seen=() status
    BOXES=0
    until_ok 10 new_window "$WIN" "$POPUP" || { PROBLEM="Go showed no message box"; return 1; }
    BOX=$NEW
    LINE=$(read_game box --timeout 10) || { PROBLEM="the screen reader found no message box"; return 1; }
    while :; do
        seen+=("$BOX")
        BOXES=$((BOXES + 1))
        "$on_box" || return 1
        [ "$(xdotool getwindowfocus)" = "$BOX" ] || timeout 5 xdotool windowfocus "$BOX" || true
        xdotool key Return
        until_ok 10 window_gone "$BOX" || { PROBLEM="Return did not close the box '${LINE#*: }'"; return 1; }
        status=0
        LINE=$(read_game next --timeout 15) || status=$?
        case $status in
        0) until_ok 10 new_window "$WIN" "$POPUP" "${seen[@]}" ||
               { PROBLEM="the screen reader reads a box that has no window: $LINE"; return 1; }
           BOX=$NEW ;;
        3) return 0 ;;
        *) PROBLEM="after Return neither another box nor the end of the race showed"; return 1 ;;
        esac
    done
}

# --- screenshots and pixels ----------------------------------------------------------------
# shot NAME: the game's window as the screen shows it (boxes and menus included), SHOTS/NAME.png
shot() {
    LAST_SHOT="$SHOTS/$1.png"
    window_shot "$WIN" "$LAST_SHOT"
}

# count KIND FILE X Y W H: how many pixels of a client-area region are red, dark or not white
count() {
    local kind=$1 file=$2 x=$3 y=$(($4 + MENU_H)) w=$5 h=$6
    "$CONVERT" "$file" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- |
        awk -F'[(),]' -v kind="$kind" '
            NR > 1 {
                r = $3; g = $4; b = $5
                if (kind == "red") n += r >= 200 && g <= 80 && b <= 80
                if (kind == "dark") n += r < 110 && g < 110 && b < 110
                if (kind == "nonwhite") n += r < 240 || g < 240 || b < 240
            }
            END { print n + 0 }'
}
count_in() { # count_in KIND FILE ROLE: the same in a control's rectangle
    # shellcheck disable=SC2086 # X Y W H
    count "$1" "$2" ${RECT[$3]}
}

# hover_lit SHOT N: a screenshot (SHOT) shows racer N's caption red (20 red pixels or more); RED
# and CHEER count the red pixels in its option and the inked ones where its cheer shows
hover_lit() {
    hover_counts "$1" "$2"
    [ "$RED" -ge 20 ]
}
# hover_gone SHOT N: a screenshot shows racer N's caption without red and its cheer hidden
hover_gone() {
    hover_counts "$1" "$2"
    [ "$RED" -eq 0 ] && [ "$CHEER" -eq 0 ]
}
hover_counts() {
    shot "$1"
    RED=$(count_in red "$LAST_SHOT" "option $2")
    CHEER=$(count_in nonwhite "$LAST_SHOT" "cheer $2")
}
