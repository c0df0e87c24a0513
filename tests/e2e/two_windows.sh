#!/usr/bin/env bash
# Two windows of one program folder (named in bytes that are not UTF-8) at
# once: one is closed in the middle of a long Solve, the other, mid-search,
# goes on from its own backups to a solved board.
source "$(dirname "$0")/common.sh"
LONG=".................1....34..............52..1...1.6.........7.52..6.....8.1...9...."
PUZZLE="37.6.......9.......2..8.16......5....9..1..8....4......58.6..9.......3.......7.42"
APP_DIR="$WORK/program $(printf '\xff')"
board_file() { echo "$1" | fold -w1 | tr . 0 | sed 's/$/\r/' >"$2"; }
folders() { find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'cellwright-*' | wc -l; }
board_file "$LONG" "$WORK/long.sudoku"
board_file "$PUZZLE" "$WORK/puzzle.sudoku"

start_app "$WORK/puzzle.sudoku"
SECOND="$WID"
for _ in 1 2 3 4 5 6 7 8; do click_step; done
start_app "$WORK/long.sudoku"
FIRST_PID="$APP_PID"
click_solve
sleep 0.3
[ "$(folders)" = 2 ] || { echo "expected a backup folder per window"; exit 1; }
close_window "$WID"
answer_prompt "Thank you for using Cellwright" ""
timeout 5 tail --pid="$FIRST_PID" -f /dev/null || { echo "the closed window did not end"; exit 1; }
[ "$(folders)" = 1 ] || { echo "the closed window left its backups"; exit 1; }
ls "$XDG_RUNTIME_DIR"/cellwright-*/backup0.bak >/dev/null

WID="$SECOND"
xdotool windowfocus --sync "$WID"
for _ in $(seq 20); do click_step; done
click_save
answer_prompt Save second
check_solution "$APP_DIR/second.sudoku" "$PUZZLE"
[ "$(ls "$APP_DIR" | tr '\n' ' ')" = "cellwright second.sudoku " ] || { ls "$APP_DIR"; exit 1; }
echo "two windows kept their own backups"
