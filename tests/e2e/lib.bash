# Shared helpers for the end-to-end scripts: each script gets the game's path
# as its first argument and runs inside its own Xvfb (tests/support/with-xvfb.sh).

game="$1"
bin_dir=$(cd "$(dirname "$game")" && pwd)
out_dir="$bin_dir/test-output/e2e"
mkdir -p "$out_dir"
# Saves go to a private folder, never the developer's own.
export XDG_DATA_HOME=$(mktemp -d)
export HOME="$XDG_DATA_HOME"

# A player who has closed the settings view once; without the file the game
# says on standard error that it uses the default settings.
write_settings_file() {
    mkdir -p "$XDG_DATA_HOME/Quillon Marsh/Drift Hauler"
    printf 'sound=on\nmusic=on\n' > "$XDG_DATA_HOME/Quillon Marsh/Drift Hauler/settings.ini"
}

# Waits for something to appear last this many times longer: the sanitizer
# tree's game runs slower (tests/support/without-sanitizer-reports.sh sets it).
# A wait for the game to end is never stretched.
patience="${DH_E2E_PATIENCE:-1}"

fail() {
    echo "FAIL: $*" >&2
    echo "windows on the screen:" >&2
    xwininfo -root -tree 2>/dev/null | grep -o '"[^"]*"' | sort -u | sed 's/^/  /' >&2
    if game_running; then
        xdpyinfo > /dev/null 2>&1 || echo "the X server does not answer" >&2
        echo "the game is still running; its threads:" >&2
        gdb -p "$game_pid" -batch -ex "thread apply all bt" 2>/dev/null | grep -E '^(Thread|#)' | head -n 80 >&2
    else
        echo "the game had already ended" >&2
    fi
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
    exit 1
}

# Whether the game is still running: an ended child stays a zombie until
# waited for, and kill -0 still reaches a zombie.
game_running() {
    local state
    state=$(awk '{ print $3 }' "/proc/${game_pid:-none}/stat" 2>/dev/null)
    [ -n "$state" ] && [ "$state" != Z ]
}

start_game() {
    "$game" &
    game_pid=$!
}

# Waits up to $2 seconds (default 40) for a window titled $1; prints its id.
wait_for_window() {
    local title="$1" limit="${2:-40}" id=""
    for _ in $(seq $((limit * patience * 10))); do
        id=$(xdotool search --name "^$title\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        game_running || return 1
        sleep 0.1
    done
    return 1
}

screenshot() {
    import -window root "$out_dir/$1.png"
}

# Fraction of pixels in a screenshot that are not black.
lit_fraction() {
    convert "$out_dir/$1.png" -colorspace Gray -threshold 2% -format '%[fx:mean]' info:
}

close_window() {
    "$bin_dir/x-close-window" "$1"
}

# Waits up to $1 seconds for the game to end and sets exit_code; fails when
# the game is still running then.
wait_for_exit() {
    local limit="$1"
    for _ in $(seq $((limit * 20))); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            exit_code=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}
