#!/usr/bin/env bash
# The real window, 328 x 280: type a puzzle, solve it, save it under a typed
# name; then open that board from the command line and save it again.
source "$(dirname "$0")/common.sh"
# AI Escargot and its one solution.
PUZZLE="1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3.."
SOLUTION="162857493534129678789643521475312986913586742628794135356478219241935867897261354"

start_app
geometry="$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ { print $2 }')"
[ "$geometry" = "328x280" ] || { echo "window is $geometry, not 328x280"; exit 1; }
click_cell 0
xdotool type --delay 15 "$(echo "$PUZZLE" | tr . ' ')"
click_solve
sleep 0.5
import -window root "$SCREENSHOT_DIR/solved.png"
click_save
answer_prompt Save solved
cmp <(board_file_of "$SOLUTION") "$WORK/solved.sudoku"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

cp "$WORK/solved.sudoku" "$WORK/given board.sudoku"
start_app "$WORK/given board.sudoku"
click_save
answer_prompt Save again
cmp "$WORK/solved.sudoku" "$WORK/again.sudoku"
echo "solved, saved and reopened"
