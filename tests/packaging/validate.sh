#!/usr/bin/env bash
# Validates an installed desktop entry or AppStream metadata file with the freedesktop tools.
# Any error, warning, info or hint they report fails the check.
#
# usage: validate.sh desktop FILE     (desktop-file-validate, from desktop-file-utils)
#        validate.sh metainfo FILE    (appstreamcli validate --no-net --strict, from appstream)
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
    # --strict fails on errors, warnings and infos alike (pedantic hints only are let through:
    # the reverse-DNS id has capitals, which a pedantic hint frowns on).
    output=$(appstreamcli validate --no-net --strict --explain "$file" 2>&1) || status=$?
    echo "$output"
    [ $status -eq 0 ] || fail "appstreamcli validate exited with status $status"
    if grep -Eq '^[EWI]: ' <<<"$output"; then
        fail "appstreamcli reported problems in $file"
    fi
    ;;
*)
    echo "usage: $0 desktop|metainfo FILE" >&2
    exit 2
    ;;
esac
echo "ok: $file is valid"
