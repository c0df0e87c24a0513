#!/usr/bin/env bash
# Two windows of one program folder, named in bytes that are not UTF-8 (and so
# are the boards on their command lines), at once: one is closed in the middle
# of a long Solve, the other, mid-search, goes on from its own backups to a
# solved board, saved beside the program and nowhere else.
source "$(dirname "$0")/common.sh"
LONG=".................1....34..............52..1...1.6.........7.52..6.....8.1...9...."
PUZZLE="37.6.......9.......2..8.16......5....9..1..8....4......58.6..9.......3.......7.42"
SOLUTION="371649825869521437425783169186935274794216583532478916258364791647192358913857642"
APP_DIR="$WORK/program $(printf '\xff')"
folders() { find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'cellwright-*' | wc -l; }
mkdir -p "$APP_DIR"
board_file_of "$LONG" >"$APP_DIR/long.sudoku"
board_file_of "$PUZZLE" >"$APP_DIR/puzzle.sudoku"

start_app "$APP_DIR/puzzle.sudoku"
SECOND="$WID"
for _ in 1 2 3 4 5 6 7 8; do click_step; done
start_app "$APP_DIR/long.sudoku"
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
cmp <(board_file_of "$SOLUTION") "$APP_DIR/second.sudoku"
[ "$(ls "$APP_DIR" | tr '\n' ' ')" = "cellwright long.sudoku puzzle.sudoku second.sudoku " ] ||
    { ls "$APP_DIR"; exit 1; }
echo "two windows kept their own backups"
