#!/usr/bin/env bash
# How the suites run a Windows program (CMAKE_CROSSCOMPILING_EMULATOR): under Wine, in a private
# X server, since even on Qt's offscreen platform a Windows program makes hidden windows of its
# own, and Wine has X make them. Wine keeps a Linux desktop's QT_ settings away from Windows
# programs; a test's own are meant for the Windows Qt, so they go through as Wine's WINEQT_ ones.
#
# usage: under_wine.sh PROGRAM.exe [ARGUMENTS...]
source "$(dirname "$0")/../../tools/lib/wine_settings.sh"
export_for_wine < <(env | grep '^QT_')
exec bash "$(dirname "$0")/../../tools/lib/x_session.sh" 1600x1200x24 wine "$@"
