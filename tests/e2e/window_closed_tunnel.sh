#!/usr/bin/env bash
# Closing the window during a hyperspace jump: once while the tunnel fills the
# view, once as it ends and the "Loading.." frame and the new system follow.
# Each close ends the game within 5 seconds with exit code 0 and the saves
# untouched.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save
listing_before=$(save_listing)

# From flight, Escape opens the galaxy map centred on Viovio; Copit, one cell
# right and one up, stands at client (570, 184). A press on it starts the
# jump, whose tunnel lasts a second and a half.
jump_to_copit() {
    start_and_load "$1"
    fly_loaded_game
    xdotool key Escape
    wait_for_picture "$1_map" "is_lit $1_map 0.2" || fail "no in-game menu"
    sleep 1
    xdotool mousemove --window "$window" 570 184
    sleep 0.3
    xdotool mousedown 1
    xdotool mouseup 1
}

# The close follows the press in the window's queue and comes a second
# before the tunnel can end, so the tunnel's own loop receives it.
jump_to_copit tunnel
sleep 0.5
close_and_expect_clean_exit "the hyperspace tunnel"

# The tunnel ends 1.5 s after the press; "Loading.." then stands on black
# for about a second while the new system is built.
jump_to_copit loading
sleep 1.7
close_and_expect_clean_exit "the \"Loading..\" frame after the tunnel"
