#!/usr/bin/env bash
# From start to flight: the full-screen question answered No, the main menu,
# "New Game" asking the commander's name, the intro (title card, then the
# story crawl, skipped by a key), the flight, and closing the window.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
screenshot startup_question
answer_question "$question" Escape
sleep 2

# No keeps the 800 x 600 client area centred on the 1280 x 1024 screen.
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Geometry: 800x600" || fail "client area is not 800 x 600"
echo "$geometry" | grep -q "Position: 240,212" || fail "window is not centred"
screenshot startup_menu
expect_lit startup_menu 0.2

# "New Game" at (18, 80) in the root panel, which sits at (25, 25).
click_at "$window" 133 122
sleep 1
screenshot startup_name_entry
body=$(region_colour startup_name_entry 150x10+380+530)
echo "name entry body: $body"
read -r r g b <<<"$body"
[ "$r" -gt 170 ] && [ "$g" -gt 170 ] && [ "$b" -gt 170 ] || fail "no name entry dialog (body $body)"

xdotool windowfocus "$window"
xdotool type --delay 120 "Ada Vance"
press_key Return

# The title card: about 2 s in, the title is growing in the middle of the stars.
sleep 2
screenshot startup_intro_title
title=$(region_colour startup_intro_title 300x40+490+492)
echo "title region: $title"
read -r r g b <<<"$title"
[ "$r" -gt 20 ] || fail "no title in the middle of the intro (region $title)"
expect_lit startup_intro_title 0.0005

# The crawl: yellow text in the lower half of the window.
sleep 6
screenshot startup_intro_crawl
crawl=$(region_colour startup_intro_crawl 600x250+340+550)
echo "crawl region: $crawl"
read -r r g b <<<"$crawl"
[ "$r" -gt $((b + 5)) ] && [ "$g" -gt $((b + 5)) ] || fail "no yellow story text (region $crawl)"

# One key skips the rest; the fade and the loading frame follow, then the flight.
xdotool key space
sleep 6
screenshot startup_flight
expect_lit startup_flight 0.05

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "closed with exit code 0"
