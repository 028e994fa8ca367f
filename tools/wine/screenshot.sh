#!/usr/bin/env bash
# screenshot.sh NAME: the whole virtual screen into build/screenshots/NAME.png.
set -eu
. "$(dirname "$0")/env.sh"
out="$TRAY_REPO/build/screenshots"
mkdir -p "$out"
import -display "$DISPLAY" -window root "$out/$1.png"
