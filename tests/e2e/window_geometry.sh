#!/usr/bin/env bash
# The real window under an X server: found by its caption, 328 x 280, photographed.
source "$(dirname "$0")/common.sh"
start_app
geometry="$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ { print $2 }')"
import -window root "$SCREENSHOT_DIR/window.png"
[ "$geometry" = "328x280" ] || { echo "window is $geometry, not 328x280"; exit 1; }
echo "window geometry $geometry"
