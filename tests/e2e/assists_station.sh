#!/usr/bin/env bash
# The flight assists by the station: a saved game loads at rest on the bay's
# axis, 3.8 km out and facing away. The scanner shows the station behind, the
# readout above it the bay's distance and the advised speed; turned a little
# to the left, an arrow on the left edge points back at the station; turned
# round, the corridor's gates stand in the middle of the view.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"

write_start_save
write_settings_file
echo "flight_assists=on" >>"$saves/settings.ini"
listing_before=$(save_listing)

# Pixels of region WxH+X+Y (client coordinates) of picture $1 meeting the
# ImageMagick condition $3 on r, g and b.
count_where() {
    convert "$out_dir/$1.png" -crop "$(client_crop "$2")" +repage -fx "($3) ? 1 : 0" \
        -format '%[fx:round(mean*w*h)]' info:
}
client_crop() {
    local size="${1%%+*}" rest="${1#*+}"
    echo "$size+$((X + ${rest%%+*}))+$((Y + ${rest#*+}))"
}
white='r > 0.8 && g > 0.8 && b > 0.8'
corridor_green='g > 0.8 && r < 0.47 && b < 0.55'

start_and_load assists_station
fly_loaded_game
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 1

# The scanner left of the console, its centre at client (120, 516); the
# station 3.8 km astern plots sqrt(3.8 / 25) x 34 units below it.
screenshot assists_station_astern
scanner_lit=$(count_where assists_station_astern 140x140+50+446 'r + g + b > 0.02')
station_blip=$(count_where assists_station_astern 12x12+114+523 "$white")
readout=$(count_where assists_station_astern 160x26+44+408 'r + g + b > 0.6')
echo "scanner: $scanner_lit lit pixels, station blip $station_blip white; readout $readout lit"
[ "$scanner_lit" -gt 15000 ] || fail "no scanner left of the console"
[ "$station_blip" -gt 8 ] || fail "no white station blip astern on the scanner"
[ "$readout" -gt 150 ] || fail "no bay distance and advised speed above the scanner"

# A yaw of 1.5 rad per second of A, to the left: the station, astern, comes
# round behind the left shoulder.
hold_key a 0.8
sleep 1.5
screenshot assists_station_arrow
left_arrow=$(count_where assists_station_arrow 60x200+0+200 "$white")
echo "white arrow pixels at the left edge: $left_arrow"
[ "$left_arrow" -gt 60 ] || fail "no arrow at the left edge towards the station"

# Round to face the station: half a turn in all, 2.1 s of A.
hold_key a 1.3
sleep 2
screenshot assists_station_corridor
gates=$(count_where assists_station_corridor 400x350+200+100 "$corridor_green")
echo "corridor green pixels in the middle of the view: $gates"
[ "$gates" -gt 300 ] || fail "no corridor gates ahead"

close_and_expect_clean_exit "flight with the assists"
echo "scanner, readout, arrow to the station and corridor gates shown"
