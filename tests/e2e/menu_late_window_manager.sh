#!/usr/bin/env bash
# A window manager slow to answer (a busy desktop): the game's window becomes
# full screen only after the main menu was laid out, and the menu moves to
# the middle of the screen then. The window manager is held stopped while
# the game asks for full screen, and let go once the menu shows.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

start_openbox late_openbox
trap 'kill -CONT "$wm_pid" 2>/dev/null; kill "$wm_pid" 2>/dev/null' EXIT
start_game
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
for _ in $(seq 50); do
    xwininfo -id "$question" | grep -q IsViewable && break
    sleep 0.1
done
kill -STOP "$wm_pid"
answer_question "$question" Return
wait_for_picture late_menu_before menu_shown 15 || fail "no main menu"
sleep 1
kill -CONT "$wm_pid"
sleep 3
screenshot late_menu
xwininfo -id "$window" | grep -E 'Width|Height'
xwininfo -id "$window" | grep -q 'Width: 1280$' || fail "the window manager did not make the window full screen"

# Scale 1.6, virtual size 800 x 640: the 750 x 550 menu at (25, 45) virtual
# is a lit box of 1200 x 880 at (40, 72) on the screen.
box=$(convert "$out_dir/late_menu.png" -colorspace Gray -threshold 5% -format '%@' info:)
echo "lit box of the menu after the late resize: $box"
[ "$box" = 1200x880+40+72 ] || fail "the menu is not centred in the resized window"

# New Game, centred at (18 + 90, 80 + 17) in the menu, answers where it shows.
click_at "$window" $((40 + 108 * 16 / 10)) $((72 + 97 * 16 / 10))
wait_for_picture late_name dialog_shown || fail "New Game did not answer its click"
echo "New Game opened the name entry"
close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "closed with exit code 0"
