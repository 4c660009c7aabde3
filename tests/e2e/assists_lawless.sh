#!/usr/bin/env bash
# The flight assists' scanner in a lawless system: a saved game jumps from
# Viovio to Elmin (danger 5) with a hold worth robbing, so that computer ships
# spawn there; they show as red blips on the scanner. Their lasers reach any
# distance, and the ship arrives 32 km out where they start 16 km off the
# station heading away: so all sixteen spawn, some of them within the
# scanner's 25 km, and the ship flies at the station, into their midst,
# before one of them can shoot it down.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"
. "$(dirname "$0")/assists_helpers.bash"

# 22 jewellery, worth 6600: (6600 + 500) x 0.00016666666 x (5 x 0.2) x 0.85
# is 1.006, above every draw, so each of the 16 slots spawns a ship. Each
# starts within 25 km of the ship with a chance of one in four, so that none
# does is a chance in two hundred.
write_start_save "Mira Quell" 500 0,0,0,0,0,0,0,22
write_assists_settings

# Red pixels of the scanner's glass (client 48..192, 444..588) in picture $1.
scanner_red() {
    convert "$out_dir/$1.png" -crop "144x144+$((X + 48))+$((Y + 444))" +repage \
        -fx '(r > 0.8 && g < 0.35 && b < 0.35) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}
hostiles_shown() { [ "$(scanner_red "$1")" -gt 8 ]; }
hostiles_or_death() { hostiles_shown "$1" || dialog_shown "$1"; }

start_and_load assists_lawless
fly_loaded_game
eval "$(xdotool getwindowgeometry --shell "$window")"

# Escape opens the galaxy map centred on Viovio at client (503, 252); Elmin
# is two cells left and one down, offset (26, 36) against Viovio's (32, 30).
xdotool key Escape
wait_for_picture assists_lawless_map "is_lit assists_lawless_map 0.2" || fail "no galaxy map"
sleep 1
xdotool mousemove --window "$window" 369 322
sleep 0.3
xdotool mousedown 1
xdotool mouseup 1
sleep 1
# Asked first whether to jump: "Yes", its middle at client (305, 342).
wait_for_picture assists_lawless_question dialog_shown || fail "no question before the jump"
click_at "$window" 305 342
wait_for_picture assists_lawless_arrival "is_lit assists_lawless_arrival 0.05" 15 || fail "no flight after the jump"
wait_for_picture assists_lawless_arrived console_shown 15 || fail "no console after the jump"
echo "red on the scanner on arrival: $(scanner_red assists_lawless_arrived)"
hold_key Return 1

wait_for_picture assists_lawless_scanner hostiles_or_death 30 || fail "no red blips on the scanner in $((30 * patience)) s"
dialog_shown assists_lawless_scanner && fail "the ship was destroyed before any computer ship came within 25 km"
echo "red on the scanner: $(scanner_red assists_lawless_scanner)"

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "computer ships shown red on the scanner in Elmin"
