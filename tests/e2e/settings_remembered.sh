#!/usr/bin/env bash
# The settings view's choices outlive the run: sound switched off, flight
# assists on and the brightness knob at its right end come back at the next start, read from
# settings.ini in the save folder. A damaged settings.ini gives the first
# run's settings and one line on standard error.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
settings_file="$XDG_DATA_HOME/Quillon Marsh/Drift Hauler/settings.ini"

# A crop WxH at client (x, y) of the 800 x 600 window, which sits centred on
# the 1280 x 1024 screen.
crop() { echo "$1x$2+$((240 + $3))+$((212 + $4))"; }
rest_pointer() { xdotool mousemove --window "$window" 500 571; sleep 0.5; }
# The sound switch's caption, the flight assists switch's "Enabled" or
# "Disabled", the knob's first place and the slider's right end.
sound_caption="$(crop 80 10 611 125)"
assists_caption="$(crop 80 10 650 345)"
knob_middle="$(crop 9 16 456 535)"
knob_right_end="$(crop 9 16 650 535)"
same_region() { [ "$(region_colour "$1" "$3")" = "$(region_colour "$2" "$3")" ]; }

# Starts the game with standard error in $work/stderr, answers No and opens
# the settings view; the view's picture is $1.
open_settings() {
    game_stderr="$work/stderr" start_to_menu "$1_menu"
    sleep 1
    click_at "$window" 133 497
    rest_pointer
    screenshot "$1"
}

quit_game() {
    click_at "$window" 133 537
    wait_for_exit 5 || fail "$1: the game did not end within 5 seconds of Quit Program"
    [ "$exit_code" = 0 ] || fail "$1: exit code $exit_code"
}

open_settings first_settings
click_at "$window" 651 130
click_at "$window" 641 350
# The knob, 193 pixels into the slider at (261, 533), dragged to the right end
# (the pointer stays on the slider: leaving it ends the drag).
xdotool mousemove --window "$window" 460 543
sleep 0.2
xdotool mousedown 1
for x in 500 560 620 655 659; do xdotool mousemove --window "$window" "$x" 543; sleep 0.1; done
xdotool mouseup 1
rest_pointer
screenshot first_settings_changed
! same_region first_settings first_settings_changed "$sound_caption" || fail "the sound switch did not turn"
! same_region first_settings first_settings_changed "$assists_caption" || fail "the flight assists switch did not turn"
! same_region first_settings first_settings_changed "$knob_right_end" || fail "the knob did not reach the right end"
quit_game first
echo "settings.ini after the first run:"
cat "$settings_file" || fail "no settings.ini was written"
grep -qx 'sound=off' "$settings_file" || fail "sound=off was not written"
grep -qx 'brightness=1.5' "$settings_file" || fail "brightness=1.5 was not written"
grep -qx 'music=on' "$settings_file" || fail "music=on was not written"
grep -qx 'flight_assists=on' "$settings_file" || fail "flight_assists=on was not written"

open_settings second_settings
cat "$work/stderr"
[ ! -s "$work/stderr" ] || fail "second run: the game complained about its settings"
for region in "$sound_caption" "$assists_caption" "$knob_middle" "$knob_right_end"; do
    echo "$region: changed $(region_colour first_settings_changed "$region"), next run $(region_colour second_settings "$region")"
    same_region first_settings_changed second_settings "$region" || fail "the next run's settings view differs at $region"
done
quit_game second

printf 'sound=off\nbrightness=1.5\nthis is not a setting\n' > "$settings_file"
open_settings damaged_settings
cat "$work/stderr"
[ "$(wc -l < "$work/stderr")" = 1 ] || fail "damaged: not one line on standard error"
grep -q 'damaged' "$work/stderr" || fail "damaged: the line does not say the file is damaged"
for region in "$sound_caption" "$assists_caption" "$knob_middle" "$knob_right_end"; do
    echo "$region: first $(region_colour first_settings "$region"), damaged $(region_colour damaged_settings "$region")"
    same_region first_settings damaged_settings "$region" || fail "a damaged file did not give the first run's settings at $region"
done
quit_game damaged
echo "settings remembered, and a damaged file gave the defaults"
