#!/usr/bin/env bash
# Plays the game under the Xvfb that scripts/screenshots starts and keeps the
# pictures of the tour in $2: the cockpit on the way into the station, the
# dock's trade view and the galaxy map with a star's information. Uses the
# end-to-end tests' helpers; the commander is the tests' hand-written save.
set -u
e2e="$(cd "$(dirname "$0")/../tests/e2e" && pwd)"
. "$e2e/lib.bash"
. "$e2e/startup_helpers.bash"
shots="$2"
mkdir -p "$shots"
out_dir=$(mktemp -d)
trap 'rm -rf "$out_dir"' EXIT

# The client area of the 800 x 600 window, centred on the 1280 x 1024 screen.
keep() { convert "$out_dir/$1.png" -crop 800x600+240+212 +repage "$shots/$2.png"; }

write_start_save
start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
answer_question "$question" Escape
wait_for_picture menu "is_lit menu 0.2" || fail "no main menu"
click_at "$window" 133 162
click_at "$window" 681 113
wait_for_picture loaded dialog_shown || fail "no message after loading"
xdotool windowfocus "$window"
press_key Return
sleep 2
hold_key shift 1
eval "$(xdotool getwindowgeometry --shell "$window")"
"$e2e/fly_into_bay.py" "$window" "$X" "$Y" "$out_dir" > "$out_dir/bay.log" || fail "the ship did not dock"
looks=$(sed -n 's/^docked after \([0-9]*\) looks$/\1/p' "$out_dir/bay.log")
# A few looks before the dock menu, the station fills the middle of the view.
approach=$(printf 'bay_%02d' $((looks > 4 ? looks - 4 : 0)))
keep "$approach" cockpit
sleep 1
screenshot trade
keep trade trade

click_at "$window" 133 537
wait_for_picture launched "is_lit launched 0.05" 15 || fail "no flight after launching"
xdotool key Escape
wait_for_picture map "is_lit map 0.2" || fail "no in-game menu"
sleep 1
# Copit, one cell right of and one above the start system, hovered.
xdotool mousemove --window "$window" 570 184
sleep 1
screenshot map
keep map galaxy-map

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
