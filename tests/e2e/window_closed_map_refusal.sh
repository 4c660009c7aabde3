#!/usr/bin/env bash
# Closing the window while "Unable to travel" stands over the in-flight galaxy
# map: clicking the star the ship is already at refuses the jump, and the
# close ends the game at once with exit code 0 and the saves untouched.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save
listing_before=$(save_listing)

start_and_load map_refusal
fly_loaded_game
# Escape opens the in-game menu on its galaxy map, centred on Viovio at
# client (503, 252).
xdotool key Escape
wait_for_picture map_refusal_map "is_lit map_refusal_map 0.2" || fail "no in-game menu"
sleep 1
click_at "$window" 503 252
wait_for_picture map_refusal_message dialog_shown || fail "no refusal of a jump to the current system"
close_and_expect_clean_exit '"Unable to travel" over the galaxy map'
