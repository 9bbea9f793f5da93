#!/usr/bin/env bash
# Validates an installed desktop entry or AppStream metadata file with the freedesktop tools.
# Any error, warning or hint desktop-file-validate reports fails the check; of appstreamcli's
# errors, warnings and infos, only the few named below pass.
#
# usage: validate.sh desktop FILE     (desktop-file-validate, from desktop-file-utils)
#        validate.sh metainfo FILE    (appstreamcli validate --no-net, from appstream)
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ $# -eq 2 ] || { echo "usage: $0 desktop|metainfo FILE" >&2; exit 2; }
kind=$1 file=$2
[ -f "$file" ] || fail "no file $file"

status=0
case $kind in
desktop)
    command -v desktop-file-validate >/dev/null ||
        fail "desktop-file-validate is missing: install the desktop-file-utils package"
    # It prints nothing for a valid entry, and one line for every error, warning or hint.
    output=$(desktop-file-validate "$file" 2>&1) || status=$?
    [ -z "$output" ] || echo "$output"
    [ $status -eq 0 ] || fail "desktop-file-validate exited with status $status"
    [ -z "$output" ] || fail "desktop-file-validate reported problems in $file"
    ;;
metainfo)
    command -v appstreamcli >/dev/null ||
        fail "appstreamcli is missing: install the appstream package"
    # What the metadata knowingly costs, as "severity tag [detail]". The game has no homepage
    # yet, and an address made up would be worse than none: 1.x warns. Both forms of the
    # developer are kept, since software centres on AppStream 0.x read only <developer_name>:
    # 0.x calls <developer> unknown, 1.x calls <developer_name> deprecated. (Pedantic hints
    # are not shown: one frowns on the capitals in the reverse-DNS id.)
    accepted=("W url-homepage-missing")
    version=$(appstreamcli --version | sed -n 's/^AppStream version: //p')
    case $version in
    0.*) accepted+=("I unknown-tag developer") ;;
    *) accepted+=("I developer-name-tag-deprecated") ;;
    esac
    output=$(appstreamcli validate --no-net --explain "$file" 2>&1) || status=$?
    echo "$output"
    # 0 is a pass, 3 a failed validation, which the issues below must account for.
    [ $status -eq 0 ] || [ $status -eq 3 ] ||
        fail "appstreamcli validate exited with status $status"
    issues=$(sed -En 's/^([EWI]): [^ ]*: (.*)$/\1 \2/p' <<<"$output")
    while IFS= read -r issue; do
        [ -n "$issue" ] || continue
        printf '%s\n' "${accepted[@]}" | grep -qxF "$issue" ||
            fail "appstreamcli $version reported '$issue' in $file"
    done <<<"$issues"
    # Every counted error, warning and info must be among the lines just read.
    counted=$(grep -oE '(errors|warnings|infos): [0-9]+' <<<"$output" |
        awk '{ n += $2 } END { print n + 0 }')
    read=$(grep -c . <<<"$issues" || true)
    [ "$counted" -eq "$read" ] || fail "appstreamcli counted $counted issues, but $read were read"
    [ "$read" -eq 0 ] || echo "(all $read of them accepted)"
    ;;
*)
    echo "usage: $0 desktop|metainfo FILE" >&2
    exit 2
    ;;
esac
echo "ok: $file is valid"
