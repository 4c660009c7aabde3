#!/usr/bin/env bash
# Flight to trade to file to another star: a hand-written save is loaded, the
# ship is flown into the station's docking bay with the mouse, one unit of
# Foodstuffs is bought in the dock menu and the game is saved into an empty
# slot, whose new file holds the trade. Then launch, jump by hyperspace from
# the galaxy map, and find a second jump refused until the next docking.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

write_start_save

start_to_menu dock_menu
# "Load Game", then slot 1's "Load"; Enter closes "Load successful.".
click_at "$window" 133 162
click_at "$window" 681 113
wait_for_picture dock_loaded dialog_shown || fail "no message after loading"
xdotool windowfocus "$window"
press_key Return
sleep 2
# The Enter that closed the message also throttled up: Shift brings the ship to rest.
hold_key shift 1
eval "$(xdotool getwindowgeometry --shell "$window")"
"$(dirname "$0")/fly_into_bay.py" "$window" "$X" "$Y" "$out_dir" || fail "the ship did not dock"
sleep 1
screenshot dock_trade

# Foodstuffs, row 0 of the buy table at client (261, 113): 20 in stock at a
# base price of 25 cost 25 x (1 + 80 x 0.15 / 100) = 28.
click_at "$window" 300 149
sleep 0.5
screenshot dock_bought
# "Save game", then slot 2's "Save"; Enter closes "Save successful.".
click_at "$window" 133 497
click_at "$window" 681 193
wait_for_picture dock_saved dialog_shown || fail "no message after saving"
xdotool windowfocus "$window"
press_key Return
sleep 0.5
screenshot dock_save_view

[ -f "$saves/save2.sav" ] || fail "no file in slot 2"
"$(dirname "$0")/save_file.py" show "$saves/save2.sav" >"$out_dir/dock_save2.txt"
cat "$out_dir/dock_save2.txt"
expect_field() {
    grep -qx "$1" "$out_dir/dock_save2.txt" || fail "slot 2 lacks \"$1\""
}
expect_field "size 5746"
expect_field "signature True"
expect_field "system Viovio"
expect_field "commander Mira Quell"
expect_field "credits 98737.50"
expect_field "kills 3"
expect_field "class 3"
expect_field "missiles 2"
expect_field "emp 1"
expect_field "cargo 5 0 0 3 0 0 0 1"
expect_field "cell $cell_x $cell_y"
expect_field "stock 19 21 22 23 24 25 26 27"

# "Launch ship" back into flight.
click_at "$window" 133 537
wait_for_picture dock_launched "is_lit dock_launched 0.05" 15 || fail "no flight after launching"

# Escape, then a jump on the in-flight galaxy map: Viovio sits at client
# (503, 252); Copit, one cell right and one up, at (570, 184) by the two
# systems' offsets. The tunnel fills the view for a second and a half.
star_at() { awk -v l="$(region_colour "$1" "3x3+$((240 + $2 - 1))+$((212 + $3 - 1))" | awk '{ print $1 + $2 + $3 }')" 'BEGIN { exit !(l > 450) }'; }
xdotool key Escape
wait_for_picture dock_map_before "is_lit dock_map_before 0.2" || fail "no in-game menu"
sleep 1
screenshot dock_map_before
star_at dock_map_before 570 184 || fail "no star where Copit should be"
star_at dock_map_before 436 320 && fail "a star already where Viovio will be"
click_at "$window" 570 184
for i in 1 2 3 4 5 6; do screenshot "dock_jump_$i"; done
tunnel=no
for i in 1 2 3 4 5 6; do
    lit=$(lit_fraction "dock_jump_$i")
    echo "jump picture $i: lit fraction $lit"
    awk -v f="$lit" 'BEGIN { exit !(f > 0.3) }' && tunnel=yes
done
[ "$tunnel" = yes ] || fail "no picture of the tunnel filling the view"
# An Escape pressed while a slow machine still builds the new system's sky is
# not seen by the flight, so it is pressed again until the menu comes.
sleep 3
menu_after_jump=no
for _ in 1 2 3 4; do
    xdotool key Escape
    wait_for_picture dock_map_after "is_lit dock_map_after 0.2" 8 && { menu_after_jump=yes; break; }
done
[ "$menu_after_jump" = yes ] || fail "no in-game menu after the jump"
sleep 1
screenshot dock_map_after
star_at dock_map_after 503 252 || fail "no star in the middle of the map after the jump"
star_at dock_map_after 436 320 || fail "the map is not centred on Copit after the jump"

# A second jump without docking is refused.
click_at "$window" 436 320
wait_for_picture dock_no_fuel dialog_shown || fail "no refusal of a second jump"
xdotool windowfocus "$window"
press_key Return

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "docked, bought, saved the trade, jumped once and was refused a second jump; exit code 0"
