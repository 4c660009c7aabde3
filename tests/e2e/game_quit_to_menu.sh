#!/usr/bin/env bash
# A game started from the main menu and left through the in-game menu: the
# intro skipped at once, Escape in flight opens the in-game menu, "Quit game"
# asks for confirmation, Yes returns to the main menu's title view, and
# "Quit Program" ends the program.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

# The title picture in the main menu's view, on the 1280 x 1024 screen.
title_picture() { region_colour "$1" 400x300+700+400; }
flight_shown() { is_lit "$1" 0.05; }
title_view_again() { [ "$(title_picture "$1")" = "$title_before" ]; }

start_to_menu game_menu_before
sleep 1
screenshot game_menu_before
title_before=$(title_picture game_menu_before)

# "New Game", a name, and a key as soon as the intro starts.
click_at "$window" 133 122
wait_for_picture game_name_entry dialog_shown || fail "no name entry dialog"
xdotool windowfocus "$window"
xdotool type --delay 120 "Rook 7"
press_key Return
skip_intro game_intro
wait_for_picture game_flight flight_shown 15 || fail "the flight did not start"
sleep 1

# Escape opens the in-game menu after a short fade.
xdotool key Escape
wait_for_picture game_in_game_menu menu_shown || fail "no in-game menu"
sleep 1

# "Quit game" at (18, 495) in its root panel at (25, 25), then "Yes".
click_at "$window" 133 537
wait_for_picture game_confirm_quit dialog_shown || fail "no confirmation"
click_at "$window" 305 342
wait_for_picture game_menu_after title_view_again ||
    fail "the main menu did not come back to its title view ($(title_picture game_menu_after) against $title_before)"
echo "title picture before the game and after: $title_before"

click_at "$window" 133 537
wait_for_exit 5 || fail "the game did not end within 5 seconds of Quit Program"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "quit with exit code 0"
