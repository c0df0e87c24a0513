# Shared by the end-to-end scripts: run under xvfb-run, drive the real binary
# with xdotool. Coordinates are the window's client pixels.
set -euo pipefail

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

WORK="$(mktemp -d)"
APP_PID=""
cleanup() {
    pkill -P $$ cellwright 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts a private copy of the program in $APP_DIR (default $WORK; boards go
# there) and waits for its window.
start_app() {
    local dir="${APP_DIR:-$WORK}"
    mkdir -p "$dir"
    [ -e "$dir/cellwright" ] || cp "$CELLWRIGHT_BIN" "$dir/cellwright"
    (cd "$WORK" && exec "$dir/cellwright" "$@") >>"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WID="$(timeout 20 xdotool search --sync --all --pid "$APP_PID" --name '^Cellwright$' | head -n 1)"
    xdotool windowfocus --sync "$WID"
    sleep 0.3
}

# Asks a window to close, as a window manager's close button does.
close_window() {
    /usr/bin/python3 - "$1" <<'PYTHON'
import sys
from Xlib import X, display, protocol
d = display.Display()
w = d.create_resource_object("window", int(sys.argv[1]))
atom = d.intern_atom
w.send_event(protocol.event.ClientMessage(window=w, client_type=atom("WM_PROTOCOLS"),
             data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
d.flush()
PYTHON
}

click() { xdotool mousemove --window "$WID" "$1" "$2" click 1; sleep 0.1; }
cell_x() { echo $((16 + 24 * ($1 % 9) + 8 * ($1 % 9 / 3) + 8)); }
cell_y() { local r=$(($1 / 9)); echo $((16 + 24 * r + 8 * (r / 3) + 9)); }
click_cell() { click "$(cell_x "$1")" "$(cell_y "$1")"; }
click_solve() { click 288 28; }
click_step() { click 288 64; }
click_save() { click 288 188; }

# Answers the name prompt of Save or Load.
answer_prompt() {
    local dialog
    dialog="$(timeout 10 xdotool search --sync --name "^$1\$" | head -n 1)"
    xdotool windowfocus --sync "$dialog"
    [ -z "$2" ] || xdotool type --delay 30 "$2"
    xdotool key Return
    sleep 0.5
}

# A board file holding a complete valid grid that keeps every given of $2
# (81 characters, '.' for empty).
check_solution() {
    local file="$1" puzzle="$2"
    [ "$(stat -c %s "$file")" = 243 ] || { echo "$file is not 243 bytes"; return 1; }
    tr -d '\r' <"$file" | awk -v puzzle="$puzzle" '
        { v[NR - 1] = $0 }
        END {
            for (i = 0; i < 81; i++) {
                g = substr(puzzle, i + 1, 1)
                if (v[i] !~ /^[1-9]$/) { print "cell " i " empty"; exit 1 }
                if (g != "." && g != v[i]) { print "given " i " changed"; exit 1 }
                r = int(i / 9); c = i % 9; b = 3 * int(r / 3) + int(c / 3)
                if (row[r, v[i]]++ || col[c, v[i]]++ || box[b, v[i]]++) { print "repeat at " i; exit 1 }
            }
        }'
}
