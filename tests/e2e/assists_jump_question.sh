#!/usr/bin/env bash
# With the flight assists on, clicking a star in range on the in-flight
# galaxy map asks "Jump to <name>?" first: "No" leaves the ship where it is
# with the map still open, "Yes" makes the jump.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"
. "$(dirname "$0")/assists_helpers.bash"

# The question's upper line, "Jump to Copit?" (14 glyphs of 8 pixels), centred
# 51 below the dialog box's top edge at client y 225; the box spans client x
# 100 to 700 and its "No" button's middle is at client (495, 342).
question_line=112x8+584+484
flight_shown() { ! is_lit "$1" 0.2 && is_lit "$1" 0.02; }
question_shown() { dialog_shown "$1" && text_line_in_box "$1" "$question_line"; }

write_assists_settings
write_start_save
start_and_load assists_jump
fly_loaded_game

# Escape opens the galaxy map centred on Viovio; Copit, one cell right and one
# up, stands at client (570, 184).
xdotool key Escape
wait_for_picture assists_jump_map menu_shown || fail "no in-game menu"
sleep 1
click_at "$window" 570 184
wait_for_picture assists_jump_question question_shown || fail "no question before the jump"
echo "question line brightness: $(region_brightness assists_jump_question "$question_line")"

click_at "$window" 495 342
wait_until_gone assists_jump_declined dialog_shown 2 || fail "the question stayed after No"
menu_shown assists_jump_declined || fail "No closed the galaxy map"

# Asked again and answered "Yes" (its middle at client (305, 342)): the tunnel,
# then the flight in Copit.
click_at "$window" 570 184
wait_for_picture assists_jump_again question_shown || fail "no question at the second click"
click_at "$window" 305 342
wait_for_picture assists_jump_done flight_shown 15 || fail "no flight after the jump"

close_window "$window"
wait_for_exit 5 || fail "the game did not end after its window closed"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
