#!/usr/bin/env bash
# Closing the window while the dock menu asks whether to overwrite a save:
# docked after loading slot 1, "Save" on that same slot asks first, and the
# close answers nothing: the game ends at once with exit code 0 and slot 1
# as it was.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save
listing_before=$(save_listing)

start_and_load overwrite
dock_loaded_game
# "Save game", then slot 1's "Save".
click_at "$window" 133 497
click_at "$window" 681 113
wait_for_picture overwrite_question dialog_shown || fail "no question before overwriting slot 1"
close_and_expect_clean_exit "the save-overwrite question"
