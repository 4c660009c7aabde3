#!/usr/bin/env bash
# Closing the window while "Load successful." stands over the dock menu, the
# loaded game having just replaced the docked one: the game ends at once with
# exit code 0 and the saves untouched.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save
listing_before=$(save_listing)

start_and_load dock_load
dock_loaded_game
# "Load game", then slot 1's "Load".
click_at "$window" 133 457
click_at "$window" 681 113
wait_for_picture dock_load_message dialog_shown || fail "no message after loading in the dock"
close_and_expect_clean_exit '"Load successful." in the dock'
