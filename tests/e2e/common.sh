# Shared by the end-to-end scripts: run under xvfb-run, drive the real binary
# with xdotool. Coordinates are the window's client pixels.
set -euo pipefail

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

WORK="$(mktemp -d)"
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts a private copy of the program (its directory is the application
# directory, where boards and backups go) and waits for its window.
start_app() {
    cp "$CELLWRIGHT_BIN" "$WORK/cellwright"
    (cd "$WORK" && exec ./cellwright "$@") >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WID="$(timeout 20 xdotool search --sync --name '^Cellwright$' | head -n 1)"
    xdotool windowfocus --sync "$WID"
    sleep 0.3
}

click() { xdotool mousemove --window "$WID" "$1" "$2" click 1; sleep 0.1; }
cell_x() { echo $((16 + 24 * ($1 % 9) + 8 * ($1 % 9 / 3) + 8)); }
cell_y() { local r=$(($1 / 9)); echo $((16 + 24 * r + 8 * (r / 3) + 9)); }
click_cell() { click "$(cell_x "$1")" "$(cell_y "$1")"; }
click_solve() { click 288 28; }
click_save() { click 288 188; }

# Answers the name prompt of Save or Load.
answer_prompt() {
    local dialog
    dialog="$(timeout 10 xdotool search --sync --name "^$1\$" | head -n 1)"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 30 "$2"
    xdotool key Return
    sleep 0.5
}

# The board file of an 81-character line ('.' for empty): a "d\r\n" record a cell.
board_file_of() { echo "$1" | tr . 0 | fold -w1 | sed 's/$/\r/'; }
