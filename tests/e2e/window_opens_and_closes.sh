#!/usr/bin/env bash
# The game's window appears with its title, asks about full screen, shows the
# start menu in an 800 x 600 window when answered No, and closing the window
# ends the game cleanly and at once.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
answer_question "$question" Escape
sleep 2
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Geometry: 800x600" || fail "client area is not 800 x 600"
screenshot window_opens
lit=$(lit_fraction window_opens)
echo "lit fraction: $lit"
awk -v f="$lit" 'BEGIN { exit !(f > 0.01) }' || fail "the window shows nothing"

close_window "$window"
wait_for_exit 2 || fail "the game did not end within 2 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "closed with exit code 0"
