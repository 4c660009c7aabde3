#!/usr/bin/env bash
# The Enter that closes "Load successful." is still held as the loaded game
# starts; the flight ignores it until it is released, so the ship stays at
# rest instead of throttling up.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

write_start_save
flight_shown() { is_lit "$1" 0.05; }
# The speed line of the console, "0.00 kmph" at rest, centred 58 pixels above
# the bottom of the 800 x 600 client area at (240, 212) on the screen.
speed_line() { convert "$out_dir/$1.png" -crop 160x12+560+750 +repage "$out_dir/$1_speed.png"; }

start_to_menu enter_held_menu
click_at "$window" 133 162
xdotool mousemove --window "$window" 500 571
sleep 1
click_at "$window" 681 113
wait_for_picture enter_held_loaded dialog_shown || fail "no message for the loaded game"
xdotool windowfocus "$window"
xdotool keydown Return
wait_for_picture enter_held_flight flight_shown 15 || { xdotool keyup Return; fail "the loaded game did not start"; }
sleep 0.5
screenshot enter_held_early
sleep 2.5
screenshot enter_held_late
xdotool keyup Return
speed_line enter_held_early
speed_line enter_held_late
changed=$(compare -metric AE "$out_dir/enter_held_early_speed.png" "$out_dir/enter_held_late_speed.png" null: 2>&1)
echo "speed line pixels changed while Enter stayed held: $changed"
[ "$changed" = 0 ] || fail "the Enter that closed the message throttled the ship"

# Pressed again, Enter throttles as ever.
press_key Return
sleep 1
screenshot enter_pressed_again
speed_line enter_pressed_again
moved=$(compare -metric AE "$out_dir/enter_held_late_speed.png" "$out_dir/enter_pressed_again_speed.png" null: 2>&1)
echo "speed line pixels changed after a new press: $moved"
[ "$moved" != 0 ] || fail "a new press of Enter did not throttle"

close_window "$window"
wait_for_exit 5 || fail "the game did not end after its window closed"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
