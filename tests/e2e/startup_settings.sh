#!/usr/bin/env bash
# The main menu's views and settings: the settings view, the sound switch's
# caption, a full-screen size the display lacks refused with a message, the
# brightness knob, the load view's five empty slots, and "Quit Program".
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

# A crop WxH at client (x, y) of the 800 x 600 window, which sits centred on
# the 1280 x 1024 screen.
crop() { echo "$1x$2+$((240 + $3))+$((212 + $4))"; }
# Moves the pointer below the views, so that nothing is hovered.
rest_pointer() { xdotool mousemove --window "$window" 500 571; sleep 0.5; }
message_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" "$(crop 150 10 120 300)")"
    [ "$r" -gt 170 ] && [ "$g" -gt 170 ] && [ "$b" -gt 170 ]
}

start_to_menu startup_menu
sleep 1

# "Settings" at (18, 455) in the root panel at (25, 25).
click_at "$window" 133 497
rest_pointer
screenshot startup_settings
expect_lit startup_settings 0.2

# The sound switch at (320, 80) in the settings panel at (241, 33): its caption
# turns from "Enabled" to "Disabled".
click_at "$window" 651 130
rest_pointer
screenshot startup_settings_sound_off
before=$(region_colour startup_settings "$(crop 80 10 611 125)")
after=$(region_colour startup_settings_sound_off "$(crop 80 10 611 125)")
echo "sound caption: before $before, after $after"
[ "$before" != "$after" ] || fail "the sound switch's caption did not change"

# 1920 x 1080 does not exist on this display: the refusal comes up and the
# window stays as it was.
click_at "$window" 351 410
wait_for_picture startup_mode_refused message_shown || fail "no refusal message"
xdotool windowfocus "$window"
press_key Return
sleep 1
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry" | grep -q "Geometry: 800x600" || fail "the refused mode changed the window"

# The brightness knob, 193 pixels into the slider at (261, 533), dragged to
# the left end: its old place shows the groove, the left end shows the knob.
xdotool mousemove --window "$window" 460 543
sleep 0.2
xdotool mousedown 1
for x in 420 360 300 261 200; do xdotool mousemove --window "$window" "$x" 543; sleep 0.1; done
xdotool mouseup 1
rest_pointer
screenshot startup_brightness_low
for place in "456 535" "263 535"; do
    read -r x y <<<"$place"
    was=$(region_colour startup_settings "$(crop 9 16 "$x" "$y")")
    now=$(region_colour startup_brightness_low "$(crop 9 16 "$x" "$y")")
    echo "slider at $x: before $was, after $now"
    [ "$was" != "$now" ] || fail "the knob did not move away from or onto x = $x"
done

# "Load Game" at (18, 120): the load view with its five slots.
click_at "$window" 133 162
rest_pointer
screenshot startup_load_view
expect_lit startup_load_view 0.2

# "Quit Program" at (18, 495) ends the program.
click_at "$window" 133 537
wait_for_exit 5 || fail "the game did not end within 5 seconds of Quit Program"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "quit with exit code 0"
