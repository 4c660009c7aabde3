#!/usr/bin/env bash
# Full screen under a window manager (openbox), as on a desktop: Yes to the
# start-up question gives a window covering the whole screen with the main
# menu whole in it, and New Game answers a click where the menu shows it.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

start_openbox openbox
trap 'kill "$wm_pid" 2>/dev/null' EXIT

start_to_menu fullscreen_menu Return
sleep 2
screenshot fullscreen_menu
xwininfo -id "$window" > "$out_dir/fullscreen_window.txt"
grep -E 'Absolute|Width|Height' "$out_dir/fullscreen_window.txt"
grep -q 'Absolute upper-left X:  0$' "$out_dir/fullscreen_window.txt" || fail "the window does not start at the left edge"
grep -q 'Absolute upper-left Y:  0$' "$out_dir/fullscreen_window.txt" || fail "the window does not start at the top edge"
grep -q 'Width: 1280$' "$out_dir/fullscreen_window.txt" || fail "the window is not as wide as the screen"
grep -q 'Height: 1024$' "$out_dir/fullscreen_window.txt" || fail "the window is not as high as the screen"

# The virtual 800 x 600 space grows by min(1280 / 800, 1024 / 600) = 1.6 to
# 800 x 640, so the 750 x 550 menu is drawn whole as a lit box of 1200 x 880,
# centred: at (25, 45) virtual, (40, 72) on the screen, however late the
# window manager's resize arrives.
box=$(convert "$out_dir/fullscreen_menu.png" -colorspace Gray -threshold 5% -format '%@' info:)
echo "lit box of the menu: $box"
[[ "$box" =~ ^1200x880\+([0-9]+)\+([0-9]+)$ ]] || fail "the menu is not drawn whole at 1.6 times its size"
left=${BASH_REMATCH[1]}
top=${BASH_REMATCH[2]}
[ "$left" = 40 ] && [ "$top" = 72 ] || fail "the menu is not centred in the screen"

# New Game, centred at (18 + 90, 80 + 17) in the menu, opens the name entry.
click_at "$window" $((left + 108 * 16 / 10)) $((top + 97 * 16 / 10))
wait_for_picture fullscreen_name dialog_shown || fail "New Game did not answer its click"
echo "New Game opened the name entry"
close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "closed with exit code 0"
