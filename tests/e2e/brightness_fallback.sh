#!/usr/bin/env bash
# Brightness where the display's gamma ramp is refused (asked for with
# DRIFT_HAULER_NO_GAMMA_RAMP, since Xvfb takes the ramp and shows nothing of
# it): the slider's ends darken and brighten the picture itself, and a dialog
# over the brightened menu stays as bright frame after frame.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
export DRIFT_HAULER_NO_GAMMA_RAMP=1

rest_pointer() { xdotool mousemove --window "$window" 500 571; sleep 0.5; }
# Mean grey of the 800 x 600 window centred on the 1280 x 1024 screen, 0..1.
window_mean() {
    convert "$out_dir/$1.png" -crop 800x600+240+212 +repage -colorspace Gray -format '%[fx:mean]' info:
}
less_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a + 0.02 < b) }'; }
# Drags the brightness knob from client x $1 to $2 along the slider at y 543,
# the pointer staying on the slider (leaving it ends the drag).
drag_knob() {
    xdotool mousemove --window "$window" "$1" 543
    sleep 0.2
    xdotool mousedown 1
    local step x
    for step in 1 2 3 4 5; do
        x=$(($1 + ($2 - $1) * step / 5))
        xdotool mousemove --window "$window" "$x" 543
        sleep 0.1
    done
    xdotool mouseup 1
    rest_pointer
}

start_to_menu brightness_menu
sleep 1
click_at "$window" 133 497
rest_pointer
screenshot brightness_neutral

# The knob starts 193 pixels into the slider at (261, 533): its middle is x 460.
drag_knob 460 263
screenshot brightness_lowest
drag_knob 267 658
screenshot brightness_highest
neutral=$(window_mean brightness_neutral)
lowest=$(window_mean brightness_lowest)
highest=$(window_mean brightness_highest)
echo "mean grey: lowest $lowest, neutral $neutral, highest $highest"
less_than "$lowest" "$neutral" || fail "the slider's left end did not darken the picture"
less_than "$neutral" "$highest" || fail "the slider's right end did not brighten the picture"

# "1920x1080 fullscreen" does not exist here: its refusal freezes the menu
# behind the message, which must not brighten from frame to frame.
click_at "$window" 351 410
sleep 1
screenshot brightness_dialog_first
sleep 1.5
screenshot brightness_dialog_later
first=$(window_mean brightness_dialog_first)
later=$(window_mean brightness_dialog_later)
echo "mean grey under the message: $first, 1.5 s later $later"
[ "$first" = "$later" ] || fail "the frozen menu behind the message changed"
# The frozen menu is shown at 30 % and then brightened once, 1.5 x 0.3 = 0.45
# of the unbrightened menu; brightened twice it would be 0.675 of it.
patch_mean() {
    convert "$out_dir/$1.png" -crop 40x20+300+642 +repage -colorspace Gray -format '%[fx:mean]' info:
}
ratio=$(awk -v a="$(patch_mean brightness_dialog_later)" -v b="$(patch_mean brightness_neutral)" 'BEGIN { print a / b }')
echo "a dark patch of the menu under the message: $ratio of its unbrightened grey"
awk -v r="$ratio" 'BEGIN { exit !(r > 0.35 && r < 0.55) }' || fail "the frozen menu was not brightened exactly once"
xdotool windowfocus "$window"
press_key Return

click_at "$window" 133 537
wait_for_exit 5 || fail "the game did not end within 5 seconds of Quit Program"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "quit with exit code 0"
