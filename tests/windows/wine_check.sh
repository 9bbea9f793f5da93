# shellcheck shell=bash
# Sourced by the checks that play the Windows game under Wine, once they have defined fail:
# tools/lib's private X session and game driving, the window's layout as the layout program
# prints it, numbered checks (ok), and a scratch folder WORK that goes, with the X server and
# Wine's programs, however the check ends.
#
# usage: source wine_check.sh TOOLS_DIR LAYOUT
TOOLS=$(readlink -f "$1")
# shellcheck source-path=SCRIPTDIR source=../../tools/lib/x_session.sh
source "$TOOLS/lib/x_session.sh"
# shellcheck source-path=SCRIPTDIR source=../../tools/lib/drive_game.sh
source "$TOOLS/lib/drive_game.sh"
CHECKS=0
ok() { CHECKS=$((CHECKS + 1)) && echo "ok $CHECKS: $*"; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/zoomkin-wine.XXXXXX")
cleanup() {
    local status=$?
    set +e
    stop_session
    wineserver -k 2>/dev/null
    rm -rf "$WORK"
    exit $status
}
on_exit cleanup
load_layout "$2" || fail "$PROBLEM"
