#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshot: the program under a virtual display, a sample file loaded and searched.
#   screenshot.sh [OUT.png [LANG]]   LANG (de_DE.UTF-8 …): the program speaking that language, as on a system set to it
# Needs xvfb, xdotool and imagemagick (installed here when missing).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" xvfb xdotool imagemagick
out=${1:-$root/docs/screenshot.png}
language=${2:-}
display=:97
Xvfb "$display" -screen 0 640x506x24 >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
cd "$root/samples"
settings=$(mktemp -d)
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true; rm -rf "$settings"' EXIT
env ${language:+LANG=$language LC_ALL= LANGUAGE=} XDG_CONFIG_HOME="$settings" DISPLAY=$display \
    "${CANTORIX_BUILD_DIR:-$root/build}/src/app/cantorix2" >/dev/null 2>&1 &
app_pid=$!
sleep 2
export DISPLAY=$display
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
click 210 161            # ServiceLog.txt in the file list (below the menu bar), after the samples beside it
click 596 39             # Get File
click 468 163            # hymn number box
xdotool type --delay 40 "378"
click 512 75             # limit box
xdotool type --delay 40 ">2022"
xdotool key Return
sleep 1
import -window root "$out"
echo "wrote $out"
