#!/usr/bin/env bash
# A 32-character commander name typed with 5 ms between keys, many keys to one
# frame of the name entry, arrives whole: the name line of the in-game menu's
# commander panel is, pixel for pixel, the one a saved commander of that name
# shows there.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

name="Ada.Quill Vex 0123456789 Zephyrs"
[ "${#name}" -eq 32 ] || fail "the name has ${#name} characters, not 32"
write_start_save "$name"

flight_shown() { is_lit "$1" 0.05; }

# Escape, then "Commander info" at (18, 200) in the in-game menu's root panel
# at (25, 25); the screenshot $1 shows the panel.
show_commander() {
    xdotool key Escape
    wait_for_picture "$1_menu" menu_shown || fail "no in-game menu"
    click_at "$window" 133 242
    sleep 1
    screenshot "$1"
}

# The panel's name line: "Name:" and 32 glyphs 8 pixels wide from client
# (269, 497), cut from screenshot $1 into $1_name.png.
name_line() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    convert "$out_dir/$1.png" -crop "348x12+$((X + 267))+$((Y + 495))" +repage "$out_dir/$1_name.png"
}

start_to_menu typed_menu

click_at "$window" 133 122
wait_for_picture typed_name_entry dialog_shown || fail "no name entry dialog"
xdotool windowfocus "$window"
xdotool type --delay 5 "$name"
press_key Return
skip_intro typed_intro
wait_for_picture typed_flight flight_shown 15 || fail "the flight did not start"
sleep 1
show_commander typed_commander

# "Quit game" and "Yes", then "Load Game" and slot 1's "Load"; Enter closes
# "Load successful.".
click_at "$window" 133 537
wait_for_picture typed_confirm_quit dialog_shown || fail "no confirmation"
click_at "$window" 305 342
sleep 2
click_at "$window" 133 162
click_at "$window" 681 113
wait_for_picture saved_loaded dialog_shown || fail "no message after loading"
xdotool windowfocus "$window"
press_key Return
wait_for_picture saved_flight flight_shown 15 || fail "the loaded game did not start"
sleep 1
show_commander saved_commander

name_line typed_commander
name_line saved_commander
lit=$(convert "$out_dir/saved_commander_name.png" -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
echo "saved name line: lit fraction $lit"
awk -v f="$lit" 'BEGIN { exit !(f > 0.1) }' || fail "no name line where the panel shows it"
differing=$(compare -metric AE "$out_dir/typed_commander_name.png" "$out_dir/saved_commander_name.png" null: 2>&1)
echo "name line pixels differing between the typed and the saved commander: $differing"
[ "$differing" = 0 ] || fail "the typed name is not \"$name\" ($differing pixels differ)"

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "typed all 32 characters, exit code 0"
