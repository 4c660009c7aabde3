#!/usr/bin/env bash
# A new pilot's first flight with the flight assists on. Backspace without
# missiles says so over the flight for two seconds instead of pausing it in a
# dialog; flying at the station flashes "COLLISION" in red above the console
# before the impact.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/assists_helpers.bash"

# The 800 x 600 client area sits at (240, 212) on the 1280 x 1024 screen.
menu_shown() { is_lit "$1" 0.2; }
flight_shown() { is_lit "$1" 0.05; }
# The refusal's title, pale yellow, 64 below the top of the view and centred.
message_region=336x16+472+276
# "COLLISION", red, 88 above the bottom of the view and centred.
warning_region=144x16+568+724
message_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" "$message_region")"
    [ "$r" -gt 40 ] && [ "$g" -gt 40 ] && [ "$r" -gt $((b + 15)) ]
}
# The console along the bottom of the view: its grey buttons, where the intro
# is black.
console_shown() { [ "$(region_brightness "$1" 200x20+540+785)" -gt 40 ]; }
# The intro's title card or its yellow story crawl.
intro_shown() {
    local r g b
    intro_title_shown "$1" && return 0
    read -r r g b <<<"$(region_colour "$1" 600x400+340+200)"
    [ "$r" -gt $((b + 5)) ] && [ "$g" -gt $((b + 5)) ]
}
warning_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" "$warning_region")"
    [ "$r" -gt 60 ] && [ "$r" -gt $((g + 40)) ] && [ "$r" -gt $((b + 40)) ]
}

write_assists_settings
start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
answer_question "$question" Escape
wait_for_picture assists_menu menu_shown || fail "no main menu"
click_at "$window" 133 122
wait_for_picture assists_name_entry dialog_shown || fail "no name entry dialog"
xdotool windowfocus "$window"
xdotool type --delay 60 "Ada Vance"
press_key Return
# A key skips the intro; on a slow machine it may be over before a picture
# shows it.
for _ in $(seq 80); do
    screenshot assists_intro
    console_shown assists_intro && break
    intro_shown assists_intro && xdotool key space
    game_running || fail "the game ended during the intro"
    sleep 0.5
done
wait_for_picture assists_flight console_shown 15 || fail "the flight did not start"
sleep 1

# The new ship carries no missiles and has the station ahead as its target.
screenshot assists_before_refusal
message_shown assists_before_refusal && fail "text where the refusal will show, before Backspace"
press_key BackSpace
wait_for_picture assists_refusal message_shown 3 || fail "no refusal over the flight after Backspace"
echo "refusal region: $(region_colour assists_refusal "$message_region")"
dialog_shown assists_refusal && fail "Backspace opened a dialog"
sleep 2.5
screenshot assists_refusal_gone
message_shown assists_refusal_gone && fail "the refusal was still shown after two seconds"

# Enter held briefly, then let go: the throttle stays where it was set.
hold_key Return 0.8
found=""
deadline=$(($(date +%s) + 60))
while [ "$(date +%s)" -lt "$deadline" ] && game_running; do
    screenshot assists_collision
    if warning_shown assists_collision; then found=yes; break; fi
done
[ -n "$found" ] || fail "no COLLISION warning on the way into the station"
echo "collision region: $(region_colour assists_collision "$warning_region")"

close_window "$window"
wait_for_exit 5 || fail "the game did not end after its window closed"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
