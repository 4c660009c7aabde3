#!/usr/bin/env bash
# The flight assists by the station: a saved game loads at rest on the bay's
# axis, 3.8 km out and facing away. The scanner shows the station astern, the
# readout above it the bay's distance and the advised speed; turned a little
# to the left, an arrow on the left edge points back at the station; turned
# round to face it, the corridor's gates stand nested in the middle of the view.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"
. "$(dirname "$0")/assists_helpers.bash"

write_start_save
write_assists_settings
listing_before=$(save_listing)

# Region WxH+X+Y of the client area, on the screen.
client_crop() {
    local size="${1%%+*}" rest="${1#*+}"
    echo "$size+$((X + ${rest%%+*}))+$((Y + ${rest#*+}))"
}
# Pixels of client region $2 of picture $1 within $4 of colour $3.
count_colour() {
    convert "$out_dir/$1.png" -crop "$(client_crop "$2")" +repage -fuzz "$4" -fill white -opaque "$3" \
        -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}
# Pixels of client region $2 of picture $1 brighter than $3 (grey level).
count_brighter() {
    convert "$out_dir/$1.png" -crop "$(client_crop "$2")" +repage -colorspace Gray -threshold "$3" \
        -format '%[fx:round(mean*w*h)]' info:
}
white() { count_colour "$1" "$2" white 20%; }
corridor_green() { count_colour "$1" "$2" 'rgb(51,255,76)' 10%; }
# The station's bearing from the nose in radians, right positive, from the
# middle of its white blip on the scanner: centre at client (120, 516), ahead
# up and squeezed to half. The square read lies inside the dark glass, so no
# star shows in it; within 10 km the blip stays within 43 units of the centre.
station_bearing() {
    local x y w h
    read -r x y w h <<<"$(convert "$out_dir/$1.png" -crop "$(client_crop 100x100+70+466)" +repage -fuzz 20% \
        -fill white -opaque white -fill black +opaque white -trim -format '%X %Y %w %h' info: | tr -d +)"
    [ "$w" -ge 4 ] && [ "$w" -le 12 ] || return 1
    awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" \
        'BEGIN { printf "%.2f", atan2(x + w / 2 - 50, -2 * (y + h / 2 - 50)) }'
}

start_and_load assists_station
fly_loaded_game
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 1

# The scanner left of the console, its centre at client (120, 516); the
# station 3.8 km astern plots sqrt(3.8 / 25) x 34 units below it.
astern_shown() {
    scanner_lit=$(count_brighter "$1" 140x140+50+446 1%)
    station_blip=$(white "$1" 12x12+114+523)
    readout=$(count_brighter "$1" 160x26+44+408 20%)
    [ "$scanner_lit" -gt 15000 ] && [ "$station_blip" -gt 8 ] && [ "$readout" -gt 150 ]
}
wait_for_picture assists_station_astern astern_shown 5
echo "scanner: $scanner_lit lit pixels, station blip $station_blip white; readout $readout lit"
[ "$scanner_lit" -gt 15000 ] || fail "no scanner left of the console"
[ "$station_blip" -gt 8 ] || fail "no white station blip astern on the scanner"
[ "$readout" -gt 150 ] || fail "no bay distance and advised speed above the scanner"

# The station's bearing once the turn has died away: two pictures a second
# apart agree within 0.05 rad (slow frames let a turn run on for longer).
settled_bearing() {
    local before now
    screenshot assists_station_arrow
    now=$(station_bearing assists_station_arrow) || return 1
    for _ in $(seq $((4 * patience))); do
        sleep 1
        before=$now
        screenshot assists_station_arrow
        now=$(station_bearing assists_station_arrow) || return 1
        awk -v a="$before" -v b="$now" 'BEGIN { exit !(a - b < 0.05 && b - a < 0.05) }' && break
    done
    echo "$now"
}

# A turns the nose left, 1.5 rad per second held: the station, astern, comes
# round behind the left shoulder. Slow frames turn less, so the turn goes on
# in small steps until the arrow shows.
hold_key a 0.8
for step in $(seq 8); do
    sleep 1.5
    screenshot assists_station_arrow
    left=$(white assists_station_arrow 60x320+0+100)
    right=$(white assists_station_arrow 60x320+740+100)
    echo "white arrow pixels: left edge $left, right edge $right"
    [ "$left" -gt 60 ] && break
    [ "$step" = 8 ] && fail "no arrow at the left edge towards the station"
    hold_key a 0.3
done

# Round to face the station, steered by its blip on the scanner; each step
# turns by half the bearing, as a key held late under load overshoots.
for step in $(seq 10); do
    bearing=$(settled_bearing) || fail "no station blip on the scanner"
    echo "station bearing $bearing rad"
    awk -v b="$bearing" 'BEGIN { exit !(b > -0.2 && b < 0.2) }' && break
    [ "$step" = 10 ] && fail "the station could not be brought ahead"
    key=$(awk -v b="$bearing" 'BEGIN { print (b > 0 ? "d" : "a") }')
    hold_key "$key" "$(awk -v b="$bearing" 'BEGIN { b = b < 0 ? -b : b; printf "%.2f", (b > 2.2 ? 2.2 : b) * 0.5 / 1.5 }')"
done
screenshot assists_station_corridor
# The gates from 300 to 3300 units ahead, nested round the bay.
gates=$(corridor_green assists_station_corridor 400x350+200+100)
echo "corridor green pixels in the middle of the view: $gates"
[ "$gates" -gt 300 ] || fail "no corridor gates with the station ahead"

close_and_expect_clean_exit "flight with the assists"
echo "scanner, readout, arrow to the station and corridor gates shown"
