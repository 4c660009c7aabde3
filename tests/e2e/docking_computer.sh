#!/usr/bin/env bash
# The docking computer, with the flight assists switched on in the settings
# file. A new game starts 32 km out, facing the station: two seconds of
# Enter, then C, which does nothing that far out; C again once the ship is
# within 20 km shows "DOCKING COMPUTER" at the top of the view and the ship
# flies itself into the bay until the dock menu shows. Launched again, in
# front of the bay, C takes the controls and each of W, A, S and D gives them
# back.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/assists_helpers.bash"

write_assists_settings

# Checks on screenshots of the 1280 x 1024 screen, the 800 x 600 client area at (240, 212).
flight_shown() { is_lit "$1" 0.05; }
# The dock menu: its light title panel over the dark button column.
dock_menu_shown() {
    local title buttons
    title=$(region_colour "$1" 160x25+280+247 | awk '{ print $1 + $2 + $3 }')
    buttons=$(region_colour "$1" 160x20+280+512 | awk '{ print $1 + $2 + $3 }')
    [ "$title" -gt 450 ] && [ "$buttons" -lt 420 ]
}
# Pixels of the console's green (0, 255, 0) where "DOCKING COMPUTER" is
# written, 256 x 16 from 104 below the top of the view.
label_pixels() {
    convert "$out_dir/$1.png" -crop 256x16+512+316 +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 && $3 <= 40 && $4 >= 240 && $5 <= 40 { n++ } END { print n + 0 }'
}
label_shown() { [ "$(label_pixels "$1")" -gt 300 ]; }
label_hidden() { [ "$(label_pixels "$1")" -lt 10 ]; }

start_to_flight() {
    start_to_menu docking_menu
    click_at "$window" 133 122
    wait_for_picture docking_name dialog_shown || fail "no name entry dialog"
    xdotool windowfocus "$window"
    xdotool type --delay 50 "Ada Vance"
    press_key Return
    skip_intro docking_intro
    wait_for_picture docking_flight flight_shown 15 || fail "the flight did not start"
    xdotool mousemove --window "$window" 400 200
    sleep 1
}

# Presses C every 2 s until the label shows: the ship is in range.
engage_when_in_range() {
    for _ in $(seq $((20 * patience))); do
        press_key c
        screenshot docking_engaged
        label_shown docking_engaged && return 0
        sleep 1.4
    done
    return 1
}

start_to_flight
hold_key Return 2
press_key c
sleep 0.5
screenshot docking_far
label_hidden docking_far || fail "C engaged the computer beyond 20 km"
engage_when_in_range || fail "C did not engage the computer within 20 km"
engaged_at=$SECONDS
echo "engaged: label pixels $(label_pixels docking_engaged)"
wait_for_picture docking_docked dock_menu_shown 120 || fail "no dock menu within 120 s of C"
echo "dock menu $((SECONDS - engaged_at)) s after C"

# "Launch ship": at rest in front of the bay, facing away from it.
click_at "$window" 133 537
wait_for_picture docking_launched flight_shown 15 || fail "no flight after launching"
sleep 1
for key in w a s d; do
    press_key c
    wait_for_picture "docking_on_$key" label_shown 2 || fail "C did not engage the computer before $key"
    press_key "$key"
    wait_for_picture "docking_off_$key" label_hidden 2 || fail "$key did not take the controls back"
    sleep 1
    screenshot "docking_still_off_$key"
    label_hidden "docking_still_off_$key" || fail "the computer came back after $key"
    echo "$key let go: label pixels $(label_pixels "docking_on_$key") engaged, $(label_pixels "docking_off_$key") after"
done

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
