#!/usr/bin/env bash
# A gamepad drives the menus: the game, built with the test hooks, plugs in a
# virtual gamepad whose buttons this script presses through a FIFO. From the
# main menu the d-pad moves the pointer onto "New Game" and A clicks it; the
# commander's name is typed on the keyboard and A is the name entry's Ok,
# B skips the intro and, in flight, Y turns to the next view. The full-screen
# question before the menu is the window system's own box and takes a key.
set -u
. "$(dirname "$0")/../lib.bash"
. "$(dirname "$0")/../startup_helpers.bash"

work=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$work"' EXIT
mkfifo "$work/pad"
export DH_TEST_CONTROLLER="$work/pad"
# Held open for the whole run, so that every line reaches the game at once.
exec 3<>"$work/pad"

difference() {
    compare -metric MAE "$out_dir/$1.png" "$out_dir/$2.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
press_button() {
    echo "$1 1" >&3
    sleep 0.3
    echo "$1 0" >&3
    sleep 0.3
}
# Holds the d-pad button $1 for $2 seconds.
hold_button() {
    echo "$1 1" >&3
    sleep "$2"
    echo "$1 0" >&3
    sleep 0.2
}
abs() { echo $(($1 < 0 ? -$1 : $1)); }

# Steers the pointer with the d-pad alone, watching where it is as a player
# would, until it is within $3 x $4 pixels of client ($1, $2). The pointer
# moves about 600 pixels a second with the d-pad held.
pad_pointer_to() {
    local target_x=$((client_x + $1)) target_y=$((client_y + $2)) dx dy X Y
    for _ in $(seq 20); do
        eval "$(xdotool getmouselocation --shell | grep -E '^(X|Y)=')"
        dx=$((target_x - X))
        dy=$((target_y - Y))
        [ "$(abs "$dx")" -le "$3" ] && [ "$(abs "$dy")" -le "$4" ] && return 0
        if [ "$(abs "$dy")" -gt "$4" ]; then
            hold_button "$([ "$dy" -gt 0 ] && echo dpdown || echo dpup)" \
                "$(awk -v d="$(abs "$dy")" 'BEGIN { printf "%.2f", d / 600 }')"
        else
            hold_button "$([ "$dx" -gt 0 ] && echo dpright || echo dpleft)" \
                "$(awk -v d="$(abs "$dx")" 'BEGIN { printf "%.2f", d / 600 }')"
        fi
    done
    return 1
}

start_to_menu pad_menu
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^X=/client_x=/p; s/^Y=/client_y=/p')"
# SDL passes a controller's input only to a game that has the focus.
xdotool windowfocus "$window"

# "New Game" at (18, 75) in the root panel at (25, 25).
pad_pointer_to 133 122 40 8 || fail "the d-pad did not bring the pointer to New Game"
screenshot pad_pointer_on_new_game
press_button a
wait_for_picture pad_name_entry dialog_shown || fail "A on New Game did not open the name entry"
xdotool windowfocus "$window"
xdotool type --delay 80 "Pad Pilot"
press_button a
wait_for_picture pad_intro intro_title_shown 15 || fail "the intro did not begin"
press_button b
wait_for_picture pad_flight_start "is_lit pad_flight_start 0.05" 15 || fail "the flight did not start"
sleep 2

screenshot pad_forward
press_button y
sleep 1
screenshot pad_rear
turned=$(difference pad_forward pad_rear)
echo "picture change after Y: $turned"
awk -v d="$turned" 'BEGIN { exit !(d > 0.01) }' || fail "Y did not turn to the next view"

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "the d-pad and A took the game from the main menu to flight"
