# Helpers for the scripts that close the window at one modal level: reaching
# flight and the dock from a saved game, and checking how the game ended.
# Sourced after lib.bash and startup_helpers.bash, with the save written.

# Each save file with its size and checksum, one line each.
save_listing() {
    (cd "$saves" && for file in $(ls -A | sort); do
        printf '%s %s %s\n' "$file" "$(stat -c %s "$file")" "$(md5sum <"$file" | cut -d' ' -f1)"
    done)
}

# Starts the game with its standard error copied into $out_dir/$1.stderr.
start_game_logged() {
    game_log="$out_dir/$1.stderr"
    "$game" 2> >(tee "$game_log" >&2) &
    game_pid=$!
}

# Starts the game and loads slot 1 from the main menu's load view; returns
# with "Load successful." on the screen (pictures named after $1).
start_and_load() {
    start_game_logged "$1"
    window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
    question=$(wait_for_question 15) || fail "the full-screen question did not appear"
    answer_question "$question" Escape
    wait_for_picture "$1_menu" "is_lit $1_menu 0.2" || fail "no main menu"
    # "Load Game", then slot 1's "Load".
    click_at "$window" 133 162
    click_at "$window" 681 113
    wait_for_picture "$1_loaded" dialog_shown || fail "no message after loading"
}

# Closes "Load successful." and brings the ship to rest in flight.
fly_loaded_game() {
    xdotool windowfocus "$window"
    press_key Return
    sleep 2
    # The Enter that closed the message also throttled up.
    hold_key shift 1
}

# Flies into the docking bay; returns with the dock menu on the screen.
dock_loaded_game() {
    fly_loaded_game
    eval "$(xdotool getwindowgeometry --shell "$window")"
    "$(dirname "${BASH_SOURCE[0]}")/fly_into_bay.py" "$window" "$X" "$Y" "$out_dir" || fail "the ship did not dock"
    sleep 1
}

# Closes the window and fails unless the game ends within 5 seconds with
# exit code 0 and the save folder as listed in $listing_before ($1 names the
# level, for the messages), and unless its standard error is free of
# sanitizer reports.
close_and_expect_clean_exit() {
    local closed_at ended_at
    closed_at=$(date +%s.%N)
    close_window "$window"
    wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window at $1"
    ended_at=$(date +%s.%N)
    [ "$exit_code" = 0 ] || fail "exit code $exit_code after closing the window at $1"
    [ "$(save_listing)" = "$listing_before" ] ||
        fail "closing the window at $1 changed the save folder: $(save_listing)"
    # A sanitizer's report comes last; give the copy a moment to catch up.
    sleep 0.5
    grep -E "runtime error:|Sanitizer" "$game_log" && fail "a sanitizer reported on closing the window at $1"
    echo "$1: ended $(awk -v a="$closed_at" -v b="$ended_at" 'BEGIN { printf "%.2f", b - a }') s after the close, exit code 0, saves unchanged"
}
