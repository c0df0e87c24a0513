#!/usr/bin/env bash
# Installed into a prefix whose bin/ is not on PATH, a board file (its path
# holding spaces) opened the way a file manager opens it, through its type's
# default application, shows up in the window: saved again, it is the same file.
source "$(dirname "$0")/common.sh"
prefix="$WORK/pre fix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
export XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_DIRS="$prefix/share"
export PATH=/usr/bin:/bin

board="$WORK/my puzzles/board one.sudoku"
mkdir -p "$(dirname "$board")"
board_file_of "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79" >"$board"
gio open "$board"
WID="$(timeout 20 xdotool search --sync --name '^Cellwright$' | head -n 1)"
xdotool windowfocus --sync "$WID"
sleep 0.5
import -window root "$SCREENSHOT_DIR/opened.png"
click_save
answer_prompt Save "$WORK/saved.sudoku"
cmp "$board" "$WORK/saved.sudoku"
kill "$(xdotool getwindowpid "$WID")"
echo "opened through the desktop entry"
