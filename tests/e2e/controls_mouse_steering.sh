#!/usr/bin/env bash
# Mouse steering with the sensitivity and inverted pitch the player chose: the
# same upward mouse move, with the right button held, turns the ship by 0.003
# rad per pixel times the sensitivity, nose down as with W (the stick pushed
# forward), or nose up with the pitch inverted. Sensitivity 1 and 4 come from
# a controls.ini the test writes; "Invert pitch" is switched on with a real
# click in the Controls view. The measure is the planet right of the station:
# with a vertical field of view of 90 degrees over 600 rows, a pitch of a rad
# moves a point on the middle row by 300 tan(a) rows, up as the nose goes down.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

controls="$XDG_DATA_HOME/Quillon Marsh/Drift Hauler/controls.ini"
# One-pixel steps, below the X server's acceleration threshold, spread over
# many frames: the turn's smoothing weighs each frame's input by that frame's
# length, and the lengths vary.
steps=30
step=1
move=$((steps * step))

write_controls() {
    mkdir -p "$(dirname "$controls")"
    printf 'mouse_sensitivity=%s\ninvert_pitch=no\n' "$1" > "$controls"
}

# "New Game" at (18, 75) in the root panel at (25, 25), then into flight.
new_game_to_flight() {
    click_at "$window" 133 122
    wait_for_picture "$1_name_entry" dialog_shown || fail "no name entry dialog"
    xdotool windowfocus "$window"
    xdotool type --delay 80 "Test Pilot"
    press_key Return
    skip_intro "$1_intro"
    wait_for_picture "$1_start" "is_lit $1_start 0.05" 15 || fail "the flight did not start"
    xdotool mousemove --window "$window" 400 300
    sleep 2
}

# The screen row of the planet's centre in picture $1: the largest bright blob
# in the strip of the view right of the console (client x 610 .. 800).
planet_row() {
    convert "$out_dir/$1.png" -crop 190x600+850+212 +repage -colorspace Gray -threshold 40% \
        -define connected-components:verbose=true -define connected-components:area-threshold=1000 \
        -connected-components 8 null: \
        | awk '/gray\(255\)/ && $4 > area { area = $4; split($3, c, ","); row = c[2] + 212 }
               END { if (area > 0) print row; else exit 1 }'
}

# Holds the right button, moves the pointer $move pixels up in small steps and
# lets the turn die away; prints how many rows the planet moved up.
steer_up() {
    screenshot "$1_before"
    before=$(planet_row "$1_before") || fail "$1: no planet in the view before steering"
    xdotool mousedown 3
    sleep 0.5
    for _ in $(seq "$steps"); do
        xdotool mousemove_relative -- 0 "-$step"
        sleep 0.1
    done
    # The turn dies away with 80 % of it gone per second.
    sleep 3.5
    xdotool mouseup 3
    sleep 0.5
    screenshot "$1_after"
    after=$(planet_row "$1_after") || fail "$1: no planet in the view after steering"
    awk -v a="$after" -v b="$before" 'BEGIN { printf "%.1f\n", b - a }'
}

quit_flight() {
    close_window "$window"
    wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
    [ "$exit_code" = 0 ] || fail "exit code $exit_code"
}

# Whether $1 lies within 25 % of the rows a pitch of $2 rad gives.
near_expected() {
    awk -v shift="$1" -v a="$2" 'BEGIN { e = 300 * sin(a) / cos(a); d = shift - e
                                          exit !(d < 0.25 * (e < 0 ? -e : e) && -d < 0.25 * (e < 0 ? -e : e)) }'
}
expected() { awk -v a="$1" 'BEGIN { printf "%.1f", 300 * sin(a) / cos(a) }'; }

write_controls 1
start_to_menu mouse_1x_menu
sleep 1
new_game_to_flight mouse_1x
shift_1x=$(steer_up mouse_1x)
quit_flight

write_controls 4
start_to_menu mouse_4x_menu
sleep 1
new_game_to_flight mouse_4x
shift_4x=$(steer_up mouse_4x)
quit_flight

# "Settings" at (18, 455) in the root panel, "Controls" at (320, 240) in the
# settings panel at (241, 33), "Invert pitch" at (20, 450) in the Controls
# panel at (241, 33).
start_to_menu mouse_inverted_menu
sleep 1
click_at "$window" 133 497
click_at "$window" 651 290
click_at "$window" 381 498
grep -qx "invert_pitch=yes" "$controls" || fail "controls.ini does not invert the pitch: $(cat "$controls" 2>&1)"
grep -qx "mouse_sensitivity=4" "$controls" || fail "controls.ini lost the sensitivity: $(cat "$controls" 2>&1)"
new_game_to_flight mouse_inverted
shift_inverted=$(steer_up mouse_inverted)
quit_flight

turn_1x=$(awk -v m="$move" 'BEGIN { print m * 0.003 }')
turn_4x=$(awk -v m="$move" 'BEGIN { print m * 0.003 * 4 }')
echo "planet moved up $shift_1x rows at 1x (expected $(expected "$turn_1x")), $shift_4x at 4x" \
     "(expected $(expected "$turn_4x")), $shift_inverted at 4x inverted (expected $(expected "-$turn_4x"))"
near_expected "$shift_1x" "$turn_1x" || fail "sensitivity 1: the view pitched by $shift_1x rows"
near_expected "$shift_4x" "$turn_4x" || fail "sensitivity 4: the view pitched by $shift_4x rows"
near_expected "$shift_inverted" "-$turn_4x" || fail "inverted pitch: the view pitched by $shift_inverted rows"
echo "the same mouse move pitched the view four times as far at 4x, and the other way inverted"
