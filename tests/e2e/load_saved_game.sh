#!/usr/bin/env bash
# Saved games from the main menu's load view: two slot files written here byte
# by byte, one whole and one cut a byte short. The short one is refused with
# a message and the menu stays; the whole one loads and flies; quitting the
# game returns to the load view; neither file is ever changed by loading.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

write_start_save
head -c 5745 "$saves/save1.sav" >"$saves/save2.sav"
sums_before=$(cd "$saves" && md5sum save1.sav save2.sav)

flight_shown() { is_lit "$1" 0.05; }
# Text on the slot at client (261, 93 + 80 i) darkens its light panel.
slot_text() { region_colour "$1" 200x40+$((240 + 277))+$((212 + 105 + 80 * $2)); }
click_load() { click_at "$window" 681 $((113 + 80 * $1)); }

start_to_menu load_menu

# "Load Game" at (18, 120) in the root panel at (25, 25).
click_at "$window" 133 162
xdotool mousemove --window "$window" 500 571
sleep 1
screenshot load_view
filled=$(slot_text load_view 0)
empty=$(slot_text load_view 2)
echo "slot 1 text region $filled, empty slot 3 $empty"
[ "$filled" != "$empty" ] || fail "the filled slot shows no text"

click_load 1
wait_for_picture load_refused dialog_shown || fail "no message for the short file"
xdotool windowfocus "$window"
press_key Return
sleep 1
screenshot load_view_after_refusal
[ "$(slot_text load_view_after_refusal 0)" = "$filled" ] || fail "the load view did not come back after the refusal"

click_load 0
wait_for_picture load_successful dialog_shown || fail "no message for the whole file"
xdotool windowfocus "$window"
press_key Return
wait_for_picture load_flight flight_shown 15 || fail "the loaded game did not start"
sleep 1

# The ship and commander panels of the in-game menu, for looking at.
xdotool key Escape
wait_for_picture load_in_game_menu menu_shown || fail "no in-game menu"
click_at "$window" 133 202
sleep 1
screenshot load_ship_info
click_at "$window" 133 242
sleep 1
screenshot load_commander_info

# "Quit game", then "Yes": the load view again, as it was.
click_at "$window" 133 537
wait_for_picture load_confirm_quit dialog_shown || fail "no confirmation"
click_at "$window" 305 342
sleep 2
screenshot load_view_again
[ "$(slot_text load_view_again 0)" = "$filled" ] || fail "the menu did not return to the load view"

sums_after=$(cd "$saves" && md5sum save1.sav save2.sav)
[ "$sums_before" = "$sums_after" ] || fail "loading changed a save file"
click_at "$window" 133 537
wait_for_exit 5 || fail "the game did not end within 5 seconds of Quit Program"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "refused the short file, loaded the whole one, saves unchanged, exit code 0"
