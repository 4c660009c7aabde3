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
# The refusal's title, pale yellow, 64 below the top of the view and centred.
message_region=336x16+472+276
# "COLLISION", red, 88 above the bottom of the view and centred.
warning_region=144x16+568+724
message_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" "$message_region")"
    [ "$r" -gt 40 ] && [ "$g" -gt 40 ] && [ "$r" -gt $((b + 15)) ]
}
warning_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" "${2:-$warning_region}")"
    [ "$r" -gt 60 ] && [ "$r" -gt $((g + 40)) ] && [ "$r" -gt $((b + 40)) ]
}

start_new_game_with_assists assists
sleep 1

# The new ship carries no missiles and has the station ahead as its target.
screenshot assists_before_refusal
message_shown assists_before_refusal && fail "text where the refusal will show, before Backspace"
press_key BackSpace
wait_for_picture assists_refusal message_shown 3 || fail "no refusal over the flight after Backspace"
echo "refusal region: $(region_colour assists_refusal "$message_region")"
dialog_shown assists_refusal && fail "Backspace opened a dialog"
sleep 2
wait_until_gone assists_refusal_gone message_shown 1 || fail "the refusal was still shown after two seconds"

# The hull gauge's blue bar, right of the console: it shrinks when the ship
# strikes something.
hull() { region_colour "$1" "${2:-32x48+752+756}" | awk '{ print $3 }'; }
# The warning's region and the hull gauge alone, 216 x 80 from (568, 724),
# where the warning lies at +0+0 and the gauge at +184+32: grabbed quickly
# enough to look at the two-second warning several times on slow frames.
grab_strike() { import -window root -crop 216x80+568+724 +repage "$out_dir/$1.png"; }
strike_warning() { warning_shown "$1" 144x16+0+0; }
strike_hull() { hull "$1" 32x48+184+32; }
hull_before=$(hull assists_refusal_gone)

# Full throttle; the throttle stays where it was set. The station rolls, so
# whether this line of flight meets its hull or passes through the opening of
# its bay depends on when the ship arrives; a slow machine's long steps may
# also carry the ship through a wall. So the warning is required before a
# strike, and a pass without one ends the script.
hold_key Return 3
found=""
deadline=$(($(date +%s) + 20 * patience))
while [ "$(date +%s)" -lt "$deadline" ] && game_running; do
    grab_strike assists_collision_strike
    if strike_warning assists_collision_strike; then found=yes; break; fi
    if [ "$(strike_hull assists_collision_strike)" -lt $((hull_before - 20)) ]; then break; fi
done
screenshot assists_collision
echo "hull gauge blue: $hull_before before, $(strike_hull assists_collision_strike) at the last look"
if [ -n "$found" ]; then
    echo "collision region: $(region_colour assists_collision_strike 144x16+0+0)"
elif [ "$(strike_hull assists_collision_strike)" -lt $((hull_before - 20)) ]; then
    fail "the ship struck the station without a COLLISION warning"
else
    echo "the ship passed the station without striking it: no warning was due"
fi

close_window "$window"
wait_for_exit 5 || fail "the game did not end after its window closed"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
