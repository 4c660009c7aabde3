#!/usr/bin/env bash
# A game started from the main menu and left through the in-game menu: the
# intro skipped at once, Escape in flight opens the in-game menu, "Quit game"
# asks for confirmation, Yes returns to the main menu's title view, and
# "Quit Program" ends the program.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
answer_question "$question" Escape
sleep 2
screenshot game_menu_before
title_before=$(region_colour game_menu_before 400x300+700+400)

# "New Game", a name, and a key as soon as the intro starts.
click_at "$window" 133 122
sleep 1
xdotool windowfocus "$window"
xdotool type --delay 120 "Rook 7"
press_key Return
sleep 1
xdotool key space
sleep 5
screenshot game_flight
expect_lit game_flight 0.05

# Escape opens the in-game menu after a short fade.
xdotool key Escape
sleep 2
screenshot game_in_game_menu
expect_lit game_in_game_menu 0.2

# "Quit game" at (18, 495) in its root panel at (25, 25), then "Yes".
click_at "$window" 133 537
sleep 1
screenshot game_confirm_quit
click_at "$window" 305 342
sleep 2
screenshot game_menu_after
title_after=$(region_colour game_menu_after 400x300+700+400)
echo "title picture before the game: $title_before, after: $title_after"
[ "$title_before" = "$title_after" ] || fail "the main menu did not come back to its title view"

click_at "$window" 133 537
wait_for_exit 5 || fail "the game did not end within 5 seconds of Quit Program"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "quit with exit code 0"
