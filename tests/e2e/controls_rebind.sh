#!/usr/bin/env bash
# The Controls view of the settings: pitch down rebound from W to I with real
# key presses, kept in controls.ini across a restart, and flying with it: I
# pitches the view, W no longer does.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

controls="$XDG_DATA_HOME/Quillon Marsh/Drift Hauler/controls.ini"
# How much two screenshots differ: the mean absolute difference, 0..1.
difference() {
    compare -metric MAE "$out_dir/$1.png" "$out_dir/$2.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}

open_menu() {
    start_to_menu "$1"
    sleep 1
}

open_menu controls_menu
# "Settings" at (18, 455) in the root panel at (25, 25), then "Controls" at
# (320, 240) in the settings panel at (241, 33).
click_at "$window" 133 497
click_at "$window" 651 290
xdotool mousemove --window "$window" 500 571
sleep 0.5
screenshot controls_view
# "Pitch down", the third action of the first column at (20, 132), 240 x 30.
click_at "$window" 381 180
xdotool windowfocus "$window"
press_key i
screenshot controls_view_rebound
grep -qx "pitch_down=I" "$controls" || fail "controls.ini does not bind pitch down to I: $(cat "$controls" 2>&1)"
changed=$(difference controls_view controls_view_rebound)
echo "Controls view before and after the rebinding differ by $changed"
awk -v d="$changed" 'BEGIN { exit !(d > 0) }' || fail "the Controls view shows no new key"
# "Quit Program" at (18, 495).
click_at "$window" 133 537
wait_for_exit 5 || fail "the game did not end after Quit Program"

open_menu controls_menu_again
click_at "$window" 133 122
wait_for_picture controls_name_entry dialog_shown || fail "no name entry dialog"
xdotool windowfocus "$window"
xdotool type --delay 80 "Test Pilot"
press_key Return
skip_intro controls_intro
wait_for_picture controls_flight_start "is_lit controls_flight_start 0.05" 15 || fail "the flight did not start"
xdotool mousemove --window "$window" 400 200
sleep 2

screenshot controls_before_w
hold_key w 0.6
sleep 1.5
screenshot controls_after_w
hold_key i 0.6
sleep 1.5
screenshot controls_after_i
still=$(difference controls_before_w controls_after_w)
pitched=$(difference controls_after_w controls_after_i)
echo "picture change after W $still, after I $pitched"
awk -v s="$still" -v p="$pitched" 'BEGIN { exit !(p > 2 * s && p > 0.005) }' \
    || fail "I does not pitch the view more than W does"

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "pitch down rebound to I in the Controls view, kept across a restart and flown"
