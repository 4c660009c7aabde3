#!/usr/bin/env bash
# From start to flight: the full-screen question answered No, the main menu,
# "New Game" asking the commander's name, the intro (title card, then the
# story crawl, skipped by a key), the flight, and closing the window.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

# Checks on screenshots of the 1280 x 1024 screen, the window centred on it.
story_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" 600x250+340+550)"
    [ "$r" -gt $((b + 5)) ] && [ "$g" -gt $((b + 5)) ]
}
flight_shown() { is_lit "$1" 0.05; }

start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
screenshot startup_question
answer_question "$question" Escape

wait_for_picture startup_menu menu_shown || fail "no main menu"
# No keeps the 800 x 600 client area centred on the screen.
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Geometry: 800x600" || fail "client area is not 800 x 600"
echo "$geometry" | grep -q "Position: 240,212" || fail "window is not centred"

# "New Game" at (18, 80) in the root panel, which sits at (25, 25).
click_at "$window" 133 122
wait_for_picture startup_name_entry dialog_shown || fail "no name entry dialog"

xdotool windowfocus "$window"
xdotool type --delay 120 "Ada Vance"
press_key Return

# The title card grows in the middle of the stars, white on black; then the
# story crawls in yellow from the bottom.
wait_for_picture startup_intro_title intro_title_shown 8 || fail "no title in the middle of the intro"
echo "title region: $(region_colour startup_intro_title 300x40+490+492)"
wait_for_picture startup_intro_crawl story_shown 20 || fail "no yellow story text"
echo "crawl region: $(region_colour startup_intro_crawl 600x250+340+550)"

# One key skips the rest; the fade and the loading frame follow, then the flight.
xdotool key space
wait_for_picture startup_flight flight_shown 15 || fail "the flight did not start"
echo "flight lit fraction: $(lit_fraction startup_flight)"

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "closed with exit code 0"
