#!/usr/bin/env bash
# Closing the window during a hyperspace jump: once while the tunnel fills the
# view, once as it ends and the "Loading.." frame and the new system follow.
# Each close ends the game within 5 seconds with exit code 0 and the saves
# untouched.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save
listing_before=$(save_listing)

# From flight, Escape opens the galaxy map centred on Viovio; Copit, one cell
# right and one up, stands at client (570, 184). A press on it starts the
# jump, whose tunnel lasts a second and a half.
jump_to_copit() {
    start_and_load "$1"
    fly_loaded_game
    xdotool key Escape
    wait_for_picture "$1_map" "is_lit $1_map 0.2" || fail "no in-game menu"
    sleep 1
    xdotool mousemove --window "$window" 570 184
    sleep 0.3
    xdotool mousedown 1
    xdotool mouseup 1
}

# Lit fractions of the client area, from a quick picture: the tunnel lights
# all of it, "Loading.." a few thousandths, all inside the text's box.
client_lit() {
    import -window root -crop 800x600+240+212 +repage miff:- |
        convert - -colorspace Gray -threshold 2% \( +clone -crop 200x40+300+280 +repage \) \
            -format '%[fx:mean] ' info:
}

# The close follows the press in the window's queue and one quick picture,
# well before the tunnel's second and a half are over.
jump_to_copit tunnel
pressed_at=$(date +%s%N)
sleep 0.2
read -r lit _ <<<"$(client_lit)"
close_and_expect_clean_exit "the hyperspace tunnel, $((($(date +%s%N) - pressed_at) / 1000000)) ms after the press"
awk -v f="$lit" 'BEGIN { exit !(f > 0.5) }' || fail "no tunnel filled the view before the close (lit fraction $lit)"

# After the tunnel "Loading.." stands alone on black for half a second or so
# while the new system is built. Quick pictures are taken for four seconds
# after the press, and the close follows the first one of "Loading.." at
# once. When the pictures missed it, the close is still checked and the jump
# made again.
loading_shown() {
    local all text
    read -r all text <<<"$(client_lit)"
    awk -v a="$all" -v t="$text" 'BEGIN { exit !(a > 0.0003 && a < 0.02 && a * 480000 <= t * 8000 * 1.05) }'
}
for attempt in 1 2 3 4 5; do
    jump_to_copit "loading_$attempt"
    shown=no
    until_time=$(($(date +%s%N) + 4000000000))
    while [ "$(date +%s%N)" -lt "$until_time" ]; do
        loading_shown && { shown=yes; break; }
    done
    if [ "$shown" = yes ]; then
        close_and_expect_clean_exit "the \"Loading..\" frame after the tunnel"
        exit 0
    fi
    echo "attempt $attempt: no picture of the \"Loading..\" frame"
    close_and_expect_clean_exit "flight after a jump"
done
fail "no picture of the \"Loading..\" frame in five jumps"
