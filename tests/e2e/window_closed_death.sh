#!/usr/bin/env bash
# Closing the window after the player's ship is lost: a saved commander with
# no shield left dies in the first frame of flight, so the death camera and
# its three-second fade follow, then "You have been killed". A close during
# the fade, and one during the message, each end the game at once with exit
# code 0 and the saves untouched.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save "Mira Quell" 0
listing_before=$(save_listing)

start_and_load death_fade
xdotool windowfocus "$window"
press_key Return
sleep 0.5
screenshot death_fade
dialog_shown death_fade && fail "a message already stands over the death camera"
close_and_expect_clean_exit "the death fade"

start_and_load death_message
xdotool windowfocus "$window"
press_key Return
sleep 1
wait_for_picture death_message dialog_shown || fail "no message after the death fade"
close_and_expect_clean_exit '"You have been killed"'
