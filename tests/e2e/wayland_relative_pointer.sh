#!/usr/bin/env bash
# Natively on Wayland, where the game cannot move the pointer: Weston runs in
# the virtual X server (its X11 backend gives it a mouse and a keyboard, its
# kiosk shell fills its 1024 x 768 output with the game's window) and the game
# talks to it through SDL's Wayland driver. Mouse steering follows the mouse's
# motion: a short drag to the right turns the ship a little to the right and
# the turn stops when the button is let go. Weston's pointer follows the X
# pointer's motion, so the X pointer is first pushed into the top-left corner
# where both agree.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

command -v weston > /dev/null || fail "weston is not installed (scripts/install-deps --test)"
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --shell=kiosk-shell.so --socket=drift-hauler-test --width=1024 --height=768 \
    --use-pixman --idle-time=0 > "$out_dir/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/drift-hauler-test" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/drift-hauler-test" ] || { cat "$out_dir/weston.log"; fail "weston did not start"; }
sleep 2

SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=drift-hauler-test "$game" > "$out_dir/wayland_game.log" 2>&1 &
game_pid=$!

output_shot() {
    import -window root -crop 1024x768+0+0 +repage "$out_dir/$1.png"
}
pointer_to() {
    xdotool mousemove 0 0
    xdotool mousemove_relative -- -2000 -2000
    sleep 0.2
    xdotool mousemove_relative "$1" "$2"
    sleep 0.4
}
# Waits up to $2 seconds for the output's picture $1 to pass check $3.
wait_for_output() {
    for _ in $(seq $(($2 * 2))); do
        output_shot "$1"
        $3 "$1" && return 0
        game_running || return 1
        sleep 0.5
    done
    return 1
}
# The window fills the output at scale 1.28: the menu's New Game button
# (virtual (133, 122)) is grey at (170, 156); the name entry is a light box
# across the middle.
menu_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" 40x6+150+153)"
    [ "$r" -gt 120 ] && [ "$r" = "$g" ]
}
name_entry_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" 100x6+160+420)"
    [ "$r" -gt 170 ] && [ "$g" -gt 170 ] && [ "$b" -gt 170 ]
}
# The left edge of the target's yellow bracket in picture $1, or nothing.
bracket_left() {
    local box
    box=$(convert "$out_dir/$1.png" -crop 1024x600+0+0 +repage -fill black -fuzz 15% +opaque 'rgb(255,190,40)' \
        -format '%@' info: 2>/dev/null)
    [[ "$box" =~ ^[0-9]+x[0-9]+\+([0-9]+)\+[0-9]+$ ]] && [ "${box%%x*}" -gt 40 ] && echo "${BASH_REMATCH[1]}"
}
in_flight() { [ -n "$(bracket_left "$1")" ]; }

wait_for_output wayland_menu 40 menu_shown || fail "no main menu on Wayland"
pointer_to 170 156
xdotool mousedown 1; sleep 0.15; xdotool mouseup 1
wait_for_output wayland_name 10 name_entry_shown || fail "New Game did not open the name entry"
xdotool type --delay 100 Wayfarer
press_key Return
sleep 3
press_key space
wait_for_output wayland_flight 30 in_flight || fail "no flight with the station in sight"
sleep 1
output_shot wayland_before
before=$(bracket_left wayland_before)

pointer_to 512 384
xdotool mousedown 3
sleep 0.3
for _ in $(seq 10); do
    xdotool mousemove_relative 15 0
    sleep 0.05
done
sleep 0.2
xdotool mouseup 3
sleep 5
output_shot wayland_after
after=$(bracket_left wayland_after)
sleep 1
output_shot wayland_later
later=$(bracket_left wayland_later)
echo "the station's bracket at x = $before, after steering $after, a second later $later"
[ -n "$after" ] || fail "the ship turned the station out of sight"
[ $((before - after)) -ge 30 ] && [ $((before - after)) -le 400 ] \
    || fail "150 pixels of motion to the right did not turn the ship a little to the right"
# The turn rate has died away by then.
[ $((after - later)) -le 2 ] && [ $((later - after)) -le 2 ] || fail "the ship still turns after the button was let go"

kill -TERM "$game_pid"
wait_for_exit 5 || fail "the game did not end within 5 seconds of SIGTERM"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "ended with exit code 0"
